// FirmwareServer.exe: the local firmware server of the run command.
//   FirmwareServer.exe [--port N] [--root FOLDER]
// Defaults: the port of the program's server address (build setting) and
// the "fwserver" folder beside this executable. Runs until it is killed.
#include "tools/fwserver/FirmwareServer.h"
#include <cstdio>
#include <cwchar>
#include <string>

#ifndef MORVEX_SERVER_PORT
#define MORVEX_SERVER_PORT 47801
#endif

int wmain(int argc, wchar_t** argv) {
    unsigned port = MORVEX_SERVER_PORT;
    wchar_t exe[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring root = exe;
    root = root.substr(0, root.find_last_of(L"\\/") + 1) + L"fwserver";
    for (int i = 1; i < argc; ++i) {
        if (std::wcscmp(argv[i], L"--port") == 0 && i + 1 < argc) {
            port = (unsigned)std::wcstoul(argv[++i], nullptr, 10);
        } else if (std::wcscmp(argv[i], L"--root") == 0 && i + 1 < argc) {
            root = argv[++i];
        } else {
            std::fwprintf(stderr, L"usage: FirmwareServer.exe [--port N] [--root FOLDER]\n");
            return 2;
        }
    }
    if (port > 65535) {
        std::fwprintf(stderr, L"bad port %u\n", port);
        return 2;
    }
    fwserver::FirmwareServer server;
    if (!server.Start(root, (unsigned short)port)) {
        std::fwprintf(stderr, L"cannot listen on 127.0.0.1:%u\n", port);
        return 1;
    }
    std::printf("Serving %ls on %s\n", root.c_str(), server.BaseUrl().c_str());
    std::fflush(stdout);
    for (;;) ::Sleep(INFINITE);
}
