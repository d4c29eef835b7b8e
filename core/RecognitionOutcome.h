// The result of a recognition run.
#pragma once

typedef int RecognitionOutcome;

const RecognitionOutcome RECOGNITION_OK = 0;                    // recognised
const RecognitionOutcome RECOGNITION_MANAGEMENT_MODE = 1;       // firmware-management mode, or a two-interface unit whose interfaces disagree
const RecognitionOutcome RECOGNITION_NO_DEVICE = 2;             // no device found
const RecognitionOutcome RECOGNITION_OTHER_MODEL = 3;           // a device of another model
const RecognitionOutcome RECOGNITION_TOO_FEW_INTERFACES = 5;    // the USB scan found fewer interfaces than the target needs
const RecognitionOutcome RECOGNITION_TOO_MANY_INTERFACES = 6;   // ... more than the target needs
const RecognitionOutcome RECOGNITION_DFU_LISTED_FEWER = 7;      // the DFU library listed fewer interfaces than the scan found
const RecognitionOutcome RECOGNITION_DFU_LISTED_MORE = 8;       // ... more than the scan found, or than the target allows
const RecognitionOutcome RECOGNITION_MODE_MISMATCH = 9;         // normal and management interfaces do not match the connections
const RecognitionOutcome RECOGNITION_NO_CAMERA_DRIVE = 10;      // camera without its marker file on a removable drive
