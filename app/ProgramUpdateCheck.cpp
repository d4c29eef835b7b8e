#include "app/ProgramUpdateCheck.h"
#include "app/AppPaths.h"
#include "app/AppTexts.h"
#include "app/AppVersion.h"
#include "app/DialogMessageBox.h"
#include "app/ShellOpen.h"
#include "app/SoftwareList.h"
#include "app/UpdaterDlg.h"
#include "core/Download.h"
#include "core/FileLength.h"
#include "core/ServerAddress.h"
#include "core/VersionCompare.h"
#include "recognition/DialogDeviceSelection.h"
#include "texts/WizardTexts.h"
#include <cstdlib>

// One download, shared by the worker thread and the page: the thread writes
// the progress and the result and never touches a window.
struct CProgramUpdateCheck::Job {
    CString url;
    CString path;
    volatile LONG progress = 0;
    volatile LONG result = 0;
    volatile LONG done = 0;
};

namespace {

UINT DownloadThread(LPVOID param) {
    // The thread holds its own reference: the job outlives a closed wizard.
    std::shared_ptr<CProgramUpdateCheck::Job>* holder = static_cast<std::shared_ptr<CProgramUpdateCheck::Job>*>(param);
    std::shared_ptr<CProgramUpdateCheck::Job> job = *holder;
    delete holder;
    int progress = 0;
    int result = DownloadUrl(job->url, nullptr, job->path, &progress);
    ::InterlockedExchange(&job->progress, progress);
    ::InterlockedExchange(&job->result, result);
    ::InterlockedExchange(&job->done, 1);
    return 0;
}

}  // namespace

CProgramUpdateCheck::CProgramUpdateCheck() = default;
CProgramUpdateCheck::~CProgramUpdateCheck() = default;

BOOL CProgramUpdateCheck::IsDownloading() const { return m_job && !m_job->done; }

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

BOOL CProgramUpdateCheck::RunCheck(CDialogDeviceSelection& page, CUpdaterDlg& main) {
    if (IsDownloading()) return TRUE;
    CString base = GetServerBaseUrl();
    char* buffer = nullptr;
    int bytes = DownloadUrl(base + L"x64/Software", &buffer, nullptr, nullptr);
    if (bytes <= 0 || !buffer) {
        free(buffer);
        return FALSE;
    }
    CSoftwareList list;
    list.Parse(buffer, bytes);
    free(buffer);

    SoftwareEntry entry;
    if (!list.Find(MANAGER_PROGRAM_NAME, &entry) ||
        CompareMajorMinor(entry.major, entry.minor, kManagerVersionMajor, kManagerVersionMinor) <= 0) {
        GiveBack(page, main);
        return TRUE;
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

    CString folder = apppaths::ImageFolder();
    m_strInstallerUrl = base + entry.file;
    m_strInstallerPath = folder + entry.FileName();
    m_nExpectedSize = entry.size;
    m_nPollTicks = 0;
    m_job = std::make_shared<Job>();
    m_job->url = m_strInstallerUrl;
    m_job->path = m_strInstallerPath;

    main.m_nProgress = 0;
    SetStatus(main, apptext::kDownloadingProgram, FALSE);
    main.UpdateControls();
    page.RefreshModelButtons();
    AfxBeginThread(&DownloadThread, new std::shared_ptr<Job>(m_job));
    page.SetTimer(CDialogDeviceSelection::kTimerDownloadProgress, 1000);
    return TRUE;
}

void CProgramUpdateCheck::PollDownload(CDialogDeviceSelection& page, CUpdaterDlg& main) {
    if (!m_job) {
        page.KillTimer(CDialogDeviceSelection::kTimerDownloadProgress);
        return;
    }
    ++m_nPollTicks;
    int progress = (int)::InterlockedCompareExchange(&m_job->progress, 0, 0);
    main.m_nProgress = progress < 0 ? 0 : (progress > 100 ? 100 : progress);
    if (!::InterlockedCompareExchange(&m_job->done, 0, 0)) {
        main.UpdateControls();
        return;
    }
    page.KillTimer(CDialogDeviceSelection::kTimerDownloadProgress);
    long result = ::InterlockedCompareExchange(&m_job->result, 0, 0);
    m_job.reset();

    // Only a complete installer of the listed size is opened; anything else
    // is removed so that no broken installer stays in the image folder.
    long onDisk = GetFileLength(m_strInstallerPath);
    BOOL complete = result > 0 && onDisk == result && (m_nExpectedSize == 0 || result == m_nExpectedSize);
    if (!complete) ::DeleteFileW(m_strInstallerPath);

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
