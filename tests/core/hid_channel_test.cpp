#include "tests/core/SimHardware.h"
#include "core/HidChannel.h"
#include "core/HidDevice.h"
#include "core/HidHandleNotes.h"
#include "core/UsbIds.h"
#include "framework/Clock.h"
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

static_assert(VendorIdMaker == sim::kMakerVendorId, "the simulated headsets carry the maker's vendor id");

const WORD kPid = 0x5610;

class HidChannelTest : public SimHardwareTest {
protected:
    void SetUp() override {
        SimHardwareTest::SetUp();
        m_speed = fw::Clock::GetSpeed();
        m_device = sim::AddHidInterface(L"headset", VendorIdMaker, kPid);
        const BYTE version[5] = {2, 1, 0, 3, 0};
        sim::SetHidVersion(m_device, version);
        m_handle = OpenHidDevice(kPid);
        ASSERT_TRUE(m_handle.IsValid());
    }
    void TearDown() override {
        m_handle.Close();
        // The tests after these run at the speed the test program set.
        fw::Clock::SetSpeed(m_speed);
        SimHardwareTest::TearDown();
    }
    // A cleared request with report id, command and block.
    static std::vector<BYTE> Request(BYTE command, BYTE block = 0) {
        std::vector<BYTE> r(HID_OUT_REPORT_SIZE, 0);
        r[0] = HID_REPORT_ID;
        r[1] = command;
        r[2] = block;
        return r;
    }

    unsigned m_speed = 1;
    sim::DeviceId m_device = 0;
    hw::CDeviceHandle m_handle;
    BYTE m_reply[HID_IN_REPORT_SIZE] = {};
};

TEST_F(HidChannelTest, VersionQuery) {
    auto request = Request(HID_CMD_GET_VERSION);
    ASSERT_TRUE(HidTransact(&m_handle, request.data(), m_reply));
    EXPECT_EQ(HID_STATUS_OK, m_reply[2]);
    EXPECT_EQ(2, m_reply[3]);
    EXPECT_EQ(1, m_reply[4]);
    EXPECT_EQ(3, m_reply[6]);
    auto log = sim::HidCommandLog(m_device);
    ASSERT_EQ(1u, log.size());
    EXPECT_EQ(HID_CMD_GET_VERSION, log[0][1]);
}

TEST_F(HidChannelTest, BlockReadAndWriteWithWordOrder) {
    sim::SetHidBlock(m_device, HID_BLOCK_SETTINGS, {0x1234, 0xABCD, 0x0001});
    auto read = Request(HID_CMD_READ_BLOCK, HID_BLOCK_SETTINGS);
    ASSERT_TRUE(HidTransact(&m_handle, read.data(), m_reply));
    EXPECT_EQ(3, m_reply[HID_REPLY_WORD_COUNT]);
    EXPECT_EQ(0x12, m_reply[5]);  // big-endian on the wire
    SwapResponseWords(m_reply);
    WORD words[3];
    std::memcpy(words, m_reply + HID_REPLY_WORDS, sizeof(words));
    EXPECT_EQ(0x1234, words[0]);
    EXPECT_EQ(0xABCD, words[1]);
    EXPECT_EQ(0x0001, words[2]);

    auto write = Request(HID_CMD_WRITE_BLOCK, HID_BLOCK_VOX_SENSITIVITY);
    write[3] = 2;
    WORD host[2] = {0x0102, 0x0A0B};
    std::memcpy(write.data() + HID_REQ_WORDS, host, sizeof(host));
    SwapRequestWords(write.data());
    ASSERT_TRUE(HidTransact(&m_handle, write.data(), m_reply));
    std::vector<WORD> stored;
    ASSERT_TRUE(sim::GetHidBlock(m_device, HID_BLOCK_VOX_SENSITIVITY, &stored));
    EXPECT_EQ((std::vector<WORD>{0x0102, 0x0A0B}), stored);
    // Swapping again gives the little-endian order of the store request.
    SwapRequestWords(write.data());
    EXPECT_EQ(0x02, write[4]);
    EXPECT_EQ(0x01, write[5]);
}

TEST_F(HidChannelTest, PendingRepliesAreWaitedFor) {
    sim::SetHidPendingReplies(m_device, 5);
    auto request = Request(HID_CMD_GET_VERSION);
    EXPECT_TRUE(HidTransact(&m_handle, request.data(), m_reply));
    EXPECT_EQ(HID_STATUS_OK, m_reply[2]);
    EXPECT_EQ(2, m_reply[3]);
}

TEST_F(HidChannelTest, ReplyThatStaysPendingFailsWithinItsBound) {
    sim::SetHidPendingForever(m_device, true);
    auto request = Request(HID_CMD_GET_VERSION);
    DWORD start = fw::Clock::GetTickCount();
    EXPECT_FALSE(HidTransact(&m_handle, request.data(), m_reply));
    DWORD elapsed = fw::Clock::GetTickCount() - start;
    EXPECT_GE(elapsed, HID_PENDING_TIMEOUT_MS);
    EXPECT_LT(elapsed, HID_PENDING_TIMEOUT_MS + HID_READ_TIMEOUT_MS + 5000);
    EXPECT_EQ(HID_STATUS_PENDING, m_reply[2]);

    // The status-only read has the same bound.
    EXPECT_FALSE(HidReadStatus(&m_handle));
    // Once the device answers again, the channel works.
    sim::SetHidPendingForever(m_device, false);
    EXPECT_TRUE(HidReadStatus(&m_handle));
    EXPECT_TRUE(HidTransact(&m_handle, request.data(), m_reply));
}

// The bounded exchange gives a request up once its limit passes without a
// report. A headset that keeps reporting pending is waited for up to the
// channel's own pending bound, whatever the limit; an answering device is
// not hurried.
TEST_F(HidChannelTest, BoundedExchangeEndsAtItsLimit) {
    auto request = Request(HID_CMD_GET_VERSION);
    sim::SetHidPendingReplies(m_device, 5);
    EXPECT_TRUE(HidTransactWithin(&m_handle, request.data(), m_reply, 3000));
    EXPECT_EQ(2, m_reply[3]);
    sim::SetHidPendingReplies(m_device, 0);

    // Pending for 7 s of device time, a report every half second: more than
    // the limit in all, never that long silent.
    sim::SetHidPendingMs(m_device, 7000);
    DWORD start = fw::Clock::GetTickCount();
    EXPECT_TRUE(HidTransactWithin(&m_handle, request.data(), m_reply, 3000));
    EXPECT_GE(fw::Clock::GetTickCount() - start, 6000u);
    EXPECT_EQ(2, m_reply[3]);
    sim::SetHidPendingMs(m_device, 0);

    sim::SetHidPendingForever(m_device, true);
    start = fw::Clock::GetTickCount();
    EXPECT_FALSE(HidTransactWithin(&m_handle, request.data(), m_reply, 3000));
    DWORD elapsed = fw::Clock::GetTickCount() - start;
    EXPECT_GE(elapsed, HID_PENDING_TIMEOUT_MS);
    EXPECT_LT(elapsed, HID_PENDING_TIMEOUT_MS + 3000u);
    EXPECT_EQ(HID_STATUS_PENDING, m_reply[2]);  // not answered, as against refused
    sim::SetHidPendingForever(m_device, false);
    EXPECT_TRUE(HidReadStatus(&m_handle));  // the late answer of that request

    // No report at all: given up at the limit (once the late window of the
    // request given up before has passed).
    fw::Clock::Sleep(3000);
    sim::SetHidSilentAfterReports(m_device, 0);
    start = fw::Clock::GetTickCount();
    EXPECT_FALSE(HidTransactWithin(&m_handle, request.data(), m_reply, 3000));
    elapsed = fw::Clock::GetTickCount() - start;
    EXPECT_GE(elapsed, 3000u);
    EXPECT_LT(elapsed, 3000u + 5000u);
    EXPECT_EQ(HID_STATUS_NONE, m_reply[2]);
    sim::SetHidSilentAfterReports(m_device, -1);

    sim::SetHidCommandFails(m_device, HID_CMD_GET_VERSION, true);
    EXPECT_FALSE(HidTransactWithin(&m_handle, request.data(), m_reply, 3000));
    EXPECT_NE(HID_STATUS_PENDING, m_reply[2]);
    EXPECT_NE(HID_STATUS_NONE, m_reply[2]);
}

TEST_F(HidChannelTest, FailuresOfWriteStatusAndHandle) {
    auto request = Request(HID_CMD_GET_VERSION);
    sim::SetHidCommandFails(m_device, HID_CMD_GET_VERSION, true);
    EXPECT_FALSE(HidTransact(&m_handle, request.data(), m_reply));
    EXPECT_NE(HID_STATUS_OK, m_reply[2]);
    sim::SetHidCommandFails(m_device, HID_CMD_GET_VERSION, false);

    sim::SetHidWriteFails(m_device, true);
    EXPECT_FALSE(HidTransact(&m_handle, request.data(), m_reply));
    EXPECT_EQ(HID_STATUS_NONE, m_reply[2]);
    EXPECT_FALSE(HidWriteReport(&m_handle, request.data()));
    sim::SetHidWriteFails(m_device, false);
    EXPECT_TRUE(HidWriteReport(&m_handle, request.data()));
    EXPECT_TRUE(HidReadStatus(&m_handle));

    // Handles that are not open.
    HANDLE none = nullptr, invalid = INVALID_HANDLE_VALUE;
    for (HANDLE* h : {&none, &invalid, (HANDLE*)nullptr}) {
        m_reply[2] = 0;
        EXPECT_FALSE(HidTransact(h, request.data(), m_reply));
        EXPECT_EQ(HID_STATUS_NONE, m_reply[2]);
        EXPECT_FALSE(HidWriteReport(h, request.data()));
        EXPECT_FALSE(HidReadStatus(h));
    }
    EXPECT_FALSE(HidTransact(&m_handle, nullptr, m_reply));
    EXPECT_FALSE(HidTransact(&m_handle, request.data(), nullptr));
}

TEST_F(HidChannelTest, DeviceThatVanishes) {
    sim::SetPresent(m_device, false);
    auto request = Request(HID_CMD_GET_VERSION);
    EXPECT_FALSE(HidTransact(&m_handle, request.data(), m_reply));
    EXPECT_FALSE(HidReadStatus(&m_handle));
}

// A device that takes the request and then never sends a report: the read
// stays unfinished until it is cancelled.
namespace silent {
int g_cancels = 0;
const ULONG_PTR kPending = 0x103;
BOOL WINAPI ReadFile(HANDLE, LPVOID, DWORD, LPDWORD read, LPOVERLAPPED ov) {
    if (read) *read = 0;
    ov->Internal = kPending;
    SetLastError(ERROR_IO_PENDING);
    return FALSE;
}
BOOL WINAPI GetOverlappedResult(HANDLE, LPOVERLAPPED ov, LPDWORD n, BOOL) {
    if (ov->Internal == kPending && g_cancels == 0) {
        SetLastError(ERROR_IO_INCOMPLETE);
        return FALSE;
    }
    *n = 0;
    SetLastError(ERROR_OPERATION_ABORTED);
    return FALSE;
}
BOOL WINAPI CancelIo(HANDLE) {
    ++g_cancels;
    return TRUE;
}
}  // namespace silent

TEST_F(HidChannelTest, SilentDeviceFailsWithinTheReadBound) {
    table().ReadFile = silent::ReadFile;
    table().GetOverlappedResult = silent::GetOverlappedResult;
    table().CancelIo = silent::CancelIo;
    silent::g_cancels = 0;

    auto request = Request(HID_CMD_GET_VERSION);
    DWORD start = fw::Clock::GetTickCount();
    EXPECT_FALSE(HidTransact(&m_handle, request.data(), m_reply));
    DWORD elapsed = fw::Clock::GetTickCount() - start;
    EXPECT_GE(elapsed, HID_READ_TIMEOUT_MS);
    EXPECT_LT(elapsed, HID_READ_TIMEOUT_MS + 5000);
    EXPECT_EQ(1, silent::g_cancels);  // the read was cancelled, not abandoned
    EXPECT_EQ(HID_STATUS_NONE, m_reply[2]);
}

// A device whose input reports come from a script, each completed at once
// and as long as the script says.
namespace scripted {
std::vector<std::vector<BYTE>> g_reports;
size_t g_next = 0;
BOOL WINAPI ReadFile(HANDLE, LPVOID buffer, DWORD size, LPDWORD read, LPOVERLAPPED ov) {
    if (g_next >= g_reports.size()) {
        SetLastError(ERROR_DEVICE_NOT_CONNECTED);
        return FALSE;
    }
    const std::vector<BYTE>& r = g_reports[g_next++];
    DWORD n = (DWORD)std::min<size_t>(r.size(), size);
    std::memcpy(buffer, r.data(), n);
    if (read) *read = n;
    ov->Internal = 0;
    ov->InternalHigh = n;
    return TRUE;
}
BOOL WINAPI GetOverlappedResult(HANDLE, LPOVERLAPPED ov, LPDWORD n, BOOL) {
    *n = (DWORD)ov->InternalHigh;
    return ov->Internal == 0;
}
std::vector<BYTE> Report(BYTE status, size_t length = HID_IN_REPORT_SIZE) {
    std::vector<BYTE> r(HID_IN_REPORT_SIZE, 0);
    r[0] = HID_REPORT_ID;
    r[1] = HID_CMD_GET_VERSION;
    r[HID_REPLY_STATUS] = status;
    r[3] = 7;
    r.resize(length);
    return r;
}
}  // namespace scripted

// An input report too short to carry the status byte is a failed read: it
// ends the exchange, even where the status byte left from the report before
// would have said "pending" and a good report follows.
TEST_F(HidChannelTest, ShortInputReportEndsTheExchange) {
    table().ReadFile = scripted::ReadFile;
    table().GetOverlappedResult = scripted::GetOverlappedResult;
    using scripted::Report;
    const size_t lengths[] = {0, 1, (size_t)HID_REPLY_STATUS};
    for (size_t shortLength : lengths) {
        SCOPED_TRACE(shortLength);
        auto request = Request(HID_CMD_GET_VERSION);
        scripted::g_reports = {Report(HID_STATUS_PENDING), Report(HID_STATUS_OK, shortLength), Report(HID_STATUS_OK)};
        scripted::g_next = 0;
        EXPECT_FALSE(HidTransact(&m_handle, request.data(), m_reply));
        EXPECT_EQ(2u, scripted::g_next);  // nothing read after the short report

        scripted::g_reports = {Report(HID_STATUS_PENDING), Report(HID_STATUS_OK, shortLength), Report(HID_STATUS_OK)};
        scripted::g_next = 0;
        EXPECT_FALSE(HidReadStatus(&m_handle));
        EXPECT_EQ(2u, scripted::g_next);
    }
    // A report that just reaches the status byte counts.
    auto request = Request(HID_CMD_GET_VERSION);
    scripted::g_reports = {Report(HID_STATUS_PENDING), Report(HID_STATUS_OK, HID_REPLY_STATUS + 1)};
    scripted::g_next = 0;
    EXPECT_TRUE(HidTransact(&m_handle, request.data(), m_reply));
    EXPECT_EQ(HID_STATUS_OK, m_reply[HID_REPLY_STATUS]);
}

TEST(HidWordSwap, CountsAreBoundedByTheReport) {
    // A reply that claims more words than a report holds swaps only what is there.
    BYTE reply[HID_IN_REPORT_SIZE + 4];
    for (int i = 0; i < (int)sizeof(reply); ++i) reply[i] = (BYTE)i;
    reply[HID_REPLY_WORD_COUNT] = 200;
    SwapResponseWords(reply);
    EXPECT_EQ(6, reply[5]);
    EXPECT_EQ(5, reply[6]);
    EXPECT_EQ(66, reply[65]);  // the last whole word is 65-66
    EXPECT_EQ(65, reply[66]);
    for (int i = HID_IN_REPORT_SIZE; i < (int)sizeof(reply); ++i) EXPECT_EQ(i, reply[i]);

    BYTE request[HID_OUT_REPORT_SIZE] = {1, 4, 4, 255};
    request[4 + 2 * 254] = 0xAA;
    request[5 + 2 * 254] = 0xBB;
    request[4 + 2 * 255] = 0xCC;  // beyond the counted words
    SwapRequestWords(request);
    EXPECT_EQ(0xBB, request[4 + 2 * 254]);
    EXPECT_EQ(0xAA, request[5 + 2 * 254]);
    EXPECT_EQ(0xCC, request[4 + 2 * 255]);
    SwapRequestWords(nullptr);
    SwapResponseWords(nullptr);
}

}  // namespace

// A reply that comes after its request was given up is never taken for the
// answer to the next request: what waits in the input queue is discarded
// before anything is sent. How each exchange ended is told apart.
TEST_F(HidChannelTest, ALateReplyNeverAnswersTheNextRequest) {
    fw::Clock::SetSpeed(100);
    sim::SetSpeed(100);
    sim::SetHidBlock(m_device, HID_BLOCK_SETTINGS, {0x1234, 0x5678});
    sim::SetHidLateReply(m_device, HID_CMD_GET_VERSION, 7000);
    auto version = Request(HID_CMD_GET_VERSION);
    EXPECT_EQ(HID_UNANSWERED, HidExchange(&m_handle, version.data(), m_reply, 5000));
    // Meanwhile the late reply reaches the queue.
    fw::Clock::Sleep(4000);
    auto read = Request(HID_CMD_READ_BLOCK, HID_BLOCK_SETTINGS);
    EXPECT_EQ(HID_ANSWERED, HidExchange(&m_handle, read.data(), m_reply, 5000));
    EXPECT_EQ(HID_CMD_READ_BLOCK, m_reply[1]);
    EXPECT_EQ(2, m_reply[HID_REPLY_WORD_COUNT]);
    EXPECT_EQ(0x12, m_reply[HID_REPLY_WORDS]);
    EXPECT_EQ(0x34, m_reply[HID_REPLY_WORDS + 1]);
    // The headset answers on time again.
    EXPECT_TRUE(HidTransactWithin(&m_handle, version.data(), m_reply, 5000));
    EXPECT_EQ(2, m_reply[3]);

    sim::SetHidCommandFails(m_device, HID_CMD_GET_VERSION, true);
    EXPECT_EQ(HID_REFUSED, HidExchange(&m_handle, version.data(), m_reply, 5000));
    sim::SetHidWriteFails(m_device, true);
    EXPECT_EQ(HID_NOT_SENT, HidExchange(&m_handle, version.data(), m_reply, 5000));
}

// The other order: the next request goes out at once, while the late reply
// is still on its way. Without the echo, the request first lets the late
// window pass (as long again as the bound given up), and the reply that
// came meanwhile is discarded. Where the headset has shown the echo, a
// reply later than that window is read past.
TEST_F(HidChannelTest, ALateReplyOnItsWayNeverAnswersTheRequestSentAtOnce) {
    // A fifth of the usual speed: a read given up under Wine costs tens of
    // real milliseconds, which must stay well inside the 2 s to the reply.
    fw::Clock::SetSpeed(20);
    sim::SetSpeed(20);
    sim::SetHidBlock(m_device, HID_BLOCK_SETTINGS, {0x1234, 0x5678});
    auto version = Request(HID_CMD_GET_VERSION);
    auto read = Request(HID_CMD_READ_BLOCK, HID_BLOCK_SETTINGS);
    for (bool echo : {false, true}) {
        SCOPED_TRACE(echo ? "echo" : "no echo");
        sim::SetHidEcho(m_device, echo);
        // Off the bus and back: nothing learnt of it yet.
        m_handle.Close();
        sim::SetPresent(m_device, false);
        EXPECT_FALSE(OpenHidDevice(kPid).IsValid());
        sim::SetPresent(m_device, true);
        m_handle = OpenHidDevice(kPid);
        ASSERT_TRUE(m_handle.IsValid());
        // Two different commands answered.
        ASSERT_EQ(HID_ANSWERED, HidExchange(&m_handle, read.data(), m_reply, 5000));
        ASSERT_EQ(HID_ANSWERED, HidExchange(&m_handle, version.data(), m_reply, 5000));
        sim::SetHidLateReply(m_device, HID_CMD_GET_VERSION, echo ? 12000 : 7000);
        const DWORD start = fw::Clock::GetTickCount();
        EXPECT_EQ(HID_UNANSWERED, HidExchange(&m_handle, version.data(), m_reply, 5000));
        std::memset(m_reply, 0, sizeof(m_reply));
        EXPECT_EQ(HID_ANSWERED, HidExchange(&m_handle, read.data(), m_reply, 5000));
        EXPECT_EQ(2, m_reply[HID_REPLY_WORD_COUNT]);
        EXPECT_EQ(0x12, m_reply[HID_REPLY_WORDS]);
        EXPECT_EQ(0x78, m_reply[HID_REPLY_WORDS + 3]);
        EXPECT_GE(fw::Clock::GetTickCount() - start, 10000u);
        // In step again: the version request gets the version.
        EXPECT_EQ(HID_ANSWERED, HidExchange(&m_handle, version.data(), m_reply, 5000));
        EXPECT_EQ(2, m_reply[3]);
        EXPECT_EQ(1, m_reply[4]);
    }
}

// The late window belongs to the interface: a handle opened on it after a
// request was given up on another one gets that late reply too, and lets
// the rest of the window pass before it sends. So does the echo: a reply
// later than the window, which comes while the new handle's first request
// waits for its own, is read past there.
TEST_F(HidChannelTest, ALateReplyNeverAnswersAHandleOpenedAfterwards) {
    fw::Clock::SetSpeed(20);  // as above: Wine's cost stays inside the 2 s
    sim::SetSpeed(20);
    sim::SetHidBlock(m_device, HID_BLOCK_SETTINGS, {0x1234, 0x5678});
    auto version = Request(HID_CMD_GET_VERSION);
    auto read = Request(HID_CMD_READ_BLOCK, HID_BLOCK_SETTINGS);
    for (DWORD late : {7000u, 12000u}) {
        SCOPED_TRACE(late);
        ASSERT_EQ(HID_ANSWERED, HidExchange(&m_handle, read.data(), m_reply, 5000));
        ASSERT_EQ(HID_ANSWERED, HidExchange(&m_handle, version.data(), m_reply, 5000));
        sim::SetHidLateReply(m_device, HID_CMD_GET_VERSION, late);
        EXPECT_EQ(HID_UNANSWERED, HidExchange(&m_handle, version.data(), m_reply, 5000));
        m_handle.Close();
        m_handle = OpenHidDevice(kPid);
        ASSERT_TRUE(m_handle.IsValid());
        std::memset(m_reply, 0, sizeof(m_reply));
        EXPECT_EQ(HID_ANSWERED, HidExchange(&m_handle, read.data(), m_reply, 5000));
        EXPECT_EQ(HID_CMD_READ_BLOCK, m_reply[1]);
        EXPECT_EQ(0x78, m_reply[HID_REPLY_WORDS + 3]);
        EXPECT_EQ(HID_ANSWERED, HidExchange(&m_handle, version.data(), m_reply, 5000));
        EXPECT_EQ(2, m_reply[3]);
    }
}

// A headset that echoes every command but one: the replies to that one are
// never lost. The first is read past and, as nothing else comes, taken at
// the bound; from then on that command is not filtered on the interface,
// also on handles opened later. The others still are.
TEST_F(HidChannelTest, ACommandAnsweredWithoutTheEchoIsAnswered) {
    // A tenth of the usual speed: an exchange under Wine stays far below the
    // 3 s that tell a prompt answer from one taken at the 5 s bound.
    fw::Clock::SetSpeed(10);
    sim::SetSpeed(10);
    sim::SetHidBlock(m_device, HID_BLOCK_SETTINGS, {0x1234, 0x5678});
    sim::SetHidNoEchoCommand(m_device, HID_CMD_WRITE_BLOCK);
    auto version = Request(HID_CMD_GET_VERSION);
    auto read = Request(HID_CMD_READ_BLOCK, HID_BLOCK_SETTINGS);
    auto write = Request(HID_CMD_WRITE_BLOCK, HID_BLOCK_FM);
    write[HID_REQ_WORD_COUNT] = 1;
    ASSERT_EQ(HID_ANSWERED, HidExchange(&m_handle, read.data(), m_reply, 5000));
    ASSERT_EQ(HID_ANSWERED, HidExchange(&m_handle, version.data(), m_reply, 5000));
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        if (i == 2) m_handle = OpenHidDevice(kPid);
        write[HID_REQ_WORDS + 1] = (BYTE)(0x10 + i);
        const DWORD start = fw::Clock::GetTickCount();
        EXPECT_EQ(HID_ANSWERED, HidExchange(&m_handle, write.data(), m_reply, 5000));
        if (i > 0) EXPECT_LT(fw::Clock::GetTickCount() - start, 3000u);
        std::vector<WORD> stored;
        ASSERT_TRUE(sim::GetHidBlock(m_device, HID_BLOCK_FM, &stored));
        EXPECT_EQ(std::vector<WORD>{(WORD)(0x10 + i)}, stored);
    }
    // A late version reply is still read past by the read.
    sim::SetHidLateReply(m_device, HID_CMD_GET_VERSION, 12000);
    EXPECT_EQ(HID_UNANSWERED, HidExchange(&m_handle, version.data(), m_reply, 5000));
    EXPECT_EQ(HID_ANSWERED, HidExchange(&m_handle, read.data(), m_reply, 5000));
    EXPECT_EQ(HID_CMD_READ_BLOCK, m_reply[1]);
    // So it is when the headset then falls silent: the late version reply is
    // all the read hears before its bound, and it names a command that has
    // echoed here. The read is given up; the version is no answer to it.
    sim::SetHidLateReply(m_device, HID_CMD_GET_VERSION, 12000);
    EXPECT_EQ(HID_UNANSWERED, HidExchange(&m_handle, version.data(), m_reply, 5000));
    sim::SetHidSilentAfterReports(m_device, 0);
    EXPECT_EQ(HID_UNANSWERED, HidExchange(&m_handle, read.data(), m_reply, 5000));
    EXPECT_EQ(HID_STATUS_NONE, m_reply[HID_REPLY_STATUS]);
}

// Another headset on the same interface path, plugged in between two walks
// of the bus, answers the address with its own: what the one before showed
// goes. Here it leaves the command out of every reply.
TEST_F(HidChannelTest, AnotherAddressOnThePathStartsAfresh) {
    fw::Clock::SetSpeed(10);  // as above
    sim::SetSpeed(10);
    const BYTE first[6] = {0, 0x1A, 0x7D, 1, 2, 3}, second[6] = {0, 0x1A, 0x7D, 4, 5, 6};
    sim::SetHidAddress(m_device, first);
    auto version = Request(HID_CMD_GET_VERSION);
    auto address = Request(HID_CMD_GET_BD_ADDRESS);
    ASSERT_EQ(HID_ANSWERED, HidExchange(&m_handle, address.data(), m_reply, 5000));
    ASSERT_EQ(HID_ANSWERED, HidExchange(&m_handle, version.data(), m_reply, 5000));
    m_handle.Close();
    sim::SetHidAddress(m_device, second);
    sim::SetHidEcho(m_device, false);
    m_handle = OpenHidDevice(kPid);
    ASSERT_TRUE(m_handle.IsValid());
    EXPECT_EQ(HID_ANSWERED, HidExchange(&m_handle, address.data(), m_reply, 5000));
    EXPECT_EQ(6, m_reply[HID_REPLY_DATA + 5]);
    const DWORD start = fw::Clock::GetTickCount();
    EXPECT_EQ(HID_ANSWERED, HidExchange(&m_handle, version.data(), m_reply, 5000));
    EXPECT_LT(fw::Clock::GetTickCount() - start, 3000u);
    EXPECT_EQ(2, m_reply[3]);
}

// What the channel noted about a handle goes when the handle closes: a
// handle opened later with the same value starts afresh.
TEST_F(HidChannelTest, AClosedHandleTakesItsNotesAlong) {
    HANDLE h = m_handle.Get();
    sim::SetHidSilentAfterReports(m_device, 0);
    auto version = Request(HID_CMD_GET_VERSION);
    EXPECT_EQ(HID_UNANSWERED, HidExchange(&m_handle, version.data(), m_reply, 5000));
    EXPECT_GT(hidnotes::LateWindowLeft(h), 0u);
    m_handle.Close();
    EXPECT_EQ(0u, hidnotes::LateWindowLeft(h));
}
