// The DEVICE RECOGNITION page (wizard page 2): tells the user how to connect
// the device and hosts the recognition routine. A shell for now: the
// routine finds no device.
#pragma once
#include "framework/Framework.h"
#include "app/WizardPage.h"
#include "core/DeviceRecord.h"
#include "core/RecognitionOutcome.h"

class CUpdaterDlg;

class CDialogDeviceRecognition : public CWizardPage {
public:
    explicit CDialogDeviceRecognition(CWnd* parent = nullptr);

    // The page to show after a successful recognition: 0 none (FIRMWARE
    // UPDATE), 3 to 7 that page, above 100 the page plus 100.
    int m_nReturnPage = 0;
    int m_nInstructionMode = 0;
    CStatic m_staticInstructions;

    // Looks for the device and identifies it; restoreRecord, when given, is
    // written back to the device first. report FALSE keeps outcomes 5 to 8
    // silent. Returns a RecognitionOutcome.
    int RecognizeDevice(CDeviceRecord* restoreRecord, BOOL report);
    // Puts the page's controls back into their idle state.
    void ResetPage();
    // Stores the mode, hides the progress display and resets the page.
    void ShowInstructions(int mode);
    // The device-type byte of a HID headset, for the device picture.
    int ReadHidInfo();
    // Finds the maker's HID interface; nonzero with *productId when found.
    int FindHidDevice(BOOL open, int* productId, int* reserved);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The page and its instruction text are drawn on the background.
    BOOL UsesPageBackground(CWnd* pWnd, UINT nCtlColor) override;
    DECLARE_MESSAGE_MAP()
};
