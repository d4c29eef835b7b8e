#include "recognition/DialogDeviceRecognition.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"

BEGIN_MESSAGE_MAP(CDialogDeviceRecognition, CWizardPage)
END_MESSAGE_MAP()

CDialogDeviceRecognition::CDialogDeviceRecognition(CWnd* parent) : CWizardPage(IDD_DEVICE_RECOGNITION, parent) {}

void CDialogDeviceRecognition::DoDataExchange(CDataExchange* pDX) {
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RECOGNITION_INSTRUCTIONS, m_staticInstructions);
}

int CDialogDeviceRecognition::RecognizeDevice(CDeviceRecord*, BOOL) {
    ResetPage();
    return RECOGNITION_NO_DEVICE;
}

void CDialogDeviceRecognition::ResetPage() {}

void CDialogDeviceRecognition::ShowInstructions(int mode) {
    m_nInstructionMode = mode;
    MainDialog()->m_nProgress = -1;
    ResetPage();
}

int CDialogDeviceRecognition::ReadHidInfo() { return 0; }

int CDialogDeviceRecognition::FindHidDevice(BOOL, int* productId, int*) {
    if (productId) *productId = 0;
    return 0;
}

BOOL CDialogDeviceRecognition::UsesPageBackground(CWnd* pWnd, UINT nCtlColor) {
    return nCtlColor == CTLCOLOR_DLG || (pWnd && pWnd->GetDlgCtrlID() == IDC_RECOGNITION_INSTRUCTIONS);
}
