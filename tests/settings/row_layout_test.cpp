// Where the DEVICE SETTING page stacks its classic rows, for one model and
// firmware of every arrangement: each control of a placed row sits centred
// in its row (or at its top when taller), rows counted from the page's top
// margin, at least eight rows to the page.
#include "tests/app/WizardHarness.h"
#include "framework/TestSeams.h"
#include <map>
#include <ostream>
#include <vector>

namespace {

// The controls of each row, by the ids of the page's template.
enum RowName { BUTTONS, MORE, VP, VI, EDR, NOTE, PLC, A2DP, MIC, SIDE, QS, AGC, BOOST, RESTART, MOTION, WEAVE,
               OVERLAY, NAVI };

const std::map<RowName, std::vector<int>> kRowControls = {
    {BUTTONS, {1035, 1036}},
    {MORE, {1100}},
    {VP, {1037, 1038, 1039}},
    {VI, {1040, 1041, 1042}},
    {EDR, {1043, 1044, 1045, 1046}},
    {NOTE, {1047}},
    {PLC, {1048, 1049, 1050, 1051}},
    {A2DP, {1052, 1053, 1054, 1055}},
    {MIC, {1056, 1057, 1058, 1059}},
    {SIDE, {1076, 1077, 1078, 1079}},
    {QS, {1082, 1093, 1094, 1095}},
    {AGC, {1096, 1097, 1098, 1099}},
    {BOOST, {1071, 1072, 1073, 1074}},
    {RESTART, {1069, 1075}},
    {MOTION, {1080, 1081, 1182}},
    {WEAVE, {1083, 1084, 1085, 1086}},
    {OVERLAY, {1087, 1088, 1183}},
    {NAVI, {1089, 1090, 1091, 1092}},
};

struct Arrangement {
    const char* name;
    int model, major, minor;
    float rows;
    int margin;
    std::vector<std::pair<RowName, float>> placed;
};

void PrintTo(const Arrangement& a, std::ostream* os) { *os << a.name; }

const Arrangement kArrangements[] = {
    {"FirstSetFrom50", 0x4D30, 5, 1, 8, 5,
     {{BUTTONS, 0}, {VP, 1}, {VI, 2}, {EDR, 3}, {A2DP, 4}, {SIDE, 5}, {MIC, 6}, {RESTART, 7}}},
    {"FirstSet42", 0x4D40, 4, 3, 8, 5, {{BUTTONS, 0}, {VP, 1}, {VI, 2}, {EDR, 3}, {A2DP, 4}, {MIC, 5}, {RESTART, 7}}},
    {"FirstSet41", 0x4D10, 4, 1, 9.5f, 2,
     {{BUTTONS, 0}, {VP, 1}, {VI, 2}, {EDR, 3}, {NOTE, 4}, {PLC, 5.5f}, {A2DP, 6.5f}, {MIC, 7.5f}, {RESTART, 8.5f}}},
    {"BothSets40", 0x5020, 4, 0, 7.5f, 5,
     {{BUTTONS, 0}, {VP, 1}, {VI, 2}, {EDR, 3}, {NOTE, 4}, {PLC, 5.5f}, {RESTART, 7}}},
    {"BothSetsBelow40", 0x4D10, 3, 9, 6.5f, 5, {{BUTTONS, 0}, {VP, 1}, {VI, 2}, {EDR, 3}, {NOTE, 4}, {RESTART, 7}}},
    {"SecondSetFrom50", 0x5040, 5, 0, 7, 5, {{BUTTONS, 0}, {VP, 1}, {VI, 2}, {EDR, 3}, {A2DP, 4}, {SIDE, 5}, {RESTART, 7}}},
    {"AnyVersion5011", 0x5011, 1, 0, 7, 5, {{BUTTONS, 0}, {VP, 1}, {VI, 2}, {EDR, 3}, {A2DP, 4}, {SIDE, 5}, {RESTART, 7}}},
    {"Model2020Below11", 0x2020, 1, 0, 7, 5, {{BUTTONS, 0}, {VP, 1}, {VI, 2}, {EDR, 3}, {A2DP, 4}, {SIDE, 5}, {RESTART, 7}}},
    {"SecondSet42", 0x5080, 4, 4, 7, 5, {{BUTTONS, 0}, {VP, 1}, {VI, 2}, {EDR, 3}, {A2DP, 4}, {RESTART, 7}}},
    {"Model5070From42", 0x5070, 5, 2, 7, 5, {{BUTTONS, 0}, {VP, 1}, {VI, 2}, {EDR, 3}, {A2DP, 4}, {RESTART, 7}}},
    {"SecondSet41", 0x5060, 4, 1, 8.5f, 2,
     {{BUTTONS, 0}, {VP, 1}, {VI, 2}, {EDR, 3}, {NOTE, 4}, {PLC, 5.5f}, {A2DP, 6.5f}, {RESTART, 7.5f}}},
    {"Model2020From11", 0x2020, 1, 1, 7, 5,
     {{BUTTONS, 0}, {VP, 1}, {VI, 2}, {EDR, 3}, {A2DP, 4}, {SIDE, 5}, {QS, 6}, {RESTART, 7}}},
    {"PhoneEdrFrom20", 0x4D45, 2, 0, 6, 2, {{BUTTONS, 0}, {VP, 1}, {EDR, 2}, {A2DP, 3}, {SIDE, 4}, {RESTART, 7}}},
    {"Model4D85", 0x4D85, 1, 0, 6, 2, {{BUTTONS, 0}, {VP, 1}, {EDR, 2}, {A2DP, 3}, {SIDE, 4}, {RESTART, 7}}},
    {"PhoneEdr12", 0x4D35, 1, 5, 6, 2, {{BUTTONS, 0}, {VP, 1}, {EDR, 2}, {A2DP, 3}, {RESTART, 7}}},
    {"OlderPhoneEdr", 0x2310, 1, 0, 6, 2, {{BUTTONS, 0}, {VP, 1}, {EDR, 2}, {A2DP, 3}, {RESTART, 7}}},
    {"PhoneEdrBelow12", 0x4D55, 1, 1, 6.5f, 5, {{BUTTONS, 0}, {VP, 1}, {EDR, 2}, {NOTE, 3}, {PLC, 4.5f}, {RESTART, 7}}},
    {"PhoneOnly", 0x2120, 1, 0, 6, 2, {{BUTTONS, 0}, {VP, 1}, {RESTART, 7}}},
    {"Model6430", 0x6430, 1, 0, 6, 2, {{BUTTONS, 0}, {VP, 1}}},
    {"Model6420", 0x6420, 1, 0, 6, 2, {{BUTTONS, 0}, {VP, 1}, {EDR, 2}}},
    {"Model4111", 0x4111, 1, 0, 7, 5, {{BUTTONS, 0}, {EDR, 1}, {A2DP, 2}, {RESTART, 7}}},
    {"Model6121", 0x6121, 1, 0, 7, 5, {{BUTTONS, 0}, {EDR, 1}, {A2DP, 2}, {SIDE, 3}, {QS, 4}, {RESTART, 5}}},
    {"Model4120", 0x4120, 1, 0, 7, 5, {{BUTTONS, 0}, {EDR, 1}, {A2DP, 2}, {SIDE, 3}, {QS, 4}, {AGC, 5}, {RESTART, 7}}},
    {"Model4040", 0x4040, 1, 0, 7, 5, {{BUTTONS, 0}, {SIDE, 1}, {RESTART, 7}}},
    {"Model4D21", 0x4D21, 1, 0, 7, 5, {{BUTTONS, 0}, {SIDE, 1}, {RESTART, 6}}},
    {"Model5210", 0x5210, 1, 0, 4, 5, {{BUTTONS, 0}, {RESTART, 7}}},
    {"Model4210From12", 0x4210, 1, 2, 7, 5,
     {{BUTTONS, 0}, {MORE, 7}, {VP, 1}, {SIDE, 2}, {MOTION, 3}, {WEAVE, 4}, {OVERLAY, 5}, {NAVI, 6}}},
    {"Model4210At11", 0x4210, 1, 1, 6, 5,
     {{BUTTONS, 0}, {MORE, 0}, {VP, 1}, {SIDE, 2}, {MOTION, 3}, {WEAVE, 4}, {OVERLAY, 5}, {NAVI, 6}}},
    {"Model4210Below11", 0x4210, 1, 0, 4, 5, {{BUTTONS, 0}, {VP, 1}, {SIDE, 2}, {WEAVE, 3}, {OVERLAY, 4}}},
    {"NewerHeadsets", 0x6210, 1, 0, 7, 5,
     {{BUTTONS, 0}, {MORE, 7}, {BOOST, 1}, {VP, 2}, {VI, 3}, {A2DP, 4}, {SIDE, 5}, {QS, 6}}},
};

class RowLayoutTest : public WizardTest, public ::testing::WithParamInterface<Arrangement> {
protected:
    static void Enter(CUpdaterDlg& dlg, int model, int major, int minor) {
        Recognise(dlg, model, (1 << 1) | (1 << 2) | (1 << 3));
        dlg.m_deviceRecord.m_version.Set(major, minor, 0, 0, 0);
        if (dlg.m_nPage == PAGE_DEVICE_SETTING) dlg.m_nPage = PAGE_WELCOME;  // enter it afresh
        dlg.GoToPage(PAGE_DEVICE_SETTING);
        ASSERT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
    }
    static RECT Place(CUpdaterDlg& dlg, int id) {
        RECT r = {};
        ::GetWindowRect(::GetDlgItem(dlg.m_settingPage.m_hWnd, id), &r);
        return r;
    }
};

}  // namespace

TEST_P(RowLayoutTest, EveryRowStandsInItsRow) {
    const Arrangement& a = GetParam();
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        // Another arrangement first, so that nothing stands where it should
        // by chance of the template.
        Enter(dlg, a.model == 0x4D10 ? 0x6420 : 0x4D10, 4, 1);
        Enter(dlg, a.model, a.major, a.minor);
        RECT page;
        dlg.m_settingPage.GetWindowRect(&page);
        const float rows = a.rows < 8.0f ? 8.0f : a.rows;
        const float height = (float)((page.bottom - page.top) - 2 * a.margin) / rows;
        for (const auto& p : a.placed) {
            for (int id : kRowControls.at(p.first)) {
                RECT r = Place(dlg, id);
                float slack = height - (float)(r.bottom - r.top);
                if (slack < 0) slack = 0;
                const int top = (int)((float)(page.top + a.margin) + height * p.second + slack / 2.0f);
                EXPECT_EQ(top - page.top, r.top - page.top) << "control " << id << " at row " << p.second;
            }
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Arrangements, RowLayoutTest, ::testing::ValuesIn(kArrangements),
                         [](const ::testing::TestParamInfo<Arrangement>& i) { return std::string(i.param.name); });

// The two-chip headsets but 0x4210 (and every model no arrangement names)
// leave the classic controls where they were.
TEST_F(WizardTest, ModelsWithoutAnArrangementMoveNothing) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (int model : {0x4310, 0x4510, 0x2030}) {
            Recognise(dlg, 0x4D10, (1 << 1));
            dlg.m_deviceRecord.m_version.Set(4, 1, 0, 0, 0);
            dlg.GoToPage(PAGE_DEVICE_SETTING);
            std::vector<RECT> before;
            for (const auto& row : kRowControls)
                for (int id : row.second) {
                    RECT r;
                    ::GetWindowRect(::GetDlgItem(dlg.m_settingPage.m_hWnd, id), &r);
                    before.push_back(r);
                }
            dlg.m_nPage = PAGE_WELCOME;
            Recognise(dlg, model, (1 << 1));
            dlg.GoToPage(PAGE_DEVICE_SETTING);
            ASSERT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
            size_t i = 0;
            for (const auto& row : kRowControls)
                for (int id : row.second) {
                    RECT r;
                    ::GetWindowRect(::GetDlgItem(dlg.m_settingPage.m_hWnd, id), &r);
                    EXPECT_EQ(before[i].top, r.top) << std::hex << model << " control " << std::dec << id;
                    ++i;
                }
            dlg.m_nPage = PAGE_WELCOME;
        }
    });
}
