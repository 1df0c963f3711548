#include "builder/RepaintFiles.h"

#include <optional>

#include "appstate/Application.h"
#include "builder/BuildPaths.h"
#include "builder/ReplaceMask.h"
#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

// The earlier repaint's file name for a base name, made with its identifier;
// nothing when it does not fit the mask or would leave its folder.
std::optional<std::string> EarlierName(const Application& app, std::string_view baseName,
                                       std::string_view mask, std::string_view identifier) {
    auto name = ApplyReplaceMask(baseName, mask, identifier,
                                 app.configuration.NumIdentifierCharacters);
    if (!name || !IsPlainName(text::Trim(*name))) return std::nullopt;
    return text::Trim(*name);
}

void DeleteIfPresent(const std::string& file) {
    if (fs::FileExists(file)) (void)fs::DeleteFile(file);
}

void RemoveSharedTextures(const Application& app, const std::string& identifier) {
    const std::string folder = AircraftFolder(app) + "\\Texture\\";
    for (const config::TextureEntry& texture : app.configuration.Textures) {
        const auto name = EarlierName(app, texture.BaseTextureName, texture.ReplaceMask, identifier);
        if (name) DeleteIfPresent(folder + *name + ".bmp");
    }
}

// Thumbs.db is hidden and often read-only; its attributes go first so that it
// is deleted with the rest. A folder holding a sub-folder stays.
void RemoveOwnTextureFolder(const Application& app, const std::string& texture) {
    const std::string folder = AircraftFolder(app) + "\\Texture." + texture;
    (void)fs::ClearAttributes(folder + "\\Thumbs.db");
    for (const std::string& file : fs::ListFiles(folder, "*.*")) {
        (void)fs::DeleteFile(folder + "\\" + file);
    }
    if (fs::FolderExists(folder)) (void)fs::RemoveEmptyFolder(folder);
}

void RemoveModelCopy(const Application& app, const std::string& model,
                     const std::string& identifier) {
    const std::string folder = AircraftFolder(app) + "\\Model." + model;
    DeleteIfPresent(folder + "\\Model.cfg");
    const config::AircraftConfiguration& configuration = app.configuration;
    const auto name = EarlierName(app, configuration.BaseModelName, configuration.ReplaceMask,
                                  identifier);
    if (name) DeleteIfPresent(folder + "\\" + *name + ".mdl");
    if (fs::FolderExists(folder)) (void)fs::RemoveEmptyFolder(folder);
}

void RemoveAirCopy(const Application& app, const std::string& identifier) {
    const config::AircraftConfiguration& configuration = app.configuration;
    const auto name = EarlierName(app, configuration.BaseAirName, configuration.ReplaceAirMask,
                                  identifier);
    if (name) DeleteIfPresent(AircraftFolder(app) + "\\" + *name + ".air");
}

}  // namespace

bool IsPlainName(std::string_view name) {
    return !name.empty() && name.find_first_of("\\/:") == std::string_view::npos &&
           name.find("..") == std::string_view::npos;
}

void RemoveRepaintFiles(Application& app, std::string_view model, std::string_view texture) {
    const std::string modelName = text::Trim(model);
    const std::string textureName = text::Trim(texture);
    const std::string identifier = text::UCase(modelName);
    const bool modelUsable = IsPlainName(modelName);
    if (textureName.empty()) {
        if (modelUsable) RemoveSharedTextures(app, identifier);
    } else if (IsPlainName(textureName)) {
        RemoveOwnTextureFolder(app, textureName);
    }
    if (!modelUsable) return;
    if (app.configuration.TextureAssignOnly == 0) RemoveModelCopy(app, modelName, identifier);
    if (app.configuration.CopyRenameAirFile == 1) RemoveAirCopy(app, identifier);
}

}  // namespace decalia
