// The language dialog, the new-firmware prompt and the About box, shown for
// real and answered by their controls.
#include "WizardHarness.h"
#include "app/AboutDlg.h"
#include "app/DialogLanguageManager.h"
#include "app/DialogNewUpdateFound.h"
#include "framework/TestSeams.h"

namespace {

CString ItemText(CDialog& d, int id) {
    wchar_t text[512] = {};
    ::GetWindowTextW(::GetDlgItem(d.m_hWnd, id), text, 512);
    return text;
}

}  // namespace

class ShownDialogTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        fw::test::SetModalAnswer([this](CDialog& d) -> std::optional<INT_PTR> {
            m_asked.push_back(AskedBox{d.GetTemplateId()});
            return std::nullopt;  // shown for real
        });
    }
};

TEST_F(ShownDialogTest, LanguageDialogOffersEachLanguageInItselfAndAppliesTheChoice) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        // Pick Japanese and keep the voice prompt apart from it. The dialog
        // is made by the menu command: its handler is found by its type.
        CDialogLanguageManager* shown = nullptr;
        m_onShownAny = [&](CDialog& d) {
            shown = dynamic_cast<CDialogLanguageManager*>(&d);
            if (!shown) return;
            HWND list = ::GetDlgItem(d.m_hWnd, IDC_LANG_LIST);
            EXPECT_EQ(::SendMessageW(list, LB_GETCOUNT, 0, 0), 13);
            wchar_t name[64] = {};
            ::SendMessageW(list, LB_GETTEXT, 4, (LPARAM)name);
            EXPECT_STREQ(name, L"\u65E5\u672C\u8A9E");
            ::SendMessageW(list, LB_GETTEXT, 8, (LPARAM)name);
            EXPECT_STREQ(name, L"\u0420\u0443\u0441\u0441\u043A\u0438\u0439");
            EXPECT_EQ(::SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
            EXPECT_EQ(ItemText(d, IDOK), L"OK");
            ::SendMessageW(list, LB_SETCURSEL, 4, 0);
            ::CheckDlgButton(d.m_hWnd, IDC_LANG_APPLY_FIRMWARE, BST_UNCHECKED);
            d.SendMessage(WM_COMMAND, IDOK);
        };
        dlg.SendMessage(WM_COMMAND, ID_MENU_LANGUAGE);
        m_onShownAny = nullptr;
        EXPECT_NE(shown, nullptr);
        EXPECT_EQ(dlg.m_nLanguage, 4);
        EXPECT_FALSE(dlg.m_bApplyToFirmwareLanguage);
        CString next;
        ::GetWindowTextW(Item(dlg, IDC_NEXT), next.GetBuffer(64), 64);
        next.ReleaseBuffer();
        EXPECT_EQ(next, L"\u6B21\u3078 >");
    });
}

TEST_F(ShownDialogTest, NewFirmwarePromptCopiesTheVoicePromptChoiceToTheUpdatePage) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x5520, 0);
        CComboBox& combo = dlg.m_updatePage.m_comboVoicePrompt;
        for (const wchar_t* language : {L"English", L"French", L"German"}) combo.AddString(language);
        combo.SetCurSel(0);
        CDialogNewUpdateFound prompt(&dlg);
        prompt.m_strLatestVersion = L"v1.3";
        WhenShown(&prompt, [&](CDialog& d) {
            EXPECT_NE(ItemText(d, IDC_NEW_TEXT).Find(L"40N"), -1);
            EXPECT_NE(ItemText(d, IDC_NEW_VERSIONS).Find(L"v1.2"), -1);
            EXPECT_NE(ItemText(d, IDC_NEW_VERSIONS).Find(L"v1.3"), -1);
            HWND own = ::GetDlgItem(d.m_hWnd, IDC_NEW_VOICE_COMBO);
            EXPECT_TRUE(::IsWindowVisible(own));
            EXPECT_EQ(::SendMessageW(own, CB_GETCOUNT, 0, 0), 3);
            ::SendMessageW(own, CB_SETCURSEL, 2, 0);
            d.SendMessage(WM_COMMAND, IDOK);
        });
        EXPECT_EQ(prompt.DoModal(), IDOK);
        EXPECT_EQ(prompt.m_nVoicePromptIndex, 2);
        EXPECT_EQ(combo.GetCurSel(), 2);

        // Cancel leaves the update page's choice alone.
        CDialogNewUpdateFound declined(&dlg);
        WhenShown(&declined, [](CDialog& d) {
            ::SendMessageW(::GetDlgItem(d.m_hWnd, IDC_NEW_VOICE_COMBO), CB_SETCURSEL, 0, 0);
            d.SendMessage(WM_COMMAND, IDCANCEL);
        });
        EXPECT_EQ(declined.DoModal(), IDCANCEL);
        EXPECT_EQ(combo.GetCurSel(), 2);
    });
}

TEST_F(ShownDialogTest, AboutBoxNamesTheProgramAndItsVersion) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.ApplyLanguage(2, TRUE);
        CAboutDlg about(&dlg);
        WhenShown(&about, [](CDialog& d) {
            EXPECT_EQ(ItemText(d, IDC_ABOUT_NAME), L"Morvex Bluetooth Device Manager");
            EXPECT_EQ(ItemText(d, IDC_ABOUT_VERSION), L"Version 1.0");
            d.SendMessage(WM_COMMAND, IDOK);
        });
        EXPECT_EQ(about.DoModal(), IDOK);
    });
}
