#include "config/AircraftCatalogue.h"

#include "config/ConfigFile.h"
#include "config/LoadAircraftConfig.h"
#include "platform/fs/Fs.h"
#include "platform/profile/Profile.h"
#include "platform/text/Text.h"

namespace decalia::config {

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
    for (const std::string& name : fs::ListFiles(configurationsFolder, "*.bin")) {
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
