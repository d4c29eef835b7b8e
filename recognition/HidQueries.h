// Small HID command-channel requests of recognition: a request built on a
// cleared report, and the version replies of the headsets' chips.
#pragma once
#include <windows.h>
#include "hardware/HardwareApi.h"
#include "core/DeviceVersion.h"
#include "core/HidProtocol.h"
#include <vector>

// {1, command, block} on a cleared report; TRUE when the reply status is 0.
BOOL HidRequest(const hw::CDeviceHandle* device, BYTE command, BYTE block, BYTE* reply);
// Reads a block; on success *words holds the reply's words in host order,
// at most the 31 a reply report holds and at most `limit`.
BOOL HidReadBlockWords(const hw::CDeviceHandle* device, BYTE block, std::vector<WORD>* words, int limit = HID_REPLY_MAX_WORDS);
// Writes a block of words (big-endian on the wire); with store, follows it
// with HID_CMD_STORE_BLOCK on the same report, whose payload then goes out
// in the opposite byte order, as the headsets expect. TRUE only when the
// write and, with store, the store request both succeeded (the store request
// is sent either way).
BOOL HidWriteBlockWords(const hw::CDeviceHandle* device, BYTE block, const WORD* words, int count, bool store = false);

// HID_CMD_GET_VERSION of a headset chip: reply bytes 3 to 7 as major,
// minor, secondary version type, secondary version, spare; 1.0 with
// everything else 0 when it fails.
void ReadHidChipVersion(const hw::CDeviceHandle* device, CDeviceVersion* version);
// The same for an interface of the two-interface module: major byte 3,
// minor byte 4, type 2, secondary byte 5, spare byte 6; 1, 0, 2, 0, 0 on failure.
void ReadModuleChipVersion(const hw::CDeviceHandle* device, CDeviceVersion* version);
