#include "core/VersionCompare.h"
#include <climits>
#include <cwchar>

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

// A version part never has more digits than this; anything longer is not a
// version (and could not be held in an int).
const int kMaxVersionDigits = 9;

// Reads the decimal number in [begin, end), surrounding blanks allowed. A
// sign, more than kMaxVersionDigits digits or anything else makes it no
// version part: false. value is then what the leading digits give (0 when
// there are none or too many).
bool ParseDecimal(const wchar_t* begin, const wchar_t* end, int* value) {
    while (begin < end && IsBlank(*begin)) ++begin;
    while (end > begin && IsBlank(end[-1])) --end;
    const wchar_t* p = begin;
    int n = 0;
    int digits = 0;
    while (p < end && *p >= L'0' && *p <= L'9') {
        if (digits < kMaxVersionDigits) n = n * 10 + (*p - L'0');
        ++digits;
        ++p;
    }
    if (digits > kMaxVersionDigits) {
        *value = 0;
        return false;
    }
    *value = n;
    return digits > 0 && p == end;
}

// The difference a - b where it fits in an int, else the int limit of its
// sign: callers rely on the difference for near versions and on the sign
// for any two.
int Difference(int a, int b) {
    long long d = (long long)a - (long long)b;
    if (d > INT_MAX) return INT_MAX;
    if (d < INT_MIN) return INT_MIN;
    return (int)d;
}

int Order(int a, int b) { return a > b ? 1 : (a < b ? -1 : 0); }

}  // namespace

int CompareMajorMinor(int major1, int minor1, int major2, int minor2) {
    if (major1 != major2) return Difference(major1, major2);
    return Difference(minor1, minor2);
}

int CompareVersionTriple(int aMajor, int aMinor, int aThird, int bMajor, int bMinor, int bThird) {
    if (aMajor != bMajor) return Difference(aMajor, bMajor);
    if (aMinor != bMinor) return Difference(aMinor, bMinor);
    return Difference(aThird, bThird);
}

int CompareVersionQuad(int aMajor, int aMinor, int aThird, int aFourth,
                       int bMajor, int bMinor, int bThird, int bFourth, BOOL thirdPairFirst) {
    if (thirdPairFirst) {
        int r = CompareMajorMinor(aThird, aFourth, bThird, bFourth);
        if (r != 0) return r;
        return CompareMajorMinor(aMajor, aMinor, bMajor, bMinor);
    }
    int r = CompareMajorMinor(aMajor, aMinor, bMajor, bMinor);
    if (r != 0) return r;
    if (aThird != bThird) {
        // A third field of 1 sorts below 0.
        int a = aThird == 1 ? -1 : aThird;
        int b = bThird == 1 ? -1 : bThird;
        if (a != b) return a > b ? 1 : -1;
    }
    if (aFourth != bFourth) return Order(aFourth, bFourth);
    // Only reached when the thirds differ yet rank alike (1 against -1):
    // still not equal.
    return Order(aThird, bThird);
}

BOOL ParseMajorMinor(const wchar_t* text, int* major, int* minor) {
    int maj = 0, min = 0;
    BOOL ok = FALSE;
    if (text) {
        const wchar_t* dot = wcschr(text, L'.');
        const wchar_t* end = text + wcslen(text);
        if (dot) {
            bool a = ParseDecimal(text, dot, &maj);
            bool b = ParseDecimal(dot + 1, end, &min);
            ok = (a && b) ? TRUE : FALSE;
        } else {
            ParseDecimal(text, end, &maj);
        }
    }
    if (major) *major = maj;
    if (minor) *minor = min;
    return ok;
}

BOOL ParseVersionQuad(const wchar_t* text, int* a, int* b, int* c, int* d) {
    int* outs[4] = {a, b, c, d};
    for (int* o : outs)
        if (o) *o = 0;
    if (!text) return FALSE;
    int values[4] = {0, 0, 0, 0};
    const wchar_t* p = text;
    for (int i = 0; i < 4; ++i) {
        const wchar_t* dot = wcschr(p, L'.');
        const wchar_t* end = (i < 3) ? dot : p + wcslen(p);
        if (!end) return FALSE;               // fewer than four parts
        if (i == 3 && dot) return FALSE;      // more than four parts
        if (!ParseDecimal(p, end, &values[i])) return FALSE;
        p = end + 1;
    }
    for (int i = 0; i < 4; ++i)
        if (outs[i]) *outs[i] = values[i];
    return TRUE;
}

BOOL ParseVersionQuad(const wchar_t* text, int out[4]) {
    if (!out) return ParseVersionQuad(text, nullptr, nullptr, nullptr, nullptr);
    return ParseVersionQuad(text, &out[0], &out[1], &out[2], &out[3]);
}
