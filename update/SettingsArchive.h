// The settings archive "<internal model name>.talvoarch" in the image folder:
// key=value lines recording a headset's identity, firmware version, the date
// of saving and every setting of the device record, written before an
// update and read back by the FIRMWARE RESTORE page.
#pragma once
#include "framework/String.h"
#include <ctime>

class CDeviceRecord;

// The archive's text, lines ending in "\n" (the file has CR LF). local is
// the moment of writing in local time (null: the date value stays empty).
// Values lose any CR and LF so that every value stays on its line.
CString BuildSettingsArchiveText(const CDeviceRecord& record, const struct tm* local);

// The archive's file name for a target model: "<internal name>.talvoarch".
CString SettingsArchiveFileName(int targetModel);

// Writes the archive of the record into folder (with its trailing '\') for
// the target model, stamping record->m_timeArchived with the moment of
// writing. The file is written under a temporary name and replaces an older
// archive only once it is complete. FALSE when it cannot be written whole;
// an older archive is then left as it was.
// The file's time of writing is the moment of writing, to the second (the
// reader tells the two moments of a local time apart by it).
BOOL WriteSettingsArchiveFile(CDeviceRecord* record, int targetModel, const CString& folder);
// The same, as written at the moment now (seconds since 1970, UTC).
BOOL WriteSettingsArchiveFileAt(CDeviceRecord* record, int targetModel, const CString& folder, long long now);
