// Simulated drives (camera memory cards) and the USB device list.
#include "standins/simdevices/World.h"
#include <cstdio>
#include <cwctype>

namespace sim {

DeviceId AddDrive(const wchar_t* name, wchar_t letter, const wchar_t* folder, UINT driveType) {
    Guard g;
    Device& d = NewDevice(g.w, Kind::Drive, name);
    d.letter = (wchar_t)std::towupper(letter);
    d.folder = folder ? folder : L"";
    while (!d.folder.empty() && (d.folder.back() == L'\\' || d.folder.back() == L'/')) d.folder.pop_back();
    d.driveType = driveType;
    ::CreateDirectoryW(d.folder.c_str(), nullptr);
    return d.id;
}

static Device* PresentDrive(World& w, wchar_t letter) {
    letter = (wchar_t)std::towupper(letter);
    for (auto& d : w.devices)
        if (d->kind == Kind::Drive && d->present && d->letter == letter) return d.get();
    return nullptr;
}

DWORD DriveMask() {
    Guard g;
    DWORD mask = 0;
    for (auto& d : g.w.devices)
        if (d->kind == Kind::Drive && d->present && d->letter >= L'A' && d->letter <= L'Z')
            mask |= 1u << (d->letter - L'A');
    return mask;
}

UINT DriveType(const wchar_t* root) {
    if (!root || !root[0] || root[1] != L':') return DRIVE_NO_ROOT_DIR;
    Guard g;
    Device* d = PresentDrive(g.w, root[0]);
    return d ? d->driveType : DRIVE_NO_ROOT_DIR;
}

bool MapDrivePath(const wchar_t* path, std::wstring* mapped) {
    if (!path) return false;
    std::wstring p = path;
    if (p.compare(0, 4, L"\\\\?\\") == 0) p = p.substr(4);
    if (p.size() < 2 || p[1] != L':' || !std::iswalpha(p[0])) return false;
    Guard g;
    Device* d = nullptr;
    for (auto& dev : g.w.devices)
        if (dev->kind == Kind::Drive && dev->letter == (wchar_t)std::towupper(p[0])) d = dev.get();
    if (!d) return false;
    std::wstring rest = p.substr(2);
    for (auto& c : rest)
        if (c == L'/') c = L'\\';
    if (rest.empty() || rest[0] != L'\\') rest = L"\\" + rest;
    // A pulled card maps to a folder that does not exist, so that every
    // file call on it fails as on a drive that has gone.
    *mapped = d->present ? d->folder + rest : d->folder + L"\\<card removed>" + rest;
    return true;
}

std::vector<UsbListing> ListUsbDevices() {
    Guard g;
    std::vector<UsbListing> list;
    for (auto& d : g.w.devices) {
        if (!d->present || d->kind == Kind::Drive) continue;
        if (d->kind == Kind::DfuHeadset && !d->usbListed) continue;
        WORD pid = d->kind == Kind::DfuHeadset && d->dfuMode ? d->dfuPid : d->pid;
        char ids[128];
        int n = std::snprintf(ids, sizeof ids, "USB\\VID_%04X&PID_%04X&REV_0100", d->vid, pid);
        int m = std::snprintf(ids + n + 1, sizeof ids - n - 1, "USB\\VID_%04X&PID_%04X", d->vid, pid);
        UsbListing item;
        item.hardwareIds.assign(ids, n + 1 + m + 1);
        item.hardwareIds.push_back('\0');
        std::string desc(d->name.begin(), d->name.end());
        item.description = desc;
        list.push_back(item);
    }
    return list;
}

}  // namespace sim
