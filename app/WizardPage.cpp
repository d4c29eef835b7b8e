#include "app/WizardPage.h"
#include "app/UpdaterDlg.h"

BEGIN_MESSAGE_MAP(CWizardPage, CDialog)
    ON_WM_CTLCOLOR()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CUpdaterDlg* CWizardPage::MainDialog() const { return GetMainDialog(const_cast<CWizardPage*>(this)); }

void CWizardPage::FitToFrame() {
    HWND frame = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    if (!frame) return;
    RECT room, page;
    ::GetClientRect(frame, &room);
    ::GetWindowRect(m_hWnd, &page);
    const int width = room.right - room.left;
    const int pageWidth = page.right - page.left;
    if (width <= 0 || pageWidth <= width) return;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(HWND_DESKTOP, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        int height = r.bottom - r.top;
        wchar_t cls[16] = {0};
        ::GetClassNameW(child, cls, 16);
        if (::lstrcmpiW(cls, L"ComboBox") == 0) {
            // A combo box's own height includes its drop-down list.
            RECT dropped;
            if (::SendMessageW(child, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&dropped))
                height = dropped.bottom - dropped.top > height ? dropped.bottom - dropped.top : height;
        }
        const int left = MulDiv(r.left, width, pageWidth);
        const int right = MulDiv(r.right, width, pageWidth);
        ::SetWindowPos(child, nullptr, left, r.top, right - left, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, width, page.bottom - page.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWizardPage::UsesPageBackground(CWnd*, UINT) { return TRUE; }

HBRUSH CWizardPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (!UsesPageBackground(pWnd, nCtlColor)) return brush;
    CUpdaterDlg* main = MainDialog();
    if (!main || !main->m_brushBackground.m_hObject) return brush;
    pDC->SetBkMode(TRANSPARENT);
    return main->m_brushBackground;
}

BOOL CWizardPage::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    CUpdaterDlg* main = MainDialog();
    if (main && main->m_bBusy) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}
