// The FIRMWARE RESTORE road in the real main wizard, against a simulated DFU
// headset and the local firmware server: the archive written before an
// earlier update, the server's backup list, RESTORE, the download, the
// update flow, and the archived settings written back by recognition. Every
// fault on the way ends with its failure text and leaves the headset's
// settings as they were.
#include "tests/app/WizardHarness.h"
#include "app/resource.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/simdevices/SimDevices.h"
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

const char* kListPath = "/zarnbluetoothmanager/Revisions";
const char* kImagePath = "/zarnbluetoothmanager/Vela_Morn_T_v1.0.img";
const wchar_t* kRestored = L"Firmware restored successfully";
const WORD kSettingsWordKey = 0x028E;
const WORD kSpeedDialKey = 0x2280;

std::string Image(const char* tag, unsigned char version) {
    const unsigned char v[4] = {version, 0, 0, 0};
    return dfuimage::MakeImage(tag, v, 4096);
}

// The archive the update to 1.2 left: firmware 1.0 and its settings.
const char kArchive[] =
    "keyManagerVersion=1.1\r\nkeyDeviceRecognized=8464\r\nkeyDeviceName=Vela Morn T\r\n"
    "keyDeviceVersion=1.0\r\nkeyDeviceSecondaryVersionType=0\r\nkeyDeviceSecondaryVersion=0\r\n"
    "keyDateArchived=02/03/2021 09:05:07\r\nkeyIntercomVOX=1\r\nkeyHandsfreeVOX=1\r\nkeyEDR=1\r\n"
    "keyVoicePrompt=1\r\nkeyPLC=1\r\nkeyBitpoolRate=1\r\nkeySidetone=1\r\n"
    "keySpeedDial01=0123 456\r\nkeySpeedDial02=\r\nkeySpeedDial03=\r\n";

struct World {
    sim::DeviceId headset = 0;
    sim::DfuBehaviour behaviour;
    fwserver::FirmwareServer* server = nullptr;
};

struct RoadCase {
    const char* name;
    std::function<void(World&)> fault;
    const wchar_t* finalText;  // the status text the road ends with
    bool restored;             // the headset ends on the backup's firmware with the archived settings
};

void PrintTo(const RoadCase& c, std::ostream* os) { *os << c.name; }

class RestoreRoadTest : public WizardTest, public ::testing::WithParamInterface<RoadCase> {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        sim::Reset();
        hw::SetApi(&hw::SimulatedApi());
        fw::Clock::SetSpeed(50);
        m_world.server = &m_server;
        // The headset after its update to 1.2.
        m_world.headset = sim::AddDfuHeadset(L"Vela Morn T", sim::kMakerVendorId, 0x2110, 0xA110);
        sim::SetPsKeyWords(m_world.headset, 0x02A3, {0x2110});
        sim::SetPsKey(m_world.headset, 0x02A4, "\x0C\0\0\0", 4);
        sim::SetPsKeyText(m_world.headset, 0x0108, "Vela Morn T");
        sim::SetPsKeyWords(m_world.headset, kSettingsWordKey, {0x0000, 0x0000});
        m_world.behaviour.phaseMs = 1000;
        m_world.behaviour.waitEvents = 3;
        m_world.behaviour.progressEvents = 6;
        m_server.PutFile(kListPath, "TKV40 : v3.2 : TKV40_v3.2.img\nVela_Morn_T : v1.0 : Vela_Morn_T_v1.0.img\n");
        m_server.PutFile(kImagePath, Image("Vela_Morn_T#2110", 10));
        WriteImageFile(L"Vela_Morn_T.talvoarch", kArchive);
    }
    void TearDown() override {
        fw::Clock::SetSpeed(1);
        hw::SetApi(nullptr);
        sim::Reset();
        WizardTest::TearDown();
    }

    void Road(CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x2110, 1 << 1);
        dlg.m_deviceRecord.m_version.Set(1, 2, 0, 0, 0);
        dlg.m_deviceRecord.m_strDeviceName = L"Vela Morn T";
        dlg.m_nUsbStatus = 0x2110;
        dlg.GoToPage(PAGE_FIRMWARE_RESTORE);
        ASSERT_TRUE(WaitIdle(dlg));
        m_settingsBefore = Key(kSettingsWordKey);
        m_speedDialBefore = Key(kSpeedDialKey);
        if (dlg.m_restorePage.m_firmwareInfo.m_bBackupAvailable) {
            // RESTORE, as the user presses it.
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ACTION, BN_CLICKED), (LPARAM)Item(dlg, IDC_ACTION));
        }
        auto sample = [&] {
            CString s;
            dlg.GetStatusText(&s);
            std::wstring text = s.GetString();
            if (m_texts.empty() || m_texts.back() != text) m_texts.push_back(text);
        };
        fw::test::PumpUntil([&] {
            sample();
            return Saw(GetParam().finalText) && !dlg.m_bBusy;
        }, 60000);
        fw::test::PumpUntil([&] { sample(); return false; }, 500);
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
        sim::GetPsKey(m_world.headset, key, &v);
        return v;
    }
    int HeadsetVersion() {
        std::vector<BYTE> v = Key(0x02A4);
        return v.empty() ? -1 : v[0];
    }

    World m_world;
    std::vector<std::wstring> m_texts;
    std::vector<BYTE> m_settingsBefore, m_speedDialBefore;
};

TEST_P(RestoreRoadTest, EndsWithItsTextAndWritesTheArchivedSettingsOnlyAfterARestore) {
    const RoadCase& c = GetParam();
    if (c.fault) c.fault(m_world);
    sim::SetDfuBehaviour(m_world.headset, m_world.behaviour);
    RunWizard([&](CUpdaterDlg& dlg) {
        Road(dlg);
        EXPECT_TRUE(Saw(c.finalText)) << Texts();
        EXPECT_FALSE(dlg.m_bBusy);
        if (c.restored) {
            EXPECT_EQ(10, HeadsetVersion());
            // The archived on/off settings, packed for the model, are the headset's again.
            CDeviceRecord archived;
            archived.m_nModelId = 0x2110;
            archived.m_bIntercomVox = archived.m_bHandsfreeVox = archived.m_bEdr = archived.m_bVoicePrompt = 1;
            archived.m_bPlc = archived.m_bBitpoolRate = archived.m_bSidetone = 1;
            WORD packed = archived.PackFeatureWord();
            std::vector<BYTE> word = Key(kSettingsWordKey);
            ASSERT_GE(word.size(), 2u);
            EXPECT_EQ(packed, (WORD)(word[0] | (word[1] << 8)));
            EXPECT_NE(m_settingsBefore, word);
        } else {
            EXPECT_FALSE(Saw(kRestored)) << Texts();
            EXPECT_EQ(m_settingsBefore, Key(kSettingsWordKey));
            EXPECT_EQ(m_speedDialBefore, Key(kSpeedDialKey));
        }
    });
}

const RoadCase kRoads[] = {
    {"Restored", nullptr, kRestored, true},
    // The backup list and the image from a server that ends its replies by
    // closing, with no length.
    {"RepliesEndWithTheClose",
     [](World& w) {
         fwserver::FaultRule rule;
         rule.fault = fwserver::Fault::NoLength;
         w.server->AddFault(rule);
     },
     kRestored, true},
    {"ServerDown", [](World& w) { w.server->Stop(); }, L"Failed to restore firmware. Cannot connect to the server",
     false},
    {"NoEntryForTheArchivedVersion",
     [](World& w) { w.server->PutFile(kListPath, "Vela_Morn_T : v1.2 : Vela_Morn_T_v1.2.img\n"); },
     L"Failed to restore firmware. No backup firmware on the server", false},
    {"ImageCutShort",
     [](World& w) {
         fwserver::FaultRule rule;
         rule.fault = fwserver::Fault::Truncated;
         rule.pathPart = "Vela_Morn_T_v1.0.img";
         w.server->AddFault(rule);
     },
     L"Failed to download latest firmware. Cannot connect to the server", false},
    {"HeadsetGoneDuringTheUpdate", [](World& w) { w.behaviour.vanishDuringDownload = true; },
     L"Failed to restore firmware", false},
    // The firmware is written, the archived settings are refused: the step
    // that failed is named, with the words of a failed SAVE.
    {"SettingsNotWrittenBack", [](World& w) { sim::SetPsWriteFails(w.headset, kSettingsWordKey, true); },
     L"Failed to save device setting. Could not write to the device", false},
};

INSTANTIATE_TEST_SUITE_P(Roads, RestoreRoadTest, ::testing::ValuesIn(kRoads),
                         [](const ::testing::TestParamInfo<RoadCase>& info) { return std::string(info.param.name); });

}  // namespace
