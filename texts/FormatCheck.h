// Checks on printf placeholders in translated texts. Everything here is
// constexpr so that the source tables are verified while they compile; the
// same functions run on the wide tables in the tests.
#pragma once

namespace texts {
namespace fmt {

template <class Ch>
constexpr bool IsDigit(Ch c) { return c >= '0' && c <= '9'; }

template <class Ch>
constexpr bool IsFlag(Ch c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }

// Conversions a caller may pass an argument for. "%n" is never accepted.
template <class Ch>
constexpr bool IsConversion(Ch c) {
    const char* kinds = "diouxXeEfgGaAcCsSp";
    for (const char* k = kinds; *k; ++k)
        if (c == *k) return true;
    return false;
}

// Length of the conversion that starts at s[0] == '%', "%%" included;
// 0 when the '%' does not start a valid conversion.
template <class Ch>
constexpr int SpecLength(const Ch* s) {
    int i = 1;
    if (s[i] == '%') return 2;
    while (IsFlag(s[i])) ++i;
    if (s[i] == '*') ++i;
    else while (IsDigit(s[i])) ++i;
    if (s[i] == '.') {
        ++i;
        if (s[i] == '*') ++i;
        else while (IsDigit(s[i])) ++i;
    }
    if (s[i] == 'h' || s[i] == 'l') {
        ++i;
        if (s[i] == s[i - 1]) ++i;  // hh, ll
    } else if (s[i] == 'w' || s[i] == 'L') {
        ++i;
    } else if (s[i] == 'I') {
        if ((s[i + 1] == '6' && s[i + 2] == '4') || (s[i + 1] == '3' && s[i + 2] == '2')) i += 3;
        else ++i;
    }
    return IsConversion(s[i]) ? i + 1 : 0;
}

constexpr int kMalformed = -2;
constexpr int kEnd = -1;

// Position of the next placeholder at or after pos (a literal "%%" is
// skipped), kEnd when there is none, kMalformed at a stray '%'.
template <class Ch>
constexpr int NextPlaceholder(const Ch* s, int pos, int& length) {
    for (int i = pos; s[i]; ++i) {
        if (s[i] != '%') continue;
        int n = SpecLength(s + i);
        if (n == 0) return kMalformed;
        if (n == 2 && s[i + 1] == '%') {
            ++i;
            continue;
        }
        length = n;
        return i;
    }
    return kEnd;
}

// Number of placeholders, or -1 when the text has a stray '%'.
template <class Ch>
constexpr int CountPlaceholders(const Ch* s) {
    int count = 0, pos = 0, length = 0;
    for (;;) {
        int at = NextPlaceholder(s, pos, length);
        if (at == kMalformed) return -1;
        if (at == kEnd) return count;
        ++count;
        pos = at + length;
    }
}

template <class Ch>
constexpr bool HasPercent(const Ch* s) {
    for (int i = 0; s[i]; ++i)
        if (s[i] == '%') return true;
    return false;
}

// True when both texts are well formed and hold the same placeholders,
// written alike, in the same order.
template <class A, class B>
constexpr bool SamePlaceholders(const A* a, const B* b) {
    int pa = 0, pb = 0;
    for (;;) {
        int la = 0, lb = 0;
        int ia = NextPlaceholder(a, pa, la);
        int ib = NextPlaceholder(b, pb, lb);
        if (ia == kMalformed || ib == kMalformed) return false;
        if (ia == kEnd || ib == kEnd) return ia == ib;
        if (la != lb) return false;
        for (int k = 0; k < la; ++k)
            if (a[ia + k] != b[ib + k]) return false;
        pa = ia + la;
        pb = ib + lb;
    }
}

// The rule every translation keeps against its English text: the same
// placeholders; and where the English is a plain text (no placeholder,
// so callers may show it as it is or pass it through a format) no '%' at
// all. A literal percent in a format text is written "%%".
template <class A, class B>
constexpr bool TranslationMatches(const A* english, const B* translation) {
    if (!english || !translation || !english[0] || !translation[0]) return false;
    if (CountPlaceholders(english) == 0)
        return !HasPercent(english) && !HasPercent(translation);
    return SamePlaceholders(english, translation);
}

}  // namespace fmt
}  // namespace texts
