#include "grid/CellBitmaps.h"
#include <map>

namespace cellbitmaps {
namespace {

struct Entry {
    HBITMAP bitmap = nullptr;
    int references = 0;
};
std::map<UINT, Entry> g_entries;
int g_loads = 0;

}  // namespace

HBITMAP Acquire(UINT id) {
    Entry& e = g_entries[id];
    if (e.references++ == 0) {
        e.bitmap = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
        ++g_loads;
    }
    return e.bitmap;
}

void Release(UINT id) {
    auto it = g_entries.find(id);
    if (it == g_entries.end()) return;
    if (--it->second.references <= 0) {
        if (it->second.bitmap) ::DeleteObject(it->second.bitmap);
        g_entries.erase(it);
    }
}

int LoadedCount() {
    int n = 0;
    for (const auto& e : g_entries) n += e.second.bitmap ? 1 : 0;
    return n;
}

int LoadCount() { return g_loads; }

}  // namespace cellbitmaps
