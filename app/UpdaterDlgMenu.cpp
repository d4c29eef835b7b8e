// The main dialog's popup menu (right mouse button, the context-menu key or
// Shift+F10): language, online help, diagnostic log, About box and exit.
// Every command is ignored while busy.
#include "app/UpdaterDlg.h"
#include "app/AboutDlg.h"
#include "app/AppPaths.h"
#include "app/AppTexts.h"
#include "app/DiagnosticLog.h"
#include "app/DialogLanguageManager.h"
#include "app/DialogMessageBox.h"
#include "app/ShellOpen.h"
#include "app/resource.h"
#include "core/ServerAddress.h"
#include "framework/FileDialog.h"
#include "texts/WizardTexts.h"

void CUpdaterDlg::OnContextMenu(CWnd*, CPoint point) { OpenPopupMenu(point); }

void CUpdaterDlg::OpenPopupMenu(CPoint point) {
    if (m_bBusy || !IsWindowEnabled()) return;
    CMenu menu;
    if (!menu.LoadMenu(IDR_POPUP_MENU)) return;
    CMenu popup;
    popup.Attach(menu.GetSubMenu(0));
    struct Item {
        UINT id;
        apptext::Id text;
    };
    static const Item kItems[] = {
        {ID_MENU_LANGUAGE, apptext::kMenuLanguage},     {ID_MENU_HELP, apptext::kMenuHelp},
        {ID_MENU_DIAGNOSTIC_LOG, apptext::kDiagnosticLog}, {ID_MENU_ABOUT, apptext::kMenuAbout},
        {ID_MENU_EXIT, apptext::kMenuExit},
    };
    for (const Item& item : kItems)
        popup.ModifyMenu(item.id, MF_BYCOMMAND | MF_STRING, item.id, apptext::Get(item.text, m_nLanguage));
    if (point.x == -1 && point.y == -1) {
        // From the keyboard: under the focused control, else at the top left
        // of the page.
        RECT r;
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(m_hWnd, focus)) {
            ::GetWindowRect(focus, &r);
            point = CPoint(r.left, r.bottom);
        } else {
            m_pageFrame.GetWindowRect(&r);
            point = CPoint(r.left, r.top);
        }
    }
    popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CUpdaterDlg::OnMenuLanguage() {
    if (m_bBusy) return;
    CDialogLanguageManager dlg(this);
    dlg.m_nLanguage = m_nLanguage;
    dlg.m_bApplyToFirmwareLanguage = m_bApplyToFirmwareLanguage;
    if (dlg.DoModal() != IDOK) return;
    ApplyLanguage(dlg.m_nLanguage, dlg.m_bApplyToFirmwareLanguage);
}

void CUpdaterDlg::OnMenuHelp() {
    if (m_bBusy) return;
    CString url = GetServerBaseUrl() + L"Help";
    ShellOpen(url);
}

void CUpdaterDlg::OnMenuAbout() {
    if (m_bBusy) return;
    CAboutDlg dlg(this);
    dlg.DoModal();
}

void CUpdaterDlg::OnMenuDiagnosticLog() {
    if (m_bBusy) return;
    CDiagnosticLog log;
    log.Collect(*this);
    CString name = log.DefaultFileName();
    CString filter = apptext::Get(apptext::kLogFileFilter, m_nLanguage) + L"|*.talvolog||";
    CFileDialog dlg(FALSE, L"talvolog", name, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter, this);
    dlg.m_initialDir = apppaths::FileDialogFolder(m_strCurrentPath);
    if (dlg.DoModal() != IDOK) return;
    CString path = dlg.GetPathName();
    BOOL saved = log.Save(path);
    if (saved) {
        int slash = path.ReverseFind(L'\\');
        if (slash >= 0) m_strCurrentPath = path.Left(slash + 1);
    }
    CString ok, text;
    GetTextOk(ok, m_nLanguage);
    if (saved) text.Format(apptext::Get(apptext::kLogSaved, m_nLanguage), (const wchar_t*)path);
    else text = apptext::Get(apptext::kLogNotSaved, m_nLanguage);
    CSize size(440, 130);
    CDialogMessageBox box(this);
    box.Setup(text, saved ? 0 : 1, nullptr, ok, &size);
    box.DoModal();
}
