// A system library, loaded by its full path as the program loads its own.

#include "platform/win/Library.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(Library, LoadsByFullPathOnlyAndFindsEntryPoints) {
    char system[MAX_PATH] = {};
    ASSERT_GT(::GetSystemDirectoryA(system, MAX_PATH), 0u);
    const std::string name = win::LibraryFileName("kernel32");
    win::HMODULE library = win::LoadLibraryA(std::string(system) + "\\" + name);
    ASSERT_NE(library, nullptr);
    EXPECT_NE(win::GetProcAddress(library, "GetTickCount"), nullptr);
    EXPECT_EQ(win::GetProcAddress(library, "NoSuchEntryPoint"), nullptr);
    EXPECT_TRUE(win::FreeLibrary(library));
    // A bare name would be searched for, so the current folder could decide.
    EXPECT_EQ(win::LoadLibraryA(name), nullptr);
}

}  // namespace
