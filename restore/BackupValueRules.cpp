#include "restore/BackupValueRules.h"
#include <vector>
#include "restore/BackupArchiveKeys.h"
#include "restore/BackupInfo.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"

namespace {

using namespace rows;

// The list kinds whose values this view writes in a form of its own; every
// other list shows its option, and the unknown-value text outside them.
struct ListRule {
    const RowKind* kind;
    BackupRule rule;
};

const ListRule kListRules[] = {
    {&kOverlaySensitivityWord, kRuleElevenMinus},
    {&kOverlaySensitivityPacked, kRuleNumber},
    // The stored sensitivity reads as its level, 1 to 10.
    {&kVoxSensitivityFiveLevels, kRuleLevels},
    {&kVoxSensitivityFiveLevelsEss, kRuleLevels},
    {&kVoxSensitivityPacked, kRuleLevels},
    {&kVoxSensitivityLowMediumHigh, kRuleLowMediumHigh},
    {&kSmartVolumeControl, kRuleLevelOf},
    {&kSmartVolumeControlFlags, kRuleLevelOf},
    {&kSmartVolumeControlPacked, kRuleLevelOf},
    {&kMotionSensorSensitivity, kRuleDisableLowHigh},
    {&kEssStatus, kRuleEssStatus},
    {&kEssSensitivity, kRuleEssSensitivity},
    {&kAudioSourcePriority, kRuleMusicIf},
    {&kAudioSourcePriorityFree, kRuleMusicIf},
    {&kUnitLanguage, kRuleUnitLanguage},
    {&kVideoMicrophoneGain, kRuleGain},
    {&kPhotoMode, kRuleChoice},
    {&kVideoModeTwo, kRuleChoice},
    {&kVideoModeThree, kRuleChoice},
    {&kVideoResolution, kRuleChoice},
    {&kTimelapseInterval, kRuleChoice},
    {&kVideoTaggingInterval, kRuleChoice},
    {&kLoopRecordingInterval, kRuleChoice},
};

CString OnOff(bool enabled, int language) {
    CString text;
    if (enabled) GetTextEnabled(text, language);
    else GetTextDisabled(text, language);
    return text;
}

CString Unknown() { return CString(kBackupUnknownValueText); }

// Item `index` of a table of N items, or the unknown-value text outside it.
template <int N>
CString Item(const CString (&table)[texts::kLanguageCount][N], long long index, int language) {
    if (index < 0 || index >= N) return Unknown();
    return table[language][index];
}

CString Decimal(long long value) {
    CString text;
    text.Format(L"%lld", value);
    return text;
}

}  // namespace

BackupRule BackupRuleOf(const RowKind& kind) {
    if (kind.cell == CellKind::CheckBox) {
        if (kind.polarity == Polarity::CheckedWhenZero) return kRuleEnabledIf;
        // The members stored so that 1 means off read "Disabled" only for 1.
        return kind.source.kind == SourceKind::Member ? kRuleEnabledUnlessOne : kRuleEnabledIfClear;
    }
    for (const ListRule& r : kListRules)
        if (r.kind == &kind) return r.rule;
    return kRuleOption;
}

CString BackupValueText(const RowKind& kind, const CDeviceRecord& record, int language, const CArchivedKeys* keys) {
    if (!ArchiveHeldValue(kind.source, record, keys)) return Unknown();
    const int L = texts::LanguageSlot(language);
    // Arithmetic on whole words is done wide, so no stored value can overflow it.
    const long long v = kind.source.Read(record);
    switch (BackupRuleOf(kind)) {
    case kRuleEnabledIf: return OnOff(v != 0, L);
    case kRuleEnabledUnlessOne: return OnOff(v != 1, L);
    case kRuleEnabledIfClear: return OnOff(v == 0, L);
    case kRuleLevelOf:
        if (v == 0) return OnOff(false, L);
        return g_txtLowMediumHigh[L][v == 1 ? 0 : v == 2 ? 1 : 2];
    case kRuleNumber: return Decimal(v);
    case kRuleElevenMinus: return Decimal(11 - v);
    case kRuleLevels: return Item(g_txtLevels, v - 1, L);
    case kRuleLowMediumHigh: return Item(g_txtLowMediumHigh, v - 1, L);
    case kRuleMusicIf: return v != 0 ? g_txtMusic[L][0] : g_txtIntercom[L][0];
    case kRuleEssStatus:
        if (v == 1) return g_txtPositionLightEssOn[L][0];
        if (v == 2) return g_txtFogLightEssOn[L][0];
        if (v == 3) return g_txtEssOff[L][0];
        return g_txtEssOn[L][0];
    case kRuleEssSensitivity: return g_txtLowMediumHigh[L][v == 1 ? 0 : v == 3 ? 2 : 1];
    case kRuleDisableLowHigh: {
        if (v == 1) {
            CString text;
            GetTextDisable(text, L);
            return text;
        }
        return g_txtLowMediumHigh[L][v == 2 ? 0 : 2];
    }
    case kRuleUnitLanguage: return g_txtVoicePromptLanguages[L][(v >= 0 && v <= 10) ? v : 0];
    case kRuleGain: return g_txtLowMediumHigh[L][v == 0 ? 0 : v == 1 ? 1 : 2];
    case kRuleChoice:
    case kRuleOption: {
        std::vector<CString> options = OptionTexts(kind.options, L);
        int index = IndexForValue(kind.map, (int)v, (int)options.size());
        if (index >= 0) return options[(size_t)index];
        if (BackupRuleOf(kind) == kRuleChoice && !options.empty()) return options.back();
        return Unknown();
    }
    }
    return Unknown();
}
