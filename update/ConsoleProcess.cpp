#include "update/ConsoleProcess.h"
#include "framework/Clock.h"
#include "framework/Handle.h"
#include <vector>

namespace {

const DWORD kReadBlock = 10240;
const DWORD kPollMs = 20;
// Real time the child is given to go once it has been told to end.
const DWORD kTerminateWaitMs = 5000;

void Append(CString* log, const char* bytes, DWORD n) {
    if (n == 0) return;
    int wide = ::MultiByteToWideChar(CP_ACP, 0, bytes, (int)n, nullptr, 0);
    if (wide <= 0) return;
    std::vector<wchar_t> text((size_t)wide);
    ::MultiByteToWideChar(CP_ACP, 0, bytes, (int)n, text.data(), wide);
    log->Append(text.data(), wide);
}

bool Cancelled(const ConsoleRun& run) {
    return run.cancel && ::InterlockedCompareExchange(const_cast<volatile LONG*>(run.cancel), 0, 0) != 0;
}

}  // namespace

CString RunConsoleProcessCaptureOutput(const CString& commandLine, ConsoleRun* run) {
    ConsoleRun local;
    if (!run) run = &local;
    CString log;
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE readRaw = nullptr, writeRaw = nullptr;
    if (!::CreatePipe(&readRaw, &writeRaw, &sa, 0)) {
        log = L"[FAIL]\r\n";
        return log;
    }
    CHandle readEnd(readRaw), writeEnd(writeRaw);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);  // only the write end goes to the child

    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = nullptr;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    PROCESS_INFORMATION pi = {};
    std::vector<wchar_t> cmd(commandLine.GetString(), commandLine.GetString() + commandLine.GetLength() + 1);
    run->started = ::CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW | NORMAL_PRIORITY_CLASS,
                                    nullptr, nullptr, &si, &pi) != FALSE;
    CHandle process(run->started ? pi.hProcess : nullptr), thread(run->started ? pi.hThread : nullptr);
    log.Format(L"[%s]\r\n", run->started ? L"SUCCESS" : L"FAIL");
    writeEnd.Close();  // the pipe ends when the child and its heirs have closed theirs
    if (!run->started) return log;

    DWORD start = fw::Clock::GetTickCount();
    std::vector<char> block(kReadBlock);
    for (;;) {
        DWORD available = 0;
        if (!::PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr)) break;  // the pipe has ended
        if (available > 0) {
            DWORD got = 0;
            if (!::ReadFile(readEnd, block.data(), kReadBlock, &got, nullptr) || got == 0) break;
            Append(&log, block.data(), got);
            if (run->onOutput) run->onOutput(log);
            continue;
        }
        if (Cancelled(*run) || fw::Clock::GetTickCount() - start >= run->limitMs) {
            ::TerminateProcess(process, 1);
            ::WaitForSingleObject(process, kTerminateWaitMs);
            run->stopped = true;
            break;
        }
        ::WaitForSingleObject(process, fw::Clock::TimerInterval(kPollMs));
    }
    if (!run->stopped) {
        // The pipe ended with the child's output; give it the limit to exit.
        DWORD left = 0, spent = fw::Clock::GetTickCount() - start;
        if (spent < run->limitMs) left = run->limitMs - spent;
        if (::WaitForSingleObject(process, fw::Clock::TimerInterval(left)) != WAIT_OBJECT_0) {
            ::TerminateProcess(process, 1);
            ::WaitForSingleObject(process, kTerminateWaitMs);
            run->stopped = true;
        }
    }
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process, &code);
    run->exitCode = code;
    run->ended = !run->stopped;
    return log;
}
