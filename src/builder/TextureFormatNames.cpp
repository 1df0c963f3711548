#include "builder/TextureFormatNames.h"

#include <algorithm>
#include <string>

#include "platform/text/Text.h"

namespace decalia {

bool IsKnownTextureFormat(std::string_view format) {
    const std::string wanted = text::UCase(text::Trim(format));
    return std::find(kTextureFormatNames.begin(), kTextureFormatNames.end(), wanted) !=
           kTextureFormatNames.end();
}

}  // namespace decalia
