// Help texts of the settings: form "[title]\nbody", the placeholders each
// caller fills, and safe formatting in every language.
#include <gtest/gtest.h>
#include <vector>
#include "TextCatalog.h"
#include "texts/HelpTexts.h"
#include "texts/LabelTables.h"

using texttest::ExpectGetter;
using texttest::Getter;
using texttest::Narrow;

namespace {

using texttest::AllHelps;
using texttest::Help;
using texttest::Label;

const CString kModelName(L"60T EVO");  // stands for a model's display name

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
