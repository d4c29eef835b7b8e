// The main dialog's device helpers: model families, the HID handles, the
// device-mode bits of a HID headset, the device picture, and the texts that
// name the model's keys.
#include "app/UpdaterDlg.h"
#include "app/AppTexts.h"
#include "app/resource.h"
#include "core/HidChannel.h"
#include "core/HidProtocol.h"
#include "hardware/HardwareApi.h"
#include <cstring>

BOOL CUpdaterDlg::IsSameDeviceFamily(int modelId) {
    if (modelId == m_nTargetModel) return TRUE;
    struct Variants {
        int target;
        int variant[2];
    };
    static const Variants kFamilies[] = {
        {0x4D05, {0x4D35, 0x4D55}}, {0x4D15, {0x4D45, 0x4D65}}, {0x5040, {0x5050, 0}},
        {0x4D10, {0x4D30, 0x4D40}}, {0x4D20, {0x4D50, 0}},      {0x5010, {0x5060, 0x5061}},
        {0x5020, {0x5070, 0}},      {0x5030, {0x5080, 0}},
    };
    for (const Variants& f : kFamilies) {
        if (f.target != m_nTargetModel) continue;
        for (int v : f.variant)
            if (v && v == modelId) return TRUE;
    }
    return FALSE;
}

void CUpdaterDlg::CloseDeviceHandles() {
    m_hHidDevice.Close();
    m_hHidDevice2.Close();
}

void CUpdaterDlg::ResetDeviceHandles() { CloseDeviceHandles(); }

int CUpdaterDlg::WriteDeviceModeBits(const hw::CDeviceHandle* device, BYTE code) {
    BYTE request[HID_OUT_REPORT_SIZE];
    BYTE reply[HID_IN_REPORT_SIZE];
    memset(request, 0, sizeof(request));
    memset(reply, 0, sizeof(reply));
    request[0] = HID_REPORT_ID;
    request[HID_REQ_COMMAND] = HID_CMD_READ_BLOCK;
    request[HID_REQ_BLOCK] = HID_BLOCK_SETTINGS;
    if (!HidTransact(device, request, reply)) return 0;
    int words = reply[HID_REPLY_WORD_COUNT];
    if (words != 2 && words != 4) return 0;

    // Byte 12 is the low byte of the block's fourth word: its low five bits
    // are the mode code, the top three bits stay.
    BYTE mode = (BYTE)((reply[12] & 0xE0) | (code & 0x1F));
    if (words == 2) mode |= 0x20;
    memset(request, 0, sizeof(request));
    request[0] = HID_REPORT_ID;
    request[HID_REQ_COMMAND] = HID_CMD_WRITE_BLOCK;
    memcpy(&request[2], &reply[3], 10);  // block id, word count and the words as read
    request[HID_REQ_WORD_COUNT] = 4;
    request[11] = mode;
    return HidTransact(device, request, reply) ? 1 : 0;
}

UINT CUpdaterDlg::GetDevicePictureId(int modelId) {
    if (modelId == 0) return IDB_DEVICE_NONE;
    if (modelId == 0x4210) {
        switch (m_nHidDeviceType) {
        case 0: case 11: return IDB_DEVICE_HEADSET;
        case 16: case 27: return IDB_DEVICE_HEADSET_BOOM;
        default: return IDB_DEVICE_HEADSET_SLIM;
        }
    }
    if (modelId == 0x3010 || modelId == 0x3020) return IDB_DEVICE_CAMERA;
    if (modelId == 0x5345 || modelId == 0x5346) return IDB_DEVICE_MODULE;
    switch (modelId >> 8) {
    case 0x4D: case 0x50: case 0x20: case 0x21: case 0x22: case 0x23: case 0x40:
        return IDB_DEVICE_HEADSET_BOOM;
    case 0x31: case 0x30: case 0x60: case 0x64:
        return IDB_DEVICE_HEADSET_SLIM;
    default:
        return IDB_DEVICE_HEADSET;
    }
}

void CUpdaterDlg::GetDiagnosticLogMenuText(CString* out) {
    if (out) apptext::Get(*out, apptext::kDiagnosticLog, m_nLanguage);
}

namespace {

// The key the user presses and holds to put the model into update mode, and
// the second key of the models that need two.
apptext::Id FirstKey(int model) {
    if (model == 0x3010 || model == 0x3020) return apptext::kKeyPower;
    switch (model >> 8) {
    case 0x55: case 0x56: case 0x57: case 0x59: case 0x62: case 0x64:
        return apptext::kKeyCenter;
    default:
        return apptext::kKeyPhone;
    }
}

}  // namespace

void CUpdaterDlg::GetPressAndHoldText(CString* out) {
    if (!out) return;
    CString key = apptext::Get(FirstKey(m_nTargetModel), m_nLanguage);
    out->Format(apptext::Get(apptext::kPressAndHold, m_nLanguage), (const wchar_t*)key);
}

void CUpdaterDlg::GetPressAndHoldTwoKeysText(CString* out) {
    if (!out) return;
    CString first = apptext::Get(FirstKey(m_nTargetModel), m_nLanguage);
    CString second = apptext::Get(apptext::kKeyPlus, m_nLanguage);
    out->Format(apptext::Get(apptext::kPressAndHoldTwoKeys, m_nLanguage), (const wchar_t*)first,
                (const wchar_t*)second);
}

void CUpdaterDlg::GetBackupFailedText(CString* out) {
    if (!out) return;
    CString name;
    GetModelName(name, m_nTargetModel, FALSE);
    out->Format(apptext::Get(apptext::kBackupFailed, m_nLanguage), (const wchar_t*)name);
}
