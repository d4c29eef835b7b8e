#include "update/DfuPreparation.h"
#include "core/DeviceRecord.h"
#include "core/FileLength.h"
#include "core/Md5.h"
#include "core/ModelUsb.h"
#include "core/UsbScan.h"
#include "texts/MessageTexts.h"
#include "update/DfuDevices.h"
#include "recognition/DfuIdentity.h"
#include "recognition/PsKeyAccess.h"
#include "standins/dfuengine/include/DFUEngine.h"
#include "update/FirmwareInfo.h"
#include "update/ImageIdentity.h"
#include "update/UpdateModels.h"
#include "update/UpdateStatusTexts.h"
#include <windows.h>
#include <cstdio>
#include <cstring>
#include <vector>

const wchar_t* const kCameraBluetoothPart = L"__kelto_dfu_bluetooth__.img";
const wchar_t* const kCameraFirmwarePart = L"__kelto_firmware__.bin";

namespace {

DWORD Le32(const std::vector<BYTE>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | (DWORD)b[at + 3] << 24;
}

BOOL WriteWhole(const CString& path, const BYTE* data, size_t size) {
    FILE* f = _wfopen(path, L"wb");
    if (!f) return FALSE;
    bool ok = std::fwrite(data, 1, size, f) == size;
    ok = std::fclose(f) == 0 && ok;
    return ok ? TRUE : FALSE;
}

// The USB device present is the recognised one.
BOOL UsbMatches(const DfuPreparation& p) {
    int ids[2] = {0, 0};
    int n = ScanUsbDevices(ids, 2);
    const ModelUsbIds* usb = GetModelUsbIds(p.targetModel);
    if (usb && usb->devices > 1) {
        auto ok = [usb](int id) { return id == usb->normalId || id == usb->updateId; };
        return n >= 2 && ok(ids[0]) && ok(ids[1]);
    }
    return n >= 1 && ids[0] == p.usbStatus;
}

enum PsCheck { kPsSame, kPsOtherModel, kPsOtherVersion };

// Without prepare: every accepted headset still says the recognised model
// and version, read by recognition's own identity routine (without its
// writes). With prepare (the checks have passed and the image is accepted):
// the keys of the new firmware are prepared.
PsCheck PassHeadsetStoresOverUsb(const DfuPreparation& p, BOOL prepare) {
    PsCheck result = kPsSame;
    CPsKeySession session;
    for (const CPsDevice& device : session.ListDevices()) {
        if (result != kPsSame) break;
        if (!IsAcceptedDfuDevice(device.name) || !session.Connect(device)) continue;
        CDfuIdentity id;
        if (!prepare) ReadDfuIdentity(session, &id, false);
        if (!prepare && id.model != p.device->m_nModelId) {
            result = kPsOtherModel;
        } else if (!prepare && p.device->CompareFullVersion(id.major, id.minor, id.third, id.fourth) != 0) {
            result = kPsOtherVersion;
        } else if (prepare && GetUpdateProfile(p.targetModel).prepareKeys) {
            const BYTE zero[4] = {0, 0, 0, 0};
            if (p.device->CompareVersion(3, 2) == 0) session.Write(PSKEY_FW_VERSION, zero, PSKEY_VERSION_BYTES);
            session.Write(PSKEY_VOX_INTERCOM, zero, PSKEY_WORD_BYTES);
            session.Write(PSKEY_VOX_PHONE, zero, PSKEY_WORD_BYTES);
        }
    }
    return result;
}

}  // namespace

BOOL SplitCameraPackage(const CString& package, const CString& folder, CString* bluetoothImage) {
    const CString bluetooth = folder + kCameraBluetoothPart;
    const CString camera = folder + kCameraFirmwarePart;
    // Older parts must never pass for this package's.
    ::DeleteFileW(bluetooth);
    ::DeleteFileW(camera);

    long size = GetFileLength(package);
    if (size < 36) return FALSE;
    std::vector<BYTE> data((size_t)size);
    FILE* f = _wfopen(package, L"rb");
    if (!f) return FALSE;
    size_t got = std::fread(data.data(), 1, data.size(), f);
    std::fclose(f);
    if (got != data.size()) return FALSE;

    const DWORD count = Le32(data, 32);
    if (count < 2 || count > (DWORD)(size - 36) / 32) return FALSE;
    for (DWORD i = 0; i < count; ++i) {
        const size_t entry = 36 + 32 * (size_t)i;
        const DWORD offset = Le32(data, entry + 8), length = Le32(data, entry + 12);
        if (offset > (DWORD)size || length > (DWORD)size - offset) return FALSE;
        MD5_CTX md5;
        unsigned char digest[MD5_DIGEST_SIZE];
        MD5Init(&md5);
        MD5Update(&md5, data.data() + offset, length);
        if (!MD5Final(digest, &md5) || std::memcmp(digest, &data[entry + 16], MD5_DIGEST_SIZE) != 0) return FALSE;
    }
    if (Le32(data, 28) != 0x3020) return FALSE;

    const DWORD off0 = Le32(data, 36 + 8), len0 = Le32(data, 36 + 12);
    const DWORD off1 = Le32(data, 68 + 8), len1 = Le32(data, 68 + 12);
    if (!WriteWhole(bluetooth, data.data() + off0, len0) || !WriteWhole(camera, data.data() + off1, len1)) {
        ::DeleteFileW(bluetooth);
        ::DeleteFileW(camera);
        return FALSE;
    }
    if (bluetoothImage) *bluetoothImage = bluetooth;
    return TRUE;
}

BOOL PrepareDfuUpdate(const DfuPreparation& p, BOOL* batchIdentity) {
    CFirmwareInfo* info = p.info;
    const bool camera = GetUpdateProfile(p.targetModel).cameraPackage;
    auto code = [&](const wchar_t* c) { return p.withCodes ? CString(c) : CString(); };
    auto notRecognised = [&](const wchar_t* c) {
        FailUpdate(info, p.page, TextOf(GetTextMsgNotRecognizedDevice), code(c), 2);
        return FALSE;
    };

    // 1. The device on the bus.
    if (!UsbMatches(p))
        return notRecognised(GetUpdateProfile(p.targetModel).dfuDevices > 1 ? L"[9][1]" : L"[9][2]");

    // 2. Its persistent store, while it runs its normal firmware: only checked
    // here; the keys are prepared once the image has been accepted.
    const BOOL normalMode = p.usbStatus > 0 && p.usbStatus < 0x8000;
    if (normalMode) {
        PsCheck check = PassHeadsetStoresOverUsb(p, FALSE);
        if (check == kPsOtherModel) return notRecognised(L"[9][3]");
        if (check == kPsOtherVersion) return notRecognised(L"[9][4]");
    }

    // 3. The camera headset's package.
    if (camera) {
        CString image;
        if (!SplitCameraPackage(info->m_strFirmwarePath, p.imageFolder, &image)) {
            FailUpdate(info, p.page, TextOf(GetTextMsgFirmwareCorrupted));
            return FALSE;
        }
        info->m_strFirmwarePath = image;
    }

    // 4, 5. The image.
    if (!DFUEngine::IsDFUFileValid(info->m_strFirmwarePath)) {
        FailUpdate(info, p.page, TextOf(GetTextMsgCannotGetStatus), camera ? CString() : code(L"[9][5]"));
        return FALSE;
    }
    const int match = CheckImageIdentityOverUsb(info->m_strFirmwarePath, p.device->m_nModelId, p.targetModel);
    if (batchIdentity) *batchIdentity = match == IMAGE_FOR_BATCH_IDENTITY;
    if (match == IMAGE_NOT_FOR_HEADSET) {
        const int model = p.targetModel;
        FailUpdate(info, p.page, [model](int language) {
            CString s;
            GetTextMsgFirmwareNotFor(s, model, language);
            return s;
        }, camera ? CString() : code(L"[9][6]"));
        return FALSE;
    }
    info->m_nStep = FW_STEP_VERIFYING;

    // The headset is about to be written: prepare its keys now.
    if (normalMode) PassHeadsetStoresOverUsb(p, TRUE);

    // 7. The settings archive.
    if (p.page == 3) {
        SetActivityTexts(info, p.page, normalMode ? TextOf(GetTextMsgAboutToMakeBackupFirmware)
                                                  : TextOf(GetTextMsgWithoutBackupFirmware));
        if (normalMode && p.withCodes && p.writeArchive) p.writeArchive();
    }

    // 8, 9.
    info->m_nStep = FW_STEP_VERIFIED;
    SetActivityTexts(info, p.page);
    info->m_nError = 0;
    info->m_nWaitTicks = 0;
    info->m_nTicks2 = 0;
    info->m_nTicks = 0;
    return TRUE;
}
