// The server side of the page: the firmware list check on entry (timer
// 201), the new-firmware prompt, and the image download (Download, timer 206).
#include "update/DialogFirmwareUpdate.h"
#include "app/AppPaths.h"
#include "app/DialogNewUpdateFound.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "core/Download.h"
#include "core/ModelCatalog.h"
#include "core/ServerAddress.h"
#include "texts/LanguageNames.h"
#include "texts/MessageTexts.h"
#include "texts/UpdatePageTexts.h"
#include "texts/WizardTexts.h"
#include "update/BatchHeadset.h"
#include "update/FirmwareList.h"
#include "update/NewerFirmware.h"
#include <cstdlib>

namespace {

// The firmware list as read on the worker that fetched it.
struct FirmwareListRead : CDownloadProduct {
    FirmwareListResult list;
};

}  // namespace

void CDialogFirmwareUpdate::CheckServerList() {
    KillTimer(kTimerServerList);
    // The page is not left while its list is fetched (also when a language
    // change fetches it again); a fetch still running is dropped.
    CUpdaterDlg* main = MainDialog();
    if (!main->m_bBusy) {
        main->m_bBusy = TRUE;
        main->UpdateControls();
    }
    FirmwareListQuery query;
    const int model = main->m_nTargetModel;
    // A 0x5060 headset of the batch is served 0x5011's firmware; one that
    // cannot be reached matches no entry.
    const int listModel = model == BATCH_HEADSET_MODEL ? BatchListModel(ProbeBatchHeadsetOverUsb()) : model;
    if (listModel) GetModelName(query.modelName, listModel, TRUE);
    query.fourPartVersion = main->m_nTargetModel == 0x3020;
    query.firmwareLanguage = main->m_strFirmwareLanguage;
    auto read = [query](const std::string& body) {
        std::unique_ptr<FirmwareListRead> product(new FirmwareListRead);
        product->list = ReadFirmwareList(body.c_str(), query);  // up to the first zero byte
        return std::unique_ptr<CDownloadProduct>(std::move(product));
    };
    m_listJob.Reset(CDownloadJob::Start(GetServerBaseUrl() + L"Firmware", CString(), ListDownloadLimits(),
                                        CDownloadJob::PostTo(m_hWnd, WM_FIRMWARE_LIST_DONE), read));
}

LRESULT CDialogFirmwareUpdate::OnFirmwareListDone(WPARAM, LPARAM cookie) {
    if (!m_listJob.Holds(cookie)) return 0;
    const FirmwareListRead* read = m_listJob->Result() > 0 ? m_listJob->ProductAs<FirmwareListRead>() : nullptr;
    FirmwareListResult list;
    if (read) list = read->list;
    m_listJob.Reset();
    ServerListArrived(read ? &list : nullptr);
    return 0;
}

void CDialogFirmwareUpdate::ServerListArrived(const FirmwareListResult* list) {
    CUpdaterDlg* main = MainDialog();
    const int model = main->m_nTargetModel;

    if (!list) {
        for (int& w : m_firmwareInfo.m_anVersion) w = 0;
    } else {
        ApplyFirmwareList(*list, &m_firmwareInfo);
        if (list->usbStatusGiven) main->m_nUsbStatus = list->usbStatus;
        // The combo lists the record's languages, named in the UI language.
        m_comboVoicePrompt.ResetContent();
        for (int i = 0; i < m_firmwareInfo.m_nCount; ++i) {
            CString name;
            TranslateLanguageName(name, m_firmwareInfo.m_astrLanguages[i], main->m_nLanguage);
            m_comboVoicePrompt.AddString(name);
        }
        if (list->selection >= 0) m_comboVoicePrompt.SetCurSel(list->selection);
    }

    if (m_comboVoicePrompt.GetCount() > 0 && main->m_bApplyToFirmwareLanguage) {
        CString english;
        GetLanguageNameIn(english, main->m_nLanguage, 0);
        int index = SelectFirmwareLanguage(&m_firmwareInfo, english);
        if (index >= 0) m_comboVoicePrompt.SetCurSel(index);
    }

    // Refresh first, so that the prompt sits above the filled page.
    m_firmwareInfo.m_nStep = FW_STEP_IDLE;
    main->m_bBusy = FALSE;
    main->UpdateControls();
    UpdateControls();

    if (g_bUpdatePromptArmed == 1) {
        m_bAutoUpdate = IsNewerFirmwareAvailable();
        if (m_bAutoUpdate) {
            CDialogNewUpdateFound prompt(main);
            const int* v = m_firmwareInfo.m_anVersion;
            if (model == 0x3020) prompt.m_strLatestVersion.Format(L"v%d.%d.%d.%d", v[2], v[3], v[0], v[1]);
            else prompt.m_strLatestVersion.Format(L"v%d.%d", v[0], v[1]);
            if (prompt.DoModal() == IDOK)
                PostMessage(WM_COMMAND, MAKEWPARAM(IDC_UPDATE_DOWNLOAD, BN_CLICKED), (LPARAM)m_btnDownload.m_hWnd);
            else
                m_bAutoUpdate = 0;
        }
    } else {
        g_bUpdatePromptArmed = 1;
    }
}

int CDialogFirmwareUpdate::IsNewerFirmwareAvailable() {
    CUpdaterDlg* main = MainDialog();
    const int* v = m_firmwareInfo.m_anVersion;
    if (!(v[0] || v[1] || v[2] || v[3])) return 0;  // nothing known to offer
    // A 0x5060 target asks the headset over USB whether it is of the batch.
    const int model = main->m_nTargetModel;
    const int batchProbe = model == BATCH_HEADSET_MODEL ? ProbeBatchHeadsetOverUsb() : 0;
    return IsNewerFirmware(model, v, main->m_deviceRecord, batchProbe);
}

void CDialogFirmwareUpdate::OnBnClickedDownload() {
    CUpdaterDlg* main = MainDialog();
    if (main->m_bBusy) return;
    if (m_comboVoicePrompt.GetCount() > 0) {
        int selected = m_comboVoicePrompt.GetCurSel();
        if (selected >= 0 && selected < m_firmwareInfo.m_nCount)
            m_firmwareInfo.m_strSelectedFile = m_firmwareInfo.m_astrFileNames[selected];
    }
    m_firmwareInfo.m_nStep = FW_STEP_DOWNLOAD;
    main->m_bBusy = TRUE;
    main->UpdateControls();
    UpdateControls();

    CString filter;
    GetTextFirmwareFileFilter(filter, main->m_nLanguage);
    filter += L"*.img||";
    // Only a plain file name is proposed; a name with a folder or drive part is refused below.
    CString proposed = IsPlainServerFileName(m_firmwareInfo.m_strSelectedFile) ? m_firmwareInfo.m_strSelectedFile
                                                                              : CString();
    CFileDialog dlg(FALSE, nullptr, proposed, OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, filter,
                    this);
    dlg.m_initialDir = apppaths::FileDialogFolder(main->m_strCurrentPath);
    if (dlg.DoModal() != IDOK) {
        m_bAutoUpdate = 0;
        main->m_bBusy = FALSE;
        main->UpdateControls();
        UpdateControls();
        return;
    }
    CString path = dlg.GetPathName();
    int slash = path.ReverseFind(L'\\');
    if (slash >= 0) main->m_strCurrentPath = path.Left(slash + 1);
    m_firmwareInfo.m_strFirmwarePath = path;
    for (int i = 0; i < STATUS_LANGUAGES; ++i) {
        CString activity, about, text;
        GetTextPageActivity(activity, main->m_nPage, main->m_nUsbStatus, i);
        GetTextMsgAboutToDownloadLatestFirmware(about, i);
        text.Format(L"%s %s", (const wchar_t*)activity, (const wchar_t*)about);
        main->SetStatusTextForLanguage(text, i);
        m_firmwareInfo.SetStatusText(i, text);
    }
    CString current;
    main->GetStatusText(&current);
    main->ShowStatusText(current, FALSE);
    SetTimer(kTimerDownload, 500);
}

void CDialogFirmwareUpdate::DownloadFirmware() {
    KillTimer(kTimerDownload);
    if (!IsPlainServerFileName(m_firmwareInfo.m_strSelectedFile)) {
        DownloadEnded(DOWNLOAD_CANNOT_OPEN_URL);
        return;
    }
    CString url = GetServerBaseUrl() + m_firmwareInfo.m_strSelectedFile;
    m_imageJob.Reset(CDownloadJob::Start(url, m_firmwareInfo.m_strFirmwarePath, DownloadLimits(),
                                         CDownloadJob::PostTo(m_hWnd, WM_FIRMWARE_IMAGE_DONE)));
}

LRESULT CDialogFirmwareUpdate::OnFirmwareImageDone(WPARAM, LPARAM cookie) {
    if (!m_imageJob.Holds(cookie)) return 0;
    const int result = m_imageJob->Result();
    m_imageJob.Reset();
    DownloadEnded(result);
    return 0;
}

void CDialogFirmwareUpdate::DownloadEnded(int result) {
    CUpdaterDlg* main = MainDialog();
    const bool ok = result > 0;
    m_firmwareInfo.ClearStatusTexts();
    if (!ok) {
        for (int i = 0; i < STATUS_LANGUAGES; ++i) {
            CString reason, failed, text;
            if (result == DOWNLOAD_CANNOT_CREATE_FILE) GetTextMsgCannotOpenFile(reason, i);
            else GetTextMsgCannotConnectToServer(reason, i);
            GetTextMsgFailedToDownloadLatestFirmware(failed, i);
            text.Format(L"%s. %s", (const wchar_t*)reason, (const wchar_t*)failed);
            main->SetStatusTextForLanguage(text, i);
        }
    } else if (!m_bAutoUpdate) {
        for (int i = 0; i < STATUS_LANGUAGES; ++i) {
            CString press;
            GetTextMsgPressUpdateButton(press, i);
            main->SetStatusTextForLanguage(press, i);
        }
    } else {
        CString unused;
        main->BuildActivityStatusTexts(&unused);
    }
    if (ok) {
        m_editFile.SetWindowText(m_firmwareInfo.m_strFirmwarePath);
        int end = m_firmwareInfo.m_strFirmwarePath.GetLength();
        m_editFile.SetSel(end, end);
    }
    m_firmwareInfo.m_nStep = FW_STEP_IDLE;
    main->m_bBusy = FALSE;
    main->UpdateControls();
    UpdateControls();
    CString current;
    main->GetStatusText(&current);
    main->ShowStatusText(current, !ok);

    // The automatic road goes on only with the image it has just fetched:
    // after a failed download nothing is flashed.
    if (m_bAutoUpdate && ok) main->PostMessage(WM_COMMAND, MAKEWPARAM(IDC_ACTION, BN_CLICKED), 0);
    else m_bAutoUpdate = 0;
}
