// The SPEED DIAL page in the real wizard, without a headset: the character
// filter as the user types and pastes, the 20-character limit, empty
// numbers, DEFAULT and CANCEL.
#include "tests/app/WizardHarness.h"
#include "framework/TestSeams.h"

namespace {

class SpeedDialPageTest : public WizardTest {
protected:
    static void Enter(CUpdaterDlg& dlg) {
        Recognise(dlg, 0x5610, (1 << 1) | (1 << 2));
        dlg.m_deviceRecord.m_astrSpeedDial[0] = L"112";
        dlg.m_deviceRecord.m_astrSpeedDial[1] = L"+49301234567";
        dlg.GoToPage(PAGE_SPEED_DIAL);
        ASSERT_EQ(PAGE_SPEED_DIAL, dlg.m_nPage);
    }
    static HWND Edit(CUpdaterDlg& dlg, int k) { return ::GetDlgItem(dlg.m_speedDialPage.m_hWnd, IDC_SD_NUMBER1 + 2 * k); }
    static void TypeChars(CUpdaterDlg& dlg, int k, const wchar_t* chars) {
        HWND edit = Edit(dlg, k);
        for (const wchar_t* c = chars; *c; ++c) ::SendMessageW(edit, WM_CHAR, *c, 0);
    }
    static std::pair<int, int> Selection(CUpdaterDlg& dlg, int k) {
        DWORD start = 0, end = 0;
        ::SendMessageW(Edit(dlg, k), EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        return {(int)start, (int)end};
    }
    static CString Number(CUpdaterDlg& dlg, int k) { return dlg.m_speedDialPage.m_workingRecord.m_astrSpeedDial[k]; }
    static CString Shown(CUpdaterDlg& dlg, int k) {
        wchar_t text[64] = {};
        ::GetWindowTextW(Edit(dlg, k), text, 64);
        return text;
    }
};

}  // namespace

TEST_F(SpeedDialPageTest, OnlyDigitsHashStarAndPlusAreKept) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg);
        ::SetWindowTextW(Edit(dlg, 2), L"");
        TypeChars(dlg, 2, L"12a");
        EXPECT_EQ(CString(L"12"), Number(dlg, 2));
        EXPECT_EQ(CString(L"12"), Shown(dlg, 2));
        EXPECT_EQ(std::make_pair(2, 2), Selection(dlg, 2));
        TypeChars(dlg, 2, L"#*+");
        EXPECT_EQ(CString(L"12#*+"), Number(dlg, 2));
        // A paste between the digits keeps only what a number may hold.
        ::SendMessageW(Edit(dlg, 2), EM_SETSEL, 2, 2);
        ::SendMessageW(Edit(dlg, 2), EM_REPLACESEL, TRUE, (LPARAM)L" (030) 12-34 x");
        EXPECT_EQ(CString(L"120301234#*+"), Number(dlg, 2));
        EXPECT_EQ(std::make_pair(9, 9), Selection(dlg, 2));
        EXPECT_TRUE(::IsWindowEnabled(Item(dlg, IDC_ACTION)));
    });
}

TEST_F(SpeedDialPageTest, TwentyCharactersAtMostAndEmptyIsANumber) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg);
        ::SetWindowTextW(Edit(dlg, 0), L"");
        TypeChars(dlg, 0, L"01234567890123456789");
        EXPECT_EQ(CString(L"01234567890123456789"), Number(dlg, 0));
        TypeChars(dlg, 0, L"5");
        EXPECT_EQ(CString(L"01234567890123456789"), Number(dlg, 0));
        EXPECT_EQ(CString(L"01234567890123456789"), Shown(dlg, 0));
        EXPECT_EQ(std::make_pair(20, 20), Selection(dlg, 0));
        ::SetWindowTextW(Edit(dlg, 1), L"");
        EXPECT_EQ(CString(L""), Number(dlg, 1));
        EXPECT_EQ(1, dlg.m_speedDialPage.IsSettingsChanged());
    });
}

TEST_F(SpeedDialPageTest, DefaultCancelAndAChangeTakenBack) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Enter(dlg);
        CDialogDeviceSettingSpeedDial& page = dlg.m_speedDialPage;
        auto click = [&](int id) {
            page.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(page.m_hWnd, id));
        };
        TypeChars(dlg, 0, L"9");
        EXPECT_EQ(1, page.IsSettingsChanged());
        ::SendMessageW(Edit(dlg, 0), WM_CHAR, VK_BACK, 0);
        EXPECT_EQ(CString(L"112"), Number(dlg, 0));
        EXPECT_EQ(0, page.IsSettingsChanged());
        // DEFAULT waits while the group list is open; CANCEL does not.
        dlg.m_bPopupOpen = TRUE;
        click(IDC_SD_DEFAULT);
        EXPECT_EQ(CString(L"112"), Number(dlg, 0));
        dlg.m_bPopupOpen = FALSE;
        click(IDC_SD_DEFAULT);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(CString(L""), Number(dlg, k));
            EXPECT_EQ(CString(L""), Shown(dlg, k));
        }
        EXPECT_TRUE(::IsWindowEnabled(Item(dlg, IDC_ACTION)));
        dlg.m_bPopupOpen = TRUE;
        click(IDC_SD_CANCEL);
        dlg.m_bPopupOpen = FALSE;
        EXPECT_EQ(CString(L"+49301234567"), Shown(dlg, 1));
        EXPECT_EQ(0, page.IsSettingsChanged());
        wchar_t label[64] = {};
        ::GetWindowTextW(::GetDlgItem(page.m_hWnd, IDC_SD_LABEL3), label, 64);
        EXPECT_EQ(std::wstring(L"Speed Dial 3"), label);
    });
}

// A number the headset keeps may hold characters no one could type here, or
// more than 20: the page shows and keeps it as it would have been typed, on
// entry and after CANCEL, and SAVE offers to write it so.
TEST_F(SpeedDialPageTest, NumbersFromTheHeadsetAreFilteredLikeTypedOnes) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x5610, (1 << 1) | (1 << 2));
        dlg.m_deviceRecord.m_astrSpeedDial[0] = L"+49 (30) 123-45";
        dlg.m_deviceRecord.m_astrSpeedDial[1] = L"0123456789012345678901234";
        dlg.m_deviceRecord.m_astrSpeedDial[2] = L"112";
        dlg.GoToPage(PAGE_SPEED_DIAL);
        ASSERT_EQ(PAGE_SPEED_DIAL, dlg.m_nPage);
        CDialogDeviceSettingSpeedDial& page = dlg.m_speedDialPage;
        const CString expected[3] = {L"+493012345", L"01234567890123456789", L"112"};
        auto check = [&](const char* when) {
            for (int k = 0; k < 3; ++k) {
                EXPECT_EQ(expected[k], Number(dlg, k)) << when << " " << k;
                EXPECT_EQ(expected[k], Shown(dlg, k)) << when << " " << k;
            }
            EXPECT_EQ(1, page.IsSettingsChanged()) << when;
            EXPECT_TRUE(::IsWindowEnabled(Item(dlg, IDC_ACTION))) << when;
        };
        check("entered");
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SD_DEFAULT, BN_CLICKED),
                         (LPARAM)::GetDlgItem(page.m_hWnd, IDC_SD_DEFAULT));
        EXPECT_EQ(CString(L""), Number(dlg, 0));
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SD_CANCEL, BN_CLICKED),
                         (LPARAM)::GetDlgItem(page.m_hWnd, IDC_SD_CANCEL));
        check("after CANCEL");
        // The device's own record is not touched before a save.
        EXPECT_EQ(CString(L"+49 (30) 123-45"), dlg.m_deviceRecord.m_astrSpeedDial[0]);
    });
}
