// What the update paths read from a package's file name: the voice-prompt
// language code after '-' or '_' and the version after the last 'v', as in
// "name_v1.7.5-fr.img".
#pragma once
#include "framework/String.h"

// The file name after the last '\' (or '/') with its trailing '.', 'i', 'm'
// and 'g' characters stripped.
CString PackageNameStem(const CString& path);

// The language code of the stem: the text after the last '-' when the last
// three characters hold one, else after the last '_' when they hold one,
// else empty.
CString PackageLanguageCode(const CString& path);

// The voice-prompt codes: from a two-letter code ("fr" 1 ... "fn" 10), the
// code sent to the device, and from an English language name (the value
// stored in the settings). Anything else is 0; comparisons are
// case-sensitive.
int VoicePromptCodeFromTwoLetterCode(const CString& code);
int RemapVoicePromptCode(int code);
int VoicePromptCodeFromLanguageName(const CString& language);

// The lowest file version the gated device types take: 1.7.5.
const int GATED_MIN_MAJOR = 1, GATED_MIN_MINOR = 7, GATED_MIN_THIRD = 5;
// Device types (low byte of the first word of the device-type block) whose
// firmware file name is checked.
bool IsVersionGatedDeviceType(int deviceType);
// True when the package's file name carries no version below 1.7.5: the
// stem without its language code, the text after its last 'v'; a text
// without '.' passes, otherwise its three '.'-separated fields (missing or
// non-numeric ones 0) must be at least 1.7.5.
bool PackageNameVersionAllowed(const CString& path);
