// The FIRMWARE UPDATE road in the real main wizard, against a simulated DFU
// headset and the local firmware server: the list, the new-firmware prompt,
// the download, the update with its progress and its end; and every fault
// on the way ends with its own failure text, never with the success text.
#include "tests/app/WizardHarness.h"
#include "app/resource.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include "hardware/HardwareApi.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/simdevices/SimDevices.h"
#include <algorithm>
#include <ostream>
#include <functional>
#include <string>
#include <vector>

namespace {

const char* kListPath = "/zarnbluetoothmanager/Firmware";
const char* kImagePath = "/zarnbluetoothmanager/Vela_Morn_T_v1.2.img";
const wchar_t* kSuccess = L"Firmware updated successfully";

std::string Image(const char* tag, size_t size = 4096) {
    const unsigned char v12[4] = {12, 0, 0, 0};
    return dfuimage::MakeImage(tag, v12, size);
}

struct World {
    sim::DeviceId headset = 0;
    sim::DfuBehaviour behaviour;
    fwserver::FirmwareServer* server = nullptr;
    CUpdaterDlg* dlg = nullptr;
};

struct RoadCase {
    const char* name;
    std::function<void(World&)> fault;
    const wchar_t* finalText;  // the status text the road ends with
    bool updateStarts;         // the headset was reached by the DFU engine
    int versionAfter;          // the headset's firmware (major*10+minor) at the end
    const wchar_t* box = nullptr;  // the box the road ends with, if any
};

void PrintTo(const RoadCase& c, std::ostream* os) { *os << c.name; }

class UpdateRoadTest : public WizardTest, public ::testing::WithParamInterface<RoadCase> {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        sim::Reset();
        hw::SetApi(&hw::SimulatedApi());
        fw::Clock::SetSpeed(50);
        m_world.server = &m_server;
        m_world.headset = sim::AddDfuHeadset(L"Vela Morn T", sim::kMakerVendorId, 0x2110, 0xA110);
        sim::SetPsKeyWords(m_world.headset, 0x02A3, {0x2110});
        sim::SetPsKey(m_world.headset, 0x02A4, "\x0A\0\0\0", 4);
        sim::SetPsKeyText(m_world.headset, 0x0108, "Vela Morn T");
        m_world.behaviour.phaseMs = 1000;
        m_world.behaviour.waitEvents = 3;
        m_world.behaviour.progressEvents = 6;
        m_server.PutFile(kListPath, "TKV40 : v3.3 : TKV40_v3.3.img\nVela_Morn_T : v1.2 : Vela_Morn_T_v1.2.img\n");
        m_server.PutFile(kImagePath, Image("Vela_Morn_T#2110"));
        fw::test::SetFileDialogAnswer([this](CFileDialog& fd) -> std::optional<CString> {
            m_proposed = fd.GetInitialFileName().GetString();
            return CString((m_folder + L"download.img").c_str());
        });
    }
    void TearDown() override {
        fw::test::SetFileDialogAnswer(nullptr);
        fw::Clock::SetSpeed(1);
        hw::SetApi(nullptr);
        sim::Reset();
        WizardTest::TearDown();
    }

    // Enters FIRMWARE UPDATE with the headset recognised as 0x2110, version
    // 1.0, accepts the prompt and follows the road until it has ended.
    void Road(CUpdaterDlg& dlg) {
        Recognise(dlg, 0x2110);
        dlg.m_deviceRecord.m_version.Set(1, 0, 0, 0, 0);
        dlg.m_nUsbStatus = 0x2110;
        m_world.dlg = &dlg;
        dlg.GoToPage(PAGE_FIRMWARE_UPDATE);
        m_texts.clear();
        m_maxProgress = -1;
        auto sample = [&] {
            CString s;
            dlg.GetStatusText(&s);
            std::wstring text = s.GetString();
            if (m_texts.empty() || m_texts.back() != text) m_texts.push_back(text);
            m_maxProgress = std::max(m_maxProgress, dlg.m_nProgress);
        };
        fw::test::PumpUntil([&] {
            sample();
            return Saw(GetParam().finalText) && !dlg.m_bBusy;
        }, 60000);
        // Anything the road would still post arrives now.
        fw::test::PumpUntil([&] { sample(); return false; }, 500);
    }

    bool Saw(const wchar_t* text) const {
        for (const std::wstring& t : m_texts)
            if (t.find(text) != std::wstring::npos) return true;
        return false;
    }
    std::string Texts() const {
        std::string all;
        for (const std::wstring& t : m_texts) all += std::string(t.begin(), t.end()) + " | ";
        return all;
    }
    int HeadsetVersion() {
        std::vector<BYTE> v;
        return sim::GetPsKey(m_world.headset, 0x02A4, &v) && !v.empty() ? v[0] : -1;
    }

    World m_world;
    std::vector<std::wstring> m_texts;
    std::wstring m_proposed;
    int m_maxProgress = -1;
};

TEST_P(UpdateRoadTest, EndsWithItsTextAndNeverClaimsSuccessAfterAFault) {
    const RoadCase& c = GetParam();
    if (c.fault) c.fault(m_world);
    sim::SetDfuBehaviour(m_world.headset, m_world.behaviour);
    RunWizard([&](CUpdaterDlg& dlg) {
        Road(dlg);
        EXPECT_TRUE(Saw(c.finalText)) << Texts();
        const bool success = std::wstring(c.finalText) == kSuccess;
        if (!success) {
            EXPECT_FALSE(Saw(kSuccess)) << Texts();
            EXPECT_FALSE(dlg.m_bBusy);
        } else {
            EXPECT_EQ(100, m_maxProgress);
            EXPECT_EQ(0, dlg.m_updatePage.m_firmwareInfo.m_nError);
        }
        EXPECT_EQ(c.versionAfter, HeadsetVersion());
        if (c.box) {
            bool asked = false;
            for (const AskedBox& b : m_asked) asked = asked || b.text == c.box;
            EXPECT_TRUE(asked);
            EXPECT_EQ(PAGE_WELCOME, dlg.m_nPage);
        }
        if (!std::wstring(c.finalText).compare(0, 12, L"Cannot conne")) {
            // A failed download starts no update with whatever file is at hand.
            EXPECT_FALSE(Saw(L"Checking firmware")) << Texts();
            EXPECT_FALSE(Saw(L"Failed to update firmware")) << Texts();
            EXPECT_EQ(0, dlg.m_updatePage.m_bAutoUpdate);
        }
        if (!c.updateStarts) {
            // Refused before the engine started: the headset is untouched.
            EXPECT_TRUE(sim::LastDownloadedImage(m_world.headset).empty());
            EXPECT_FALSE(sim::InDfuMode(m_world.headset));
            EXPECT_TRUE(sim::PsWriteLog().empty());
        }
    });
}

const RoadCase kRoads[] = {
    {"Success", nullptr, kSuccess, true, 12},
    {"RetryCodeOnce", [](World& w) { w.behaviour.downloadFailCode = 28; w.behaviour.downloadFailTimes = 1; },
     kSuccess, true, 12},
    {"RetryCodeTwice", [](World& w) { w.behaviour.downloadFailCode = 7; w.behaviour.downloadFailTimes = 2; },
     L"Failed to update firmware. Cannot update firmware", true, 10},
    {"GoneDuringReconfigure", [](World& w) { w.behaviour.vanishDuringReconfigure = true; },
     L"Failed to update firmware. Cannot update firmware", true, 10},
    {"GoneDuringDownload", [](World& w) { w.behaviour.vanishDuringDownload = true; },
     L"Failed to update firmware. Cannot get device", true, 10},
    {"GoneDuringManifest", [](World& w) { w.behaviour.vanishDuringManifest = true; },
     L"Failed to update firmware. Cannot update firmware", true, 12},
    // The headset stops answering halfway through the download: the page
    // gives up once the transfer has stood still for its whole length.
    {"StallDuringDownload", [](World& w) { w.behaviour.stallDuringDownload = true; },
     L"Failed to update firmware. Cannot update firmware", true, 10},
    {"ReconfigureRefused", [](World& w) { w.behaviour.refuseReconfigure = true; },
     L"Failed to update firmware. Cannot get device[8][3]", true, 10},
    {"DownloadTruncated",
     [](World& w) {
         fwserver::FaultRule rule;
         rule.fault = fwserver::Fault::Truncated;
         rule.pathPart = "Vela_Morn_T_v1.2.img";
         w.server->AddFault(rule);
     },
     L"Cannot connect to the server. Failed to download latest firmware", false, 10},
    // A server that ends every reply by closing, with no length: the list
    // and the image are read to the close.
    {"RepliesEndWithTheClose",
     [](World& w) {
         fwserver::FaultRule rule;
         rule.fault = fwserver::Fault::NoLength;
         w.server->AddFault(rule);
     },
     kSuccess, true, 12},
    // The connection breaks halfway through such an image: the download
    // cannot tell, the image's own check refuses it.
    {"ImageCutByTheClose",
     [](World& w) {
         fwserver::FaultRule rule;
         rule.fault = fwserver::Fault::NoLengthCut;
         rule.pathPart = "Vela_Morn_T_v1.2.img";
         w.server->AddFault(rule);
     },
     L"Failed to update firmware. Cannot get status[9][5]", false, 10},
    {"ImageForAnotherModel", [](World& w) { w.server->PutFile(kImagePath, Image("TKV40#4D10")); },
     L"Failed to update firmware. Firmware not for Vela Morn T[9][6]", false, 10},
    {"CorruptedImage",
     [](World& w) {
         std::string image = Image("Vela_Morn_T#2110");
         image[12] ^= 0x40;  // the length it announces is not its own
         w.server->PutFile(kImagePath, image);
     },
     L"Failed to update firmware. Cannot get status[9][5]", false, 10},
    // The same length and identity tag, bytes changed after the header: the
    // file's own check refuses it before the headset is touched.
    {"ImageChangedAfterItsHeader",
     [](World& w) {
         std::string image = Image("Vela_Morn_T#2110");
         for (size_t i = 2000; i < 2008; ++i) image[i] = (char)~image[i];
         w.server->PutFile(kImagePath, image);
     },
     L"Failed to update firmware. Cannot get status[9][5]", false, 10},
    // Not the recognised headset: the box, then WELCOME.
    {"OtherHeadsetConnected", [](World& w) { sim::SetPsKeyWords(w.headset, 0x02A3, {0x2120}); },
     L"Press NEXT to proceed.", false, 10,
     L"Recognized device is not connected or is not the same as the connected device.\nSelect appropriate "
     L"device.\n"},
};

INSTANTIATE_TEST_SUITE_P(Roads, UpdateRoadTest, ::testing::ValuesIn(kRoads),
                         [](const ::testing::TestParamInfo<RoadCase>& info) { return std::string(info.param.name); });

}  // namespace
