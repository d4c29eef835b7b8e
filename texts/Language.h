// UI language index shared by every translated text.
#pragma once

namespace texts {

// The 13 UI languages, in the order of every translated table.
enum Language {
    kEnglish = 0,
    kFrench,
    kGerman,
    kItalian,
    kJapanese,
    kKorean,
    kSpanish,
    kDutch,
    kRussian,
    kChinese,
    kFinnish,
    kCzech,
    kPolish,
};

constexpr int kLanguageCount = 13;

// The table slot of a language index: any value outside 0..12 reads English.
constexpr int LanguageSlot(int language) {
    return (language >= 0 && language < kLanguageCount) ? language : kEnglish;
}

}  // namespace texts
