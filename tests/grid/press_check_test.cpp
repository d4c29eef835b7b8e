// The arrow of a combo-box cell under real mouse input: the press that opens
// the popup starts a short check on another thread, which must see the
// button as the system does (that thread has no input of its own).
#include "GridHost.h"
#include "framework/Clock.h"
#include "grid/CellDropDown.h"

namespace {

void SendButton(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    ::SendInput(1, &in, sizeof(in));
}

class PressCheckTest : public FocusedGridTest {
protected:
    void TearDown() override {
        // Never leave the button held for the next test.
        if (::GetAsyncKeyState(VK_LBUTTON) & 0x8000) SendButton(MOUSEEVENTF_LEFTUP);
        Pump(20);
        fw::Clock::SetSpeed(m_speed);
        FocusedGridTest::TearDown();
    }
    CCellComboBox* AddCombo() {
        AddColumns();
        CCellComboBox* combo = AddComboRow(0, L"Level", {L"Low", L"Medium", L"High"}, 1);
        Paint();  // the arrow has been painted: openings start the check
        return combo;
    }
    // Presses the real left button over the arrow of the cell.
    void PressOnArrow(CCellComboBox* combo) {
        CRect cell = CellRect(0, 2);
        CPoint arrow(cell.right - ::GetSystemMetrics(SM_CXVSCROLL) / 2 - ::GetSystemMetrics(SM_CXEDGE),
                     cell.CenterPoint().y);
        List().ClientToScreen(&arrow);
        ::SetCursorPos(arrow.x, arrow.y);
        Pump(20);
        SendButton(MOUSEEVENTF_LEFTDOWN);
        for (int i = 0; i < 100 && !combo->IsPopupOpen(); ++i) Pump(5);
        ASSERT_TRUE(combo->IsPopupOpen());
    }
    void WaitForTheCheck() {
        for (int i = 0; i < 200 && CCellDropDown::RunningPressChecks() > 0; ++i) Pump(5);
        ASSERT_EQ(0, CCellDropDown::RunningPressChecks());
        Pump(10);
    }
    unsigned m_speed = fw::Clock::GetSpeed();
};

}  // namespace

TEST_F(PressCheckTest, AButtonHeldOverTheArrowKeepsItPressed) {
    CCellComboBox* combo = AddCombo();
    PressOnArrow(combo);
    WaitForTheCheck();
    ASSERT_TRUE(::GetAsyncKeyState(VK_LBUTTON) & 0x8000) << "the real button is held";
    EXPECT_TRUE(CCellDropDown::IsButtonPressed());
    EXPECT_TRUE(combo->IsPopupOpen());

    SendButton(MOUSEEVENTF_LEFTUP);
    Pump(20);
    EXPECT_TRUE(combo->IsPopupOpen());
}

TEST_F(PressCheckTest, AButtonReleasedBeforeTheCheckReturnsTheArrowToItsPlainLook) {
    fw::Clock::SetSpeed(1);  // the check waits its real 200 ms: room for the release
    CCellComboBox* combo = AddCombo();
    PressOnArrow(combo);
    EXPECT_TRUE(CCellDropDown::IsButtonPressed());
    SendButton(MOUSEEVENTF_LEFTUP);
    Pump(20);
    WaitForTheCheck();
    EXPECT_FALSE(CCellDropDown::IsButtonPressed());
    EXPECT_TRUE(combo->IsPopupOpen());
    // The check asked the grid for the arrow's repaint, and the grid has done it.
    CRect update;
    EXPECT_FALSE(::GetUpdateRect(List().m_hWnd, &update, FALSE));
}
