#include "texts/HelpTextSupport.h"

namespace texts {

void ComposeHelp(CString& out, const CString (&title)[kLanguageCount][1], const LocalTable& bodies,
                 int item, int language) {
    CString text(L"[");
    text += title[LanguageSlot(language)][0];
    text += L"]\n";
    text += bodies.At(item, language);
    out = text;
}

}  // namespace texts
