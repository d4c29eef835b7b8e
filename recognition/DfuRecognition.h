// The DFU path of the recognition routine: enumerates the chip vendor's
// USB DFU devices, takes the target model from the first accepted one,
// connects, reads the identity keys, applies the batch corrections, writes
// back a saved record, reads the settings, decides the family and stores
// the device into the main dialog. Ends with the USB consistency check.
#pragma once
#include "core/DeviceRecord.h"
#include "core/RecognitionOutcome.h"
#include "recognition/DueRestores.h"
#include <vector>

class CUpdaterDlg;

// Runs the DFU path on the main dialog's state; returns the outcome. The
// caller has set the busy state and reports the outcome. due (when given)
// holds the saved records waiting to be written back: the one due for the
// connected headset is taken and written, and a refusal is told to it.
RecognitionOutcome RunDfuRecognition(CUpdaterDlg& main, CDueRestores* due);

// The product ids the DFU path accepts, in the USB scan and in the
// library's list: the DFU-family headsets (GetDfuFamilyProductIds). Tests of
// models outside that family may set another list; null restores it.
void SetDfuAcceptedProductIds(const int* ids, int count);
// The product ids the DFU path accepts now (the settings writes look for
// the recognised headset among the same ones).
std::vector<int> DfuAcceptedProductIds();

// TRUE when a present removable drive holds "kelto.bin" in its root (the
// camera 0x3020's memory card).
BOOL CameraMarkerDrivePresent();
