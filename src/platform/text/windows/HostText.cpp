#include "platform/text/Text.h"

namespace decalia::text {

// The program's own code page is the host's.
std::string FromHost(std::string_view host) { return std::string(host); }
std::string ToHost(std::string_view cp1252) { return std::string(cp1252); }

}  // namespace decalia::text
