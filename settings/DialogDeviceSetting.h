// the DEVICE SETTING page (wizard page 5, the basic settings). A shell for now: the working
// and defaults records, the pending page and the operations the main wizard
// calls.
#pragma once
#include "framework/Framework.h"
#include "app/WizardPage.h"
#include "core/DeviceRecord.h"

class CDialogDeviceSetting : public CWizardPage {
public:
    explicit CDialogDeviceSetting(CWnd* parent = nullptr);

    CDeviceRecord m_workingRecord;
    CDeviceRecord m_defaultRecord;
    // The page asked for while this page had unsaved changes; 0 for none.
    int m_nPendingPage = 0;

    // Called by the main wizard each time page 5 is entered.
    void OnPageActivate();
    // Nonzero while the working record differs from the device record.
    int IsSettingsChanged();
    int HasUnsavedChanges();
    // Writes the working record to the headset (ACTION, or YES to the save prompt).
    void ApplySettingsToDevice();
    // NO to the save prompt: drops the edits and goes to the pending page.
    void DiscardChangesAndGoToPage();
    // TRUE while a drop-down cell of the grid has its popup list open.
    BOOL m_bCellPopupOpen = FALSE;
    // The popup list of the open cell (or its scroll bar): presses on it go on.
    BOOL IsCellPopupWindow(HWND hWnd) const;
    // Closes the grid's active cell (and with it an open popup list).
    void HideActiveCellPublic();
    void ApplyBoldFonts();
    void UpdateTextsAndVisibility();
    void ArrangeRowsForModel();

protected:
    DECLARE_MESSAGE_MAP()
};
