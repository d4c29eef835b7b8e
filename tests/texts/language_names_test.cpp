// Names of the UI languages and the date-time format per language.
#include <gtest/gtest.h>
#include <ctime>
#include <set>
#include <string>
#include "TextChecks.h"
#include "texts/LabelTables.h"
#include "texts/LanguageNames.h"

using texttest::Narrow;

namespace {
const wchar_t* const kEnglishNames[texts::kLanguageCount] = {
    L"English", L"French", L"German", L"Italian", L"Japanese", L"Korean", L"Spanish",
    L"Dutch", L"Russian", L"Chinese", L"Finnish", L"Czech", L"Polish"};
}

TEST(LanguageNamesTest, ThirteenByThirteenNames) {
    for (int ui = 0; ui < texts::kLanguageCount; ++ui) {
        SCOPED_TRACE("written in " + std::to_string(ui));
        std::set<std::wstring> seen;
        CString names[texts::kLanguageCount];
        for (int language = 0; language < texts::kLanguageCount; ++language) {
            GetLanguageNameIn(names[language], language, ui);
            EXPECT_FALSE(names[language].IsEmpty());
            EXPECT_TRUE(seen.insert(names[language].str()).second) << Narrow(names[language]);
        }
        texttest::ExpectTranslationsMatch(names, "language names");
    }
    for (int language = 0; language < texts::kLanguageCount; ++language) {
        CString name;
        GetLanguageNameIn(name, language, texts::kEnglish);
        EXPECT_EQ(name, kEnglishNames[language]);
    }
    CString name;
    GetLanguageNameIn(name, texts::kGerman, texts::kGerman);
    EXPECT_EQ(name, L"Deutsch");
    GetLanguageNameIn(name, texts::kJapanese, texts::kJapanese);
    EXPECT_EQ(name, L"\u65E5\u672C\u8A9E");
}

TEST(LanguageNamesTest, IndexesOutsideTheThirteenMeanEnglish) {
    CString name;
    for (int bad : texttest::kOutOfRange) {
        GetLanguageNameIn(name, texts::kFrench, bad);
        EXPECT_EQ(name, L"French");
        GetLanguageNameIn(name, bad, texts::kFrench);
        EXPECT_EQ(Narrow(name), "Anglais");
    }
}

TEST(LanguageNamesTest, TranslateLanguageNameMapsStoredEnglishNames) {
    for (int language = 0; language < texts::kLanguageCount; ++language) {
        for (int ui = -1; ui <= texts::kLanguageCount; ++ui) {
            CString expected, out;
            GetLanguageNameIn(expected, language, ui);
            TranslateLanguageName(out, kEnglishNames[language], ui);
            EXPECT_EQ(out, expected) << Narrow(CString(kEnglishNames[language])) << " in " << ui;
        }
    }
    CString out;
    TranslateLanguageName(out, L"GERMAN", texts::kFrench);
    EXPECT_EQ(out, L"Allemand");
    // Anything else comes back as it was stored.
    const wchar_t* unknown[] = {L"Klingon", L"", L" German", L"Chinese(Mandarin)", L"Deutsch"};
    for (const wchar_t* name : unknown) {
        TranslateLanguageName(out, name, texts::kFrench);
        EXPECT_EQ(out, name);
    }
    TranslateLanguageName(out, nullptr, texts::kFrench);
    EXPECT_TRUE(out.IsEmpty());
    CString same(L"Polish");
    TranslateLanguageName(same, same, texts::kPolish);  // in and out the same text
    EXPECT_EQ(Narrow(same), "Polski");
}

TEST(LanguageNamesTest, VoicePromptLanguagesAreNamedInTheUiLanguage) {
    const int order[11] = {texts::kEnglish, texts::kFrench, texts::kSpanish, texts::kItalian, texts::kGerman,
                           texts::kDutch, texts::kRussian, texts::kChinese, texts::kKorean, texts::kJapanese,
                           texts::kFinnish};
    for (int ui = 0; ui < texts::kLanguageCount; ++ui)
        for (int i = 0; i < 11; ++i) {
            CString name;
            GetLanguageNameIn(name, order[i], ui);
            EXPECT_EQ(g_txtVoicePromptLanguages[ui][i], name) << "ui " << ui << " item " << i;
        }
}

TEST(DateTimeFormatTest, EveryLanguageFormatsATimeWithWcsftime) {
    std::tm t = {};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 2;  // March
    t.tm_mday = 5;
    t.tm_hour = 7;
    t.tm_min = 8;
    t.tm_sec = 9;
    const wchar_t* expected[texts::kLanguageCount] = {
        L"03/05/2024 07:08:09", L"05/03/2024 07:08:09", L"05.03.2024 07:08:09", L"05/03/2024 07:08:09",
        L"2024/03/05 07:08:09", L"2024.03.05 07:08:09", L"05/03/2024 07:08:09", L"05-03-2024 07:08:09",
        L"05.03.2024 07:08:09", L"2024/03/05 07:08:09", L"05.03.2024 07:08:09", L"05.03.2024 07:08:09",
        L"05.03.2024 07:08:09"};
    for (int l = -1; l <= texts::kLanguageCount; ++l) {
        CString format;
        GetTextDateTimeFormat(format, l);
        wchar_t buffer[64] = {};
        size_t n = wcsftime(buffer, 64, format, &t);
        int slot = texts::LanguageSlot(l);
        EXPECT_GT(n, 0u) << "language " << l;
        EXPECT_EQ(std::wstring(buffer), std::wstring(expected[slot])) << "language " << l;
    }
    CString english;
    GetTextDateTimeFormat(&english, texts::kEnglish);
    EXPECT_EQ(english, L"%m/%d/%Y %H:%M:%S");
}
