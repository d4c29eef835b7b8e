#include "settings/rows/ConfigListRowsGrid.h"
#include "grid/CellCheckBox.h"
#include "grid/CellComboBox.h"
#include "grid/CellPushButton.h"
#include "grid/ConfigListCtrl.h"
#include <algorithm>

namespace rows {

namespace {
const int kValueColumn = 2;
}  // namespace

int CConfigListRowsGrid::GetRowCount() {
    return (int)::SendMessageW(m_list.GetSafeHwnd(), LVM_GETITEMCOUNT, 0, 0);
}

void CConfigListRowsGrid::DeleteAllRows() { m_list.DeleteAllItems(); }

void CConfigListRowsGrid::InsertRow(int row) { m_list.InsertItem(row, L""); }

void CConfigListRowsGrid::AddHelpButton(int row) {
    m_list.SetCellCtrl(row, 0, new CCellPushButton(nullptr, 0, 0, 0), L"");
    if (auto* button = m_list.GetCellAs<CCellPushButton>(row, 0)) button->SetBitmapId(kHelpBitmapId);
}

void CConfigListRowsGrid::SetLabel(int row, const CString& text) {
    m_list.SetItem(row, 1, LVIF_TEXT, text, 0, 0, 0, 0);
}

void CConfigListRowsGrid::AddCheckBox(int row, const wchar_t* stateText) {
    m_list.SetCellCtrl(row, kValueColumn, new CCellCheckBox(), stateText);
}

void CConfigListRowsGrid::AddList(int row, const CString& joinedOptions) {
    m_list.SetCellCtrl(row, kValueColumn, new CCellComboBox(), joinedOptions);
}

bool CConfigListRowsGrid::SelectOption(int row, int index) {
    auto* combo = m_list.GetCellAs<CCellComboBox>(row, kValueColumn);
    return combo && combo->SetCurSel(index);
}

void CConfigListRowsGrid::SetDisabled(int row, bool disabled) {
    m_list.SetCellDisabled(row, kValueColumn, disabled ? TRUE : FALSE);
}

void CConfigListRowsGrid::SetCheckTexts(int row, const CString& firstText, const CString& secondText) {
    if (auto* box = m_list.GetCellAs<CCellCheckBox>(row, kValueColumn)) {
        box->SetCheckedText(firstText);
        box->SetUncheckedText(secondText);
    }
}

int CConfigListRowsGrid::GetCheck(int row) {
    auto* box = m_list.GetCellAs<CCellCheckBox>(row, kValueColumn);
    return box ? (box->GetCheck() ? 1 : 0) : -1;
}

void CConfigListRowsGrid::SetCheck(int row, int state) {
    auto* box = m_list.GetCellAs<CCellCheckBox>(row, kValueColumn);
    if (!box) return;
    box->SetCheck(state ? TRUE : FALSE);
    m_list.UpdateCellText(box, box->GetText());
}

int CConfigListRowsGrid::GetSelectedOption(int row) {
    auto* combo = m_list.GetCellAs<CCellComboBox>(row, kValueColumn);
    return combo ? combo->GetCurSel() : -1;
}

bool CConfigListRowsGrid::IsDisabled(int row) {
    CCellCtrl* cell = m_list.GetCellCtrl(row, kValueColumn);
    return cell && (cell->GetOwnStyle() & cellstyle::kDisabled) != 0;
}

void CConfigListRowsGrid::BeginUpdate() { m_list.SendMessage(WM_SETREDRAW, FALSE, 0); }

void CConfigListRowsGrid::EndUpdate() {
    m_list.SendMessage(WM_SETREDRAW, TRUE, 0);
    m_list.Invalidate(FALSE);
}

}  // namespace rows

namespace rows {

namespace {

// Room around the texts of a cell: a check-box word follows its 20-pixel
// glyph; a list's text leaves room for the arrow button.
const int kGlyph = 20;
const int kOptionGap = 8;
const int kArrowRoom = 28;
const int kNameRoom = 12;

int TextWidth(CDC& dc, const CString& text) {
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(dc.GetSafeHdc(), text.GetString(), text.GetLength(), &size);
    return size.cx;
}

}  // namespace

void MeasureRowWidths(CConfigListCtrl& list, int* nameWidth, int* valueWidth) {
    int names = 0, values = 0;
    CClientDC dc(&list);
    HGDIOBJ old = nullptr;
    const int count = (int)::SendMessageW(list.GetSafeHwnd(), LVM_GETITEMCOUNT, 0, 0);
    for (int row = 0; row < count; ++row) {
        CCellCtrl* cell = list.GetCellCtrl(row, kValueColumn);
        if (cell && cell->GetNormalFont()) {
            HGDIOBJ was = ::SelectObject(dc.GetSafeHdc(), cell->GetNormalFont());
            if (!old) old = was;
        }
        names = std::max(names, TextWidth(dc, list.GetItemText(row, 1)) + kNameRoom);
        if (auto* box = dynamic_cast<CCellCheckBox*>(cell)) {
            const int word = std::max(TextWidth(dc, box->GetFirstOptionText()), TextWidth(dc, box->GetSecondOptionText()));
            values = std::max(values, 2 * (kGlyph + word + kOptionGap));
        } else if (auto* combo = dynamic_cast<CCellComboBox*>(cell)) {
            for (int i = 0; i < combo->GetItemCount(); ++i)
                values = std::max(values, TextWidth(dc, combo->GetItem(i)) + kArrowRoom);
        }
    }
    if (old) ::SelectObject(dc.GetSafeHdc(), old);
    if (nameWidth) *nameWidth = names;
    if (valueWidth) *valueWidth = values;
}

void FitColumns(int nameNeed, int valueNeed, int* nameWidth, int* valueWidth) {
    const int total = *nameWidth + *valueWidth;
    if (valueNeed <= *valueWidth) return;
    int value = std::min(valueNeed, total);
    int name = total - value;
    // Names keep what they need when the values can do with less than they ask.
    if (name < nameNeed) {
        name = std::min(nameNeed, total - *valueWidth);
        value = total - name;
    }
    *nameWidth = name;
    *valueWidth = value;
}

}  // namespace rows
