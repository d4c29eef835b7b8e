// Comparing and parsing firmware versions. Every compare returns a value
// below 0 when the first version is older, 0 when equal, above 0 when newer.
#pragma once
#include "framework/WinTypes.h"

// major1 - major2 when the majors differ, else minor1 - minor2. A difference
// beyond the int range gives INT_MAX or INT_MIN, so the sign always holds.
int CompareMajorMinor(int major1, int minor1, int major2, int minor2);

// The difference of the majors, else of the minors, else of the third fields.
int CompareVersionTriple(int aMajor, int aMinor, int aThird, int bMajor, int bMinor, int bThird);

// Four-part versions. Without thirdPairFirst: major and minor first, then the
// third fields with 1 ordered below 0 (a third field of 1 counts as -1), then
// the fourth fields. With thirdPairFirst (the camera's order): the third and
// fourth pair first, then major and minor.
int CompareVersionQuad(int aMajor, int aMinor, int aThird, int aFourth,
                       int bMajor, int bMinor, int bThird, int bFourth, BOOL thirdPairFirst);

// A version part is 1 to 9 decimal digits, without a sign.
//
// "major.minor": split at the first '.', both parts trimmed and read as
// decimal. Both outputs are always written (0 for a part that is not a
// number). TRUE only when both parts are decimal numbers.
BOOL ParseMajorMinor(const wchar_t* text, int* major, int* minor);

// "a.b.c.d": exactly four dot-separated decimal numbers (each may be
// surrounded by blanks). The outputs are zeroed first and written only when
// the whole text parses.
BOOL ParseVersionQuad(const wchar_t* text, int* a, int* b, int* c, int* d);
BOOL ParseVersionQuad(const wchar_t* text, int out[4]);
