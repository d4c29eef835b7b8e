#include "update/PackageFileName.h"
#include "core/VersionCompare.h"
#include <cwchar>

namespace {

bool IsStripped(wchar_t c) { return c == L'.' || c == L'i' || c == L'm' || c == L'g'; }

// The position of the language separator in the stem's last three
// characters ('-' before '_'), or -1.
int LanguageSeparator(const CString& stem) {
    int tail = stem.GetLength() - 3;
    if (tail < 0) tail = 0;
    int dash = stem.ReverseFind(L'-');
    if (dash >= tail) return dash;
    int underscore = stem.ReverseFind(L'_');
    if (underscore >= tail) return underscore;
    return -1;
}

int Decimal(const CString& field) { return (int)std::wcstol(field.GetString(), nullptr, 10); }

}  // namespace

CString PackageNameStem(const CString& path) {
    int slash = path.ReverseFind(L'\\');
    int other = path.ReverseFind(L'/');
    if (other > slash) slash = other;
    CString name = path.Mid(slash + 1);
    int n = name.GetLength();
    while (n > 0 && IsStripped(name[n - 1])) --n;
    return name.Left(n);
}

CString PackageLanguageCode(const CString& path) {
    CString stem = PackageNameStem(path);
    int sep = LanguageSeparator(stem);
    return sep < 0 ? CString() : stem.Mid(sep + 1);
}

int VoicePromptCodeFromTwoLetterCode(const CString& code) {
    static const wchar_t* const kCodes[] = {L"fr", L"de", L"it", L"jp", L"kr", L"es", L"dc", L"rs", L"cn", L"fn"};
    for (int i = 0; i < 10; ++i)
        if (code == kCodes[i]) return i + 1;
    return 0;
}

int RemapVoicePromptCode(int code) {
    static const int kSent[] = {1, 4, 3, 6, 5, 2, 7, 8, 9, 10};
    return code >= 1 && code <= 10 ? kSent[code - 1] : 0;
}

int VoicePromptCodeFromLanguageName(const CString& language) {
    static const struct { const wchar_t* name; int code; } kNames[] = {
        {L"French", 1}, {L"German", 4}, {L"Italian", 3}, {L"Japanese", 9}, {L"Korean", 8},
        {L"Spanish", 2}, {L"Dutch", 5}, {L"Russian", 6}, {L"Chinese", 7}, {L"Finnish", 10},
    };
    for (const auto& n : kNames)
        if (language == n.name) return n.code;
    return 0;
}

bool IsVersionGatedDeviceType(int deviceType) { return deviceType == 16 || deviceType == 27; }

bool PackageNameVersionAllowed(const CString& path) {
    CString stem = PackageNameStem(path);
    int sep = LanguageSeparator(stem);
    if (sep >= 0) stem = stem.Left(sep);
    CString version = stem.Mid(stem.ReverseFind(L'v') + 1);
    if (version.Find(L'.') < 0) return true;
    int field[3] = {0, 0, 0};
    int start = 0;
    for (int i = 0; i < 3 && start <= version.GetLength(); ++i) {
        int dot = version.Find(L'.', start);
        int end = dot < 0 ? version.GetLength() : dot;
        field[i] = Decimal(version.Mid(start, end - start));
        if (dot < 0) break;
        start = dot + 1;
    }
    return CompareVersionTriple(field[0], field[1], field[2], GATED_MIN_MAJOR, GATED_MIN_MINOR, GATED_MIN_THIRD) >= 0;
}
