// The persistent-store access sequence and the identity-and-version routine
// on simulated headsets.
#include "RecognitionSim.h"
#include "recognition/DfuIdentity.h"
#include "core/UsbIds.h"
#include "recognition/PsKeyAccess.h"
#include "standins/dfuengine/include/DFUTransport.h"

using namespace rectest;

namespace {

const std::vector<int>& kHeadsetIds = GetDfuFamilyProductIds();

class PsAccessTest : public SimTest {};

CDfuIdentity IdentityOf(sim::DeviceId) {
    CPsKeySession session;
    std::vector<CPsDevice> devices = session.Devices(kHeadsetIds);
    CDfuIdentity id;
    EXPECT_EQ(1u, devices.size());
    if (devices.empty() || !session.Connect(devices[0])) return id;
    ReadDfuIdentity(session, &id);
    return id;
}

}  // namespace

TEST(PsDevicePath, IdsComeFromTheUpperCasedPathAfterVidAndPid) {
    int vid = -1, pid = -1;
    ParsePsDevicePath(L"\\\\?\\usb#vid_2e5a&pid_a110#5&1", &vid, &pid);
    EXPECT_EQ(0x2E5A, vid);
    EXPECT_EQ(0xA110, pid);
    // A path that starts with "VID_" yields no ids at all.
    ParsePsDevicePath(L"VID_2E5A&PID_2110", &vid, &pid);
    EXPECT_EQ(0, vid);
    EXPECT_EQ(0, pid);
    ParsePsDevicePath(L"usb#vid_2e5a", &vid, &pid);
    EXPECT_EQ(0x2E5A, vid);
    EXPECT_EQ(0, pid);
}

TEST_F(PsAccessTest, WritesSendExactlyTheirLengthAndReadsKeepTheBufferOnFailure) {
    sim::DeviceId dev = AddDfu(L"A");
    sim::SetPsReadFails(dev, PSKEY_BDADDR, true);
    CPsKeySession session;
    std::vector<CPsDevice> devices = session.Devices(kHeadsetIds);
    ASSERT_EQ(1u, devices.size());
    EXPECT_EQ(0x2110, devices[0].productId);
    ASSERT_TRUE(session.Connect(devices[0]));

    session.WriteWord(PSKEY_VOX_PHONE, 0x1234);
    EXPECT_EQ(Words({0x1234}), WrittenValue(dev, PSKEY_VOX_PHONE));

    BYTE buffer[8] = {9, 9, 9, 9, 9, 9, 9, 9};
    EXPECT_FALSE(session.Read(PSKEY_BDADDR, buffer, 8));
    for (BYTE b : buffer) EXPECT_EQ(9, b);
    BYTE id[2] = {};
    EXPECT_TRUE(session.Read(PSKEY_PRODUCT_ID, id, 2));
    EXPECT_EQ(0x10, id[0]);
    EXPECT_EQ(0x21, id[1]);
}

TEST_F(PsAccessTest, OneKeySequenceFindsTheFirstAcceptedHeadsetAndShutsDown) {
    sim::AddDfuHeadset(L"other maker", 0x1234, 0x2110, 0xA110);
    sim::DeviceId dev = AddDfu(L"A", 0x2120, 0x2120);
    BYTE id[2] = {};
    ASSERT_TRUE(ReadPsKeyOnce(PSKEY_PRODUCT_ID, id, 2, kHeadsetIds.data(), (int)kHeadsetIds.size()));
    EXPECT_EQ(0x2120, id[0] | (id[1] << 8));
    BYTE zero[4] = {};
    EXPECT_TRUE(WritePsKeyOnce(PSKEY_FW_VERSION, zero, 4, kHeadsetIds.data(), (int)kHeadsetIds.size()));
    EXPECT_EQ(std::vector<BYTE>(4, 0), WrittenValue(dev, PSKEY_FW_VERSION));
    // The transport is down again: the library lists nothing without it.
    CStringListX names;
    EXPECT_EQ(0, DFURequestsUSB::EnumerateDevices(names));

    sim::SetDfuMode(dev, true);  // not connectable
    EXPECT_FALSE(ReadPsKeyOnce(PSKEY_PRODUCT_ID, id, 2, kHeadsetIds.data(), (int)kHeadsetIds.size()));
}

TEST_F(PsAccessTest, VersionDecisionOfTheOlderModels) {
    struct Case {
        int fwByte0;       // -1: the key cannot be read
        int legacyByte0;   // -1: the key cannot be read
        int version;
        bool fwCleared;
    } cases[] = {
        {21, 22, 22, true},    // the legacy key wins and the newer key is cleared
        {21, 3, 21, false},    // legacy 0.3: the newer key stays
        {32, 22, 32, false},   // newer key 3.2 stays
        {21, 40, 21, false},   // legacy above 3.2: the newer key stays, not cleared
        {21, -1, 21, false},   // no legacy key
        {0, 25, 25, true},     // newer key not set: the legacy key, and the newer cleared
        {-1, 31, 31, true},
        {-1, 33, 33, false},
        {-1, -1, 30, false},   // neither key: 3.0
    };
    for (const Case& c : cases) {
        sim::Reset();
        sim::DeviceId dev = AddDfu(L"A", 0x2110, 0x4D10);
        if (c.fwByte0 >= 0) sim::SetPsKey(dev, PSKEY_FW_VERSION, std::vector<BYTE>{(BYTE)c.fwByte0, 0, 7, 8}.data(), 4);
        else sim::SetPsReadFails(dev, PSKEY_FW_VERSION, true);
        if (c.legacyByte0 >= 0) sim::SetPsKey(dev, PSKEY_LEGACY_VERSION, std::vector<BYTE>{(BYTE)c.legacyByte0, 0, 0, 0}.data(), 4);
        CDfuIdentity id = IdentityOf(dev);
        SCOPED_TRACE(testing::Message() << "fw " << c.fwByte0 << " legacy " << c.legacyByte0);
        EXPECT_EQ(c.version / 10, id.major);
        EXPECT_EQ(c.version % 10, id.minor);
        EXPECT_EQ(c.fwCleared, WrittenValue(dev, PSKEY_FW_VERSION) == std::vector<BYTE>(4, 0));
        EXPECT_EQ(c.fwCleared ? 1u : 0u, WrittenKeys(dev).size());
    }
}

TEST_F(PsAccessTest, VersionFieldsOfNewerModelsCamerasAndTheFallbackTable) {
    sim::DeviceId dev = AddDfu(L"A", 0x2110, 0x4D21);
    sim::SetPsKey(dev, PSKEY_FW_VERSION, std::vector<BYTE>{23, 0, 5, 6}.data(), 4);
    CDfuIdentity id = IdentityOf(dev);
    EXPECT_EQ(2, id.major);
    EXPECT_EQ(3, id.minor);
    EXPECT_EQ(6, id.third);   // byte 3
    EXPECT_EQ(5, id.fourth);  // byte 2

    sim::Reset();
    dev = AddDfu(L"B", 0x2110, 0x3020);
    sim::SetPsKey(dev, PSKEY_FW_VERSION, std::vector<BYTE>{4, 3, 2, 1}.data(), 4);
    id = IdentityOf(dev);
    EXPECT_EQ(1, id.major);
    EXPECT_EQ(2, id.minor);
    EXPECT_EQ(3, id.third);
    EXPECT_EQ(4, id.fourth);
    sim::SetPsReadFails(dev, PSKEY_FW_VERSION, true);
    id = IdentityOf(dev);
    EXPECT_EQ(1, id.major);
    EXPECT_EQ(0, id.minor);
    EXPECT_EQ(1, id.third);
    EXPECT_EQ(0, id.fourth);

    EXPECT_EQ(42, DfuFallbackVersion(0x4D30));
    EXPECT_EQ(43, DfuFallbackVersion(0x4D40));
    EXPECT_EQ(10, DfuFallbackVersion(0x2110));
    EXPECT_EQ(20, DfuFallbackVersion(0x4D65));
    EXPECT_EQ(52, DfuFallbackVersion(0x5061));
    EXPECT_EQ(0, DfuFallbackVersion(0x1234));
    sim::Reset();
    dev = AddDfu(L"C", 0x2110, 0x5061);  // no version keys at all
    id = IdentityOf(dev);
    EXPECT_EQ(5, id.major);
    EXPECT_EQ(2, id.minor);
}

TEST_F(PsAccessTest, NameFallbacksDecideTheModelOnlyWhenTheProductIdIsUnreadable) {
    sim::DeviceId dev = AddDfu(L"A", 0x2110, 0);  // no product-id key
    sim::SetPsKeyText(dev, PSKEY_DEVICE_NAME, "My DRW40 unit");
    CDfuIdentity id = IdentityOf(dev);
    EXPECT_EQ(0x5010, id.model);
    EXPECT_FALSE(id.productIdRead);
    EXPECT_EQ(CString(L"My DRW40 unit"), id.name);
    EXPECT_EQ(32, id.version);  // the fallback of the model the name gave

    sim::SetPsKeyText(dev, PSKEY_DEVICE_NAME, "TKV40 DRW40");
    EXPECT_EQ(0x4D10, IdentityOf(dev).model);

    sim::SetPsKeyWords(dev, PSKEY_PRODUCT_ID, {0x2110});  // a readable id is never overridden
    EXPECT_EQ(0x2110, IdentityOf(dev).model);

    sim::SetPsReadFails(dev, PSKEY_DEVICE_NAME, true);
    id = IdentityOf(dev);
    EXPECT_EQ(CString(L"TKV40"), id.name);
    EXPECT_EQ(0x2110, id.model);
}

TEST_F(PsAccessTest, ANameFillingAllItsBytesEndsThere) {
    sim::DeviceId dev = AddDfu(L"A");
    std::vector<BYTE> name(300, 'N');
    sim::SetPsKey(dev, PSKEY_DEVICE_NAME, name.data(), name.size());
    CDfuIdentity id = IdentityOf(dev);
    EXPECT_EQ(PSKEY_DEVICE_NAME_BYTES, id.name.GetLength());
}
