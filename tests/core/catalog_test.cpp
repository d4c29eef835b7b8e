#include <gtest/gtest.h>
#include "core/ModelCatalog.h"
#include <cwchar>
#include <map>

namespace {

struct Named { int id; const wchar_t* display; };

// The display names the wizard shows, for every model it serves.
const Named kNamed[] = {
    {0x4D10, L"TKV40"}, {0x4D30, L"TKV40"}, {0x4D40, L"TKV40"}, {0x4D20, L"TKV40N"}, {0x4D50, L"TKV40N"},
    {0x5010, L"DRW40"}, {0x5060, L"DRW40"}, {0x5061, L"DRW40"}, {0x5030, L"DRW40Y"}, {0x5080, L"DRW40Y"},
    {0x5040, L"DRW40Y-FM"}, {0x5050, L"DRW40Y-FM"}, {0x5011, L"Kuzo Audio DRW40"}, {0x5020, L"DRW40T"},
    {0x5070, L"DRW40T"}, {0x4D75, L"TKV8_Tennoc"}, {0x4040, L"Halvenor"}, {0x2020, L"Q-TAL"},
    {0x6110, L"VoRQ KXE-8"}, {0x6111, L"VENTRI KXE8-PRO"}, {0x6120, L"TORVIN"}, {0x6121, L"TVKIII"},
    {0x4110, L"ORTELA"}, {0x4111, L"Kuzo Audio ORTELA"}, {0x4120, L"GX40"}, {0x4210, L"60T"},
    {0x4310, L"Corvane"}, {0x4350, L"Corvane V"}, {0x4330, L"Corvane Pro"}, {0x4430, L"Corvane AVXP"},
    {0x4410, L"Corvane AVX"}, {0x4510, L"KPW Farlane2"}, {0x4530, L"KPW2"}, {0x4610, L"QRV tLX"},
    {0x2030, L"Q-TAL2"}, {0x5610, L"40W QL-Fern"}, {0x5611, L"40W Farlane"}, {0x5612, L"40W K-Marble"},
    {0x5620, L"40W D7/D7Pro"}, {0x5621, L"40W Tesoa"}, {0x5520, L"40N"}, {0x5526, L"Corvane Lite"},
    {0x5720, L"Quenby Lite"}, {0x5530, L"40T"}, {0x5532, L"Kuzo! Audio 40T"}, {0x5550, L"Pellam"},
    {0x3110, L"70J"}, {0x3112, L"Kuzo! Audio 70J"}, {0x3114, L"Kuzo! Audio P06"}, {0x3116, L"Corvane EVO"},
    {0x3118, L"Quenby M"}, {0x3124, L"N4 M"}, {0x3126, L"70N"}, {0x5710, L"Quenby"}, {0x5623, L"HN40W"},
    {0x5622, L"HN4E"}, {0x5624, L"HN4T"}, {0x5524, L"Ostrand"}, {0x5536, L"Ostrand Lite"},
    {0x5522, L"Kuzo! Audio P04 40N"}, {0x3030, L"Q4"}, {0x3050, L"N4"}, {0x3060, L"N4 Pro"},
    {0x3040, L"Q4 Pro"}, {0x6210, L"40Wpad"}, {0x6400, L"HN4M"}, {0x5910, L"DRAV Tirex"},
    {0x5920, L"Gavrel Moxie"}, {0x5560, L"Piste Helmet"}, {0x5410, L"HB4"}, {0x5414, L"HB9"},
    {0x5420, L"QZR ELM"}, {0x5418, L"HBN"}, {0x5416, L"MTA-04"}, {0x6020, L"G304N"}, {0x6022, L"G304T"},
    {0x6024, L"G304Q"}, {0x6010, L"P3"}, {0x6018, L"G504T"}, {0x6012, L"G504FN"}, {0x6014, L"G504N"},
    {0x6016, L"G504J"}, {0x6026, L"G504Q"}, {0x5510, L"40Z"}, {0x5580, L"40Z Pro"}, {0x5570, L"40Z EVO"},
    {0x6420, L"Ondra Vix"}, {0x6430, L"Morra"}, {0x4D05, L"TKV8"}, {0x4D35, L"TKV8"}, {0x4D55, L"TKV8"},
    {0x4D15, L"TKV8-FM"}, {0x4D45, L"TKV8-FM"}, {0x4D65, L"TKV8-FM"}, {0x4D85, L"TKV8-KL"},
    {0x4020, L"TKV7"}, {0x2310, L"K707T"}, {0x2010, L"RQ.TAL"}, {0x2011, L"RQ.TAL2"},
    {0x2110, L"Vela Morn T"}, {0x2210, L"Dunevale"}, {0x4030, L"TKV4"}, {0x4010, L"Tavi"}, {0x4021, L"7T"},
    {0x2120, L"Morvex VME"}, {0x5210, L"PL40"}, {0x3020, L"KELTO"},
};

// Models the program serves whose names appear nowhere else.
const int kOtherServed[] = {0x4D21, 0x5412, 0x3010, 0x5310, 0x5320, 0x5330, 0x3500, 0x5345, 0x5346};

TEST(ModelCatalog, DisplayNames) {
    for (const Named& m : kNamed) {
        CString name;
        GetModelName(name, m.id, FALSE);
        EXPECT_EQ(CString(m.display), name) << std::hex << m.id;
    }
    for (int id : kOtherServed) {
        CString name;
        GetModelName(&name, id, FALSE);
        EXPECT_FALSE(name.IsEmpty()) << std::hex << id;
    }
}

TEST(ModelCatalog, InternalNamesAreFileNames) {
    std::map<std::wstring, int> seen;
    auto check = [&](int id) {
        CString name;
        GetModelName(name, id, TRUE);
        ASSERT_FALSE(name.IsEmpty()) << std::hex << id;
        EXPECT_EQ(-1, name.FindOneOf(L" \\/:*?\"<>|!#")) << std::hex << id << " " << name.GetString();
    };
    for (const Named& m : kNamed) check(m.id);
    for (int id : kOtherServed) check(id);

    CString a, b;
    GetModelName(a, 0x4D10, TRUE);
    EXPECT_EQ(L"TKV40", a);
    // Variants of one product share the internal name that their images carry.
    const int families[][3] = {{0x4D10, 0x4D30, 0x4D40}, {0x4D15, 0x4D45, 0x4D65}, {0x5010, 0x5060, 0x5061},
                               {0x4D05, 0x4D35, 0x4D55}, {0x5040, 0x5050, 0x5050}, {0x4D20, 0x4D50, 0x4D50}};
    for (const auto& f : families) {
        GetModelName(a, f[0], TRUE);
        for (int id : f) {
            GetModelName(b, id, TRUE);
            EXPECT_EQ(a, b) << std::hex << id;
        }
    }
    // The batch rewrite tells the two identities apart by name.
    GetModelName(a, 0x5011, TRUE);
    GetModelName(b, 0x5060, TRUE);
    EXPECT_NE(a, b);
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
