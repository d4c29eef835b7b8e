// The image identity check before a DFU update and the rule that decides
// whether the server's firmware is offered.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <string>
#include "core/DeviceRecord.h"
#include "update/ImageIdentity.h"
#include "update/NewerFirmware.h"

namespace {

class ImageFiles : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t tmp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, tmp);
        m_path = std::wstring(tmp) + L"morvex_identity_" + std::to_wstring(::GetCurrentProcessId()) + L".img";
    }
    void TearDown() override { ::DeleteFileW(m_path.c_str()); }

    // An image of size bytes whose bytes from 16 on are tag (blank-padded to 32).
    const wchar_t* Image(const std::string& tag, size_t size = 2048) {
        std::string bytes(size, 'x');
        std::string padded = tag + std::string(32, ' ');
        if (size >= 48) bytes.replace(16, 32, padded.substr(0, 32));
        FILE* f = _wfopen(m_path.c_str(), L"wb");
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
        return m_path.c_str();
    }

    std::wstring m_path;
};

TEST_F(ImageFiles, TagsAliasesAndBlankTag) {
    struct Case {
        const char* name;
        int recognised, target;
        std::string tag;
        size_t size;
        int expected;
    };
    const Case cases[] = {
        {"own tag", 0x4D10, 0x4D10, "TKV40#4D10", 2048, 1},
        {"alias", 0x4D10, 0x4D10, "TKV40#4D30", 2048, 1},
        {"blank tag of the TKV40 family", 0x4D10, 0x4D10, "", 2048, 1},
        {"blank tag of another family", 0x2110, 0x2110, "", 2048, 0},
        {"another model", 0x4D10, 0x4D10, "Vela_Morn_T#2110", 2048, 0},
        {"lower-case hex is not the tag", 0x4D10, 0x4D10, "TKV40#4d10", 2048, 0},
        {"exactly 1648 bytes", 0x2110, 0x2110, "Vela_Morn_T#2110", 1648, 1},
        {"one byte short", 0x2110, 0x2110, "Vela_Morn_T#2110", 1647, 0},
        {"a tiny file", 0x2110, 0x2110, "", 10, 0},
        {"variant takes the target's id", 0x4D45, 0x4D15, "TKV8-FM#4D15", 2048, 1},
        {"variant's own id is refused", 0x4D45, 0x4D15, "TKV8-FM#4D45", 2048, 0},
        {"0x5060 accepts 5060 images", 0x5060, 0x5060, "DRW40#5060", 2048, 1},
        {"0x5010 accepts 5060 images", 0x5010, 0x5010, "DRW40#5060", 2048, 1},
        {"0x5010 accepts its alias", 0x5010, 0x5010, "DRW40#5061", 2048, 1},
        {"no alias for 0x2110", 0x2110, 0x2110, "Vela_Morn_T#2120", 2048, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, CheckImageIdentityOverUsb(Image(c.tag, c.size), c.recognised, c.target));
    }
    EXPECT_EQ(0, CheckImageIdentityOverUsb(L"Z:\\no\\such.img", 0x2110, 0x2110));
}

TEST_F(ImageFiles, TagWithTrailingBlanksAndLongerTextAfterIt) {
    // Only as many characters as the expected tag has are compared, trimmed.
    EXPECT_EQ(1, CheckImageIdentityOverUsb(Image("TKV40#4D10 and more"), 0x4D10, 0x4D10));
    EXPECT_EQ(1, CheckImageIdentityOverUsb(Image("Vela_Morn_T#2110"), 0x2110, 0x2110));
    // Leading blanks shift the tag out of the compared characters.
    EXPECT_EQ(0, CheckImageIdentityOverUsb(Image("  Vela_Morn_T#2110"), 0x2110, 0x2110));
}

CDeviceRecord Device(int major, int minor, int type, int secondary) {
    CDeviceRecord r;
    r.m_version.Set(major, minor, type, secondary, 0);
    return r;
}

TEST(NewerFirmwareRule, PerSecondaryTypeAndModelGroup) {
    struct Case {
        const char* name;
        int model;
        CDeviceRecord device;
        int server[4];
        int expected;
    };
    const Case cases[] = {
        {"older device", 0x2110, Device(1, 0, 0, 0), {1, 2, 0, 0}, 1},
        {"equal, type 0", 0x2110, Device(1, 2, 0, 0), {1, 2, 0, 0}, 0},
        {"equal, type 0, newer fourth word", 0x2110, Device(1, 2, 0, 3), {1, 2, 0, 4}, 1},
        {"equal, type 0, same fourth word", 0x2110, Device(1, 2, 0, 4), {1, 2, 0, 4}, 0},
        {"newer device", 0x2110, Device(1, 3, 0, 0), {1, 2, 0, 9}, 0},
        {"type 1 offers an equal version", 0x2110, Device(1, 2, 1, 0), {1, 2, 0, 0}, 1},
        {"type 1 does not offer an older one", 0x2110, Device(1, 3, 1, 0), {1, 2, 0, 0}, 0},
        {"voice-prompt group, type 0, fourth word set", 0x3110, Device(2, 0, 0, 5), {2, 0, 0, 1}, 1},
        {"voice-prompt group, type 0, fourth word 0", 0x3110, Device(2, 0, 0, 5), {2, 0, 0, 0}, 0},
        {"voice-prompt group, type 2 compares the secondary", 0x3112, Device(2, 0, 2, 5), {2, 0, 0, 1}, 0},
        {"voice-prompt group, type 2, older secondary", 0x3112, Device(2, 0, 2, 0), {2, 0, 0, 1}, 1},
        {"0x3500 follows the general rule", 0x3500, Device(2, 0, 0, 5), {2, 0, 0, 1}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, IsNewerFirmware(c.model, c.server, c.device, 0));
    }
}

TEST(NewerFirmwareRule, CameraHeadsetComparesTheWholeVersion) {
    CDeviceRecord kelto = Device(1, 2, 3, 4);
    kelto.m_nModelId = 0x3020;
    const int newer[4] = {1, 2, 3, 5};
    const int same[4] = {1, 2, 3, 4};
    EXPECT_EQ(1, IsNewerFirmware(0x3020, newer, kelto, 0));
    EXPECT_EQ(0, IsNewerFirmware(0x3020, same, kelto, 0));
}

}  // namespace
