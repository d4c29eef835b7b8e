// The real main wizard on a simulated world of its own, for the recognition
// routine and its report.
#pragma once
#include "RecognitionSim.h"
#include "tests/app/WizardHarness.h"
#include "recognition/DfuRecognition.h"

namespace rectest {

class RecognitionWizardTest : public WizardTest {
protected:
    void TearDown() override {
        SetDfuAcceptedProductIds(nullptr, 0);
        WizardTest::TearDown();
    }
    // The recognition page as WELCOME leaves it, then one run of the routine.
    static int Recognize(CUpdaterDlg& dlg, BOOL report = TRUE, CDeviceRecord* restore = nullptr) {
        dlg.m_nTargetModel = 0x4D10;
        dlg.ShowRecognitionPage(TRUE, nullptr, 0);
        return dlg.m_recognitionPage.RecognizeDevice(restore, report);
    }
    static CString Status(CUpdaterDlg& dlg) {
        CString text;
        dlg.GetStatusText(&text);
        return text;
    }
    std::wstring AskedText(size_t i) const {
        return i < m_asked.size() ? std::wstring(m_asked[i].text.GetString()) : L"<no box>";
    }

    SimWorld m_world;
};

}  // namespace rectest
