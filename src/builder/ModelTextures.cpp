#include "builder/ModelTextures.h"

#include "appstate/Application.h"
#include "builder/BuildFailure.h"
#include "builder/BuildPaths.h"
#include "builder/BuildProgress.h"
#include "config/ConfigFile.h"
#include "platform/fs/Fs.h"

namespace decalia {
namespace {

constexpr const char* kCopyStage = "copying the model file";
constexpr const char* kRenameStage = "renaming the textures inside the model copy";

// Offsets count from 1, as the configuration's maker counts them.
void PatchName(const std::string& model, std::int32_t offset, const std::string& name) {
    if (offset < 1) {
        throw BuildFailure(kRenameStage, "The model offset " + std::to_string(offset) +
                                             " lies before the start of the model file.");
    }
    if (!fs::WriteAt(model, static_cast<std::uint64_t>(offset) - 1, name)) {
        throw BuildFailure(kRenameStage, "The file " + DisplayPath(model) + " could not be written.");
    }
}

}  // namespace

void RenameModelTextures(Application& app) {
    const config::AircraftConfiguration& configuration = app.configuration;
    if (configuration.TextureAssignOnly != 0) return;
    ShowBuildStatus(app, kStatusRenamingTextures);
    const std::string folder = ModelCopyFolder(app);
    const std::string modelName =
        RepaintFileName(app, configuration.BaseModelName, configuration.ReplaceMask, kCopyStage);
    const std::string model = folder + "\\" + modelName + ".mdl";
    CopyForBuild(BaseModelFile(app), model, kCopyStage);
    config::WriteProfileString("models", "normal", modelName, folder + "\\Model.cfg");
    for (const config::TextureEntry& texture : configuration.Textures) {
        const std::string name =
            RepaintFileName(app, texture.BaseTextureName, texture.ReplaceMask, kRenameStage) + ".bmp";
        for (const std::int32_t offset : texture.MdlOffsets) PatchName(model, offset, name);
    }
}

}  // namespace decalia
