// Names from the server's lists (a firmware or backup image, each part of an
// installer's address) are used twice: appended to the server's address and
// as a local file name in the image folder. One check decides which names
// both take literally.
#pragma once
#include "framework/String.h"

// A name Windows takes as a device in any folder, with or without an
// extension and whatever its case: CON, PRN, AUX, NUL, COM0-9, LPT0-9, the
// superscript COM¹ COM² COM³ LPT¹ LPT² LPT³, CONIN$, CONOUT$, CLOCK$
// ("nul.img", "COM1", "AUX .txt").
bool IsDeviceFileName(const CString& name);

// The longest name that still fits after folder within the path limit, with
// room for the " (20)" a second copy's name gains.
int ServerFileNameRoom(const CString& folder);

// A plain file name that may go into folder: not empty; no folder, drive,
// parent or address part ('/', '\\', ':', "..", '?', '#'); no percent escape;
// no control character and none the file system refuses; no device name; no
// leading space, no trailing dot or space; at most ServerFileNameRoom(folder)
// characters.
bool IsServerFileName(const CString& name, const CString& folder);
