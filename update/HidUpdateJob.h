// What a worker of a HID update path is given, and the steps the paths
// share: reading and checking the package, the settings-archive step, the
// chunked part transfer, the reports into the firmware-info record, and
// bounded, cancellable waits on the program's clock.
//
// A worker never touches a window. It writes the records (status texts
// under their lock), and asks the page for anything else through the
// callbacks, which post to the UI thread.
#pragma once
#include <windows.h>
#include <functional>
#include <memory>
#include "framework/String.h"
#include "hardware/HardwareApi.h"
#include "update/UpdatePackage.h"

class CFirmwareInfo;

// Posted to the update page by a worker whose device is restarting: the UI
// thread starts the post-update timer (205) unless one runs.
const UINT WM_UPDATE_START_POST_TIMER = WM_APP + 205;

// The largest data chunk of one report on the normal interface, and on the
// separate update-mode device.
const int HID_IMAGE_CHUNK = 1019;
const int HID_UPDATE_MODE_CHUNK = 58;

struct HidUpdateJob {
    // Inputs, taken when the update starts.
    CString packagePath;
    int page = 3;                       // 3 FIRMWARE UPDATE, 4 FIRMWARE RESTORE
    int targetModel = 0;
    int usbStatus = 0;
    CString firmwareLanguage = L"English";  // English name of the chosen voice prompt
    CString programFolder;              // with its trailing '\': part files and the flash loader
    const hw::CDeviceHandle* device1 = nullptr;  // the main dialog's open interfaces
    const hw::CDeviceHandle* device2 = nullptr;

    // Where the worker reports.
    CFirmwareInfo* info = nullptr;      // the active record
    CFirmwareInfo* pageInfo = nullptr;  // the update page's record (status-received flag); null: info
    CFirmwareInfo* otherInfo = nullptr; // the restore page's record (status-received flag), or null
    int* threadWait = nullptr;          // the main dialog's wait flag, cleared by the wait box's OK

    // The page's side, each posting to the UI thread or touching only plain fields.
    std::function<BOOL()> writeSettingsArchive;         // FALSE when the archive was not written
    std::function<void()> startPostUpdateTimer;         // posts WM_UPDATE_START_POST_TIMER
    std::function<void()> clearAutoUpdate;              // the page's auto-update flag := 0
    std::function<void()> resetTransferState;           // the page's DFU transfer fields for the tick
    std::function<void(const CString&)> setProcessLog;  // the flash loader's output
    std::function<int(const hw::CDeviceHandle*, BYTE)> writeDeviceModeBits;

    // The page sets cancel when it has ended the update itself (a silent
    // module, a new update); the worker stops at its next wait and writes
    // nothing more into the records. running is 1 from the start of the
    // worker to its very end: the page keeps the wizard busy until then, so
    // that no other operation uses the device meanwhile.
    volatile LONG cancel = 0;
    volatile LONG running = 0;

    bool Cancelled() const { return ::InterlockedCompareExchange(const_cast<volatile LONG*>(&cancel), 0, 0) != 0; }
    CFirmwareInfo* PageInfo() const { return pageInfo ? pageInfo : info; }
};

// A text getter of the 13 languages: (output, language).
typedef void (*HidTextGetter)(CString&, int);

namespace hidupdate {

// An int of a record shared with the UI thread.
void Store(int& field, int value);
int Load(const int& field);

// Sleeps ms of clock time in short slices; false as soon as the job is cancelled.
bool Pause(HidUpdateJob& job, DWORD ms);

// Status texts for every language L: format filled with the page failure
// text, the reason, and (when given) a third text. Every failure also sets
// the record's error, so that the status line shows it as one. Nothing is
// written once the page has cancelled the job.
void ReportFailure(HidUpdateJob& job, const wchar_t* format, HidTextGetter reason, HidTextGetter third = nullptr);
// "%s %s" of the page activity text and "about to make backup firmware"
// (format given for the paths that add a code).
void ReportBackupStarting(HidUpdateJob& job, const wchar_t* format = L"%s %s");
// The page activity text alone.
void ReportActivity(HidUpdateJob& job);
// The end of a failed worker: finished, and the page's auto-update cleared
// (nothing once the job is cancelled).
void Finish(HidUpdateJob& job);

// Why a package was refused.
enum PackageRejection {
    PACKAGE_ACCEPTED,
    REJECT_CANNOT_OPEN,
    REJECT_TOO_SHORT,
    REJECT_NO_MEMORY,
    REJECT_SHORT_READ,
    REJECT_WRONG_MODEL,
    REJECT_PART_OUTSIDE,  // also a table past the end, too few parts and overlapping parts
    REJECT_DIGEST,
};
// Reads the package (step 4 once it is in memory), checks the model when
// wanted, then the table, the part count the path reads and every part
// (step 5 when all pass).
PackageRejection ReadPackage(HidUpdateJob& job, CUpdatePackage* package, PackagePartTable table,
                             DWORD requiredParts, bool checkModel);

// The settings archive before an update (update page only); when it was not
// written: step 11 and the wait for the user's OK (bounded). alwaysWait
// passes through the wait loop even after a written archive.
// False when the job was cancelled meanwhile.
bool ArchiveStep(HidUpdateJob& job, const wchar_t* format = L"%s %s", bool alwaysWait = false);

// The activity text, the error and tick fields cleared, the page's transfer
// fields, and step 7.
void BeginTransfer(HidUpdateJob& job);

enum PartFailure { PART_SENT, PART_BEGIN_FAILED, PART_WRITE_FAILED, PART_STATUS_FAILED, PART_END_FAILED };
// IMAGE_BEGIN with the type, the data in chunks of at most chunk bytes (a
// report write, then a status read each), IMAGE_END.
PartFailure SendPart(const hw::CDeviceHandle* device, BYTE type, const BYTE* data, DWORD size, int chunk = HID_IMAGE_CHUNK);
// One chunk: {1, 0x06, length high, length low, data...} written, then its status read.
PartFailure SendChunk(const hw::CDeviceHandle* device, const BYTE* data, int length);

// One request {1, command, args...} on a cleared report; the reply (67
// bytes) when reply is given.
BOOL Command(const hw::CDeviceHandle* device, BYTE command, std::initializer_list<BYTE> args = {}, BYTE* reply = nullptr);

// POLL_DONE until reply byte 3 is nonzero, 500 ms apart (also after a
// failed request), within limitMs of clock time. False at the limit or on cancel.
bool PollDone(HidUpdateJob& job, const hw::CDeviceHandle* device, DWORD limitMs);
// Clock time a device may take to report that it has finished.
const DWORD POLL_DONE_LIMIT_MS = 300000;
// Clock time a worker waits for the user's OK after a failed archive.
const DWORD USER_WAIT_LIMIT_MS = 1800000;

// Starts a worker on job: running := 1 now, 0 when proc returns.
bool StartWorker(UINT (*proc)(HidUpdateJob&), const std::shared_ptr<HidUpdateJob>& job);
// The workers started by StartWorker that have not ended yet.
int RunningWorkers();

}  // namespace hidupdate
