// The translated label and option tables: complete, English as expected,
// translations that are safe where a caller formats them, and distinct
// options within each list.
#include <gtest/gtest.h>
#include <set>
#include <vector>
#include "TextCatalog.h"
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"

using texttest::AllTables;
using texttest::Narrow;
using texttest::Table;

namespace {

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
