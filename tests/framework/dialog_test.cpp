#include <gtest/gtest.h>
#include <atomic>
#include "framework/Framework.h"
#include "framework/TestSeams.h"
#include "test_dialogs.h"

namespace {

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(IDD_FW_TEST) {}
    CString m_text = L"start";
    int m_check = 1;
    int initCount = 0;
    int pressed = 0;
    int preTranslated = 0;
    int drawn = 0;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ++initCount;
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_KEYDOWN) ++preTranslated;
        return CDialog::PreTranslateMessage(pMsg);
    }
    void OnPress() { ++pressed; }
    void OnDrawItem(int, LPDRAWITEMSTRUCT) { ++drawn; }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_FW_EDIT, m_text);
        DDX_Check(pDX, IDC_FW_CHECK, m_check);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_BN_CLICKED(IDC_FW_BUTTON, &TestDialog::OnPress)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

struct SeamReset {
    ~SeamReset() {
        fw::test::SetModalAnswer(nullptr);
        fw::test::SetModalShown(nullptr);
    }
};

}  // namespace

TEST(DialogTest, TestSeamAnswersWithoutShowing) {
    SeamReset reset;
    int asked = 0;
    fw::test::SetModalAnswer([&](CDialog& d) -> std::optional<INT_PTR> {
        ++asked;
        EXPECT_EQ(d.GetTemplateId(), (UINT)IDD_FW_TEST);
        return IDCANCEL;
    });
    TestDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(dlg.initCount, 0);
}

TEST(DialogTest, ShownModalRunsItsOwnLoopAndExchangesData) {
    SeamReset reset;
    TestDialog dlg;
    fw::test::SetModalShown([&](CDialog& d) {
        EXPECT_TRUE(d.IsInModalLoop());
        CString edit;
        d.GetDlgItemText(IDC_FW_EDIT, edit);
        EXPECT_EQ(edit, L"start");
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_FW_CHECK), (UINT)BST_CHECKED);
        // A key press goes through PreTranslateMessage of the dialog.
        ::PostMessageW(d.GetDlgItem(IDC_FW_EDIT)->m_hWnd, WM_KEYDOWN, 'A', 0);
        fw::test::PumpFor(30);
        // Clicking the button reaches the map; the owner-drawn button was drawn.
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FW_BUTTON, BN_CLICKED),
                      (LPARAM)d.GetDlgItem(IDC_FW_BUTTON)->m_hWnd);
        d.SetDlgItemText(IDC_FW_EDIT, L"\u041f\u0440\u0438\u0432\u0435\u0442");
        d.CheckDlgButton(IDC_FW_CHECK, BST_UNCHECKED);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.initCount, 1);
    EXPECT_EQ(dlg.pressed, 1);
    EXPECT_GE(dlg.preTranslated, 1);
    EXPECT_GE(dlg.drawn, 1);
    EXPECT_EQ(dlg.m_text, L"\u041f\u0440\u0438\u0432\u0435\u0442");
    EXPECT_EQ(dlg.m_check, 0);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(DialogTest, EscapeAndCloseEndWithCancel) {
    SeamReset reset;
    TestDialog dlg;
    fw::test::SetModalShown([&](CDialog& d) { d.SendMessage(WM_CLOSE); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(DialogTest, ModelessChildPageLivesInsideItsParent) {
    TestDialog parent;
    ASSERT_TRUE(parent.Create(IDD_FW_TEST));
    CDialog page(IDD_FW_CHILD, &parent);
    ASSERT_TRUE(page.Create(IDD_FW_CHILD, &parent));
    EXPECT_EQ(::GetParent(page.m_hWnd), parent.m_hWnd);
    EXPECT_TRUE(page.GetStyle() & WS_CHILD);
    EXPECT_EQ(page.GetParent(), &parent);
    parent.DestroyWindow();
    EXPECT_EQ(page.m_hWnd, nullptr);
    EXPECT_EQ(parent.m_hWnd, nullptr);
}

namespace {

// Ends a modal loop that does not end by itself: posts WM_QUIT to the
// waiting thread after ms, and tells whether it had to.
class LoopWatchdog {
public:
    LoopWatchdog(DWORD ms) : m_thread(::GetCurrentThreadId()), m_ms(ms) {
        m_stop.Attach(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        m_worker.Attach(::CreateThread(nullptr, 0, &Run, this, 0, nullptr));
    }
    ~LoopWatchdog() {
        ::SetEvent(m_stop);
        ::WaitForSingleObject(m_worker, INFINITE);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    }
    bool Fired() const { return m_fired; }

private:
    static DWORD WINAPI Run(LPVOID p) {
        auto* self = static_cast<LoopWatchdog*>(p);
        if (::WaitForSingleObject(self->m_stop, self->m_ms) == WAIT_TIMEOUT) {
            self->m_fired = true;
            ::PostThreadMessageW(self->m_thread, WM_QUIT, 0, 0);
        }
        return 0;
    }
    DWORD m_thread, m_ms;
    std::atomic<bool> m_fired{false};
    CHandle m_stop, m_worker;
};

}  // namespace

TEST(DialogTest, ModalLoopEndsWhenItsWindowIsDestroyedWithoutEndDialog) {
    SeamReset reset;
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, CWnd::RegisterWndClass(0), L"owner", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    TestDialog dlg;
    dlg.m_pParentWnd = &owner;
    fw::test::SetModalShown([&](CDialog& d) { d.DestroyWindow(); });
    INT_PTR result = 0;
    {
        LoopWatchdog watchdog(10000);
        result = dlg.DoModal();
        EXPECT_FALSE(watchdog.Fired()) << "the loop ran on after its window was gone";
    }
    EXPECT_NE(result, IDOK);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_FALSE(dlg.IsInModalLoop());
    EXPECT_TRUE(owner.IsWindowEnabled());  // the owner is given back
    // The dialog object can be shown again.
    fw::test::SetModalShown([&](CDialog& d) { d.EndDialog(IDOK); });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    owner.DestroyWindow();
}
