#include "restore/BackupList.h"
#include <string>
#include <unordered_set>
#include "core/TextLines.h"
#include "core/VersionCompare.h"
#include "update/FirmwareList.h"

namespace {

const int kModelFourPartVersion = 0x3020;

struct ListLine {
    int splits = 0;
    CString name, version, language, file;
};

// Up to three splits at ':'; a colon at the start of what remains ends the splitting.
ListLine SplitFields(const CString& line) {
    ListLine out;
    CString rest = line;
    CString last;
    for (int n = 0; n < 3; ++n) {
        int colon = rest.Find(L':');
        if (colon <= 0) break;
        CString before = rest.Left(colon);
        rest = rest.Mid(colon + 1);
        out.splits = n + 1;
        if (n == 0) {
            out.name = before;
        } else if (n == 1) {
            out.version = before;
            last = rest;
        } else {
            out.language = before;
            last = rest;
        }
    }
    out.file = last;
    out.name.Trim();
    out.version.Trim();
    out.language.Trim();
    out.file.Trim();
    return out;
}

// The version field without its leading character, as four words in the
// order the firmware-info record keeps them: "major.minor" gives (major,
// minor, 0, 0); the four-part "a.b.c.d" of 0x3020 gives (c, d, a, b).
bool ParseListVersion(const CString& field, int modelId, int words[4]) {
    if (field.GetLength() < 2) return false;
    CString text = field.Mid(1);
    for (int i = 0; i < 4; ++i) words[i] = 0;
    if (modelId == kModelFourPartVersion) {
        int q[4] = {};
        if (!ParseVersionQuad(text, q)) return false;
        words[0] = q[2];
        words[1] = q[3];
        words[2] = q[0];
        words[3] = q[1];
        return true;
    }
    return ParseMajorMinor(text, &words[0], &words[1]) != FALSE;
}

std::wstring LowerCase(CString text) { return text.MakeLower().str(); }

int FindLanguage(const std::vector<BackupImage>& images, const CString& language) {
    for (size_t i = 0; i < images.size(); ++i)
        if (images[i].language.CompareNoCase(language) == 0) return (int)i;
    return -1;
}

}  // namespace

BackupListResult ScanBackupList(const CString& text, const BackupListQuery& q) {
    BackupListResult r;
    bool found = false;
    const CDeviceRecord& backup = q.backup;
    // The languages offered so far, in lower case: each is looked up once.
    std::unordered_set<std::wstring> offered;
    CLineReader lines(text);
    CString raw;
    while (lines.Next(&raw)) {
        ListLine line = SplitFields(raw);
        if (line.splits == 2) {
            if (found) {
                r.available = r.entryFound = TRUE;
                break;
            }
            if (line.name != q.modelName) continue;
            int words[4];
            if (!ParseListVersion(line.version, q.modelId, words)) continue;
            for (int i = 0; i < 4; ++i) r.version[i] = words[i];
            r.chosenFile = line.file;
            if (backup.CompareVersion(words[0], words[1]) == 0) {
                r.available = r.entryFound = TRUE;
                break;
            }
            continue;
        }
        if (line.splits == 3) {
            if (line.name != q.modelName) {
                if (found) break;
                continue;
            }
            int words[4];
            bool parsed = ParseListVersion(line.version, q.modelId, words);
            bool same = parsed && (q.modelId == kModelFourPartVersion
                                       ? backup.CompareFullVersion(words[0], words[1], words[2], words[3]) == 0
                                       : backup.CompareVersion(words[0], words[1]) == 0);
            if (!same) {
                if (found) break;
                continue;
            }
            if (!found) {
                found = true;
                r.available = r.entryFound = TRUE;
                for (int i = 0; i < 4; ++i) r.version[i] = words[i];
                r.images.push_back({line.file, line.language});
                offered.insert(LowerCase(line.language));
                r.selected = 0;
                r.chosenFile = line.file;
            } else if (r.images.size() < (size_t)FIRMWARE_LIST_MAX_LANGUAGES &&
                       offered.insert(LowerCase(line.language)).second) {
                r.images.push_back({line.file, line.language});
                if (line.language.CompareNoCase(q.firmwareLanguage) == 0) {
                    r.selected = (int)r.images.size() - 1;
                    r.chosenFile = line.file;
                }
            }
            continue;
        }
        if (found) break;
    }
    if (r.available && !r.images.empty() && !q.preferredLanguage.IsEmpty()) {
        int preferred = FindLanguage(r.images, q.preferredLanguage);
        if (preferred >= 0) {
            r.selected = preferred;
            r.chosenFile = r.images[(size_t)preferred].file;
        }
    }
    return r;
}
