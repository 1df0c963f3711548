#pragma once
// The aircraft configuration record: how one of the maker's aircraft is laid
// out in the simulator and how its texture sheets are cut from the template.

#include <cstdint>
#include <string>
#include <vector>

namespace decalia::config {

// Widths of the fixed-width text fields; a longer value is cut. The one reader
// that wants the padded form (the flight-model name written verbatim) pads
// with PadToWidth.
inline constexpr std::size_t kTextWidth = 100;
inline constexpr std::size_t kDataPathWidth = 20;
inline constexpr std::size_t kDescriptionWidth = 512;
inline constexpr std::size_t kTextureFormatWidth = 10;

std::string PadToWidth(const std::string& value, std::size_t width);

struct SectionMapping {
    std::int16_t TemplateLeft = 0;
    std::int16_t TemplateTop = 0;
    std::int16_t TemplateRight = 0;
    std::int16_t TemplateBottom = 0;
    std::int16_t DestLeft = 0;
    std::int16_t DestTop = 0;
    std::int16_t DestRight = 0;
    std::int16_t DestBottom = 0;
};

struct TextureEntry {
    std::string BaseTextureName;
    std::string ReplaceMask;
    std::string ViewName;
    std::int16_t TextureSizeX = 0;
    std::int16_t TextureSizeY = 0;
    std::string TextureFormat;
    std::int16_t NumSectionsOnTexture = 0;
    std::vector<SectionMapping> Sections;
    std::int16_t NumMdlOffsets = 0;
    std::vector<std::int32_t> MdlOffsets;
};

struct AircraftConfiguration {
    std::string AircraftDisplayName;
    std::string DataPath;
    std::string AircraftDirectory;
    std::string Manufacturer;
    std::string AircraftType;
    std::string AircraftTail;
    std::string AircraftFlight;
    std::string AircraftTitlePrefix;
    std::string CheckListFile;
    std::string ReferenceFile;
    std::string Description;
    std::int16_t AssignAirline = 0;
    std::int16_t NumIdentifierCharacters = 0;
    std::int16_t NumTextures = 0;
    std::int16_t TemplateSizeX = 0;
    std::int16_t TemplateSizeY = 0;
    std::string BaseModelName;
    std::string ReplaceMask;
    std::string BaseAirName;
    std::string ReplaceAirMask;
    std::int16_t CopyRenameAirFile = 0;
    std::int16_t UseAlpha = 0;
    std::int16_t DefaultHeavy = 0;
    std::int16_t ShowDamage = 0;
    std::int16_t TextureAssignOnly = 0;
    std::string ModelFolder;
    std::vector<TextureEntry> Textures;
};

// Read with every configuration but never cleared: the lists stay from an
// earlier read unless this read's copy flag is 1 with a count of at least 1,
// so readers look at the flag first.
struct ExtraTextures {
    std::int16_t CopyExtraTextures = 0;
    std::string BaseTextureFolder;
    std::int16_t NumExtraTextures = 0;
    std::vector<std::string> ExtraTexture;
};

struct ExtraFields {
    std::int16_t CopyExtraFields = 0;
    std::int16_t NumFields = 0;
    std::vector<std::string> ExtraField;
    std::vector<std::string> ExtraFieldDefault;
};

// The format every sheet gets, chosen by the main window's check box at the
// time of reading rather than by the file.
enum class SheetFormatChoice { Dxt3NormalMap, Uncompressed32NormalMap };
inline constexpr const char* kFormatDxt3Nm = "DXT3NM";
inline constexpr const char* kFormat32Anm = "32ANM";

}  // namespace decalia::config
