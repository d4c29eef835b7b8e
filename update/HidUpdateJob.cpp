#include "update/HidUpdateJob.h"
#include "core/HidChannel.h"
#include "framework/Clock.h"
#include "texts/MessageTexts.h"
#include "texts/WizardTexts.h"
#include "update/FirmwareInfo.h"
#include <cstring>

namespace hidupdate {

namespace {

// The longest single sleep between two looks at the cancel flag.
const DWORD kPauseSliceMs = 100;
const DWORD kPollDonePauseMs = 500;
const int kLanguages = 13;

}  // namespace

void Store(int& field, int value) { ::InterlockedExchange((volatile LONG*)&field, value); }
int Load(const int& field) { return (int)::InterlockedCompareExchange((volatile LONG*)&field, 0, 0); }

bool Pause(HidUpdateJob& job, DWORD ms) {
    DWORD start = fw::Clock::GetTickCount();
    for (;;) {
        if (job.Cancelled()) return false;
        DWORD spent = fw::Clock::GetTickCount() - start;
        if (spent >= ms) return true;
        DWORD left = ms - spent;
        ::Sleep(fw::Clock::TimerInterval(left < kPauseSliceMs ? left : kPauseSliceMs));
    }
}

void ReportFailure(HidUpdateJob& job, const wchar_t* format, HidTextGetter reason, HidTextGetter third) {
    if (job.Cancelled()) return;  // the page has ended the update with its own texts
    int page = job.page, usb = job.usbStatus;
    job.info->SetStatusTexts([&](int language) {
        CString failure, why, more, text;
        GetTextPageFailure(failure, page, usb, language);
        reason(why, language);
        if (third) {
            third(more, language);
            text.Format(format, (const wchar_t*)failure, (const wchar_t*)why, (const wchar_t*)more);
        } else {
            text.Format(format, (const wchar_t*)failure, (const wchar_t*)why);
        }
        return text;
    });
    Store(job.info->m_nError, 1);
}

void ReportBackupStarting(HidUpdateJob& job, const wchar_t* format) {
    int page = job.page, usb = job.usbStatus;
    job.info->SetStatusTexts([&](int language) {
        CString activity, backup, text;
        GetTextPageActivity(activity, page, usb, language);
        GetTextMsgAboutToMakeBackupFirmware(backup, language);
        text.Format(format, (const wchar_t*)activity, (const wchar_t*)backup);
        return text;
    });
}

void ReportActivity(HidUpdateJob& job) {
    int page = job.page, usb = job.usbStatus;
    job.info->SetStatusTexts([&](int language) {
        CString activity;
        GetTextPageActivity(activity, page, usb, language);
        return activity;
    });
}

void Finish(HidUpdateJob& job) {
    if (job.Cancelled()) return;  // the page has ended the update itself
    Store(job.info->m_bFinished, 1);
    if (job.clearAutoUpdate) job.clearAutoUpdate();
}

PackageRejection ReadPackage(HidUpdateJob& job, CUpdatePackage* package, PackagePartTable table,
                             DWORD requiredParts, bool checkModel) {
    switch (package->Load(job.packagePath)) {
    case PACKAGE_CANNOT_OPEN: return REJECT_CANNOT_OPEN;
    case PACKAGE_TOO_SHORT: return REJECT_TOO_SHORT;
    case PACKAGE_NO_MEMORY: return REJECT_NO_MEMORY;
    case PACKAGE_SHORT_READ: return REJECT_SHORT_READ;
    case PACKAGE_LOADED: break;
    }
    Store(job.info->m_nStep, 4);
    if (checkModel && package->ModelId() != (DWORD)job.targetModel) return REJECT_WRONG_MODEL;
    switch (package->Check(table, requiredParts)) {
    case PACKAGE_OK: break;
    case PACKAGE_DIGEST_DIFFERS: return REJECT_DIGEST;
    case PACKAGE_CHECK_NO_MEMORY: return REJECT_NO_MEMORY;
    default: return REJECT_PART_OUTSIDE;
    }
    Store(job.info->m_nStep, 5);
    return PACKAGE_ACCEPTED;
}

bool ArchiveStep(HidUpdateJob& job, const wchar_t* format, bool alwaysWait) {
    if (job.page != 3) return !job.Cancelled();
    ReportBackupStarting(job, format);
    BOOL written = job.writeSettingsArchive ? job.writeSettingsArchive() : FALSE;
    if (!written) {
        Store(job.info->m_nStep, 11);
        if (job.threadWait) Store(*job.threadWait, 1);
        if (!Pause(job, 5000)) return false;
    } else if (!alwaysWait) {
        return !job.Cancelled();
    }
    // Until the box's OK clears the flag, within the limit.
    DWORD start = fw::Clock::GetTickCount();
    while (job.threadWait && Load(*job.threadWait)) {
        if (fw::Clock::GetTickCount() - start >= USER_WAIT_LIMIT_MS) {
            Store(*job.threadWait, 0);
            break;
        }
        if (!Pause(job, 1000)) return false;
    }
    return !job.Cancelled();
}

void BeginTransfer(HidUpdateJob& job) {
    ReportActivity(job);
    Store(job.info->m_nError, 0);
    if (job.resetTransferState) job.resetTransferState();
    Store(job.info->m_nWaitTicks, 0);
    Store(job.info->m_nTicks, 0);
    Store(job.info->m_nTicks2, 0);
    Store(job.info->m_nStep, 7);
}

BOOL Command(const hw::CDeviceHandle* device, BYTE command, std::initializer_list<BYTE> args, BYTE* reply) {
    BYTE request[HID_OUT_REPORT_SIZE];
    BYTE answer[HID_IN_REPORT_SIZE];
    std::memset(request, 0, sizeof request);
    std::memset(answer, 0, sizeof answer);
    request[0] = HID_REPORT_ID;
    request[1] = command;
    int i = 2;
    for (BYTE a : args) request[i++] = a;
    BOOL ok = HidTransact(device, request, answer);
    if (reply) std::memcpy(reply, answer, sizeof answer);
    return ok;
}

PartFailure SendChunk(const hw::CDeviceHandle* device, const BYTE* data, int length) {
    BYTE report[HID_OUT_REPORT_SIZE];
    std::memset(report, 0, sizeof report);
    report[0] = HID_REPORT_ID;
    report[1] = HID_CMD_IMAGE_DATA;
    report[2] = (BYTE)(length >> 8);
    report[3] = (BYTE)length;
    if (length > 0) std::memcpy(report + 4, data, (size_t)length);
    if (!HidWriteReport(device, report)) return PART_WRITE_FAILED;
    if (!HidReadStatus(device)) return PART_STATUS_FAILED;
    return PART_SENT;
}

PartFailure SendPart(const hw::CDeviceHandle* device, BYTE type, const BYTE* data, DWORD size, int chunk) {
    if (chunk <= 0 || chunk > HID_IMAGE_CHUNK) chunk = HID_IMAGE_CHUNK;
    if (!Command(device, HID_CMD_IMAGE_BEGIN, {type})) return PART_BEGIN_FAILED;
    for (DWORD sent = 0; sent < size;) {
        DWORD left = size - sent;
        int n = left < (DWORD)chunk ? (int)left : chunk;
        PartFailure f = SendChunk(device, data + sent, n);
        if (f != PART_SENT) return f;
        sent += (DWORD)n;
    }
    if (!Command(device, HID_CMD_IMAGE_END)) return PART_END_FAILED;
    return PART_SENT;
}

bool PollDone(HidUpdateJob& job, const hw::CDeviceHandle* device, DWORD limitMs) {
    DWORD start = fw::Clock::GetTickCount();
    for (;;) {
        BYTE reply[HID_IN_REPORT_SIZE];
        if (Command(device, HID_CMD_POLL_DONE, {}, reply) && reply[HID_REPLY_DATA] != 0) return true;
        if (fw::Clock::GetTickCount() - start >= limitMs) return false;
        if (!Pause(job, kPollDonePauseMs)) return false;
    }
}

namespace {

volatile LONG g_runningWorkers = 0;

struct WorkerStart {
    UINT (*proc)(HidUpdateJob&);
    std::shared_ptr<HidUpdateJob> job;
};

DWORD WINAPI WorkerMain(LPVOID param) {
    WorkerStart* start = (WorkerStart*)param;
    start->proc(*start->job);
    ::InterlockedExchange(&start->job->running, 0);
    ::InterlockedDecrement(&g_runningWorkers);
    delete start;
    return 0;
}

}  // namespace

int RunningWorkers() { return (int)::InterlockedCompareExchange(&g_runningWorkers, 0, 0); }

bool StartWorker(UINT (*proc)(HidUpdateJob&), const std::shared_ptr<HidUpdateJob>& job) {
    if (!proc || !job) return false;
    ::InterlockedExchange(&job->running, 1);
    ::InterlockedIncrement(&g_runningWorkers);
    WorkerStart* start = new WorkerStart{proc, job};
    HANDLE thread = ::CreateThread(nullptr, 0, WorkerMain, start, 0, nullptr);
    if (!thread) {
        ::InterlockedExchange(&job->running, 0);
        ::InterlockedDecrement(&g_runningWorkers);
        delete start;
        return false;
    }
    ::CloseHandle(thread);
    return true;
}

}  // namespace hidupdate
