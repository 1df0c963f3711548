#include "imaging/Composition.h"

#include "appstate/Application.h"
#include "imaging/Functions_24bit.h"
#include "imaging/Functions_8bit.h"
#include "imaging/SectionMapping.h"

namespace decalia {
namespace {

const config::TextureEntry* TextureAt(const Application& app, std::int16_t index) {
    const auto& textures = app.configuration.Textures;
    if (index < 0 || static_cast<std::size_t>(index) >= textures.size()) return nullptr;
    return &textures[static_cast<std::size_t>(index)];
}

}  // namespace

bool ComposeTextureSheet(Application& app, std::int16_t textureIndex) {
    const config::TextureEntry* texture = TextureAt(app, textureIndex);
    if (texture == nullptr) return false;
    const int width = texture->TextureSizeX;
    const int height = texture->TextureSizeY;
    bool ok = Create24BitSurface(app, 24, width, height);
    SizePreviewPicture(app, width, height);
    if (ok) ok = MapSections(app, *texture, Stretch24Bit, ok);
    if (!ok) return false;
    ShowOnPreview(app, app.sheetSurface, width, height);
    return true;
}

bool ComposeAlphaSheet(Application& app, std::int16_t textureIndex) {
    const config::TextureEntry* texture = TextureAt(app, textureIndex);
    if (texture == nullptr) return false;
    bool ok = Create8BitSurface(app, 8, texture->TextureSizeX, texture->TextureSizeY);
    if (ok && app.AlphaLoaded) ok = MapSections(app, *texture, Stretch8Bit, ok);
    return ok;
}

}  // namespace decalia
