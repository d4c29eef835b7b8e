// The package reader: loading, the tables and every part kept inside the
// file, N covering what a path reads, digests.
#include <gtest/gtest.h>
#include "tests/update/PackageBuilder.h"
#include "update/UpdatePackage.h"
#include "core/Md5.h"
#include <algorithm>

using namespace pkgtest;

namespace {

CUpdatePackage Assigned(std::vector<BYTE> bytes) {
    CUpdatePackage p;
    p.Assign(std::move(bytes));
    return p;
}

std::vector<BYTE> ThreeParts() {
    return PackageBuilder().Model(0x6010)
        .Part(0, 0x11, Pattern(1500, 1))
        .Part(2, 0x22, Pattern(0, 0))
        .Part(1, 0x33, Pattern(77, 3), 2, 5)
        .Build();
}

TEST(UpdatePackage, ReadsHeaderTablesAndPartsOfAValidPackage) {
    std::vector<BYTE> bytes = ThreeParts();
    CUpdatePackage p = Assigned(bytes);
    EXPECT_EQ(0x6010u, p.ModelId());
    EXPECT_EQ(3u, p.PartCount());
    EXPECT_EQ(PACKAGE_OK, p.Check(PACKAGE_PART_RECORDS, 3));
    EXPECT_EQ(PACKAGE_OK, p.Check(PACKAGE_PART_ENTRIES, 3));

    UpdatePackagePartRecord r;
    ASSERT_TRUE(p.GetRecord(2, &r));
    EXPECT_EQ(1u, r.target);
    EXPECT_EQ(0x33u, r.partType);
    EXPECT_EQ(77u, r.dataSize);
    EXPECT_EQ(2u, r.versionMajor);
    EXPECT_EQ(5u, r.versionMinor);
    // The last part ends exactly at the end of the file.
    EXPECT_EQ(bytes.size(), (size_t)r.dataOffset + r.dataSize);
    EXPECT_EQ(Pattern(77, 3), std::vector<BYTE>(p.PartData(r), p.PartData(r) + r.dataSize));

    UpdatePackagePartEntry e;
    ASSERT_TRUE(p.GetEntry(0, &e));
    EXPECT_EQ(1500u, e.dataSize);
    EXPECT_FALSE(p.GetEntry(3, &e));  // past N
    EXPECT_FALSE(p.GetRecord(3, &r));
}

TEST(UpdatePackage, EmptyPackagePassesButNotWhereAPathNeedsParts) {
    CUpdatePackage p = Assigned(PackageBuilder().Model(0x5345).Build());
    EXPECT_EQ(36u, p.Size());
    EXPECT_EQ(PACKAGE_OK, p.Check(PACKAGE_PART_RECORDS, 0));
    // The vehicle module reads records 0 and 1, the voice-prompt path record 2.
    EXPECT_EQ(PACKAGE_TOO_FEW_PARTS, p.Check(PACKAGE_PART_RECORDS, 2));
    CUpdatePackage two = Assigned(PackageBuilder().Part(0, 1, Pattern(10, 1)).Part(0, 2, Pattern(10, 2)).Build());
    EXPECT_EQ(PACKAGE_TOO_FEW_PARTS, two.Check(PACKAGE_PART_RECORDS, 3));
    EXPECT_EQ(PACKAGE_OK, two.Check(PACKAGE_PART_RECORDS, 2));
}

TEST(UpdatePackage, TablesPastTheEndOfTheFileAreRefusedWithoutReadingThem) {
    std::vector<BYTE> bytes = ThreeParts();
    // N so large that 36 + 344 N wraps in 32 bits: still outside.
    std::vector<BYTE> huge = bytes;
    PutWord(huge, 32, 0x0BE82FA1u);  // 344 * N = 2^32 + a little
    CUpdatePackage p = Assigned(huge);
    EXPECT_EQ(PACKAGE_TABLES_OUTSIDE, p.Check(PACKAGE_PART_RECORDS, 0));
    EXPECT_EQ(PACKAGE_TABLES_OUTSIDE, p.Check(PACKAGE_PART_ENTRIES, 0));
    UpdatePackagePartRecord r;
    EXPECT_FALSE(p.GetRecord(0, &r));

    // A header alone that claims one part: the entry table is missing.
    std::vector<BYTE> header(bytes.begin(), bytes.begin() + 36);
    PutWord(header, 32, 1);
    EXPECT_EQ(PACKAGE_TABLES_OUTSIDE, Assigned(header).Check(PACKAGE_PART_ENTRIES, 0));

    // The entry table fits but the records do not: only the record paths refuse.
    std::vector<BYTE> entriesOnly = PackageBuilder().Part(0, 1, {}).Build();
    entriesOnly.resize(36 + 32);
    PutWord(entriesOnly, EntryOffset(0) + 8, 36 + 32);  // its empty part at the end
    CUpdatePackage e = Assigned(entriesOnly);
    EXPECT_EQ(PACKAGE_OK, e.Check(PACKAGE_PART_ENTRIES, 1));
    EXPECT_EQ(PACKAGE_TABLES_OUTSIDE, e.Check(PACKAGE_PART_RECORDS, 1));

    // Shorter than the header: nothing is read.
    CUpdatePackage tiny = Assigned(std::vector<BYTE>(35, 0xFF));
    EXPECT_EQ(0u, tiny.PartCount());
    EXPECT_EQ(PACKAGE_TABLES_OUTSIDE, tiny.Check(PACKAGE_PART_RECORDS, 0));
}

TEST(UpdatePackage, PartEndingAtTheEndIsAcceptedOneByteMoreIsNot) {
    std::vector<BYTE> bytes = ThreeParts();
    size_t size = RecordOffset(3, 2) + 12;
    PutWord(bytes, size, GetWord(bytes, size) + 1);
    DWORD failed = 99;
    EXPECT_EQ(PACKAGE_PART_OUTSIDE, Assigned(bytes).Check(PACKAGE_PART_RECORDS, 0, &failed));
    EXPECT_EQ(2u, failed);
    // The entry table was not touched: a path that reads it is not affected.
    EXPECT_EQ(PACKAGE_OK, Assigned(bytes).Check(PACKAGE_PART_ENTRIES, 0));
}

TEST(UpdatePackage, OffsetPlusSizeIsSummedWithoutWrapping) {
    std::vector<BYTE> bytes = ThreeParts();
    size_t r = RecordOffset(3, 0);
    PutWord(bytes, r + 8, 0xFFFFFF00u);  // offset + size wraps to a small number in 32 bits
    PutWord(bytes, r + 12, 0x200u);
    EXPECT_FALSE(PackageRangeInside(0xFFFFFF00u, 0x200u, 0xFFFFFFFFu));
    EXPECT_EQ(PACKAGE_PART_OUTSIDE, Assigned(bytes).Check(PACKAGE_PART_RECORDS, 0));
    CUpdatePackage p = Assigned(bytes);
    UpdatePackagePartRecord rec;
    EXPECT_FALSE(p.GetRecord(0, &rec));
    EXPECT_EQ(nullptr, p.PartData(rec));
}

TEST(UpdatePackage, OneFlippedByteOrDigestFailsTheDigestOfThatPart) {
    std::vector<BYTE> bytes = ThreeParts();
    UpdatePackagePartRecord r;
    ASSERT_TRUE(Assigned(bytes).GetRecord(2, &r));
    std::vector<BYTE> flipped = bytes;
    flipped[r.dataOffset + 40] ^= 0x01;
    DWORD failed = 0;
    EXPECT_EQ(PACKAGE_DIGEST_DIFFERS, Assigned(flipped).Check(PACKAGE_PART_RECORDS, 0, &failed));
    EXPECT_EQ(2u, failed);

    std::vector<BYTE> digest = bytes;
    digest[RecordOffset(3, 1) + 300] ^= 0x80;  // the empty part's digest
    EXPECT_EQ(PACKAGE_DIGEST_DIFFERS, Assigned(digest).Check(PACKAGE_PART_RECORDS, 0, &failed));
    EXPECT_EQ(1u, failed);
    EXPECT_EQ(PACKAGE_OK, Assigned(digest).Check(PACKAGE_PART_ENTRIES, 0));
}

// A package whose digests are all zero, checked while the crypto service
// fails: a digest that was not computed matches nothing.
TEST(UpdatePackage, DigestTheSystemCouldNotComputeMatchesNothing) {
    std::vector<BYTE> bytes = ThreeParts();
    for (DWORD i = 0; i < 3; ++i) {
        std::fill(bytes.begin() + RecordOffset(3, i) + 296, bytes.begin() + RecordOffset(3, i) + 312, 0);
        std::fill(bytes.begin() + EntryOffset(i) + 16, bytes.begin() + EntryOffset(i) + 32, 0);
    }
    for (auto failure : {md5::test::Failure::OpenProvider, md5::test::Failure::FinishHash}) {
        md5::test::SetFailure(failure);
        DWORD failed = 99;
        EXPECT_EQ(PACKAGE_DIGEST_DIFFERS, Assigned(bytes).Check(PACKAGE_PART_RECORDS, 0, &failed));
        EXPECT_EQ(0u, failed);
        EXPECT_EQ(PACKAGE_DIGEST_DIFFERS, Assigned(bytes).Check(PACKAGE_PART_ENTRIES, 0));
    }
    md5::test::SetFailure(md5::test::Failure::None);
    EXPECT_EQ(PACKAGE_OK, Assigned(ThreeParts()).Check(PACKAGE_PART_RECORDS, 0));
}

// Entries may name the same bytes (hashed once), lie in any order and over
// each other; the bytes hashed stay within a small multiple of the file,
// however many entries the table has, and a table that would need more is
// refused before anything is hashed.
TEST(UpdatePackage, EachByteIsHashedOnceWhateverTheEntriesPointAt) {
    const DWORD block = 64 * 1024;
    for (DWORD count : {2u, 16u, 256u}) {
        SCOPED_TRACE(count);
        PackageBuilder builder;
        builder.Model(0x6010).Part(0, 1, Pattern(block, 5));
        for (DWORD i = 1; i < count; ++i) builder.Part(2, 2, {});
        std::vector<BYTE> bytes = builder.Build();
        UpdatePackagePartRecord first;
        ASSERT_TRUE(Assigned(bytes).GetRecord(0, &first));
        for (DWORD i = 1; i < count; ++i) PointPartAt(bytes, count, i, first.dataOffset, block);
        for (PackagePartTable table : {PACKAGE_PART_RECORDS, PACKAGE_PART_ENTRIES}) {
            md5::test::ResetHashedBytes();
            EXPECT_EQ(PACKAGE_OK, Assigned(bytes).Check(table, count));
            EXPECT_EQ(block, md5::test::HashedBytes());
        }
    }

    // The data in the reverse order of the table.
    std::vector<BYTE> reversed = ThreeParts();
    UpdatePackagePartRecord r[3];
    for (DWORD i = 0; i < 3; ++i) ASSERT_TRUE(Assigned(reversed).GetRecord(i, &r[i]));
    const DWORD start = r[0].dataOffset;
    std::vector<BYTE> data(reversed.begin() + start, reversed.end());
    std::vector<BYTE> flipped(reversed.begin(), reversed.begin() + start);
    for (int i = 2; i >= 0; --i)
        flipped.insert(flipped.end(), data.begin() + (r[i].dataOffset - start),
                       data.begin() + (r[i].dataOffset - start) + r[i].dataSize);
    PointPartAt(flipped, 3, 2, start, r[2].dataSize);
    PointPartAt(flipped, 3, 1, start + r[2].dataSize, 0);
    PointPartAt(flipped, 3, 0, start + r[2].dataSize, r[0].dataSize);
    md5::test::ResetHashedBytes();
    EXPECT_EQ(PACKAGE_OK, Assigned(flipped).Check(PACKAGE_PART_RECORDS, 3));
    EXPECT_EQ(flipped.size() - start, md5::test::HashedBytes());

    // Shifted by one byte into its neighbour, or lying inside it: accepted
    // with their digests, each distinct range hashed once; refused with a
    // wrong one, which is named.
    struct Overlap {
        const char* what;
        DWORD offsetInPart0, size;
    } overlaps[] = {{"begins inside", 1499, 77}, {"lies inside", 100, 77}, {"same start, shorter", 0, 77}};
    for (const Overlap& o : overlaps) {
        SCOPED_TRACE(o.what);
        std::vector<BYTE> bytes = ThreeParts();
        PointPartAt(bytes, 3, 2, r[0].dataOffset + o.offsetInPart0, o.size);
        md5::test::ResetHashedBytes();
        EXPECT_EQ(PACKAGE_OK, Assigned(bytes).Check(PACKAGE_PART_RECORDS, 0));
        EXPECT_EQ(1500u + 77u, md5::test::HashedBytes());
        EXPECT_EQ(PACKAGE_OK, Assigned(bytes).Check(PACKAGE_PART_ENTRIES, 0));
        bytes[RecordOffset(3, 2) + 296] ^= 1;
        bytes[EntryOffset(2) + 16] ^= 1;
        DWORD failed = 0;
        EXPECT_EQ(PACKAGE_DIGEST_DIFFERS, Assigned(bytes).Check(PACKAGE_PART_RECORDS, 0, &failed));
        EXPECT_EQ(2u, failed);
        EXPECT_EQ(PACKAGE_DIGEST_DIFFERS, Assigned(bytes).Check(PACKAGE_PART_ENTRIES, 0));
    }
    // Many entries, each a different stretch of one block (its start moved
    // on by a byte each time), all with their digests: within the bound they
    // pass, hashing what the bound allows at most; beyond it the table is
    // refused before anything is hashed, naming the first part past it.
    for (DWORD count : {4u, 5u, 64u}) {
        SCOPED_TRACE(count);
        PackageBuilder builder;
        builder.Model(0x6010).Part(0, 1, Pattern(block, 7));
        for (DWORD i = 1; i < count; ++i) builder.Part(2, 2, {});
        std::vector<BYTE> bytes = builder.Build();
        UpdatePackagePartRecord first;
        ASSERT_TRUE(Assigned(bytes).GetRecord(0, &first));
        for (DWORD i = 1; i < count; ++i) PointPartAt(bytes, count, i, first.dataOffset + i, block - i);
        const unsigned long long bound = (unsigned long long)PACKAGE_HASH_BOUND_FACTOR * bytes.size();
        DWORD pastBound = 0;  // the first part whose stretch takes the total past the bound
        for (unsigned long long total = 0; pastBound < count && (total += block - pastBound) <= bound;) ++pastBound;
        for (PackagePartTable table : {PACKAGE_PART_RECORDS, PACKAGE_PART_ENTRIES}) {
            md5::test::ResetHashedBytes();
            DWORD failed = 0;
            const PackageCheckResult result = Assigned(bytes).Check(table, count, &failed);
            EXPECT_LE(md5::test::HashedBytes(), bound);
            if (count <= PACKAGE_HASH_BOUND_FACTOR) {
                EXPECT_EQ(count, pastBound);
                EXPECT_EQ(PACKAGE_OK, result);
            } else {
                EXPECT_EQ(PACKAGE_OVERLAP_BEYOND_BOUND, result);
                EXPECT_EQ(pastBound, failed);
                EXPECT_EQ(0u, md5::test::HashedBytes());
            }
        }
    }
    // Touching is not overlapping: the first part cut in two.
    std::vector<BYTE> touching = ThreeParts();
    PointPartAt(touching, 3, 0, r[0].dataOffset, 1400);
    PointPartAt(touching, 3, 2, r[0].dataOffset + 1400, 100);
    EXPECT_EQ(PACKAGE_OK, Assigned(touching).Check(PACKAGE_PART_RECORDS, 0));
}

TEST(UpdatePackage, LoadReadsTheWholeFileAndNamesEachFailure) {
    ScratchFolder dir;
    CUpdatePackage p;
    EXPECT_EQ(PACKAGE_CANNOT_OPEN, p.Load(dir.File(L"missing.img").c_str()));
    EXPECT_EQ(PACKAGE_CANNOT_OPEN, p.Load(nullptr));
    ASSERT_TRUE(WriteBytes(dir.File(L"short.img"), std::vector<BYTE>(35, 0)));
    EXPECT_EQ(PACKAGE_TOO_SHORT, p.Load(dir.File(L"short.img").c_str()));
    std::vector<BYTE> bytes = ThreeParts();
    ASSERT_TRUE(WriteBytes(dir.File(L"good.img"), bytes));
    ASSERT_EQ(PACKAGE_LOADED, p.Load(dir.File(L"good.img").c_str()));
    EXPECT_EQ(bytes.size(), p.Size());
    EXPECT_EQ(PACKAGE_OK, p.Check(PACKAGE_PART_RECORDS, 3));
}

TEST(UpdatePackage, ServedFixturePackagesPassTheChecksOfTheirPaths) {
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring folder = exe;
    folder = folder.substr(0, folder.find_last_of(L"\\/") + 1) + L"fwserver\\zarnbluetoothmanager\\";
    struct Fixture {
        const wchar_t* name;
        DWORD model;
        PackagePartTable table;
        DWORD parts;
    } fixtures[] = {
        {L"40N_v1.3.img", 0x5520, PACKAGE_PART_RECORDS, 0},
        {L"40Z_v2.1.img", 0x5510, PACKAGE_PART_RECORDS, 3},
        {L"Vehicle_Module_v1.1.img", 0x5345, PACKAGE_PART_RECORDS, 2},
        {L"70J_v1.1-en.img", 0x3110, PACKAGE_PART_RECORDS, 3},
        {L"P3_v1.1.img", 0x6010, PACKAGE_PART_RECORDS, 0},
        {L"Corvane_v1.1.img", 0x4310, PACKAGE_PART_RECORDS, 0},
        {L"60T_v1.8.0.img", 0x4210, PACKAGE_PART_ENTRIES, 0},
    };
    for (const Fixture& f : fixtures) {
        CUpdatePackage p;
        ASSERT_EQ(PACKAGE_LOADED, p.Load((folder + f.name).c_str())) << (folder + f.name).c_str();
        EXPECT_EQ(f.model, p.ModelId());
        EXPECT_EQ(PACKAGE_OK, p.Check(f.table, f.parts));
    }
}

}  // namespace
