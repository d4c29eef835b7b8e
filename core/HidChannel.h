// The HID command channel: requests as 1023-byte output reports, replies as
// 67-byte input reports (see HidProtocol.h). Every wait is bounded: a device
// that stops answering makes the call fail instead of hanging the caller.
#pragma once
#include <windows.h>
#include "core/HidProtocol.h"
#include "hardware/HardwareApi.h"

// Clock time without any report after which a request is given up.
const DWORD HID_READ_TIMEOUT_MS = 5000;
// Clock time a write may take to complete.
const DWORD HID_WRITE_TIMEOUT_MS = 5000;
// Clock time, and number of reports, a reply may stay pending (status 1).
const DWORD HID_PENDING_TIMEOUT_MS = 60000;
const int HID_PENDING_MAX_REPORTS = 100000;

// One exchange: response byte 2 := 0xFF, the request written as one output
// report, then input reports read into response while byte 2 is 1. TRUE
// only when byte 2 ends as 0. FALSE for a handle that is not open, a failed
// write or read, a reply that stays pending beyond the bounds, or any other
// status. response holds at least HID_IN_REPORT_SIZE bytes.
BOOL HidTransact(HANDLE* device, BYTE* request, BYTE* response);

// The same exchange, given up once limitMs of clock time (at most the
// channel's own bounds) pass without a report: a headset that keeps sending
// pending replies is waited for up to HID_PENDING_TIMEOUT_MS, whatever
// limitMs. After a failure, response byte 2 still holds HID_STATUS_NONE or
// HID_STATUS_PENDING when the device did not answer at all.
BOOL HidTransactWithin(HANDLE* device, BYTE* request, BYTE* response, DWORD limitMs);

// How one bounded exchange ended.
enum HidExchangeEnd {
    HID_ANSWERED,    // byte 2 ended as 0
    HID_REFUSED,     // answered with another status
    HID_NOT_SENT,    // no open handle, or the request could not be written
    HID_UNANSWERED,  // written, but no final reply within the bounds (given up)
};
// The exchange of HidTransactWithin (limitMs INFINITE: only the channel's
// bounds), telling how it ended. These rules keep a reply that arrives
// after its request was given up from answering a later one:
// - every request, and every report that HidWriteReport sends, first
//   discards the input reports still queued for the handle;
// - after a request on a handle was given up (no report within the bound,
//   or pending beyond it), the next report sent on it first lets the same
//   bound pass again from that moment, so that a reply still on its way
//   arrives and is discarded with the rest;
// - where the headset's final replies on an interface have carried their
//   request's command in byte 1 for at least two different commands, a
//   final reply naming another command is read past, unless the command
//   asked has been answered there without its echo. A headset that has
//   not shown the echo is never filtered. When a reply read past is the
//   last report that comes before the bound of silence, and the command it
//   names has never echoed on the interface, it answers the request after
//   all: it may be the request's own, without the echo. One naming a
//   command that has echoed there is another request's: the request is
//   given up.
// What the channel notes of a handle opened by interface path (the late
// window, the echo) holds for every handle of that path: the late window
// until it has passed, the echo while the headset stays on the bus and
// answers with the same address (see HidHandleNotes.h). A handle opened
// otherwise keeps notes of its own, which go when its hw::CDeviceHandle
// closes it.
HidExchangeEnd HidExchange(HANDLE* device, BYTE* request, BYTE* response, DWORD limitMs);

// One write of exactly HID_OUT_REPORT_SIZE bytes; nonzero when it succeeds.
BOOL HidWriteReport(HANDLE* device, BYTE* report);

// Reads input reports while byte 2 is 1; nonzero when byte 2 then is 0, 0
// when a read fails or the reply stays pending beyond the bounds.
BOOL HidReadStatus(HANDLE* device);

// The same on an owned handle (the main dialog's HID interfaces).
inline BOOL HidTransact(const hw::CDeviceHandle* device, BYTE* request, BYTE* response) {
    HANDLE h = device ? device->Get() : nullptr;
    return HidTransact(&h, request, response);
}
inline BOOL HidTransactWithin(const hw::CDeviceHandle* device, BYTE* request, BYTE* response, DWORD limitMs) {
    HANDLE h = device ? device->Get() : nullptr;
    return HidTransactWithin(&h, request, response, limitMs);
}
inline HidExchangeEnd HidExchange(const hw::CDeviceHandle* device, BYTE* request, BYTE* response, DWORD limitMs) {
    HANDLE h = device ? device->Get() : nullptr;
    return HidExchange(&h, request, response, limitMs);
}
inline BOOL HidWriteReport(const hw::CDeviceHandle* device, BYTE* report) {
    HANDLE h = device ? device->Get() : nullptr;
    return HidWriteReport(&h, report);
}
inline BOOL HidReadStatus(const hw::CDeviceHandle* device) {
    HANDLE h = device ? device->Get() : nullptr;
    return HidReadStatus(&h);
}

// Exchanges the two bytes of each of the first request[3] words from byte 4
// (host order to the wire's big-endian order and back).
void SwapRequestWords(BYTE* request);
// Exchanges the two bytes of each of the first reply[4] words from byte 5, so
// that the wire's big-endian words read as host words. A count larger than a
// reply report holds is limited to HID_REPLY_MAX_WORDS.
void SwapResponseWords(BYTE* reply);
