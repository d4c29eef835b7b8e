// The real table: the operating system's SetupAPI, HID and kernel calls.
#include "hardware/HardwareApi.h"

namespace hw {

const HardwareApi& Win32Api() {
    static const HardwareApi api = {
        ::SetupDiGetClassDevsW,
        ::SetupDiEnumDeviceInterfaces,
        ::SetupDiGetDeviceInterfaceDetailW,
        ::SetupDiEnumDeviceInfo,
        ::SetupDiGetDeviceRegistryPropertyA,
        ::SetupDiDestroyDeviceInfoList,
        ::HidD_GetHidGuid,
        ::HidD_GetAttributes,
        ::HidD_GetPreparsedData,
        ::HidD_FreePreparsedData,
        ::HidP_GetCaps,
        ::HidD_FlushQueue,
        ::CreateFileW,
        ::ReadFile,
        ::WriteFile,
        ::GetOverlappedResult,
        ::CancelIo,
        ::CloseHandle,
        ::GetFileSize,
        ::DeleteFileW,
        ::MoveFileW,
        ::GetFileAttributesW,
        ::GetLogicalDrives,
        ::GetDriveTypeW,
    };
    return api;
}

}  // namespace hw
