// The batch headsets of model 0x5060: units whose Bluetooth address lies in
// one production range are served as model 0x5011 (its firmware list entry
// and its images). The headset is reached through the chip vendor's library
// on the UI thread; the transport is shut down again on every exit.
#pragma once
#include "framework/String.h"

const int BATCH_HEADSET_MODEL = 0x5060;
const int BATCH_IDENTITY_MODEL = 0x5011;

// 1 when the first DFU-family headset on the bus answers with an address in
// the batch range, 0 when outside it, -1 when no headset can be connected or
// its address cannot be read.
int ProbeBatchHeadset();

// The image check's batch step: when the connected headset is in the batch
// range and the image's tag is the 0x5011 tag, the headset is given the
// identity of model 0x5011 (product id, USB product id, DFU product id
// 0xD011, product string) and TRUE is returned; otherwise nothing is written.
BOOL RewriteBatchIdentity(const CString& imageTag);

// The model whose firmware list entry a 0x5060 target looks for, after the
// probe: 0x5011 in the batch, 0x5060 outside it, 0 when it cannot be reached.
int BatchListModel(int probe);
