#include "tests/update/PackageBuilder.h"
#include "core/Md5.h"
#include <cstdio>
#include <cstring>

namespace pkgtest {

size_t EntryOffset(DWORD i) { return 36 + 32 * (size_t)i; }
size_t RecordOffset(DWORD count, DWORD i) { return 36 + 32 * (size_t)count + 312 * (size_t)i; }

void PutWord(std::vector<BYTE>& bytes, size_t offset, DWORD value) {
    if (bytes.size() < offset + 4) bytes.resize(offset + 4);
    for (int b = 0; b < 4; ++b) bytes[offset + b] = (BYTE)(value >> (8 * b));
}

DWORD GetWord(const std::vector<BYTE>& bytes, size_t offset) {
    DWORD v = 0;
    for (int b = 0; b < 4; ++b) v |= (DWORD)bytes.at(offset + b) << (8 * b);
    return v;
}

std::vector<BYTE> Pattern(size_t n, BYTE seed) {
    std::vector<BYTE> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = (BYTE)(seed + i * 7 + (i >> 8));
    return v;
}

void Md5(const std::vector<BYTE>& data, BYTE digest[16]) {
    MD5_CTX c;
    MD5Init(&c);
    MD5Update(&c, data.data(), (unsigned)data.size());
    MD5Final(digest, &c);
}

void PointPartAt(std::vector<BYTE>& bytes, DWORD count, DWORD i, DWORD offset, DWORD size) {
    BYTE digest[16];
    Md5(std::vector<BYTE>(bytes.begin() + offset, bytes.begin() + offset + size), digest);
    for (size_t at : {EntryOffset(i), RecordOffset(count, i)}) {
        PutWord(bytes, at + 8, offset);
        PutWord(bytes, at + 12, size);
    }
    std::memcpy(&bytes[EntryOffset(i) + 16], digest, 16);
    std::memcpy(&bytes[RecordOffset(count, i) + 296], digest, 16);
}

std::vector<BYTE> PackageBuilder::Build() const {
    DWORD n = (DWORD)m_parts.size();
    std::vector<BYTE> bytes(RecordOffset(n, n), 0);
    std::memcpy(bytes.data(), m_text.data(), m_text.size() < 24 ? m_text.size() : 24);
    PutWord(bytes, 28, m_model);
    PutWord(bytes, 32, n);
    for (DWORD i = 0; i < n; ++i) {
        const TestPart& p = m_parts[i];
        DWORD offset = (DWORD)bytes.size();
        bytes.insert(bytes.end(), p.data.begin(), p.data.end());
        BYTE digest[16];
        Md5(p.data, digest);
        size_t e = EntryOffset(i), r = RecordOffset(n, i);
        PutWord(bytes, e, p.target);
        PutWord(bytes, e + 4, p.type);
        PutWord(bytes, e + 8, offset);
        PutWord(bytes, e + 12, (DWORD)p.data.size());
        std::memcpy(&bytes[e + 16], digest, 16);
        PutWord(bytes, r, p.target);
        PutWord(bytes, r + 4, p.type);
        PutWord(bytes, r + 8, offset);
        PutWord(bytes, r + 12, (DWORD)p.data.size());
        PutWord(bytes, r + 16, p.major);
        PutWord(bytes, r + 20, p.minor);
        std::memcpy(&bytes[r + 296], digest, 16);
    }
    return bytes;
}

bool WriteBytes(const std::wstring& path, const std::vector<BYTE>& bytes) {
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

ScratchFolder::ScratchFolder() {
    wchar_t base[MAX_PATH];
    ::GetTempPathW(MAX_PATH, base);
    static LONG counter = 0;
    wchar_t name[MAX_PATH];
    std::swprintf(name, MAX_PATH, L"%lsmorvex_pkg_%lu_%ld", base, ::GetCurrentProcessId(),
                  ::InterlockedIncrement(&counter));
    m_path = name;
    ::CreateDirectoryW(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW((m_path + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (fd.cFileName[0] != L'.') ::DeleteFileW((m_path + L"\\" + fd.cFileName).c_str());
        } while (::FindNextFileW(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryW(m_path.c_str());
}

}  // namespace pkgtest
