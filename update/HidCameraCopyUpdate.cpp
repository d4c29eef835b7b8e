#include "update/HidCameraCopyUpdate.h"
#include "core/HidProtocol.h"
#include "texts/MessageTexts.h"
#include "update/CameraCard.h"
#include "update/FirmwareInfo.h"
#include "update/HidPackageTransfer.h"

using namespace hidupdate;

namespace {

enum PollResult { POLL_SEEN, POLL_SIXTH_FAILURE, POLL_NOT_SEEN, POLL_CANCELLED };

struct StatePoll {
    bool wantWithPc;            // byte 3 nonzero (the card is with the PC) or 0
    int tries;
    bool sixthFailureCounts;    // a failed request at the sixth try ends the poll
    DWORD failurePauseMs = 500;
};

PollResult PollCardState(HidUpdateJob& job, const StatePoll& p) {
    for (int i = 0; i < p.tries; ++i) {
        BYTE reply[HID_IN_REPORT_SIZE];
        if (Command(job.device1, HID_CMD_STORAGE_STATE, {}, reply)) {
            if ((reply[HID_REPLY_DATA] != 0) == p.wantWithPc) return POLL_SEEN;
            if (!Pause(job, 1000)) return POLL_CANCELLED;
        } else {
            if (p.sixthFailureCounts && i == 5) return POLL_SIXTH_FAILURE;
            if (!Pause(job, p.failurePauseMs)) return POLL_CANCELLED;
        }
    }
    return POLL_NOT_SEEN;
}

HidTextGetter CannotGetStatus() { return static_cast<HidTextGetter>(&GetTextMsgCannotGetStatus); }
HidTextGetter CameraFailed() { return static_cast<HidTextGetter>(&GetTextMsgCameraFirmwareUpdateFailed); }
HidTextGetter TryAgain() { return static_cast<HidTextGetter>(&GetTextMsgTryAgain); }

// The card formats carry a third text: "Try again".
UINT CardFailure(HidUpdateJob& job, const wchar_t* format, HidTextGetter reason = CannotGetStatus()) {
    ReportFailure(job, format, reason, TryAgain());
    Finish(job);
    return 0;
}

class CameraCopy {
public:
    CameraCopy(HidUpdateJob& job, const CameraCardFiles& files, const UpdatePackagePartRecord& part,
               const BYTE* data)
        : m_job(job), m_files(files), m_part(part), m_data(data) {}

    // True when the HID transfer may follow.
    bool Run() {
        if (!HandOver()) return false;
        wchar_t letter = 0;
        bool current = false;
        if (!Search(&letter, &current)) return false;
        if (!Pause(m_job, 1000)) return false;
        if (current) return GiveBackUnchanged();
        if (!Copy(letter)) return false;
        if (!LetTheCameraUpdate()) return false;
        return CheckResult();
    }

private:
    bool Fail(const wchar_t* format, HidTextGetter reason = CannotGetStatus()) {
        CardFailure(m_job, format, reason);
        return false;
    }
    // Failures after the copy take the firmware file off the card first.
    bool FailRemovingCopy(const wchar_t* format) {
        if (m_letter) DeleteCardFile(CardPath(m_letter, m_files.firmwareFile));
        return Fail(format);
    }
    bool Current(int major, int minor) const {
        return (DWORD)major == m_part.versionMajor && (DWORD)minor == m_part.versionMinor;
    }

    bool HandOver() {
        if (!Command(m_job.device1, HID_CMD_STORAGE_ON)) return Fail(L"%s. %s [1][0]. %s.");
        PollResult r = PollCardState(m_job, {true, 30, true});
        if (r == POLL_CANCELLED) return false;
        if (r == POLL_NOT_SEEN) return Fail(L"%s. %s [4][1]. %s.");
        return Pause(m_job, 10000);
    }

    bool Search(wchar_t* letter, bool* current) {
        for (int round = 0; round < CAMERA_CARD_SEARCH_ROUNDS; ++round) {
            if (round > 0 && !Pause(m_job, 1000)) return false;
            *letter = FindCardDrive(m_files);
            if (!*letter) continue;
            DeleteCardFile(CardPath(*letter, m_files.tempFile));
            int major = 0, minor = 0;
            // An unreadable version file: found, not current.
            *current = ReadCardVersion(*letter, m_files, &major, &minor) && Current(major, minor);
            return true;
        }
        ReportFailure(m_job, L"%s. %s", static_cast<HidTextGetter>(&GetTextMsgCheckSdCard));
        Finish(m_job);
        return false;
    }

    bool GiveBackUnchanged() {
        PollResult r = PollCardState(m_job, {true, 30, true});
        if (r == POLL_CANCELLED) return false;
        if (r == POLL_NOT_SEEN) return Fail(L"%s. %s [4][2]. %s.");
        if (!Command(m_job.device1, HID_CMD_STORAGE_OFF)) return Fail(L"%s. %s [3][2]. %s.");
        return Pause(m_job, 10000);
    }

    bool Copy(wchar_t letter) {
        switch (CopyToCard(letter, m_files, m_data, m_part.dataSize, m_part.digest)) {
        case CARD_COPIED: m_letter = letter; return true;
        case CARD_NOT_CREATED: return true;  // the check afterwards finds the old version
        case CARD_SHORT_WRITE: return Fail(L"%s. %s [2][0]. %s.");
        case CARD_RENAME_FAILED: return Fail(L"%s. %s [2][1]. %s.", CameraFailed());
        case CARD_NOT_READABLE: return Fail(L"%s. %s [2][9]. %s.");
        case CARD_DIGEST_DIFFERS: return Fail(L"%s. %s [2][10]. %s.");
        case CARD_SIZE_DIFFERS: return Fail(L"%s. %s [2][4]. %s.");
        }
        return false;
    }

    bool LetTheCameraUpdate() {
        if (!Pause(m_job, 2000)) return false;
        PollResult r = PollCardState(m_job, {true, 30, true});
        if (r == POLL_CANCELLED) return false;
        if (r == POLL_NOT_SEEN) return FailRemovingCopy(L"%s. %s [4][2]. %s.");
        if (!Command(m_job.device1, HID_CMD_STORAGE_OFF))
            return FailRemovingCopy(r == POLL_SIXTH_FAILURE ? L"%s. %s [3][2]. %s." : L"%s. %s [0][0]. %s.");

        if (!Pause(m_job, 2000)) return false;
        r = PollCardState(m_job, {false, 30, true});
        if (r == POLL_CANCELLED) return false;
        if (r == POLL_NOT_SEEN) return FailRemovingCopy(L"%s. %s [4][3]. %s.");
        if (!Command(m_job.device1, HID_CMD_STORAGE_ON))
            return FailRemovingCopy(r == POLL_SIXTH_FAILURE ? L"%s. %s [1][1]. %s." : L"%s. %s [3][3]. %s.");
        if (!Pause(m_job, 15000)) return false;

        if (m_files.model != 0x5580) return true;
        // This camera takes a second round of hand-overs.
        if (!Pause(m_job, 30000)) return false;
        r = PollCardState(m_job, {false, 100, false, 1000});
        if (r == POLL_CANCELLED) return false;
        if (r == POLL_NOT_SEEN) return FailRemovingCopy(L"%s. %s [5][1]. %s.");
        if (!Command(m_job.device1, HID_CMD_STORAGE_OFF)) return FailRemovingCopy(L"%s. %s [5][0]. %s.");
        if (!Pause(m_job, 10000)) return false;
        r = PollCardState(m_job, {false, 30, false, 1000});
        if (r == POLL_CANCELLED) return false;
        if (r == POLL_NOT_SEEN) return FailRemovingCopy(L"%s. %s [5][3]. %s.");
        if (!Pause(m_job, 5000)) return false;
        if (!Command(m_job.device1, HID_CMD_STORAGE_ON)) return FailRemovingCopy(L"%s. %s [5][2]. %s.");
        return Pause(m_job, 10000);
    }

    bool CheckResult() {
        bool found = false;
        for (int round = 0; round < CAMERA_CARD_CHECK_ROUNDS && !found; ++round) {
            if (round > 0 && !Pause(m_job, 1000)) return false;
            wchar_t letter = FindCardDrive(m_files);
            if (!letter) continue;
            if (!Pause(m_job, 2000)) return false;
            int major = 0, minor = 0;
            if (!ReadCardVersion(letter, m_files, &major, &minor)) continue;
            if (!Current(major, minor)) return Fail(L"%s. %s [2][2]. %s.", CameraFailed());
            found = true;
        }
        if (!found) return Fail(L"%s. %s [2][3]. %s.", CameraFailed());

        if (!Pause(m_job, 3000)) return false;
        PollResult r = PollCardState(m_job, {true, 30, true});
        if (r == POLL_CANCELLED) return false;
        if (r == POLL_NOT_SEEN) return Fail(L"%s. %s [4][4]. %s.");
        if (!Command(m_job.device1, HID_CMD_STORAGE_OFF))
            return Fail(r == POLL_SIXTH_FAILURE ? L"%s. %s [3][2]. %s." : L"%s. %s [3][4]. %s.");
        if (!Pause(m_job, 1000)) return false;
        r = PollCardState(m_job, {false, 30, true});
        if (r == POLL_CANCELLED) return false;
        if (r == POLL_NOT_SEEN) return Fail(L"%s. %s [4][5]. %s.");
        return true;
    }

    HidUpdateJob& m_job;
    const CameraCardFiles& m_files;
    UpdatePackagePartRecord m_part;
    const BYTE* m_data;
    wchar_t m_letter = 0;  // the card that holds our copy
};

bool WithoutCompletionPoll(int model) {
    return model == 0x5720 || model == 0x3050 || model == 0x6400 || model == 0x5570 || model == 0x3060;
}

}  // namespace

UINT HidUpdateWithCameraCopyThread(HidUpdateJob& job) {
    const CameraCardFiles* camera = FindCameraCardFiles(job.targetModel);
    CUpdatePackage package;
    if (ReadPackage(job, &package, PACKAGE_PART_RECORDS, camera ? 3 : 0, true) != PACKAGE_ACCEPTED) {
        ReportCorrupted(job);
        return 0;
    }
    if (!ArchiveStep(job)) return 0;
    BeginTransfer(job);
    if (camera) {
        UpdatePackagePartRecord part;
        package.GetRecord(2, &part);
        if (!CameraCopy(job, *camera, part, package.PartData(part)).Run()) return 0;
    }
    TransferStyle style;
    if (camera) style.partLimit = 2;
    if (WithoutCompletionPoll(job.targetModel)) style.end = END_RESTART_WAIT;
    TransferParts(job, package, style);
    return 0;
}
