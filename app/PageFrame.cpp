#include "app/PageFrame.h"
#include "app/Theme.h"

BEGIN_MESSAGE_MAP(CPageFrame, CWnd)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CPageFrame::Create(CWnd* parent, const RECT& rect, UINT id) {
    LPCTSTR cls = RegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW));
    return CreateEx(WS_EX_CONTROLPARENT, cls, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rect,
                    parent, id);
}

BOOL CPageFrame::OnEraseBkgnd(CDC* pDC) {
    RECT r;
    GetClientRect(&r);
    pDC->FillSolidRect(&r, theme::kBackground);
    return TRUE;
}
