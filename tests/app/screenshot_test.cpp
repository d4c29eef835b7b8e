// Pictures of the main window in several languages, for a person to look at.
#include "WizardHarness.h"
#include "app/DialogMessageBox.h"
#include "framework/TestSeams.h"
#include "texts/WizardTexts.h"

namespace {

struct Shot {
    int language;
    const wchar_t* name;
};

void PrintTo(const Shot& shot, std::ostream* os) {
    std::wstring n = shot.name;
    *os << std::string(n.begin(), n.end());
}

class ScreenshotTest : public WizardTest, public ::testing::WithParamInterface<Shot> {};

}  // namespace

TEST_P(ScreenshotTest, MainWindowOnEachPage) {
    const Shot shot = GetParam();
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.ApplyLanguage(shot.language, TRUE);
        fw::test::PumpFor(200);
        Screenshot(dlg.m_hWnd, (std::wstring(L"wizard_welcome_") + shot.name).c_str());

        Recognise(dlg, 0x4D10, (1 << 1) | (1 << 3) | (1 << 2));
        dlg.ShowFirmwareUpdatePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.m_nProgress = 42;
        dlg.UpdateControls();
        fw::test::PumpFor(200);
        Screenshot(dlg.m_hWnd, (std::wstring(L"wizard_update_") + shot.name).c_str());

        dlg.m_nProgress = -1;
        dlg.ShowDeviceSettingSecondPage(TRUE);
        fw::test::PumpFor(200);
        Screenshot(dlg.m_hWnd, (std::wstring(L"wizard_fmradio_") + shot.name).c_str());
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, ScreenshotTest,
                         ::testing::Values(Shot{0, L"en"}, Shot{2, L"de"}, Shot{4, L"ja"}, Shot{8, L"ru"}),
                         [](const ::testing::TestParamInfo<Shot>& info) {
                             std::wstring n = info.param.name;
                             return std::string(n.begin(), n.end());
                         });

TEST_F(WizardTest, BoxesInGermanAndJapanese) {
    fw::test::SetModalAnswer([](CDialog&) -> std::optional<INT_PTR> { return std::nullopt; });
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x5520, 1 << 1);
        for (int language : {2, 4}) {
            dlg.ApplyLanguage(language, TRUE);
            dlg.m_nPage = 5;
            CString text, yes, no;
            dlg.GetSaveChangesPrompt(&text);
            dlg.m_nPage = 1;
            GetTextYes(yes, language);
            GetTextNo(no, language);
            CSize size(400, 130);
            CDialogMessageBox box(&dlg);
            box.Setup(text, 0, no, yes, &size);
            WhenShown(&box, [&](CDialog& d) {
                fw::test::PumpFor(200);
                Screenshot(d.m_hWnd, language == 2 ? L"save_prompt_de" : L"save_prompt_ja");
                d.EndDialog(IDCANCEL);
            });
            box.DoModal();

            CDialogMessageBox* wait = new CDialogMessageBox(&dlg);
            dlg.GetPressAndHoldText(&text);
            CSize waitSize(400, 110);
            wait->Setup(text, 1, nullptr, nullptr, &waitSize);
            ASSERT_TRUE(wait->CreateWaitBox(&dlg));
            fw::test::PumpFor(300);
            Screenshot(wait->m_hWnd, language == 2 ? L"wait_box_de" : L"wait_box_ja");
            wait->DestroyWindow();
            delete wait;
        }
    });
}
