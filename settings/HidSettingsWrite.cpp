// The HID road of a settings save.
#include "settings/SettingsWrite.h"
#include "app/UpdaterDlg.h"
#include "core/ModelGroups.h"
#include "core/VersionCompare.h"
#include "recognition/HidInterfaces.h"
#include "recognition/HidQueries.h"

namespace {

bool SameVersion(const CDeviceVersion& a, const CDeviceVersion& b) {
    return CompareVersionQuad(a.m_nMajor, a.m_nMinor, a.m_nSecondaryVersionType, a.m_nSecondaryVersion, b.m_nMajor,
                              b.m_nMinor, b.m_nSecondaryVersionType, b.m_nSecondaryVersion, FALSE) == 0;
}

// The chip's version reply against the block recognition read for it. A
// request that gets no answer counts as version 1.0.0.0; *answered says
// whether it got one.
bool ChipAnswersWith(const hw::CDeviceHandle* device, const CDeviceVersion& recognised, bool* answered) {
    BYTE reply[HID_IN_REPORT_SIZE];
    CDeviceVersion version;
    if (HidRequest(device, HID_CMD_GET_VERSION, 0, reply)) {
        version.Set(reply[3], reply[4], reply[5], reply[6], 0);
    } else {
        version.Set(1, 0, 0, 0, 0);
        *answered = false;
    }
    return SameVersion(version, recognised);
}

// Two-chip headsets answer for both chips; the one-chip models whose chip
// is reached by its own update-mode device keep their version as chip 1;
// the others as the device's version.
bool VersionsMatch(CUpdaterDlg& main, bool* answered) {
    const CDeviceRecord& record = main.m_deviceRecord;
    int model = main.m_nTargetModel;
    *answered = true;
    switch (model_groups::HidSettingsGroup(model)) {
    case 1: {
        bool first = ChipAnswersWith(&main.m_hHidDevice, record.m_versionChip1, answered);
        bool second = ChipAnswersWith(&main.m_hHidDevice2, record.m_versionChip2, answered);
        return first && second;
    }
    case 2:
    case 3:
        return ChipAnswersWith(&main.m_hHidDevice, record.m_versionChip1, answered);
    default:
        return ChipAnswersWith(&main.m_hHidDevice, record.m_version, answered);
    }
}

}  // namespace

bool IsHidSettingsModel(int model) { return model_groups::HidSettingsGroup(model) != 0; }

SettingsWriteResult WriteHidSettingsBlocks(CUpdaterDlg& main, const std::vector<CHidBlockWrite>& blocks) {
    int productId = 0;
    if (!main.m_recognitionPage.FindHidDevice(FALSE, &productId, nullptr) || productId != main.m_nTargetModel)
        return SETTINGS_WRONG_DEVICE;
    // The handles recognition opened, or opened again when a page switch
    // closed them: never a request on a closed handle.
    if (!EnsureHidHandles(main)) return SETTINGS_WRITE_FAILED;
    bool answered = true;
    bool same = VersionsMatch(main, &answered);
    if (!answered) {
        // Interfaces left over from before the headset was plugged in again
        // answer nothing: open them again once and ask again.
        main.CloseDeviceHandles();
        if (!EnsureHidHandles(main)) return SETTINGS_WRITE_FAILED;
        same = VersionsMatch(main, &answered);
    }
    if (!same) return SETTINGS_WRONG_DEVICE;
    for (const CHidBlockWrite& w : blocks) {
        const hw::CDeviceHandle* device = w.secondInterface ? &main.m_hHidDevice2 : &main.m_hHidDevice;
        if (!HidWriteBlockWords(device, w.block, w.words.data(), (int)w.words.size(), w.store))
            return SETTINGS_WRITE_FAILED;
    }
    return SETTINGS_WRITTEN;
}
