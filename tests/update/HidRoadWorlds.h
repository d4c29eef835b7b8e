// The simulated worlds of the HID update roads: the devices of each path
// and a package for them, and what a successful road leaves on them.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "standins/simdevices/SimDevices.h"
#include "tests/update/HidJobHarness.h"
#include "tests/update/PackageBuilder.h"

namespace hidroads {

const BYTE kRecorded[5] = {1, 2, 0, 0, 0};  // the version WizardTest::Recognise() records
const BYTE kNew[5] = {1, 3, 0, 0, 0};

struct Road {
    sim::DeviceId first = 0, second = 0, updater = 0, bridge = 0, drive = 0;
    std::vector<BYTE> package;
    std::wstring card, target;
    // Checks, after a successful road, that each device took its parts.
    std::function<void(const Road&)> verify;
};

// A HID headset interface on firmware kRecorded, kNew after an update.
sim::DeviceId Headset(const wchar_t* name, WORD pid);
// The parts a device took, byte for byte and complete.
void ExpectParts(sim::DeviceId device, const std::vector<std::vector<BYTE>>& want);

void SinglePackageWorld(Road& r, pkgtest::ScratchFolder& dir);  // 40N, one interface
void SwitchFirstWorld(Road& r, pkgtest::ScratchFolder& dir);    // P3
void CameraWorld(Road& r, pkgtest::ScratchFolder& dir);         // 40Z and its card
void VoicePromptWorld(Road& r, pkgtest::ScratchFolder& dir);    // 70J and its update-mode chip
void VehicleWorld(Road& r, pkgtest::ScratchFolder& dir);        // the module and its bridge
void CorvaneWorld(Road& r, pkgtest::ScratchFolder& dir);        // two chips
void VersionGatedWorld(Road& r, pkgtest::ScratchFolder& dir);   // 0x4210, device type 16
// Removes the card folder and flash target files a road left.
void CleanUp(const Road& r);

}  // namespace hidroads
