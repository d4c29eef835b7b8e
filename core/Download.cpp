#include "core/Download.h"
#include <windows.h>
#include <wininet.h>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

// Real-time limits of the internet session, so that a silent server ends
// the download instead of blocking the caller for ever.
const DWORD kConnectTimeoutMs = 30000;
const DWORD kTransferTimeoutMs = 30000;

struct InternetHandle {
    HINTERNET h = nullptr;
    explicit InternetHandle(HINTERNET handle) : h(handle) {}
    ~InternetHandle() {
        if (h) ::InternetCloseHandle(h);
    }
};

// Where the data goes.
class Sink {
public:
    virtual ~Sink() = default;
    // A negative download code when the data cannot be kept.
    virtual int Add(const char* data, DWORD bytes) = 0;
    // Called once after the last byte; a negative code on failure.
    virtual int Complete() = 0;
};

class MemorySink : public Sink {
public:
    ~MemorySink() override { std::free(m_data); }
    int Open() {
        m_data = (char*)std::calloc(DOWNLOAD_BUFFER_STEP, 1);
        m_size = DOWNLOAD_BUFFER_STEP;
        return m_data ? 0 : DOWNLOAD_INCOMPLETE;
    }
    int Add(const char* data, DWORD bytes) override {
        // Keep room for the terminating zero byte after the data.
        while (m_used + bytes >= m_size) {
            if (m_size > (size_t)INT_MAX - DOWNLOAD_BUFFER_STEP) return DOWNLOAD_INCOMPLETE;
            char* grown = (char*)std::realloc(m_data, m_size + DOWNLOAD_BUFFER_STEP);
            if (!grown) return DOWNLOAD_INCOMPLETE;
            std::memset(grown + m_size, 0, DOWNLOAD_BUFFER_STEP);
            m_data = grown;
            m_size += DOWNLOAD_BUFFER_STEP;
        }
        std::memcpy(m_data + m_used, data, bytes);
        m_used += bytes;
        return 0;
    }
    int Complete() override { return 0; }
    char* Release() {
        char* data = m_data;
        m_data = nullptr;
        return data;
    }

private:
    char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_used = 0;
};

// Writes under a temporary name beside the target and puts the file in
// place only when the download is complete.
class FileSink : public Sink {
public:
    explicit FileSink(const wchar_t* target) : m_target(target), m_temp(std::wstring(target) + L".download") {}
    ~FileSink() override {
        if (m_file != INVALID_HANDLE_VALUE) ::CloseHandle(m_file);
        if (!m_placed) ::DeleteFileW(m_temp.c_str());
    }
    int Open() {
        m_file = ::CreateFileW(m_temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        return m_file == INVALID_HANDLE_VALUE ? DOWNLOAD_CANNOT_CREATE_FILE : 0;
    }
    int Add(const char* data, DWORD bytes) override {
        DWORD written = 0;
        if (!::WriteFile(m_file, data, bytes, &written, nullptr) || written != bytes) return DOWNLOAD_CANNOT_CREATE_FILE;
        return 0;
    }
    int Complete() override {
        BOOL closed = ::CloseHandle(m_file);
        m_file = INVALID_HANDLE_VALUE;
        if (!closed) return DOWNLOAD_CANNOT_CREATE_FILE;
        if (!::MoveFileExW(m_temp.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return DOWNLOAD_CANNOT_CREATE_FILE;
        m_placed = true;
        return 0;
    }

private:
    std::wstring m_target;
    std::wstring m_temp;
    HANDLE m_file = INVALID_HANDLE_VALUE;
    bool m_placed = false;
};

// The HTTP status, 0 when the handle has none (not an HTTP address).
DWORD StatusCode(HINTERNET request) {
    DWORD status = 0, size = sizeof(status);
    if (!::HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) return 0;
    return status;
}

// The announced body size, -1 when the server did not announce one.
long long ContentLength(HINTERNET request) {
    wchar_t text[32] = {};
    DWORD size = sizeof(text) - sizeof(wchar_t);
    if (!::HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return -1;
    wchar_t* end = nullptr;
    long long value = std::wcstoll(text, &end, 10);
    if (end == text || value < 0) return -1;
    return value;
}

void SetTimeouts(HINTERNET session) {
    DWORD connect = kConnectTimeoutMs, transfer = kTransferTimeoutMs;
    ::InternetSetOptionW(session, INTERNET_OPTION_CONNECT_TIMEOUT, &connect, sizeof(connect));
    ::InternetSetOptionW(session, INTERNET_OPTION_RECEIVE_TIMEOUT, &transfer, sizeof(transfer));
    ::InternetSetOptionW(session, INTERNET_OPTION_SEND_TIMEOUT, &transfer, sizeof(transfer));
}

int Transfer(HINTERNET request, Sink& sink, int* progress) {
    long long announced = ContentLength(request);
    if (progress && announced >= 0) *progress = 0;
    long long total = 0;
    char chunk[DOWNLOAD_CHUNK_BYTES];
    for (;;) {
        DWORD got = 0;
        if (!::InternetReadFile(request, chunk, sizeof(chunk), &got)) return DOWNLOAD_INCOMPLETE;
        if (got == 0) break;
        if (total + got > INT_MAX) return DOWNLOAD_INCOMPLETE;
        if (announced >= 0 && total + got > announced) return DOWNLOAD_INCOMPLETE;
        int r = sink.Add(chunk, got);
        if (r < 0) return r;
        total += got;
        if (progress && announced > 0) *progress = (int)(total * 100 / announced);
    }
    if (announced >= 0 && total != announced) return DOWNLOAD_INCOMPLETE;
    if (total == 0) return 0;  // nothing to keep: an existing file stays as it was
    int r = sink.Complete();
    if (r < 0) return r;
    if (progress) *progress = 100;
    return (int)total;
}

}  // namespace

int DownloadUrl(const wchar_t* url, char** buffer, const wchar_t* localPath, int* progress) {
    if (buffer) *buffer = nullptr;
    if (!url || !*url) return DOWNLOAD_CANNOT_OPEN_URL;
    if (!buffer && (!localPath || !*localPath)) return DOWNLOAD_CANNOT_CREATE_FILE;

    InternetHandle session(::InternetOpenW(L"MorvexBluetoothDeviceManager", INTERNET_OPEN_TYPE_PRECONFIG, nullptr,
                                           nullptr, 0));
    if (!session.h) return DOWNLOAD_CANNOT_OPEN_URL;
    SetTimeouts(session.h);
    const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                        INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES;
    InternetHandle request(::InternetOpenUrlW(session.h, url, nullptr, 0, flags, 0));
    if (!request.h) return DOWNLOAD_CANNOT_OPEN_URL;
    DWORD status = StatusCode(request.h);
    if (status != 0 && (status < 200 || status >= 300)) return DOWNLOAD_CANNOT_OPEN_URL;

    if (buffer) {
        MemorySink sink;
        if (sink.Open() < 0) return DOWNLOAD_INCOMPLETE;
        int result = Transfer(request.h, sink, progress);
        if (result > 0) *buffer = sink.Release();
        return result;
    }
    FileSink sink(localPath);
    if (sink.Open() < 0) return DOWNLOAD_CANNOT_CREATE_FILE;
    return Transfer(request.h, sink, progress);
}
