// The pieces of the simulated table, one file per group of Win32 calls.
#pragma once
#include "hardware/HardwareApi.h"

namespace hw {
namespace simulated {

// SimulatedSetupApi.cpp
HDEVINFO WINAPI SetupDiGetClassDevsW(const GUID* classGuid, PCWSTR enumerator, HWND parent, DWORD flags);
BOOL WINAPI SetupDiEnumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA info, const GUID* guid, DWORD index,
                                        PSP_DEVICE_INTERFACE_DATA data);
BOOL WINAPI SetupDiGetDeviceInterfaceDetailW(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA data,
                                             PSP_DEVICE_INTERFACE_DETAIL_DATA_W detail, DWORD size,
                                             PDWORD required, PSP_DEVINFO_DATA info);
BOOL WINAPI SetupDiEnumDeviceInfo(HDEVINFO set, DWORD index, PSP_DEVINFO_DATA info);
BOOL WINAPI SetupDiGetDeviceRegistryPropertyA(HDEVINFO set, PSP_DEVINFO_DATA info, DWORD property,
                                              PDWORD regType, PBYTE buffer, DWORD size, PDWORD required);
BOOL WINAPI SetupDiDestroyDeviceInfoList(HDEVINFO set);

// SimulatedHid.cpp: HID calls and the device handles.
void WINAPI HidD_GetHidGuid(LPGUID guid);
BOOLEAN WINAPI HidD_GetAttributes(HANDLE device, PHIDD_ATTRIBUTES attributes);
BOOLEAN WINAPI HidD_GetPreparsedData(HANDLE device, PHIDP_PREPARSED_DATA* data);
BOOLEAN WINAPI HidD_FreePreparsedData(PHIDP_PREPARSED_DATA data);
NTSTATUS WINAPI HidP_GetCaps(PHIDP_PREPARSED_DATA data, PHIDP_CAPS caps);
BOOLEAN WINAPI HidD_FlushQueue(HANDLE device);
// A HID interface path opens a simulated handle; other names return false.
bool OpenDevice(LPCWSTR name, HANDLE* handle);
bool IsDevice(HANDLE handle);
BOOL ReadDevice(HANDLE handle, LPVOID buffer, DWORD size, LPDWORD read, LPOVERLAPPED ov);
BOOL WriteDevice(HANDLE handle, LPCVOID buffer, DWORD size, LPDWORD written, LPOVERLAPPED ov);
BOOL DeviceOverlappedResult(HANDLE handle, LPOVERLAPPED ov, LPDWORD transferred, BOOL wait);
BOOL CancelDevice(HANDLE handle);
BOOL CloseDevice(HANDLE handle);

// SimulatedFiles.cpp: device files, the drives and the files on them.
HANDLE WINAPI CreateFileW(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES sa,
                          DWORD disposition, DWORD flags, HANDLE templ);
BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD size, LPDWORD read, LPOVERLAPPED ov);
BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD size, LPDWORD written, LPOVERLAPPED ov);
BOOL WINAPI GetOverlappedResult(HANDLE file, LPOVERLAPPED ov, LPDWORD transferred, BOOL wait);
BOOL WINAPI CancelIo(HANDLE file);
BOOL WINAPI CloseHandle(HANDLE handle);
DWORD WINAPI GetFileSize(HANDLE file, LPDWORD high);
BOOL WINAPI DeleteFileW(LPCWSTR name);
BOOL WINAPI MoveFileW(LPCWSTR from, LPCWSTR to);
DWORD WINAPI GetFileAttributesW(LPCWSTR name);
DWORD WINAPI GetLogicalDrives();
UINT WINAPI GetDriveTypeW(LPCWSTR root);

// Keeps the devices' clock at the program's speed.
void SyncSpeed();

}  // namespace simulated
}  // namespace hw
