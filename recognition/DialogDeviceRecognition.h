// The DEVICE RECOGNITION page (wizard page 2): tells the user how to connect
// the device and hosts the recognition routine, which finds the device over
// the vendor-defined HID interface or the chip vendor's DFU library, reads
// it into the main dialog's device record and reports the outcome.
//
// The routine's parts live beside this file: DfuRecognition (the DFU path),
// DfuIdentity, PsKeyAccess, BatchCorrections, DfuSettingsRead, DfuWriteBack,
// HidInterfaces, HidRecognition (the HID branch) and RecognitionReport.
#pragma once
#include "framework/Framework.h"
#include "app/WizardPage.h"
#include "core/DeviceRecord.h"
#include "core/RecognitionOutcome.h"
#include "recognition/DueRestores.h"

class CUpdaterDlg;

// The support e-mail address of the USB boxes and their mail button.
extern const wchar_t* const kSupportMailAddress;

class CDialogDeviceRecognition : public CWizardPage {
public:
    explicit CDialogDeviceRecognition(CWnd* parent = nullptr);

    // The page to show after a successful recognition: 0 none (FIRMWARE
    // UPDATE), 3 to 7 that page, above 100 the page plus 100.
    int m_nReturnPage = 0;
    int m_nInstructionMode = 0;
    // 0, or kTimerHidPoll while the HID poll is armed.
    int m_nPollTimerId = 0;
    CStatic m_staticInstructions;

    static const UINT_PTR kTimerHidPoll = 2000;  // IDT_HID_POLL
    static const UINT kHidPollMs = 500;

    // Looks for the device and identifies it; restoreRecord, when given, is
    // due for its headset from now on (one without an address, until a run
    // finds a device), and the record due for the headset found is written
    // back to it first. report FALSE keeps outcomes 5 to 8
    // silent. Returns a RecognitionOutcome.
    int RecognizeDevice(CDeviceRecord* restoreRecord, BOOL report);
    // Puts the page's controls back into their idle state (instructions in
    // the current language).
    void ResetPage();
    // Stores the mode, hides the progress display and resets the page.
    void ShowInstructions(int mode);

    // Whether a HID interface of the maker is present; *productId gets its
    // product id. The first argument and reserved are not used.
    int FindHidDevice(BOOL open, int* productId, int* reserved);
    // Opens the two interfaces of the two-interface module into the main
    // dialog's handles and reads their chip versions; TRUE when both are open.
    BOOL OpenHidInterfaces(int unused, int* unused2, int* unused3);

    // Production-batch tests on a LAP text, for the main dialog's target model.
    int IsAddressAboveBatchThreshold(const wchar_t* lap);
    int IsAddressInBatchRange5060(const wchar_t* lap);
    int IsAddressInBatchRange4210(const wchar_t* lap);

    // Page texts in the main dialog's UI language.
    CString GetPressNextStepText(int step);
    CString GetPageInstructions();
    CString GetSupportMailText();
    CString GetUsbInterfaceCountText(BOOL obtained, int outcome);
    CString GetUsbInterfaceProblemText();
    CString GetOtherDeviceText();

    // The same texts for any language (the report fills all 13).
    static CString PressNextStepText(int step, int language);
    static CString PageInstructions(int language);
    static CString SupportMailText(int language);
    static CString UsbInterfaceCountText(BOOL obtained, int outcome, int language);
    static CString UsbInterfaceProblemText(int language);
    static CString OtherDeviceText(int language);

    // Saved records still due, each for the headset it was taken from
    // (WELCOME forgets only one due for any headset; a SAVE or an update
    // makes stale what was due for the headset it wrote).
    CDueRestores& DueRestores() { return m_dueRestores; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // The page and its instruction text are drawn on the background.
    BOOL UsesPageBackground(CWnd* pWnd, UINT nCtlColor) override;
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    CUpdaterDlg* Main() const { return MainDialog(); }
    // The outcome report: status line, boxes and the next page.
    void ReportOutcome(int outcome, BOOL report);
    void ReportSuccess(int outcome);
    // The status line of a recognition whose write-back was refused.
    void ReportWriteBackFailed();
    void ShowUsbBox(const CString& text);
    void SetStatusLine(const CString (&texts)[13], BOOL error);
    void StopHidPoll();

    // The page font: bold, one unit smaller than the dialog's.
    CFont m_fontPage;
    // The last run was given a saved record and the device refused some of
    // it: the run reports the failed write, never the success of the step
    // that asked for it.
    BOOL m_bWriteBackFailed = FALSE;
    // Saved records that a run could not write yet (no device, another
    // headset, or the device did not take it all); a later run that finds
    // their headset writes them.
    CDueRestores m_dueRestores;
};
