#include "settings/DialogDeviceSetting.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"

BEGIN_MESSAGE_MAP(CDialogDeviceSetting, CWizardPage)
END_MESSAGE_MAP()

CDialogDeviceSetting::CDialogDeviceSetting(CWnd* parent) : CWizardPage(IDD_DEVICE_SETTING, parent) {}

void CDialogDeviceSetting::OnPageActivate() {
    CUpdaterDlg* main = MainDialog();
    m_workingRecord.CopyFrom(main->m_deviceRecord, TRUE);
    m_defaultRecord.CopyFrom(main->m_deviceRecord, TRUE);
    main->m_nProgress = -1;
    main->m_nSettingPageIndex = main->FindSettingGroup(5);
}

int CDialogDeviceSetting::IsSettingsChanged() {
    return MainDialog()->m_deviceRecord.DiffersFrom(m_workingRecord, 0);
}

int CDialogDeviceSetting::HasUnsavedChanges() { return IsSettingsChanged(); }

void CDialogDeviceSetting::ApplySettingsToDevice() {}

void CDialogDeviceSetting::DiscardChangesAndGoToPage() {
    CUpdaterDlg* main = MainDialog();
    m_workingRecord.CopyFrom(main->m_deviceRecord, FALSE);
    main->m_nPage = m_nPendingPage;
    main->GoToPage(m_nPendingPage);
}

BOOL CDialogDeviceSetting::IsCellPopupWindow(HWND) const { return FALSE; }

void CDialogDeviceSetting::HideActiveCellPublic() { m_bCellPopupOpen = FALSE; }

void CDialogDeviceSetting::ApplyBoldFonts() {}

void CDialogDeviceSetting::UpdateTextsAndVisibility() {}

void CDialogDeviceSetting::ArrangeRowsForModel() {}
