// What the HID channel has learnt about each interface it talks to: whether
// a request on it was given up lately (its reply may still be on its way),
// and which commands the headset answers with the command in byte 1 (the
// echo) and which without.
//
// A handle opened by interface path shares these notes with every handle of
// that path: the driver puts each input report of an interface into the
// queue of every handle open on it, so a reply still on its way reaches a
// handle opened after its request was given up, and a headset that echoes
// keeps doing so on the handles opened after. The notes of a path outlive
// its handles:
// - the late window ends when its time has passed;
// - the echo notes end when the path is missing from a walk of the
//   interfaces on the bus (its headset has left), or when the interface
//   answers an address request with another address than before (another
//   headset took its place).
// A handle opened otherwise keeps notes of its own, which go when its owner
// (hw::CDeviceHandle) closes it.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace hidnotes {

// h was opened on the HID interface at path.
void NotePath(HANDLE h, const wchar_t* path);
// A whole walk of the HID interfaces on the bus found just these paths.
void NotePresentPaths(const std::vector<std::wstring>& paths);

// A request on h was given up now; its reply may still come within windowMs.
void NoteGivenUp(HANDLE h, DWORD windowMs);
// Clock time left of the late window of h or of its interface (0 when none
// is open).
DWORD LateWindowLeft(HANDLE h);

// The final reply (not pending, HID_IN_REPORT_SIZE bytes) to command was
// taken on h. A reply that names another command which has echoed on the
// interface answers that one: it tells nothing about command.
void NoteReply(HANDLE h, BYTE command, const BYTE* reply);
// Whether a final reply to command on h that names another command is read
// past: the interface has echoed at least two different commands, and
// command has never been answered there without the echo.
bool ReadsPastOthers(HANDLE h, BYTE command);
// Whether a final reply on h's interface has carried command in byte 1.
bool HasEchoed(HANDLE h, BYTE command);

// Forgets the notes of h (those of its interface path stay).
void Forget(HANDLE h);

}  // namespace hidnotes
