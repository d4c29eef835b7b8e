// The FM block save (the FM RADIO page).
#include "settings/SettingsWrites.h"
#include "app/UpdaterDlg.h"
#include "core/ModelGroups.h"
#include "recognition/PsKeyAccess.h"

namespace {

// Single-interface headsets that keep the block in its older form, followed
// by a store request.
bool KeepsOldFmMagic(int model) {
    return model == 0x5412 || model == 0x5414 || model == 0x5416 || model == 0x5418 || model == 0x5420;
}

}  // namespace

CFmBlockLayout FmBlockLayoutOf(int model) {
    CFmBlockLayout layout;
    layout.magic = FM_SETTINGS_MAGIC;
    layout.presets = DEVICE_FM_PRESETS;
    if (!model_groups::IsFmModel(model)) return layout;  // kNone
    switch (model_groups::HidSettingsGroup(model)) {
    case 1:
        layout.road = CFmBlockLayout::kHidSecond;
        return layout;
    case 2: case 3: case 4:
        layout.road = CFmBlockLayout::kHidFirst;
        return layout;
    case 7:
        layout.road = CFmBlockLayout::kHidFirst;
        layout.magic = FM_SETTINGS_MAGIC_OLD;
        layout.presets = 6;
        layout.store = true;
        return layout;
    default:
        break;
    }
    if (KeepsOldFmMagic(model)) {
        layout.road = CFmBlockLayout::kHidFirst;
        layout.magic = FM_SETTINGS_MAGIC_OLD;
        layout.store = true;
        return layout;
    }
    layout.road = CFmBlockLayout::kPsKey;
    return layout;
}

std::vector<WORD> FmBlockWords(const CDeviceRecord& r, const CFmBlockLayout& layout) {
    std::vector<WORD> words;
    words.push_back(layout.magic);  // the record's own magic is never written
    words.push_back((WORD)r.m_nFmCurrentFrequency);
    words.push_back((WORD)r.m_nFmCurrentPreset);
    for (int i = 0; i < layout.presets && i < DEVICE_FM_PRESETS; ++i) words.push_back((WORD)r.m_anFmPreset[i]);
    words.push_back((WORD)r.m_bFmRds);
    words.push_back((WORD)r.m_nFmRegion);
    return words;
}

SettingsWriteResult WriteFmSettings(CUpdaterDlg& main, const CDeviceRecord& working) {
    CFmBlockLayout layout = FmBlockLayoutOf(main.m_nTargetModel);
    std::vector<WORD> words = FmBlockWords(working, layout);
    switch (layout.road) {
    case CFmBlockLayout::kHidFirst:
    case CFmBlockLayout::kHidSecond: {
        CHidBlockWrite block;
        block.secondInterface = layout.road == CFmBlockLayout::kHidSecond;
        block.block = HID_BLOCK_FM;
        block.words = words;
        block.store = layout.store;
        return WriteHidSettingsBlocks(main, {block});
    }
    case CFmBlockLayout::kPsKey:
        return WritePsSettings(main, [&](CPsKeySession& s) {
            return s.WriteWords(PSKEY_FM_SETTINGS, words.data(), (int)words.size()) != FALSE;
        });
    default:
        // A model without an FM block: the headset is checked, nothing written.
        return WritePsSettings(main, [](CPsKeySession&) { return true; });
    }
}
