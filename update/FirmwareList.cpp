#include "update/FirmwareList.h"
#include "update/FirmwareInfo.h"
#include <cwchar>

FirmwareListLine SplitFirmwareListLine(const CString& line) {
    FirmwareListLine out;
    CString rest = line;
    while (out.separators < 3) {
        int at = rest.Find(L':');
        if (at <= 0) break;
        CString field = rest.Left(at);
        out.fields.push_back(field.Trim());
        rest = rest.Mid(at + 1);
        ++out.separators;
    }
    out.fields.push_back(rest.Trim());
    return out;
}

namespace {

void ParseVersionInto(const CString& version, const FirmwareListQuery& query, CFirmwareInfo* info) {
    CString text = version.Mid(1);  // the leading 'v'
    if (query.fourPartVersion) info->ParseVersion4(text);
    else info->ParseVersion2(text);
}

}  // namespace

FirmwareListResult ParseFirmwareList(const char* text, const FirmwareListQuery& query, CFirmwareInfo* info) {
    FirmwareListResult result;
    if (!text || !info) return result;
    CString all = AnsiToWide(text);
    bool singleTaken = false, languagesTaken = false;
    int pos = 0;
    const int length = all.GetLength();
    while (pos < length) {
        CString rest = all.Mid(pos);
        if (rest == L"\n") break;
        int end = rest.Find(L'\n');
        CString line = end < 0 ? rest : rest.Left(end);
        pos = end < 0 ? length : pos + end + 1;
        if (end == 0) continue;  // an empty line

        FirmwareListLine f = SplitFirmwareListLine(line);
        const bool anyTaken = singleTaken || languagesTaken;
        const bool ours = f.fields[0] == query.modelName && !query.modelName.IsEmpty();
        if (f.separators == 2) {
            if (anyTaken) break;
            if (ours) {
                singleTaken = true;
                ParseVersionInto(f.fields[1], query, info);
                info->m_strSelectedFile = f.fields[2];
            }
        } else if (f.separators == 3) {
            if (singleTaken) break;
            if (ours) {
                const CString& language = f.fields[2];
                const CString& file = f.fields[3];
                if (info->FindLanguage(language) >= 0) continue;
                if (!languagesTaken) {
                    languagesTaken = true;
                    ParseVersionInto(f.fields[1], query, info);
                    info->AddPair(file, language);
                    result.selection = 0;
                    info->m_strSelectedFile = file;
                } else {
                    info->AddPair(file, language);
                    if (language.CompareNoCase(query.firmwareLanguage) == 0) {
                        result.selection = info->m_nCount - 1;
                        info->m_strSelectedFile = file;
                    }
                }
            } else if (languagesTaken) {
                break;
            }
        } else if (f.separators == 1) {
            if (anyTaken) {
                if (ours) {
                    result.usbStatusGiven = true;
                    result.usbStatus = (int)std::wcstol(f.fields[1], nullptr, 10);
                }
                break;
            }
        } else {
            if (anyTaken) break;
        }
    }
    result.found = singleTaken || languagesTaken;
    return result;
}

int SelectFirmwareLanguage(CFirmwareInfo* info, const CString& englishName) {
    int index = info ? info->FindLanguage(englishName) : -1;
    if (index >= 0) info->m_strSelectedFile = info->m_astrFileNames[index];
    return index;
}

bool IsPlainServerFileName(const CString& name) {
    if (name.IsEmpty() || name == L"." || name == L"..") return false;
    for (int i = 0; i < name.GetLength(); ++i) {
        wchar_t c = name[i];
        if (c < 0x20 || c == 0x7F) return false;
        if (c == L'/' || c == L'\\' || c == L':' || c == L'?' || c == L'#' || c == L'%' || c == L'*' ||
            c == L'"' || c == L'<' || c == L'>' || c == L'|')
            return false;
    }
    if (name.Find(L"..") >= 0) return false;
    return name[0] != L' ' && name[name.GetLength() - 1] != L' ' && name[name.GetLength() - 1] != L'.';
}
