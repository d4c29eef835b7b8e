// The program's small text files of key=value lines: split into lines at the
// newline and each line at its first '='; key and value trimmed; keys are
// compared case-sensitively; a line without '=' is ignored.
#pragma once
#include "framework/String.h"
#include <vector>

class CKeyValueFile {
public:
    // Parses 8-bit text (UTF-8, or the system code page where it is not).
    void Parse(const char* text, int length);
    // Reads a whole file; FALSE (and no entries) when it cannot be read.
    BOOL Load(const CString& path);

    // The value of the last line with this key; FALSE when there is none.
    BOOL Lookup(const wchar_t* key, CString& value) const;
    int Count() const { return (int)m_entries.size(); }

    // Writes "key=value\n" lines as UTF-8 text; the file is replaced only
    // once it is written whole. An entry whose key or value holds a line
    // break (CR or LF) is not written. FALSE when it cannot be written.
    static BOOL Save(const CString& path, const std::vector<std::pair<CString, CString>>& entries);

private:
    std::vector<std::pair<CString, CString>> m_entries;
};
