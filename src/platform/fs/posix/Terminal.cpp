#include "platform/fs/Terminal.h"

#include <unistd.h>

namespace decalia::fs {

bool IsTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) == 1; }

}  // namespace decalia::fs
