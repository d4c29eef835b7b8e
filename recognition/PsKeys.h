// The persistent-store keys of the headsets of the chip vendor's family that
// recognition, update and the settings pages read or write. A key holds
// 16-bit little-endian words; lengths are in bytes (twice the words).
#pragma once
#include "framework/WinTypes.h"

// Key ids.
const WORD PSKEY_BDADDR = 0x0001;               // 8: LAP 23-16, LAP 15-0, UAP, NAP
const WORD PSKEY_BATCH_TUNE_0017 = 0x0017;      // 2: batch-correction word
const WORD PSKEY_BATCH_TUNE_0021 = 0x0021;      // 2
const WORD PSKEY_BATCH_TUNE_002D = 0x002D;      // 2
const WORD PSKEY_BATCH_TABLE_0031 = 0x0031;     // 30, 38, 50 or 60: batch-correction table
const WORD PSKEY_LMP_FEATURES = 0x00EF;         // 8: Bluetooth feature bytes (EDR masks)
const WORD PSKEY_DEVICE_NAME = 0x0108;          // 256 (buffer): zero-terminated 8-bit name
const WORD PSKEY_BATCH_TUNE_01F6 = 0x01F6;      // 2
const WORD PSKEY_BATCH_TUNE_0209 = 0x0209;      // 2
const WORD PSKEY_BATCH_TUNE_0242 = 0x0242;      // 2
const WORD PSKEY_SETTINGS_WORD = 0x028E;        // 4: packed settings word, 0
const WORD PSKEY_LEGACY_VERSION = 0x0293;       // 4: byte 0 = major x 10 + minor (older models)
const WORD PSKEY_VOX_INTERCOM = 0x0298;         // 2
const WORD PSKEY_VOX_PHONE = 0x0299;            // 2
const WORD PSKEY_FM_SETTINGS = 0x029F;          // 30: FM block, 15 words
const WORD PSKEY_PRODUCT_ID = 0x02A3;           // 2: the device's model id
const WORD PSKEY_FW_VERSION = 0x02A4;           // 4: byte 0 version, bytes 3 and 2 third and fourth
const WORD PSKEY_AUDIO_TIMEOUT_MS = 0x02AA;     // 2: audio channel time-out in ms
const WORD PSKEY_TX_GAIN = 0x02AC;              // 2: radio transmit gain
const WORD PSKEY_USB_PRODUCT_ID = 0x02BF;       // 2
const WORD PSKEY_USB_PRODUCT_STRING = 0x02C2;   // 32: 16 UTF-16 code units
const WORD PSKEY_USB_DFU_PRODUCT_ID = 0x02CB;   // 2: product id + 0x8000
const WORD PSKEY_SPEED_DIAL_1 = 0x2280;         // 40: 20 words, one character per word
const WORD PSKEY_SPEED_DIAL_2 = 0x2281;
const WORD PSKEY_SPEED_DIAL_3 = 0x2282;

// Lengths in bytes.
const int PSKEY_BDADDR_BYTES = 8;
const int PSKEY_WORD_BYTES = 2;
const int PSKEY_SETTINGS_WORD_BYTES = 4;
const int PSKEY_VERSION_BYTES = 4;
const int PSKEY_LMP_FEATURES_BYTES = 8;
const int PSKEY_DEVICE_NAME_BYTES = 256;
const int PSKEY_FM_SETTINGS_BYTES = 30;
const int PSKEY_FM_SETTINGS_WORDS = 15;
const int PSKEY_SPEED_DIAL_BYTES = 40;

// The buffer every write is built in, cleared before each write.
const int PSKEY_BUFFER_BYTES = 512;

// FM block magic codes: current and older layout.
const WORD FM_SETTINGS_MAGIC = 0x66E9;
const WORD FM_SETTINGS_MAGIC_OLD = 0x56E9;

// PSKEY_LMP_FEATURES with EDR enabled and disabled.
const BYTE LMP_FEATURES_EDR_ON[8] = {0xFF, 0xFE, 0x8F, 0xFE, 0x98, 0xFF, 0x59, 0x83};
const BYTE LMP_FEATURES_EDR_OFF[8] = {0xFF, 0xFE, 0x8F, 0xF8, 0x18, 0x1E, 0x59, 0x83};
