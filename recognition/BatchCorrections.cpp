#include "recognition/BatchCorrections.h"
#include <cstdlib>

namespace {

// The LAP as a number; a text that does not parse gives 0.
long LapValue(const wchar_t* lap) {
    if (!lap) return 0;
    CStringA narrow;
    for (int i = 0; i < 6 && lap[i]; ++i) narrow += (char)lap[i];
    return std::strtol(narrow, nullptr, 16);
}

struct Threshold {
    int models[5];  // zero-terminated
    const wchar_t* above;
};

const Threshold kThresholds[] = {
    {{0x4D05, 0x4D35, 0x4D55, 0}, L"2DD49E"},
    {{0x4D15, 0x4D45, 0x4D65, 0x5040, 0x5050}, L"2DE43E"},
    {{0x4D85, 0}, L"2E037E"},
    {{0x4D10, 0x4D30, 0x4D40, 0}, L"2C9BD1"},
    {{0x4D20, 0x4D50, 0}, L"2CAF59"},
    {{0x6110, 0}, L"34FD7D"},
    {{0x6120, 0}, L"358E08"},
};

bool InList(const int* models, int n, int model) {
    for (int i = 0; i < n && models[i]; ++i)
        if (models[i] == model) return true;
    return false;
}

bool InRange(const wchar_t* lap, const wchar_t* from, const wchar_t* to) {
    long v = LapValue(lap);
    return v >= LapValue(from) && v <= LapValue(to);
}

// The correction groups of the first site. A value of -1 is not written.
struct Group {
    int models[5];
    int tune0017, tune0021, tune002D;
    const WORD* table;
    int tableWords;
    int tune01F6, tune0209, tune0242;
};

const WORD kTableA[] = {0x0B00, 0x0000, 0x1100, 0x0000, 0x0000, 0x1600, 0x0000, 0x1100,
                        0x0000, 0x0800, 0x2700, 0x0000, 0x1600, 0x0000, 0x1000};
const WORD kTableB[] = {0x0B00, 0x0000, 0x1100, 0x0000, 0x0000, 0x1200, 0x0000, 0x1100,
                        0x0000, 0x0400, 0x1900, 0x0000, 0x1600, 0x0000, 0x0800};
const WORD kTableC[] = {0x1600, 0x0050, 0x1900, 0x0050, 0xFC00, 0x1E00, 0x0050, 0x2000, 0x0050, 0x0000,
                        0x1C00, 0x0040, 0x1E00, 0x0040, 0x0400, 0x1D00, 0x0030, 0x1F00, 0x0030, 0x0800,
                        0x1F00, 0x0020, 0x2100, 0x0020, 0x0C00, 0x2000, 0x0000, 0x2200, 0x0000, 0x1000};
const WORD kTableD[] = {0x0500, 0x0000, 0x0600, 0x0000, 0xFA00, 0x0A00, 0x0000, 0x0A00, 0x0000,
                        0xFE00, 0x0F00, 0x0000, 0x1100, 0x0000, 0x0200, 0x1500, 0x0000, 0x1700,
                        0x0000, 0x0600, 0x1C00, 0x0000, 0x1E00, 0x0000, 0x0A00};
const WORD kTableE[] = {0x0F00, 0x0000, 0x1100, 0x0000, 0x0200, 0x1500, 0x0000, 0x1700, 0x0000, 0x0600,
                        0x1C00, 0x0000, 0x1E00, 0x0000, 0x0A00, 0x0000, 0x2200, 0x0000, 0x1000};
const WORD kTable4D35[] = {0x2A00, 0x0050, 0x3100, 0x0050, 0xFC00, 0x2700, 0x0040, 0x2E00, 0x0040, 0x0000,
                           0x2800, 0x0030, 0x2E00, 0x0030, 0x0400, 0x2B00, 0x0020, 0x3100, 0x0020, 0x0800,
                           0x2E00, 0x0010, 0x3600, 0x0010, 0x0C00, 0x3800, 0x0000, 0x3A00, 0x0000, 0x1000};

#define TABLE(t) t, (int)(sizeof(t) / sizeof(t[0]))
const Group kGroups[] = {
    {{0x4D15, 0x4D45, 0x4D65, 0x5040, 0x5050}, 0x0010, 0x0008, -1, TABLE(kTableA), -1, -1, -1},
    {{0x4D05, 0x4D35, 0x4D55, 0x4D85, 0}, 0x0008, 0x0008, 0x0008, TABLE(kTableB), 0x0027, 0x0001, 0x0000},
    {{0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D50}, 0x0010, 0x000C, 0x0010, TABLE(kTableC), 0x0027, 0x0001, 0x0000},
    {{0x6110, 0}, 0x000A, 0x000A, 0x0010, TABLE(kTableD), 0x0027, 0x0001, 0x0000},
    {{0x6120, 0}, 0x000A, 0x000A, 0x000A, TABLE(kTableE), 0x0027, 0x0001, 0x0000},
};
#undef TABLE

}  // namespace

CString PsAddressText(const BYTE a[PSKEY_BDADDR_BYTES]) {
    CString text;
    text.Format(L"%02X%02X%02X[%02X%02X%02X]", a[7], a[6], a[4], a[0], a[3], a[2]);
    return text;
}

CString PsLapText(const BYTE a[PSKEY_BDADDR_BYTES]) {
    CString text;
    text.Format(L"%02X%02X%02X", a[0], a[3], a[2]);
    return text;
}

int IsAddressAboveBatchThreshold(int targetModel, const wchar_t* lap) {
    for (const Threshold& t : kThresholds)
        if (InList(t.models, 5, targetModel)) return LapValue(lap) > LapValue(t.above) ? 1 : 0;
    return 0;
}

int IsAddressInBatchRange5060(int targetModel, const wchar_t* lap) {
    return targetModel == 0x5060 && InRange(lap, L"3323F1", L"333584") ? 1 : 0;
}

int IsAddressInBatchRange4210(int targetModel, const wchar_t* lap) {
    if (targetModel != 0x4210) return 0;
    return InRange(lap, L"333D55", L"334B7D") || InRange(lap, L"2E9057", L"2E90BA") ? 1 : 0;
}

int WriteBatchCorrections(CPsKeySession& session, int targetModel, const wchar_t* lap) {
    if (IsAddressAboveBatchThreshold(targetModel, lap) != 1) return 0;
    for (const Group& g : kGroups) {
        if (!InList(g.models, 5, targetModel)) continue;
        int written = 0;
        auto tune = [&](WORD key, int value) {
            if (value < 0) return;
            session.WriteWord(key, (WORD)value);
            ++written;
        };
        tune(PSKEY_BATCH_TUNE_0017, g.tune0017);
        tune(PSKEY_BATCH_TUNE_0021, g.tune0021);
        tune(PSKEY_BATCH_TUNE_002D, g.tune002D);
        session.WriteWords(PSKEY_BATCH_TABLE_0031, g.table, g.tableWords);
        ++written;
        tune(PSKEY_BATCH_TUNE_01F6, g.tune01F6);
        tune(PSKEY_BATCH_TUNE_0209, g.tune0209);
        tune(PSKEY_BATCH_TUNE_0242, g.tune0242);
        return written;
    }
    return 0;
}

void WriteBatchTable4D35(CPsKeySession& session) {
    session.WriteWords(PSKEY_BATCH_TABLE_0031, kTable4D35, (int)(sizeof(kTable4D35) / sizeof(kTable4D35[0])));
}
