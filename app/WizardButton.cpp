#include "app/WizardButton.h"
#include "app/FittedText.h"
#include "app/Theme.h"

void CWizardButton::SetSelected(BOOL selected) {
    if (m_bSelected == selected) return;
    m_bSelected = selected;
    if (m_hWnd) Invalidate(FALSE);
}

void CWizardButton::DrawItem(LPDRAWITEMSTRUCT dis) {
    HDC dc = dis->hDC;
    RECT r = dis->rcItem;
    BOOL disabled = (dis->itemState & ODS_DISABLED) != 0;
    BOOL pressed = (dis->itemState & ODS_SELECTED) != 0;

    COLORREF fill, border, text;
    if (disabled) {
        fill = theme::kDisabledFill;
        border = theme::kDisabledBorder;
        text = theme::kDisabledText;
    } else if (m_nKind == kPrimary || m_bSelected) {
        fill = pressed ? theme::kAccentPressed : theme::kAccent;
        border = theme::kAccentPressed;
        text = theme::kAccentText;
    } else {
        fill = pressed ? theme::kButtonPressed : theme::kButtonFill;
        border = theme::kButtonBorder;
        text = theme::kButtonText;
    }
    if (disabled && m_bSelected) {
        // The current step while the wizard is busy keeps its mark, dimmed.
        fill = theme::kAccentDimmed;
        border = theme::kAccentDimmed;
        text = theme::kAccentText;
    }

    // Parent background behind the rounded corners.
    HBRUSH bg = ::CreateSolidBrush(theme::kBackground);
    ::FillRect(dc, &r, bg);
    ::DeleteObject(bg);
    {
        CBrush b(fill);
        CPen p(PS_SOLID, 1, border);
        CGdiSelection brush(dc, b), pen(dc, p);
        ::RoundRect(dc, r.left, r.top, r.right, r.bottom, 6, 6);
    }

    if (m_nKind == kStep && m_bSelected) {
        // A marker bar on the left of the current step.
        RECT bar = {r.left + 3, r.top + 4, r.left + 6, r.bottom - 4};
        HBRUSH mark = ::CreateSolidBrush(theme::kAccentText);
        ::FillRect(dc, &bar, mark);
        ::DeleteObject(mark);
    }

    CString caption;
    GetWindowText(caption);
    RECT tr = r;
    ::InflateRect(&tr, -6, -2);
    if (m_nKind == kStep) tr.left += 4;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, text);
    UINT align = m_nKind == kStep ? DT_LEFT : DT_CENTER;
    DrawFittedText(dc, caption, tr, GetFont(), align | DT_VCENTER, FW_BOLD);

    if ((dis->itemState & ODS_FOCUS) && !(dis->itemState & ODS_NOFOCUSRECT)) {
        RECT fr = r;
        ::InflateRect(&fr, -3, -3);
        ::DrawFocusRect(dc, &fr);
    }
}
