#include "core/HidHandleNotes.h"
#include "core/HidProtocol.h"
#include "framework/Clock.h"
#include "hardware/HardwareApi.h"
#include <bitset>
#include <cstring>
#include <cwctype>
#include <map>
#include <mutex>
#include <set>

namespace hidnotes {

namespace {

// Interfaces whose notes are kept at most; past it those used longest ago go.
const size_t kMaxPaths = 64;
// The address in the reply to HID_CMD_GET_BD_ADDRESS, from HID_REPLY_DATA.
const size_t kAddressBytes = 6;

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

// What the final replies of one headset on an interface showed.
struct Echo {
    std::bitset<256> echoed;  // commands whose reply carried them
    std::bitset<256> plain;   // commands whose own reply carried another byte
    bool hasAddress = false;  // the address it answered with
    BYTE address[kAddressBytes] = {};

    void Note(BYTE command, const BYTE* reply) {
        const BYTE replied = reply[HID_REPLY_COMMAND];
        if (replied != command && echoed[replied]) return;  // another request's answer
        if (command == HID_CMD_GET_BD_ADDRESS && reply[HID_REPLY_STATUS] == HID_STATUS_OK)
            NoteAddress(reply + HID_REPLY_DATA);
        if (replied == command) echoed.set(command);
        else plain.set(command);
    }
    // Another address: another headset, which starts afresh.
    void NoteAddress(const BYTE* a) {
        if (hasAddress && std::memcmp(address, a, kAddressBytes) != 0) *this = Echo();
        hasAddress = true;
        std::memcpy(address, a, kAddressBytes);
    }
    bool ReadsPastOthers(BYTE command) const { return echoed.count() >= 2 && !plain[command]; }
    bool Empty() const { return echoed.none() && plain.none() && !hasAddress; }
};

struct Interface {
    LateWindow late;
    Echo echo;
    DWORD usedAt = 0;

    // Whether anything is left to keep: a late window still open, or echo notes.
    bool Keeps() { return late.Left() || !echo.Empty(); }
};

struct Notes {
    std::wstring path;  // the interface it was opened on (empty: unknown)
    Interface own;      // used only without a path
};

std::mutex g_lock;
std::map<HANDLE, Notes> g_notes;
std::map<std::wstring, Interface> g_paths;  // by lower-case interface path

std::wstring Lower(const wchar_t* path) {
    std::wstring lower = path ? path : L"";
    for (wchar_t& c : lower) c = (wchar_t)std::towlower(c);
    return lower;
}

// The notes of h, made when missing (under g_lock). The first notes taken
// ask to hear of closing handles.
Notes& Of(HANDLE h) {
    static const bool listening = (hw::SetDeviceHandleClosingListener(&Forget), true);
    (void)listening;
    return g_notes[h];
}

// Drops the paths with nothing left to keep; when still full, the one used
// longest ago.
void TrimPaths() {
    for (auto it = g_paths.begin(); it != g_paths.end();)
        it = it->second.Keeps() ? std::next(it) : g_paths.erase(it);
    if (g_paths.size() < kMaxPaths) return;
    const DWORD now = fw::Clock::GetTickCount();
    auto oldest = g_paths.begin();
    for (auto it = g_paths.begin(); it != g_paths.end(); ++it)
        if (now - it->second.usedAt > now - oldest->second.usedAt) oldest = it;
    g_paths.erase(oldest);
}

// The interface of h (its path's, or its own), made when missing (under g_lock).
Interface& InterfaceOf(HANDLE h) {
    Notes& n = Of(h);
    if (n.path.empty()) return n.own;
    auto it = g_paths.find(n.path);
    if (it == g_paths.end()) {
        TrimPaths();
        it = g_paths.emplace(n.path, Interface()).first;
    }
    it->second.usedAt = fw::Clock::GetTickCount();
    return it->second;
}

// The same without making anything: null when nothing is noted.
Interface* FindInterface(HANDLE h) {
    auto it = g_notes.find(h);
    if (it == g_notes.end()) return nullptr;
    if (it->second.path.empty()) return &it->second.own;
    auto p = g_paths.find(it->second.path);
    return p == g_paths.end() ? nullptr : &p->second;
}

}  // namespace

void NotePath(HANDLE h, const wchar_t* path) {
    std::wstring lower = Lower(path);
    std::lock_guard<std::mutex> hold(g_lock);
    Of(h).path = lower;
}

void NotePresentPaths(const std::vector<std::wstring>& paths) {
    std::set<std::wstring> present;
    for (const std::wstring& p : paths) present.insert(Lower(p.c_str()));
    std::lock_guard<std::mutex> hold(g_lock);
    for (auto it = g_paths.begin(); it != g_paths.end();) {
        if (!present.count(it->first)) it->second.echo = Echo();
        it = it->second.Keeps() ? std::next(it) : g_paths.erase(it);
    }
}

void NoteGivenUp(HANDLE h, DWORD windowMs) {
    std::lock_guard<std::mutex> hold(g_lock);
    InterfaceOf(h).late.Start(windowMs);
}

DWORD LateWindowLeft(HANDLE h) {
    std::lock_guard<std::mutex> hold(g_lock);
    Interface* i = FindInterface(h);
    return i ? i->late.Left() : 0;
}

void NoteReply(HANDLE h, BYTE command, const BYTE* reply) {
    std::lock_guard<std::mutex> hold(g_lock);
    InterfaceOf(h).echo.Note(command, reply);
}

bool ReadsPastOthers(HANDLE h, BYTE command) {
    std::lock_guard<std::mutex> hold(g_lock);
    Interface* i = FindInterface(h);
    return i && i->echo.ReadsPastOthers(command);
}

bool HasEchoed(HANDLE h, BYTE command) {
    std::lock_guard<std::mutex> hold(g_lock);
    Interface* i = FindInterface(h);
    return i && i->echo.echoed[command];
}

void Forget(HANDLE h) {
    std::lock_guard<std::mutex> hold(g_lock);
    g_notes.erase(h);
}

}  // namespace hidnotes
