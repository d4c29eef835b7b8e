// The command channel of a simulated HID headset: one output report in,
// the reply and the side effects (restarts, card hand-over, update mode).
#pragma once
#include "standins/simdevices/World.h"

namespace sim {

const DWORD kHidInputBytes = 67;
const DWORD kHidOutputBytes = 1023;

// Byte 1 of d's replies to command: the command, or 0 where d leaves it out.
inline BYTE ReplyCommandByte(const Device& d, BYTE command) {
    return d.echo && command != d.noEchoCommand ? command : 0;
}

// Builds the 67-byte reply to a 1023-byte request and applies what the
// command does to the device and the devices linked to it.
std::vector<BYTE> HidAnswer(World& w, Device& d, const BYTE* request);

// Plugs a device in or out; pulling it invalidates its open handles.
void SetPresence(World& w, Device& d, bool present);

}  // namespace sim
