// The SPEED DIAL page (wizard page 7): the three speed-dial numbers of the
// recognised headset, edited on a working copy of the device record and
// written by SAVE. A number holds at most 20 of "0123456789#*+".
#pragma once
#include "framework/Framework.h"
#include "app/WizardPage.h"
#include "core/DeviceRecord.h"
#include "settings/SettingsWrite.h"

class CDialogDeviceSettingSpeedDial : public CWizardPage {
public:
    explicit CDialogDeviceSettingSpeedDial(CWnd* parent = nullptr);

    CDeviceRecord m_workingRecord;
    CDeviceRecord m_defaultRecord;
    // The page asked for while this page had unsaved changes; 0 for none.
    int m_nPendingPage = 0;

    // Called by the main wizard each time page 7 is entered.
    void OnPageActivate();
    // 1 while a number differs from the device record's.
    int IsSettingsChanged();
    int HasUnsavedChanges();
    // Writes the three numbers to the headset (ACTION, or YES to the save prompt).
    void ApplySettingsToDevice();
    // NO to the save prompt: drops the edits and goes to the pending page.
    void DiscardChangesAndGoToPage();
    // Relabels the page in the UI language and enables the edits unless busy.
    void UpdateLanguageTexts();

    // The characters a number may hold, and its longest length.
    static const wchar_t* const kAllowed;
    static const int kMaxLength = 20;
    // The number with only those characters, cut to the longest length;
    // *refused tells whether another character was taken out.
    static CString KeepDialable(const CString& number, bool* refused = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL UsesPageBackground(CWnd* pWnd, UINT nCtlColor) override;
    // The end of a save whose writes ran on a worker.
    LRESULT OnSaveWritten(WPARAM result, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void EndSave(SettingsWriteResult result);
    void ShowNumbers();
    void OnNumberChanged(UINT id);
    void FilterNumber(int k);
    void OnBnClickedDefault();
    void OnBnClickedCancel();

    CButton m_btnDefault, m_btnCancel;
    CStatic m_staticLabel[DEVICE_SPEED_DIALS];
    CEdit m_editNumber[DEVICE_SPEED_DIALS];
    CFont m_fontBold;  // created once, with the page
    // ShowNumbers rewrites the edits; their change notifications then see
    // text that is already valid.
    bool m_bShowing = false;
};
