#include "app/AppPaths.h"
#include <windows.h>

namespace {
CString g_imageFolderOverride;

CString WithTrailingSlash(CString path) {
    if (!path.IsEmpty() && path.Right(1) != L"\\" && path.Right(1) != L"/") path += L"\\";
    return path;
}
}  // namespace

namespace apppaths {

CString ProgramFolder() {
    wchar_t path[MAX_PATH + 1] = {};
    DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return CString();
    CString full(path);
    int slash = full.ReverseFind(L'\\');
    if (slash < 0) return CString();
    return full.Left(slash + 1);
}

CString ImageFolder() {
    if (!g_imageFolderOverride.IsEmpty()) return g_imageFolderOverride;
    CString folder = ProgramFolder();
    if (folder.IsEmpty()) return CString();
    return folder + L"IMG\\";
}

CString ConfigFilePath() {
    CString folder = ImageFolder();
    if (folder.IsEmpty()) return CString();
    return folder + L"MorvexBluetoothDeviceManager.talvoconf";
}

CString FileDialogFolder(const CString& currentPath) {
    // A folder beyond the path limit is no folder a dialog can open.
    if (!currentPath.IsEmpty() && currentPath.GetLength() < MAX_PATH) return currentPath;
    CString folder = ImageFolder();
    return folder.IsEmpty() ? CString(L"\\") : folder;
}

void SetImageFolderForTest(const CString& folder) { g_imageFolderOverride = WithTrailingSlash(folder); }

}  // namespace apppaths
