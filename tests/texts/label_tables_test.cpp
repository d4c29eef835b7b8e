// The translated label and option tables: complete, English as expected,
// translations that are safe where a caller formats them, and distinct
// options within each list.
#include <gtest/gtest.h>
#include <set>
#include <vector>
#include "TextChecks.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"

using texttest::Narrow;

namespace {

struct Table {
    const char* name;
    const CString* first;  // [language][item], row after row
    int items;
    std::vector<const wchar_t*> english;
    const CString& At(int language, int item) const { return first[language * items + item]; }
};

#define TABLE(t, ...) Table{#t, &t[0][0], (int)(sizeof(t[0]) / sizeof(t[0][0])), {__VA_ARGS__}}

const std::vector<Table>& AllTables() {
    static const std::vector<Table> tables = {
        TABLE(g_txtVoxPhone, L"VOX Phone"),
        TABLE(g_txtVoxIntercom, L"VOX Intercom"),
        TABLE(g_txtVoicePrompt, L"Voice Prompt"),
        TABLE(g_txtEdrLong, L"EDR (Enhanced Data Rate)"),
        TABLE(g_txtPlc, L"PLC (Packet Loss Concealment)"),
        TABLE(g_txtHighQualityA2dp, L"High Quality A2DP"),
        TABLE(g_txtMicrophoneBoosting, L"Microphone Boosting"),
        TABLE(g_txtSidetone, L"Sidetone"),
        TABLE(g_txtQuietSphere, L"Quiet Sphere\u2122"),
        TABLE(g_txtAutoGainControl, L"Auto Gain Control"),
        TABLE(g_txtRadioTransmitGain, L"Radio Transmit Gain"),
        TABLE(g_txtAudioChannelTimeout, L"Audio Channel Timeout"),
        TABLE(g_txtAudioBoost, L"Audio Boost"),
        TABLE(g_txtMotionSensorSensitivity, L"Motion Sensor Sensitivity"),
        TABLE(g_txtSoundWeave, L"Sound Weave\u2122"),
        TABLE(g_txtOverlaySensitivity, L"Intercom-sound Blend Sensitivity"),
        TABLE(g_txtNavigationAppSupport, L"Navigation App Support"),
        TABLE(g_txtVoxSensitivity, L"VOX Sensitivity"),
        TABLE(g_txtHdIntercom, L"HD Intercom"),
        TABLE(g_txtEightWayIntercom, L"Eight-way Intercom"),
        TABLE(g_txtPhotoMode, L"Photo Mode"),
        TABLE(g_txtVideoMode, L"Video Mode"),
        TABLE(g_txtVideoResolution, L"Video Resolution"),
        TABLE(g_txtTimelapseInterval, L"Timelapse Interval"),
        TABLE(g_txtVideoTaggingInterval, L"Video Tagging Interval"),
        TABLE(g_txtLoopRecordingInterval, L"Loop Recording Interval"),
        TABLE(g_txtVideoMicrophoneGain, L"Video Microphone Gain"),
        TABLE(g_txtDateCaption, L"Date Caption"),
        TABLE(g_txtSpeakerSoundRecording, L"Speaker Sound Recording"),
        TABLE(g_txtRecordMusic, L"\u25B6 Music"),
        TABLE(g_txtRecordFmRadio, L"\u25B6 FM Radio"),
        TABLE(g_txtRecordIntercom, L"\u25B6 Intercom"),
        TABLE(g_txtRecordPhone, L"\u25B6 Phone"),
        TABLE(g_txtAutoCameraSleep, L"Auto Camera Sleep"),
        TABLE(g_txtSmartVolumeControl, L"Smart Volume Control"),
        TABLE(g_txtFmStationGuide, L"FM Station Guide"),
        TABLE(g_txtHdVoice, L"HD Voice"),
        TABLE(g_txtAudioSourcePriority, L"Audio Source Priority"),
        TABLE(g_txtSoundBlend, L"Sound Blend\u2122"),
        TABLE(g_txtIntercomSoundWeave, L"Bluetooth Intercom Sound Weave\u2122"),
        TABLE(g_txtSmartNaviSystem, L"Smart Navi System"),
        TABLE(g_txtGuestMode, L"Guest Mode"),
        TABLE(g_txtVoiceCommand, L"Voice Command"),
        TABLE(g_txtSoundBlendVolumeManagement, L"Sound Blend Volume Management"),
        TABLE(g_txtUnitLanguage, L"Unit Language"),
        TABLE(g_txtChannelSelect, L"Channel Select"),
        TABLE(g_txtEssStatus, L"ESS STATUS"),
        TABLE(g_txtEssSensitivity, L"ESS Sensitivity"),
        TABLE(g_txtFmRadio, L"FM Radio"),
        TABLE(g_txtSingleShot, L"Single Shot"),
        TABLE(g_txtBurstShot, L"Burst Shot"),
        TABLE(g_txtTimelapseMode, L"Timelapse Mode"),
        TABLE(g_txtLoopRecordingMode, L"Loop Recording Mode"),
        TABLE(g_txt1080p30, L"1080p/30fps"),
        TABLE(g_txt720p60, L"720p/60fps"),
        TABLE(g_txt720p30, L"720p/30fps"),
        TABLE(g_txt1Sec, L"1 sec"),
        TABLE(g_txt10Secs, L"10 secs"),
        TABLE(g_txtTenSecs, L"10 secs"),
        TABLE(g_txt1Min, L"1 min"),
        TABLE(g_txt3Mins, L"3 mins"),
        TABLE(g_txt5Mins, L"5 mins"),
        TABLE(g_txtMusic, L"Music"),
        TABLE(g_txtIntercom, L"Intercom"),
        TABLE(g_txtEssOn, L"ESS ON"),
        TABLE(g_txtPositionLightEssOn, L"Position Light + ESS ON"),
        TABLE(g_txtFogLightEssOn, L"Fog Light + ESS ON"),
        TABLE(g_txtEssOff, L"ESS OFF"),
        TABLE(g_txtLevels, L"Level 1", L"Level 2", L"Level 3", L"Level 4", L"Level 5", L"Level 6",
              L"Level 7", L"Level 8", L"Level 9", L"Level 10"),
        TABLE(g_txtLowMediumHigh, L"Low", L"Medium", L"High"),
        TABLE(g_txtChannels, L"CH 0 (Common)", L"CH 1", L"CH 2", L"CH 3", L"CH 4", L"CH 5"),
        TABLE(g_txtVoicePromptLanguages, L"English", L"French", L"Spanish", L"Italian", L"German",
              L"Dutch", L"Russian", L"Chinese", L"Korean", L"Japanese", L"Finnish"),
        TABLE(g_txtRegion, L"Region"),
        TABLE(g_txtRadioRegion, L"Radio Region"),
        TABLE(g_txtFmRadioPresets, L"FM Radio Presets"),
        TABLE(g_txtRdsAf, L"RDS AF (Alternative Frequencies)"),
        TABLE(g_txtEmpty, L"Empty"),
        TABLE(g_txtSpeedDial, L"Speed Dial"),
        TABLE(g_txtDate, L"Date"),
        TABLE(g_txtFmRegions, L"Worldwide", L"Americas", L"Asia", L"Australia", L"Europe", L"Japan"),
    };
    return tables;
}

// A global of another part of the program, constructed with the default
// priority, already finds the tables filled.
struct EarlyReader {
    CString seen;
    EarlyReader() : seen(g_txtLevels[texts::kGerman][9]) {}
};
EarlyReader s_earlyReader;

}  // namespace

TEST(LabelTablesTest, EveryTableHasItsEnglishItemsAndSafeTranslations) {
    for (const Table& t : AllTables()) {
        SCOPED_TRACE(t.name);
        ASSERT_EQ((size_t)t.items, t.english.size());
        for (int item = 0; item < t.items; ++item) {
            SCOPED_TRACE("item " + std::to_string(item));
            EXPECT_EQ(Narrow(t.At(texts::kEnglish, item)), Narrow(CString(t.english[(size_t)item])));
            CString column[texts::kLanguageCount];
            for (int l = 0; l < texts::kLanguageCount; ++l) column[l] = t.At(l, item);
            texttest::ExpectTranslationsMatch(column, t.name);
        }
    }
}

TEST(LabelTablesTest, TablesAreFilledBeforeOtherGlobalsRun) {
    EXPECT_EQ(Narrow(s_earlyReader.seen), "Stufe 10");
}

TEST(LabelTablesTest, TenSecondsHasOneTableUnderBothNames) {
    EXPECT_EQ(&g_txtTenSecs[0][0], &g_txt10Secs[0][0]);
}

TEST(LabelTablesTest, TrademarkedFeatureNamesStayTheSameInEveryLanguage) {
    const CString* names[] = {&g_txtQuietSphere[0][0], &g_txtSoundWeave[0][0], &g_txtSoundBlend[0][0],
                              &g_txtIntercomSoundWeave[0][0]};
    for (const CString* table : names)
        for (int l = 0; l < texts::kLanguageCount; ++l) EXPECT_EQ(Narrow(table[l]), Narrow(table[0]));
}

// The items a user picks from in one list must read differently in every
// language, or two choices would look alike.
TEST(LabelTablesTest, OptionsOfOneListAreDistinctInEveryLanguage) {
    struct List {
        const char* name;
        std::vector<const CString*> items;  // each the [0][item] entry of a table
        int stride;                          // items per language row
    };
    auto single = [](std::initializer_list<const CString*> tables) {
        return std::vector<const CString*>(tables);
    };
    std::vector<List> lists = {
        {"photo", single({&g_txtSingleShot[0][0], &g_txtBurstShot[0][0]}), 1},
        {"video mode", single({&g_txtVideoMode[0][0], &g_txtTimelapseMode[0][0], &g_txtLoopRecordingMode[0][0]}), 1},
        {"intervals", single({&g_txt1Sec[0][0], &g_txt10Secs[0][0], &g_txt1Min[0][0], &g_txt3Mins[0][0],
                              &g_txt5Mins[0][0]}), 1},
        {"priority", single({&g_txtMusic[0][0], &g_txtIntercom[0][0]}), 1},
        {"ESS", single({&g_txtEssOn[0][0], &g_txtPositionLightEssOn[0][0], &g_txtFogLightEssOn[0][0],
                        &g_txtEssOff[0][0]}), 1},
    };
    auto multi = [](const char* name, const CString* first, int items) {
        List l{name, {}, items};
        for (int i = 0; i < items; ++i) l.items.push_back(first + i);
        return l;
    };
    lists.push_back(multi("levels", &g_txtLevels[0][0], 10));
    lists.push_back(multi("low/medium/high", &g_txtLowMediumHigh[0][0], 3));
    lists.push_back(multi("channels", &g_txtChannels[0][0], 6));
    lists.push_back(multi("voice-prompt languages", &g_txtVoicePromptLanguages[0][0], 11));
    lists.push_back(multi("regions", &g_txtFmRegions[0][0], 6));

    for (const List& list : lists) {
        SCOPED_TRACE(list.name);
        for (int l = 0; l < texts::kLanguageCount; ++l) {
            std::set<std::wstring> seen;
            for (const CString* item : list.items) {
                const CString& text = item[l * list.stride];
                EXPECT_TRUE(seen.insert(text.str()).second) << "language " << l << ": " << Narrow(text);
            }
        }
    }

    for (int l = 0; l < texts::kLanguageCount; ++l) {
        CString enable, disable;
        GetTextEnable(enable, l);
        GetTextDisable(disable, l);
        EXPECT_NE(enable, disable) << "language " << l;
    }
}
