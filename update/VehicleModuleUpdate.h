// The vehicle module update (0x5345): one package with the Bluetooth image
// (part 0, sent to both module HID interfaces) and the CAN controller image
// (part 1, written by the flash loader over the FTDI bridge).
#pragma once
#include "update/HidUpdateJob.h"

// The interface (0 or 1) that the last MODULE_32 exchange selected; kept
// from one update to the next.
extern int g_nModuleSelectedInterface;

// Temporary part files beside the program.
extern const wchar_t* const VEHICLE_BLUETOOTH_PART_FILE;  // "__kiv_bluetooth_fw__.dfu"
extern const wchar_t* const VEHICLE_CAN_PART_FILE;        // "__kiv_can_fw__.hex"

// Tries of opening both module interfaces, 1000 ms apart.
const int VEHICLE_OPEN_TRIES = 20;
// Clock time the flash loader may run before it is ended.
const DWORD VEHICLE_FLASH_LOADER_LIMIT_MS = 180000;

// The flash loader's command line for the program folder (ending in '\').
CString FlashLoaderCommandLine(const CString& programFolder, long comPort);

UINT BluetoothCanModuleUpdateThread(HidUpdateJob& job);

// The page's report of a module that has not shown the flash loader's
// progress in time: error, "Cannot get status" with code 26 on the active
// record, and the worker told to stop (it ends the update when it has).
void ReportCannotGetStatus(HidUpdateJob& job);

// Whether the progress tick should call ReportCannotGetStatus: only for the
// path that sets the status flag (0x5345), between 50 and 55 %, while the
// flag is still 0.
bool ShouldReportCannotGetStatus(int model, int progress, int statusReceived);
