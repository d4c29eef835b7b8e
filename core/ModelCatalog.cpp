#include "core/ModelCatalog.h"
#include "core/ModelGroups.h"
#include "core/VersionCompare.h"

using namespace model_groups;

namespace {

struct ModelEntry {
    int id;
    const wchar_t* displayName;
    const wchar_t* internalName;
};

// Variants of one product share its names: an image or a server entry made
// for one of them serves all (see the image identity aliases).
const ModelEntry kModels[] = {
    // Persistent-store headsets.
    {0x4D10, L"TKV40", L"TKV40"},
    {0x4D30, L"TKV40", L"TKV40"},
    {0x4D40, L"TKV40", L"TKV40"},
    {0x4D20, L"TKV40N", L"TKV40N"},
    {0x4D50, L"TKV40N", L"TKV40N"},
    {0x4D21, L"TKV40S", L"TKV40S"},
    {0x5010, L"DRW40", L"DRW40"},
    {0x5060, L"DRW40", L"DRW40"},
    {0x5061, L"DRW40", L"DRW40"},
    {0x5011, L"Kuzo Audio DRW40", L"Kuzo_Audio_DRW40"},
    {0x5020, L"DRW40T", L"DRW40T"},
    {0x5070, L"DRW40T", L"DRW40T"},
    {0x5030, L"DRW40Y", L"DRW40Y"},
    {0x5080, L"DRW40Y", L"DRW40Y"},
    {0x5040, L"DRW40Y-FM", L"DRW40Y-FM"},
    {0x5050, L"DRW40Y-FM", L"DRW40Y-FM"},
    {0x4D05, L"TKV8", L"TKV8"},
    {0x4D35, L"TKV8", L"TKV8"},
    {0x4D55, L"TKV8", L"TKV8"},
    {0x4D15, L"TKV8-FM", L"TKV8-FM"},
    {0x4D45, L"TKV8-FM", L"TKV8-FM"},
    {0x4D65, L"TKV8-FM", L"TKV8-FM"},
    {0x4D75, L"TKV8_Tennoc", L"TKV8_Tennoc"},
    {0x4D85, L"TKV8-KL", L"TKV8-KL"},
    {0x4040, L"Halvenor", L"Halvenor"},
    {0x2020, L"Q-TAL", L"Q-TAL"},
    {0x6110, L"VoRQ KXE-8", L"VoRQ_KXE-8"},
    {0x6111, L"VENTRI KXE8-PRO", L"VENTRI_KXE8-PRO"},
    {0x6120, L"TORVIN", L"TORVIN"},
    {0x6121, L"TVKIII", L"TVKIII"},
    {0x4110, L"ORTELA", L"ORTELA"},
    {0x4111, L"Kuzo Audio ORTELA", L"Kuzo_Audio_ORTELA"},
    {0x4120, L"GX40", L"GX40"},
    {0x6420, L"Ondra Vix", L"Ondra_Vix"},
    {0x6430, L"Morra", L"Morra"},
    {0x4020, L"TKV7", L"TKV7"},
    {0x2310, L"K707T", L"K707T"},
    {0x2010, L"RQ.TAL", L"RQ.TAL"},
    {0x2011, L"RQ.TAL2", L"RQ.TAL2"},
    {0x2110, L"Vela Morn T", L"Vela_Morn_T"},
    {0x2210, L"Dunevale", L"Dunevale"},
    {0x4030, L"TKV4", L"TKV4"},
    {0x4010, L"Tavi", L"Tavi"},
    {0x4021, L"7T", L"7T"},
    {0x2120, L"Morvex VME", L"Morvex_VME"},
    {0x5210, L"PL40", L"PL40"},
    {0x5310, L"Duo40", L"Duo40"},
    {0x3010, L"KELTO S", L"KELTO_S"},
    {0x3020, L"KELTO", L"KELTO"},
    // HID headsets.
    {0x4210, L"60T", L"60T"},
    {0x4310, L"Corvane", L"Corvane"},
    {0x4350, L"Corvane V", L"Corvane_V"},
    {0x4330, L"Corvane Pro", L"Corvane_Pro"},
    {0x4430, L"Corvane AVXP", L"Corvane_AVXP"},
    {0x4410, L"Corvane AVX", L"Corvane_AVX"},
    {0x4510, L"KPW Farlane2", L"KPW_Farlane2"},
    {0x4530, L"KPW2", L"KPW2"},
    {0x4610, L"QRV tLX", L"QRV_tLX"},
    {0x2030, L"Q-TAL2", L"Q-TAL2"},
    {0x5610, L"40W QL-Fern", L"40W_QL-Fern"},
    {0x5611, L"40W Farlane", L"40W_Farlane"},
    {0x5612, L"40W K-Marble", L"40W_K-Marble"},
    {0x5620, L"40W D7/D7Pro", L"40W_D7_D7Pro"},
    {0x5621, L"40W Tesoa", L"40W_Tesoa"},
    {0x5520, L"40N", L"40N"},
    {0x5526, L"Corvane Lite", L"Corvane_Lite"},
    {0x5720, L"Quenby Lite", L"Quenby_Lite"},
    {0x5530, L"40T", L"40T"},
    {0x5532, L"Kuzo! Audio 40T", L"Kuzo_Audio_40T"},
    {0x5550, L"Pellam", L"Pellam"},
    {0x3110, L"70J", L"70J"},
    {0x3112, L"Kuzo! Audio 70J", L"Kuzo_Audio_70J"},
    {0x3114, L"Kuzo! Audio P06", L"Kuzo_Audio_P06"},
    {0x3116, L"Corvane EVO", L"Corvane_EVO"},
    {0x3118, L"Quenby M", L"Quenby_M"},
    {0x3124, L"N4 M", L"N4_M"},
    {0x3126, L"70N", L"70N"},
    {0x3500, L"70S", L"70S"},
    {0x5710, L"Quenby", L"Quenby"},
    {0x5623, L"HN40W", L"HN40W"},
    {0x5622, L"HN4E", L"HN4E"},
    {0x5624, L"HN4T", L"HN4T"},
    {0x5524, L"Ostrand", L"Ostrand"},
    {0x5536, L"Ostrand Lite", L"Ostrand_Lite"},
    {0x5522, L"Kuzo! Audio P04 40N", L"Kuzo_Audio_P04_40N"},
    {0x3030, L"Q4", L"Q4"},
    {0x3050, L"N4", L"N4"},
    {0x3060, L"N4 Pro", L"N4_Pro"},
    {0x3040, L"Q4 Pro", L"Q4_Pro"},
    {0x6210, L"40Wpad", L"40Wpad"},
    {0x6400, L"HN4M", L"HN4M"},
    {0x5910, L"DRAV Tirex", L"DRAV_Tirex"},
    {0x5920, L"Gavrel Moxie", L"Gavrel_Moxie"},
    {0x5560, L"Piste Helmet", L"Piste_Helmet"},
    {0x5410, L"HB4", L"HB4"},
    {0x5412, L"HB6", L"HB6"},
    {0x5414, L"HB9", L"HB9"},
    {0x5420, L"QZR ELM", L"QZR_ELM"},
    {0x5418, L"HBN", L"HBN"},
    {0x5416, L"MTA-04", L"MTA-04"},
    {0x6020, L"G304N", L"G304N"},
    {0x6022, L"G304T", L"G304T"},
    {0x6024, L"G304Q", L"G304Q"},
    {0x6010, L"P3", L"P3"},
    {0x6018, L"G504T", L"G504T"},
    {0x6012, L"G504FN", L"G504FN"},
    {0x6014, L"G504N", L"G504N"},
    {0x6016, L"G504J", L"G504J"},
    {0x6026, L"G504Q", L"G504Q"},
    {0x5510, L"40Z", L"40Z"},
    {0x5580, L"40Z Pro", L"40Z_Pro"},
    {0x5570, L"40Z EVO", L"40Z_EVO"},
    {0x5320, L"40S", L"40S"},
    {0x5330, L"40S EVO", L"40S_EVO"},
    // The vehicle module and its second HID interface.
    {0x5345, L"Vehicle Module", L"Vehicle_Module"},
    {0x5346, L"Vehicle Module", L"Vehicle_Module"},
};

const ModelEntry* FindModel(int modelId) {
    for (const ModelEntry& m : kModels)
        if (m.id == modelId) return &m;
    return nullptr;
}

// Persistent-store headsets without speed-dial keys.
bool LacksSpeedDial(int id) {
    static const int kIds[] = {0x4040, 0x4020, 0x2310, 0x2010, 0x2011, 0x2110,
                               0x2210, 0x4030, 0x4010, 0x4021, 0x2120};
    for (int v : kIds)
        if (v == id) return true;
    return false;
}

bool IsTkv8Family(int id) {
    return id == 0x4D05 || id == 0x4D35 || id == 0x4D55 || id == 0x4D15 || id == 0x4D45 || id == 0x4D65;
}

bool HasBasicPage(int id) {
    return IsPsVersionedModel(id) || IsPsSettingsWordModel(id) || id == MODEL_RADIO_GAIN ||
           HidSettingsGroup(id) != 0;
}

bool HasSpeedDialPage(int id, int major, int minor) {
    if (IsPsVersionedModel(id)) return CompareMajorMinor(major, minor, 4, 2) > 0;
    if (IsTkv8Family(id)) return CompareMajorMinor(major, minor, 1, 2) > 0;
    if (IsPsSettingsWordModel(id)) return !LacksSpeedDial(id);
    return HidSettingsGroup(id) != 0;
}

}  // namespace

void GetModelName(CString& out, int modelId, BOOL internalName) {
    const ModelEntry* m = FindModel(modelId);
    if (!m) out.Empty();
    else out = internalName ? m->internalName : m->displayName;
}

void GetModelName(CString* out, int modelId, BOOL internalName) {
    if (out) GetModelName(*out, modelId, internalName);
}

void ResetSettingPages(int* count, int kinds[SETTING_PAGE_KINDS_MAX], int* index) {
    if (count) *count = 0;
    if (kinds)
        for (int i = 0; i < SETTING_PAGE_KINDS_MAX; ++i) kinds[i] = 0;
    if (index) *index = 0;
}

void GetSettingPages(int modelId, int major, int minor, int* count, int kinds[SETTING_PAGE_KINDS_MAX], int* index) {
    ResetSettingPages(count, kinds, index);
    if (!FindModel(modelId) || !HasBasicPage(modelId)) return;
    int pages[SETTING_PAGE_KINDS_MAX];
    int n = 0;
    pages[n++] = SETTING_PAGE_BASIC;
    if (HasSpeedDialPage(modelId, major, minor)) pages[n++] = SETTING_PAGE_SPEED_DIAL;
    if (IsFmModel(modelId)) pages[n++] = SETTING_PAGE_FM_RADIO;
    if (count) *count = n;
    if (kinds)
        for (int i = 0; i < n; ++i) kinds[i] = pages[i];
}
