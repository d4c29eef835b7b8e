// Runs a HID update path's worker against the simulated devices: a fresh
// world per test, the program's HID calls through the simulated seam, and a
// job whose page side the test watches.
#pragma once
#include <gtest/gtest.h>
#include "hardware/HardwareApi.h"
#include "standins/simdevices/SimDevices.h"
#include "tests/update/PackageBuilder.h"
#include "update/FirmwareInfo.h"
#include "update/HidUpdateJob.h"
#include <atomic>
#include <algorithm>
#include <functional>
#include <memory>
#include <thread>

namespace pkgtest {

class HidJobTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A job on the package bytes (written to a file of that name) for the model.
    HidUpdateJob& Job(const std::vector<BYTE>& package, int model, const std::wstring& fileName = L"package.img");
    // Opens the first and second interface of the job by product id.
    void OpenDevices(WORD pid1, WORD pid2 = 0);
    // Closes both and opens them again once the devices are back from a restart.
    void ReopenAfterRestart(WORD pid1, WORD pid2 = 0);
    // English status text, and the record's fields.
    std::wstring Status() const { return m_info.PeekStatusText(0).GetString(); }
    // Commands (request byte 1) the device took, in order.
    std::vector<BYTE> Commands(sim::DeviceId id) const;
    // Lengths of the IMAGE_DATA reports the device took.
    std::vector<int> ChunkLengths(sim::DeviceId id) const;

    ScratchFolder m_dir;
    CFirmwareInfo m_info;
    CFirmwareInfo m_pageInfo;
    int m_threadWait = 0;
    hw::CDeviceHandle m_dev1, m_dev2;
    std::shared_ptr<HidUpdateJob> m_job;
    std::atomic<int> m_archiveCalls{0};
    std::atomic<int> m_timerPosts{0};
    std::atomic<int> m_autoUpdateCleared{0};
    BOOL m_archiveWritten = TRUE;
};

// The parts a package holds, as the simulated device should receive them.
std::vector<std::vector<BYTE>> PackageParts(const std::vector<BYTE>& package, bool entries = false);

}  // namespace pkgtest
