// The identity tag of a DFU firmware image: 8-bit text at offset 16, the
// internal model name, '#' and a model id in four upper-case hex digits
// ("TKV40#4D10"). An image must hold at least 1648 bytes.
#pragma once
#include "framework/String.h"

const long IMAGE_IDENTITY_MIN_BYTES = 1648;
const int IMAGE_TAG_OFFSET = 16;

// The alias id a recognised model also accepts images of; 0 for none.
int ImageAliasModel(int recognisedModel);

// "<internal name of nameModel>#<idModel as %04X>".
CString MakeImageTag(int nameModel, int idModel);

// The tag read from the image, as long as expectedLength, trimmed; the
// first tag byte in *firstByte. FALSE when the file is shorter than 1648
// bytes or cannot be read.
BOOL ReadImageTag(const wchar_t* path, int expectedLength, CString* tag, BYTE* firstByte);

// Results of the image check.
const int IMAGE_NOT_FOR_HEADSET = 0;
const int IMAGE_FOR_HEADSET = 1;
// A 0x5011 image for a 0x5060 headset of the batch: it is for the headset
// once the headset has the identity of 0x5011 (BatchIdentity.h).
const int IMAGE_FOR_BATCH_IDENTITY = 2;

// Whether the image is meant for the recognised model: its own tag, the
// blank tag of the TKV40 family or an alias (IMAGE_FOR_HEADSET); for target
// 0x5060, a 0x5011 image while the headset, asked over USB for its address
// (ProbeBatchHeadsetOverUsb), lies in the batch (IMAGE_FOR_BATCH_IDENTITY).
// Nothing is written to the headset.
int CheckImageIdentityOverUsb(const wchar_t* path, int recognisedModel, int targetModel);
