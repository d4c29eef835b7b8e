// The simulated seam seen the way the program looks for and talks to HID
// headsets: interface walk, attributes and caps, the command channel,
// pending replies, faults and overlapped reads.
#include "tests/standins/SimTestSupport.h"

using namespace simtest;

namespace {

const BYTE kVersion[5] = {2, 1, 2, 7, 0};
const BYTE kAddress[6] = {0x00, 0x1A, 0x7D, 0xDA, 0x71, 0x13};

class SeamHidTest : public SimWorldTest {
protected:
    sim::DeviceId AddHeadset(WORD pid = 0x5520) {
        sim::DeviceId id = sim::AddHidInterface(L"Headset", sim::kMakerVendorId, pid);
        sim::SetHidVersion(id, kVersion);
        sim::SetHidAddress(id, kAddress);
        sim::SetHidBlock(id, 0x04, {0x1234, 0x0000});
        sim::SetHidNameBlock(id, "40N Rider");
        return id;
    }
    HANDLE OpenOnly() {
        auto paths = HidPaths(api());
        EXPECT_EQ(1u, paths.size());
        return paths.empty() ? INVALID_HANDLE_VALUE : OpenHid(api(), paths[0]);
    }
};

TEST_F(SeamHidTest, InterfaceWalkListsPresentInterfacesWithLowerCaseVidPid) {
    AddHeadset(0x5520);
    sim::DeviceId second = sim::AddHidInterface(L"Other", 0x1234, 0xABCD);
    auto paths = HidPaths(api());
    ASSERT_EQ(2u, paths.size());
    EXPECT_NE(std::wstring::npos, paths[0].find(L"vid_2e5a&pid_5520"));
    EXPECT_NE(std::wstring::npos, paths[1].find(L"vid_1234&pid_abcd"));
    sim::SetPresent(second, false);
    EXPECT_EQ(1u, HidPaths(api()).size());
}

TEST_F(SeamHidTest, AttributesAndCapsDescribeTheVendorCollection) {
    AddHeadset(0x5520);
    sim::AddHidInterface(L"Keyboard part", sim::kMakerVendorId, 0x5520, 0x0001, 6);
    auto paths = HidPaths(api());
    ASSERT_EQ(2u, paths.size());
    struct Expect { WORD page, usage; } expect[] = {{0xFF00, 1}, {0x0001, 6}};
    for (size_t i = 0; i < paths.size(); ++i) {
        HANDLE h = OpenHid(api(), paths[i]);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        HIDD_ATTRIBUTES attrs = {sizeof(attrs)};
        ASSERT_TRUE(api().HidD_GetAttributes(h, &attrs));
        EXPECT_EQ(sim::kMakerVendorId, attrs.VendorID);
        EXPECT_EQ(0x5520, attrs.ProductID);
        PHIDP_PREPARSED_DATA pp = nullptr;
        ASSERT_TRUE(api().HidD_GetPreparsedData(h, &pp));
        HIDP_CAPS caps;
        ASSERT_EQ(HIDP_STATUS_SUCCESS, api().HidP_GetCaps(pp, &caps));
        EXPECT_EQ(expect[i].page, caps.UsagePage);
        EXPECT_EQ(expect[i].usage, caps.Usage);
        EXPECT_EQ(67, caps.InputReportByteLength);
        EXPECT_EQ(1023, caps.OutputReportByteLength);
        EXPECT_TRUE(api().HidD_FreePreparsedData(pp));
        EXPECT_TRUE(api().CloseHandle(h));
    }
}

TEST_F(SeamHidTest, OpeningAnAbsentPathFails) {
    EXPECT_EQ(INVALID_HANDLE_VALUE, OpenHid(api(), L"\\\\?\\hid#vid_2e5a&pid_5520#nothing#{x}"));
    EXPECT_EQ((DWORD)ERROR_FILE_NOT_FOUND, ::GetLastError());
}

TEST_F(SeamHidTest, CommandChannelAnswersVersionAddressAndBlocks) {
    AddHeadset();
    HANDLE h = OpenOnly();
    std::vector<unsigned char> r;

    ASSERT_TRUE(Transact(api(), h, {1, 0x01}, &r));
    EXPECT_EQ(std::vector<unsigned char>(kVersion, kVersion + 5), std::vector<unsigned char>(r.begin() + 3, r.begin() + 8));
    ASSERT_TRUE(Transact(api(), h, {1, 0x02}, &r));
    EXPECT_EQ(std::vector<unsigned char>(kAddress, kAddress + 6), std::vector<unsigned char>(r.begin() + 3, r.begin() + 9));

    // Block read: word count in byte 4, big-endian words from byte 5.
    ASSERT_TRUE(Transact(api(), h, {1, 0x03, 0x04}, &r));
    EXPECT_EQ(2, r[4]);
    EXPECT_EQ(0x12, r[5]);
    EXPECT_EQ(0x34, r[6]);
    // Block write, then read back.
    ASSERT_TRUE(Transact(api(), h, {1, 0x04, 0x14, 1, 0x00, 0x05}, &r));
    ASSERT_TRUE(Transact(api(), h, {1, 0x03, 0x14}, &r));
    EXPECT_EQ(1, r[4]);
    EXPECT_EQ(5, r[6]);
    std::vector<WORD> words;
    ASSERT_TRUE(sim::GetHidBlock(sim::FindDevice(L"Headset"), 0x14, &words));
    EXPECT_EQ(std::vector<WORD>{5}, words);
    // An empty write (an emptied speed-dial number) is accepted and read back empty.
    ASSERT_TRUE(Transact(api(), h, {1, 0x04, 0x5A, 0}, &r));
    ASSERT_TRUE(Transact(api(), h, {1, 0x03, 0x5A}, &r));
    EXPECT_EQ(0, r[4]);
    // Name block: word 0 skipped, one character per word.
    ASSERT_TRUE(Transact(api(), h, {1, 0x03, 0x1D}, &r));
    EXPECT_EQ(10, r[4]);
    EXPECT_EQ('4', r[8]);
    // A block the device does not have, and an unknown command, fail.
    EXPECT_FALSE(Transact(api(), h, {1, 0x03, 0x77}, &r));
    EXPECT_EQ(2, r[2]);
    EXPECT_FALSE(Transact(api(), h, {1, 0x7E}, &r));
    api().CloseHandle(h);
}

TEST_F(SeamHidTest, ReportsOfTheWrongSizeOrIdAreRefused) {
    AddHeadset();
    HANDLE h = OpenOnly();
    std::vector<BYTE> report(1023, 0);
    report[0] = 1;
    report[1] = 1;
    DWORD n;
    EXPECT_FALSE(api().WriteFile(h, report.data(), 1022, &n, nullptr));
    report[0] = 2;
    EXPECT_FALSE(api().WriteFile(h, report.data(), 1023, &n, nullptr));
    std::vector<BYTE> small(10);
    report[0] = 1;
    ASSERT_TRUE(api().WriteFile(h, report.data(), 1023, &n, nullptr));
    EXPECT_FALSE(api().ReadFile(h, small.data(), 10, &n, nullptr));
    api().CloseHandle(h);
}

TEST_F(SeamHidTest, PendingRepliesPrecedeTheAnswer) {
    sim::DeviceId id = AddHeadset();
    sim::SetHidPendingReplies(id, 3);
    HANDLE h = OpenOnly();
    std::vector<BYTE> report(1023, 0), reply(67);
    report[0] = 1;
    report[1] = 0x01;
    DWORD n;
    ASSERT_TRUE(api().WriteFile(h, report.data(), 1023, &n, nullptr));
    std::vector<int> statuses;
    do {
        ASSERT_TRUE(api().ReadFile(h, reply.data(), 67, &n, nullptr));
        statuses.push_back(reply[2]);
    } while (reply[2] == 1 && statuses.size() < 10);
    EXPECT_EQ((std::vector<int>{1, 1, 1, 0}), statuses);
    api().CloseHandle(h);
}

TEST_F(SeamHidTest, AReplyThatStaysPendingIsAnsweredOnceTheFaultIsLifted) {
    sim::DeviceId id = AddHeadset();
    sim::SetHidPendingForever(id, true);
    HANDLE h = OpenOnly();
    std::vector<unsigned char> r;
    EXPECT_FALSE(Transact(api(), h, {1, 0x01}, &r, 30));
    EXPECT_EQ(1, r[2]);
    sim::SetHidPendingForever(id, false);
    DWORD n;
    ASSERT_TRUE(api().ReadFile(h, r.data(), 67, &n, nullptr));
    EXPECT_EQ(0, r[2]);
    EXPECT_EQ(2, r[3]);
    api().CloseHandle(h);
}

TEST_F(SeamHidTest, FaultsOnDemand) {
    struct Case {
        const char* what;
        void (*inject)(sim::DeviceId);
        bool writeFails;
    } cases[] = {
        {"write fails", [](sim::DeviceId id) { sim::SetHidWriteFails(id, true); }, true},
        {"device vanishes", [](sim::DeviceId id) { sim::SetPresent(id, false); }, true},
        {"command refused", [](sim::DeviceId id) { sim::SetHidCommandFails(id, 0x01, true); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::Reset();
        sim::DeviceId id = AddHeadset();
        HANDLE h = OpenOnly();
        c.inject(id);
        std::vector<BYTE> report(1023, 0);
        report[0] = 1;
        report[1] = 0x01;
        DWORD n;
        EXPECT_EQ(!c.writeFails, !!api().WriteFile(h, report.data(), 1023, &n, nullptr));
        std::vector<unsigned char> r;
        EXPECT_FALSE(Transact(api(), h, {1, 0x01}, &r));
        api().CloseHandle(h);
    }
}

TEST_F(SeamHidTest, AHandleDiesWhenItsDeviceRestartsAndANewOneOpensLater) {
    sim::DeviceId id = AddHeadset();
    sim::SetHidRestartMs(id, 20000);
    HANDLE h = OpenOnly();
    std::vector<unsigned char> r;
    ASSERT_TRUE(Transact(api(), h, {1, 0x08, 0}, &r));  // the answer to the restart still arrives
    EXPECT_FALSE(Transact(api(), h, {1, 0x01}, &r));
    EXPECT_TRUE(HidPaths(api()).empty());
    sim::Sleep(25000);
    auto paths = HidPaths(api());
    ASSERT_EQ(1u, paths.size());
    HANDLE again = OpenHid(api(), paths[0]);
    EXPECT_TRUE(Transact(api(), again, {1, 0x01}, &r));
    EXPECT_EQ(1, sim::HidRestartCount(id));
    api().CloseHandle(again);
    api().CloseHandle(h);
}

TEST_F(SeamHidTest, OverlappedReadCompletesWhenTheReplyArrivesAndCanBeCancelled) {
    sim::DeviceId id = AddHeadset();
    sim::SetHidPendingReplies(id, 0);
    auto paths = HidPaths(api());
    HANDLE h = OpenHid(api(), paths[0], true);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    OVERLAPPED ov = {};
    ov.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::vector<BYTE> reply(67);
    DWORD n = 0;
    // Nothing asked yet: the read stays pending until the request goes out.
    ASSERT_FALSE(api().ReadFile(h, reply.data(), 67, &n, &ov));
    ASSERT_EQ((DWORD)ERROR_IO_PENDING, ::GetLastError());
    EXPECT_EQ((DWORD)WAIT_TIMEOUT, ::WaitForSingleObject(ov.hEvent, 50));
    std::vector<BYTE> report(1023, 0);
    report[0] = 1;
    report[1] = 0x02;
    OVERLAPPED wov = {};
    ASSERT_TRUE(api().WriteFile(h, report.data(), 1023, &n, &wov));
    ASSERT_EQ((DWORD)WAIT_OBJECT_0, ::WaitForSingleObject(ov.hEvent, 5000));
    ASSERT_TRUE(api().GetOverlappedResult(h, &ov, &n, FALSE));
    EXPECT_EQ(67u, n);
    EXPECT_EQ(0x1A, reply[4]);

    ASSERT_FALSE(api().ReadFile(h, reply.data(), 67, &n, &ov));
    EXPECT_TRUE(api().CancelIo(h));
    EXPECT_FALSE(api().GetOverlappedResult(h, &ov, &n, TRUE));
    EXPECT_EQ((DWORD)ERROR_OPERATION_ABORTED, ::GetLastError());
    ::CloseHandle(ov.hEvent);
    api().CloseHandle(h);
}

// A caller that polls an overlapped read without waiting sees the count and
// the report once it sees the read complete, never a half-written result.
TEST_F(SeamHidTest, PolledOverlappedReadsSeeTheWholeResult) {
    sim::DeviceId id = AddHeadset();
    sim::SetHidPendingReplies(id, 0);
    auto paths = HidPaths(api());
    HANDLE h = OpenHid(api(), paths[0], true);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    std::vector<BYTE> request(1023, 0);
    request[0] = 1;
    request[1] = 0x02;  // address
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        OVERLAPPED ov = {};  // no event: the result is only polled
        std::vector<BYTE> reply(67, 0xEE);
        DWORD n = 0;
        BOOL started = api().ReadFile(h, reply.data(), 67, &n, &ov);
        ASSERT_TRUE(started || ::GetLastError() == ERROR_IO_PENDING);
        OVERLAPPED wov = {};
        ASSERT_TRUE(api().WriteFile(h, request.data(), 1023, &n, &wov));
        n = 0;
        bool done = false;
        for (int polls = 0; polls < 2000000 && !done; ++polls) {
            done = api().GetOverlappedResult(h, &ov, &n, FALSE) != FALSE;
            if (!done) {
                ASSERT_EQ((DWORD)ERROR_IO_INCOMPLETE, ::GetLastError());
            }
        }
        ASSERT_TRUE(done);
        EXPECT_EQ(67u, n);
        EXPECT_EQ(0x02, reply[1]);
        EXPECT_EQ(0x1A, reply[4]);
    }
    api().CloseHandle(h);
}

TEST_F(SeamHidTest, EnterUpdateShowsTheUpdateModeDeviceUntilItRestarts) {
    sim::DeviceId app = AddHeadset(0x3110);
    sim::DeviceId updater = sim::AddHidInterface(L"Updater", sim::kMakerVendorId, sim::kUpdateModeProductId);
    sim::LinkHidUpdateMode(app, updater);
    EXPECT_EQ(1u, HidPaths(api()).size());
    HANDLE h = OpenOnly();
    std::vector<unsigned char> r;
    ASSERT_TRUE(Transact(api(), h, {1, 0x50}, &r));
    sim::Sleep(4000);
    auto paths = HidPaths(api());
    ASSERT_EQ(2u, paths.size());
    EXPECT_NE(std::wstring::npos, paths[1].find(L"pid_3120"));
    HANDLE u = OpenHid(api(), paths[1]);
    ASSERT_TRUE(Transact(api(), u, {1, 0x08, 0}, &r));
    sim::Sleep(4000);
    EXPECT_EQ(1u, HidPaths(api()).size());  // the update-mode device stays away
    api().CloseHandle(u);
    api().CloseHandle(h);
}

}  // namespace
