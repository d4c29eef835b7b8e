// Small HID command-channel requests of recognition: a request built on a
// cleared report, and the version replies of the headsets' chips.
#pragma once
#include <windows.h>
#include "hardware/HardwareApi.h"
#include "core/DeviceVersion.h"
#include "core/HidChannel.h"
#include "core/HidProtocol.h"
#include <vector>

// While one lives, the requests these helpers send from its thread are
// given up after replyMs of clock time without any report (pending replies
// keep a request alive up to the channel's own bound), and an interface
// that once left a request unanswered is not asked again: its requests fail
// at once without being sent. Recognition runs under one, so that a headset
// that stops answering holds the window for seconds, however many requests
// would follow; so does a settings save on its worker. No total bounds them:
// a headset that keeps answering is never cut off.
class CHidReplyBudget {
public:
    explicit CHidReplyBudget(DWORD replyMs);
    ~CHidReplyBudget();
    CHidReplyBudget(const CHidReplyBudget&) = delete;
    CHidReplyBudget& operator=(const CHidReplyBudget&) = delete;

    // Whether a request on the interface left it unanswered.
    bool Silent(HANDLE device) const;
    // One exchange under the budget (see above).
    BOOL Transact(const hw::CDeviceHandle* device, BYTE* request, BYTE* reply);
    HidExchangeEnd Exchange(const hw::CDeviceHandle* device, BYTE* request, BYTE* reply);
    // Whether a request on an open interface went unanswered (also one not
    // sent because its interface was silent) or could not be written.
    bool LostRequest() const { return m_bLost; }

private:
    bool m_bLost = false;
    DWORD m_dwReplyMs;
    std::vector<HANDLE> m_silent;
    CHidReplyBudget* m_pOuter;
};

// {1, command, block} on a cleared report, under the thread's budget when
// one lives; how the exchange ended.
HidExchangeEnd HidAsk(const hw::CDeviceHandle* device, BYTE command, BYTE block, BYTE* reply);
// The same; TRUE when the reply status is 0.
BOOL HidRequest(const hw::CDeviceHandle* device, BYTE command, BYTE block, BYTE* reply);
// Reads a block; on success *words holds the reply's words in host order,
// at most the 31 a reply report holds and at most `limit`.
BOOL HidReadBlockWords(const hw::CDeviceHandle* device, BYTE block, std::vector<WORD>* words, int limit = HID_REPLY_MAX_WORDS);
// Writes a block of words (big-endian on the wire); with store, follows it
// with HID_CMD_STORE_BLOCK on the same report, whose payload then goes out
// in the opposite byte order, as the headsets expect. TRUE only when the
// write and, with store, the store request both succeeded (the store request
// is sent either way).
BOOL HidWriteBlockWords(const hw::CDeviceHandle* device, BYTE block, const WORD* words, int count, bool store = false);

// The device-type byte (low byte of word 0 of HID_BLOCK_DEVICE_TYPE): one
// more try after a failed read, 0 when both fail.
int ReadHidDeviceType(const hw::CDeviceHandle* device);

// HID_CMD_GET_VERSION of a headset chip: reply bytes 3 to 7 as major,
// minor, secondary version type, secondary version, spare; 1.0 with
// everything else 0 when it fails.
// TRUE when the request was answered with a version.
BOOL ReadHidChipVersion(const hw::CDeviceHandle* device, CDeviceVersion* version);
// The same for an interface of the two-interface module: major byte 3,
// minor byte 4, type 2, secondary byte 5, spare byte 6; 1, 0, 2, 0, 0 on failure.
BOOL ReadModuleChipVersion(const hw::CDeviceHandle* device, CDeviceVersion* version);
