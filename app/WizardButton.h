// The wizard's own buttons, drawn flat: the step buttons of the left column
// (the current page's is marked), the setting-group buttons and BACK /
// ACTION / NEXT. Long captions wrap and shrink to fit.
#pragma once
#include "framework/Framework.h"

class CWizardButton : public CButton {
public:
    enum Kind { kStep, kGroup, kNavigation, kPrimary };
    Kind m_nKind = kStep;
    BOOL m_bSelected = FALSE;  // the current step, or the selected group

    void SetSelected(BOOL selected);
    void DrawItem(LPDRAWITEMSTRUCT dis) override;
};
