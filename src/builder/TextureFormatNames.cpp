#include "builder/TextureFormatNames.h"

#include <array>
#include <string>

#include "imaging/CallDXTdll.h"
#include "platform/text/Text.h"

namespace decalia {
namespace {

// In the order they are compared; the first equal name decides.
constexpr std::array<TextureFormatRow, 9> kFormatRows = {{
    {"DXT1", TextureCall::Dxt1, false, kFormatCodeDxt1, ""},
    {"DXT3NM", TextureCall::Compress, false, kFormatCodeDxt3, ""},
    {"DXT3", TextureCall::Compress, true, kFormatCodeDxt3, ""},
    {"32ANM", TextureCall::Compress, false, kFormatCode32Alpha, ""},
    {"32A", TextureCall::Compress, true, kFormatCode32Alpha, ""},
    {"16-555", TextureCall::Convert, false, 0, "1"},
    {"16-565", TextureCall::Convert, false, 0, "2"},
    {"16-444", TextureCall::Convert, false, 0, "3"},
    {"32", TextureCall::Convert, false, 0, "4"},
}};

}  // namespace

const TextureFormatRow* TextureFormatRowFor(std::string_view format) {
    const std::string wanted = text::UCase(text::Trim(format));
    for (const TextureFormatRow& row : kFormatRows)
        if (row.name == wanted) return &row;
    return nullptr;
}

bool IsKnownTextureFormat(std::string_view format) { return TextureFormatRowFor(format) != nullptr; }

}  // namespace decalia
