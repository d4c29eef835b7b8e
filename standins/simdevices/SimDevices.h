// The simulated devices: one description of everything "connected" to the
// PC. The program's simulated hardware seam, DFUEngine.dll and ftd2xx.dll
// all read and change this one world, which lives in SimDevices.dll.
//
// Tests build the world in-process with the calls below (Reset first). The
// run command describes it in "SimulatedDevices.ini" beside the executable
// (layout in standins/README.md); the file is read on the first call into
// the world unless Reset or LoadFile came first. No file means nothing is
// connected.
//
// Every call is thread-safe. Times given to the world are in device time
// and run faster by the world's speed factor.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

#ifdef SIMDEVICES_BUILD
#define SIM_API __declspec(dllexport)
#else
#define SIM_API __declspec(dllimport)
#endif

namespace sim {

typedef int DeviceId;  // 0 = no device

// The maker's USB vendor id that the default simulated devices carry.
const WORD kMakerVendorId = 0x2E5A;
// The USB-serial bridge of the vehicle module.
const WORD kFtdiVendorId = 0x0403;
const WORD kFtdiProductId = 0x6001;
// Product id of the separate update-mode HID device.
const WORD kUpdateModeProductId = 0x3120;

// ---------------------------------------------------------------- world
// Empties the world (nothing connected) and stops it from reading the file.
SIM_API void Reset();
// Replaces the world with the description in the file; false (and an empty
// world) when the file cannot be read. Errors name the line in *error.
SIM_API bool LoadFile(const wchar_t* path, std::wstring* error = nullptr);
// The file the run command uses: "SimulatedDevices.ini" beside the executable.
SIM_API std::wstring DefaultFilePath();

// 1 = real time; 100 = every device delay a hundred times shorter.
SIM_API void SetSpeed(unsigned factor);
SIM_API unsigned GetSpeed();
// Sleeps for a device-time interval (scaled by the speed factor).
SIM_API void Sleep(DWORD deviceMs);

SIM_API DeviceId FindDevice(const wchar_t* name);
SIM_API std::wstring DeviceName(DeviceId id);
// Plugs a device in or pulls it out. A pulled HID device fails every open
// handle; a pulled drive disappears from the drive list.
SIM_API void SetPresent(DeviceId id, bool present);
SIM_API bool IsPresent(DeviceId id);

// ---------------------------------------------------------- DFU headsets
// A headset of the chip vendor's family. It shows on USB as vid/pid in
// normal mode and as vid/dfuPid in firmware-management mode.
SIM_API DeviceId AddDfuHeadset(const wchar_t* name, WORD vid, WORD pid, WORD dfuPid);
SIM_API void SetDfuMode(DeviceId id, bool firmwareManagement);
SIM_API bool InDfuMode(DeviceId id);
// The update mode of an in-line switch headset: when the new firmware
// starts (the end of firmware-management mode), this DFU device leaves the
// bus and the HID headset comes back, with its version after an update.
SIM_API void LinkDfuReturn(DeviceId id, DeviceId hidHeadset);

// Persistent-store keys: the value is the byte string the chip returns.
SIM_API void SetPsKey(DeviceId id, WORD key, const void* data, size_t bytes);
SIM_API void SetPsKeyWords(DeviceId id, WORD key, const std::vector<WORD>& words);
SIM_API void SetPsKeyText(DeviceId id, WORD key, const char* text);  // with its zero byte
SIM_API void ErasePsKey(DeviceId id, WORD key);
SIM_API bool GetPsKey(DeviceId id, WORD key, std::vector<BYTE>* value);
// Faults: a key that cannot be read or written, a device that does not connect.
SIM_API void SetPsReadFails(DeviceId id, WORD key, bool fails);
SIM_API void SetPsWriteFails(DeviceId id, WORD key, bool fails);
// A store that refuses writes for a while: it takes `after` more writes,
// refuses the `count` writes after them, whatever their key, and takes
// writes again from then on.
SIM_API void SetPsWriteRefusals(DeviceId id, int after, int count);
SIM_API void SetConnectFails(DeviceId id, bool fails);
// Where a present headset shows: in the USB device list (the hardware-id
// scan) and in the DFU library's enumeration. Both by default; a headset
// missing from one plays a driver that did not bind or a stale listing.
SIM_API void SetDfuListing(DeviceId id, bool usbList, bool libraryList);

struct PsWrite {
    DeviceId device;
    WORD key;
    std::vector<BYTE> value;  // exactly the bytes the caller passed
    bool accepted;
};
SIM_API std::vector<PsWrite> PsWriteLog();
SIM_API std::vector<WORD> PsReadLog(DeviceId id);

// How the headset goes through a DFU update (device times in ms).
struct DfuBehaviour {
    int waitEvents = 3;          // "waiting for the device" notifications during a reconfigure
    int progressEvents = 5;      // progress notifications during a download
    DWORD phaseMs = 300;         // device time between two notifications
    bool refuseReconfigure = false;
    int downloadFailCode = 0;    // result code of a failing download (e.g. 28 or 7); 0 = none
    int downloadFailTimes = 0;   // how many downloads fail with that code
    bool vanishDuringDownload = false;
    bool vanishDuringReconfigure = false;  // leaves the bus while it switches mode
    bool vanishDuringManifest = false;     // leaves the bus while it restarts on the new image
    bool stallDuringDownload = false;      // stops answering halfway through a download, for good
    bool repeatDuringStall = false;        // ... while the library repeats its last notification
    bool alternateDuringStall = false;     // ... while it sends its last percentage and its busy state in turn
    // false: the download reports no percentages (state 20), only status
    // notifications of a state of the library's own (4, busy) between its steps.
    bool percentages = true;
};
SIM_API void SetDfuBehaviour(DeviceId id, const DfuBehaviour& behaviour);
SIM_API DfuBehaviour GetDfuBehaviour(DeviceId id);
// The image last written by a successful download (empty when none).
SIM_API std::wstring LastDownloadedImage(DeviceId id);

// Used by DFUEngine.dll: the present DFU headsets in USB order.
struct DfuListing {
    DeviceId id;
    std::wstring name;  // the library's device name
    std::wstring path;  // "\\?\usb#vid_xxxx&pid_xxxx#..." in lower case
};
SIM_API std::vector<DfuListing> ListDfuDevices();
SIM_API DeviceId FindDfuByName(const wchar_t* name);
SIM_API DeviceId FindDfuByPath(const wchar_t* path);
// 0 = success, otherwise a library result code (see DFUEngine.h).
SIM_API int DfuConnect(DeviceId id);
SIM_API int DfuReadKey(DeviceId id, WORD key, void* buffer, WORD bytes, WORD* actualWords);
SIM_API int DfuWriteKey(DeviceId id, WORD key, const void* buffer, WORD bytes);
// Installs a downloaded image: the headset leaves firmware-management mode
// and reports the image's version in PSKEY_FW_VERSION.
SIM_API void DfuInstallImage(DeviceId id, const wchar_t* imagePath, const BYTE fwVersion[4]);

// ---------------------------------------------------------- HID devices
// A HID interface (one top-level collection). Headsets answer the command
// channel: 1023-byte output reports, 67-byte input reports.
SIM_API DeviceId AddHidInterface(const wchar_t* name, WORD vid, WORD pid,
                                 WORD usagePage = 0xFF00, WORD usage = 1);
SIM_API void SetHidVersion(DeviceId id, const BYTE version[5]);    // reply bytes 3-7 of 0x01
SIM_API void SetHidAddress(DeviceId id, const BYTE address[6]);    // reply bytes 3-8 of 0x02
SIM_API void SetHidBlock(DeviceId id, BYTE block, const std::vector<WORD>& words);
SIM_API bool GetHidBlock(DeviceId id, BYTE block, std::vector<WORD>* words);
SIM_API void SetHidNameBlock(DeviceId id, const char* utf8Name);   // block 0x1D layout
// The version the device reports after a restart that follows a complete
// image transfer.
SIM_API void SetHidVersionAfterUpdate(DeviceId id, const BYTE version[5]);
// Answers 0x0D (poll done) with "finished" from the n-th poll on (1 = at once).
SIM_API void SetHidPollDoneAfter(DeviceId id, int polls);
// Byte 3 of the reply to 0x32 (vehicle module interface selection).
SIM_API void SetHidModuleSelect(DeviceId id, BYTE value);
// Device time a restart (0x08) keeps the device away from the bus.
SIM_API void SetHidRestartMs(DeviceId id, DWORD ms);

// Other devices that commands make appear:
// 0x50 shows updateMode (the separate update-mode device) until its restart;
SIM_API void LinkHidUpdateMode(DeviceId id, DeviceId updateMode);
// 0x0E takes this interface off the bus and shows replacement instead;
SIM_API void LinkHidSwitch(DeviceId id, DeviceId replacement);
// ... but the replacement never shows (the headset never comes back).
SIM_API void SetHidSwitchNeverAppears(DeviceId id, bool never);
// 0x20/0x21 hand the memory card (a drive) to the PC and back. When the
// card comes back holding firmwareFile, the camera installs it: the file
// goes and versionFile then holds the version the firmware names
// (first line "CAMFW <major>.<minor>").
SIM_API void LinkHidCard(DeviceId id, DeviceId drive, const wchar_t* versionFile,
                         const wchar_t* firmwareFile);

// Faults.
// The card is never handed over although 0x20 is accepted (state stays 0).
SIM_API void SetHidCardNeverAppears(DeviceId id, bool never);
// A restart takes the device off the bus and it never comes back.
SIM_API void SetHidStaysAwayAfterRestart(DeviceId id, bool away);
SIM_API void SetHidOpenFails(DeviceId id, bool fails);
SIM_API void SetHidWriteFails(DeviceId id, bool fails);       // every report write fails
SIM_API void SetHidCommandFails(DeviceId id, BYTE command, bool fails);  // status byte 2
SIM_API void SetHidPendingReplies(DeviceId id, int count);     // pending replies before each answer
SIM_API void SetHidPendingForever(DeviceId id, bool forever);  // replies stay pending
// Before each answer (only before those to command, unless it is 0), pending
// replies for deviceMs of device time, one every half second; command also
// limits SetHidPendingReplies.
SIM_API void SetHidPendingMs(DeviceId id, DWORD deviceMs, BYTE command = 0);
// Without the echo, byte 1 of every reply is 0 instead of the request's command.
SIM_API void SetHidEcho(DeviceId id, bool echo);
// With the echo, the replies to this one command still carry 0 in byte 1
// (0 as command: none).
SIM_API void SetHidNoEchoCommand(DeviceId id, BYTE command);
SIM_API void SetHidVanishAfterReports(DeviceId id, int reports);  // pulled after n more writes (-1 = never)
// Answers n more requests, then takes every request and answers none
// (-1 = never silent).
SIM_API void SetHidSilentAfterReports(DeviceId id, int reports);
// Real milliseconds every reply takes after its request, at any speed of
// the world: a headset that is slow whatever the program's clock does.
SIM_API void SetHidReplyMs(DeviceId id, DWORD realMs);
// The next request of this command is answered deviceMs of device time
// late (once; later ones on time). 0 as command: none.
SIM_API void SetHidLateReply(DeviceId id, BYTE command, DWORD deviceMs);
// Replaces the data of a command's reply (bytes from 3 on).
SIM_API void SetHidReply(DeviceId id, BYTE command, const std::vector<BYTE>& dataFrom3);

struct HidPart {
    BYTE type;
    std::vector<BYTE> data;
    bool complete;  // ended with 0x07
};
SIM_API std::vector<HidPart> HidReceivedParts(DeviceId id);
// Every output report the device took, first 8 bytes each.
SIM_API std::vector<std::vector<BYTE>> HidCommandLog(DeviceId id);
SIM_API int HidRestartCount(DeviceId id);
SIM_API BYTE HidVoicePromptCode(DeviceId id);

// Used by the simulated seam.
struct HidListing {
    DeviceId id;
    std::wstring path;  // "\\?\hid#vid_xxxx&pid_xxxx#...#{4d1e55b2-...}" in lower case
};
SIM_API std::vector<HidListing> ListHidInterfaces();
// Opens a present interface by path; 0 when there is none (error in *err).
SIM_API int HidOpen(const wchar_t* path, DWORD* err);
SIM_API void HidClose(int handle);
SIM_API bool HidAttributes(int handle, WORD* vid, WORD* pid, WORD* version);
SIM_API bool HidCaps(int handle, WORD* usagePage, WORD* usage, WORD* inputBytes, WORD* outputBytes);
// One output report; false with a Win32 error when the device refuses it.
SIM_API bool HidWrite(int handle, const BYTE* report, DWORD bytes, DWORD* err);
// Drops the replies that have reached the handle and wait to be read (the
// driver's input queue); replies still on their way are kept. False for an
// unknown handle.
SIM_API bool HidFlush(int handle);
// One input report: 1 = read, 0 = none within waitMs (real ms), -1 = failed (*err).
SIM_API int HidRead(int handle, BYTE* report, DWORD bytes, DWORD waitMs, DWORD* err);

// ---------------------------------------------------------------- drives
// A folder that the seam shows as a drive letter (removable by default).
SIM_API DeviceId AddDrive(const wchar_t* name, wchar_t letter, const wchar_t* folder,
                          UINT driveType = DRIVE_REMOVABLE);
SIM_API DWORD DriveMask();
SIM_API UINT DriveType(const wchar_t* root);
// A path on a present simulated drive, mapped into its folder.
SIM_API bool MapDrivePath(const wchar_t* path, std::wstring* mapped);

// ----------------------------------------------------- USB device list
struct UsbListing {
    std::string hardwareIds;  // REG_MULTI_SZ text, double-zero terminated
    std::string description;
};
// Every present USB device (DFU headsets, HID devices, the FTDI bridge).
SIM_API std::vector<UsbListing> ListUsbDevices();

// ------------------------------------------------- FTDI and the flash loader
// The vehicle module's USB-serial bridge. Its flash target is the file
// through which the flash loader process reaches the CAN controller; the
// world passes its name to child processes in MORVEX_SIM_FLASH_TARGET.
SIM_API DeviceId AddFtdiDevice(const wchar_t* name, int comPort, const wchar_t* flashTarget);
SIM_API void SetFtdiFaults(DeviceId id, bool openFails, bool comPortFails);
// For ftd2xx.dll: the index-th present bridge; 0 when none.
SIM_API DeviceId FtdiOpen(int index);
SIM_API bool FtdiComPort(DeviceId id, LONG* port);
SIM_API void FtdiClose(DeviceId id);
// How many opens reached the bridge (also refused ones).
SIM_API int FtdiOpenCount(DeviceId id);
// Faults of the flash loader: "none", "no-answer" (the controller does not
// answer), "write-fails", "hang" (the loader stops in the middle of the
// write and never ends by itself), "stall" (it stops before it writes).
SIM_API void SetFlashFault(DeviceId ftdi, const wchar_t* fault);

}  // namespace sim
