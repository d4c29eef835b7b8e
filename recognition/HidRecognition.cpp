#include "recognition/HidRecognition.h"
#include "app/UpdaterDlg.h"
#include "core/HidDevice.h"
#include "core/ModelCatalog.h"
#include "core/ModelGroups.h"
#include "recognition/BatchCorrections.h"
#include "recognition/HidInterfaces.h"
#include "recognition/HidQueries.h"
#include "recognition/HidSettingsBlocks.h"
#include "hardware/HardwareApi.h"
#include "framework/UiWait.h"
#include <cstring>
#include <string>

namespace {

const int kModuleSecondModel = 0x5346;
const int kBatchTypeModel = 0x4210;
const WORD kBatchDeviceType = 0x000B;

// Opens the update-mode chip: `tries` attempts, 1000 ms apart; empty when
// it does not appear.
hw::CDeviceHandle OpenUpdateModeChip(int tries) {
    for (int i = 0; i < tries; ++i) {
        if (i > 0) fw::UiSleep(HID_UPDATE_MODE_RETRY_MS);
        hw::CDeviceHandle h = OpenHidDevice((WORD)HID_UPDATE_MODE_PRODUCT_ID);
        if (h.IsValid()) return h;
    }
    return hw::CDeviceHandle();
}

CString BracketedAddress(const BYTE* b) {
    CString text;
    text.Format(L"%02X%02X%02X[%02X%02X%02X]", b[0], b[1], b[2], b[3], b[4], b[5]);
    return text;
}

// The address of an interface in the bracketed form, empty when it does not answer.
CString ReadAddressText(const hw::CDeviceHandle* device, BYTE* replyOut = nullptr) {
    BYTE reply[HID_IN_REPORT_SIZE];
    if (!HidRequest(device, HID_CMD_GET_BD_ADDRESS, 0, reply)) return CString();
    if (replyOut) memcpy(replyOut, reply, HID_IN_REPORT_SIZE);
    return BracketedAddress(&reply[3]);
}

CString ReadDeviceName(const hw::CDeviceHandle* device, int target) {
    std::vector<WORD> words;
    if (!HidReadBlockWords(device, HID_BLOCK_DEVICE_NAME, &words) || words.empty()) {
        CString name;
        if (model_groups::IsHidHeadsetModel(target)) GetModelName(name, target, FALSE);
        return name;
    }
    // Word 0 is not part of the name; one byte per word, UTF-8.
    std::string bytes;
    for (size_t i = 1; i < words.size(); ++i) {
        char c = (char)(words[i] & 0xFF);
        if (!c) break;
        bytes.push_back(c);
    }
    return Utf8ToWide(bytes.c_str(), (int)bytes.size());
}

// Reads the versions of the headset's chips; FALSE when a chip whose
// version makes the device's did not answer with one.
bool ReadVersions(CUpdaterDlg& main, int target) {
    CDeviceRecord& rec = main.m_deviceRecord;
    const hw::CDeviceHandle* first = &main.m_hHidDevice;
    const hw::CDeviceHandle* second = &main.m_hHidDevice2;
    BYTE reply[HID_IN_REPORT_SIZE];
    bool answered = true;
    if (target == HID_MODULE_MODEL || target == kModuleSecondModel) {
        HidRequest(first, HID_CMD_MODULE_30, 0, reply);
        answered = ReadModuleChipVersion(first, &rec.m_versionChip1) != FALSE;
        rec.m_version = rec.m_versionChip1;
        HidRequest(second, HID_CMD_MODULE_30, 0, reply);
        answered = ReadModuleChipVersion(second, &rec.m_versionChip2) && answered;
    } else if (model_groups::IsHidUpdateModeChipModel(target)) {
        answered = ReadHidChipVersion(first, &rec.m_versionChip1) != FALSE;
        rec.m_version = rec.m_versionChip1;
        // The update-mode chip is not asked for when the headset is silent.
        if (!answered) return false;
        HCURSOR previous = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        HidRequest(first, HID_CMD_ENTER_UPDATE, 0, reply);
        fw::UiSleep(HID_UPDATE_MODE_WAIT_MS);
        hw::CDeviceHandle chip = OpenUpdateModeChip(HID_UPDATE_MODE_TRIES);
        ReadHidChipVersion(&chip, &rec.m_versionChip2);
        ::SetCursor(previous);
    } else {
        answered = ReadHidChipVersion(first, &rec.m_versionChip1) != FALSE;
        rec.m_version = rec.m_versionChip1;
        if (model_groups::IsHidTwoChipModel(target))
            answered = ReadHidChipVersion(second, &rec.m_versionChip2) && answered;
    }
    // A two-chip device is as old as its older chip.
    if (model_groups::IsHidTwoChipModel(target) || target == HID_MODULE_MODEL || target == kModuleSecondModel) {
        const CDeviceVersion& v2 = rec.m_versionChip2;
        if (rec.CompareFullVersion(v2.m_nMajor, v2.m_nMinor, v2.m_nSecondaryVersionType, v2.m_nSecondaryVersion) > 0)
            rec.m_version = v2;
    }
    return answered;
}

// Returns the device-type byte of 0x4210 (0 for other models).
int ReadAddresses(CUpdaterDlg& main, int target) {
    CDeviceRecord& rec = main.m_deviceRecord;
    const hw::CDeviceHandle* first = &main.m_hHidDevice;
    const hw::CDeviceHandle* second = &main.m_hHidDevice2;
    BYTE reply[HID_IN_REPORT_SIZE];
    CString address = ReadAddressText(first, reply);
    if (!address.IsEmpty()) {
        rec.m_strExtra.Format(L"%02X%02X%02X%02X%02X%02X", reply[3], reply[4], reply[5], reply[6], reply[7],
                              reply[8]);
        if (target == kBatchTypeModel) {
            CString lap;
            lap.Format(L"%02X%02X%02X", reply[6], reply[7], reply[8]);
            if (IsAddressInBatchRange4210(target, lap)) {
                std::vector<WORD> type;
                if (HidReadBlockWords(first, HID_BLOCK_DEVICE_TYPE, &type) && !type.empty() &&
                    (type[0] & 0xFF) != kBatchDeviceType) {
                    HidWriteBlockWords(first, HID_BLOCK_DEVICE_TYPE, &kBatchDeviceType, 1);
                    HidWriteBlockWords(second, HID_BLOCK_DEVICE_TYPE, &kBatchDeviceType, 1);
                }
            }
        }
    }
    // The type behind the device picture, read once here: the window never
    // asks the headset for it again.
    int deviceType = target == kBatchTypeModel ? ReadHidDeviceType(first) : 0;
    rec.m_strBdAddress = address;

    if (model_groups::IsHidTwoChipModel(target) || target == HID_MODULE_MODEL) {
        rec.m_strBdAddress += L" _ ";
        rec.m_strBdAddress += ReadAddressText(second);
        std::vector<WORD> hw;
        if (HidReadBlockWords(first, HID_BLOCK_HARDWARE_VERSION, &hw, 2) && hw.size() == 2) {
            rec.m_nHardwareVersionMajor = hw[0] & 0xFF;
            rec.m_nHardwareVersionMinor = hw[1] & 0xFF;
            rec.m_strHardwareVersion.Format(L"   |   H/W v%1d.%1d", rec.m_nHardwareVersionMajor,
                                            rec.m_nHardwareVersionMinor);
        } else {
            rec.m_nHardwareVersionMajor = 1;
            rec.m_nHardwareVersionMinor = 0;
        }
    } else if (model_groups::IsHidUpdateModeChipModel(target)) {
        hw::CDeviceHandle chip = OpenUpdateModeChip(HID_UPDATE_MODE_TRIES);
        rec.m_strBdAddress += L" _ ";
        rec.m_strBdAddress += ReadAddressText(&chip);
    }
    return deviceType;
}

template <int N>
bool In(int id, const int (&list)[N]) {
    for (int v : list)
        if (v == id) return true;
    return false;
}

void SendLoadCommands(const hw::CDeviceHandle* first, int target) {
    static const int kSettingsAndVox[] = {0x6010, 0x6012, 0x6014, 0x6016, 0x6026, 0x6018, 0x5560,
                                          0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416};
    static const int kSmartVolume[] = {0x5560, 0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416};
    static const int kSettingsAndVoxB[] = {0x6020, 0x6022, 0x6024};
    BYTE reply[HID_IN_REPORT_SIZE];
    if (In(target, kSettingsAndVox)) {
        HidRequest(first, HID_CMD_LOAD_BLOCK, HID_BLOCK_SETTINGS, reply);
        HidRequest(first, HID_CMD_LOAD_BLOCK, HID_BLOCK_VOX_SENSITIVITY, reply);
    }
    if (In(target, kSmartVolume)) HidRequest(first, HID_CMD_LOAD_BLOCK, HID_BLOCK_SMART_VOLUME, reply);
    if (In(target, kSettingsAndVoxB)) {
        HidRequest(first, HID_CMD_LOAD_BLOCK, HID_BLOCK_SETTINGS, reply);
        HidRequest(first, HID_CMD_LOAD_BLOCK, HID_BLOCK_VOX_SENSITIVITY_B, reply);
    }
}

}  // namespace

int HidModelOfProductId(int productId) {
    if (IsHidModuleProductId(productId)) return HID_MODULE_MODEL;
    return model_groups::IsHidHeadsetModel(productId) ? productId : 0;
}

RecognitionOutcome RunHidRecognition(CUpdaterDlg& main, CDueRestores* due, int productId) {
    // The headset on the bus decides the model; WELCOME's default target
    // would serve every HID headset as the default model.
    if (int model = HidModelOfProductId(productId)) main.m_nTargetModel = model;
    int target = main.m_nTargetModel;
    // A headset that stops answering costs seconds, not a minute per
    // request: its first request given up ends the queries of its interface.
    CHidReplyBudget budget(HID_RECOGNITION_REPLY_MS);
    // A headset that cannot be read is not recognised, and nothing read from
    // it is kept: the record goes back to what it held.
    const CDeviceRecord before = main.m_deviceRecord;
    auto notRecognised = [&] {
        main.CloseDeviceHandles();
        main.m_deviceRecord = before;
        return RECOGNITION_NO_DEVICE;
    };
    // Recognition opens the interfaces and leaves them open for the pages
    // that follow; a query on an interface that did not open fails and takes
    // its default.
    OpenHeadsetInterfaces(main, target, productId);
    const hw::CDeviceHandle* first = &main.m_hHidDevice;
    const hw::CDeviceHandle* second = &main.m_hHidDevice2;

    CDeviceRecord& rec = main.m_deviceRecord;
    rec.m_nManagerVersionMajor = 1;
    rec.m_nManagerVersionMinor = 1;
    rec.m_nModelId = target;
    if (target == HID_MODULE_MODEL) GetModelName(rec.m_strDeviceName, target, FALSE);
    else rec.m_strDeviceName = ReadDeviceName(model_groups::IsHidTwoChipModel(target) ? second : first, target);
    // A headset that does not tell its version cannot be read: no defaults
    // make it a recognised one, and nothing is written to it. Nor does one
    // that stops answering afterwards: a request given up (or one that
    // could not be sent) would leave defaults standing for its settings,
    // which a later SAVE would write over the real ones. A block that the
    // headset refuses keeps its default.
    if (!ReadVersions(main, target) || budget.LostRequest()) return notRecognised();
    // A saved record goes only to the headset it was taken from: when one
    // waits for a particular headset, the headset's address is asked for
    // before the writes (and once more in its place among the reads).
    CString headset;
    if (due && due->WaitsForAHeadset()) {
        headset = ReadAddressText(first);
        if (budget.LostRequest()) return notRecognised();
    }
    if (const CDeviceRecord* restore = due ? due->Take(headset) : nullptr) {
        if (!WriteHidRestoreBlocks(first, second, target, *restore)) due->Refused();
        if (budget.LostRequest()) return notRecognised();
    }
    const int deviceType = ReadAddresses(main, target);
    if (budget.LostRequest()) return notRecognised();
    SendLoadCommands(first, target);
    ReadHidSettingsBlocks(first, second, target, &rec);
    if (budget.LostRequest()) return notRecognised();
    main.m_nHidDeviceType = deviceType;

    main.m_bRecognized = TRUE;
    if (model_groups::IsHidHeadsetModel(target)) main.m_nUsbStatus = target;
    GetSettingPages(rec.m_nModelId, rec.m_version.m_nMajor, rec.m_version.m_nMinor, &main.m_nSettingPageCount,
                    main.m_anSettingPageKind, &main.m_nSettingPageIndex);
    return RECOGNITION_OK;
}
