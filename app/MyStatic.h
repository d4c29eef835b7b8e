// An owner-drawn static of the wizard: a text in its own colour and weight,
// wrapped and shrunk to fit, on the wizard's background; or a bitmap drawn
// centred. The status line, the page title and the device picture use it.
#pragma once
#include "framework/Framework.h"

class CMyStatic : public CStatic {
public:
    void SetTextColor(COLORREF color);
    void SetBold(BOOL bold);
    void SetLargeFont(int pointSizeTenths);
    // Shows the bitmap centred instead of the text (null: the text again).
    void SetPicture(HBITMAP bitmap);
    void SetCentered(BOOL centered) { m_bCentered = centered; }
    void SetText(const CString& text);

    COLORREF GetTextColor() const { return m_crText; }
    void DrawItem(LPDRAWITEMSTRUCT dis) override;

private:
    COLORREF m_crText = RGB(0, 0, 0);
    BOOL m_bBold = FALSE;
    BOOL m_bCentered = FALSE;
    HBITMAP m_hPicture = nullptr;  // not owned
    CFont m_fontLarge;
};
