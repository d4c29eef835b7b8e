// The texts of the settings pages that no other part of the program uses:
// the FM page's messages and RDS AF help, and the box of a save whose
// writes did not reach the headset (its status line uses the shared
// GetTextMsgCouldNotWriteToDevice). 13 UI languages; any index outside
// 0..12 gives English.
#pragma once
#include "framework/String.h"

namespace settingstext {

enum Id {
    // "FM Radio preset should be between %0.1f MHz and %0.1f MHz. Enter valid value again."
    kFmPresetRange,
    // "FM Radio preset is not valid. Enter valid value again."
    kFmPresetInvalid,
    // "[RDS (Radio Data System) AF (Alternative Frequencies)]\n..."
    kHelpRdsAf,
    // Box of a save whose writes failed on the right headset.
    kWriteFailedBox,
    kCount
};

void Get(CString& out, Id id, int language);
CString Get(Id id, int language);

}  // namespace settingstext

// The FM page's getters under the names its callers know.
void GetTextMsgFmPresetRange(CString* out, int language);
void GetTextMsgFmPresetInvalid(CString* out, int language);
void GetTextHelpRdsAf(CString* out, int language);
