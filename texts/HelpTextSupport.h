// Building a help text from its title label and its body.
#pragma once
#include "texts/TextSource.h"

namespace texts {

// out := "[" title "]\n" body, in the language.
void ComposeHelp(CString& out, const CString (&title)[kLanguageCount][1], const LocalTable& bodies,
                 int item, int language);

}  // namespace texts
