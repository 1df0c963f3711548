#pragma once
// Loading a shared library at run time, as the program loads its texture
// library: by a full host path, so the current folder never decides which
// library runs.

#include <string>
#include <string_view>

namespace win {

// A loaded library; nullptr when none.
using HMODULE = void*;

// Loads the library at a host path (see fs::Resolve) with every symbol bound
// now; nullptr when it is missing or not a library for this host.
HMODULE LoadLibraryA(const std::string& hostPath);
// The address of an exported function, or nullptr.
void* GetProcAddress(HMODULE library, const char* name);
// True when the library was released.
bool FreeLibrary(HMODULE library);

// The host's file name for a library called `stem`: "lib<stem>.so" on Linux,
// "<stem>.dll" on Windows.
std::string LibraryFileName(std::string_view stem);

}  // namespace win
