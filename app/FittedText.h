// Draws a text into a rectangle with a font made from a base font, shrunk
// step by step until the word-wrapped text fits (never below a readable
// minimum).
#pragma once
#include <windows.h>
#include "framework/String.h"

// format: DT_ flags for the final draw (DT_WORDBREAK is always added, and
// DT_VCENTER is done by hand for several lines). Returns the height used.
int DrawFittedText(HDC dc, const CString& text, const RECT& rect, HFONT baseFont, UINT format, int weight = -1);
// The font height (negative, as in LOGFONT) that makes the text fit; the
// base height when it fits already.
int FitFontHeight(HDC dc, const CString& text, const RECT& rect, HFONT baseFont, int weight);
