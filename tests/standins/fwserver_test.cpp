// The local firmware server, fetched through WinINet as the program fetches:
// the fixture lists, images, and each fault on demand.
#include <winsock2.h>
#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>
#include "tools/fwserver/FirmwareServer.h"
#include "tools/fwserver/TreeFiles.h"
#include <memory>
#include <string>
#include <vector>

namespace {

std::wstring FixtureRoot() {
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring s = exe;
    return s.substr(0, s.find_last_of(L"\\/") + 1) + L"fwserver";
}

// GET over WinINet; returns the HTTP status (0 when the address does not
// open) and the body read until the connection ends.
int Fetch(const std::string& url, std::string* body, DWORD* announced = nullptr) {
    body->clear();
    HINTERNET net = ::InternetOpenA("standins-test", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    if (!net) return 0;
    DWORD timeout = 20000;
    ::InternetSetOptionA(net, INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof timeout);
    HINTERNET req = ::InternetOpenUrlA(net, url.c_str(), nullptr, 0,
                                       INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0);
    int status = 0;
    if (req) {
        DWORD code = 0, size = sizeof code;
        ::HttpQueryInfoA(req, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code, &size, nullptr);
        status = (int)code;
        if (announced) {
            size = sizeof *announced;
            *announced = 0;
            ::HttpQueryInfoA(req, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, announced, &size, nullptr);
        }
        char buf[4096];
        DWORD n = 0;
        while (::InternetReadFile(req, buf, sizeof buf, &n) && n > 0) body->append(buf, n);
        ::InternetCloseHandle(req);
    }
    ::InternetCloseHandle(net);
    return status;
}

class FirmwareServerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.Start(FixtureRoot(), 0)); }
    void TearDown() override { server.Stop(); }
    fwserver::FirmwareServer server;
};

TEST_F(FirmwareServerTest, ServesTheListsAndImagesOfTheFixtureTree) {
    ASSERT_NE(0, server.Port());
    EXPECT_EQ("http://127.0.0.1:" + std::to_string(server.Port()) + "/zarnbluetoothmanager/", server.BaseUrl());
    struct Case { const char* file; const char* contains; } cases[] = {
        {"Firmware", "TKV40 : v3.3 : TKV40_v3.3.img"},
        {"Revisions", "Vela_Morn_T : v1.0 : Vela_Morn_T_v1.0.img"},
        {"x64/Software", ".exe"},
        {"TKV40_v3.3.img", "TKV40#4D10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        std::string body;
        EXPECT_EQ(200, Fetch(server.BaseUrl() + c.file, &body));
        EXPECT_NE(std::string::npos, body.find(c.contains));
    }
    std::string image;
    Fetch(server.BaseUrl() + "TKV40_v3.3.img", &image);
    EXPECT_EQ(2048u, image.size());
    EXPECT_EQ(0, image.compare(0, 8, "SIMDFU01"));
    EXPECT_EQ(5u, server.Requests().size());
}

TEST_F(FirmwareServerTest, MissingFilesFoldersAndEscapesAreNotServed) {
    std::string body;
    const char* paths[] = {"NoSuchList", "", "x64", "..%2F..%2Fwindows/win.ini", "%2e%2e/fwserver/zarnbluetoothmanager/Firmware"};
    for (const char* p : paths) {
        SCOPED_TRACE(p);
        int status = Fetch(server.BaseUrl() + p, &body);
        EXPECT_TRUE(status == 404 || status == 400) << status;
    }
}

TEST_F(FirmwareServerTest, FaultsOnDemand) {
    std::string body;
    fwserver::FaultRule notFound;
    notFound.fault = fwserver::Fault::NotFound;
    notFound.pathPart = "/Firmware";
    server.AddFault(notFound);
    EXPECT_EQ(404, Fetch(server.BaseUrl() + "Firmware", &body));
    EXPECT_EQ(200, Fetch(server.BaseUrl() + "Revisions", &body));

    server.ClearFaults();
    fwserver::FaultRule error;
    error.fault = fwserver::Fault::HttpError;
    error.status = 503;
    server.AddFault(error);
    EXPECT_EQ(503, Fetch(server.BaseUrl() + "Revisions", &body));

    server.ClearFaults();
    fwserver::FaultRule truncated;
    truncated.fault = fwserver::Fault::Truncated;
    truncated.pathPart = ".img";
    server.AddFault(truncated);
    DWORD announced = 0;
    EXPECT_EQ(200, Fetch(server.BaseUrl() + "TKV40_v3.3.img", &body, &announced));
    EXPECT_EQ(2048u, announced);
    EXPECT_EQ(1024u, body.size());

    server.ClearFaults();
    fwserver::FaultRule slow;
    slow.fault = fwserver::Fault::Slow;
    slow.delayMs = 600;
    server.AddFault(slow);
    DWORD start = ::GetTickCount();
    EXPECT_EQ(200, Fetch(server.BaseUrl() + "TKV40_v3.3.img", &body));
    EXPECT_GE(::GetTickCount() - start, 550u);
    EXPECT_EQ(2048u, body.size());
}

TEST_F(FirmwareServerTest, PutFileOverridesTheTreeAndAPortInUseIsRefused) {
    server.PutFile("/zarnbluetoothmanager/Firmware", "A : v1.2 : x.img\n");
    std::string body;
    EXPECT_EQ(200, Fetch(server.BaseUrl() + "Firmware", &body));
    EXPECT_EQ("A : v1.2 : x.img\n", body);
    fwserver::FirmwareServer second;
    EXPECT_FALSE(second.Start(FixtureRoot(), server.Port()));
    server.Stop();
    EXPECT_FALSE(server.IsRunning());
    EXPECT_EQ(0, Fetch(server.BaseUrl() + "Firmware", &body));
}

// A raw client, for what WinINet would not do.
class RawClient {
public:
    explicit RawClient(unsigned short port) {
        m_socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in addr = {};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = htons(port);
        m_connected = ::connect(m_socket, (sockaddr*)&addr, sizeof addr) == 0;
        DWORD timeout = 5000;
        ::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, (const char*)&timeout, sizeof timeout);
    }
    ~RawClient() { ::closesocket(m_socket); }
    bool Connected() const { return m_connected; }
    bool Send(const std::string& s) { return ::send(m_socket, s.data(), (int)s.size(), 0) == (int)s.size(); }
    // Everything until the server closes (or 5 s pass).
    std::string ReadAll() {
        std::string out;
        char buf[4096];
        int n;
        while ((n = ::recv(m_socket, buf, sizeof buf, 0)) > 0) out.append(buf, n);
        return out;
    }

private:
    SOCKET m_socket;
    bool m_connected = false;
};

TEST_F(FirmwareServerTest, DeviceNamesAreRefusedAtOnce) {
    const char* paths[] = {"COM1", "AUX", "NUL", "nul.exe", "x64/Com1.img", "CON", "LPT1.txt"};
    for (const char* p : paths) {
        SCOPED_TRACE(p);
        std::string body;
        DWORD start = ::GetTickCount();
        EXPECT_EQ(400, Fetch(server.BaseUrl() + p, &body));
        EXPECT_LT(::GetTickCount() - start, 3000u);
    }
    // No connection stays behind on a device.
    DWORD start = ::GetTickCount();
    while (server.OpenConnections() > 0 && ::GetTickCount() - start < 3000) ::Sleep(10);
    EXPECT_EQ(0, server.OpenConnections());
}

TEST_F(FirmwareServerTest, ConnectionsAreBoundedAndASlowRequestIsDropped) {
    server.SetRequestDeadline(1500);
    // More idle clients than the server serves at once: the extra ones are
    // told so at once, and the server goes on.
    std::vector<std::unique_ptr<RawClient>> idle;
    for (int i = 0; i < fwserver::kMaxConnections + 20; ++i) {
        idle.emplace_back(new RawClient(server.Port()));
        ASSERT_TRUE(idle.back()->Connected());
    }
    EXPECT_NE(std::string::npos, idle.back()->ReadAll().find(" 503 "));
    EXPECT_LE(server.OpenConnections(), fwserver::kMaxConnections);
    EXPECT_TRUE(server.IsRunning());
    // The idle ones are dropped at their deadline, and the server serves again.
    DWORD start = ::GetTickCount();
    idle.front()->ReadAll();
    EXPECT_LT(::GetTickCount() - start, 5000u);
    idle.clear();
    std::string body;
    EXPECT_EQ(200, Fetch(server.BaseUrl() + "Firmware", &body));

    // A client that sends a byte now and then does not keep its connection.
    RawClient slow(server.Port());
    start = ::GetTickCount();
    const std::string request = "GET /zarnbluetoothmanager/Firmware HTTP/1.1\r\nHost: x\r\n\r\n";
    bool cut = false;
    for (char c : request) {
        if (!slow.Send(std::string(1, c))) {
            cut = true;
            break;
        }
        ::Sleep(100);
        if (::GetTickCount() - start > 2000) break;
    }
    std::string reply = slow.ReadAll();
    EXPECT_TRUE(cut || reply.find(" 200 ") == std::string::npos) << reply;
    EXPECT_LT(::GetTickCount() - start, 8000u);
}

TEST_F(FirmwareServerTest, TheRequestLogKeepsTheLatest) {
    for (size_t i = 0; i < fwserver::kMaxLoggedRequests + 5; ++i) {
        RawClient client(server.Port());
        ASSERT_TRUE(client.Send("HEAD /r" + std::to_string(i) + " HTTP/1.1\r\n\r\n"));
        client.ReadAll();
    }
    std::vector<std::string> log = server.Requests();
    ASSERT_EQ(fwserver::kMaxLoggedRequests, log.size());
    EXPECT_EQ("/r5", log.front());
    EXPECT_EQ("/r" + std::to_string(fwserver::kMaxLoggedRequests + 4), log.back());
}

TEST(TreeFilesTest, SafeUrlPathDecodesAndRefusesEscapes) {
    struct Case { const char* raw; bool ok; const char* decoded; } cases[] = {
        {"/zarnbluetoothmanager/Firmware", true, "/zarnbluetoothmanager/Firmware"},
        {"/a%20b?x=1", true, "/a b"},
        {"/a/../b", false, ""},
        {"/a/%2E%2E/b", false, ""},
        {"/a\\b", false, ""},
        {"/a%5Cb", false, ""},
        {"/c:/x", false, ""},
        {"/a%00", false, ""},
        {"/a%4", false, ""},
        {"relative", false, ""},
        {"/a/..b", true, "/a/..b"},
        // Device names, with or without an extension, in any folder.
        {"/COM1", false, ""},
        {"/zarnbluetoothmanager/aux", false, ""},
        {"/zarnbluetoothmanager/NUL.exe", false, ""},
        {"/x64/lpt9.img", false, ""},
        {"/CON", false, ""},
        {"/conin$", false, ""},
        {"/nul .txt", false, ""},
        {"/%4eUL", false, ""},
        {"/COM1/Firmware", false, ""},
        // Windows would drop a trailing dot or space.
        {"/Firmware.", false, ""},
        {"/Firmware%20", false, ""},
        {"/COM10", true, "/COM10"},
        {"/CONSOLE.img", true, "/CONSOLE.img"},
        {"/nullable", true, "/nullable"},
    };
    for (const Case& c : cases) {
        std::string out;
        EXPECT_EQ(c.ok, fwserver::SafeUrlPath(c.raw, &out)) << c.raw;
        if (c.ok) {
            EXPECT_EQ(c.decoded, out) << c.raw;
        }
    }
}

}  // namespace
