#pragma once
// Cases where Wine is known to answer differently from Windows carry the
// reason; they are skipped under Wine only, and say so.

#include "RealWindows.h"

#include <gtest/gtest.h>

#define SKIP_WHERE_WINE_DIFFERS(reason)                     \
    if ((reason) != nullptr && realwin::UnderWine()) {      \
        GTEST_SKIP() << "differs under Wine: " << (reason); \
    }
