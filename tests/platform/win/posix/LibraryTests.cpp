// A system library, loaded by its full path as the program loads its own.

#include "platform/win/Library.h"

#include <gnu/libc-version.h>

#include <dlfcn.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(Library, LoadsByFullPathOnlyAndFindsEntryPoints) {
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&gnu_get_libc_version), &info), 0);
    const std::string path = info.dli_fname;
    win::HMODULE library = win::LoadLibraryA(path);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(win::GetProcAddress(library, "gnu_get_libc_version"),
              reinterpret_cast<void*>(&gnu_get_libc_version));
    EXPECT_EQ(win::GetProcAddress(library, "NoSuchEntryPoint"), nullptr);
    EXPECT_TRUE(win::FreeLibrary(library));
    // A bare name would be searched for, so the current folder could decide.
    EXPECT_EQ(win::LoadLibraryA(std::filesystem::path(path).filename().string()), nullptr);
}

}  // namespace
