// A simulated HID headset taking firmware the way the update threads send
// it: image parts in 1019-byte chunks, the CRC-checked update-mode
// transfer, the completion poll, restarts and the switch into update mode.
#include "tests/standins/SimTestSupport.h"
#include "standins/simdevices/Crc16.h"
#include <algorithm>
#include <cwchar>

using namespace simtest;

namespace {

class HidHeadsetTest : public SimWorldTest {
protected:
    HANDLE Open(WORD pid) {
        for (const std::wstring& p : HidPaths(api())) {
            wchar_t want[16];
            swprintf(want, 16, L"pid_%04x", pid);
            if (p.find(want) != std::wstring::npos) return OpenHid(api(), p);
        }
        return INVALID_HANDLE_VALUE;
    }
    // IMAGE_DATA: written, then one status read.
    bool SendChunk(HANDLE h, const std::vector<BYTE>& data, size_t from, size_t n) {
        std::vector<unsigned char> req = {1, 0x06, (BYTE)(n >> 8), (BYTE)n};
        req.insert(req.end(), data.begin() + from, data.begin() + from + n);
        std::vector<unsigned char> r;
        return Transact(api(), h, req, &r);
    }
    bool SendPart(HANDLE h, BYTE type, const std::vector<BYTE>& data, size_t chunk) {
        std::vector<unsigned char> r;
        if (!Transact(api(), h, {1, 0x05, type}, &r)) return false;
        for (size_t at = 0; at < data.size(); at += chunk)
            if (!SendChunk(h, data, at, std::min(chunk, data.size() - at))) return false;
        return Transact(api(), h, {1, 0x07}, &r);
    }
};

std::vector<BYTE> Pattern(size_t n) {
    std::vector<BYTE> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = (BYTE)(i * 13 + 7);
    return v;
}

TEST_F(HidHeadsetTest, PartsArriveWholeWhateverTheirSize) {
    sim::DeviceId id = sim::AddHidInterface(L"Headset", sim::kMakerVendorId, 0x6010);
    HANDLE h = Open(0x6010);
    size_t sizes[] = {0, 1, 1019, 1020, 2038, 5000};
    for (size_t size : sizes) ASSERT_TRUE(SendPart(h, (BYTE)size, Pattern(size), 1019)) << size;
    auto parts = sim::HidReceivedParts(id);
    ASSERT_EQ(6u, parts.size());
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(Pattern(sizes[i]), parts[i].data) << sizes[i];
        EXPECT_TRUE(parts[i].complete);
    }
    // Data before a begin, an oversized chunk and an end without begin are refused.
    sim::Reset();
    sim::AddHidInterface(L"Headset", sim::kMakerVendorId, 0x6010);
    api().CloseHandle(h);
    h = Open(0x6010);
    std::vector<unsigned char> r;
    EXPECT_FALSE(SendChunk(h, Pattern(10), 0, 10));
    EXPECT_FALSE(Transact(api(), h, {1, 0x07}, &r));
    ASSERT_TRUE(Transact(api(), h, {1, 0x05, 1}, &r));
    EXPECT_FALSE(Transact(api(), h, {1, 0x06, 0x04, 0x00}, &r));  // 1024 bytes
    api().CloseHandle(h);
}

TEST_F(HidHeadsetTest, CrcTransferRefusesABadChunkAndAcceptsItResent) {
    sim::DeviceId app = sim::AddHidInterface(L"App", sim::kMakerVendorId, 0x3110);
    sim::DeviceId upd = sim::AddHidInterface(L"Updater", sim::kMakerVendorId, sim::kUpdateModeProductId);
    sim::LinkHidUpdateMode(app, upd);
    HANDLE a = Open(0x3110);
    std::vector<unsigned char> r;
    ASSERT_TRUE(Transact(api(), a, {1, 0x50}, &r));
    sim::Sleep(4000);
    HANDLE u = Open(sim::kUpdateModeProductId);
    ASSERT_NE(INVALID_HANDLE_VALUE, u);
    ASSERT_TRUE(Transact(api(), u, {1, 0x05, 0}, &r));

    std::vector<BYTE> part = Pattern(150);
    WORD running = 0;
    for (size_t at = 0; at < part.size();) {
        size_t n = std::min<size_t>(58, part.size() - at);
        ASSERT_TRUE(SendChunk(u, part, at, n));
        WORD crc = sim::Crc16(&part[at], n);
        if (at == 58) {
            // A wrong CRC first: refused, the chunk is dropped and sent again.
            EXPECT_FALSE(Transact(api(), u, {1, 0x5A, 0, 2, (BYTE)(crc + 1), (BYTE)(crc >> 8)}, &r));
            ASSERT_TRUE(SendChunk(u, part, at, n));
        }
        ASSERT_TRUE(Transact(api(), u, {1, 0x5A, 0, 2, (BYTE)crc, (BYTE)(crc >> 8)}, &r));
        running = sim::Crc16(&part[at], n, running);
        at += n;
    }
    ASSERT_TRUE(Transact(api(), u, {1, 0x5B, 0, 2, (BYTE)running, (BYTE)(running >> 8)}, &r));
    ASSERT_TRUE(Transact(api(), u, {1, 0x07}, &r));
    auto parts = sim::HidReceivedParts(upd);
    ASSERT_EQ(1u, parts.size());
    EXPECT_EQ(part, parts[0].data);
    EXPECT_EQ(sim::Crc16(part.data(), part.size()), running);
    api().CloseHandle(u);
    api().CloseHandle(a);
}

TEST(Crc16Test, KnownValuesAndContinuation) {
    const BYTE text[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(0x31C3, sim::Crc16(text, 9));  // CRC-16/XMODEM check value
    EXPECT_EQ(0, sim::Crc16(text, 0));
    EXPECT_EQ(sim::Crc16(text, 9), sim::Crc16(text + 4, 5, sim::Crc16(text, 4)));
}

TEST_F(HidHeadsetTest, RestartAfterAnUpdateBringsTheNewVersionBack) {
    sim::DeviceId id = sim::AddHidInterface(L"Headset", sim::kMakerVendorId, 0x5520);
    const BYTE before[5] = {1, 2, 2, 0, 0}, after[5] = {1, 3, 2, 0, 0};
    sim::SetHidVersion(id, before);
    sim::SetHidVersionAfterUpdate(id, after);
    sim::SetHidPollDoneAfter(id, 3);
    HANDLE h = Open(0x5520);
    ASSERT_TRUE(SendPart(h, 1, Pattern(3000), 1019));
    std::vector<unsigned char> r;
    std::vector<int> done;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(Transact(api(), h, {1, 0x0D}, &r));
        done.push_back(r[3]);
    }
    EXPECT_EQ((std::vector<int>{0, 0, 1}), done);
    ASSERT_TRUE(Transact(api(), h, {1, 0x08, 0}, &r));
    api().CloseHandle(h);
    sim::Sleep(4000);
    h = Open(0x5520);
    ASSERT_TRUE(Transact(api(), h, {1, 0x01}, &r));
    EXPECT_EQ(3, r[4]);
    api().CloseHandle(h);
}

TEST_F(HidHeadsetTest, SwitchToUpdateReplacesTheInterface) {
    sim::DeviceId normal = sim::AddHidInterface(L"Normal", sim::kMakerVendorId, 0x6010);
    sim::DeviceId update = sim::AddHidInterface(L"Update", sim::kMakerVendorId, 0xE010);
    sim::LinkHidSwitch(normal, update);
    sim::SetHidRestartMs(normal, 20000);
    EXPECT_EQ(1u, HidPaths(api()).size());
    HANDLE h = Open(0x6010);
    std::vector<unsigned char> r;
    ASSERT_TRUE(Transact(api(), h, {1, 0x0E}, &r));
    EXPECT_TRUE(HidPaths(api()).empty());
    sim::Sleep(25000);
    auto paths = HidPaths(api());
    ASSERT_EQ(1u, paths.size());
    EXPECT_NE(std::wstring::npos, paths[0].find(L"pid_e010"));
    api().CloseHandle(h);
}

TEST_F(HidHeadsetTest, VehicleModuleInterfacesAnswerTheModuleCommands) {
    sim::DeviceId a = sim::AddHidInterface(L"Module A", sim::kMakerVendorId, 0x5345);
    sim::AddHidInterface(L"Module B", sim::kMakerVendorId, 0x5346);
    sim::SetHidModuleSelect(a, 1);
    sim::SetHidCommandFails(a, 0x33, true);
    HANDLE ha = Open(0x5345), hb = Open(0x5346);
    std::vector<unsigned char> r;
    ASSERT_TRUE(Transact(api(), ha, {1, 0x32}, &r));
    EXPECT_EQ(1, r[3]);
    ASSERT_TRUE(Transact(api(), hb, {1, 0x32}, &r));
    EXPECT_EQ(0, r[3]);
    EXPECT_FALSE(Transact(api(), ha, {1, 0x33}, &r));
    EXPECT_TRUE(Transact(api(), hb, {1, 0x33}, &r));
    EXPECT_TRUE(Transact(api(), hb, {1, 0x30}, &r));
    EXPECT_TRUE(Transact(api(), hb, {1, 0x59, 4}, &r));
    EXPECT_EQ(4, sim::HidVoicePromptCode(sim::FindDevice(L"Module B")));
    auto log = sim::HidCommandLog(a);
    ASSERT_EQ(2u, log.size());
    EXPECT_EQ(0x32, log[0][1]);
    api().CloseHandle(ha);
    api().CloseHandle(hb);
}

TEST_F(HidHeadsetTest, ADeviceThatVanishesMidTransferFailsTheNextReport) {
    sim::DeviceId id = sim::AddHidInterface(L"Headset", sim::kMakerVendorId, 0x5520);
    sim::SetHidVanishAfterReports(id, 3);
    HANDLE h = Open(0x5520);
    std::vector<unsigned char> r;
    EXPECT_FALSE(SendPart(h, 1, Pattern(5000), 1019));
    EXPECT_FALSE(sim::IsPresent(id));
    EXPECT_EQ(3u, sim::HidCommandLog(id).size());
    api().CloseHandle(h);
}

TEST_F(HidHeadsetTest, ReplyOverrideAndOpenFault) {
    sim::DeviceId id = sim::AddHidInterface(L"Headset", sim::kMakerVendorId, 0x5520);
    sim::SetHidReply(id, 0x01, {9, 8, 7});
    HANDLE h = Open(0x5520);
    std::vector<unsigned char> r;
    ASSERT_TRUE(Transact(api(), h, {1, 0x01}, &r));
    EXPECT_EQ((std::vector<unsigned char>{9, 8, 7, 0, 0}), std::vector<unsigned char>(r.begin() + 3, r.begin() + 8));
    api().CloseHandle(h);
    sim::SetHidOpenFails(id, true);
    EXPECT_EQ(INVALID_HANDLE_VALUE, Open(0x5520));
    EXPECT_EQ((DWORD)ERROR_ACCESS_DENIED, ::GetLastError());
}

}  // namespace
