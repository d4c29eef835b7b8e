#include "update/UpdateStatusTexts.h"
#include "texts/WizardTexts.h"
#include "update/FirmwareInfo.h"

LanguageText TextOf(TextGetterFn getter) {
    return [getter](int language) {
        CString s;
        getter(s, language);
        return s;
    };
}

void SetFailureTexts(CFirmwareInfo* info, int page, const LanguageText& message, const CString& suffix) {
    info->SetStatusTexts([&](int language) {
        CString failure, text;
        GetTextPageFailure(failure, page, 0, language);
        text.Format(L"%s. %s%s", (const wchar_t*)failure, (const wchar_t*)message(language), (const wchar_t*)suffix);
        return text;
    });
}

void FailUpdate(CFirmwareInfo* info, int page, const LanguageText& message, const CString& suffix, int error) {
    SetFailureTexts(info, page, message, suffix);
    info->m_nError = error;
    info->m_bFinished = 1;
}

void SetActivityTexts(CFirmwareInfo* info, int page, const LanguageText& message) {
    info->SetStatusTexts([&](int language) {
        CString activity, text;
        GetTextPageActivity(activity, page, 0, language);
        if (!message) return activity;
        text.Format(L"%s %s", (const wchar_t*)activity, (const wchar_t*)message(language));
        return text;
    });
}
