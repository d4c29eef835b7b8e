// The library's USB transport and persistent-store (BCCMD) access.
#pragma once
#include "standins/dfuengine/include/DFUEngine.h"

// One connection to a headset's persistent store.
class DFUENGINE_API DFUTransportCOM {
public:
    DFUTransportCOM();
    ~DFUTransportCOM();
    DFUTransportCOM(const DFUTransportCOM&) = delete;
    DFUTransportCOM& operator=(const DFUTransportCOM&) = delete;

    // Reads a key into buffer (length in bytes; a shorter value is
    // zero-padded); *actualLength gets the key's length in 16-bit words.
    DFUEngine::Result BCCMDGetPS(unsigned short key, void* buffer, unsigned short length,
                                 unsigned short* actualLength);
    // Writes exactly length bytes of buffer to the key.
    DFUEngine::Result BCCMDSetPS(unsigned short key, const void* buffer, unsigned short length);

private:
    friend class DFURequestsUSB;
    int device_;
};

class DFUENGINE_API DFUTransportUSB {
public:
    // Set up and shut down the USB transport; enumeration needs it set up.
    static void init();
    static void deinit();
    // The device path of a device name ("\\?\usb#vid_xxxx&pid_xxxx#..."), or
    // an empty string for an unknown name.
    static CStringX PathInternal(const CStringX& deviceName);
};

class DFUENGINE_API DFURequestsUSB {
public:
    // Fills names with the DFU-capable devices present; the count.
    static int EnumerateDevices(CStringListX& names);
    // Connects the transport to the device at path.
    static DFUEngine::Result ConnectDevice(const CStringX& path, DFUTransportCOM& transport);
};

class DFUENGINE_API Device {
public:
    // The canonical (lower-case) form of a device path.
    static CStringX Canonicalise(const CStringX& path, bool stripPrefix);
};
