#include "core/ServerFileName.h"
#include <windows.h>
#include <cwchar>

namespace {

// Longer names are refused wherever the folder is.
const int kMaxNameLength = 200;
// What FreeInstallerPath may add to a name that is taken: " (20)".
const int kCopySuffixLength = 5;

}  // namespace

bool IsDeviceFileName(const CString& name) {
    int dot = name.Find(L'.');
    CString base = dot < 0 ? name : name.Left(dot);
    base.TrimRight();
    base.MakeUpper();
    static const wchar_t* const kNames[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$", L"CLOCK$"};
    for (const wchar_t* device : kNames)
        if (base == device) return true;
    if (base.GetLength() != 4 || (base.Left(3) != L"COM" && base.Left(3) != L"LPT")) return false;
    const wchar_t digit = base[3];
    return (digit >= L'0' && digit <= L'9') || digit == 0x00B9 || digit == 0x00B2 || digit == 0x00B3;
}

int ServerFileNameRoom(const CString& folder) {
    int room = MAX_PATH - 1 - folder.GetLength() - kCopySuffixLength;
    return room < kMaxNameLength ? room : kMaxNameLength;
}

bool IsServerFileName(const CString& name, const CString& folder) {
    const int length = name.GetLength();
    if (length == 0 || length > ServerFileNameRoom(folder)) return false;
    if (name.Find(L"..") >= 0) return false;
    for (int i = 0; i < length; ++i) {
        const wchar_t c = name[i];
        if (c < 0x20 || c == 0x7F || wcschr(L"\\/:*?\"<>|#%", c)) return false;
    }
    const wchar_t last = name[length - 1];
    if (name[0] == L' ' || last == L' ' || last == L'.') return false;
    return !IsDeviceFileName(name);
}
