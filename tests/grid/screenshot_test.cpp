// Pictures of the host grid with every cell kind and one popup open, in
// English, German and Japanese: saved under out/screenshots to be looked at.
// They come from the screen, so these tests run alone.
#include "GridHost.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"
#include "texts/Language.h"

namespace {

struct Sample {
    int language;
    const wchar_t* name;
};

class GridPictureTest : public FocusedGridTest, public ::testing::WithParamInterface<Sample> {
protected:
    void Fill(int lang) {
        AddColumns(210);
        CString enable, disable;
        GetTextEnable(enable, lang);
        GetTextDisable(disable, lang);
        AddCheckRow(0, g_txtVoicePrompt[lang][0], FALSE, enable, disable);
        AddCheckRow(1, g_txtSidetone[lang][0], TRUE, enable, disable);
        std::vector<CString> levels;
        for (int i = 0; i < 10; ++i) levels.push_back(g_txtLevels[lang][i]);
        AddComboRow(2, g_txtVoxSensitivity[lang][0], levels, 3);
        AddComboRow(3, g_txtAudioChannelTimeout[lang][0],
                    {g_txtLowMediumHigh[lang][0], g_txtLowMediumHigh[lang][1], g_txtLowMediumHigh[lang][2]}, 1);
        AddCheckRow(4, g_txtQuietSphere[lang][0], FALSE, enable, disable);
        List().SetCellDisabled(4, 2, TRUE);
        AddComboRow(5, g_txtEssSensitivity[lang][0], {g_txtEssOn[lang][0], g_txtEssOff[lang][0]}, -1);
        List().SetCellDisabled(5, 2, TRUE);
        auto* single = new CCellCheckBox();
        AddRow(6, g_txtFmRadio[lang][0], single, g_txtMusic[lang][0]);
        List().InsertItem(7, L"");
        List().SetItem(7, 1, LVIF_TEXT, g_txtSpeedDial[lang][0], 0, 0, 0, 0);
        List().SetItem(7, 2, LVIF_TEXT, g_txtDate[lang][0], 0, 0, 0, 0);
    }
};

TEST_P(GridPictureTest, EveryCellKindAndAnOpenPopup) {
    Fill(GetParam().language);
    Paint();
    Screenshot((CString(L"grid_cells_") + GetParam().name).GetString());
    ClickCell(2, 2);
    auto* combo = List().GetCellAs<CCellComboBox>(2, 2);
    ASSERT_NE(nullptr, combo);
    ASSERT_TRUE(combo->GetPopupList()->IsWindowVisible());
    combo->GetPopupList()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 30));
    Screenshot((CString(L"grid_popup_") + GetParam().name).GetString());
}

INSTANTIATE_TEST_SUITE_P(Languages, GridPictureTest,
                         ::testing::Values(Sample{0, L"en"}, Sample{2, L"de"}, Sample{4, L"ja"}),
                         [](const ::testing::TestParamInfo<Sample>& info) {
                             std::wstring n(info.param.name);
                             return std::string(n.begin(), n.end());
                         });

}  // namespace
