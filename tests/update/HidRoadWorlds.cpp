#include "tests/update/HidRoadWorlds.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>

using namespace pkgtest;

namespace hidroads {

void ExpectParts(sim::DeviceId device, const std::vector<std::vector<BYTE>>& want) {
    auto got = sim::HidReceivedParts(device);
    ASSERT_EQ(want.size(), got.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(want[i], got[i].data) << i;
        EXPECT_TRUE(got[i].complete) << i;
    }
}

sim::DeviceId Headset(const wchar_t* name, WORD pid) {
    sim::DeviceId id = sim::AddHidInterface(name, sim::kMakerVendorId, pid);
    sim::SetHidVersion(id, kRecorded);
    sim::SetHidVersionAfterUpdate(id, kNew);
    return id;
}

void SwitchFirstWorld(Road& r, ScratchFolder&) {
    r.first = Headset(L"P3", 0x6010);
    r.updater = Headset(L"P3 update", 0x6010);
    sim::LinkHidSwitch(r.first, r.updater);
    sim::SetHidPollDoneAfter(r.updater, 3);
    r.package = PackageBuilder().Model(0x6010).Part(0, 1, Pattern(6000, 1)).Part(2, 2, Pattern(1020, 2)).Build();
    r.verify = [](const Road& r) {
        auto p = PackageParts(r.package);
        ExpectParts(r.updater, {p[0], p[1]});  // after the switch, to the update-mode interface
        EXPECT_EQ(1, sim::HidRestartCount(r.updater));
    };
}

void CameraWorld(Road& r, ScratchFolder& dir) {
    r.first = Headset(L"40Z", 0x5510);
    r.card = dir.path() + L"\\card";
    ::CreateDirectoryW(r.card.c_str(), nullptr);
    WriteBytes(r.card + L"\\40Z.VER", {'1', '.', '0', '\n'});
    r.drive = sim::AddDrive(L"Card", L'R', r.card.c_str());
    sim::LinkHidCard(r.first, r.drive, L"40Z.VER", L"FWCARCAM.bin");
    std::vector<BYTE> camera = Pattern(3000, 9);
    const char head[] = "CAMFW 2.5\n";
    std::copy(head, head + 10, camera.begin());
    r.package = PackageBuilder().Model(0x5510)
        .Part(0, 1, Pattern(2500, 1)).Part(2, 2, Pattern(700, 2)).Part(2, 3, camera, 2, 5).Build();
    r.verify = [](const Road& r) {
        auto p = PackageParts(r.package);
        ExpectParts(r.first, {p[0], p[1]});  // the camera's part went by the card
        FILE* f = _wfopen((r.card + L"\\40Z.VER").c_str(), L"rb");
        ASSERT_NE(nullptr, f);
        char text[16] = {};
        std::fread(text, 1, sizeof text - 1, f);
        std::fclose(f);
        EXPECT_STREQ("2.5\n", text);
    };
}

void VoicePromptWorld(Road& r, ScratchFolder&) {
    r.first = Headset(L"70J", 0x3110);
    r.updater = sim::AddHidInterface(L"70J update mode", sim::kMakerVendorId, 0x3120);
    const BYTE crcVersion[5] = {1, 0, 2, 1, 0};
    sim::SetHidVersion(r.updater, crcVersion);
    sim::LinkHidUpdateMode(r.first, r.updater);
    r.package = PackageBuilder().Model(0x3110)
        .Part(2, 1, Pattern(2000, 1)).Part(0, 2, Pattern(1100, 2)).Part(0, 0, Pattern(600, 3)).Build();
    r.verify = [](const Road& r) {
        auto p = PackageParts(r.package);
        ExpectParts(r.first, {p[0], p[1]});
        ExpectParts(r.updater, {p[2]});
        EXPECT_EQ(1, sim::HidVoicePromptCode(r.first));  // "-fr" in the file name
    };
}

void VehicleWorld(Road& r, ScratchFolder& dir) {
    r.first = sim::AddHidInterface(L"Module A", sim::kMakerVendorId, 0x5345);
    r.second = sim::AddHidInterface(L"Module B", sim::kMakerVendorId, 0x5346);
    sim::SetHidModuleSelect(r.second, 1);
    r.target = dir.File(L"can.target");
    r.bridge = sim::AddFtdiDevice(L"Bridge", 5, r.target.c_str());
    std::string hex = ":020000040800F2\r\n:00000001FF\r\n";
    r.package = PackageBuilder().Model(0x5345)
        .Part(0, 0x31, Pattern(2100, 4)).Part(0, 0x32, std::vector<BYTE>(hex.begin(), hex.end())).Build();
    r.verify = [hex](const Road& r) {
        auto p = PackageParts(r.package);
        ExpectParts(r.first, {p[0]});
        ExpectParts(r.second, {p[0]});
        FILE* f = _wfopen((r.target + L".flash").c_str(), L"rb");
        ASSERT_NE(nullptr, f);
        char text[64] = {};
        std::fread(text, 1, sizeof text - 1, f);
        std::fclose(f);
        EXPECT_EQ(hex, text);
    };
}

// Two chips, each behind its own interface of the same product id.
namespace {

void TwoChipWorld(Road& r, WORD pid, const char* header) {
    r.first = Headset(L"Chip 1", pid);
    r.second = Headset(L"Chip 2", pid);
    r.package = PackageBuilder().Model(pid).HeaderText(header)
        .Part(0, 1, Pattern(2200, 1)).Part(1, 2, Pattern(1900, 2)).Part(2, 3, Pattern(300, 3)).Build();
    r.verify = [](const Road& r) {
        auto p = PackageParts(r.package);
        ExpectParts(r.first, {p[0], p[2]});
        ExpectParts(r.second, {p[1]});
        EXPECT_EQ(1, sim::HidRestartCount(r.first));
        EXPECT_EQ(1, sim::HidRestartCount(r.second));
    };
}

}  // namespace

void CorvaneWorld(Road& r, ScratchFolder&) { TwoChipWorld(r, 0x4310, "SIMPKG"); }

void VersionGatedWorld(Road& r, ScratchFolder&) {
    TwoChipWorld(r, 0x4210, "SIMPKG");
    sim::SetHidBlock(r.first, 0x05, {16});  // a gated device type
}

void SinglePackageWorld(Road& r, ScratchFolder&) {
    r.first = Headset(L"40N", 0x5520);
    r.package = PackageBuilder().Model(0x5520).Part(0, 1, Pattern(3000, 3)).Part(2, 2, Pattern(1020, 7)).Build();
    r.verify = [](const Road& r) {
        auto p = PackageParts(r.package);
        ExpectParts(r.first, {p[0], p[1]});
    };
}

void CleanUp(const Road& r) {
    if (!r.card.empty()) {
        ::DeleteFileW((r.card + L"\\40Z.VER").c_str());
        ::DeleteFileW((r.card + L"\\FWCARCAM.bin").c_str());
        ::RemoveDirectoryW(r.card.c_str());
    }
    if (!r.target.empty()) {
        ::DeleteFileW(r.target.c_str());
        ::DeleteFileW((r.target + L".flash").c_str());
    }
}

}  // namespace hidroads
