#include "config/AircraftCatalogue.h"

#include "config/ConfigFile.h"
#include "config/LoadAircraftConfig.h"
#include "platform/fs/Fs.h"
#include "platform/profile/Profile.h"
#include "platform/text/Text.h"

#include <algorithm>

namespace decalia::config {
namespace {

// The order Windows lists the folder in: its case-insensitive comparison
// lower-cases, so "_" (0x5F) comes before the letters ("KW_B" before "KWA").
bool ByLowerCaseName(const std::string& a, const std::string& b) {
    const std::string lowerA = text::LCase(a);
    const std::string lowerB = text::LCase(b);
    return lowerA != lowerB ? lowerA < lowerB : a < b;
}

}  // namespace

std::vector<std::string> AircraftCatalogue::DisplayNames() const {
    std::vector<std::string> names;
    for (std::int32_t i = 0; i <= LastCatalogueIndex; ++i)
        names.push_back(Entries[static_cast<std::size_t>(i)].DisplayName);
    return names;
}

std::string ConfigurationsFolder(std::string_view appFolder) {
    return std::string(appFolder) + "\\Aircraft Configurations";
}

AircraftCatalogue LoadAircraftCatalogue(std::string_view configurationsFolder) {
    AircraftCatalogue catalogue;
    std::size_t stored = 0;
    std::vector<std::string> names = fs::ListFiles(configurationsFolder, "*.bin");
    std::sort(names.begin(), names.end(), ByLowerCaseName);
    for (const std::string& name : names) {
        if (stored == kCatalogueSize) break;
        const std::string path = text::Trim(std::string(configurationsFolder) + "\\" + name);
        const win::ProfileText plain = DecryptConfiguration(path);
        catalogue.Entries[stored] = {ReadProfileString("Main", "AircraftDisplayName", plain), path};
        ++stored;
    }
    catalogue.LastCatalogueIndex = static_cast<std::int16_t>(static_cast<int>(stored) - 1);
    return catalogue;
}

}  // namespace decalia::config
