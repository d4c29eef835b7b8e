#include "restore/BackupValueRules.h"
#include "restore/BackupInfo.h"
#include "restore/SettingsArchive.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"

namespace {

const wchar_t kSettingWordKey[] = L"keyBasicSetting60T";
const wchar_t kCameraWordKey[] = L"keyBasicSetting40ZCamera";

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

int BackupSource::Read(const CDeviceRecord& record) const {
    switch (kind) {
    case kMember: return record.*member;
    case kAccessor: return (record.*accessor)();
    case kWordBit: return (record.m_anSettingWord[word] >> bit) & 1;
    }
    return 0;
}

bool BackupSource::HeldBy(const CArchivedKeys* keys) const {
    if (!keys || !key) return true;
    return keys->Has(key, keyIndex);
}

BackupSource MemberSource(int CDeviceRecord::*member, const wchar_t* key) {
    return {BackupSource::kMember, member, nullptr, 0, 0, key, 0};
}

BackupSource AccessorSource(int (CDeviceRecord::*accessor)() const, const wchar_t* key, int keyIndex) {
    return {BackupSource::kAccessor, nullptr, accessor, 0, 0, key, keyIndex};
}

BackupSource SettingBitSource(int word, int bit) {
    return {BackupSource::kWordBit, nullptr, nullptr, word, bit, kSettingWordKey, word + 1};
}

BackupSource SettingWordSource(int (CDeviceRecord::*accessor)() const, int word) {
    return AccessorSource(accessor, kSettingWordKey, word + 1);
}

BackupSource CameraWordSource(int (CDeviceRecord::*accessor)() const, int word) {
    return AccessorSource(accessor, kCameraWordKey, word + 1);
}

CString BackupLabelText(const BackupFeatureRow& row, int language) {
    return (*row.label)[texts::LanguageSlot(language)][0];
}

CString BackupValueText(const BackupFeatureRow& row, const CDeviceRecord& record, int language,
                        const CArchivedKeys* keys) {
    if (!row.source.HeldBy(keys)) return Unknown();
    const int L = texts::LanguageSlot(language);
    // Arithmetic on whole words is done wide, so no stored value can overflow it.
    const long long v = row.source.Read(record);
    switch (row.rule) {
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
    case kRuleChoice: {
        const BackupTextTable* option = row.options[v == 0 ? 0 : v == 1 ? 1 : 2];
        return option ? (*option)[L][0] : Unknown();
    }
    case kRuleGain: return g_txtLowMediumHigh[L][v == 0 ? 0 : v == 1 ? 1 : 2];
    }
    return Unknown();
}
