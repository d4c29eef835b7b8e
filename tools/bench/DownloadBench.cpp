#include "tools/bench/DownloadBench.h"
#include "core/Download.h"
#include "tools/fwserver/FirmwareServer.h"
#include <windows.h>
#include <wininet.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kPath[] = "/zarnbluetoothmanager/bench.img";
const DWORD kBlock = 64 * 1024;
const DWORD kFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                     INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_COOKIES;

double NowSeconds() {
    LARGE_INTEGER f, t;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)f.QuadPart;
}

std::string Pattern(long long n) {
    std::string s((size_t)n, '\0');
    unsigned x = 12345;
    for (size_t i = 0; i < s.size(); ++i) {
        x = x * 1103515245u + 12345u;
        s[i] = (char)(x >> 16);
    }
    return s;
}

bool SameAsFile(const std::wstring& path, const std::string& expected) {
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    std::vector<char> block(kBlock);
    size_t at = 0;
    bool same = true;
    DWORD got = 0;
    while (same && ::ReadFile(f, block.data(), kBlock, &got, nullptr) && got > 0) {
        same = at + got <= expected.size() && std::memcmp(block.data(), expected.data() + at, got) == 0;
        at += got;
    }
    ::CloseHandle(f);
    return same && at == expected.size();
}

// The baseline: open, then InternetReadFile 64 KB at a time until the end,
// into a buffer of the announced length or into a file.
class BareLoop {
public:
    explicit BareLoop(const std::wstring& url) {
        m_session = ::InternetOpenW(L"bench", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
        if (m_session) m_request = ::InternetOpenUrlW(m_session, url.c_str(), nullptr, 0, kFlags, 0);
    }
    ~BareLoop() {
        if (m_request) ::InternetCloseHandle(m_request);
        if (m_session) ::InternetCloseHandle(m_session);
    }
    // The buffer (malloc'ed) when the whole announced body arrived.
    char* ToMemory() {
        if (!m_request) return nullptr;
        DWORD length = 0, size = sizeof(length);
        if (!::HttpQueryInfoW(m_request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &length, &size, nullptr))
            return nullptr;
        char* data = (char*)std::malloc(length + 1);
        if (!data) return nullptr;
        DWORD total = 0, got = 0;
        while (total < length && ::InternetReadFile(m_request, data + total, std::min(kBlock, length - total), &got) &&
               got > 0)
            total += got;
        if (total == length) return data;
        std::free(data);
        return nullptr;
    }
    bool ToFile(const std::wstring& path) {
        if (!m_request) return false;
        HANDLE f = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE) return false;
        std::vector<char> block(kBlock);
        DWORD got = 0, written = 0;
        bool ok = true;
        while (ok && ::InternetReadFile(m_request, block.data(), kBlock, &got) && got > 0)
            ok = ::WriteFile(f, block.data(), got, &written, nullptr) && written == got;
        ::CloseHandle(f);
        return ok;
    }

private:
    HINTERNET m_session = nullptr;
    HINTERNET m_request = nullptr;
};

}  // namespace

DownloadBenchResult RunDownloadBench(long long bytes, int rounds) {
    DownloadBenchResult r;
    r.bytes = bytes;
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"morvex_bench_" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring bareFile = folder + L"\\bare.img", programFile = folder + L"\\program.img";

    fwserver::FirmwareServer server;
    if (!server.Start(folder + L"\\no_tree")) return r;
    const std::string content = Pattern(bytes);
    server.PutFile(kPath, content);
    const std::string address = "http://127.0.0.1:" + std::to_string(server.Port()) + kPath;
    const std::wstring url(address.begin(), address.end());

    double best[4] = {1e9, 1e9, 1e9, 1e9};
    bool exact = true;
    auto keep = [&](int which, double t0) { best[which] = std::min(best[which], NowSeconds() - t0); };
    for (int round = 0; round < rounds; ++round) {
        char* buffer = nullptr;
        double t0 = NowSeconds();
        {
            BareLoop bare(url);
            buffer = bare.ToMemory();
        }
        keep(0, t0);
        exact = exact && buffer && std::memcmp(buffer, content.data(), content.size()) == 0;
        std::free(buffer);

        buffer = nullptr;
        t0 = NowSeconds();
        int n = DownloadUrl(url.c_str(), &buffer, nullptr, nullptr);
        keep(1, t0);
        exact = exact && n == (int)bytes && buffer && std::memcmp(buffer, content.data(), content.size()) == 0;
        std::free(buffer);

        t0 = NowSeconds();
        {
            BareLoop bare(url);
            exact = bare.ToFile(bareFile) && exact;
        }
        keep(2, t0);
        exact = exact && SameAsFile(bareFile, content);
        ::DeleteFileW(bareFile.c_str());

        t0 = NowSeconds();
        n = DownloadUrl(url.c_str(), nullptr, programFile.c_str(), nullptr);
        keep(3, t0);
        exact = exact && n == (int)bytes && SameAsFile(programFile, content);
        ::DeleteFileW(programFile.c_str());
    }
    server.Stop();
    ::RemoveDirectoryW(folder.c_str());
    r.bareMemory = best[0];
    r.programMemory = best[1];
    r.bareFile = best[2];
    r.programFile = best[3];
    r.exact = exact;
    return r;
}

void PrintDownloadBench(FILE* out, const DownloadBenchResult& r) {
    const double mb = r.bytes / (1024.0 * 1024.0);
    auto line = [&](const char* what, double bare, double program) {
        std::fprintf(out, "  %-7s bare loop %7.3f s (%6.1f MB/s), DownloadUrl %7.3f s (%6.1f MB/s): %.2fx (goal 0.80x)\n",
                     what, bare, mb / bare, program, mb / program, program > 0 ? bare / program : 0.0);
    };
    std::fprintf(out, "[download] %.0f MB from the local firmware server on loopback, best of the rounds\n", mb);
    line("memory", r.bareMemory, r.programMemory);
    line("file", r.bareFile, r.programFile);
    std::fprintf(out, "  received byte for byte: %s\n", r.exact ? "yes" : "NO");
}
