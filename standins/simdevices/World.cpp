// The world itself: the lock, the device list, timed events and the calls
// that are common to every kind of device.
#include "standins/simdevices/World.h"
#include "standins/simdevices/HidCommands.h"
#include <algorithm>
#include <cwctype>

namespace sim {

World& TheWorld() {
    static World* world = new World();  // lives until the process ends
    return *world;
}

Guard::Guard() : w(TheWorld()) {
    w.lock.lock();
    if (!w.loaded) {
        w.loaded = true;
        LoadIni(w, DefaultFilePath(), nullptr);  // no file: nothing connected
    }
    RunDueEvents(w);
}

Guard::~Guard() { w.lock.unlock(); }

std::wstring Lower(std::wstring s) {
    for (auto& c : s) c = (wchar_t)std::towlower(c);
    return s;
}

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH] = {};
    DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring s(path, n);
    size_t slash = s.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : s.substr(0, slash + 1);
}

std::wstring DefaultFilePath() { return ExeFolder() + L"SimulatedDevices.ini"; }

Device* Find(World& w, DeviceId id) {
    for (auto& d : w.devices)
        if (d->id == id) return d.get();
    return nullptr;
}

Device* FindKind(World& w, DeviceId id, Kind kind) {
    Device* d = Find(w, id);
    return d && d->kind == kind ? d : nullptr;
}

Device& NewDevice(World& w, Kind kind, const wchar_t* name) {
    auto d = std::make_unique<Device>();
    d->id = w.nextId++;
    d->kind = kind;
    d->name = name ? name : L"";
    w.devices.push_back(std::move(d));
    return *w.devices.back();
}

void ClearWorld(World& w) {
    w.devices.clear();
    w.handles.clear();
    w.psWrites.clear();
    w.events.clear();
    ::SetEnvironmentVariableW(L"MORVEX_SIM_FLASH_TARGET", nullptr);
}

ULONGLONG NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return (ULONGLONG)(now.QuadPart * 1000 / frequency.QuadPart);
}

DWORD RealMs(const World& w, DWORD deviceMs) { return deviceMs / (w.speed ? w.speed : 1); }

void Schedule(World& w, DWORD deviceMs, std::function<void()> action) {
    w.events.push_back({NowMs() + RealMs(w, deviceMs), std::move(action)});
}

void RunDueEvents(World& w) {
    for (;;) {
        ULONGLONG now = NowMs();
        auto due = std::find_if(w.events.begin(), w.events.end(),
                                [now](const World::Event& e) { return e.due <= now; });
        if (due == w.events.end()) return;
        auto action = std::move(due->action);
        w.events.erase(due);
        action();
    }
}

void Reset() {
    World& w = TheWorld();
    std::lock_guard<std::recursive_mutex> hold(w.lock);
    ClearWorld(w);
    w.loaded = true;
}

bool LoadFile(const wchar_t* path, std::wstring* error) {
    World& w = TheWorld();
    std::lock_guard<std::recursive_mutex> hold(w.lock);
    w.loaded = true;
    return LoadIni(w, path ? path : L"", error);
}

void SetSpeed(unsigned factor) {
    Guard g;
    g.w.speed = factor ? factor : 1;
}

unsigned GetSpeed() {
    Guard g;
    return g.w.speed;
}

void Sleep(DWORD deviceMs) {
    DWORD ms;
    {
        Guard g;
        ms = RealMs(g.w, deviceMs);
    }
    ::Sleep(ms);
}

DeviceId FindDevice(const wchar_t* name) {
    Guard g;
    for (auto& d : g.w.devices)
        if (name && d->name == name) return d->id;
    return 0;
}

std::wstring DeviceName(DeviceId id) {
    Guard g;
    Device* d = Find(g.w, id);
    return d ? d->name : std::wstring();
}

void SetPresent(DeviceId id, bool present) {
    Guard g;
    Device* d = Find(g.w, id);
    if (!d) return;
    // Plugged in again, a DFU headset starts anew.
    const bool replugged = present && !d->present;
    SetPresence(g.w, *d, present);
    if (replugged && d->kind == Kind::DfuHeadset) ApplyWrittenUsbIds(*d);
}

bool IsPresent(DeviceId id) {
    Guard g;
    Device* d = Find(g.w, id);
    return d && d->present;
}

}  // namespace sim
