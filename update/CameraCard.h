// The memory card of a camera headset while the device hands it to the PC:
// the camera's file names, finding the card by its version file, reading
// the version, and copying the camera firmware onto it. Files on the card
// go through the hardware seam (hw::Api()).
#pragma once
#include <windows.h>
#include "framework/String.h"

struct CameraCardFiles {
    int model;
    const wchar_t* versionFile;   // identifies the card; "major.minor" text
    const wchar_t* tempFile;      // the copy is written here first
    const wchar_t* firmwareFile;  // then renamed to this name
};

// The files of a camera model; null for a model without a camera.
const CameraCardFiles* FindCameraCardFiles(int model);

// "X:\" + name.
CString CardPath(wchar_t letter, const wchar_t* name);
bool CardFileExists(const CString& path);
void DeleteCardFile(const CString& path);

// The first removable drive (A to Z) that holds the version file; 0 when none.
wchar_t FindCardDrive(const CameraCardFiles& files);
// The version file's text, lines joined, as major.minor (non-numbers 0);
// false when it cannot be read.
bool ReadCardVersion(wchar_t letter, const CameraCardFiles& files, int* major, int* minor);

enum CardCopyResult {
    CARD_COPIED,
    CARD_NOT_CREATED,    // the temporary file could not be created: nothing copied
    CARD_SHORT_WRITE,    // temporary file deleted
    CARD_RENAME_FAILED,  // both files deleted
    CARD_NOT_READABLE,   // the firmware file does not open for the digest
    CARD_DIGEST_DIFFERS, // both files deleted
    CARD_SIZE_DIFFERS,   // firmware file deleted
};
// Writes data under the temporary name in one write, renames it to the
// firmware name (a leftover firmware file of an earlier copy is replaced),
// and reads it back for its digest (1024 bytes at a time) and its size.
CardCopyResult CopyToCard(wchar_t letter, const CameraCardFiles& files, const BYTE* data, DWORD size,
                          const BYTE digest[16]);
