#include "standins/simdevices/HidCommands.h"
#include "standins/simdevices/Crc16.h"
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace sim {

namespace {

enum : BYTE {
    kGetVersion = 0x01, kGetAddress = 0x02, kReadBlock = 0x03, kWriteBlock = 0x04,
    kImageBegin = 0x05, kImageData = 0x06, kImageEnd = 0x07, kRestart = 0x08,
    kPollDone = 0x0D, kSwitchToUpdate = 0x0E, kLoadBlock = 0x10, kStoreBlock = 0x11,
    kStorageOn = 0x20, kStorageOff = 0x21, kStorageState = 0x22,
    kModule30 = 0x30, kModule32 = 0x32, kModule33 = 0x33, kModule34 = 0x34,
    kEnterUpdate = 0x50, kAfterUpdate = 0x52, kSetVoicePrompt = 0x59,
    kChunkCrc = 0x5A, kImageCrc = 0x5B,
};

const BYTE kOk = 0, kError = 2;
const DWORD kCardHandOverMs = 2000;
const DWORD kUpdateModeStartMs = 3000;

// Reads "CAMFW <major>.<minor>" from the start of a camera firmware file.
bool CameraFirmwareVersion(const std::wstring& file, int* major, int* minor) {
    FILE* f = _wfopen(file.c_str(), L"rb");
    if (!f) return false;
    char head[64] = {};
    size_t n = std::fread(head, 1, sizeof head - 1, f);
    std::fclose(f);
    head[n] = 0;
    return std::sscanf(head, "CAMFW %d.%d", major, minor) == 2;
}

// The camera takes its card back: a firmware file on it is installed.
void CameraTakesCard(Device& d, Device* card) {
    if (!card || d.cardFirmwareFile.empty()) return;
    std::wstring fw = card->folder + L"\\" + d.cardFirmwareFile;
    int major = 0, minor = 0;
    if (!CameraFirmwareVersion(fw, &major, &minor)) return;
    std::wstring ver = card->folder + L"\\" + d.cardVersionFile;
    for (auto& c : ver)
        if (c == L'/') c = L'\\';
    size_t slash = ver.find_last_of(L'\\');
    ::CreateDirectoryW(ver.substr(0, slash).c_str(), nullptr);
    if (FILE* f = _wfopen(ver.c_str(), L"wb")) {
        std::fprintf(f, "%d.%d\n", major, minor);
        std::fclose(f);
    }
    ::DeleteFileW(fw.c_str());
}

void PutWordBE(BYTE* p, WORD v) {
    p[0] = (BYTE)(v >> 8);
    p[1] = (BYTE)v;
}

}  // namespace

void SetPresence(World& w, Device& d, bool present) {
    d.present = present;
    if (present) return;
    for (auto& h : w.handles)
        if (h.second.device == d.id) h.second.device = -d.id;  // dead handle
    d.cardWithPc = false;
}

std::vector<BYTE> HidAnswer(World& w, Device& d, const BYTE* req) {
    std::vector<BYTE> reply(kHidInputBytes, 0);
    const BYTE cmd = req[1];
    reply[0] = 1;
    reply[1] = ReplyCommandByte(d, cmd);
    BYTE status = kOk;
    BYTE* data = &reply[3];
    Device* linked = nullptr;

    switch (cmd) {
    case kGetVersion:
        std::memcpy(data, d.version, 5);
        break;
    case kGetAddress:
        std::memcpy(data, d.address, 6);
        break;
    case kReadBlock: {
        auto it = d.blocks.find(req[2]);
        if (it == d.blocks.end()) { status = kError; break; }
        size_t n = it->second.size() < 31 ? it->second.size() : 31;
        data[0] = req[2];
        data[1] = (BYTE)n;
        for (size_t i = 0; i < n; ++i) PutWordBE(&reply[5 + 2 * i], it->second[i]);
        break;
    }
    case kWriteBlock: {
        // An empty block is a valid write: an emptied speed-dial number.
        size_t n = req[3];
        if (4 + 2 * n > kHidOutputBytes) { status = kError; break; }
        std::vector<WORD> words(n);
        for (size_t i = 0; i < n; ++i) words[i] = (WORD)(req[4 + 2 * i] << 8 | req[5 + 2 * i]);
        d.blocks[req[2]] = words;
        data[0] = req[2];
        data[1] = (BYTE)n;
        break;
    }
    case kLoadBlock:
        if (!d.blocks.count(req[2])) status = kError;
        break;
    case kStoreBlock:
        break;
    case kImageBegin:
        d.parts.push_back({req[2], {}, false});
        d.chunkStart = 0;
        d.receiving = true;
        break;
    case kImageData: {
        size_t n = (size_t)req[2] << 8 | req[3];
        if (!d.receiving || n > kHidOutputBytes - 4) { status = kError; break; }
        d.parts.back().data.insert(d.parts.back().data.end(), req + 4, req + 4 + n);
        break;
    }
    case kImageEnd:
        if (!d.receiving) { status = kError; break; }
        d.parts.back().complete = true;
        d.receiving = false;
        break;
    case kChunkCrc:
    case kImageCrc: {
        if (d.parts.empty()) { status = kError; break; }
        const std::vector<BYTE>& bytes = d.parts.back().data;
        // The chunk is whatever arrived since the last accepted chunk CRC.
        size_t from = cmd == kChunkCrc ? d.chunkStart : 0;
        if (from > bytes.size()) from = 0;
        WORD want = (WORD)(req[4] | req[5] << 8);
        WORD have = Crc16(bytes.data() + from, bytes.size() - from);
        if (want != have) {
            status = kError;
            // A refused chunk is sent again: forget it.
            if (cmd == kChunkCrc) d.parts.back().data.resize(from);
            else d.parts.back().data.clear(), d.chunkStart = 0;
        } else if (cmd == kChunkCrc) {
            d.chunkStart = bytes.size();
        } else {
            d.chunkStart = 0;
        }
        break;
    }
    case kRestart: {
        d.restarts++;
        bool updated = !d.parts.empty() && d.parts.back().complete;
        if (updated && d.hasVersionAfterUpdate) std::memcpy(d.version, d.versionAfterUpdate, 5);
        SetPresence(w, d, false);
        // An update-mode device leaves for good; a headset comes back.
        bool isUpdateMode = false;
        for (auto& other : w.devices)
            if (other->updateModeDevice == d.id) isUpdateMode = true;
        if (!isUpdateMode && !d.staysAwayAfterRestart) {
            DeviceId id = d.id;
            Schedule(w, d.restartMs, [&w, id] {
                if (Device* back = Find(w, id)) SetPresence(w, *back, true);
            });
        }
        break;
    }
    case kPollDone:
        d.polls++;
        data[0] = d.polls >= d.pollDoneAfter ? 1 : 0;
        break;
    case kSwitchToUpdate:
        if ((linked = Find(w, d.switchDevice)) != nullptr) {
            SetPresence(w, d, false);
            if (d.switchNeverAppears) break;
            DeviceId id = linked->id;
            Schedule(w, d.restartMs, [&w, id] {
                if (Device* dev = Find(w, id)) SetPresence(w, *dev, true);
            });
        }
        break;
    case kStorageOn:
        if ((linked = FindKind(w, d.cardDrive, Kind::Drive)) == nullptr) { status = kError; break; }
        if (d.cardNeverAppears) break;
        {
            DeviceId id = d.id, card = linked->id;
            Schedule(w, kCardHandOverMs, [&w, id, card] {
                Device* dev = Find(w, id);
                Device* drive = Find(w, card);
                if (!dev || !dev->present || !drive) return;
                dev->cardWithPc = true;
                drive->present = true;
            });
        }
        break;
    case kStorageOff:
        if ((linked = FindKind(w, d.cardDrive, Kind::Drive)) == nullptr) { status = kError; break; }
        linked->present = false;
        if (d.cardWithPc) CameraTakesCard(d, linked);
        d.cardWithPc = false;
        break;
    case kStorageState:
        data[0] = d.cardWithPc ? 1 : 0;
        break;
    case kModule32:
        data[0] = d.moduleSelect;
        break;
    case kModule30:
    case kModule33:
    case kModule34:
    case kAfterUpdate:
        break;
    case kEnterUpdate:
        if ((linked = Find(w, d.updateModeDevice)) != nullptr && !linked->present) {
            DeviceId id = linked->id;
            Schedule(w, kUpdateModeStartMs, [&w, id] {
                if (Device* dev = Find(w, id)) SetPresence(w, *dev, true);
            });
        }
        break;
    case kSetVoicePrompt:
        d.voicePromptCode = req[2];
        break;
    default:
        status = kError;
        break;
    }

    auto over = d.replyOverrides.find(cmd);
    if (over != d.replyOverrides.end()) {
        std::fill(reply.begin() + 3, reply.end(), 0);
        std::copy(over->second.begin(),
                  over->second.begin() + std::min<size_t>(over->second.size(), kHidInputBytes - 3),
                  reply.begin() + 3);
    }
    if (d.failingCommands.count(cmd)) status = kError;
    reply[2] = status;
    return reply;
}

}  // namespace sim
