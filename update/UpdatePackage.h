// The HID firmware package (".img"): a header of nine little-endian u32
// words (word 7 the model id, word 8 the part count N), then N 32-byte part
// entries at 36 + 32i, then N 312-byte part records at 36 + 32N + 312i, and
// the parts' data anywhere in the file. Every update path reads packages
// through CUpdatePackage, which keeps every table and part inside the file.
#pragma once
#include <windows.h>
#include <vector>

const DWORD UPDATE_PACKAGE_HEADER_SIZE = 36;
const DWORD UPDATE_PACKAGE_ENTRY_SIZE = 32;
const DWORD UPDATE_PACKAGE_RECORD_SIZE = 312;
const int UPDATE_PACKAGE_DIGEST_SIZE = 16;

struct UpdatePackageHeader {
    DWORD words[9];
    DWORD ModelId() const { return words[7]; }
    DWORD PartCount() const { return words[8]; }
};

// The 32-byte part table entry.
struct UpdatePackagePartEntry {
    DWORD target;
    DWORD partType;
    DWORD dataOffset;
    DWORD dataSize;
    BYTE digest[UPDATE_PACKAGE_DIGEST_SIZE];  // MD5 of the part's data
};

// The 312-byte part record (bytes 24-295 carry nothing the program reads).
struct UpdatePackagePartRecord {
    DWORD target;
    DWORD partType;
    DWORD dataOffset;
    DWORD dataSize;
    DWORD versionMajor;
    DWORD versionMinor;
    BYTE digest[UPDATE_PACKAGE_DIGEST_SIZE];
};

// Which of the two tables a path reads its parts from.
enum PackagePartTable { PACKAGE_PART_RECORDS, PACKAGE_PART_ENTRIES };

enum PackageLoadResult {
    PACKAGE_LOADED,
    PACKAGE_CANNOT_OPEN,
    PACKAGE_TOO_SHORT,   // shorter than the header
    PACKAGE_NO_MEMORY,
    PACKAGE_SHORT_READ,  // reading returned fewer bytes than the file's length
};

enum PackageCheckResult {
    PACKAGE_OK,
    PACKAGE_TABLES_OUTSIDE,  // the part table (or records) run past the end of the file
    PACKAGE_TOO_FEW_PARTS,   // N is below what the path reads
    PACKAGE_PART_OUTSIDE,    // offset + size past the end of the file
    PACKAGE_DIGEST_DIFFERS,
    PACKAGE_OVERLAP_BEYOND_BOUND,  // overlapping parts would need more hashing than the bound allows
    PACKAGE_CHECK_NO_MEMORY,  // no memory for the list of parts
};

// The bytes a check may hash, as a multiple of the file's size.
const unsigned PACKAGE_HASH_BOUND_FACTOR = 4;

// Target values of a part.
const DWORD PACKAGE_TARGET_FIRST_RESTART = 0;   // first interface, restarted after all parts
const DWORD PACKAGE_TARGET_SECOND_RESTART = 1;  // second interface (restarted by the two-chip paths)
const DWORD PACKAGE_TARGET_FIRST = 2;           // first interface, no restart

class CUpdatePackage {
public:
    // Reads the whole file into memory.
    PackageLoadResult Load(const wchar_t* path);
    // Takes the bytes of a package that is already in memory.
    void Assign(std::vector<BYTE> bytes) { m_bytes = std::move(bytes); }

    const BYTE* Bytes() const { return m_bytes.data(); }
    DWORD Size() const { return (DWORD)m_bytes.size(); }
    // The header; all zero for a buffer shorter than the header.
    UpdatePackageHeader Header() const;
    DWORD ModelId() const { return Header().ModelId(); }
    DWORD PartCount() const { return Header().PartCount(); }

    // Checks, before anything is sent: the table lies inside the file, N
    // covers every index the path uses (requiredParts), every part of the
    // table lies inside the file, and every part has its digest. Parts may
    // overlap; entries naming the same range share one digest, and the
    // bytes hashed stay within PACKAGE_HASH_BOUND_FACTOR times the file's
    // size (a package that needs more is refused before anything is
    // hashed). *failedIndex names the part that failed.
    PackageCheckResult Check(PackagePartTable table, DWORD requiredParts, DWORD* failedIndex = nullptr) const;

    // Part i of a table; false when the table or the part lies outside the file.
    bool GetEntry(DWORD i, UpdatePackagePartEntry* entry) const;
    bool GetRecord(DWORD i, UpdatePackagePartRecord* record) const;
    // Part i of either table as a record (an entry has no version: 0.0).
    bool GetPart(PackagePartTable table, DWORD i, UpdatePackagePartRecord* part) const;
    // The part's data; null when it lies outside the file.
    const BYTE* PartData(const UpdatePackagePartRecord& part) const;

    // True when the table of N parts lies inside the file.
    bool TableInside(PackagePartTable table) const;

private:
    DWORD Word(DWORD offset) const;
    std::vector<BYTE> m_bytes;
};

// True when the part [offset, offset + size) lies inside a file of fileSize
// bytes, the sum taken in 64 bits.
bool PackageRangeInside(DWORD offset, DWORD size, DWORD fileSize);
