// The backup settings view: for every model and firmware gate, which rows
// the grid gets, their labels and values in English and other languages;
// the models without rows; the setting pages that hide the grid; the value
// rules at their edges; and the settings an archive never held.
#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <string>
#include "BackupViewExpect.h"
#include "core/ModelCatalog.h"
#include "restore/BackupFeatureList.h"
#include "restore/BackupInfoRows.h"
#include "restore/BackupInfo.h"
#include "restore/BackupRowTables.h"
#include "restore/SettingsArchive.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"

using namespace backupexpect;

namespace {

const int kEnglish = 0, kGerman = 2, kJapanese = 4, kRussian = 8;

CDeviceRecord Record(int model, int major, int minor) {
    CDeviceRecord r;
    r.m_nModelId = model;
    r.m_version.m_nMajor = major;
    r.m_version.m_nMinor = minor;
    return r;
}

BackupFeaturePlan Plan(int model, const CDeviceRecord& backup, const CDeviceRecord& device, int language = kEnglish,
                       int kind = SETTING_PAGE_BASIC, const CArchivedKeys* keys = nullptr) {
    BackupFeatureInput in;
    in.model = model;
    in.kind = kind;
    in.language = language;
    in.backup = &backup;
    in.device = &device;
    in.keys = keys;
    return PlanBackupFeatureList(in);
}

BackupFeaturePlan Plan(int model, const CDeviceRecord& backup, int language = kEnglish) {
    return Plan(model, backup, Record(model, 9, 9), language);
}

std::string Narrow(const CString& s) {
    std::string out;
    for (int i = 0; i < s.GetLength(); ++i) out += s[i] < 128 ? (char)s[i] : '?';
    return out;
}

std::string Describe(const Case& c, int model) {
    char buffer[96];
    snprintf(buffer, sizeof buffer, "model 0x%04X, backup %d.%d, device %d.%d", model, c.major, c.minor, c.deviceMajor,
             c.deviceMinor);
    return buffer;
}

// The value a plan shows in the row with this English label.
CString ValueOf(const BackupFeaturePlan& plan, const wchar_t* label) {
    for (const BackupFeatureText& row : plan.rows)
        if (row.label == label) return row.value;
    return CString(L"<no such row>");
}

}  // namespace

TEST(BackupView, EveryModelAndGateShowsItsRowsInOrderWithTheirLabels) {
    int checked = 0;
    for (const Case& c : Cases()) {
        for (int model : c.models) {
            SCOPED_TRACE(Describe(c, model));
            CDeviceRecord backup = Record(model, c.major, c.minor);
            CDeviceRecord device = Record(model, c.deviceMajor, c.deviceMinor);
            BackupFeaturePlan plan = Plan(model, backup, device);
            ASSERT_EQ(plan.action, BackupFeaturePlan::kFill);
            ASSERT_EQ(plan.rows.size(), c.labels.size());
            for (size_t r = 0; r < c.labels.size(); ++r) EXPECT_EQ(plan.rows[r].label, c.labels[r]) << "row " << r;
            // The same rows, in the same order, in other languages.
            for (int language : {kGerman, kRussian}) {
                BackupFeaturePlan other = Plan(model, backup, device, language);
                ASSERT_EQ(other.rows.size(), plan.rows.size());
                for (size_t r = 0; r < plan.rows.size(); ++r) {
                    EXPECT_EQ(other.rows[r].label, Translate(plan.rows[r].label, language)) << "row " << r;
                    EXPECT_EQ(other.rows[r].value, Translate(plan.rows[r].value, language)) << "row " << r;
                }
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

// Each row reads its own setting with its own polarity: a record that is
// all zero shows the row's zero text, and changing that one setting changes
// that row, and no other.
TEST(BackupView, EveryRowReadsItsOwnSettingWithItsPolarity) {
    for (const Case& c : Cases()) {
        for (int model : c.models) {
            SCOPED_TRACE(Describe(c, model));
            CDeviceRecord zero = Record(model, c.major, c.minor);
            CDeviceRecord device = Record(model, c.deviceMajor, c.deviceMinor);
            BackupFeaturePlan base = Plan(model, zero, device);
            for (size_t r = 0; r < base.rows.size(); ++r) {
                const CString& label = base.rows[r].label;
                const Probe* probe = FindProbe(c.family, label, model, c.major);
                ASSERT_NE(probe, nullptr) << Narrow(label);
                EXPECT_EQ(base.rows[r].value, probe->zero) << Narrow(label);
                CDeviceRecord changed = zero;
                probe->set(changed);
                BackupFeaturePlan after = Plan(model, changed, device);
                ASSERT_EQ(after.rows.size(), base.rows.size()) << Narrow(label);
                for (size_t o = 0; o < base.rows.size(); ++o) {
                    if (o == r) EXPECT_EQ(after.rows[o].value, probe->changed) << Narrow(label);
                    else EXPECT_EQ(after.rows[o].value, base.rows[o].value) << Narrow(label) << " changed row " << o;
                }
            }
        }
    }
}

TEST(BackupView, ModelsWithoutRowsLeaveTheGridEmptyWhateverThePageAndFirmware) {
    const int none[] = {
        0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D21, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030, 0x5080, 0x5040,
        0x5050, 0x4D75, 0x5011, 0x5020, 0x5070, 0x4040, 0x2020, 0x6110, 0x6111, 0x6120, 0x6121, 0x4110,
        0x4111, 0x4120, 0x6420, 0x6430, 0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65, 0x4D85, 0x4020,
        0x4021, 0x2310, 0x2010, 0x2011, 0x2110, 0x2120, 0x2210, 0x4030, 0x4010, 0x5210,
        // Ids that no list names are treated the same.
        0, 0x3020, 0x5345, 0x5346, 0x1234};
    for (int model : none) {
        SCOPED_TRACE(model);
        EXPECT_FALSE(BackupHasRows(model));
        for (int kind : {0, 1, 2, 3})
            for (int major : {0, 1, 4, 5}) {
                BackupFeaturePlan plan = Plan(model, Record(model, major, 0), Record(model, major, 0), kEnglish, kind);
                EXPECT_EQ(plan.action, BackupFeaturePlan::kLeaveEmpty);
                EXPECT_TRUE(plan.rows.empty());
            }
    }
}

TEST(BackupView, TheGridModelsAreExactlyThoseThePageShowsTheGridFor) {
    std::set<int> withRows, withGrid, listedInCases;
    for (const Case& c : Cases()) listedInCases.insert(c.models.begin(), c.models.end());
    for (int model = 0; model <= 0xFFFF; ++model) {
        if (BackupHasRows(model)) withRows.insert(model);
        if (BackupRowVisibility(Record(model, 2, 0), model, SETTING_PAGE_BASIC) & kBackupGrid) withGrid.insert(model);
    }
    EXPECT_EQ(withRows.size(), 62u);
    EXPECT_EQ(withRows, withGrid);
    EXPECT_EQ(withRows, listedInCases);
}

TEST(BackupView, SettingPagesOtherThanBasicHideTheGridOfEveryModelWithRows) {
    for (const Case& c : Cases())
        for (int model : c.models)
            for (int kind : {0, SETTING_PAGE_SPEED_DIAL, SETTING_PAGE_FM_RADIO}) {
                BackupFeaturePlan plan = Plan(model, Record(model, 3, 0), Record(model, 3, 0), kEnglish, kind);
                EXPECT_EQ(plan.action, BackupFeaturePlan::kHideGrid) << model << " kind " << kind;
                EXPECT_TRUE(plan.rows.empty());
            }
}

TEST(BackupView, LevelAndItemRulesAtTheirEdges) {
    CDeviceRecord r = Record(0x5420, 1, 0);
    struct { int stored; const wchar_t* shown; } levels[] = {
        {0, L"Disabled"}, {1, L"Low"}, {2, L"Medium"}, {3, L"High"}, {7, L"High"}, {255, L"High"}, {-1, L"High"}};
    for (auto& l : levels) {
        r.m_anSmartVolume[0] = l.stored;
        EXPECT_EQ(ValueOf(Plan(0x5420, r), L"Smart Volume Control"), l.shown) << l.stored;
    }
    // Item tables are never read outside their range: those values show the
    // page's unknown-value text.
    struct { int stored; const wchar_t* shown; } vox[] = {
        {1, L"Level 1"}, {10, L"Level 10"}, {0, L"-"}, {11, L"-"}, {-5, L"-"}, {0x7FFFFFFF, L"-"}, {(int)0x80000000, L"-"}};
    for (auto& v : vox) {
        r.m_anVoxSensitivity[0] = v.stored;
        EXPECT_EQ(ValueOf(Plan(0x5420, r), L"VOX Sensitivity"), v.shown) << v.stored;
    }
    EXPECT_EQ(CString(kBackupUnknownValueText), L"-");
    CDeviceRecord hn = Record(0x6400, 1, 0);
    for (auto& v : std::vector<std::pair<int, const wchar_t*>>{{1, L"Low"}, {3, L"High"}, {0, L"-"}, {4, L"-"}}) {
        hn.m_anVoxSensitivity[0] = v.first;
        EXPECT_EQ(ValueOf(Plan(0x6400, hn), L"VOX Sensitivity"), v.second) << v.first;
    }
    // The packed sensitivity of the 0x31 family: 0 is outside "Level 1".."Level 5".
    CDeviceRecord q = Record(0x3116, 1, 0);
    q.m_anSettingWord[1] = 5;
    EXPECT_EQ(ValueOf(Plan(0x3116, q), L"VOX Sensitivity"), L"Level 5");
    q.m_anSettingWord[1] = 0;
    EXPECT_EQ(ValueOf(Plan(0x3116, q), L"VOX Sensitivity"), L"-");
}

TEST(BackupView, NumberAndChoiceRulesFollowTheirTables) {
    CDeviceRecord r = Record(0x4510, 1, 0);
    for (auto& v : std::vector<std::pair<int, const wchar_t*>>{{0, L"11"}, {1, L"10"}, {3, L"8"}, {10, L"1"}, {-2147483647 - 1, L"2147483659"}}) {
        r.m_anSettingWord[0] = v.first;
        EXPECT_EQ(ValueOf(Plan(0x4510, r), L"Intercom-sound Blend Sensitivity"), v.second) << v.first;
    }
    // The 0x4210 motion sensor row: "Disable" (not "Disabled"), never "Medium".
    CDeviceRecord m = Record(0x4210, 1, 5);
    for (auto& v : std::vector<std::pair<int, const wchar_t*>>{{1, L"Disable"}, {2, L"Low"}, {3, L"High"}, {0, L"High"}, {9, L"High"}}) {
        m.m_anSettingWord[3] = v.first;
        EXPECT_EQ(ValueOf(Plan(0x4210, m), L"Motion Sensor Sensitivity"), v.second) << v.first;
    }
    // ESS status and sensitivity (0x6010 on a device from 1.2).
    CDeviceRecord e = Record(0x6010, 1, 0), device = Record(0x6010, 1, 2);
    struct { int word; const wchar_t* status; const wchar_t* sensitivity; } ess[] = {
        {0x0, L"ESS ON", L"Medium"}, {0x1, L"Position Light + ESS ON", L"Medium"}, {0x2, L"Fog Light + ESS ON", L"Medium"},
        {0x3, L"ESS OFF", L"Medium"}, {0x4, L"ESS ON", L"Low"}, {0xC, L"ESS ON", L"High"}, {0x8, L"ESS ON", L"Medium"}};
    for (auto& x : ess) {
        e.m_anSettingWord[2] = x.word;
        BackupFeaturePlan plan = Plan(0x6010, e, device);
        EXPECT_EQ(ValueOf(plan, L"ESS STATUS"), x.status) << x.word;
        EXPECT_EQ(ValueOf(plan, L"ESS Sensitivity"), x.sensitivity) << x.word;
    }
    // Camera choices: a three-way result of 2 reads the last option.
    CDeviceRecord cam = Record(0x5510, 3, 0);
    cam.m_anCameraWord[0] = 2 << 2;                    // resolution 2
    cam.m_anCameraWord[2] = (2 << 6) | (2 << 0) | (2 << 2) | (2 << 4);
    BackupFeaturePlan plan = Plan(0x5510, cam);
    EXPECT_EQ(ValueOf(plan, L"Video Resolution"), L"720p/30fps");
    EXPECT_EQ(ValueOf(plan, L"Video Mode"), L"Loop Recording Mode");
    EXPECT_EQ(ValueOf(plan, L"Video Tagging Interval"), L"5 mins");
    EXPECT_EQ(ValueOf(plan, L"Loop Recording Interval"), L"5 mins");
    EXPECT_EQ(ValueOf(plan, L"Video Microphone Gain"), L"High");
    // The unit language of the 0x31 family: 0..10, anything above reads English.
    CDeviceRecord u = Record(0x3116, 1, 0);
    u.m_anSettingWord[3] = 9;
    EXPECT_EQ(ValueOf(Plan(0x3116, u), L"Unit Language"), L"Japanese");
    u.m_anSettingWord[3] = 13;
    EXPECT_EQ(ValueOf(Plan(0x3116, u), L"Unit Language"), L"English");
    // Bits above bit 15 of the 0x31 words change nothing.
    CDeviceRecord high = Record(0x3116, 1, 0);
    high.m_anSettingWord[0] = (int)0xFFFF0000u;
    high.m_anSettingWord[1] = (int)0xFFFF0000u;
    BackupFeaturePlan a = Plan(0x3116, Record(0x3116, 1, 0)), b = Plan(0x3116, high);
    for (size_t i = 0; i < a.rows.size(); ++i) EXPECT_EQ(a.rows[i].value, b.rows[i].value) << i;
}

TEST(BackupView, UnlessOneRowsReadOnlyTheValueOneAsDisabled) {
    // Audio Boost, Voice Prompt and Quiet Sphere of the member lists.
    for (int stored : {0, 2, -1, 1}) {
        CDeviceRecord r = Record(0x5532, 1, 0);
        r.m_bAudioBoost = r.m_bVoicePrompt = r.m_bQuietSphere = stored;
        r.m_bHandsfreeVox = stored;
        BackupFeaturePlan plan = Plan(0x5532, r);
        const wchar_t* unlessOne = stored == 1 ? L"Disabled" : L"Enabled";
        EXPECT_EQ(ValueOf(plan, L"Audio Boost"), unlessOne) << stored;
        EXPECT_EQ(ValueOf(plan, L"Voice Prompt"), unlessOne) << stored;
        EXPECT_EQ(ValueOf(plan, L"Quiet Sphere\x2122"), unlessOne) << stored;
        EXPECT_EQ(ValueOf(plan, L"VOX Phone"), stored != 0 ? L"Enabled" : L"Disabled") << stored;
    }
}

TEST(BackupView, ValuesAndLabelsFollowTheUiLanguage) {
    CDeviceRecord r = Record(0x5510, 3, 0);
    r.m_bAudioSourcePriority = 1;
    r.m_anCameraWord[0] = 1;  // Burst Shot
    for (int language : {kEnglish, kGerman, kJapanese, kRussian, 12, 13, -1}) {
        SCOPED_TRACE(language);
        int slot = texts::LanguageSlot(language);
        BackupFeaturePlan plan = Plan(0x5510, r, language);
        ASSERT_EQ(plan.rows.size(), 25u);
        CString enabled, disabled;
        GetTextEnabled(enabled, slot);
        GetTextDisabled(disabled, slot);
        EXPECT_EQ(plan.rows[0].label, g_txtAudioBoost[slot][0]);
        EXPECT_EQ(plan.rows[0].value, enabled);
        EXPECT_EQ(plan.rows[1].value, disabled);
        EXPECT_EQ(plan.rows[4].value, g_txtMusic[slot][0]);
        EXPECT_EQ(plan.rows[11].label, g_txtPhotoMode[slot][0]);
        EXPECT_EQ(plan.rows[11].value, g_txtBurstShot[slot][0]);
        EXPECT_EQ(plan.rows[12].value, g_txtVideoMode[slot][0]);
    }
}

// Settings that an archive never held show as unknown, not as the value
// the record was built with.
TEST(BackupView, SettingsTheArchiveNeverHeldShowAsUnknown) {
    // An archive written before the newer keys and the last two camera words existed.
    CString old =
        L"keyDeviceRecognized=21776\nkeyDeviceVersion=3.0\nkeyIntercomVOX=1\nkeyHandsfreeVOX=1\nkeyVoicePrompt=0\n"
        L"keyBitpoolRate=0\nkeySidetone=1\nkeyQuietSphere=0\nkeyAudioBoost=0\nkeyHDIntercom=1\nkeyFMStationGuide=1\n"
        L"keyHDVoice=1\nkeyBasicSetting40NVOXSensitivity01=4\nkeyBasicSetting40NVOXSensitivity02=0\n"
        L"keyBasicSetting40ZCamera01=1\nkeyBasicSetting40ZCamera02=0\n";
    CDeviceRecord r;
    CArchivedKeys keys;
    ParseSettingsArchive(old, &r, &keys);
    BackupFeaturePlan plan = Plan(0x5510, r, r, kEnglish, SETTING_PAGE_BASIC, &keys);
    ASSERT_EQ(plan.rows.size(), 25u);
    EXPECT_EQ(ValueOf(plan, L"Sound Weave\x2122"), L"-");
    EXPECT_EQ(ValueOf(plan, L"Audio Source Priority"), L"-");
    EXPECT_EQ(ValueOf(plan, L"HD Voice"), L"Enabled");
    EXPECT_EQ(ValueOf(plan, L"Photo Mode"), L"Burst Shot");   // camera word 1 was held
    EXPECT_EQ(ValueOf(plan, L"Video Mode"), L"-");            // camera word 3 was not
    EXPECT_EQ(ValueOf(plan, L"Video Tagging Interval"), L"-");
    EXPECT_EQ(ValueOf(plan, L"Loop Recording Interval"), L"-");
    EXPECT_EQ(ValueOf(plan, L"Video Microphone Gain"), L"-");
    EXPECT_EQ(ValueOf(plan, L"Auto Camera Sleep"), L"Disabled");

    BackupFeaturePlan navi = Plan(0x6026, r, r, kEnglish, SETTING_PAGE_BASIC, &keys);
    EXPECT_EQ(ValueOf(navi, L"Smart Navi System"), L"-");
    EXPECT_EQ(ValueOf(navi, L"VOX Sensitivity"), L"Level 4");
    BackupFeaturePlan blend = Plan(0x5418, r, r, kEnglish, SETTING_PAGE_BASIC, &keys);
    EXPECT_EQ(ValueOf(blend, L"Sound Blend\x2122"), L"-");
    EXPECT_EQ(ValueOf(blend, L"Smart Volume Control"), L"-");  // no smart-volume key either

    // The same archive with those keys shows their values.
    CString full = old + L"keySoundBlend=1\nkeyAudioSourcePriority=1\nkeySmartNaviSystem=1\n"
                         L"keyBasicSetting40ZCamera03=0\nkeyBasicSetting40ZCamera04=0\n"
                         L"keyBasicSettingHN4SmartVolumeControl01=3\n";
    ParseSettingsArchive(full, &r, &keys);
    plan = Plan(0x5510, r, r, kEnglish, SETTING_PAGE_BASIC, &keys);
    EXPECT_EQ(ValueOf(plan, L"Sound Weave\x2122"), L"Enabled");
    EXPECT_EQ(ValueOf(plan, L"Audio Source Priority"), L"Music");
    EXPECT_EQ(ValueOf(plan, L"Video Mode"), L"Video Mode");
    EXPECT_EQ(ValueOf(Plan(0x6026, r, r, kEnglish, SETTING_PAGE_BASIC, &keys), L"Smart Navi System"), L"Enabled");
    EXPECT_EQ(ValueOf(Plan(0x5418, r, r, kEnglish, SETTING_PAGE_BASIC, &keys), L"Smart Volume Control"), L"High");

    // Settings words of the 0x31 family: a missing word shows unknown too.
    CString thirtyOne = L"keyDeviceVersion=1.0\nkeyBasicSetting60T01=0\nkeyBasicSetting60T02=0\n";
    ParseSettingsArchive(thirtyOne, &r, &keys);
    BackupFeaturePlan q = Plan(0x3116, r, r, kEnglish, SETTING_PAGE_BASIC, &keys);
    EXPECT_EQ(ValueOf(q, L"Unit Language"), L"-");  // word 4
    EXPECT_EQ(ValueOf(q, L"Audio Boost"), L"Enabled");
    EXPECT_EQ(ValueOf(q, L"Voice Command"), L"Disabled");
}
