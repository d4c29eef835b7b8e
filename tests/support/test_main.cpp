// Entry point of every test executable: timers and sleeps run a hundred times
// faster than the program's own clock, so no test waits real seconds.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include "framework/Clock.h"

namespace {

// A crash anywhere in the process, during a test or at exit, ends it with
// the exception code as its exit code, so that the run counts as failed.
// Without this the system's debugger would take over and the process could
// end with 0.
LONG WINAPI EndOnCrash(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* r = info ? info->ExceptionRecord : nullptr;
    std::fprintf(stderr, "\nUnhandled exception 0x%08lX at %p: the test program crashed\n",
                 r ? (unsigned long)r->ExceptionCode : 0ul, r ? r->ExceptionAddress : nullptr);
    std::fflush(stderr);
    std::fflush(stdout);
    ::TerminateProcess(::GetCurrentProcess(), r && r->ExceptionCode ? r->ExceptionCode : 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int main(int argc, char** argv) {
    ::SetUnhandledExceptionFilter(EndOnCrash);
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    fw::Clock::SetSpeed(100);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // End here, with every thread, instead of through the runtime's exit:
    // under Wine a process whose workers or stand-in threads are still
    // winding down could hang in its exit long after its tests had passed.
    std::fflush(stdout);
    std::fflush(stderr);
    ::TerminateProcess(::GetCurrentProcess(), (UINT)result);
    return result;
}
