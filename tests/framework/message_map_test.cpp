#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "framework/Framework.h"
#include "framework/TestSeams.h"

namespace {

constexpr UINT WM_APP_PING = WM_APP + 1;

class BaseWnd : public CWnd {
public:
    std::vector<std::string> log;
    BOOL CreateTop() {
        return CreateEx(0, RegisterWndClass(0), L"base", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100), nullptr, 0);
    }
    void OnTimer(UINT_PTR id) { log.push_back("base-timer-" + std::to_string(id)); }
    LRESULT OnPing(WPARAM w, LPARAM) { log.push_back("base-ping"); return (LRESULT)w + 1; }
    void OnCmd() { log.push_back("base-cmd"); }
protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_WM_TIMER()
    ON_MESSAGE(WM_APP_PING, &BaseWnd::OnPing)
    ON_COMMAND(200, &BaseWnd::OnCmd)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
public:
    LRESULT OnPing(WPARAM w, LPARAM) { log.push_back("derived-ping"); return (LRESULT)w * 10; }
    void OnRange(UINT id) { log.push_back("range-" + std::to_string(id)); }
    void OnFirst() { log.push_back("first"); }
    void OnSecond() { log.push_back("second"); }
    void OnNotifyClick(NMHDR* h, LRESULT* r) { log.push_back("notify-" + std::to_string(h->idFrom)); *r = 7; }
protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
    ON_MESSAGE(WM_APP_PING, &DerivedWnd::OnPing)
    ON_COMMAND(300, &DerivedWnd::OnFirst)
    ON_COMMAND(300, &DerivedWnd::OnSecond)
    ON_COMMAND_RANGE(400, 410, &DerivedWnd::OnRange)
    ON_NOTIFY(NM_CLICK, 55, &DerivedWnd::OnNotifyClick)
END_MESSAGE_MAP()

// A child control that handles its own notifications by reflection.
class ReflectingButton : public CWnd {
public:
    int clicks = 0;
    void OnReflectedClick() { ++clicks; }
protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingButton, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, &ReflectingButton::OnReflectedClick)
END_MESSAGE_MAP()

}  // namespace

TEST(MessageMapTest, DerivedEntryWinsAndBaseEntriesStillApply) {
    DerivedWnd w;
    ASSERT_TRUE(w.CreateTop());
    EXPECT_EQ(w.SendMessage(WM_APP_PING, 4), 40);
    w.SendMessage(WM_COMMAND, MAKEWPARAM(200, 0));
    w.SendMessage(WM_TIMER, 9);
    EXPECT_EQ(w.log, (std::vector<std::string>{"derived-ping", "base-cmd", "base-timer-9"}));
    w.DestroyWindow();
    EXPECT_EQ(w.m_hWnd, nullptr);
}

TEST(MessageMapTest, FirstMatchingEntryInOrderHandlesTheCommand) {
    DerivedWnd w;
    ASSERT_TRUE(w.CreateTop());
    w.SendMessage(WM_COMMAND, MAKEWPARAM(300, 0));
    w.SendMessage(WM_COMMAND, MAKEWPARAM(405, 0));
    w.SendMessage(WM_COMMAND, MAKEWPARAM(411, 0));  // outside the range: nobody
    w.SendMessage(WM_COMMAND, MAKEWPARAM(300, 1));  // another code: not a command entry
    EXPECT_EQ(w.log, (std::vector<std::string>{"first", "range-405"}));
    w.DestroyWindow();
}

TEST(MessageMapTest, NotifyCarriesTheHandlersResult) {
    DerivedWnd w;
    ASSERT_TRUE(w.CreateTop());
    NMHDR h{};
    h.idFrom = 55;
    h.code = NM_CLICK;
    EXPECT_EQ(w.SendMessage(WM_NOTIFY, 55, (LPARAM)&h), 7);
    h.idFrom = 56;
    h.hwndFrom = nullptr;
    EXPECT_EQ(w.SendMessage(WM_NOTIFY, 56, (LPARAM)&h), 0);
    EXPECT_EQ(w.log, (std::vector<std::string>{"notify-55"}));
    w.DestroyWindow();
}

TEST(MessageMapTest, UnhandledMessagesReachTheOriginalProcedure) {
    DerivedWnd w;
    ASSERT_TRUE(w.CreateTop());
    w.SetWindowText(L"\u65e5\u672c\u8a9e title");
    CString text;
    w.GetWindowText(text);
    EXPECT_EQ(text, L"\u65e5\u672c\u8a9e title");
    w.DestroyWindow();
}

TEST(MessageMapTest, ControlNotificationIsReflectedToASubclassedChild) {
    DerivedWnd parent;
    ASSERT_TRUE(parent.CreateTop());
    HWND button = ::CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | BS_PUSHBUTTON, 0, 0, 40, 20, parent.m_hWnd,
                                    (HMENU)77, nullptr, nullptr);
    ReflectingButton child;
    ASSERT_TRUE(child.SubclassWindow(button));
    EXPECT_EQ(CWnd::FromHandlePermanent(button), &child);
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(77, BN_CLICKED), (LPARAM)button);
    EXPECT_EQ(child.clicks, 1);
    EXPECT_TRUE(parent.log.empty());
    parent.DestroyWindow();
    EXPECT_EQ(child.m_hWnd, nullptr);  // detached when its window went away
}

TEST(MessageMapTest, BorrowedWrapperForAForeignWindowIsStable) {
    HWND h = ::CreateWindowExW(0, L"STATIC", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd* a = CWnd::FromHandle(h);
    CWnd* b = CWnd::FromHandle(h);
    EXPECT_EQ(a, b);
    EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    ::DestroyWindow(h);
}
