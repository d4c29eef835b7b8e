// Every caption of the three settings pages, in each of the 13 languages,
// measured with its control's font against the room the control gives it:
// labels on their line (notes on their lines), buttons inside their edges,
// radio and check boxes beside their glyph, combo items beside the arrow.
#include "tests/app/WizardHarness.h"
#include "framework/TestSeams.h"
#include <sstream>

namespace {

struct Misfit {
    std::wstring page, text;
    int id, need, room;
};

class CaptionFitTest : public WizardTest {
protected:
    static CString TextOf(HWND w) {
        wchar_t buffer[1024] = {};
        ::GetWindowTextW(w, buffer, 1024);
        return buffer;
    }
    // The size the text needs in the control's font: one line, or lines
    // broken at the given width.
    static SIZE Needs(HWND w, const CString& text, int wrapWidth) {
        HDC dc = ::GetDC(w);
        HGDIOBJ old = ::SelectObject(dc, (HFONT)::SendMessageW(w, WM_GETFONT, 0, 0));
        RECT r = {0, 0, wrapWidth > 0 ? wrapWidth : 10000, 0};
        UINT flags = DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
        ::DrawTextW(dc, text, -1, &r, flags);
        TEXTMETRICW tm = {};
        ::GetTextMetricsW(dc, &tm);
        ::SelectObject(dc, old);
        ::ReleaseDC(w, dc);
        return SIZE{r.right - r.left, wrapWidth > 0 ? r.bottom - r.top : tm.tmHeight};
    }
    static void Measure(const wchar_t* page, HWND dialog, std::vector<Misfit>* misfits) {
        for (HWND w = ::GetWindow(dialog, GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
            wchar_t cls[64] = {};
            ::GetClassNameW(w, cls, 64);
            RECT client;
            ::GetClientRect(w, &client);
            LONG style = ::GetWindowLongW(w, GWL_STYLE);
            int id = ::GetDlgCtrlID(w);
            CString text = TextOf(w);
            auto check = [&](const CString& t, int need, int room) {
                if (need > room) misfits->push_back({page, t.GetString(), id, need, room});
            };
            if (!_wcsicmp(cls, L"Static")) {
                if (text.IsEmpty() || (style & SS_TYPEMASK) == SS_OWNERDRAW) continue;
                SIZE one = Needs(w, text, 0);
                if (client.bottom < 2 * one.cy) {
                    check(text, one.cx, client.right);  // a label: one line
                } else {
                    SIZE lines = Needs(w, text, client.right);  // a note: its lines
                    check(text, lines.cy, client.bottom);
                }
            } else if (!_wcsicmp(cls, L"Button")) {
                int type = style & BS_TYPEMASK;
                if (type == BS_OWNERDRAW || text.IsEmpty()) continue;
                int glyph = ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
                bool box = type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON || type == BS_AUTOCHECKBOX ||
                           type == BS_CHECKBOX;
                check(text, Needs(w, text, 0).cx, client.right - (box ? glyph : 8));
            } else if (!_wcsicmp(cls, L"ComboBox")) {
                int count = (int)::SendMessageW(w, CB_GETCOUNT, 0, 0);
                for (int i = 0; i < count; ++i) {
                    wchar_t item[256] = {};
                    ::SendMessageW(w, CB_GETLBTEXT, i, (LPARAM)item);
                    check(item, Needs(w, item, 0).cx, client.right - ::GetSystemMetrics(SM_CXVSCROLL) - 6);
                }
            }
        }
    }
};

}  // namespace

TEST_F(CaptionFitTest, EveryCaptionFitsItsControlInEveryLanguage) {
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        Recognise(dlg, 0x4D15, (1 << 1) | (1 << 2) | (1 << 3));
        dlg.GoToPage(PAGE_DEVICE_SETTING);
        ASSERT_EQ(PAGE_DEVICE_SETTING, dlg.m_nPage);
        std::vector<Misfit> misfits;
        int measured = 0;
        for (int language = 0; language < 13; ++language) {
            dlg.ApplyLanguage(language, FALSE);
            dlg.m_settingPage.UpdateTextsAndVisibility();
            dlg.m_settingSecondPage.UpdateLanguageTexts();
            dlg.m_speedDialPage.UpdateLanguageTexts();
            size_t before = misfits.size();
            Measure(L"setting", dlg.m_settingPage.m_hWnd, &misfits);
            Measure(L"fm", dlg.m_settingSecondPage.m_hWnd, &misfits);
            Measure(L"speeddial", dlg.m_speedDialPage.m_hWnd, &misfits);
            for (size_t i = before; i < misfits.size(); ++i) misfits[i].page += L" lang " + std::to_wstring(language);
            ++measured;
        }
        EXPECT_EQ(13, measured);
        std::wstringstream report;
        for (const Misfit& m : misfits)
            report << m.page << L" control " << m.id << L" needs " << m.need << L" has " << m.room << L": " << m.text
                   << L"\n";
        std::wstring r = report.str();
        EXPECT_TRUE(misfits.empty()) << (const char*)WideToUtf8(r.c_str());
    });
}
