#include "core/HidHandleNotes.h"
#include "framework/Clock.h"
#include "hardware/HardwareApi.h"
#include <bitset>
#include <cwctype>
#include <map>
#include <mutex>
#include <string>

namespace hidnotes {

namespace {

// Interfaces whose late window is kept at most; past it the window that
// ends first goes.
const size_t kMaxPathWindows = 64;

struct LateWindow {
    bool open = false;
    DWORD givenUpAt = 0;
    DWORD windowMs = 0;

    void Start(DWORD ms) {
        open = true;
        givenUpAt = fw::Clock::GetTickCount();
        windowMs = ms;
    }
    // Time left, closing the window once it has passed.
    DWORD Left() {
        if (!open) return 0;
        DWORD spent = fw::Clock::GetTickCount() - givenUpAt;
        if (spent < windowMs) return windowMs - spent;
        open = false;
        return 0;
    }
};

struct Notes {
    std::wstring path;        // the interface it was opened on (empty: unknown)
    LateWindow late;          // used only without a path
    std::bitset<256> echoed;  // commands whose final reply carried them
    bool echoBroken = false;  // a final reply that carried another byte
};

std::mutex g_lock;
std::map<HANDLE, Notes> g_notes;
std::map<std::wstring, LateWindow> g_paths;  // by lower-case interface path

// The notes of h, made when missing (under g_lock). The first notes taken
// ask to hear of closing handles.
Notes& Of(HANDLE h) {
    static const bool listening = (hw::SetDeviceHandleClosingListener(&Forget), true);
    (void)listening;
    return g_notes[h];
}

// Drops the windows that have passed; when still full, the one that ends
// first.
void TrimPaths() {
    for (auto it = g_paths.begin(); it != g_paths.end();)
        it = it->second.Left() ? std::next(it) : g_paths.erase(it);
    if (g_paths.size() < kMaxPathWindows) return;
    auto first = g_paths.begin();
    for (auto it = g_paths.begin(); it != g_paths.end(); ++it)
        if (it->second.Left() < first->second.Left()) first = it;
    g_paths.erase(first);
}

}  // namespace

void NotePath(HANDLE h, const wchar_t* path) {
    std::wstring lower = path ? path : L"";
    for (wchar_t& c : lower) c = (wchar_t)std::towlower(c);
    std::lock_guard<std::mutex> hold(g_lock);
    Of(h).path = lower;
}

void NoteGivenUp(HANDLE h, DWORD windowMs) {
    std::lock_guard<std::mutex> hold(g_lock);
    Notes& n = Of(h);
    if (n.path.empty()) {
        n.late.Start(windowMs);
        return;
    }
    if (!g_paths.count(n.path)) TrimPaths();
    g_paths[n.path].Start(windowMs);
}

DWORD LateWindowLeft(HANDLE h) {
    std::lock_guard<std::mutex> hold(g_lock);
    auto it = g_notes.find(h);
    if (it == g_notes.end()) return 0;
    Notes& n = it->second;
    if (n.path.empty()) return n.late.Left();
    auto p = g_paths.find(n.path);
    if (p == g_paths.end()) return 0;
    DWORD left = p->second.Left();
    if (!left) g_paths.erase(p);
    return left;
}

void NoteReply(HANDLE h, BYTE command, BYTE replied) {
    std::lock_guard<std::mutex> hold(g_lock);
    Notes& n = Of(h);
    if (replied == command) n.echoed.set(command);
    else n.echoBroken = true;
}

bool EchoShown(HANDLE h) {
    std::lock_guard<std::mutex> hold(g_lock);
    auto it = g_notes.find(h);
    return it != g_notes.end() && !it->second.echoBroken && it->second.echoed.count() >= 2;
}

void Forget(HANDLE h) {
    std::lock_guard<std::mutex> hold(g_lock);
    g_notes.erase(h);
}

}  // namespace hidnotes
