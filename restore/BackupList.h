// The firmware server's list of backup images, "Revisions": which images
// serve the archived model and firmware version, one per voice-prompt
// language. Lines are "name : version : file" or
// "name : version : language : file".
#pragma once
#include <vector>
#include "core/DeviceRecord.h"
#include "framework/String.h"

struct BackupImage {
    CString file;      // under the server's base address
    CString language;  // English name of the voice-prompt language
};

// What the scan looks for.
struct BackupListQuery {
    CString modelName;          // internal name of the target model
    int modelId = 0;            // 0x3020 has four-part versions
    CDeviceRecord backup;       // the archived version
    CString firmwareLanguage;   // the voice-prompt language chosen before (English name)
    CString preferredLanguage;  // English name of the UI language when the voice prompt follows it, else empty
};

struct BackupListResult {
    BOOL available = FALSE;     // an image serves the archived version
    BOOL entryFound = FALSE;
    int version[4] = {};        // version words of the match
    CString chosenFile;         // the image a restore downloads
    std::vector<BackupImage> images;  // the languages offered (four-field lines), at most FIRMWARE_LIST_MAX_LANGUAGES
    int selected = -1;          // the offered image chosen, or -1 when none is offered
};

// Scans the list text. Lines whose version does not parse are skipped.
BackupListResult ScanBackupList(const CString& text, const BackupListQuery& query);
