// What the HID channel has learnt about each open handle: whether a request
// on it was given up lately (its reply may still be on its way), and whether
// the headset's replies on it carry the request's command in byte 1. The
// notes of a handle go when its owner (hw::CDeviceHandle) closes it.
//
// A handle opened by interface path shares the late window with every
// handle of that path: the driver puts each input report of an interface
// into the queue of every handle open on it, so a reply still on its way
// reaches a handle opened after its request was given up. That window
// outlives the handle; the echo stays learnt per handle.
#pragma once
#include <windows.h>

namespace hidnotes {

// h was opened on the HID interface at path.
void NotePath(HANDLE h, const wchar_t* path);

// A request on h was given up now; its reply may still come within windowMs.
void NoteGivenUp(HANDLE h, DWORD windowMs);
// Clock time left of the late window of h or of its interface (0 when none
// is open).
DWORD LateWindowLeft(HANDLE h);

// A final reply (not pending) to command was taken on h, with replied in its
// byte 1.
void NoteReply(HANDLE h, BYTE command, BYTE replied);
// Whether every final reply on h so far carried its request's command, for
// at least two different commands.
bool EchoShown(HANDLE h);

// Forgets everything noted about h (the late window of its interface stays).
void Forget(HANDLE h);

}  // namespace hidnotes
