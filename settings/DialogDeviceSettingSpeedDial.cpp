#include "settings/DialogDeviceSettingSpeedDial.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"

BEGIN_MESSAGE_MAP(CDialogDeviceSettingSpeedDial, CDialog)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDialogDeviceSettingSpeedDial::CDialogDeviceSettingSpeedDial(CWnd* parent) : CDialog(IDD_DEVICE_SETTING_SPEEDDIAL, parent) {}

void CDialogDeviceSettingSpeedDial::OnPageActivate() {
    CUpdaterDlg* main = GetMainDialog(this);
    m_workingRecord.CopyFrom(main->m_deviceRecord, TRUE);
    m_defaultRecord.CopyFrom(main->m_deviceRecord, TRUE);
    main->m_nProgress = -1;
    main->m_nSettingPageIndex = main->FindSettingGroup(7);
}

int CDialogDeviceSettingSpeedDial::IsSettingsChanged() {
    const CDeviceRecord& device = GetMainDialog(this)->m_deviceRecord;
    for (int k = 0; k < DEVICE_SPEED_DIALS; ++k)
        if (m_workingRecord.m_astrSpeedDial[k] != device.m_astrSpeedDial[k]) return 1;
    return 0;
}

int CDialogDeviceSettingSpeedDial::HasUnsavedChanges() { return IsSettingsChanged(); }

void CDialogDeviceSettingSpeedDial::ApplySettingsToDevice() {}

void CDialogDeviceSettingSpeedDial::DiscardChangesAndGoToPage() {
    CUpdaterDlg* main = GetMainDialog(this);
    m_workingRecord.CopyFrom(main->m_deviceRecord, FALSE);
    main->m_nPage = m_nPendingPage;
    main->GoToPage(m_nPendingPage);
}

void CDialogDeviceSettingSpeedDial::UpdateLanguageTexts() {}

HBRUSH CDialogDeviceSettingSpeedDial::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetBkMode(TRANSPARENT);
    return GetMainDialog(this)->m_brushBackground;
}
