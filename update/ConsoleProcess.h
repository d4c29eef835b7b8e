// Runs a console program as a child process without a window and captures
// what it writes to its standard output and standard error.
#pragma once
#include <windows.h>
#include <functional>
#include "framework/String.h"

struct ConsoleRun {
    // Clock time the child may run; a child still running then is ended.
    DWORD limitMs = 180000;
    // Set by another thread to end the child early.
    const volatile LONG* cancel = nullptr;
    // Called with the whole log each time more output has arrived.
    std::function<void(const CString& log)> onOutput;

    // Results.
    bool started = false;
    bool ended = false;     // the child ended by itself
    bool stopped = false;   // the child was ended here (limit or cancel)
    DWORD exitCode = STILL_ACTIVE;
};

// "[SUCCESS]\r\n" or "[FAIL]\r\n" as the child was created or not, then its
// output, read in blocks of up to 10240 bytes and converted from the
// system's ANSI code page, until the pipe ends or the child is ended.
CString RunConsoleProcessCaptureOutput(const CString& commandLine, ConsoleRun* run);
