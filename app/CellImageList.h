// The image list that the settings grid's check-box cells draw their glyphs
// from: constructed empty when the program starts, filled by the first
// check-box cell that needs it, destroyed at exit.
#pragma once
#include "framework/Controls.h"

extern CImageList g_cellImageList;
