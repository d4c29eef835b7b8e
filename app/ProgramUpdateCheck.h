// The check for a newer version of the program, run by timers 101 and 102 of
// the WELCOME page: fetch the server's "x64/Software" list on a worker, which
// reads it too (a list over 1 MB is no list, as for the other lists); when
// it names a newer version, offer it; on YES download the installer into the
// image folder on a worker (progress polled once a second) and open it with
// the shell once it is complete and its size matches the list (where the
// list gives one). Both transfers stay on the configured server. The
// installer is written under a temporary name of its own and put in place
// only under a name no file has yet, so no file the program did not make
// is ever replaced or deleted; a failed or mismatching download removes
// only what it made.
#pragma once
#include "framework/Framework.h"
#include "app/SoftwareList.h"
#include "core/DownloadJob.h"

class CUpdaterDlg;
class CDialogDeviceSelection;

// Posted to the WELCOME page when the version list has been fetched (or
// not); lParam is the job's cookie.
const UINT WM_PROGRAM_LIST_DONE = WM_USER + 1101;

class CProgramUpdateCheck {
public:
    CProgramUpdateCheck();
    ~CProgramUpdateCheck();

    // Timer 101: starts fetching the list; the page hears of it by
    // WM_PROGRAM_LIST_DONE. FALSE when nothing was started (a download of
    // the program runs).
    BOOL StartCheck(CDialogDeviceSelection& page);
    // The list is being fetched.
    BOOL IsFetchingList() const;
    // WM_PROGRAM_LIST_DONE: -1 when the message is not about the running
    // fetch, 0 when the fetch failed (the wizard is given back), 1 when the
    // list arrived with at least one byte.
    int ListArrived(CDialogDeviceSelection& page, CUpdaterDlg& main, LPARAM cookie);
    // After a list arrived (and the page noted it): without a newer version,
    // or when the user declines, the wizard is given back (busy cleared);
    // with a download started it stays busy and timer 102 runs. TRUE when
    // the user was asked about a newer version.
    BOOL OfferNewerVersion(CDialogDeviceSelection& page, CUpdaterDlg& main);
    // Timer 102: follows the download and ends it.
    void PollDownload(CDialogDeviceSelection& page, CUpdaterDlg& main);
    BOOL IsDownloading() const;
    // The wizard closes: a fetch or download that runs is cancelled; TRUE
    // when one ran (the wizard's busy state was theirs).
    BOOL CancelForClose();

    // State of one check: the installer's address and local path, its size
    // from the list, and the ticks the download has taken.
    CString m_strInstallerUrl;
    CString m_strInstallerPath;
    long m_nExpectedSize = 0;
    int m_nPollTicks = 0;

private:
    void GiveBack(CDialogDeviceSelection& page, CUpdaterDlg& main);
    void SetStatus(CUpdaterDlg& main, int textId, BOOL error);

    CDownloadJobHolder m_listJob;
    CDownloadJobHolder m_downloadJob;
    CSoftwareList m_list;  // read on the fetching worker
};

// The limits of the program's own transfers: those of every download, and
// the configured server's scheme, host and port only.
DownloadLimits ProgramDownloadLimits();
// The same for the version list, with the bound of every list.
DownloadLimits ProgramListLimits();
// A name in the image folder that no file has yet for the installer name
// ("Setup.exe", else "Setup (2).exe" ...); empty when there is none.
CString FreeInstallerPath(const CString& folder, const CString& name);
