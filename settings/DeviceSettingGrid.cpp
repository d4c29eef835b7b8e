// The settings grid's rows. Until the row builder is in, the grid of every
// model stays empty.
#include "settings/DialogDeviceSetting.h"

void CDialogDeviceSetting::FillSettingsList() {
    if (m_listSettings.m_hWnd && m_listSettings.GetItemCount() != 0) m_listSettings.DeleteAllItems();
}
