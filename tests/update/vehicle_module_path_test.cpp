// The vehicle module path against its two simulated HID interfaces, the
// FTDI bridge and the flash loader stand-in run as a child process.
#include "tests/update/HidJobHarness.h"
#include "framework/Clock.h"
#include "update/ConsoleProcess.h"
#include "update/UpdateHidDevices.h"
#include "update/VehicleModuleUpdate.h"
#include <cstdio>
#include <cwchar>

using namespace pkgtest;

namespace {

std::wstring OutFolder() {
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring s = exe;
    return s.substr(0, s.find_last_of(L"\\/") + 1);
}

std::string ReadAll(const std::wstring& path) {
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return "<missing>";
    std::string s;
    char b[512];
    size_t n;
    while ((n = std::fread(b, 1, sizeof b, f)) > 0) s.append(b, n);
    std::fclose(f);
    return s;
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class VehicleModulePathTest : public HidJobTest {
public:
    void SetUp() override {
        HidJobTest::SetUp();
        sim::SetSpeed(fw::Clock::GetSpeed());
        ::CopyFileW((OutFolder() + L"STMFlashLoader.exe").c_str(), m_dir.File(L"STMFlashLoader.exe").c_str(), FALSE);
        m_first = sim::AddHidInterface(L"ModuleBt", sim::kMakerVendorId, 0x5345);
        m_second = sim::AddHidInterface(L"ModuleCan", sim::kMakerVendorId, 0x5346);
        sim::SetHidModuleSelect(m_first, 1);
        sim::SetHidModuleSelect(m_second, 1);  // both answer: the second is chosen
        m_target = m_dir.File(L"can.target");
        m_bridge = sim::AddFtdiDevice(L"Bridge", 5, m_target.c_str());
        m_info.m_nStep = 3;
    }
    void TearDown() override {
        ::DeleteFileW(m_target.c_str());
        ::DeleteFileW((m_target + L".flash").c_str());
        HidJobTest::TearDown();
    }
    HidUpdateJob& ModuleJob(const std::vector<BYTE>& package) {
        HidUpdateJob& job = Job(package, 0x5345);
        job.otherInfo = &m_restoreInfo;
        job.setProcessLog = [this](const CString& log) { m_log = log.GetString(); };
        return job;
    }
    void ExpectFailed(const wchar_t* english) {
        EXPECT_EQ(english, Status());
        EXPECT_EQ(1, m_info.m_bFinished);
        EXPECT_EQ(1, m_info.m_nError);
        EXPECT_EQ(0, m_timerPosts.load());
        EXPECT_FALSE(Exists(m_dir.File(L"__kiv_bluetooth_fw__.dfu")));
        EXPECT_FALSE(Exists(m_dir.File(L"__kiv_can_fw__.hex")));
    }
    std::vector<BYTE> m_package = PackageBuilder().Model(0x5345)
        .Part(0, 0x31, Pattern(1020, 4))
        .Part(0, 0x32, std::vector<BYTE>({':', '0', '2', '0', '0', '\r', '\n', ':', '0', '0', 'F', 'F', '\r', '\n'}))
        .Build();
    CFirmwareInfo m_restoreInfo;
    sim::DeviceId m_first = 0, m_second = 0, m_bridge = 0;
    std::wstring m_target, m_log;
};

TEST_F(VehicleModulePathTest, BluetoothToBothInterfacesAndTheCanImageThroughTheLoader) {
    HidUpdateJob& job = ModuleJob(m_package);
    BluetoothCanModuleUpdateThread(job);

    EXPECT_EQ(L"On updating firmware.", Status());
    EXPECT_EQ(0, m_info.m_bFinished);
    EXPECT_EQ(0, m_info.m_nError);
    EXPECT_EQ(7, m_info.m_nStep);  // the post-update step ends the update
    // The progress goes to the active record (here another page's than the
    // update page's), the status flag to both pages' records.
    EXPECT_EQ(88, m_info.m_nProgress);
    EXPECT_NE(88, m_pageInfo.m_nProgress);
    EXPECT_EQ(1, m_timerPosts.load());
    EXPECT_EQ(1, m_pageInfo.m_bStatusReceived);
    EXPECT_EQ(1, m_restoreInfo.m_bStatusReceived);

    auto want = PackageParts(m_package);
    for (sim::DeviceId id : {m_first, m_second}) {
        auto parts = sim::HidReceivedParts(id);
        ASSERT_EQ(1u, parts.size());
        EXPECT_EQ(want[0], parts[0].data);
        EXPECT_EQ(0x31, parts[0].type);
        EXPECT_EQ((std::vector<int>{1019, 1}), ChunkLengths(id));
        EXPECT_EQ(1, sim::HidRestartCount(id));
    }
    EXPECT_EQ(std::string(want[1].begin(), want[1].end()), ReadAll(m_target + L".flash"));
    EXPECT_FALSE(Exists(m_dir.File(L"__kiv_bluetooth_fw__.dfu")));
    EXPECT_FALSE(Exists(m_dir.File(L"__kiv_can_fw__.hex")));
    EXPECT_EQ(0u, m_log.find(L"[SUCCESS]\r\n"));
    EXPECT_NE(std::wstring::npos, m_log.find(L"DOWNLOADING"));
    // The selected (second) interface took MODULE_33 and MODULE_34.
    std::vector<BYTE> second = Commands(m_second), first = Commands(m_first);
    EXPECT_EQ(1, std::count(second.begin(), second.end(), 0x33));
    EXPECT_EQ(1, std::count(second.begin(), second.end(), 0x34));
    EXPECT_EQ(0, std::count(first.begin(), first.end(), 0x33));
    EXPECT_EQ(1, g_nModuleSelectedInterface);
}

TEST_F(VehicleModulePathTest, FaultsEndWithTheirCodeAndLeaveNoPartFiles) {
    struct Case {
        const char* name;
        std::function<void(VehicleModulePathTest&)> fault;
        const wchar_t* text;
    } cases[] = {
        {"one interface only", [](VehicleModulePathTest& t) { sim::SetPresent(t.m_second, false); },
         L"Failed to update firmware. Cannot get status[16]"},
        {"module refuses 0x33", [](VehicleModulePathTest& t) { sim::SetHidCommandFails(t.m_second, 0x33, true); },
         L"Failed to update firmware. Cannot get status[21]"},
        {"no bridge", [](VehicleModulePathTest& t) { sim::SetPresent(t.m_bridge, false); },
         L"Failed to update firmware. Cannot get status[24]"},
        {"no COM port", [](VehicleModulePathTest& t) { sim::SetFtdiFaults(t.m_bridge, false, true); },
         L"Failed to update firmware. Cannot get status[23]"},
        {"controller silent", [](VehicleModulePathTest& t) { sim::SetFlashFault(t.m_bridge, L"no-answer"); },
         L"Failed to update firmware. Cannot get status[25]"},
        {"loader fails after DOWNLOADING", [](VehicleModulePathTest& t) { sim::SetFlashFault(t.m_bridge, L"write-fails"); },
         L"Failed to update firmware. Cannot get status[25]"},
        {"loader hangs", [](VehicleModulePathTest& t) { sim::SetFlashFault(t.m_bridge, L"hang"); },
         L"Failed to update firmware. Cannot get status[25]"},
        {"image begin refused", [](VehicleModulePathTest& t) { sim::SetHidCommandFails(t.m_first, 0x05, true); },
         L"Failed to update firmware. Cannot get status[29]"},
        {"second restart refused", [](VehicleModulePathTest& t) { sim::SetHidCommandFails(t.m_second, 0x08, true); },
         L"Failed to update firmware. Cannot get status[34]"},
        {"module not back", [](VehicleModulePathTest& t) { sim::SetHidStaysAwayAfterRestart(t.m_second, true); },
         L"Failed to update firmware. Cannot get status[35]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        c.fault(*this);
        BluetoothCanModuleUpdateThread(ModuleJob(m_package));
        ExpectFailed(c.text);
    }
}

TEST_F(VehicleModulePathTest, DamagedPackagesAreRefusedWithTheirCodeBeforeAnythingIsWritten) {
    std::vector<BYTE> flipped = m_package;
    flipped.at(flipped.size() - 2) ^= 0x40;
    std::vector<BYTE> onePart = PackageBuilder().Model(0x5345).Part(0, 1, Pattern(10, 1)).Build();
    struct Case {
        std::vector<BYTE> bytes;
        const wchar_t* text;
    } cases[] = {
        {std::vector<BYTE>(20, 0), L"Failed to update firmware. Firmware corrupted[3]"},
        {PackageBuilder().Model(0x5346).Part(0, 1, {1}).Part(0, 2, {2}).Build(), L"Failed to update firmware. Firmware corrupted[6]"},
        {onePart, L"Failed to update firmware. Firmware corrupted[7]"},
        {flipped, L"Failed to update firmware. Firmware corrupted[8]"},
    };
    for (const Case& c : cases) {
        m_info.m_bFinished = 0;
        BluetoothCanModuleUpdateThread(ModuleJob(c.bytes));
        ExpectFailed(c.text);
    }
    EXPECT_TRUE(Commands(m_first).empty());
    EXPECT_EQ(0, sim::FtdiOpenCount(m_bridge));
    EXPECT_EQ(0, m_archiveCalls.load());
}

TEST_F(VehicleModulePathTest, SilentModuleReportEndsTheLoaderAndTheWorkerWithoutOverwritingIt) {
    sim::SetFlashFault(m_bridge, L"hang");
    HidUpdateJob& j = ModuleJob(m_package);
    ASSERT_TRUE(hidupdate::StartWorker(&BluetoothCanModuleUpdateThread, m_job));
    // Wait until the loader is running (its status flag is cleared then).
    for (int i = 0; i < 2000 && sim::FtdiOpenCount(m_bridge) == 0; ++i) ::Sleep(2);
    ::Sleep(50);
    EXPECT_TRUE(ShouldReportCannotGetStatus(0x5345, 52, m_pageInfo.m_bStatusReceived) ||
                m_pageInfo.m_bStatusReceived == 1);
    ReportCannotGetStatus(j);
    EXPECT_EQ(L"Failed to update firmware. Cannot get status[26]", Status());
    EXPECT_EQ(1, m_info.m_nError);
    // The worker ends well before the loader's own limit, then marks the end.
    DWORD start = ::GetTickCount();
    while (::InterlockedCompareExchange(&j.running, 0, 0) && ::GetTickCount() - start < 10000) ::Sleep(5);
    EXPECT_EQ(0, j.running);
    EXPECT_EQ(1, m_info.m_bFinished);
    EXPECT_EQ(L"Failed to update firmware. Cannot get status[26]", Status());
    EXPECT_EQ(0, m_timerPosts.load());
    EXPECT_FALSE(Exists(m_dir.File(L"__kiv_can_fw__.hex")));
}

TEST_F(VehicleModulePathTest, ModuleInterfacesAreFoundByProductIdAndCommandCollection) {
    sim::Reset();
    sim::AddHidInterface(L"Headset", sim::kMakerVendorId, 0x5520);
    sim::AddHidInterface(L"Keyboard part", sim::kMakerVendorId, 0x5345, 0x0001, 6);  // not the command collection
    sim::AddHidInterface(L"Other maker", 0x1234, 0x5346);
    sim::DeviceId b = sim::AddHidInterface(L"B", sim::kMakerVendorId, 0x5346);
    wchar_t one[UPDATE_HID_PATH_CHARS] = {}, two[UPDATE_HID_PATH_CHARS] = {};
    EXPECT_EQ(1, FindUpdateHidDevicePaths(one, two, 2));
    EXPECT_NE(nullptr, std::wcsstr(one, L"pid_5346"));
    EXPECT_EQ(0, two[0]);
    hw::CDeviceHandle h1, h2;
    EXPECT_FALSE(OpenUpdateHidDevices(&h1, &h2, 2));
    EXPECT_TRUE(OpenUpdateHidDevices(&h1, &h2, 1));
    EXPECT_TRUE(h1.IsValid());
    EXPECT_FALSE(h2.IsValid());

    sim::AddHidInterface(L"A", sim::kMakerVendorId, 0x5345);
    EXPECT_EQ(2, FindUpdateHidDevicePaths(one, two, 2));
    EXPECT_EQ(1, FindUpdateHidDevicePaths(nullptr, nullptr, 1));  // at most the count asked for
    EXPECT_TRUE(OpenUpdateHidDevices(&h1, &h2, 2));
    sim::SetHidOpenFails(b, true);
    EXPECT_FALSE(OpenUpdateHidDevices(&h1, &h2, 2));  // an interface that does not open
    EXPECT_FALSE(h1.IsValid() && h2.IsValid());
}

TEST(VehicleModuleRules, CannotGetStatusOnlyForTheModuleThatSetsTheFlag) {
    EXPECT_TRUE(ShouldReportCannotGetStatus(0x5345, 50, 0));
    EXPECT_TRUE(ShouldReportCannotGetStatus(0x5345, 55, 0));
    EXPECT_FALSE(ShouldReportCannotGetStatus(0x5345, 56, 0));
    EXPECT_FALSE(ShouldReportCannotGetStatus(0x5345, 49, 0));
    EXPECT_FALSE(ShouldReportCannotGetStatus(0x5345, 52, 1));
    EXPECT_FALSE(ShouldReportCannotGetStatus(0x5346, 52, 0));  // takes the DFU path, never sets the flag
}

TEST(VehicleModuleRules, LoaderCommandLineDoublesTheSeparatorBeforeTheFile) {
    EXPECT_EQ(L"\"C:\\App\\STMFlashLoader.exe\" -c --pn -1 --br 115200 -i STM32F1_Med-density_128K -e --all -d "
              L"--a 8000000 --fn \"C:\\App\\\\__kiv_can_fw__.hex\"",
              FlashLoaderCommandLine(L"C:\\App\\", -1));
}

TEST(ConsoleProcessRun, ProgramThatCannotStartLeavesOnlyTheFailureLine) {
    ConsoleRun run;
    CString log = RunConsoleProcessCaptureOutput(L"\"C:\\nowhere\\missing.exe\" -x", &run);
    EXPECT_EQ(L"[FAIL]\r\n", log);
    EXPECT_FALSE(run.started);
}

}  // namespace
