// The voice-prompt package path against a simulated headset and its
// separate update-mode device: both phases byte-exact, the CRC-checked and
// the plain transfer, the language codes, and the failures of each step.
#include "tests/update/HidJobHarness.h"
#include "update/HidVoicePromptUpdate.h"

using namespace pkgtest;

namespace {

class VoicePromptPathTest : public HidJobTest {
public:
    void SetUp() override {
        HidJobTest::SetUp();
        m_app = sim::AddHidInterface(L"App", sim::kMakerVendorId, 0x3110);
        const BYTE appVersion[5] = {2, 0, 0, 0, 0}, after[5] = {2, 1, 0, 0, 0};
        sim::SetHidVersion(m_app, appVersion);
        sim::SetHidVersionAfterUpdate(m_app, after);
        sim::SetHidBlock(m_app, 0x04, {0x1234, 0, 0, 0});
        m_updater = sim::AddHidInterface(L"Updater", sim::kMakerVendorId, sim::kUpdateModeProductId);
        SetUpdaterVersion(1, 0, 2, 1);
        sim::LinkHidUpdateMode(m_app, m_updater);
        OpenDevices(0x3110);
    }
    void SetUpdaterVersion(BYTE a, BYTE b, BYTE c, BYTE d) {
        const BYTE v[5] = {a, b, c, d, 0};
        sim::SetHidVersion(m_updater, v);
    }
    HidUpdateJob& VoiceJob(const std::wstring& name = L"SPX_v1.2-de.img") {
        HidUpdateJob& job = Job(m_package, 0x3110, name);
        job.firmwareLanguage = L"Japanese";
        job.writeDeviceModeBits = [this](const hw::CDeviceHandle*, BYTE code) { m_modeCodes.push_back(code); return 1; };
        return job;
    }
    void ExpectFailed(const wchar_t* english) {
        EXPECT_EQ(english, Status());
        EXPECT_EQ(1, m_info.m_bFinished);
        EXPECT_EQ(1, m_info.m_nError);
        EXPECT_EQ(0, m_timerPosts.load());
    }

    sim::DeviceId m_app = 0, m_updater = 0;
    std::vector<BYTE> m_package = PackageBuilder().Model(0x3110)
        .Part(2, 0x10, Pattern(1500, 1)).Part(0, 0x11, Pattern(300, 2)).Part(0, 0x12, Pattern(200, 3)).Build();
    std::vector<BYTE> m_modeCodes;
};

TEST_F(VoicePromptPathTest, BothPhasesArriveWholeAndTheLanguageIsSetAndStored) {
    HidVoicePromptUpdateThread(VoiceJob());
    auto want = PackageParts(m_package);
    auto app = sim::HidReceivedParts(m_app);
    auto upd = sim::HidReceivedParts(m_updater);
    ASSERT_EQ(2u, app.size());
    EXPECT_EQ(want[0], app[0].data);
    EXPECT_EQ(want[1], app[1].data);
    ASSERT_EQ(1u, upd.size());
    EXPECT_EQ(want[2], upd[0].data);
    EXPECT_EQ(0, upd[0].type);  // the update-mode part always begins with type 0
    EXPECT_EQ((std::vector<int>{1019, 481, 300}), ChunkLengths(m_app));
    EXPECT_EQ((std::vector<int>{58, 58, 58, 26}), ChunkLengths(m_updater));
    // Each update-mode chunk checked, then the whole part.
    std::vector<BYTE> cmds = Commands(m_updater);
    EXPECT_EQ(4, std::count(cmds.begin(), cmds.end(), 0x5A));
    EXPECT_EQ(1, std::count(cmds.begin(), cmds.end(), 0x5B));
    EXPECT_EQ(1, sim::HidRestartCount(m_app));
    EXPECT_EQ(1, sim::HidRestartCount(m_updater));
    EXPECT_EQ(4, sim::HidVoicePromptCode(m_app));              // "de": code 2, sent as 4
    EXPECT_EQ((std::vector<BYTE>{9}), m_modeCodes);            // "Japanese" stored as 9
    EXPECT_EQ(9, m_info.m_nStep);
    EXPECT_EQ(0, m_info.m_bFinished);
    EXPECT_EQ(1, m_timerPosts.load());
}

TEST_F(VoicePromptPathTest, OlderUpdateModeDeviceGetsThePlainTransferAndOlderAppNoStoredLanguage) {
    SetUpdaterVersion(1, 0, 2, 0);
    const BYTE after[5] = {3, 0, 0, 0, 0};
    sim::SetHidVersionAfterUpdate(m_app, after);
    HidVoicePromptUpdateThread(VoiceJob(L"SPX_v1.2.img"));
    std::vector<BYTE> cmds = Commands(m_updater);
    EXPECT_EQ(0, std::count(cmds.begin(), cmds.end(), 0x5A));
    EXPECT_EQ(0, std::count(cmds.begin(), cmds.end(), 0x5B));
    EXPECT_EQ(PackageParts(m_package)[2], sim::HidReceivedParts(m_updater).at(0).data);
    EXPECT_EQ(0, sim::HidVoicePromptCode(m_app));  // no code in the name
    EXPECT_TRUE(m_modeCodes.empty());              // 3.0: minor below 1
    EXPECT_EQ(9, m_info.m_nStep);
}

TEST_F(VoicePromptPathTest, FailuresOfEachStepEndWithTheirCode) {
    struct Case {
        const char* name;
        std::function<void(VoicePromptPathTest&)> fault;
        const wchar_t* text;
    } cases[] = {
        {"phase-one begin", [](VoicePromptPathTest& t) { sim::SetHidCommandFails(t.m_app, 0x05, true); },
         L"Failed to update firmware. Cannot get status[0]"},
        {"phase-one restart", [](VoicePromptPathTest& t) { sim::SetHidCommandFails(t.m_app, 0x08, true); },
         L"Failed to update firmware. Cannot get status[4]"},
        {"device not back", [](VoicePromptPathTest& t) { sim::SetHidStaysAwayAfterRestart(t.m_app, true); },
         L"Failed to update firmware. Cannot get status[5]"},
        {"update mode refused", [](VoicePromptPathTest& t) { sim::SetHidCommandFails(t.m_app, 0x50, true); },
         L"Failed to update firmware. Cannot get status[6]"},
        {"update-mode device never shows", [](VoicePromptPathTest& t) { sim::LinkHidUpdateMode(t.m_app, 0); },
         L"Failed to update firmware. Cannot get status[7]"},
        {"wrong image CRC", [](VoicePromptPathTest& t) { sim::SetHidCommandFails(t.m_updater, 0x5B, true); },
         L"Failed to update firmware. Cannot get status[10][3]"},
        {"chunk CRC always refused", [](VoicePromptPathTest& t) { sim::SetHidCommandFails(t.m_updater, 0x5A, true); },
         L"Failed to update firmware. Cannot get status[10][4]"},
        {"update-mode reply pending", [](VoicePromptPathTest& t) { sim::SetHidPendingForever(t.m_updater, true); },
         L"Failed to update firmware. Cannot get status[8]"},
        {"update-mode restart refused", [](VoicePromptPathTest& t) { sim::SetHidCommandFails(t.m_updater, 0x08, true); },
         L"Failed to update firmware. Cannot get status[12]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        c.fault(*this);
        HidVoicePromptUpdateThread(VoiceJob());
        ExpectFailed(c.text);
    }
}

TEST_F(VoicePromptPathTest, ImageCrcRefusedOnceIsSentWholeAgain) {
    // A CRC of the whole part that fails once: the part goes again from offset 0.
    sim::SetHidCommandFails(m_updater, 0x5B, true);
    HidUpdateJob& job = VoiceJob();
    std::thread lift([&] {
        for (int i = 0; i < 2000; ++i) {
            std::vector<BYTE> c = Commands(m_updater);
            if (std::count(c.begin(), c.end(), 0x5B) >= 1) break;
            ::Sleep(2);
        }
        sim::SetHidCommandFails(m_updater, 0x5B, false);
    });
    HidVoicePromptUpdateThread(job);
    lift.join();
    EXPECT_EQ(9, m_info.m_nStep);
    std::vector<BYTE> cmds = Commands(m_updater);
    EXPECT_GE(std::count(cmds.begin(), cmds.end(), 0x5B), 2);
    EXPECT_EQ(PackageParts(m_package)[2], sim::HidReceivedParts(m_updater).at(0).data);
}

TEST_F(VoicePromptPathTest, PackagesWithoutTheUpdateModePartOrWithAStrayTargetAreCorrupted) {
    m_package = PackageBuilder().Model(0x3110).Part(0, 1, Pattern(10, 1)).Part(0, 2, Pattern(10, 2)).Build();
    HidVoicePromptUpdateThread(VoiceJob());
    ExpectFailed(L"Failed to update firmware. Firmware corrupted");
    m_info.m_bFinished = 0;
    m_package = PackageBuilder().Model(0x3110).Part(0, 1, {1}).Part(1, 2, {2}).Part(0, 3, {3}).Build();
    HidVoicePromptUpdateThread(VoiceJob());
    ExpectFailed(L"Failed to update firmware. Firmware corrupted");
    EXPECT_TRUE(Commands(m_app).empty());
}

}  // namespace
