// Button words and the texts of the wizard pages, in the 13 UI languages.
// Every getter takes the UI language index; any index outside 0..12 gives
// English. None can fail.
#pragma once
#include "texts/TextGetter.h"

// Words of buttons and values.
TEXTS_DECLARE_GETTER(GetTextNext)          // "NEXT"
TEXTS_DECLARE_GETTER(GetTextOk)            // "OK" in every language
TEXTS_DECLARE_GETTER(GetTextSendEmail)     // "SEND Email"
TEXTS_DECLARE_GETTER(GetTextUpdate)        // "UPDATE"
TEXTS_DECLARE_GETTER(GetTextRestore)       // "RESTORE"
TEXTS_DECLARE_GETTER(GetTextYes)           // "YES"
TEXTS_DECLARE_GETTER(GetTextNo)            // "NO"
TEXTS_DECLARE_GETTER(GetTextCancel)        // "CANCEL"
TEXTS_DECLARE_GETTER(GetTextEnable)        // "Enable"
TEXTS_DECLARE_GETTER(GetTextDisable)       // "Disable"
TEXTS_DECLARE_GETTER(GetTextEnabled)       // "Enabled"
TEXTS_DECLARE_GETTER(GetTextDisabled)      // "Disabled"
TEXTS_DECLARE_GETTER(GetTextSeconds)       // "seconds"
TEXTS_DECLARE_GETTER(GetTextVersion)       // "Version"
TEXTS_DECLARE_GETTER(GetDefaultCaption)    // "DEFAULT"
TEXTS_DECLARE_GETTER(GetMoreSettingsCaption)  // "MORE SETTINGS"

// Wizard pages: 1 WELCOME, 2 DEVICE RECOGNITION, 3 FIRMWARE UPDATE,
// 4 FIRMWARE RESTORE, 5 to 7 DEVICE SETTING. Any other page gives an empty
// text. The usbStatus argument some callers pass is not read.

// Title of the page.
void GetTextPageTitle(CString& out, int page, int language);
// Success text. Pages 1 ("%s selected. %s") and 2 ("... %s") are formats
// that the caller fills; the others are plain.
void GetTextPageSuccess(CString& out, int page, int language);
void GetTextPageSuccess(CString& out, int page, int usbStatus, int language);
// Failure text, pages 2 to 7.
void GetTextPageFailure(CString& out, int page, int language);
void GetTextPageFailure(CString& out, int page, int usbStatus, int language);
// What the program is doing on the page, pages 2 to 7 ("On updating firmware.").
void GetTextPageActivity(CString& out, int page, int language);
void GetTextPageActivity(CString& out, int page, int usbStatus, int language);
// Instruction line, already filled: page 1 "Press NEXT to proceed.", the
// others "Ready for <title>"; on pages 3 and 4 a mode of 0x8000 or more adds
// that no backup firmware can be made.
void GetTextPageInstruction(CString& out, int page, int mode, int language);

inline void GetTextPageTitle(CString* out, int page, int language) {
    if (out) GetTextPageTitle(*out, page, language);
}
inline void GetTextPageSuccess(CString* out, int page, int language) {
    if (out) GetTextPageSuccess(*out, page, language);
}
inline void GetTextPageSuccess(CString* out, int page, int usbStatus, int language) {
    if (out) GetTextPageSuccess(*out, page, usbStatus, language);
}
inline void GetTextPageFailure(CString* out, int page, int language) {
    if (out) GetTextPageFailure(*out, page, language);
}
inline void GetTextPageFailure(CString* out, int page, int usbStatus, int language) {
    if (out) GetTextPageFailure(*out, page, usbStatus, language);
}
inline void GetTextPageActivity(CString* out, int page, int language) {
    if (out) GetTextPageActivity(*out, page, language);
}
inline void GetTextPageActivity(CString* out, int page, int usbStatus, int language) {
    if (out) GetTextPageActivity(*out, page, usbStatus, language);
}
inline void GetTextPageInstruction(CString* out, int page, int mode, int language) {
    if (out) GetTextPageInstruction(*out, page, mode, language);
}
