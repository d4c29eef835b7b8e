#include "FontLinks.h"
#include "framework/Gdi.h"
#include <vector>

namespace texttest {

namespace {

const wchar_t kSystemLinkKey[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink";

// Fallbacks in the order GDI tries them: CJK first, then symbols such as
// U+25B6 that the CJK font lacks in some sizes.
struct Fallback {
    const wchar_t* entry;  // "file,face" as in the registry
    const wchar_t* face;
    const wchar_t* package;
};
const Fallback kFallbacks[] = {
    {L"NotoSansCJK-Regular.ttc,Noto Sans CJK JP", L"Noto Sans CJK JP", L"fonts-noto-cjk"},
    {L"DejaVuSans.ttf,DejaVu Sans", L"DejaVu Sans", L"fonts-dejavu-core"},
};

int CALLBACK StopAtFirst(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// The entries of a REG_MULTI_SZ value.
std::vector<std::wstring> ReadLinks(HKEY key, const CString& face) {
    std::vector<std::wstring> links;
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key, face, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_MULTI_SZ)
        return links;
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 2, 0);
    if (RegQueryValueExW(key, face, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS)
        return links;
    for (const wchar_t* p = data.data(); *p; p += wcslen(p) + 1) links.emplace_back(p);
    return links;
}

bool Lists(const std::vector<std::wstring>& links, const wchar_t* entry) {
    for (const std::wstring& l : links)
        if (_wcsicmp(l.c_str(), entry) == 0) return true;
    return false;
}

}  // namespace

CString SelectedFace(HFONT font) {
    CDC dc;
    dc.CreateCompatibleDC((HDC)nullptr);
    CGdiSelection selected(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    return CString(face);
}

CString LinkedFace(HFONT font) {
    CDC dc;
    dc.CreateCompatibleDC((HDC)nullptr);
    CGdiSelection selected(dc, font);
    CString name;
    UINT size = GetOutlineTextMetricsW(dc, 0, nullptr);
    if (size >= sizeof(OUTLINETEXTMETRICW)) {
        std::vector<BYTE> data(size);
        OUTLINETEXTMETRICW* otm = reinterpret_cast<OUTLINETEXTMETRICW*>(data.data());
        if (GetOutlineTextMetricsW(dc, size, otm) && (size_t)otm->otmpFaceName < size)
            name = reinterpret_cast<const wchar_t*>(data.data() + (size_t)otm->otmpFaceName);
    }
    return name;
}

bool HasFallbackLinks(const CString& face) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSystemLinkKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    std::vector<std::wstring> links = ReadLinks(key, face);
    RegCloseKey(key);
    for (const Fallback& f : kFallbacks)
        if (!Lists(links, f.entry)) return false;
    return true;
}

bool FaceInstalled(const wchar_t* face) {
    LOGFONTW lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC dc = CreateCompatibleDC(nullptr);
    EnumFontFamiliesExW(dc, &lf, StopAtFirst, reinterpret_cast<LPARAM>(&found), 0);
    DeleteDC(dc);
    return found;
}

bool LinkFallbackFonts(const CString& face, CString& error) {
    error.Empty();
    for (const Fallback& f : kFallbacks) {
        if (!FaceInstalled(f.face)) {
            error = CString(L"font \"") + f.face + L"\" is not installed (package " + f.package + L")";
            return false;
        }
    }
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSystemLinkKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        error = L"cannot open the font link key";
        return false;
    }
    std::vector<std::wstring> links = ReadLinks(key, face);
    bool changed = false;
    for (const Fallback& f : kFallbacks) {
        if (!Lists(links, f.entry)) {
            links.emplace_back(f.entry);
            changed = true;
        }
    }
    if (changed) {
        std::wstring data;
        for (const std::wstring& l : links) data += l + L'\0';
        data += L'\0';
        if (RegSetValueExW(key, face, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(data.data()),
                           (DWORD)(data.size() * sizeof(wchar_t))) != ERROR_SUCCESS) {
            error = L"cannot write the font links";
            changed = false;
        }
    }
    RegCloseKey(key);
    return changed;
}

}  // namespace texttest
