#include "settings/SettingsSave.h"
#include "app/DialogMessageBox.h"
#include "app/UpdaterDlg.h"
#include "settings/SettingsTexts.h"
#include "texts/MessageTexts.h"
#include "texts/WizardTexts.h"
#include "framework/Thread.h"
#include <memory>

namespace {

struct SaveWorker {
    HWND page;
    std::function<SettingsWriteResult()> write;
};

UINT SaveWorkerMain(LPVOID param) {
    std::unique_ptr<SaveWorker> worker((SaveWorker*)param);
    SettingsWriteResult result = worker->write();
    ::PostMessageW(worker->page, WM_SETTINGS_SAVE_WRITTEN, (WPARAM)result, 0);
    return 0;
}

}  // namespace

CSettingsSave::CSettingsSave(CUpdaterDlg& main, std::function<void()> refreshPage)
    : m_main(main), m_refreshPage(std::move(refreshPage)) {}

void CSettingsSave::Start() {
    CString activity;
    m_main.BuildActivityStatusTexts(&activity);
    m_main.ShowStatusText(activity, FALSE);
    m_main.m_bBusy = TRUE;
    m_main.UpdateControls();
    m_refreshPage();
}

bool CSettingsSave::Write(HWND page, std::function<SettingsWriteResult()> write, SettingsWriteResult* result) {
    if (IsHidSettingsModel(m_main.m_nTargetModel)) {
        SaveWorker* worker = new SaveWorker{page, std::move(write)};
        if (AfxBeginThread(&SaveWorkerMain, worker)) return true;
        delete worker;
        *result = SETTINGS_WRITE_FAILED;  // no worker: nothing was written
        return false;
    }
    *result = write();
    return false;
}

void CSettingsSave::EndBusy() {
    m_main.m_bBusy = FALSE;
    m_main.UpdateControls();
    m_refreshPage();
}

void CSettingsSave::Finish(SettingsWriteResult result, const CDeviceRecord& working, int pendingPage) {
    const BOOL close = m_main.m_bCloseAfterSave;
    m_main.m_bCloseAfterSave = FALSE;
    if (result == SETTINGS_WRITTEN) {
        EndBusy();
        m_main.m_deviceRecord.CopyFrom(working, FALSE);
        int next = pendingPage ? pendingPage + 100 : m_main.m_nPage;
        m_main.ShowRecognitionPage(FALSE, nullptr, next);
        if (close) m_main.PostMessage(WM_CLOSE);
        return;
    }
    bool wrongDevice = result == SETTINGS_WRONG_DEVICE;
    for (int language = 0; language < STATUS_LANGUAGES; ++language) {
        CString failure, reason, text;
        GetTextPageFailure(failure, m_main.m_nPage, m_main.m_nUsbStatus, language);
        if (wrongDevice) GetTextMsgNotRecognizedDevice(reason, language);
        else GetTextMsgCouldNotWriteToDevice(reason, language);
        text.Format(L"%s. %s", (const wchar_t*)failure, (const wchar_t*)reason);
        m_main.SetStatusTextForLanguage(text, language);
    }
    CString status;
    m_main.GetStatusText(&status);
    m_main.ShowStatusText(status, TRUE);
    EndBusy();

    int language = m_main.m_nLanguage;
    CString message, ok;
    if (wrongDevice) GetTextMsgRecognizedDeviceNotConnected(message, language);
    else settingstext::Get(message, settingstext::kWriteFailedBox, language);
    GetTextOk(ok, language);
    CSize size(400, 165);
    CDialogMessageBox box(&m_main);
    box.Setup(message, 1, nullptr, ok, &size);
    box.DoModal();
}
