#include "update/HidPackageTransfer.h"
#include "core/HidProtocol.h"
#include "texts/MessageTexts.h"
#include "update/FirmwareInfo.h"

namespace hidupdate {

namespace {

HidTextGetter CannotGetStatus() { return static_cast<HidTextGetter>(&GetTextMsgCannotGetStatus); }

bool Fail(HidUpdateJob& job, const wchar_t* format) {
    ReportFailure(job, format, CannotGetStatus());
    Finish(job);
    return false;
}

bool Restart(const hw::CDeviceHandle* device) { return Command(device, HID_CMD_RESTART, {0}) != FALSE; }

}  // namespace

void ReportCorrupted(HidUpdateJob& job) {
    ReportFailure(job, L"%s. %s", static_cast<HidTextGetter>(&GetTextMsgFirmwareCorrupted));
    Finish(job);
}

bool TransferParts(HidUpdateJob& job, const CUpdatePackage& package, const TransferStyle& style) {
    bool restartFirst = false, restartSecond = false;
    DWORD count = package.PartCount();
    if (count > style.partLimit) count = style.partLimit;
    for (DWORD i = 0; i < count; ++i) {
        if (job.Cancelled()) return false;
        UpdatePackagePartRecord part;
        if (!package.GetPart(style.table, i, &part)) {  // checked before: never happens
            ReportCorrupted(job);
            return false;
        }
        const hw::CDeviceHandle* device = job.device2;
        if (part.target == PACKAGE_TARGET_FIRST_RESTART || part.target == PACKAGE_TARGET_FIRST) device = job.device1;
        if (part.target == PACKAGE_TARGET_FIRST_RESTART) restartFirst = true;
        if (part.target == PACKAGE_TARGET_SECOND_RESTART) restartSecond = true;
        switch (SendPart(device, (BYTE)part.partType, package.PartData(part), part.dataSize)) {
        case PART_SENT: break;
        case PART_BEGIN_FAILED: return Fail(job, style.beginFailed);
        case PART_WRITE_FAILED: return Fail(job, style.writeFailed);
        case PART_STATUS_FAILED: return Fail(job, style.statusFailed);
        case PART_END_FAILED: return Fail(job, style.endFailed);
        }
    }

    switch (style.end) {
    case END_POLL_RESTART_WAIT:
        Store(job.info->m_bAwaitingUserAction, 1);
        if (!PollDone(job, job.device1, POLL_DONE_LIMIT_MS)) {
            if (job.Cancelled()) return false;
            return Fail(job, style.pollFailed);
        }
        if (restartFirst) {
            if (!Restart(job.device1)) return Fail(job, style.restartFailed);
            Store(job.info->m_bAwaitingUserAction, 0);
        }
        if (!Pause(job, 65000)) return false;
        Store(job.info->m_nStep, 9);
        Store(job.info->m_bAwaitingUserAction, 1);
        break;
    case END_RESTART_WAIT:
        if (restartFirst && !Restart(job.device1)) return Fail(job, style.restartFailed);
        if (!Pause(job, 500) || !Pause(job, 65000)) return false;
        Store(job.info->m_nStep, 9);
        Store(job.info->m_bAwaitingUserAction, 0);
        break;
    case END_RESTART_BOTH:
        if (restartFirst && !Restart(job.device1)) return Fail(job, style.restartFailed);
        if (restartSecond && !Restart(job.device2)) return Fail(job, style.restartFailed);
        Store(job.info->m_nStep, 9);
        if (!Pause(job, 5000)) return false;
        break;
    }
    if (job.startPostUpdateTimer) job.startPostUpdateTimer();
    return true;
}

}  // namespace hidupdate

using namespace hidupdate;

UINT HidPackageUpdateThread(HidUpdateJob& job) {
    CUpdatePackage package;
    if (ReadPackage(job, &package, PACKAGE_PART_RECORDS, 0, true) != PACKAGE_ACCEPTED) {
        ReportCorrupted(job);
        return 0;
    }
    if (!ArchiveStep(job)) return 0;
    BeginTransfer(job);
    TransferStyle style;
    style.writeFailed = L"%s. %s[9][0]";
    style.statusFailed = L"%s. %s[9][1]";
    style.endFailed = L"%s. %s[9][2]";
    style.restartFailed = L"%s. %s[9][3]";
    style.pollFailed = L"%s. %s[9][4]";
    TransferParts(job, package, style);
    return 0;
}

UINT HidPackageUpdateThreadB(HidUpdateJob& job) {
    CUpdatePackage package;
    if (ReadPackage(job, &package, PACKAGE_PART_RECORDS, 0, false) != PACKAGE_ACCEPTED) {
        ReportCorrupted(job);
        return 0;
    }
    if (!ArchiveStep(job, L"%s %s", true)) return 0;
    BeginTransfer(job);
    TransferStyle style;
    style.end = END_RESTART_BOTH;
    TransferParts(job, package, style);
    return 0;
}
