#include "grid/CellKeySet.h"

DWORD CCellKeySet::FindNextKey(DWORD key) const {
    auto it = m_keys.find(key);
    if (it == m_keys.end()) return kNoKey;
    ++it;
    return it == m_keys.end() ? kNoKey : *it;
}

DWORD CCellKeySet::FindPrevKey(DWORD key) const {
    auto it = m_keys.find(key);
    if (it == m_keys.end() || it == m_keys.begin()) return kNoKey;
    --it;
    return *it;
}

DWORD CCellKeySet::GetFirstKey() const { return m_keys.empty() ? kNoKey : *m_keys.begin(); }

DWORD CCellKeySet::GetLastKey() const { return m_keys.empty() ? kNoKey : *m_keys.rbegin(); }

void CCellKeySet::ShiftHighWord(int n, BOOL insert) {
    if (!insert) return;
    std::set<DWORD> shifted;
    for (DWORD key : m_keys) {
        int row = CellKeyRow(key);
        shifted.insert(row >= n ? MakeCellKey(row + 1, CellKeyColumn(key)) : key);
    }
    m_keys.swap(shifted);
}

void CCellKeySet::ShiftLowWord(int n, BOOL insert) {
    if (!insert) return;
    std::set<DWORD> shifted;
    for (DWORD key : m_keys) {
        int column = CellKeyColumn(key);
        shifted.insert(column >= n ? MakeCellKey(CellKeyRow(key), column + 1) : key);
    }
    m_keys.swap(shifted);
}
