// ftd2xx.dll by ordinal and the flash loader stand-in run as a child
// process with its output read through a pipe, as the vehicle module
// update does it.
#include "tests/standins/SimTestSupport.h"
#include "standins/ftd2xx/include/Ftd2xx.h"

using namespace simtest;

namespace {

std::wstring OutFolder() {
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring s = exe;
    return s.substr(0, s.find_last_of(L"\\/") + 1);
}

class FtdiTest : public SimWorldTest {};

TEST_F(FtdiTest, OrdinalsOpenReadTheComPortAndClose) {
    sim::DeviceId bridge = sim::AddFtdiDevice(L"Bridge", 7, L"");
    HMODULE lib = ::GetModuleHandleW(L"ftd2xx.dll");
    ASSERT_NE(nullptr, lib);
    auto open = (FtOpenFn)::GetProcAddress(lib, MAKEINTRESOURCEA(kFtOrdinalOpen));
    auto close = (FtCloseFn)::GetProcAddress(lib, MAKEINTRESOURCEA(kFtOrdinalClose));
    auto port = (FtComPortFn)::GetProcAddress(lib, MAKEINTRESOURCEA(kFtOrdinalComPort));
    ASSERT_TRUE(open && close && port);
    EXPECT_EQ(nullptr, ::GetProcAddress(lib, "FtOpenDevice"));  // no names, ordinals only

    FtHandle h = nullptr;
    ASSERT_EQ((FtStatus)kFtOk, open(0, &h));
    LONG com = 0;
    EXPECT_EQ((FtStatus)kFtOk, port(h, &com));
    EXPECT_EQ(7, com);
    FtHandle again = nullptr;
    EXPECT_NE((FtStatus)kFtOk, open(0, &again));  // already open
    EXPECT_EQ((FtStatus)kFtOk, close(h));
    EXPECT_NE((FtStatus)kFtOk, close(h));
    EXPECT_NE((FtStatus)kFtOk, port(h, &com));
    EXPECT_NE((FtStatus)kFtOk, open(1, &again));  // there is only one bridge
    EXPECT_EQ(2, sim::FtdiOpenCount(bridge));
}

TEST_F(FtdiTest, FaultsAndMissingBridgeThroughTheImportLibrary) {
    FtHandle h = nullptr;
    EXPECT_EQ((FtStatus)kFtDeviceNotFound, FtOpenDevice(0, &h));
    sim::DeviceId bridge = sim::AddFtdiDevice(L"Bridge", -1, L"");
    LONG com = 0;
    ASSERT_EQ((FtStatus)kFtOk, FtOpenDevice(0, &h));
    EXPECT_EQ((FtStatus)kFtOk, FtGetComPortNumber(h, &com));
    EXPECT_EQ(-1, com);  // a bridge without a COM port
    sim::SetFtdiFaults(bridge, false, true);
    EXPECT_NE((FtStatus)kFtOk, FtGetComPortNumber(h, &com));
    EXPECT_EQ((FtStatus)kFtOk, FtCloseDevice(h));
    sim::SetFtdiFaults(bridge, true, false);
    EXPECT_NE((FtStatus)kFtOk, FtOpenDevice(0, &h));
}

// Runs a command line as the update page does: no window, stdout and
// stderr into one inherited pipe, read until it ends.
std::string RunCaptured(const std::wstring& commandLine, bool* started) {
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE readEnd, writeEnd;
    if (!::CreatePipe(&readEnd, &writeEnd, &sa, 0)) return "";
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si = {sizeof(si)};
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    PROCESS_INFORMATION pi = {};
    std::wstring cmd = commandLine;
    *started = ::CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi);
    ::CloseHandle(writeEnd);
    std::string out;
    char buf[10240];
    DWORD n;
    while (::ReadFile(readEnd, buf, sizeof buf, &n, nullptr) && n > 0) out.append(buf, n);
    ::CloseHandle(readEnd);
    if (*started) {
        ::WaitForSingleObject(pi.hProcess, 10000);
        ::CloseHandle(pi.hProcess);
        ::CloseHandle(pi.hThread);
    }
    return out;
}

class FlashLoaderTest : public SimWorldTest {
protected:
    // The command line of the vehicle module update, with the doubled
    // separator before the file name.
    std::wstring CommandLine(int port, const std::wstring& folder) {
        return L"\"" + OutFolder() + L"STMFlashLoader.exe\" -c --pn " + std::to_wstring(port) +
               L" --br 115200 -i STM32F1_Med-density_128K -e --all -d --a 8000000 --fn \"" + folder +
               L"\\\\__kiv_can_fw__.hex\"";
    }
    TempFolder folder;
};

TEST_F(FlashLoaderTest, WritesTheImageIntoTheModuleAndReportsDownloading) {
    std::wstring target = folder.File(L"can.target");
    sim::AddFtdiDevice(L"Bridge", 5, target.c_str());
    std::string image = ":020000040800F2\r\n:00000001FF\r\n";
    ASSERT_TRUE(WriteText(folder.File(L"__kiv_can_fw__.hex"), image));
    bool started = false;
    std::string out = RunCaptured(CommandLine(5, folder.path()), &started);
    ASSERT_TRUE(started);
    EXPECT_NE(std::string::npos, out.find("DOWNLOADING")) << out;
    EXPECT_NE(std::string::npos, out.find("SUCCESS")) << out;
    std::string flashed, record;
    ASSERT_TRUE(ReadText(target + L".flash", &flashed));
    EXPECT_EQ(image, flashed);
    ASSERT_TRUE(ReadText(target, &record));
    EXPECT_NE(std::string::npos, record.find("flashed_address=0x8000000"));
}

TEST_F(FlashLoaderTest, WithoutAnAnsweringModuleThereIsNoDownloading) {
    std::wstring target = folder.File(L"can.target");
    ASSERT_TRUE(WriteText(folder.File(L"__kiv_can_fw__.hex"), "data"));
    struct Case {
        const char* what;
        int worldPort, commandPort;
        const wchar_t* fault;
        bool bridge;
    } cases[] = {
        {"wrong port", 5, 6, L"none", true},
        {"no port (-1)", 5, -1, L"none", true},
        {"controller silent", 5, 5, L"no-answer", true},
        {"no module at all", 5, 5, L"none", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::Reset();
        if (c.bridge) {
            sim::DeviceId id = sim::AddFtdiDevice(L"Bridge", c.worldPort, target.c_str());
            sim::SetFlashFault(id, c.fault);
        }
        bool started = false;
        std::string out = RunCaptured(CommandLine(c.commandPort, folder.path()), &started);
        EXPECT_TRUE(started);
        EXPECT_EQ(std::string::npos, out.find("DOWNLOADING")) << out;
        EXPECT_NE(std::string::npos, out.find("ERROR")) << out;
    }
}

TEST_F(FlashLoaderTest, AFailingWriteStillPrintsDownloadingButNoSuccess) {
    std::wstring target = folder.File(L"can.target");
    sim::DeviceId id = sim::AddFtdiDevice(L"Bridge", 3, target.c_str());
    sim::SetFlashFault(id, L"write-fails");
    ASSERT_TRUE(WriteText(folder.File(L"__kiv_can_fw__.hex"), "data"));
    bool started = false;
    std::string out = RunCaptured(CommandLine(3, folder.path()), &started);
    EXPECT_NE(std::string::npos, out.find("DOWNLOADING")) << out;
    EXPECT_EQ(std::string::npos, out.find("SUCCESS")) << out;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((target + L".flash").c_str()));
}

TEST_F(FlashLoaderTest, AMissingLoaderCannotStart) {
    bool started = true;
    std::string out = RunCaptured(L"\"" + OutFolder() + L"NoSuchLoader.exe\" -c", &started);
    EXPECT_FALSE(started);
    EXPECT_TRUE(out.empty());
}

}  // namespace
