// A window object that lets go of its window leaves every other procedure of
// the window's chain in place and reached.
#include <gtest/gtest.h>
#include "framework/Framework.h"

namespace {

const UINT kProbe = WM_USER + 5;
int g_classCalls = 0, g_topCalls = 0, g_objectCalls = 0;
WNDPROC g_belowTop = nullptr;

LRESULT CALLBACK ClassProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == kProbe) ++g_classCalls;
    return ::DefWindowProcW(h, m, w, l);
}

// Another component's subclass, put on top of the framework's.
LRESULT CALLBACK TopProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == kProbe) ++g_topCalls;
    return ::CallWindowProcW(g_belowTop, h, m, w, l);
}

class ProbeWnd : public CWnd {
public:
    LRESULT OnProbe(WPARAM, LPARAM) {
        ++g_objectCalls;
        return Default();
    }
protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbeWnd, CWnd)
    ON_MESSAGE(kProbe, &ProbeWnd::OnProbe)
END_MESSAGE_MAP()

HWND NewWindow() {
    static ATOM atom = 0;
    if (!atom) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &ClassProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"FwChainTest";
        atom = ::RegisterClassW(&wc);
    }
    return ::CreateWindowExW(0, L"FwChainTest", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

void Reset() { g_classCalls = g_topCalls = g_objectCalls = 0; }

WNDPROC ProcOf(HWND h) { return (WNDPROC)::GetWindowLongPtrW(h, GWLP_WNDPROC); }

}  // namespace

TEST(SubclassTest, LettingGoOnTopOfTheChainRestoresTheOldProcedure) {
    HWND h = NewWindow();
    ProbeWnd w;
    ASSERT_TRUE(w.SubclassWindow(h));
    Reset();
    ::SendMessageW(h, kProbe, 0, 0);
    EXPECT_EQ(g_objectCalls, 1);
    EXPECT_EQ(g_classCalls, 1);
    EXPECT_EQ(w.UnsubclassWindow(), h);
    EXPECT_EQ(ProcOf(h), &ClassProc);
    ::DestroyWindow(h);
}

TEST(SubclassTest, LettingGoBelowAnotherSubclassKeepsTheChainWhole) {
    struct Case {
        const char* name;
        bool byDestructor;
    };
    for (const Case& c : {Case{"unsubclass", false}, Case{"object destroyed", true}}) {
        SCOPED_TRACE(c.name);
        HWND h = NewWindow();
        {
            ProbeWnd w;
            ASSERT_TRUE(w.SubclassWindow(h));
            g_belowTop = (WNDPROC)::SetWindowLongPtrW(h, GWLP_WNDPROC, (LONG_PTR)&TopProc);
            if (!c.byDestructor) w.UnsubclassWindow();
        }
        // The other subclass stays on top, and messages still reach the
        // window's own procedure through it, but no longer the object.
        EXPECT_EQ(ProcOf(h), &TopProc);
        Reset();
        ::SendMessageW(h, kProbe, 0, 0);
        EXPECT_EQ(g_topCalls, 1);
        EXPECT_EQ(g_classCalls, 1);
        EXPECT_EQ(g_objectCalls, 0);
        // The other component unhooks in turn, and then it is the plain window.
        ::SetWindowLongPtrW(h, GWLP_WNDPROC, (LONG_PTR)g_belowTop);
        Reset();
        ::SendMessageW(h, kProbe, 0, 0);
        EXPECT_EQ(g_classCalls, 1);
        EXPECT_EQ(g_topCalls, 0);
        EXPECT_TRUE(::DestroyWindow(h));
    }
}
