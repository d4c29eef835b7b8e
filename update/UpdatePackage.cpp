#include "update/UpdatePackage.h"
#include "core/FileLength.h"
#include "core/Md5.h"
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

bool PackageRangeInside(DWORD offset, DWORD size, DWORD fileSize) {
    return (unsigned long long)offset + size <= fileSize;
}

PackageLoadResult CUpdatePackage::Load(const wchar_t* path) {
    m_bytes.clear();
    long length = path ? GetFileLength(path) : -1;
    if (length < 0) return PACKAGE_CANNOT_OPEN;
    FILE* f = _wfopen(path, L"rb");
    if (!f) return PACKAGE_CANNOT_OPEN;
    if ((DWORD)length < UPDATE_PACKAGE_HEADER_SIZE) {
        std::fclose(f);
        return PACKAGE_TOO_SHORT;
    }
    try {
        m_bytes.resize((size_t)length);
    } catch (const std::bad_alloc&) {
        std::fclose(f);
        return PACKAGE_NO_MEMORY;
    }
    size_t got = std::fread(m_bytes.data(), 1, m_bytes.size(), f);
    // Nothing may follow the counted length either.
    bool more = got == m_bytes.size() && std::fgetc(f) != EOF;
    std::fclose(f);
    if (got != m_bytes.size() || more) {
        m_bytes.clear();
        return PACKAGE_SHORT_READ;
    }
    return PACKAGE_LOADED;
}

DWORD CUpdatePackage::Word(DWORD offset) const {
    if ((unsigned long long)offset + 4 > m_bytes.size()) return 0;
    const BYTE* p = m_bytes.data() + offset;
    return (DWORD)p[0] | (DWORD)p[1] << 8 | (DWORD)p[2] << 16 | (DWORD)p[3] << 24;
}

UpdatePackageHeader CUpdatePackage::Header() const {
    UpdatePackageHeader h = {};
    if (m_bytes.size() < UPDATE_PACKAGE_HEADER_SIZE) return h;
    for (DWORD i = 0; i < 9; ++i) h.words[i] = Word(4 * i);
    return h;
}

bool CUpdatePackage::TableInside(PackagePartTable table) const {
    if (m_bytes.size() < UPDATE_PACKAGE_HEADER_SIZE) return false;
    unsigned long long n = PartCount();
    unsigned long long end = UPDATE_PACKAGE_HEADER_SIZE + n * UPDATE_PACKAGE_ENTRY_SIZE;
    if (table == PACKAGE_PART_RECORDS) end += n * UPDATE_PACKAGE_RECORD_SIZE;
    return end <= m_bytes.size();
}

bool CUpdatePackage::GetEntry(DWORD i, UpdatePackagePartEntry* entry) const {
    if (!entry || i >= PartCount() || !TableInside(PACKAGE_PART_ENTRIES)) return false;
    DWORD at = UPDATE_PACKAGE_HEADER_SIZE + i * UPDATE_PACKAGE_ENTRY_SIZE;
    entry->target = Word(at);
    entry->partType = Word(at + 4);
    entry->dataOffset = Word(at + 8);
    entry->dataSize = Word(at + 12);
    std::memcpy(entry->digest, m_bytes.data() + at + 16, UPDATE_PACKAGE_DIGEST_SIZE);
    return PackageRangeInside(entry->dataOffset, entry->dataSize, Size());
}

bool CUpdatePackage::GetRecord(DWORD i, UpdatePackagePartRecord* record) const {
    if (!record || i >= PartCount() || !TableInside(PACKAGE_PART_RECORDS)) return false;
    DWORD at = UPDATE_PACKAGE_HEADER_SIZE + PartCount() * UPDATE_PACKAGE_ENTRY_SIZE + i * UPDATE_PACKAGE_RECORD_SIZE;
    record->target = Word(at);
    record->partType = Word(at + 4);
    record->dataOffset = Word(at + 8);
    record->dataSize = Word(at + 12);
    record->versionMajor = Word(at + 16);
    record->versionMinor = Word(at + 20);
    std::memcpy(record->digest, m_bytes.data() + at + 296, UPDATE_PACKAGE_DIGEST_SIZE);
    return PackageRangeInside(record->dataOffset, record->dataSize, Size());
}

bool CUpdatePackage::GetPart(PackagePartTable table, DWORD i, UpdatePackagePartRecord* part) const {
    if (!part) return false;
    if (table == PACKAGE_PART_RECORDS) return GetRecord(i, part);
    UpdatePackagePartEntry e = {};
    bool ok = GetEntry(i, &e);
    part->target = e.target;
    part->partType = e.partType;
    part->dataOffset = e.dataOffset;
    part->dataSize = e.dataSize;
    part->versionMajor = 0;
    part->versionMinor = 0;
    std::memcpy(part->digest, e.digest, UPDATE_PACKAGE_DIGEST_SIZE);
    return ok;
}

const BYTE* CUpdatePackage::PartData(const UpdatePackagePartRecord& part) const {
    if (!PackageRangeInside(part.dataOffset, part.dataSize, Size())) return nullptr;
    return m_bytes.data() + part.dataOffset;
}

namespace {

// Where one part's data lies, and which part it is.
struct PartSpan {
    DWORD offset;
    DWORD size;
    DWORD index;
    bool operator<(const PartSpan& o) const {
        if (offset != o.offset) return offset < o.offset;
        if (size != o.size) return size < o.size;
        return index < o.index;
    }
};

bool Digest(const BYTE* data, DWORD size, BYTE digest[MD5_DIGEST_SIZE]) {
    MD5_CTX md5;
    MD5Init(&md5);
    MD5Update(&md5, data, size);
    return MD5Final(digest, &md5) != FALSE;
}

}  // namespace

// Parts may lie anywhere and in any order, and several entries may name
// the very same bytes (one image for two interfaces): those are hashed
// once. Parts that overlap otherwise are refused, so that no byte is
// hashed twice and the check takes time in proportion to the file.
PackageCheckResult CUpdatePackage::Check(PackagePartTable table, DWORD requiredParts, DWORD* failedIndex) const {
    if (failedIndex) *failedIndex = 0;
    if (!TableInside(table)) return PACKAGE_TABLES_OUTSIDE;
    if (PartCount() < requiredParts) return PACKAGE_TOO_FEW_PARTS;
    const DWORD n = PartCount();
    std::vector<PartSpan> spans;
    try {
        spans.reserve(n);
    } catch (const std::bad_alloc&) {
        return PACKAGE_CHECK_NO_MEMORY;
    }
    bool emptyPart = false;
    for (DWORD i = 0; i < n; ++i) {
        UpdatePackagePartRecord part;
        if (!GetPart(table, i, &part)) {
            if (failedIndex) *failedIndex = i;
            return PACKAGE_PART_OUTSIDE;
        }
        if (part.dataSize > 0) spans.push_back({part.dataOffset, part.dataSize, i});
        else emptyPart = true;
    }
    std::sort(spans.begin(), spans.end());

    // Runs of the same range; a range that begins inside the one before it
    // overlaps it.
    for (size_t at = 1; at < spans.size(); ++at) {
        const PartSpan& before = spans[at - 1];
        const PartSpan& span = spans[at];
        const bool same = span.offset == before.offset && span.size == before.size;
        if (!same && (unsigned long long)before.offset + before.size > span.offset) {
            if (failedIndex) *failedIndex = std::max(before.index, span.index);
            return PACKAGE_PARTS_OVERLAP;
        }
    }

    // Every digest against its part's; the first part (by index) that
    // differs is named.
    DWORD firstDiffering = n;
    auto compare = [&](DWORD index, const BYTE* digest, bool computed) {
        UpdatePackagePartRecord part;
        GetPart(table, index, &part);
        if (!computed || std::memcmp(digest, part.digest, MD5_DIGEST_SIZE) != 0)
            firstDiffering = std::min(firstDiffering, index);
    };
    if (emptyPart) {
        BYTE digest[MD5_DIGEST_SIZE];
        bool computed = Digest(m_bytes.data(), 0, digest);
        for (DWORD i = 0; i < n; ++i) {
            UpdatePackagePartRecord part;
            GetPart(table, i, &part);
            if (part.dataSize == 0) compare(i, digest, computed);
        }
    }
    for (size_t at = 0; at < spans.size();) {
        const PartSpan& first = spans[at];
        BYTE digest[MD5_DIGEST_SIZE];
        bool computed = Digest(m_bytes.data() + first.offset, first.size, digest);
        for (; at < spans.size() && spans[at].offset == first.offset && spans[at].size == first.size; ++at)
            compare(spans[at].index, digest, computed);
    }
    if (firstDiffering < n) {
        if (failedIndex) *failedIndex = firstDiffering;
        return PACKAGE_DIGEST_DIFFERS;
    }
    return PACKAGE_OK;
}
