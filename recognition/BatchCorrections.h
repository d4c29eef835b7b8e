// Production-batch corrections by Bluetooth address. Units of some models
// were built in batches that need corrected persistent-store values (or, on
// one HID headset, a corrected device type). A batch is told by the LAP, the
// low 24 bits of the unit's address, given as six hex digits ("2DE43F").
#pragma once
#include "framework/String.h"
#include "recognition/PsKeyAccess.h"

// The address texts of an 8-byte PSKEY_BDADDR value: "NNNNUU[LLLLLL]" and the LAP alone.
CString PsAddressText(const BYTE address[PSKEY_BDADDR_BYTES]);
CString PsLapText(const BYTE address[PSKEY_BDADDR_BYTES]);

// 1 when the target model has a threshold and the LAP lies above it.
int IsAddressAboveBatchThreshold(int targetModel, const wchar_t* lap);
// 1 for target 0x5060 and a LAP from 3323F1 to 333584 (inclusive).
int IsAddressInBatchRange5060(int targetModel, const wchar_t* lap);
// 1 for target 0x4210 and a LAP from 333D55 to 334B7D or from 2E9057 to 2E90BA.
int IsAddressInBatchRange4210(int targetModel, const wchar_t* lap);

// The first site: when the LAP is above the target's threshold, writes the
// target group's correction keys. Returns the number of keys written.
int WriteBatchCorrections(CPsKeySession& session, int targetModel, const wchar_t* lap);
// The 60-byte correction table that models 0x4D35 and 0x4D55 get when
// their LAP is NOT above the threshold (the second site).
void WriteBatchTable4D35(CPsKeySession& session);
