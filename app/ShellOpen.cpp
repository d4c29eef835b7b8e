#include "app/ShellOpen.h"
#include <windows.h>
#include <shellapi.h>

namespace {
apptest::ShellOpenHandler g_handler;
}

BOOL ShellOpen(const CString& target) {
    if (target.IsEmpty()) return FALSE;
    if (g_handler) return g_handler(target);
    HINSTANCE result = ::ShellExecuteW(nullptr, L"open", target, nullptr, nullptr, SW_SHOWNORMAL);
    return (INT_PTR)result > 32;
}

namespace apptest {
void SetShellOpenHandler(ShellOpenHandler handler) { g_handler = std::move(handler); }
}  // namespace apptest
