#include "app/DialogMessageBox.h"
#include "app/AppVersion.h"
#include "app/ShellOpen.h"
#include "app/Theme.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "core/ServerAddress.h"
#include "framework/Clock.h"

namespace {
const int kIconSize = 64;
const int kIconGap = 16;  // icon to text
}  // namespace

BEGIN_MESSAGE_MAP(CDialogMessageBox, CProgramBox)
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_WM_SETCURSOR()
    ON_BN_CLICKED(IDC_MSG_LINK, &CDialogMessageBox::OnLink)
END_MESSAGE_MAP()

CDialogMessageBox::CDialogMessageBox(CWnd* owner) : CProgramBox(IDD_MESSAGE_BOX, owner) {}

void CDialogMessageBox::Setup(CString text, int iconKind, LPCWSTR cancelText, LPCWSTR okText, SIZE* size) {
    SetupEx(text, iconKind, nullptr, cancelText, okText, size, FALSE);
}

void CDialogMessageBox::SetupEx(CString text, int iconKind, LPCWSTR linkText, LPCWSTR cancelText, LPCWSTR okText,
                                SIZE* size, BOOL ownerIsGrandparent) {
    m_strText = text;
    m_nIconKind = iconKind;
    m_bHasLink = linkText != nullptr;
    m_strLink = linkText ? linkText : L"";
    m_bHasCancel = cancelText != nullptr;
    m_strCancel = cancelText ? cancelText : L"";
    m_bHasOk = okText != nullptr;
    m_strOk = okText ? okText : L"";
    if (size) m_size = CSize(size->cx, size->cy);
    if (ownerIsGrandparent && m_pParentWnd) {
        if (CWnd* parent = m_pParentWnd->GetParent())
            if (CWnd* grand = parent->GetParent()) m_pParentWnd = grand;
    }
}

CUpdaterDlg* CDialogMessageBox::Main() const { return g_pMainDialog; }

BOOL CDialogMessageBox::CreateWaitBox(CWnd* mainDialog) {
    m_pParentWnd = mainDialog;
    SaveOwnerFocus();
    if (!Create(IDD_MESSAGE_BOX, mainDialog)) return FALSE;
    ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

BOOL CDialogMessageBox::OnInitDialog() {
    CProgramBox::OnInitDialog();
    SetWindowText(MANAGER_DISPLAY_NAME);
    m_bmpIcon.LoadBitmap(m_nIconKind == 0 ? IDB_LOGO : IDB_WARNING);
    SendDlgItemMessage(IDC_MSG_ICON, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)(HBITMAP)m_bmpIcon);
    SetDlgItemText(IDC_MSG_TEXT, m_strText);
    SetDlgItemText(IDOK, m_strOk);
    SetDlgItemText(IDCANCEL, m_strCancel);
    SetDlgItemText(IDC_MSG_LINK, m_strLink);
    Layout();
    if (m_bHasOk) GetDlgItem(IDOK)->SetFocus();
    else if (m_bHasCancel) GetDlgItem(IDCANCEL)->SetFocus();
    return FALSE;
}

void CDialogMessageBox::Layout() {
    CWnd* ok = GetDlgItem(IDOK);
    CWnd* cancel = GetDlgItem(IDCANCEL);
    CWnd* link = GetDlgItem(IDC_MSG_LINK);
    ok->ShowWindow(m_bHasOk ? SW_SHOW : SW_HIDE);
    cancel->ShowWindow(m_bHasCancel ? SW_SHOW : SW_HIDE);
    link->ShowWindow(m_bHasLink ? SW_SHOW : SW_HIDE);

    // The sizes are given for 96 dpi: they grow with the display's scaling.
    const int margin = theme::BoxMargin();
    const int iconSize = dpiscale::X(kIconSize);
    const SIZE size = dpiscale::Size(SIZE{m_size.cx > 240 ? m_size.cx : 240, m_size.cy > 110 ? m_size.cy : 110});
    int cx = size.cx;
    int cy = size.cy;
    int textLeft = margin + iconSize + dpiscale::X(kIconGap);
    int textWidth = cx - textLeft - margin;
    RECT need = {0, 0, textWidth, 0};
    {
        CClientDC dc(this);
        CGdiSelection font(dc, GetFont());
        ::DrawTextW(dc, m_strText, m_strText.GetLength(), &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    BOOL anyButton = m_bHasOk || m_bHasCancel || m_bHasLink;
    // The text is centred vertically beside the icon; it ends a margin
    // above the buttons (or the box's edge).
    int textTop = margin;
    if (need.bottom < iconSize) textTop += (iconSize - need.bottom) / 2;
    int textBottom = (anyButton ? cy - margin - theme::BoxButtonHeight() : cy) - margin;
    if (textTop + need.bottom > textBottom) {
        // Never clip the text: the box grows downwards.
        cy += textTop + need.bottom - textBottom;
        textBottom = textTop + need.bottom;
    }
    // The window around the client size, centred on the main window; then
    // the buttons along its bottom: OK, then Cancel from the right, the
    // link button on the left.
    SetClientSizeCentred(cx, cy);
    if (anyButton) LayoutButtonRow({IDOK, IDCANCEL}, IDC_MSG_LINK);
    GetDlgItem(IDC_MSG_TEXT)->MoveWindow(textLeft, textTop, textWidth, textBottom - textTop);
    GetDlgItem(IDC_MSG_ICON)->MoveWindow(margin, margin, iconSize, iconSize);
    SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CDialogMessageBox::OnOK() {
    if (!m_bHasOk || m_bWaiting) return;
    CUpdaterDlg* main = Main();
    if (main && main->m_bThreadWait) ::InterlockedExchange((volatile LONG*)&main->m_bThreadWait, 0);
    if (main && m_bContinueUpdateOnOk) {
        m_bContinueUpdateOnOk = FALSE;
        main->m_updatePage.ContinueFirmwareUpdate();
    }
    if (main && main->m_bWaitBeforeOk) {
        // The device needs time before the user may go on.
        m_bWaiting = TRUE;
        GetDlgItem(IDOK)->EnableWindow(FALSE);
        SetTimer(kTimerWaitBeforeOk, kWaitBeforeOkMs);
        return;
    }
    FinishOk();
}

void CDialogMessageBox::FinishOk() {
    if (IsModal()) EndDialog(IDOK);
    else ShowWindow(SW_HIDE);
}

void CDialogMessageBox::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kTimerWaitBeforeOk) {
        Default();
        return;
    }
    KillTimer(kTimerWaitBeforeOk);
    m_bWaiting = FALSE;
    if (CUpdaterDlg* main = Main()) main->m_bWaitBeforeOk = FALSE;
    FinishOk();
}

void CDialogMessageBox::OnCancel() {
    // Esc ends the box only when it has a Cancel button.
    if (!m_bHasCancel || m_bWaiting) return;
    EndDialog(IDCANCEL);
}

void CDialogMessageBox::OnClose() {
    if (!IsModal()) {
        // A wait box closed by its owner: hidden here, destroyed by the owner.
        KillTimer(kTimerWaitBeforeOk);
        ShowWindow(SW_HIDE);
        RestoreOwnerFocus();
        return;
    }
    if (m_bWaiting) return;
    EndDialog(IDCANCEL);
}

void CDialogMessageBox::OnLink() {
    CString target = m_strLinkTarget.IsEmpty() ? GetServerBaseUrl() + L"ReleaseNotes" : m_strLinkTarget;
    ShellOpen(target);
}

BOOL CDialogMessageBox::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (m_bWaiting) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}
