#include "grid/CellDropDown.h"
#include "grid/ConfigListCtrl.h"
#include "grid/ListCtrlCellWnd.h"
#include "grid/PressCheck.h"

namespace {
// The drop-down code's lock; its value is the shared button-pressed flag.
CButtonCritSect g_dropDownLock;
}  // namespace

CButtonCritSect& CCellDropDown::Lock() { return g_dropDownLock; }
BOOL CCellDropDown::IsButtonPressed() { return g_dropDownLock.GetValue() != 0; }
void CCellDropDown::SetButtonPressed(BOOL pressed) { g_dropDownLock.SetValue(pressed ? 1 : 0); }

BOOL CCellDropDown::ReadPrimaryButton(POINT* cursor) {
    // The system-wide state: a worker thread has no input state of its own.
    int button = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    BOOL down = (::GetAsyncKeyState(button) & 0x8000) != 0;
    if (cursor && !::GetCursorPos(cursor)) cursor->x = cursor->y = -0x8000;
    return down;
}

CCellDropDown::CCellDropDown()
    : m_nButtonWidth(::GetSystemMetrics(SM_CXVSCROLL) + ::GetSystemMetrics(SM_CXEDGE)) {}

CCellDropDown::~CCellDropDown() {
    if (m_bOpen) SetPagePopupFlag(FALSE);
}

CConfigListCtrl* CCellDropDown::GetList() const { return CConfigListCtrl::FromListHandle(m_hList); }

void CCellDropDown::SetPagePopupFlag(BOOL open) {
    if (CConfigListCtrl* list = GetList()) list->NotifyCellPopupOpen(open);
}

void CCellDropDown::CalcTextRect() {
    m_rcText = m_rcCell;
    m_rcText.left += ::GetSystemMetrics(SM_CXEDGE);
    m_rcText.top += ::GetSystemMetrics(SM_CYEDGE);
    m_rcText.right -= m_nButtonWidth;
    m_rcText.bottom -= ::GetSystemMetrics(SM_CYEDGE);
}

void CCellDropDown::SetRect(const RECT* rc) {
    m_rcCell = *rc;
    CalcTextRect();
    m_rcArrow = *rc;
    m_rcArrow.left = m_rcArrow.right - m_nButtonWidth;
    m_rcButton = m_bClickAnywhere ? *rc : m_rcArrow;
}

void CCellDropDown::Reposition(const RECT* rc) {
    m_rcCell = *rc;
    m_bNarrow = (rc->right - rc->left) <= m_nButtonWidth;
    CalcTextRect();
}

void CCellDropDown::DrawButton(CDC* pDC, const RECT* prc, UINT) {
    int saved = pDC->SaveDC();
    CRect rc(*prc);
    DWORD style = GetStyle();
    BOOL disabled = IsDrawnDisabled();
    if ((m_bActive && (style & cellstyle::kSunkenActive)) || (!m_bActive && (style & cellstyle::kSunkenInactive))) {
        pDC->DrawEdge(&rc, EDGE_SUNKEN, BF_RECT);
    } else if ((m_bActive && (style & cellstyle::kFrameActive)) ||
               (!m_bActive && (style & cellstyle::kFrameInactive))) {
        pDC->SelectStockObject(HOLLOW_BRUSH);
        pDC->Rectangle(&rc);
    }
    if (rc.Width() > m_nButtonWidth) {
        CRect arrow;
        arrow.right = rc.right - ::GetSystemMetrics(SM_CXEDGE);
        arrow.left = arrow.right - ::GetSystemMetrics(SM_CXVSCROLL);
        arrow.top = rc.top + ::GetSystemMetrics(SM_CYEDGE);
        arrow.bottom = rc.bottom - ::GetSystemMetrics(SM_CYEDGE);
        BOOL pressed = m_bPainted ? IsButtonPressed() : m_bOpen;
        UINT state = 0;
        if (disabled) state = DFCS_INACTIVE;
        else if (pressed && m_bActive) state = DFCS_FLAT;
        pDC->DrawFrameControl(&arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | state);
        m_bNarrow = FALSE;
    } else {
        m_bNarrow = TRUE;
    }
    pDC->RestoreDC(saved);
}

BOOL CCellDropDown::CreatePopupWindow() { return m_pPopup && m_pPopup->m_hWnd; }

BOOL CCellDropDown::OnClicked(UINT, CPoint point) {
    if (m_bNarrow) return TRUE;
    if (!m_bOpen) {
        if (!CreatePopupWindow()) return TRUE;
        CRect rc;
        CalcPopupRect(&rc, TRUE);
        CRect screen(rc);
        ::MapWindowPoints(m_hList, HWND_DESKTOP, (LPPOINT)&screen, 2);
        // The work area of the monitor the cell is on.
        CRect cellScreen(m_rcCell);
        ::MapWindowPoints(m_hList, HWND_DESKTOP, (LPPOINT)&cellScreen, 2);
        MONITORINFO mi = {sizeof(mi)};
        CRect area(0, 0, ::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN));
        if (HMONITOR monitor = ::MonitorFromRect(&cellScreen, MONITOR_DEFAULTTONEAREST)) {
            if (::GetMonitorInfoW(monitor, &mi)) area = mi.rcWork;
        }
        if (!IsRectInsideRect(&screen, &area)) {
            CalcPopupRect(&rc, FALSE);
            screen = rc;
            ::MapWindowPoints(m_hList, HWND_DESKTOP, (LPPOINT)&screen, 2);
        }
        // The popup never takes the activation (the page's window stays
        // active, as under a drop-down list); the grid keeps the keyboard
        // focus and hands the popup its keys and wheel while it is open.
        m_pPopup->SetWindowPos(HWND_TOP, screen.left, screen.top, screen.Width(), screen.Height(),
                               SWP_SHOWWINDOW | SWP_NOACTIVATE);
        SyncPopup();
        if (m_hList && ::GetFocus() != m_hList) ::SetFocus(m_hList);
        m_bOpen = TRUE;
        SetPagePopupFlag(TRUE);
        SetButtonPressed(TRUE);
        InvalidateInList(&m_rcArrow);
        if (m_bPainted) {
            CRect arrowScreen(m_rcArrow);
            ::MapWindowPoints(m_hList, HWND_DESKTOP, (LPPOINT)&arrowScreen, 2);
            presscheck::Start(m_hList, m_rcArrow, arrowScreen);
        }
        (void)point;
    } else if (m_pPopup) {
        HidePopup();
        m_bOpen = FALSE;
        SetPagePopupFlag(FALSE);
    }
    return TRUE;
}

void CCellDropDown::TrackButton(const POINT* pt) {
    BOOL before = IsButtonPressed();
    BOOL down = (::GetKeyState(::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0;
    BOOL now = down && ::PtInRect(&m_rcArrow, *pt);
    SetButtonPressed(now);
    if (IsButtonPressed() != before) InvalidateInList(&m_rcArrow);
}

BOOL CCellDropDown::OnCellNotify(WPARAM code, LPARAM index) {
    if (code == kCellNotifyPick) {
        // A pick of no item (nothing highlighted, a line scrolled away) is a cancel.
        BOOL picked = SelectIndex((int)index);
        ClosePopupAndFocus();
        return picked;
    }
    if (code == kCellNotifyCancel) ClosePopupAndFocus();
    return FALSE;
}

void CCellDropDown::ClosePopupAndFocus() {
    m_bOpen = FALSE;
    SetPagePopupFlag(FALSE);
    HidePopup();
    InvalidateInList(&m_rcText);
    InvalidateInList(&m_rcArrow);
    if (m_hList && ::IsWindow(m_hList)) ::SetFocus(m_hList);
}

void CCellDropDown::HidePopup() {
    if (m_pPopup && m_pPopup->m_hWnd && m_pPopup->IsWindowVisible()) m_pPopup->ShowWindow(SW_HIDE);
}

void CCellDropDown::HidePopupWindow() {
    HidePopup();
    BOOL wasOpen = m_bOpen;
    m_bOpen = FALSE;
    if (wasOpen) SetPagePopupFlag(FALSE);
}

BOOL CCellDropDown::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_bOpen && m_pPopup && m_pPopup->m_hWnd) {
        m_pPopup->SendMessage(WM_KEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
        return TRUE;
    }
    if (nChar == VK_F4) OnClicked(nFlags, CPoint(0, 0));
    return TRUE;
}

BOOL CCellDropDown::OnMouseWheel(UINT nFlags, short zDelta, CPoint point) {
    if (!m_bOpen || !m_pPopup || !m_pPopup->m_hWnd) return TRUE;
    m_pPopup->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(nFlags, (WORD)zDelta), MAKELPARAM(point.x, point.y));
    return FALSE;
}

BOOL CCellDropDown::OnLButtonDown(UINT nFlags, CPoint point) {
    m_bActive = TRUE;
    CCellButton::OnLButtonDown(nFlags, point);
    return FALSE;
}

BOOL CCellDropDown::OnLButtonUp(UINT, CPoint) {
    m_bActive = FALSE;
    InvalidateInList(&m_rcButton);
    return FALSE;
}

void CCellDropDown::OnKillFocus(CWnd* pNewWnd) {
    if (!m_pPopup || !m_pPopup->m_hWnd) return;
    HWND hNew = pNewWnd ? pNewWnd->m_hWnd : nullptr;
    if (hNew != m_pPopup->m_hWnd && m_pPopup->IsWindowVisible()) {
        HidePopupWindow();
        InvalidateInList(&m_rcArrow);
    }
}

void CCellDropDown::Deactivate() {
    m_bActive = FALSE;
    HidePopupWindow();
}

void CCellDropDown::ClosePopup() { HidePopupWindow(); }

BOOL CCellDropDown::OnScroll() {
    HidePopupWindow();
    return TRUE;
}

void CCellDropDown::CancelPopup() {
    if (!m_bOpen) return;
    m_bOpen = FALSE;
    SetPagePopupFlag(FALSE);
    if (m_pPopup) m_pPopup->ClosePopupWindow();
    InvalidateInList(&m_rcText);
    InvalidateInList(&m_rcArrow);
}

void CCellDropDown::EndPopup() {
    if (!m_bOpen) return;
    ::ReleaseCapture();
    ClosePopupAndFocus();
}

void CCellDropDown::UpdatePopupPosition() {
    if (!m_bOpen || !m_pPopup || !m_pPopup->m_hWnd) return;
    CRect rc;
    CalcPopupRect(&rc, TRUE);
    ::MapWindowPoints(m_hList, HWND_DESKTOP, (LPPOINT)&rc, 2);
    m_pPopup->SetWindowPos(HWND_TOP, rc.left, rc.top, rc.Width(), rc.Height(), SWP_SHOWWINDOW);
}
