// The FM RADIO page (wizard page 6): the FM region, ten station presets
// (spin, typed value or empty) and RDS AF of the recognised headset, edited
// on a working copy of the device record and written by SAVE.
#pragma once
#include "framework/Framework.h"
#include "app/WizardPage.h"
#include "core/DeviceRecord.h"
#include "settings/SettingsWrite.h"

class CDialogDeviceSettingSecond : public CWizardPage {
public:
    explicit CDialogDeviceSettingSecond(CWnd* parent = nullptr);

    CDeviceRecord m_workingRecord;
    CDeviceRecord m_defaultRecord;
    // The page asked for while this page had unsaved changes; 0 for none.
    int m_nPendingPage = 0;

    // Called by the main wizard each time page 6 is entered.
    void OnPageActivate();
    // Nonzero while the working record's FM block or settings differ from
    // the device record (presets 7 to 10 not compared on six-preset models).
    int IsSettingsChanged();
    int HasUnsavedChanges();
    // Writes the FM block to the headset (ACTION, or YES to the save prompt).
    void ApplySettingsToDevice();
    // NO to the save prompt: drops the edits and goes to the pending page.
    void DiscardChangesAndGoToPage();
    // Relabels the page in the UI language and enables what may be edited.
    void UpdateLanguageTexts();

    static const int kPresets = DEVICE_FM_PRESETS;
    // Control ids of preset i (0..9).
    static int CheckId(int i);
    static int EditId(int i);
    static int BuddyId(int i);
    static int SpinId(int i);
    static int UnitId(int i);

    // Preset handlers (public for the tests, which press as the user does).
    void OnPresetCheckClicked(int i);
    void OnPresetValueChanged(int i);
    // Validates the typed text of preset i; 1 when it was taken.
    int OnPresetEditKillFocus(int i);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL UsesPageBackground(CWnd* pWnd, UINT nCtlColor) override;
    // The end of a save whose writes ran on a worker.
    LRESULT OnSaveWritten(WPARAM result, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void EndSave(SettingsWriteResult result);
    void ShowSettings();
    void ShowPresetText(int i);
    void OnPresetCommand(UINT id);
    void OnPresetEditSetFocus(UINT id);
    void OnPresetEditChanged(UINT id);
    void OnPresetEditKillFocusId(UINT id);
    void OnBnClickedDefault();
    void OnBnClickedCancel();
    void OnBnClickedEnableRdsAf();
    void OnBnClickedDisableRdsAf();
    void OnBnClickedHelpRdsAf();
    void OnCbnSelchangeRegion();
    void OnPresetBuddyChanged(UINT id);
    // Busy or the setting-group popup open: handlers change nothing.
    bool Locked() const;
    // Presets 7 to 10 of the six-preset models are never written.
    bool PresetWritten(int i) const;
    // The preset i of a control id; -1 for none.
    static int PresetOf(UINT id, int (*idOf)(int));

    CButton m_btnDefault, m_btnCancel;
    CStatic m_staticRegion, m_staticPresets, m_staticRds;
    CComboBox m_comboRegion;
    CBitmapButton m_btnHelpRds;
    CButton m_radioRdsEnable, m_radioRdsDisable;
    CButton m_checkPreset[kPresets];
    CEdit m_editPreset[kPresets];
    CEdit m_editBuddy[kPresets];
    CSpinButtonCtrl m_spinPreset[kPresets];
    CStatic m_staticUnit[kPresets];
    CFont m_fontBold;  // created once, with the page
    // The preset edits' bold font in the charset of a Chinese, Japanese or
    // Korean UI language: edits draw their text in one font, without the
    // links to other fonts that the labels get. Created once per language.
    CFont m_fontEditCjk[3];
    CFont* PresetEditFont(int language);
};
