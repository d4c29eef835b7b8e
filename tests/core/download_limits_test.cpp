// The download against servers that misbehave: every transfer ends within
// its limits, only a complete well-formed reply counts, and a failure
// leaves the target and its folder as they were.
#include <gtest/gtest.h>
#include <windows.h>
#include "core/Download.h"
#include "core/HttpTransfer.h"
#include "framework/Clock.h"
#include "tools/fwserver/FirmwareServer.h"
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

const char kImage[] = "/zarnbluetoothmanager/TKV40_v3.3.img";
const char kOther[] = "/zarnbluetoothmanager/Other.img";

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

std::string Pattern(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = (char)('a' + (i * 11) % 26);
    return s;
}

std::string ReadAll(const std::wstring& path) {
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return "<missing>";
    std::string out;
    char b[4096];
    size_t n;
    while ((n = fread(b, 1, sizeof b, f)) > 0) out.append(b, n);
    fclose(f);
    return out;
}

void WriteAll(const std::wstring& path, const std::string& content) {
    FILE* f = _wfopen(path.c_str(), L"wb");
    fwrite(content.data(), 1, content.size(), f);
    fclose(f);
}

// Small limits: the tests see every limit pass within a fraction of a second.
DownloadLimits Quick() {
    DownloadLimits l;
    l.answerMs = 300;
    l.overallMs = 3000;
    l.rateWindowMs = 300;
    l.minBytesPerSecond = 1024;
    return l;
}

class DownloadLimitsTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"core_limits_" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_folder.c_str(), nullptr);
        ASSERT_TRUE(m_server.Start(m_folder + L"\\no_tree"));
        m_server.PutFile(kImage, Pattern(20000));
        m_server.PutFile(kOther, "the other image");
    }
    void TearDown() override {
        m_server.Stop();
        for (const std::wstring& name : Files()) DeleteFileW((m_folder + L"\\" + name).c_str());
        RemoveDirectoryW(m_folder.c_str());
    }
    std::wstring Url(const char* path) { return Widen("http://127.0.0.1:" + std::to_string(m_server.Port()) + path); }
    std::wstring File(const wchar_t* name) { return m_folder + L"\\" + name; }
    std::vector<std::wstring> Files() {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW((m_folder + L"\\*").c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE) return names;
        do {
            std::wstring name = fd.cFileName;
            if (name != L"." && name != L"..") names.push_back(name);
        } while (FindNextFileW(h, &fd));
        FindClose(h);
        return names;
    }
    void Fault(fwserver::Fault fault, DWORD delayMs = 0, const std::string& location = "") {
        m_server.ClearFaults();
        fwserver::FaultRule rule;
        rule.fault = fault;
        rule.pathPart = "TKV40";
        rule.delayMs = delayMs;
        rule.location = location;
        m_server.AddFault(rule);
    }

    fwserver::FirmwareServer m_server;
    std::wstring m_folder;
};

TEST_F(DownloadLimitsTest, MisbehavingServersFailInTimeAndLeaveTheTargetAlone) {
    struct Case {
        const char* what;
        fwserver::Fault fault;
        DWORD delayMs;
        int expected;
    };
    const Case cases[] = {
        {"accepts and never answers", fwserver::Fault::NeverAnswer, 0, DOWNLOAD_INCOMPLETE},
        {"stalls after the headers", fwserver::Fault::StallAfterHeaders, 0, DOWNLOAD_INCOMPLETE},
        {"trickles a byte at a time", fwserver::Fault::Trickle, 20, DOWNLOAD_INCOMPLETE},
        {"redirects to itself", fwserver::Fault::RedirectLoop, 0, DOWNLOAD_CANNOT_OPEN_URL},
        {"chunked body cut before its last chunk", fwserver::Fault::ChunkedCut, 0, DOWNLOAD_CANNOT_OPEN_URL},
        {"status that is not a number", fwserver::Fault::BadStatusLine, 0, DOWNLOAD_CANNOT_OPEN_URL},
        {"204 with a body", fwserver::Fault::NoContentWithBody, 0, DOWNLOAD_CANNOT_OPEN_URL},
        {"garbage among the headers", fwserver::Fault::GarbageHeader, 0, DOWNLOAD_CANNOT_OPEN_URL},
    };
    const std::wstring target = File(L"kept.img");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fault(c.fault, c.delayMs);
        WriteAll(target, "old image");
        size_t before = m_server.Requests().size();

        DWORD start = GetTickCount();
        char* buffer = (char*)1;
        int got = DownloadUrlLimited(Url(kImage).c_str(), &buffer, nullptr, Quick(), nullptr);
        EXPECT_TRUE(got == c.expected || (got < 0 && c.expected == DOWNLOAD_INCOMPLETE)) << got;
        EXPECT_EQ(nullptr, buffer);
        EXPECT_EQ(c.expected, DownloadUrlLimited(Url(kImage).c_str(), nullptr, target.c_str(), Quick(), nullptr));
        // Two downloads, each bounded by its limits (and the grace for a
        // transfer that has to be let go).
        EXPECT_LT(GetTickCount() - start, 10000u);

        EXPECT_TRUE(ReadAll(target) == "old image");
        EXPECT_EQ(std::vector<std::wstring>{L"kept.img"}, Files());
        // A redirect loop is followed only as far as the limit.
        EXPECT_LE(m_server.Requests().size() - before, 2u * (Quick().maxRedirects + 1));
    }
}

TEST_F(DownloadLimitsTest, RedirectsAreFollowedWithinTheOriginAndTheLimit) {
    Fault(fwserver::Fault::Redirect, 0, "/zarnbluetoothmanager/Other.img");
    char* buffer = nullptr;
    DownloadLimits limits = Quick();
    limits.sameOriginAs = Url("/zarnbluetoothmanager/");
    ASSERT_EQ(15, DownloadUrlLimited(Url(kImage).c_str(), &buffer, nullptr, limits, nullptr));
    EXPECT_STREQ("the other image", buffer);
    free(buffer);

    // Elsewhere, or to something that is not the web, it is not followed.
    const std::string away[] = {"http://localhost:" + std::to_string(m_server.Port()) + "/zarnbluetoothmanager/Other.img",
                                "file:///c:/windows/win.ini", "ftp://127.0.0.1/x"};
    for (const std::string& location : away) {
        SCOPED_TRACE(location);
        Fault(fwserver::Fault::Redirect, 0, location);
        EXPECT_EQ(DOWNLOAD_CANNOT_OPEN_URL, DownloadUrlLimited(Url(kImage).c_str(), &buffer, nullptr, limits, nullptr));
    }
    // The address itself must be the server's too.
    m_server.ClearFaults();
    EXPECT_EQ(DOWNLOAD_CANNOT_OPEN_URL,
              DownloadUrlLimited(Widen("http://localhost:" + std::to_string(m_server.Port()) + kOther).c_str(), &buffer,
                                 nullptr, limits, nullptr));
    EXPECT_EQ(DOWNLOAD_CANNOT_OPEN_URL, DownloadUrlLimited(L"file:///c:/windows/win.ini", &buffer, nullptr, Quick(), nullptr));
}

TEST_F(DownloadLimitsTest, LargerThanTheBoundIsRefused) {
    DownloadLimits limits = Quick();
    limits.maxBytes = 19999;
    char* buffer = nullptr;
    EXPECT_EQ(DOWNLOAD_INCOMPLETE, DownloadUrlLimited(Url(kImage).c_str(), &buffer, nullptr, limits, nullptr));
    EXPECT_EQ(nullptr, buffer);
    limits.maxBytes = 20000;
    EXPECT_EQ(20000, DownloadUrlLimited(Url(kImage).c_str(), &buffer, nullptr, limits, nullptr));
    free(buffer);
    EXPECT_EQ(256LL * 1024 * 1024, DownloadLimits().maxBytes);
}

TEST_F(DownloadLimitsTest, ProgressRisesWhileTheBodyArrivesAndCancelEndsIt) {
    m_server.PutFile(kImage, Pattern(64 * 1024));
    Fault(fwserver::Fault::Slow, 10);  // 512 bytes every 10 ms: about 1.3 s
    DownloadProgress progress;
    std::atomic<bool> done{false};
    int seenBetween = 0;
    std::thread watch([&] {
        while (!done) {
            int p = progress.percent;
            if (p > 0 && p < 100) ++seenBetween;
            Sleep(20);
        }
    });
    char* buffer = nullptr;
    EXPECT_EQ(64 * 1024, DownloadUrlLimited(Url(kImage).c_str(), &buffer, nullptr, Quick(), &progress));
    done = true;
    watch.join();
    free(buffer);
    EXPECT_GE(seenBetween, 3);
    EXPECT_EQ(100, progress.percent);

    // Cancelled from another thread while the server stalls.
    Fault(fwserver::Fault::StallAfterHeaders);
    DownloadProgress cancelled;
    DownloadLimits patient;  // the real limits: only the cancel ends it
    std::thread canceller([&] {
        Sleep(200);
        cancelled.cancel = true;
    });
    DWORD start = GetTickCount();
    EXPECT_EQ(DOWNLOAD_INCOMPLETE, DownloadUrlLimited(Url(kImage).c_str(), nullptr, File(L"c.img").c_str(), patient, &cancelled));
    canceller.join();
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_TRUE(Files().empty());
}

TEST_F(DownloadLimitsTest, ALineThatSlowsAfterAFastStartShowsItsBytesWithinTwoSeconds) {
    // 1 MB at once, then 16 KB in 256-byte pieces 20 ms apart: under a
    // clock five times as fast, some 2.5 KB a second of the program's time.
    fw::Clock::SetSpeed(5);
    const std::string body = Pattern(1024 * 1024 + 16 * 1024);
    m_server.PutFile(kImage, body);
    m_server.ClearFaults();
    fwserver::FaultRule rule;
    rule.fault = fwserver::Fault::SlowTail;
    rule.pathPart = "TKV40";
    rule.tailBytes = 16 * 1024;
    rule.pieceBytes = 256;
    rule.pieceMs = 20;
    m_server.AddFault(rule);
    DownloadProgress progress;
    std::atomic<bool> done{false};
    DWORD longest = 0;  // clock ms between two new byte counts in the tail
    std::thread watch([&] {
        long long last = 0;
        DWORD since = 0;
        while (!done) {
            long long got = progress.received;
            DWORD now = fw::Clock::GetTickCount();
            if (got != last) {
                if (last >= 1024 * 1024) longest = std::max(longest, now - since);
                last = got;
                since = now;
            } else if (last >= 1024 * 1024 && last < (long long)body.size()) {
                longest = std::max(longest, now - since);
            }
            Sleep(2);
        }
    });
    // The rate watch of the small limits ends a download whose bytes it
    // does not see for 300 ms of real time.
    char* buffer = nullptr;
    const int got = DownloadUrlLimited(Url(kImage).c_str(), &buffer, nullptr, Quick(), &progress);
    done = true;
    watch.join();
    fw::Clock::SetSpeed(100);
    EXPECT_EQ((int)body.size(), got);
    ASSERT_NE(nullptr, buffer);
    EXPECT_EQ(0, std::memcmp(body.data(), buffer, body.size()));
    free(buffer);
    EXPECT_LT(longest, 2000u);
}

// A reply without a length runs to the close, within the same bounds; a
// cut one cannot be told from a whole one (its reader checks it), unless
// the limits ask for a length.
TEST_F(DownloadLimitsTest, AReplyThatEndsWithTheCloseIsReadToTheClose) {
    const std::wstring target = File(L"to_close.img");
    Fault(fwserver::Fault::NoLength);
    char* buffer = nullptr;
    DownloadProgress progress;
    ASSERT_EQ(20000, DownloadUrlLimited(Url(kImage).c_str(), &buffer, nullptr, Quick(), &progress));
    EXPECT_EQ(0, std::memcmp(Pattern(20000).data(), buffer, 20000));
    free(buffer);
    EXPECT_EQ(100, progress.percent);
    EXPECT_EQ(20000, DownloadUrlLimited(Url(kImage).c_str(), nullptr, target.c_str(), Quick(), nullptr));
    EXPECT_EQ(Pattern(20000), ReadAll(target));

    DownloadLimits bounded = Quick();
    bounded.maxBytes = 19999;
    EXPECT_EQ(DOWNLOAD_INCOMPLETE, DownloadUrlLimited(Url(kImage).c_str(), &buffer, nullptr, bounded, nullptr));
    EXPECT_EQ(nullptr, buffer);
    DownloadLimits withLength = Quick();
    withLength.lengthRequired = true;
    EXPECT_EQ(DOWNLOAD_CANNOT_OPEN_URL, DownloadUrlLimited(Url(kImage).c_str(), &buffer, nullptr, withLength, nullptr));

    Fault(fwserver::Fault::NoLengthCut);
    EXPECT_EQ(10000, DownloadUrlLimited(Url(kImage).c_str(), nullptr, target.c_str(), Quick(), nullptr));
    EXPECT_EQ(DOWNLOAD_CANNOT_OPEN_URL, DownloadUrlLimited(Url(kImage).c_str(), nullptr, target.c_str(), withLength, nullptr));
    EXPECT_EQ(Pattern(10000), ReadAll(target));
    // Chunked stays refused.
    Fault(fwserver::Fault::ChunkedCut);
    EXPECT_EQ(DOWNLOAD_CANNOT_OPEN_URL, DownloadUrlLimited(Url(kImage).c_str(), &buffer, nullptr, Quick(), nullptr));
    EXPECT_EQ(std::vector<std::wstring>{L"to_close.img"}, Files());
}

TEST_F(DownloadLimitsTest, OnlyItsOwnTemporaryFileIsEverRemoved) {
    // Files beside the target that the download did not make stay as they are,
    // whatever their names.
    const std::wstring target = File(L"image.img");
    const wchar_t* neighbours[] = {L"image.img.download", L"image.img.tmp", L"dl1.tmp"};
    for (const wchar_t* n : neighbours) WriteAll(File(n), "not the download's");
    EXPECT_EQ(20000, DownloadUrlLimited(Url(kImage).c_str(), nullptr, target.c_str(), Quick(), nullptr));
    Fault(fwserver::Fault::Truncated);
    EXPECT_EQ(DOWNLOAD_INCOMPLETE, DownloadUrlLimited(Url(kImage).c_str(), nullptr, target.c_str(), Quick(), nullptr));
    for (const wchar_t* n : neighbours) EXPECT_EQ("not the download's", ReadAll(File(n))) << n;
    EXPECT_EQ(Pattern(20000), ReadAll(target));
    EXPECT_EQ(4u, Files().size());

    // Told not to replace, an existing file stays and the download fails.
    m_server.ClearFaults();
    DownloadLimits keep = Quick();
    keep.replaceTarget = false;
    WriteAll(target, "someone else's");
    EXPECT_EQ(DOWNLOAD_CANNOT_CREATE_FILE, DownloadUrlLimited(Url(kImage).c_str(), nullptr, target.c_str(), keep, nullptr));
    EXPECT_EQ("someone else's", ReadAll(target));
    EXPECT_EQ(4u, Files().size());
}

TEST(ReplyHead, OnlyAWellFormedSuccessThatIsNotChunkedCounts) {
    struct Case {
        const wchar_t *status, *version, *length, *encoding;
        int expected;
        long long announced;
    };
    const Case cases[] = {
        {L"200", L"HTTP/1.1", L"12", nullptr, 0, 12},
        {L"203", L"HTTP/1.0", L"0", nullptr, 0, 0},
        {L"200", L"HTTP/1.1", nullptr, L"chunked", DOWNLOAD_CANNOT_OPEN_URL, -1},  // not to an HTTP/1.0 request
        {L"200", L"HTTP/1.0", nullptr, nullptr, 0, -1},                             // up to the close
        {L"200", L"HTTP/1.0", nullptr, L"chunked", DOWNLOAD_CANNOT_OPEN_URL, -1},
        {L"200", L"HTTP/1.1", L"12", L"chunked", DOWNLOAD_CANNOT_OPEN_URL, -1},      // both
        {L"200", L"HTTP/1.1", nullptr, L"gzip", DOWNLOAD_CANNOT_OPEN_URL, -1},
        {L"200", L"HTTP/1.1", L"12abc", nullptr, DOWNLOAD_CANNOT_OPEN_URL, -1},
        {L"200", L"HTTP/1.1", L"-1", nullptr, DOWNLOAD_CANNOT_OPEN_URL, -1},
        {L"200", L"HTTP/1.1", L"99999999999999999999", nullptr, DOWNLOAD_CANNOT_OPEN_URL, -1},
        {L"2", L"HTTP/1.1", L"12", nullptr, DOWNLOAD_CANNOT_OPEN_URL, -1},
        {L"0", L"HTTP/1.1", L"12", nullptr, DOWNLOAD_CANNOT_OPEN_URL, -1},
        {L"2000", L"HTTP/1.1", L"12", nullptr, DOWNLOAD_CANNOT_OPEN_URL, -1},
        {L"204", L"HTTP/1.1", L"12", nullptr, DOWNLOAD_CANNOT_OPEN_URL, -1},
        {L"206", L"HTTP/1.1", L"12", nullptr, DOWNLOAD_CANNOT_OPEN_URL, -1},
        {L"302", L"HTTP/1.1", L"12", nullptr, DOWNLOAD_CANNOT_OPEN_URL, -1},
        {L"404", L"HTTP/1.1", L"12", nullptr, DOWNLOAD_CANNOT_OPEN_URL, -1},
        {L"200", L"HTTP/0.9", L"12", nullptr, DOWNLOAD_CANNOT_OPEN_URL, -1},
        {nullptr, L"HTTP/1.1", L"12", nullptr, DOWNLOAD_CANNOT_OPEN_URL, -1},
    };
    for (const Case& c : cases) {
        long long announced = 77;
        EXPECT_EQ(c.expected, CheckReplyHead(c.status, c.version, c.length, c.encoding, &announced))
            << (c.status ? c.status : L"-") << " " << (c.length ? c.length : L"-");
        if (c.expected == 0) EXPECT_EQ(c.announced, announced);
    }
}

TEST(ReplyHead, EveryHeaderLineIsAHeader) {
    EXPECT_TRUE(CheckRawHeaderLines(L"HTTP/1.1 200 OK\r\nContent-Length: 3\r\nX-A_b: v\tw\r\n\r\n"));
    EXPECT_TRUE(CheckRawHeaderLines(L"HTTP/1.0 200 OK\r\n"));
    EXPECT_FALSE(CheckRawHeaderLines(L""));
    EXPECT_FALSE(CheckRawHeaderLines(L"HTTP/1.1 200 OK\r\n\x01\x7f garbage\r\nContent-Length: 3\r\n\r\n"));
    EXPECT_FALSE(CheckRawHeaderLines(L"HTTP/1.1 200 OK\r\nno colon here\r\n\r\n"));
    EXPECT_FALSE(CheckRawHeaderLines(L"HTTP/1.1 200 OK\r\n: no name\r\n\r\n"));
    EXPECT_FALSE(CheckRawHeaderLines(L"HTTP/1.1 200 OK\r\nName : space before colon\r\n\r\n"));
    EXPECT_FALSE(CheckRawHeaderLines(L"HTTP/1.1 200 OK\r\nA: bell\x07\r\n\r\n"));
    EXPECT_FALSE(CheckRawHeaderLines(L"SIP/2.0 200 OK\r\n\r\n"));
}

TEST(DownloadOriginTest, SchemeHostAndPort) {
    EXPECT_EQ(L"http://127.0.0.1:8080", DownloadOrigin(L"http://127.0.0.1:8080/a/b?c"));
    EXPECT_EQ(L"http://example.test:80", DownloadOrigin(L"HTTP://Example.TEST/a"));
    EXPECT_EQ(L"https://example.test:443", DownloadOrigin(L"https://example.test/"));
    EXPECT_EQ(L"", DownloadOrigin(L"file:///c:/x"));
    EXPECT_EQ(L"", DownloadOrigin(L"not an address"));
    EXPECT_EQ(L"", DownloadOrigin(nullptr));
}

}  // namespace
