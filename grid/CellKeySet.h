// The ordered set of cell keys of the settings grid. A key is
// row << 16 | column (16 bits each), so ascending key order is row-major
// order, which is the grid's Tab order.
#pragma once
#include <windows.h>
#include <set>

// The key of the cell at (row, column); each half is truncated to 16 bits.
inline DWORD MakeCellKey(int row, int column) {
    return ((DWORD)(WORD)row << 16) | (DWORD)(WORD)column;
}
inline int CellKeyRow(DWORD key) { return (int)HIWORD(key); }
inline int CellKeyColumn(DWORD key) { return (int)LOWORD(key); }

class CCellKeySet {
public:
    static constexpr DWORD kNoKey = 0xFFFFFFFF;

    void Insert(DWORD key) { m_keys.insert(key); }
    void Erase(DWORD key) { m_keys.erase(key); }
    void Clear() { m_keys.clear(); }
    bool Contains(DWORD key) const { return m_keys.count(key) != 0; }
    bool IsEmpty() const { return m_keys.empty(); }
    size_t GetCount() const { return m_keys.size(); }

    // The key after key; kNoKey when key is not in the set or is the last one.
    DWORD FindNextKey(DWORD key) const;
    // The key before key; kNoKey when key is not in the set or is the first one.
    DWORD FindPrevKey(DWORD key) const;
    // The smallest and largest key; kNoKey when the set is empty.
    DWORD GetFirstKey() const;
    DWORD GetLastKey() const;

    // Rebuild the set with every key whose row word (column word) is at least
    // n moved up by one; the others stay. Only inserts shift (insert TRUE).
    void ShiftHighWord(int n, BOOL insert);
    void ShiftLowWord(int n, BOOL insert);

    typedef std::set<DWORD>::const_iterator const_iterator;
    const_iterator begin() const { return m_keys.begin(); }
    const_iterator end() const { return m_keys.end(); }

private:
    std::set<DWORD> m_keys;
};
