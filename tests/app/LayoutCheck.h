// The check every screenshot goes through at every display scaling: each
// visible control lies inside the window, page or frame that holds it, and
// no two visible controls of one parent overlap.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

namespace layoutcheck {

::testing::AssertionResult NothingClippedNothingOverlaps(HWND window);

// The display's dpi this process runs at (96 for 100 %).
int DisplayDpi();

}  // namespace layoutcheck
