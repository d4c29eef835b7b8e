// A build with MORVEX_HARDWARE=win32: the program's table is the real one,
// and under Wine it finds none of the maker's devices and no card.
#include "tests/standins/SimTestSupport.h"

using namespace simtest;

namespace {

TEST(Win32SelectionTest, TheProgramsTableIsTheRealOneAndFindsNoDevice) {
    EXPECT_EQ(&hw::Win32Api(), &hw::Api());
    // Simulated devices exist but the real table does not see them.
    sim::Reset();
    sim::AddHidInterface(L"Headset", sim::kMakerVendorId, 0x5520);
    sim::AddDfuHeadset(L"DFU headset", sim::kMakerVendorId, 0x2110, 0xA110);
    for (const std::wstring& path : HidPaths(hw::Api())) EXPECT_EQ(std::wstring::npos, path.find(L"vid_2e5a"));
    for (const std::string& id : UsbHardwareIds(hw::Api())) EXPECT_EQ(std::string::npos, id.find("VID_2E5A"));
    sim::Reset();
}

}  // namespace
