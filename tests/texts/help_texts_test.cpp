// Help texts of the settings: form "[title]\nbody", the placeholders each
// caller fills, and safe formatting in every language.
#include <gtest/gtest.h>
#include <vector>
#include "TextChecks.h"
#include "texts/HelpTexts.h"
#include "texts/LabelTables.h"

using texttest::ExpectGetter;
using texttest::Getter;
using texttest::Narrow;

namespace {

using Label = CString (*)[1];  // a one-item label table, [language][0]

struct Help {
    const char* name;
    Getter get;
    Label title;                 // the label that titles it; null: "[%s]" filled by the caller
    std::vector<Label> fillers;  // what the caller passes for the placeholders, in order
};

#define HELP(f, title, ...) Help{#f, [](CString& o, int l) { f(o, l); }, title, {__VA_ARGS__}}

const CString kModelName(L"60T EVO");  // stands for a model's display name

// Index of the model name among the fillers.
Label ModelName() { return nullptr; }

const std::vector<Help>& AllHelps() {
    static const std::vector<Help> helps = {
        HELP(GetTextHelpEdr, g_txtEdrLong),
        HELP(GetTextHelpPlc, g_txtPlc),
        HELP(GetTextHelpMicrophoneBoosting, g_txtMicrophoneBoosting),
        HELP(GetTextHelpAutoGainControl, g_txtAutoGainControl),
        HELP(GetTextHelpRadioTransmitGain, g_txtRadioTransmitGain, ModelName(), ModelName()),
        HELP(GetTextHelpAudioChannelTimeout, g_txtAudioChannelTimeout, ModelName(), ModelName()),
        HELP(GetTextHelpHighQualityA2dp, g_txtHighQualityA2dp),
        HELP(GetTextHelpSidetone, g_txtSidetone),
        HELP(GetTextHelpQuietSphere, nullptr, g_txtQuietSphere),
        HELP(GetTextHelpMotionSensorSensitivity, g_txtMotionSensorSensitivity, ModelName()),
        HELP(GetTextHelpNavigationAppSupport, g_txtNavigationAppSupport, g_txtSoundWeave, g_txtSoundWeave),
        HELP(GetTextHelpSoundWeave, nullptr, g_txtSoundWeave, g_txtFmRadio),
        HELP(GetTextHelpOverlaySensitivity, g_txtOverlaySensitivity, g_txtSoundWeave),
        HELP(GetTextHelpOverlaySensitivity5Levels, g_txtOverlaySensitivity),
        HELP(GetTextHelpUnitLanguage, g_txtUnitLanguage),
        HELP(GetTextHelpAudioBoost, nullptr, g_txtAudioBoost),
        HELP(GetTextHelpVoxSensitivityDefault3, g_txtVoxSensitivity),
        HELP(GetTextHelpVoxSensitivityDefault2, g_txtVoxSensitivity),
        HELP(GetTextHelpVoxSensitivityHighMediumLow, g_txtVoxSensitivity),
        HELP(GetTextHelpVoxPhone, g_txtVoxPhone),
        HELP(GetTextHelpHdIntercom, nullptr, g_txtHdIntercom),
        HELP(GetTextHelpEightWayIntercom, nullptr, g_txtEightWayIntercom, g_txtEightWayIntercom),
        HELP(GetTextHelpVoicePrompt, g_txtVoicePrompt),
        HELP(GetTextHelpVoxIntercom, nullptr, g_txtVoxIntercom, g_txtVoxIntercom),
        HELP(GetTextHelpPhotoMode, g_txtPhotoMode),
        HELP(GetTextHelpVideoResolution, g_txtVideoResolution),
        HELP(GetTextHelpTimelapseInterval, g_txtTimelapseInterval),
        HELP(GetTextHelpVideoTaggingInterval, g_txtVideoTaggingInterval),
        HELP(GetTextHelpLoopRecordingInterval, g_txtLoopRecordingInterval),
        HELP(GetTextHelpVideoMicrophoneGain, g_txtVideoMicrophoneGain),
        HELP(GetTextHelpDateCaption, g_txtDateCaption),
        HELP(GetTextHelpSpeakerSoundRecording, nullptr, g_txtSpeakerSoundRecording, g_txtSpeakerSoundRecording),
        HELP(GetTextHelpAutoCameraSleep, nullptr, g_txtAutoCameraSleep, g_txtAutoCameraSleep),
        HELP(GetTextHelpSmartVolumeControl, g_txtSmartVolumeControl),
        HELP(GetTextHelpFmStationGuide, g_txtFmStationGuide),
        HELP(GetTextHelpHdVoice, g_txtHdVoice),
        HELP(GetTextHelpAudioSourcePriority, g_txtAudioSourcePriority),
        HELP(GetTextHelpSoundWeaveNoInterruption, g_txtSoundWeave),
        HELP(GetTextHelpSoundBlend, g_txtSoundBlend),
        HELP(GetTextHelpSoundBlendMusicGps, g_txtSoundBlend),
        HELP(GetTextHelpIntercomSoundWeave, g_txtIntercomSoundWeave),
        HELP(GetTextHelpSmartNaviSystem, g_txtSmartNaviSystem),
        HELP(GetTextHelpGuestMode, g_txtGuestMode),
        HELP(GetTextHelpSoundBlendVolumeManagement, g_txtSoundBlendVolumeManagement),
        HELP(GetTextHelpVoiceCommand, g_txtVoiceCommand),
        HELP(GetTextHelpEssStatus, g_txtEssStatus),
        HELP(GetTextHelpEssSensitivity, g_txtEssSensitivity),
        {"GetTextHelpVideoMode short", [](CString& o, int l) { GetTextHelpVideoMode(o, l, false); },
         g_txtVideoMode, {}},
        {"GetTextHelpVideoMode long", [](CString& o, int l) { GetTextHelpVideoMode(o, l, true); },
         g_txtVideoMode, {}},
    };
    return helps;
}

// Fills a help text the way the settings page does: up to two fillers.
CString Fill(const CString& format, const Help& help, int language) {
    CString args[2];
    for (size_t i = 0; i < help.fillers.size(); ++i)
        args[i] = help.fillers[i] ? help.fillers[i][language][0] : kModelName;
    CString out;
    out.Format(format, args[0].GetString(), args[1].GetString());
    return out;
}

}  // namespace

TEST(HelpTextsTest, EveryHelpIsATitledTextWithItsPlaceholdersInEveryLanguage) {
    for (const Help& help : AllHelps()) {
        SCOPED_TRACE(help.name);
        CString english;
        help.get(english, texts::kEnglish);
        ExpectGetter(help.get, english, help.name);  // translations, fallback to English
        EXPECT_EQ(texts::fmt::CountPlaceholders(english.GetString()), (int)help.fillers.size());

        for (int l = 0; l < texts::kLanguageCount; ++l) {
            SCOPED_TRACE("language " + std::to_string(l));
            CString text;
            help.get(text, l);
            CString head = help.title ? L"[" + help.title[l][0] + L"]\n" : CString(L"[%s]\n");
            EXPECT_EQ(Narrow(text.Left(head.GetLength())), Narrow(head));
            EXPECT_GT(text.GetLength(), head.GetLength() + 10) << "no body";

            // The caller's format leaves no placeholder and shows every filler.
            CString shown = Fill(text, help, l);
            EXPECT_FALSE(texts::fmt::HasPercent(shown.GetString())) << Narrow(shown);
            for (Label filler : help.fillers) {
                const CString& f = filler ? filler[l][0] : kModelName;
                EXPECT_GE(shown.Find(f), 0) << Narrow(shown) << " lacks " << Narrow(f);
            }
        }
    }
}

TEST(HelpTextsTest, LongVideoModeHelpAddsLoopRecordingToTheShortOne) {
    for (int l = 0; l < texts::kLanguageCount; ++l) {
        CString shortForm, longForm;
        GetTextHelpVideoMode(shortForm, l, false);
        GetTextHelpVideoMode(longForm, l, true);
        EXPECT_EQ(Narrow(longForm.Left(shortForm.GetLength())), Narrow(shortForm)) << "language " << l;
        EXPECT_GT(longForm.GetLength(), shortForm.GetLength() + 20) << "language " << l;
    }
    CString english;
    GetTextHelpVideoMode(&english, texts::kEnglish, true);
    EXPECT_GE(english.Find(L"Loop Recording Mode"), 0);
}

TEST(HelpTextsTest, SettingPageNotes) {
    ExpectGetter([](CString& o, int l) { GetTextNoteOnboardAudio(o, l); },
                 L"If you use BMW Bluetooth onboard audio system (e.g. BMW K1600GT/GTL), please disable this option.",
                 "GetTextNoteOnboardAudio");
    ExpectGetter([](CString& o, int l) { GetTextNoteRestartToApply(o, l); },
                 L"NOTE: Changes will be applied after device restarts.", "GetTextNoteRestartToApply");
    for (int l = 0; l < texts::kLanguageCount; ++l) {
        CString note;
        GetTextNoteOnboardAudio(note, l);
        EXPECT_GE(note.Find(L"BMW K1600GT/GTL"), 0) << Narrow(note);
    }
}
