#include "restore/BackupTransfer.h"
#include <cstdlib>
#include "core/DownloadJob.h"
#include "restore/SettingsArchive.h"

namespace {

struct ScannedList : CDownloadProduct {
    BackupListResult scan;
};

// Each transfer is a download job; its completion only posts to the page
// (a page that is gone gets nothing, and nothing of it is touched).
class CThreadTransfer : public CBackupTransfer {
public:
    void FetchList(const CString& url, const BackupListQuery& query, HWND notify) override {
        auto scan = [query](const std::string& body) {
            std::unique_ptr<ScannedList> scanned(new ScannedList);
            scanned->scan = ScanFetchedBackupList(body, query);
            return std::unique_ptr<CDownloadProduct>(std::move(scanned));
        };
        auto post = [notify](CDownloadJob& job) {
            BackupListDownload* list = new BackupListDownload;
            list->bytes = job.Result();
            const ScannedList* scanned = job.ProductAs<ScannedList>();
            if (list->bytes > 0 && scanned) list->scan = scanned->scan;
            if (!::PostMessageW(notify, WM_BACKUP_LIST_DONE, 0, (LPARAM)list)) delete list;
        };
        CDownloadJob::Start(url, CString(), ListDownloadLimits(), post, scan);
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

BackupListResult ScanFetchedBackupList(const std::string& body, const BackupListQuery& query) {
    return ScanBackupList(DecodeArchiveBytes(std::string(body.c_str())), query);
}

WPARAM BackupDownloadCode(int downloadResult) {
    if (downloadResult > 0) return BACKUP_DOWNLOAD_OK;
    if (downloadResult == DOWNLOAD_CANNOT_CREATE_FILE) return BACKUP_DOWNLOAD_CANNOT_OPEN_FILE;
    return BACKUP_DOWNLOAD_FAILED;
}

CBackupTransfer& BackupTransfer() { return g_transfer ? *g_transfer : g_threadTransfer; }
void SetBackupTransferForTest(CBackupTransfer* transfer) { g_transfer = transfer; }
