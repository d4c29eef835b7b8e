// The value rules of the backup settings view: where a row's value lives in
// a backup record (and which archive key held it), and how that value
// becomes the text of the row's value column in a UI language. Every rule
// is a function of the record it is given; nothing here touches a window.
#pragma once
#include "core/DeviceRecord.h"
#include "framework/String.h"
#include "texts/Language.h"

class CArchivedKeys;

// A one-item translated table: its item 0 in a language is a label or an option.
typedef CString BackupTextTable[texts::kLanguageCount][1];

// Where a value lives: a member of the record, an accessor over its words,
// or one bit of the low 16 bits of a settings word; and the archive key
// (with its index, 1.. for indexed keys) that holds it in a settings archive.
struct BackupSource {
    enum Kind { kMember, kAccessor, kWordBit };
    Kind kind;
    int CDeviceRecord::*member;
    int (CDeviceRecord::*accessor)() const;
    int word;
    int bit;
    const wchar_t* key;
    int keyIndex;

    // The value in record: the member, the accessor's result, or the bit (0 or 1).
    int Read(const CDeviceRecord& record) const;
    // Whether the archive held the value. Without a list of keys (a record
    // that came from no archive) every value counts as held.
    bool HeldBy(const CArchivedKeys* keys) const;
};

BackupSource MemberSource(int CDeviceRecord::*member, const wchar_t* key);
BackupSource AccessorSource(int (CDeviceRecord::*accessor)() const, const wchar_t* key, int keyIndex);
// Bit of m_anSettingWord[word]; the archive key is the word's own.
BackupSource SettingBitSource(int word, int bit);
// An accessor over m_anSettingWord[word] or m_anCameraWord[word].
BackupSource SettingWordSource(int (CDeviceRecord::*accessor)() const, int word);
BackupSource CameraWordSource(int (CDeviceRecord::*accessor)() const, int word);

enum BackupRule {
    kRuleEnabledIf,          // non-zero reads "Enabled", 0 "Disabled"
    kRuleEnabledUnlessOne,   // exactly 1 reads "Disabled", anything else "Enabled"
    kRuleEnabledIfClear,     // 0 reads "Enabled", non-zero "Disabled" (a clear bit)
    kRuleLevelOf,            // 0 "Disabled", 1 "Low", 2 "Medium", anything else "High"
    kRuleNumber,             // the value itself, in decimal
    kRuleElevenMinus,        // 11 minus the value, in decimal
    kRuleLevels,             // "Level 1".."Level 10" for 1..10
    kRuleLowMediumHigh,      // "Low", "Medium", "High" for 1..3
    kRuleMusicIf,            // non-zero "Music", 0 "Intercom"
    kRuleEssStatus,          // 1, 2, 3: light and ESS texts; 0 and anything else "ESS ON"
    kRuleEssSensitivity,     // 1 "Low", 3 "High", anything else "Medium"
    kRuleDisableLowHigh,     // 1 "Disable", 2 "Low", anything else "High"
    kRuleUnitLanguage,       // the voice-prompt language 0..10, anything else item 0
    kRuleChoice,             // option 0 for 0, option 1 for 1, option 2 for anything else
    kRuleGain,               // 0 "Low", 1 "Medium", anything else "High"
};

// One row of the view: its label, where its value lives and how it reads.
struct BackupFeatureRow {
    const BackupTextTable* label;
    BackupSource source;
    BackupRule rule;
    const BackupTextTable* options[3];  // kRuleChoice only
};

// The text of a row's value. A value outside the table that an item rule
// reads, and a value the archive never held, both show the page's one
// unknown-value text.
CString BackupValueText(const BackupFeatureRow& row, const CDeviceRecord& record, int language,
                        const CArchivedKeys* keys);
// The row's label in a language (item 0 of its table).
CString BackupLabelText(const BackupFeatureRow& row, int language);
