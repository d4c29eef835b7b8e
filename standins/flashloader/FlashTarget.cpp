#include "standins/flashloader/FlashTarget.h"
#include <windows.h>
#include <cstdio>
#include <cstdlib>

namespace flashloader {

bool LoadTarget(FlashTarget* target) {
    wchar_t path[MAX_PATH] = {};
    DWORD n = ::GetEnvironmentVariableW(L"MORVEX_SIM_FLASH_TARGET", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return false;
    target->path = path;
    FILE* f = _wfopen(path, L"rb");
    if (!f) return false;
    char line[512];
    while (std::fgets(line, sizeof line, f)) {
        std::string s = line;
        while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
        size_t eq = s.find('=');
        if (eq == std::string::npos) continue;
        std::string key = s.substr(0, eq), value = s.substr(eq + 1);
        if (key == "port") target->port = std::atoi(value.c_str());
        else if (key == "fault") target->fault = value;
        else if (key == "speed") target->speed = (unsigned)std::strtoul(value.c_str(), nullptr, 10);
    }
    std::fclose(f);
    if (target->speed == 0) target->speed = 1;
    return true;
}

bool RecordFlash(const FlashTarget& target, const std::wstring& image, const std::string& bytes,
                 unsigned long address) {
    FILE* copy = _wfopen((target.path + L".flash").c_str(), L"wb");
    if (!copy) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), copy) == bytes.size();
    std::fclose(copy);
    FILE* f = _wfopen(target.path.c_str(), L"ab");
    if (!f) return false;
    std::fprintf(f, "flashed_file=%ls\nflashed_bytes=%u\nflashed_address=0x%lX\n", image.c_str(),
                 (unsigned)bytes.size(), address);
    std::fclose(f);
    return ok;
}

}  // namespace flashloader
