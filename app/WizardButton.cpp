#include "app/WizardButton.h"
#include "app/DpiScale.h"
#include "app/FittedText.h"
#include "app/Theme.h"

namespace {

// Blends two colours; t = 0 gives a, t = 256 gives b.
COLORREF Mix(COLORREF a, COLORREF b, int t) {
    auto ch = [&](int sa, int sb) { return (sa * (256 - t) + sb * t) / 256; };
    return RGB(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)), ch(GetBValue(a), GetBValue(b)));
}

void RoundBox(HDC dc, const RECT& r, COLORREF fill, COLORREF border, int radius) {
    CBrush b(fill);
    CPen p(PS_SOLID, 1, border);
    CGdiSelection brush(dc, b), pen(dc, p);
    ::RoundRect(dc, r.left, r.top, r.right, r.bottom, radius, radius);
}

}  // namespace

void CWizardButton::PreSubclassWindow() {
    // Owner-drawn whatever the template says; the dialog manager's default
    // state is kept apart (see BM_SETSTYLE below).
    DWORD style = GetStyle();
    if ((style & BS_TYPEMASK) != BS_OWNERDRAW) {
        m_bDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
    }
}

void CWizardButton::SetSelected(BOOL selected) {
    if (m_bSelected == selected) return;
    m_bSelected = selected;
    if (m_hWnd) Invalidate(FALSE);
}

void CWizardButton::SetHot(BOOL hot) {
    if (m_bHot == hot) return;
    m_bHot = hot;
    Invalidate(FALSE);
}

LRESULT CWizardButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: {
        // A push button to the dialog manager: Enter on it presses it, and
        // focus moving onto it makes it the default for the time being.
        LRESULT code = CButton::WindowProc(message, wParam, lParam);
        code &= ~(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
        return code | DLGC_BUTTON | (m_bDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    }
    case BM_SETSTYLE: {
        // The dialog manager moves the default mark with this; the button
        // stays owner-drawn and only remembers the mark.
        UINT type = (UINT)wParam & BS_TYPEMASK;
        if (type == BS_DEFPUSHBUTTON || type == BS_PUSHBUTTON) {
            BOOL isDefault = type == BS_DEFPUSHBUTTON;
            if (isDefault != m_bDefault) {
                m_bDefault = isDefault;
                if (lParam) Invalidate(FALSE);
            }
            return 0;
        }
        break;
    }
    case WM_MOUSEMOVE:
        if (!m_bTracking) {
            TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
            m_bTracking = ::TrackMouseEvent(&tme);
        }
        SetHot(TRUE);
        break;
    case WM_MOUSELEAVE:
        m_bTracking = FALSE;
        SetHot(FALSE);
        break;
    case WM_ENABLE:
        if (!wParam) SetHot(FALSE);
        break;
    default:
        break;
    }
    return CButton::WindowProc(message, wParam, lParam);
}

void CWizardButton::DrawItem(LPDRAWITEMSTRUCT dis) {
    HDC dc = dis->hDC;
    RECT r = dis->rcItem;
    BOOL disabled = (dis->itemState & ODS_DISABLED) != 0;
    BOOL pressed = (dis->itemState & ODS_SELECTED) != 0;
    BOOL hot = m_bHot && !disabled;
    BOOL accent = m_nKind == kPrimary || m_bSelected;

    COLORREF fill, border, text;
    if (disabled) {
        fill = theme::kDisabledFill;
        border = theme::kDisabledBorder;
        text = theme::kDisabledText;
        if (m_bSelected) {
            // The current step while the wizard is busy keeps its mark, dimmed.
            fill = border = theme::kAccentDimmed;
            text = theme::kAccentText;
        }
    } else if (accent) {
        fill = pressed ? theme::kAccentPressed : hot ? theme::kAccentHot : theme::kAccent;
        border = theme::kAccentPressed;
        text = theme::kAccentText;
    } else {
        fill = pressed ? theme::kButtonPressed : hot ? theme::kButtonHot : theme::kButtonFill;
        border = hot || pressed ? theme::kAccent : theme::kButtonBorder;
        text = theme::kButtonText;
    }

    // Parent background behind the rounded corners.
    HBRUSH bg = ::CreateSolidBrush(theme::kBackground);
    ::FillRect(dc, &r, bg);
    ::DeleteObject(bg);
    const int radius = dpiscale::X(theme::kButtonRadius);
    RoundBox(dc, r, fill, border, radius);

    // The default button of a box carries the accent colour on its border.
    if (m_bDefault && !accent && !disabled) {
        RECT in = r;
        ::InflateRect(&in, -1, -1);
        RoundBox(dc, in, fill, theme::kAccent, radius - 1);
    }

    if (m_nKind == kStep && m_bSelected) {
        // A marker bar on the left of the current step.
        RECT bar = {r.left + dpiscale::X(4), r.top + dpiscale::Y(5), r.left + dpiscale::X(7), r.bottom - dpiscale::Y(5)};
        HBRUSH mark = ::CreateSolidBrush(theme::kAccentText);
        ::FillRect(dc, &bar, mark);
        ::DeleteObject(mark);
    }

    CString caption;
    GetWindowText(caption);
    RECT tr = r;
    ::InflateRect(&tr, -dpiscale::X(theme::kButtonPadding), -dpiscale::Y(2));
    if (m_nKind == kStep) tr.left += dpiscale::X(6);
    if (pressed) ::OffsetRect(&tr, 0, 1);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, text);
    UINT align = m_nKind == kStep ? DT_LEFT : DT_CENTER;
    DrawFittedText(dc, caption, tr, GetFont(), align | DT_VCENTER, FW_BOLD);

    if ((dis->itemState & ODS_FOCUS) && !(dis->itemState & ODS_NOFOCUSRECT)) {
        // A ring inside the border: visible on light and on accent fills.
        RECT fr = r;
        ::InflateRect(&fr, -dpiscale::X(3), -dpiscale::Y(3));
        COLORREF ring = accent && !disabled ? theme::kAccentText : Mix(theme::kAccent, fill, 40);
        CPen p(PS_SOLID, 1, ring);
        CGdiSelection pen(dc, p), brush(dc, ::GetStockObject(NULL_BRUSH));
        ::SetBkMode(dc, TRANSPARENT);
        ::RoundRect(dc, fr.left, fr.top, fr.right, fr.bottom, radius - 2, radius - 2);
    }
}
