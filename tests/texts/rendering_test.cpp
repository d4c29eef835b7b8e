// Renders texts of all 13 languages with the program's dialog fonts, regular
// and bold, in a window, saves screenshots, and checks that no character of
// any text shows as a missing-glyph box or a question mark.
#include <gtest/gtest.h>
#include <windows.h>
#include "framework/Gdi.h"
#include "framework/Handle.h"
#include <map>
#include <set>
#include <string>
#include <vector>
#include "FontLinks.h"
#include "GlyphProbe.h"
#include "TextCatalog.h"
#include "texts/Texts.h"

using namespace texttest;

namespace {

const wchar_t kChildFlag[] = L"MORVEX_TEXTS_RENDER_CHILD";
const wchar_t kScreenshotDir[] = L"screenshots";

struct DialogFont {
    const wchar_t* face;
    int height;
    int weight;
    const wchar_t* screenshot;  // where the window with the samples is saved, if at all
};
// The dialogs' "MS Shell Dlg" 8 pt and the settings page's "Arial" 10 pt, in
// the regular weight and in the bold one of titles and status lines. Under
// Wine a bold face has font links of its own: without them its CJK
// characters are boxes while the regular face draws them.
const DialogFont kFonts[] = {
    {L"MS Shell Dlg", -11, FW_NORMAL, L"screenshots\\texts_all_languages.bmp"},
    {L"Arial", -13, FW_NORMAL, nullptr},
    {L"MS Shell Dlg", -11, FW_BOLD, L"screenshots\\texts_all_languages_bold.bmp"},
    {L"Arial", -13, FW_BOLD, nullptr},
};

HFONT MakeFont(const DialogFont& f) {
    LOGFONTW lf = {};
    lf.lfHeight = f.height;
    lf.lfWeight = f.weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = ANTIALIASED_QUALITY;
    wcsncpy(lf.lfFaceName, f.face, LF_FACESIZE - 1);
    return CreateFontIndirectW(&lf);
}

// Every text of one language.
std::vector<CString> TextsOf(int language) {
    std::vector<CString> all;
    auto add = [&all, language](const Getter& get) {
        CString text;
        get(text, language);
        all.push_back(text);
    };
    for (const Table& t : AllTables())
        for (int i = 0; i < t.items; ++i) all.push_back(t.At(language, i));
    for (const Named& n : AllWords()) add(n.get);
    for (const Named& n : AllMessages()) add(n.get);
    for (const Help& h : AllHelps()) add(h.get);
    for (int page = 1; page <= 7; ++page) {
        add([page](CString& o, int l) { GetTextPageTitle(o, page, l); });
        add([page](CString& o, int l) { GetTextPageSuccess(o, page, l); });
        add([page](CString& o, int l) { GetTextPageFailure(o, page, l); });
        add([page](CString& o, int l) { GetTextPageActivity(o, page, l); });
        add([page](CString& o, int l) { GetTextPageInstruction(o, page, 0x8000, l); });
    }
    for (int other = 0; other < texts::kLanguageCount; ++other)
        add([other](CString& o, int l) { GetLanguageNameIn(o, other, l); });
    add([](CString& o, int l) { GetTextNoteOnboardAudio(o, l); });
    add([](CString& o, int l) { GetTextNoteRestartToApply(o, l); });
    add([](CString& o, int l) { GetTextMsgFirmwareNotFor(o, 0x4210, l); });
    return all;
}

std::set<wchar_t> CharactersOf(int language) {
    std::set<wchar_t> chars;
    for (const CString& text : TextsOf(language))
        for (int i = 0; i < text.GetLength(); ++i)
            if (text[i] > L' ') chars.insert(text[i]);
    return chars;
}

// Two lines per language for the screenshot.
std::vector<CString> SampleLines() {
    std::vector<CString> lines;
    for (int l = 0; l < texts::kLanguageCount; ++l) {
        CString name, title, press, enable, disable, help;
        GetLanguageNameIn(name, l, l);
        GetTextPageTitle(title, 3, l);
        GetTextMsgPressUpdateButton(press, l);
        GetTextEnable(enable, l);
        GetTextDisable(disable, l);
        GetTextHelpSidetone(help, l);
        lines.push_back(name + L":  " + title + L"  |  " + press + L"  |  " + g_txtRecordMusic[l][0] + L"  |  " +
                        g_txtQuietSphere[l][0] + L"  |  " + g_txtLevels[l][9] + L"  |  " + enable + L" / " + disable);
        lines.push_back(L"      " + help.Mid(help.Find(L'\n') + 1));
    }
    return lines;
}

struct Canvas {
    HFONT font;
    std::vector<CString> lines;
};

const int kLineHeight = 18;
const int kWindowWidth = 1180;

LRESULT CALLBACK CanvasProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        const Canvas* canvas = reinterpret_cast<const Canvas*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        if (canvas) {
            CGdiSelection font(dc, canvas->font);
            SetBkMode(dc, TRANSPARENT);
            int y = 8;
            for (const CString& line : canvas->lines) {
                TextOutW(dc, 8, y, line, line.GetLength());
                y += kLineHeight;
            }
        }
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

bool SaveBitmap(HDC dc, HBITMAP bitmap, int width, int height, const wchar_t* path) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    DWORD stride = (DWORD)((width * 3 + 3) & ~3), size = stride * (DWORD)height;
    std::vector<BYTE> bits(size);
    if (!GetDIBits(dc, bitmap, 0, (UINT)height, bits.data(), &bi, DIB_RGB_COLORS)) return false;
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader);
    fh.bfSize = fh.bfOffBits + size;
    CHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, &fh, sizeof(fh), &written, nullptr) &&
              WriteFile(file, &bi.bmiHeader, sizeof(bi.bmiHeader), &written, nullptr) &&
              WriteFile(file, bits.data(), size, &written, nullptr);
    return file.Close() && ok;
}

// Shows the samples in a window and saves what the window shows. Returns the
// share of inked (non-white) pixels in the capture, in percent; -1 when the
// capture could not be saved.
double ShowAndCapture(HFONT font, const wchar_t* path) {
    static Canvas canvas;
    canvas.font = font;
    canvas.lines = SampleLines();
    const int height = (int)canvas.lines.size() * kLineHeight + 16;

    WNDCLASSW wc = {};
    wc.lpfnWndProc = CanvasProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MorvexTextSamples";
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassW(&wc);
    RECT frame = {0, 0, kWindowWidth, height};
    AdjustWindowRect(&frame, WS_OVERLAPPED | WS_CAPTION, FALSE);
    HWND hwnd = CreateWindowW(L"MorvexTextSamples", L"Texts in 13 languages", WS_OVERLAPPED | WS_CAPTION, 0, 0,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                              wc.hInstance, nullptr);
    if (!hwnd) return -1;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&canvas));
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    MSG msg;
    for (int i = 0; i < 20; ++i) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(20);
    }
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    HDC windowDc = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, kWindowWidth, height);
    long inked = 0, sampled = 0;
    {
        CGdiSelection canvas(memory, bitmap);
        BitBlt(memory, 0, 0, kWindowWidth, height, windowDc, 0, 0, SRCCOPY);
        for (int y = 0; y < height; y += 2)
            for (int x = 0; x < kWindowWidth; x += 2, ++sampled)
                if ((GetPixel(memory, x, y) & 0xFFFFFF) != 0xFFFFFF) ++inked;
    }
    double share = 100.0 * inked / sampled;
    CreateDirectoryW(kScreenshotDir, nullptr);
    if (!SaveBitmap(memory, bitmap, kWindowWidth, height, path)) share = -1;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, windowDc);
    DestroyWindow(hwnd);
    return share;
}

// Runs this test again in a new process, which sees font links written now.
DWORD RunInChild() {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(exe) + L"\" --gtest_filter=TextRenderingTest.*";
    SetEnvironmentVariableW(kChildFlag, L"1");
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::vector<wchar_t> line(command.begin(), command.end());
    line.push_back(0);
    BOOL started = CreateProcessW(exe, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableW(kChildFlag, nullptr);
    if (!started) return (DWORD)-1;
    CHandle process(pi.hProcess), thread(pi.hThread);
    DWORD code = (DWORD)-2;
    if (WaitForSingleObject(pi.hProcess, 240000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    else TerminateProcess(pi.hProcess, 1);
    return code;
}

}  // namespace

TEST(TextRenderingTest, EveryLanguageRendersWithTheDialogFonts) {
    const bool child = GetEnvironmentVariableW(kChildFlag, nullptr, 0) > 0;
    if (!child) {
        // Links the selected family name only, i.e. the regular face. The
        // bold face's links are left to the prefix set-up, so that a prefix
        // without them fails below.
        bool linked = false;
        for (const DialogFont& f : kFonts) {
            HFONT font = MakeFont(f);
            CString face = SelectedFace(font);
            DeleteObject(font);
            CString error;
            linked |= LinkFallbackFonts(face, error);
            ASSERT_TRUE(error.IsEmpty()) << Narrow(error);
        }
        if (linked) {
            EXPECT_EQ(RunInChild(), 0u) << "the run with the new font links failed (its output is above)";
            return;
        }
    }

    for (const DialogFont& f : kFonts) {
        HFONT font = MakeFont(f);
        ASSERT_NE(font, nullptr);
        const CString linkedFace = LinkedFace(font);
        SCOPED_TRACE(Narrow(CString(f.face)) + " weight " + std::to_string(f.weight) + " as " + Narrow(linkedFace));
        EXPECT_TRUE(HasFallbackLinks(linkedFace))
            << "the prefix has no font links for this face (tools/wine-env.sh writes them)";
        GlyphProbe probe(font);
        ASSERT_TRUE(probe.Ready());
        for (int l = 0; l < texts::kLanguageCount; ++l) {
            std::string missing;
            int checked = 0;
            for (wchar_t c : CharactersOf(l)) {
                ++checked;
                if (probe.IsMissing(c)) {
                    char code[16];
                    snprintf(code, sizeof code, " U+%04X", (unsigned)c);
                    missing += code;
                }
            }
            EXPECT_TRUE(missing.empty()) << "language " << l << ", of " << checked << " characters:" << missing;
        }
        if (f.screenshot) {
            // Text on white: some ink, mostly background (a failed capture is
            // blank or black).
            double ink = ShowAndCapture(font, f.screenshot);
            EXPECT_GT(ink, 0.5) << "the window capture shows no text";
            EXPECT_LT(ink, 40.0) << "the window capture is not the white window";
        }
        DeleteObject(font);
    }
}

TEST(TextRenderingTest, ProbeTellsMissingGlyphsFromDrawnOnes) {
    HFONT font = MakeFont(kFonts[0]);
    {
        GlyphProbe probe(font);
        ASSERT_TRUE(probe.Ready());
        EXPECT_TRUE(probe.IsMissing(0x0378));  // unassigned
        EXPECT_TRUE(probe.IsMissing(0xFFFF));  // not a character
        EXPECT_TRUE(probe.IsMissing(L' '));
        EXPECT_FALSE(probe.IsMissing(L'A'));
        EXPECT_FALSE(probe.IsMissing(L'?'));
        EXPECT_FALSE(probe.IsMissing(0x0416));  // Cyrillic Zhe, in the base font itself
    }
    DeleteObject(font);
}
