// HTTP(S) download into memory or into a file, through WinINet.
#pragma once
#include "framework/WinTypes.h"
#include <atomic>
#include <string>

const int DOWNLOAD_CANNOT_OPEN_URL = -1;    // not reachable, or the server answered with an error status
const int DOWNLOAD_CANNOT_CREATE_FILE = -2; // the local file cannot be created, written or put in place
const int DOWNLOAD_INCOMPLETE = -3;         // the transfer broke off, was too slow or too large, or was cancelled

// Size of one read, and the first size of the memory buffer (which then
// doubles as it fills).
const int DOWNLOAD_CHUNK_BYTES = 64 * 1024;
const int DOWNLOAD_BUFFER_STEP = 64 * 1024;

// The bounds of one download. Times are clock times (fw::Clock).
struct DownloadLimits {
    DWORD answerMs = 30000;          // from the start until the server's answer (connect, send, headers)
    DWORD overallMs = 10 * 60000;    // the whole download
    DWORD rateWindowMs = 30000;      // the minimum rate is averaged over windows of this length
    DWORD minBytesPerSecond = 1024;  // slower than this over a window ends the download
    long long maxBytes = 256LL * 1024 * 1024;  // a larger body is refused
    int maxRedirects = 5;
    // When given ("http://host:port/..."), the address and every redirect
    // must keep its scheme, host and port.
    std::wstring sameOriginAs;
    // A file download replaces an existing target; when false it fails
    // with DOWNLOAD_CANNOT_CREATE_FILE and leaves the existing file alone.
    bool replaceTarget = true;
    // A reply must announce its length (DOWNLOAD_CANNOT_OPEN_URL when it
    // does not): for a body that nothing else checks whole, which a
    // connection that breaks early would otherwise cut unnoticed.
    bool lengthRequired = false;
};

// What a download shares with other threads while it runs.
struct DownloadProgress {
    std::atomic<int> percent{-1};          // 0..100 while the size is known, else -1
    std::atomic<long long> received{0};    // body bytes so far
    std::atomic<bool> cancel{false};       // set by anyone: the download ends as failed (DOWNLOAD_INCOMPLETE)
};

// Downloads url. With buffer: into a zero-filled buffer allocated with
// malloc, the data always followed by a zero byte; the caller frees it with
// free(). Without buffer: into the file at localPath, which is written under
// a temporary name of its own beside it and replaces localPath only once the
// download is complete, so a failed download leaves localPath as it was (and
// leaves no file behind). progress, when given, receives 0..100 while the
// size is known, as the download goes on.
// Only a well-formed 2xx reply counts, never a chunked one (the request is
// HTTP/1.0). A body of announced length must arrive whole; without a length
// it runs to the close of the connection, within maxBytes (nothing tells
// such a body from one cut by a broken connection: its reader checks it,
// or the limits ask for a length).
// Result: the number of bytes read, or one of the negative codes above. An
// empty body gives 0 and keeps nothing: *buffer stays null and localPath
// is not touched.
int DownloadUrl(const wchar_t* url, char** buffer, const wchar_t* localPath, int* progress);
// The same with explicit limits; progress may be null.
int DownloadUrlLimited(const wchar_t* url, char** buffer, const wchar_t* localPath, const DownloadLimits& limits,
                       DownloadProgress* progress);

// The scheme, host and port of an address ("http://127.0.0.1:8080"), lower
// case; empty when it is no http(s) address.
std::wstring DownloadOrigin(const wchar_t* url);
