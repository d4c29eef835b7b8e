// The 13 status texts an update leaves in its firmware-info record.
#pragma once
#include "framework/String.h"
#include <functional>

class CFirmwareInfo;

typedef void (*TextGetterFn)(CString& out, int language);
typedef std::function<CString(int language)> LanguageText;

LanguageText TextOf(TextGetterFn getter);

// "<page failure text>. <message><suffix>" in every language, e.g. the
// suffix "[9][3]" names the failing step.
void SetFailureTexts(CFirmwareInfo* info, int page, const LanguageText& message, const CString& suffix = CString());
// The same, and the update ends with the error (1 failure, 2 not the recognised device).
void FailUpdate(CFirmwareInfo* info, int page, const LanguageText& message, const CString& suffix = CString(),
                int error = 1);
// "<page activity text> <message>" in every language (no message: the activity text alone).
void SetActivityTexts(CFirmwareInfo* info, int page, const LanguageText& message = LanguageText());
