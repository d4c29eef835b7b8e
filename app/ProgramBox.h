// The base of the program's own boxes (message box, language dialog,
// new-firmware prompt, About box): the wizard's background and font, its
// flat buttons, the same margins, Enter on the focused button, and, when
// the box closes, the owner active again with the focus where it was.
#pragma once
#include <initializer_list>
#include <memory>
#include <vector>
#include "framework/Framework.h"
#include "app/WizardButton.h"

class CProgramBox : public CDialog {
public:
    explicit CProgramBox(UINT templateId, CWnd* parent = nullptr);
    ~CProgramBox() override;

    INT_PTR DoModal() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The box's flat button of a control id (null when there is none).
    CWizardButton* Button(int id);

    // The number of the program's boxes on the screen right now.
    static int OpenCount();

protected:
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnShowWindow(BOOL show, UINT status);
    DECLARE_MESSAGE_MAP()

    // Lays out the buttons along the bottom of the client area: those of
    // fromRight right-aligned in that order, leftId at the left edge; each as
    // wide as its caption needs. Hidden buttons take no room. Returns the
    // top of the row.
    int LayoutButtonRow(std::initializer_list<int> fromRight, int leftId = 0);
    // Sets the client area's size and centres the box on its owner.
    void SetClientSizeCentred(int cx, int cy);
    // Remembers where the focus is now, to be given back when the box goes
    // (DoModal does it by itself; a modeless box calls these two).
    void SaveOwnerFocus();
    void RestoreOwnerFocus();
    HWND OwnerRoot() const;

    CBrush m_brushBackground;

private:
    std::vector<std::unique_ptr<CWizardButton>> m_buttons;
    HWND m_hSavedFocus = nullptr;
    HWND m_hSavedOwner = nullptr;
    BOOL m_bCounted = FALSE;
};
