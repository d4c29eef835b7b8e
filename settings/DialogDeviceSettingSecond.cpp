#include "settings/DialogDeviceSettingSecond.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"

BEGIN_MESSAGE_MAP(CDialogDeviceSettingSecond, CWizardPage)
END_MESSAGE_MAP()

CDialogDeviceSettingSecond::CDialogDeviceSettingSecond(CWnd* parent) : CWizardPage(IDD_DEVICE_SETTING_SECOND, parent) {}

void CDialogDeviceSettingSecond::OnPageActivate() {
    CUpdaterDlg* main = MainDialog();
    m_workingRecord.CopyFrom(main->m_deviceRecord, TRUE);
    m_defaultRecord.CopyFrom(main->m_deviceRecord, TRUE);
    main->m_nProgress = -1;
    main->m_nSettingPageIndex = main->FindSettingGroup(6);
}

int CDialogDeviceSettingSecond::IsSettingsChanged() {
    return MainDialog()->m_deviceRecord.DiffersFrom(m_workingRecord, 1);
}

int CDialogDeviceSettingSecond::HasUnsavedChanges() { return IsSettingsChanged(); }

void CDialogDeviceSettingSecond::ApplySettingsToDevice() {}

void CDialogDeviceSettingSecond::DiscardChangesAndGoToPage() {
    CUpdaterDlg* main = MainDialog();
    m_workingRecord.CopyFrom(main->m_deviceRecord, FALSE);
    main->m_nPage = m_nPendingPage;
    main->GoToPage(m_nPendingPage);
}

void CDialogDeviceSettingSecond::UpdateLanguageTexts() {}
