// The speed-dial save (the SPEED DIAL page).
#include "settings/SettingsWrites.h"
#include "app/UpdaterDlg.h"
#include "core/ModelGroups.h"
#include "core/PsWords.h"
#include "recognition/PsKeyAccess.h"

SettingsWriteResult WriteSpeedDials(CUpdaterDlg& main, const CDeviceRecord& working) {
    int model = main.m_nTargetModel;
    if (IsHidSettingsModel(model)) {
        // One block per number on the first interface, as many words as it
        // has characters. The one-interface headsets take an empty number as
        // one zero word, the two-chip headsets as no word at all.
        std::vector<CHidBlockWrite> blocks;
        for (int k = 0; k < DEVICE_SPEED_DIALS; ++k) {
            WORD words[PS_TEXT_WORDS];
            int count = StringToPsWords(working.m_astrSpeedDial[k], words) / 2;
            if (count == 0 && !model_groups::IsHidTwoChipModel(model)) count = 1;
            CHidBlockWrite block;
            block.block = (BYTE)(HID_BLOCK_SPEED_DIAL_1 + k);
            block.words.assign(words, words + count);
            blocks.push_back(block);
        }
        return WriteHidSettingsBlocks(main, blocks);
    }
    return WritePsSettings(main, [&](CPsKeySession& s) {
        bool ok = true;
        for (int k = 0; k < DEVICE_SPEED_DIALS; ++k) {
            // All 20 words, zero-padded, whether or not the number changed.
            WORD words[PS_TEXT_WORDS];
            StringToPsWords(working.m_astrSpeedDial[k], words);
            ok = s.WriteWords((WORD)(PSKEY_SPEED_DIAL_1 + k), words, PS_TEXT_WORDS) && ok;
        }
        return ok;
    });
}
