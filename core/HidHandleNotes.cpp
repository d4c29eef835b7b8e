#include "core/HidHandleNotes.h"
#include "framework/Clock.h"
#include "hardware/HardwareApi.h"
#include <bitset>
#include <map>
#include <mutex>

namespace hidnotes {

namespace {

struct Notes {
    bool lateWindow = false;
    DWORD givenUpAt = 0;
    DWORD windowMs = 0;
    std::bitset<256> echoed;  // commands whose final reply carried them
    bool echoBroken = false;  // a final reply that carried another byte
};

std::mutex g_lock;
std::map<HANDLE, Notes> g_notes;

// The notes of h, made when missing (under g_lock). The first notes taken
// ask to hear of closing handles.
Notes& Of(HANDLE h) {
    static const bool listening = (hw::SetDeviceHandleClosingListener(&Forget), true);
    (void)listening;
    return g_notes[h];
}

}  // namespace

void NoteGivenUp(HANDLE h, DWORD windowMs) {
    std::lock_guard<std::mutex> hold(g_lock);
    Notes& n = Of(h);
    n.lateWindow = true;
    n.givenUpAt = fw::Clock::GetTickCount();
    n.windowMs = windowMs;
}

DWORD LateWindowLeft(HANDLE h) {
    std::lock_guard<std::mutex> hold(g_lock);
    auto it = g_notes.find(h);
    if (it == g_notes.end() || !it->second.lateWindow) return 0;
    Notes& n = it->second;
    DWORD spent = fw::Clock::GetTickCount() - n.givenUpAt;
    if (spent < n.windowMs) return n.windowMs - spent;
    n.lateWindow = false;
    return 0;
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
