// The package paths (switch-first group, two-chip group, version-gated
// 0x4210) against simulated headsets: byte-exact transfer, chunking,
// restarts, the end state the page takes over, and their failures.
#include "tests/update/HidJobHarness.h"
#include "update/HidPackageTransfer.h"
#include "update/HidVersionGatedUpdate.h"
#include <thread>

using namespace pkgtest;

namespace {

const BYTE kVersion[5] = {1, 2, 0, 0, 0};
const BYTE kNewVersion[5] = {1, 3, 0, 0, 0};

class PackagePathTest : public HidJobTest {
protected:
    sim::DeviceId AddHeadset(WORD pid) {
        sim::DeviceId id = sim::AddHidInterface(L"Headset", sim::kMakerVendorId, pid);
        sim::SetHidVersion(id, kVersion);
        sim::SetHidVersionAfterUpdate(id, kNewVersion);
        return id;
    }
    void ExpectFailed(const wchar_t* english) {
        EXPECT_EQ(english, Status());
        EXPECT_EQ(1, m_info.m_bFinished);
        EXPECT_EQ(1, m_info.m_nError);
        EXPECT_EQ(1, m_autoUpdateCleared.load());
        EXPECT_EQ(0, m_timerPosts.load());
    }
};

std::vector<BYTE> SwitchFirstPackage(DWORD model) {
    return PackageBuilder().Model(model)
        .Part(2, 0x21, Pattern(1020, 1))  // first interface, no restart
        .Part(0, 0x22, Pattern(0, 0))     // empty part, asks for the restart
        .Part(0, 0x23, Pattern(2038, 5))
        .Build();
}

TEST_F(PackagePathTest, SwitchFirstPackageArrivesWholeAndTheDeviceRestarts) {
    sim::DeviceId dev = AddHeadset(0x6010);
    OpenDevices(0x6010);
    std::vector<BYTE> package = SwitchFirstPackage(0x6010);
    HidUpdateJob& job = Job(package, 0x6010);
    HidPackageUpdateThread(job);

    auto parts = sim::HidReceivedParts(dev);
    auto want = PackageParts(package);
    ASSERT_EQ(3u, parts.size());
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(want[i], parts[i].data) << i;
        EXPECT_TRUE(parts[i].complete);
        EXPECT_EQ(0x21 + i, parts[i].type);
    }
    // 1020 bytes as 1019 + 1, nothing for the empty part, 2038 as two full chunks.
    EXPECT_EQ((std::vector<int>{1019, 1, 1019, 1019}), ChunkLengths(dev));
    EXPECT_EQ(1, sim::HidRestartCount(dev));
    EXPECT_EQ(9, m_info.m_nStep);
    EXPECT_EQ(0, m_info.m_bFinished);
    EXPECT_EQ(0, m_info.m_nError);
    EXPECT_EQ(1, m_info.m_bAwaitingUserAction);  // the page asks the user to hold the button
    EXPECT_EQ(1, m_timerPosts.load());
    EXPECT_EQ(1, m_archiveCalls.load());
    EXPECT_EQ(L"On updating firmware.", Status());
    // The poll came before the restart.
    std::vector<BYTE> cmds = Commands(dev);
    auto poll = std::find(cmds.begin(), cmds.end(), 0x0D);
    auto restart = std::find(cmds.begin(), cmds.end(), 0x08);
    EXPECT_TRUE(poll < restart);
}

TEST_F(PackagePathTest, EmptyPackageStillPollsButRestartsNothing) {
    sim::DeviceId dev = AddHeadset(0x6010);
    OpenDevices(0x6010);
    HidPackageUpdateThread(Job(PackageBuilder().Model(0x6010).Build(), 0x6010));
    EXPECT_EQ((std::vector<BYTE>{0x0D}), Commands(dev));
    EXPECT_EQ(9, m_info.m_nStep);
    EXPECT_EQ(1, m_timerPosts.load());
}

TEST_F(PackagePathTest, DamagedPackagesAreRefusedBeforeTheDeviceIsTouched) {
    sim::DeviceId dev = AddHeadset(0x6010);
    OpenDevices(0x6010);
    std::vector<BYTE> good = SwitchFirstPackage(0x6010);
    std::vector<BYTE> flipped = good;
    flipped.at(good.size() - 3) ^= 1;  // inside the last part
    std::vector<BYTE> outside = good;
    PutWord(outside, RecordOffset(3, 2) + 12, 2039);  // one byte past the end
    std::vector<BYTE> tables = good;
    PutWord(tables, 32, 40);  // tables run past the end
    std::vector<BYTE> shortFile(good.begin(), good.begin() + 20);
    std::vector<std::vector<BYTE>> cases = {flipped, outside, tables, shortFile, SwitchFirstPackage(0x6012)};
    for (size_t i = 0; i < cases.size(); ++i) {
        m_autoUpdateCleared = 0;
        m_info.m_bFinished = 0;
        m_info.m_nError = 0;
        HidPackageUpdateThread(Job(cases[i], 0x6010));
        SCOPED_TRACE(i);
        ExpectFailed(L"Failed to update firmware. Firmware corrupted");
    }
    EXPECT_TRUE(Commands(dev).empty());
    EXPECT_EQ(0, m_archiveCalls.load());

    // A missing file too; on the restore page the texts say so.
    m_autoUpdateCleared = 0;
    HidUpdateJob& job = Job(good, 0x6010);
    job.packagePath = (m_dir.path() + L"\\nothing.img").c_str();
    job.page = 4;
    HidPackageUpdateThread(job);
    ExpectFailed(L"Failed to restore firmware. Firmware corrupted");
}

TEST_F(PackagePathTest, TransferFailuresNameTheirStepAndAlwaysSetTheError) {
    struct Case {
        const char* name;
        std::function<void(sim::DeviceId)> fault;
        const wchar_t* text;
    } cases[] = {
        {"begin refused", [](sim::DeviceId d) { sim::SetHidCommandFails(d, 0x05, true); },
         L"Failed to update firmware. Cannot get status"},
        {"chunk write fails", [](sim::DeviceId d) { sim::SetHidVanishAfterReports(d, 1); },
         L"Failed to update firmware. Cannot get status[9][0]"},
        {"chunk status refused", [](sim::DeviceId d) { sim::SetHidCommandFails(d, 0x06, true); },
         L"Failed to update firmware. Cannot get status[9][1]"},
        {"end refused", [](sim::DeviceId d) { sim::SetHidCommandFails(d, 0x07, true); },
         L"Failed to update firmware. Cannot get status[9][2]"},
        {"restart refused", [](sim::DeviceId d) { sim::SetHidCommandFails(d, 0x08, true); },
         L"Failed to update firmware. Cannot get status[9][3]"},
        {"reply stays pending", [](sim::DeviceId d) { sim::SetHidPendingForever(d, true); },
         L"Failed to update firmware. Cannot get status"},
        {"never finishes", [](sim::DeviceId d) { sim::SetHidPollDoneAfter(d, 1000000); },
         L"Failed to update firmware. Cannot get status[9][4]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::Reset();
        sim::DeviceId dev = AddHeadset(0x6010);
        c.fault(dev);
        m_dev1.Close();
        OpenDevices(0x6010);
        m_autoUpdateCleared = 0;
        m_info.m_bFinished = 0;
        m_info.m_nError = 0;
        HidPackageUpdateThread(Job(SwitchFirstPackage(0x6010), 0x6010));
        ExpectFailed(c.text);
    }
}

TEST_F(PackagePathTest, FailedArchiveWaitsForTheUsersOkThenGoesOn) {
    sim::DeviceId dev = AddHeadset(0x6010);
    OpenDevices(0x6010);
    m_archiveWritten = FALSE;
    HidUpdateJob& job = Job(SwitchFirstPackage(0x6010), 0x6010);
    std::thread worker([&] { HidPackageUpdateThread(job); });
    // The worker waits on the flag with step 11 until the box's OK clears it.
    for (int i = 0; i < 500 && m_info.m_nStep != 11; ++i) ::Sleep(5);
    EXPECT_EQ(11, m_info.m_nStep);
    ::Sleep(200);  // 20 s of clock time: still waiting
    EXPECT_EQ(11, hidupdate::Load(m_info.m_nStep));
    EXPECT_TRUE(Commands(dev).empty());
    hidupdate::Store(m_threadWait, 0);
    worker.join();
    EXPECT_EQ(9, m_info.m_nStep);
    EXPECT_EQ(3u, sim::HidReceivedParts(dev).size());
}

TEST_F(PackagePathTest, TwoChipPackageGoesToBothInterfacesWithoutModelCheck) {
    sim::DeviceId first = AddHeadset(0x4310);
    sim::DeviceId second = sim::AddHidInterface(L"Second", sim::kMakerVendorId, 0x4311);
    OpenDevices(0x4310, 0x4311);
    std::vector<BYTE> package = PackageBuilder().Model(0x1234)  // another model: accepted here
        .Part(0, 1, Pattern(3000, 1)).Part(1, 2, Pattern(700, 2)).Part(7, 3, Pattern(5, 3)).Build();
    HidUpdateJob& job = Job(package, 0x4310);
    job.page = 4;  // from the restore page: no archive
    HidPackageUpdateThreadB(job);
    auto want = PackageParts(package);
    auto a = sim::HidReceivedParts(first), b = sim::HidReceivedParts(second);
    ASSERT_EQ(1u, a.size());
    ASSERT_EQ(2u, b.size());
    EXPECT_EQ(want[0], a[0].data);
    EXPECT_EQ(want[1], b[0].data);
    EXPECT_EQ(want[2], b[1].data);  // any other target: the second interface
    EXPECT_EQ(1, sim::HidRestartCount(first));
    EXPECT_EQ(1, sim::HidRestartCount(second));
    EXPECT_EQ(9, m_info.m_nStep);
    EXPECT_EQ(0, m_archiveCalls.load());
    EXPECT_EQ(L"On restoring firmware.", Status());
    EXPECT_EQ(0, m_info.m_bAwaitingUserAction);

    sim::SetHidCommandFails(second, 0x08, true);
    HidPackageUpdateThreadB(job);
    EXPECT_EQ(L"Failed to restore firmware. Cannot get status", Status());  // no codes on this path
    EXPECT_EQ(1, m_info.m_nError);
}

TEST_F(PackagePathTest, VersionGateRefusesOldFilesForGatedTypesOnly) {
    sim::DeviceId dev = AddHeadset(0x4210);
    sim::SetHidBlock(dev, 0x05, {16, 0});
    sim::AddHidInterface(L"Second", sim::kMakerVendorId, 0x4211);
    OpenDevices(0x4210, 0x4211);
    std::vector<BYTE> package = PackageBuilder().Part(0, 1, Pattern(100, 1)).Build();  // model 0, text empty
    HidVersionGatedUpdateThread(Job(package, 0x4210, L"SPX_v1.7.4-fr.img"));
    EXPECT_EQ(L"Firmware version is not supported by the 60T EVO. Update to the latest version of 60T EVO "
              L"firmware..[0]", Status());
    EXPECT_EQ(1, m_info.m_bFinished);
    EXPECT_EQ(1, m_info.m_nError);
    EXPECT_TRUE(sim::HidReceivedParts(dev).empty());

    m_info.m_bFinished = 0;
    HidVersionGatedUpdateThread(Job(package, 0x4210, L"SPX_v1.7.5-fr.img"));
    EXPECT_EQ(0, m_info.m_bFinished);
    EXPECT_EQ(1u, sim::HidReceivedParts(dev).size());

    // Type 20, or an unreadable block, skips the gate.
    ReopenAfterRestart(0x4210, 0x4211);
    sim::SetHidBlock(dev, 0x05, {20, 0});
    HidVersionGatedUpdateThread(Job(package, 0x4210, L"SPX_v1.0.0.img"));
    EXPECT_EQ(0, m_info.m_bFinished);
}

TEST_F(PackagePathTest, VersionGatedPathReadsTheEntryTableAndItsHeaderRule) {
    sim::DeviceId dev = AddHeadset(0x4210);
    sim::DeviceId second = sim::AddHidInterface(L"Second", sim::kMakerVendorId, 0x4211);
    OpenDevices(0x4210, 0x4211);
    std::vector<BYTE> package = PackageBuilder().Part(0, 1, Pattern(50, 1)).Part(1, 2, Pattern(60, 2)).Build();
    // The records disagree with the table: the table decides.
    PutWord(package, RecordOffset(2, 0) + 12, 0xFFFFFF);
    package[RecordOffset(2, 1) + 300] ^= 0xFF;
    HidVersionGatedUpdateThread(Job(package, 0x4210));
    ASSERT_EQ(1u, sim::HidReceivedParts(dev).size());
    EXPECT_EQ(Pattern(50, 1), sim::HidReceivedParts(dev)[0].data);
    EXPECT_EQ(Pattern(60, 2), sim::HidReceivedParts(second)[0].data);

    CUpdatePackage p;
    std::vector<BYTE> h = PackageBuilder().Model(0x4310).Build();
    p.Assign(h);
    EXPECT_FALSE(GatedPackageHeaderAllowed(p));  // all-zero text: the model is checked
    h[4] = 0;
    h[5] = 'x';  // something after the terminator: not checked
    p.Assign(h);
    EXPECT_TRUE(GatedPackageHeaderAllowed(p));
    h = PackageBuilder().Model(0x4310).HeaderText(std::string(24, 'A')).Build();
    p.Assign(h);  // a text filling all 24 bytes: nothing follows it
    EXPECT_FALSE(GatedPackageHeaderAllowed(p));
    h = PackageBuilder().Model(0x4220).HeaderText("SPX").Build();
    p.Assign(h);
    EXPECT_TRUE(GatedPackageHeaderAllowed(p));

    m_info.m_bFinished = 0;
    HidVersionGatedUpdateThread(Job(PackageBuilder().Model(0x4310).Part(0, 1, {1}).Build(), 0x4210));
    EXPECT_EQ(L"Failed to update firmware. Firmware corrupted", Status());
}

}  // namespace
