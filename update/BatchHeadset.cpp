#include "update/BatchHeadset.h"
#include "core/ModelCatalog.h"
#include "core/UsbIds.h"
#include "recognition/BatchCorrections.h"
#include "recognition/PsKeyAccess.h"
#include "update/ImageIdentity.h"

namespace {

// Connects the first DFU-family headset of the list (later ones are not
// visited) and reads its LAP; FALSE when it cannot.
BOOL ConnectAndReadLap(CPsKeySession& session, CString* lap) {
    std::vector<CPsDevice> devices = session.Devices(UsbDfuFamilyPidList, UsbDfuFamilyPidCount);
    if (devices.empty() || !session.Connect(devices.front())) return FALSE;
    BYTE address[PSKEY_BDADDR_BYTES] = {};
    if (!session.Read(PSKEY_BDADDR, address, sizeof(address))) return FALSE;
    *lap = PsLapText(address);
    return TRUE;
}

}  // namespace

int ProbeBatchHeadset() {
    CPsKeySession session;
    CString lap;
    if (!ConnectAndReadLap(session, &lap)) return -1;
    return IsAddressInBatchRange5060(BATCH_HEADSET_MODEL, lap) ? 1 : 0;
}

BOOL RewriteBatchIdentity(const CString& imageTag) {
    if (imageTag != MakeImageTag(BATCH_IDENTITY_MODEL, BATCH_IDENTITY_MODEL)) return FALSE;
    CPsKeySession session;
    CString lap;
    if (!ConnectAndReadLap(session, &lap) || !IsAddressInBatchRange5060(BATCH_HEADSET_MODEL, lap)) return FALSE;
    session.WriteWord(PSKEY_PRODUCT_ID, (WORD)BATCH_IDENTITY_MODEL);
    session.WriteWord(PSKEY_USB_PRODUCT_ID, (WORD)BATCH_IDENTITY_MODEL);
    session.WriteWord(PSKEY_USB_DFU_PRODUCT_ID, (WORD)(BATCH_IDENTITY_MODEL | 0x8000));
    // The product string: its 16 UTF-16 code units, no terminator.
    CString name;
    GetModelName(name, BATCH_IDENTITY_MODEL, FALSE);
    WORD units[16] = {};
    for (int i = 0; i < 16 && i < name.GetLength(); ++i) units[i] = (WORD)name[i];
    session.WriteWords(PSKEY_USB_PRODUCT_STRING, units, 16);
    return TRUE;
}

int BatchListModel(int probe) {
    if (probe < 0) return 0;
    return probe > 0 ? BATCH_IDENTITY_MODEL : BATCH_HEADSET_MODEL;
}
