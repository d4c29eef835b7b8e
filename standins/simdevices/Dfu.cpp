// Simulated DFU headsets: USB identity, persistent store and DFU state.
#include "standins/simdevices/HidCommands.h"
#include "standins/dfuengine/include/DFUResultCodes.h"
#include <cstdio>
#include <cstring>

namespace sim {

namespace {

Device* Dfu(World& w, DeviceId id) { return FindKind(w, id, Kind::DfuHeadset); }

std::wstring DfuName(const Device& d) {
    wchar_t name[32];
    std::swprintf(name, 32, L"SIMDFU%u", (unsigned)d.id);
    return name;
}

std::wstring DfuPath(const Device& d) {
    wchar_t path[160];
    std::swprintf(path, 160, L"\\\\?\\usb#vid_%04x&pid_%04x#5&2c0f%04x&0&1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}",
                  d.vid, d.dfuMode ? d.dfuPid : d.pid, d.id);
    return path;
}

const WORD kFwVersionKey = 0x02A4;
const WORD kUsbProductIdKey = 0x02BF;
const WORD kUsbDfuProductIdKey = 0x02CB;

WORD Word(const std::vector<BYTE>& value) { return value.size() >= 2 ? (WORD)(value[0] | value[1] << 8) : 0; }

// A mode change restarts the headset: it enumerates with the USB ids its
// store was given meanwhile; the update mode of an in-line switch headset
// leaves the bus when the new firmware starts, and the HID headset is back.
void Restarted(World& w, Device& d) {
    ApplyWrittenUsbIds(d);
    if (d.dfuMode || !d.returnsAs) return;
    Device* headset = FindKind(w, d.returnsAs, Kind::Hid);
    if (!headset) return;
    SetPresence(w, d, false);
    d.dfuMode = true;  // the next switch brings it up in update mode again
    if (!d.lastImage.empty() && headset->hasVersionAfterUpdate)
        std::memcpy(headset->version, headset->versionAfterUpdate, 5);
    SetPresence(w, *headset, true);
}

}  // namespace

void ApplyWrittenUsbIds(Device& d) {
    if (d.writtenPid) d.pid = d.writtenPid;
    if (d.writtenDfuPid) d.dfuPid = d.writtenDfuPid;
    d.writtenPid = d.writtenDfuPid = 0;
}

DeviceId AddDfuHeadset(const wchar_t* name, WORD vid, WORD pid, WORD dfuPid) {
    Guard g;
    Device& d = NewDevice(g.w, Kind::DfuHeadset, name);
    d.vid = vid;
    d.pid = pid;
    d.dfuPid = dfuPid;
    return d.id;
}

#define WITH_DFU(id) \
    Guard g;         \
    Device* d = Dfu(g.w, id); \
    if (!d) return

void SetDfuMode(DeviceId id, bool on) {
    WITH_DFU(id);
    const bool changed = d->dfuMode != on;
    d->dfuMode = on;
    if (changed) Restarted(g.w, *d);
}
bool InDfuMode(DeviceId id) { WITH_DFU(id) false; return d->dfuMode; }

void LinkDfuReturn(DeviceId id, DeviceId hidHeadset) { WITH_DFU(id); d->returnsAs = hidHeadset; }

void SetPsKey(DeviceId id, WORD key, const void* data, size_t bytes) {
    WITH_DFU(id);
    const BYTE* p = (const BYTE*)data;
    d->keys[key].assign(p, p + bytes);
}

void SetPsKeyWords(DeviceId id, WORD key, const std::vector<WORD>& words) {
    std::vector<BYTE> bytes;
    for (WORD w : words) {
        bytes.push_back((BYTE)w);
        bytes.push_back((BYTE)(w >> 8));
    }
    SetPsKey(id, key, bytes.data(), bytes.size());
}

void SetPsKeyText(DeviceId id, WORD key, const char* text) {
    SetPsKey(id, key, text, std::strlen(text) + 1);
}

void ErasePsKey(DeviceId id, WORD key) { WITH_DFU(id); d->keys.erase(key); }

bool GetPsKey(DeviceId id, WORD key, std::vector<BYTE>* value) {
    WITH_DFU(id) false;
    auto it = d->keys.find(key);
    if (it == d->keys.end()) return false;
    if (value) *value = it->second;
    return true;
}

void SetPsReadFails(DeviceId id, WORD key, bool fails) {
    WITH_DFU(id);
    if (fails) d->readFails.insert(key);
    else d->readFails.erase(key);
}

void SetPsWriteFails(DeviceId id, WORD key, bool fails) {
    WITH_DFU(id);
    if (fails) d->writeFails.insert(key);
    else d->writeFails.erase(key);
}

void SetPsWriteRefusals(DeviceId id, int after, int count) {
    WITH_DFU(id);
    d->writesBeforeRefusals = after;
    d->refusedWrites = count;
}

void SetConnectFails(DeviceId id, bool fails) { WITH_DFU(id); d->connectFails = fails; }

void SetDfuListing(DeviceId id, bool usbList, bool libraryList) {
    WITH_DFU(id);
    d->usbListed = usbList;
    d->libraryListed = libraryList;
}

std::vector<PsWrite> PsWriteLog() {
    Guard g;
    return g.w.psWrites;
}

std::vector<WORD> PsReadLog(DeviceId id) { WITH_DFU(id) {}; return d->readLog; }

void SetDfuBehaviour(DeviceId id, const DfuBehaviour& b) { WITH_DFU(id); d->dfu = b; }
DfuBehaviour GetDfuBehaviour(DeviceId id) { WITH_DFU(id) {}; return d->dfu; }
std::wstring LastDownloadedImage(DeviceId id) { WITH_DFU(id) {}; return d->lastImage; }

std::vector<DfuListing> ListDfuDevices() {
    Guard g;
    std::vector<DfuListing> list;
    for (auto& d : g.w.devices)
        if (d->kind == Kind::DfuHeadset && d->present && d->libraryListed) list.push_back({d->id, DfuName(*d), DfuPath(*d)});
    return list;
}

DeviceId FindDfuByName(const wchar_t* name) {
    Guard g;
    for (auto& d : g.w.devices)
        if (d->kind == Kind::DfuHeadset && name && DfuName(*d) == name) return d->id;
    return 0;
}

DeviceId FindDfuByPath(const wchar_t* path) {
    Guard g;
    std::wstring want = Lower(path ? path : L"");
    for (auto& d : g.w.devices)
        if (d->kind == Kind::DfuHeadset && d->present && DfuPath(*d) == want) return d->id;
    return 0;
}

int DfuConnect(DeviceId id) {
    Guard g;
    Device* d = Dfu(g.w, id);
    if (!d || !d->present) return dfu_result::kNoDevice;
    // The persistent store is reachable only while the normal firmware runs.
    if (d->dfuMode || d->connectFails) return dfu_result::kConnectFailed;
    return dfu_result::kOk;
}

int DfuReadKey(DeviceId id, WORD key, void* buffer, WORD bytes, WORD* actualWords) {
    Guard g;
    Device* d = Dfu(g.w, id);
    if (!d || !d->present || d->dfuMode) return dfu_result::kNoDevice;
    d->readLog.push_back(key);
    auto it = d->keys.find(key);
    if (d->readFails.count(key) || it == d->keys.end()) return dfu_result::kKeyFailed;
    if (!buffer && bytes) return dfu_result::kBadArgument;
    size_t n = it->second.size() < bytes ? it->second.size() : bytes;
    std::memcpy(buffer, it->second.data(), n);
    std::memset((BYTE*)buffer + n, 0, bytes - n);
    if (actualWords) *actualWords = (WORD)((it->second.size() + 1) / 2);
    return dfu_result::kOk;
}

int DfuWriteKey(DeviceId id, WORD key, const void* buffer, WORD bytes) {
    Guard g;
    Device* d = Dfu(g.w, id);
    if (!d || !d->present || d->dfuMode) return dfu_result::kNoDevice;
    const BYTE* p = (const BYTE*)buffer;
    std::vector<BYTE> value(p, p + (p ? bytes : 0));
    bool accepted = p && !d->writeFails.count(key);
    if (p && d->refusedWrites > 0) {
        if (d->writesBeforeRefusals > 0) {
            --d->writesBeforeRefusals;
        } else {
            --d->refusedWrites;
            accepted = false;
        }
    }
    g.w.psWrites.push_back({id, key, value, accepted});
    if (!accepted) return p ? dfu_result::kKeyFailed : dfu_result::kBadArgument;
    d->keys[key] = value;
    if (key == kUsbProductIdKey) d->writtenPid = Word(value);
    if (key == kUsbDfuProductIdKey) d->writtenDfuPid = Word(value);
    return dfu_result::kOk;
}

void DfuInstallImage(DeviceId id, const wchar_t* imagePath, const BYTE fwVersion[4]) {
    WITH_DFU(id);
    d->lastImage = imagePath ? imagePath : L"";
    d->keys[kFwVersionKey].assign(fwVersion, fwVersion + 4);
}

}  // namespace sim
