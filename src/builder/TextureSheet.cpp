#include "builder/TextureSheet.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

#include "appstate/Application.h"
#include "builder/TextureFormatNames.h"
#include "builder/TextureQuality.h"
#include "imaging/BitmapSurfaces.h"
#include "imaging/CallDXTdll.h"
#include "imaging/Composition.h"
#include "imaging/Functions_24bit.h"
#include "imaging/Functions_8bit.h"
#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

// DXT1 never takes the painter's alpha; the others do when there is one.
bool MakeAlphaSheet(Application& app, std::size_t textureIndex, const TextureFormatRow& row) {
    const config::TextureEntry& texture = app.configuration.Textures[textureIndex];
    if (row.call != TextureCall::Dxt1 && app.AlphaLoaded)
        return ComposeAlphaSheet(app, static_cast<std::int16_t>(textureIndex));
    return Create8BitSurface(app, 8, texture.TextureSizeX, texture.TextureSizeY);
}

// The DXT1 call lets the sheet go, so its pixels are taken before it.
bool CallLibrary(Application& app, std::size_t textureIndex, const TextureFormatRow& row,
                 const std::string& name, std::optional<SheetCopy>* keptSheet) {
    const std::string colour = name + "_c";
    const std::string alpha = name + "_a";
    if (!Save24BitBitmap(app, colour)) return false;
    if (row.call == TextureCall::Convert) {
        ConvertTexture(app, colour, name, row.conversionCode);
        return true;
    }
    if (!MakeAlphaSheet(app, textureIndex, row) || !Save8BitBitmap(app, alpha)) return false;
    if (row.call == TextureCall::Dxt1) {
        if (keptSheet != nullptr) *keptSheet = CopySheet(app.sheetSurface);
        CompressTextureDXT1(app, colour, alpha, name);
    } else {
        CompressTexture(app, colour, alpha, name, row.flag, row.formatCode);
    }
    return true;
}

}  // namespace

bool ProduceTextureFile(Application& app, std::size_t textureIndex, const std::string& name,
                        TextureReport* report) {
    const auto start = std::chrono::steady_clock::now();
    const std::string output = TempBitmapPath(app, name);
    fs::DeleteFile(output);
    const TextureFormatRow* row = TextureFormatRowFor(app.configuration.Textures[textureIndex].TextureFormat);
    if (row == nullptr || !ComposeTextureSheet(app, static_cast<std::int16_t>(textureIndex)))
        return false;
    std::optional<SheetCopy> kept;
    const bool written = CallLibrary(app, textureIndex, *row, name, report ? &kept : nullptr) &&
                         fs::FileExists(output);
    if (report == nullptr || !written) return written;
    report->milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    report->written = true;
    const auto sheet = kept ? std::optional(kept->view) : ViewSheet(app.sheetSurface);
    if (sheet) MeasureWrittenTexture(fs::Resolve(output), *sheet, *report);
    return true;
}

}  // namespace decalia
