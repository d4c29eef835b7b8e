// the FM RADIO page (wizard page 6). A shell for now: the working
// and defaults records, the pending page and the operations the main wizard
// calls.
#pragma once
#include "framework/Framework.h"
#include "app/WizardPage.h"
#include "core/DeviceRecord.h"

class CDialogDeviceSettingSecond : public CWizardPage {
public:
    explicit CDialogDeviceSettingSecond(CWnd* parent = nullptr);

    CDeviceRecord m_workingRecord;
    CDeviceRecord m_defaultRecord;
    // The page asked for while this page had unsaved changes; 0 for none.
    int m_nPendingPage = 0;

    // Called by the main wizard each time page 6 is entered.
    void OnPageActivate();
    // Nonzero while the working record differs from the device record.
    int IsSettingsChanged();
    int HasUnsavedChanges();
    // Writes the working record to the headset (ACTION, or YES to the save prompt).
    void ApplySettingsToDevice();
    // NO to the save prompt: drops the edits and goes to the pending page.
    void DiscardChangesAndGoToPage();
    // Relabels the page in the UI language.
    void UpdateLanguageTexts();

protected:
    DECLARE_MESSAGE_MAP()
};
