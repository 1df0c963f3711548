#include "BuilderFixture.h"

#include <algorithm>

#include "appstate/CurrentConfiguration.h"
#include "support/TempDir.h"

namespace decalia::buildertest {
namespace {

namespace stdfs = std::filesystem;

std::string Sheet(int index, const std::string& baseName, const std::string& mask,
                  const std::string& view, const std::vector<int>& offsets) {
    std::string ini = "[Texture.0" + std::to_string(index) + "]\r\nBaseTextureName=" + baseName +
                      "\r\nReplaceMask=" + mask + "\r\nViewName=" + view +
                      "\r\nTextureSizeX=256\r\nTextureSizeY=256\r\nNumSectionsOnTexture=1\r\n"
                      "Section.00.TemplateRight=256\r\nSection.00.TemplateBottom=256\r\n"
                      "Section.00.DestRight=256\r\nSection.00.DestBottom=256\r\nNumMdlOffsets=" +
                      std::to_string(offsets.size()) + "\r\n";
    for (std::size_t k = 0; k < offsets.size(); ++k) {
        ini += "Offset.0" + std::to_string(k) + "=" + std::to_string(offsets[k]) + "\r\n";
    }
    return ini;
}

std::string SharedIni() {
    return "[Main]\r\nAircraftDisplayName=Kestrel K1\r\nDataPath=K1\r\nAircraftDirectory=Kestrel K1\r\n"
           "Manufacturer=Kestrelworks\r\nAircraftType=K1 Trainer\r\nAircraftTail=N101KW\r\n"
           "AircraftFlight=101\r\nAircraftTitlePrefix=Kestrel K1\r\nCheckListFile=K1_check\r\n"
           "ReferenceFile=K1_ref\r\nNumIdentifierCharacters=3\r\nNumTextures=2\r\n"
           "TemplateSizeX=256\r\nTemplateSizeY=256\r\nTextureAssignOnly=0\r\n"
           "[Model]\r\nBaseModelName=k1_XXX\r\nReplaceMask=k1_*\r\n"
           "[Air]\r\nBaseAirName=k1_XXX\r\nReplaceAirMask=k1_*\r\nCopyRenameAirFile=1\r\n" +
           Sheet(0, "tex_XXX_body", "tex_*", "Body", {1025, 2049}) +
           Sheet(1, "tex_XXX_wing", "tex_*", "Wing", {3001});
}

std::string OwnIni() {
    return "[Main]\r\nAircraftDisplayName=Kestrel K2\r\nDataPath=K2\r\nAircraftDirectory=Kestrel K2\r\n"
           "Manufacturer=Kestrelworks\r\nAircraftType=K2 Glider\r\nAircraftFlight=202\r\n"
           "AircraftTitlePrefix=Kestrel K2\r\nNumIdentifierCharacters=3\r\nNumTextures=1\r\n"
           "TemplateSizeX=256\r\nTemplateSizeY=256\r\nTextureAssignOnly=1\r\nModelFolder=k2model\r\n"
           "[Air]\r\nBaseAirName=k2\r\nCopyRenameAirFile=0\r\n" +
           Sheet(0, "k2_body", "", "Body", {});
}

std::string ProgramCopy(const std::string& title, const std::string& panel) {
    return FltsimSection(0, title, "", "") +
           "[GENERAL]\r\natc_type=KESTREL\r\n\r\n[WEIGHT_AND_BALANCE]\r\nempty_weight=900\r\n"
           "max_number_of_stations=1\r\nstation_load.0=170, 1, 0, 0\r\n\r\n[decalia]\r\nmodel=\r\n"
           "panel=" + panel + "\r\n";
}

}  // namespace

std::string FltsimSection(int index, const std::string& title, const std::string& model,
                          const std::string& texture) {
    return "[fltsim." + std::to_string(index) + "]\r\ntitle=" + title + "\r\nsim=base\r\nmodel=" + model +
           "\r\npanel=\r\nsound=\r\ntexture=" + texture +
           "\r\natc_heavy=1\r\nvisual_damage=1\r\nui_typerole=Trainer\r\nui_createdby=Kestrelworks\r\n"
           "atc_id_color=0xffffffff\r\ndescription=Entry " + std::to_string(index) + "\r\n\r\n";
}

BuildFailure FailureOf(const std::function<void()>& stage) {
    try {
        stage();
    } catch (const BuildFailure& failure) {
        return failure;
    }
    ADD_FAILURE() << "the stage did not fail";
    return BuildFailure("", "");
}

std::string BaseModelBytes() {
    std::string bytes(4096, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 251);
    return bytes;
}

BuilderTest::BuilderTest() {
    install.AddConfiguration(kShared, SharedIni());
    install.AddConfiguration(kOwn, OwnIni());
    LayOutAircraft();
}

void BuilderTest::LayOutAircraft() {
    testsupport::WriteFile(DataDir(kShared) / "Aircraft.cfg", ProgramCopy("Kestrel K1 Factory", "k1panel"));
    testsupport::WriteFile(DataDir(kShared) / "k1_XXX.mdl", BaseModelBytes());
    testsupport::WriteFile(DataDir(kShared) / "k1_XXX.air", "K1 flight model");
    testsupport::WriteFile(DataDir(kOwn) / "Aircraft.cfg", ProgramCopy("Kestrel K2 Factory", "k2panel"));
    testsupport::WriteFile(DataDir(kOwn) / "k2.air", "K2 flight model");
    WriteLiveCfg(kShared, FltsimSection(0, "Kestrel K1 Factory", "", "") +
                              "[WEIGHT_AND_BALANCE]\r\nempty_weight=950\r\n");
    WriteLiveCfg(kOwn, FltsimSection(0, "Kestrel K2 Factory", "", ""));
    Put(AircraftDir(kShared) / "Texture" / "tex_XXX_body.bmp", "factory body");
}

void BuilderTest::Choose(const std::string& stem) {
    ReadAircraftConfiguration(
        app, (install.AppDir() / "Aircraft Configurations" / (stem + ".bin")).string());
    app.TemplateLoaded = true;
    app.job.Variation = "Blue";
    app.job.FolderExtension = "abc";
    app.job.TailNumber = "n123ab";
    app.job.Callsign = "KESTREL";
}

stdfs::path BuilderTest::AircraftDir(const std::string& stem) const {
    return install.Root() / "SimObjects" / "Airplanes" / (stem == kShared ? "Kestrel K1" : "Kestrel K2");
}

stdfs::path BuilderTest::DataDir(const std::string& stem) const {
    return install.AppDir() / (stem == kShared ? "Data.K1" : "Data.K2");
}

void BuilderTest::WriteLiveCfg(const std::string& stem, const std::string& text) const {
    testsupport::WriteFile(LiveCfg(stem), text);
}

std::string BuilderTest::ReadLiveCfg(const std::string& stem) const {
    return testsupport::ReadFile(LiveCfg(stem));
}

std::vector<std::string> BuilderTest::Listing(const stdfs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : stdfs::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void BuilderTest::Put(const stdfs::path& file, const std::string& bytes) {
    testsupport::WriteFile(file, bytes);
}

}  // namespace decalia::buildertest
