// One look for the wizard and its boxes: the page column fitted to the
// WELCOME picture, the same font in every window, the boxes' flat buttons,
// the buttons' hover, pressed, default and focus states, and the texts the
// boxes and the status line show.
#include "WizardHarness.h"
#include "app/AboutDlg.h"
#include "app/AppTexts.h"
#include "app/DialogLanguageManager.h"
#include "app/DialogMessageBox.h"
#include "app/DialogNewUpdateFound.h"
#include "app/WizardButton.h"
#include "framework/TestSeams.h"
#include "texts/WizardTexts.h"
#include <vector>

namespace {

RECT ScreenRect(HWND w) {
    RECT r;
    ::GetWindowRect(w, &r);
    return r;
}

LOGFONTW FontOf(HWND w) {
    LOGFONTW lf{};
    ::GetObjectW((HFONT)::SendMessageW(w, WM_GETFONT, 0, 0), sizeof(lf), &lf);
    return lf;
}

// The button drawn in a state, as pixels.
std::vector<DWORD> Render(CWizardButton& button, UINT state) {
    RECT r;
    button.GetClientRect(&r);
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(bi.bmiHeader), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<DWORD> pixels;
    {
        CGdiSelection picture(mem, bmp);
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_BUTTON;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = state;
        dis.hwndItem = button.m_hWnd;
        dis.hDC = mem;
        dis.rcItem = r;
        button.DrawItem(&dis);
        ::GdiFlush();
        pixels.assign((const DWORD*)bits, (const DWORD*)bits + r.right * r.bottom);
    }
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace

class LookTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        fw::test::SetModalAnswer([](CDialog&) -> std::optional<INT_PTR> { return std::nullopt; });
    }
};

TEST_F(LookTest, WelcomePictureLinesUpWithNextAndTheLeftColumnIsEven) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        RECT picture = ScreenRect(dlg.m_selectionPage.GetDlgItem(IDC_SELECTION_PICTURE)->m_hWnd);
        RECT next = ScreenRect(Item(dlg, IDC_NEXT));
        RECT status = ScreenRect(Item(dlg, IDC_STATUS_TEXT));
        RECT title = ScreenRect(Item(dlg, IDC_PAGE_TITLE));
        EXPECT_EQ(picture.right, next.right);
        EXPECT_EQ(picture.left, title.left);
        EXPECT_LE(picture.bottom, status.top);
        EXPECT_GE(picture.top, title.bottom);
        // The picture of the device, the step and the group buttons share
        // the left column's edges.
        RECT device = ScreenRect(Item(dlg, IDC_DEVICE_PICTURE));
        for (int id : {IDC_STEP_WELCOME, IDC_STEP_RECOGNITION, IDC_STEP_UPDATE, IDC_STEP_RESTORE, IDC_STEP_SETTING}) {
            RECT step = ScreenRect(Item(dlg, id));
            EXPECT_EQ(step.left, device.left) << id;
            EXPECT_EQ(step.right, device.right) << id;
        }
        EXPECT_EQ(ScreenRect(Item(dlg, IDC_GROUP_BASIC)).left, device.left);
        EXPECT_EQ(ScreenRect(Item(dlg, IDC_GROUP_LIST)).right, device.right);
        // As much room left of the column as between its buttons and the page.
        RECT client;
        ::GetClientRect(dlg.m_hWnd, &client);
        ::MapWindowPoints(dlg.m_hWnd, nullptr, (POINT*)&client, 2);
        EXPECT_NEAR(device.left - client.left, title.left - device.right, 2);
        EXPECT_NEAR(client.right - next.right, device.left - client.left, 2);
    });
}

TEST_F(LookTest, EveryWindowHasTheWizardsFontAndFlatButtons) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        LOGFONTW main = FontOf(dlg.m_hWnd);
        EXPECT_STREQ(main.lfFaceName, L"Arial");
        CDialog* pages[] = {&dlg.m_selectionPage, &dlg.m_recognitionPage, &dlg.m_updatePage,
                            &dlg.m_restorePage,   &dlg.m_settingPage,     &dlg.m_settingSecondPage,
                            &dlg.m_speedDialPage};
        for (CDialog* page : pages) {
            LOGFONTW lf = FontOf(page->m_hWnd);
            EXPECT_STREQ(lf.lfFaceName, L"Arial");
            EXPECT_EQ(lf.lfHeight, main.lfHeight);
        }

        Recognise(dlg, 0x5520, 0);
        int checked = 0;
        auto check = [&](CDialog& d) {
            ++checked;
            LOGFONTW lf = FontOf(d.m_hWnd);
            EXPECT_STREQ(lf.lfFaceName, main.lfFaceName) << d.GetTemplateId();
            EXPECT_EQ(lf.lfHeight, main.lfHeight) << d.GetTemplateId();
            for (int id : {IDOK, IDCANCEL}) {
                HWND h = ::GetDlgItem(d.m_hWnd, id);
                if (!h || !::IsWindowVisible(h)) continue;
                auto* button = dynamic_cast<CWizardButton*>(CWnd::FromHandlePermanent(h));
                ASSERT_NE(button, nullptr) << d.GetTemplateId() << " " << id;
                EXPECT_EQ(button->GetStyle() & BS_TYPEMASK, (DWORD)BS_OWNERDRAW);
                // The dialog manager moving the default mark keeps the
                // button drawn by the program.
                button->SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
                EXPECT_TRUE(button->IsDefault());
                EXPECT_EQ(button->GetStyle() & BS_TYPEMASK, (DWORD)BS_OWNERDRAW);
                button->SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
                EXPECT_FALSE(button->IsDefault());
            }
            d.EndDialog(IDCANCEL);
        };
        CDialogMessageBox box(&dlg);
        box.Setup(L"Save?", 1, L"NO", L"YES", nullptr);
        WhenShown(&box, check);
        box.DoModal();
        CDialogLanguageManager language(&dlg);
        WhenShown(&language, check);
        language.DoModal();
        CDialogNewUpdateFound prompt(&dlg);
        WhenShown(&prompt, check);
        prompt.DoModal();
        CAboutDlg about(&dlg);
        WhenShown(&about, check);
        about.DoModal();
        EXPECT_EQ(checked, 4);
    });
}

TEST_F(LookTest, ButtonsShowHoverPressedAndFocus) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        auto* next = dynamic_cast<CWizardButton*>(CWnd::FromHandlePermanent(Item(dlg, IDC_NEXT)));
        auto* step = dynamic_cast<CWizardButton*>(CWnd::FromHandlePermanent(Item(dlg, IDC_STEP_RECOGNITION)));
        ASSERT_NE(next, nullptr);
        ASSERT_NE(step, nullptr);
        dlg.m_nTargetModel = 0x4D10;
        dlg.UpdateControls();
        for (CWizardButton* b : {next, step}) {
            std::vector<DWORD> plain = Render(*b, 0);
            EXPECT_NE(Render(*b, ODS_SELECTED), plain);
            EXPECT_NE(Render(*b, ODS_FOCUS), plain);
            EXPECT_EQ(Render(*b, ODS_FOCUS | ODS_NOFOCUSRECT), plain);
            b->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
            EXPECT_TRUE(b->IsHot());
            EXPECT_NE(Render(*b, 0), plain);
            b->SendMessage(WM_MOUSELEAVE);
            EXPECT_FALSE(b->IsHot());
            EXPECT_EQ(Render(*b, 0), plain);
        }
        // A disabled button does not light up.
        step->EnableWindow(FALSE);
        step->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(Render(*step, ODS_DISABLED), (step->SendMessage(WM_MOUSELEAVE), Render(*step, ODS_DISABLED)));
    });
}

TEST_F(LookTest, AboutBoxCopyrightHasTheYearInEveryLanguage) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        // The box itself in a few languages; the texts of all of them.
        std::vector<std::wstring> lines;
        for (int language : {0, 10, 4, 8}) {
            dlg.m_nLanguage = language;
            CAboutDlg about(&dlg);
            WhenShown(&about, [&](CDialog& d) {
                wchar_t text[256] = {};
                ::GetDlgItemTextW(d.m_hWnd, IDC_ABOUT_COPYRIGHT, text, 256);
                lines.push_back(text);
                // Nothing of the line is cut off.
                RECT r;
                ::GetClientRect(::GetDlgItem(d.m_hWnd, IDC_ABOUT_COPYRIGHT), &r);
                HDC dc = ::GetDC(d.m_hWnd);
                SIZE s{};
                {
                    CGdiSelection font(dc, (HFONT)d.SendMessage(WM_GETFONT));
                    ::GetTextExtentPoint32W(dc, text, (int)wcslen(text), &s);
                }
                ::ReleaseDC(d.m_hWnd, dc);
                EXPECT_LE(s.cx, r.right) << language;
                d.EndDialog(IDOK);
            });
            about.DoModal();
        }
        dlg.m_nLanguage = 0;
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[0], L"Copyright \u00A9 2026 Morvex. All rights reserved.");
        EXPECT_EQ(lines[1], L"Copyright \u00A9 2026 Morvex. Kaikki oikeudet pid\u00E4tet\u00E4\u00E4n.");
        for (int language = 1; language < 13; ++language) {
            CString line;
            line.Format(apptext::Get(apptext::kCopyright, language), 2026);
            EXPECT_NE(std::wstring(line).find(L"2026 Morvex"), std::wstring::npos) << language;
            EXPECT_NE(std::wstring(line), lines[0]) << language;
        }
    });
}

TEST(DevicePictureTest, EachFamilyHasItsOwnPictureOfOneSize) {
    const UINT ids[] = {IDB_DEVICE_HEADSET, IDB_DEVICE_HEADSET_BOOM, IDB_DEVICE_HEADSET_SLIM,
                        IDB_DEVICE_CAMERA,  IDB_DEVICE_MODULE,       IDB_DEVICE_NONE};
    std::vector<std::vector<BYTE>> pictures;
    BITMAP first{};
    for (UINT id : ids) {
        HBITMAP bmp = (HBITMAP)::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                                            LR_CREATEDIBSECTION);
        ASSERT_NE(bmp, nullptr) << id;
        BITMAP bm{};
        ::GetObjectW(bmp, sizeof(bm), &bm);
        if (pictures.empty()) first = bm;
        EXPECT_EQ(bm.bmWidth, first.bmWidth) << id;
        EXPECT_EQ(bm.bmHeight, first.bmHeight) << id;
        const BYTE* bits = (const BYTE*)bm.bmBits;
        pictures.emplace_back(bits, bits + bm.bmWidthBytes * bm.bmHeight);
        ::DeleteObject(bmp);
    }
    for (size_t i = 0; i < pictures.size(); ++i)
        for (size_t j = i + 1; j < pictures.size(); ++j) EXPECT_NE(pictures[i], pictures[j]) << i << " " << j;
}

TEST(StatusLineTextTest, ChineseInstructionHasNoStraySpaces) {
    CString text;
    GetTextPageInstruction(text, 1, 0, 9);
    EXPECT_EQ(std::wstring(text).find(L' '), std::wstring::npos) << std::wstring(text).c_str();
    CString next;
    GetTextNext(next, 9);
    EXPECT_NE(std::wstring(text).find(std::wstring(next)), std::wstring::npos);
}

TEST_F(LookTest, EveryPageFitsTheColumnBesideTheSteps) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        RECT frame = ScreenRect(dlg.m_pageFrame.m_hWnd);
        RECT next = ScreenRect(Item(dlg, IDC_NEXT));
        EXPECT_EQ(next.right, frame.right);
        CDialog* pages[] = {&dlg.m_selectionPage, &dlg.m_recognitionPage,   &dlg.m_updatePage,
                            &dlg.m_restorePage,   &dlg.m_settingPage,       &dlg.m_settingSecondPage,
                            &dlg.m_speedDialPage};
        for (int page = 0; page < 7; ++page) {
            CDialog* d = pages[page];
            ASSERT_TRUE(d->m_hWnd) << page;
            // Every control, shown or not yet shown, lies inside the column.
            for (HWND c = ::GetWindow(d->m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
                RECT r = ScreenRect(c);
                EXPECT_GE(r.left, frame.left) << "page " << page << " control " << ::GetDlgCtrlID(c);
                EXPECT_LE(r.right, frame.right) << "page " << page << " control " << ::GetDlgCtrlID(c);
                EXPECT_LE(r.bottom, frame.bottom) << "page " << page << " control " << ::GetDlgCtrlID(c);
            }
        }
    });
}

TEST_F(LookTest, BrowseAndDownloadAreFlatLikeTheWizardsButtons) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        for (int id : {IDC_UPDATE_BROWSE, IDC_UPDATE_DOWNLOAD}) {
            HWND h = ::GetDlgItem(dlg.m_updatePage.m_hWnd, id);
            auto* button = dynamic_cast<CWizardButton*>(CWnd::FromHandlePermanent(h));
            ASSERT_NE(button, nullptr) << id;
            EXPECT_EQ(button->GetStyle() & BS_TYPEMASK, (DWORD)BS_OWNERDRAW) << id;
            // Drawn as BACK and NEXT are: the same pixels at the same size.
            auto* back = dynamic_cast<CWizardButton*>(CWnd::FromHandlePermanent(Item(dlg, IDC_BACK)));
            ASSERT_NE(back, nullptr);
            std::vector<DWORD> pixels = Render(*button, 0);
            ASSERT_FALSE(pixels.empty());
            // The page's background behind the rounded corner, never a 3-D edge.
            EXPECT_EQ(pixels[0] & 0xFFFFFF, Render(*back, 0)[0] & 0xFFFFFF) << id;
        }
    });
}
