#include <gtest/gtest.h>
#include <windows.h>
#include "framework/Clock.h"

TEST(ClockTest, SpeedScalesSleepsAndTicks) {
    fw::Clock::SetSpeed(100);
    DWORD realStart = ::GetTickCount();
    DWORD clockStart = fw::Clock::GetTickCount();
    fw::Clock::Sleep(10000);  // 100 ms of real time
    DWORD realElapsed = ::GetTickCount() - realStart;
    DWORD clockElapsed = fw::Clock::GetTickCount() - clockStart;
    // A sleep never ends early, but the system's tick count moves in steps
    // of up to 16 ms, which the clock multiplies by its speed: the measured
    // time may fall one step short. A loaded machine only makes it longer.
    EXPECT_LT(realElapsed, 5000u);
    EXPECT_GE(clockElapsed, 10000u - 16u * 100u);
    EXPECT_LT(clockElapsed, 500000u);
    EXPECT_EQ(fw::Clock::TimerInterval(1000), 10u);
    EXPECT_EQ(fw::Clock::TimerInterval(10), 1u);  // never zero
}

TEST(ClockTest, ChangingSpeedKeepsTicksMonotonic) {
    // Each speed change continues from the clock time reached: no jump
    // forward by the new factor, no step back (which would wrap the
    // unsigned difference to a huge value).
    DWORD previous = fw::Clock::GetTickCount();
    for (unsigned speed : {100u, 1u, 50u, 1u, 100u, 1u}) {
        fw::Clock::SetSpeed(speed);
        DWORD now = fw::Clock::GetTickCount();
        EXPECT_LT(now - previous, 2000u) << "speed " << speed;
        ::Sleep(20);
        DWORD later = fw::Clock::GetTickCount();
        EXPECT_LT(later - now, 20u * speed + 2000u) << "speed " << speed;
        previous = later;
    }
    fw::Clock::SetSpeed(100);
}
