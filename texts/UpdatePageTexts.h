// Texts of the FIRMWARE UPDATE page and of the boxes at the end of an
// update, in the 13 UI languages (any index outside 0..12 gives English).
#pragma once
#include "texts/TextGetter.h"

TEXTS_DECLARE_GETTER(GetTextFirmwareToUpdate)         // "Firmware To Update"
TEXTS_DECLARE_GETTER(GetTextBrowseButton)             // "Browse..."
TEXTS_DECLARE_GETTER(GetTextDownloadButton)           // "Download..."
TEXTS_DECLARE_GETTER(GetTextLatestVersion)            // "Latest Version"
TEXTS_DECLARE_GETTER(GetTextVoicePromptInstruction)   // the three steps of a voice-prompt choice
TEXTS_DECLARE_GETTER(GetTextFirmwareFileFilter)       // "Firmware Files(*.img)|" in every language
TEXTS_DECLARE_GETTER(GetTextMsgPairAgainAdvice)       // pair again after an update
TEXTS_DECLARE_GETTER(GetTextMsgCameraReconnectSteps)  // the camera headset's reconnect steps
// "%s.\nPower off and power on PN40 to apply new firmware." (%s: the success text)
TEXTS_DECLARE_GETTER(GetTextMsgRestartHeadsetAdvice)
