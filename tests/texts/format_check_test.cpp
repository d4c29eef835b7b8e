// The placeholder check that guards every translated format text.
#include <gtest/gtest.h>
#include "texts/FormatCheck.h"

using namespace texts::fmt;

TEST(FormatCheckTest, CountsPlaceholdersAndRejectsStrayPercents) {
    struct Case { const wchar_t* text; int count; } cases[] = {
        {L"Plain text", 0},
        {L"%s. %s[9][3]", 2},
        {L"FM Radio preset should be between %0.1f MHz and %0.1f MHz.", 2},
        {L"%d. Press the [%s >] button.\r\n", 2},
        {L"100%% sure %s", 1},      // a literal percent in a format
        {L"%I64d %ls %-5.2f %*d", 4},
        {L"50%", -1},               // trailing '%'
        {L"100% done", 1},          // "% d" is a conversion: it would read an argument
        {L"%n", -1},                // never allowed
        {L"%y", -1},                // not a printf conversion
    };
    for (const auto& c : cases) EXPECT_EQ(CountPlaceholders(c.text), c.count) << c.text;
}

TEST(FormatCheckTest, TranslationMustKeepKindCountAndOrder) {
    struct Case { const wchar_t* english; const wchar_t* translation; bool ok; } cases[] = {
        {L"Ready for %s", L"Bereit für %s", true},
        {L"Ready for %s", L"%sの準備ができました", true},          // position may move
        {L"Ready for %s", L"Bereit", false},                       // placeholder dropped
        {L"Ready for %s", L"Bereit für %s %s", false},             // one too many
        {L"Ready for %s", L"Bereit für %d", false},                // other kind
        {L"%s of %d", L"%d von %s", false},                        // order swapped
        {L"between %0.1f and %0.1f", L"entre %0.1f et %0.1f", true},
        {L"between %0.1f and %0.1f", L"entre %.1f et %0.1f", false},
        {L"Ready for %s", L"Prêt à 100%% pour %s", true},
        {L"Ready for %s", L"Prêt à 100 % pour %s", false},          // "% p" is a conversion
        {L"Plain", L"Einfach", true},
        {L"Plain", L"100%% einfach", false},                       // plain texts hold no '%'
        {L"Plain", L"", false},                                    // empty translation
        {L"", L"x", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TranslationMatches(c.english, c.translation), c.ok) << c.english << " / " << c.translation;
}

TEST(FormatCheckTest, NarrowAndWideTextsCompareAlike) {
    EXPECT_TRUE(TranslationMatches("Firmware not for %s", L"Прошивка не для %s"));
    EXPECT_FALSE(TranslationMatches("Firmware not for %s", L"Прошивка не для %d"));
}
