#include "app/KeyValueFile.h"
#include "core/TextLines.h"
#include "framework/Handle.h"
#include <windows.h>

namespace {

// 8-bit text to wide text: UTF-8 when it is valid UTF-8, else the ANSI page.
CString Decode(const char* s, int n) {
    if (n <= 0) return CString();
    int wide = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, s, n, nullptr, 0);
    UINT page = wide > 0 ? CP_UTF8 : CP_ACP;
    DWORD flags = wide > 0 ? MB_ERR_INVALID_CHARS : 0;
    wide = ::MultiByteToWideChar(page, flags, s, n, nullptr, 0);
    if (wide <= 0) return CString();
    CString out;
    wchar_t* buf = out.GetBufferSetLength(wide);
    ::MultiByteToWideChar(page, flags, s, n, buf, wide);
    out.ReleaseBuffer(wide);
    return out;
}

}  // namespace

void CKeyValueFile::Parse(const char* text, int length) {
    m_entries.clear();
    if (!text || length <= 0) return;
    CLineReader lines(Decode(text, length));
    CString line, key, value;
    while (lines.Next(&line))
        if (SplitKeyValue(line, &key, &value)) m_entries.emplace_back(key, value);
}

BOOL CKeyValueFile::Load(const CString& path) {
    m_entries.clear();
    CHandle f(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) return FALSE;
    LARGE_INTEGER size{};
    BOOL ok = ::GetFileSizeEx(f, &size);
    // A configuration file is small; anything larger is not one of ours.
    const LONGLONG kMaxSize = 1 << 20;
    if (!ok || size.QuadPart > kMaxSize) return FALSE;
    std::vector<char> data((size_t)size.QuadPart + 1, 0);
    DWORD read = 0;
    ok = size.QuadPart == 0 || ::ReadFile(f, data.data(), (DWORD)size.QuadPart, &read, nullptr);
    f.Close();
    if (!ok) return FALSE;
    Parse(data.data(), (int)read);
    return TRUE;
}

BOOL CKeyValueFile::Lookup(const wchar_t* key, CString& value) const {
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        if (it->first == key) {
            value = it->second;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CKeyValueFile::Save(const CString& path, const std::vector<std::pair<CString, CString>>& entries) {
    CStringA text;
    for (const auto& e : entries) {
        // A line break would end the line early and make what follows a
        // line of its own, read back as a key: such an entry is left out,
        // and its key takes its default on the next read.
        if (e.first.FindOneOf(L"\r\n") >= 0 || e.second.FindOneOf(L"\r\n") >= 0) continue;
        text += WideToUtf8(e.first);
        text += "=";
        text += WideToUtf8(e.second);
        text += "\n";
    }
    CString temp = path + L".tmp";
    CHandle f(::CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) return FALSE;
    DWORD written = 0;
    BOOL ok = ::WriteFile(f, (const char*)text, (DWORD)text.GetLength(), &written, nullptr) &&
              written == (DWORD)text.GetLength();
    ok = f.Close() && ok;
    if (ok) ok = ::MoveFileExW(temp, path, MOVEFILE_REPLACE_EXISTING);
    if (!ok) ::DeleteFileW(temp);
    return ok;
}
