#include "framework/String.h"
#include <cwctype>
#include <cctype>
#include <vector>

namespace {
template <class Ch>
int VFormat(std::vector<Ch>& buf, const Ch* fmt, va_list args);

template <>
int VFormat<wchar_t>(std::vector<wchar_t>& buf, const wchar_t* fmt, va_list args) {
    return _vsnwprintf(buf.data(), buf.size() - 1, fmt, args);
}
template <>
int VFormat<char>(std::vector<char>& buf, const char* fmt, va_list args) {
    return _vsnprintf(buf.data(), buf.size() - 1, fmt, args);
}

CStringW Convert(UINT cp, const char* s, int n) {
    if (!s) return CStringW();
    if (n < 0) n = (int)strlen(s);
    if (n == 0) return CStringW();
    int len = MultiByteToWideChar(cp, 0, s, n, nullptr, 0);
    CStringW out;
    wchar_t* p = out.GetBufferSetLength(len);
    MultiByteToWideChar(cp, 0, s, n, p, len);
    out.ReleaseBuffer(len);
    return out;
}
CStringA Convert(UINT cp, const wchar_t* s, int n) {
    if (!s) return CStringA();
    if (n < 0) n = (int)wcslen(s);
    if (n == 0) return CStringA();
    int len = WideCharToMultiByte(cp, 0, s, n, nullptr, 0, nullptr, nullptr);
    CStringA out;
    char* p = out.GetBufferSetLength(len);
    WideCharToMultiByte(cp, 0, s, n, p, len, nullptr, nullptr);
    out.ReleaseBuffer(len);
    return out;
}
}  // namespace

template <class Ch>
void CStringT<Ch>::FormatV(const Ch* fmt, va_list args) {
    if (!fmt) { m_s.clear(); return; }
    std::vector<Ch> buf(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int n = VFormat<Ch>(buf, fmt, copy);
        va_end(copy);
        if (n >= 0 && (size_t)n < buf.size() - 1) {
            m_s.assign(buf.data(), (size_t)n);
            return;
        }
        if (buf.size() > (1u << 24)) { m_s.clear(); return; }
        buf.resize(buf.size() * 2);
    }
}

template <>
CStringT<wchar_t>& CStringT<wchar_t>::MakeUpper() {
    if (!m_s.empty()) CharUpperBuffW(&m_s[0], (DWORD)m_s.size());
    return *this;
}
template <>
CStringT<wchar_t>& CStringT<wchar_t>::MakeLower() {
    if (!m_s.empty()) CharLowerBuffW(&m_s[0], (DWORD)m_s.size());
    return *this;
}
template <>
CStringT<char>& CStringT<char>::MakeUpper() {
    for (auto& c : m_s) c = (char)toupper((unsigned char)c);
    return *this;
}
template <>
CStringT<char>& CStringT<char>::MakeLower() {
    for (auto& c : m_s) c = (char)tolower((unsigned char)c);
    return *this;
}

template <>
void CStringT<wchar_t>::Assign(const char* s, int n) { *this = Convert(CP_ACP, s, n); }
template <>
void CStringT<char>::Assign(const wchar_t* s, int n) { *this = Convert(CP_ACP, s, n); }
template <>
void CStringT<wchar_t>::Assign(const wchar_t* s, int n) { m_s = s ? (n < 0 ? std::wstring(s) : std::wstring(s, (size_t)n)) : std::wstring(); }
template <>
void CStringT<char>::Assign(const char* s, int n) { m_s = s ? (n < 0 ? std::string(s) : std::string(s, (size_t)n)) : std::string(); }

template class CStringT<wchar_t>;
template class CStringT<char>;

CStringW AnsiToWide(const char* s, int n) { return Convert(CP_ACP, s, n); }
CStringA WideToAnsi(const wchar_t* s, int n) { return Convert(CP_ACP, s, n); }
CStringW Utf8ToWide(const char* s, int n) { return Convert(CP_UTF8, s, n); }
CStringA WideToUtf8(const wchar_t* s, int n) { return Convert(CP_UTF8, s, n); }
