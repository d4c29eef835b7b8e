// The one identity-and-version routine of a connected headset of the chip
// vendor's family: its model id and firmware version from the persistent
// store, with the fallbacks for keys that cannot be read. Recognition, the
// update page and the settings pages all read the identity through it, so
// that they never disagree about which model and version a device is.
//
//   CPsKeySession session;  ... session.Connect(device) ...
//   CDfuIdentity id;
//   ReadDfuIdentity(session, &id);   // id.model, id.major, id.minor, ...
//
// Recognition runs the three steps one by one, since it reads the address
// and applies the batch corrections between the product id and the name.
#pragma once
#include "framework/String.h"
#include "recognition/PsKeyAccess.h"

struct CDfuIdentity {
    int model = 0;               // from PSKEY_PRODUCT_ID, or the fallbacks below
    BOOL productIdRead = FALSE;  // the product-id key could be read
    CString name;                // PSKEY_DEVICE_NAME, "TKV40" when it cannot be read
    BOOL nameRead = FALSE;
    int version = 0;             // major x 10 + minor (not set for model 0x3020)
    int major = 0, minor = 0, third = 0, fourth = 0;
};

// The model of a unit whose product-id key cannot be read, until its name says otherwise.
const int DFU_FALLBACK_MODEL = 0x4D10;
// The name of a unit whose name key cannot be read.
const wchar_t* const DFU_FALLBACK_NAME = L"TKV40";
// The camera model that keeps its version in four bytes and needs its card.
const int DFU_CAMERA_MODEL = 0x3020;

// PSKEY_PRODUCT_ID into id->model; 0x4D10 and productIdRead FALSE when it fails.
void ReadDfuProductId(CPsKeySession& session, CDfuIdentity* id);
// PSKEY_DEVICE_NAME (at most its 256 bytes, up to the first zero byte) into
// id->name. When the product id was not read, a name holding "TKV40" makes
// the model 0x4D10, else one holding "DRW40" makes it 0x5010. A failed read
// gives "TKV40" and leaves the model.
void ReadDfuDeviceName(CPsKeySession& session, CDfuIdentity* id);
// The firmware version of id->model from PSKEY_FW_VERSION and, for 0x4D10,
// 0x4D30 and 0x4D40, PSKEY_LEGACY_VERSION, with the fallback table below.
// Where the legacy key holds a version strictly between 0.3 and 3.2 the
// newer key is cleared to four zero bytes, as the older firmware expects;
// a caller that only checks the identity passes repairKeys false and the
// device is not written.
void DecideDfuVersion(CPsKeySession& session, CDfuIdentity* id, bool repairKeys = true);
// The three steps in order: product id, name, version.
void ReadDfuIdentity(CPsKeySession& session, CDfuIdentity* id, bool repairKeys = true);

// The version (major x 10 + minor) of a model whose version keys say
// nothing: 0x4D10 30, 0x4D30 42, 0x4D40 43, the table of the other models,
// 0 for a model the table does not know.
int DfuFallbackVersion(int model);
