// Loading libraries: what is not a loadable library gives no handle, and
// calls on no handle do nothing.

#include "platform/win/Library.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(Library, WhatIsNotALibraryLoadsAsNothing) {
    testsupport::TempDir dir;
    const std::string name = win::LibraryFileName("kwdds");
    testsupport::WriteFile(dir / ("Text/" + name), "not a library");
    testsupport::WriteFile(dir / "Empty/x", "");
    for (const std::string& path : {dir / ("Missing/" + name), dir / ("Text/" + name), dir / "Empty"}) {
        EXPECT_EQ(win::LoadLibraryA(path), nullptr) << path;
    }
    EXPECT_EQ(win::GetProcAddress(nullptr, "BMPScompressBMP"), nullptr);
    EXPECT_FALSE(win::FreeLibrary(nullptr));
}

}  // namespace
