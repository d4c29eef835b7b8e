#include "app/FittedText.h"
#include "app/DpiScale.h"
#include "framework/Gdi.h"

namespace {

HFONT MakeFont(HFONT base, int height, int weight) {
    LOGFONTW lf{};
    ::GetObjectW(base ? base : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfHeight = height;
    lf.lfWidth = 0;
    if (weight >= 0) lf.lfWeight = weight;
    lf.lfQuality = CLEARTYPE_QUALITY;
    return ::CreateFontIndirectW(&lf);
}

// Width and height of the wrapped text, and whether a word had to be broken.
bool Fits(HDC dc, const CString& text, const RECT& rect) {
    RECT r = {0, 0, rect.right - rect.left, 0};
    ::DrawTextW(dc, text, text.GetLength(), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return r.right <= rect.right - rect.left && r.bottom <= rect.bottom - rect.top;
}

}  // namespace

int FitFontHeight(HDC dc, const CString& text, const RECT& rect, HFONT baseFont, int weight) {
    LOGFONTW lf{};
    ::GetObjectW(baseFont ? baseFont : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    int height = lf.lfHeight;
    int sign = height < 0 ? -1 : 1;
    int size = height < 0 ? -height : height;
    const int kMinSize = dpiscale::FontHeight(9);
    for (; size > kMinSize; --size) {
        CFont f;
        f.Attach(MakeFont(baseFont, sign * size, weight));
        CGdiSelection font(dc, f);
        if (Fits(dc, text, rect)) break;
    }
    return sign * size;
}

int DrawFittedText(HDC dc, const CString& text, const RECT& rect, HFONT baseFont, UINT format, int weight) {
    int height = FitFontHeight(dc, text, rect, baseFont, weight);
    CFont f;
    f.Attach(MakeFont(baseFont, height, weight));
    CGdiSelection font(dc, f);
    RECT calc = {0, 0, rect.right - rect.left, 0};
    ::DrawTextW(dc, text, text.GetLength(), &calc, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    RECT r = rect;
    if (format & DT_VCENTER) {
        int used = calc.bottom - calc.top;
        int free = (rect.bottom - rect.top) - used;
        if (free > 0) r.top += free / 2;
    }
    ::DrawTextW(dc, text, text.GetLength(), &r, (format & ~(DT_VCENTER | DT_SINGLELINE)) | DT_WORDBREAK | DT_NOPREFIX);
    return calc.bottom - calc.top;
}
