// The DFU image format of the stand-in library:
//   bytes 0-7    "SIMDFU01"
//   bytes 8-11   the PSKEY_FW_VERSION value the headset reports once the
//                image is installed
//   bytes 12-15  the file length (little-endian), so a cut file is refused
//   bytes 16-    the image identity tag (8-bit text, blank-padded)
// and at least 1648 bytes in all.
#pragma once
#include <windows.h>

namespace dfuimage {

const DWORD kMinimumSize = 1648;

// True when the file is a whole image; fwVersion (if given) gets bytes 8-11.
bool Read(const wchar_t* path, BYTE fwVersion[4]);

}  // namespace dfuimage
