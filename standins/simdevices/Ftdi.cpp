// The vehicle module's USB-serial bridge and the file through which the
// flash loader process reaches its CAN controller.
#include "standins/simdevices/World.h"
#include <cstdio>

namespace sim {

void PublishFlashTarget(World& w) {
    for (auto& d : w.devices) {
        if (d->kind != Kind::Ftdi || !d->present || d->flashTarget.empty()) continue;
        // The target file tells the loader the port it must be given and the
        // fault to play; the loader adds what it wrote.
        FILE* f = _wfopen(d->flashTarget.c_str(), L"w");
        if (f) {
            std::fprintf(f, "port=%d\nfault=%ls\n", d->comPort, d->flashFault.c_str());
            std::fprintf(f, "speed=%u\n", w.speed);
            std::fclose(f);
        }
        ::SetEnvironmentVariableW(L"MORVEX_SIM_FLASH_TARGET", d->flashTarget.c_str());
        return;
    }
    ::SetEnvironmentVariableW(L"MORVEX_SIM_FLASH_TARGET", nullptr);
}

DeviceId AddFtdiDevice(const wchar_t* name, int comPort, const wchar_t* flashTarget) {
    Guard g;
    Device& d = NewDevice(g.w, Kind::Ftdi, name);
    d.vid = kFtdiVendorId;
    d.pid = kFtdiProductId;
    d.comPort = comPort;
    d.flashTarget = flashTarget ? flashTarget : L"";
    PublishFlashTarget(g.w);
    return d.id;
}

void SetFtdiFaults(DeviceId id, bool openFails, bool comPortFails) {
    Guard g;
    if (Device* d = FindKind(g.w, id, Kind::Ftdi)) {
        d->ftdiOpenFails = openFails;
        d->comPortFails = comPortFails;
    }
}

void SetFlashFault(DeviceId id, const wchar_t* fault) {
    Guard g;
    if (Device* d = FindKind(g.w, id, Kind::Ftdi)) {
        d->flashFault = fault && fault[0] ? fault : L"none";
        PublishFlashTarget(g.w);
    }
}

DeviceId FtdiOpen(int index) {
    Guard g;
    int n = 0;
    for (auto& d : g.w.devices) {
        if (d->kind != Kind::Ftdi || !d->present) continue;
        if (n++ != index) continue;
        if (d->ftdiOpenFails) return 0;
        d->ftdiOpens++;
        // Keep the loader's view of the world current (speed may have changed).
        PublishFlashTarget(g.w);
        return d->id;
    }
    return 0;
}

bool FtdiComPort(DeviceId id, LONG* port) {
    Guard g;
    Device* d = FindKind(g.w, id, Kind::Ftdi);
    if (!d || !d->present || d->comPortFails) return false;
    if (port) *port = d->comPort;
    return true;
}

void FtdiClose(DeviceId) {}

int FtdiOpenCount(DeviceId id) {
    Guard g;
    Device* d = FindKind(g.w, id, Kind::Ftdi);
    return d ? d->ftdiOpens : 0;
}

}  // namespace sim
