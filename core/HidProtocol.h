// The vendor-defined HID command channel of the headsets: one 1023-byte
// output report (report id, command, block id, word count, big-endian words)
// answered by 67-byte input reports whose byte 2 is the status.
#pragma once

const int HID_OUT_REPORT_SIZE = 1023;
const int HID_IN_REPORT_SIZE = 67;
const unsigned char HID_REPORT_ID = 1;

// Request layout.
const int HID_REQ_COMMAND = 1;
const int HID_REQ_BLOCK = 2;
const int HID_REQ_WORD_COUNT = 3;
const int HID_REQ_WORDS = 4;
// Reply layout. A headset that echoes puts the request's command in byte 1.
const int HID_REPLY_COMMAND = 1;
const int HID_REPLY_STATUS = 2;
const int HID_REPLY_DATA = 3;
const int HID_REPLY_WORD_COUNT = 4;
const int HID_REPLY_WORDS = 5;
// The most words a reply report holds.
const int HID_REPLY_MAX_WORDS = (HID_IN_REPORT_SIZE - HID_REPLY_WORDS) / 2;

// Status byte of a reply.
const unsigned char HID_STATUS_OK = 0;
const unsigned char HID_STATUS_PENDING = 1;
const unsigned char HID_STATUS_NONE = 0xFF;  // set before a transaction

// Commands (request byte 1).
const unsigned char HID_CMD_GET_VERSION = 0x01;
const unsigned char HID_CMD_GET_BD_ADDRESS = 0x02;
const unsigned char HID_CMD_READ_BLOCK = 0x03;
const unsigned char HID_CMD_WRITE_BLOCK = 0x04;
const unsigned char HID_CMD_IMAGE_BEGIN = 0x05;
const unsigned char HID_CMD_IMAGE_DATA = 0x06;
const unsigned char HID_CMD_IMAGE_END = 0x07;
const unsigned char HID_CMD_RESTART = 0x08;
const unsigned char HID_CMD_POLL_DONE = 0x0D;
const unsigned char HID_CMD_SWITCH_TO_UPDATE = 0x0E;
const unsigned char HID_CMD_LOAD_BLOCK = 0x10;
const unsigned char HID_CMD_STORE_BLOCK = 0x11;
const unsigned char HID_CMD_STORAGE_ON = 0x20;
const unsigned char HID_CMD_STORAGE_OFF = 0x21;
const unsigned char HID_CMD_STORAGE_STATE = 0x22;
const unsigned char HID_CMD_MODULE_30 = 0x30;
const unsigned char HID_CMD_MODULE_32 = 0x32;
const unsigned char HID_CMD_MODULE_33 = 0x33;
const unsigned char HID_CMD_MODULE_34 = 0x34;
const unsigned char HID_CMD_ENTER_UPDATE = 0x50;
const unsigned char HID_CMD_AFTER_UPDATE = 0x52;
const unsigned char HID_CMD_SET_VOICE_PROMPT = 0x59;
const unsigned char HID_CMD_CHUNK_CRC = 0x5A;
const unsigned char HID_CMD_IMAGE_CRC = 0x5B;

// Blocks (request byte 2).
const unsigned char HID_BLOCK_SMART_VOLUME = 0x03;
const unsigned char HID_BLOCK_SETTINGS = 0x04;
const unsigned char HID_BLOCK_DEVICE_TYPE = 0x05;
const unsigned char HID_BLOCK_HARDWARE_VERSION = 0x06;
const unsigned char HID_BLOCK_CAMERA = 0x07;
const unsigned char HID_BLOCK_VOX_SENSITIVITY_B = 0x12;
const unsigned char HID_BLOCK_VOX_SENSITIVITY_ALT = HID_BLOCK_VOX_SENSITIVITY_B;
const unsigned char HID_BLOCK_VOX_SENSITIVITY = 0x14;
const unsigned char HID_BLOCK_FM = 0x15;
const unsigned char HID_BLOCK_CAMERA_2 = 0x1C;
const unsigned char HID_BLOCK_CAMERA_EXT = HID_BLOCK_CAMERA_2;
const unsigned char HID_BLOCK_DEVICE_NAME = 0x1D;
const unsigned char HID_BLOCK_SPEED_DIAL_1 = 0x5A;
const unsigned char HID_BLOCK_SPEED_DIAL_2 = 0x5B;
const unsigned char HID_BLOCK_SPEED_DIAL_3 = 0x5C;

// The top-level collection of the command interface.
const unsigned short HID_USAGE_PAGE_VENDOR = 0xFF00;
const unsigned short HID_USAGE_COMMAND = 0x0001;
