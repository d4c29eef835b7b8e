#include "update/FirmwareList.h"
#include "app/AppPaths.h"
#include "core/ServerFileName.h"
#include "core/TextLines.h"
#include "core/VersionCompare.h"
#include "update/FirmwareInfo.h"
#include <cwchar>
#include <string>
#include <unordered_set>

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

// The version field without its leading 'v', into the words in the record's order.
void ParseVersionInto(const CString& version, const FirmwareListQuery& query, int words[4]) {
    CString text = version.Mid(1);
    if (query.fourPartVersion) ParseVersionQuad(text, &words[2], &words[3], &words[0], &words[1]);
    else ParseMajorMinor(text, &words[0], &words[1]);
}

}  // namespace

FirmwareListResult ReadFirmwareList(const char* text, const FirmwareListQuery& query) {
    FirmwareListResult result;
    if (!text) return result;
    bool singleTaken = false, languagesTaken = false;
    // The languages taken so far, in lower case: each is looked up once.
    std::unordered_set<std::wstring> taken;
    CLineReader lines(AnsiToWide(text));
    CString line;
    while (lines.Next(&line)) {
        FirmwareListLine f = SplitFirmwareListLine(line);
        const bool anyTaken = singleTaken || languagesTaken;
        const bool ours = f.fields[0] == query.modelName && !query.modelName.IsEmpty();
        if (f.separators == 2) {
            if (anyTaken) break;
            if (ours) {
                singleTaken = true;
                ParseVersionInto(f.fields[1], query, result.version);
                result.selectedFile = f.fields[2];
            }
        } else if (f.separators == 3) {
            if (singleTaken) break;
            if (ours) {
                const CString& language = f.fields[2];
                const CString& file = f.fields[3];
                if (result.languages.size() >= (size_t)FIRMWARE_LIST_MAX_LANGUAGES) continue;
                CString key = language;
                if (!taken.insert(key.MakeLower().str()).second) continue;
                result.files.push_back(file);
                result.languages.push_back(language);
                if (!languagesTaken) {
                    languagesTaken = true;
                    ParseVersionInto(f.fields[1], query, result.version);
                    result.selection = 0;
                    result.selectedFile = file;
                } else if (language.CompareNoCase(query.firmwareLanguage) == 0) {
                    result.selection = (int)result.languages.size() - 1;
                    result.selectedFile = file;
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

void ApplyFirmwareList(const FirmwareListResult& list, CFirmwareInfo* info) {
    if (!info || !list.found) return;
    for (int i = 0; i < 4; ++i) info->m_anVersion[i] = list.version[i];
    for (size_t i = 0; i < list.files.size(); ++i) info->AddPair(list.files[i], list.languages[i]);
    info->m_strSelectedFile = list.selectedFile;
}

int SelectFirmwareLanguage(CFirmwareInfo* info, const CString& englishName) {
    int index = info ? info->FindLanguage(englishName) : -1;
    if (index >= 0) info->m_strSelectedFile = info->m_astrFileNames[index];
    return index;
}

bool IsPlainServerFileName(const CString& name) { return IsServerFileName(name, apppaths::ImageFolder()); }
