#include "recognition/DialogDeviceRecognition.h"
#include "app/AppTexts.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "recognition/BatchCorrections.h"
#include "recognition/DfuRecognition.h"
#include "recognition/HidInterfaces.h"
#include "recognition/HidRecognition.h"
#include "texts/RecognitionTexts.h"
#include "texts/WizardTexts.h"

const wchar_t* const kSupportMailAddress = L"support@morvex.example";

namespace {
// The brand word of the second instruction step.
const wchar_t* const kBrandWord = L"Morvex";
}  // namespace

BEGIN_MESSAGE_MAP(CDialogDeviceRecognition, CWizardPage)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CDialogDeviceRecognition::CDialogDeviceRecognition(CWnd* parent) : CWizardPage(IDD_DEVICE_RECOGNITION, parent) {}

void CDialogDeviceRecognition::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RECOGNITION_INSTRUCTIONS, m_staticInstructions);
}

BOOL CDialogDeviceRecognition::OnInitDialog() {
    CWizardPage::OnInitDialog();
    m_nPollTimerId = 0;
    LOGFONTW lf = {};
    HFONT current = GetFont();
    if (current && ::GetObjectW(current, sizeof(lf), &lf)) {
        lf.lfWeight = FW_BOLD;
        lf.lfHeight += 1;  // one unit smaller for the usual negative height
        if (m_fontPage.CreateFontIndirect(&lf)) m_staticInstructions.SetFont(&m_fontPage, TRUE);
    }
    return TRUE;
}

// ---------------------------------------------------------------- the routine

int CDialogDeviceRecognition::RecognizeDevice(CDeviceRecord* restoreRecord, BOOL report) {
    CUpdaterDlg* main = Main();
    // A record given here is due for its headset from now on; the run writes
    // the record due for the headset it finds, if any.
    if (restoreRecord) m_dueRestores.Keep(*restoreRecord);
    m_dueRestores.BeginRun();

    CString activity;
    main->BuildActivityStatusTexts(&activity);
    main->ShowStatusText(activity, FALSE);
    main->m_bBusy = TRUE;
    main->UpdateControls();
    ResetPage();

    int productId = 0;
    int outcome;
    if (FindHidDevice(1, &productId, nullptr)) {
        outcome = RunHidRecognition(*main, &m_dueRestores, productId);
        StopHidPoll();
    } else {
        outcome = RunDfuRecognition(*main, &m_dueRestores);
    }
    main->m_bBusy = FALSE;
    main->UpdateControls();
    ResetPage();

    bool recognised = outcome == RECOGNITION_OK || outcome == RECOGNITION_MANAGEMENT_MODE;
    bool deviceAbsent = outcome == RECOGNITION_NO_DEVICE ||
                        (outcome >= RECOGNITION_TOO_FEW_INTERFACES && outcome <= RECOGNITION_MODE_MISMATCH);
    m_bWriteBackFailed = m_dueRestores.EndRun(recognised, deviceAbsent, restoreRecord != nullptr);
    ReportOutcome(outcome, report);
    return outcome;
}

void CDialogDeviceRecognition::ResetPage() {
    if (m_staticInstructions.m_hWnd) m_staticInstructions.SetWindowText(GetPageInstructions());
}

void CDialogDeviceRecognition::ShowInstructions(int mode) {
    m_nInstructionMode = mode;
    Main()->m_nProgress = -1;
    ResetPage();
}

// ---------------------------------------------------------------- HID helpers

int CDialogDeviceRecognition::FindHidDevice(BOOL, int* productId, int*) {
    int pid = 0;
    BOOL found = FindMakerHidInterface(&pid);
    if (found && productId) *productId = pid;
    return found;
}

BOOL CDialogDeviceRecognition::OpenHidInterfaces(int, int*, int*) { return OpenModuleInterfaces(*Main()); }

void CDialogDeviceRecognition::StopHidPoll() {
    if (m_hWnd) KillTimer(kTimerHidPoll);
    m_nPollTimerId = 0;
}

void CDialogDeviceRecognition::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kTimerHidPoll) {
        // Looks for the two-interface module until it answers; the handles
        // are closed again either way (recognition opens its own).
        KillTimer(kTimerHidPoll);
        m_nPollTimerId = 0;
        CUpdaterDlg* main = Main();
        if (OpenHidInterfaces(1, nullptr, nullptr)) {
            main->CloseDeviceHandles();
        } else {
            m_nPollTimerId = (int)kTimerHidPoll;
            main->CloseDeviceHandles();
            SetTimer(kTimerHidPoll, kHidPollMs);
        }
    }
    Default();
}

// ---------------------------------------------------------------- batch tests

int CDialogDeviceRecognition::IsAddressAboveBatchThreshold(const wchar_t* lap) {
    return ::IsAddressAboveBatchThreshold(Main()->m_nTargetModel, lap);
}
int CDialogDeviceRecognition::IsAddressInBatchRange5060(const wchar_t* lap) {
    return ::IsAddressInBatchRange5060(Main()->m_nTargetModel, lap);
}
int CDialogDeviceRecognition::IsAddressInBatchRange4210(const wchar_t* lap) {
    return ::IsAddressInBatchRange4210(Main()->m_nTargetModel, lap);
}

// ---------------------------------------------------------------- texts

CString CDialogDeviceRecognition::PressNextStepText(int step, int language) {
    CString next, text;
    GetTextNext(next, language);
    text.Format(rectext::Get(rectext::kStepPressButton, language), step, (const wchar_t*)next);
    return text;
}

CString CDialogDeviceRecognition::PageInstructions(int language) {
    CString second, text;
    second.Format(rectext::Get(rectext::kStepPowerOn, language), kBrandWord);
    text.Format(L"%s%s%s", (const wchar_t*)rectext::Get(rectext::kStepPowerOff, language), (const wchar_t*)second,
                (const wchar_t*)PressNextStepText(3, language));
    return text;
}

CString CDialogDeviceRecognition::SupportMailText(int language) {
    CString menuItem = apptext::Get(apptext::kDiagnosticLog, language);
    CString text;
    text.Format(rectext::Get(rectext::kSupportMail, language), kSupportMailAddress, (const wchar_t*)menuItem);
    return text;
}

CString CDialogDeviceRecognition::UsbInterfaceCountText(BOOL obtained, int outcome, int language) {
    bool fewer = outcome == RECOGNITION_TOO_FEW_INTERFACES || outcome == RECOGNITION_DFU_LISTED_FEWER;
    CString comparative = rectext::Get(fewer ? rectext::kLess : rectext::kMore, language);
    CString participle = rectext::Get(obtained ? rectext::kObtained : rectext::kFound, language);
    CString support = SupportMailText(language);
    const wchar_t* first = comparative;
    const wchar_t* second = participle;
    if (rectext::UsbCountParticipleFirst(language)) std::swap(first, second);
    CString text;
    text.Format(rectext::Get(rectext::kUsbCount, language), first, second, (const wchar_t*)support);
    return text;
}

CString CDialogDeviceRecognition::UsbInterfaceProblemText(int language) {
    CString text;
    text.Format(rectext::Get(rectext::kUsbProblem, language), (const wchar_t*)SupportMailText(language));
    return text;
}

CString CDialogDeviceRecognition::OtherDeviceText(int language) { return rectext::Get(rectext::kOtherDevice, language); }

CString CDialogDeviceRecognition::GetPressNextStepText(int step) { return PressNextStepText(step, Main()->m_nLanguage); }
CString CDialogDeviceRecognition::GetPageInstructions() { return PageInstructions(Main()->m_nLanguage); }
CString CDialogDeviceRecognition::GetSupportMailText() { return SupportMailText(Main()->m_nLanguage); }
CString CDialogDeviceRecognition::GetUsbInterfaceCountText(BOOL obtained, int outcome) {
    return UsbInterfaceCountText(obtained, outcome, Main()->m_nLanguage);
}
CString CDialogDeviceRecognition::GetUsbInterfaceProblemText() { return UsbInterfaceProblemText(Main()->m_nLanguage); }
CString CDialogDeviceRecognition::GetOtherDeviceText() { return OtherDeviceText(Main()->m_nLanguage); }

// ---------------------------------------------------------------- look

BOOL CDialogDeviceRecognition::UsesPageBackground(CWnd* pWnd, UINT nCtlColor) {
    return nCtlColor == CTLCOLOR_DLG || (pWnd && pWnd->GetDlgCtrlID() == IDC_RECOGNITION_INSTRUCTIONS);
}
