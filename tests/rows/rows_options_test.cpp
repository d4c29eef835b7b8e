// Every option list in all 13 languages: a list cell splits its text at
// newlines and drops a first option that a later one repeats (ignoring case),
// so a newline or a repeated option would shift the indexes that are written
// to the headset.
#include "settings/rows/SettingRowTypes.h"
#include <gtest/gtest.h>
#include <windows.h>

namespace {

bool SameIgnoringCase(const CString& a, const CString& b) {
    return CompareStringOrdinal(a.GetString(), a.GetLength(), b.GetString(), b.GetLength(), TRUE) == CSTR_EQUAL;
}

TEST(SettingsRowOptions, EveryListInEveryLanguageIsFreeOfNewlinesAndDistinctIgnoringCase) {
    for (int l = 1; l < (int)rows::OptionList::Count; ++l) {
        const rows::OptionList list = (rows::OptionList)l;
        for (int language = 0; language < texts::kLanguageCount; ++language) {
            SCOPED_TRACE("list " + std::to_string(l) + " language " + std::to_string(language));
            const std::vector<CString> options = rows::OptionTexts(list, language);
            ASSERT_EQ((size_t)rows::OptionCount(list), options.size());
            for (size_t i = 0; i < options.size(); ++i) {
                EXPECT_FALSE(options[i].IsEmpty());
                EXPECT_EQ(nullptr, wcschr(options[i].GetString(), L'\n'));
                EXPECT_EQ(nullptr, wcschr(options[i].GetString(), L'\r'));
                for (size_t j = 0; j < i; ++j)
                    EXPECT_FALSE(SameIgnoringCase(options[i], options[j]))
                        << "options " << j << " and " << i << " read the same";
            }
            // Joined, the text splits back into exactly these options.
            const CString joined = rows::JoinedOptions(list, language);
            int newlines = 0;
            for (int i = 0; i < joined.GetLength(); ++i) newlines += joined[i] == L'\n';
            EXPECT_EQ((int)options.size() - 1, newlines);
        }
    }
}

}  // namespace
