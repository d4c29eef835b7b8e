// Bitmap resources drawn by grid cells, loaded once per id and shared: the
// first cell that shows an id loads it, the last one that goes frees it.
#pragma once
#include <windows.h>

namespace cellbitmaps {

// Takes a reference to the bitmap; null when the id names no bitmap (the
// reference is taken all the same, so Release always pairs with Acquire).
HBITMAP Acquire(UINT id);
void Release(UINT id);
// Draws the bitmap (held through Acquire) at (x, y) with the pixels of the
// colour transparent left out. The mask is made at the first draw and kept
// with the bitmap: every later draw is two plain copies. FALSE when the id
// is not held or names no bitmap.
BOOL DrawTransparent(UINT id, HDC dc, int x, int y, COLORREF transparent);
// Tests: the number of loaded bitmaps and of loads since the start.
int LoadedCount();
int LoadCount();

}  // namespace cellbitmaps
