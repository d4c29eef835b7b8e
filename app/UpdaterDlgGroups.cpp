// The setting groups of the main dialog: the Basic group button, the button
// that opens the list of every group, and the list itself (a popup over the
// wizard). On the settings pages they switch between the Basic, FM radio and
// speed-dial pages; on the restore page they pick the group of the backup
// that the page shows.
#include "app/UpdaterDlg.h"
#include "app/AppTexts.h"
#include "app/resource.h"
#include "texts/LabelTables.h"

namespace {

CString GroupName(int kind, int language) {
    int slot = texts::LanguageSlot(language);
    switch (kind) {
    case SETTING_PAGE_BASIC: return apptext::Get(apptext::kBasicGroup, language);
    case SETTING_PAGE_FM_RADIO: return g_txtFmRadio[slot][0];
    case SETTING_PAGE_SPEED_DIAL: return g_txtSpeedDial[slot][0];
    default: return CString();
    }
}

}  // namespace

void CUpdaterDlg::UpdateGroupControls() {
    // The groups of the device on the settings pages, of the backup on the
    // restore page.
    const int* kinds = m_anSettingPageKind;
    int count = m_nSettingPageCount, index = m_nSettingPageIndex;
    bool shown = false;
    if (m_nPage >= PAGE_DEVICE_SETTING && m_nPage <= PAGE_SPEED_DIAL) {
        shown = count > 0;
    } else if (m_nPage == PAGE_FIRMWARE_RESTORE) {
        kinds = m_restorePage.m_anSettingPageKind;
        count = m_restorePage.m_nSettingPageCount;
        index = m_restorePage.m_nSettingPageIndex;
        shown = count > 0;
    }
    if (count > SETTING_PAGE_KINDS_MAX) count = SETTING_PAGE_KINDS_MAX;
    int selectedKind = (index >= 0 && index < count) ? kinds[index] : 0;
    bool hasBasic = false;
    for (int i = 0; i < count; ++i) hasBasic = hasBasic || kinds[i] == SETTING_PAGE_BASIC;

    m_btnGroupBasic.SetWindowText(GroupName(SETTING_PAGE_BASIC, m_nLanguage));
    m_btnGroupBasic.SetSelected(selectedKind == SETTING_PAGE_BASIC);
    m_btnGroupBasic.ShowWindow(shown && hasBasic ? SW_SHOW : SW_HIDE);
    m_btnGroupBasic.EnableWindow(!m_bBusy);

    // The list button names the selected group when it is not Basic.
    CString listCaption = selectedKind && selectedKind != SETTING_PAGE_BASIC ? GroupName(selectedKind, m_nLanguage)
                                                                            : CString();
    listCaption += listCaption.IsEmpty() ? L"\u25BC" : L" \u25BC";
    m_btnGroupList.SetWindowText(listCaption);
    m_btnGroupList.SetSelected(selectedKind && selectedKind != SETTING_PAGE_BASIC);
    m_btnGroupList.ShowWindow(shown && count > 1 ? SW_SHOW : SW_HIDE);
    m_btnGroupList.EnableWindow(!m_bBusy);
    if (!shown) CloseGroupList();
}

void CUpdaterDlg::OpenGroupList() {
    const int* kinds = m_nPage == PAGE_FIRMWARE_RESTORE ? m_restorePage.m_anSettingPageKind : m_anSettingPageKind;
    int count = m_nPage == PAGE_FIRMWARE_RESTORE ? m_restorePage.m_nSettingPageCount : m_nSettingPageCount;
    int index = m_nPage == PAGE_FIRMWARE_RESTORE ? m_restorePage.m_nSettingPageIndex : m_nSettingPageIndex;
    if (count > SETTING_PAGE_KINDS_MAX) count = SETTING_PAGE_KINDS_MAX;
    m_listGroups.ResetContent();
    for (int i = 0; i < count; ++i) m_listGroups.AddString(GroupName(kinds[i], m_nLanguage));
    if (index >= 0 && index < count) m_listGroups.SetCurSel(index);

    // Below the group buttons, as wide as both, one line per group.
    RECT basic, list;
    m_btnGroupBasic.GetWindowRect(&basic);
    m_btnGroupList.GetWindowRect(&list);
    ScreenToClient(&basic);
    ScreenToClient(&list);
    int itemHeight = (int)m_listGroups.SendMessage(LB_GETITEMHEIGHT, 0, 0);
    int left = m_btnGroupBasic.IsWindowVisible() ? basic.left : list.left;
    int top = list.bottom + 2;
    m_listGroups.SetWindowPos(HWND_TOP, left, top, list.right - left, itemHeight * count + 4, SWP_SHOWWINDOW);
    m_listGroups.SetFocus();
    m_bPopupOpen = TRUE;
}

void CUpdaterDlg::CloseGroupList() {
    if (!m_bPopupOpen && !(m_listGroups.m_hWnd && m_listGroups.IsWindowVisible())) return;
    m_bPopupOpen = FALSE;
    if (m_listGroups.m_hWnd) m_listGroups.ShowWindow(SW_HIDE);
}

void CUpdaterDlg::SelectGroup(int index) {
    if (m_nPage == PAGE_FIRMWARE_RESTORE) {
        if (index < 0 || index >= m_restorePage.m_nSettingPageCount) return;
        m_restorePage.m_nSettingPageIndex = index;
        m_restorePage.ShowBackupInfoLabels();
        m_restorePage.RefreshPage();
        UpdateControls();
        return;
    }
    if (m_nPage < PAGE_DEVICE_SETTING || m_nPage > PAGE_SPEED_DIAL) return;
    if (index < 0 || index >= m_nSettingPageCount) return;
    int page = PageOfKind(m_anSettingPageKind[index]);
    if (page && page != m_nPage) GoToPage(page);
    else UpdateControls();
}

void CUpdaterDlg::OnBnClickedBasicGroup() {
    if (m_bBusy) return;
    CloseGroupList();
    const int* kinds = m_nPage == PAGE_FIRMWARE_RESTORE ? m_restorePage.m_anSettingPageKind : m_anSettingPageKind;
    int count = m_nPage == PAGE_FIRMWARE_RESTORE ? m_restorePage.m_nSettingPageCount : m_nSettingPageCount;
    for (int i = 0; i < count && i < SETTING_PAGE_KINDS_MAX; ++i) {
        if (kinds[i] == SETTING_PAGE_BASIC) {
            SelectGroup(i);
            return;
        }
    }
}

void CUpdaterDlg::OnBnClickedGroupList() {
    if (m_bBusy) return;
    if (m_bPopupOpen) CloseGroupList();
    else OpenGroupList();
}

void CUpdaterDlg::OnLbnSelchangeGroupList() {
    if (m_bBusy) return;
    int index = m_listGroups.GetCurSel();
    CloseGroupList();
    SelectGroup(index);
    // The list had the focus and is gone: it goes to the page now shown.
    if (!FocusShownPage()) RescueFocus();
}

BOOL CUpdaterDlg::FocusShownPage() {
    CDialog* page = PageWindow(m_nPage);
    if (!page || !page->m_hWnd || !page->IsWindowVisible()) return FALSE;
    HWND first = ::GetNextDlgTabItem(page->m_hWnd, nullptr, FALSE);
    if (!first || !::IsChild(page->m_hWnd, first) || !::IsWindowVisible(first) || !::IsWindowEnabled(first))
        return FALSE;
    ::SetFocus(first);
    return TRUE;
}

void CUpdaterDlg::OnLbnKillfocusGroupList() {
    // Focus moving to the list button is its own toggle.
    if (CWnd::GetFocus() != &m_btnGroupList) CloseGroupList();
}
