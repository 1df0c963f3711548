#include "platform/win/Library.h"

#include <dlfcn.h>

namespace win {

HMODULE LoadLibraryA(const std::string& hostPath) {
    // dlopen searches the library path for a bare name; a path never is one.
    if (hostPath.find('/') == std::string::npos) return nullptr;
    return ::dlopen(hostPath.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* GetProcAddress(HMODULE library, const char* name) {
    return library == nullptr ? nullptr : ::dlsym(library, name);
}

bool FreeLibrary(HMODULE library) { return library != nullptr && ::dlclose(library) == 0; }

std::string LibraryFileName(std::string_view stem) { return "lib" + std::string(stem) + ".so"; }

}  // namespace win
