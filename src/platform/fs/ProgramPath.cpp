#include "platform/fs/Fs.h"
#include "platform/text/Text.h"

namespace decalia::fs {

// A host path is host text: UTF-8 on Linux, the program's own bytes on Windows.
std::string ProgramPathOf(std::string_view hostPath) { return text::FromHost(hostPath); }

}  // namespace decalia::fs
