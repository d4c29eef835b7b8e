// Names of the UI languages, the voice-prompt language list and the
// date-time formats.
#include "texts/LanguageNames.h"
#include "texts/LabelTables.h"
#include "texts/TextSource.h"

using texts::Text13;

CString g_txtVoicePromptLanguages[texts::kLanguageCount][11] TEXTS_INIT_EARLY;

namespace {

// Row i: the name of UI language i, written in each of the 13 languages
// (en, fr, de, it, ja, ko, es, nl, ru, zh, fi, cs, pl).
constexpr Text13 kNames[texts::kLanguageCount] = {
    // English
    {{"English", "Anglais", "Englisch", "Inglese", "英語", "영어", "Inglés", "Engels", "Английский",
      "英语", "Englanti", "Angličtina", "Angielski"}},
    // French
    {{"French", "Français", "Französisch", "Francese", "フランス語", "프랑스어", "Francés", "Frans",
      "Французский", "法语", "Ranska", "Francouzština", "Francuski"}},
    // German
    {{"German", "Allemand", "Deutsch", "Tedesco", "ドイツ語", "독일어", "Alemán", "Duits", "Немецкий",
      "德语", "Saksa", "Němčina", "Niemiecki"}},
    // Italian
    {{"Italian", "Italien", "Italienisch", "Italiano", "イタリア語", "이탈리아어", "Italiano", "Italiaans",
      "Итальянский", "意大利语", "Italia", "Italština", "Włoski"}},
    // Japanese
    {{"Japanese", "Japonais", "Japanisch", "Giapponese", "日本語", "일본어", "Japonés", "Japans",
      "Японский", "日语", "Japani", "Japonština", "Japoński"}},
    // Korean
    {{"Korean", "Coréen", "Koreanisch", "Coreano", "韓国語", "한국어", "Coreano", "Koreaans",
      "Корейский", "韩语", "Korea", "Korejština", "Koreański"}},
    // Spanish
    {{"Spanish", "Espagnol", "Spanisch", "Spagnolo", "スペイン語", "스페인어", "Español", "Spaans",
      "Испанский", "西班牙语", "Espanja", "Španělština", "Hiszpański"}},
    // Dutch
    {{"Dutch", "Néerlandais", "Niederländisch", "Olandese", "オランダ語", "네덜란드어", "Neerlandés",
      "Nederlands", "Нидерландский", "荷兰语", "Hollanti", "Nizozemština", "Niderlandzki"}},
    // Russian
    {{"Russian", "Russe", "Russisch", "Russo", "ロシア語", "러시아어", "Ruso", "Russisch", "Русский", "俄语",
      "Venäjä", "Ruština", "Rosyjski"}},
    // Chinese
    {{"Chinese", "Chinois", "Chinesisch", "Cinese", "中国語", "중국어", "Chino", "Chinees", "Китайский",
      "中文", "Kiina", "Čínština", "Chiński"}},
    // Finnish
    {{"Finnish", "Finnois", "Finnisch", "Finlandese", "フィンランド語", "핀란드어", "Finlandés", "Fins",
      "Финский", "芬兰语", "Suomi", "Finština", "Fiński"}},
    // Czech
    {{"Czech", "Tchèque", "Tschechisch", "Ceco", "チェコ語", "체코어", "Checo", "Tsjechisch", "Чешский",
      "捷克语", "Tšekki", "Čeština", "Czeski"}},
    // Polish
    {{"Polish", "Polonais", "Polnisch", "Polacco", "ポーランド語", "폴란드어", "Polaco", "Pools", "Польский",
      "波兰语", "Puola", "Polština", "Polski"}},
};
static_assert(texts::AllValid(kNames), "a language name holds a '%'");

// The headset's voice-prompt languages, in the order of its language codes.
constexpr Text13 kVoicePromptLanguages[11] = {
    kNames[texts::kEnglish], kNames[texts::kFrench], kNames[texts::kSpanish],
    kNames[texts::kItalian], kNames[texts::kGerman], kNames[texts::kDutch],
    kNames[texts::kRussian], kNames[texts::kChinese], kNames[texts::kKorean],
    kNames[texts::kJapanese], kNames[texts::kFinnish],
};

constexpr texts::TableBinding kBindings[] = {
    texts::Bind(g_txtVoicePromptLanguages, kVoicePromptLanguages),
};

const texts::LocalTable s_names TEXTS_INIT_EARLY(kNames);
const texts::TableFiller s_fill TEXTS_INIT_FILL(kBindings);

// wcsftime formats, in language order.
constexpr const char* kDateTimeFormats[texts::kLanguageCount] = {
    "%m/%d/%Y %H:%M:%S",  // English
    "%d/%m/%Y %H:%M:%S",  // French
    "%d.%m.%Y %H:%M:%S",  // German
    "%d/%m/%Y %H:%M:%S",  // Italian
    "%Y/%m/%d %H:%M:%S",  // Japanese
    "%Y.%m.%d %H:%M:%S",  // Korean
    "%d/%m/%Y %H:%M:%S",  // Spanish
    "%d-%m-%Y %H:%M:%S",  // Dutch
    "%d.%m.%Y %H:%M:%S",  // Russian
    "%Y/%m/%d %H:%M:%S",  // Chinese
    "%d.%m.%Y %H:%M:%S",  // Finnish
    "%d.%m.%Y %H:%M:%S",  // Czech
    "%d.%m.%Y %H:%M:%S",  // Polish
};

// Only the numeric fields: the result does not depend on the C locale.
constexpr bool IsTimeField(char c) {
    return c == 'd' || c == 'm' || c == 'Y' || c == 'y' || c == 'H' || c == 'M' || c == 'S';
}

constexpr bool IsDateTimeFormat(const char* f) {
    if (!f || !f[0]) return false;
    for (int i = 0; f[i]; ++i) {
        if (f[i] != '%') continue;
        if (!IsTimeField(f[i + 1])) return false;
        ++i;
    }
    return true;
}

constexpr bool AllDateTimeFormats() {
    for (const char* f : kDateTimeFormats)
        if (!IsDateTimeFormat(f)) return false;
    return true;
}
static_assert(AllDateTimeFormats(), "a date-time format holds a field other than d m Y y H M S");

struct WideFormats {
    WideFormats() {
        for (int i = 0; i < texts::kLanguageCount; ++i) text[i] = Utf8ToWide(kDateTimeFormats[i]);
    }
    CString text[texts::kLanguageCount];
};
const WideFormats s_dateTimeFormats TEXTS_INIT_EARLY;

}  // namespace

void GetLanguageNameIn(CString& out, int language, int uiLanguage) {
    s_names.Get(out, texts::LanguageSlot(language), uiLanguage);
}

void TranslateLanguageName(CString& out, const wchar_t* englishName, int uiLanguage) {
    CString name(englishName);
    for (int i = 0; i < texts::kLanguageCount; ++i) {
        if (name.CompareNoCase(s_names.At(i, texts::kEnglish)) == 0) {
            s_names.Get(out, i, uiLanguage);
            return;
        }
    }
    out = name;
}

void GetTextDateTimeFormat(CString& out, int language) {
    out = s_dateTimeFormats.text[texts::LanguageSlot(language)];
}
