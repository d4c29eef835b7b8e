// The batch headsets of model 0x5060 against the simulated headset: the
// address probe, the image check, the rewrite that gives a batch unit the
// identity of 0x5011 and puts it back, the newer-firmware test and the
// ready check of the in-line switch headsets.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <string>
#include "core/DeviceRecord.h"
#include "hardware/HardwareApi.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/simdevices/SimDevices.h"
#include "update/BatchHeadset.h"
#include "update/BatchIdentity.h"
#include "update/BatchIdentityDue.h"
#include "update/DfuDevices.h"
#include "update/ImageIdentity.h"
#include "update/NewerFirmware.h"

namespace {

const WORD kProductId = 0x02A3, kUsbProductId = 0x02BF, kDfuProductId = 0x02CB, kProductString = 0x02C2;

class BatchHeadsetTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim::Reset();
        hw::SetApi(&hw::SimulatedApi());
        wchar_t tmp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, tmp);
        m_path = std::wstring(tmp) + L"morvex_batch_" + std::to_wstring(::GetCurrentProcessId()) + L".img";
    }
    void TearDown() override {
        ::DeleteFileW(m_path.c_str());
        hw::SetApi(nullptr);
        sim::Reset();
    }
    // A 0x5060 headset whose address has the LAP given.
    sim::DeviceId Headset(DWORD lap) {
        sim::DeviceId id = sim::AddDfuHeadset(L"DRW40", sim::kMakerVendorId, 0x5060, 0xD060);
        sim::SetPsKeyWords(id, kProductId, {0x5060});
        sim::SetPsKeyWords(id, kUsbProductId, {0x5060});
        sim::SetPsKeyWords(id, kDfuProductId, {0xD060});
        const std::vector<BYTE> name = StringKey(L"DRW40");
        sim::SetPsKey(id, kProductString, name.data(), name.size());
        sim::SetPsKeyWords(id, 0x0001, {(WORD)(lap >> 16), (WORD)lap, 0x0078, 0x1A2B});
        return id;
    }
    const wchar_t* Image(const char* tag) {
        const unsigned char v[4] = {11, 0, 0, 0};
        std::string bytes = dfuimage::MakeImage(tag, v, 2048);
        FILE* f = _wfopen(m_path.c_str(), L"wb");
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
        return m_path.c_str();
    }
    static int Word(sim::DeviceId id, WORD key) {
        std::vector<BYTE> v;
        return sim::GetPsKey(id, key, &v) && v.size() >= 2 ? v[0] | v[1] << 8 : -1;
    }
    struct Identity {
        int productId, usbProductId, dfuProductId;
        std::wstring productString;
    };
    static Identity Original() { return {0x5060, 0x5060, 0xD060, L"DRW40"}; }
    // The four keys hold exactly this identity (the string in its 32 bytes).
    static bool Holds(sim::DeviceId id, const Identity& want) {
        std::vector<BYTE> name;
        if (!sim::GetPsKey(id, kProductString, &name) || name != StringKey(want.productString)) return false;
        return Word(id, kProductId) == want.productId && Word(id, kUsbProductId) == want.usbProductId &&
               Word(id, kDfuProductId) == want.dfuProductId;
    }
    static std::vector<BYTE> StringKey(const std::wstring& text) {
        std::vector<BYTE> bytes(32, 0);
        for (size_t i = 0; i < text.size() && i < 16; ++i) {
            bytes[2 * i] = (BYTE)text[i];
            bytes[2 * i + 1] = (BYTE)(text[i] >> 8);
        }
        return bytes;
    }
    std::wstring m_path;
};

TEST_F(BatchHeadsetTest, ProbeTellsTheBatchByTheAddressAndAnUnreachableHeadset) {
    EXPECT_EQ(-1, ProbeBatchHeadsetOverUsb());  // nothing connected
    sim::DeviceId id = Headset(0x3323F1);  // the range's first LAP
    EXPECT_EQ(1, ProbeBatchHeadsetOverUsb());
    sim::SetPsKeyWords(id, 0x0001, {0x0033, 0x3585, 0x0078, 0x1A2B});  // one past its last
    EXPECT_EQ(0, ProbeBatchHeadsetOverUsb());
    sim::SetPsReadFails(id, 0x0001, true);
    EXPECT_EQ(-1, ProbeBatchHeadsetOverUsb());
    sim::SetPsReadFails(id, 0x0001, false);
    sim::SetConnectFails(id, true);
    EXPECT_EQ(-1, ProbeBatchHeadsetOverUsb());
    EXPECT_EQ(0x5011, BatchListModel(1));
    EXPECT_EQ(0x5060, BatchListModel(0));
    EXPECT_EQ(0, BatchListModel(-1));
    EXPECT_TRUE(sim::PsWriteLog().empty());
}

TEST_F(BatchHeadsetTest, TheImageCheckTellsABatchUnitsImageAndWritesNothing) {
    sim::DeviceId id = Headset(0x332500);
    EXPECT_EQ(IMAGE_FOR_BATCH_IDENTITY, CheckImageIdentityOverUsb(Image("Kuzo_Audio_DRW40#5011"), 0x5060, 0x5060));
    EXPECT_TRUE(sim::PsWriteLog().empty());
    EXPECT_TRUE(Holds(id, Original()));
}

TEST_F(BatchHeadsetTest, ABatchUnitIsGivenTheIdentityOf5011InTableOrder) {
    sim::DeviceId id = Headset(0x332500);
    HeadsetIdentity original;
    ASSERT_EQ(BATCH_REWRITE_DONE, WriteBatchIdentityToHeadset(&original));
    std::vector<sim::PsWrite> log = sim::PsWriteLog();
    ASSERT_EQ(4u, log.size());
    EXPECT_EQ(kProductId, log[0].key);
    EXPECT_EQ(kUsbProductId, log[1].key);
    EXPECT_EQ(kDfuProductId, log[2].key);
    EXPECT_EQ(kProductString, log[3].key);
    EXPECT_TRUE(Holds(id, {0x5011, 0x5011, 0xD011, L"Kuzo Audio DRW40"}));
    // It enumerates with the new ids from its next start on: a mode change
    // or a replug.
    sim::SetPresent(id, false);
    sim::SetPresent(id, true);
    auto listed = sim::ListDfuDevices();
    ASSERT_EQ(1u, listed.size());
    EXPECT_NE(std::wstring::npos, listed[0].path.find(L"pid_5011"));
    sim::SetDfuMode(id, true);
    listed = sim::ListDfuDevices();
    ASSERT_EQ(1u, listed.size());
    EXPECT_NE(std::wstring::npos, listed[0].path.find(L"pid_d011"));
    // What was read before goes back whole, to this headset only.
    sim::SetDfuMode(id, false);
    ASSERT_EQ(PUT_BACK_DONE, WriteIdentityBackToHeadset(original));
    EXPECT_TRUE(Holds(id, Original()));
    HeadsetIdentity other = original;
    other.address[0] ^= 1;
    const size_t writes = sim::PsWriteLog().size();
    EXPECT_EQ(PUT_BACK_NOT_NOW, WriteIdentityBackToHeadset(other));
    EXPECT_EQ(writes, sim::PsWriteLog().size());
}

TEST_F(BatchHeadsetTest, ARefusedWriteLeavesTheIdentityAsItWasAndAnUnreadableKeyDoesNotStopIt) {
    for (WORD failing : {kProductId, kUsbProductId, kDfuProductId, kProductString}) {
        SCOPED_TRACE(failing);
        sim::Reset();
        sim::DeviceId id = Headset(0x332500);
        sim::SetPsWriteFails(id, failing, true);
        HeadsetIdentity original;
        EXPECT_EQ(BATCH_REWRITE_NONE, WriteBatchIdentityToHeadset(&original));
        EXPECT_TRUE(Holds(id, Original()));
        sim::SetPresent(id, false);
        sim::SetPresent(id, true);
        auto listed = sim::ListDfuDevices();
        ASSERT_EQ(1u, listed.size());
        EXPECT_NE(std::wstring::npos, listed[0].path.find(L"pid_5060"));
    }
    // A key that cannot be read is written all the same; it has no value to
    // go back, the others do.
    const WORD keys[4] = {kProductId, kUsbProductId, kDfuProductId, kProductString};
    for (int unreadable = 0; unreadable < 4; ++unreadable) {
        SCOPED_TRACE(unreadable);
        sim::Reset();
        sim::DeviceId id = Headset(0x332500);
        sim::SetPsReadFails(id, keys[unreadable], true);
        HeadsetIdentity original;
        EXPECT_EQ(BATCH_REWRITE_DONE, WriteBatchIdentityToHeadset(&original));
        EXPECT_TRUE(Holds(id, {0x5011, 0x5011, 0xD011, L"Kuzo Audio DRW40"}));
        const size_t writes = sim::PsWriteLog().size();
        ASSERT_EQ(PUT_BACK_DONE, WriteIdentityBackToHeadset(original));
        std::vector<sim::PsWrite> log = sim::PsWriteLog();
        ASSERT_EQ(writes + 3, log.size());
        for (size_t i = writes; i < log.size(); ++i) EXPECT_NE(keys[unreadable], log[i].key);
    }
    // The put-back refused too: the headset is left half-changed.
    sim::Reset();
    sim::DeviceId half = Headset(0x332500);
    sim::SetPsWriteRefusals(half, 1, 2);
    HeadsetIdentity original;
    EXPECT_EQ(BATCH_REWRITE_HALF, WriteBatchIdentityToHeadset(&original));
    EXPECT_EQ(0x5011, Word(half, kProductId));
    ASSERT_EQ(PUT_BACK_DONE, WriteIdentityBackToHeadset(original));
    EXPECT_TRUE(Holds(half, Original()));
    // Outside the batch nothing is written.
    sim::Reset();
    sim::DeviceId id = Headset(0x2DE43F);
    EXPECT_EQ(BATCH_REWRITE_NONE, WriteBatchIdentityToHeadset(&original));
    EXPECT_TRUE(sim::PsWriteLog().empty());
    EXPECT_TRUE(Holds(id, Original()));
}

// Left half-changed and given the identity again before its own went back:
// what it held first goes back, with the keys the first rewrite never reached.
TEST_F(BatchHeadsetTest, AHalfChangedHeadsetGivenTheIdentityAgainGetsItsFirstIdentityBack) {
    sim::DeviceId id = Headset(0x332500);
    CBatchIdentities identities;
    sim::SetPsWriteRefusals(id, 1, 2);
    EXPECT_FALSE(identities.Give());
    EXPECT_EQ(0x5011, Word(id, kProductId));
    EXPECT_EQ(0x5060, Word(id, kUsbProductId));
    EXPECT_TRUE(identities.Give());
    EXPECT_TRUE(Holds(id, {0x5011, 0x5011, 0xD011, L"Kuzo Audio DRW40"}));
    identities.PutBackDue();
    EXPECT_TRUE(Holds(id, Original()));
    EXPECT_FALSE(identities.GivenBeforeTransfer());
}

TEST_F(BatchHeadsetTest, OutsideTheBatchOrWithAnotherImageTheImageIsRefused) {
    sim::DeviceId id = Headset(0x2DE43F);
    EXPECT_EQ(IMAGE_NOT_FOR_HEADSET, CheckImageIdentityOverUsb(Image("Kuzo_Audio_DRW40#5011"), 0x5060, 0x5060));
    sim::SetPsKeyWords(id, 0x0001, {0x0033, 0x2500, 0x0078, 0x1A2B});
    // In the batch: its own image and its alias pass as they are; another
    // image, or the 0x5011 image for another target, is refused.
    EXPECT_EQ(IMAGE_FOR_HEADSET, CheckImageIdentityOverUsb(Image("DRW40#5060"), 0x5060, 0x5060));
    EXPECT_EQ(IMAGE_FOR_HEADSET, CheckImageIdentityOverUsb(Image("DRW40#5061"), 0x5060, 0x5060));
    EXPECT_EQ(IMAGE_NOT_FOR_HEADSET, CheckImageIdentityOverUsb(Image("DRW40#5011"), 0x5060, 0x5060));
    EXPECT_EQ(IMAGE_NOT_FOR_HEADSET, CheckImageIdentityOverUsb(Image("Kuzo_Audio_DRW40#5011"), 0x5010, 0x5010));
    EXPECT_TRUE(sim::PsWriteLog().empty());
    EXPECT_EQ(0x5060, Word(id, kProductId));
}

TEST_F(BatchHeadsetTest, NewerFirmwareFollowsTheHeadsetsAnswer) {
    CDeviceRecord d;
    d.m_version.Set(4, 2, 0, 0, 0);
    const int same[4] = {4, 2, 0, 0}, newer[4] = {4, 3, 0, 0};
    EXPECT_EQ(0, IsNewerFirmware(0x5060, newer, d, ProbeBatchHeadsetOverUsb()));  // not reachable: never offered
    sim::DeviceId id = Headset(0x332500);
    EXPECT_EQ(1, IsNewerFirmware(0x5060, same, d, ProbeBatchHeadsetOverUsb()));   // the batch: always offered
    sim::SetPsKeyWords(id, 0x0001, {0x002D, 0xE43F, 0x0078, 0x1A2B});
    EXPECT_EQ(0, IsNewerFirmware(0x5060, same, d, ProbeBatchHeadsetOverUsb()));
    EXPECT_EQ(1, IsNewerFirmware(0x5060, newer, d, ProbeBatchHeadsetOverUsb()));
    EXPECT_EQ(0, IsNewerFirmware(0x5061, same, d, 1));   // other models do not ask
}

TEST_F(BatchHeadsetTest, AnInLineSwitchHeadsetIsBackOnlyWithItsNormalId) {
    sim::DeviceId updateMode = sim::AddDfuHeadset(L"update mode", sim::kMakerVendorId, 0x6020, 0x6021);
    sim::SetDfuMode(updateMode, true);
    EXPECT_FALSE(IsDfuHeadsetBackOnUsb(0x6020, 1));
    sim::SetPresent(updateMode, false);
    sim::AddHidInterface(L"headset", sim::kMakerVendorId, 0x6020);
    EXPECT_TRUE(IsDfuHeadsetBackOnUsb(0x6020, 1));
}

}  // namespace
