// The whole road of the default simulated headset, as a person goes it with
// the buttons of the real main wizard: WELCOME, DEVICE RECOGNITION, the
// new-firmware prompt, the download and the DFU update to 1.2 with the
// settings archive written before it; then FIRMWARE RESTORE, which finds that
// archive and the server's backup of 1.0, flashes it and writes the archived
// settings back. Nothing is set up in the wizard by hand: each step works
// from what the one before it found.
#include "tests/app/WizardHarness.h"
#include "app/resource.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/simdevices/SimDevices.h"
#include <algorithm>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

const WORD kProductIdKey = 0x02A3;
const WORD kFirmwareKey = 0x02A4;
const WORD kNameKey = 0x0108;
const WORD kAddressKey = 0x0001;
const WORD kSettingsWordKey = 0x028E;
const WORD kSpeedDialKey = 0x2280;

std::string Image(unsigned char version) {
    const unsigned char v[4] = {version, 0, 0, 0};
    return dfuimage::MakeImage("Vela_Morn_T#2110", v, 8192);
}

class WholeRoadTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        sim::Reset();
        sim::SetSpeed(20);
        hw::SetApi(&hw::SimulatedApi());
        fw::Clock::SetSpeed(50);
        // The headset of the run command's device file: Vela Morn T, firmware 1.0.
        m_headset = sim::AddDfuHeadset(L"Vela Morn T", sim::kMakerVendorId, 0x2110, 0xA110);
        sim::SetPsKeyWords(m_headset, kProductIdKey, {0x2110});
        sim::SetPsKeyWords(m_headset, kAddressKey, {0x0012, 0x3456, 0x0078, 0x1A2B});
        sim::SetPsKeyText(m_headset, kNameKey, "Vela Morn T");
        sim::SetPsKey(m_headset, kFirmwareKey, "\x0A\0\0\0", 4);
        sim::SetPsKeyWords(m_headset, kSettingsWordKey, {0x0005, 0x0000});
        std::vector<WORD> dial(20, 0);
        dial[0] = '1', dial[1] = '2', dial[2] = '3';
        sim::SetPsKeyWords(m_headset, kSpeedDialKey, dial);
        sim::DfuBehaviour b;
        b.waitEvents = 3;
        b.progressEvents = 10;
        b.phaseMs = 500;
        sim::SetDfuBehaviour(m_headset, b);

        m_server.PutFile("/zarnbluetoothmanager/Firmware",
                         "TKV40 : v3.3 : TKV40_v3.3.img\nVela_Morn_T : v1.2 : Vela_Morn_T_v1.2.img\n");
        m_server.PutFile("/zarnbluetoothmanager/Vela_Morn_T_v1.2.img", Image(12));
        m_server.PutFile("/zarnbluetoothmanager/Revisions",
                         "TKV40 : v3.2 : TKV40_v3.2.img\nVela_Morn_T : v1.0 : Vela_Morn_T_v1.0.img\n");
        m_server.PutFile("/zarnbluetoothmanager/Vela_Morn_T_v1.0.img", Image(10));
        // The save box keeps the name it proposes, in the image folder.
        fw::test::SetFileDialogAnswer([this](CFileDialog& fd) -> std::optional<CString> {
            return CString((m_folder + fd.GetInitialFileName().GetString()).c_str());
        });
    }
    void TearDown() override {
        fw::test::SetFileDialogAnswer(nullptr);
        fw::Clock::SetSpeed(1);
        sim::SetSpeed(1);
        hw::SetApi(nullptr);
        sim::Reset();
        WizardTest::TearDown();
    }

    static void Press(CUpdaterDlg& dlg, int id) {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)Item(dlg, id));
    }
    // Pumps until the text has shown on the status line and the wizard is
    // idle on the page; every status text on the way is kept.
    bool FollowUntil(CUpdaterDlg& dlg, const wchar_t* text, int page) {
        bool ok = fw::test::PumpUntil([&] {
            Sample(dlg);
            return Saw(text) && !dlg.m_bBusy && dlg.m_nPage == page;
        }, 60000);
        fw::test::PumpUntil([&] { Sample(dlg); return false; }, 300);
        return ok;
    }
    void Sample(CUpdaterDlg& dlg) {
        CString s;
        dlg.GetStatusText(&s);
        if (m_texts.empty() || m_texts.back() != s.GetString()) m_texts.push_back(s.GetString());
        m_maxProgress = std::max(m_maxProgress, dlg.m_nProgress);
    }
    bool Saw(const wchar_t* text) const {
        for (const std::wstring& t : m_texts)
            if (t.find(text) != std::wstring::npos) return true;
        return false;
    }
    std::string Texts() const {
        std::string all;
        for (const std::wstring& t : m_texts) all += std::string(t.begin(), t.end()) + " | ";
        return all;
    }
    std::vector<BYTE> Key(WORD key) {
        std::vector<BYTE> v;
        sim::GetPsKey(m_headset, key, &v);
        return v;
    }
    int Firmware() {
        std::vector<BYTE> v = Key(kFirmwareKey);
        return v.empty() ? -1 : v[0];
    }

    sim::DeviceId m_headset = 0;
    std::vector<std::wstring> m_texts;
    int m_maxProgress = -1;
};

TEST_F(WholeRoadTest, RecogniseUpdateAndRestoreTheDefaultHeadsetWithTheWizardsButtons) {
    const std::vector<BYTE> settingsBefore = Key(kSettingsWordKey);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        // WELCOME: NEXT chooses the default model and opens DEVICE RECOGNITION.
        Press(dlg, IDC_NEXT);
        ASSERT_EQ(PAGE_RECOGNITION, dlg.m_nPage);
        EXPECT_FALSE(::IsWindowEnabled(Item(dlg, IDC_STEP_UPDATE)));
        // NEXT: the headset is recognised and FIRMWARE UPDATE opens; the
        // server's 1.2 is offered, the prompt is accepted (the harness says
        // OK), the image is downloaded and flashed.
        Press(dlg, IDC_NEXT);
        ASSERT_TRUE(FollowUntil(dlg, L"Firmware updated successfully", PAGE_FIRMWARE_UPDATE)) << Texts();
        EXPECT_TRUE(Saw(L"Device recognized successfully")) << Texts();
        EXPECT_EQ(0x2110, dlg.m_nTargetModel);
        ASSERT_FALSE(m_asked.empty());
        EXPECT_EQ((UINT)IDD_NEW_UPDATE_FOUND, m_asked[0].templateId);
        EXPECT_EQ(100, m_maxProgress);
        EXPECT_FALSE(Saw(L"Failed")) << Texts();
        // The headset runs 1.2, and the wizard, which recognised it again
        // after the update, knows it so.
        EXPECT_EQ(12, Firmware());
        EXPECT_TRUE(dlg.m_bRecognized);
        EXPECT_EQ(1, dlg.m_deviceRecord.m_version.m_nMajor);
        EXPECT_EQ(2, dlg.m_deviceRecord.m_version.m_nMinor);
        std::ifstream image((m_folder + L"Vela_Morn_T_v1.2.img").c_str(), std::ios::binary | std::ios::ate);
        EXPECT_EQ((std::streamoff)Image(12).size(), (std::streamoff)image.tellg());
        // The archive written before the update holds what recognition read.
        const std::wstring archive = ReadImageFile(L"Vela_Morn_T.talvoarch");
        EXPECT_NE(archive.find(L"\nkeyDeviceRecognized=8464\r\n"), std::wstring::npos) << std::string(archive.begin(), archive.end());
        EXPECT_NE(archive.find(L"\nkeyDeviceName=Vela Morn T\r\n"), std::wstring::npos);
        EXPECT_NE(archive.find(L"\nkeyDeviceVersion=1.0\r\n"), std::wstring::npos);
        EXPECT_NE(archive.find(L"\nkeyHandsfreeVOX=1\r\n"), std::wstring::npos);

        // Someone changes the headset's settings afterwards.
        sim::SetPsKeyWords(m_headset, kSettingsWordKey, {0x0000, 0x0000});

        // NEXT: FIRMWARE RESTORE finds the archive of 1.0 and the server's backup of it.
        m_texts.clear();
        Press(dlg, IDC_NEXT);
        ASSERT_EQ(PAGE_FIRMWARE_RESTORE, dlg.m_nPage);
        ASSERT_TRUE(WaitIdle(dlg));
        ASSERT_TRUE(dlg.m_restorePage.m_firmwareInfo.m_bBackupAvailable) << Texts();
        CString version;
        dlg.m_restorePage.GetDlgItemText(IDC_BACKUP_VERSION, version);
        EXPECT_EQ(CString(L"v1.0"), version);
        EXPECT_TRUE(::IsWindowEnabled(Item(dlg, IDC_ACTION)));
        // RESTORE: the backup is downloaded, flashed, and the archived
        // settings are written back by the recognition that follows.
        Press(dlg, IDC_ACTION);
        ASSERT_TRUE(FollowUntil(dlg, L"Firmware restored successfully", PAGE_FIRMWARE_RESTORE)) << Texts();
        EXPECT_FALSE(Saw(L"Failed")) << Texts();
        EXPECT_EQ(10, Firmware());
        EXPECT_EQ(settingsBefore, Key(kSettingsWordKey));
        EXPECT_EQ(1, dlg.m_deviceRecord.m_version.m_nMajor);
        EXPECT_EQ(0, dlg.m_deviceRecord.m_version.m_nMinor);
    });
}

}  // namespace

namespace {

struct OlderHeadset {
    const char* name;
    int model;          // what recognition made of it
    int major, minor;
    std::function<void(sim::DeviceId)> keys;
    const wchar_t* refusal;
};

void PrintTo(const OlderHeadset& h, std::ostream* os) { *os << h.name; }

class OlderHeadsetCheckTest : public WholeRoadTest, public ::testing::WithParamInterface<OlderHeadset> {};

const OlderHeadset kOlderHeadsets[] = {
    // The newer version key is stale: the older key's 2.5 counts, and the
    // stale key is left for recognition to clear.
    {"StaleVersionKey", 0x4D10, 2, 5,
     [](sim::DeviceId id) {
         sim::SetPsKeyWords(id, kProductIdKey, {0x4D10});
         sim::SetPsKeyText(id, kNameKey, "TKV40");
         sim::SetPsKey(id, kFirmwareKey, "\x28\0\0\0", 4);
         sim::SetPsKey(id, 0x0293, "\x19\0\0\0", 4);
     },
     L"Firmware not for TKV40"},
    // No product id: the name says which model, and its table version counts.
    {"NameInsteadOfProductId", 0x5010, 3, 2,
     [](sim::DeviceId id) { sim::SetPsKeyText(id, kNameKey, "DRW40 rider"); }, L"Firmware not for "},
};

}  // namespace

// The update's check of the headset reads its identity with recognition's
// own routine, so the model and version recognition stored are found again
// (the image is looked at, not refused as another device), and the check
// writes nothing: an image refused afterwards leaves the headset untouched.
TEST_P(OlderHeadsetCheckTest, TheUpdateFindsTheRecognisedDeviceAndWritesNothingBeforeTheImageIsAccepted) {
    const OlderHeadset& h = GetParam();
    sim::Reset();
    m_headset = sim::AddDfuHeadset(L"older", sim::kMakerVendorId, 0x2110, 0xA110);
    h.keys(m_headset);
    m_server.PutFile("/zarnbluetoothmanager/Firmware", "TKV40 : v9.9 : other.img\n");
    const std::wstring image = m_folder + L"chosen.img";
    std::ofstream(image.c_str(), std::ios::binary) << Image(33);  // made for another model
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, h.model);
        dlg.m_deviceRecord.m_version.Set(h.major, h.minor, 0, 0, 0);
        dlg.m_nUsbStatus = 0x2110;
        dlg.GoToPage(PAGE_FIRMWARE_UPDATE);
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.m_updatePage.m_firmwareInfo.m_strFirmwarePath = image.c_str();
        dlg.m_updatePage.m_editFile.SetWindowText(image.c_str());
        Press(dlg, IDC_ACTION);
        ASSERT_TRUE(FollowUntil(dlg, L"Failed to update firmware", PAGE_FIRMWARE_UPDATE)) << Texts();
        EXPECT_TRUE(Saw(h.refusal)) << Texts();
        EXPECT_FALSE(Saw(L"Not recognized")) << Texts();
        EXPECT_TRUE(sim::PsWriteLog().empty());
        EXPECT_TRUE(sim::LastDownloadedImage(m_headset).empty());
    });
}

INSTANTIATE_TEST_SUITE_P(Older, OlderHeadsetCheckTest, ::testing::ValuesIn(kOlderHeadsets),
                         [](const ::testing::TestParamInfo<OlderHeadset>& info) { return std::string(info.param.name); });
