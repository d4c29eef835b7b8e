// The local time of the system's time zone, converted by the system, so that
// the program reads and writes local times with the zone rules Windows
// applies everywhere else (the C runtime reads a TZ variable its own way).
// Times are seconds since 1970, UTC.
#pragma once
#include <ctime>

// The local time of a moment, every field of tm filled (tm_isdst 1 in
// daylight-saving time). False when the system cannot convert it.
bool LocalTimeOf(long long time, struct tm* local);

// The moment a local time (its year, month, day, hour, minute and second)
// stands for. In the hour the clocks are set back the same local time
// stands for two moments: the one nearer to hint is taken when a hint is
// given (nonzero), else the one the system picks. A local time that the
// clocks skip takes the system's reading. False when it cannot be converted.
bool MomentOfLocalTime(const struct tm& local, long long hint, long long* time);
