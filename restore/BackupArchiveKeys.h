// Which archive key holds a setting's value: the backup view shows a setting
// that its archive never held (an archive written before the key existed) as
// unknown rather than as the value the record was built with.
#pragma once
#include "core/DeviceRecord.h"
#include "settings/rows/SettingRowTypes.h"

class CArchivedKeys;

// Whether the archive held the value that source reads in record (a few
// values move between words with the record's firmware). Without a list of
// keys (a record that came from no archive) every value counts as held.
bool ArchiveHeldValue(const rows::ValueSource& source, const CDeviceRecord& record, const CArchivedKeys* keys);
