// The program's own version, written to the configuration file and the
// diagnostic log and compared with the server's program-version list.
#pragma once

const int kManagerVersionMajor = 1;
const int kManagerVersionMinor = 0;
// The program's name in the server's program-version list.
#define MANAGER_PROGRAM_NAME L"MorvexBluetoothDeviceManager"
#define MANAGER_DISPLAY_NAME L"Morvex Bluetooth Device Manager"
// The year of the copyright line in the About box.
const int kCopyrightYear = 2026;
