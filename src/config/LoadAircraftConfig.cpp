#include "config/LoadAircraftConfig.h"

#include <limits>
#include <string>

#include "config/ConfigFile.h"
#include "config/clsEncrypt.h"
#include "platform/profile/Profile.h"
#include "platform/text/Text.h"

namespace decalia::config {
namespace {

class Reader {
public:
    explicit Reader(const win::ProfileText& profile) : profile_(profile) {}

    void Text(std::string& field, std::string_view section, std::string_view key,
              std::size_t width = kTextWidth) const {
        field = ReadProfileString(section, key, profile_).substr(0, width);
    }

    void LongText(std::string& field, std::string_view section, std::string_view key) const {
        field = ReadProfileLongString(section, key, profile_).substr(0, kDescriptionWidth);
    }

    // A value outside the 16-bit range leaves the field as it was.
    void Int16(std::int16_t& field, std::string_view section, std::string_view key) const {
        const std::int32_t value = ReadProfileInt(section, key, profile_);
        if (value >= std::numeric_limits<std::int16_t>::min() &&
            value <= std::numeric_limits<std::int16_t>::max()) {
            field = static_cast<std::int16_t>(value);
        }
    }

    void Int32(std::int32_t& field, std::string_view section, std::string_view key) const {
        field = ReadProfileInt(section, key, profile_);
    }

    // How many of count list items may still be read, and charges them.
    std::size_t Allow(std::int16_t count) {
        if (count < 1) return 0;
        const auto wanted = static_cast<std::size_t>(count);
        const std::size_t granted = std::min(wanted, kMaxConfigurationItems - used_);
        used_ += granted;
        return granted;
    }

private:
    const win::ProfileText& profile_;
    std::size_t used_ = 0;
};

std::string Indexed(std::string_view prefix, std::size_t index) {
    return std::string(prefix) + text::Format00(static_cast<std::int64_t>(index));
}

void ReadMain(const Reader& read, AircraftConfiguration& c) {
    read.Text(c.AircraftDisplayName, "Main", "AircraftDisplayName");
    read.Text(c.DataPath, "Main", "DataPath", kDataPathWidth);
    read.Text(c.AircraftDirectory, "Main", "AircraftDirectory");
    read.Text(c.Manufacturer, "Main", "Manufacturer");
    read.Text(c.AircraftType, "Main", "AircraftType");
    read.Text(c.AircraftTail, "Main", "AircraftTail");
    read.Text(c.AircraftFlight, "Main", "AircraftFlight");
    read.Text(c.AircraftTitlePrefix, "Main", "AircraftTitlePrefix");
    read.Text(c.CheckListFile, "Main", "CheckListFile");
    read.Text(c.ReferenceFile, "Main", "ReferenceFile");
    read.LongText(c.Description, "Main", "Description");
    read.Int16(c.AssignAirline, "Main", "AssignAirline");
    read.Int16(c.NumIdentifierCharacters, "Main", "NumIdentifierCharacters");
    read.Int16(c.NumTextures, "Main", "NumTextures");
    read.Int16(c.TemplateSizeX, "Main", "TemplateSizeX");
    read.Int16(c.TemplateSizeY, "Main", "TemplateSizeY");
    read.Int16(c.UseAlpha, "Main", "UseAlpha");
    read.Int16(c.DefaultHeavy, "Main", "DefaultHeavy");
    read.Int16(c.ShowDamage, "Main", "ShowDamage");
    read.Int16(c.TextureAssignOnly, "Main", "TextureAssignOnly");
    read.Text(c.ModelFolder, "Main", "ModelFolder");
}

void ReadExtraFields(const Reader& read, ExtraFields& fields) {
    read.Int16(fields.CopyExtraFields, "ExtraFields", "CopyExtraFields");
    read.Int16(fields.NumFields, "ExtraFields", "NumFields");
    if (fields.CopyExtraFields != 1 || fields.NumFields < 1) return;
    const auto count = static_cast<std::size_t>(fields.NumFields);
    fields.ExtraField.assign(count, {});
    fields.ExtraFieldDefault.assign(count, {});
    for (std::size_t n = 0; n < count; ++n) {
        read.Text(fields.ExtraField[n], "ExtraFields", Indexed("ExtraField.", n),
                  std::string::npos);
        read.Text(fields.ExtraFieldDefault[n], "ExtraFields", Indexed("ExtraFieldDefault.", n),
                  std::string::npos);
    }
}

void ReadExtraTextures(const Reader& read, ExtraTextures& textures) {
    read.Int16(textures.CopyExtraTextures, "ExtraTextures", "CopyExtraTextures");
    read.Text(textures.BaseTextureFolder, "ExtraTextures", "BaseTextureFolder",
              std::string::npos);
    read.Int16(textures.NumExtraTextures, "ExtraTextures", "NumTextures");
    if (textures.CopyExtraTextures != 1 || textures.NumExtraTextures < 1) return;
    const auto count = static_cast<std::size_t>(textures.NumExtraTextures);
    textures.ExtraTexture.assign(count, {});
    for (std::size_t n = 0; n < count; ++n) {
        read.Text(textures.ExtraTexture[n], "ExtraTextures", Indexed("ExtraTexture.", n),
                  std::string::npos);
    }
}

void ReadModelAndAir(const Reader& read, AircraftConfiguration& c) {
    read.Text(c.BaseModelName, "Model", "BaseModelName");
    read.Text(c.ReplaceMask, "Model", "ReplaceMask");
    read.Text(c.BaseAirName, "Air", "BaseAirName");
    read.Text(c.ReplaceAirMask, "Air", "ReplaceAirMask");
    read.Int16(c.CopyRenameAirFile, "Air", "CopyRenameAirFile");
}

void ReadSection(const Reader& read, const std::string& sheet, std::size_t j,
                 SectionMapping& piece) {
    const std::string prefix = Indexed("Section.", j) + ".";
    read.Int16(piece.TemplateLeft, sheet, prefix + "TemplateLeft");
    read.Int16(piece.TemplateTop, sheet, prefix + "TemplateTop");
    read.Int16(piece.TemplateRight, sheet, prefix + "TemplateRight");
    read.Int16(piece.TemplateBottom, sheet, prefix + "TemplateBottom");
    read.Int16(piece.DestLeft, sheet, prefix + "DestLeft");
    read.Int16(piece.DestTop, sheet, prefix + "DestTop");
    read.Int16(piece.DestRight, sheet, prefix + "DestRight");
    read.Int16(piece.DestBottom, sheet, prefix + "DestBottom");
}

void ReadTexture(Reader& read, std::size_t i, SheetFormatChoice format, TextureEntry& entry) {
    const std::string sheet = Indexed("Texture.", i);
    read.Text(entry.BaseTextureName, sheet, "BaseTextureName");
    read.Text(entry.ReplaceMask, sheet, "ReplaceMask");
    read.Text(entry.ViewName, sheet, "ViewName");
    read.Int16(entry.TextureSizeX, sheet, "TextureSizeX");
    read.Int16(entry.TextureSizeY, sheet, "TextureSizeY");
    entry.TextureFormat =
        format == SheetFormatChoice::Dxt3NormalMap ? kFormatDxt3Nm : kFormat32Anm;

    read.Int16(entry.NumSectionsOnTexture, sheet, "NumSectionsOnTexture");
    entry.Sections.assign(read.Allow(entry.NumSectionsOnTexture), {});
    if (entry.NumSectionsOnTexture > 0)
        entry.NumSectionsOnTexture = static_cast<std::int16_t>(entry.Sections.size());
    for (std::size_t j = 0; j < entry.Sections.size(); ++j)
        ReadSection(read, sheet, j, entry.Sections[j]);

    read.Int16(entry.NumMdlOffsets, sheet, "NumMdlOffsets");
    entry.MdlOffsets.assign(read.Allow(entry.NumMdlOffsets), 0);
    if (entry.NumMdlOffsets > 0)
        entry.NumMdlOffsets = static_cast<std::int16_t>(entry.MdlOffsets.size());
    for (std::size_t k = 0; k < entry.MdlOffsets.size(); ++k)
        read.Int32(entry.MdlOffsets[k], sheet, Indexed("Offset.", k));
}

}  // namespace

std::string PadToWidth(const std::string& value, std::size_t width) {
    std::string padded = value.substr(0, width);
    padded.resize(width, ' ');
    return padded;
}

win::ProfileText DecryptConfiguration(std::string_view filePath) {
    const std::string path = text::Trim(filePath);
    clsEncrypt cipher;
    cipher.Key(kProgramKey);
    if (auto plain = cipher.DecryptFileToMemory(path)) return win::ProfileText(*plain);
    return {};
}

AircraftConfiguration ReadAircraftConfiguration(std::string_view filePath,
                                                SheetFormatChoice format,
                                                ExtraTextures& extraTextures,
                                                ExtraFields& extraFields) {
    return ReadAircraftConfiguration(DecryptConfiguration(filePath), format, extraTextures,
                                     extraFields);
}

AircraftConfiguration ReadAircraftConfiguration(const win::ProfileText& profile,
                                                SheetFormatChoice format,
                                                ExtraTextures& extraTextures,
                                                ExtraFields& extraFields) {
    Reader read(profile);
    AircraftConfiguration c;
    ReadMain(read, c);
    ReadExtraFields(read, extraFields);
    ReadExtraTextures(read, extraTextures);
    ReadModelAndAir(read, c);
    if (c.NumTextures > 0) c.Textures.resize(static_cast<std::size_t>(c.NumTextures));
    for (std::size_t i = 0; i < c.Textures.size(); ++i) ReadTexture(read, i, format, c.Textures[i]);
    return c;
}

}  // namespace decalia::config
