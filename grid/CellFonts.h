// The two fonts of the grid cells (bold, 12 pixels), made once and shared
// by every cell: the first cell that needs them creates them, the last one
// that goes frees them.
#pragma once
#include <windows.h>

namespace cellfonts {

// Takes a reference; the fonts follow the face of the grid's own font
// (hList's WM_GETFONT) so that every language has its glyphs.
void Acquire(HWND hList, HFONT* normal, HFONT* active);
void Release();
// Tests: how many cells hold the fonts.
int References();

}  // namespace cellfonts
