// The frame inside the main wizard dialog that holds the page dialogs as its
// children; a page reaches the main dialog as the parent of this frame.
#pragma once
#include "framework/Framework.h"

class CPageFrame : public CWnd {
public:
    // Creates the frame over the given rectangle of the parent's client area.
    BOOL Create(CWnd* parent, const RECT& rect, UINT id);

protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
