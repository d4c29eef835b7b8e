// The FTDI D2XX library (ftd2xx.dll) as the program uses it: three calls,
// exported by ordinal only. The program may link the import library (the
// names below resolve to the ordinals) or look the calls up with
// GetProcAddress(module, MAKEINTRESOURCEA(ordinal)).
#pragma once
#include <windows.h>

typedef void* FtHandle;
typedef ULONG FtStatus;  // 0 = success

enum FtOrdinal {
    kFtOrdinalOpen = 1,        // open a device by index
    kFtOrdinalClose = 2,       // close it
    kFtOrdinalComPort = 80,    // its COM port number (-1 when it has none)
};

enum FtStatusCode {
    kFtOk = 0,
    kFtInvalidHandle = 1,
    kFtDeviceNotFound = 2,
    kFtDeviceNotOpened = 3,
    kFtIoError = 4,
};

typedef FtStatus(WINAPI* FtOpenFn)(int index, FtHandle* handle);
typedef FtStatus(WINAPI* FtCloseFn)(FtHandle handle);
typedef FtStatus(WINAPI* FtComPortFn)(FtHandle handle, LONG* port);

#ifndef FTD2XX_BUILD
extern "C" {
__declspec(dllimport) FtStatus WINAPI FtOpenDevice(int index, FtHandle* handle);
__declspec(dllimport) FtStatus WINAPI FtCloseDevice(FtHandle handle);
__declspec(dllimport) FtStatus WINAPI FtGetComPortNumber(FtHandle handle, LONG* port);
}
#endif
