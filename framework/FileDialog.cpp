#include "framework/FileDialog.h"

namespace {
fw::test::FileDialogAnswer g_fileAnswer;
}

namespace fw {
namespace test {
void SetFileDialogAnswer(FileDialogAnswer answer) { g_fileAnswer = std::move(answer); }
}  // namespace test
}  // namespace fw

CFileDialog::CFileDialog(BOOL openDialog, LPCTSTR defExt, LPCTSTR fileName, DWORD flags, LPCTSTR filter,
                         CWnd* parent)
    : m_bOpenFileDialog(openDialog), m_defExt(defExt), m_fileName(fileName), m_filter(filter), m_pParent(parent) {
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.Flags = flags | OFN_EXPLORER | OFN_NOCHANGEDIR;
}

INT_PTR CFileDialog::DoModal() {
    if (g_fileAnswer) {
        std::optional<CString> path = g_fileAnswer(*this);
        if (!path) return IDCANCEL;
        m_path = *path;
        return IDOK;
    }
    // "a|b|c||" becomes "a\0b\0c\0\0".
    m_filterBuf.assign(m_filter.GetString(), m_filter.GetString() + m_filter.GetLength());
    for (auto& c : m_filterBuf) if (c == L'|') c = 0;
    m_filterBuf.push_back(0);
    m_filterBuf.push_back(0);
    m_fileBuf.assign(32768, 0);
    wcsncpy(m_fileBuf.data(), m_fileName, m_fileBuf.size() - 1);

    m_ofn.hwndOwner = m_pParent ? m_pParent->m_hWnd : ::GetActiveWindow();
    m_ofn.lpstrFilter = m_filter.IsEmpty() ? nullptr : m_filterBuf.data();
    m_ofn.lpstrFile = m_fileBuf.data();
    m_ofn.nMaxFile = (DWORD)m_fileBuf.size();
    m_ofn.lpstrDefExt = m_defExt.IsEmpty() ? nullptr : m_defExt.GetString();
    if (!m_initialDir.IsEmpty()) m_ofn.lpstrInitialDir = m_initialDir;
    BOOL ok = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
    if (!ok) return IDCANCEL;
    m_path = m_fileBuf.data();
    return IDOK;
}

CString CFileDialog::GetFileName() const {
    int slash = m_path.ReverseFind(L'\\');
    return slash < 0 ? m_path : m_path.Mid(slash + 1);
}

CString CFileDialog::GetFolderPath() const {
    int slash = m_path.ReverseFind(L'\\');
    return slash < 0 ? CString() : m_path.Left(slash);
}
