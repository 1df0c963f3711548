#pragma once
// Composing one texture sheet, colour or alpha, from the loaded template pair.
// Callers release the previous sheets first (ReleaseWorkSurfaces).

#include <cstdint>

namespace decalia {

class Application;

// Builds the colour sheet of the texture and shows it in the preview, so a
// build shows its progress sheet by sheet. False for an index outside the
// configuration's textures.
bool ComposeTextureSheet(Application& app, std::int16_t textureIndex);
// Builds the alpha sheet; without an alpha template it stays empty (index 0).
bool ComposeAlphaSheet(Application& app, std::int16_t textureIndex);

}  // namespace decalia
