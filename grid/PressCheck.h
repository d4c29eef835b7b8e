// The press-check thread of the drop-down cells: 200 ms after a popup opens
// it looks once whether the primary button is still held over the arrow,
// sets the shared pressed flag to that and, when the flag changed, posts the
// grid a request to repaint the arrow. It owns its click record and never
// touches a window other than by posting.
#pragma once
#include <windows.h>

namespace presscheck {

// arrowClient: the arrow in the grid's client coordinates (for the repaint);
// arrowScreen: the same on the screen (for the cursor test).
void Start(HWND hList, const RECT& arrowClient, const RECT& arrowScreen);
// Threads started and not yet ended.
LONG Running();

}  // namespace presscheck
