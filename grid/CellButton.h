// A cell with a clickable button rectangle and a hover state: the base of
// the check-box, push-button and drop-down cells.
#pragma once
#include "grid/CellCtrl.h"

class CCellButton : public virtual CCellCtrl {
public:
    // The click on the button rectangle.
    virtual BOOL OnClicked(UINT nFlags, CPoint point) = 0;

    // Activates the cell, and clicks it when the point lies in the button
    // rectangle (the right and bottom edges are outside). Returns TRUE.
    BOOL OnLButtonDown(UINT nFlags, CPoint point) override;
    void UpdateHover(UINT nFlags, CPoint point) override;
    void ResetState() override;

    const RECT* GetButtonRect() const { return &m_rcButton; }
    BOOL IsHover() const { return m_bHover; }

    // TRUE when both corners of inner lie in outer by PtInRect (a corner on
    // outer's right or bottom edge counts as outside).
    static BOOL IsRectInsideRect(const RECT* inner, const RECT* outer);

protected:
    RECT m_rcButton = {0, 0, 0, 0};
    BOOL m_bHover = FALSE;
};
