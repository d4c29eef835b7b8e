// Helpers of the stand-in tests: a fresh simulated world per test and the
// HID exchange as the program makes it, through the simulated seam.
#pragma once
#include <gtest/gtest.h>
#include "hardware/HardwareApi.h"
#include "standins/simdevices/SimDevices.h"
#include <string>
#include <vector>

namespace simtest {

// Every test starts with nothing connected and fast device time.
class SimWorldTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::Reset();
        sim::SetSpeed(100);
    }
    void TearDown() override { sim::Reset(); }
    const hw::HardwareApi& api() const { return hw::SimulatedApi(); }
};

// Paths of the present HID interfaces, walked as the program walks them.
std::vector<std::wstring> HidPaths(const hw::HardwareApi& api);
// Hardware ids of the "USB" device list, one string per device.
std::vector<std::string> UsbHardwareIds(const hw::HardwareApi& api);
HANDLE OpenHid(const hw::HardwareApi& api, const std::wstring& path, bool overlapped = false);
// Sends {1, command, args...} as a 1023-byte report and reads replies while
// byte 2 is 1 (pending), at most maxReads. Returns the last reply.
bool Transact(const hw::HardwareApi& api, HANDLE h, std::vector<unsigned char> request,
              std::vector<unsigned char>* reply, int maxReads = 50);
// A temporary folder, removed with its files at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::wstring& path() const { return path_; }
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};
bool WriteText(const std::wstring& path, const std::string& text);
bool ReadText(const std::wstring& path, std::string* text);

}  // namespace simtest
