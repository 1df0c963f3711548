#include "builder/TextureSheet.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "appstate/Application.h"
#include "imaging/BitmapSurfaces.h"
#include "imaging/CallDXTdll.h"
#include "imaging/Composition.h"
#include "imaging/Functions_24bit.h"
#include "imaging/Functions_8bit.h"
#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

enum class Call { Dxt1, Compress, Convert };

struct FormatRow {
    std::string_view name;
    Call call;
    bool flag;
    std::int32_t formatCode;
    std::string_view conversionCode;
};

// The first row whose name equals the format decides.
constexpr std::array<FormatRow, 9> kFormatRows = {{
    {"DXT1", Call::Dxt1, false, kFormatCodeDxt1, ""},
    {"DXT3NM", Call::Compress, false, kFormatCodeDxt3, ""},
    {"DXT3", Call::Compress, true, kFormatCodeDxt3, ""},
    {"32ANM", Call::Compress, false, kFormatCode32Alpha, ""},
    {"32A", Call::Compress, true, kFormatCode32Alpha, ""},
    {"16-555", Call::Convert, false, 0, "1"},
    {"16-565", Call::Convert, false, 0, "2"},
    {"16-444", Call::Convert, false, 0, "3"},
    {"32", Call::Convert, false, 0, "4"},
}};

const FormatRow* RowFor(std::string_view format) {
    const std::string wanted = text::UCase(text::Trim(format));
    for (const FormatRow& row : kFormatRows)
        if (row.name == wanted) return &row;
    return nullptr;
}

// DXT1 never takes the painter's alpha; the others do when there is one.
bool MakeAlphaSheet(Application& app, std::size_t textureIndex, const FormatRow& row) {
    const config::TextureEntry& texture = app.configuration.Textures[textureIndex];
    if (row.call != Call::Dxt1 && app.AlphaLoaded)
        return ComposeAlphaSheet(app, static_cast<std::int16_t>(textureIndex));
    return Create8BitSurface(app, 8, texture.TextureSizeX, texture.TextureSizeY);
}

bool CallLibrary(Application& app, std::size_t textureIndex, const FormatRow& row,
                 const std::string& name) {
    const std::string colour = name + "_c";
    const std::string alpha = name + "_a";
    if (!Save24BitBitmap(app, colour)) return false;
    if (row.call == Call::Convert) {
        ConvertTexture(app, colour, name, row.conversionCode);
        return true;
    }
    if (!MakeAlphaSheet(app, textureIndex, row) || !Save8BitBitmap(app, alpha)) return false;
    if (row.call == Call::Dxt1)
        CompressTextureDXT1(app, colour, alpha, name);
    else
        CompressTexture(app, colour, alpha, name, row.flag, row.formatCode);
    return true;
}

}  // namespace

bool ProduceTextureFile(Application& app, std::size_t textureIndex, const std::string& name) {
    const std::string output = TempBitmapPath(app, name);
    fs::DeleteFile(output);
    const FormatRow* row = RowFor(app.configuration.Textures[textureIndex].TextureFormat);
    if (row == nullptr || !ComposeTextureSheet(app, static_cast<std::int16_t>(textureIndex)))
        return false;
    return CallLibrary(app, textureIndex, *row, name) && fs::FileExists(output);
}

}  // namespace decalia
