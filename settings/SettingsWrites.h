// What each settings page writes to the headset, and on which road: the
// basic settings (HID settings blocks or persistent-store keys), the FM
// block and the three speed-dial numbers. Each returns how the save ended.
#pragma once
#include <vector>
#include "core/DeviceRecord.h"
#include "settings/SettingsWrite.h"

class CUpdaterDlg;

// The basic settings of the working record. HID headsets get their settings
// block (and the blocks that go with it) whole; persistent-store headsets
// get the keys whose values differ from the device record.
SettingsWriteResult WriteBasicSettings(CUpdaterDlg& main, const CDeviceRecord& working);
// The FM block of the working record, always whole.
SettingsWriteResult WriteFmSettings(CUpdaterDlg& main, const CDeviceRecord& working);
// The three speed-dial numbers of the working record, always all three.
SettingsWriteResult WriteSpeedDials(CUpdaterDlg& main, const CDeviceRecord& working);

// The HID blocks of a basic-settings save of a HID model, in order, for the
// device's firmware version (empty for a model outside HID groups 1 to 7).
std::vector<CHidBlockWrite> BasicSettingsBlocks(int model, const CDeviceRecord& device, const CDeviceRecord& working);

// How a model keeps its FM block.
struct CFmBlockLayout {
    enum Road { kNone, kPsKey, kHidFirst, kHidSecond };
    Road road = kNone;  // kNone: the persistent-store checks run, nothing is written
    WORD magic = 0;
    int presets = 0;    // 10: 15 words; 6: 11 words
    bool store = false; // the store request follows the HID write
};
CFmBlockLayout FmBlockLayoutOf(int model);
// The block's words: magic, current frequency, current preset, the presets,
// RDS AF, region.
std::vector<WORD> FmBlockWords(const CDeviceRecord& record, const CFmBlockLayout& layout);
