#include "settings/DialogDeviceSettingSpeedDial.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"

BEGIN_MESSAGE_MAP(CDialogDeviceSettingSpeedDial, CWizardPage)
END_MESSAGE_MAP()

CDialogDeviceSettingSpeedDial::CDialogDeviceSettingSpeedDial(CWnd* parent) : CWizardPage(IDD_DEVICE_SETTING_SPEEDDIAL, parent) {}

void CDialogDeviceSettingSpeedDial::OnPageActivate() {
    CUpdaterDlg* main = MainDialog();
    m_workingRecord.CopyFrom(main->m_deviceRecord, TRUE);
    m_defaultRecord.CopyFrom(main->m_deviceRecord, TRUE);
    main->m_nProgress = -1;
    main->m_nSettingPageIndex = main->FindSettingGroup(7);
}

int CDialogDeviceSettingSpeedDial::IsSettingsChanged() {
    const CDeviceRecord& device = MainDialog()->m_deviceRecord;
    for (int k = 0; k < DEVICE_SPEED_DIALS; ++k)
        if (m_workingRecord.m_astrSpeedDial[k] != device.m_astrSpeedDial[k]) return 1;
    return 0;
}

int CDialogDeviceSettingSpeedDial::HasUnsavedChanges() { return IsSettingsChanged(); }

void CDialogDeviceSettingSpeedDial::ApplySettingsToDevice() {}

void CDialogDeviceSettingSpeedDial::DiscardChangesAndGoToPage() {
    CUpdaterDlg* main = MainDialog();
    m_workingRecord.CopyFrom(main->m_deviceRecord, FALSE);
    main->m_nPage = m_nPendingPage;
    main->GoToPage(m_nPendingPage);
}

void CDialogDeviceSettingSpeedDial::UpdateLanguageTexts() {}
