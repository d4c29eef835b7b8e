// The HID branch of the recognition routine: for a headset found on the
// vendor-defined HID interface, opens its interfaces into the main dialog
// (left open for the pages that follow), reads its name, the versions of
// its chips, its address and hardware version, writes back a saved record,
// reads its settings blocks, FM block and speed dials, and stores all of it
// in the main dialog's device record.
#pragma once
#include "core/DeviceRecord.h"
#include "core/RecognitionOutcome.h"
#include "recognition/DueRestores.h"

class CUpdaterDlg;

// A headset that does not answer its version request (or, with two chips,
// either of them) is not recognised: the outcome is RECOGNITION_NO_DEVICE,
// nothing is stored or written, and its interfaces are closed again.
// productId is the product id of the maker's first HID interface. When it
// names a HID headset model (the module's ids meaning 0x5345), that model
// becomes the target. due (when given) holds the saved records waiting to
// be written back: the one due for this headset is taken and written, and a
// refusal is told to it.
RecognitionOutcome RunHidRecognition(CUpdaterDlg& main, CDueRestores* due, int productId);

// The model a HID product id stands for, or 0 when it is no HID headset model.
int HidModelOfProductId(int productId);

// Clock time of the update-mode chip's appearance: the wait after the
// switch, the number of opens tried and the pause between them.
const unsigned HID_UPDATE_MODE_WAIT_MS = 6000;
const int HID_UPDATE_MODE_TRIES = 20;
const unsigned HID_UPDATE_MODE_RETRY_MS = 1000;
const int HID_UPDATE_MODE_PRODUCT_ID = 0x3120;

// Clock time without any report after which recognition gives a request up.
const unsigned HID_RECOGNITION_REPLY_MS = 5000;
