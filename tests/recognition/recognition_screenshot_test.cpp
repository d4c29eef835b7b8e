// Pictures of the DEVICE RECOGNITION page and of what each outcome shows
// (status lines, the USB boxes, the other-device box, the page a success
// leads to) in English and Japanese, for a person to look at. And the
// window in the middle of a recognition that waits for a working headset.
#include "RecognitionWizard.h"
#include "core/HidProtocol.h"
#include "texts/WizardTexts.h"
#include "framework/TestSeams.h"
#include "tests/app/HeadsetWaitWatch.h"

using namespace rectest;

namespace {

struct Shot {
    int language;
    const char* name;
};

class RecognitionScreenshotTest : public RecognitionWizardTest, public ::testing::WithParamInterface<Shot> {
protected:
    std::wstring Name(const char* what) const {
        std::string n = std::string("recognition_") + what + "_" + GetParam().name;
        return std::wstring(n.begin(), n.end());
    }
    // Every box is really shown: its picture is saved, then OK closes it.
    void ShowBoxes() {
        fw::test::SetModalAnswer([](CDialog& d) -> std::optional<INT_PTR> {
            (void)d;
            return std::nullopt;
        });
        m_onShownAny = [this](CDialog& d) {
            fw::test::PumpFor(150);
            Screenshot(d.m_hWnd, Name(m_box).c_str());
            ++m_boxes;
            d.EndDialog(IDOK);
        };
    }
    int Run(CUpdaterDlg& dlg, const char* box) {
        m_box = box;
        dlg.m_nTargetModel = 0x4D10;
        dlg.ShowRecognitionPage(TRUE, nullptr, 0);
        fw::test::PumpFor(100);
        return dlg.m_recognitionPage.RecognizeDevice(nullptr, TRUE);
    }
    void Window(CUpdaterDlg& dlg, const char* what) {
        fw::test::PumpFor(200);
        Screenshot(dlg.m_hWnd, Name(what).c_str());
    }

    const char* m_box = "";
    int m_boxes = 0;
};

void PrintTo(const Shot& shot, std::ostream* os) { *os << shot.name; }

}  // namespace

TEST_P(RecognitionScreenshotTest, ThePageAndEveryOutcome) {
    ShowBoxes();
    sim::DeviceId dev = AddDfu(L"Vela");
    sim::SetPsKeyText(dev, PSKEY_DEVICE_NAME, "Vela Morn T");
    sim::SetPresent(dev, false);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.ApplyLanguage(GetParam().language, TRUE);
        dlg.m_nTargetModel = 0x4D10;
        dlg.ShowRecognitionPage(TRUE, nullptr, 0);
        Window(dlg, "page");

        EXPECT_EQ(RECOGNITION_NO_DEVICE, Run(dlg, "none"));
        Window(dlg, "no_device");

        // The camera model without its card marker.
        sim::SetPresent(dev, true);
        sim::SetPsKeyWords(dev, PSKEY_PRODUCT_ID, {0x3020});
        EXPECT_EQ(RECOGNITION_NO_CAMERA_DRIVE, Run(dlg, "none"));
        Window(dlg, "no_card");

        sim::SetPsKeyWords(dev, PSKEY_PRODUCT_ID, {0x4D10});
        EXPECT_EQ(RECOGNITION_OTHER_MODEL, Run(dlg, "box_other_device"));

        sim::SetPsKeyWords(dev, PSKEY_PRODUCT_ID, {0x2110});
        sim::DeviceId second = AddDfu(L"second");
        EXPECT_EQ(RECOGNITION_DFU_LISTED_MORE, Run(dlg, "box_usb_count"));
        sim::SetDfuListing(second, true, false);
        sim::SetDfuListing(dev, false, true);
        sim::SetDfuMode(second, true);
        EXPECT_EQ(RECOGNITION_MODE_MISMATCH, Run(dlg, "box_usb_problem"));
        EXPECT_EQ(3, m_boxes);
        sim::SetPresent(second, false);
        sim::SetDfuListing(dev, true, true);

        EXPECT_EQ(RECOGNITION_OK, Run(dlg, "none"));
        Window(dlg, "recognised");
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, RecognitionScreenshotTest, ::testing::Values(Shot{0, "en"}, Shot{4, "ja"}, Shot{8, "ru"}),
                         [](const ::testing::TestParamInfo<Shot>& info) { return std::string(info.param.name); });

// NEXT on the recognition page while the headset answers "pending" for 40 s
// before its version: taken from another thread while the window's thread
// waits, the picture shows the page and the activity on the status line,
// drawn then (a repaint is asked for first), neither blank nor as the
// window was before NEXT.
TEST_F(RecognitionWizardTest, TheWindowWhileTheHeadsetWorks) {
    fw::Clock::SetSpeed(50);
    sim::SetSpeed(50);
    sim::DeviceId id = sim::AddHidInterface(L"40N", sim::kMakerVendorId, 0x5520);
    const BYTE version[5] = {1, 2, 0, 0, 0};
    sim::SetHidVersion(id, version);
    sim::SetHidPendingMs(id, 40000, HID_CMD_GET_VERSION);
    RunWizard([&](CUpdaterDlg& dlg) {
        ASSERT_TRUE(WaitIdle(dlg));
        auto next = [&] { dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_NEXT, BN_CLICKED), (LPARAM)Item(dlg, IDC_NEXT)); };
        next();
        ASSERT_EQ(PAGE_RECOGNITION, dlg.m_nPage);
        std::wstring shown;
        HeadsetWaitWatch watch(
            dlg.m_hWnd,
            [&] {
                auto log = sim::HidCommandLog(id);
                return dlg.m_bBusy && !log.empty() && log.back()[1] == HID_CMD_GET_VERSION;
            },
            [&] {
                Screenshot(dlg.m_hWnd, L"recognition_waiting_on_the_headset", TRUE);
                wchar_t text[200] = {};
                ::GetWindowTextW(Item(dlg, IDC_STATUS_TEXT), text, 200);
                shown = text;
            });
        next();
        EXPECT_LT(watch.Stop(), 500u);
        EXPECT_TRUE(watch.RanDuringTheExchange());
        CString activity;
        GetTextPageActivity(activity, PAGE_RECOGNITION, 0, 0);
        EXPECT_EQ(std::wstring(activity.GetString()), shown);
        EXPECT_TRUE(dlg.m_bRecognized);
        EXPECT_EQ(0u, std::wstring(Status(dlg).GetString()).find(L"Device recognized successfully"));
    });
}
