// The checks and preparation before a DFU update: the USB device present is
// the recognised one, its persistent store still says the recognised model
// and version, the camera headset's package is split, the image is valid
// and meant for the headset, and the settings archive is written. Only
// then are the headset's keys prepared for the new firmware, so a refused
// image leaves the headset untouched. Nothing here changes the headset's
// identity.
#pragma once
#include "framework/String.h"
#include <functional>

class CDeviceRecord;
class CFirmwareInfo;

struct DfuPreparation {
    CFirmwareInfo* info = nullptr;      // the active record (image path, texts, step)
    int page = 3;                       // the wizard page the update runs from
    int targetModel = 0;
    int usbStatus = 0;                  // product id the device was found under
    const CDeviceRecord* device = nullptr;  // the recognised device
    BOOL withCodes = TRUE;              // failure texts carry the step codes; archive written
    CString imageFolder;                // "<program>\IMG\"
    std::function<BOOL()> writeArchive; // the settings archive (page 3, normal mode only)
};

// Runs the checks in order; FALSE after a failure (the record holds the
// failure texts, the error and the end). TRUE when the engine may start:
// the step is then 5 and the status texts are the activity text.
// *batchIdentity: the image is the 0x5011 image for a 0x5060 headset of the
// batch, which the flow gives the identity of 0x5011 just before the switch.
BOOL PrepareDfuUpdate(const DfuPreparation& p, BOOL* batchIdentity = nullptr);

// The camera headset's package: a header with the model id 0x3020 at 28 and
// the entry count at 32, then entries of 32 bytes (offset at 8, size at 12,
// MD5 at 16). Writes entry 0 to "__kelto_dfu_bluetooth__.img" and entry 1 to
// "__kelto_firmware__.bin" in the folder, after deleting older files of
// those names; the first path in *bluetoothImage. FALSE when the package is
// unreadable, too short, has fewer than two entries, a slice outside the
// file, a wrong digest or model, or a part cannot be written whole.
BOOL SplitCameraPackage(const CString& package, const CString& folder, CString* bluetoothImage);
extern const wchar_t* const kCameraBluetoothPart;
extern const wchar_t* const kCameraFirmwarePart;
