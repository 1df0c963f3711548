#pragma once
// The installed aircraft: one entry per encrypted configuration file of the
// configurations folder, in file-name order without regard to case.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace decalia::config {

inline constexpr std::size_t kCatalogueSize = 100;

struct CatalogueEntry {
    std::string DisplayName;
    std::string FilePath;
};

struct AircraftCatalogue {
    std::array<CatalogueEntry, kCatalogueSize> Entries;
    // -1 when no configuration was found.
    std::int16_t LastCatalogueIndex = -1;

    // The display names of the filled entries, in order: the rows of the
    // aircraft list, so that row r is entry r.
    std::vector<std::string> DisplayNames() const;
};

// The configurations folder of a program folder.
std::string ConfigurationsFolder(std::string_view appFolder);

// Reads every "*.bin" file of the folder; a file that does not decrypt is
// catalogued with an empty name, files past the hundredth are left out. A
// missing folder gives an empty catalogue.
AircraftCatalogue LoadAircraftCatalogue(std::string_view configurationsFolder);

}  // namespace decalia::config
