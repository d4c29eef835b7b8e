// Messages of recognition, update and restore, in the 13 UI languages.
// Every getter takes the UI language index; any index outside 0..12 gives
// English. None can fail. The texts are plain (no placeholder) unless noted.
#pragma once
#include "texts/TextGetter.h"

TEXTS_DECLARE_GETTER(GetTextFirmwareManagementMode)            // "Firmware management mode"
TEXTS_DECLARE_GETTER(GetTextMsgCannotOpenUsb)                  // "Cannot open USB"
TEXTS_DECLARE_GETTER(GetTextMsgCheckSdCard)                    // "Check your SD Card."
TEXTS_DECLARE_GETTER(GetTextMsgCannotConnectToServer)          // "Cannot connect to the server"
TEXTS_DECLARE_GETTER(GetTextMsgPressUpdateButton)              // "Press the [UPDATE] button"
TEXTS_DECLARE_GETTER(GetTextMsgPressRestoreButton)             // "Press the [RESTORE] button"
// "Press the [RESTORE] button after selecting voice prompt language"
TEXTS_DECLARE_GETTER(GetTextMsgPressRestoreAfterVoicePromptLanguage)
TEXTS_DECLARE_GETTER(GetTextMsgFailedToDownloadLatestFirmware)  // "Failed to download latest firmware"
TEXTS_DECLARE_GETTER(GetTextMsgAboutToDownloadLatestFirmware)   // "about to download latest firmware"
TEXTS_DECLARE_GETTER(GetTextMsgAboutToDownloadBackupFirmware)   // "about to download backup firmware"
TEXTS_DECLARE_GETTER(GetTextMsgCannotOpenFile)                 // "Cannot open file"
TEXTS_DECLARE_GETTER(GetTextMsgCannotGetDevice)                // "Cannot get device"
// "Recognized device is not connected or is not the same as the connected
// device.\nSelect appropriate device.\n"
TEXTS_DECLARE_GETTER(GetTextMsgRecognizedDeviceNotConnected)
TEXTS_DECLARE_GETTER(GetTextMsgCheckingFirmware)               // "Checking firmware"
TEXTS_DECLARE_GETTER(GetTextMsgCheckingBackupFirmware)         // "Checking backup firmware"
TEXTS_DECLARE_GETTER(GetTextMsgCannotGetStatus)                // "Cannot get status"
TEXTS_DECLARE_GETTER(GetTextMsgFirmwareCorrupted)              // "Firmware corrupted"
TEXTS_DECLARE_GETTER(GetTextMsgWithoutBackupFirmware)          // "without backup firmware"
TEXTS_DECLARE_GETTER(GetTextMsgAboutToMakeBackupFirmware)      // "about to make backup firmware"
TEXTS_DECLARE_GETTER(GetTextMsgUsbNotMatch)                    // "USB not match"
TEXTS_DECLARE_GETTER(GetTextMsgCannotUpdateFirmware)           // "Cannot update firmware"
TEXTS_DECLARE_GETTER(GetTextMsgNotRecognizedDevice)            // "Not the recognized device"
TEXTS_DECLARE_GETTER(GetTextMsgFirmwareNotSupported)           // "Firmware version is not supported by the 60T EVO. ..."
TEXTS_DECLARE_GETTER(GetTextMsgTryAgain)                       // "Try again"
TEXTS_DECLARE_GETTER(GetTextMsgCameraFirmwareUpdateFailed)     // "Camera firmware update failed"
TEXTS_DECLARE_GETTER(GetTextMsgNoBackupFirmware)               // "NO backup firmware"
TEXTS_DECLARE_GETTER(GetTextMsgNoBackupFirmwareOnServer)       // "No backup firmware on the server"
TEXTS_DECLARE_GETTER(GetTextMsgCouldNotWriteToDevice)          // "Could not write to the device"

// "Firmware not for <display name of the model>".
void GetTextMsgFirmwareNotFor(CString& out, int modelId, int language);
inline void GetTextMsgFirmwareNotFor(CString* out, int modelId, int language) {
    if (out) GetTextMsgFirmwareNotFor(*out, modelId, language);
}
