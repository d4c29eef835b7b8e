// A window-free settings grid that records what the rows put into it and
// behaves like the grid's cells where the rows depend on it: a list splits
// its text at newlines and refuses an index outside its options.
#pragma once
#include "settings/rows/SettingsGridRows.h"
#include <cwctype>
#include <string>
#include <vector>

struct FakeCell {
    bool helpButton = false;
    CString label;
    int kind = 0;  // 0 none, 1 check box, 2 list
    CString stateText;
    std::vector<CString> options;
    int selected = -1;
    bool disabled = false;
    int disableCalls = 0;
    CString firstText, secondText;
    bool textsSet = false;

    int Check() const { return kind == 1 ? (stateText.GetAt(0) == L'1' ? 1 : 0) : -1; }
    // The word a two-option check box marks: state "0" the first, "1" the second.
    CString MarkedText() const { return Check() == 1 ? secondText : firstText; }
    CString SelectedText() const { return selected >= 0 ? options[(size_t)selected] : CString(); }
};

inline bool EqualNoCase(const CString& a, const CString& b) {
    if (a.GetLength() != b.GetLength()) return false;
    for (int i = 0; i < a.GetLength(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

class FakeSettingsGrid : public rows::ISettingsGrid {
public:
    std::vector<FakeCell> cells;
    int deleteAllCalls = 0;

    int GetRowCount() override { return (int)cells.size(); }
    void DeleteAllRows() override { ++deleteAllCalls; cells.clear(); }
    void InsertRow(int row) override { cells.insert(cells.begin() + row, FakeCell()); }
    void AddHelpButton(int row) override { cells.at((size_t)row).helpButton = true; }
    void SetLabel(int row, const CString& text) override { cells.at((size_t)row).label = text; }
    void AddCheckBox(int row, const wchar_t* stateText) override {
        FakeCell& c = cells.at((size_t)row);
        c.kind = 1;
        c.stateText = stateText;
        if (c.stateText.GetAt(0) != L'0' && c.stateText.GetAt(0) != L'1') c.stateText = CString(L"0") + c.stateText;
        c.firstText.Empty();
        c.secondText.Empty();
    }
    void AddList(int row, const CString& joined) override {
        FakeCell& c = cells.at((size_t)row);
        c.kind = 2;
        c.options.clear();
        std::wstring s = joined.GetString();
        size_t start = 0;
        for (;;) {
            size_t nl = s.find(L'\n', start);
            c.options.push_back(CString(s.substr(start, nl == std::wstring::npos ? std::wstring::npos : nl - start).c_str()));
            if (nl == std::wstring::npos) break;
            start = nl + 1;
        }
        c.selected = -1;
        for (size_t i = 1; i < c.options.size(); ++i) {
            if (EqualNoCase(c.options[i], c.options[0])) {
                c.options.erase(c.options.begin());
                c.selected = (int)i - 1;
                break;
            }
        }
    }
    bool SelectOption(int row, int index) override {
        FakeCell& c = cells.at((size_t)row);
        if (c.kind != 2 || index < 0 || index >= (int)c.options.size()) return false;
        c.selected = index;
        return true;
    }
    void SetDisabled(int row, bool disabled) override {
        cells.at((size_t)row).disabled = disabled;
        cells.at((size_t)row).disableCalls++;
    }
    void SetCheckTexts(int row, const CString& first, const CString& second) override {
        FakeCell& c = cells.at((size_t)row);
        c.firstText = first;
        c.secondText = second;
        c.textsSet = true;
    }
    int GetCheck(int row) override {
        return (row >= 0 && row < (int)cells.size()) ? cells[(size_t)row].Check() : -1;
    }
    void SetCheck(int row, int state) override {
        FakeCell& c = cells.at((size_t)row);
        if (c.kind == 1) c.stateText.SetAt(0, state ? L'1' : L'0');
    }
    int GetSelectedOption(int row) override {
        return (row >= 0 && row < (int)cells.size() && cells[(size_t)row].kind == 2) ? cells[(size_t)row].selected : -1;
    }
    bool IsDisabled(int row) override { return row >= 0 && row < (int)cells.size() && cells[(size_t)row].disabled; }

    // What a click on the unmarked option of a check box does.
    void Toggle(int row) { SetCheck(row, GetCheck(row) ? 0 : 1); }
};

// A device record with firmware major.minor (the working copies carry it too).
inline CDeviceRecord RecordWithFirmware(int model, int major, int minor) {
    CDeviceRecord r;
    r.m_nModelId = model;
    r.m_version.m_nMajor = major;
    r.m_version.m_nMinor = minor;
    return r;
}
