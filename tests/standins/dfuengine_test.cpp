// DFUEngine.dll driven the way the recognition, update and settings pages
// drive it: enumeration and connection, persistent-store keys, and a whole
// update with its callbacks on the library's thread.
#include "tests/standins/SimTestSupport.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/dfuengine/include/DFUTransport.h"
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <cwctype>
#include <mutex>
#include <thread>

using namespace simtest;

namespace {

const WORD kProductIdKey = 0x02A3, kFwVersionKey = 0x02A4, kNameKey = 0x0108, kBdAddrKey = 0x0001;

class DfuEngineTest : public SimWorldTest {
protected:
    void SetUp() override {
        SimWorldTest::SetUp();
        headset = sim::AddDfuHeadset(L"Headset", sim::kMakerVendorId, 0x2110, 0xA110);
        sim::SetPsKeyWords(headset, kProductIdKey, {0x2110});
        sim::SetPsKey(headset, kFwVersionKey, "\x0A\0\0\0", 4);
        sim::SetPsKeyText(headset, kNameKey, "Vela Morn T");
        sim::SetPsKeyWords(headset, kBdAddrKey, {0x0012, 0x3456, 0x0078, 0x1A2B});
        sim::DfuBehaviour fast;
        fast.phaseMs = 5000;  // 50 ms a step at the tests' speed
        sim::SetDfuBehaviour(headset, fast);
        DFUTransportUSB::init();
    }
    void TearDown() override {
        DFUTransportUSB::deinit();
        SimWorldTest::TearDown();
    }
    // The path of the first listed device, as the pages take it.
    CStringX FirstPath() {
        CStringListX names;
        DFURequestsUSB::EnumerateDevices(names);
        POSITION pos = names.GetHeadPosition();
        return pos ? DFUTransportUSB::PathInternal(names.GetNext(pos)) : CStringX();
    }
    sim::DeviceId headset = 0;
};

std::wstring Upper(const wchar_t* s) {
    std::wstring u = s;
    for (auto& c : u) c = (wchar_t)std::towupper(c);
    return u;
}

TEST_F(DfuEngineTest, EnumerationListsPresentHeadsetsWithVidAndPidInThePath) {
    sim::AddDfuHeadset(L"Second", sim::kMakerVendorId, 0x2120, 0xA120);
    CStringListX names;
    EXPECT_EQ(2, DFURequestsUSB::EnumerateDevices(names));
    std::vector<std::wstring> paths;
    for (POSITION pos = names.GetHeadPosition(); pos;) paths.push_back(Upper(DFUTransportUSB::PathInternal(names.GetNext(pos))));
    ASSERT_EQ(2u, paths.size());
    EXPECT_NE(std::wstring::npos, paths[0].find(L"VID_2E5A&PID_2110"));
    EXPECT_NE(std::wstring::npos, paths[1].find(L"VID_2E5A&PID_2120"));
    EXPECT_GT(paths[0].find(L"VID_"), 0u);

    // Firmware-management mode shows the other product id.
    sim::SetDfuMode(headset, true);
    EXPECT_NE(std::wstring::npos, Upper(FirstPath()).find(L"PID_A110"));
    // Unknown names give an empty path; without init nothing is listed.
    EXPECT_EQ(0, DFUTransportUSB::PathInternal(CStringX(L"nothing")).GetLength());
    DFUTransportUSB::deinit();
    EXPECT_EQ(0, DFURequestsUSB::EnumerateDevices(names));
    EXPECT_TRUE(names.IsEmpty());
    DFUTransportUSB::init();
}

TEST_F(DfuEngineTest, ConnectSucceedsOnlyForAReachableHeadsetInNormalMode) {
    struct Case {
        const char* what;
        void (*setup)(sim::DeviceId);
        bool connects;
    } cases[] = {
        {"normal mode", [](sim::DeviceId) {}, true},
        {"firmware-management mode", [](sim::DeviceId id) { sim::SetDfuMode(id, true); }, false},
        {"connection fault", [](sim::DeviceId id) { sim::SetConnectFails(id, true); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::SetDfuMode(headset, false);
        sim::SetConnectFails(headset, false);
        c.setup(headset);
        CStringX path = FirstPath();
        DFUTransportCOM transport;
        DFUEngine::Result result = DFURequestsUSB::ConnectDevice(path, transport);
        EXPECT_EQ(c.connects, (bool)result);
    }
    DFUTransportCOM transport;
    EXPECT_FALSE(DFURequestsUSB::ConnectDevice(CStringX(L"\\\\?\\usb#vid_2e5a&pid_9999#x"), transport));
}

TEST_F(DfuEngineTest, KeysReadZeroPaddedAndWriteExactlyTheGivenBytes) {
    DFUTransportCOM transport;
    ASSERT_TRUE(DFURequestsUSB::ConnectDevice(FirstPath(), transport));
    BYTE buffer[512];
    unsigned short actual = 0;
    std::memset(buffer, 0xCC, sizeof buffer);
    ASSERT_TRUE(transport.BCCMDGetPS(kNameKey, buffer, 256, &actual));
    EXPECT_STREQ("Vela Morn T", (const char*)buffer);
    EXPECT_EQ(0, buffer[255]);
    ASSERT_TRUE(transport.BCCMDGetPS(kProductIdKey, buffer, 2, &actual));
    EXPECT_EQ(0x2110, buffer[0] | buffer[1] << 8);
    EXPECT_EQ(1, actual);

    // A key the headset does not have, and one that cannot be read.
    EXPECT_FALSE(transport.BCCMDGetPS(0x0293, buffer, 4, &actual));
    sim::SetPsReadFails(headset, kBdAddrKey, true);
    DFUEngine::Result r = transport.BCCMDGetPS(kBdAddrKey, buffer, 8, &actual);
    EXPECT_FALSE(r);
    EXPECT_EQ(dfu_result::kKeyFailed, r.GetCode());

    // Writes: from a cleared 512-byte buffer, only the length passed goes.
    std::memset(buffer, 0, sizeof buffer);
    buffer[0] = 1;
    EXPECT_TRUE(transport.BCCMDSetPS(0x0298, buffer, 2));
    sim::SetPsWriteFails(headset, 0x0299, true);
    EXPECT_FALSE(transport.BCCMDSetPS(0x0299, buffer, 2));
    auto log = sim::PsWriteLog();
    ASSERT_EQ(2u, log.size());
    EXPECT_EQ(0x0298, log[0].key);
    EXPECT_EQ((std::vector<BYTE>{1, 0}), log[0].value);
    EXPECT_TRUE(log[0].accepted);
    EXPECT_FALSE(log[1].accepted);
    std::vector<BYTE> stored;
    ASSERT_TRUE(sim::GetPsKey(headset, 0x0298, &stored));
    EXPECT_EQ(2u, stored.size());
    EXPECT_FALSE(sim::GetPsKey(headset, 0x0299, &stored));

    // A transport that never connected, and one whose headset left.
    DFUTransportCOM idle;
    EXPECT_EQ(dfu_result::kNotConnected, idle.BCCMDGetPS(kProductIdKey, buffer, 2, &actual).GetCode());
    sim::SetPresent(headset, false);
    EXPECT_FALSE(transport.BCCMDGetPS(kProductIdKey, buffer, 2, &actual));
}

// Records the engine's notifications with the thread they came on.
class Recorder : public DFUEngine::Callback {
public:
    struct Event {
        char kind;  // 'N'otify, 'S'tatus, 'C'omplete
        int op, code, state;
        DWORD thread;
    };
    void OnDfuNotify(int, const DFUEngine::Status& s) override { Add('N', s); }
    void OnDfuStatus(int, const DFUEngine::Status& s) override { Add('S', s); }
    void OnDfuComplete(int, const DFUEngine::Status& s) override { Add('C', s); }

    // The next callback waits inside the engine's thread until Release, so
    // that the operation is surely still running meanwhile; HoldNext
    // returns once that callback has arrived.
    void HoldNext() {
        std::lock_guard<std::mutex> hold(lock_);
        holdNext_ = true;
    }
    bool WaitHeld(DWORD timeoutMs = 10000) {
        std::unique_lock<std::mutex> hold(lock_);
        return changed_.wait_for(hold, std::chrono::milliseconds(timeoutMs), [this] { return held_; });
    }
    void Release() {
        std::lock_guard<std::mutex> hold(lock_);
        holdNext_ = false;
        changed_.notify_all();
    }

    // Waits for the next completion; false after timeoutMs.
    bool WaitComplete(DWORD timeoutMs = 10000) {
        std::unique_lock<std::mutex> hold(lock_);
        bool ok = changed_.wait_for(hold, std::chrono::milliseconds(timeoutMs), [this] { return completes_ > seen_; });
        if (ok) ++seen_;
        return ok;
    }
    std::vector<Event> Take() {
        std::lock_guard<std::mutex> hold(lock_);
        std::vector<Event> out;
        out.swap(events_);
        return out;
    }
    // "S16 S16 N17 C2:0" style summary.
    static std::string Summary(const std::vector<Event>& events) {
        std::string s;
        for (const Event& e : events) {
            if (!s.empty()) s += ' ';
            s += e.kind;
            s += e.kind == 'C' ? std::to_string(e.op) + ":" + std::to_string(e.code) : std::to_string(e.state);
        }
        return s;
    }

private:
    void Add(char kind, const DFUEngine::Status& s) {
        std::unique_lock<std::mutex> hold(lock_);
        events_.push_back({kind, s.operation, s.result.GetCode(), s.state, ::GetCurrentThreadId()});
        if (kind == 'C') ++completes_;
        if (holdNext_) {
            held_ = true;
            changed_.notify_all();
            changed_.wait(hold, [this] { return !holdNext_; });
            held_ = false;
        }
        changed_.notify_all();
    }
    std::mutex lock_;
    std::condition_variable changed_;
    std::vector<Event> events_;
    int completes_ = 0, seen_ = 0;
    bool holdNext_ = false, held_ = false;
};

std::wstring ImagePath() {
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring s = exe;
    return s.substr(0, s.find_last_of(L"\\/") + 1) + L"fwserver\\zarnbluetoothmanager\\Vela_Morn_T_v1.2.img";
}

TEST_F(DfuEngineTest, UpdateRunsReconfigureDownloadManifestWithCallbacksInOrderOnItsThread) {
    CStringListX names;
    ASSERT_EQ(1, DFUEngine::GetUSBDeviceNames(names));
    POSITION pos = names.GetHeadPosition();
    Recorder recorder;
    DFUEngine engine;
    ASSERT_TRUE(engine.CreateUSB(names.GetNext(pos)));
    engine.SetCallback(&recorder);
    std::wstring image = ImagePath();
    ASSERT_TRUE(DFUEngine::IsDFUFileValid(image.c_str()));

    recorder.HoldNext();
    ASSERT_TRUE(engine.StartReconfigure(false, true, image.c_str()));
    ASSERT_TRUE(recorder.WaitHeld());
    EXPECT_FALSE(engine.StartDownload(image.c_str()));  // still reconfiguring
    recorder.Release();
    ASSERT_TRUE(recorder.WaitComplete());
    auto events = recorder.Take();
    EXPECT_EQ("S16 S16 S16 N17 C2:0", Recorder::Summary(events));
    for (const auto& e : events) EXPECT_NE(::GetCurrentThreadId(), e.thread);
    EXPECT_TRUE(sim::InDfuMode(headset));

    ASSERT_TRUE(engine.StartDownload(image.c_str()));
    ASSERT_TRUE(recorder.WaitComplete());
    EXPECT_EQ("S20 S20 S20 S20 S20 N18 C4:0", Recorder::Summary(recorder.Take()));
    std::vector<BYTE> version;
    ASSERT_TRUE(sim::GetPsKey(headset, kFwVersionKey, &version));
    EXPECT_EQ(12, version[0]);  // the image's version, 1.2
    EXPECT_EQ(image, sim::LastDownloadedImage(headset));

    ASSERT_TRUE(engine.StartManifest());
    ASSERT_TRUE(recorder.WaitComplete());
    EXPECT_EQ("N19 C5:0", Recorder::Summary(recorder.Take()));
    EXPECT_FALSE(sim::InDfuMode(headset));
    engine.Destroy();
}

TEST_F(DfuEngineTest, ADamagedImageNeverReachesTheHeadset) {
    TempFolder folder;
    const unsigned char version[4] = {12, 0, 0, 0};
    std::string good = dfuimage::MakeImage("Vela_Morn_T#2110", version);
    std::string damaged = good;
    damaged[1200] ^= 0x10;
    std::wstring path = folder.File(L"image.img");
    CStringListX names;
    DFUEngine::GetUSBDeviceNames(names);
    POSITION pos = names.GetHeadPosition();
    Recorder recorder;
    DFUEngine engine;
    ASSERT_TRUE(engine.CreateUSB(names.GetNext(pos)));
    engine.SetCallback(&recorder);
    ASSERT_TRUE(WriteText(path, good));
    ASSERT_TRUE(engine.StartReconfigure(false, true, path.c_str()));
    ASSERT_TRUE(recorder.WaitComplete());
    recorder.Take();

    // Refused at the start.
    ASSERT_TRUE(WriteText(path, damaged));
    EXPECT_FALSE(engine.StartDownload(path.c_str()));

    // Changed while it goes over: the headset checks what it received and
    // keeps its firmware.
    ASSERT_TRUE(WriteText(path, good));
    recorder.HoldNext();
    ASSERT_TRUE(engine.StartDownload(path.c_str()));
    ASSERT_TRUE(recorder.WaitHeld());
    ASSERT_TRUE(WriteText(path, damaged));
    recorder.Release();
    ASSERT_TRUE(recorder.WaitComplete());
    auto events = recorder.Take();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ("C3:" + std::to_string(dfu_result::kBadFile), Recorder::Summary({events.back()}));
    EXPECT_TRUE(sim::LastDownloadedImage(headset).empty());
    std::vector<BYTE> kept;
    ASSERT_TRUE(sim::GetPsKey(headset, kFwVersionKey, &kept));
    EXPECT_EQ(10, kept[0]);
    engine.Destroy();
}

TEST_F(DfuEngineTest, AHeadsetAlreadyInFirmwareManagementModeSkipsTheWait) {
    sim::SetDfuMode(headset, true);
    CStringListX names;
    DFUEngine::GetUSBDeviceNames(names);
    POSITION pos = names.GetHeadPosition();
    Recorder recorder;  // outlives the engine, which stops its thread first
    DFUEngine engine;
    engine.CreateUSB(names.GetNext(pos));
    engine.SetCallback(&recorder);
    ASSERT_TRUE(engine.StartReconfigure(false, true, ImagePath().c_str()));
    ASSERT_TRUE(recorder.WaitComplete());
    EXPECT_EQ("N17 C3:0", Recorder::Summary(recorder.Take()));
}

// A headset without percentages: its download reports a state of the
// library's own where the percentages would come.
TEST_F(DfuEngineTest, ADownloadWithoutPercentagesReportsOnlyItsOwnBusyState) {
    sim::SetDfuMode(headset, true);
    sim::DfuBehaviour b = sim::GetDfuBehaviour(headset);
    b.percentages = false;
    sim::SetDfuBehaviour(headset, b);
    CStringListX names;
    DFUEngine::GetUSBDeviceNames(names);
    POSITION pos = names.GetHeadPosition();
    Recorder recorder;
    DFUEngine engine;
    engine.CreateUSB(names.GetNext(pos));
    engine.SetCallback(&recorder);
    ASSERT_TRUE(engine.StartDownload(ImagePath().c_str()));
    ASSERT_TRUE(recorder.WaitComplete());
    EXPECT_EQ("S4 S4 S4 S4 S4 N18 C4:0", Recorder::Summary(recorder.Take()));
}

TEST_F(DfuEngineTest, AFailedDownloadReportsItsCodeAndARetryEngineNeedsTheHeadsetGivenToo) {
    sim::DfuBehaviour b = sim::GetDfuBehaviour(headset);
    b.downloadFailCode = dfu_result::kDeviceLost;
    b.downloadFailTimes = 1;
    sim::SetDfuBehaviour(headset, b);
    CStringListX names;
    DFUEngine::GetUSBDeviceNames(names);
    POSITION pos = names.GetHeadPosition();
    Recorder recorder;
    DFUEngine first, retry;
    CStringX name = names.GetNext(pos);
    first.CreateUSB(name);
    first.SetCallback(&recorder);
    retry.SetCallback(&recorder);
    // An engine that was given no device has nothing to reconfigure.
    EXPECT_FALSE(retry.StartReconfigure(false, true, ImagePath().c_str()));
    retry.CreateUSB(name);
    std::wstring image = ImagePath();
    ASSERT_TRUE(first.StartReconfigure(false, true, image.c_str()));
    ASSERT_TRUE(recorder.WaitComplete());
    ASSERT_TRUE(first.StartDownload(image.c_str()));
    ASSERT_TRUE(recorder.WaitComplete());
    auto events = recorder.Take();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ('C', events.back().kind);
    EXPECT_EQ(DFUEngine::kOpReady, events.back().op);
    EXPECT_EQ(28, events.back().code);

    ASSERT_TRUE(retry.StartReconfigure(false, true, image.c_str()));
    ASSERT_TRUE(recorder.WaitComplete());
    EXPECT_EQ("N17 C3:0", Recorder::Summary(recorder.Take()));
    ASSERT_TRUE(retry.StartDownload(image.c_str()));
    ASSERT_TRUE(recorder.WaitComplete());
    EXPECT_EQ(0, recorder.Take().back().code);
}

TEST_F(DfuEngineTest, OperationsThatCannotStartReturnFalse) {
    CStringListX names;
    DFUEngine::GetUSBDeviceNames(names);
    POSITION pos = names.GetHeadPosition();
    CStringX name = names.GetNext(pos);
    DFUEngine engine;
    EXPECT_FALSE(engine.CreateUSB(L"no such device"));
    ASSERT_TRUE(engine.CreateUSB(name));
    std::wstring image = ImagePath();
    EXPECT_FALSE(engine.StartDownload(image.c_str()));  // not in firmware-management mode
    EXPECT_FALSE(engine.StartManifest());
    sim::DfuBehaviour b = sim::GetDfuBehaviour(headset);
    b.refuseReconfigure = true;
    sim::SetDfuBehaviour(headset, b);
    EXPECT_FALSE(engine.StartReconfigure(false, true, image.c_str()));
    b.refuseReconfigure = false;
    sim::SetDfuBehaviour(headset, b);
    sim::SetPresent(headset, false);
    EXPECT_FALSE(engine.StartReconfigure(false, true, image.c_str()));
    sim::SetPresent(headset, true);
    sim::SetDfuMode(headset, true);
    TempFolder folder;
    ASSERT_TRUE(WriteText(folder.File(L"bad.img"), std::string(2048, 'x')));
    EXPECT_FALSE(engine.StartDownload(folder.File(L"bad.img").c_str()));
}

TEST_F(DfuEngineTest, DestroyStopsARunningOperationWithoutFurtherCallbacks) {
    sim::DfuBehaviour slow = sim::GetDfuBehaviour(headset);
    slow.waitEvents = 500;  // 50 s of real time to run to its end
    slow.phaseMs = 10000;
    sim::SetDfuBehaviour(headset, slow);
    CStringListX names;
    DFUEngine::GetUSBDeviceNames(names);
    POSITION pos = names.GetHeadPosition();
    Recorder recorder;
    DFUEngine engine;
    engine.CreateUSB(names.GetNext(pos));
    engine.SetCallback(&recorder);
    ASSERT_TRUE(engine.StartReconfigure(false, true, ImagePath().c_str()));
    DWORD start = ::GetTickCount();
    engine.Destroy();
    EXPECT_LT(::GetTickCount() - start, 10000u);
    size_t count = recorder.Take().size();
    ::Sleep(300);
    EXPECT_TRUE(recorder.Take().empty());
    EXPECT_LT(count, 100u);  // far from the end of the operation
}

// A callback that is still running when the owner takes it away: the owner
// may free the callback object as soon as SetCallback or Destroy returns.
class SlowCallback : public DFUEngine::Callback {
public:
    void OnDfuNotify(int, const DFUEngine::Status&) override {}
    void OnDfuStatus(int, const DFUEngine::Status&) override {}
    void OnDfuComplete(int, const DFUEngine::Status&) override {
        inside = true;
        ::Sleep(300);
        inside = false;
        ++completes;
    }
    std::atomic<bool> inside{false};
    std::atomic<int> completes{0};
};

bool WaitFor(const std::atomic<bool>& flag, DWORD ms) {
    for (DWORD start = ::GetTickCount(); !flag; ::Sleep(1))
        if (::GetTickCount() - start > ms) return false;
    return true;
}

TEST_F(DfuEngineTest, TakingTheCallbackAwayWaitsForARunningCallback) {
    sim::SetDfuMode(headset, true);
    CStringListX names;
    DFUEngine::GetUSBDeviceNames(names);
    POSITION pos = names.GetHeadPosition();
    CStringX name = names.GetNext(pos);
    for (bool destroy : {false, true}) {
        SCOPED_TRACE(destroy ? "Destroy" : "SetCallback");
        SlowCallback callback;
        DFUEngine engine;
        ASSERT_TRUE(engine.CreateUSB(name));
        engine.SetCallback(&callback);
        ASSERT_TRUE(engine.StartReconfigure(false, true, ImagePath().c_str()));
        ASSERT_TRUE(WaitFor(callback.inside, 10000));
        if (destroy) engine.Destroy();
        else engine.SetCallback(nullptr);
        EXPECT_FALSE(callback.inside);
        EXPECT_EQ(1, callback.completes);
    }
}

// Deletes the engine from inside its own callback, the way an owner that
// gives up on the first notification would.
class DeletingCallback : public DFUEngine::Callback {
public:
    DFUEngine* engine = nullptr;
    std::atomic<int> calls{0};
    std::atomic<bool> deleted{false};
    void OnDfuNotify(int, const DFUEngine::Status&) override { Call(); }
    void OnDfuStatus(int, const DFUEngine::Status&) override { Call(); }
    void OnDfuComplete(int, const DFUEngine::Status&) override { Call(); }

private:
    void Call() {
        ++calls;
        if (engine) {
            delete engine;
            engine = nullptr;
            deleted = true;
        }
    }
};

TEST_F(DfuEngineTest, EngineDeletedFromItsOwnCallbackEndsItsOperationQuietly) {
    CStringListX names;
    DFUEngine::GetUSBDeviceNames(names);
    POSITION pos = names.GetHeadPosition();
    DeletingCallback callback;
    callback.engine = new DFUEngine;
    ASSERT_TRUE(callback.engine->CreateUSB(names.GetNext(pos)));
    callback.engine->SetCallback(&callback);
    // The reconfigure reports several waits; the first one deletes the engine.
    ASSERT_TRUE(callback.engine->StartReconfigure(false, true, ImagePath().c_str()));
    ASSERT_TRUE(WaitFor(callback.deleted, 10000));
    ::Sleep(300);  // several of the operation's steps
    EXPECT_EQ(1, callback.calls);
}

TEST(DfuImageTest, OnlyWholeImagesAreValid) {
    TempFolder folder;
    const unsigned char version[4] = {12, 0, 0, 0};
    std::string good = dfuimage::MakeImage("Vela_Morn_T#2110", version);
    struct Case {
        const char* what;
        std::string bytes;
        bool valid;
    } cases[] = {
        {"whole image", good, true},
        {"cut short", good.substr(0, 2000), false},
        // The same length and identity tag, one byte changed after the header.
        {"changed after its header", good.substr(0, 1000) + (char)(good[1000] ^ 0x01) + good.substr(1001), false},
        {"changed in its suffix's CRC", good.substr(0, good.size() - 1) + (char)(good.back() ^ 0x80), false},
        {"no suffix marker", good.substr(0, good.size() - 8) + "XFD" + good.substr(good.size() - 5), false},
        {"wrong magic", "SIMDFU02" + good.substr(8), false},
        {"under 1648 bytes", good.substr(0, 1000), false},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::wstring path = folder.File(L"image.img");
        ASSERT_TRUE(WriteText(path, c.bytes));
        EXPECT_EQ(c.valid, DFUEngine::IsDFUFileValid(path.c_str()));
    }
    EXPECT_FALSE(DFUEngine::IsDFUFileValid(folder.File(L"missing.img").c_str()));
    EXPECT_FALSE(DFUEngine::IsDFUFileValid(nullptr));
}

TEST(DfuStringsTest, StringAndListBehaveAsTheCallersUseThem) {
    CStringX a(L"abc"), b;
    b = a;
    a = L"changed";
    EXPECT_STREQ(L"abc", (const wchar_t*)b);
    EXPECT_EQ(3, b.GetLength());
    wchar_t* buf = b.GetBuffer(20);
    wcscpy(buf, L"longer text");
    b.ReleaseBuffer();
    EXPECT_EQ(11, b.GetLength());
    EXPECT_STREQ(L"", (const wchar_t*)CStringX());

    CStringListX list;
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    list.AddTail(L"one");
    list.AddTail(CStringX(L"two"));
    std::wstring walked;
    for (POSITION pos = list.GetHeadPosition(); pos;) walked += list.GetNext(pos);
    EXPECT_EQ(L"onetwo", walked);
    EXPECT_EQ(2, list.GetCount());
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
}

}  // namespace
