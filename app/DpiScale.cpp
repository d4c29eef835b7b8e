#include "app/DpiScale.h"

namespace dpiscale {
namespace {

// The font of every dialog template of the program (resources.rc).
const wchar_t kTemplateFace[] = L"Arial";
const int kTemplatePoints = 10;

struct BaseUnits {
    int x = 0, y = 0;
};

// The dialog base units of the template font at a dpi, as the dialog
// manager computes them: the average width of the letters and the height.
BaseUnits UnitsAt(HDC dc, int dpi) {
    LOGFONTW lf{};
    lf.lfHeight = -::MulDiv(kTemplatePoints, dpi, 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, kTemplateFace, LF_FACESIZE);
    HFONT font = ::CreateFontIndirectW(&lf);
    HGDIOBJ old = ::SelectObject(dc, font);
    static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent{};
    TEXTMETRICW tm{};
    BaseUnits units;
    if (::GetTextExtentPoint32W(dc, kLetters, 52, &extent) && ::GetTextMetricsW(dc, &tm)) {
        units.x = (extent.cx / 26 + 1) / 2;
        units.y = tm.tmHeight;
    }
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    return units;
}

struct Factor {
    BaseUnits now, at96;
    bool valid = false;
};

const Factor& TheFactor() {
    static Factor factor = [] {
        Factor f;
        HDC dc = ::GetDC(nullptr);
        const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
        if (dpi > 0 && dpi != USER_DEFAULT_SCREEN_DPI) {
            f.now = UnitsAt(dc, dpi);
            f.at96 = UnitsAt(dc, USER_DEFAULT_SCREEN_DPI);
            f.valid = f.now.x > 0 && f.now.y > 0 && f.at96.x > 0 && f.at96.y > 0;
        }
        ::ReleaseDC(nullptr, dc);
        return f;
    }();
    return factor;
}

}  // namespace

int X(int pixelsAt96) {
    const Factor& f = TheFactor();
    return f.valid ? ::MulDiv(pixelsAt96, f.now.x, f.at96.x) : pixelsAt96;
}

int Y(int pixelsAt96) {
    const Factor& f = TheFactor();
    return f.valid ? ::MulDiv(pixelsAt96, f.now.y, f.at96.y) : pixelsAt96;
}

SIZE Size(SIZE pixelsAt96) { return SIZE{X(pixelsAt96.cx), Y(pixelsAt96.cy)}; }

int FontHeight(int heightAt96) { return Y(heightAt96); }

int PercentX() { return X(100); }
int PercentY() { return Y(100); }

}  // namespace dpiscale
