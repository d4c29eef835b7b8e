#include "settings/rows/SettingRowTypes.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"

namespace rows {

CString LabelText(LabelTable table, int language) {
    if (!table) return CString();
    return (*table)[texts::LanguageSlot(language)][0];
}

// --- ValueSource ---------------------------------------------------------------------

namespace {
bool ValidWord(int word) { return word >= 0 && word < DEVICE_SETTING_WORDS; }
}  // namespace

int ValueSource::Read(const CDeviceRecord& record) const {
    switch (kind) {
    case SourceKind::Member:
        return member ? record.*member : 0;
    case SourceKind::Accessor:
    case SourceKind::SettingWordField:
        return getter ? (record.*getter)() : 0;
    case SourceKind::SettingWordBit:
        if (!ValidWord(word) || bit < 0 || bit > 15) return 0;
        return ((record.m_anSettingWord[word] & 0xFFFF) >> bit) & 1;
    case SourceKind::None:
        break;
    }
    return 0;
}

bool ValueSource::IsWritable() const {
    switch (kind) {
    case SourceKind::Member: return member != nullptr;
    case SourceKind::Accessor: return setter != nullptr;
    case SourceKind::SettingWordBit: return ValidWord(word) && bit >= 0 && bit <= 15;
    case SourceKind::SettingWordField: return ValidWord(word) && width > 0 && bit >= 0 && bit + width <= 16;
    case SourceKind::None: break;
    }
    return false;
}

bool ValueSource::Write(CDeviceRecord& record, int value) const {
    if (!IsWritable()) return false;
    switch (kind) {
    case SourceKind::Member:
        record.*member = value;
        return true;
    case SourceKind::Accessor:
        (record.*setter)(value);
        return true;
    case SourceKind::SettingWordBit: {
        int& w = record.m_anSettingWord[word];
        if (value) w |= (1 << bit);
        else w &= ~(1 << bit);
        return true;
    }
    case SourceKind::SettingWordField: {
        const int fieldMask = ((1 << width) - 1) << bit;
        if (value < 0 || value > ((1 << width) - 1)) return false;
        int& w = record.m_anSettingWord[word];
        w = (w & ~(fieldMask | clearMask)) | (value << bit);
        return true;
    }
    case SourceKind::None:
        break;
    }
    return false;
}

bool ValueSource::operator==(const ValueSource& o) const {
    if (kind != o.kind) return false;
    switch (kind) {
    case SourceKind::Member: return member == o.member;
    case SourceKind::Accessor: return getter == o.getter;
    case SourceKind::SettingWordBit: return word == o.word && bit == o.bit;
    case SourceKind::SettingWordField: return word == o.word && bit == o.bit && width == o.width;
    case SourceKind::None: return true;
    }
    return false;
}

// --- Check boxes ---------------------------------------------------------------------

int CheckState(const ValueSource& source, Polarity polarity, const CDeviceRecord& record) {
    const bool zero = source.Read(record) == 0;
    return (polarity == Polarity::CheckedWhenZero) == zero ? 1 : 0;
}

int ValueForState(Polarity polarity, int state) {
    const bool checked = state != 0;
    return polarity == Polarity::CheckedWhenZero ? (checked ? 0 : 1) : (checked ? 1 : 0);
}

// --- Lists -----------------------------------------------------------------------------

int IndexForValue(IndexMap map, int value, int optionCount) {
    long long v = value;
    long long index = v;
    switch (map) {
    case IndexMap::Value: index = v; break;
    case IndexMap::ValueMinusOne: index = v - 1; break;
    case IndexMap::TenMinusValue: index = 10 - v; break;
    }
    return (index >= 0 && index < optionCount) ? (int)index : -1;
}

int ValueForIndex(IndexMap map, int index) {
    switch (map) {
    case IndexMap::Value: return index;
    case IndexMap::ValueMinusOne: return index + 1;
    case IndexMap::TenMinusValue: return 10 - index;
    }
    return index;
}

std::vector<CString> OptionTexts(OptionList list, int language) {
    const int L = texts::LanguageSlot(language);
    CString disable;
    GetTextDisable(disable, L);
    std::vector<CString> out;
    switch (list) {
    case OptionList::TenLevels:
        for (int i = 0; i < 10; ++i) out.push_back(g_txtLevels[L][i]);
        break;
    case OptionList::FiveLevels:
        for (int i = 0; i < 5; ++i) out.push_back(g_txtLevels[L][i]);
        break;
    case OptionList::DisableLowHigh:
        out = {disable, g_txtLowMediumHigh[L][0], g_txtLowMediumHigh[L][2]};
        break;
    case OptionList::DisableLowMediumHigh:
        out = {disable, g_txtLowMediumHigh[L][0], g_txtLowMediumHigh[L][1], g_txtLowMediumHigh[L][2]};
        break;
    case OptionList::LowMediumHigh:
        out = {g_txtLowMediumHigh[L][0], g_txtLowMediumHigh[L][1], g_txtLowMediumHigh[L][2]};
        break;
    case OptionList::IntercomMusic:
        out = {g_txtIntercom[L][0], g_txtMusic[L][0]};
        break;
    case OptionList::PhotoModes:
        out = {g_txtSingleShot[L][0], g_txtBurstShot[L][0]};
        break;
    case OptionList::TwoVideoModes:
        out = {g_txtVideoMode[L][0], g_txtTimelapseMode[L][0]};
        break;
    case OptionList::ThreeVideoModes:
        out = {g_txtVideoMode[L][0], g_txtTimelapseMode[L][0], g_txtLoopRecordingMode[L][0]};
        break;
    case OptionList::Resolutions:
        out = {g_txt1080p30[L][0], g_txt720p60[L][0], g_txt720p30[L][0]};
        break;
    case OptionList::TimelapseIntervals:
        out = {g_txt1Sec[L][0], g_txt10Secs[L][0]};
        break;
    case OptionList::MinuteIntervals:
        out = {g_txt1Min[L][0], g_txt3Mins[L][0], g_txt5Mins[L][0]};
        break;
    case OptionList::UnitLanguages:
        for (int i = 0; i < 11; ++i) out.push_back(g_txtVoicePromptLanguages[L][i]);
        break;
    case OptionList::Channels:
        for (int i = 0; i < 6; ++i) out.push_back(g_txtChannels[L][i]);
        break;
    case OptionList::EssStates:
        out = {g_txtEssOn[L][0], g_txtPositionLightEssOn[L][0], g_txtFogLightEssOn[L][0], g_txtEssOff[L][0]};
        break;
    case OptionList::None:
    case OptionList::Count:
        break;
    }
    return out;
}

int OptionCount(OptionList list) {
    switch (list) {
    case OptionList::TenLevels: return 10;
    case OptionList::FiveLevels: return 5;
    case OptionList::DisableLowHigh: return 3;
    case OptionList::DisableLowMediumHigh: return 4;
    case OptionList::LowMediumHigh: return 3;
    case OptionList::IntercomMusic: return 2;
    case OptionList::PhotoModes: return 2;
    case OptionList::TwoVideoModes: return 2;
    case OptionList::ThreeVideoModes: return 3;
    case OptionList::Resolutions: return 3;
    case OptionList::TimelapseIntervals: return 2;
    case OptionList::MinuteIntervals: return 3;
    case OptionList::UnitLanguages: return 11;
    case OptionList::Channels: return 6;
    case OptionList::EssStates: return 4;
    case OptionList::None:
    case OptionList::Count: break;
    }
    return 0;
}

CString JoinedOptions(OptionList list, int language) {
    CString joined;
    const std::vector<CString> options = OptionTexts(list, language);
    for (size_t i = 0; i < options.size(); ++i) {
        if (i) joined += L"\n";
        joined += options[i];
    }
    return joined;
}

// --- Disabling and gates -----------------------------------------------------------------

bool DisableRule::Holds(const CDeviceRecord& record) const {
    if (!IsSet()) return false;
    const bool nonZero = source.Read(record) != 0;
    return whileNonZero ? nonZero : !nonZero;
}

bool IsOlderThan(const CDeviceRecord& record, int major, int minor) {
    return record.CompareVersion(major, minor) < 0;
}

}  // namespace rows
