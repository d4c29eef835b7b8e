// Starts the real program, finds its wizard window and closes it.
#include <gtest/gtest.h>
#include <windows.h>
#include "framework/Handle.h"
#include <string>

namespace {

std::wstring OutFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path);
    return p.substr(0, p.find_last_of(L"\\/") + 1);
}

struct Found {
    DWORD pid;
    HWND hwnd;
};

// Asks every visible top-level window of the process to close: a box the
// program shows at start-up (a newer version on the server) goes first.
BOOL CALLBACK CloseAllOfProcess(HWND h, LPARAM l) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(h, &pid);
    if (pid == (DWORD)l && ::IsWindowVisible(h)) ::PostMessageW(h, WM_CLOSE, 0, 0);
    return TRUE;
}

BOOL CALLBACK FindByProcess(HWND h, LPARAM l) {
    Found* f = reinterpret_cast<Found*>(l);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(h, &pid);
    if (pid == f->pid && ::IsWindowVisible(h) && !::GetParent(h)) {
        f->hwnd = h;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindow(DWORD pid, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs) {
        Found f{pid, nullptr};
        ::EnumWindows(&FindByProcess, (LPARAM)&f);
        if (f.hwnd) return f.hwnd;
        ::Sleep(100);
    }
    return nullptr;
}

}  // namespace

TEST(ProgramProcess, OpensTheWizardAndEndsOnClose) {
    std::wstring exe = OutFolder() + L"MorvexBluetoothDeviceManager.exe";
    ASSERT_NE(::GetFileAttributesW(exe.c_str()), INVALID_FILE_ATTRIBUTES);

    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::wstring cmd = L"\"" + exe + L"\"";
    ASSERT_TRUE(::CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr,
                                 OutFolder().c_str(), &si, &pi));
    CHandle process(pi.hProcess), thread(pi.hThread);

    HWND wnd = WaitForWindow(pi.dwProcessId, 30000);
    ASSERT_NE(wnd, nullptr) << "the wizard window did not appear";
    wchar_t title[256] = {};
    ::GetWindowTextW(wnd, title, 256);
    EXPECT_STREQ(title, L"Morvex Bluetooth Device Manager");
    wchar_t cls[64] = {};
    ::GetClassNameW(wnd, cls, 64);
    EXPECT_STREQ(cls, L"#32770");  // a dialog
    EXPECT_NE(::GetDlgItem(wnd, 1018), nullptr);  // NEXT
    EXPECT_NE(::GetDlgItem(wnd, 1019), nullptr);  // ACTION

    // The wizard may be busy with its start-up check or show a box; closing
    // is retried until it is accepted.
    DWORD waited = WAIT_TIMEOUT;
    for (int i = 0; i < 30 && waited == WAIT_TIMEOUT; ++i) {
        ::EnumWindows(&CloseAllOfProcess, (LPARAM)pi.dwProcessId);
        waited = ::WaitForSingleObject(pi.hProcess, 1000);
    }
    EXPECT_EQ(waited, WAIT_OBJECT_0) << "the program did not end";
    if (waited != WAIT_OBJECT_0) ::TerminateProcess(pi.hProcess, 1);
    DWORD code = 1;
    ::GetExitCodeProcess(pi.hProcess, &code);
}

// The program tells Windows that it lays its windows out for the display's
// scaling itself (so that they are not stretched and blurred), and keeps the
// classic look of its controls (no dependency on the newer common controls).
TEST(ProgramProcess, ItsManifestDeclaresTheScalingAndKeepsTheClassicControls) {
    const std::wstring exe = OutFolder() + L"MorvexBluetoothDeviceManager.exe";
    HMODULE image = ::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(image != nullptr);
    HRSRC found = ::FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_TRUE(found != nullptr) << "no manifest";
    const char* bytes = static_cast<const char*>(::LockResource(::LoadResource(image, found)));
    std::string manifest(bytes, ::SizeofResource(image, found));
    ::FreeLibrary(image);
    EXPECT_NE(manifest.find("<dpiAware>true</dpiAware>"), std::string::npos) << manifest;
    EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos) << manifest;
}
