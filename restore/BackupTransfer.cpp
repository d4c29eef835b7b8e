#include "restore/BackupTransfer.h"
#include <cstdlib>
#include "core/DownloadJob.h"

namespace {

// Each transfer is a download job; its completion only posts to the page
// (a page that is gone gets nothing, and nothing of it is touched).
class CThreadTransfer : public CBackupTransfer {
public:
    void FetchList(const CString& url, HWND notify) override {
        CDownloadJob::Start(url, CString(), DownloadLimits(), [notify](CDownloadJob& job) {
            BackupListDownload* list = new BackupListDownload;
            list->bytes = job.Result();
            if (list->bytes > 0) list->text.assign(job.Data().c_str());  // up to the first zero byte
            if (!::PostMessageW(notify, WM_BACKUP_LIST_DONE, 0, (LPARAM)list)) delete list;
        });
    }
    void FetchImage(const CString& url, const CString& localPath, HWND notify) override {
        CDownloadJob::Start(url, localPath, DownloadLimits(), [notify](CDownloadJob& job) {
            ::PostMessageW(notify, WM_BACKUP_DOWNLOAD_DONE, BackupDownloadCode(job.Result()), 0);
        });
    }
};

CThreadTransfer g_threadTransfer;
CBackupTransfer* g_transfer = nullptr;

}  // namespace

WPARAM BackupDownloadCode(int downloadResult) {
    if (downloadResult > 0) return BACKUP_DOWNLOAD_OK;
    if (downloadResult == DOWNLOAD_CANNOT_CREATE_FILE) return BACKUP_DOWNLOAD_CANNOT_OPEN_FILE;
    return BACKUP_DOWNLOAD_FAILED;
}

CBackupTransfer& BackupTransfer() { return g_transfer ? *g_transfer : g_threadTransfer; }
void SetBackupTransferForTest(CBackupTransfer* transfer) { g_transfer = transfer; }
