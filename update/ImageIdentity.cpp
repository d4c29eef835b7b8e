#include "update/ImageIdentity.h"
#include "core/FileLength.h"
#include "core/ModelCatalog.h"
#include "update/BatchHeadset.h"
#include <cstdio>
#include <vector>

int ImageAliasModel(int recognisedModel) {
    static const struct { int model, alias; } kAliases[] = {
        {0x4D05, 0x4D35}, {0x4D55, 0x4D35}, {0x4D10, 0x4D30}, {0x4D40, 0x4D30},
        {0x4D45, 0x4D15}, {0x4D65, 0x4D15}, {0x4D50, 0x4D20}, {0x5010, 0x5061},
        {0x5060, 0x5061}, {0x5020, 0x5070}, {0x5030, 0x5080}, {0x5050, 0x5040},
    };
    for (const auto& a : kAliases)
        if (a.model == recognisedModel) return a.alias;
    return 0;
}

CString MakeImageTag(int nameModel, int idModel) {
    CString name, tag;
    GetModelName(name, nameModel, TRUE);
    tag.Format(L"%s#%04X", (const wchar_t*)name, idModel & 0xFFFF);
    return tag;
}

BOOL ReadImageTag(const wchar_t* path, int expectedLength, CString* tag, BYTE* firstByte) {
    if (!path || GetFileLength(path) < IMAGE_IDENTITY_MIN_BYTES) return FALSE;
    FILE* f = _wfopen(path, L"rb");
    if (!f) return FALSE;
    std::vector<char> head(IMAGE_IDENTITY_MIN_BYTES);
    size_t got = std::fread(head.data(), 1, head.size(), f);
    std::fclose(f);
    if (got != head.size()) return FALSE;
    int n = expectedLength;
    if (n < 0) n = 0;
    if (n > IMAGE_IDENTITY_MIN_BYTES - IMAGE_TAG_OFFSET) n = IMAGE_IDENTITY_MIN_BYTES - IMAGE_TAG_OFFSET;
    // The tag ends at a zero byte at the latest.
    int len = 0;
    while (len < n && head[IMAGE_TAG_OFFSET + len] != '\0') ++len;
    CString text = AnsiToWide(&head[IMAGE_TAG_OFFSET], len);
    text.Trim();
    if (tag) *tag = text;
    if (firstByte) *firstByte = (BYTE)head[IMAGE_TAG_OFFSET];
    return TRUE;
}

int CheckImageIdentityOverUsb(const wchar_t* path, int recognisedModel, int targetModel) {
    int idModel = recognisedModel;
    if (recognisedModel == 0x4D45 || recognisedModel == 0x4D65 || recognisedModel == 0x5050) idModel = targetModel;
    const CString expected = MakeImageTag(recognisedModel, idModel);

    CString tag;
    BYTE first = 0;
    if (!ReadImageTag(path, expected.GetLength(), &tag, &first)) return 0;

    if (tag == expected) return IMAGE_FOR_HEADSET;
    if (first == ' ' && expected.Left(5) == L"TKV40") return IMAGE_FOR_HEADSET;
    if (targetModel == BATCH_HEADSET_MODEL) {
        // The 0x5011 tag is longer than the headset's own: read it whole.
        CString batchTag;
        const CString identityTag = MakeImageTag(BATCH_IDENTITY_MODEL, BATCH_IDENTITY_MODEL);
        if (ReadImageTag(path, identityTag.GetLength(), &batchTag, nullptr) && batchTag == identityTag &&
            ProbeBatchHeadsetOverUsb() > 0)
            return IMAGE_FOR_BATCH_IDENTITY;
    }
    int alias = ImageAliasModel(recognisedModel);
    if (alias) {
        if (tag == MakeImageTag(recognisedModel, alias)) return IMAGE_FOR_HEADSET;
        if ((recognisedModel == 0x5010 || recognisedModel == 0x5060) && tag == MakeImageTag(recognisedModel, 0x5060))
            return IMAGE_FOR_HEADSET;
    }
    return IMAGE_NOT_FOR_HEADSET;
}
