#pragma once
// The build's last stage: every texture sheet composed from the template,
// converted by the texture library and moved into the aircraft's folder, then
// the configuration's extra textures copied beside them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "builder/TextureQuality.h"

namespace decalia {

class Application;

// Textures that could not be made or moved, by output name (or base name
// when no output name could be made), in configuration order.
struct TextureShortfall {
    std::vector<std::string> missing;
    int total = 0;
    // Every texture that had an output name, for the build report.
    std::vector<TextureReport> textures;
};

// Passes over every failure and goes on with the next texture; what failed is
// returned so the build never reports a missing texture as built.
TextureShortfall ProduceTextures(Application& app);

// The texture's output name: its base name in its own folder, or the base
// name with the repaint's identifier in the shared one.
std::optional<std::string> TextureOutputName(const Application& app, std::size_t textureIndex);

// TempBitmaps\<name>.bmp into the aircraft's texture folder, replacing an
// older one; false when it could not be put there (it then stays).
bool MoveTexture(Application& app, std::string_view name);

}  // namespace decalia
