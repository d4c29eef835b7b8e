// The batch headsets of model 0x5060 against the simulated headset: the
// address probe, the image check that gives a batch unit the identity of
// 0x5011, the newer-firmware test and the ready check of the in-line switch
// headsets.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <string>
#include "core/DeviceRecord.h"
#include "hardware/HardwareApi.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/simdevices/SimDevices.h"
#include "update/BatchHeadset.h"
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
    std::wstring m_path;
};

TEST_F(BatchHeadsetTest, ProbeTellsTheBatchByTheAddressAndAnUnreachableHeadset) {
    EXPECT_EQ(-1, ProbeBatchHeadset());  // nothing connected
    sim::DeviceId id = Headset(0x3323F1);  // the range's first LAP
    EXPECT_EQ(1, ProbeBatchHeadset());
    sim::SetPsKeyWords(id, 0x0001, {0x0033, 0x3585, 0x0078, 0x1A2B});  // one past its last
    EXPECT_EQ(0, ProbeBatchHeadset());
    sim::SetPsReadFails(id, 0x0001, true);
    EXPECT_EQ(-1, ProbeBatchHeadset());
    sim::SetPsReadFails(id, 0x0001, false);
    sim::SetConnectFails(id, true);
    EXPECT_EQ(-1, ProbeBatchHeadset());
    EXPECT_EQ(0x5011, BatchListModel(1));
    EXPECT_EQ(0x5060, BatchListModel(0));
    EXPECT_EQ(0, BatchListModel(-1));
}

TEST_F(BatchHeadsetTest, A5011ImageGivesABatchUnitItsIdentityInTableOrder) {
    sim::DeviceId id = Headset(0x332500);
    EXPECT_EQ(1, CheckImageIdentity(Image("Kuzo_Audio_DRW40#5011"), 0x5060, 0x5060));
    std::vector<sim::PsWrite> log = sim::PsWriteLog();
    ASSERT_EQ(4u, log.size());
    EXPECT_EQ(kProductId, log[0].key);
    EXPECT_EQ(kUsbProductId, log[1].key);
    EXPECT_EQ(kDfuProductId, log[2].key);
    EXPECT_EQ(kProductString, log[3].key);
    EXPECT_EQ(0x5011, Word(id, kProductId));
    EXPECT_EQ(0x5011, Word(id, kUsbProductId));
    EXPECT_EQ(0xD011, Word(id, kDfuProductId));
    std::vector<BYTE> name;
    ASSERT_TRUE(sim::GetPsKey(id, kProductString, &name));
    ASSERT_EQ(32u, name.size());
    std::wstring text;
    for (size_t i = 0; i < 32; i += 2) text += (wchar_t)(name[i] | name[i + 1] << 8);
    EXPECT_EQ(L"Kuzo Audio DRW40", text);
    // It enumerates with the new ids from its next restart on.
    sim::SetDfuMode(id, true);
    auto listed = sim::ListDfuDevices();
    ASSERT_EQ(1u, listed.size());
    EXPECT_NE(std::wstring::npos, listed[0].path.find(L"pid_d011"));
}

TEST_F(BatchHeadsetTest, OutsideTheBatchOrWithAnotherImageNothingIsWritten) {
    sim::DeviceId id = Headset(0x2DE43F);
    EXPECT_EQ(0, CheckImageIdentity(Image("Kuzo_Audio_DRW40#5011"), 0x5060, 0x5060));
    sim::SetPsKeyWords(id, 0x0001, {0x0033, 0x2500, 0x0078, 0x1A2B});
    // In the batch: its own image and its alias pass as they are; another
    // image, or the 0x5011 image for another target, is refused.
    EXPECT_EQ(1, CheckImageIdentity(Image("DRW40#5060"), 0x5060, 0x5060));
    EXPECT_EQ(1, CheckImageIdentity(Image("DRW40#5061"), 0x5060, 0x5060));
    EXPECT_EQ(0, CheckImageIdentity(Image("DRW40#5011"), 0x5060, 0x5060));
    EXPECT_EQ(0, CheckImageIdentity(Image("Kuzo_Audio_DRW40#5011"), 0x5010, 0x5010));
    EXPECT_TRUE(sim::PsWriteLog().empty());
    EXPECT_EQ(0x5060, Word(id, kProductId));
}

TEST_F(BatchHeadsetTest, NewerFirmwareAsksTheHeadsetForItsBatch) {
    CDeviceRecord d;
    d.m_version.Set(4, 2, 0, 0, 0);
    const int same[4] = {4, 2, 0, 0}, newer[4] = {4, 3, 0, 0};
    EXPECT_EQ(0, IsNewerFirmware(0x5060, newer, d));  // not reachable: never offered
    sim::DeviceId id = Headset(0x332500);
    EXPECT_EQ(1, IsNewerFirmware(0x5060, same, d));   // the batch: always offered
    sim::SetPsKeyWords(id, 0x0001, {0x002D, 0xE43F, 0x0078, 0x1A2B});
    EXPECT_EQ(0, IsNewerFirmware(0x5060, same, d));
    EXPECT_EQ(1, IsNewerFirmware(0x5060, newer, d));
    EXPECT_EQ(0, IsNewerFirmware(0x5061, same, d));   // other models do not ask
}

TEST_F(BatchHeadsetTest, AnInLineSwitchHeadsetIsBackOnlyWithItsNormalId) {
    sim::DeviceId updateMode = sim::AddDfuHeadset(L"update mode", sim::kMakerVendorId, 0x6020, 0x6021);
    sim::SetDfuMode(updateMode, true);
    EXPECT_FALSE(IsDfuHeadsetBack(0x6020, 1));
    sim::SetPresent(updateMode, false);
    sim::AddHidInterface(L"headset", sim::kMakerVendorId, 0x6020);
    EXPECT_TRUE(IsDfuHeadsetBack(0x6020, 1));
}

}  // namespace
