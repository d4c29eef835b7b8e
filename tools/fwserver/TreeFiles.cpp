#include "tools/fwserver/TreeFiles.h"
#include <windows.h>
#include <cctype>
#include <cstdio>

namespace fwserver {

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
// Names Windows gives to devices in every folder, with any extension:
// opening one would read a console, a port or nothing at all.
bool IsDeviceName(const std::string& segment) {
    std::string base = segment.substr(0, segment.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (auto& c : base) c = (char)std::toupper((unsigned char)c);
    static const char* const kNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
    for (const char* name : kNames)
        if (base == name) return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '0' && base[3] <= '9';
}

}  // namespace

bool SafeUrlPath(const std::string& raw, std::string* decoded) {
    std::string path = raw.substr(0, raw.find_first_of("?#"));
    std::string out;
    for (size_t i = 0; i < path.size(); ++i) {
        char c = path[i];
        if (c == '%') {
            if (i + 2 >= path.size()) return false;
            int hi = HexDigit(path[i + 1]), lo = HexDigit(path[i + 2]);
            if (hi < 0 || lo < 0) return false;
            c = (char)(hi * 16 + lo);
            i += 2;
        }
        if (c == '\0' || c == '\\' || c == ':') return false;
        out.push_back(c);
    }
    if (out.empty() || out[0] != '/') return false;
    // Refuse any ".." segment.
    size_t at = 0;
    while (at != std::string::npos) {
        size_t next = out.find('/', at + 1);
        std::string segment = out.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1);
        if (segment == ".." || IsDeviceName(segment)) return false;
        // Windows drops a trailing dot or space, so "NUL." and "a.img " would
        // name something else than they say.
        if (!segment.empty() && (segment.back() == '.' || segment.back() == ' ')) return false;
        at = next;
    }
    *decoded = out;
    return true;
}

bool ReadTreeFile(const std::wstring& root, const std::string& urlPath, std::string* content) {
    int n = ::MultiByteToWideChar(CP_UTF8, 0, urlPath.c_str(), -1, nullptr, 0);
    if (n <= 0) return false;
    std::wstring rel(n - 1, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, urlPath.c_str(), -1, &rel[0], n);
    for (auto& c : rel)
        if (c == L'/') c = L'\\';
    std::wstring full = root + rel;
    DWORD attrs = ::GetFileAttributesW(full.c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES || (attrs & FILE_ATTRIBUTE_DIRECTORY)) return false;
    FILE* f = _wfopen(full.c_str(), L"rb");
    if (!f) return false;
    content->clear();
    char buf[65536];
    size_t got;
    while ((got = std::fread(buf, 1, sizeof buf, f)) > 0) content->append(buf, got);
    std::fclose(f);
    return true;
}

}  // namespace fwserver
