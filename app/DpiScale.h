// Pixel sizes the program lays out for a display at 96 dpi (100 %), turned
// into pixels of this display: they grow by the factor the dialog units of
// the templates' font grew, so that what the program places in pixels and
// what the dialog manager places in dialog units scale together. At 96 dpi
// every value stays as it is.
#pragma once
#include <windows.h>

namespace dpiscale {

// Horizontal and vertical sizes; negative values scale alike.
int X(int pixelsAt96);
int Y(int pixelsAt96);
SIZE Size(SIZE pixelsAt96);
// A font height (LOGFONT lfHeight, either sign) given for 96 dpi.
int FontHeight(int heightAt96);
// The factor in hundredths (100 at 96 dpi), horizontally and vertically.
int PercentX();
int PercentY();

}  // namespace dpiscale
