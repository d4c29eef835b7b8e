// The settings grid of the DEVICE SETTING page: its rows come from the row
// descriptions of the target model (settings/rows), and its clicks and picks
// change the working record through the same descriptions.
#include "settings/DialogDeviceSetting.h"
#include "app/UpdaterDlg.h"
#include "settings/rows/SettingsGridPage.h"

void CDialogDeviceSetting::FillSettingsList() {
    CUpdaterDlg* main = MainDialog();
    if (!main || !m_listSettings.m_hWnd) return;
    rows::FillSettingsGrid(m_listSettings, *main, m_workingRecord);
    // The columns follow the words of the rows just built.
    if (m_listSettings.GetItemCount() != 0) SetListColumnWidths();
}

void CDialogDeviceSetting::OnConfigListClick(CConfigListCtrl& list, int row, int column) {
    CUpdaterDlg* main = MainDialog();
    if (!main || &list != &m_listSettings) return;
    if (!rows::OnSettingsGridClick(list, *main, row, column, m_workingRecord)) return;
    UpdateTextsAndVisibility();
    main->UpdateControls();
}

void CDialogDeviceSetting::OnConfigListValuePicked(CConfigListCtrl& list, int row, int column, CCellComboBox&) {
    CUpdaterDlg* main = MainDialog();
    if (!main || &list != &m_listSettings) return;
    rows::OnSettingsGridPick(list, *main, row, column, m_workingRecord);
}

void CDialogDeviceSetting::OnConfigListPopupDone(CConfigListCtrl& list) {
    // Picked or cancelled, the page and the wizard show the record as it is now.
    CUpdaterDlg* main = MainDialog();
    if (!main || &list != &m_listSettings || main->m_nPage != PAGE_DEVICE_SETTING) return;
    UpdateTextsAndVisibility();
    main->UpdateControls();
}

void CDialogDeviceSetting::OnConfigListPopupOpen(CConfigListCtrl&, BOOL open) { m_bCellPopupOpen = open; }
