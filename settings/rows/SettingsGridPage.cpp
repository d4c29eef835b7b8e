#include "settings/rows/SettingsGridPage.h"
#include "app/DialogMessageBox.h"
#include "app/UpdaterDlg.h"
#include "grid/ConfigListCtrl.h"
#include "settings/rows/ConfigListRowsGrid.h"
#include "texts/WizardTexts.h"

namespace rows {

namespace {
const int kSettingsPage = 5;
}  // namespace

RowsContext ContextOf(const CUpdaterDlg& main) {
    return RowsContext{main.m_nTargetModel, &main.m_deviceRecord, main.m_nLanguage};
}

void FillSettingsGrid(CConfigListCtrl& list, const CUpdaterDlg& main, const CDeviceRecord& working) {
    // The list view takes the grid's row height when its size is announced;
    // before the rows go in, so that the scroll range counts whole rows.
    CRect rc;
    list.GetWindowRect(&rc);
    WINDOWPOS wp{};
    wp.hwnd = list.GetSafeHwnd();
    wp.cx = rc.Width();
    wp.cy = rc.Height();
    wp.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    list.SendMessage(WM_WINDOWPOSCHANGED, 0, (LPARAM)&wp);
    CConfigListRowsGrid grid(list);
    FillSettingsList(grid, ContextOf(main), working);
}

void ShowHelpBox(CUpdaterDlg& main, const HelpBox& help) {
    CString ok;
    GetTextOk(ok, main.m_nLanguage);
    SIZE size = {help.width, help.height};
    CDialogMessageBox box(&main);
    box.SetupEx(help.text, 0, nullptr, nullptr, ok, &size, FALSE);
    box.DoModal();
}

bool OnSettingsGridClick(CConfigListCtrl& list, CUpdaterDlg& main, int row, int column, CDeviceRecord& working) {
    if (main.m_nPage != kSettingsPage) return false;
    const RowsContext ctx = ContextOf(main);
    if (column == 0) {
        HelpBox help;
        if (GetRowHelp(ctx, row, &help)) {
            ShowHelpBox(main, help);
            return false;
        }
        return HelpGapRefreshesPage(ctx.modelId);
    }
    if (column != 2) return false;
    CConfigListRowsGrid grid(list);
    if (!OnCheckBoxClicked(grid, ctx, row, working)) return false;
    list.Invalidate(TRUE);
    return true;
}

bool OnSettingsGridPick(CConfigListCtrl& list, CUpdaterDlg& main, int row, int column, CDeviceRecord& working) {
    if (main.m_nPage != kSettingsPage || column != 2) return false;
    CConfigListRowsGrid grid(list);
    return OnValuePicked(grid, ContextOf(main), row, working);
}

}  // namespace rows
