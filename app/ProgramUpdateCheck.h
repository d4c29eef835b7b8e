// The check for a newer version of the program, run by timers 101 and 102 of
// the WELCOME page: fetch the server's "x64/Software" list; when it names a
// newer version, offer it; on YES download the installer into the image
// folder on a worker thread (progress polled once a second) and open it with
// the shell once it is complete and its size matches the list (where the
// list gives one). A failed or mismatching download is deleted.
#pragma once
#include "framework/Framework.h"
#include <memory>

class CUpdaterDlg;
class CDialogDeviceSelection;

class CProgramUpdateCheck {
public:
    CProgramUpdateCheck();
    ~CProgramUpdateCheck();

    // Timer 101: TRUE when the list was fetched (at least one byte). Without
    // a newer version, or when the user declines, the wizard is given back
    // (busy cleared); with a download started it stays busy and timer 102 runs.
    BOOL RunCheck(CDialogDeviceSelection& page, CUpdaterDlg& main);
    // Timer 102: follows the download and ends it.
    void PollDownload(CDialogDeviceSelection& page, CUpdaterDlg& main);
    BOOL IsDownloading() const;

    // State of one check: the installer's address and local path, its size
    // from the list, and the ticks the download has taken.
    CString m_strInstallerUrl;
    CString m_strInstallerPath;
    long m_nExpectedSize = 0;
    int m_nPollTicks = 0;

    struct Job;

private:
    void GiveBack(CDialogDeviceSelection& page, CUpdaterDlg& main);
    void SetStatus(CUpdaterDlg& main, int textId, BOOL error);

    std::shared_ptr<Job> m_job;
};
