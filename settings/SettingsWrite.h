// How a save of a settings page ended, and the two roads its writes take to
// the headset: HID block writes over the interfaces recognition opened, and
// persistent-store keys through the chip vendor's library. Both first make
// sure that the connected headset is the one recognition read (model and
// firmware version), and both tell a wrong device apart from a write that
// failed on the right one.
#pragma once
#include <functional>
#include <vector>
#include "framework/WinTypes.h"
#include "core/HidProtocol.h"

class CUpdaterDlg;
class CPsKeySession;

enum SettingsWriteResult {
    SETTINGS_WRITTEN = 0,
    // No headset of the maker, or not the recognised model or version.
    SETTINGS_WRONG_DEVICE,
    // The right headset, but a write failed, its interfaces could not be
    // opened, or no device was reached at all.
    SETTINGS_WRITE_FAILED,
};

// One HID block write of a save: block id and words (in host order; they
// travel big-endian), optionally followed by the store request.
struct CHidBlockWrite {
    bool secondInterface = false;
    BYTE block = 0;
    std::vector<WORD> words;
    bool store = false;
};

// The HID road: the headset on the bus must be the target model, its
// interfaces open, and each chip's version reply equal to the recognised
// version block (a failed reply counts as 1.0.0.0). Then the blocks are
// written in order; the first write or store request that fails ends the
// road (the blocks before it stay written).
SettingsWriteResult WriteHidSettingsBlocks(CUpdaterDlg& main, const std::vector<CHidBlockWrite>& blocks);

// The persistent-store road: the USB scan must show the recognised product
// id (twice for the two-interface unit 0x5310); then every accepted device
// of the library's list, up to one (two), is connected, its identity and
// version read by recognition's routine and compared with the device
// record, and writeKeys runs on it. writeKeys returns false when a key
// write was refused. A walk that reaches no device is a failure.
SettingsWriteResult WritePsSettings(CUpdaterDlg& main, const std::function<bool(CPsKeySession&)>& writeKeys);

// Whether the target model's settings travel over HID (groups 1 to 7).
bool IsHidSettingsModel(int model);
