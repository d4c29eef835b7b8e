// Texts of the application shell (main wizard, menu, boxes, program-version
// check) in the 13 UI languages. Any language index outside 0..12 gives
// English. Texts with placeholders are formats the caller fills.
#pragma once
#include "framework/String.h"

namespace apptext {

enum Id {
    kBack,                 // "BACK"
    kSave,                 // "SAVE"
    kBasicGroup,           // "Basic"
    kMenuLanguage,         // "Language..."
    kMenuHelp,             // "Online Help"
    kDiagnosticLog,        // "Diagnostic Log"
    kMenuAbout,            // "About..."
    kMenuExit,             // "Exit"
    kLanguageTitle,        // "Language"
    kApplyToVoicePrompt,   // "Use this language for the voice prompt too"
    kVersionFormat,        // "Version %d.%d"
    kPressAndHold,         // "Press and hold the %s until this message disappears."
    kPressAndHoldTwoKeys,  // "Press and hold the %s and %s until this message disappears."
    kBackupFailed,         // "The settings of the %s could not be backed up ..."
    kSaveChangesPrompt,    // "Would you like to save %s changes?"
    kKeyPhone,             // "Phone Button"
    kKeyCenter,            // "Center Button"
    kKeyPlus,              // "(+) Button"
    kKeyPower,             // "Power Button"
    kNewProgramAvailable,  // "A new version of this program (v%d.%d) is available. ..."
    kDownloadingProgram,   // "Downloading the new version of the program"
    kProgramDownloadFailed,  // "Failed to download the new version of the program"
    kInstallerStarts,      // "The new version has been downloaded. ..."
    kInstallerNotOpened,   // "The installer could not be started."
    kReleaseNotes,         // "Release Notes"
    kNewFirmwareFound,     // "New firmware is available for the %s."
    kCurrentVersion,       // "Current version: %s"
    kLatestVersion,        // "Latest version: %s"
    kNewFirmwareQuestion,  // "Would you like to download the new firmware and update ..."
    kLogSaved,             // "The diagnostic log has been saved to:\n%s"
    kLogNotSaved,          // "The diagnostic log could not be saved."
    kCopyright,            // "Copyright © %d Morvex. All rights reserved."
    kLogFileFilter,        // "Diagnostic log files (*.talvolog)"
    kTextCount
};

// The text in a language.
void Get(CString& out, Id id, int language);
CString Get(Id id, int language);

}  // namespace apptext
