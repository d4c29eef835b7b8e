// A push button in a grid cell: a caption on a button face, or, with an
// empty caption, a bitmap resource. A click on the button rectangle posts a
// message fixed at construction to a target window (nothing with a null
// target). The settings grid's "?" help cells are such buttons with no
// target and bitmap 188.
#pragma once
#include "grid/CellButton.h"

class CCellPushButton : public CCellButton {
public:
    CCellPushButton(HWND hTarget = nullptr, UINT nMsg = 0, WPARAM wParam = 0, LPARAM lParam = 0);
    ~CCellPushButton() override;

    void SetBitmapId(UINT nId) { m_nBitmapId = nId; }
    UINT GetBitmapId() const { return m_nBitmapId; }
    void GetText(CString& out) const { out = m_strText; }
    using CCellCtrl::GetText;

    const RECT* GetRect() override { return &m_rcButton; }
    const RECT* GetTextRect() override { return &m_rcText; }
    void Draw(CDC* pDC, const RECT* rc, UINT itemState) override;
    int GetPreferredWidth() override;
    BOOL OnLButtonDown(UINT nFlags, CPoint point) override;
    BOOL OnLButtonUp(UINT nFlags, CPoint point) override;
    BOOL OnClicked(UINT nFlags, CPoint point) override;
    // Repaints the button while it is active.
    void Repaint();

    void AddClassStyle(DWORD bits) override { s_dwClassStyle |= bits; }
    void RemoveClassStyle(DWORD bits) override { s_dwClassStyle &= ~bits; }
    DWORD GetStyle() override { return s_dwClassStyle | m_dwStyle; }

private:
    RECT m_rcText = {0, 0, 0, 0};
    HWND m_hTarget;
    UINT m_nMsg;
    WPARAM m_wParam;
    LPARAM m_lParam;
    UINT m_nBitmapId = 0;
    // The bitmap of the id last drawn (shared, loaded once per id).
    HBITMAP m_hBitmap = nullptr;
    UINT m_nLoadedId = 0;
    static DWORD s_dwClassStyle;
};
