#include "support/Installation.h"

#include <stdexcept>

#include "DemoData.h"
#include "imaging/CallDXTdll.h"
#include "platform/win/Library.h"
#include "support/Configurations.h"
#include "support/SkinFiles.h"

namespace testsupport {

namespace stdfs = std::filesystem;

Installation::Installation() {
    stdfs::create_directories(MediaDir());
    stdfs::create_directories(AppDir() / "Aircraft Configurations");
    stdfs::create_directories(AppDir() / "Templates");
    stdfs::create_directories(AppDir() / "TempBitmaps");
    stdfs::create_directories(Root() / "SimObjects" / "Airplanes");
    LaySkinFiles(MediaDir().string());
    stdfs::copy_file(DECALIA_KWDDS_PATH, TextureLibrary());
    WriteOwnAirlines("ALPINE\r\nBOREAL\r\n\"NORTH, SOUTH\"\r\nKESTREL\r\n");
}

stdfs::path Installation::AppDir() const {
    return Root() / "Kestrelworks Software" / "Decalia";
}

stdfs::path Installation::TextureLibrary() const {
    return AppDir() / win::LibraryFileName(decalia::kTextureLibrary);
}

void Installation::AddConfiguration(std::string_view fileStem, std::string_view ini) const {
    WriteEncryptedConfiguration(AppDir() / "Aircraft Configurations" / (std::string(fileStem) + ".bin"),
                                ini);
}

void Installation::AddDemoAircraft(std::string_view configurationStem) const {
    const std::string demo = std::string(DECALIA_SOURCE_DIR) + "/demo";
    const std::string stem(configurationStem);
    AddConfiguration(stem, ReadFile(demo + "/configurations/" + stem + ".ini"));
    std::string error;
    if (!decalia::demodata::WriteDemoAircraft(demo, stem, AppFolder(), error))
        throw std::runtime_error("cannot lay out the demo aircraft: " + error);
}

std::string Installation::ConfigurationIni(std::string_view displayName, std::string_view tail,
                                           int textureCount) {
    std::string ini = MinimalConfigurationIni(displayName, textureCount);
    // The extra keys go right after the [Main] header line.
    const std::string extra = "AircraftTail=" + std::string(tail) +
                              "\r\nManufacturer=Kestrelworks\r\nAircraftType=Test Type\r\n"
                              "DataPath=TEST\r\nAircraftDirectory=Test Aircraft\r\n";
    ini.insert(ini.find("\r\n") + 2, extra);
    return ini;
}

void Installation::WriteOwnAirlines(std::string_view text) const {
    WriteFile(AppDir() / "Data" / "airlines.cfg", text);
}

void Installation::RemoveOwnAirlines() const { stdfs::remove(AppDir() / "Data" / "airlines.cfg"); }

void Installation::WriteSharedAirlines(std::string_view text) const {
    WriteFile(Root() / "Aircraft" / "airlines.cfg", text);
}

void Installation::RemoveMedia(std::string_view fileName) const {
    stdfs::remove(MediaDir() / std::string(fileName));
}

}  // namespace testsupport
