// Places a control of a page into one of equal rows stacked between the
// page's top and bottom margins: row rowIndex (possibly fractional) of
// max(rows, 8) rows, centred in the row when it is lower than the row. The
// horizontal position and the size stay, except that a control reaching
// past the page's bottom edge is cut to end there.
#pragma once
#include "framework/Wnd.h"

// pageRect: the page's rectangle in screen coordinates; the control is a
// child of that page.
void MoveWindowScaled(const RECT* pageRect, float rows, int margin, float rowIndex, CWnd* control);
