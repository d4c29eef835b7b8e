// Faults of the firmware update on a simulated HID device.
#include "standins/simdevices/World.h"

namespace sim {

void SetHidCardNeverAppears(DeviceId id, bool never) {
    Guard g;
    if (Device* d = FindKind(g.w, id, Kind::Hid)) d->cardNeverAppears = never;
}

void SetHidStaysAwayAfterRestart(DeviceId id, bool away) {
    Guard g;
    if (Device* d = FindKind(g.w, id, Kind::Hid)) d->staysAwayAfterRestart = away;
}

}  // namespace sim
