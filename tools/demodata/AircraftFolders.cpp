#include "AircraftFolders.h"

#include "AircraftCfgFiles.h"
#include "ModelFile.h"
#include "SheetArt.h"
#include "platform/text/Text.h"

namespace decalia::demodata {
namespace {

using text::Trim;

constexpr std::string_view kOwnLivery = "House Colours";

void WriteModelFolder(const std::string& folder, const std::string& modelName, std::string_view bytes,
                      Output& out) {
    out.File(folder + "/" + modelName + ".mdl", bytes);
    out.Profile("models", "normal", modelName, folder + "/Model.cfg");
}

void WriteSheets(const DemoAircraft& aircraft, const std::string& folder, const InstalledLivery* livery,
                 Output& out) {
    const auto& textures = aircraft.record.Textures;
    for (std::size_t i = 0; i < textures.size(); ++i) {
        const std::string name = livery && aircraft.record.TextureAssignOnly == 0
                                     ? LiveryTextureName(textures[i], *livery).value_or("")
                                     : Trim(textures[i].BaseTextureName);
        out.Bitmap24(folder + "/" + name + ".bmp",
                     SheetTexture(textures[i], i, livery ? livery->variation : kOwnLivery,
                                  livery ? kBlueHeronTint : kHouseTint));
    }
}

void WriteExtraTextures(const DemoAircraft& aircraft, const std::string& folder, Output& out) {
    if (aircraft.extraTextures.CopyExtraTextures != 1) return;
    for (const std::string& name : aircraft.extraTextures.ExtraTexture)
        out.Bitmap24(folder + "/" + Trim(name), ExtraTextureArt(Trim(name)));
}

// As the program leaves a repaint: its own texture folder with the extra
// textures, or renamed textures beside the aircraft's own and a patched model.
void WriteLiveryFiles(const DemoAircraft& aircraft, const InstalledLivery& livery,
                      const std::string& aircraftFolder, Output& out) {
    const config::AircraftConfiguration& c = aircraft.record;
    if (c.TextureAssignOnly == 1) {
        const std::string folder = aircraftFolder + "/Texture." + livery.extension;
        WriteSheets(aircraft, folder, &livery, out);
        WriteExtraTextures(aircraft, folder, out);
    } else {
        WriteSheets(aircraft, aircraftFolder + "/Texture", &livery, out);
        WriteModelFolder(aircraftFolder + "/Model." + livery.identifier,
                         LiveryModelName(aircraft, livery).value_or(""),
                         RepaintModelBytes(c, livery.identifier), out);
    }
    if (c.CopyRenameAirFile == 1)
        out.File(aircraftFolder + "/" + LiveryAirName(aircraft, livery).value_or("") + ".air",
                 AirFileBytes(Trim(c.BaseAirName)));
}

}  // namespace

void WriteDataFolder(const DemoAircraft& aircraft, std::string_view sections,
                     const std::string& appFolder, Output& out) {
    const config::AircraftConfiguration& c = aircraft.record;
    const std::string folder = DataFolder(appFolder, aircraft);
    WriteProgramAircraftCfg(aircraft, sections, folder + "/Aircraft.cfg", out);
    if (c.TextureAssignOnly == 0) out.File(folder + "/" + Trim(c.BaseModelName) + ".mdl", OwnModelBytes(c));
    out.File(folder + "/" + Trim(c.BaseAirName) + ".air", AirFileBytes(Trim(c.BaseAirName)));
}

void WriteLiveFolder(const DemoAircraft& aircraft, std::string_view sections,
                     const InstalledLivery& livery, const std::string& appFolder, Output& out) {
    const config::AircraftConfiguration& c = aircraft.record;
    const std::string folder = AircraftFolder(appFolder, aircraft);
    WriteLiveAircraftCfg(aircraft, sections, livery, folder + "/Aircraft.cfg", out);
    WriteSheets(aircraft, folder + "/Texture", nullptr, out);
    WriteExtraTextures(aircraft, ExtraTextureSourceFolder(folder, aircraft), out);
    WriteModelFolder(folder + "/Model", Trim(c.BaseModelName), OwnModelBytes(c), out);
    if (const std::string repaintModels = RepaintModelFolder(aircraft); !repaintModels.empty())
        WriteModelFolder(folder + "/Model." + repaintModels, Trim(c.BaseModelName), OwnModelBytes(c), out);
    out.File(folder + "/" + Trim(c.BaseAirName) + ".air", AirFileBytes(Trim(c.BaseAirName)));
    WriteLiveryFiles(aircraft, livery, folder, out);
}

}  // namespace decalia::demodata
