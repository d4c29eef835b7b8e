// Access to a headset's persistent store through the chip vendor's DFU
// library: set up the USB transport, list the devices, connect, read and
// write keys, and shut the transport down again.
//
//   CPsKeySession session;                      // sets the transport up
//   for (const CPsDevice& d : session.Devices(GetDfuFamilyProductIds()))
//       if (session.Connect(d)) { session.Read(PSKEY_PRODUCT_ID, buf, 2); ... }
//                                               // shut down when it ends
//
// Reads are always tested by the caller, who has a fallback for each key;
// writes are not tested and never retried. Every write goes out of a
// cleared 512-byte buffer with exactly the length given.
#pragma once
#include "framework/WinTypes.h"
#include "framework/String.h"
#include "recognition/PsKeys.h"
#include <memory>
#include <vector>

// One device as the library lists it.
struct CPsDevice {
    CString name;          // the library's device name
    CString path;          // its path as the library gives it (used to connect)
    int vendorId = 0;      // from "VID_" of the upper-cased path (0 when absent or at position 0)
    int productId = 0;     // from "PID_" after it
};

class CPsKeySession {
public:
    CPsKeySession();   // DFUTransportUSB::init
    ~CPsKeySession();  // DFUTransportUSB::deinit
    CPsKeySession(const CPsKeySession&) = delete;
    CPsKeySession& operator=(const CPsKeySession&) = delete;

    // The library's devices in its order, with the ids parsed from their paths.
    std::vector<CPsDevice> ListDevices();
    // Only those of the maker's vendor id whose product id is in accepted.
    std::vector<CPsDevice> Devices(const int* accepted, int acceptedCount);
    std::vector<CPsDevice> Devices(const std::vector<int>& accepted) {
        return Devices(accepted.data(), (int)accepted.size());
    }

    // Connects the session's transport to the device; TRUE when connected.
    BOOL Connect(const CPsDevice& device);
    BOOL IsConnected() const { return m_bConnected; }

    // Reads a key of `bytes` bytes into buffer; TRUE on success. On failure
    // the buffer's content is left as it was (callers clear it first when
    // they need to).
    BOOL Read(WORD key, void* buffer, int bytes);
    // Writes exactly `bytes` bytes of value (copied into the cleared write
    // buffer; bytes beyond 512 are not sent). The result is returned for
    // callers that want it; the recognition routine ignores it.
    BOOL Write(WORD key, const void* value, int bytes);
    // Writes words, each little-endian, 2 bytes per word.
    BOOL WriteWords(WORD key, const WORD* words, int count);
    BOOL WriteWord(WORD key, WORD value) { return WriteWords(key, &value, 1); }

private:
    struct Impl;
    std::unique_ptr<Impl> m;
    BOOL m_bConnected = FALSE;
};

// The vendor and product id of a library path, as recognition parses them:
// upper-cased, "VID_" found at a position above 0 and its 4 hex digits,
// then "PID_" after it. Missing parts give 0.
void ParsePsDevicePath(const wchar_t* path, int* vendorId, int* productId);

// The whole sequence for one key on the first device of the maker with a
// product id in accepted: set up, find, connect, read or write, shut down.
// FALSE when no device connects or the access fails.
BOOL ReadPsKeyOnce(WORD key, void* buffer, int bytes, const int* accepted, int acceptedCount);
BOOL WritePsKeyOnce(WORD key, const void* value, int bytes, const int* accepted, int acceptedCount);
