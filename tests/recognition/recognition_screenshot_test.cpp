// Pictures of the DEVICE RECOGNITION page and of what each outcome shows
// (status lines, the USB boxes, the other-device box, the page a success
// leads to) in English and Japanese, for a person to look at.
#include "RecognitionWizard.h"
#include "framework/TestSeams.h"

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
