// The restore page's two transfers from the firmware server, each run on a
// worker thread: the backup list into memory, where the worker also scans
// it, and a backup image into a file. Everything a transfer needs is made on
// the UI thread and handed over by value; the worker only downloads (and
// scans) and posts its result to the page's window, never touching the page
// or the main dialog.
#pragma once
#include <string>
#include "framework/Framework.h"
#include "restore/BackupList.h"

// Posted when the backup list has been fetched and scanned: lParam is a
// BackupListDownload* that the receiver takes over (deletes).
const UINT WM_BACKUP_LIST_DONE = WM_USER + 1001;
// Posted when a backup image download has ended: wParam is one of the
// BACKUP_DOWNLOAD_* codes.
const UINT WM_BACKUP_DOWNLOAD_DONE = WM_USER + 1000;

const WPARAM BACKUP_DOWNLOAD_OK = 0;
const WPARAM BACKUP_DOWNLOAD_CANNOT_OPEN_FILE = 1;
const WPARAM BACKUP_DOWNLOAD_FAILED = 2;

struct BackupListDownload {
    int bytes = 0;          // the download's result: bytes read, or a negative failure code
    BackupListResult scan;  // what the list offers for the query (after a download that succeeded)
};

// The scan of a fetched list: the body as 8-bit text in the system code page
// up to its first zero byte.
BackupListResult ScanFetchedBackupList(const std::string& body, const BackupListQuery& query);

// The image download's result code for the page: complete, the local file
// could not be made, or anything else (no server, an error status, a
// transfer that broke off, an empty answer).
WPARAM BackupDownloadCode(int downloadResult);

class CBackupTransfer {
public:
    virtual ~CBackupTransfer() = default;
    // Fetches url into memory (a list: at most DOWNLOAD_LIST_MAX_BYTES) and
    // scans it for query; posts WM_BACKUP_LIST_DONE to notify.
    virtual void FetchList(const CString& url, const BackupListQuery& query, HWND notify) = 0;
    // Downloads url into localPath; posts WM_BACKUP_DOWNLOAD_DONE to notify.
    virtual void FetchImage(const CString& url, const CString& localPath, HWND notify) = 0;
};

// The transfer the page uses: download jobs (core/DownloadJob.h) unless a test
// put another in place (null restores it).
CBackupTransfer& BackupTransfer();
void SetBackupTransferForTest(CBackupTransfer* transfer);
