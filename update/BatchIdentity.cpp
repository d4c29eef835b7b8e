#include "update/BatchIdentity.h"
#include "core/ModelCatalog.h"
#include "core/ModelUsb.h"
#include "core/UsbIds.h"
#include "recognition/BatchCorrections.h"
#include "recognition/PsKeyAccess.h"
#include "update/BatchHeadset.h"
#include <cstring>

namespace {

// The four keys in table order, with where a HeadsetIdentity keeps each.
BYTE* Field(HeadsetIdentity& id, int index) {
    switch (index) {
    case 0: return id.productId;
    case 1: return id.usbProductId;
    case 2: return id.dfuProductId;
    default: return id.productString;
    }
}
const WORD kKeys[4] = {PSKEY_PRODUCT_ID, PSKEY_USB_PRODUCT_ID, PSKEY_USB_DFU_PRODUCT_ID, PSKEY_USB_PRODUCT_STRING};
const int kBytes[4] = {2, 2, 2, 32};

// Connects the first DFU-family headset of the list (later ones are not
// visited) and reads its address; FALSE when it cannot.
BOOL ConnectFirstHeadset(CPsKeySession& session, BYTE address[PSKEY_BDADDR_BYTES]) {
    std::vector<CPsDevice> devices = session.Devices(GetDfuFamilyProductIds());
    if (devices.empty() || !session.Connect(devices.front())) return FALSE;
    return session.Read(PSKEY_BDADDR, address, PSKEY_BDADDR_BYTES);
}

// Writes back every key of the identity read and changed; TRUE when all were
// taken. A failed write does not stop the others: as much as can go back,
// goes back. A key that could not be read has no value of its own to go
// back: it keeps what the rewrite gave it (the library has no way to unset
// a key).
BOOL WriteAll(CPsKeySession& session, HeadsetIdentity& identity) {
    BOOL all = TRUE;
    for (int i = 0; i < 4; ++i)
        if (identity.read[i] && identity.written[i] && !session.Write(kKeys[i], Field(identity, i), kBytes[i]))
            all = FALSE;
    return all;
}

HeadsetIdentity BatchIdentity() {
    HeadsetIdentity id;
    // The USB ids are those the model shows on USB in either mode.
    const ModelUsbIds* usb = GetModelUsbIds(BATCH_IDENTITY_MODEL);
    const WORD words[3] = {(WORD)BATCH_IDENTITY_MODEL, (WORD)usb->normalId, (WORD)usb->updateId};
    for (int i = 0; i < 3; ++i) {
        Field(id, i)[0] = (BYTE)(words[i] & 0xFF);
        Field(id, i)[1] = (BYTE)(words[i] >> 8);
    }
    // The product string: its 16 UTF-16 code units, no terminator.
    CString name;
    GetModelName(name, BATCH_IDENTITY_MODEL, FALSE);
    for (int i = 0; i < 16 && i < name.GetLength(); ++i) {
        id.productString[2 * i] = (BYTE)(name[i] & 0xFF);
        id.productString[2 * i + 1] = (BYTE)(name[i] >> 8);
    }
    return id;
}

}  // namespace

BatchRewrite WriteBatchIdentityToHeadset(HeadsetIdentity* original) {
    CPsKeySession session;
    HeadsetIdentity before;
    if (!ConnectFirstHeadset(session, before.address)) return BATCH_REWRITE_NONE;
    if (!IsAddressInBatchRange5060(BATCH_HEADSET_MODEL, PsLapText(before.address))) return BATCH_REWRITE_NONE;
    // A key that cannot be read (one never set) does not stop the rewrite.
    for (int i = 0; i < 4; ++i) before.read[i] = session.Read(kKeys[i], Field(before, i), kBytes[i]) != FALSE;
    before.firmwareRead = session.Read(PSKEY_FW_VERSION, before.firmware, sizeof before.firmware) != FALSE;
    HeadsetIdentity batch = BatchIdentity();
    for (int i = 0; i < 4; ++i) {
        // Refused: this key and those after it hold what they held.
        if (!session.Write(kKeys[i], Field(batch, i), kBytes[i])) {
            if (original) *original = before;
            return WriteAll(session, before) ? BATCH_REWRITE_NONE : BATCH_REWRITE_HALF;
        }
        before.written[i] = true;
    }
    if (original) *original = before;
    return BATCH_REWRITE_DONE;
}

BatchPutBack WriteIdentityBackToHeadset(const HeadsetIdentity& original, bool tookIdentityImage) {
    CPsKeySession session;
    BYTE address[PSKEY_BDADDR_BYTES] = {};
    if (!ConnectFirstHeadset(session, address)) return PUT_BACK_NO_HEADSET;
    if (std::memcmp(address, original.address, PSKEY_BDADDR_BYTES) != 0) return PUT_BACK_NOT_NOW;
    // The identity it was given belongs to the firmware it took since: a
    // headset that took that image whole keeps it.
    if (tookIdentityImage) return PUT_BACK_KEEPS_IT;
    BYTE firmware[4] = {};
    const bool firmwareRead = session.Read(PSKEY_FW_VERSION, firmware, sizeof firmware) != FALSE;
    if (original.firmwareRead && !firmwareRead) return PUT_BACK_NOT_NOW;
    if (firmwareRead && (!original.firmwareRead || std::memcmp(firmware, original.firmware, sizeof firmware) != 0))
        return PUT_BACK_KEEPS_IT;
    HeadsetIdentity copy = original;
    return WriteAll(session, copy) ? PUT_BACK_DONE : PUT_BACK_NOT_NOW;
}

void AddKeysToGoBack(HeadsetIdentity* due, const HeadsetIdentity& later) {
    HeadsetIdentity copy = later;
    for (int i = 0; i < 4; ++i) {
        if (due->written[i]) continue;
        std::memcpy(Field(*due, i), Field(copy, i), kBytes[i]);
        due->read[i] = copy.read[i];
        due->written[i] = copy.written[i];
    }
    std::memcpy(due->firmware, later.firmware, sizeof due->firmware);
    due->firmwareRead = later.firmwareRead;
}
