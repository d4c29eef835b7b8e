#include "app/SoftwareList.h"
#include "app/AppPaths.h"
#include "core/VersionCompare.h"
#include <cwchar>

namespace {

BOOL ParseSize(const CString& text, long* size) {
    if (text.IsEmpty() || text.GetLength() > 10) return FALSE;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] < L'0' || text[i] > L'9') return FALSE;
    long v = wcstol(text, nullptr, 10);
    if (v <= 0) return FALSE;
    *size = v;
    return TRUE;
}

}  // namespace

BOOL IsPlainRelativePath(const CString& path) {
    if (path.IsEmpty() || path[0] == L'/' || path[path.GetLength() - 1] == L'/') return FALSE;
    const CString folder = apppaths::ImageFolder();
    int start = 0;
    while (start <= path.GetLength()) {
        int slash = path.Find(L'/', start);
        if (slash < 0) slash = path.GetLength();
        if (!IsServerFileName(path.Mid(start, slash - start), folder)) return FALSE;
        start = slash + 1;
    }
    return TRUE;
}

BOOL IsInstallerPath(const CString& path) {
    if (!IsPlainRelativePath(path)) return FALSE;
    CString extension = path.Right(4);
    extension.MakeLower();
    return path.GetLength() > 4 && path[path.GetLength() - 5] != L'/' && (extension == L".exe" || extension == L".msi");
}

CString SoftwareEntry::FileName() const {
    int slash = file.ReverseFind(L'/');
    return slash < 0 ? file : file.Mid(slash + 1);
}

void CSoftwareList::Parse(const char* text, int length) {
    m_nCount = 0;
    if (!text || length <= 0) return;
    CString all = Utf8ToWide(text, length);
    int start = 0;
    while (start < all.GetLength() && m_nCount < kMaxEntries) {
        int end = all.Find(L'\n', start);
        if (end < 0) end = all.GetLength();
        CString line = all.Mid(start, end - start);
        start = end + 1;
        CString fields[4];
        int count = 0, pos = 0;
        for (; count < 4; ++count) {
            int colon = line.Find(L':', pos);
            if (count == 3 || colon < 0) {
                fields[count] = line.Mid(pos);
                fields[count].Trim();
                ++count;
                break;
            }
            fields[count] = line.Mid(pos, colon - pos);
            fields[count].Trim();
            pos = colon + 1;
        }
        if (count < 3 || (count == 4 && fields[3].Find(L':') >= 0)) continue;
        SoftwareEntry e;
        e.name = fields[0];
        CString version = fields[1];
        if (e.name.IsEmpty() || version.GetLength() < 2 || (version[0] != L'v' && version[0] != L'V')) continue;
        if (!ParseMajorMinor(version.Mid(1), &e.major, &e.minor)) continue;
        e.file = fields[2];
        if (!IsInstallerPath(e.file)) continue;
        if (count == 4 && !ParseSize(fields[3], &e.size)) continue;
        m_entries[m_nCount++] = e;
    }
}

BOOL CSoftwareList::Find(const wchar_t* name, SoftwareEntry* entry) const {
    for (int i = 0; i < m_nCount; ++i) {
        if (m_entries[i].name == name) {
            if (entry) *entry = m_entries[i];
            return TRUE;
        }
    }
    return FALSE;
}
