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

// 1 when the image is meant for the recognised model (its own tag, the
// blank tag of the TKV40 family, an alias, or, for target 0x5060, a 0x5011
// image on a headset of the batch, which is then given the identity of
// 0x5011 (BatchHeadset.h)); else 0.
int CheckImageIdentity(const wchar_t* path, int recognisedModel, int targetModel);
