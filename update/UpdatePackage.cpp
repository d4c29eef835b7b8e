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

// Parts may lie anywhere, in any order and over each other, and several
// entries may name the very same bytes (one image for two interfaces):
// those are hashed once. What the distinct ranges add up to is known before
// anything is hashed; a table whose ranges would take more than the bound
// is refused, so that the check takes time in proportion to the file.
PackageCheckResult CUpdatePackage::Check(PackagePartTable table, DWORD requiredParts, DWORD* failedIndex) const {
    if (failedIndex) *failedIndex = 0;
    if (!TableInside(table)) return PACKAGE_TABLES_OUTSIDE;
    if (PartCount() < requiredParts) return PACKAGE_TOO_FEW_PARTS;
    const DWORD n = PartCount();
    std::vector<PartSpan> spans;
    std::vector<PartSpan> ranges;  // one per distinct range, with its lowest index
    try {
        spans.reserve(n);
        ranges.reserve(n);
    } catch (const std::bad_alloc&) {
        return PACKAGE_CHECK_NO_MEMORY;
    }
    for (DWORD i = 0; i < n; ++i) {
        UpdatePackagePartRecord part;
        if (!GetPart(table, i, &part)) {
            if (failedIndex) *failedIndex = i;
            return PACKAGE_PART_OUTSIDE;
        }
        spans.push_back({part.dataOffset, part.dataSize, i});
    }
    std::sort(spans.begin(), spans.end());

    // The distinct ranges, counted in the order of the table: the part whose
    // range takes the total past the bound is the one named.
    for (size_t at = 0; at < spans.size();) {
        const PartSpan& first = spans[at];  // the lowest index of its run
        ranges.push_back(first);
        while (at < spans.size() && spans[at].offset == first.offset && spans[at].size == first.size) ++at;
    }
    std::sort(ranges.begin(), ranges.end(), [](const PartSpan& a, const PartSpan& b) { return a.index < b.index; });
    const unsigned long long bound = (unsigned long long)PACKAGE_HASH_BOUND_FACTOR * Size();
    unsigned long long total = 0;
    for (const PartSpan& range : ranges) {
        total += range.size;
        if (total > bound) {
            if (failedIndex) *failedIndex = range.index;
            return PACKAGE_OVERLAP_BEYOND_BOUND;
        }
    }

    // Every digest against its part's; the first part (by index) that
    // differs is named.
    DWORD firstDiffering = n;
    for (size_t at = 0; at < spans.size();) {
        const PartSpan& first = spans[at];
        BYTE digest[MD5_DIGEST_SIZE];
        const bool computed = Digest(m_bytes.data() + first.offset, first.size, digest);
        for (; at < spans.size() && spans[at].offset == first.offset && spans[at].size == first.size; ++at) {
            UpdatePackagePartRecord part;
            GetPart(table, spans[at].index, &part);
            if (!computed || std::memcmp(digest, part.digest, MD5_DIGEST_SIZE) != 0)
                firstDiffering = std::min(firstDiffering, spans[at].index);
        }
    }
    if (firstDiffering < n) {
        if (failedIndex) *failedIndex = firstDiffering;
        return PACKAGE_DIGEST_DIFFERS;
    }
    return PACKAGE_OK;
}
