// CString: the framework's wide text type (and CStringA for 8-bit text),
// a value type over std::basic_string with the familiar member names.
#pragma once
#include "framework/WinTypes.h"
#include <string>
#include <cstdarg>
#include <cwchar>

template <class Ch>
class CStringT {
public:
    using Str = std::basic_string<Ch>;
    using PCXSTR = const Ch*;

    CStringT() = default;
    CStringT(const Ch* s) : m_s(s ? s : Str()) {}
    CStringT(const Ch* s, int n) : m_s(s ? Str(s, (size_t)(n < 0 ? 0 : n)) : Str()) {}
    CStringT(Ch c, int repeat = 1) : m_s((size_t)(repeat < 0 ? 0 : repeat), c) {}
    CStringT(const Str& s) : m_s(s) {}
    CStringT(Str&& s) : m_s(std::move(s)) {}
    // Conversion between 8-bit (ANSI code page) and wide text.
    template <class Other, class = std::enable_if_t<!std::is_same<Other, Ch>::value>>
    explicit CStringT(const Other* s) { Assign(s); }
    template <class Other, class = std::enable_if_t<!std::is_same<Other, Ch>::value>>
    explicit CStringT(const CStringT<Other>& s) { Assign(s.GetString(), s.GetLength()); }

    operator const Ch*() const { return m_s.c_str(); }
    const Ch* GetString() const { return m_s.c_str(); }
    const Str& str() const { return m_s; }

    int GetLength() const { return (int)m_s.size(); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    Ch GetAt(int i) const { return (i >= 0 && i < GetLength()) ? m_s[(size_t)i] : Ch(0); }
    Ch operator[](int i) const { return GetAt(i); }
    void SetAt(int i, Ch c) { if (i >= 0 && i < GetLength()) m_s[(size_t)i] = c; }

    // Direct buffer access; the text ends at the first NUL after ReleaseBuffer(-1).
    Ch* GetBuffer(int minLength = 0) {
        if (minLength > GetLength()) m_s.resize((size_t)minLength);
        m_bufferOpen = true;
        return &m_s[0];
    }
    Ch* GetBufferSetLength(int n) { m_s.resize((size_t)(n < 0 ? 0 : n)); m_bufferOpen = true; return &m_s[0]; }
    void ReleaseBuffer(int newLength = -1) {
        if (newLength < 0) {
            size_t n = 0;
            while (n < m_s.size() && m_s[n] != 0) ++n;
            m_s.resize(n);
        } else if ((size_t)newLength <= m_s.size()) {
            m_s.resize((size_t)newLength);
        }
        m_bufferOpen = false;
    }
    void Truncate(int n) { if (n >= 0 && (size_t)n < m_s.size()) m_s.resize((size_t)n); }

    CStringT& operator=(const Ch* s) { m_s = s ? s : Str(); return *this; }
    CStringT& operator=(Ch c) { m_s.assign(1, c); return *this; }
    CStringT& operator+=(const CStringT& s) { m_s += s.m_s; return *this; }
    CStringT& operator+=(const Ch* s) { if (s) m_s += s; return *this; }
    CStringT& operator+=(Ch c) { m_s += c; return *this; }
    void Append(const Ch* s) { if (s) m_s += s; }
    void Append(const Ch* s, int n) { if (s && n > 0) m_s.append(s, (size_t)n); }
    void AppendChar(Ch c) { m_s += c; }

    friend CStringT operator+(const CStringT& a, const CStringT& b) { return CStringT(a.m_s + b.m_s); }
    friend CStringT operator+(const CStringT& a, const Ch* b) { CStringT r(a); r += b; return r; }
    friend CStringT operator+(const Ch* a, const CStringT& b) { CStringT r(a); r += b; return r; }
    friend CStringT operator+(const CStringT& a, Ch b) { CStringT r(a); r += b; return r; }
    friend bool operator==(const CStringT& a, const CStringT& b) { return a.m_s == b.m_s; }
    friend bool operator==(const CStringT& a, const Ch* b) { return a.m_s == (b ? b : Str()); }
    friend bool operator==(const Ch* a, const CStringT& b) { return b == a; }
    friend bool operator!=(const CStringT& a, const CStringT& b) { return !(a == b); }
    friend bool operator!=(const CStringT& a, const Ch* b) { return !(a == b); }
    friend bool operator!=(const Ch* a, const CStringT& b) { return !(b == a); }
    friend bool operator<(const CStringT& a, const CStringT& b) { return a.m_s < b.m_s; }

    int Compare(const Ch* s) const { return m_s.compare(s ? s : Str()); }
    int CompareNoCase(const Ch* s) const {
        CStringT a(*this), b(s);
        a.MakeLower(); b.MakeLower();
        return a.Compare(b);
    }

    CStringT Left(int n) const { return n <= 0 ? CStringT() : CStringT(m_s.substr(0, (size_t)n)); }
    CStringT Right(int n) const {
        if (n <= 0) return CStringT();
        if ((size_t)n >= m_s.size()) return *this;
        return CStringT(m_s.substr(m_s.size() - (size_t)n));
    }
    CStringT Mid(int first) const { return Mid(first, GetLength()); }
    CStringT Mid(int first, int count) const {
        if (first < 0) first = 0;
        if (count < 0 || first >= GetLength()) return CStringT();
        return CStringT(m_s.substr((size_t)first, (size_t)count));
    }

    int Find(Ch c, int start = 0) const { return FindImpl(m_s.find(c, Clamp(start))); }
    int Find(const Ch* s, int start = 0) const { return s ? FindImpl(m_s.find(s, Clamp(start))) : -1; }
    int ReverseFind(Ch c) const { return FindImpl(m_s.rfind(c)); }
    int FindOneOf(const Ch* set) const { return set ? FindImpl(m_s.find_first_of(set)) : -1; }

    int Replace(const Ch* from, const Ch* to) {
        if (!from || !*from) return 0;
        Str f(from), t(to ? to : Str());
        int count = 0;
        for (size_t pos = m_s.find(f); pos != Str::npos; pos = m_s.find(f, pos + t.size())) {
            m_s.replace(pos, f.size(), t);
            ++count;
        }
        return count;
    }
    int Replace(Ch from, Ch to) {
        int count = 0;
        for (auto& c : m_s) if (c == from) { c = to; ++count; }
        return count;
    }
    int Remove(Ch c) {
        size_t before = m_s.size();
        Str out;
        for (Ch x : m_s) if (x != c) out += x;
        m_s.swap(out);
        return (int)(before - m_s.size());
    }
    int Insert(int index, const Ch* s) {
        m_s.insert((size_t)(index < 0 ? 0 : (index > GetLength() ? GetLength() : index)), s ? s : Str());
        return GetLength();
    }
    int Insert(int index, Ch c) { Ch s[2] = {c, 0}; return Insert(index, s); }
    int Delete(int index, int count = 1) {
        if (index >= 0 && index < GetLength() && count > 0) m_s.erase((size_t)index, (size_t)count);
        return GetLength();
    }

    CStringT& TrimLeft() { size_t i = 0; while (i < m_s.size() && IsSpace(m_s[i])) ++i; m_s.erase(0, i); return *this; }
    CStringT& TrimRight() { while (!m_s.empty() && IsSpace(m_s.back())) m_s.pop_back(); return *this; }
    CStringT& Trim() { TrimRight(); return TrimLeft(); }
    CStringT& TrimLeft(Ch c) { size_t i = 0; while (i < m_s.size() && m_s[i] == c) ++i; m_s.erase(0, i); return *this; }
    CStringT& TrimRight(Ch c) { while (!m_s.empty() && m_s.back() == c) m_s.pop_back(); return *this; }
    CStringT& Trim(Ch c) { TrimRight(c); return TrimLeft(c); }

    CStringT& MakeUpper();
    CStringT& MakeLower();
    CStringT& MakeReverse() { m_s.assign(m_s.rbegin(), m_s.rend()); return *this; }

    // Next token after position start; start becomes -1 when none is left.
    CStringT Tokenize(const Ch* delims, int& start) const {
        if (start < 0 || !delims) { start = -1; return CStringT(); }
        size_t b = m_s.find_first_not_of(delims, (size_t)start);
        if (b == Str::npos) { start = -1; return CStringT(); }
        size_t e = m_s.find_first_of(delims, b);
        if (e == Str::npos) e = m_s.size();
        start = (int)(e < m_s.size() ? e + 1 : e);
        return CStringT(m_s.substr(b, e - b));
    }

    void Format(const Ch* fmt, ...) { va_list a; va_start(a, fmt); FormatV(fmt, a); va_end(a); }
    void AppendFormat(const Ch* fmt, ...) {
        va_list a; va_start(a, fmt);
        CStringT t; t.FormatV(fmt, a);
        va_end(a);
        m_s += t.m_s;
    }
    void FormatV(const Ch* fmt, va_list args);

private:
    static bool IsSpace(Ch c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
    size_t Clamp(int start) const { return (size_t)(start < 0 ? 0 : start); }
    static int FindImpl(size_t pos) { return pos == Str::npos ? -1 : (int)pos; }
    void Assign(const char* s, int n = -1);
    void Assign(const wchar_t* s, int n = -1);

    Str m_s;
    bool m_bufferOpen = false;
};

using CStringW = CStringT<wchar_t>;
using CStringA = CStringT<char>;
using CString = CStringW;

// Text from an 8-bit buffer in the ANSI code page, or back.
CStringW AnsiToWide(const char* s, int n = -1);
CStringA WideToAnsi(const wchar_t* s, int n = -1);
CStringW Utf8ToWide(const char* s, int n = -1);
CStringA WideToUtf8(const wchar_t* s, int n = -1);
