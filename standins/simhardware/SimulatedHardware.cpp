// The simulated table: every call answered by the simulated devices.
#include "standins/simhardware/SimulatedParts.h"
#include "framework/Clock.h"
#include "standins/simdevices/SimDevices.h"

namespace hw {

namespace simulated {
void SyncSpeed() {
    unsigned speed = fw::Clock::GetSpeed();
    if (sim::GetSpeed() != speed) sim::SetSpeed(speed);
}
}  // namespace simulated

const HardwareApi& SimulatedApi() {
    using namespace simulated;
    static const HardwareApi api = {
        simulated::SetupDiGetClassDevsW,
        simulated::SetupDiEnumDeviceInterfaces,
        simulated::SetupDiGetDeviceInterfaceDetailW,
        simulated::SetupDiEnumDeviceInfo,
        simulated::SetupDiGetDeviceRegistryPropertyA,
        simulated::SetupDiDestroyDeviceInfoList,
        simulated::HidD_GetHidGuid,
        simulated::HidD_GetAttributes,
        simulated::HidD_GetPreparsedData,
        simulated::HidD_FreePreparsedData,
        simulated::HidP_GetCaps,
        simulated::HidD_FlushQueue,
        simulated::CreateFileW,
        simulated::ReadFile,
        simulated::WriteFile,
        simulated::GetOverlappedResult,
        simulated::CancelIo,
        simulated::CloseHandle,
        simulated::GetFileSize,
        simulated::DeleteFileW,
        simulated::MoveFileW,
        simulated::GetFileAttributesW,
        simulated::GetLogicalDrives,
        simulated::GetDriveTypeW,
    };
    return api;
}

}  // namespace hw
