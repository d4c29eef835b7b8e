// Names of the UI languages and the date-time format of each language.
#pragma once
#include "framework/String.h"

// The name of UI language `language` written in UI language `uiLanguage`
// (13 by 13 names); uiLanguage 0 gives the English names "English" ..
// "Polish". An index outside 0..12 stands for English.
void GetLanguageNameIn(CString& out, int language, int uiLanguage);
inline void GetLanguageNameIn(CString* out, int language, int uiLanguage) {
    if (out) GetLanguageNameIn(*out, language, uiLanguage);
}

// A language stored by its English name ("German", compared without regard
// to case), named in the UI language. A name that is not one of the 13
// comes back unchanged.
void TranslateLanguageName(CString& out, const wchar_t* englishName, int uiLanguage);
inline void TranslateLanguageName(CString* out, const wchar_t* englishName, int uiLanguage) {
    if (out) TranslateLanguageName(*out, englishName, uiLanguage);
}

// The wcsftime format of a date and time in the language; English (and any
// index outside 0..12) "%m/%d/%Y %H:%M:%S".
void GetTextDateTimeFormat(CString& out, int language);
inline void GetTextDateTimeFormat(CString* out, int language) {
    if (out) GetTextDateTimeFormat(*out, language);
}
