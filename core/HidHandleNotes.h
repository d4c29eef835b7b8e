// What the HID channel has learnt about each open handle: whether a request
// on it was given up lately (its reply may still be on its way), and whether
// the headset's replies on it carry the request's command in byte 1. The
// notes of a handle go when its owner (hw::CDeviceHandle) closes it.
#pragma once
#include <windows.h>

namespace hidnotes {

// A request on h was given up now; its reply may still come within windowMs.
void NoteGivenUp(HANDLE h, DWORD windowMs);
// Clock time left of the late window of h (0 when none is open).
DWORD LateWindowLeft(HANDLE h);

// A final reply (not pending) to command was taken on h, with replied in its
// byte 1.
void NoteReply(HANDLE h, BYTE command, BYTE replied);
// Whether every final reply on h so far carried its request's command, for
// at least two different commands.
bool EchoShown(HANDLE h);

// Forgets everything noted about h.
void Forget(HANDLE h);

}  // namespace hidnotes
