// Chooses the table the program uses: the build setting MORVEX_HARDWARE
// ("sim" or "win32"), unless a test has switched it.
#include "hardware/HardwareApi.h"
#include <atomic>

namespace hw {

namespace {
std::atomic<const HardwareApi*> g_override{nullptr};
std::atomic<void (*)(HANDLE)> g_closingListener{nullptr};
}

const HardwareApi& Api() {
    const HardwareApi* api = g_override.load();
    if (api) return *api;
#ifdef MORVEX_HARDWARE_WIN32
    return Win32Api();
#else
    return SimulatedApi();
#endif
}

void SetApi(const HardwareApi* api) { g_override = api; }

void SetDeviceHandleClosingListener(void (*listener)(HANDLE)) { g_closingListener = listener; }

void NotifyDeviceHandleClosing(HANDLE h) {
    if (void (*listener)(HANDLE) = g_closingListener.load()) listener(h);
}

}  // namespace hw
