// The texts of the restore page's backup information block and which of its
// rows show, by model, setting-page kind and archived firmware.
#include <gtest/gtest.h>
#include <ctime>
#include <set>
#include "restore/BackupInfo.h"
#include "restore/BackupInfoRows.h"
#include "texts/LabelTables.h"

namespace {

const int kBasic = 1, kSpeedDial = 2, kFm = 3;

CDeviceRecord Backup(int model, int major, int minor) {
    CDeviceRecord r;
    r.m_nModelId = model;
    r.m_version.m_nMajor = major;
    r.m_version.m_nMinor = minor;
    return r;
}

CString Text(const BackupInfoTexts& t, int id) {
    const CString* s = t.TextOf(id);
    return s ? *s : CString(L"<not written>");
}

CString Label(int row, const BackupInfoTexts& t) { return Text(t, BackupRowLabelId(row)); }
CString Value(int row, const BackupInfoTexts& t) { return Text(t, BackupRowValueId(row)); }

BackupInfoWrite::Op LastAlignment(const BackupInfoTexts& t, int id) {
    BackupInfoWrite::Op op = BackupInfoWrite::kText;
    for (const BackupInfoWrite& w : t.writes)
        if (w.id == id && w.op != BackupInfoWrite::kText) op = w.op;
    return op;
}

}  // namespace

TEST(BackupInfo, TheVersionTextsFollowTheModelAndTheVoicePromptList) {
    CDeviceRecord cam = Backup(0x3020, 2, 1);
    cam.m_version.m_nSecondaryVersionType = 3;
    cam.m_version.m_nSecondaryVersion = 4;
    BackupInfoTexts t = BuildBackupInfoTexts(cam, 0x3020, 0, kBasic, 2);
    EXPECT_EQ(Text(t, IDC_BACKUP_VERSION_LABEL), L"Version: v3.4.2.1");
    EXPECT_EQ(Text(t, IDC_BACKUP_VERSION), L"v3.4.2.1");
    EXPECT_EQ(LastAlignment(t, IDC_BACKUP_VERSION_LABEL), BackupInfoWrite::kAlignCenter);

    CDeviceRecord dash = Backup(0x5345, 1, 2);
    dash.m_version.m_nSecondaryVersion = 7;
    t = BuildBackupInfoTexts(dash, 0x5345, 0, kBasic, 1);
    EXPECT_EQ(Text(t, IDC_BACKUP_VERSION), L"v1.2.7");
    EXPECT_EQ(Text(t, IDC_BACKUP_VERSION_LABEL), L"Version: v1.2");
    // A model in no group gets title, version and date only.
    EXPECT_EQ(t.rowsWritten, 0u);
    EXPECT_EQ(Text(t, IDC_BACKUP_TITLE), L"Backup Firmware Information");

    t = BuildBackupInfoTexts(Backup(0x5520, 1, 0), 0x5520, 0, kBasic, 0);
    EXPECT_EQ(Text(t, IDC_BACKUP_VERSION_LABEL), L"Version:");
    EXPECT_EQ(LastAlignment(t, IDC_BACKUP_VERSION_LABEL), BackupInfoWrite::kAlignRight);
    EXPECT_EQ(Text(t, IDC_BACKUP_VERSION), L"v1.0");
}

TEST(BackupInfo, TheTitleAndLabelsAreInTheUiLanguage) {
    BackupInfoTexts de = BuildBackupInfoTexts(Backup(0x4D10, 5, 0), 0x4D10, 2, kBasic, 0);
    EXPECT_EQ(Text(de, IDC_BACKUP_TITLE), L"Backup-Firmware-Infos");
    EXPECT_EQ(Text(de, IDC_BACKUP_DATE_LABEL), g_txtDate[2][0] + L":");
    EXPECT_EQ(Label(1, de), g_txtVoxPhone[2][0] + L":");
    BackupInfoTexts ja = BuildBackupInfoTexts(Backup(0x4D10, 5, 0), 0x4D10, 4, kBasic, 0);
    EXPECT_EQ(Text(ja, IDC_BACKUP_TITLE), L"\x30D0\x30C3\x30AF\x30A2\x30C3\x30D7\x30D5\x30A1\x30FC\x30E0\x30A6\x30A7\x30A2\x60C5\x5831");
    // Any language outside the 13 reads English.
    for (int language : {13, -1}) {
        EXPECT_EQ(Text(BuildBackupInfoTexts(Backup(0x4D10, 5, 0), 0x4D10, language, kBasic, 0), IDC_BACKUP_TITLE),
                  L"Backup Firmware Information");
    }
}

TEST(BackupInfo, TheArchiveDateIsFormattedOrEmptyWhenUnknown) {
    struct tm t = {};
    t.tm_year = 2021 - 1900;
    t.tm_mon = 1;
    t.tm_mday = 3;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 7;
    t.tm_isdst = -1;
    long long when = (long long)mktime(&t);
    EXPECT_EQ(FormatBackupDate(when, 0), L"02/03/2021 09:05:07");
    EXPECT_EQ(FormatBackupDate(0, 0), L"");
    CDeviceRecord r = Backup(0x5520, 1, 0);
    EXPECT_EQ(Text(BuildBackupInfoTexts(r, 0x5520, 0, kBasic, 0), IDC_BACKUP_DATE), L"");
}

TEST(BackupInfo, FirmwareGatesChooseTheBasicRows) {
    // 0x4D20 at 4.1: VOX Intercom, VOX Phone, EDR, PLC, High Quality A2DP; no row 6.
    BackupInfoTexts t = BuildBackupInfoTexts(Backup(0x4D20, 4, 1), 0x4D20, 0, kBasic, 0);
    EXPECT_EQ(t.rowsWritten, 0x1Fu);
    EXPECT_EQ(Label(2, t), L"VOX Intercom:");
    EXPECT_EQ(Label(1, t), L"VOX Phone:");
    EXPECT_EQ(Label(3, t), L"EDR (Enhanced Data Rate):");
    EXPECT_EQ(Label(4, t), L"PLC (Packet Loss Concealment):");
    EXPECT_EQ(Label(5, t), L"High Quality A2DP:");
    EXPECT_EQ(Text(t, BackupRowLabelId(6)), L"<not written>");
    // The order of writes: row 2 before row 1.
    ASSERT_GE(t.writes.size(), 2u);
    int firstRow = 0;
    for (const BackupInfoWrite& w : t.writes)
        if (w.op == BackupInfoWrite::kText && w.id >= BackupRowLabelId(1)) { firstRow = w.id; break; }
    EXPECT_EQ(firstRow, BackupRowLabelId(2));

    t = BuildBackupInfoTexts(Backup(0x4D10, 4, 2), 0x4D10, 0, kBasic, 0);
    EXPECT_EQ(Label(5, t), L"Microphone Boosting:");
    t = BuildBackupInfoTexts(Backup(0x4D10, 5, 0), 0x4D10, 0, kBasic, 0);
    EXPECT_EQ(Label(5, t), L"Sidetone:");
    EXPECT_EQ(Label(6, t), L"Microphone Boosting:");
    t = BuildBackupInfoTexts(Backup(0x4D20, 5, 0), 0x4D20, 0, kBasic, 0);
    EXPECT_EQ(t.rowsWritten, 0x1Fu);  // no Microphone Boosting for this model

    BackupInfoTexts a = BuildBackupInfoTexts(Backup(0x5020, 4, 3), 0x5020, 0, kBasic, 0);
    BackupInfoTexts b = BuildBackupInfoTexts(Backup(0x5020, 4, 2), 0x5020, 0, kBasic, 0);
    EXPECT_EQ(a.rowsWritten, 0xFu);
    for (int row = 1; row <= 4; ++row) EXPECT_EQ(Label(row, a), Label(row, b));

    t = BuildBackupInfoTexts(Backup(0x2020, 1, 1), 0x2020, 0, kBasic, 0);
    EXPECT_EQ(Label(6, t), L"Quiet Sphere\x2122:");
    t = BuildBackupInfoTexts(Backup(0x4D05, 1, 1), 0x4D05, 0, kBasic, 0);
    EXPECT_EQ(Label(3, t), L"PLC (Packet Loss Concealment):");
}

TEST(BackupInfo, OnOffValuesFollowEachSettingsPolarity) {
    CDeviceRecord r = Backup(0x4D10, 3, 0);  // below 4.0: EDR reads "Enabled" when set
    r.m_bEdr = 1;
    r.m_bIntercomVox = 2;
    BackupInfoTexts t = BuildBackupInfoTexts(r, 0x4D10, 0, kBasic, 0);
    EXPECT_EQ(Value(3, t), L"Enabled");
    EXPECT_EQ(Value(2, t), L"Enabled");
    EXPECT_EQ(Value(1, t), L"Disabled");
    r.m_version.m_nMajor = 5;  // later: EDR reads "Enabled" when clear
    EXPECT_EQ(Value(3, BuildBackupInfoTexts(r, 0x4D10, 0, kBasic, 0)), L"Disabled");
    r.m_bEdr = 0;
    EXPECT_EQ(Value(3, BuildBackupInfoTexts(r, 0x4D10, 0, kBasic, 0)), L"Enabled");

    CDeviceRecord hid = Backup(0x5520, 1, 0);
    hid.m_bAudioBoost = 1;    // exactly 1 is off
    hid.m_bQuietSphere = 2;   // anything else is on
    t = BuildBackupInfoTexts(hid, 0x5520, 0, kBasic, 0);
    EXPECT_EQ(Label(1, t), L"Audio Boost:");
    EXPECT_EQ(Value(1, t), L"Disabled");
    EXPECT_EQ(Value(6, t), L"Enabled");
    CDeviceRecord agc = Backup(0x4120, 1, 0);
    agc.m_bAutoGainControl = 1;
    EXPECT_EQ(Value(5, BuildBackupInfoTexts(agc, 0x4120, 0, kBasic, 0)), L"Disabled");
}

TEST(BackupInfo, TheRadioModelWritesItsTwoRowsWhateverKindIsSelected) {
    CDeviceRecord r = Backup(0x5210, 1, 0);
    r.m_nAudioChannelTimeout = 30;
    for (int gain : {12, 15, 17, 0, 99}) {
        r.m_nRadioTransmitGain = gain;
        for (int kind : {kBasic, kSpeedDial, kFm, 0}) {
            BackupInfoTexts t = BuildBackupInfoTexts(r, 0x5210, 0, kind, 0);
            EXPECT_EQ(t.rowsWritten, 0x3u);
            EXPECT_EQ(Label(1, t), L"Radio Transmit Gain:");
            EXPECT_EQ(Value(1, t), gain == 12 ? L"Low" : gain == 17 ? L"High" : L"Medium");
            EXPECT_EQ(Label(2, t), L"Audio Channel Timeout :");
            EXPECT_EQ(Value(2, t), L"30 seconds");
        }
    }
}

TEST(BackupInfo, SpeedDialRowsShowTheNumbersOrEmpty) {
    CDeviceRecord r = Backup(0x5520, 1, 0);
    r.m_astrSpeedDial[0] = L"+49 30 1234";
    r.m_astrSpeedDial[2] = L"555";
    BackupInfoTexts t = BuildBackupInfoTexts(r, 0x5520, 0, kSpeedDial, 0);
    EXPECT_EQ(t.rowsWritten, 0x7u);
    EXPECT_EQ(Label(1, t), L"Speed Dial 1:");
    EXPECT_EQ(Value(1, t), L"+49 30 1234");
    EXPECT_EQ(Value(2, t), L"Empty");
    EXPECT_EQ(Value(3, t), L"555");
    EXPECT_EQ(Value(2, BuildBackupInfoTexts(r, 0x5520, 2, kSpeedDial, 0)), g_txtEmpty[2][0]);
    // Groups without speed dial or FM texts write nothing for those kinds.
    EXPECT_EQ(BuildBackupInfoTexts(r, 0x4040, 0, kSpeedDial, 0).rowsWritten, 0u);
    EXPECT_EQ(BuildBackupInfoTexts(r, 0x4040, 0, kFm, 0).rowsWritten, 0u);
    EXPECT_EQ(BuildBackupInfoTexts(r, 0x4510, 0, kBasic, 0).rowsWritten, 0u);
}

TEST(BackupInfo, FmRadioTextsListTheTenPresets) {
    CDeviceRecord r = Backup(0x5520, 1, 0);
    r.m_nFmRegion = 4;
    r.m_bFmRds = 1;
    BackupInfoTexts t = BuildBackupInfoTexts(r, 0x5520, 0, kFm, 0);
    const CString spaces(L' ', 25);
    EXPECT_EQ(Label(1, t), spaces + L" 1: Empty");
    EXPECT_EQ(Value(1, t), L" 2: Empty");
    EXPECT_EQ(Value(5, t), L"10: Empty");
    EXPECT_EQ(Text(t, IDC_BACKUP_DATE_LABEL), L"Radio Region:");
    EXPECT_EQ(Text(t, IDC_BACKUP_DATE), L"Europe");
    EXPECT_EQ(Label(6, t), L"RDS AF (Alternative Frequencies):");
    EXPECT_EQ(Value(6, t), L"Enabled");
    EXPECT_EQ(LastAlignment(t, BackupRowLabelId(1)), BackupInfoWrite::kAlignLeft);
    EXPECT_EQ(LastAlignment(t, BackupRowLabelId(6)), BackupInfoWrite::kText);  // row 6 keeps its style

    r.m_anFmPreset[2] = 8750;
    r.m_anFmPreset[9] = 10790;
    r.m_anFmPreset[4] = 9990;
    r.m_anFmPreset[6] = 10000;
    t = BuildBackupInfoTexts(r, 0x5520, 0, kFm, 0);
    EXPECT_EQ(Label(2, t), spaces + L" 3:   87.5 MHz");
    EXPECT_EQ(Value(5, t), L"10: 107.9 MHz");
    EXPECT_EQ(Label(3, t), spaces + L" 5:   99.9 MHz");
    EXPECT_EQ(Label(4, t), spaces + L" 7: 100.0 MHz");
    // Without setting pages (kind 0) the date row keeps the date.
    EXPECT_EQ(Text(BuildBackupInfoTexts(r, 0x5520, 0, 0, 0), IDC_BACKUP_DATE_LABEL), L"Date:");
    EXPECT_EQ(BuildBackupInfoTexts(r, 0x5520, 0, 0, 0).rowsWritten, 0u);
    // Back to Basic: the labels are right-aligned again and the date is back.
    t = BuildBackupInfoTexts(r, 0x5520, 0, kBasic, 0);
    EXPECT_EQ(LastAlignment(t, BackupRowLabelId(1)), BackupInfoWrite::kAlignRight);
    EXPECT_EQ(Text(t, IDC_BACKUP_DATE_LABEL), L"Date:");
}

TEST(BackupInfo, AStoredValueOutsideItsOptionsShowsTheOneUnknownText) {
    CDeviceRecord r = Backup(0x5520, 1, 0);
    for (int region : {6, -1, 1000}) {
        r.m_nFmRegion = region;
        EXPECT_EQ(Text(BuildBackupInfoTexts(r, 0x5520, 0, kFm, 0), IDC_BACKUP_DATE), kBackupUnknownValueText);
    }
    EXPECT_EQ(BackupTableText(g_txtLevels[0], 0 - 1, 0), kBackupUnknownValueText);
    EXPECT_EQ(BackupTableText(g_txtLevels[0], 10, 0), kBackupUnknownValueText);
    EXPECT_EQ(BackupTableText(g_txtLevels[0], 9, 0), L"Level 10");
}

TEST(BackupInfo, EveryModelIsInOneGroupAtMostAndThereAreThirtyFourGroups) {
    std::set<int> seen;
    for (const BackupInfoGroup& g : BackupInfoGroups())
        for (int m : g.models) EXPECT_TRUE(seen.insert(m).second) << std::hex << m;
    EXPECT_EQ(BackupInfoGroups().size(), 34u);
}

TEST(BackupInfo, RowsShowByModelKindAndFirmware) {
    struct Case {
        int model, major, minor, kind;
        unsigned rows;
    };
    const unsigned six = 0x3F;
    const Case cases[] = {
        {0x4D10, 3, 9, kBasic, 0x7},  {0x4D10, 4, 0, kBasic, 0xF},  {0x4D10, 4, 1, kBasic, six},
        {0x4D10, 4, 2, kBasic, 0x1F}, {0x4D10, 4, 9, kBasic, 0x1F}, {0x4D10, 5, 0, kBasic, six},
        {0x5020, 4, 1, kBasic, 0x1F}, {0x5020, 4, 2, kBasic, 0xF},  {0x5020, 5, 0, kBasic, 0xF},
        {0x4D20, 4, 1, kBasic, 0x1F}, {0x4D20, 4, 3, kBasic, 0xF},  {0x4D20, 5, 1, kBasic, 0x1F},
        {0x4D05, 1, 9, kBasic, 0x7},  {0x4D05, 2, 0, kBasic, 0xF},  {0x2020, 1, 0, kBasic, 0x1F},
        {0x2020, 1, 1, kBasic, six},  {0x4040, 1, 0, kSpeedDial, six}, {0x4021, 1, 0, kFm, 0x1},
        {0x5210, 1, 0, kSpeedDial, 0x3}, {0x5520, 1, 0, kBasic, kBackupGrid}, {0x5520, 1, 0, kSpeedDial, 0x7},
        {0x6020, 1, 0, kFm, 0x27},    {0x5345, 1, 0, kBasic, 0},    {0x4D10, 5, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BackupRowVisibility(Backup(c.model, c.major, c.minor), c.model, c.kind), c.rows)
            << std::hex << c.model << std::dec << " " << c.major << "." << c.minor << " kind " << c.kind;
    }
}
