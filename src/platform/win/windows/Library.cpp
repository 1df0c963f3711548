#include "platform/win/Library.h"

#include <windows.h>

namespace win {

HMODULE LoadLibraryA(const std::string& hostPath) {
    // A path with no folder would be searched for; ours always name one.
    if (hostPath.find_first_of("\\/") == std::string::npos) return nullptr;
    // No system dialog for a missing or broken library: the caller goes on.
    DWORD oldMode = 0;
    ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &oldMode);
    // The library's own folder is searched for the libraries it needs.
    ::HMODULE library = ::LoadLibraryExA(hostPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    ::SetThreadErrorMode(oldMode, nullptr);
    return reinterpret_cast<HMODULE>(library);
}

void* GetProcAddress(HMODULE library, const char* name) {
    if (library == nullptr) return nullptr;
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<::HMODULE>(library), name));
}

bool FreeLibrary(HMODULE library) {
    return library != nullptr && ::FreeLibrary(static_cast<::HMODULE>(library)) != 0;
}

std::string LibraryFileName(std::string_view stem) { return std::string(stem) + ".dll"; }

}  // namespace win
