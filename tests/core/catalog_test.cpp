#include <gtest/gtest.h>
#include "core/ModelCatalog.h"
#include <cwchar>
#include <map>
#include <string>
#include <vector>
#include <cwctype>

namespace {

// Every model id the program's descriptions name, from the persistent-store
// headsets to the camera and the vehicle module.
const int kServed[] = {
    0x4D10, 0x4D30, 0x4D40, 0x4D20, 0x4D50, 0x4D21, 0x5010, 0x5060, 0x5061, 0x5011, 0x5020, 0x5070, 0x5030,
    0x5080, 0x5040, 0x5050, 0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65, 0x4D75, 0x4D85, 0x4040, 0x2020,
    0x6110, 0x6111, 0x6120, 0x6121, 0x4110, 0x4111, 0x4120, 0x6420, 0x6430, 0x4020, 0x2310, 0x2010, 0x2011,
    0x2110, 0x2210, 0x4030, 0x4010, 0x4021, 0x2120, 0x5210, 0x5310, 0x5320, 0x5330, 0x3010, 0x3020, 0x4210,
    0x4310, 0x4350, 0x4330, 0x4430, 0x4410, 0x4510, 0x4530, 0x4610, 0x2030, 0x5610, 0x5611, 0x5612, 0x5620,
    0x5621, 0x5520, 0x5526, 0x5720, 0x5530, 0x5532, 0x5550, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124,
    0x3126, 0x3500, 0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5536, 0x5522, 0x3030, 0x3050, 0x3060, 0x3040,
    0x6210, 0x6400, 0x5910, 0x5920, 0x5560, 0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416, 0x6020, 0x6022,
    0x6024, 0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026, 0x5510, 0x5580, 0x5570, 0x5345, 0x5346,
};

// The variants of one product: the same headset under several ids, whose
// images and server entries serve each other.
const std::vector<std::vector<int>> kVariants = {
    {0x4D10, 0x4D30, 0x4D40}, {0x4D20, 0x4D50}, {0x5010, 0x5060, 0x5061}, {0x5020, 0x5070},
    {0x5030, 0x5080},         {0x5040, 0x5050}, {0x4D05, 0x4D35, 0x4D55}, {0x4D15, 0x4D45, 0x4D65},
    {0x5345, 0x5346},  // the vehicle module and its second interface
};

CString Name(int id, BOOL internal) {
    CString name;
    GetModelName(name, id, internal);
    return name;
}

std::wstring Lower(const CString& s) {
    std::wstring out = s.GetString();
    for (auto& c : out) c = (wchar_t)towlower(c);
    return out;
}

bool IsVariantPair(int a, int b) {
    for (const auto& family : kVariants) {
        bool hasA = false, hasB = false;
        for (int id : family) {
            hasA = hasA || id == a;
            hasB = hasB || id == b;
        }
        if (hasA && hasB) return true;
    }
    return false;
}

TEST(ModelCatalog, EveryServedModelHasADisplayAndAnInternalName) {
    for (int id : kServed) {
        EXPECT_FALSE(Name(id, FALSE).IsEmpty()) << std::hex << id;
        EXPECT_FALSE(Name(id, TRUE).IsEmpty()) << std::hex << id;
        CString byPointer;
        GetModelName(&byPointer, id, FALSE);
        EXPECT_EQ(Name(id, FALSE), byPointer) << std::hex << id;
    }
    // Names the descriptions quote: the image tag of the default model and
    // the batch rewrite that tells two identities apart by name.
    EXPECT_EQ(L"TKV40", Name(0x4D10, TRUE));
    EXPECT_NE(Name(0x5011, TRUE), Name(0x5060, TRUE));
}

// Internal names become file names ("<name>.talvoarch"), image tags
// ("<name>#4D10") and server list keys.
TEST(ModelCatalog, InternalNamesAreSafeInFileNamesAndTags) {
    const wchar_t* reserved[] = {L"con", L"prn", L"aux", L"nul", L"com1", L"com9", L"lpt1", L"lpt9"};
    for (int id : kServed) {
        CString name = Name(id, TRUE);
        SCOPED_TRACE(::testing::Message() << std::hex << id << " " << name.GetString());
        EXPECT_EQ(-1, name.FindOneOf(L" \\/:*?\"<>|!#%")) << "a character files or tags cannot hold";
        for (int i = 0; i < name.GetLength(); ++i) EXPECT_TRUE(name[i] > 0x20 && name[i] < 0x7F);
        EXPECT_NE(L'.', name[name.GetLength() - 1]);
        std::wstring stem = Lower(name);
        stem = stem.substr(0, stem.find(L'.'));
        for (const wchar_t* r : reserved) EXPECT_NE(stem, r) << "a device name";
    }
}

// Two ids with one internal name (compared as Windows compares file names)
// must be variants of one product: their files and images are shared.
// Variants share it and show the same name.
TEST(ModelCatalog, InternalNamesAreSharedOnlyByVariantsOfOneProduct) {
    std::map<std::wstring, std::vector<int>> byName;
    for (int id : kServed) byName[Lower(Name(id, TRUE))].push_back(id);
    for (const auto& entry : byName) {
        const std::vector<int>& ids = entry.second;
        for (size_t i = 1; i < ids.size(); ++i)
            EXPECT_TRUE(IsVariantPair(ids[0], ids[i])) << std::hex << ids[0] << " and " << ids[i] << " share "
                                                       << std::string(entry.first.begin(), entry.first.end());
    }
    for (const auto& family : kVariants) {
        for (int id : family) {
            EXPECT_EQ(Name(family[0], TRUE), Name(id, TRUE)) << std::hex << id;
            EXPECT_EQ(Name(family[0], FALSE), Name(id, FALSE)) << std::hex << id;
        }
    }
}

TEST(ModelCatalog, UnknownIdsGiveEmptyNames) {
    const int unknown[] = {0, 0x4D11, 0x5613, 0x6028, 0xA110, 0x8000 + 0x4D10, -1};
    for (int id : unknown) {
        CString name = L"stale";
        GetModelName(name, id, FALSE);
        EXPECT_TRUE(name.IsEmpty()) << std::hex << id;
        name = L"stale";
        GetModelName(name, id, TRUE);
        EXPECT_TRUE(name.IsEmpty()) << std::hex << id;
    }
    GetModelName(static_cast<CString*>(nullptr), 0x4D10, FALSE);  // no crash
}

TEST(ModelCatalog, SettingPages) {
    struct Case { int model, major, minor; int count; int kinds[3]; };
    const Case cases[] = {
        {0x4D10, 4, 2, 1, {1, 0, 0}},   // speed dials from above 4.2
        {0x4D10, 4, 3, 2, {1, 2, 0}},
        {0x5040, 4, 2, 2, {1, 3, 0}},
        {0x5050, 5, 0, 3, {1, 2, 3}},
        {0x4D05, 1, 2, 1, {1, 0, 0}},
        {0x4D15, 1, 3, 3, {1, 2, 3}},
        {0x4D85, 1, 0, 3, {1, 2, 3}},
        {0x4D21, 1, 0, 2, {1, 2, 0}},
        {0x4040, 1, 0, 1, {1, 0, 0}},
        {0x2120, 1, 0, 1, {1, 0, 0}},
        {0x5210, 1, 0, 1, {1, 0, 0}},
        {0x4210, 1, 0, 3, {1, 2, 3}},
        {0x5560, 1, 0, 2, {1, 2, 0}},
        {0x6020, 1, 0, 2, {1, 2, 0}},
        {0x6010, 1, 2, 3, {1, 2, 3}},
        {0x5345, 1, 0, 0, {0, 0, 0}},   // no settings
        {0x3020, 1, 0, 0, {0, 0, 0}},
        {0x4D11, 1, 0, 0, {0, 0, 0}},   // unknown
    };
    for (const Case& c : cases) {
        int count = 9, kinds[3] = {9, 9, 9}, index = 9;
        GetSettingPages(c.model, c.major, c.minor, &count, kinds, &index);
        EXPECT_EQ(c.count, count) << std::hex << c.model << std::dec << " " << c.major << "." << c.minor;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(c.kinds[i], kinds[i]) << std::hex << c.model << " kind " << i;
        EXPECT_EQ(0, index);
    }
    int count = 2, kinds[3] = {1, 2, 3}, index = 1;
    ResetSettingPages(&count, kinds, &index);
    EXPECT_EQ(0, count);
    EXPECT_EQ(0, kinds[0] + kinds[1] + kinds[2]);
    EXPECT_EQ(0, index);
}

}  // namespace
