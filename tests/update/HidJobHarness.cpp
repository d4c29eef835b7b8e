#include "tests/update/HidJobHarness.h"
#include "core/HidDevice.h"
#include "update/UpdatePackage.h"

namespace pkgtest {

void HidJobTest::SetUp() {
    sim::Reset();
    hw::SetApi(&hw::SimulatedApi());
}

void HidJobTest::TearDown() {
    m_dev1.Close();
    m_dev2.Close();
    hw::SetApi(nullptr);
    sim::Reset();
}

HidUpdateJob& HidJobTest::Job(const std::vector<BYTE>& package, int model, const std::wstring& fileName) {
    std::wstring path = m_dir.File(fileName);
    EXPECT_TRUE(WriteBytes(path, package));
    m_job = std::make_shared<HidUpdateJob>();
    HidUpdateJob& j = *m_job;
    j.packagePath = path.c_str();
    j.page = 3;
    j.targetModel = model;
    j.programFolder = (m_dir.path() + L"\\").c_str();
    j.device1 = &m_dev1;
    j.device2 = &m_dev2;
    j.info = &m_info;
    j.pageInfo = &m_pageInfo;
    j.threadWait = &m_threadWait;
    j.writeSettingsArchive = [this] { ++m_archiveCalls; return m_archiveWritten; };
    j.startPostUpdateTimer = [this] { ++m_timerPosts; };
    j.clearAutoUpdate = [this] { ++m_autoUpdateCleared; };
    return j;
}

void HidJobTest::OpenDevices(WORD pid1, WORD pid2) {
    m_dev1 = OpenHidDevice(pid1);
    ASSERT_TRUE(m_dev1.IsValid());
    if (pid2) {
        m_dev2 = OpenHidDevice(pid2);
        ASSERT_TRUE(m_dev2.IsValid());
    }
}

void HidJobTest::ReopenAfterRestart(WORD pid1, WORD pid2) {
    m_dev1.Close();
    m_dev2.Close();
    auto ready = [&] { return m_dev1.IsValid() && (!pid2 || m_dev2.IsValid()); };
    for (int i = 0; i < 500 && !ready(); ++i) {
        if (!m_dev1.IsValid()) m_dev1 = OpenHidDevice(pid1);
        if (pid2 && !m_dev2.IsValid()) m_dev2 = OpenHidDevice(pid2);
        if (!ready()) ::Sleep(10);
    }
    ASSERT_TRUE(m_dev1.IsValid());
    if (pid2) {
        ASSERT_TRUE(m_dev2.IsValid());
    }
}

std::vector<BYTE> HidJobTest::Commands(sim::DeviceId id) const {
    std::vector<BYTE> out;
    for (const auto& r : sim::HidCommandLog(id)) out.push_back(r.size() > 1 ? r[1] : 0);
    return out;
}

std::vector<int> HidJobTest::ChunkLengths(sim::DeviceId id) const {
    std::vector<int> out;
    for (const auto& r : sim::HidCommandLog(id))
        if (r.size() > 3 && r[1] == 0x06) out.push_back(r[2] << 8 | r[3]);
    return out;
}

std::vector<std::vector<BYTE>> PackageParts(const std::vector<BYTE>& bytes, bool entries) {
    CUpdatePackage p;
    p.Assign(bytes);
    std::vector<std::vector<BYTE>> parts;
    for (DWORD i = 0; i < p.PartCount(); ++i) {
        UpdatePackagePartRecord r;
        if (!p.GetPart(entries ? PACKAGE_PART_ENTRIES : PACKAGE_PART_RECORDS, i, &r)) break;
        parts.emplace_back(p.PartData(r), p.PartData(r) + r.dataSize);
    }
    return parts;
}

}  // namespace pkgtest
