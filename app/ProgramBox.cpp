#include "app/ProgramBox.h"
#include "app/DialogKeys.h"
#include "app/Theme.h"

namespace {
int g_openBoxes = 0;
}

BEGIN_MESSAGE_MAP(CProgramBox, CDialog)
    ON_WM_CTLCOLOR()
    ON_WM_ERASEBKGND()
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CProgramBox::CProgramBox(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {
    m_brushBackground.CreateSolidBrush(theme::kBackground);
}

CProgramBox::~CProgramBox() {
    if (m_bCounted) --g_openBoxes;
}

int CProgramBox::OpenCount() { return g_openBoxes; }

HWND CProgramBox::OwnerRoot() const {
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner && m_hWnd) owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!owner) owner = ::GetActiveWindow();
    return owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
}

void CProgramBox::SaveOwnerFocus() {
    m_hSavedOwner = OwnerRoot();
    m_hSavedFocus = ::GetFocus();
}

void CProgramBox::RestoreOwnerFocus() {
    HWND owner = m_hSavedOwner;
    m_hSavedOwner = nullptr;
    if (!owner || !::IsWindow(owner) || !::IsWindowVisible(owner) || !::IsWindowEnabled(owner)) return;
    // Another box of the program still runs above the owner: it keeps the input.
    HWND active = ::GetActiveWindow();
    if (active && active != owner && active != m_hWnd && ::IsWindowVisible(active) &&
        ::GetAncestor(::GetWindow(active, GW_OWNER), GA_ROOT) == owner)
        return;
    if (active != owner) ::SetActiveWindow(owner);
    HWND focus = m_hSavedFocus;
    if (focus && (focus == owner || ::IsChild(owner, focus)) && ::IsWindowVisible(focus) && ::IsWindowEnabled(focus))
        ::SetFocus(focus);
    else if (dialogkeys::IsFocusLost(owner)) {
        LRESULT def = ::SendMessageW(owner, DM_GETDEFID, 0, 0);
        dialogkeys::FocusDefault(owner, HIWORD(def) == DC_HASDEFID ? LOWORD(def) : 0);
    }
}

INT_PTR CProgramBox::DoModal() {
    SaveOwnerFocus();
    ++g_openBoxes;
    m_bCounted = TRUE;
    INT_PTR result = CDialog::DoModal();
    --g_openBoxes;
    m_bCounted = FALSE;
    RestoreOwnerFocus();
    return result;
}

BOOL CProgramBox::OnInitDialog() {
    CDialog::OnInitDialog();
    // Every push button of the template becomes one of the flat buttons;
    // OK carries the accent colour.
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        ::GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"Button") != 0) continue;
        DWORD type = (DWORD)::GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK;
        if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON && type != BS_OWNERDRAW) continue;
        if (CWnd::FromHandlePermanent(child)) continue;
        auto button = std::make_unique<CWizardButton>();
        button->m_nKind = ::GetDlgCtrlID(child) == IDOK ? CWizardButton::kPrimary : CWizardButton::kNavigation;
        button->SubclassWindow(child);
        m_buttons.push_back(std::move(button));
    }
    return TRUE;
}

CWizardButton* CProgramBox::Button(int id) {
    HWND h = ::GetDlgItem(m_hWnd, id);
    for (auto& b : m_buttons)
        if (b->m_hWnd == h) return b.get();
    return nullptr;
}

BOOL CProgramBox::PreTranslateMessage(MSG* pMsg) {
    if (m_hWnd && (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd))) {
        LRESULT def = SendMessage(DM_GETDEFID);
        if (dialogkeys::HandleEnter(m_hWnd, pMsg, HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK)) return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

HBRUSH CProgramBox::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_EDIT || nCtlColor == CTLCOLOR_LISTBOX) return brush;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(theme::kButtonText);
    return m_brushBackground;
}

BOOL CProgramBox::OnEraseBkgnd(CDC* pDC) {
    // The wizard's background with a thin frame, so that the box stands out
    // from the window behind it.
    RECT r;
    GetClientRect(&r);
    pDC->FillSolidRect(&r, theme::kBackground);
    CBrush frame(theme::kButtonBorder);
    pDC->FrameRect(&r, &frame);
    return TRUE;
}

void CProgramBox::OnShowWindow(BOOL show, UINT status) {
    // A modal box about to disappear gives its owner the input back first,
    // so that activation goes to the owner and not to another program.
    if (!show && IsModal()) {
        HWND owner = OwnerRoot();
        if (owner && owner != m_hWnd && !::IsWindowEnabled(owner)) ::EnableWindow(owner, TRUE);
    }
    CDialog::OnShowWindow(show, status);
}

int CProgramBox::LayoutButtonRow(std::initializer_list<int> fromRight, int leftId) {
    RECT client;
    GetClientRect(&client);
    const int top = client.bottom - theme::BoxMargin() - theme::BoxButtonHeight();
    CClientDC dc(this);
    CGdiSelection font(dc, GetFont());
    auto widthOf = [&](HWND button) {
        CString caption;
        CWnd::FromHandle(button)->GetWindowText(caption);
        SIZE s{};
        ::GetTextExtentPoint32W(dc, caption, caption.GetLength(), &s);
        // Captions are drawn bold: room for that and the padding.
        int w = s.cx + s.cx / 8 + 4 * theme::ButtonPadding();
        return w > theme::BoxButtonMinWidth() ? w : theme::BoxButtonMinWidth();
    };
    int x = client.right - theme::BoxMargin();
    for (int id : fromRight) {
        HWND b = ::GetDlgItem(m_hWnd, id);
        if (!b || !(::GetWindowLongPtrW(b, GWL_STYLE) & WS_VISIBLE)) continue;
        int w = widthOf(b);
        x -= w;
        ::MoveWindow(b, x, top, w, theme::BoxButtonHeight(), TRUE);
        x -= theme::BoxButtonGap();
    }
    if (HWND b = leftId ? ::GetDlgItem(m_hWnd, leftId) : nullptr) {
        if (::GetWindowLongPtrW(b, GWL_STYLE) & WS_VISIBLE)
            ::MoveWindow(b, theme::BoxMargin(), top, widthOf(b), theme::BoxButtonHeight(), TRUE);
    }
    return top;
}

void CProgramBox::SetClientSizeCentred(int cx, int cy) {
    RECT frame = {0, 0, cx, cy};
    ::AdjustWindowRectEx(&frame, GetStyle(), FALSE, GetExStyle());
    int w = frame.right - frame.left, h = frame.bottom - frame.top;
    RECT around;
    HWND owner = OwnerRoot();
    if (owner && owner != m_hWnd) ::GetWindowRect(owner, &around);
    else ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &around, 0);
    int left = around.left + ((around.right - around.left) - w) / 2;
    int top = around.top + ((around.bottom - around.top) - h) / 2;
    SetWindowPos(nullptr, left, top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}
