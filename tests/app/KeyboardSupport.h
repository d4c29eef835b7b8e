// Key strokes and Tab walks for the tests of the real windows: keys are
// posted to the focused window and go through the message loop, so that the
// dialogs' own key handling sees them as it sees typed keys.
#pragma once
#include <windows.h>
#include <vector>

namespace keys {

// One stroke (down and up) to the window with the focus; messages are then
// handled until the stroke is through.
void Press(UINT vk);
// Shift+F10, with the Shift key held in this thread's key state.
void PressShiftF10();
// The focus from the current one round the dialog with Tab until it comes
// back (at most 60 steps); the first entry is where it started.
std::vector<HWND> TabCycle();
// The control ids of those of the windows that are direct children of parent.
std::vector<int> IdsOfChildren(const std::vector<HWND>& windows, HWND parent);

}  // namespace keys
