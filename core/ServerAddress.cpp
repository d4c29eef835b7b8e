#include "core/ServerAddress.h"
#include <mutex>

#ifndef MORVEX_SERVER_URL
#error "MORVEX_SERVER_URL must be defined by the build"
#endif

#define MORVEX_WIDEN2(x) L##x
#define MORVEX_WIDEN(x) MORVEX_WIDEN2(x)

namespace {
std::mutex g_lock;
CString g_override;
}  // namespace

CString GetServerBaseUrl() {
    std::lock_guard<std::mutex> hold(g_lock);
    if (!g_override.IsEmpty()) return g_override;
    return CString(MORVEX_WIDEN(MORVEX_SERVER_URL));
}

void SetServerBaseUrl(const wchar_t* url) {
    std::lock_guard<std::mutex> hold(g_lock);
    g_override = url ? url : L"";
}
