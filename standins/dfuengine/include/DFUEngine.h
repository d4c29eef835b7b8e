// The chip vendor's USB DFU and persistent-store library, as the program
// imports it (DFUEngine.dll). This stand-in drives the simulated DFU
// headsets of SimDevices.dll.
//
// An update runs in three operations: StartReconfigure (the headset leaves
// its normal firmware for firmware-management mode), StartDownload (the
// image goes over) and StartManifest (the headset restarts on the new
// firmware). Each operation runs on the engine's own thread, which reports
// through the Callback:
//   OnDfuStatus   state 16 while waiting for the device (may come in bursts),
//                 state 20 with the progress percent (arg) during a download;
//   OnDfuNotify   state 17 device ready in firmware-management mode,
//                 state 18 transfer complete, state 19 device restarted;
//   OnDfuComplete at the end of each operation, with the operation word:
//                 2 reconfigured (the device had to switch), 3 reconfigured
//                 (it already was in firmware-management mode) or download
//                 failed, 4 download complete, 5 manifest complete;
//                 and the result (GetCode; see DFUResultCodes.h).
#pragma once
#include "standins/dfuengine/include/DFUEngineExport.h"
#include "standins/dfuengine/include/DFUResultCodes.h"
#include "standins/dfuengine/include/DFUStrings.h"

class DFUENGINE_API DFUEngine {
public:
    // The outcome of a library call; converts to true on success.
    class DFUENGINE_API Result {
    public:
        Result();
        explicit Result(int code);
        Result(const Result& other);
        Result& operator=(const Result& other);
        ~Result();
        int GetCode() const;
        operator bool() const;

    private:
        int code_;
    };

    enum Operation {
        kOpReconfigure = 1,
        kOpReconfigured = 2,
        kOpReady = 3,
        kOpDownloaded = 4,
        kOpManifested = 5,
    };
    enum State {
        kStateWaiting = 16,
        kStateDeviceReady = 17,
        kStateTransferComplete = 18,
        kStateRestarted = 19,
        kStateProgress = 20,
    };

    struct Status {
        int operation;  // the operation word (first member)
        Result result;
        int state;
        int progress;   // percent of the download
    };

    // Receives the engine's notifications on the engine's thread.
    class Callback {
    public:
        virtual ~Callback() {}
        virtual void OnDfuNotify(int arg, const Status& status) = 0;
        virtual void OnDfuStatus(int arg, const Status& status) = 0;
        virtual void OnDfuComplete(int arg, const Status& status) = 0;
    };

    DFUEngine();
    ~DFUEngine();
    DFUEngine(const DFUEngine&) = delete;
    DFUEngine& operator=(const DFUEngine&) = delete;

    // Binds the engine to a device name of GetUSBDeviceNames.
    bool CreateUSB(const wchar_t* deviceName);
    void SetCallback(Callback* callback);
    // Start an operation; false when it cannot start (no device, an
    // operation still running, a bad image).
    bool StartReconfigure(bool force, bool wait, const wchar_t* imagePath);
    bool StartDownload(const wchar_t* imagePath);
    bool StartManifest();
    // Stops the engine's thread and forgets the device.
    void Destroy();

    // The names of the DFU-capable devices present; the count.
    static int GetUSBDeviceNames(CStringListX& names);
    static bool IsDFUFileValid(const wchar_t* imagePath);

private:
    struct Impl;
    Impl* impl_;
};
