// Style bits of a grid cell: the cell's own style word OR its class's word.
#pragma once
#include <windows.h>

namespace cellstyle {
const DWORD kBoldActive = 0x01;         // the active font while the cell is active
const DWORD kFrameActive = 0x02;        // drop-down: plain frame while active
const DWORD kSunkenActive = 0x04;       // drop-down: sunken edge while active
const DWORD kDisabled = 0x08;           // clicks only close, Tab passes over, drawn greyed
const DWORD kAlignRight = 0x10;         // content aligned right
const DWORD kAlignCenter = 0x20;        // content centred
const DWORD kFrameInactive = 0x40;      // drop-down: plain frame while inactive
const DWORD kSunkenInactive = 0x80;     // drop-down: sunken edge while inactive
}  // namespace cellstyle

// The message a cell's popup list sends to its grid: wParam kCellNotifyPick
// with lParam the picked item index, or kCellNotifyCancel with lParam 0.
const UINT WM_CELL_NOTIFY = WM_USER + 0x1000;
const WPARAM kCellNotifyPick = 0xA000;
const WPARAM kCellNotifyCancel = 0xC000;
