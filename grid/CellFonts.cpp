#include "grid/CellFonts.h"
#include "app/DpiScale.h"
#include "framework/Gdi.h"
#include <cwchar>

namespace cellfonts {
namespace {

CFont g_normal;
CFont g_active;
int g_references = 0;

void Create(HWND hList) {
    LOGFONTW lf{};
    HFONT listFont = hList ? (HFONT)::SendMessageW(hList, WM_GETFONT, 0, 0) : nullptr;
    if (listFont) {
        LOGFONTW base{};
        if (::GetObjectW(listFont, sizeof(base), &base)) {
            wcsncpy(lf.lfFaceName, base.lfFaceName, LF_FACESIZE - 1);
        }
    }
    lf.lfHeight = dpiscale::FontHeight(-12);  // 12 pixels at 96 dpi
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = DEFAULT_CHARSET;
    g_normal.CreateFontIndirect(&lf);
    g_active.CreateFontIndirect(&lf);
}

}  // namespace

void Acquire(HWND hList, HFONT* normal, HFONT* active) {
    if (g_references++ == 0 || !g_normal.GetSafeHandle()) Create(hList);
    *normal = g_normal;
    *active = g_active;
}

void Release() {
    if (g_references <= 0) return;
    if (--g_references == 0) {
        g_normal.DeleteObject();
        g_active.DeleteObject();
    }
}

int References() { return g_references; }

}  // namespace cellfonts
