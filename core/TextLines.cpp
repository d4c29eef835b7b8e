#include "core/TextLines.h"

bool CLineReader::Next(CString* line) {
    const std::wstring& text = m_text.str();
    while (m_pos < text.size()) {
        size_t end = text.find(L'\n', m_pos);
        if (end == std::wstring::npos) end = text.size();
        const size_t start = m_pos;
        m_pos = end + 1;
        if (end > start) {
            *line = CString(text.substr(start, end - start));
            return true;
        }
    }
    return false;
}

bool SplitKeyValue(const CString& line, CString* key, CString* value) {
    int equals = line.Find(L'=');
    if (equals < 0) return false;
    *key = line.Left(equals);
    key->Trim();
    if (key->IsEmpty()) return false;
    *value = line.Mid(equals + 1);
    value->Trim();
    return true;
}
