#include "core/HttpTransfer.h"
#include <cwchar>
#include <cwctype>
#include <vector>

namespace {

const DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                            INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTO_REDIRECT;

// A header as text; false when the reply has none.
bool QueryText(HINTERNET request, DWORD what, std::wstring* text) {
    wchar_t buf[512] = {};
    DWORD size = sizeof(buf) - sizeof(wchar_t);
    if (!::HttpQueryInfoW(request, what, buf, &size, nullptr)) return false;
    *text = buf;
    return true;
}

bool IsRedirect(DWORD status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool AllDigits(const wchar_t* s, size_t maxLength) {
    size_t n = std::wcslen(s);
    if (n == 0 || n > maxLength) return false;
    for (size_t i = 0; i < n; ++i)
        if (s[i] < L'0' || s[i] > L'9') return false;
    return true;
}

struct CrackedUrl {
    INTERNET_SCHEME scheme = INTERNET_SCHEME_UNKNOWN;
    std::wstring host;
    INTERNET_PORT port = 0;
    std::wstring path;  // with the query
};

bool Crack(const std::wstring& url, CrackedUrl* out) {
    std::vector<wchar_t> host(1024), path(4096), extra(4096);
    URL_COMPONENTSW parts = {};
    parts.dwStructSize = sizeof(parts);
    parts.lpszHostName = host.data();
    parts.dwHostNameLength = (DWORD)host.size();
    parts.lpszUrlPath = path.data();
    parts.dwUrlPathLength = (DWORD)path.size();
    parts.lpszExtraInfo = extra.data();
    parts.dwExtraInfoLength = (DWORD)extra.size();
    if (url.size() > 4000 || !::InternetCrackUrlW(url.c_str(), (DWORD)url.size(), 0, &parts)) return false;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return false;
    if (!host[0]) return false;
    out->scheme = parts.nScheme;
    out->host = host.data();
    for (auto& c : out->host) c = (wchar_t)std::towlower(c);
    out->port = parts.nPort;
    out->path = std::wstring(path.data()) + extra.data();
    if (out->path.empty()) out->path = L"/";
    return true;
}

}  // namespace

std::wstring DownloadOrigin(const wchar_t* url) {
    CrackedUrl parts;
    if (!url || !Crack(url, &parts)) return std::wstring();
    return std::wstring(parts.scheme == INTERNET_SCHEME_HTTPS ? L"https://" : L"http://") + parts.host + L":" +
           std::to_wstring(parts.port);
}

bool CheckRawHeaderLines(const wchar_t* raw) {
    static const wchar_t kTokenPunctuation[] = L"!#$%&'*+-.^_`|~";
    const wchar_t* line = raw;
    bool first = true;
    while (*line) {
        const wchar_t* end = std::wcsstr(line, L"\r\n");
        if (!end) end = line + std::wcslen(line);
        if (end == line) break;  // the blank line after the head
        if (first) {
            if (std::wcsncmp(line, L"HTTP/", 5) != 0) return false;
            first = false;
        } else {
            // name ":" value, the name a token, the value printable.
            const wchar_t* p = line;
            while (p < end && (std::iswalnum(*p) && *p < 128 || std::wcschr(kTokenPunctuation, *p) && *p)) ++p;
            if (p == line || p == end || *p != L':') return false;
            for (++p; p < end; ++p)
                if ((*p < 32 && *p != L'\t') || *p == 127) return false;
        }
        line = *end ? end + 2 : end;
    }
    return !first;
}

int CheckReplyHead(const wchar_t* statusText, const wchar_t* version, const wchar_t* contentLength,
                   const wchar_t* transferEncoding, long long* announced) {
    *announced = -1;
    // Exactly three digits: "2OO" or "abc" is no status, whatever a lenient
    // parser makes of it.
    if (!statusText || !AllDigits(statusText, 3) || std::wcslen(statusText) != 3) return DOWNLOAD_CANNOT_OPEN_URL;
    int status = (int)std::wcstol(statusText, nullptr, 10);
    // 204 and 205 carry no body, and a part (206) was not asked for.
    if (status < 200 || status > 299 || status == 204 || status == 205 || status == 206)
        return DOWNLOAD_CANNOT_OPEN_URL;
    if (!version || std::wcsncmp(version, L"HTTP/1.", 7) != 0) return DOWNLOAD_CANNOT_OPEN_URL;
    if (transferEncoding) {
        // Never sent in answer to an HTTP/1.0 request.
        return DOWNLOAD_CANNOT_OPEN_URL;
    }
    // Without a length the body runs to the close (its reader checks what
    // it got); a length given must be a number.
    if (!contentLength) return 0;
    if (!AllDigits(contentLength, 15)) return DOWNLOAD_CANNOT_OPEN_URL;
    *announced = std::wcstoll(contentLength, nullptr, 10);
    return 0;
}

CHttpTransfer::CHttpTransfer(std::wstring url, const DownloadLimits& limits, std::unique_ptr<CDownloadSink> sink)
    : m_url(std::move(url)), m_limits(limits), m_sink(std::move(sink)),
      m_done(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

CHttpTransfer::~CHttpTransfer() {
    CloseAll();
    if (m_done) ::CloseHandle(m_done);
}

bool CHttpTransfer::Keep(HINTERNET h) {
    // The slot by kind: a new connection or request replaces the old one.
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_aborted) {
        ::InternetCloseHandle(h);
        return false;
    }
    DWORD type = 0, size = sizeof(type);
    int slot = 2;
    if (::InternetQueryOptionW(h, INTERNET_OPTION_HANDLE_TYPE, &type, &size)) {
        if (type == INTERNET_HANDLE_TYPE_INTERNET) slot = 0;
        else if (type == INTERNET_HANDLE_TYPE_CONNECT_HTTP) slot = 1;
    }
    if (m_handles[slot]) ::InternetCloseHandle(m_handles[slot]);
    m_handles[slot] = h;
    return true;
}

void CHttpTransfer::CloseAll() {
    for (int i = 2; i >= 0; --i)
        if (m_handles[i]) {
            ::InternetCloseHandle(m_handles[i]);
            m_handles[i] = nullptr;
        }
}

void CHttpTransfer::Abort() {
    std::lock_guard<std::mutex> hold(m_lock);
    m_aborted = true;
    CloseAll();
}

bool CHttpTransfer::Abandon() {
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_finished) return true;
    m_abandoned = true;
    return false;
}

void CHttpTransfer::Run() {
    int result = Execute();
    std::lock_guard<std::mutex> hold(m_lock);
    m_result = m_aborted ? DOWNLOAD_INCOMPLETE : result;
    m_finished = true;
    CloseAll();
    // Nobody waits any more: what was written goes.
    if (m_abandoned) m_sink->Discard();
    ::SetEvent(m_done);
}

int CHttpTransfer::Connect(const std::wstring& url, HINTERNET* request) {
    CrackedUrl parts;
    if (!Crack(url, &parts)) return DOWNLOAD_CANNOT_OPEN_URL;
    if (!m_limits.sameOriginAs.empty() && DownloadOrigin(url.c_str()) != DownloadOrigin(m_limits.sameOriginAs.c_str()))
        return DOWNLOAD_CANNOT_OPEN_URL;
    HINTERNET session = m_handles[0];
    HINTERNET connection =
        ::InternetConnectW(session, parts.host.c_str(), parts.port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0);
    if (!connection || !Keep(connection)) return DOWNLOAD_CANNOT_OPEN_URL;
    DWORD flags = kRequestFlags | (parts.scheme == INTERNET_SCHEME_HTTPS ? INTERNET_FLAG_SECURE : 0);
    // Asked as HTTP/1.0, a server answers with a length or ends the body by
    // closing: never chunked, whose cut end WinINet does not report.
    *request = ::HttpOpenRequestW(connection, L"GET", parts.path.c_str(), L"HTTP/1.0", nullptr, nullptr, flags, 0);
    if (!*request || !Keep(*request)) return DOWNLOAD_CANNOT_OPEN_URL;
    if (!::HttpSendRequestW(*request, nullptr, 0, nullptr, 0)) return DOWNLOAD_CANNOT_OPEN_URL;
    return 0;
}

int CHttpTransfer::Execute() {
    HINTERNET session =
        ::InternetOpenW(L"MorvexBluetoothDeviceManager", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!session || !Keep(session)) return DOWNLOAD_CANNOT_OPEN_URL;
    // WinINet's own limits stay as a backstop; the watcher enforces the real ones.
    DWORD timeout = m_limits.answerMs;
    ::InternetSetOptionW(session, INTERNET_OPTION_CONNECT_TIMEOUT, &timeout, sizeof(timeout));
    ::InternetSetOptionW(session, INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof(timeout));
    ::InternetSetOptionW(session, INTERNET_OPTION_SEND_TIMEOUT, &timeout, sizeof(timeout));

    std::wstring url = m_url;
    HINTERNET request = nullptr;
    for (int hops = 0;; ++hops) {
        int r = Connect(url, &request);
        if (r < 0) return r;
        DWORD status = 0, size = sizeof(status);
        ::HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr);
        if (!IsRedirect(status)) break;
        std::wstring location;
        if (hops >= m_limits.maxRedirects || !QueryText(request, HTTP_QUERY_LOCATION, &location))
            return DOWNLOAD_CANNOT_OPEN_URL;
        wchar_t next[4096];
        DWORD length = sizeof(next) / sizeof(next[0]);
        if (!::InternetCombineUrlW(url.c_str(), location.c_str(), next, &length, ICU_NO_ENCODE))
            return DOWNLOAD_CANNOT_OPEN_URL;
        // Never from an encrypted address to a plain one.
        if (DownloadOrigin(url.c_str()).compare(0, 6, L"https:") == 0 &&
            DownloadOrigin(next).compare(0, 6, L"https:") != 0)
            return DOWNLOAD_CANNOT_OPEN_URL;
        url = next;
    }
    answered = true;
    int r = CheckReply(request);
    if (r < 0) return r;
    if (announced > m_limits.maxBytes) return DOWNLOAD_INCOMPLETE;
    if (announced < 0 && m_limits.lengthRequired) return DOWNLOAD_CANNOT_OPEN_URL;
    r = m_sink->Open(announced);
    if (r < 0) return r;
    return ReadBody(request);
}

int CHttpTransfer::CheckReply(HINTERNET request) {
    DWORD size = 0;
    ::HttpQueryInfoW(request, HTTP_QUERY_RAW_HEADERS_CRLF, nullptr, &size, nullptr);
    if (size == 0 || size > 256 * 1024) return DOWNLOAD_CANNOT_OPEN_URL;
    std::vector<wchar_t> raw(size / sizeof(wchar_t) + 1);
    if (!::HttpQueryInfoW(request, HTTP_QUERY_RAW_HEADERS_CRLF, raw.data(), &size, nullptr) ||
        !CheckRawHeaderLines(raw.data()))
        return DOWNLOAD_CANNOT_OPEN_URL;
    std::wstring status, version, length, encoding;
    bool hasStatus = QueryText(request, HTTP_QUERY_STATUS_CODE, &status);
    bool hasVersion = QueryText(request, HTTP_QUERY_VERSION, &version);
    bool hasLength = QueryText(request, HTTP_QUERY_CONTENT_LENGTH, &length);
    bool hasEncoding = QueryText(request, HTTP_QUERY_TRANSFER_ENCODING, &encoding);
    long long bytes = -1;
    int r = CheckReplyHead(hasStatus ? status.c_str() : nullptr, hasVersion ? version.c_str() : nullptr,
                           hasLength ? length.c_str() : nullptr, hasEncoding ? encoding.c_str() : nullptr, &bytes);
    announced = bytes;
    return r;
}

int CHttpTransfer::ReadBody(HINTERNET request) {
    // Reads gather in the chunk, which goes to the sink whenever the next
    // read would not fit, and at the end.
    std::vector<char> chunk(DOWNLOAD_CHUNK_BYTES);
    DWORD used = 0;
    auto flush = [&]() {
        int r = used ? m_sink->Add(chunk.data(), used) : 0;
        used = 0;
        return r;
    };
    const long long size = announced;
    // Without a length the body ends where the server closes the connection.
    const long long limit = size >= 0 ? size : m_limits.maxBytes;
    long long total = 0;
    for (;;) {
        // Only what has arrived: a synchronous read returns once every byte
        // asked for has come, so a larger read would hide a line that has
        // slowed down (its progress, and its bytes from the rate watch)
        // until it completes, whatever the line did before. The library
        // waits here while nothing has arrived.
        DWORD available = 0;
        if (!::InternetQueryDataAvailable(request, &available, 0, 0)) return DOWNLOAD_INCOMPLETE;
        if (available == 0) break;
        const DWORD whole = (DWORD)chunk.size();
        if (whole - used < (available < whole ? available : whole)) {
            int r = flush();
            if (r < 0) return r;
        }
        const DWORD want = available < whole - used ? available : whole - used;
        DWORD got = 0;
        if (!::InternetReadFile(request, chunk.data() + used, want, &got)) return DOWNLOAD_INCOMPLETE;
        if (got == 0) break;
        if (total + got > limit || total + got > 0x7fffffffLL) return DOWNLOAD_INCOMPLETE;
        used += got;
        total += got;
        received = total;
    }
    int r = flush();
    if (r < 0) return r;
    if (size >= 0 && total != size) return DOWNLOAD_INCOMPLETE;
    return (int)total;
}
