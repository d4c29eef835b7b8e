#include "restore/BackupTransfer.h"
#include <cstdlib>
#include "core/Download.h"
#include "framework/Thread.h"

namespace {

struct Job {
    CString url;
    CString localPath;
    HWND notify;
    bool toFile;
};

UINT TransferThread(LPVOID param) {
    Job* job = static_cast<Job*>(param);
    if (job->toFile) {
        int result = DownloadUrl(job->url, nullptr, job->localPath, nullptr);
        ::PostMessageW(job->notify, WM_BACKUP_DOWNLOAD_DONE, BackupDownloadCode(result), 0);
    } else {
        BackupListDownload* list = new BackupListDownload;
        char* buffer = nullptr;
        list->bytes = DownloadUrl(job->url, &buffer, nullptr, nullptr);
        if (buffer) {
            if (list->bytes > 0) list->text.assign(buffer);  // up to the first zero byte
            free(buffer);
        }
        if (!::PostMessageW(job->notify, WM_BACKUP_LIST_DONE, 0, (LPARAM)list)) delete list;
    }
    delete job;
    return 0;
}

class CThreadTransfer : public CBackupTransfer {
public:
    void FetchList(const CString& url, HWND notify) override { Start(new Job{url, CString(), notify, false}); }
    void FetchImage(const CString& url, const CString& localPath, HWND notify) override {
        Start(new Job{url, localPath, notify, true});
    }

private:
    static void Start(Job* job) {
        if (!AfxBeginThread(TransferThread, job)) {
            // No thread: report the failure as the worker would have.
            if (job->toFile) ::PostMessageW(job->notify, WM_BACKUP_DOWNLOAD_DONE, BACKUP_DOWNLOAD_FAILED, 0);
            else ::PostMessageW(job->notify, WM_BACKUP_LIST_DONE, 0, (LPARAM) new BackupListDownload{-1, {}});
            delete job;
        }
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
