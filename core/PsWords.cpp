#include "core/PsWords.h"
#include <cwchar>

int StringToPsWords(const wchar_t* text, WORD words[PS_TEXT_WORDS]) {
    if (!words) return 0;
    int n = 0;
    if (text)
        while (n < PS_TEXT_WORDS && text[n] != 0) ++n;
    for (int i = 0; i < PS_TEXT_WORDS; ++i) words[i] = (WORD)(i < n ? text[i] : 0);
    return 2 * n;
}

int StringToPsWords(WORD words[PS_TEXT_WORDS], const wchar_t* text) { return StringToPsWords(text, words); }

int PsWordsToString(CString& out, const WORD words[PS_TEXT_WORDS]) {
    char bytes[PS_TEXT_WORDS + 1] = {};
    int n = 0;
    if (words)
        while (n < PS_TEXT_WORDS && (words[n] & 0xFF) != 0) {
            bytes[n] = (char)(words[n] & 0xFF);
            ++n;
        }
    out = AnsiToWide(bytes, n);
    return n;
}

int PsWordsToString(CString* out, const WORD words[PS_TEXT_WORDS]) {
    CString text;
    int n = PsWordsToString(text, words);
    if (out) *out = text;
    return n;
}
