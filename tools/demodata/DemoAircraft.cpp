#include "DemoAircraft.h"

#include "config/LoadAircraftConfig.h"
#include "platform/fs/Fs.h"
#include "platform/profile/Profile.h"
#include "platform/text/Text.h"

namespace decalia::demodata {

using text::Trim;

DemoAircraft ReadDemoAircraft(std::string_view iniPath) {
    DemoAircraft aircraft;
    aircraft.record = config::ReadAircraftConfiguration(
        win::ProfileText::FromFile(iniPath), config::SheetFormatChoice::Uncompressed32NormalMap,
        aircraft.extraTextures, aircraft.extraFields);
    return aircraft;
}

std::string DataFolder(const std::string& appFolder, const DemoAircraft& aircraft) {
    return appFolder + "/Data." + Trim(aircraft.record.DataPath);
}

std::string TemplatesFolder(const std::string& appFolder) { return appFolder + "/Templates"; }

std::string AircraftFolder(const std::string& appFolder, const DemoAircraft& aircraft) {
    return appFolder + "/../../SimObjects/Airplanes/" + Trim(aircraft.record.AircraftDirectory);
}

std::string ExtraTextureSourceFolder(const std::string& aircraftFolder,
                                     const DemoAircraft& aircraft) {
    const std::string folder = Trim(aircraft.extraTextures.BaseTextureFolder);
    return aircraftFolder + (folder.empty() ? "/Texture" : "/Texture." + folder);
}

std::string TemplateFileName(const DemoAircraft& aircraft) {
    return Trim(aircraft.record.DataPath) + "_Template.bmp";
}

std::string AlphaTemplateFileName(const DemoAircraft& aircraft) {
    return Trim(aircraft.record.DataPath) + "_Template_a.bmp";
}

bool CreateFolderTree(std::string_view path) {
    for (std::size_t end = path.find_first_of("/\\", 1);; end = path.find_first_of("/\\", end + 1)) {
        const std::string folder(path.substr(0, end));
        if (!fs::FolderExists(folder) && !fs::CreateFolder(folder)) return false;
        if (end == std::string_view::npos) return true;
    }
}

}  // namespace decalia::demodata
