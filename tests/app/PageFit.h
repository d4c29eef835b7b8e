// The controls of a wizard page that the page frame cuts off: a control
// reaching past the frame's right or bottom edge is partly hidden.
#pragma once
#include <windows.h>
#include <string>

inline std::string ControlsCutOffByTheFrame(HWND page) {
    std::string cut;
    HWND frame = ::GetParent(page);
    RECT room;
    ::GetWindowRect(frame, &room);
    for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        ::GetWindowRect(child, &r);
        if (r.right <= room.right && r.left >= room.left) continue;
        cut += std::to_string(::GetDlgCtrlID(child)) + " (" + std::to_string(r.left - room.left) + ".." +
               std::to_string(r.right - room.left) + " of " + std::to_string(room.right - room.left) + ") ";
    }
    return cut;
}
