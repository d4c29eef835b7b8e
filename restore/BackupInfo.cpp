#include "restore/BackupInfo.h"
#include "core/LocalTime.h"
#include <ctime>
#include <cwchar>
#include "restore/BackupInfoRows.h"
#include "texts/LabelTables.h"
#include "texts/LanguageNames.h"
#include "texts/RestorePageTexts.h"
#include "texts/WizardTexts.h"

const wchar_t kBackupUnknownValueText[] = L"-";

template <int N>
CString BackupTableText(const CString (&table)[N], int index, int language) {
    (void)language;
    if (index < 0 || index >= N) return CString(kBackupUnknownValueText);
    return table[index];
}

namespace {

const int kModelFourPartVersion = 0x3020;
const int kSpeedDialKind = 2;
const int kBasicKind = 1;
const int kFmRadioKind = 3;

class Writer {
public:
    Writer(BackupInfoTexts& out, int language) : m_out(out), m_lang(texts::LanguageSlot(language)) {}

    void Text(int id, const CString& text) { m_out.writes.push_back({id, BackupInfoWrite::kText, text}); }
    void Align(int id, BackupInfoWrite::Op op) { m_out.writes.push_back({id, op, CString()}); }
    void Row(int row, const CString& label, const CString& value) {
        Text(BackupRowLabelId(row), label);
        Text(BackupRowValueId(row), value);
        m_out.rowsWritten |= 1u << (row - 1);
    }
    int Lang() const { return m_lang; }

    CString Label(const CString (&table)[texts::kLanguageCount][1], const wchar_t* form = L"%s:") const {
        CString s;
        s.Format(form, table[m_lang][0].GetString());
        return s;
    }
    CString OnOff(bool enabled) const {
        CString s;
        if (enabled) GetTextEnabled(s, m_lang);
        else GetTextDisabled(s, m_lang);
        return s;
    }

private:
    BackupInfoTexts& m_out;
    int m_lang;
};

int TransmitGainLevel(int gain) { return gain == 12 ? 0 : gain == 17 ? 2 : 1; }

void WriteRow(Writer& w, const BackupRowSpec& spec, const CDeviceRecord& r) {
    int L = w.Lang();
    switch (spec.kind) {
    case kRowVoxPhone: w.Row(spec.row, w.Label(g_txtVoxPhone), w.OnOff(r.m_bHandsfreeVox != 0)); break;
    case kRowVoxIntercom: w.Row(spec.row, w.Label(g_txtVoxIntercom), w.OnOff(r.m_bIntercomVox != 0)); break;
    case kRowEdr: w.Row(spec.row, w.Label(g_txtEdrLong), w.OnOff(r.m_bEdr == 0)); break;
    case kRowEdrSet: w.Row(spec.row, w.Label(g_txtEdrLong), w.OnOff(r.m_bEdr != 0)); break;
    case kRowPlc: w.Row(spec.row, w.Label(g_txtPlc), w.OnOff(r.m_bPlc != 0)); break;
    case kRowHqA2dp: w.Row(spec.row, w.Label(g_txtHighQualityA2dp), w.OnOff(r.m_bBitpoolRate != 0)); break;
    case kRowMicBoost: w.Row(spec.row, w.Label(g_txtMicrophoneBoosting), w.OnOff(r.m_bMicrophoneBoost != 0)); break;
    case kRowSidetone: w.Row(spec.row, w.Label(g_txtSidetone), w.OnOff(r.m_bSidetone != 0)); break;
    case kRowQuietSphere: w.Row(spec.row, w.Label(g_txtQuietSphere), w.OnOff(r.m_bQuietSphere != 1)); break;
    case kRowAgc: w.Row(spec.row, w.Label(g_txtAutoGainControl), w.OnOff(r.m_bAutoGainControl != 1)); break;
    case kRowAudioBoost: w.Row(spec.row, w.Label(g_txtAudioBoost), w.OnOff(r.m_bAudioBoost != 1)); break;
    case kRowRadioGain:
        w.Row(spec.row, w.Label(g_txtRadioTransmitGain),
              BackupTableText(g_txtLowMediumHigh[L], TransmitGainLevel(r.m_nRadioTransmitGain), L));
        break;
    case kRowChannelTimeout: {
        CString seconds, value;
        GetTextSeconds(seconds, L);
        value.Format(L"%d %s", r.m_nAudioChannelTimeout, seconds.GetString());
        w.Row(spec.row, w.Label(g_txtAudioChannelTimeout, L"%s :"), value);
        break;
    }
    }
}

bool IsMicModel(int model) { return model == 0x4D10 || model == 0x4D30 || model == 0x4D40; }

void WriteSpeedDialRows(Writer& w, const CDeviceRecord& r) {
    int L = w.Lang();
    for (int i = 1; i <= 3; ++i) {
        CString label;
        label.Format(L"%s %d:", g_txtSpeedDial[L][0].GetString(), i);
        const CString& number = r.m_astrSpeedDial[i - 1];
        w.Row(i, label, number.IsEmpty() ? g_txtEmpty[L][0] : number);
    }
}

void WriteFmRadioTexts(Writer& w, const CDeviceRecord& r) {
    int L = w.Lang();
    for (int row = 1; row <= 5; ++row) w.Align(BackupRowLabelId(row), BackupInfoWrite::kAlignLeft);
    w.Text(IDC_BACKUP_DATE_LABEL, w.Label(g_txtRadioRegion));
    w.Text(IDC_BACKUP_DATE, BackupTableText(g_txtFmRegions[L], r.m_nFmRegion, L));
    CString texts[10];
    for (int i = 0; i < 10; ++i) {
        int preset = r.m_anFmPreset[i];
        CString value;
        if (preset == 0) value = g_txtEmpty[L][0];
        else value.Format(L"%s%0.1f MHz", preset < 10000 ? L"  " : L"", preset / 100.0);
        texts[i].Format(L"%s%s%d: %s", i % 2 == 0 ? CString(L' ', 25).GetString() : L"", i + 1 < 10 ? L" " : L"",
                        i + 1, value.GetString());
    }
    for (int row = 1; row <= 5; ++row) w.Row(row, texts[2 * (row - 1)], texts[2 * (row - 1) + 1]);
    w.Row(6, w.Label(g_txtRdsAf), w.OnOff(r.m_bFmRds != 0));
}

}  // namespace

template CString BackupTableText<1>(const CString (&)[1], int, int);
template CString BackupTableText<3>(const CString (&)[3], int, int);
template CString BackupTableText<6>(const CString (&)[6], int, int);
template CString BackupTableText<10>(const CString (&)[10], int, int);

void AppendSpeedDialRows(BackupInfoTexts& texts, const CDeviceRecord& backup, int language) {
    Writer w(texts, language);
    WriteSpeedDialRows(w, backup);
}

const CString* BackupInfoTexts::TextOf(int id) const {
    for (auto it = writes.rbegin(); it != writes.rend(); ++it)
        if (it->id == id && it->op == BackupInfoWrite::kText) return &it->text;
    return nullptr;
}

CString FormatBackupDate(long long time, int language) {
    if (time <= 0) return CString();
    struct tm converted;
    if (!LocalTimeOf(time, &converted)) return CString();
    const struct tm* local = &converted;
    CString format;
    GetTextDateTimeFormat(format, language);
    wchar_t buffer[129] = {};
    if (wcsftime(buffer, 128, format, local) == 0) return CString();
    CString out(buffer);
    out.Trim();
    return out;
}

BackupInfoTexts BuildBackupInfoTexts(const CDeviceRecord& r, int model, int language, int kind, int voicePromptEntries) {
    BackupInfoTexts out;
    Writer w(out, language);
    int L = w.Lang();
    for (int row = 1; row <= 5; ++row) w.Align(BackupRowLabelId(row), BackupInfoWrite::kAlignRight);

    CString title;
    GetTextBackupInformationTitle(title, L);
    w.Text(IDC_BACKUP_TITLE, title);

    const CDeviceVersion& v = r.m_version;
    CString version, label;
    GetTextVersion(version, L);
    if (voicePromptEntries > 0) {
        w.Align(IDC_BACKUP_VERSION_LABEL, BackupInfoWrite::kAlignCenter);
        if (model == kModelFourPartVersion)
            label.Format(L"%s: v%d.%d.%d.%d", version.GetString(), v.m_nSecondaryVersionType, v.m_nSecondaryVersion,
                         v.m_nMajor, v.m_nMinor);
        else
            label.Format(L"%s: v%d.%d", version.GetString(), v.m_nMajor, v.m_nMinor);
    } else {
        w.Align(IDC_BACKUP_VERSION_LABEL, BackupInfoWrite::kAlignRight);
        label.Format(L"%s:", version.GetString());
    }
    w.Text(IDC_BACKUP_VERSION_LABEL, label);

    CString value;
    if (model == kModelFourPartVersion)
        value.Format(L"v%d.%d.%d.%d", v.m_nSecondaryVersionType, v.m_nSecondaryVersion, v.m_nMajor, v.m_nMinor);
    else if (model == 0x5345 || model == 0x5346)
        value.Format(L"v%d.%d.%d", v.m_nMajor, v.m_nMinor, v.m_nSecondaryVersion);
    else
        value.Format(L"v%d.%d", v.m_nMajor, v.m_nMinor);
    w.Text(IDC_BACKUP_VERSION, value);

    w.Text(IDC_BACKUP_DATE_LABEL, w.Label(g_txtDate));
    w.Text(IDC_BACKUP_DATE, FormatBackupDate(r.m_timeArchived, L));

    const BackupInfoGroup* group = FindBackupInfoGroup(model);
    if (!group) return out;
    if (group->always || kind == kBasicKind) {
        if (const std::vector<BackupRowSpec>* rows = SelectGatedRows(group->basic, r)) {
            for (const BackupRowSpec& spec : *rows)
                if (!spec.micModelsOnly || IsMicModel(model)) WriteRow(w, spec, r);
        }
    } else if (kind == kSpeedDialKind) {
        if (group->speedDial) WriteSpeedDialRows(w, r);
    } else if (kind == kFmRadioKind && group->fmRadio) {
        // A backup without setting pages (kind 0) keeps its date row.
        WriteFmRadioTexts(w, r);
    }
    return out;
}

unsigned BackupRowVisibility(const CDeviceRecord& backup, int model, int kind) {
    const BackupVisibilityGroup* group = FindBackupVisibilityGroup(model);
    if (!group) return 0;
    switch (kind) {
    case 1: return SelectVisibilityBand(group->basic, backup);
    case 2: return group->speedDial;
    case 3: return group->fmRadio;
    default: return 0;  // no setting pages: no rows
    }
}
