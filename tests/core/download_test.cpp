#include <gtest/gtest.h>
#include <windows.h>
#include "core/Download.h"
#include "core/DownloadSinks.h"
#include "core/ServerAddress.h"
#include "tools/fwserver/FirmwareServer.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char kList[] = "/zarnbluetoothmanager/Firmware";
const char kImage[] = "/zarnbluetoothmanager/TKV40_v3.3.img";

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

std::string Pattern(size_t n) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = (char)('A' + (i * 7) % 26);
    return s;
}

bool ReadFileBytes(const std::wstring& path, std::string* out) {
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (!f) return false;
    out->clear();
    char b[4096];
    size_t n;
    while ((n = fread(b, 1, sizeof b, f)) > 0) out->append(b, n);
    fclose(f);
    return true;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class DownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"core_download_" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_folder.c_str(), nullptr);
        ASSERT_TRUE(m_server.Start(m_folder + L"\\no_tree"));
        m_server.PutFile(kList, "TKV40:v3.3:TKV40_v3.3.img\n");
        m_server.PutFile(kImage, Pattern(3 * DOWNLOAD_BUFFER_STEP + 517));
    }
    void TearDown() override {
        m_server.Stop();
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW((m_folder + L"\\*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do DeleteFileW((m_folder + L"\\" + fd.cFileName).c_str());
            while (FindNextFileW(h, &fd));
            FindClose(h);
        }
        RemoveDirectoryW(m_folder.c_str());
    }
    std::wstring Url(const char* path) { return Widen("http://127.0.0.1:" + std::to_string(m_server.Port()) + path); }
    std::wstring File(const wchar_t* name) { return m_folder + L"\\" + name; }
    // Files in the folder other than the ones named.
    int StrayFiles(const std::wstring& keep) {
        int n = 0;
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW((m_folder + L"\\*").c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE) return 0;
        do {
            std::wstring name = fd.cFileName;
            if (name != L"." && name != L".." && m_folder + L"\\" + name != keep) ++n;
        } while (FindNextFileW(h, &fd));
        FindClose(h);
        return n;
    }

    fwserver::FirmwareServer m_server;
    std::wstring m_folder;
};

TEST_F(DownloadTest, IntoMemory) {
    char* buffer = nullptr;
    int progress = -1;
    const std::string expected = "TKV40:v3.3:TKV40_v3.3.img\n";
    ASSERT_EQ((int)expected.size(), DownloadUrl(Url(kList).c_str(), &buffer, nullptr, &progress));
    ASSERT_NE(nullptr, buffer);
    EXPECT_STREQ(expected.c_str(), buffer);
    EXPECT_EQ(100, progress);
    free(buffer);
}

TEST_F(DownloadTest, BodyLargerThanChunkAndBuffer) {
    const std::string body = Pattern(3 * DOWNLOAD_BUFFER_STEP + 517);
    char* buffer = nullptr;
    ASSERT_EQ((int)body.size(), DownloadUrl(Url(kImage).c_str(), &buffer, nullptr, nullptr));
    ASSERT_NE(nullptr, buffer);
    EXPECT_EQ(0, std::memcmp(body.data(), buffer, body.size()));
    EXPECT_EQ(0, buffer[body.size()]);  // always followed by a zero byte
    free(buffer);

    // A body that ends exactly at a growth step still gets its zero byte.
    const std::string exact = Pattern(DOWNLOAD_BUFFER_STEP);
    m_server.PutFile(kList, exact);
    ASSERT_EQ((int)exact.size(), DownloadUrl(Url(kList).c_str(), &buffer, nullptr, nullptr));
    EXPECT_EQ(0, buffer[exact.size()]);
    EXPECT_EQ(exact, std::string(buffer));
    free(buffer);
}

TEST_F(DownloadTest, IntoFile) {
    const std::wstring target = File(L"TKV40_v3.3.img");
    int progress = -1;
    const std::string body = Pattern(3 * DOWNLOAD_BUFFER_STEP + 517);
    EXPECT_EQ((int)body.size(), DownloadUrl(Url(kImage).c_str(), nullptr, target.c_str(), &progress));
    std::string got;
    ASSERT_TRUE(ReadFileBytes(target, &got));
    EXPECT_EQ(body, got);
    EXPECT_EQ(100, progress);
    EXPECT_EQ(0, StrayFiles(target));

    // A second download replaces the file.
    m_server.PutFile(kImage, "new image");
    EXPECT_EQ(9, DownloadUrl(Url(kImage).c_str(), nullptr, target.c_str(), nullptr));
    ASSERT_TRUE(ReadFileBytes(target, &got));
    EXPECT_EQ("new image", got);
    EXPECT_EQ(0, StrayFiles(target));
}

TEST_F(DownloadTest, FailuresKeepNothingAndLeaveTheTarget) {
    const std::wstring target = File(L"kept.img");
    FILE* f = _wfopen(target.c_str(), L"wb");
    fputs("old image", f);
    fclose(f);

    struct Case { const char* what; fwserver::Fault fault; int status; const char* path; int expected; };
    const Case cases[] = {
        {"not found", fwserver::Fault::None, 0, "/zarnbluetoothmanager/missing.img", DOWNLOAD_CANNOT_OPEN_URL},
        {"not found (fault)", fwserver::Fault::NotFound, 0, kImage, DOWNLOAD_CANNOT_OPEN_URL},
        {"server error", fwserver::Fault::HttpError, 500, kImage, DOWNLOAD_CANNOT_OPEN_URL},
        {"truncated", fwserver::Fault::Truncated, 0, kImage, DOWNLOAD_INCOMPLETE},
    };
    for (const Case& c : cases) {
        m_server.ClearFaults();
        if (c.fault != fwserver::Fault::None) {
            fwserver::FaultRule rule;
            rule.fault = c.fault;
            rule.status = c.status;
            m_server.AddFault(rule);
        }
        char* buffer = (char*)1;
        EXPECT_EQ(c.expected, DownloadUrl(Url(c.path).c_str(), &buffer, nullptr, nullptr)) << c.what;
        EXPECT_EQ(nullptr, buffer) << c.what;
        EXPECT_EQ(c.expected, DownloadUrl(Url(c.path).c_str(), nullptr, target.c_str(), nullptr)) << c.what;
        std::string got;
        ASSERT_TRUE(ReadFileBytes(target, &got)) << c.what;
        EXPECT_EQ("old image", got) << c.what;
        EXPECT_EQ(0, StrayFiles(target)) << c.what;
        const std::wstring fresh = File(L"fresh.img");
        EXPECT_EQ(c.expected, DownloadUrl(Url(c.path).c_str(), nullptr, fresh.c_str(), nullptr)) << c.what;
        EXPECT_FALSE(Exists(fresh)) << c.what;
    }
}

TEST_F(DownloadTest, FileThatCannotBeCreated) {
    const std::wstring target = File(L"no such folder\\image.img");
    EXPECT_EQ(DOWNLOAD_CANNOT_CREATE_FILE, DownloadUrl(Url(kImage).c_str(), nullptr, target.c_str(), nullptr));
    EXPECT_EQ(DOWNLOAD_CANNOT_CREATE_FILE, DownloadUrl(Url(kImage).c_str(), nullptr, L"", nullptr));
    EXPECT_EQ(DOWNLOAD_CANNOT_CREATE_FILE, DownloadUrl(Url(kImage).c_str(), nullptr, nullptr, nullptr));
    // A folder stands where the file should go: it cannot be replaced.
    const std::wstring folder = File(L"a folder");
    CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_EQ(DOWNLOAD_CANNOT_CREATE_FILE, DownloadUrl(Url(kImage).c_str(), nullptr, folder.c_str(), nullptr));
    RemoveDirectoryW(folder.c_str());
    EXPECT_EQ(0, StrayFiles(L""));
}

TEST_F(DownloadTest, EmptyBodyAndUnreachableServer) {
    m_server.PutFile(kList, "");
    char* buffer = (char*)1;
    EXPECT_EQ(0, DownloadUrl(Url(kList).c_str(), &buffer, nullptr, nullptr));
    EXPECT_EQ(nullptr, buffer);
    const std::wstring target = File(L"empty.img");
    EXPECT_EQ(0, DownloadUrl(Url(kList).c_str(), nullptr, target.c_str(), nullptr));
    EXPECT_FALSE(Exists(target));

    std::wstring url = Url(kList);
    m_server.Stop();
    EXPECT_EQ(DOWNLOAD_CANNOT_OPEN_URL, DownloadUrl(url.c_str(), &buffer, nullptr, nullptr));
    EXPECT_EQ(DOWNLOAD_CANNOT_OPEN_URL, DownloadUrl(L"", &buffer, nullptr, nullptr));
    EXPECT_EQ(DOWNLOAD_CANNOT_OPEN_URL, DownloadUrl(nullptr, &buffer, nullptr, nullptr));
}

TEST(MemorySink, GrowsPastItsFirstSizeAndKeepsTheZeroByte) {
    // Made for an announced length, or for a first step when none is known;
    // more than that still fits, each time followed by a zero byte.
    const std::string body = Pattern(3 * DOWNLOAD_BUFFER_STEP + 517);
    for (long long announced : {-1LL, (long long)DOWNLOAD_BUFFER_STEP + 1}) {
        CMemorySink sink;
        ASSERT_EQ(0, sink.Open(announced));
        for (size_t at = 0; at < body.size(); at += 1000)
            ASSERT_EQ(0, sink.Add(body.data() + at, (DWORD)std::min<size_t>(1000, body.size() - at)));
        EXPECT_EQ(body.size(), sink.Used());
        char* data = sink.Release();
        ASSERT_NE(nullptr, data);
        EXPECT_EQ(0, std::memcmp(body.data(), data, body.size()));
        EXPECT_EQ(0, data[body.size()]);
        free(data);
    }
}

TEST(ServerAddress, BuildSettingAndTestOverride) {
    EXPECT_EQ(CString(MORVEX_TEST_SERVER_URL), GetServerBaseUrl());
    EXPECT_EQ(L"/zarnbluetoothmanager/", GetServerBaseUrl().Right(22));
    SetServerBaseUrl(L"http://127.0.0.1:1/zarnbluetoothmanager/");
    EXPECT_EQ(L"http://127.0.0.1:1/zarnbluetoothmanager/", GetServerBaseUrl());
    SetServerBaseUrl(L"");
    EXPECT_EQ(CString(MORVEX_TEST_SERVER_URL), GetServerBaseUrl());
}

}  // namespace
