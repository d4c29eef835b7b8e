// The batch headsets of model 0x5060: units whose Bluetooth address lies in
// one production range are served as model 0x5011 (its firmware list entry
// and its images). The headset is reached through the chip vendor's library
// on the UI thread; the transport is shut down again on every exit.
#pragma once
#include "framework/String.h"

const int BATCH_HEADSET_MODEL = 0x5060;
const int BATCH_IDENTITY_MODEL = 0x5011;

// Asks the first DFU-family headset on the bus for its address over USB
// (reads only): 1 when it lies in the batch range, 0 when outside it, -1
// when no headset can be connected or its address cannot be read.
int ProbeBatchHeadsetOverUsb();

// The model whose firmware list entry a 0x5060 target looks for, after the
// probe: 0x5011 in the batch, 0x5060 outside it, 0 when it cannot be reached.
int BatchListModel(int probe);
