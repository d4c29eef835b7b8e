// Entry point of every test executable: timers and sleeps run a hundred times
// faster than the program's own clock, so no test waits real seconds.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include "framework/Clock.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    fw::Clock::SetSpeed(100);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
