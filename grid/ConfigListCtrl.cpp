// The grid's rows, columns and cell bookkeeping.
#include "grid/ConfigListCtrl.h"
#include "grid/ConfigListOwner.h"
#include "grid/ListCtrlCellWnd.h"
#include <vector>

CConfigListCtrl::CConfigListCtrl() = default;

CConfigListCtrl::~CConfigListCtrl() { DeleteAllCellsNow(); }

CConfigListCtrl* CConfigListCtrl::FromListHandle(HWND hWnd) {
    return hWnd ? dynamic_cast<CConfigListCtrl*>(CWnd::FromHandlePermanent(hWnd)) : nullptr;
}

CConfigListOwner* CConfigListCtrl::GetOwner() const {
    if (!m_hWnd) return nullptr;
    return dynamic_cast<CConfigListOwner*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

BOOL CConfigListCtrl::IsCellWindow(HWND hWnd) { return CListCtrlCellWnd::FromWindowOrAncestor(hWnd) != nullptr; }

void CConfigListCtrl::NotifyCellPopupOpen(BOOL open) {
    if (CConfigListOwner* owner = GetOwner()) owner->OnConfigListPopupOpen(*this, open);
}

void CConfigListCtrl::PreSubclassWindow() {
    if (HWND header = (HWND)::SendMessageW(m_hWnd, LVM_GETHEADER, 0, 0)) {
        if (!m_header.m_hWnd) m_header.SubclassWindow(header);
    }
    m_bEnabled = ::IsWindowEnabled(m_hWnd);
    CListCtrl::PreSubclassWindow();
}

// Rows and columns -----------------------------------------------------------

int CConfigListCtrl::InsertItem(int nItem, LPCWSTR text) {
    if (nItem < 0) return -1;
    int count = GetItemCount();
    if (nItem > count) nItem = count;
    OnItemInserted(nItem);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<LPWSTR>(text ? text : L"");
    return (int)SendMessage(LVM_INSERTITEMW, 0, (LPARAM)&item);
}

BOOL CConfigListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCWSTR lpszItem, int nImage, UINT nState,
                              UINT nStateMask, LPARAM lParam, int nIndent) {
    // A write of the text replaces the blank at once: only the cell goes first.
    if (nMask & LVIF_TEXT) RemoveCell(nItem, nSubItem);
    else DeleteCell(nItem, nSubItem);
    LVITEMW item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPWSTR>(lpszItem);
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    item.iIndent = nIndent;
    return (BOOL)SendMessage(LVM_SETITEMW, 0, (LPARAM)&item);
}

BOOL CConfigListCtrl::DeleteAllItems() {
    if (m_hWnd && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    DeleteAllCells();
    return (BOOL)SendMessage(LVM_DELETEALLITEMS);
}

int CConfigListCtrl::InsertColumn(int nCol, LPCWSTR heading, int format, int width, int subItem) {
    OnColumnInserted(nCol);
    int result = CListCtrl::InsertColumn(nCol, heading, format, width, subItem);
    if (!m_header.m_hWnd) {
        if (HWND header = (HWND)SendMessage(LVM_GETHEADER)) m_header.SubclassWindow(header);
    }
    ShiftColumnTexts(nCol);
    return result;
}

void CConfigListCtrl::OnItemInserted(int nItem) {
    // A row added below every cell moves none (a fill adds its rows at the end).
    if (m_keySet.IsEmpty() || CellKeyRow(m_keySet.GetLastKey()) < nItem) return;
    std::unordered_map<DWORD, CCellCtrl*> moved;
    for (const auto& e : m_cells) {
        int row = CellKeyRow(e.first);
        moved[row >= nItem ? MakeCellKey(row + 1, CellKeyColumn(e.first)) : e.first] = e.second;
    }
    m_cells.swap(moved);
    m_keySet.ShiftHighWord(nItem, TRUE);
    // The active cell moves with its row.
    if (m_pActiveCell && m_nActiveRow >= nItem) ++m_nActiveRow;
}

void CConfigListCtrl::OnColumnInserted(int nCol) {
    // List views differ in what an insert at 0 does to the texts: keep them,
    // so that ShiftColumnTexts can lay them out one column to the right.
    m_textsBeforeColumnInsert.clear();
    if (nCol == 0 && m_hWnd) {
        int columns = GetColumnCount(), rows = GetItemCount();
        m_textsBeforeColumnInsert.resize((size_t)rows);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) m_textsBeforeColumnInsert[(size_t)r].push_back(GetItemText(r, c));
        }
    }
    std::unordered_map<DWORD, CCellCtrl*> moved;
    for (const auto& e : m_cells) {
        int column = CellKeyColumn(e.first);
        moved[column >= nCol ? MakeCellKey(CellKeyRow(e.first), column + 1) : e.first] = e.second;
    }
    m_cells.swap(moved);
    m_keySet.ShiftLowWord(nCol, TRUE);
    if (m_pActiveCell && m_nActiveColumn >= nCol) ++m_nActiveColumn;
}

int CConfigListCtrl::GetColumnCount() const {
    if (HWND header = (HWND)SendMessage(LVM_GETHEADER)) return (int)::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0);
    int n = 0;
    LVCOLUMNW col{};
    col.mask = LVCF_WIDTH;
    while (SendMessage(LVM_GETCOLUMNW, (WPARAM)n, (LPARAM)&col)) ++n;
    return n;
}

void CConfigListCtrl::ShiftColumnTexts(int nCol) {
    if (nCol != 0) return;
    int n = GetColumnCount();
    int rows = GetItemCount();
    if (!m_textsBeforeColumnInsert.empty() && (int)m_textsBeforeColumnInsert.size() == rows) {
        for (int r = 0; r < rows; ++r) {
            const std::vector<CString>& before = m_textsBeforeColumnInsert[(size_t)r];
            SetItemTextRaw(r, 0, L"");
            for (int c = 1; c < n; ++c) SetItemTextRaw(r, c, c - 1 < (int)before.size() ? before[(size_t)c - 1] : CString());
        }
        m_textsBeforeColumnInsert.clear();
        return;
    }
    m_textsBeforeColumnInsert.clear();
    for (int c = n - 1; c >= 1; --c) {
        for (int r = 0; r < rows; ++r) SetItemTextRaw(r, c, GetItemText(r, c - 1));
    }
    if (n - 1 > 0) {
        for (int r = 0; r < rows; ++r) SetItemTextRaw(r, 0, L"");
    }
}

// Cells --------------------------------------------------------------------

BOOL CConfigListCtrl::SetCellCtrl(int nItem, int nSubItem, CCellCtrl* cell, LPCWSTR text) {
    if (!cell) return FALSE;
    // As AddCell, without blanking the text that is set just below.
    RemoveCell(nItem, nSubItem);
    PutCell(nItem, nSubItem, cell);
    cell->Init(m_hWnd, &m_bEnabled, text);
    return SetItemTextRaw(nItem, nSubItem, cell->GetText());
}

void CConfigListCtrl::AddCell(int nItem, int nSubItem, CCellCtrl* cell) {
    DeleteCell(nItem, nSubItem);
    PutCell(nItem, nSubItem, cell);
}

void CConfigListCtrl::PutCell(int nItem, int nSubItem, CCellCtrl* cell) {
    DWORD key = MakeCellKey(nItem, nSubItem);
    m_cells[key] = cell;
    m_keySet.Insert(key);
}

void CConfigListCtrl::DeleteCell(int nItem, int nSubItem) {
    SetItemTextRaw(nItem, nSubItem, L"");
    RemoveCell(nItem, nSubItem);
}

void CConfigListCtrl::RemoveCell(int nItem, int nSubItem) {
    DWORD key = MakeCellKey(nItem, nSubItem);
    auto it = m_cells.find(key);
    if (it != m_cells.end()) DeleteCellByKey(key, it->second);
}

void CConfigListCtrl::DeleteCellByKey(DWORD key, CCellCtrl* cell) {
    m_cells.erase(key);
    if (cell && cell == m_pActiveCell) HideActiveCell();
    delete cell;
    m_keySet.Erase(key);
}

void CConfigListCtrl::DeleteAllCells() {
    ForEachCell([this](DWORD key, CCellCtrl* cell) { DeleteCellByKey(key, cell); });
}

void CConfigListCtrl::DeleteAllCellsNow() {
    m_pActiveCell = nullptr;
    m_nActiveRow = m_nActiveColumn = -1;
    for (auto& e : m_cells) delete e.second;
    m_cells.clear();
    m_keySet.Clear();
}

void CConfigListCtrl::ForEachCell(const std::function<void(DWORD, CCellCtrl*)>& fn) {
    std::vector<std::pair<DWORD, CCellCtrl*>> entries(m_cells.begin(), m_cells.end());
    for (const auto& e : entries) {
        auto it = m_cells.find(e.first);
        if (it != m_cells.end() && it->second == e.second) fn(e.first, e.second);
    }
}

BOOL CConfigListCtrl::LookupCell(WORD nItem, WORD nSubItem, CCellCtrl** out) const {
    auto it = m_cells.find(MakeCellKey(nItem, nSubItem));
    if (it == m_cells.end()) return FALSE;
    if (out) *out = it->second;
    return TRUE;
}

CCellCtrl* CConfigListCtrl::GetCellCtrl(int nItem, int nSubItem) const {
    if (nItem < 0 || nSubItem < 0 || nItem > 0xFFFF || nSubItem > 0xFFFF) return nullptr;
    CCellCtrl* cell = nullptr;
    return LookupCell((WORD)nItem, (WORD)nSubItem, &cell) ? cell : nullptr;
}

BOOL CConfigListCtrl::SetItemTextRaw(int nItem, int nSubItem, LPCWSTR text) {
    if (!m_hWnd) return FALSE;
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPWSTR>(text ? text : L"");
    return (BOOL)SendMessage(LVM_SETITEMW, 0, (LPARAM)&item);
}

void CConfigListCtrl::UpdateCellText(CCellCtrl* cell, const CString& text) {
    for (const auto& e : m_cells) {
        if (e.second == cell) SetItemTextRaw(CellKeyRow(e.first), CellKeyColumn(e.first), text);
    }
}

void CConfigListCtrl::SetCellDisabled(int nItem, int nSubItem, BOOL bDisable) {
    CCellCtrl* cell = GetCellCtrl(nItem, nSubItem);
    if (!cell) return;
    if (bDisable) cell->ModifyStyleAdd(cellstyle::kDisabled);
    else cell->ModifyStyleRemove(cellstyle::kDisabled);
    CRect rc;
    if (m_hWnd && GetSubItemRect(nItem, nSubItem, LVIR_LABEL, rc)) InvalidateRect(&rc, FALSE);
}

BOOL CConfigListCtrl::IsCellDisabled(DWORD key) const {
    auto it = m_cells.find(key);
    return it != m_cells.end() && (it->second->GetStyle() & cellstyle::kDisabled) != 0;
}

// The active cell ------------------------------------------------------------

void CConfigListCtrl::HideActiveCell() {
    CCellCtrl* cell = m_pActiveCell;
    m_nActiveRow = m_nActiveColumn = -1;
    if (cell) cell->Deactivate();
    m_pActiveCell = nullptr;
}

BOOL CConfigListCtrl::ActivateCellByKey(DWORD key) {
    auto it = m_cells.find(key);
    if (it == m_cells.end()) return FALSE;
    CCellCtrl* cell = it->second;
    SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_pActiveCell = cell;
    m_nActiveRow = CellKeyRow(key);
    m_nActiveColumn = CellKeyColumn(key);
    cell->Activate();
    SetItemState(m_nActiveRow, LVIS_SELECTED, LVIS_SELECTED);
    CRect rc;
    GetSubItemRect(m_nActiveRow, m_nActiveColumn, LVIR_LABEL, rc);
    cell->SetRect(&rc);
    cell->OnActivate(0, CPoint(0, 0));
    return TRUE;
}

DWORD CConfigListCtrl::GetNextEnabledKey(DWORD key) const {
    DWORD current = key;
    for (;;) {
        if (!m_cells.count(current) || !IsCellDisabled(current)) return current;
        DWORD next = m_keySet.FindNextKey(current);
        if (next == CCellKeySet::kNoKey) return current;
        current = next;
    }
}

DWORD CConfigListCtrl::GetPrevEnabledKey(DWORD key) const {
    DWORD current = key;
    for (;;) {
        if (!m_cells.count(current) || !IsCellDisabled(current)) return current;
        DWORD prev = m_keySet.FindPrevKey(current);
        if (prev == CCellKeySet::kNoKey) return current;
        current = prev;
    }
}

void CConfigListCtrl::CommitActiveCellText() {
    if (!m_pActiveCell || m_nActiveRow < 0 || m_nActiveColumn < 0) return;
    if (CCellCtrl* cell = GetCellCtrl(m_nActiveRow, m_nActiveColumn)) InvalidateRect(cell->GetRect(), TRUE);
    SetItemTextRaw(m_nActiveRow, m_nActiveColumn, m_pActiveCell->GetText());
}
