// The DEVICE SETTING page (wizard page 5, the basic settings). It edits a
// working copy of the recognised headset's record with the classic
// Enable/Disable rows of the older headsets or with the settings grid of
// the newer ones, offers DEFAULT and CANCEL, and writes the copy to the
// headset on SAVE.
//
// Which classic rows a model shows and where they stand are the tables of
// DeviceSettingRows; the grid's rows are the row builder's (FillSettingsList).
#pragma once
#include "framework/Framework.h"
#include "app/WizardPage.h"
#include "core/DeviceRecord.h"
#include "settings/SettingsWrite.h"
#include "grid/ConfigListCtrl.h"
#include "grid/ConfigListOwner.h"

class CDialogDeviceSetting : public CWizardPage, public CConfigListOwner {
public:
    explicit CDialogDeviceSetting(CWnd* parent = nullptr);

    CDeviceRecord m_workingRecord;
    CDeviceRecord m_defaultRecord;
    // The page asked for while this page had unsaved changes; 0 for none.
    int m_nPendingPage = 0;
    // TRUE while a drop-down cell of the grid has its popup list open.
    BOOL m_bCellPopupOpen = FALSE;
    // The settings grid (control 1201), filled by FillSettingsList.
    CConfigListCtrl m_listSettings;

    // Called by the main wizard each time page 5 is entered.
    void OnPageActivate();
    // 1 while a setting the model has differs from the device record.
    int IsSettingsChanged();
    int HasUnsavedChanges();
    // Writes the working record to the headset (ACTION, or YES to the save prompt).
    void ApplySettingsToDevice();
    // NO to the save prompt: drops the edits and goes to the pending page.
    void DiscardChangesAndGoToPage();
    // The popup list of the open cell (or its scroll bar): presses on it go on.
    BOOL IsCellPopupWindow(HWND hWnd) const;
    // Closes the grid's active cell (and with it an open popup list).
    void HideActiveCellPublic();

    // The page's bold font on its texts and controls (created once).
    void ApplyBoldFonts();
    // Captions in the UI language, which rows or the grid show, and the
    // busy state's disabled controls.
    void UpdateTextsAndVisibility();
    // Shows (or hides) and enables (or disables) every classic control;
    // without bWithVisibility only the interactive ones' enable state.
    void ShowClassicRows(BOOL bOn, BOOL bWithVisibility);
    // The grid's three column widths.
    void SetListColumnWidths();
    // Radio states, combo selections and positions of the model's rows from
    // the working record; then the grid's rows.
    void ArrangeRowsForModel();
    // The grid's rows for the target model and firmware.
    void FillSettingsList();

    // The grid's clicks and picks (help, check boxes, lists) on the working record.
    void OnConfigListClick(CConfigListCtrl& list, int row, int column) override;
    void OnConfigListValuePicked(CConfigListCtrl& list, int row, int column, CCellComboBox& combo) override;
    void OnConfigListPopupDone(CConfigListCtrl& list) override;
    void OnConfigListPopupOpen(CConfigListCtrl& list, BOOL open) override;

    // "%s (3 ~ 60)" with "seconds" in the UI language.
    void GetSecondsRangeText(CString* out);
    // The two notes of the page in the UI language.
    void GetTextNoteOnboardAudio(CString* out);
    void GetTextNoteRestartToApply(CString* out);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL UsesPageBackground(CWnd* pWnd, UINT nCtlColor) override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // The end of a save whose writes ran on a worker.
    LRESULT OnSaveWritten(WPARAM result, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void EndSave(SettingsWriteResult result);
    // Busy or the setting-group popup open: handlers change nothing.
    bool Locked() const;
    void Refresh();
    void OnBnClickedDefault();
    void OnBnClickedCancel();
    void OnRadioClicked(UINT id);
    void OnHelpClicked(UINT id);
    void OnBnClickedNote();
    void OnCbnSelchangeMotion();
    void OnCbnSelchangeOverlay();
    void OnEnChangeTimeout();
    void SetRadioStates();
    void Show(int id, bool show, bool interactive);

    CButton m_btnMore, m_btnDefault, m_btnCancel, m_btnNote;
    CComboBox m_comboMotion, m_comboOverlay;
    CEdit m_editTimeout;
    CSpinButtonCtrl m_spinTimeout;
    static const int kHelpButtons = 14;
    CBitmapButton m_btnHelp[kHelpButtons];
    // Created by the first ApplyBoldFonts and kept for the page's life.
    CFont m_fontBold;
    CFont m_fontNoteJapanese;
};
