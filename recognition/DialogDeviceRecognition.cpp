#include "recognition/DialogDeviceRecognition.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"

BEGIN_MESSAGE_MAP(CDialogDeviceRecognition, CDialog)
    ON_WM_CTLCOLOR()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CDialogDeviceRecognition::CDialogDeviceRecognition(CWnd* parent) : CDialog(IDD_DEVICE_RECOGNITION, parent) {}

void CDialogDeviceRecognition::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RECOGNITION_INSTRUCTIONS, m_staticInstructions);
}

int CDialogDeviceRecognition::RecognizeDevice(CDeviceRecord*, BOOL) {
    ResetPage();
    return RECOGNITION_NO_DEVICE;
}

void CDialogDeviceRecognition::ResetPage() {}

void CDialogDeviceRecognition::ShowInstructions(int mode) {
    m_nInstructionMode = mode;
    GetMainDialog(this)->m_nProgress = -1;
    ResetPage();
}

int CDialogDeviceRecognition::ReadHidInfo() { return 0; }

int CDialogDeviceRecognition::FindHidDevice(BOOL, int* productId, int*) {
    if (productId) *productId = 0;
    return 0;
}

HBRUSH CDialogDeviceRecognition::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_DLG || (pWnd && pWnd->GetDlgCtrlID() == IDC_RECOGNITION_INSTRUCTIONS)) {
        pDC->SetBkMode(TRANSPARENT);
        return GetMainDialog(this)->m_brushBackground;
    }
    return brush;
}

BOOL CDialogDeviceRecognition::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (GetMainDialog(this)->m_bBusy) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}
