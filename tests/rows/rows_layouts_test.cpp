// Every model id and firmware gate of the settings grid: row count, names,
// cell kinds, option counts, help buttons and the Enable/Disable words, read
// from what the fill puts into the grid.
#include "tests/rows/FakeSettingsGrid.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

// Codes of the rows: upper case check boxes, lower case lists (with the
// number of options).
const std::map<std::string, const wchar_t*>& Labels() {
    static const std::map<std::string, const wchar_t*> m = {
        {"AB", L"Audio Boost"}, {"VPH", L"VOX Phone"}, {"VIC", L"VOX Intercom"}, {"VPR", L"Voice Prompt"},
        {"HQ", L"High Quality A2DP"}, {"ST", L"Sidetone"}, {"QS", L"Quiet Sphere\u2122"},
        {"HDI", L"HD Intercom"}, {"FM", L"FM Station Guide"}, {"SW", L"Sound Weave\u2122"},
        {"SB", L"Sound Blend\u2122"}, {"HDV", L"HD Voice"}, {"SN", L"Smart Navi System"},
        {"NAS", L"Navigation App Support"}, {"SBVM", L"Sound Blend Volume Management"},
        {"EW", L"Eight-way Intercom"}, {"VC", L"Voice Command"}, {"GM", L"Guest Mode"},
        {"ISW", L"Bluetooth Intercom Sound Weave\u2122"}, {"DC", L"Date Caption"},
        {"SSR", L"Speaker Sound Recording"}, {"RM", L"\u25B6 Music"}, {"RF", L"\u25B6 FM Radio"},
        {"RI", L"\u25B6 Intercom"}, {"RP", L"\u25B6 Phone"}, {"ACS", L"Auto Camera Sleep"},
        {"ovl", L"Intercom-sound Blend Sensitivity"}, {"msn", L"Motion Sensor Sensitivity"},
        {"svc", L"Smart Volume Control"}, {"vs", L"VOX Sensitivity"}, {"asp", L"Audio Source Priority"},
        {"pm", L"Photo Mode"}, {"vm", L"Video Mode"}, {"vr", L"Video Resolution"},
        {"ti", L"Timelapse Interval"}, {"vt", L"Video Tagging Interval"}, {"lr", L"Loop Recording Interval"},
        {"mg", L"Video Microphone Gain"}, {"ul", L"Unit Language"}, {"cs", L"Channel Select"},
        {"es", L"ESS STATUS"}, {"esn", L"ESS Sensitivity"},
    };
    return m;
}

struct Layout {
    int model;
    int major, minor;
    const char* rows;
};

// The lists as the model tables give them.
const char* const k13Packed = "SW ovl10 SBVM AB svc4 VPH HDI EW VPR FM ST QS VC";
const char* const k12Packed = "SW ovl10 SBVM AB svc4 HDI EW VPR FM ST QS VC";
const char* const k5526Old = "AB VPH VIC HDI vs5 VPR FM HQ ST QS";
const char* const kBlend12 = "AB VPH VIC SW asp2 HDV HDI vs5 VPR FM ST QS";
const char* const kBlend11 = "AB VPH VIC SW asp2 HDV HDI VPR FM ST QS";
const char* const k8Plain = "AB VPH VIC HDI VPR HQ ST QS";
const char* const k9Plain = "AB VPH VIC HDI VPR FM HQ ST QS";
const char* const k15Word = "AB VPH VIC HDI VPR HQ ST QS FM GM vs5 svc4 SBVM ovl5 VC";
const char* const k16Word = "AB VPH VIC ISW HDI VPR HQ ST QS FM GM vs5 svc4 SBVM ovl5 VC";
const char* const k17Word = "ul11 AB VPH VIC ISW HDI VPR HQ ST QS FM GM vs5 svc4 SBVM ovl5 VC";
const char* const k5Plain = "AB VPR FM HQ QS";
const char* const k5622Old = "AB svc4 VPH VIC HDI VPR HQ QS";
const char* const k5622Mid = "AB svc4 VPH VIC HDI vs3 VPR HQ QS";
const char* const k5560 = "AB svc4 VPH SB HDV vs5 VPR ST";
const char* const k5412Old = "AB svc4 VPH VIC SB asp2 HDI vs5 VPR FM ST QS";
const char* const k5412New = "AB svc4 VPH VIC SB asp2 HDV HDI vs5 VPR FM ST QS";
const char* const k6014Old = "AB VPH VIC HDI vs5 VPR HQ ST QS";
const char* const k6014New = "SN AB VPH VIC HDI vs5 VPR HQ ST QS";

const Layout kLayouts[] = {
    {0x4210, 1, 0, "VPH ST SW ovl10"},
    {0x4210, 1, 1, "VPH ST msn3 SW ovl10 NAS"},
    {0x4210, 1, 2, "SW ovl10 NAS AB msn3 VPH HDI EW VPR ST QS"},
    {0x4210, 1, 4, "SW ovl10 NAS AB msn3 VPH HDI EW VPR ST QS"},
    {0x4210, 1, 5, "SW ovl10 NAS AB svc4 msn3 VPH HDI EW VPR FM ST QS"},
    {0x4210, 2, 0, "SW ovl10 NAS AB svc4 msn3 VPH HDI EW VPR FM ST QS"},
    {0x4210, 1, 10, "SW ovl10 NAS AB svc4 msn3 VPH HDI EW VPR FM ST QS"},
    {0x4310, 0, 0, k13Packed}, {0x4350, 3, 0, k13Packed}, {0x4330, 1, 0, k13Packed},
    {0x4510, 1, 0, k13Packed}, {0x4530, 1, 0, k13Packed}, {0x4610, 1, 0, k13Packed},
    {0x2030, 1, 0, k13Packed}, {0x4410, 1, 0, k12Packed}, {0x4430, 2, 5, k12Packed},
    {0x5520, 1, 0, "AB VPH VIC vs5 VPR HQ ST QS"},
    {0x5520, 1, 1, "AB VPH VIC HDI vs5 VPR HQ ST QS"},
    {0x5520, 1, 2, "AB VPH VIC HDI vs5 VPR HQ ST QS"},
    {0x5520, 1, 3, "AB VPH VIC HDI vs5 VPR FM HQ ST QS"},
    {0x5520, 2, 0, kBlend12},
    {0x5526, 1, 9, k5526Old}, {0x5526, 2, 0, kBlend12},
    {0x5720, 1, 0, k5526Old}, {0x5720, 2, 0, k5526Old},
    {0x5610, 1, 0, "AB VPH VIC VPR HQ ST QS"}, {0x5611, 1, 1, k8Plain}, {0x5612, 1, 10, k8Plain},
    {0x5620, 2, 0, kBlend11}, {0x5621, 1, 0, "AB VPH VIC VPR HQ ST QS"},
    {0x5510, 1, 9, "AB VPH VIC VPR HQ ST QS pm2 vm2 vr3 ti2 DC SSR RM RF RI RP ACS"},
    {0x5510, 2, 0, "AB VPH VIC HDI VPR HQ ST QS pm2 vm3 vr3 ti2 vt3 lr3 mg3 DC SSR RM RF RI RP ACS"},
    {0x5510, 2, 1, "AB VPH VIC HDI VPR HQ ST QS pm2 vm3 vr3 ti2 vt3 lr3 mg3 DC SSR RM RF RI RP ACS"},
    {0x5510, 2, 2, "AB VPH VIC HDI VPR FM HQ ST QS pm2 vm3 vr3 ti2 vt3 lr3 mg3 DC SSR RM RF RI RP ACS"},
    {0x5510, 2, 10, "AB VPH VIC HDI VPR FM HQ ST QS pm2 vm3 vr3 ti2 vt3 lr3 mg3 DC SSR RM RF RI RP ACS"},
    {0x5510, 3, 0, "AB VPH VIC SW asp2 HDV HDI VPR FM ST QS pm2 vm3 vr3 ti2 vt3 lr3 mg3 DC SSR RM RF RI RP ACS"},
    {0x5580, 1, 9, k9Plain}, {0x5580, 2, 0, kBlend11}, {0x5570, 0, 5, kBlend11},
    {0x5530, 1, 3, k8Plain}, {0x5530, 1, 4, "AB VPH VIC HDV HDI VPR FM HQ ST QS"}, {0x5530, 2, 0, kBlend11},
    {0x5532, 1, 0, "AB VPH VIC HDV HDI VPR FM HQ ST QS"},
    {0x5550, 1, 1, "AB HDI VPR FM HQ QS"}, {0x5550, 1, 2, k5Plain}, {0x5550, 2, 0, "AB SW asp2 HDV VPR FM QS"},
    {0x3110, 1, 0, k15Word}, {0x3110, 1, 1, k16Word}, {0x3110, 2, 0, k16Word}, {0x3110, 2, 1, k17Word},
    {0x3110, 2, 2, "ul11 AB VPH VIC ISW HDI VPR HQ ST QS FM GM vs5 svc4 SBVM ovl5 VC cs6"},
    {0x3110, 3, 0, "ul11 AB VPH VIC ISW HDI VPR HQ ST QS FM GM vs5 svc4 SBVM ovl5 VC cs6"},
    {0x3112, 1, 0, k15Word}, {0x3114, 1, 1, k16Word}, {0x3112, 2, 2, k16Word},
    {0x3124, 0, 0, k16Word}, {0x3126, 3, 0, k16Word}, {0x3116, 0, 0, k17Word},
    {0x3118, 0, 0, "ul11 AB VPH HDI VPR QS FM vs5 SBVM ovl5"},
    {0x5710, 1, 1, k8Plain}, {0x5710, 1, 2, k9Plain},
    {0x5623, 1, 0, k8Plain}, {0x5623, 1, 1, "AB VPH VIC HDI vs3 VPR HQ ST QS"},
    {0x5623, 2, 0, "AB VPH VIC SW asp2 HDV HDI vs3 VPR ST QS"},
    {0x5622, 1, 0, k5622Old}, {0x5624, 1, 0, k5622Old}, {0x5622, 1, 9, k5622Mid}, {0x5624, 1, 1, k5622Mid},
    {0x5622, 2, 0, "AB svc4 VPH VIC SW asp2 HDV HDI vs3 VPR FM QS"},
    {0x5624, 2, 0, "AB svc4 VPH VIC asp2 HDV HDI vs3 VPR QS"},
    {0x5524, 1, 0, "AB VPR HQ QS"}, {0x5524, 1, 1, k5Plain}, {0x5524, 2, 0, "AB SW asp2 HDV VPR FM QS"},
    {0x5536, 1, 0, k5Plain}, {0x5522, 0, 9, k5Plain},
    {0x3030, 1, 0, "VPR FM QS"}, {0x3040, 2, 0, "VPR FM QS"}, {0x3050, 0, 0, "VPR FM QS"}, {0x3060, 5, 5, "VPR FM QS"},
    {0x6210, 1, 9, "AB VPH VIC HDI VPR FM HQ QS"}, {0x6210, 2, 0, "AB VPH VIC SW asp2 HDV HDI VPR FM QS"},
    {0x6400, 1, 0, "AB VPH VIC SW asp2 HDV HDI vs3 VPR FM QS"},
    {0x5910, 1, 0, k8Plain}, {0x5920, 1, 1, k9Plain},
    {0x5560, 1, 0, k5560},
    {0x5410, 1, 0, "AB svc4 VPH SB vs5 VPR ST"}, {0x5410, 1, 1, k5560}, {0x5410, 1, 9, k5560},
    {0x5410, 2, 0, "AB svc4 VPH VIC SB asp2 HDV HDI vs5 VPR ST QS"},
    {0x5412, 1, 0, k5412Old}, {0x5414, 1, 1, k5412New},
    {0x5420, 1, 0, k5412New}, {0x5418, 0, 0, k5412New},
    {0x5416, 1, 0, "AB svc4 VPH VIC asp2 HDI vs5 VPR FM ST QS"}, {0x5416, 1, 1, k5412Old},
    {0x6010, 1, 1, "AB VPH VIC HDI vs5 VPR HQ ST QS es4 esn3"},
    {0x6012, 1, 2, "SN AB VPH VIC HDI vs5 VPR HQ ST QS es4 esn3"},
    {0x6014, 1, 1, k6014Old}, {0x6016, 1, 2, k6014New},
    {0x6026, 0, 1, k6014New}, {0x6018, 1, 0, k6014Old}, {0x6018, 1, 1, k6014New},
    {0x6020, 1, 0, "SN VPH vs5 VPR ST QS"}, {0x6022, 1, 0, "SN VPH vs5 VPR ST QS"},
    {0x6024, 1, 0, "SN VPH vs5 VPR ST QS"},
};

std::vector<std::string> Split(const char* s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    std::string t;
    while (in >> t) out.push_back(t);
    return out;
}

std::string Describe(const Layout& l) {
    char buf[48];
    snprintf(buf, sizeof buf, "model 0x%04X firmware %d.%d", l.model, l.major, l.minor);
    return buf;
}

FakeSettingsGrid Fill(int model, const CDeviceRecord& device, const CDeviceRecord& working, int language = 0) {
    FakeSettingsGrid grid;
    rows::RowsContext ctx{model, &device, language};
    rows::FillSettingsList(grid, ctx, working);
    return grid;
}

TEST(SettingsRowLayouts, EveryModelAndFirmwareGateGetsItsRowsInOrder) {
    for (const Layout& l : kLayouts) {
        SCOPED_TRACE(Describe(l));
        const CDeviceRecord device = RecordWithFirmware(l.model, l.major, l.minor);
        FakeSettingsGrid grid = Fill(l.model, device, device);
        const std::vector<std::string> expected = Split(l.rows);
        ASSERT_EQ((int)expected.size(), grid.GetRowCount());
        for (size_t r = 0; r < expected.size(); ++r) {
            SCOPED_TRACE("row " + std::to_string(r));
            std::string code = expected[r];
            int options = 0;
            while (!code.empty() && isdigit((unsigned char)code.back())) code.pop_back();
            const bool list = islower((unsigned char)code[0]);
            if (list) options = atoi(expected[r].c_str() + code.size());
            const FakeCell& cell = grid.cells[r];
            EXPECT_EQ(std::wstring(Labels().at(code)), std::wstring(cell.label.GetString()));
            EXPECT_EQ(list ? 2 : 1, cell.kind);
            if (list) {
                EXPECT_EQ((size_t)options, cell.options.size());
            }
            // Only the recording sources of the camera headset go without help button.
            const bool source = code == "RM" || code == "RF" || code == "RI" || code == "RP";
            EXPECT_EQ(!source, cell.helpButton);
            // The final pass gives the two words to every check box and to no list.
            EXPECT_EQ(!list, cell.textsSet);
            if (!list) {
                EXPECT_EQ(std::wstring(L"Enable"), std::wstring(cell.firstText.GetString()));
                EXPECT_EQ(std::wstring(L"Disable"), std::wstring(cell.secondText.GetString()));
            }
        }
    }
}

TEST(SettingsRowLayouts, ModelsOfTheFixedControlsAndUnknownIdsEmptyTheGrid) {
    int count = 0;
    const int* ids = rows::ModelsWithoutRows(&count);
    ASSERT_EQ(46, count);
    std::vector<int> models(ids, ids + count);
    models.push_back(0);
    models.push_back(0x4D11);
    models.push_back(0x5613);
    models.push_back(0x6028);
    models.push_back(0x3500);
    for (int model : models) {
        for (int major : {0, 1, 3, 5}) {
            SCOPED_TRACE(Describe(Layout{model, major, 0, ""}));
            const CDeviceRecord device = RecordWithFirmware(model, major, 0);
            FakeSettingsGrid grid;
            // Rows left from an earlier fill go.
            rows::RowsContext earlier{0x5510, &device, 0};
            rows::FillSettingsList(grid, earlier, device);
            ASSERT_GT(grid.GetRowCount(), 0);
            rows::RowsContext ctx{model, &device, 0};
            rows::FillSettingsList(grid, ctx, device);
            EXPECT_EQ(0, grid.GetRowCount());
        }
    }
}

TEST(SettingsRowLayouts, TheFirmwareOfTheDeviceRecordChoosesNotTheWorkingCopy) {
    const CDeviceRecord device = RecordWithFirmware(0x5520, 2, 0);
    const CDeviceRecord working = RecordWithFirmware(0x5520, 1, 0);
    EXPECT_EQ(12, Fill(0x5520, device, working).GetRowCount());
    CDeviceRecord other = device;
    other.m_version.m_nSecondaryVersion = 9;  // only major and minor count
    other.m_version.m_nSecondaryVersionType = 3;
    EXPECT_EQ(12, Fill(0x5520, other, working).GetRowCount());
}

TEST(SettingsRowLayouts, ARefillWithTheSameInputsGivesOneSetOfRows) {
    const CDeviceRecord device = RecordWithFirmware(0x4210, 1, 5);
    FakeSettingsGrid grid;
    rows::RowsContext ctx{0x4210, &device, 0};
    rows::FillSettingsList(grid, ctx, device);
    rows::FillSettingsList(grid, ctx, device);
    EXPECT_EQ(13, grid.GetRowCount());
    EXPECT_EQ(1, grid.deleteAllCalls);
}

TEST(SettingsRowLayouts, NamesOptionsAndWordsFollowTheLanguage) {
    const CDeviceRecord device = RecordWithFirmware(0x4210, 1, 5);
    for (int language = 0; language < texts::kLanguageCount; ++language) {
        SCOPED_TRACE(language);
        FakeSettingsGrid grid = Fill(0x4210, device, device, language);
        ASSERT_EQ(13, grid.GetRowCount());
        EXPECT_EQ(g_txtSoundWeave[language][0], grid.cells[0].label);
        EXPECT_EQ(g_txtLevels[language][9], grid.cells[1].options[9]);
        CString enable, disable;
        GetTextEnable(enable, language);
        GetTextDisable(disable, language);
        EXPECT_EQ(enable, grid.cells[0].firstText);
        EXPECT_EQ(disable, grid.cells[0].secondText);
        EXPECT_EQ(disable, grid.cells[4].options[0]);  // Smart Volume Control starts with the Disable word
        EXPECT_EQ(g_txtLowMediumHigh[language][2], grid.cells[5].options[2]);  // no "Medium" for the motion sensor
    }
}

}  // namespace
