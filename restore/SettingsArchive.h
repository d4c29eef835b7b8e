// Reading a settings archive back: the key=value text that the update flow
// saves before every firmware update, one file per model in the image
// folder ("<internal model name>.talvoarch").
//
// The reader always starts from a fresh record, so a key missing from the
// file never keeps a value from an earlier archive. It also records which
// keys the file held, so that only those settings are written back to a
// headset after a restore.
#pragma once
#include <bitset>
#include <string>
#include "core/DeviceRecord.h"
#include "framework/String.h"

// One bit per archived value (an indexed key has one bit per index).
class CArchivedKeys {
public:
    static const int kSlots = 96;
    bool Has(const wchar_t* key, int index = 0) const;  // index 1.. for indexed keys
    bool Any() const { return m_bits.any(); }
    void Set(int slot) { m_bits.set((size_t)slot); }
    bool Test(int slot) const { return m_bits.test((size_t)slot); }
    void Clear() { m_bits.reset(); }

private:
    std::bitset<kSlots> m_bits;
};

// The archive file of a model in the image folder.
CString SettingsArchivePath(const CString& imageFolder, int modelId);

// The archive's bytes as text: converted once from the given 8-bit code page
// (the system code page when 0), so that no character is split.
CString DecodeArchiveBytes(const std::string& bytes, unsigned codePage = 0);

// Reads the archive text into *record, which starts over as a fresh record.
// *keys receives the keys that were accepted. Lines with unknown keys, an
// index outside the field, or a date that is not a real time are ignored.
// The FM region is kept in 0..5. The date is a local time: in the hour the
// clocks are set back it names two moments, and the one nearer to timeHint
// (when given: the moment the file was written) is taken.
void ParseSettingsArchive(const CString& text, CDeviceRecord* record, CArchivedKeys* keys, long long timeHint = 0);

// Result of reading an archive file.
enum ArchiveReadResult {
    ARCHIVE_USABLE = 1,
    ARCHIVE_MISSING = 0,         // no file (or it cannot be opened)
    ARCHIVE_NO_VERSION = -1,     // no usable "keyDeviceVersion": nothing to restore to
    ARCHIVE_REFUSED = -2,        // a firmware version that no restore serves
};

// Reads the file at path: the whole file first, then one conversion; the
// file's time of writing tells the moment of an ambiguous date.
ArchiveReadResult ReadSettingsArchiveFile(const CString& path, CDeviceRecord* record, CArchivedKeys* keys,
                                          unsigned codePage = 0);

// FALSE for the archived models and versions that no backup image serves.
BOOL IsArchiveVersionRestorable(const CDeviceRecord& record);

// After a restore: copies into *target only the settings that the archive
// held (identity, versions and date are never copied).
void ApplyArchivedSettings(CDeviceRecord* target, const CDeviceRecord& archived, const CArchivedKeys& keys);
