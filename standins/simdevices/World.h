// The state of the simulated world, shared by the files of SimDevices.dll.
#pragma once
#ifndef SIMDEVICES_BUILD
#define SIMDEVICES_BUILD
#endif
#include "standins/simdevices/SimDevices.h"
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>

namespace sim {

enum class Kind { DfuHeadset, Hid, Drive, Ftdi };

// An input report of a HID interface.
struct Reply {
    std::vector<BYTE> bytes;
    ULONGLONG readyAt;  // real tick count of its arrival
};

struct Device {
    DeviceId id = 0;
    Kind kind = Kind::Hid;
    std::wstring name;
    bool present = true;
    WORD vid = 0, pid = 0;

    // DFU headset
    WORD dfuPid = 0;
    bool dfuMode = false;
    std::map<WORD, std::vector<BYTE>> keys;
    std::set<WORD> readFails, writeFails;
    // A run of refused writes: after writesBeforeRefusals more writes, the
    // next refusedWrites writes of any key are refused.
    int writesBeforeRefusals = 0, refusedWrites = 0;
    bool connectFails = false;
    bool usbListed = true;      // shown by the USB device list
    bool libraryListed = true;  // listed by the DFU library's enumeration
    DfuBehaviour dfu;
    std::wstring lastImage;
    std::vector<WORD> readLog;
    // USB ids written into the store (PSKEY_USB_PRODUCT_ID, ..._DFU_PRODUCT_ID):
    // the headset enumerates with them after its next restart (0: none).
    WORD writtenPid = 0, writtenDfuPid = 0;
    // Set for the update mode of an in-line switch headset: this HID device
    // comes back (with its version after an update) when the new firmware
    // starts, and the DFU device leaves the bus.
    DeviceId returnsAs = 0;

    // HID interface
    WORD usagePage = 0xFF00, usage = 1;
    BYTE version[5] = {1, 0, 0, 0, 0};
    BYTE versionAfterUpdate[5] = {0, 0, 0, 0, 0};
    bool hasVersionAfterUpdate = false;
    BYTE address[6] = {0, 0, 0, 0, 0, 0};
    std::map<BYTE, std::vector<WORD>> blocks;
    std::map<BYTE, std::vector<BYTE>> replyOverrides;
    std::set<BYTE> failingCommands;
    bool openFails = false, hidWriteFails = false, pendingForever = false;
    int pendingReplies = 0;
    DWORD pendingMs = 0;        // device time of pending replies before each answer
    BYTE pendingCommand = 0;    // pending replies only before this command's answers (0: every one)
    bool echo = true;           // byte 1 of a reply: the request's command (else 0)
    BYTE noEchoCommand = 0;     // replies to this command carry 0 in byte 1 even with the echo
    int silentAfterReports = -1;  // requests still answered before it falls silent (-1 = never)
    DWORD replyMs = 0;        // real time every reply takes (not scaled by the speed)
    BYTE lateCommand = 0;     // the next request of it is answered lateMs late, once
    DWORD lateMs = 7000;      // device time: past the program's 5 s bound
    int vanishAfterReports = -1;
    int pollDoneAfter = 1, polls = 0;
    BYTE moduleSelect = 0;
    DWORD restartMs = 3000;
    DeviceId updateModeDevice = 0, switchDevice = 0, cardDrive = 0;
    bool switchNeverAppears = false;     // 0x0E: leaves the bus, the switch_to device never shows
    std::wstring cardVersionFile, cardFirmwareFile;
    bool cardWithPc = false;
    bool cardNeverAppears = false;       // "on" is accepted, the card never reaches the PC
    bool staysAwayAfterRestart = false;  // a restart takes the device off the bus for good
    // Replies on their way, in the order the device sends them: each goes,
    // when it arrives, to the queue of every handle then open on it.
    std::deque<Reply> repliesOnTheirWay;
    std::vector<HidPart> parts;
    bool receiving = false;
    size_t chunkStart = 0;  // start of the chunk the next CRC check covers
    std::vector<std::vector<BYTE>> commandLog;
    int restarts = 0;
    BYTE voicePromptCode = 0;

    // Drive
    wchar_t letter = 0;
    std::wstring folder;
    UINT driveType = DRIVE_REMOVABLE;

    // FTDI bridge
    int comPort = 0;
    bool ftdiOpenFails = false, comPortFails = false;
    int ftdiOpens = 0;
    std::wstring flashTarget, flashFault = L"none";
};

// An open HID handle: the replies that have reached it, waiting for its reads.
struct HidHandle {
    DeviceId device = 0;
    std::deque<Reply> replies;
    bool stuckPending = false;  // a request answered only with "pending"
    BYTE stuckCommand = 0;
};

struct World {
    std::recursive_mutex lock;
    bool loaded = false;
    unsigned speed = 1;
    DeviceId nextId = 1;
    std::vector<std::unique_ptr<Device>> devices;  // USB order
    int nextHandle = 1;
    std::map<int, HidHandle> handles;
    std::vector<PsWrite> psWrites;

    struct Event {
        ULONGLONG due;
        std::function<void()> action;
    };
    std::vector<Event> events;
};

// The world, loaded from the default file on first use. The caller holds
// the lock (Guard) while it touches the world.
World& TheWorld();
class Guard {
public:
    Guard();
    ~Guard();
    World& w;
};

Device* Find(World& w, DeviceId id);
Device* FindKind(World& w, DeviceId id, Kind kind);
Device& NewDevice(World& w, Kind kind, const wchar_t* name);
// A DFU headset starts anew (a mode change or a replug): from now on it
// enumerates with the USB ids written into its store meanwhile.
void ApplyWrittenUsbIds(Device& d);
void ClearWorld(World& w);
// A fine real-time clock in ms (the tick count is too coarse under Wine).
ULONGLONG NowMs();
// Real milliseconds for a device-time interval.
DWORD RealMs(const World& w, DWORD deviceMs);
// Runs an action after a device-time delay (or at the next call into the world).
void Schedule(World& w, DWORD deviceMs, std::function<void()> action);
// Runs the actions that are due. Called with the lock held.
void RunDueEvents(World& w);
// Sets the environment of child processes (flash target) for the world.
void PublishFlashTarget(World& w);

bool LoadIni(World& w, const std::wstring& path, std::wstring* error);
std::wstring ExeFolder();
std::wstring Lower(std::wstring s);

}  // namespace sim
