#include "grid/CellBitmaps.h"
#include <commctrl.h>
#include <map>

namespace cellbitmaps {
namespace {

struct Entry {
    HBITMAP bitmap = nullptr;
    int references = 0;
    HIMAGELIST masked = nullptr;  // the bitmap with its mask, made at the first draw
    COLORREF maskColour = 0;
};

void FreeMasked(Entry& e) {
    if (e.masked) ::ImageList_Destroy(e.masked);
    e.masked = nullptr;
}
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
        FreeMasked(it->second);
        if (it->second.bitmap) ::DeleteObject(it->second.bitmap);
        g_entries.erase(it);
    }
}

BOOL DrawTransparent(UINT id, HDC dc, int x, int y, COLORREF transparent) {
    auto it = g_entries.find(id);
    if (it == g_entries.end() || !it->second.bitmap || !dc) return FALSE;
    Entry& e = it->second;
    if (e.masked && e.maskColour != transparent) FreeMasked(e);
    if (!e.masked) {
        BITMAP bm{};
        if (!::GetObjectW(e.bitmap, sizeof(bm), &bm)) return FALSE;
        // The image list takes a copy of the pixels; the bitmap itself is
        // drawn only through it.
        e.masked = ::ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0);
        if (!e.masked) return FALSE;
        if (::ImageList_AddMasked(e.masked, e.bitmap, transparent) < 0) {
            FreeMasked(e);
            return FALSE;
        }
        e.maskColour = transparent;
    }
    return ::ImageList_Draw(e.masked, 0, dc, x, y, ILD_TRANSPARENT);
}

int LoadedCount() {
    int n = 0;
    for (const auto& e : g_entries) n += e.second.bitmap ? 1 : 0;
    return n;
}

int LoadCount() { return g_loads; }

}  // namespace cellbitmaps
