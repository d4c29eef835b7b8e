#include "update/BatchHeadset.h"
#include "core/UsbIds.h"
#include "recognition/BatchCorrections.h"
#include "recognition/PsKeyAccess.h"

int ProbeBatchHeadsetOverUsb() {
    CPsKeySession session;
    // The first DFU-family headset of the list; later ones are not visited.
    std::vector<CPsDevice> devices = session.Devices(GetDfuFamilyProductIds());
    if (devices.empty() || !session.Connect(devices.front())) return -1;
    BYTE address[PSKEY_BDADDR_BYTES] = {};
    if (!session.Read(PSKEY_BDADDR, address, sizeof(address))) return -1;
    return IsAddressInBatchRange5060(BATCH_HEADSET_MODEL, PsLapText(address)) ? 1 : 0;
}

int BatchListModel(int probe) {
    if (probe < 0) return 0;
    return probe > 0 ? BATCH_IDENTITY_MODEL : BATCH_HEADSET_MODEL;
}
