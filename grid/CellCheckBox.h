// The on/off cell. Its state is the first character of its text, "1" or
// "0"; the rest is a label. With two option texts it shows both options
// side by side, each with its glyph: state "0" marks the first (left)
// option, state "1" the second (right) one. On the settings grid the first
// option is the Enable word and the second the Disable word, so state "1"
// reads "Disable".
#pragma once
#include "grid/CellButton.h"

class CCellCheckBox : public CCellButton {
public:
    CCellCheckBox();

    // Normalises the text (a text not starting with '0' or '1' gets "0" in
    // front) and empties both option texts.
    void Init(HWND hList, const BOOL* pListEnabled, LPCWSTR text) override;

    // The option marked by state "0" (left) and by state "1" (right). Call
    // them after SetCellCtrl, whose Init empties them.
    void SetFirstOptionText(const CString& text) { m_strFirstOption = text; }
    void SetSecondOptionText(const CString& text) { m_strSecondOption = text; }
    CString GetFirstOptionText() const { return m_strFirstOption; }
    CString GetSecondOptionText() const { return m_strSecondOption; }
    // The same two operations under the names the row builders use: the
    // "checked" text is the first option, the "unchecked" text the second.
    void SetCheckedText(const CString& text) { SetFirstOptionText(text); }
    void SetUncheckedText(const CString& text) { SetSecondOptionText(text); }

    BOOL GetCheck() const { return m_strText.GetAt(0) == L'1'; }
    void SetCheck(BOOL check);
    CString GetLabel() const;
    // Toggles and repaints the button while the cell is active.
    void ToggleCheck();

    void Draw(CDC* pDC, const RECT* rc, UINT itemState) override;
    int GetPreferredWidth() override;
    const RECT* GetRect() override { return &m_rcButton; }
    const RECT* GetTextRect() override { return &m_rcCell; }
    BOOL OnClicked(UINT nFlags, CPoint point) override;

    void AddClassStyle(DWORD bits) override { s_dwClassStyle |= bits; }
    void RemoveClassStyle(DWORD bits) override { s_dwClassStyle &= ~bits; }
    DWORD GetStyle() override { return s_dwClassStyle | m_dwStyle; }

    static const int kGlyphSize = 20;

private:
    void DrawGlyph(CDC* pDC, int x, int y, BOOL marked, BOOL grayed);

    RECT m_rcCell = {0, 0, 0, 0};
    CString m_strFirstOption;
    CString m_strSecondOption;
    static DWORD s_dwClassStyle;
};

// Fills g_cellImageList with the four glyphs of bitmap 303 when it is empty.
void EnsureCheckImages();
