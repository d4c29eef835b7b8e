// The main dialog's status line: 13 texts, one per UI language, shown in the
// current language. Worker threads and the UI thread both reach the texts,
// so every access takes the status lock; only the UI thread shows them.
#include "app/UpdaterDlg.h"
#include "app/Theme.h"
#include "app/resource.h"
#include "texts/WizardTexts.h"

namespace {
int ClampLanguage(int language) { return (language >= 0 && language < STATUS_LANGUAGES) ? language : 0; }
}  // namespace

void CUpdaterDlg::BuildActivityStatusTexts(CString* out) {
    CString texts[STATUS_LANGUAGES];
    for (int i = 0; i < STATUS_LANGUAGES; ++i) GetTextPageActivity(texts[i], m_nPage, m_nUsbStatus, i);
    {
        CSingleLock lock(&m_csStatus, TRUE);
        for (int i = 0; i < STATUS_LANGUAGES; ++i) m_astrStatusText[i] = texts[i];
    }
    if (out) *out = texts[ClampLanguage(m_nLanguage)];
}

void CUpdaterDlg::SetStatusTextForLanguage(CString text, int language) {
    if (language < 0 || language >= STATUS_LANGUAGES) return;
    CSingleLock lock(&m_csStatus, TRUE);
    m_astrStatusText[language] = text;
}

void CUpdaterDlg::GetStatusText(CString* out) {
    if (!out) return;
    CSingleLock lock(&m_csStatus, TRUE);
    *out = m_astrStatusText[ClampLanguage(m_nLanguage)];
}

void CUpdaterDlg::ShowStatusText(CString text, BOOL error) {
    m_bStatusOk = !error;
    m_strStatusText2.Empty();
    if (!m_staticStatus.m_hWnd) return;
    m_staticStatus.SetTextColor(error ? theme::kErrorText : theme::kStatusText);
    m_staticStatus.SetText(text);
}

void CUpdaterDlg::SetPageStatusLine(int page) {
    for (int i = 0; i < STATUS_LANGUAGES; ++i) {
        CString text;
        GetTextPageInstruction(text, page, m_nUsbStatus, i);
        SetStatusTextForLanguage(text, i);
    }
    CString current;
    GetStatusText(&current);
    ShowStatusText(current, FALSE);
}

void CUpdaterDlg::ShowStoredStatusText() {
    CString current;
    GetStatusText(&current);
    ShowStatusText(current, !m_bStatusOk);
}
