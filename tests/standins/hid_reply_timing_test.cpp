// Simulated headsets as slow as real ones: a reply delay in real time that
// no speed of the world shortens, a reply that comes once after the
// program's bound, a headset that falls silent, one that stays pending for
// seconds, one whose replies do not name their command (or those of one
// command only), the driver's input queue flushed, and the device file's
// keys for all of them.
#include "tests/standins/SimTestSupport.h"
#include "standins/simdevices/SimDevices.h"

using namespace simtest;

namespace {

class HidReplyTimingTest : public SimWorldTest {
protected:
    void SetUp() override {
        SimWorldTest::SetUp();
        m_device = sim::AddHidInterface(L"40N", sim::kMakerVendorId, 0x5520);
        const BYTE version[5] = {1, 2, 0, 0, 0};
        sim::SetHidVersion(m_device, version);
        sim::SetHidBlock(m_device, 0x04, {0x1234, 0});
    }
    void TearDown() override {
        if (m_handle) api().CloseHandle(m_handle);
        SimWorldTest::TearDown();
    }
    // Opens the interface as the program does; sim::SetSpeed afterwards
    // stays (the seam follows the program's clock only when it opens).
    void Open() {
        m_handle = OpenHid(api(), HidPaths(api()).at(0));
        ASSERT_NE(INVALID_HANDLE_VALUE, m_handle);
    }
    void Send(BYTE command, BYTE block = 0) {
        std::vector<BYTE> report(1023, 0);
        report[0] = 1;
        report[1] = command;
        report[2] = block;
        DWORD written = 0;
        ASSERT_TRUE(api().WriteFile(m_handle, report.data(), 1023, &written, nullptr));
    }
    // One report within waitMs of real time: its command byte, or -1; its
    // status byte into *status. From another handle than m_handle with from.
    int ReadWithin(DWORD waitMs, BYTE* status = nullptr, HANDLE from = nullptr) {
        const HANDLE h = from ? from : m_handle;
        BYTE report[67] = {};
        OVERLAPPED ov = {};
        ov.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        DWORD got = 0;
        BOOL done = api().ReadFile(h, report, 67, &got, &ov);
        if (!done && ::GetLastError() == ERROR_IO_PENDING) {
            ::WaitForSingleObject(ov.hEvent, waitMs);
            done = api().GetOverlappedResult(h, &ov, &got, FALSE);
            if (!done) api().CancelIo(h);
        }
        ::CloseHandle(ov.hEvent);
        if (status) *status = report[2];
        return done ? report[1] : -1;
    }
    // Real milliseconds until the reply to command arrives.
    ULONGLONG ReplyTime(BYTE command) {
        ULONGLONG start = ::GetTickCount64();
        Send(command);
        EXPECT_EQ(command, ReadWithin(5000));
        return ::GetTickCount64() - start;
    }

    // Loads a device file of this text, as the run command does.
    void Load(const char* text) {
        ASSERT_TRUE(WriteText(DeviceFile(), text));
        std::wstring error;
        ASSERT_TRUE(sim::LoadFile(DeviceFile().c_str(), &error)) << std::string(error.begin(), error.end());
    }
    std::wstring DeviceFile() const { return m_folder.File(L"SimulatedDevices.ini"); }

    TempFolder m_folder;
    sim::DeviceId m_device = 0;
    HANDLE m_handle = nullptr;
};

}  // namespace

// reply_ms is real time: the same delay at speed 1 and at speed 100, where
// every device-time delay shrinks a hundredfold.
TEST_F(HidReplyTimingTest, AReplyDelayHoldsAtEverySpeed) {
    Open();
    sim::SetHidReplyMs(m_device, 150);
    for (unsigned speed : {1u, 100u}) {
        SCOPED_TRACE(speed);
        sim::SetSpeed(speed);
        ULONGLONG took = ReplyTime(0x01);
        EXPECT_GE(took, 140u);
        EXPECT_LT(took, 1500u);
    }
    sim::SetHidReplyMs(m_device, 0);
    EXPECT_LT(ReplyTime(0x01), 140u);
}

// From the device file: pending replies for a stretch of device time, one
// every half second, before the answers to one command; without the echo,
// byte 1 of every reply is 0.
TEST_F(HidReplyTimingTest, PendingForAStretchOfTimeAndNoEcho) {
    ASSERT_NO_FATAL_FAILURE(Load("[hid 40N]\npid = 0x5520\npending_ms = 2000\npending_command = 0x01\necho = 0\n"));
    Open();
    sim::SetSpeed(100);
    BYTE status = 0;
    int pending = 0;
    Send(0x01);
    for (; ReadWithin(1000, &status) == 0 && status == 1; ++pending) {}
    EXPECT_EQ(0, status);   // the answer, without its command in byte 1
    EXPECT_EQ(4, pending);  // at 0, 0.5, 1 and 1.5 s
    Send(0x02);
    EXPECT_EQ(0, ReadWithin(1000, &status));
    EXPECT_EQ(0, status);  // answered at once
}

// From the device file: with the echo, the replies to one command still
// leave it out.
TEST_F(HidReplyTimingTest, OneCommandWithoutTheEcho) {
    ASSERT_NO_FATAL_FAILURE(Load("[hid 40N]\npid = 0x5520\nno_echo_command = 0x02\n"));
    Open();
    Send(0x02);
    EXPECT_EQ(0, ReadWithin(1000));
    Send(0x01);
    EXPECT_EQ(0x01, ReadWithin(1000));
}

// The chosen command is answered late once (device time, past the program's
// 5 s bound), the next time on time; other commands are not touched.
TEST_F(HidReplyTimingTest, ALateReplyComesOnceAndStaysInTheQueueUntilFlushed) {
    Open();
    sim::SetSpeed(100);
    sim::SetHidLateReply(m_device, 0x02, 7000);  // 70 ms real at speed 100
    EXPECT_LT(ReplyTime(0x01), 60u);
    Send(0x02);
    EXPECT_EQ(-1, ReadWithin(40));  // not there yet
    ::Sleep(80);
    // Arrived: a flush drops it, so the next request reads its own reply.
    EXPECT_TRUE(api().HidD_FlushQueue(m_handle));
    ReplyTime(0x01);
    EXPECT_LT(ReplyTime(0x02), 60u);  // once only

    // Without a flush the late reply is the first one read, whatever was asked.
    sim::SetHidLateReply(m_device, 0x02, 7000);
    Send(0x02);
    ::Sleep(100);
    Send(0x01);
    EXPECT_EQ(0x02, ReadWithin(1000));
    EXPECT_EQ(0x01, ReadWithin(1000));

    // A flush keeps the replies still on their way.
    sim::SetHidReplyMs(m_device, 100);
    Send(0x01);
    EXPECT_TRUE(api().HidD_FlushQueue(m_handle));
    EXPECT_EQ(0x01, ReadWithin(1000));
    EXPECT_FALSE(api().HidD_FlushQueue((HANDLE)(ULONG_PTR)0x1234));
}

// A reply goes, when it arrives, into the queue of every handle then open
// on the interface, whichever asked; not to a handle opened after it came.
// A flush empties its own handle's queue only.
TEST_F(HidReplyTimingTest, AReplyReachesEveryHandleOpenWhenItArrives) {
    Open();
    sim::SetSpeed(100);
    sim::SetHidLateReply(m_device, 0x02, 7000);  // 70 ms real
    Send(0x02);
    HANDLE before = OpenHid(api(), HidPaths(api()).at(0));
    ::Sleep(150);
    HANDLE after = OpenHid(api(), HidPaths(api()).at(0));
    EXPECT_TRUE(api().HidD_FlushQueue(m_handle));
    EXPECT_EQ(-1, ReadWithin(40));
    EXPECT_EQ(0x02, ReadWithin(1000, nullptr, before));
    EXPECT_EQ(-1, ReadWithin(40, nullptr, after));
    api().CloseHandle(before);
    api().CloseHandle(after);
}

// After n answered requests the headset takes every report and answers
// none, and does none of what it is asked (no block written).
TEST_F(HidReplyTimingTest, AHeadsetFallsSilentAfterItsLastAnswer) {
    Open();
    sim::SetHidSilentAfterReports(m_device, 1);
    EXPECT_LT(ReplyTime(0x01), 1000u);
    std::vector<BYTE> report(1023, 0);
    report[0] = 1;
    report[1] = 0x04;
    report[2] = 0x04;
    report[3] = 1;
    report[5] = 0x77;
    DWORD written = 0;
    EXPECT_TRUE(api().WriteFile(m_handle, report.data(), 1023, &written, nullptr));
    EXPECT_EQ(-1, ReadWithin(300));
    std::vector<WORD> words;
    ASSERT_TRUE(sim::GetHidBlock(m_device, 0x04, &words));
    EXPECT_EQ(0x1234, words.at(0));
    EXPECT_EQ(2u, sim::HidCommandLog(m_device).size());  // both reports were taken
    sim::SetHidSilentAfterReports(m_device, -1);
    EXPECT_LT(ReplyTime(0x01), 1000u);
}

TEST_F(HidReplyTimingTest, TheDeviceFileSetsTheTimingFaults) {
    ASSERT_NO_FATAL_FAILURE(Load("[world]\nspeed = 100\n"
                                 "[hid 40N]\npid = 0x5520\nreply_ms = 120\nlate_command = 0x03\nlate_ms = 9000\n"
                                 "silent_after_reports = 3\n"));
    m_device = sim::FindDevice(L"40N");
    Open();
    sim::SetSpeed(100);
    EXPECT_GE(ReplyTime(0x01), 110u);  // real time at speed 100
    ULONGLONG start = ::GetTickCount64();
    Send(0x03, 0x04);
    EXPECT_EQ(-1, ReadWithin(150));
    EXPECT_EQ(0x03, ReadWithin(2000));
    EXPECT_GE(::GetTickCount64() - start, 200u);  // 120 ms + 90 ms of device time
    EXPECT_GE(ReplyTime(0x01), 110u);
    Send(0x01);  // the fourth: silent
    EXPECT_EQ(-1, ReadWithin(400));

    ASSERT_TRUE(WriteText(DeviceFile(), "[hid 40N]\npid = 0x5520\nreply_ms = soon\n"));
    std::wstring error;
    EXPECT_FALSE(sim::LoadFile(DeviceFile().c_str(), &error));
    EXPECT_NE(std::wstring::npos, error.find(L"line 3"));
}
