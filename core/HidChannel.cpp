#include "core/HidChannel.h"
#include "core/HidHandleNotes.h"
#include "framework/Clock.h"
#include "framework/Handle.h"
#include "framework/UiWait.h"
#include "hardware/HardwareApi.h"
#include <cstring>

namespace {

// Clock time between two looks at an unfinished transfer.
const DWORD kPollMs = 10;

bool IsOpen(const HANDLE* device) { return device && *device && *device != INVALID_HANDLE_VALUE; }

DWORD AtMost(DWORD a, DWORD b) { return a < b ? a : b; }

// An OVERLAPPED with its own event, closed on scope exit.
struct Transfer {
    CHandle event{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    OVERLAPPED ov = {};
    Transfer() { ov.hEvent = event; }
};

// How a transfer ended.
enum TransferEnd { TRANSFER_DONE, TRANSFER_TIMED_OUT, TRANSFER_FAILED };

// Waits for a started transfer within timeoutMs of clock time. On time-out
// the transfer is cancelled and waited for, so that its buffer is free again.
TransferEnd Finish(HANDLE h, Transfer& t, DWORD timeoutMs, DWORD* transferred) {
    const hw::HardwareApi& api = hw::Api();
    DWORD start = fw::Clock::GetTickCount();
    for (;;) {
        if (api.GetOverlappedResult(h, &t.ov, transferred, FALSE)) return TRANSFER_DONE;
        if (::GetLastError() != ERROR_IO_INCOMPLETE) return TRANSFER_FAILED;
        if (fw::Clock::GetTickCount() - start >= timeoutMs) {
            api.CancelIo(h);
            // The transfer may still have finished just before the cancel.
            if (api.GetOverlappedResult(h, &t.ov, transferred, TRUE)) return TRANSFER_DONE;
            return TRANSFER_TIMED_OUT;
        }
        fw::UiWait(t.ov.hEvent, kPollMs);
    }
}

TransferEnd Start(BOOL started, HANDLE h, Transfer& t, DWORD timeoutMs, DWORD* transferred) {
    if (started) {
        // Completed at once; the count is in the OVERLAPPED.
        DWORD n = 0;
        if (hw::Api().GetOverlappedResult(h, &t.ov, &n, FALSE) && n != 0) *transferred = n;
        return TRANSFER_DONE;
    }
    if (::GetLastError() != ERROR_IO_PENDING) return TRANSFER_FAILED;
    return Finish(h, t, timeoutMs, transferred);
}

bool WriteReport(HANDLE h, const BYTE* report, DWORD timeoutMs = HID_WRITE_TIMEOUT_MS) {
    Transfer t;
    if (!t.ov.hEvent) return false;
    // A request given up on this handle may still be answered: the rest of
    // its late window passes first, and what it brings is flushed with the
    // rest. Whatever input the headset sent before this report answers an
    // earlier one: it must never be read as this report's answer. A driver
    // that cannot flush leaves nothing behind either, so its result is not
    // needed.
    if (DWORD late = hidnotes::LateWindowLeft(h)) fw::UiSleep(late);
    hw::Api().HidD_FlushQueue(h);
    DWORD written = 0;
    BOOL started = hw::Api().WriteFile(h, report, HID_OUT_REPORT_SIZE, &written, &t.ov);
    if (Start(started, h, t, timeoutMs, &written) != TRANSFER_DONE) return false;
    return written == (DWORD)HID_OUT_REPORT_SIZE;
}

// One input report into report (HID_IN_REPORT_SIZE bytes), its length in
// *got; only a report long enough to carry the status byte counts.
TransferEnd ReadReport(HANDLE h, BYTE* report, DWORD* got, DWORD timeoutMs) {
    Transfer t;
    if (!t.ov.hEvent) return TRANSFER_FAILED;
    *got = 0;
    TransferEnd end = Start(hw::Api().ReadFile(h, report, HID_IN_REPORT_SIZE, got, &t.ov), h, t, timeoutMs, got);
    if (end != TRANSFER_DONE) return end;
    if (*got <= (DWORD)HID_REPLY_STATUS) return TRANSFER_FAILED;
    if (*got > (DWORD)HID_IN_REPORT_SIZE) *got = HID_IN_REPORT_SIZE;
    return TRANSFER_DONE;
}

// Reads reports into reply while its status is pending. Each report must
// come within silenceMs (at most HID_READ_TIMEOUT_MS) of the exchange's
// previous one, and pending replies end at HID_PENDING_TIMEOUT_MS and
// HID_PENDING_MAX_REPORTS. With command >= 0, a final report (not pending)
// that names another command in byte 1 answers something else: it is read
// past, and counts neither as the reply nor as a sign of life. Yet when
// such a report is the last one read once the silence has passed, and the
// command it names has never echoed on the interface, it is taken for the
// reply: it may be this request's own, without the echo. One that names a
// command that has echoed there answers that command, never this one.
// TRANSFER_TIMED_OUT: given up.
TransferEnd ReadUntilAnswered(HANDLE h, BYTE* reply, DWORD silenceMs = HID_READ_TIMEOUT_MS, int command = -1) {
    const DWORD silence = AtMost(silenceMs, HID_READ_TIMEOUT_MS);
    const DWORD from = fw::Clock::GetTickCount();
    DWORD last = from;
    BYTE passed[HID_IN_REPORT_SIZE];
    DWORD passedGot = 0;  // nonzero: the last report read was passed
    auto silent = [&] {
        if (!passedGot || hidnotes::HasEchoed(h, passed[HID_REPLY_COMMAND])) return TRANSFER_TIMED_OUT;
        std::memcpy(reply, passed, passedGot);
        return TRANSFER_DONE;
    };
    for (int reports = 0;;) {
        DWORD quiet = fw::Clock::GetTickCount() - last;
        if (quiet >= silence) return silent();
        BYTE report[HID_IN_REPORT_SIZE] = {};
        DWORD got = 0;
        TransferEnd end = ReadReport(h, report, &got, silence - quiet);
        if (end == TRANSFER_TIMED_OUT) return silent();
        if (end != TRANSFER_DONE) return end;
        const bool pending = report[HID_REPLY_STATUS] == HID_STATUS_PENDING;
        if (command >= 0 && !pending && report[HID_REPLY_COMMAND] != command) {
            std::memcpy(passed, report, got);
            passedGot = got;
            continue;
        }
        passedGot = 0;
        std::memcpy(reply, report, got);
        last = fw::Clock::GetTickCount();
        if (!pending) return TRANSFER_DONE;
        if (++reports >= HID_PENDING_MAX_REPORTS) return TRANSFER_TIMED_OUT;
        if (last - from >= HID_PENDING_TIMEOUT_MS) return TRANSFER_TIMED_OUT;
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
    if (!request || !IsOpen(device) || !limitMs) return HID_NOT_SENT;
    HANDLE h = *device;
    if (!WriteReport(h, request, AtMost(limitMs, HID_WRITE_TIMEOUT_MS))) return HID_NOT_SENT;
    const BYTE command = request[HID_REQ_COMMAND];
    const DWORD silence = AtMost(limitMs, HID_READ_TIMEOUT_MS);
    TransferEnd end = ReadUntilAnswered(h, response, silence, hidnotes::ReadsPastOthers(h, command) ? command : -1);
    if (end == TRANSFER_TIMED_OUT) hidnotes::NoteGivenUp(h, silence);
    if (end != TRANSFER_DONE) return HID_UNANSWERED;
    hidnotes::NoteReply(h, command, response);
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
    TransferEnd end = ReadUntilAnswered(*device, reply);
    if (end == TRANSFER_TIMED_OUT) hidnotes::NoteGivenUp(*device, HID_READ_TIMEOUT_MS);
    if (end != TRANSFER_DONE) return FALSE;
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
