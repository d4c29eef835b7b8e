#include "app/ProgramUpdateCheck.h"
#include "app/AppPaths.h"
#include "app/AppTexts.h"
#include "app/AppVersion.h"
#include "app/DialogMessageBox.h"
#include "app/ShellOpen.h"
#include "app/SoftwareList.h"
#include "app/UpdaterDlg.h"
#include "core/FileLength.h"
#include "core/ServerAddress.h"
#include "core/VersionCompare.h"
#include "recognition/DialogDeviceSelection.h"
#include "texts/WizardTexts.h"

namespace {

// The version list as read on the worker that fetched it.
struct SoftwareListRead : CDownloadProduct {
    CSoftwareList list;
};

}  // namespace

DownloadLimits ProgramDownloadLimits() {
    DownloadLimits limits;
    limits.sameOriginAs = (const wchar_t*)GetServerBaseUrl();
    limits.replaceTarget = false;
    return limits;
}

DownloadLimits ProgramListLimits() {
    DownloadLimits limits = ProgramDownloadLimits();
    limits.maxBytes = ListDownloadLimits().maxBytes;
    return limits;
}

CString FreeInstallerPath(const CString& folder, const CString& name) {
    int dot = name.ReverseFind(L'.');
    CString stem = dot < 0 ? name : name.Left(dot);
    CString extension = dot < 0 ? CString() : name.Mid(dot);
    for (int n = 1; n <= 20; ++n) {
        CString candidate = folder + name;
        if (n > 1) candidate.Format(L"%s%s (%d)%s", (const wchar_t*)folder, (const wchar_t*)stem, n,
                                    (const wchar_t*)extension);
        if (::GetFileAttributesW(candidate) == INVALID_FILE_ATTRIBUTES && ::GetLastError() == ERROR_FILE_NOT_FOUND)
            return candidate;
    }
    return CString();
}

CProgramUpdateCheck::CProgramUpdateCheck() = default;
CProgramUpdateCheck::~CProgramUpdateCheck() = default;

BOOL CProgramUpdateCheck::IsDownloading() const { return m_downloadJob && !m_downloadJob->IsDone(); }

BOOL CProgramUpdateCheck::CancelForClose() {
    BOOL running = (m_listJob && !m_listJob->IsDone()) || IsDownloading();
    m_listJob.Reset();
    m_downloadJob.Reset();
    return running;
}

void CProgramUpdateCheck::GiveBack(CDialogDeviceSelection& page, CUpdaterDlg& main) {
    main.m_bBusy = FALSE;
    main.UpdateControls();
    page.RefreshModelButtons();
}

void CProgramUpdateCheck::SetStatus(CUpdaterDlg& main, int textId, BOOL error) {
    for (int i = 0; i < STATUS_LANGUAGES; ++i)
        main.SetStatusTextForLanguage(apptext::Get((apptext::Id)textId, i), i);
    CString current;
    main.GetStatusText(&current);
    main.ShowStatusText(current, error);
}

BOOL CProgramUpdateCheck::StartCheck(CDialogDeviceSelection& page) {
    if (IsDownloading()) return FALSE;
    auto read = [](const std::string& body) {
        std::unique_ptr<SoftwareListRead> product(new SoftwareListRead);
        product->list.Parse(body.c_str(), (int)body.size());
        return std::unique_ptr<CDownloadProduct>(std::move(product));
    };
    m_listJob.Reset(CDownloadJob::Start(GetServerBaseUrl() + L"x64/Software", CString(), ProgramListLimits(),
                                        CDownloadJob::PostTo(page.m_hWnd, WM_PROGRAM_LIST_DONE), read));
    return TRUE;
}

BOOL CProgramUpdateCheck::IsFetchingList() const { return m_listJob ? TRUE : FALSE; }

int CProgramUpdateCheck::ListArrived(CDialogDeviceSelection& page, CUpdaterDlg& main, LPARAM cookie) {
    if (!m_listJob.Holds(cookie)) return -1;
    const SoftwareListRead* read = m_listJob->Result() > 0 ? m_listJob->ProductAs<SoftwareListRead>() : nullptr;
    m_list = read ? read->list : CSoftwareList();
    m_listJob.Reset();
    // The check keeps the wizard busy on WELCOME; when another page has
    // been shown meanwhile, that page owns the wizard now and the check is
    // dropped (the next display of WELCOME checks again).
    if (main.m_nPage != PAGE_WELCOME) return -1;
    if (!read) {
        GiveBack(page, main);
        return 0;
    }
    return 1;
}

BOOL CProgramUpdateCheck::OfferNewerVersion(CDialogDeviceSelection& page, CUpdaterDlg& main) {
    SoftwareEntry entry;
    const BOOL found = m_list.Find(MANAGER_PROGRAM_NAME, &entry);
    m_list = CSoftwareList();
    if (!found ||
        CompareMajorMinor(entry.major, entry.minor, kManagerVersionMajor, kManagerVersionMinor) <= 0) {
        GiveBack(page, main);
        return FALSE;
    }

    CString text, yes, no;
    text.Format(apptext::Get(apptext::kNewProgramAvailable, main.m_nLanguage), entry.major, entry.minor);
    GetTextYes(yes, main.m_nLanguage);
    GetTextNo(no, main.m_nLanguage);
    CString notes = apptext::Get(apptext::kReleaseNotes, main.m_nLanguage);
    CSize size(480, 150);
    CDialogMessageBox box(&main);
    box.SetupEx(text, 0, notes, no, yes, &size, FALSE);
    if (box.DoModal() != IDOK) {
        GiveBack(page, main);
        return TRUE;
    }

    m_strInstallerUrl = GetServerBaseUrl() + entry.file;
    m_strInstallerPath = FreeInstallerPath(apppaths::ImageFolder(), entry.FileName());
    m_nExpectedSize = entry.size;
    m_nPollTicks = 0;
    if (m_strInstallerPath.IsEmpty()) {
        // No name left that is not taken: nothing is replaced, the download fails.
        main.m_nProgress = -1;
        GiveBack(page, main);
        SetStatus(main, apptext::kProgramDownloadFailed, TRUE);
        return TRUE;
    }
    main.m_nProgress = 0;
    SetStatus(main, apptext::kDownloadingProgram, FALSE);
    main.UpdateControls();
    page.RefreshModelButtons();
    // Nothing but a length tells a whole installer from a cut one: the
    // list's, or else the server's.
    DownloadLimits limits = ProgramDownloadLimits();
    limits.lengthRequired = m_nExpectedSize == 0;
    m_downloadJob.Reset(CDownloadJob::Start(m_strInstallerUrl, m_strInstallerPath, limits, nullptr));
    page.SetTimer(CDialogDeviceSelection::kTimerDownloadProgress, 1000);
    return TRUE;
}

void CProgramUpdateCheck::PollDownload(CDialogDeviceSelection& page, CUpdaterDlg& main) {
    if (!m_downloadJob) {
        page.KillTimer(CDialogDeviceSelection::kTimerDownloadProgress);
        return;
    }
    ++m_nPollTicks;
    int progress = m_downloadJob->Percent();
    main.m_nProgress = progress < 0 ? 0 : (progress > 100 ? 100 : progress);
    if (!m_downloadJob->IsDone()) {
        main.UpdateControls();
        return;
    }
    page.KillTimer(CDialogDeviceSelection::kTimerDownloadProgress);
    const int result = m_downloadJob->Result();
    m_downloadJob.Reset();

    // Only a complete installer of the listed size is opened. A download
    // that succeeded made its file in this run; one that does not match is
    // removed again. A failed download has made nothing.
    BOOL complete = FALSE;
    if (result > 0) {
        long onDisk = GetFileLength(m_strInstallerPath);
        complete = onDisk == result && (m_nExpectedSize == 0 || result == m_nExpectedSize);
        if (!complete) ::DeleteFileW(m_strInstallerPath);
    }

    main.m_nProgress = -1;
    main.m_bBusy = FALSE;
    if (!complete) {
        SetStatus(main, apptext::kProgramDownloadFailed, TRUE);
        main.UpdateControls();
        page.RefreshModelButtons();
        return;
    }

    CString ok;
    GetTextOk(ok, main.m_nLanguage);
    CSize size(440, 140);
    CDialogMessageBox box(&main);
    box.Setup(apptext::Get(apptext::kInstallerStarts, main.m_nLanguage), 0, nullptr, ok, &size);
    box.DoModal();
    if (ShellOpen(m_strInstallerPath)) {
        // The installer replaces this program: the wizard ends.
        main.CloseWizard();
        return;
    }
    SetStatus(main, apptext::kInstallerNotOpened, TRUE);
    main.UpdateControls();
    page.RefreshModelButtons();
}
