// How the backup settings view writes a setting's value: the settings rows'
// own row kinds say where the value lives (and with which polarity); this
// view renders it as text with "Enabled" and "Disabled", and the Parts give
// some settings a text form of their own here (a plain number instead of a
// level, "Disabled" for the lowest level, a fallback for values outside the
// options). Nothing here touches a window.
#pragma once
#include "core/DeviceRecord.h"
#include "framework/String.h"
#include "settings/rows/RowKinds.h"

class CArchivedKeys;

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
    kRuleChoice,             // the option of the value; its last option for any other value
    kRuleGain,               // 0 "Low", 1 "Medium", anything else "High"
    kRuleOption,             // the option of the value; the unknown-value text for any other
};

// The rule by which this view writes a row kind's value.
BackupRule BackupRuleOf(const rows::RowKind& kind);

// The text of a row's value in the record. A value outside the table that an
// item rule reads, and a value the archive never held, both show the page's
// one unknown-value text.
CString BackupValueText(const rows::RowKind& kind, const CDeviceRecord& record, int language,
                        const CArchivedKeys* keys);
