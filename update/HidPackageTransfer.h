// The transfer of a checked package's parts over the HID interfaces and the
// end of the transfer (completion poll, restarts, the wait for the device),
// shared by the package, camera and version-gated paths.
#pragma once
#include "update/HidUpdateJob.h"

namespace hidupdate {

// How a path ends its transfer.
enum TransferEnd {
    // The device is polled until it has finished (the user presses and holds
    // a button meanwhile), the first interface restarted, 65 s of waiting.
    END_POLL_RESTART_WAIT,
    // No poll: the restart, 500 ms and 65 s of waiting.
    END_RESTART_WAIT,
    // Both interfaces restarted as the parts ask, then 5 s.
    END_RESTART_BOTH,
};

struct TransferStyle {
    PackagePartTable table = PACKAGE_PART_RECORDS;
    DWORD partLimit = 0xFFFFFFFF;  // parts from this index on are not sent
    TransferEnd end = END_POLL_RESTART_WAIT;
    // Failure formats: the part's IMAGE_BEGIN, chunk write, chunk status,
    // IMAGE_END, the restart, and the completion poll's limit.
    const wchar_t* beginFailed = L"%s. %s";
    const wchar_t* writeFailed = L"%s. %s";
    const wchar_t* statusFailed = L"%s. %s";
    const wchar_t* endFailed = L"%s. %s";
    const wchar_t* restartFailed = L"%s. %s";
    const wchar_t* pollFailed = L"%s. %s";
};

// Sends the parts and ends the transfer. On success the step is 9 and the
// page has been asked to start its post-update timer; on failure the texts
// are set and the job finished. False on failure or cancel.
bool TransferParts(HidUpdateJob& job, const CUpdatePackage& package, const TransferStyle& style);

// The generic refusal of a package: "%s. %s" with "Firmware corrupted".
void ReportCorrupted(HidUpdateJob& job);

}  // namespace hidupdate

// The package paths. Each takes its job and returns when the worker ends.
UINT HidPackageUpdateThread(HidUpdateJob& job);
UINT HidPackageUpdateThreadB(HidUpdateJob& job);
