#include "platform/fs/Fs.h"
#include "platform/fs/windows/Win32.h"

#include <algorithm>

namespace decalia::fs {
namespace {

// "C:\" and "\\server\share\" keep their separator; other paths lose a
// trailing one, as Linux paths do.
void DropTrailingSeparators(std::string& path) {
    const bool unc = path.starts_with("\\\\");
    while (path.size() > 3 && path.back() == '\\') {
        if (unc && std::count(path.begin(), path.end(), '\\') <= 4) break;
        path.pop_back();
    }
}

}  // namespace

std::string Resolve(std::string_view path) {
    if (path.empty()) return {};
    const std::string given(path);
    // The system normalises as it would for any file call: '/' becomes '\',
    // "." and ".." go, and a path without a drive takes the current one.
    std::string full(MAX_PATH, '\0');
    for (;;) {
        const DWORD needed = ::GetFullPathNameA(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (needed == 0) return given;
        if (needed < full.size()) {
            full.resize(needed);
            break;
        }
        full.resize(needed);
    }
    DropTrailingSeparators(full);
    return full;
}

}  // namespace decalia::fs
