#include "tools/bench/StartupBench.h"
#include <windows.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

const DWORD kGiveUpMs = 30000;
const DWORD kCloseWaitMs = 10000;

double NowMs() {
    LARGE_INTEGER f, t;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return 1000.0 * (double)t.QuadPart / (double)f.QuadPart;
}

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring s = path;
    return s.substr(0, s.find_last_of(L"\\/") + 1);
}

struct Search {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindVisibleTopLevel(HWND hwnd, LPARAM param) {
    Search* s = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    RECT r;
    if (pid == s->pid && ::IsWindowVisible(hwnd) && ::GetWindowRect(hwnd, &r) && r.right > r.left) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindUnpainted(HWND hwnd, LPARAM param) {
    if (::IsWindowVisible(hwnd) && ::GetUpdateRect(hwnd, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

// Visible, and neither it nor a visible child waits for a paint.
bool Painted(HWND hwnd) {
    if (!::IsWindowVisible(hwnd) || ::GetUpdateRect(hwnd, nullptr, FALSE)) return false;
    bool unpainted = false;
    ::EnumChildWindows(hwnd, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

double Median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

double TimeToFirstPaint(const wchar_t* exe, double* shownMs) {
    std::wstring command = std::wstring(L"\"") + exe + L"\"";
    std::wstring folder = ProgramFolder();
    STARTUPINFOW si = {sizeof(si)};
    PROCESS_INFORMATION pi = {};
    const double start = NowMs();
    if (!::CreateProcessW(exe, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi)) return -1;
    double result = -1;
    HWND window = nullptr;
    // Looking for the window from here costs the window server time that
    // the starting program needs: wait without a look until it first waits
    // for input (before that it has shown nothing it could have painted).
    ::WaitForInputIdle(pi.hProcess, kGiveUpMs);
    while (NowMs() - start < kGiveUpMs) {
        if (::WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
        if (!window) {
            Search s = {pi.dwProcessId, nullptr};
            ::EnumWindows(FindVisibleTopLevel, reinterpret_cast<LPARAM>(&s));
            window = s.found;
            if (window && shownMs) *shownMs = NowMs() - start;
        }
        if (window && Painted(window)) {
            result = NowMs() - start;
            break;
        }
        ::Sleep(1);
    }
    // Closed as a user closes it; ended by force only when it will not go.
    if (window) ::PostMessageW(window, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(pi.hProcess, kCloseWaitMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(pi.hProcess, 1);
        ::WaitForSingleObject(pi.hProcess, kCloseWaitMs);
    }
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return result;
}

namespace {

// The program writes its configuration file when it closes: the bench puts
// back what was there.
class KeepFile {
public:
    explicit KeepFile(std::wstring path) : m_path(std::move(path)) {
        HANDLE f = ::CreateFileW(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (f == INVALID_HANDLE_VALUE) return;
        m_existed = true;
        char block[4096];
        DWORD got = 0;
        while (::ReadFile(f, block, sizeof block, &got, nullptr) && got > 0) m_content.append(block, got);
        ::CloseHandle(f);
    }
    ~KeepFile() {
        if (!m_existed) {
            ::DeleteFileW(m_path.c_str());
            return;
        }
        HANDLE f = ::CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE) return;
        DWORD written = 0;
        ::WriteFile(f, m_content.data(), (DWORD)m_content.size(), &written, nullptr);
        ::CloseHandle(f);
    }

private:
    std::wstring m_path;
    std::string m_content;
    bool m_existed = false;
};

}  // namespace

StartupBenchResult RunStartupBench(int rounds) {
    StartupBenchResult r;
    const std::wstring folder = ProgramFolder();
    KeepFile config(folder + L"IMG\\MorvexBluetoothDeviceManager.talvoconf");
    const std::wstring minimal = folder + L"MorvexBenchDialog.exe";
    const std::wstring program = folder + L"MorvexBluetoothDeviceManager.exe";
    // One start of each first: the files are then in the cache for both.
    TimeToFirstPaint(minimal.c_str());
    TimeToFirstPaint(program.c_str());
    std::vector<double> m, p, ms, ps;
    for (int i = 0; i < rounds; ++i) {
        double shownA = -1, shownB = -1;
        double a = TimeToFirstPaint(minimal.c_str(), &shownA);
        double b = TimeToFirstPaint(program.c_str(), &shownB);
        if (a >= 0) m.push_back(a), ms.push_back(shownA);
        if (b >= 0) p.push_back(b), ps.push_back(shownB);
    }
    r.minimalRuns = m;
    r.programRuns = p;
    r.minimalShownMs = Median(ms);
    r.programShownMs = Median(ps);
    r.rounds = rounds;
    r.minimalMs = Median(m);
    r.programMs = Median(p);
    r.minimalBestMs = m.empty() ? -1 : *std::min_element(m.begin(), m.end());
    r.programBestMs = p.empty() ? -1 : *std::min_element(p.begin(), p.end());
    return r;
}

void PrintStartupBench(FILE* out, const StartupBenchResult& r) {
    std::fprintf(out, "[startup] process start to the first painted main window, median of %d starts (best)\n", r.rounds);
    std::fprintf(out, "  minimal dialog program %7.1f ms (%7.1f), shown after %7.1f ms\n", r.minimalMs, r.minimalBestMs,
                 r.minimalShownMs);
    std::fprintf(out, "  the program            %7.1f ms (%7.1f), shown after %7.1f ms: %.2fx (goal 1.50x at most)\n",
                 r.programMs, r.programBestMs, r.programShownMs,
                 r.minimalMs > 0 && r.programMs > 0 ? r.programMs / r.minimalMs : 0.0);
    std::fprintf(out, "  every start (minimal / program, ms):");
    for (size_t i = 0; i < r.minimalRuns.size() || i < r.programRuns.size(); ++i)
        std::fprintf(out, " %.0f/%.0f", i < r.minimalRuns.size() ? r.minimalRuns[i] : -1.0,
                     i < r.programRuns.size() ? r.programRuns[i] : -1.0);
    std::fprintf(out, "\n");
}
