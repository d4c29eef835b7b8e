// The one seam between the program and the hardware it looks for: the Win32
// calls of SetupAPI, HID, device file I/O and drives, as a table of function
// pointers with the Win32 names and signatures. The program calls
// hw::Api().Name(...) where it would call ::Name(...).
//
// Two tables exist: the real one (Win32Hardware.cpp) and the simulated one,
// which answers from the simulated devices. Which one the program links is a
// build setting; tests may switch at run time with hw::SetApi.
#pragma once
#include <windows.h>
#include <setupapi.h>
// MinGW's HID headers declare their functions without C linkage.
extern "C" {
#include <hidsdi.h>
#include <hidpi.h>
}

namespace hw {

struct HardwareApi {
    // SetupAPI
    HDEVINFO (WINAPI* SetupDiGetClassDevsW)(const GUID* classGuid, PCWSTR enumerator, HWND parent, DWORD flags);
    BOOL (WINAPI* SetupDiEnumDeviceInterfaces)(HDEVINFO set, PSP_DEVINFO_DATA info, const GUID* guid,
                                               DWORD index, PSP_DEVICE_INTERFACE_DATA data);
    BOOL (WINAPI* SetupDiGetDeviceInterfaceDetailW)(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA data,
                                                    PSP_DEVICE_INTERFACE_DETAIL_DATA_W detail, DWORD size,
                                                    PDWORD required, PSP_DEVINFO_DATA info);
    BOOL (WINAPI* SetupDiEnumDeviceInfo)(HDEVINFO set, DWORD index, PSP_DEVINFO_DATA info);
    BOOL (WINAPI* SetupDiGetDeviceRegistryPropertyA)(HDEVINFO set, PSP_DEVINFO_DATA info, DWORD property,
                                                     PDWORD regType, PBYTE buffer, DWORD size, PDWORD required);
    BOOL (WINAPI* SetupDiDestroyDeviceInfoList)(HDEVINFO set);

    // HID
    void (WINAPI* HidD_GetHidGuid)(LPGUID guid);
    BOOLEAN (WINAPI* HidD_GetAttributes)(HANDLE device, PHIDD_ATTRIBUTES attributes);
    BOOLEAN (WINAPI* HidD_GetPreparsedData)(HANDLE device, PHIDP_PREPARSED_DATA* data);
    BOOLEAN (WINAPI* HidD_FreePreparsedData)(PHIDP_PREPARSED_DATA data);
    NTSTATUS (WINAPI* HidP_GetCaps)(PHIDP_PREPARSED_DATA data, PHIDP_CAPS caps);
    // Discards the input reports the driver holds for the handle.
    BOOLEAN (WINAPI* HidD_FlushQueue)(HANDLE device);

    // Device files (HID interfaces, opened by interface path; also the
    // files on a removable drive).
    HANDLE (WINAPI* CreateFileW)(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES sa,
                                 DWORD disposition, DWORD flags, HANDLE templ);
    BOOL (WINAPI* ReadFile)(HANDLE file, LPVOID buffer, DWORD size, LPDWORD read, LPOVERLAPPED ov);
    BOOL (WINAPI* WriteFile)(HANDLE file, LPCVOID buffer, DWORD size, LPDWORD written, LPOVERLAPPED ov);
    BOOL (WINAPI* GetOverlappedResult)(HANDLE file, LPOVERLAPPED ov, LPDWORD transferred, BOOL wait);
    BOOL (WINAPI* CancelIo)(HANDLE file);
    BOOL (WINAPI* CloseHandle)(HANDLE handle);
    DWORD (WINAPI* GetFileSize)(HANDLE file, LPDWORD high);
    BOOL (WINAPI* DeleteFileW)(LPCWSTR name);
    BOOL (WINAPI* MoveFileW)(LPCWSTR from, LPCWSTR to);
    DWORD (WINAPI* GetFileAttributesW)(LPCWSTR name);

    // Drives
    DWORD (WINAPI* GetLogicalDrives)();
    UINT (WINAPI* GetDriveTypeW)(LPCWSTR root);
};

// The table in use.
const HardwareApi& Api();
// The two tables; SetApi switches (tests only).
const HardwareApi& Win32Api();
const HardwareApi& SimulatedApi();
void SetApi(const HardwareApi* api);

}  // namespace hw

#include "framework/Handle.h"

namespace hw {

// Whoever keeps notes about an open device handle (the HID channel) is told
// just before its owner closes it, so that a handle opened later, which may
// get the same value, starts without them. One listener; null for none.
void SetDeviceHandleClosingListener(void (*listener)(HANDLE));
void NotifyDeviceHandleClosing(HANDLE h);

// An owned handle from the seam's CreateFileW (a HID interface, a file on a
// drive): closed through the seam's CloseHandle.
struct DeviceHandleTraits {
    static BOOL Close(HANDLE h) {
        NotifyDeviceHandleClosing(h);
        return Api().CloseHandle(h);
    }
};
typedef fw::CHandleT<DeviceHandleTraits> CDeviceHandle;

}  // namespace hw
