// HID calls and device handles over the simulated HID interfaces. A handle
// is a real event object (so it is unique and closable) mapped to a handle
// of the simulated device. Reads work plain or overlapped.
#include "standins/simhardware/SimulatedParts.h"
#include "standins/simdevices/SimDevices.h"
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

namespace hw {
namespace simulated {

namespace {

const GUID kHidInterfaceGuid = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
const NTSTATUS kStatusPending = 0x00000103;
const NTSTATUS kStatusCancelled = (NTSTATUS)0xC0000120;
const NTSTATUS kStatusNotConnected = (NTSTATUS)0xC000009D;
// A plain read waits this long (real time) for a report, then fails
// instead of blocking the caller for ever.
const DWORD kPlainReadLimitMs = 5000;

// One overlapped read waiting for its report.
struct PendingRead {
    std::thread worker;
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    ~PendingRead() {
        // Normally joined by CancelIo or CloseHandle; never let a running
        // read end the process.
        cancel = true;
        if (worker.joinable()) worker.detach();
    }
};

struct OpenDeviceHandle {
    int sim = 0;
    std::vector<std::unique_ptr<PendingRead>> reads;
};

std::mutex g_lock;
// Never destroyed: handles still open at exit must not be torn down while
// their reads may run.
std::map<HANDLE, OpenDeviceHandle>& g_handles = *new std::map<HANDLE, OpenDeviceHandle>();

// Preparsed data: a token naming the simulated handle it came from.
struct Preparsed {
    DWORD magic;
    int sim;
};
const DWORD kPreparsedMagic = 0x53494D50;
std::set<Preparsed*> g_preparsed;

int SimHandle(HANDLE h) {
    std::lock_guard<std::mutex> hold(g_lock);
    auto it = g_handles.find(h);
    return it == g_handles.end() ? 0 : it->second.sim;
}

// The result of an overlapped read is written by the read's worker while the
// caller polls it: both sides go through atomic accesses. The count is
// written first and the status last (release), and the status is read first
// (acquire), so that a caller that sees the status also sees the count and
// the report in its buffer.
void SetStatus(LPOVERLAPPED ov, NTSTATUS status) {
    __atomic_store_n(&ov->Internal, (ULONG_PTR)status, __ATOMIC_RELEASE);
}
NTSTATUS GetStatus(const OVERLAPPED* ov) { return (NTSTATUS)__atomic_load_n(&ov->Internal, __ATOMIC_ACQUIRE); }

void Complete(LPOVERLAPPED ov, NTSTATUS status, DWORD bytes) {
    __atomic_store_n(&ov->InternalHigh, (ULONG_PTR)bytes, __ATOMIC_RELAXED);
    SetStatus(ov, status);
    if (ov->hEvent) ::SetEvent(ov->hEvent);
}

// Waits for the pending reads of a handle to end; with cancel, ends them.
void StopReads(std::vector<std::unique_ptr<PendingRead>>& reads, bool cancel) {
    for (auto& r : reads) {
        if (cancel) r->cancel = true;
        if (r->worker.joinable()) r->worker.join();
    }
    reads.clear();
}

}  // namespace

void WINAPI HidD_GetHidGuid(LPGUID guid) {
    if (guid) *guid = kHidInterfaceGuid;
}

BOOLEAN WINAPI HidD_GetAttributes(HANDLE device, PHIDD_ATTRIBUTES attributes) {
    int sim = SimHandle(device);
    WORD vid, pid, version;
    if (!sim || !attributes || !sim::HidAttributes(sim, &vid, &pid, &version)) {
        ::SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    attributes->Size = sizeof(HIDD_ATTRIBUTES);
    attributes->VendorID = vid;
    attributes->ProductID = pid;
    attributes->VersionNumber = version;
    return TRUE;
}

BOOLEAN WINAPI HidD_GetPreparsedData(HANDLE device, PHIDP_PREPARSED_DATA* data) {
    int sim = SimHandle(device);
    WORD page, usage, in, out;
    if (!sim || !data || !sim::HidCaps(sim, &page, &usage, &in, &out)) {
        ::SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    auto* p = new Preparsed{kPreparsedMagic, sim};
    std::lock_guard<std::mutex> hold(g_lock);
    g_preparsed.insert(p);
    *data = (PHIDP_PREPARSED_DATA)p;
    return TRUE;
}

BOOLEAN WINAPI HidD_FreePreparsedData(PHIDP_PREPARSED_DATA data) {
    std::lock_guard<std::mutex> hold(g_lock);
    auto it = g_preparsed.find((Preparsed*)data);
    if (it == g_preparsed.end()) return FALSE;
    delete *it;
    g_preparsed.erase(it);
    return TRUE;
}

NTSTATUS WINAPI HidP_GetCaps(PHIDP_PREPARSED_DATA data, PHIDP_CAPS caps) {
    int sim = 0;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        auto it = g_preparsed.find((Preparsed*)data);
        if (it != g_preparsed.end()) sim = (*it)->sim;
    }
    WORD page, usage, in, out;
    if (!sim || !caps || !sim::HidCaps(sim, &page, &usage, &in, &out)) return HIDP_STATUS_INVALID_PREPARSED_DATA;
    *caps = HIDP_CAPS();
    caps->UsagePage = page;
    caps->Usage = usage;
    caps->InputReportByteLength = in;
    caps->OutputReportByteLength = out;
    return HIDP_STATUS_SUCCESS;
}

BOOLEAN WINAPI HidD_FlushQueue(HANDLE device) {
    int sim = SimHandle(device);
    if (!sim || !sim::HidFlush(sim)) {
        ::SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

bool OpenDevice(LPCWSTR name, HANDLE* handle) {
    if (!name || ::_wcsnicmp(name, L"\\\\?\\hid#", 8) != 0) return false;
    SyncSpeed();
    DWORD err = ERROR_FILE_NOT_FOUND;
    int sim = sim::HidOpen(name, &err);
    if (!sim) {
        ::SetLastError(err);
        *handle = INVALID_HANDLE_VALUE;
        return true;
    }
    HANDLE h = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::lock_guard<std::mutex> hold(g_lock);
    g_handles[h].sim = sim;
    *handle = h;
    return true;
}

bool IsDevice(HANDLE handle) { return SimHandle(handle) != 0; }

BOOL ReadDevice(HANDLE handle, LPVOID buffer, DWORD size, LPDWORD read, LPOVERLAPPED ov) {
    int sim = SimHandle(handle);
    DWORD err = 0;
    if (read) *read = 0;
    if (!ov) {
        int r = sim::HidRead(sim, (BYTE*)buffer, size, kPlainReadLimitMs, &err);
        if (r == 1) {
            if (read) *read = 67;
            return TRUE;
        }
        ::SetLastError(r == 0 ? ERROR_TIMEOUT : err);
        return FALSE;
    }
    if (ov->hEvent) ::ResetEvent(ov->hEvent);
    int r = sim::HidRead(sim, (BYTE*)buffer, size, 0, &err);
    if (r == 1) {
        Complete(ov, 0, 67);
        if (read) *read = 67;
        return TRUE;
    }
    if (r < 0) {
        ::SetLastError(err);
        return FALSE;
    }
    // Nothing yet: a worker completes the read when the report comes.
    SetStatus(ov, kStatusPending);
    auto pending = std::make_unique<PendingRead>();
    PendingRead* p = pending.get();
    pending->worker = std::thread([p, sim, buffer, size, ov] {
        for (;;) {
            if (p->cancel) {
                Complete(ov, kStatusCancelled, 0);
                break;
            }
            DWORD e = 0;
            int got = sim::HidRead(sim, (BYTE*)buffer, size, 20, &e);
            if (got == 1) {
                Complete(ov, 0, 67);
                break;
            }
            if (got < 0) {
                Complete(ov, kStatusNotConnected, 0);
                break;
            }
        }
        p->done = true;
    });
    {
        std::lock_guard<std::mutex> hold(g_lock);
        auto& reads = g_handles[handle].reads;
        // Reap reads that have ended.
        for (auto it = reads.begin(); it != reads.end();) {
            if ((*it)->done) {
                (*it)->worker.join();
                it = reads.erase(it);
            } else {
                ++it;
            }
        }
        reads.push_back(std::move(pending));
    }
    ::SetLastError(ERROR_IO_PENDING);
    return FALSE;
}

BOOL WriteDevice(HANDLE handle, LPCVOID buffer, DWORD size, LPDWORD written, LPOVERLAPPED ov) {
    int sim = SimHandle(handle);
    DWORD err = 0;
    if (written) *written = 0;
    if (!sim::HidWrite(sim, (const BYTE*)buffer, size, &err)) {
        ::SetLastError(err);
        return FALSE;
    }
    if (written) *written = size;
    if (ov) Complete(ov, 0, size);
    return TRUE;
}

BOOL DeviceOverlappedResult(HANDLE, LPOVERLAPPED ov, LPDWORD transferred, BOOL wait) {
    if (!ov) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    NTSTATUS status;
    while ((status = GetStatus(ov)) == kStatusPending) {
        if (!wait) {
            ::SetLastError(ERROR_IO_INCOMPLETE);
            return FALSE;
        }
        if (ov->hEvent) ::WaitForSingleObject(ov->hEvent, INFINITE);
        else ::Sleep(1);
    }
    if (transferred) *transferred = (DWORD)__atomic_load_n(&ov->InternalHigh, __ATOMIC_RELAXED);
    if (status == 0) return TRUE;
    ::SetLastError(status == kStatusCancelled ? ERROR_OPERATION_ABORTED : ERROR_DEVICE_NOT_CONNECTED);
    return FALSE;
}

BOOL CancelDevice(HANDLE handle) {
    std::vector<std::unique_ptr<PendingRead>> reads;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        auto it = g_handles.find(handle);
        if (it == g_handles.end()) return FALSE;
        reads.swap(it->second.reads);
    }
    StopReads(reads, true);
    return TRUE;
}

BOOL CloseDevice(HANDLE handle) {
    int sim;
    std::vector<std::unique_ptr<PendingRead>> reads;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        auto it = g_handles.find(handle);
        if (it == g_handles.end()) return FALSE;
        sim = it->second.sim;
        reads.swap(it->second.reads);
        g_handles.erase(it);
    }
    StopReads(reads, true);
    sim::HidClose(sim);
    return ::CloseHandle(handle);
}

}  // namespace simulated
}  // namespace hw
