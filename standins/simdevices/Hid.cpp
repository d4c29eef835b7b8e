// Simulated HID interfaces: their description, faults, and the handles the
// seam opens on them.
#include "standins/simdevices/HidCommands.h"
#include <cstdio>
#include <cstring>

namespace sim {

namespace {

Device* Hid(World& w, DeviceId id) { return FindKind(w, id, Kind::Hid); }

std::wstring HidPath(const Device& d) {
    wchar_t path[160];
    std::swprintf(path, 160, L"\\\\?\\hid#vid_%04x&pid_%04x#7&1a2b%04x&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
                  d.vid, d.pid, d.id);
    return path;
}

const DWORD kPendingReplyMs = 20;    // device time between two pending replies
const DWORD kPendingEveryMs = 500;   // the same for pending replies by duration

// A reply report of d to command with the status.
std::vector<BYTE> ReplyReport(const Device& d, BYTE command, BYTE status) {
    std::vector<BYTE> r(kHidInputBytes, 0);
    r[0] = 1;
    r[1] = ReplyCommandByte(d, command);
    r[2] = status;
    return r;
}

// The device a handle was opened on, also after it left the bus.
DeviceId HandleDeviceId(const HidHandle& h) { return h.device < 0 ? -h.device : h.device; }

// Hands the replies that have arrived by now, in the device's order, to
// the queue of every handle open on their device at this moment, as the
// driver does with an interface's input reports. Each call that opens,
// writes, flushes or reads a handle runs it first: a handle opened after a
// reply arrived never gets it; one opened before does, whoever asked.
void DeliverArrivedReplies(World& w) {
    const ULONGLONG now = NowMs();
    for (auto& d : w.devices) {
        auto& way = d->repliesOnTheirWay;
        while (!way.empty() && way.front().readyAt <= now) {
            for (auto& h : w.handles)
                if (HandleDeviceId(h.second) == d->id) h.second.replies.push_back(way.front());
            way.pop_front();
        }
    }
}

}  // namespace

DeviceId AddHidInterface(const wchar_t* name, WORD vid, WORD pid, WORD usagePage, WORD usage) {
    Guard g;
    Device& d = NewDevice(g.w, Kind::Hid, name);
    d.vid = vid;
    d.pid = pid;
    d.usagePage = usagePage;
    d.usage = usage;
    return d.id;
}

#define WITH_HID(id) \
    Guard g;         \
    Device* d = Hid(g.w, id); \
    if (!d) return

void SetHidVersion(DeviceId id, const BYTE version[5]) { WITH_HID(id); std::memcpy(d->version, version, 5); }
void SetHidAddress(DeviceId id, const BYTE address[6]) { WITH_HID(id); std::memcpy(d->address, address, 6); }
void SetHidBlock(DeviceId id, BYTE block, const std::vector<WORD>& words) { WITH_HID(id); d->blocks[block] = words; }

bool GetHidBlock(DeviceId id, BYTE block, std::vector<WORD>* words) {
    WITH_HID(id) false;
    auto it = d->blocks.find(block);
    if (it == d->blocks.end()) return false;
    if (words) *words = it->second;
    return true;
}

void SetHidNameBlock(DeviceId id, const char* utf8Name) {
    // Word 0 is not part of the name; one byte of the name per word.
    std::vector<WORD> words(1, 0);
    for (const char* p = utf8Name; p && *p; ++p) words.push_back((BYTE)*p);
    SetHidBlock(id, 0x1D, words);
}

void SetHidVersionAfterUpdate(DeviceId id, const BYTE version[5]) {
    WITH_HID(id);
    std::memcpy(d->versionAfterUpdate, version, 5);
    d->hasVersionAfterUpdate = true;
}

void SetHidPollDoneAfter(DeviceId id, int polls) { WITH_HID(id); d->pollDoneAfter = polls; d->polls = 0; }
void SetHidModuleSelect(DeviceId id, BYTE value) { WITH_HID(id); d->moduleSelect = value; }
void SetHidRestartMs(DeviceId id, DWORD ms) { WITH_HID(id); d->restartMs = ms; }

void LinkHidUpdateMode(DeviceId id, DeviceId updateMode) {
    WITH_HID(id);
    d->updateModeDevice = updateMode;
    if (Device* u = Hid(g.w, updateMode)) SetPresence(g.w, *u, false);
}

void LinkHidSwitch(DeviceId id, DeviceId replacement) {
    WITH_HID(id);
    d->switchDevice = replacement;
    if (Device* r = Find(g.w, replacement)) SetPresence(g.w, *r, false);
}

void SetHidSwitchNeverAppears(DeviceId id, bool never) { WITH_HID(id); d->switchNeverAppears = never; }

void LinkHidCard(DeviceId id, DeviceId drive, const wchar_t* versionFile, const wchar_t* firmwareFile) {
    WITH_HID(id);
    d->cardDrive = drive;
    d->cardVersionFile = versionFile ? versionFile : L"";
    d->cardFirmwareFile = firmwareFile ? firmwareFile : L"";
    // The card sits in the camera until the PC asks for it.
    if (Device* card = FindKind(g.w, drive, Kind::Drive)) card->present = false;
}

void SetHidOpenFails(DeviceId id, bool fails) { WITH_HID(id); d->openFails = fails; }
void SetHidWriteFails(DeviceId id, bool fails) { WITH_HID(id); d->hidWriteFails = fails; }
void SetHidPendingReplies(DeviceId id, int count) { WITH_HID(id); d->pendingReplies = count; }
void SetHidPendingForever(DeviceId id, bool forever) { WITH_HID(id); d->pendingForever = forever; }
void SetHidEcho(DeviceId id, bool echo) { WITH_HID(id); d->echo = echo; }
void SetHidNoEchoCommand(DeviceId id, BYTE command) { WITH_HID(id); d->noEchoCommand = command; }

void SetHidPendingMs(DeviceId id, DWORD deviceMs, BYTE command) {
    WITH_HID(id);
    d->pendingMs = deviceMs;
    d->pendingCommand = command;
}
void SetHidVanishAfterReports(DeviceId id, int reports) { WITH_HID(id); d->vanishAfterReports = reports; }

void SetHidSilentAfterReports(DeviceId id, int reports) { WITH_HID(id); d->silentAfterReports = reports; }
void SetHidReplyMs(DeviceId id, DWORD realMs) { WITH_HID(id); d->replyMs = realMs; }

void SetHidLateReply(DeviceId id, BYTE command, DWORD deviceMs) {
    WITH_HID(id);
    d->lateCommand = command;
    d->lateMs = deviceMs;
}

void SetHidCommandFails(DeviceId id, BYTE command, bool fails) {
    WITH_HID(id);
    if (fails) d->failingCommands.insert(command);
    else d->failingCommands.erase(command);
}

void SetHidReply(DeviceId id, BYTE command, const std::vector<BYTE>& dataFrom3) {
    WITH_HID(id);
    d->replyOverrides[command] = dataFrom3;
}

std::vector<HidPart> HidReceivedParts(DeviceId id) { WITH_HID(id) {}; return d->parts; }
std::vector<std::vector<BYTE>> HidCommandLog(DeviceId id) { WITH_HID(id) {}; return d->commandLog; }
int HidRestartCount(DeviceId id) { WITH_HID(id) 0; return d->restarts; }
BYTE HidVoicePromptCode(DeviceId id) { WITH_HID(id) 0; return d->voicePromptCode; }

std::vector<HidListing> ListHidInterfaces() {
    Guard g;
    std::vector<HidListing> list;
    for (auto& d : g.w.devices)
        if (d->kind == Kind::Hid && d->present) list.push_back({d->id, HidPath(*d)});
    return list;
}

int HidOpen(const wchar_t* path, DWORD* err) {
    Guard g;
    DeliverArrivedReplies(g.w);
    std::wstring want = Lower(path ? path : L"");
    for (auto& d : g.w.devices) {
        if (d->kind != Kind::Hid || !d->present || HidPath(*d) != want) continue;
        if (d->openFails) {
            if (err) *err = ERROR_ACCESS_DENIED;
            return 0;
        }
        int h = g.w.nextHandle++;
        g.w.handles[h].device = d->id;
        return h;
    }
    if (err) *err = ERROR_FILE_NOT_FOUND;
    return 0;
}

void HidClose(int handle) {
    Guard g;
    g.w.handles.erase(handle);
}

static Device* HandleDevice(World& w, int handle) {
    auto it = w.handles.find(handle);
    if (it == w.handles.end() || it->second.device <= 0) return nullptr;
    Device* d = Find(w, it->second.device);
    return d && d->present ? d : nullptr;
}

bool HidAttributes(int handle, WORD* vid, WORD* pid, WORD* version) {
    Guard g;
    Device* d = HandleDevice(g.w, handle);
    if (!d) return false;
    *vid = d->vid;
    *pid = d->pid;
    *version = 0x0100;
    return true;
}

bool HidCaps(int handle, WORD* usagePage, WORD* usage, WORD* inputBytes, WORD* outputBytes) {
    Guard g;
    Device* d = HandleDevice(g.w, handle);
    if (!d) return false;
    *usagePage = d->usagePage;
    *usage = d->usage;
    *inputBytes = (WORD)kHidInputBytes;
    *outputBytes = (WORD)kHidOutputBytes;
    return true;
}

bool HidWrite(int handle, const BYTE* report, DWORD bytes, DWORD* err) {
    Guard g;
    auto it = g.w.handles.find(handle);
    if (it == g.w.handles.end()) { *err = ERROR_INVALID_HANDLE; return false; }
    Device* d = HandleDevice(g.w, handle);
    if (!d) { *err = ERROR_DEVICE_NOT_CONNECTED; return false; }
    if (bytes != kHidOutputBytes || !report || report[0] != 1) { *err = ERROR_INVALID_PARAMETER; return false; }
    if (d->hidWriteFails) { *err = ERROR_GEN_FAILURE; return false; }
    DeliverArrivedReplies(g.w);

    d->commandLog.emplace_back(report, report + 8);
    HidHandle& h = it->second;
    if (d->silentAfterReports == 0) return true;  // taken, never answered nor acted on
    if (d->silentAfterReports > 0) --d->silentAfterReports;
    std::vector<BYTE> answer = HidAnswer(g.w, *d, report);
    ULONGLONG at = NowMs() + d->replyMs;
    if (d->lateCommand && report[1] == d->lateCommand) {
        at += RealMs(g.w, d->lateMs);
        d->lateCommand = 0;
    }
    auto& way = d->repliesOnTheirWay;
    if (d->pendingForever) {
        h.stuckPending = true;
        h.stuckCommand = report[1];
        h.replies.clear();
        way.clear();
    } else {
        const bool pends = !d->pendingCommand || d->pendingCommand == report[1];
        for (int i = 0; pends && i < d->pendingReplies; ++i) {
            at += RealMs(g.w, kPendingReplyMs);
            way.push_back({ReplyReport(*d, report[1], 1), at});
        }
        // By duration: one at once, then one every half second, the answer
        // pendingMs after the first.
        const ULONGLONG pendingFrom = at;
        for (DWORD t = 0; pends && t < d->pendingMs; t += kPendingEveryMs)
            way.push_back({ReplyReport(*d, report[1], 1), pendingFrom + RealMs(g.w, t)});
        if (pends && d->pendingMs) at = pendingFrom + RealMs(g.w, d->pendingMs);
        way.push_back({answer, at});
    }
    if (d->vanishAfterReports > 0 && --d->vanishAfterReports == 0) SetPresence(g.w, *d, false);
    return true;
}

bool HidFlush(int handle) {
    Guard g;
    auto it = g.w.handles.find(handle);
    if (it == g.w.handles.end()) return false;
    DeliverArrivedReplies(g.w);
    ULONGLONG now = NowMs();
    auto& replies = it->second.replies;
    while (!replies.empty() && replies.front().readyAt <= now) replies.pop_front();
    return true;
}

int HidRead(int handle, BYTE* report, DWORD bytes, DWORD waitMs, DWORD* err) {
    ULONGLONG until = NowMs() + waitMs;
    for (;;) {
        {
            Guard g;
            auto it = g.w.handles.find(handle);
            if (it == g.w.handles.end()) { *err = ERROR_INVALID_HANDLE; return -1; }
            if (bytes < kHidInputBytes) { *err = ERROR_INVALID_USER_BUFFER; return -1; }
            HidHandle& h = it->second;
            DeliverArrivedReplies(g.w);
            ULONGLONG now = NowMs();
            // Replies already on their way are delivered even when the
            // device has just restarted.
            if (!h.replies.empty() && h.replies.front().readyAt <= now) {
                std::memcpy(report, h.replies.front().bytes.data(), kHidInputBytes);
                h.replies.pop_front();
                return 1;
            }
            Device* d = HandleDevice(g.w, handle);
            Device* sender = Find(g.w, HandleDeviceId(h));
            const bool onTheirWay = sender && !sender->repliesOnTheirWay.empty();
            if (!d && h.replies.empty() && !onTheirWay) { *err = ERROR_DEVICE_NOT_CONNECTED; return -1; }
            if (d && h.stuckPending && h.replies.empty() && !onTheirWay) {
                if (d->pendingForever) {
                    h.replies.push_back({ReplyReport(*d, h.stuckCommand, 1), now + RealMs(g.w, kPendingReplyMs)});
                } else {
                    // The fault was lifted: the request is finally answered.
                    h.stuckPending = false;
                    BYTE req[kHidOutputBytes] = {1, h.stuckCommand};
                    h.replies.push_back({HidAnswer(g.w, *d, req), now});
                }
                continue;
            }
        }
        if (NowMs() >= until) return 0;
        ::Sleep(1);
    }
}

}  // namespace sim
