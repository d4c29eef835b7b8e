// The HID update of the camera group: for the four camera models, the
// camera firmware (part 2) is first copied to the device's memory card,
// which the device hands to the PC as a removable drive; then parts 0 and 1
// go over HID as in the package update.
#pragma once
#include "update/HidUpdateJob.h"

// Rounds of the card search (before the copy) and of the result check.
const int CAMERA_CARD_SEARCH_ROUNDS = 70;
const int CAMERA_CARD_CHECK_ROUNDS = 200;

UINT HidUpdateWithCameraCopyThread(HidUpdateJob& job);
