#include "platform/text/Text.h"

namespace decalia::text {

std::string FromHost(std::string_view host) { return Utf8ToCp1252(host); }
std::string ToHost(std::string_view cp1252) { return Cp1252ToUtf8(cp1252); }

}  // namespace decalia::text
