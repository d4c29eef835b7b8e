// CFileDialog: the system's Open / Save As dialog. A test answers it through
// fw::test::SetFileDialogAnswer instead of showing it.
#pragma once
#include "framework/Wnd.h"
#include <commdlg.h>
#include <functional>
#include <optional>
#include <vector>

class CFileDialog {
public:
    // filter: "Text (*.txt)|*.txt|All (*.*)|*.*||" as usual.
    CFileDialog(BOOL openDialog, LPCTSTR defExt = nullptr, LPCTSTR fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;
    virtual INT_PTR DoModal();

    CString GetPathName() const { return m_path; }
    CString GetFileName() const;
    CString GetFolderPath() const;
    BOOL IsOpenDialog() const { return m_bOpenFileDialog; }
    // The file name the dialog proposes when it opens.
    CString GetInitialFileName() const { return m_fileName; }

    OPENFILENAMEW m_ofn{};
    CString m_initialDir;  // copied into m_ofn.lpstrInitialDir by DoModal when set

private:
    BOOL m_bOpenFileDialog;
    CString m_defExt, m_fileName, m_filter;
    std::vector<wchar_t> m_filterBuf, m_fileBuf;
    CString m_path;
    CWnd* m_pParent;
    friend struct FileDialogAccess;
};

namespace fw {
namespace test {
// Returns the chosen path, or nullopt for Cancel.
using FileDialogAnswer = std::function<std::optional<CString>(CFileDialog&)>;
void SetFileDialogAnswer(FileDialogAnswer answer);
}  // namespace test
}  // namespace fw
