// The recognition outcome report: the status line in the 13 languages, the
// USB and other-device boxes, and the page that follows.
#include "recognition/DialogDeviceRecognition.h"
#include "app/DialogMessageBox.h"
#include "app/ShellOpen.h"
#include "app/UpdaterDlg.h"
#include "core/ModelCatalog.h"
#include "texts/MessageTexts.h"
#include "texts/WizardTexts.h"

namespace {

const int kManagementStatus = 0x8000;

// How many arguments a format text takes ("%%" takes none).
int FormatArguments(const CString& format) {
    int count = 0;
    for (int i = 0; i < format.GetLength(); ++i) {
        if (format[i] != L'%') continue;
        if (i + 1 < format.GetLength() && format[i + 1] == L'%') {
            ++i;
            continue;
        }
        ++count;
    }
    return count;
}

// format filled with one text; false when the format wants more than one.
bool FillOne(CString* out, const CString& format, const CString& arg) {
    if (FormatArguments(format) > 1) return false;
    out->Format(format, (const wchar_t*)arg);
    return true;
}

}  // namespace

void CDialogDeviceRecognition::SetStatusLine(const CString (&texts)[13], BOOL error) {
    CUpdaterDlg* main = Main();
    for (int i = 0; i < STATUS_LANGUAGES; ++i) main->SetStatusTextForLanguage(texts[i], i);
    int language = main->m_nLanguage >= 0 && main->m_nLanguage < STATUS_LANGUAGES ? main->m_nLanguage : 0;
    main->ShowStatusText(texts[language], error);
}

void CDialogDeviceRecognition::ReportOutcome(int outcome, BOOL report) {
    CUpdaterDlg* main = Main();
    CString texts[STATUS_LANGUAGES];
    switch (outcome) {
    case RECOGNITION_OK:
    case RECOGNITION_MANAGEMENT_MODE:
        StopHidPoll();
        ReportSuccess(outcome);
        return;
    case RECOGNITION_NO_DEVICE:
    case RECOGNITION_NO_CAMERA_DRIVE:
        for (int i = 0; i < STATUS_LANGUAGES; ++i) {
            CString failure, reason;
            GetTextPageFailure(failure, PAGE_RECOGNITION, i);
            if (outcome == RECOGNITION_NO_DEVICE) GetTextMsgCannotOpenUsb(reason, i);
            else GetTextMsgCheckSdCard(reason, i);
            texts[i].Format(L"%s. %s", (const wchar_t*)failure, (const wchar_t*)reason);
        }
        SetStatusLine(texts, TRUE);
        return;
    case RECOGNITION_TOO_FEW_INTERFACES:
    case RECOGNITION_TOO_MANY_INTERFACES:
    case RECOGNITION_DFU_LISTED_FEWER:
    case RECOGNITION_DFU_LISTED_MORE:
        if (!report) return;
        ShowUsbBox(GetUsbInterfaceCountText(outcome <= RECOGNITION_TOO_MANY_INTERFACES, outcome));
        main->ShowWelcomePage();
        return;
    case RECOGNITION_MODE_MISMATCH:
        ShowUsbBox(GetUsbInterfaceProblemText());
        main->ShowWelcomePage();
        return;
    case RECOGNITION_OTHER_MODEL: {
        CString name, text, ok;
        GetModelName(name, main->m_nTargetModel, FALSE);
        text.Format(GetOtherDeviceText(), (const wchar_t*)name);
        GetTextOk(ok, main->m_nLanguage);
        CSize size(440, 130);
        CDialogMessageBox box(main);
        box.Setup(text, 1, nullptr, ok, &size);
        box.DoModal();
        main->ShowWelcomePage();
        return;
    }
    default:
        return;
    }
}

void CDialogDeviceRecognition::ShowUsbBox(const CString& text) {
    CUpdaterDlg* main = Main();
    CString mail, ok;
    GetTextSendEmail(mail, main->m_nLanguage);
    GetTextOk(ok, main->m_nLanguage);
    CSize size(520, 180);
    CDialogMessageBox box(main);
    box.Setup(text, 1, mail, ok, &size);
    if (box.DoModal() == IDCANCEL) ShellOpen(CString(L"mailto:") + kSupportMailAddress);
}

void CDialogDeviceRecognition::ReportSuccess(int outcome) {
    CUpdaterDlg* main = Main();
    CString texts[STATUS_LANGUAGES];
    bool management = main->m_nUsbStatus >= kManagementStatus;

    if (m_nReturnPage > 100) {
        main->GoToPage(m_nReturnPage - 100);
        if (m_bWriteBackFailed) return ReportWriteBackFailed();
        if (!management) return;
        // The page's success text filled with the next page's instruction;
        // a text that wants more than that (WELCOME's) leaves the status
        // line as the page switch set it.
        int shown = main->m_nPage;
        for (int i = 0; i < STATUS_LANGUAGES; ++i) {
            CString success, instruction;
            GetTextPageSuccess(success, shown, i);
            GetTextPageInstruction(instruction, shown + 1, main->m_nUsbStatus, i);
            if (!FillOne(&texts[i], success, instruction)) return;
        }
        SetStatusLine(texts, TRUE);
        return;
    }

    if (m_nReturnPage >= PAGE_FIRMWARE_UPDATE && m_nReturnPage <= PAGE_SPEED_DIAL) {
        switch (m_nReturnPage) {
        case PAGE_FIRMWARE_UPDATE: main->ShowFirmwareUpdatePage(FALSE); break;
        case PAGE_FIRMWARE_RESTORE: main->ShowFirmwareRestorePage(FALSE); break;
        case PAGE_DEVICE_SETTING: main->ShowDeviceSettingPage(FALSE); break;
        case PAGE_FM_RADIO: main->ShowDeviceSettingSecondPage(FALSE); break;
        default: main->ShowSpeedDialPage(FALSE); break;
        }
        if (m_bWriteBackFailed) return ReportWriteBackFailed();
        for (int i = 0; i < STATUS_LANGUAGES; ++i) GetTextPageSuccess(texts[i], m_nReturnPage, i);
        SetStatusLine(texts, FALSE);
        return;
    }

    int page = main->m_nPage;
    for (int i = 0; i < STATUS_LANGUAGES; ++i) {
        CString head, instruction;
        if (outcome == RECOGNITION_OK) {
            GetTextPageSuccess(head, page, i);
        } else {
            CString mode;
            GetTextFirmwareManagementMode(mode, i);
            head.Format(L"%s. %%s", (const wchar_t*)mode);
        }
        GetTextPageInstruction(instruction, page + 1, 0, i);
        FillOne(&texts[i], head, instruction);
    }
    main->ShowFirmwareUpdatePage(FALSE);
    if (m_bWriteBackFailed) return ReportWriteBackFailed();
    SetStatusLine(texts, management);
}

void CDialogDeviceRecognition::ReportWriteBackFailed() {
    // The device is recognised, but the saved settings it was given are not
    // all on it: the same words as a failed SAVE of the settings.
    CString texts[STATUS_LANGUAGES];
    for (int i = 0; i < STATUS_LANGUAGES; ++i) {
        CString failure, reason;
        GetTextPageFailure(failure, PAGE_DEVICE_SETTING, i);
        GetTextMsgCouldNotWriteToDevice(reason, i);
        texts[i].Format(L"%s. %s", (const wchar_t*)failure, (const wchar_t*)reason);
    }
    SetStatusLine(texts, TRUE);
}
