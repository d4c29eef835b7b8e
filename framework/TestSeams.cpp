#include "framework/TestSeams.h"
#include "framework/Gdi.h"
#include "framework/Handle.h"
#include "framework/Dialog.h"
#include <vector>

namespace fw {
namespace test {
namespace {
ModalAnswer g_answer;
ModalShown g_shown;
}  // namespace

void SetModalAnswer(ModalAnswer answer) { g_answer = std::move(answer); }
std::optional<INT_PTR> AnswerModal(CDialog& dlg) {
    if (!g_answer) return std::nullopt;
    return g_answer(dlg);
}

void SetModalShown(ModalShown shown) { g_shown = std::move(shown); }
void NotifyModalShown(CDialog& dlg) {
    if (!g_shown) return;
    // Handled as the first message of the modal loop, ahead of any timer the
    // dialog starts while it initialises.
    ::PostMessageW(dlg.m_hWnd, WM_FW_MODALSHOWN, 0, 0);
}

void RunModalShown(CDialog& dlg) {
    if (g_shown && dlg.IsInModalLoop()) g_shown(dlg);
}

namespace {
PopupMenuAnswer g_menuAnswer;
}
void SetPopupMenuAnswer(PopupMenuAnswer answer) { g_menuAnswer = std::move(answer); }
bool HasPopupMenuAnswer() { return (bool)g_menuAnswer; }
UINT AnswerPopupMenu(HMENU menu) { return g_menuAnswer ? g_menuAnswer(menu) : 0; }

bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    for (;;) {
        if (cond()) return true;
        if (::GetTickCount() - start >= timeoutMs) return cond();
        MSG msg;
        bool any = false;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            any = true;
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage((int)msg.wParam);
                return cond();
            }
            if (!FwPreTranslate(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            if (cond()) return true;
        }
        if (!any) ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

bool SaveWindowImage(HWND hWnd, const wchar_t* path) {
    if (!::IsWindow(hWnd)) return false;
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE | RDW_FRAME);
    PumpFor(100);
    RECT r;
    ::GetWindowRect(hWnd, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;

    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;  // bottom-up, as BMP files store it
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (bmp) {
        {
            CGdiSelection picture(mem, bmp);
            ::BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
        }
        ::GdiFlush();
        DWORD stride = ((DWORD)w * 3 + 3) & ~3u;
        DWORD imageSize = stride * (DWORD)h;
        BITMAPFILEHEADER fh{};
        fh.bfType = 0x4D42;
        fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader);
        fh.bfSize = fh.bfOffBits + imageSize;
        bi.bmiHeader.biSizeImage = imageSize;
        CHandle f(::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (f) {
            DWORD written = 0;
            ok = ::WriteFile(f, &fh, sizeof(fh), &written, nullptr) &&
                 ::WriteFile(f, &bi.bmiHeader, sizeof(bi.bmiHeader), &written, nullptr) &&
                 ::WriteFile(f, bits, imageSize, &written, nullptr) && written == imageSize;
            ok = f.Close() && ok;
        }
        ::DeleteObject(bmp);
    }
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    return ok;
}

}  // namespace test
}  // namespace fw
