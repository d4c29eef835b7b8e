#include "recognition/DfuIdentity.h"
#include <cstring>

namespace {

bool IsLegacyVersionModel(int model) { return model == 0x4D10 || model == 0x4D30 || model == 0x4D40; }

struct FallbackRow {
    int version;
    int models[28];  // zero-terminated
};

const FallbackRow kFallback[] = {
    {10, {0x4D21, 0x4040, 0x2020, 0x6110, 0x6111, 0x6120, 0x6121, 0x4D05, 0x6420, 0x6430, 0x4D85, 0x4020,
          0x4021, 0x2310, 0x2010, 0x2110, 0x2120, 0x4030, 0x4010, 0x5011, 0x4D75, 0x5210, 0x5310, 0x4110,
          0x4111, 0x3010, 0x4120, 0}},
    {12, {0x4D35, 0x4D15, 0x4D45, 0x2011, 0x2210, 0}},
    {20, {0x4D55, 0x4D65, 0}},
    {32, {0x5010, 0}},
    {33, {0x5020, 0}},
    {41, {0x5030, 0}},
    {42, {0x4D20, 0x5060, 0x5070, 0x5080, 0x5040, 0x5050, 0}},
    {50, {0x4D50, 0}},
    {52, {0x5061, 0}},
};

void ClearFwVersion(CPsKeySession& session) {
    const BYTE zero[PSKEY_VERSION_BYTES] = {0, 0, 0, 0};
    session.Write(PSKEY_FW_VERSION, zero, sizeof(zero));
}

}  // namespace

int DfuFallbackVersion(int model) {
    switch (model) {
    case 0x4D10: return 30;
    case 0x4D30: return 42;
    case 0x4D40: return 43;
    default: break;
    }
    for (const FallbackRow& row : kFallback)
        for (const int* m = row.models; *m; ++m)
            if (*m == model) return row.version;
    return 0;
}

void ReadDfuProductId(CPsKeySession& session, CDfuIdentity* id) {
    BYTE buffer[2] = {0, 0};
    if (session.Read(PSKEY_PRODUCT_ID, buffer, sizeof(buffer))) {
        id->model = buffer[0] | (buffer[1] << 8);
        id->productIdRead = TRUE;
    } else {
        id->model = DFU_FALLBACK_MODEL;
        id->productIdRead = FALSE;
    }
}

void ReadDfuDeviceName(CPsKeySession& session, CDfuIdentity* id) {
    char buffer[PSKEY_DEVICE_NAME_BYTES];
    std::memset(buffer, 0, sizeof(buffer));
    if (!session.Read(PSKEY_DEVICE_NAME, buffer, sizeof(buffer))) {
        id->name = DFU_FALLBACK_NAME;
        id->nameRead = FALSE;
        return;
    }
    // A name that fills all 256 bytes ends there.
    size_t length = strnlen(buffer, sizeof(buffer));
    id->name = AnsiToWide(buffer, (int)length);
    id->nameRead = TRUE;
    if (!id->productIdRead) {
        if (id->name.Find(L"TKV40") >= 0) id->model = 0x4D10;
        else if (id->name.Find(L"DRW40") >= 0) id->model = 0x5010;
    }
}

void DecideDfuVersion(CPsKeySession& session, CDfuIdentity* id, bool repairKeys) {
    BYTE fw[PSKEY_VERSION_BYTES] = {0, 0, 0, 0};
    BOOL fwRead = session.Read(PSKEY_FW_VERSION, fw, sizeof(fw));
    id->third = id->fourth = 0;
    if (id->model == DFU_CAMERA_MODEL) {
        if (fwRead) {
            id->major = fw[3];
            id->minor = fw[2];
            id->third = fw[1];
            id->fourth = fw[0];
        } else {
            id->major = 1;
            id->minor = 0;
            id->third = 1;
            id->fourth = 0;
        }
        id->version = id->major * 10 + id->minor;
        return;
    }

    int v;
    if (fwRead && fw[0] != 0) {
        v = fw[0];
        id->third = fw[3];
        id->fourth = fw[2];
        if (IsLegacyVersionModel(id->model)) {
            BYTE legacy[PSKEY_VERSION_BYTES] = {0, 0, 0, 0};
            if (session.Read(PSKEY_LEGACY_VERSION, legacy, sizeof(legacy))) {
                int old = v;
                v = legacy[0];
                id->third = id->fourth = 0;
                if (v == 3 || old == 32) v = old;
                else if (v > 3 && v < 32) { if (repairKeys) ClearFwVersion(session); }
                else v = old;
            }
        }
    } else if (IsLegacyVersionModel(id->model)) {
        BYTE legacy[PSKEY_VERSION_BYTES] = {0, 0, 0, 0};
        if (session.Read(PSKEY_LEGACY_VERSION, legacy, sizeof(legacy))) {
            v = legacy[0];
            if (v > 3 && v < 32 && repairKeys) ClearFwVersion(session);
        } else {
            v = DfuFallbackVersion(id->model);
        }
    } else {
        v = DfuFallbackVersion(id->model);
    }
    id->version = v;
    id->major = v / 10;
    id->minor = v % 10;
}

void ReadDfuIdentity(CPsKeySession& session, CDfuIdentity* id, bool repairKeys) {
    ReadDfuProductId(session, id);
    ReadDfuDeviceName(session, id);
    DecideDfuVersion(session, id, repairKeys);
}
