// The DFU image files of the stand-in library; the layout is in
// include/DFUImageFormat.h.
#pragma once
#include <windows.h>

namespace dfuimage {

const DWORD kMinimumSize = 1648;
// Larger files are not images of these headsets.
const DWORD kMaximumSize = 16u << 20;

// True when the file is a whole image: magic, announced length, suffix and
// the CRC over the file. fwVersion (if given) gets bytes 8-11.
bool Read(const wchar_t* path, BYTE fwVersion[4]);

}  // namespace dfuimage
