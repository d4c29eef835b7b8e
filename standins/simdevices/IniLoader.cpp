// Reads the world from the run command's device file (layout in
// standins/README.md): sections "[dfu NAME]", "[hid NAME]", "[drive NAME]",
// "[ftdi NAME]" and "[world]" with key=value lines.
#include "standins/simdevices/HidCommands.h"
#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <sstream>

namespace sim {

namespace {

struct Entry {
    std::wstring key, value;
    int line;
};
struct Section {
    std::wstring kind, name;
    int line;
    std::vector<Entry> entries;
    DeviceId id = 0;
};

std::wstring Trim(const std::wstring& s) {
    size_t a = s.find_first_not_of(L" \t\r\n");
    if (a == std::wstring::npos) return L"";
    size_t b = s.find_last_not_of(L" \t\r\n");
    return s.substr(a, b - a + 1);
}

bool Number(const std::wstring& text, unsigned long* out) {
    if (text.empty()) return false;
    wchar_t* end = nullptr;
    unsigned long v = std::wcstoul(text.c_str(), &end, 0);
    if (*end) return false;
    *out = v;
    return true;
}

bool Numbers(const std::wstring& text, std::vector<unsigned long>* out) {
    std::wstring t = text;
    for (auto& c : t)
        if (c == L',' || c == L'.') c = L' ';
    std::wistringstream in(t);
    std::wstring tok;
    out->clear();
    while (in >> tok) {
        unsigned long v;
        if (!Number(tok, &v)) return false;
        out->push_back(v);
    }
    return true;
}

template <size_t N>
bool Known(const wchar_t* (&keys)[N], const std::wstring& key) {
    for (const wchar_t* k : keys)
        if (key == k) return true;
    return false;
}

// Creates a folder and the folders above it.
void MakeFolders(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos && slash > 2) MakeFolders(path.substr(0, slash));
    ::CreateDirectoryW(path.c_str(), nullptr);
}

class Loader {
public:
    Loader(World& w, const std::wstring& folder) : w_(w), folder_(folder) {}

    bool Read(const std::wstring& path) {
        FILE* f = _wfopen(path.c_str(), L"rb");
        if (!f) return Fail(0, L"cannot open " + path);
        std::string text;
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
        std::fclose(f);
        std::wstring wtext(text.begin(), text.end());
        std::wistringstream in(wtext);
        std::wstring line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            line = Trim(line);
            if (line.empty() || line[0] == L';' || line[0] == L'#') continue;
            if (line[0] == L'[') {
                if (line.back() != L']') return Fail(number, L"unclosed section");
                std::wstring head = Trim(line.substr(1, line.size() - 2));
                size_t sp = head.find(L' ');
                Section s;
                s.kind = Lower(head.substr(0, sp));
                s.name = sp == std::wstring::npos ? L"" : Trim(head.substr(sp + 1));
                s.line = number;
                sections_.push_back(s);
                continue;
            }
            size_t eq = line.find(L'=');
            if (eq == std::wstring::npos || sections_.empty()) return Fail(number, L"expected key=value in a section");
            sections_.back().entries.push_back({Lower(Trim(line.substr(0, eq))), Trim(line.substr(eq + 1)), number});
        }
        return true;
    }

    bool Build() {
        for (auto& s : sections_)
            if (!Create(s)) return false;
        for (auto& s : sections_)
            for (auto& e : s.entries)
                if (!Apply(s, e)) return false;
        for (auto& s : sections_) PrepareCard(s);
        return true;
    }

    std::wstring error;

private:
    bool Fail(int line, const std::wstring& what) {
        error = line ? L"line " + std::to_wstring(line) + L": " + what : what;
        return false;
    }

    std::wstring Path(const std::wstring& p) const {
        if (p.size() > 1 && (p[1] == L':' || (p[0] == L'\\' && p[1] == L'\\'))) return p;
        return folder_ + p;
    }

    const std::wstring* Get(const Section& s, const wchar_t* key) const {
        for (auto& e : s.entries)
            if (e.key == key) return &e.value;
        return nullptr;
    }

    unsigned long GetNumber(const Section& s, const wchar_t* key, unsigned long fallback) const {
        unsigned long v;
        const std::wstring* text = Get(s, key);
        return text && Number(*text, &v) ? v : fallback;
    }

    bool Create(Section& s) {
        if (s.kind == L"world") return true;
        if (s.name.empty()) return Fail(s.line, L"a device section needs a name");
        for (auto& d : w_.devices)
            if (d->name == s.name) return Fail(s.line, L"duplicate device name " + s.name);
        WORD vid = (WORD)GetNumber(s, L"vid", kMakerVendorId);
        WORD pid = (WORD)GetNumber(s, L"pid", 0);
        Device* d = nullptr;
        if (s.kind == L"dfu") {
            d = &NewDevice(w_, Kind::DfuHeadset, s.name.c_str());
            d->vid = vid;
            d->pid = pid;
            d->dfuPid = (WORD)GetNumber(s, L"dfu_pid", pid | 0x8000);
        } else if (s.kind == L"hid") {
            d = &NewDevice(w_, Kind::Hid, s.name.c_str());
            d->vid = vid;
            d->pid = pid;
        } else if (s.kind == L"drive") {
            d = &NewDevice(w_, Kind::Drive, s.name.c_str());
            const std::wstring* letter = Get(s, L"letter");
            const std::wstring* folder = Get(s, L"folder");
            if (!letter || letter->empty() || !std::iswalpha((*letter)[0]) || !folder)
                return Fail(s.line, L"a drive needs letter= and folder=");
            d->letter = (wchar_t)std::towupper((*letter)[0]);
            d->folder = Path(*folder);
            MakeFolders(d->folder);
        } else if (s.kind == L"ftdi") {
            d = &NewDevice(w_, Kind::Ftdi, s.name.c_str());
            d->vid = kFtdiVendorId;
            d->pid = kFtdiProductId;
        } else {
            return Fail(s.line, L"unknown section kind " + s.kind);
        }
        s.id = d->id;
        return true;
    }

    // A camera's card holds its version file from the start, as a real card
    // does; a file already there (an earlier update) is kept.
    void PrepareCard(const Section& s) {
        const std::wstring* version = Get(s, L"card_version");
        Device* d = s.kind == L"hid" ? Find(w_, s.id) : nullptr;
        Device* card = d ? FindKind(w_, d->cardDrive, Kind::Drive) : nullptr;
        if (!version || !card || d->cardVersionFile.empty()) return;
        std::wstring path = card->folder + L"\\" + d->cardVersionFile;
        for (auto& c : path)
            if (c == L'/') c = L'\\';
        if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return;
        MakeFolders(path.substr(0, path.find_last_of(L'\\')));
        if (FILE* f = _wfopen(path.c_str(), L"wb")) {
            std::string text(version->begin(), version->end());
            std::fprintf(f, "%s\n", text.c_str());
            std::fclose(f);
        }
    }

    DeviceId Named(const std::wstring& name) const {
        for (auto& d : w_.devices)
            if (d->name == name) return d->id;
        return 0;
    }

    bool Apply(const Section& s, const Entry& e);

    World& w_;
    std::wstring folder_;
    std::vector<Section> sections_;
};

bool Loader::Apply(const Section& s, const Entry& e) {
    const std::wstring& k = e.key;
    unsigned long n = 0;
    std::vector<unsigned long> list;
    bool isNumber = Number(e.value, &n);
    auto bad = [&]() { return Fail(e.line, L"bad value for " + k); };

    if (s.kind == L"world") {
        if (k == L"speed" && isNumber) { w_.speed = n ? n : 1; return true; }
        return Fail(e.line, L"unknown key " + k);
    }
    Device& d = *Find(w_, s.id);
    if (k == L"vid" || k == L"pid" || k == L"dfu_pid" || k == L"letter" || k == L"folder")
        return isNumber || s.kind == L"drive" ? true : bad();
    if (k == L"present") { if (!isNumber) return bad(); d.present = n != 0; return true; }

    if (s.kind == L"dfu") {
        if (k == L"mode") {
            if (e.value != L"normal" && e.value != L"dfu") return bad();
            d.dfuMode = e.value == L"dfu";
            return true;
        }
        if (k.compare(0, 4, L"key.") == 0) {
            unsigned long key;
            if (!Number(k.substr(4), &key)) return bad();
            size_t sp = e.value.find(L' ');
            std::wstring form = e.value.substr(0, sp);
            std::wstring rest = sp == std::wstring::npos ? L"" : e.value.substr(sp + 1);
            std::vector<BYTE>& value = d.keys[(WORD)key];
            value.clear();
            if (form == L"text") {
                for (wchar_t c : rest) value.push_back((BYTE)c);
                value.push_back(0);
            } else if (form == L"words" || form == L"bytes") {
                if (!Numbers(rest, &list)) return bad();
                for (unsigned long v : list) {
                    value.push_back((BYTE)v);
                    if (form == L"words") value.push_back((BYTE)(v >> 8));
                }
            } else {
                return bad();
            }
            return true;
        }
        if (k == L"returns_as") {
            DeviceId other = Named(e.value);
            if (!other || Find(w_, other)->kind != Kind::Hid) return Fail(e.line, L"no HID device named " + e.value);
            d.returnsAs = other;
            return true;
        }
        if (k == L"fail_read" || k == L"fail_write") {
            if (!Numbers(e.value, &list)) return bad();
            for (unsigned long v : list) (k == L"fail_read" ? d.readFails : d.writeFails).insert((WORD)v);
            return true;
        }
        static const wchar_t* numeric[] = {L"connect_fails", L"reconfigure_waits", L"download_events", L"phase_ms",
                                           L"refuse_reconfigure", L"download_fail_code", L"download_fail_times",
                                           L"vanish_during_download", L"vanish_during_reconfigure",
                                           L"vanish_during_manifest", L"stall_during_download", L"repeat_during_stall",
                                           L"alternate_during_stall", L"percentages", L"usb_listed", L"library_listed", L"refuse_writes",
                                           L"refuse_writes_after"};
        if (!Known(numeric, k)) return Fail(e.line, L"unknown key " + k);
        if (!isNumber) return bad();
        if (k == L"connect_fails") d.connectFails = n != 0;
        else if (k == L"reconfigure_waits") d.dfu.waitEvents = (int)n;
        else if (k == L"download_events") d.dfu.progressEvents = (int)n;
        else if (k == L"phase_ms") d.dfu.phaseMs = n;
        else if (k == L"refuse_reconfigure") d.dfu.refuseReconfigure = n != 0;
        else if (k == L"download_fail_code") d.dfu.downloadFailCode = (int)n;
        else if (k == L"download_fail_times") d.dfu.downloadFailTimes = (int)n;
        else if (k == L"vanish_during_download") d.dfu.vanishDuringDownload = n != 0;
        else if (k == L"vanish_during_reconfigure") d.dfu.vanishDuringReconfigure = n != 0;
        else if (k == L"vanish_during_manifest") d.dfu.vanishDuringManifest = n != 0;
        else if (k == L"stall_during_download") d.dfu.stallDuringDownload = n != 0;
        else if (k == L"repeat_during_stall") d.dfu.repeatDuringStall = n != 0;
        else if (k == L"alternate_during_stall") d.dfu.alternateDuringStall = n != 0;
        else if (k == L"percentages") d.dfu.percentages = n != 0;
        else if (k == L"usb_listed") d.usbListed = n != 0;
        else if (k == L"library_listed") d.libraryListed = n != 0;
        else if (k == L"refuse_writes") d.refusedWrites = (int)n;
        else if (k == L"refuse_writes_after") d.writesBeforeRefusals = (int)n;
        else return Fail(e.line, L"unknown key " + k);
        return true;
    }

    if (s.kind == L"hid") {
        if (k == L"version" || k == L"version_after_update") {
            if (!Numbers(e.value, &list) || list.empty() || list.size() > 5) return bad();
            BYTE* v = k == L"version" ? d.version : d.versionAfterUpdate;
            for (int i = 0; i < 5; ++i) v[i] = i < (int)list.size() ? (BYTE)list[i] : 0;
            if (k != L"version") d.hasVersionAfterUpdate = true;
            return true;
        }
        if (k == L"address") {
            if (e.value.size() != 12) return bad();
            for (int i = 0; i < 6; ++i) {
                unsigned long b;
                if (!Number(L"0x" + e.value.substr(2 * i, 2), &b)) return bad();
                d.address[i] = (BYTE)b;
            }
            return true;
        }
        if (k.compare(0, 6, L"block.") == 0) {
            unsigned long block;
            if (!Number(k.substr(6), &block) || !Numbers(e.value, &list)) return bad();
            d.blocks[(BYTE)block].assign(list.begin(), list.end());
            return true;
        }
        if (k == L"name") {
            std::vector<WORD> words(1, 0);
            std::string utf8;
            int len = ::WideCharToMultiByte(CP_UTF8, 0, e.value.c_str(), -1, nullptr, 0, nullptr, nullptr);
            utf8.resize(len > 0 ? len - 1 : 0);
            ::WideCharToMultiByte(CP_UTF8, 0, e.value.c_str(), -1, &utf8[0], len, nullptr, nullptr);
            for (unsigned char c : utf8) words.push_back(c);
            d.blocks[0x1D] = words;
            return true;
        }
        if (k == L"update_mode" || k == L"switch_to" || k == L"card") {
            DeviceId other = Named(e.value);
            if (!other) return Fail(e.line, L"no device named " + e.value);
            Device& o = *Find(w_, other);
            if (k == L"update_mode") d.updateModeDevice = other;
            if (k == L"switch_to") d.switchDevice = other;
            if (k == L"card") d.cardDrive = other;
            o.present = false;  // shown only when the command asks for it
            return true;
        }
        if (k == L"card_version_file") { d.cardVersionFile = e.value; return true; }
        if (k == L"card_version") return true;  // written onto the card once everything is built
        if (k == L"card_firmware_file") { d.cardFirmwareFile = e.value; return true; }
        if (k == L"fail_command") {
            if (!Numbers(e.value, &list)) return bad();
            for (unsigned long v : list) d.failingCommands.insert((BYTE)v);
            return true;
        }
        static const wchar_t* numeric[] = {L"usage_page", L"usage", L"poll_done_after", L"module_select",
                                           L"restart_ms", L"open_fails", L"write_fails", L"pending_replies",
                                           L"pending_forever", L"vanish_after_reports", L"card_never_appears",
                                           L"stays_away_after_restart", L"switch_never_appears", L"reply_ms",
                                           L"silent_after_reports",
                                           L"late_command", L"late_ms", L"pending_ms", L"pending_command",
                                           L"echo", L"no_echo_command"};
        if (!Known(numeric, k)) return Fail(e.line, L"unknown key " + k);
        if (!isNumber) return bad();
        if (k == L"usage_page") d.usagePage = (WORD)n;
        else if (k == L"usage") d.usage = (WORD)n;
        else if (k == L"poll_done_after") d.pollDoneAfter = (int)n;
        else if (k == L"module_select") d.moduleSelect = (BYTE)n;
        else if (k == L"restart_ms") d.restartMs = n;
        else if (k == L"open_fails") d.openFails = n != 0;
        else if (k == L"write_fails") d.hidWriteFails = n != 0;
        else if (k == L"pending_replies") d.pendingReplies = (int)n;
        else if (k == L"pending_forever") d.pendingForever = n != 0;
        else if (k == L"vanish_after_reports") d.vanishAfterReports = (int)n;
        else if (k == L"card_never_appears") d.cardNeverAppears = n != 0;
        else if (k == L"stays_away_after_restart") d.staysAwayAfterRestart = n != 0;
        else if (k == L"switch_never_appears") d.switchNeverAppears = n != 0;
        else if (k == L"reply_ms") d.replyMs = n;
        else if (k == L"silent_after_reports") d.silentAfterReports = (int)n;
        else if (k == L"late_command") d.lateCommand = (BYTE)n;
        else if (k == L"late_ms") d.lateMs = n;
        else if (k == L"pending_ms") d.pendingMs = n;
        else if (k == L"pending_command") d.pendingCommand = (BYTE)n;
        else if (k == L"echo") d.echo = n != 0;
        else if (k == L"no_echo_command") d.noEchoCommand = (BYTE)n;
        else return Fail(e.line, L"unknown key " + k);
        return true;
    }

    if (s.kind == L"drive") {
        if (k == L"type") {
            if (e.value == L"removable") d.driveType = DRIVE_REMOVABLE;
            else if (e.value == L"fixed") d.driveType = DRIVE_FIXED;
            else return bad();
            return true;
        }
        return Fail(e.line, L"unknown key " + k);
    }

    // ftdi
    if (k == L"flash_target") { d.flashTarget = Path(e.value); return true; }
    if (k == L"flash_fault") { d.flashFault = e.value; return true; }
    if (k == L"com_port") {
        long port = std::wcstol(e.value.c_str(), nullptr, 0);
        d.comPort = (int)port;
        return true;
    }
    if (!isNumber) return bad();
    if (k == L"open_fails") d.ftdiOpenFails = n != 0;
    else if (k == L"com_port_fails") d.comPortFails = n != 0;
    else return Fail(e.line, L"unknown key " + k);
    return true;
}

}  // namespace

bool LoadIni(World& w, const std::wstring& path, std::wstring* error) {
    ClearWorld(w);
    size_t slash = path.find_last_of(L"\\/");
    Loader loader(w, slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1));
    bool ok = loader.Read(path) && loader.Build();
    if (!ok) {
        ClearWorld(w);
        if (error) *error = loader.error;
        return false;
    }
    PublishFlashTarget(w);
    return true;
}

}  // namespace sim
