#include "core/LocalTime.h"
#include <windows.h>

namespace {

const long long kUnixEpochInFileTime = 11644473600LL;  // seconds from 1601 to 1970

bool ToSystemTime(long long time, SYSTEMTIME* st) {
    if (time < 0) return false;
    ULARGE_INTEGER ticks;
    ticks.QuadPart = (unsigned long long)(time + kUnixEpochInFileTime) * 10000000ULL;
    FILETIME ft = {ticks.LowPart, ticks.HighPart};
    return ::FileTimeToSystemTime(&ft, st) != FALSE;
}

bool FromSystemTime(const SYSTEMTIME& st, long long* time) {
    FILETIME ft;
    if (!::SystemTimeToFileTime(&st, &ft)) return false;
    ULARGE_INTEGER ticks = {{ft.dwLowDateTime, ft.dwHighDateTime}};
    *time = (long long)(ticks.QuadPart / 10000000ULL) - kUnixEpochInFileTime;
    return true;
}

bool SameLocalTime(const struct tm& a, const struct tm& b) {
    return a.tm_year == b.tm_year && a.tm_mon == b.tm_mon && a.tm_mday == b.tm_mday && a.tm_hour == b.tm_hour &&
           a.tm_min == b.tm_min && a.tm_sec == b.tm_sec;
}

long long Distance(long long a, long long b) { return a > b ? a - b : b - a; }

}  // namespace

bool LocalTimeOf(long long time, struct tm* local) {
    SYSTEMTIME utc, st;
    long long back = 0;
    if (!ToSystemTime(time, &utc) || !::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &st) ||
        !FromSystemTime(st, &back))
        return false;
    *local = tm();
    local->tm_year = st.wYear - 1900;
    local->tm_mon = st.wMonth - 1;
    local->tm_mday = st.wDay;
    local->tm_hour = st.wHour;
    local->tm_min = st.wMinute;
    local->tm_sec = st.wSecond;
    local->tm_wday = st.wDayOfWeek;
    static const int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const int year = st.wYear;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    local->tm_yday = kDaysBefore[st.wMonth - 1] + st.wDay - 1 + (leap && st.wMonth > 2 ? 1 : 0);
    // Daylight-saving time: the offset from UTC is not the standard one.
    TIME_ZONE_INFORMATION zone;
    if (::GetTimeZoneInformationForYear((USHORT)year, nullptr, &zone)) {
        const long long standardOffset = -60LL * (zone.Bias + zone.StandardBias);
        local->tm_isdst = (back - time) != standardOffset ? 1 : 0;
    }
    return true;
}

bool MomentOfLocalTime(const struct tm& local, long long hint, long long* time) {
    SYSTEMTIME st = {};
    st.wYear = (WORD)(local.tm_year + 1900);
    st.wMonth = (WORD)(local.tm_mon + 1);
    st.wDay = (WORD)local.tm_mday;
    st.wHour = (WORD)local.tm_hour;
    st.wMinute = (WORD)local.tm_min;
    st.wSecond = (WORD)local.tm_sec;
    SYSTEMTIME utc;
    long long read = 0;
    if (!::TzSpecificLocalTimeToSystemTime(nullptr, &st, &utc) || !FromSystemTime(utc, &read)) return false;
    // Every moment near the system's reading that shows the same local
    // time; the clocks move by half an hour, an hour or two.
    long long best = read;
    bool found = false;
    static const int kShifts[] = {0, -1800, 1800, -3600, 3600, -7200, 7200};
    for (int shift : kShifts) {
        long long candidate = read + shift;
        struct tm shown;
        if (!LocalTimeOf(candidate, &shown) || !SameLocalTime(shown, local)) continue;
        if (!found || (hint && Distance(candidate, hint) < Distance(best, hint))) best = candidate;
        found = true;
    }
    *time = best;
    return true;
}
