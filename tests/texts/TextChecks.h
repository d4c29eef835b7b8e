// Checks shared by the text tests: a text in all 13 languages.
#pragma once
#include <gtest/gtest.h>
#include <climits>
#include <functional>
#include <string>
#include "framework/String.h"
#include "texts/FormatCheck.h"
#include "texts/Language.h"

namespace texttest {

using Getter = std::function<void(CString&, int)>;

inline std::string Narrow(const CString& s) { return std::string(WideToUtf8(s).GetString()); }

// Language indexes that are not one of the 13 and must read English.
constexpr int kOutOfRange[] = {-1, 13, 14, 100, INT_MIN, INT_MAX};

// Every language has a text, with the English placeholders and no stray '%'.
inline void ExpectTranslationsMatch(const CString (&texts)[texts::kLanguageCount], const char* name) {
    SCOPED_TRACE(name);
    for (int l = 0; l < texts::kLanguageCount; ++l) {
        SCOPED_TRACE("language " + std::to_string(l) + ": " + Narrow(texts[l]));
        EXPECT_FALSE(texts[l].IsEmpty());
        EXPECT_TRUE(texts::fmt::TranslationMatches(texts[texts::kEnglish].GetString(), texts[l].GetString()))
            << "English: " << Narrow(texts[texts::kEnglish]);
    }
}

// A getter: the English text, 13 matching translations, English outside 0..12.
inline void ExpectGetter(const Getter& get, const wchar_t* english, const char* name) {
    SCOPED_TRACE(name);
    CString all[texts::kLanguageCount];
    for (int l = 0; l < texts::kLanguageCount; ++l) get(all[l], l);
    EXPECT_EQ(Narrow(all[texts::kEnglish]), Narrow(CString(english)));
    ExpectTranslationsMatch(all, name);
    for (int bad : kOutOfRange) {
        CString out(L"stale");
        get(out, bad);
        EXPECT_EQ(Narrow(out), Narrow(all[texts::kEnglish])) << "language index " << bad;
    }
}

}  // namespace texttest
