#include "update/DfuIdentity.h"
#include "standins/dfuengine/include/DFUTransport.h"
#include <cstring>

namespace {

BOOL ReadKey(DFUTransportCOM& t, WORD key, void* buffer, unsigned short bytes) {
    std::memset(buffer, 0, bytes);
    unsigned short actual = 0;
    return t.BCCMDGetPS(key, buffer, bytes, &actual) ? TRUE : FALSE;
}

bool IsLegacyModel(int model) { return model == 0x4D10 || model == 0x4D30 || model == 0x4D40; }

int LegacyFallback(int model) { return model == 0x4D10 ? 30 : model == 0x4D30 ? 42 : 43; }

}  // namespace

int DfuDefaultVersion(int model) {
    switch (model) {
    case 0x4D21: case 0x4040: case 0x2020: case 0x6110: case 0x6111: case 0x6120: case 0x6121: case 0x4D05:
    case 0x6420: case 0x6430: case 0x4D85: case 0x4020: case 0x4021: case 0x2310: case 0x2010: case 0x2110:
    case 0x2120: case 0x4030: case 0x4010: case 0x5011: case 0x4D75: case 0x5210: case 0x5310: case 0x4110:
    case 0x4111: case 0x3010: case 0x4120:
        return 10;
    case 0x4D35: case 0x4D15: case 0x4D45: case 0x2011: case 0x2210: return 12;
    case 0x4D55: case 0x4D65: return 20;
    case 0x5010: return 32;
    case 0x5020: return 33;
    case 0x5030: return 41;
    case 0x4D20: case 0x5060: case 0x5070: case 0x5080: case 0x5040: case 0x5050: return 42;
    case 0x4D50: return 50;
    case 0x5061: return 52;
    default: return 0;
    }
}

void ReadDfuIdentity(DFUTransportCOM& t, DfuIdentity* out) {
    *out = DfuIdentity();
    BYTE word[2];
    if (ReadKey(t, pskey::kProductId, word, 2)) {
        out->model = word[0] | word[1] << 8;
        out->productIdRead = TRUE;
    } else {
        out->model = 0x4D10;
    }

    char name[257] = {};
    if (ReadKey(t, pskey::kDeviceName, name, 256)) {
        out->deviceName = AnsiToWide(name);
        if (!out->productIdRead) {
            if (std::strstr(name, "TKV40")) out->model = 0x4D10;
            else if (std::strstr(name, "DRW40")) out->model = 0x5010;
        }
    } else {
        out->deviceName = L"TKV40";
    }

    BYTE version[4];
    const BOOL haveVersion = ReadKey(t, pskey::kFirmwareVersion, version, 4);
    if (out->model == 0x3020) {
        if (haveVersion) {
            out->major = version[3];
            out->minor = version[2];
            out->third = version[1];
            out->fourth = version[0];
        } else {
            out->major = 1;
            out->third = 1;
        }
        return;
    }

    int v = 0;
    BYTE legacy[4];
    if (haveVersion && version[0] != 0) {
        v = version[0];
        out->third = version[3];
        out->fourth = version[2];
        if (IsLegacyModel(out->model) && ReadKey(t, pskey::kLegacyVersion, legacy, 4)) {
            const int old = v;
            v = legacy[0];
            out->third = out->fourth = 0;
            if (v == 3 || old == 32) v = old;
            else if (v > 3 && v < 32) out->firmwareVersionStale = TRUE;
            else v = old;
        }
    } else if (IsLegacyModel(out->model)) {
        if (ReadKey(t, pskey::kLegacyVersion, legacy, 4)) {
            v = legacy[0];
            if (v > 3 && v < 32) out->firmwareVersionStale = TRUE;
        } else {
            v = LegacyFallback(out->model);
        }
    } else {
        v = DfuDefaultVersion(out->model);
    }
    out->major = v / 10;
    out->minor = v % 10;
}
