#include "platform/fs/Terminal.h"
#include "platform/fs/windows/Win32.h"

#include <io.h>

namespace decalia::fs {

// _isatty also says yes for NUL and other character devices; only a console
// has a console mode.
bool IsTerminal(std::FILE* stream) {
    const int descriptor = ::_fileno(stream);
    if (descriptor < 0) return false;
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(descriptor));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode) != 0;
}

}  // namespace decalia::fs
