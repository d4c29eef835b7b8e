#include "app/DialogMessageBox.h"
#include "app/AppVersion.h"
#include "app/ShellOpen.h"
#include "app/Theme.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "core/ServerAddress.h"
#include "framework/Clock.h"

namespace {
const int kMargin = 12;
const int kIconSize = 64;
const int kButtonHeight = 28;
const int kButtonMinWidth = 92;
const int kButtonGap = 8;
}  // namespace

BEGIN_MESSAGE_MAP(CDialogMessageBox, CDialog)
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_WM_CTLCOLOR()
    ON_WM_SETCURSOR()
    ON_WM_ERASEBKGND()
    ON_BN_CLICKED(IDC_MSG_LINK, &CDialogMessageBox::OnLink)
END_MESSAGE_MAP()

CDialogMessageBox::CDialogMessageBox(CWnd* owner) : CDialog(IDD_MESSAGE_BOX, owner) {
    m_brush.CreateSolidBrush(theme::kBackground);
}

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
    if (!Create(IDD_MESSAGE_BOX, mainDialog)) return FALSE;
    ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

BOOL CDialogMessageBox::OnInitDialog() {
    CDialog::OnInitDialog();
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
    CClientDC dc(this);
    CGdiSelection font(dc, GetFont());
    auto buttonWidth = [&](const CString& caption) {
        SIZE s{};
        ::GetTextExtentPoint32W(dc, caption, caption.GetLength(), &s);
        return s.cx + 28 > kButtonMinWidth ? s.cx + 28 : kButtonMinWidth;
    };

    int cx = m_size.cx > 240 ? m_size.cx : 240;
    int cy = m_size.cy > 110 ? m_size.cy : 110;
    int textLeft = kMargin + kIconSize + 14;
    int textWidth = cx - textLeft - kMargin;
    RECT need = {0, 0, textWidth, 0};
    ::DrawTextW(dc, m_strText, m_strText.GetLength(), &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    int buttonsTop = cy - kMargin - kButtonHeight;
    int textRoom = buttonsTop - 10 - kMargin;
    if (need.bottom > textRoom) {
        // Never clip the text: the box grows downwards.
        cy += need.bottom - textRoom;
        buttonsTop = cy - kMargin - kButtonHeight;
        textRoom = need.bottom;
    }
    // Buttons from the right: OK, then Cancel; the link button on the left.
    int x = cx - kMargin;
    int okWidth = buttonWidth(m_strOk), cancelWidth = buttonWidth(m_strCancel), linkWidth = buttonWidth(m_strLink);
    CWnd* ok = GetDlgItem(IDOK);
    CWnd* cancel = GetDlgItem(IDCANCEL);
    CWnd* link = GetDlgItem(IDC_MSG_LINK);
    if (m_bHasOk) {
        x -= okWidth;
        ok->MoveWindow(x, buttonsTop, okWidth, kButtonHeight);
        x -= kButtonGap;
    }
    ok->ShowWindow(m_bHasOk ? SW_SHOW : SW_HIDE);
    if (m_bHasCancel) {
        x -= cancelWidth;
        cancel->MoveWindow(x, buttonsTop, cancelWidth, kButtonHeight);
    }
    cancel->ShowWindow(m_bHasCancel ? SW_SHOW : SW_HIDE);
    if (m_bHasLink) link->MoveWindow(kMargin, buttonsTop, linkWidth, kButtonHeight);
    link->ShowWindow(m_bHasLink ? SW_SHOW : SW_HIDE);
    // The text is centred vertically beside the icon.
    int textTop = kMargin;
    if (need.bottom < kIconSize) textTop += (kIconSize - need.bottom) / 2;
    GetDlgItem(IDC_MSG_TEXT)->MoveWindow(textLeft, textTop, textWidth, textRoom > need.bottom ? textRoom : need.bottom);
    GetDlgItem(IDC_MSG_ICON)->MoveWindow(kMargin, kMargin, kIconSize, kIconSize);

    // The window around the client size, centred on the main window.
    RECT frame = {0, 0, cx, cy};
    ::AdjustWindowRectEx(&frame, GetStyle(), FALSE, GetExStyle());
    int w = frame.right - frame.left, h = frame.bottom - frame.top;
    RECT around;
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (owner) owner = ::GetAncestor(owner, GA_ROOT);
    if (owner) ::GetWindowRect(owner, &around);
    else ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
    int left = around.left + ((around.right - around.left) - w) / 2;
    int top = around.top + ((around.bottom - around.top) - h) / 2;
    SetWindowPos(HWND_TOP, left, top, w, h, SWP_NOACTIVATE);
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
        return;
    }
    if (m_bWaiting) return;
    EndDialog(IDCANCEL);
}

void CDialogMessageBox::OnLink() {
    CString target = m_strLinkTarget.IsEmpty() ? GetServerBaseUrl() + L"ReleaseNotes" : m_strLinkTarget;
    ShellOpen(target);
}

HBRUSH CDialogMessageBox::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetBkMode(TRANSPARENT);
    return m_brush;
}

BOOL CDialogMessageBox::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (m_bWaiting) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}

BOOL CDialogMessageBox::OnEraseBkgnd(CDC* pDC) {
    // The wizard's background with a thin frame, so that the box stands out
    // from the window behind it.
    RECT r;
    GetClientRect(&r);
    pDC->FillSolidRect(&r, theme::kBackground);
    CBrush frame(theme::kButtonBorder);
    pDC->FrameRect(&r, &frame);
    return TRUE;
}
