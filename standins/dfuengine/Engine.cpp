// The DFU engine: each operation runs on the engine's own thread and talks
// to a simulated headset, reporting through the Callback.
#include "standins/dfuengine/ImageFile.h"
#include "standins/dfuengine/include/DFUEngine.h"
#include "standins/simdevices/SimDevices.h"
#include <array>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// ------------------------------------------------------------------ Result

DFUEngine::Result::Result() : code_(dfu_result::kOk) {}
DFUEngine::Result::Result(int code) : code_(code) {}
DFUEngine::Result::Result(const Result& other) : code_(other.code_) {}
DFUEngine::Result& DFUEngine::Result::operator=(const Result& other) {
    code_ = other.code_;
    return *this;
}
DFUEngine::Result::~Result() {}
int DFUEngine::Result::GetCode() const { return code_; }
DFUEngine::Result::operator bool() const { return code_ == dfu_result::kOk; }

// ------------------------------------------------------------------ engine

namespace {
// A state of the library's own, outside those its callers are told about:
// a download block is being written (a headset without percentages).
const int kStateDownloadBusy = 4;
// Real time between two looks at a request to stop.
const DWORD kStopCheckMs = 20;
}  // namespace

// Shared by the engine object and its running operation: an operation that
// was let go (Destroy called from one of its own callbacks) keeps it alive
// until it has returned, even when the engine object is deleted meanwhile.
struct DFUEngine::Impl {
    std::mutex lock;
    std::wstring deviceName;  // empty until CreateUSB
    Callback* callback = nullptr;
    // Held while a callback runs: SetCallback and Destroy wait for it, so
    // that the callback object may go once they return. Recursive because a
    // callback may call them itself.
    std::recursive_mutex calling;
    std::thread worker;
    std::atomic<bool> busy{false};
    std::atomic<bool> stop{false};
    std::atomic<int> owners{1};

    void Release() {
        if (--owners == 0) delete this;
    }

    enum Kind { kNotify, kStatus, kComplete };

    void Report(Kind kind, int op, int code, int state, int progress = 0) {
        // The operation is over once it completes: the next one may start
        // from the completion callback on.
        if (kind == kComplete) busy = false;
        std::lock_guard<std::recursive_mutex> call(calling);
        Callback* cb;
        {
            std::lock_guard<std::mutex> hold(lock);
            cb = callback;
        }
        if (!cb || stop) return;
        Status status{op, Result(code), state, progress};
        if (kind == kNotify) cb->OnDfuNotify(progress, status);
        else if (kind == kStatus) cb->OnDfuStatus(progress, status);
        else cb->OnDfuComplete(progress, status);
    }

    // Waits a device-time interval; false when the engine is being stopped.
    // The interval is taken whole at the world's speed: in short steps, each
    // would round down to nothing at a high speed.
    bool Pause(DWORD deviceMs) {
        const unsigned speed = sim::GetSpeed() ? sim::GetSpeed() : 1;
        const DWORD realMs = deviceMs / speed;
        const DWORD start = ::GetTickCount();
        for (;;) {
            if (stop) return false;
            const DWORD waited = ::GetTickCount() - start;
            if (waited >= realMs) return true;
            const DWORD left = realMs - waited;
            ::Sleep(left < kStopCheckMs ? left : kStopCheckMs);
        }
    }

    // The engine's device; an engine given no device (no CreateUSB) has none.
    sim::DeviceId Device() {
        std::wstring name;
        {
            std::lock_guard<std::mutex> hold(lock);
            name = deviceName;
        }
        sim::DeviceId id = name.empty() ? 0 : sim::FindDfuByName(name.c_str());
        return id && sim::IsPresent(id) ? id : 0;
    }

    void Join() {
        if (!worker.joinable()) return;
        if (worker.get_id() == std::this_thread::get_id()) worker.detach();
        else worker.join();
    }

    bool Run(std::function<void()> operation) {
        if (busy.exchange(true)) return false;
        Join();
        stop = false;
        ++owners;
        worker = std::thread([this, operation] {
            operation();
            Release();
        });
        return true;
    }

    void Reconfigure(sim::DeviceId id) {
        sim::DfuBehaviour b = sim::GetDfuBehaviour(id);
        if (sim::InDfuMode(id)) {
            Report(kNotify, kOpReconfigure, dfu_result::kOk, kStateDeviceReady);
            Report(kComplete, kOpReady, dfu_result::kOk, kStateDeviceReady);
            return;
        }
        // The headset restarts into firmware-management mode meanwhile.
        for (int i = 0; i < b.waitEvents; ++i) {
            Report(kStatus, kOpReconfigure, dfu_result::kOk, kStateWaiting);
            if (!Pause(b.phaseMs)) return;
            if (b.vanishDuringReconfigure) sim::SetPresent(id, false);
        }
        if (!sim::IsPresent(id)) {
            Report(kComplete, kOpReconfigure, dfu_result::kNoDevice, kStateWaiting);
            return;
        }
        sim::SetDfuMode(id, true);
        if (!Pause(b.phaseMs)) return;
        Report(kNotify, kOpReconfigure, dfu_result::kOk, kStateDeviceReady);
        Report(kComplete, kOpReconfigured, dfu_result::kOk, kStateDeviceReady);
    }

    void Download(sim::DeviceId id, const std::wstring& image, const BYTE version[4]) {
        sim::DfuBehaviour b = sim::GetDfuBehaviour(id);
        int steps = b.progressEvents > 0 ? b.progressEvents : 1;
        bool fails = b.downloadFailCode != 0 && b.downloadFailTimes > 0;
        // Block i written: a percentage, or the library's busy state.
        auto percentage = [&](int i) {
            Report(kStatus, kOpReady, dfu_result::kOk, kStateProgress, i * 100 / (steps + 1));
        };
        auto busy = [&] { Report(kStatus, kOpReady, dfu_result::kOk, kStateDownloadBusy); };
        auto written = [&](int i) {
            if (b.percentages) percentage(i);
            else busy();
        };
        for (int i = 1; i <= steps; ++i) {
            if (!Pause(b.phaseMs)) return;
            if ((fails || b.vanishDuringDownload) && i > steps / 2) break;
            if (b.stallDuringDownload && i > steps / 2) {
                // The device stops answering; only Destroy ends the wait.
                // Meanwhile the library may go on saying what it said last,
                // or that and its busy state in turn.
                for (bool busyNext = false; Pause(b.phaseMs); busyNext = !busyNext) {
                    if (b.alternateDuringStall) busyNext ? busy() : percentage(i - 1);
                    else if (b.repeatDuringStall) written(i - 1);
                }
                return;
            }
            written(i);
        }
        if (b.vanishDuringDownload) {
            sim::SetPresent(id, false);
            Report(kComplete, kOpReady, dfu_result::kDeviceLost, kStateProgress);
            return;
        }
        if (fails) {
            b.downloadFailTimes--;
            sim::SetDfuBehaviour(id, b);
            Report(kComplete, kOpReady, b.downloadFailCode, kStateProgress);
            return;
        }
        // The headset checks the file it received before it keeps it: an
        // image changed since the download started is refused whole.
        if (!dfuimage::Read(image.c_str(), nullptr)) {
            Report(kComplete, kOpReady, dfu_result::kBadFile, kStateProgress);
            return;
        }
        sim::DfuInstallImage(id, image.c_str(), version);
        Report(kNotify, kOpReady, dfu_result::kOk, kStateTransferComplete, 100);
        Report(kComplete, kOpDownloaded, dfu_result::kOk, kStateTransferComplete, 100);
    }

    void Manifest(sim::DeviceId id) {
        sim::DfuBehaviour b = sim::GetDfuBehaviour(id);
        if (!Pause(b.phaseMs)) return;
        if (b.vanishDuringManifest) {
            sim::SetPresent(id, false);
            Report(kComplete, kOpDownloaded, dfu_result::kNoDevice, kStateTransferComplete, 100);
            return;
        }
        sim::SetDfuMode(id, false);  // back on its normal firmware
        if (!Pause(b.phaseMs)) return;
        Report(kNotify, kOpDownloaded, dfu_result::kOk, kStateRestarted, 100);
        Report(kComplete, kOpManifested, dfu_result::kOk, kStateRestarted, 100);
    }
};

DFUEngine::DFUEngine() : impl_(new Impl) {}

DFUEngine::~DFUEngine() {
    Destroy();
    impl_->Release();
}

bool DFUEngine::CreateUSB(const wchar_t* deviceName) {
    if (!deviceName || !sim::FindDfuByName(deviceName)) return false;
    std::lock_guard<std::mutex> hold(impl_->lock);
    impl_->deviceName = deviceName;
    return true;
}

void DFUEngine::SetCallback(Callback* callback) {
    std::lock_guard<std::recursive_mutex> call(impl_->calling);
    std::lock_guard<std::mutex> hold(impl_->lock);
    impl_->callback = callback;
}

bool DFUEngine::StartReconfigure(bool, bool, const wchar_t*) {
    sim::DeviceId id = impl_->Device();
    if (!id || sim::GetDfuBehaviour(id).refuseReconfigure) return false;
    Impl* impl = impl_;
    return impl->Run([impl, id] { impl->Reconfigure(id); });
}

bool DFUEngine::StartDownload(const wchar_t* imagePath) {
    sim::DeviceId id = impl_->Device();
    BYTE version[4];
    if (!id || !sim::InDfuMode(id) || !dfuimage::Read(imagePath, version)) return false;
    std::wstring image = imagePath;
    std::array<BYTE, 4> v = {version[0], version[1], version[2], version[3]};
    Impl* impl = impl_;
    return impl->Run([impl, id, image, v] { impl->Download(id, image, v.data()); });
}

bool DFUEngine::StartManifest() {
    sim::DeviceId id = impl_->Device();
    if (!id || !sim::InDfuMode(id)) return false;
    Impl* impl = impl_;
    return impl->Run([impl, id] { impl->Manifest(id); });
}

void DFUEngine::Destroy() {
    impl_->stop = true;
    impl_->Join();
    impl_->busy = false;
    std::lock_guard<std::recursive_mutex> call(impl_->calling);
    std::lock_guard<std::mutex> hold(impl_->lock);
    impl_->deviceName.clear();
    impl_->callback = nullptr;
}

int DFUEngine::GetUSBDeviceNames(CStringListX& names) {
    names.RemoveAll();
    for (const sim::DfuListing& d : sim::ListDfuDevices()) names.AddTail(CStringX(d.name.c_str()));
    return names.GetCount();
}

bool DFUEngine::IsDFUFileValid(const wchar_t* imagePath) { return dfuimage::Read(imagePath, nullptr); }
