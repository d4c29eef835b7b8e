#include <gtest/gtest.h>
#include <typeinfo>
#include "framework/Framework.h"
#include "framework/TestSeams.h"
#include "test_dialogs.h"

namespace {

class DrawnButton : public CButton {
public:
    int draws = 0;
    void DrawItem(LPDRAWITEMSTRUCT dis) override {
        ++draws;
        CDC::FromHandle(dis->hDC)->FillSolidRect(&dis->rcItem, RGB(200, 0, 0));
    }
};

class ControlsDialog : public CDialog {
public:
    ControlsDialog() : CDialog(IDD_FW_TEST) {}
    DrawnButton m_drawn;
    CComboBox m_combo;
protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_FW_OWNERDRAW, m_drawn);
        DDX_Control(pDX, IDC_FW_COMBO, m_combo);
    }
};

}  // namespace

TEST(ControlsTest, OwnerDrawnControlDrawsItselfThroughReflection) {
    ControlsDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_FW_TEST));
    dlg.ShowWindow(SW_SHOW);
    dlg.m_drawn.Invalidate();
    dlg.m_drawn.UpdateWindow();
    EXPECT_GE(dlg.m_drawn.draws, 1);
    dlg.DestroyWindow();
}

TEST(ControlsTest, ComboTextsKeepNonAsciiAndLongEntries) {
    ControlsDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_FW_TEST));
    CString longText(L'\u00e4', 600);
    dlg.m_combo.AddString(L"\ud55c\uad6d\uc5b4");
    dlg.m_combo.AddString(longText);
    CString got;
    dlg.m_combo.GetLBText(0, got);
    EXPECT_EQ(got, L"\ud55c\uad6d\uc5b4");
    dlg.m_combo.GetLBText(1, got);
    EXPECT_EQ(got, longText);
    dlg.m_combo.GetLBText(7, got);  // no such entry
    EXPECT_TRUE(got.IsEmpty());
    dlg.DestroyWindow();
}

TEST(ControlsTest, ListCtrlReturnsTextsLongerThanItsFirstBuffer) {
    ControlsDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_FW_TEST));
    CListCtrl list;
    ASSERT_TRUE(list.Create(LVS_REPORT, CRect(0, 0, 200, 100), &dlg, 900));
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 100);
    list.InsertColumn(1, L"Value", LVCFMT_LEFT, 100);
    CString longText(L'x', 1000);
    ASSERT_EQ(list.InsertItem(0, L"Volume"), 0);
    list.SetItemText(0, 1, longText);
    list.SetItemData(0, 0x1234);
    EXPECT_EQ(list.GetItemText(0, 0), L"Volume");
    EXPECT_EQ(list.GetItemText(0, 1).GetLength(), 1000);
    EXPECT_EQ(list.GetItemData(0), (DWORD_PTR)0x1234);
    EXPECT_EQ(list.GetItemCount(), 1);
    dlg.DestroyWindow();
}

TEST(ControlsTest, FileDialogAndPopupMenuAreAnsweredByTests) {
    fw::test::SetFileDialogAnswer([](CFileDialog& d) -> std::optional<CString> {
        EXPECT_FALSE(d.IsOpenDialog());
        return CString(L"C:\\logs\\a.talvolog");
    });
    CFileDialog save(FALSE, L"talvolog", L"a.talvolog", OFN_OVERWRITEPROMPT, L"Log (*.talvolog)|*.talvolog||");
    EXPECT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), L"C:\\logs\\a.talvolog");
    EXPECT_EQ(save.GetFileName(), L"a.talvolog");
    EXPECT_EQ(save.GetFolderPath(), L"C:\\logs");
    fw::test::SetFileDialogAnswer([](CFileDialog&) { return std::optional<CString>(); });
    EXPECT_EQ(save.DoModal(), IDCANCEL);
    fw::test::SetFileDialogAnswer(nullptr);

    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 41, L"About");
    menu.AppendMenu(MF_STRING, 42, L"Diagnostic Log");
    fw::test::SetPopupMenuAnswer([](HMENU m) { return GetMenuItemID(m, 1); });
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr), 42);
    fw::test::SetPopupMenuAnswer(nullptr);
    CString text;
    menu.GetMenuString(41, text, MF_BYCOMMAND);
    EXPECT_EQ(text, L"About");
}

namespace {

class ScrollHost : public CWnd {
public:
    CScrollBar* received = nullptr;
    int receivedPos = -1;
    void OnHScroll(UINT, UINT, CScrollBar* bar) {
        received = bar;
        if (bar) receivedPos = bar->GetScrollPos();
    }
protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ScrollHost, CWnd)
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

class OwnHeader : public CHeaderCtrl {};

}  // namespace

// Handlers and getters that hand out a scroll bar or a header give objects of
// that class, never a plain window wrapper taken for one.
TEST(ControlsTest, ScrollBarsAndHeadersAreHandedOutAsTheirOwnClass) {
    ScrollHost host;
    ASSERT_TRUE(host.CreateEx(0, CWnd::RegisterWndClass(0), L"host", WS_POPUP, CRect(0, 0, 200, 200), nullptr, 0));
    CWnd plain;  // a scroll bar no object of its class is attached to
    ASSERT_TRUE(plain.CreateEx(0, L"SCROLLBAR", L"", WS_CHILD | SBS_HORZ, CRect(0, 0, 100, 16), &host, 7));
    ::SetScrollRange(plain, SB_CTL, 0, 100, FALSE);
    ::SetScrollPos(plain, SB_CTL, 42, FALSE);
    host.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 42), (LPARAM)plain.m_hWnd);
    ASSERT_NE(host.received, nullptr);
    EXPECT_EQ(typeid(*host.received), typeid(CScrollBar));
    EXPECT_EQ(host.received->m_hWnd, plain.m_hWnd);
    EXPECT_EQ(host.receivedPos, 42);
    EXPECT_EQ(CWnd::FromHandle(plain), &plain);  // the attached plain object is still itself

    CScrollBar own;  // an attached scroll bar object is handed out as itself
    ASSERT_TRUE(own.Create(SBS_HORZ, CRect(0, 20, 100, 36), &host, 8));
    host.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), (LPARAM)own.m_hWnd);
    EXPECT_EQ(host.received, &own);

    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 40, 200, 200), &host, 9));
    list.InsertColumn(0, L"Name");
    CHeaderCtrl* header = list.GetHeaderCtrl();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(typeid(*header), typeid(CHeaderCtrl));
    EXPECT_EQ(header->GetItemCount(), 1);
    OwnHeader subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(header->m_hWnd));
    EXPECT_EQ(list.GetHeaderCtrl(), &subclassed);
    subclassed.UnsubclassWindow();
    host.DestroyWindow();
}
