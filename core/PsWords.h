// Texts kept on the headset as 20 16-bit words, one character per word,
// zero-padded (device names, speed-dial numbers).
#pragma once
#include "framework/WinTypes.h"
#include "framework/String.h"

const int PS_TEXT_WORDS = 20;

// words[i] := the UTF-16 code unit of character i for i below
// min(length, 20), the rest 0. Returns 2 x min(length, 20), the bytes that
// carry characters. A null text gives 20 zero words.
int StringToPsWords(const wchar_t* text, WORD words[PS_TEXT_WORDS]);
int StringToPsWords(WORD words[PS_TEXT_WORDS], const wchar_t* text);

// out := the low byte of each word in order, up to the first zero and at
// most 20 characters, as 8-bit text. Returns its length.
int PsWordsToString(CString& out, const WORD words[PS_TEXT_WORDS]);
int PsWordsToString(CString* out, const WORD words[PS_TEXT_WORDS]);
