// The HID road of a settings save.
#include "settings/SettingsWrite.h"
#include "app/UpdaterDlg.h"
#include "core/ModelGroups.h"
#include "core/VersionCompare.h"
#include "recognition/HidInterfaces.h"
#include "recognition/HidQueries.h"
#include "recognition/HidRecognition.h"

namespace {

bool SameVersion(const CDeviceVersion& a, const CDeviceVersion& b) {
    return CompareVersionQuad(a.m_nMajor, a.m_nMinor, a.m_nSecondaryVersionType, a.m_nSecondaryVersion, b.m_nMajor,
                              b.m_nMinor, b.m_nSecondaryVersionType, b.m_nSecondaryVersion, FALSE) == 0;
}

// The worse of two ends: a request given up outweighs one not sent, which
// outweighs an answer.
HidExchangeEnd Worse(HidExchangeEnd a, HidExchangeEnd b) {
    auto rank = [](HidExchangeEnd e) { return e == HID_UNANSWERED ? 2 : e == HID_NOT_SENT ? 1 : 0; };
    return rank(b) > rank(a) ? b : a;
}

// The chip's version reply against the block recognition read for it. A
// refused request counts as version 1.0.0.0.
bool ChipAnswersWith(const hw::CDeviceHandle* device, const CDeviceVersion& recognised, HidExchangeEnd* worst) {
    BYTE reply[HID_IN_REPORT_SIZE];
    CDeviceVersion version;
    HidExchangeEnd end = HidAsk(device, HID_CMD_GET_VERSION, 0, reply);
    if (end == HID_ANSWERED) version.Set(reply[3], reply[4], reply[5], reply[6], 0);
    else version.Set(1, 0, 0, 0, 0);
    *worst = Worse(*worst, end);
    return SameVersion(version, recognised);
}

// Two-chip headsets answer for both chips; the one-chip models whose chip
// is reached by its own update-mode device keep their version as chip 1;
// the others as the device's version. *worst: how the worst request ended.
bool VersionsMatch(CUpdaterDlg& main, HidExchangeEnd* worst) {
    const CDeviceRecord& record = main.m_deviceRecord;
    int model = main.m_nTargetModel;
    *worst = HID_ANSWERED;
    switch (model_groups::HidSettingsGroup(model)) {
    case 1: {
        bool first = ChipAnswersWith(&main.m_hHidDevice, record.m_versionChip1, worst);
        bool second = ChipAnswersWith(&main.m_hHidDevice2, record.m_versionChip2, worst);
        return first && second;
    }
    case 2:
    case 3:
        return ChipAnswersWith(&main.m_hHidDevice, record.m_versionChip1, worst);
    default:
        return ChipAnswersWith(&main.m_hHidDevice, record.m_version, worst);
    }
}

}  // namespace

bool IsHidSettingsModel(int model) { return model_groups::HidSettingsGroup(model) != 0; }

SettingsWriteResult WriteHidSettingsBlocks(CUpdaterDlg& main, const std::vector<CHidBlockWrite>& blocks) {
    // Each request is bounded as recognition's are: a headset that stops
    // answering ends the save within seconds, one that keeps answering
    // (pending while it writes its flash) is waited for.
    CHidReplyBudget budget(HID_RECOGNITION_REPLY_MS);
    int productId = 0;
    if (!FindMakerHidInterface(&productId) || productId != main.m_nTargetModel) return SETTINGS_WRONG_DEVICE;
    // The handles recognition opened, or opened again when a page switch
    // closed them: never a request on a closed handle.
    if (!EnsureHidHandles(main)) return SETTINGS_WRITE_FAILED;
    HidExchangeEnd worst = HID_ANSWERED;
    bool same = VersionsMatch(main, &worst);
    if (worst == HID_NOT_SENT) {
        // Interfaces left over from before the headset was plugged in again
        // take nothing: open them again once and ask again.
        main.CloseDeviceHandles();
        if (!EnsureHidHandles(main)) return SETTINGS_WRITE_FAILED;
        same = VersionsMatch(main, &worst);
    }
    // A request given up (the headset may still be working on it), or one
    // that cannot be sent, ends the save: nothing is written after it.
    if (worst != HID_ANSWERED) return SETTINGS_WRITE_FAILED;
    if (!same) return SETTINGS_WRONG_DEVICE;
    for (const CHidBlockWrite& w : blocks) {
        const hw::CDeviceHandle* device = w.secondInterface ? &main.m_hHidDevice2 : &main.m_hHidDevice;
        if (!HidWriteBlockWords(device, w.block, w.words.data(), (int)w.words.size(), w.store))
            return SETTINGS_WRITE_FAILED;
    }
    return SETTINGS_WRITTEN;
}
