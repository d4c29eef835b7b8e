// The device-mode bits that the main dialog writes into a HID headset's
// settings block, against a simulated headset.
#include <gtest/gtest.h>
#include "app/UpdaterDlg.h"
#include "core/HidDevice.h"
#include "standins/simdevices/SimDevices.h"

namespace {

struct ModeCase {
    const char* name;
    std::vector<WORD> before;
    BYTE code;
    int result;
    std::vector<WORD> after;
};

}  // namespace

TEST(DeviceModeBits, ReplaceTheLowFiveBitsOfTheFourthWord) {
    const ModeCase cases[] = {
        {"four words", {0x1111, 0x2222, 0x3333, 0x44E7}, 0x05, 1, {0x1111, 0x2222, 0x3333, 0x44E5}},
        {"code wider than five bits", {0x0001, 0x0002, 0x0003, 0xABFF}, 0xF3, 1, {0x0001, 0x0002, 0x0003, 0xABF3}},
        {"two words are raised to four", {0x1111, 0x2222}, 0x05, 1, {0x1111, 0x2222, 0x0000, 0x0025}},
        {"three words are refused", {0x1111, 0x2222, 0x3333}, 0x05, 0, {0x1111, 0x2222, 0x3333}},
    };
    CUpdaterDlg dlg;
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.name);
        sim::Reset();
        sim::DeviceId headset = sim::AddHidInterface(L"headset", sim::kMakerVendorId, 0x5520);
        sim::SetHidBlock(headset, 0x04, c.before);
        dlg.m_hHidDevice = OpenHidDevice(0x5520);
        ASSERT_TRUE(dlg.m_hHidDevice.IsValid());
        EXPECT_EQ(dlg.WriteDeviceModeBits(&dlg.m_hHidDevice, c.code), c.result);
        std::vector<WORD> words;
        ASSERT_TRUE(sim::GetHidBlock(headset, 0x04, &words));
        EXPECT_EQ(words, c.after);
        dlg.CloseDeviceHandles();
        EXPECT_FALSE(dlg.m_hHidDevice.IsValid());
    }
    // A headset without the settings block is left alone.
    sim::Reset();
    sim::AddHidInterface(L"headset", sim::kMakerVendorId, 0x5520);
    dlg.m_hHidDevice = OpenHidDevice(0x5520);
    EXPECT_EQ(dlg.WriteDeviceModeBits(&dlg.m_hHidDevice, 1), 0);
    dlg.ResetDeviceHandles();
    EXPECT_FALSE(dlg.m_hHidDevice.IsValid());
    EXPECT_FALSE(dlg.m_hHidDevice2.IsValid());
    sim::Reset();
}
