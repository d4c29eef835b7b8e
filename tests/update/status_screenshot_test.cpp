// Pictures of the wizard's status line with the longest failure texts of the
// HID update paths, in languages with long words and in one with wide
// glyphs, for a person to look at.
#include "tests/app/WizardHarness.h"
#include "framework/TestSeams.h"
#include "texts/MessageTexts.h"
#include "update/FirmwareInfo.h"
#include "update/HidUpdateJob.h"

namespace {

class StatusScreenshotTest : public WizardTest {};

// Moves the record's texts to the status line, as the progress tick does.
void ShowRecordTexts(CUpdaterDlg& dlg, const CFirmwareInfo& info) {
    for (int i = 0; i < 13; ++i) dlg.SetStatusTextForLanguage(info.PeekStatusText(i), i);
    CString current;
    dlg.GetStatusText(&current);
    dlg.ShowStatusText(current, TRUE);
    dlg.UpdateControls();
}

TEST_F(StatusScreenshotTest, LongestUpdateFailuresOnTheStatusLine) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x5510);
        dlg.ShowFirmwareUpdatePage(TRUE);
        ASSERT_TRUE(WaitIdle(dlg));
        CFirmwareInfo info;
        HidUpdateJob job;
        job.info = &info;
        job.page = 3;
        struct Shot {
            int language;
            const wchar_t* name;
        } shots[] = {{0, L"en"}, {2, L"de"}, {8, L"ru"}, {10, L"fi"}, {4, L"ja"}};
        for (const Shot& s : shots) {
            dlg.ApplyLanguage(s.language, TRUE);
            hidupdate::ReportFailure(job, L"%s. %s [2][10]. %s.",
                                     static_cast<HidTextGetter>(&GetTextMsgCameraFirmwareUpdateFailed),
                                     static_cast<HidTextGetter>(&GetTextMsgTryAgain));
            ShowRecordTexts(dlg, info);
            fw::test::PumpFor(200);
            Screenshot(dlg.m_hWnd, (std::wstring(L"hid_update_card_failure_") + s.name).c_str());
        }
    });
}

}  // namespace
