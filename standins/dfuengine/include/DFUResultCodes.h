// Result codes of the DFU library stand-in (DFUEngine::Result::GetCode).
#pragma once

namespace dfu_result {
enum Code {
    kOk = 0,
    kFailed = 1,          // general failure
    kNoDevice = 2,        // the device is not (or no longer) on the bus
    kConnectFailed = 3,   // the persistent store cannot be reached
    kKeyFailed = 4,       // the chip refused the key read or write
    kBadArgument = 5,
    kBusy = 6,            // an operation is already running on this engine
    kTransferFailed = 7,  // the device stopped answering during a download
    kBadFile = 8,         // the image file is missing or not a valid image
    kNotConnected = 9,    // the transport has no device
    kDeviceLost = 28,     // the device left the bus during a download
};
}  // namespace dfu_result
