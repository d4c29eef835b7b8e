#include "tools/bench/DfuFlowBench.h"
#include "framework/Clock.h"
#include "hardware/HardwareApi.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/simdevices/SimDevices.h"
#include "update/DfuUpdateFlow.h"
#include "update/FirmwareInfo.h"
#include <cstdio>
#include <string>

namespace {

const DWORD kSettleMs = 3000;  // the flow's pause before it looks for the headset
const DWORD kLimitMs = 600000;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return (double)(to.QuadPart - from.QuadPart) / (double)f.QuadPart;
}

LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return t;
}

// The bare engine: each operation starts from the completion of the last
// one, on the engine's own thread; nothing else happens in between.
class BareDriver : public DFUEngine::Callback {
public:
    BareDriver(DFUEngine* engine, const std::wstring& image) : m_engine(engine), m_image(image) {
        m_done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    ~BareDriver() override { ::CloseHandle(m_done); }
    void OnDfuNotify(int, const DFUEngine::Status& s) override {
        if (s.state == DFUEngine::kStateRestarted) ::SetEvent(m_done);
    }
    void OnDfuStatus(int, const DFUEngine::Status&) override {}
    void OnDfuComplete(int, const DFUEngine::Status& s) override {
        if (!s.result) {
            ::SetEvent(m_done);
            return;
        }
        if (s.operation == DFUEngine::kOpReconfigured || s.operation == DFUEngine::kOpReady)
            m_engine->StartDownload(m_image.c_str());
        else if (s.operation == DFUEngine::kOpDownloaded)
            m_engine->StartManifest();
    }
    HANDLE m_done;

private:
    DFUEngine* m_engine;
    std::wstring m_image;
};

// The page as the flow sees it, played by the benchmark's thread: one queued
// notification handled per post, as the page's window does.
class BenchHost : public IDfuFlowHost {
public:
    BenchHost() { m_posted = ::CreateSemaphoreW(nullptr, 0, 1 << 20, nullptr); }
    ~BenchHost() override { ::CloseHandle(m_posted); }
    CFirmwareInfo* ActiveRecord() override { return &info; }
    int TargetModel() override { return 0x2110; }
    int UsbStatus() override { return 0x2110; }
    int CurrentPage() override { return 3; }
    void PostDfuEvent() override { ::ReleaseSemaphore(m_posted, 1, nullptr); }
    void ShowPressAndHoldBox(BOOL) override {}
    void CloseWaitBox() override {}
    void StartPostUpdateCheck() override { restarted = true; }
    BOOL PostUpdateCheckRunning() override { return restarted; }
    void OnTransferComplete() override {}
    void ArmDeviceWait(DWORD ms) override {
        waitArmed = true;
        waitDue = ::GetTickCount() + ms;
    }
    bool waitArmed = false;
    DWORD waitDue = 0;

    CFirmwareInfo info;
    bool restarted = false;
    HANDLE m_posted;
};

sim::DeviceId AddHeadset(unsigned phaseMs, int downloadEvents) {
    sim::Reset();
    sim::DeviceId id = sim::AddDfuHeadset(L"Bench headset", sim::kMakerVendorId, 0x2110, 0xA110);
    sim::SetPsKeyWords(id, 0x02A3, {0x2110});
    sim::SetPsKey(id, 0x02A4, "\x0A\0\0\0", 4);
    sim::DfuBehaviour b;
    b.waitEvents = 3;
    b.progressEvents = downloadEvents;
    b.phaseMs = phaseMs;
    sim::SetDfuBehaviour(id, b);
    return id;
}

std::wstring WriteImage() {
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    std::wstring path = std::wstring(folder) + L"morvex_bench_" + std::to_wstring(::GetCurrentProcessId()) + L".img";
    const unsigned char v12[4] = {12, 0, 0, 0};
    std::string bytes = dfuimage::MakeImage("Vela_Morn_T#2110", v12, 1 << 20);
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (f) {
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    return path;
}

}  // namespace

DfuFlowBenchResult RunDfuFlowBench(unsigned phaseMs, int downloadEvents) {
    DfuFlowBenchResult r;
    hw::SetApi(&hw::SimulatedApi());
    sim::SetSpeed(1);
    fw::Clock::SetSpeed(1);
    const std::wstring image = WriteImage();

    // The headset's own time.
    AddHeadset(phaseMs, downloadEvents);
    {
        std::vector<sim::DfuListing> devices = sim::ListDfuDevices();
        DFUEngine engine;
        BareDriver driver(&engine, image);
        if (!devices.empty() && engine.CreateUSB(devices[0].name.c_str())) {
            engine.SetCallback(&driver);
            LARGE_INTEGER t0 = Now();
            if (engine.StartReconfigure(false, true, image.c_str()) &&
                ::WaitForSingleObject(driver.m_done, kLimitMs) == WAIT_OBJECT_0) {
                r.deviceSeconds = Seconds(t0, Now());
                r.bareReachedRestart = !sim::InDfuMode(devices[0].id) && sim::LastDownloadedImage(devices[0].id) == image;
            }
        }
        engine.Destroy();
    }

    // The same headset anew, through the update flow.
    AddHeadset(phaseMs, downloadEvents);
    {
        BenchHost host;
        host.info.m_strFirmwarePath = image.c_str();
        host.info.m_nStep = FW_STEP_VERIFIED;
        CDfuUpdateFlow flow(&host);
        LARGE_INTEGER t0 = Now();
        flow.StartReconfigure();
        const DWORD start = ::GetTickCount();
        while (!host.restarted && !host.info.m_bFinished && ::GetTickCount() - start < kLimitMs) {
            if (host.waitArmed && (int)(::GetTickCount() - host.waitDue) >= 0) {
                host.waitArmed = false;
                flow.ContinueReconfigure();
            }
            if (::WaitForSingleObject(host.m_posted, 5) == WAIT_OBJECT_0) flow.HandleOneEvent();
        }
        r.flowSeconds = Seconds(t0, Now());
        r.flowReachedRestart = host.restarted && host.info.m_nError == 0;
        flow.DestroyEngines();
    }
    r.settleSeconds = kSettleMs / 1000.0;
    ::DeleteFileW(image.c_str());
    hw::SetApi(nullptr);
    sim::Reset();
    return r;
}

void PrintDfuFlowBench(FILE* out, const DfuFlowBenchResult& r) {
    const double added = r.flowSeconds - r.settleSeconds - r.deviceSeconds;
    std::fprintf(out, "DFU update flow (simulated headset)\n");
    std::fprintf(out, "  headset's own time:   %8.3f s (reconfigure, download, manifest)\n", r.deviceSeconds);
    std::fprintf(out, "  through the flow:     %8.3f s, of which %.3f s is the pause before it looks for the headset\n",
                 r.flowSeconds, r.settleSeconds);
    std::fprintf(out, "  added by the flow:    %8.3f s, %5.2f %% of the headset's time (goal: under 5 %%)\n", added,
                 r.deviceSeconds > 0 ? 100.0 * added / r.deviceSeconds : 0.0);
    std::fprintf(out, "  both reached the restarted headset: %s\n",
                 r.flowReachedRestart && r.bareReachedRestart ? "yes" : "NO");
}
