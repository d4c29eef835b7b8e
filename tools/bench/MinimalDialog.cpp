// The start-up baseline of the benchmark: a program that shows one modal
// dialog from its resources and ends when it is closed.
#include <windows.h>

namespace {

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) ::EndDialog(hwnd, LOWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        ::EndDialog(hwnd, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    return (int)::DialogBoxParamW(instance, MAKEINTRESOURCEW(100), nullptr, DialogProc, 0);
}
