#include "core/HidChannel.h"
#include "framework/Clock.h"
#include "framework/Handle.h"
#include "hardware/HardwareApi.h"
#include <cstring>

namespace {

// Clock time between two looks at an unfinished transfer.
const DWORD kPollMs = 10;

bool IsOpen(const HANDLE* device) { return device && *device && *device != INVALID_HANDLE_VALUE; }

// An OVERLAPPED with its own event, closed on scope exit.
struct Transfer {
    CHandle event{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    OVERLAPPED ov = {};
    Transfer() { ov.hEvent = event; }
};

// Waits for a started transfer within timeoutMs of clock time. On time-out
// the transfer is cancelled and waited for, so that its buffer is free again.
bool Finish(HANDLE h, Transfer& t, DWORD timeoutMs, DWORD* transferred) {
    const hw::HardwareApi& api = hw::Api();
    DWORD start = fw::Clock::GetTickCount();
    for (;;) {
        if (api.GetOverlappedResult(h, &t.ov, transferred, FALSE)) return true;
        if (::GetLastError() != ERROR_IO_INCOMPLETE) return false;
        if (fw::Clock::GetTickCount() - start >= timeoutMs) {
            api.CancelIo(h);
            // The transfer may still have finished just before the cancel.
            return api.GetOverlappedResult(h, &t.ov, transferred, TRUE) != FALSE;
        }
        ::WaitForSingleObject(t.ov.hEvent, fw::Clock::TimerInterval(kPollMs));
    }
}

bool Start(BOOL started, HANDLE h, Transfer& t, DWORD timeoutMs, DWORD* transferred) {
    if (started) {
        // Completed at once; the count is in the OVERLAPPED.
        DWORD n = 0;
        if (hw::Api().GetOverlappedResult(h, &t.ov, &n, FALSE) && n != 0) *transferred = n;
        return true;
    }
    if (::GetLastError() != ERROR_IO_PENDING) return false;
    return Finish(h, t, timeoutMs, transferred);
}

// The clock time left of limitMs since start, at most cap; 0 once it is over.
DWORD Left(DWORD start, DWORD limitMs, DWORD cap) {
    if (limitMs == INFINITE) return cap;
    DWORD spent = fw::Clock::GetTickCount() - start;
    if (spent >= limitMs) return 0;
    return limitMs - spent < cap ? limitMs - spent : cap;
}

bool WriteReport(HANDLE h, const BYTE* report, DWORD timeoutMs = HID_WRITE_TIMEOUT_MS) {
    Transfer t;
    if (!t.ov.hEvent) return false;
    // Whatever input the headset sent before this report answers an earlier
    // one (a reply that came after its request was given up): it must never
    // be read as this report's answer. A driver that cannot flush leaves
    // nothing behind either, so its result is not needed.
    hw::Api().HidD_FlushQueue(h);
    DWORD written = 0;
    BOOL started = hw::Api().WriteFile(h, report, HID_OUT_REPORT_SIZE, &written, &t.ov);
    if (!Start(started, h, t, timeoutMs, &written)) return false;
    return written == (DWORD)HID_OUT_REPORT_SIZE;
}

// One input report into report (HID_IN_REPORT_SIZE bytes); only a report
// long enough to carry the status byte counts.
bool ReadReport(HANDLE h, BYTE* report, DWORD timeoutMs = HID_READ_TIMEOUT_MS) {
    Transfer t;
    if (!t.ov.hEvent) return false;
    BYTE buffer[HID_IN_REPORT_SIZE] = {};
    DWORD got = 0;
    BOOL started = hw::Api().ReadFile(h, buffer, HID_IN_REPORT_SIZE, &got, &t.ov);
    if (!Start(started, h, t, timeoutMs, &got)) return false;
    if (got <= (DWORD)HID_REPLY_STATUS) return false;
    if (got > (DWORD)HID_IN_REPORT_SIZE) got = HID_IN_REPORT_SIZE;
    std::memcpy(report, buffer, got);
    return true;
}

// Reads reports into reply while its status is pending, within the bounds
// and, unless limitMs is INFINITE, within limitMs of clock time since start.
bool ReadUntilAnswered(HANDLE h, BYTE* reply, DWORD start = fw::Clock::GetTickCount(), DWORD limitMs = INFINITE) {
    DWORD pendingFrom = fw::Clock::GetTickCount();
    for (int reports = 0;; ++reports) {
        DWORD wait = Left(start, limitMs, HID_READ_TIMEOUT_MS);
        if (!wait || !ReadReport(h, reply, wait)) return false;
        if (reply[HID_REPLY_STATUS] != HID_STATUS_PENDING) return true;
        if (reports + 1 >= HID_PENDING_MAX_REPORTS) return false;
        if (fw::Clock::GetTickCount() - pendingFrom >= HID_PENDING_TIMEOUT_MS) return false;
    }
}

}  // namespace

BOOL HidTransact(HANDLE* device, BYTE* request, BYTE* response) {
    return HidExchange(device, request, response, INFINITE) == HID_ANSWERED ? TRUE : FALSE;
}

BOOL HidTransactWithin(HANDLE* device, BYTE* request, BYTE* response, DWORD limitMs) {
    return HidExchange(device, request, response, limitMs) == HID_ANSWERED ? TRUE : FALSE;
}

HidExchangeEnd HidExchange(HANDLE* device, BYTE* request, BYTE* response, DWORD limitMs) {
    if (!response) return HID_NOT_SENT;
    response[HID_REPLY_STATUS] = HID_STATUS_NONE;
    if (!request || !IsOpen(device)) return HID_NOT_SENT;
    const DWORD start = fw::Clock::GetTickCount();
    DWORD wait = Left(start, limitMs, HID_WRITE_TIMEOUT_MS);
    if (!wait || !WriteReport(*device, request, wait)) return HID_NOT_SENT;
    if (!ReadUntilAnswered(*device, response, start, limitMs)) return HID_UNANSWERED;
    return response[HID_REPLY_STATUS] == HID_STATUS_OK ? HID_ANSWERED : HID_REFUSED;
}

BOOL HidWriteReport(HANDLE* device, BYTE* report) {
    if (!report || !IsOpen(device)) return FALSE;
    return WriteReport(*device, report) ? TRUE : FALSE;
}

BOOL HidReadStatus(HANDLE* device) {
    if (!IsOpen(device)) return FALSE;
    BYTE reply[HID_IN_REPORT_SIZE] = {};
    reply[HID_REPLY_STATUS] = HID_STATUS_NONE;
    if (!ReadUntilAnswered(*device, reply)) return FALSE;
    return reply[HID_REPLY_STATUS] == HID_STATUS_OK ? TRUE : FALSE;
}

void SwapRequestWords(BYTE* request) {
    if (!request) return;
    int n = request[HID_REQ_WORD_COUNT];  // at most 255 words: always inside the report
    for (int i = 0; i < n; ++i) {
        BYTE* w = request + HID_REQ_WORDS + 2 * i;
        BYTE t = w[0];
        w[0] = w[1];
        w[1] = t;
    }
}

void SwapResponseWords(BYTE* reply) {
    if (!reply) return;
    int n = reply[HID_REPLY_WORD_COUNT];
    if (n > HID_REPLY_MAX_WORDS) n = HID_REPLY_MAX_WORDS;
    for (int i = 0; i < n; ++i) {
        BYTE* w = reply + HID_REPLY_WORDS + 2 * i;
        BYTE t = w[0];
        w[0] = w[1];
        w[1] = t;
    }
}
