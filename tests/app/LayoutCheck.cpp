#include "LayoutCheck.h"
#include <commctrl.h>
#include <string>
#include <vector>

namespace layoutcheck {
namespace {

std::string Describe(HWND control) {
    wchar_t text[48] = {};
    ::GetWindowTextW(control, text, 48);
    std::wstring t = text;
    std::string s = "control " + std::to_string(::GetDlgCtrlID(control));
    if (!t.empty()) {
        std::string narrow;
        for (wchar_t c : t) narrow += c < 128 ? (char)c : '?';
        s += " \"" + narrow + "\"";
    }
    return s;
}

std::string Rect(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// Holds controls of its own: a dialog (a page) or a frame of pages.
bool HoldsControls(HWND w) {
    wchar_t cls[16] = {};
    ::GetClassNameW(w, cls, 16);
    return std::wstring(cls) == L"#32770" || (::GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

// An up-down control sits on the border of its buddy by design.
bool BuddyPair(HWND a, HWND b) {
    auto isUpDownOf = [](HWND updown, HWND buddy) {
        wchar_t cls[32] = {};
        ::GetClassNameW(updown, cls, 32);
        return std::wstring(cls) == UPDOWN_CLASSW && (HWND)::SendMessageW(updown, UDM_GETBUDDY, 0, 0) == buddy;
    };
    return isUpDownOf(a, b) || isUpDownOf(b, a);
}

void Check(HWND parent, std::vector<std::string>* faults) {
    RECT room;
    ::GetClientRect(parent, &room);
    ::MapWindowPoints(parent, nullptr, (POINT*)&room, 2);
    std::vector<HWND> shown;
    for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
        if (::IsWindowVisible(c)) shown.push_back(c);
    for (size_t i = 0; i < shown.size(); ++i) {
        RECT r;
        ::GetWindowRect(shown[i], &r);
        if (r.right <= r.left || r.bottom <= r.top) continue;
        if (r.left < room.left || r.top < room.top || r.right > room.right || r.bottom > room.bottom)
            faults->push_back(Describe(shown[i]) + " " + Rect(r) + " lies outside " + Describe(parent) + " " +
                              Rect(room));
        for (size_t j = i + 1; j < shown.size(); ++j) {
            RECT other, both;
            ::GetWindowRect(shown[j], &other);
            if (::IntersectRect(&both, &r, &other) && !BuddyPair(shown[i], shown[j]))
                faults->push_back(Describe(shown[i]) + " " + Rect(r) + " overlaps " + Describe(shown[j]) + " " +
                                  Rect(other));
        }
        if (HoldsControls(shown[i])) Check(shown[i], faults);
    }
}

}  // namespace

::testing::AssertionResult NothingClippedNothingOverlaps(HWND window) {
    std::vector<std::string> faults;
    // The window itself on the screen.
    RECT r, screen = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::GetWindowRect(window, &r);
    if (r.left < screen.left || r.top < screen.top || r.right > screen.right || r.bottom > screen.bottom)
        faults.push_back("the window " + Rect(r) + " is larger than the screen");
    Check(window, &faults);
    if (faults.empty()) return ::testing::AssertionSuccess();
    ::testing::AssertionResult result = ::testing::AssertionFailure();
    result << "at " << DisplayDpi() << " dpi:";
    for (const std::string& f : faults) result << "\n  " << f;
    return result;
}

int DisplayDpi() {
    HDC dc = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(nullptr, dc);
    return dpi;
}

}  // namespace layoutcheck
