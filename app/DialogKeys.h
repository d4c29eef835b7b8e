// Keyboard rules shared by the wizard and its boxes.
#pragma once
#include <windows.h>

namespace dialogkeys {

// Enter: presses the focused push button (also one inside a page of the
// wizard, which the dialog manager would report to the wrong dialog);
// leaves the key to a control that wants it; otherwise presses the
// dialog's default button when it is shown and enabled. TRUE when the key
// was handled here.
BOOL HandleEnter(HWND dialog, const MSG* msg, int defaultId);

// TRUE when the focus is nowhere useful in the dialog: on no window, on the
// dialog itself, or on a window that is hidden, disabled or outside it.
BOOL IsFocusLost(HWND dialog);

// Gives the focus to the dialog's default button when it can take it,
// otherwise to the first control in Tab order.
void FocusDefault(HWND dialog, int defaultId);

// The popup-menu keys, the context-menu key and Shift+F10: kOpen when the
// menu opens with this message, kSwallow for the rest of the key stroke
// (which must not reach the window: its release would open the menu a
// second time, or F10 would enter the window's menu mode).
enum MenuKey { kNone, kOpen, kSwallow };
MenuKey ContextMenuKey(const MSG* msg, BOOL* f10Pending);

}  // namespace dialogkeys
