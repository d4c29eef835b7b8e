// How each model is updated: one description per model, read by the update
// dispatch, the DFU flow, the progress display and the end of an update.
#pragma once

// The road an update takes.
enum UpdatePath {
    UPDATE_PATH_DFU,               // the chip vendor's DFU engine
    UPDATE_PATH_INLINE_SWITCH,     // switched into update mode in line, then DFU
    UPDATE_PATH_VERSION_GATED,     // HID, two chips, version-gated
    UPDATE_PATH_TWO_CHIP_PACKAGE,  // HID package, two chips
    UPDATE_PATH_VEHICLE_MODULE,    // Bluetooth part and CAN part
    UPDATE_PATH_VOICE_PROMPT,      // HID voice-prompt package
    UPDATE_PATH_CAMERA,            // HID update with a copy to the camera's card
    UPDATE_PATH_SWITCH_FIRST,      // HID package after a switch to update mode
    UPDATE_PATH_COUNT
};

// How the progress display follows an update.
enum ProgressFamily {
    PROGRESS_DFU,
    PROGRESS_TWO_CHIP_HID,
    PROGRESS_PACKAGE,        // HID packages that end at 77 % of the transfer
    PROGRESS_VOICE_PROMPT,
    PROGRESS_USER_ACTION,    // the device waits for the user now and then
    PROGRESS_VEHICLE,
};

// The box shown after a successful update.
enum UpdateEndMessage {
    END_MESSAGE_NONE,
    END_MESSAGE_PAIR_AGAIN,
    END_MESSAGE_RESTART_HEADSET,
    END_MESSAGE_CAMERA_RECONNECT,
};

struct UpdateModelProfile {
    UpdatePath path = UPDATE_PATH_DFU;
    ProgressFamily progress = PROGRESS_DFU;
    int prepareTicks = 20;   // A: ticks of the preparation phase
    int transferTicks = 420; // T: ticks of the transfer
    int restartTicks = 20;   // B: ticks of the restart
    bool slowStart = false;  // the transfer and restart progress starts a few ticks late
    bool pressAndHoldBox = true;      // the DFU flow asks the user to hold the key(s)
    bool backupFailedBox = false;     // a failed settings archive waits for the user's OK
    bool hidReadyCheck = false;       // back after an update when its HID interface answers
    bool moduleReadyCheck = false;    // ... when both module interfaces open
    int dfuDevices = 1;               // DFU devices the update writes, one after the other
    bool prepareKeys = false;         // the DFU path clears the VOX keys (and 3.2's version key)
    bool cameraPackage = false;       // the image is a two-part package with camera firmware
    UpdateEndMessage endMessage = END_MESSAGE_NONE;
};

const UpdateModelProfile& GetUpdateProfile(int model);
