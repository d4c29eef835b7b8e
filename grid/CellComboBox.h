// A drop-down cell with a fixed list of options, one of which is the current
// value. The options come as one text in which a line feed ends every option
// but the last. When the first option equals a later one (ignoring case), the
// first is dropped and the later one is current; otherwise nothing is current
// until SetCurSel.
#pragma once
#include "grid/CellDropDown.h"
#include <vector>

class CPopUpScrollList;

class CCellComboBox : public CCellDropDown {
public:
    CCellComboBox();
    ~CCellComboBox() override;

    void Init(HWND hList, const BOOL* pListEnabled, LPCWSTR text) override;
    void Draw(CDC* pDC, const RECT* rc, UINT itemState) override;
    int GetPreferredWidth() override;
    BOOL OnMouseMove(UINT nFlags, CPoint point) override;

    // Makes item nIndex current from outside and shows it; FALSE (nothing
    // changes) for an index outside the items.
    BOOL SetCurSel(int nIndex);
    int GetCurSel() const { return m_nCurrent; }

    void SyncPopup() override;
    // Makes the popup window on the first opening (once).
    BOOL CreatePopupWindow() override;
    void CalcPopupRect(RECT* pOut, BOOL bBelow) override;
    BOOL SelectIndex(int nIndex) override;
    // Draws one text aligned by the cell's own style (bHighlighted has no effect).
    void DrawItemText(CDC* pDC, RECT* pRect, const CString* text, BOOL bHighlighted, BOOL bGrayed);

    int GetItemCount() const { return (int)m_items.size(); }
    CString GetItem(int i) const { return (i >= 0 && i < GetItemCount()) ? m_items[(size_t)i] : CString(); }
    int GetVisibleLines() const { return m_nVisibleLines; }
    CPopUpScrollList* GetPopupList() const;

    void AddClassStyle(DWORD bits) override { s_dwClassStyle |= bits; }
    void RemoveClassStyle(DWORD bits) override { s_dwClassStyle &= ~bits; }
    DWORD GetStyle() override { return s_dwClassStyle | m_dwStyle; }

private:
    int m_nVisibleLines = 6;
    int m_nCurrent = 0;
    std::vector<CString> m_items;
    static DWORD s_dwClassStyle;
};
