// SAVE on the three settings pages of HID headsets, in the real wizard
// against simulated headsets: each write group's blocks as the headset
// keeps them, the store requests that follow them, and the device record
// read back by the recognition that follows a save.
#include "SettingsWizard.h"
#include "core/HidProtocol.h"
#include <functional>
#include <ostream>

using namespace settingstest;

namespace {

struct Expected {
    bool second;  // on the second interface
    BYTE block;
    std::vector<WORD> words;
    bool stored;
};

struct BasicCase {
    const char* name;
    int model;
    std::vector<BYTE> version;
    std::function<void(CDeviceRecord&)> edit;
    // What the headset must hold afterwards, given the record the page showed.
    std::function<std::vector<Expected>(const CDeviceRecord&)> expected;
};

void PrintTo(const BasicCase& c, std::ostream* os) { *os << c.name; }

std::vector<WORD> RawWords(const CDeviceRecord& r, int n) {
    std::vector<WORD> w;
    for (int i = 0; i < n; ++i) w.push_back((WORD)r.m_anSettingWord[i]);
    return w;
}

void EditRawWords(CDeviceRecord& r) {
    for (int i = 0; i < DEVICE_SETTING_WORDS; ++i) r.m_anSettingWord[i] = 0x1100 + i;
}

void EditFeatures(CDeviceRecord& r) {
    r.m_bAudioBoost = !r.m_bAudioBoost;
    r.m_bHandsfreeVox = !r.m_bHandsfreeVox;
    r.m_anSettingWord[2] = 0x0A21;
    r.m_anVoxSensitivity[0] = 4;
    r.m_anSmartVolume[0] = 2;
    r.m_anCameraWord[0] = 0x0F03;
    r.m_anCameraWord[1] = 0x0001;
    r.m_anCameraWord[2] = 0x0045;
    r.m_anCameraWord[3] = 0x0002;
}

const BasicCase kBasicCases[] = {
    {"TwoChipWritesTenRawWordsToTheSecondChip", 0x4510, {2, 0}, EditRawWords,
     [](const CDeviceRecord& r) { return std::vector<Expected>{{true, 0x04, RawWords(r, 10), false}}; }},
    {"Model4210Below11WritesThreeWords", 0x4210, {1, 0}, EditRawWords,
     [](const CDeviceRecord& r) { return std::vector<Expected>{{true, 0x04, RawWords(r, 3), false}}; }},
    {"Model4210At11WritesFourWords", 0x4210, {1, 1}, EditRawWords,
     [](const CDeviceRecord& r) { return std::vector<Expected>{{true, 0x04, RawWords(r, 4), false}}; }},
    {"Model4210From12WritesTenWords", 0x4210, {1, 2}, EditRawWords,
     [](const CDeviceRecord& r) { return std::vector<Expected>{{true, 0x04, RawWords(r, 10), false}}; }},
    {"Model3110Below21WritesTwoWords", 0x3110, {2, 0}, EditRawWords,
     [](const CDeviceRecord& r) { return std::vector<Expected>{{false, 0x04, RawWords(r, 2), false}}; }},
    {"Model3110From21WritesFourWords", 0x3110, {2, 1}, EditRawWords,
     [](const CDeviceRecord& r) { return std::vector<Expected>{{false, 0x04, RawWords(r, 4), false}}; }},
    {"Model3112WritesThreeWords", 0x3112, {1, 0}, EditRawWords,
     [](const CDeviceRecord& r) { return std::vector<Expected>{{false, 0x04, RawWords(r, 3), false}}; }},
    {"FeatureWordHeadsetWritesTwoWordsWithoutStore", 0x5610, {1, 0}, EditFeatures,
     [](const CDeviceRecord& r) {
         return std::vector<Expected>{{false, 0x04, {r.PackFeatureWord(), 0}, false}};
     }},
    {"CameraHeadsetBelow20WritesItsFirstCameraBlockOnly", 0x5510, {1, 5}, EditFeatures,
     [](const CDeviceRecord& r) {
         return std::vector<Expected>{{false, 0x04, {r.PackFeatureWord(), 0}, false},
                                      {false, 0x07, {0x0F03, 0x0001}, false},
                                      {false, 0x1C, {}, false}};
     }},
    {"CameraHeadsetFrom20WritesBothCameraBlocks", 0x5510, {2, 0}, EditFeatures,
     [](const CDeviceRecord& r) {
         return std::vector<Expected>{{false, 0x04, {r.PackFeatureWord(), 0}, false},
                                      {false, 0x07, {0x0F03, 0x0001}, false},
                                      {false, 0x1C, {0x0045, 0x0002}, false}};
     }},
    {"SmartVolumeHeadsetFrom11WritesVolumeThenVox", 0x5622, {1, 1}, EditFeatures,
     [](const CDeviceRecord& r) {
         return std::vector<Expected>{{false, 0x04, {r.PackFeatureWord(), 0}, false},
                                      {false, 0x03, {2}, false},
                                      {false, 0x14, {4}, false}};
     }},
    {"StoredGroupStoresEachOfItsThreeBlocks", 0x5412, {1, 0}, EditFeatures,
     [](const CDeviceRecord& r) {
         return std::vector<Expected>{{false, 0x04, {r.PackFeatureWord(), 0}, true},
                                      {false, 0x14, {4}, true},
                                      {false, 0x03, {2}, true}};
     }},
    {"FourWordGroupWritesVoxToItsOtherBlock", 0x6020, {1, 0}, EditFeatures,
     [](const CDeviceRecord& r) {
         return std::vector<Expected>{{false, 0x04, {r.PackFeatureWord(), 0, 0, 0}, true},
                                      {false, 0x12, {4}, true}};
     }},
    {"FourWordGroupWithRawWordTwo", 0x6010, {1, 0}, EditFeatures,
     [](const CDeviceRecord& r) {
         return std::vector<Expected>{{false, 0x04, {r.PackFeatureWord(), 0, 0x0A21, 0}, true},
                                      {false, 0x14, {4}, true}};
     }},
};

class HidBasicWriteTest : public SettingsWizardTest, public ::testing::WithParamInterface<BasicCase> {};

}  // namespace

TEST_P(HidBasicWriteTest, TheHeadsetKeepsTheBlocksAndTheWizardShowsThemAgain) {
    const BasicCase& c = GetParam();
    sim::DeviceId second = 0;
    sim::DeviceId first = AddHidHeadset(c.model, c.version, &second);
    RunWizard([&](CUpdaterDlg& dlg) {
        EnterPage(dlg, c.model, PAGE_DEVICE_SETTING);
        CDialogDeviceSetting& page = dlg.m_settingPage;
        c.edit(page.m_workingRecord);
        dlg.UpdateControls();
        ASSERT_TRUE(ActionEnabled(dlg));
        CDeviceRecord shown = page.m_workingRecord;
        Save(dlg);

        for (const Expected& e : c.expected(shown)) {
            sim::DeviceId id = e.second ? second : first;
            EXPECT_EQ(e.words, Block(id, e.block)) << "block " << (int)e.block;
            bool stored = false;
            for (const auto& r : Reports(id, HID_CMD_STORE_BLOCK)) {
                if (r[2] != e.block) continue;
                stored = true;
                // Same block and count as the write; the words low byte first.
                EXPECT_EQ(e.words.size(), r[3]);
                if (!e.words.empty()) {
                    EXPECT_EQ((BYTE)e.words[0], r[4]);
                    EXPECT_EQ((BYTE)(e.words[0] >> 8), r[5]);
                }
            }
            EXPECT_EQ(e.stored, stored) << "store of block " << (int)e.block;
        }
        // Recognised again: back on the page with what the page showed.
        EXPECT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
        EXPECT_EQ(CString(L"Device setting saved successfully"), Status(dlg));
        EXPECT_EQ(0, dlg.m_deviceRecord.DiffersFrom(shown, 0));
        EXPECT_EQ(0, page.IsSettingsChanged());
        EXPECT_TRUE(m_asked.empty()) << (m_asked.empty() ? "" : std::string((const char*)WideToUtf8(m_asked[0].text)));
    });
}

INSTANTIATE_TEST_SUITE_P(Groups, HidBasicWriteTest, ::testing::ValuesIn(kBasicCases),
                         [](const ::testing::TestParamInfo<BasicCase>& i) { return std::string(i.param.name); });

namespace {

class HidFmAndSpeedDialTest : public SettingsWizardTest {
protected:
    // Presets 1..10 as 87.5, 87.7, ... in Americas, RDS AF on.
    static void EditFm(CDeviceRecord& r) {
        r.m_nFmRegion = 1;
        for (int i = 0; i < DEVICE_FM_PRESETS; ++i) r.m_anFmPreset[i] = 8750 + 20 * i;
        r.m_bFmRds = 1;
        r.m_nFmCurrentFrequency = 9010;
        r.m_nFmCurrentPreset = 3;
    }
    static std::vector<WORD> FmWords(WORD magic, int presets) {
        std::vector<WORD> w = {magic, 9010, 3};
        for (int i = 0; i < presets; ++i) w.push_back((WORD)(8750 + 20 * i));
        w.push_back(1);
        w.push_back(1);
        return w;
    }
    void SaveFm(int model, sim::DeviceId* first, sim::DeviceId* second, std::vector<BYTE> version = {1, 0}) {
        *first = AddHidHeadset(model, version, second);
        RunWizard([&](CUpdaterDlg& dlg) {
            EnterPage(dlg, model, PAGE_FM_RADIO);
            EditFm(dlg.m_settingSecondPage.m_workingRecord);
            dlg.UpdateControls();
            ASSERT_TRUE(ActionEnabled(dlg));
            Save(dlg);
            EXPECT_EQ(PAGE_FM_RADIO, dlg.m_nPage);
            EXPECT_TRUE(dlg.m_bStatusOk);
            EXPECT_EQ(1, dlg.m_deviceRecord.m_nFmRegion);
            EXPECT_EQ(8770, dlg.m_deviceRecord.m_anFmPreset[1]);
        });
    }
};

}  // namespace

TEST_F(HidFmAndSpeedDialTest, TheFmBlockTakesTheLayoutAndMagicOfTheModel) {
    sim::DeviceId first = 0, second = 0;
    SaveFm(0x5412, &first, &second);
    EXPECT_EQ(FmWords(0x56E9, 10), Block(first, HID_BLOCK_FM));
    auto stores = Reports(first, HID_CMD_STORE_BLOCK);
    ASSERT_EQ(1u, stores.size());
    EXPECT_EQ((std::vector<BYTE>{1, 0x11, 0x15, 15, 0xE9, 0x56, 0x32, 0x23}), stores[0]);
}

TEST_F(HidFmAndSpeedDialTest, NewerHeadsetsGetTheCurrentMagicWithoutStore) {
    sim::DeviceId first = 0, second = 0;
    SaveFm(0x5610, &first, &second);
    EXPECT_EQ(FmWords(0x66E9, 10), Block(first, HID_BLOCK_FM));
    EXPECT_TRUE(Reports(first, HID_CMD_STORE_BLOCK).empty());
}

TEST_F(HidFmAndSpeedDialTest, SixPresetHeadsetsGetElevenWordsAndNoPresetsSevenToTen) {
    sim::DeviceId first = 0, second = 0;
    SaveFm(0x6010, &first, &second);
    EXPECT_EQ(FmWords(0x56E9, 6), Block(first, HID_BLOCK_FM));
    ASSERT_EQ(1u, Reports(first, HID_CMD_STORE_BLOCK).size());
    EXPECT_EQ(11, Reports(first, HID_CMD_STORE_BLOCK)[0][3]);
}

TEST_F(HidFmAndSpeedDialTest, TwoChipHeadsetsGetTheBlockOnTheSecondChipAfterBothVersions) {
    sim::DeviceId first = 0, second = 0;
    SaveFm(0x4510, &first, &second, {3, 1});
    EXPECT_EQ(FmWords(0x66E9, 10), Block(second, HID_BLOCK_FM));
    EXPECT_TRUE(Block(first, HID_BLOCK_FM).empty());
    EXPECT_FALSE(Reports(first, HID_CMD_GET_VERSION).empty());
    EXPECT_FALSE(Reports(second, HID_CMD_GET_VERSION).empty());
}

TEST_F(HidFmAndSpeedDialTest, SpeedDialsGoOneBlockEachAndAnEmptyNumberAsTheModelWants) {
    for (int model : {0x5610, 0x4510}) {
        sim::Reset();
        sim::DeviceId second = 0;
        sim::DeviceId first = AddHidHeadset(model, {1, 0}, &second);
        RunWizard([&](CUpdaterDlg& dlg) {
            EnterPage(dlg, model, PAGE_SPEED_DIAL);
            CDeviceRecord& r = dlg.m_speedDialPage.m_workingRecord;
            r.m_astrSpeedDial[0] = L"+4912";
            r.m_astrSpeedDial[1] = L"";
            r.m_astrSpeedDial[2] = L"01234567890123456789";
            dlg.UpdateControls();
            ASSERT_TRUE(ActionEnabled(dlg));
            Save(dlg);
            EXPECT_EQ(PAGE_SPEED_DIAL, dlg.m_nPage);
            EXPECT_EQ(CString(L"+4912"), dlg.m_deviceRecord.m_astrSpeedDial[0]);
            EXPECT_EQ(CString(L"01234567890123456789"), dlg.m_deviceRecord.m_astrSpeedDial[2]);
        });
        EXPECT_EQ((std::vector<WORD>{'+', '4', '9', '1', '2'}), Block(first, 0x5A)) << std::hex << model;
        // One zero word on one-interface headsets, none on two-chip ones.
        EXPECT_EQ(model == 0x5610 ? std::vector<WORD>{0} : std::vector<WORD>{}, Block(first, 0x5B)) << std::hex << model;
        EXPECT_EQ(20u, Block(first, 0x5C).size());
        EXPECT_TRUE(Reports(first, HID_CMD_STORE_BLOCK).empty());
        if (second) EXPECT_TRUE(Block(second, 0x5A).empty());
    }
}

namespace {
class GridSaveTest : public SettingsWizardTest {};
}  // namespace

TEST_F(GridSaveTest, AGridClickIsWhatTheHeadsetKeepsAfterSave) {
    sim::DeviceId id = AddHidHeadset(0x5610, {1, 0});
    RunWizard([&](CUpdaterDlg& dlg) {
        EnterPage(dlg, 0x5610, PAGE_DEVICE_SETTING);
        CConfigListCtrl& grid = dlg.m_settingPage.m_listSettings;
        ASSERT_TRUE(grid.IsWindowVisible());
        ASSERT_GT(grid.GetItemCount(), 2);
        ASSERT_FALSE(ActionEnabled(dlg));
        // Row 1 is VOX Phone: one click on its value toggles it.
        CRect cell;
        grid.GetSubItemRect(1, 2, LVIR_LABEL, cell);
        grid.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        CPoint at(cell.right - 10, cell.CenterPoint().y);  // on the option not marked
        CDeviceRecord before = dlg.m_settingPage.m_workingRecord;
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        fw::test::PumpFor(10);
        grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        fw::test::PumpFor(30);
        ASSERT_EQ(1, before.DiffersFrom(dlg.m_settingPage.m_workingRecord, 0));
        ASSERT_TRUE(ActionEnabled(dlg));
        CDeviceRecord shown = dlg.m_settingPage.m_workingRecord;
        Save(dlg);
        EXPECT_EQ(CString(L"Device setting saved successfully"), Status(dlg));
        EXPECT_EQ((std::vector<WORD>{shown.PackFeatureWord(), 0}), Block(id, HID_BLOCK_SETTINGS));
        EXPECT_EQ(0, dlg.m_deviceRecord.DiffersFrom(shown, 0));
        // The grid shows the headset as read again.
        EXPECT_GT(grid.GetItemCount(), 2);
        EXPECT_FALSE(ActionEnabled(dlg));
    });
}
