// The DEVICE SETTING page's rows placed and set per model.
#include "settings/DialogDeviceSetting.h"
#include "app/DpiScale.h"
#include "app/MoveWindowScaled.h"
#include "app/UpdaterDlg.h"
#include "app/resource.h"
#include "core/SettingValues.h"
#include "settings/DeviceSettingRows.h"

namespace {

std::vector<int> ControlIdsOf(int row) {
    std::vector<int> ids;
    switch (row) {
    case dsrows::kButtons: return {IDC_DS_DEFAULT, IDC_DS_CANCEL};
    case dsrows::kMoreSettings: return {IDC_DS_MORE_SETTINGS};
    case dsrows::kRestartNote: return {IDC_DS_RESTART_NOTE, IDC_DS_NOTE_BUTTON};
    default:
        for (const dsrows::RowControl& c : dsrows::ControlsOf((dsrows::Row)row)) ids.push_back(c.id);
        return ids;
    }
}

}  // namespace

void CDialogDeviceSetting::SetRadioStates() {
    CUpdaterDlg* main = MainDialog();
    int model = main->m_nTargetModel;
    for (const dsrows::RadioPair& pair : dsrows::RadioPairs()) {
        bool enabled = dsrows::IsEnabledIn(pair, m_workingRecord, model);
        CheckDlgButton(pair.enableId, enabled ? BST_CHECKED : BST_UNCHECKED);
        CheckDlgButton(pair.disableId, enabled ? BST_UNCHECKED : BST_CHECKED);
    }
}

void CDialogDeviceSetting::ArrangeRowsForModel() {
    CUpdaterDlg* main = MainDialog();
    if (!main || !m_hWnd) return;
    CRect page;
    GetWindowRect(&page);
    const int model = main->m_nTargetModel;
    const dsrows::Layout* layout = dsrows::LayoutOf(model, main->m_deviceRecord);
    if (layout) {
        // The states of the rows the layout places (the radio pairs outside
        // it are hidden, so their marks do no harm).
        SetRadioStates();
        m_comboMotion.SetCurSel(m_workingRecord.GetMotionSensorSensitivity() - 1);
        m_comboOverlay.SetCurSel(10 - m_workingRecord.GetOverlaySensitivity());
        if (model == 0x5210) {
            int level = TransmitGainToLevelIndex(m_workingRecord.m_nRadioTransmitGain);
            CheckDlgButton(IDC_DS_GAIN_LOW, level == 0 ? BST_CHECKED : BST_UNCHECKED);
            CheckDlgButton(IDC_DS_GAIN_MEDIUM, level == 1 ? BST_CHECKED : BST_UNCHECKED);
            CheckDlgButton(IDC_DS_GAIN_HIGH, level == 2 ? BST_CHECKED : BST_UNCHECKED);
            CString seconds;
            seconds.Format(L"%d", m_workingRecord.m_nAudioChannelTimeout);
            m_editTimeout.SetWindowText(seconds);
            m_spinTimeout.SendMessage(UDM_SETPOS, 0, MAKELPARAM(LOWORD(m_workingRecord.m_nAudioChannelTimeout), 0));
        }
        // The margin is given in pixels at 96 dpi.
        const int margin = dpiscale::Y(layout->margin);
        for (const dsrows::Placement& p : layout->placements)
            for (int id : ControlIdsOf(p.row))
                if (CWnd* w = GetDlgItem(id)) MoveWindowScaled(&page, layout->rows, margin, p.index, w);
    }
    // ---- The grid's rows: the row builder decides which models have any. ----
    FillSettingsList();
}
