// The update road of each model group that the run command's device file
// holds besides the default headset: the in-line switch headset, the
// two-interface unit, the 0x5060 batch headsets and the camera headset. Each
// road starts from the device file the run command uses (its sections
// connected as its comment says) and the firmware server's own list, and
// goes from WELCOME to the end with the wizard's own buttons; a fault named
// in the file ends the road with its text and never with the success text.
#include "tests/app/WizardHarness.h"
#include "tests/standins/SimTestSupport.h"
#include "app/resource.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "standins/simdevices/SimDevices.h"
#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const wchar_t* kSuccess = L"Firmware updated successfully";
const wchar_t* kBackToWelcome = L"Press NEXT to proceed.";

std::wstring SourceFile(const wchar_t* relative) {
    std::wstring path = std::wstring(L"Z:") + MORVEX_SOURCE_DIR_W + L"\\" + relative;
    for (auto& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

// The device file with only the named sections connected, and extra lines
// ("section|key = value") added to their sections.
std::string Connecting(const std::string& file, const std::vector<std::string>& names,
                       const std::vector<std::string>& extra) {
    std::istringstream in(file);
    std::ostringstream out;
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '[') {
            size_t space = line.find(' '), end = line.find(']');
            section = space != std::string::npos && end != std::string::npos ? line.substr(space + 1, end - space - 1) : "";
            out << line << "\n";
            for (const std::string& e : extra) {
                size_t bar = e.find('|');
                if (e.substr(0, bar) == section) out << e.substr(bar + 1) << "\n";
            }
            continue;
        }
        if (line.compare(0, 9, "present =") == 0) {
            bool on = std::find(names.begin(), names.end(), section) != names.end();
            line = on ? "present = 1" : "present = 0";
        }
        out << line << "\n";
    }
    return out.str();
}

struct ModelRoad {
    const char* name;
    std::vector<std::string> sections;  // connected
    std::vector<std::string> faults;    // "section|key = value"
    int model;                          // the recognised model
    const wchar_t* finalText;
    int modelAfter = 0;                 // the model recognised after the update (0: the same)
};

void PrintTo(const ModelRoad& r, std::ostream* os) { *os << r.name; }

class ModelRoadTest : public WizardTest, public ::testing::WithParamInterface<ModelRoad> {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        hw::SetApi(&hw::SimulatedApi());
        fw::Clock::SetSpeed(50);
        // The firmware server serves its own fixture tree.
        const std::wstring tree = SourceFile(L"tools\\fwserver\\fixtures\\zarnbluetoothmanager\\");
        std::string list;
        ASSERT_TRUE(simtest::ReadText(tree + L"Firmware", &list));
        m_server.PutFile("/zarnbluetoothmanager/Firmware", list);
        std::istringstream lines(list);
        std::string line;
        while (std::getline(lines, line)) {
            size_t colon = line.find_last_of(':');
            if (colon == std::string::npos) continue;
            std::string file = line.substr(colon + 1);
            file.erase(0, file.find_first_not_of(' '));
            std::string bytes;
            if (simtest::ReadText(tree + std::wstring(file.begin(), file.end()), &bytes))
                m_server.PutFile("/zarnbluetoothmanager/" + file, bytes);
        }
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

    void LoadDevices(const ModelRoad& road) {
        std::string file;
        ASSERT_TRUE(simtest::ReadText(SourceFile(L"standins\\SimulatedDevices.ini"), &file));
        const std::wstring path = m_devices.File(L"SimulatedDevices.ini");
        ASSERT_TRUE(simtest::WriteText(path, Connecting(file, road.sections, road.faults)));
        std::wstring error;
        ASSERT_TRUE(sim::LoadFile(path.c_str(), &error)) << std::string(error.begin(), error.end());
        sim::SetSpeed(20);
    }

    static void Press(CUpdaterDlg& dlg, int id) {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)Item(dlg, id));
    }
    // WELCOME, NEXT, NEXT: recognition, the prompt (answered OK), the
    // download and the update, until the text shows and the wizard is idle.
    bool Drive(CUpdaterDlg& dlg, const wchar_t* text) {
        if (!WaitIdle(dlg)) return false;
        Press(dlg, IDC_NEXT);
        if (dlg.m_nPage != PAGE_RECOGNITION) return false;
        Press(dlg, IDC_NEXT);
        bool ok = fw::test::PumpUntil([&] {
            Sample(dlg);
            return Saw(text) && !dlg.m_bBusy;
        }, 90000);
        fw::test::PumpUntil([&] { Sample(dlg); return false; }, 500);
        return ok;
    }
    void Sample(CUpdaterDlg& dlg) {
        CString s;
        dlg.GetStatusText(&s);
        if (m_texts.empty() || m_texts.back() != s.GetString()) m_texts.push_back(s.GetString());
        // The update's own texts too, before the page moves them on.
        const CString record = dlg.m_updatePage.m_firmwareInfo.PeekStatusText(0);
        if (!record.IsEmpty() && m_texts.back() != record.GetString()) m_texts.push_back(record.GetString());
        m_maxProgress = std::max(m_maxProgress, dlg.m_nProgress);
        if (!m_recognised && dlg.m_bRecognized) m_recognised = dlg.m_nTargetModel;
        if (dlg.m_updatePage.m_dfu.m_nActiveEngine == 1) m_progressFirstChip = std::max(m_progressFirstChip, dlg.m_nProgress);
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
    bool Asked(const wchar_t* part) const {
        for (const AskedBox& b : m_asked)
            if (std::wstring(b.text.GetString()).find(part) != std::wstring::npos) return true;
        return false;
    }
    static std::vector<BYTE> Key(const wchar_t* device, WORD key) {
        std::vector<BYTE> v;
        sim::GetPsKey(sim::FindDevice(device), key, &v);
        return v;
    }
    static int Word(const std::vector<BYTE>& v) { return v.size() >= 2 ? v[0] | v[1] << 8 : -1; }

    simtest::TempFolder m_devices;
    std::vector<std::wstring> m_texts;
    int m_maxProgress = -1;
    int m_progressFirstChip = -1;
    int m_recognised = 0;  // the target model of the first recognition
};

TEST_P(ModelRoadTest, FromWelcomeToItsEndWithTheWizardsButtons) {
    const ModelRoad& road = GetParam();
    LoadDevices(road);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(Drive(dlg, road.finalText)) << Texts();
        EXPECT_TRUE(Saw(L"Device recognized successfully")) << Texts();
        EXPECT_EQ(road.model, m_recognised);
        ASSERT_FALSE(m_asked.empty());
        EXPECT_EQ((UINT)IDD_NEW_UPDATE_FOUND, m_asked[0].templateId);
        if (std::wstring(road.finalText) == kBackToWelcome) {
            // Not the headset recognised: the box, then WELCOME.
            EXPECT_FALSE(Saw(kSuccess)) << Texts();
            EXPECT_TRUE(Asked(L"Recognized device is not connected")) << Texts();
            EXPECT_EQ(PAGE_WELCOME, dlg.m_nPage);
            EXPECT_TRUE(Saw(L"Failed to update firmware. Not the recognized device[9][2]")) << Texts();
            return;
        }
        if (std::wstring(road.finalText) != kSuccess) {
            EXPECT_FALSE(Saw(kSuccess)) << Texts();
            EXPECT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
            return;
        }
        EXPECT_FALSE(Saw(L"Failed")) << Texts();
        EXPECT_EQ(100, m_maxProgress);
        EXPECT_EQ(0, dlg.m_updatePage.m_firmwareInfo.m_nError);
        // The wizard recognised the headset again after the update.
        EXPECT_EQ(road.modelAfter ? road.modelAfter : road.model, dlg.m_nTargetModel);
    });
}

const ModelRoad kRoads[] = {
    {"InlineSwitch", {"G304N"}, {}, 0x6020, kSuccess},
    {"InlineSwitchNeverComesBack", {"G304N"}, {"G304N|switch_never_appears = 1"}, 0x6020, kBackToWelcome},
    {"InlineSwitchRefusesReconfigure", {"G304N"}, {"G304N update mode|refuse_reconfigure = 1"}, 0x6020,
     L"Failed to update firmware. Cannot get device[8][1]"},
    {"InlineSwitchVanishesMidTransfer", {"G304N"}, {"G304N update mode|vanish_during_download = 1"}, 0x6020,
     L"Failed to update firmware. Cannot get device"},
    {"TwoInterfaceUnit", {"Duo40 first chip", "Duo40 second chip"}, {}, 0x5310, kSuccess},
    {"TwoInterfaceNeverComesBack", {"Duo40 first chip", "Duo40 second chip"},
     {"Duo40 first chip|vanish_during_reconfigure = 1"}, 0x5310, L"Failed to update firmware. Cannot update firmware"},
    {"TwoInterfaceSecondRefusesReconfigure", {"Duo40 first chip", "Duo40 second chip"},
     {"Duo40 second chip|refuse_reconfigure = 1"}, 0x5310, L"Failed to update firmware. Cannot get device"},
    {"TwoInterfaceVanishesMidTransfer", {"Duo40 first chip", "Duo40 second chip"},
     {"Duo40 first chip|vanish_during_download = 1"}, 0x5310, L"Failed to update firmware. Cannot update firmware"},
    // Given the identity of 0x5011, it is recognised as such afterwards.
    {"BatchHeadset", {"DRW40 batch"}, {}, 0x5060, kSuccess, 0x5011},
    {"BatchHeadsetRefusesReconfigure", {"DRW40 batch"}, {"DRW40 batch|refuse_reconfigure = 1"}, 0x5060,
     L"Failed to update firmware. Cannot get device[8][3]"},
    {"BatchHeadsetVanishesMidTransfer", {"DRW40 batch"}, {"DRW40 batch|vanish_during_download = 1"}, 0x5060,
     L"Failed to update firmware. Cannot get device"},
    {"BatchHeadsetRefusesItsNewIdentity", {"DRW40 batch"}, {"DRW40 batch|fail_write = 0x02BF"}, 0x5060,
     L"Failed to update firmware. Firmware not for DRW40[9][6]"},
    {"BatchHeadsetNeverComesBack", {"DRW40 batch"}, {"DRW40 batch|vanish_during_reconfigure = 1"}, 0x5060,
     L"Failed to update firmware. Cannot update firmware"},
    {"HeadsetOutsideTheBatch", {"DRW40"}, {}, 0x5060, kSuccess},
    {"CameraHeadset", {"40Z"}, {}, 0x5510, kSuccess},
};

INSTANTIATE_TEST_SUITE_P(Models, ModelRoadTest, ::testing::ValuesIn(kRoads),
                         [](const ::testing::TestParamInfo<ModelRoad>& info) { return std::string(info.param.name); });

// What each successful road leaves on the devices.
class ModelRoadResultTest : public ModelRoadTest {};

TEST_F(ModelRoadResultTest, InlineSwitchHeadsetIsBackAsItsHidSelfWithTheNewVersion) {
    LoadDevices({"", {"G304N"}, {}, 0x6020, kSuccess});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(Drive(dlg, kSuccess)) << Texts();
        EXPECT_TRUE(sim::IsPresent(sim::FindDevice(L"G304N")));
        EXPECT_FALSE(sim::IsPresent(sim::FindDevice(L"G304N update mode")));
        EXPECT_NE(std::wstring::npos, sim::LastDownloadedImage(sim::FindDevice(L"G304N update mode")).find(L"G304N_v1.1"));
        // The wizard recognised it again afterwards: the HID headset at 1.1.
        EXPECT_EQ(1, dlg.m_deviceRecord.m_version.m_nMajor);
        EXPECT_EQ(1, dlg.m_deviceRecord.m_version.m_nMinor);
    });
}

TEST_F(ModelRoadResultTest, TwoInterfaceUnitGetsBothChipsHalfAndHalfAndTheRestartAdvice) {
    LoadDevices({"", {"Duo40 first chip", "Duo40 second chip"}, {}, 0x5310, kSuccess});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(Drive(dlg, kSuccess)) << Texts();
        EXPECT_EQ(11, Key(L"Duo40 first chip", 0x02A4)[0]);
        EXPECT_EQ(11, Key(L"Duo40 second chip", 0x02A4)[0]);
        EXPECT_GE(m_progressFirstChip, 40);
        EXPECT_LE(m_progressFirstChip, 50);
        EXPECT_TRUE(Asked(L"Power off and power on")) << Texts();
    });
}

TEST_F(ModelRoadResultTest, BatchHeadsetTakesTheImageOf5011AndLeavesWithItsIdentity) {
    LoadDevices({"", {"DRW40 batch"}, {}, 0x5060, kSuccess});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(Drive(dlg, kSuccess)) << Texts();
        const wchar_t* unit = L"DRW40 batch";
        EXPECT_NE(std::wstring::npos, sim::LastDownloadedImage(sim::FindDevice(unit)).find(L"Kuzo_Audio_DRW40_v1.1"));
        EXPECT_EQ(0x5011, Word(Key(unit, 0x02A3)));
        EXPECT_EQ(0x5011, Word(Key(unit, 0x02BF)));
        EXPECT_EQ(0xD011, Word(Key(unit, 0x02CB)));
        const std::vector<BYTE> name = Key(unit, 0x02C2);
        ASSERT_EQ(32u, name.size());
        std::wstring text;
        for (size_t i = 0; i < name.size(); i += 2) text += (wchar_t)(name[i] | name[i + 1] << 8);
        EXPECT_EQ(L"Kuzo Audio DRW40", text);
        EXPECT_EQ(11, Key(unit, 0x02A4)[0]);
        // It enumerates as a 0x5011 headset from its restart on.
        auto listed = sim::ListDfuDevices();
        ASSERT_EQ(1u, listed.size());
        EXPECT_NE(std::wstring::npos, listed[0].path.find(L"pid_5011"));
    });
}

TEST_F(ModelRoadResultTest, HeadsetOutsideTheBatchKeepsItsIdentityAndTakesItsOwnImage) {
    LoadDevices({"", {"DRW40"}, {}, 0x5060, kSuccess});
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(Drive(dlg, kSuccess)) << Texts();
        EXPECT_NE(std::wstring::npos, sim::LastDownloadedImage(sim::FindDevice(L"DRW40")).find(L"DRW40_v4.3"));
        EXPECT_EQ(0x5060, Word(Key(L"DRW40", 0x02A3)));
        EXPECT_EQ(0x5060, Word(Key(L"DRW40", 0x02BF)));
        EXPECT_EQ(43, Key(L"DRW40", 0x02A4)[0]);
    });
}

}  // namespace
