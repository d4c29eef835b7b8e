#include "update/HidVoicePromptUpdate.h"
#include "core/HidDevice.h"
#include "core/HidProtocol.h"
#include "core/VersionCompare.h"
#include "hardware/HardwareApi.h"
#include "texts/MessageTexts.h"
#include "update/Crc16.h"
#include "update/FirmwareInfo.h"
#include "update/HidPackageTransfer.h"
#include "update/PackageFileName.h"

using namespace hidupdate;

namespace {

const WORD kUpdateModeProductId = 0x3120;

// The handles this worker opens itself, closed on every exit.
struct OwnHandles {
    hw::CDeviceHandle app;
    hw::CDeviceHandle updater;
    static void Close(hw::CDeviceHandle* h) { h->Close(); }
};

UINT Fail(HidUpdateJob& job, const wchar_t* format) {
    ReportFailure(job, format, static_cast<HidTextGetter>(&GetTextMsgCannotGetStatus));
    Finish(job);
    return 0;
}

// Opens the product within the tries; false when it never shows or the job is cancelled.
bool OpenWithin(HidUpdateJob& job, WORD productId, hw::CDeviceHandle* out) {
    for (int i = 0; i < VOICE_PROMPT_OPEN_TRIES; ++i) {
        *out = OpenHidDevice(productId);
        if (out->IsValid()) return true;
        if (!Pause(job, 1000)) return false;
    }
    return false;
}

const wchar_t* ChunkFailure(PartFailure f, bool crc) {
    if (f == PART_WRITE_FAILED) return crc ? L"%s. %s[9][2]" : L"%s. %s[9][1]";
    return crc ? L"%s. %s[10][2]" : L"%s. %s[10][1]";
}

enum CrcOutcome { CRC_ACCEPTED, CRC_CHUNK_FAILED, CRC_CHUNK_REFUSED, CRC_IMAGE_REFUSED, CRC_CANCELLED };

// One try of the CRC-checked transfer from offset 0.
CrcOutcome CrcTransfer(HidUpdateJob& job, const hw::CDeviceHandle* device, const BYTE* data, DWORD size, PartFailure* failure) {
    WORD running = 0;
    int refusals = 0;
    for (DWORD offset = 0; offset < size;) {
        if (job.Cancelled()) return CRC_CANCELLED;
        DWORD left = size - offset;
        int n = left < (DWORD)HID_UPDATE_MODE_CHUNK ? (int)left : HID_UPDATE_MODE_CHUNK;
        *failure = SendChunk(device, data + offset, n);
        if (*failure != PART_SENT) return CRC_CHUNK_FAILED;
        WORD crc = Crc16Ccitt(data + offset, n);
        if (Command(device, HID_CMD_CHUNK_CRC, {0, 2, (BYTE)crc, (BYTE)(crc >> 8)})) {
            running = Crc16CcittUpdate(running, data + offset, n);
            offset += (DWORD)n;
            refusals = 0;
        } else if (++refusals >= VOICE_PROMPT_CHUNK_RESENDS) {
            return CRC_CHUNK_REFUSED;
        }
    }
    if (Command(device, HID_CMD_IMAGE_CRC, {0, 2, (BYTE)running, (BYTE)(running >> 8)})) return CRC_ACCEPTED;
    return CRC_IMAGE_REFUSED;
}

}  // namespace

UINT HidVoicePromptUpdateThread(HidUpdateJob& job) {
    const bool single = job.targetModel == 0x3500;
    const DWORD phaseOneParts = single ? 1 : 2;
    const DWORD updaterPart = single ? 1 : 2;

    CUpdatePackage package;
    if (ReadPackage(job, &package, PACKAGE_PART_RECORDS, updaterPart + 1, true) != PACKAGE_ACCEPTED) {
        ReportCorrupted(job);
        return 0;
    }
    // Phase-one parts go to the first interface only.
    for (DWORD i = 0; i < phaseOneParts; ++i) {
        UpdatePackagePartRecord part;
        package.GetRecord(i, &part);
        if (part.target != PACKAGE_TARGET_FIRST_RESTART && part.target != PACKAGE_TARGET_FIRST) {
            ReportCorrupted(job);
            return 0;
        }
    }
    if (!ArchiveStep(job)) return 0;
    BeginTransfer(job);

    bool restart = false;
    for (DWORD i = 0; i < phaseOneParts; ++i) {
        UpdatePackagePartRecord part;
        package.GetRecord(i, &part);
        if (part.target == PACKAGE_TARGET_FIRST_RESTART) restart = true;
        switch (SendPart(job.device1, (BYTE)part.partType, package.PartData(part), part.dataSize)) {
        case PART_SENT: break;
        case PART_BEGIN_FAILED: return Fail(job, L"%s. %s[0]");
        case PART_WRITE_FAILED: return Fail(job, L"%s. %s[1]");
        case PART_STATUS_FAILED: return Fail(job, L"%s. %s[2]");
        case PART_END_FAILED: return Fail(job, L"%s. %s[3]");
        }
    }
    if (restart && !Command(job.device1, HID_CMD_RESTART, {0})) return Fail(job, L"%s. %s[4]");

    OwnHandles own;
    if (!Pause(job, 65000)) return 0;
    if (!OpenWithin(job, (WORD)job.targetModel, &own.app)) return job.Cancelled() ? 0 : Fail(job, L"%s. %s[5]");
    if (!Command(&own.app, HID_CMD_ENTER_UPDATE)) return Fail(job, L"%s. %s[6]");
    if (!Pause(job, 6000)) return 0;
    if (!OpenWithin(job, kUpdateModeProductId, &own.updater)) return job.Cancelled() ? 0 : Fail(job, L"%s. %s[7]");

    UpdatePackagePartRecord part;
    package.GetRecord(updaterPart, &part);
    const BYTE* data = package.PartData(part);
    BYTE reply[HID_IN_REPORT_SIZE];
    int version[4] = {1, 0, 0, 0};
    if (Command(&own.updater, HID_CMD_GET_VERSION, {}, reply))
        for (int i = 0; i < 4; ++i) version[i] = reply[HID_REPLY_DATA + i];
    if (!Command(&own.updater, HID_CMD_IMAGE_BEGIN, {0})) return Fail(job, L"%s. %s[8]");

    if (CompareVersionQuad(version[0], version[1], version[2], version[3], 1, 0, 2, 1, 0) < 0) {
        for (DWORD offset = 0; offset < part.dataSize;) {
            DWORD left = part.dataSize - offset;
            int n = left < (DWORD)HID_UPDATE_MODE_CHUNK ? (int)left : HID_UPDATE_MODE_CHUNK;
            PartFailure f = SendChunk(&own.updater, data + offset, n);
            if (f != PART_SENT) return Fail(job, ChunkFailure(f, false));
            offset += (DWORD)n;
        }
    } else {
        CrcOutcome outcome = CRC_IMAGE_REFUSED;
        for (int t = 0; t < VOICE_PROMPT_CRC_TRIES && outcome != CRC_ACCEPTED; ++t) {
            PartFailure f = PART_SENT;
            outcome = CrcTransfer(job, &own.updater, data, part.dataSize, &f);
            if (outcome == CRC_CANCELLED) return 0;
            if (outcome == CRC_CHUNK_FAILED) return Fail(job, ChunkFailure(f, true));
            if (outcome == CRC_CHUNK_REFUSED) return Fail(job, L"%s. %s[10][4]");
        }
        if (outcome != CRC_ACCEPTED) return Fail(job, L"%s. %s[10][3]");
    }

    if (!Command(&own.updater, HID_CMD_IMAGE_END)) return Fail(job, L"%s. %s[11]");
    if (!Pause(job, 1000)) return 0;
    Command(&own.app, HID_CMD_AFTER_UPDATE);
    if (!Pause(job, 1000)) return 0;
    if (!Command(&own.updater, HID_CMD_RESTART, {0})) return Fail(job, L"%s. %s[12]");
    OwnHandles::Close(&own.updater);

    if (!Pause(job, 65000)) return 0;
    if (!Command(&own.app, HID_CMD_ENTER_UPDATE)) return Fail(job, L"%s. %s[13]");
    if (!Pause(job, 8000)) return 0;
    if (!OpenWithin(job, kUpdateModeProductId, &own.updater)) return job.Cancelled() ? 0 : Fail(job, L"%s. %s[14]");

    int sent = RemapVoicePromptCode(VoicePromptCodeFromTwoLetterCode(PackageLanguageCode(job.packagePath)));
    if (!Command(&own.app, HID_CMD_SET_VOICE_PROMPT, {(BYTE)sent})) Command(&own.app, HID_CMD_SET_VOICE_PROMPT, {0});
    if (Command(&own.app, HID_CMD_GET_VERSION, {}, reply) && reply[HID_REPLY_DATA] >= 2 &&
        reply[HID_REPLY_DATA + 1] >= 1 && job.writeDeviceModeBits)
        job.writeDeviceModeBits(&own.app, (BYTE)VoicePromptCodeFromLanguageName(job.firmwareLanguage));

    OwnHandles::Close(&own.updater);
    OwnHandles::Close(&own.app);
    Store(job.info->m_nStep, 9);
    if (job.startPostUpdateTimer) job.startPostUpdateTimer();
    return 0;
}
