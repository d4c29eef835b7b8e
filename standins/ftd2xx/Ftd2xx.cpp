// ftd2xx.dll: the USB-serial bridge of the simulated vehicle module.
#define FTD2XX_BUILD
#include "standins/ftd2xx/include/Ftd2xx.h"
#include "standins/simdevices/SimDevices.h"
#include <mutex>
#include <set>

namespace {
std::mutex g_lock;
std::set<sim::DeviceId> g_open;

sim::DeviceId Open(FtHandle handle) {
    sim::DeviceId id = (sim::DeviceId)(INT_PTR)handle;
    std::lock_guard<std::mutex> hold(g_lock);
    return g_open.count(id) ? id : 0;
}
}  // namespace

extern "C" {

__declspec(dllexport) FtStatus WINAPI FtOpenDevice(int index, FtHandle* handle) {
    if (!handle) return kFtInvalidHandle;
    *handle = nullptr;
    sim::DeviceId id = sim::FtdiOpen(index);
    if (!id) return kFtDeviceNotFound;
    std::lock_guard<std::mutex> hold(g_lock);
    if (!g_open.insert(id).second) return kFtDeviceNotOpened;  // one owner at a time
    *handle = (FtHandle)(INT_PTR)id;
    return kFtOk;
}

__declspec(dllexport) FtStatus WINAPI FtCloseDevice(FtHandle handle) {
    sim::DeviceId id = Open(handle);
    if (!id) return kFtInvalidHandle;
    sim::FtdiClose(id);
    std::lock_guard<std::mutex> hold(g_lock);
    g_open.erase(id);
    return kFtOk;
}

__declspec(dllexport) FtStatus WINAPI FtGetComPortNumber(FtHandle handle, LONG* port) {
    sim::DeviceId id = Open(handle);
    if (!id) return kFtInvalidHandle;
    if (!port) return kFtIoError;
    return sim::FtdiComPort(id, port) ? kFtOk : kFtIoError;
}

}  // extern "C"
