// The persistent-store road of a settings save.
#include "settings/SettingsWrite.h"
#include "app/UpdaterDlg.h"
#include "core/UsbIds.h"
#include "core/UsbScan.h"
#include "recognition/DfuIdentity.h"
#include "recognition/DfuRecognition.h"
#include "recognition/PsKeyAccess.h"

namespace {

// The unit that shows as two DFU devices, both written.
const int kTwoInterfaceModel = 0x5310;

}  // namespace

SettingsWriteResult WritePsSettings(CUpdaterDlg& main, const std::function<bool(CPsKeySession&)>& writeKeys) {
    const int limit = main.m_nTargetModel == kTwoInterfaceModel ? 2 : 1;
    std::vector<int> accepted = DfuAcceptedProductIds();

    // The recognised product id must still be on the bus; the library is
    // not touched otherwise.
    int scanned[2] = {0, 0};
    int count = ScanUsbDevicesFor(scanned, 2, accepted.data(), (int)accepted.size());
    if (count < limit) return SETTINGS_WRONG_DEVICE;
    for (int i = 0; i < limit; ++i)
        if (scanned[i] != main.m_nUsbStatus) return SETTINGS_WRONG_DEVICE;

    CPsKeySession session;  // shut down on every way out
    const CDeviceRecord& record = main.m_deviceRecord;
    int seen = 0, written = 0;
    for (const CPsDevice& device : session.Devices(accepted.data(), (int)accepted.size())) {
        if (++seen > limit) break;
        if (!session.Connect(device)) continue;
        // The same identity and version routine recognition used, without
        // its repairs of old version keys: a check writes nothing.
        CDfuIdentity id;
        ReadDfuIdentity(session, &id, false);
        if (id.model != record.m_nModelId) return SETTINGS_WRONG_DEVICE;
        if (record.CompareFullVersion(id.major, id.minor, id.third, id.fourth) != 0) return SETTINGS_WRONG_DEVICE;
        if (!writeKeys(session)) return SETTINGS_WRITE_FAILED;
        ++written;
    }
    // Unplugged after the scan, or every connection refused: nothing was
    // written, and that is not a save.
    return written > 0 ? SETTINGS_WRITTEN : SETTINGS_WRITE_FAILED;
}
