#include <gtest/gtest.h>
#include <windows.h>
#include "framework/Clock.h"

TEST(ClockTest, SpeedScalesSleepsAndTicks) {
    fw::Clock::SetSpeed(100);
    DWORD realStart = ::GetTickCount();
    DWORD clockStart = fw::Clock::GetTickCount();
    fw::Clock::Sleep(2000);  // 20 ms of real time
    DWORD realElapsed = ::GetTickCount() - realStart;
    DWORD clockElapsed = fw::Clock::GetTickCount() - clockStart;
    EXPECT_LT(realElapsed, 500u);
    EXPECT_GE(clockElapsed, 1500u);
    EXPECT_EQ(fw::Clock::TimerInterval(1000), 10u);
    EXPECT_EQ(fw::Clock::TimerInterval(10), 1u);  // never zero
}

TEST(ClockTest, ChangingSpeedKeepsTicksMonotonic) {
    fw::Clock::SetSpeed(100);
    DWORD before = fw::Clock::GetTickCount();
    fw::Clock::SetSpeed(1);
    DWORD after = fw::Clock::GetTickCount();
    EXPECT_GE(after - before, 0u);
    EXPECT_LT(after - before, 1000u);
    fw::Clock::SetSpeed(100);
}
