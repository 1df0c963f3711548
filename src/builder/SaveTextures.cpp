#include "builder/SaveTextures.h"

#include "appstate/Application.h"
#include "builder/BuildPaths.h"
#include "builder/BuildProgress.h"
#include "builder/ReplaceMask.h"
#include "builder/TextureSheet.h"
#include "imaging/BitmapSurfaces.h"
#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

constexpr double kProductionStart = 20;
constexpr double kProductionShare = 55;
constexpr double kMovingStart = 75;
constexpr double kMovingShare = 5;
constexpr double kExtrasStart = 80;
constexpr double kExtrasShare = 20;

double Step(double start, double share, std::size_t done, std::size_t count) {
    return start + static_cast<double>(done) * share / static_cast<double>(count);
}

void NoteMissing(TextureShortfall& shortfall, std::string name) {
    for (const std::string& known : shortfall.missing)
        if (known == name) return;
    shortfall.missing.push_back(std::move(name));
}

void ProduceAll(Application& app, TextureShortfall& shortfall) {
    const auto& textures = app.configuration.Textures;
    for (std::size_t i = 0; i < textures.size(); ++i) {
        ShowBuildProgress(app, Step(kProductionStart, kProductionShare, i + 1, textures.size()));
        ReleaseWorkSurfaces(app);
        const auto name = TextureOutputName(app, i);
        if (!name) {
            NoteMissing(shortfall, text::Trim(textures[i].BaseTextureName));
            continue;
        }
        ShowBuildStatus(app, "Working Texture - " + *name);
        TextureReport& report = shortfall.textures.emplace_back();
        report.name = *name;
        report.format = text::UCase(text::Trim(textures[i].TextureFormat));
        report.width = textures[i].TextureSizeX;
        report.height = textures[i].TextureSizeY;
        if (!ProduceTextureFile(app, i, *name, &report)) NoteMissing(shortfall, *name);
    }
}

void MoveAll(Application& app, TextureShortfall& shortfall) {
    const auto& textures = app.configuration.Textures;
    for (std::size_t i = 0; i < textures.size(); ++i) {
        ShowBuildStatus(app, "Moving New Textures");
        ShowBuildProgress(app, Step(kMovingStart, kMovingShare, i + 1, textures.size()));
        const auto name = TextureOutputName(app, i);
        if (name && !MoveTexture(app, *name)) NoteMissing(shortfall, *name);
    }
}

// Copied unchanged from the aircraft's own texture folders; one that is not
// there is passed over, as the shared-folder layout has no folder for them.
void CopyExtraTextures(Application& app) {
    const config::ExtraTextures& extras = app.extraTextures;
    if (extras.CopyExtraTextures != 1) return;
    const std::size_t count =
        std::min(extras.ExtraTexture.size(),
                 static_cast<std::size_t>(std::max<std::int16_t>(extras.NumExtraTextures, 0)));
    const std::string aircraft = AircraftFolder(app);
    const std::string baseFolder = text::Trim(extras.BaseTextureFolder);
    const std::string from =
        aircraft + (baseFolder.empty() ? "\\Texture\\" : "\\Texture." + baseFolder + "\\");
    const std::string to = aircraft + "\\Texture." + RepaintFolderExtension(app) + "\\";
    for (std::size_t j = 0; j < count; ++j) {
        const std::string texture = text::Trim(extras.ExtraTexture[j]);
        ShowBuildStatus(app, "Copying File - " + texture);
        ShowBuildProgress(app, Step(kExtrasStart, kExtrasShare, j + 1, count));
        fs::CopyFile(from + texture, to + texture, fs::Overwrite::Yes);
    }
}

}  // namespace

std::optional<std::string> TextureOutputName(const Application& app, std::size_t textureIndex) {
    const config::TextureEntry& texture = app.configuration.Textures.at(textureIndex);
    if (app.configuration.TextureAssignOnly == 1) return text::Trim(texture.BaseTextureName);
    if (app.configuration.TextureAssignOnly != 0) return std::nullopt;
    auto name = ApplyReplaceMask(texture.BaseTextureName, texture.ReplaceMask,
                                 RepaintIdentifier(app), app.configuration.NumIdentifierCharacters);
    if (name) *name = text::Trim(*name);
    return name;
}

bool MoveTexture(Application& app, std::string_view name) {
    const std::string texture = text::Trim(name);
    const std::string source = TempBitmapPath(app, texture);
    const std::string folder = app.configuration.TextureAssignOnly == 1
                                   ? "\\Texture." + RepaintFolderExtension(app) + "\\"
                                   : std::string("\\Texture\\");
    // A rename where it can, a copy and delete across file systems.
    return fs::MoveFile(source, AircraftFolder(app) + folder + texture + ".bmp", fs::Overwrite::Yes);
}

TextureShortfall ProduceTextures(Application& app) {
    TextureShortfall shortfall;
    shortfall.total = static_cast<int>(app.configuration.Textures.size());
    ProduceAll(app, shortfall);
    MoveAll(app, shortfall);
    CopyExtraTextures(app);
    return shortfall;
}

}  // namespace decalia
