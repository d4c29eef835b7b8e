// Builds HID firmware packages for tests: valid ones, and the means to
// damage them (digests, counts, offsets) one field at a time.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace pkgtest {

struct TestPart {
    DWORD target;
    DWORD type;
    std::vector<BYTE> data;
    DWORD major, minor;
};

class PackageBuilder {
public:
    PackageBuilder& Model(DWORD model) { m_model = model; return *this; }
    // Header bytes 0-23 as a text (at most 24 bytes, zero-padded).
    PackageBuilder& HeaderText(const std::string& text) { m_text = text; return *this; }
    PackageBuilder& Part(DWORD target, DWORD type, std::vector<BYTE> data, DWORD major = 0, DWORD minor = 0) {
        m_parts.push_back({target, type, std::move(data), major, minor});
        return *this;
    }
    // Header, entry table, record table, then the parts' data in order; the
    // last part ends exactly at the end of the file.
    std::vector<BYTE> Build() const;

private:
    DWORD m_model = 0;
    std::string m_text;
    std::vector<TestPart> m_parts;
};

size_t EntryOffset(DWORD i);
size_t RecordOffset(DWORD count, DWORD i);
void PutWord(std::vector<BYTE>& bytes, size_t offset, DWORD value);
DWORD GetWord(const std::vector<BYTE>& bytes, size_t offset);
// n bytes of a repeatable pattern.
std::vector<BYTE> Pattern(size_t n, BYTE seed);
void Md5(const std::vector<BYTE>& data, BYTE digest[16]);
// Points part i of a package of count parts (entry and record alike) at
// [offset, offset + size) of the package, with the digest of those bytes.
void PointPartAt(std::vector<BYTE>& bytes, DWORD count, DWORD i, DWORD offset, DWORD size);

bool WriteBytes(const std::wstring& path, const std::vector<BYTE>& bytes);
// A fresh folder under the temp folder, removed with its files by the destructor.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::wstring& path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

}  // namespace pkgtest
