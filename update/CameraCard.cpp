#include "update/CameraCard.h"
#include "core/Md5.h"
#include "hardware/HardwareApi.h"
#include <cstring>
#include <cwchar>
#include <string>

namespace {

const CameraCardFiles kCameras[] = {
    {0x5510, L"40Z.VER", L"__40z_firmware__.bin", L"FWCARCAM.bin"},
    {0x5580, L"40zpro.bin", L"__40z_pro_firmware__.bin", L"SD_40ZPRO.bin"},
    {0x5570, L"MISC/version.conf", L"__40z_evo_firmware__.bin", L"AmbaSysFW_40ZEVO.bin"},
    {0x3060, L"MISC/version.conf", L"__n4_pro_firmware__.bin", L"AmbaSysFW_N4Pro.bin"},
};

// The largest version file read.
const DWORD kMaxVersionBytes = 4096;

HANDLE OpenForReading(const CString& path) {
    HANDLE h = hw::Api().CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    return h == INVALID_HANDLE_VALUE ? nullptr : h;
}

int Decimal(const std::string& s) { return std::atoi(s.c_str()); }

}  // namespace

const CameraCardFiles* FindCameraCardFiles(int model) {
    for (const CameraCardFiles& c : kCameras)
        if (c.model == model) return &c;
    return nullptr;
}

CString CardPath(wchar_t letter, const wchar_t* name) {
    CString path;
    path.Format(L"%c:\\%s", letter, name);
    return path;
}

bool CardFileExists(const CString& path) { return hw::Api().GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

void DeleteCardFile(const CString& path) {
    if (CardFileExists(path)) hw::Api().DeleteFileW(path);
}

wchar_t FindCardDrive(const CameraCardFiles& files) {
    DWORD mask = hw::Api().GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        wchar_t letter = (wchar_t)(L'A' + i);
        wchar_t root[4] = {letter, L':', L'\\', 0};
        if (hw::Api().GetDriveTypeW(root) != DRIVE_REMOVABLE) continue;
        if (CardFileExists(CardPath(letter, files.versionFile))) return letter;
    }
    return 0;
}

bool ReadCardVersion(wchar_t letter, const CameraCardFiles& files, int* major, int* minor) {
    *major = *minor = 0;
    HANDLE h = OpenForReading(CardPath(letter, files.versionFile));
    if (!h) return false;
    std::string text;
    char buffer[512];
    DWORD got = 0;
    while (text.size() < kMaxVersionBytes && hw::Api().ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    hw::Api().CloseHandle(h);
    std::string joined;
    for (char c : text)
        if (c != '\r' && c != '\n') joined += c;
    size_t dot = joined.find('.');
    *major = Decimal(joined.substr(0, dot));
    if (dot != std::string::npos) {
        size_t next = joined.find('.', dot + 1);
        *minor = Decimal(joined.substr(dot + 1, next == std::string::npos ? std::string::npos : next - dot - 1));
    }
    return true;
}

CardCopyResult CopyToCard(wchar_t letter, const CameraCardFiles& files, const BYTE* data, DWORD size,
                          const BYTE digest[16]) {
    const hw::HardwareApi& api = hw::Api();
    CString temp = CardPath(letter, files.tempFile), firmware = CardPath(letter, files.firmwareFile);
    HANDLE out = api.CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE || !out) return CARD_NOT_CREATED;
    DWORD written = 0;
    BOOL ok = size == 0 || api.WriteFile(out, data, size, &written, nullptr);
    api.CloseHandle(out);
    if (!ok || written != size) {
        DeleteCardFile(temp);
        return CARD_SHORT_WRITE;
    }
    DeleteCardFile(firmware);  // a copy the camera never took
    if (!api.MoveFileW(temp, firmware)) {
        DeleteCardFile(temp);
        DeleteCardFile(firmware);
        return CARD_RENAME_FAILED;
    }
    HANDLE in = OpenForReading(firmware);
    if (!in) return CARD_NOT_READABLE;
    MD5_CTX md5;
    MD5Init(&md5);
    BYTE block[1024];
    DWORD got = 0;
    while (api.ReadFile(in, block, sizeof block, &got, nullptr) && got > 0) MD5Update(&md5, block, got);
    api.CloseHandle(in);
    BYTE check[MD5_DIGEST_SIZE];
    if (!MD5Final(check, &md5) || std::memcmp(check, digest, MD5_DIGEST_SIZE) != 0) {
        DeleteCardFile(temp);
        DeleteCardFile(firmware);
        return CARD_DIGEST_DIFFERS;
    }
    in = OpenForReading(firmware);
    DWORD onCard = in ? api.GetFileSize(in, nullptr) : INVALID_FILE_SIZE;
    if (in) api.CloseHandle(in);
    if (onCard != size) {
        DeleteCardFile(firmware);
        return CARD_SIZE_DIFFERS;
    }
    return CARD_COPIED;
}
