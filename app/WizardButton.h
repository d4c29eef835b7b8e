// The program's own buttons, drawn flat in every window: the step buttons of
// the wizard's left column (the current page's is marked), the setting-group
// buttons, BACK / ACTION / NEXT and the buttons of the boxes. They light up
// under the mouse, darken while pressed, show a clear focus mark and take
// part in the dialog's default-button handling, so that Enter presses the
// focused button (or the dialog's default) like any push button.
#pragma once
#include "framework/Framework.h"

class CWizardButton : public CButton {
public:
    enum Kind { kStep, kGroup, kNavigation, kPrimary };
    Kind m_nKind = kStep;
    BOOL m_bSelected = FALSE;  // the current step, or the selected group

    void SetSelected(BOOL selected);
    void DrawItem(LPDRAWITEMSTRUCT dis) override;

    // The mouse is over the button.
    BOOL IsHot() const { return m_bHot; }
    // The dialog manager made this the default button (Enter presses it).
    BOOL IsDefault() const { return m_bDefault; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;

private:
    void SetHot(BOOL hot);
    BOOL m_bHot = FALSE;
    BOOL m_bDefault = FALSE;
    BOOL m_bTracking = FALSE;
};
