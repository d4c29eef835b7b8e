// STMFlashLoader.exe stand-in: flashes the vehicle module's CAN controller
// over the FTDI COM port, as the update thread runs it:
//   STMFlashLoader.exe -c --pn PORT --br 115200 -i DEVICE -e --all -d --a ADDRESS --fn FILE
// Progress goes to standard output, with "DOWNLOADING" lines while the
// image is written. Exit status 0 on success.
#include "standins/flashloader/FlashTarget.h"
#include <windows.h>
#include <tlhelp32.h>
#include <cstdio>
#include <cstdlib>
#include <cstdarg>
#include <cwchar>
#include <string>

namespace {

struct Options {
    bool connect = false, erase = false, eraseAll = false, download = false;
    int port = -1;
    unsigned long baud = 0, address = 0;
    std::wstring device, file;
};

// A loader whose controller stopped answering waits for it: until whoever
// started the loader ends it, and no longer than that caller lives (a
// simulated loader must not outlive a test that lost track of it).
void WaitForever() {
    const DWORD self = ::GetCurrentProcessId();
    DWORD parent = 0;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot != INVALID_HANDLE_VALUE) {
        PROCESSENTRY32W entry = {};
        entry.dwSize = sizeof entry;
        for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry))
            if (entry.th32ProcessID == self) parent = entry.th32ParentProcessID;
        ::CloseHandle(snapshot);
    }
    HANDLE caller = parent ? ::OpenProcess(SYNCHRONIZE, FALSE, parent) : nullptr;
    if (!caller) {
        ::Sleep(600000);
        return;
    }
    ::WaitForSingleObject(caller, 600000);
    ::CloseHandle(caller);
}

bool Parse(int argc, wchar_t** argv, Options* o, std::wstring* error) {
    for (int i = 1; i < argc; ++i) {
        std::wstring a = argv[i];
        auto value = [&](std::wstring* out) {
            if (i + 1 >= argc) {
                *error = L"missing value after " + a;
                return false;
            }
            *out = argv[++i];
            return true;
        };
        std::wstring v;
        if (a == L"-c") o->connect = true;
        else if (a == L"-e") o->erase = true;
        else if (a == L"--all") o->eraseAll = true;
        else if (a == L"-d") o->download = true;
        else if (a == L"--pn") { if (!value(&v)) return false; o->port = (int)std::wcstol(v.c_str(), nullptr, 10); }
        else if (a == L"--br") { if (!value(&v)) return false; o->baud = std::wcstoul(v.c_str(), nullptr, 10); }
        else if (a == L"-i") { if (!value(&o->device)) return false; }
        else if (a == L"--a") { if (!value(&v)) return false; o->address = std::wcstoul(v.c_str(), nullptr, 16); }
        else if (a == L"--fn") { if (!value(&o->file)) return false; }
        else { *error = L"unknown option " + a; return false; }
    }
    if (!o->connect || o->port < 0 || o->baud == 0 || o->device.empty()) {
        *error = L"usage: -c --pn PORT --br BAUD -i DEVICE [-e --all] [-d --a ADDRESS --fn FILE]";
        return false;
    }
    if (o->download && o->file.empty()) {
        *error = L"-d needs --fn FILE";
        return false;
    }
    return true;
}

void Say(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::fflush(stdout);
}

int Fail(const char* what) {
    Say("ERROR: %s\n", what);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Options o;
    std::wstring error;
    Say("STM32 flash loader (simulated devices)\n");
    if (!Parse(argc, argv, &o, &error)) {
        Say("ERROR: %ls\n", error.c_str());
        return 2;
    }
    flashloader::FlashTarget target;
    Say("Opening COM%d at %lu baud ... ", o.port, o.baud);
    if (!flashloader::LoadTarget(&target) || target.port != o.port) {
        Say("FAILED\n");
        return Fail("no device answers on this port");
    }
    Say("OK\n");
    auto pause = [&](DWORD ms) { ::Sleep(ms / target.speed); };
    pause(300);
    Say("Connecting to %ls ... ", o.device.c_str());
    if (target.fault == "stall") {
        // Connected, then nothing more: no progress, no end.
        WaitForever();
        return Fail("the target stopped answering");
    }
    if (target.fault == "no-answer") {
        Say("FAILED\n");
        return Fail("the target does not answer");
    }
    Say("OK\n");
    if (o.erase) {
        pause(500);
        Say("ERASING %s ... OK\n", o.eraseAll ? "all pages" : "pages");
    }
    if (!o.download) return 0;

    FILE* f = _wfopen(o.file.c_str(), L"rb");
    if (!f) return Fail("cannot open the image file");
    std::string bytes;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    std::fclose(f);

    Say("DOWNLOADING %u bytes at 0x%lX\n", (unsigned)bytes.size(), o.address);
    for (int percent = 25; percent <= 100; percent += 25) {
        pause(250);
        if (target.fault == "hang" && percent > 50) {
            // The controller stops answering in the middle of the write and
            // the loader waits for it: whoever started the loader ends it.
            WaitForever();
            return Fail("no answer from the target");
        }
        if (target.fault == "write-fails" && percent > 50) {
            Say("DOWNLOADING %3d%% ... FAILED\n", percent);
            return Fail("write to flash memory failed");
        }
        Say("DOWNLOADING %3d%%\n", percent);
    }
    if (!flashloader::RecordFlash(target, o.file, bytes, o.address)) return Fail("the target did not take the image");
    Say("Download complete: SUCCESS\n");
    return 0;
}
