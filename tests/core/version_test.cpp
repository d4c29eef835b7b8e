#include <gtest/gtest.h>
#include "core/DeviceRecord.h"
#include "core/VersionCompare.h"
#include <climits>

namespace {

int Sign(int v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

TEST(VersionCompare, MajorMinorAndTriple) {
    struct Case { int a1, a2, a3, b1, b2, b3, majorMinor, triple; };
    const Case cases[] = {
        {1, 2, 0, 1, 2, 0, 0, 0},
        {2, 0, 0, 1, 9, 0, 1, 1},     // the major decides before the minor
        {1, 9, 0, 2, 0, 0, -1, -1},
        {4, 2, 7, 4, 3, 0, -1, -1},
        {4, 3, 0, 4, 3, 5, 0, -1},    // the third field only counts in the triple
        {3, 5, 9, 3, 5, 2, 0, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.majorMinor, Sign(CompareMajorMinor(c.a1, c.a2, c.b1, c.b2))) << c.a1 << "." << c.a2;
        EXPECT_EQ(c.triple, Sign(CompareVersionTriple(c.a1, c.a2, c.a3, c.b1, c.b2, c.b3)))
            << c.a1 << "." << c.a2 << "." << c.a3;
    }
    // The results are differences, not just signs.
    EXPECT_EQ(3, CompareMajorMinor(5, 0, 2, 9));
    EXPECT_EQ(-4, CompareMajorMinor(1, 1, 1, 5));
    EXPECT_EQ(-5, CompareVersionTriple(4, 3, 0, 4, 3, 5));
}

TEST(VersionCompare, QuadInStandardOrder) {
    struct Case { int a[4]; int b[4]; int expected; };
    const Case cases[] = {
        {{1, 0, 0, 0}, {1, 0, 0, 0}, 0},
        {{2, 1, 0, 0}, {2, 0, 9, 9}, 1},
        {{2, 1, 3, 3}, {2, 2, 0, 0}, -1},
        // Third field: 1 ranks below 0, other values by size.
        {{1, 0, 1, 0}, {1, 0, 0, 0}, -1},
        {{1, 0, 0, 0}, {1, 0, 1, 0}, 1},
        {{1, 0, 2, 0}, {1, 0, 1, 9}, 1},
        {{1, 0, 3, 0}, {1, 0, 2, 0}, 1},
        {{1, 0, 2, 0}, {1, 0, 3, 0}, -1},
        // Equal thirds: the fourth decides.
        {{1, 0, 2, 5}, {1, 0, 2, 4}, 1},
        {{1, 0, 2, 4}, {1, 0, 2, 40}, -1},
        // Against an all-zero version: 0 exactly when everything is 0.
        {{0, 0, 0, 0}, {0, 0, 0, 0}, 0},
        {{0, 0, 0, 1}, {0, 0, 0, 0}, 1},
        {{0, 0, 1, 0}, {0, 0, 0, 0}, -1},
    };
    for (const Case& c : cases) {
        int r = CompareVersionQuad(c.a[0], c.a[1], c.a[2], c.a[3], c.b[0], c.b[1], c.b[2], c.b[3], FALSE);
        EXPECT_EQ(c.expected, Sign(r)) << c.a[0] << "." << c.a[1] << "." << c.a[2] << "." << c.a[3] << " vs "
                                       << c.b[0] << "." << c.b[1] << "." << c.b[2] << "." << c.b[3];
    }
}

TEST(VersionCompare, QuadWithThirdPairFirst) {
    struct Case { int a[4]; int b[4]; int expected; };
    const Case cases[] = {
        {{9, 9, 1, 0}, {0, 0, 2, 0}, -1},  // the pair (third, fourth) decides first
        {{0, 0, 2, 1}, {9, 9, 2, 0}, 1},
        {{2, 0, 3, 4}, {1, 9, 3, 4}, 1},   // equal pair: then major and minor
        {{2, 0, 3, 4}, {2, 0, 3, 4}, 0},
        {{1, 0, 1, 0}, {1, 0, 0, 0}, 1},   // no special rank for a third field of 1
    };
    for (const Case& c : cases) {
        int r = CompareVersionQuad(c.a[0], c.a[1], c.a[2], c.a[3], c.b[0], c.b[1], c.b[2], c.b[3], TRUE);
        EXPECT_EQ(c.expected, Sign(r));
    }
}

// Versions at the ends of the int range still order by their sign: the
// difference of two such fields does not fit in an int.
TEST(VersionCompare, ExtremeFieldsKeepTheirOrder) {
    struct Case { int a, b; int expected; };
    const Case cases[] = {
        {1, INT_MIN, 1},
        {INT_MIN, 1, -1},
        {INT_MAX, -1, 1},
        {-2, INT_MAX, -1},
        {INT_MAX, INT_MIN, 1},
        {INT_MIN, INT_MAX, -1},
        {INT_MIN, INT_MIN, 0},
        {INT_MAX, INT_MAX - 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a << " vs " << c.b);
        // In every field position the order of the one field decides.
        EXPECT_EQ(c.expected, Sign(CompareMajorMinor(c.a, 0, c.b, 0)));
        EXPECT_EQ(c.expected, Sign(CompareMajorMinor(7, c.a, 7, c.b)));
        EXPECT_EQ(c.expected, Sign(CompareVersionTriple(c.a, 0, 0, c.b, 0, 0)));
        EXPECT_EQ(c.expected, Sign(CompareVersionTriple(1, c.a, 0, 1, c.b, 0)));
        EXPECT_EQ(c.expected, Sign(CompareVersionTriple(1, 1, c.a, 1, 1, c.b)));
        EXPECT_EQ(c.expected, Sign(CompareVersionQuad(c.a, 0, 0, 0, c.b, 0, 0, 0, FALSE)));
        EXPECT_EQ(c.expected, Sign(CompareVersionQuad(1, 2, 3, c.a, 1, 2, 3, c.b, FALSE)));
        EXPECT_EQ(c.expected, Sign(CompareVersionQuad(0, 0, c.a, 0, 0, 0, c.b, 0, TRUE)));
        EXPECT_EQ(c.expected, Sign(CompareVersionQuad(0, 0, 5, c.a, 0, 0, 5, c.b, TRUE)));
        EXPECT_EQ(c.expected, Sign(CompareVersionQuad(c.a, 0, 5, 5, c.b, 0, 5, 5, TRUE)));
    }
    // Where the difference fits it is still the result.
    EXPECT_EQ(INT_MAX, CompareMajorMinor(INT_MAX, 0, 0, 0));
    EXPECT_EQ(INT_MIN + 1, CompareMajorMinor(0, 0, INT_MAX, 0));
}

TEST(VersionCompare, RecordComparesItsOwnVersion) {
    CDeviceRecord r;
    r.m_version.Set(2, 1, 3, 4, 0);
    EXPECT_EQ(0, r.CompareVersion(2, 1));
    EXPECT_GT(r.CompareVersion(2, 0), 0);
    EXPECT_LT(r.CompareVersion(3, 0), 0);
    // Standard order: (2.1, third 3, fourth 4).
    EXPECT_EQ(0, r.CompareFullVersion(2, 1, 3, 4));
    EXPECT_LT(r.CompareFullVersion(2, 1, 3, 5), 0);
    EXPECT_GT(r.CompareFullVersion(1, 9, 9, 9), 0);
    // The camera keeps its versions third pair first.
    r.m_nModelId = 0x3020;
    EXPECT_LT(r.CompareFullVersion(1, 0, 3, 5), 0);
    EXPECT_GT(r.CompareFullVersion(9, 9, 3, 3), 0);
    EXPECT_EQ(0, r.CompareFullVersion(2, 1, 3, 4));
}

TEST(VersionParse, MajorMinor) {
    struct Case { const wchar_t* text; BOOL ok; int major, minor; };
    const Case cases[] = {
        {L"1.2", TRUE, 1, 2},
        {L" 4 . 12 ", TRUE, 4, 12},
        {L"10.0.3", FALSE, 10, 0},   // the minor part "0.3" is not a number
        {L"3", FALSE, 3, 0},
        {L"", FALSE, 0, 0},
        {L".5", FALSE, 0, 5},
        {L"a.b", FALSE, 0, 0},
        {L"2.x", FALSE, 2, 0},
    };
    for (const Case& c : cases) {
        int major = -1, minor = -1;
        EXPECT_EQ(c.ok, ParseMajorMinor(c.text, &major, &minor)) << c.text;
        EXPECT_EQ(c.major, major) << c.text;
        EXPECT_EQ(c.minor, minor) << c.text;
    }
    int major = -1, minor = -1;
    EXPECT_FALSE(ParseMajorMinor(nullptr, &major, &minor));
    EXPECT_EQ(0, major);
    EXPECT_EQ(0, minor);
    EXPECT_TRUE(ParseMajorMinor(L"1.5", nullptr, nullptr));
}

// A sign or more digits than a version part has make the text no version;
// the largest part that is one compares as it reads.
TEST(VersionParse, SignsAndOverlongPartsAreNoVersion) {
    struct Case { const wchar_t* text; BOOL ok; int major, minor; };
    const Case cases[] = {
        {L"-99999999999.0", FALSE, 0, 0},
        {L"-1.0", FALSE, 0, 0},
        {L"+1.0", FALSE, 0, 0},
        {L"1.-2", FALSE, 1, 0},
        {L"1.+2", FALSE, 1, 0},
        {L"- 1.0", FALSE, 0, 0},
        {L"4294967297.1", FALSE, 0, 1},     // would wrap to 1 in 32 bits
        {L"2147483648.0", FALSE, 0, 0},
        {L"1.99999999999999999999", FALSE, 1, 0},
        {L"1234567890.0", FALSE, 0, 0},     // ten digits
        {L"999999999.999999999", TRUE, 999999999, 999999999},
        {L"000000001.000000002", TRUE, 1, 2},
    };
    for (const Case& c : cases) {
        int major = -1, minor = -1;
        EXPECT_EQ(c.ok, ParseMajorMinor(c.text, &major, &minor)) << c.text;
        EXPECT_EQ(c.major, major) << c.text;
        EXPECT_EQ(c.minor, minor) << c.text;
    }
    const wchar_t* quads[] = {L"-1.0.0.0", L"1.0.0.+1", L"1.2.3.99999999999", L"1.2.-3.4", L"1.4294967296.0.0"};
    for (const wchar_t* text : quads) {
        int out[4] = {9, 9, 9, 9};
        EXPECT_FALSE(ParseVersionQuad(text, out)) << text;
        for (int v : out) EXPECT_EQ(0, v) << text;
    }
    int out[4] = {};
    EXPECT_TRUE(ParseVersionQuad(L"999999999.0.0.1", out));
    EXPECT_EQ(999999999, out[0]);

    // Read and compared as the program does: the largest version is newer
    // than 1.0, a damaged text is never taken for an older one.
    int major = 0, minor = 0;
    ASSERT_TRUE(ParseMajorMinor(L"999999999.999999999", &major, &minor));
    EXPECT_GT(CompareMajorMinor(major, minor, 1, 0), 0);
    EXPECT_LT(CompareMajorMinor(1, 0, major, minor), 0);
}

TEST(VersionParse, Quad) {
    struct Case { const wchar_t* text; BOOL ok; int v[4]; };
    const Case cases[] = {
        {L"1.7.5.0", TRUE, {1, 7, 5, 0}},
        {L" 3 .4. 2 .1", TRUE, {3, 4, 2, 1}},
        {L"1.2.3", FALSE, {0, 0, 0, 0}},
        {L"1.2.3.4.5", FALSE, {0, 0, 0, 0}},
        {L"1..3.4", FALSE, {0, 0, 0, 0}},
        {L"1.2.3.x", FALSE, {0, 0, 0, 0}},
        {L"", FALSE, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        int out[4] = {9, 9, 9, 9};
        EXPECT_EQ(c.ok, ParseVersionQuad(c.text, out)) << c.text;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(c.v[i], out[i]) << c.text << " part " << i;
        int a = 9, b = 9, cc = 9, d = 9;
        EXPECT_EQ(c.ok, ParseVersionQuad(c.text, &a, &b, &cc, &d));
        EXPECT_EQ(c.v[0], a);
        EXPECT_EQ(c.v[3], d);
    }
}

TEST(VersionParse, RecordParsesIntoItsVersion) {
    CDeviceRecord r;
    r.m_version.Set(9, 9, 7, 7, 7);
    EXPECT_TRUE(r.ParseVersion(L"3.2"));
    EXPECT_EQ(3, r.m_version.m_nMajor);
    EXPECT_EQ(2, r.m_version.m_nMinor);
    EXPECT_EQ(7, r.m_version.m_nSecondaryVersionType);  // the rest is untouched
}

}  // namespace
