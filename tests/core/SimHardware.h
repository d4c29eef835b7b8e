// A fresh simulated world for each hardware test, and a table of the
// hardware seam whose calls a test can replace one by one.
#pragma once
#include <gtest/gtest.h>
#include "hardware/HardwareApi.h"
#include "standins/simdevices/SimDevices.h"

class SimHardwareTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::Reset();
        sim::SetSpeed(100);
        m_table = hw::SimulatedApi();
        hw::SetApi(&m_table);
    }
    void TearDown() override {
        hw::SetApi(nullptr);
        sim::Reset();
    }
    // The table in use; a test may replace entries before the calls.
    hw::HardwareApi& table() { return m_table; }

private:
    hw::HardwareApi m_table;
};
