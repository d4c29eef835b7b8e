#include "settings/DeviceSettingRows.h"
#include "app/resource.h"
#include "core/DeviceRecord.h"
#include "core/ModelGroups.h"
#include <initializer_list>

namespace dsrows {

namespace {

bool In(int id, std::initializer_list<int> list) {
    for (int v : list)
        if (v == id) return true;
    return false;
}

// ---------------------------------------------------------------- controls

std::vector<RowControl> Radios(int label, int help, int enable, int disable) {
    std::vector<RowControl> c = {{label, false}};
    if (help) c.push_back({help, true});
    c.push_back({enable, true});
    c.push_back({disable, true});
    return c;
}

const std::vector<RowControl> kControls[kRowCount] = {
    Radios(IDC_DS_VOX_INTERCOM_LABEL, 0, IDC_DS_VOX_INTERCOM_ENABLE, IDC_DS_VOX_INTERCOM_DISABLE),
    Radios(IDC_DS_VOX_PHONE_LABEL, 0, IDC_DS_VOX_PHONE_ENABLE, IDC_DS_VOX_PHONE_DISABLE),
    Radios(IDC_DS_EDR_LABEL, IDC_DS_EDR_HELP, IDC_DS_EDR_ENABLE, IDC_DS_EDR_DISABLE),
    {{IDC_DS_EDR_NOTE, false}},
    Radios(IDC_DS_PLC_LABEL, IDC_DS_PLC_HELP, IDC_DS_PLC_ENABLE, IDC_DS_PLC_DISABLE),
    Radios(IDC_DS_A2DP_LABEL, IDC_DS_A2DP_HELP, IDC_DS_A2DP_ENABLE, IDC_DS_A2DP_DISABLE),
    Radios(IDC_DS_MIC_LABEL, IDC_DS_MIC_HELP, IDC_DS_MIC_ENABLE, IDC_DS_MIC_DISABLE),
    Radios(IDC_DS_SIDETONE_LABEL, IDC_DS_SIDETONE_HELP, IDC_DS_SIDETONE_ENABLE, IDC_DS_SIDETONE_DISABLE),
    Radios(IDC_DS_QUIET_LABEL, IDC_DS_QUIET_HELP, IDC_DS_QUIET_ENABLE, IDC_DS_QUIET_DISABLE),
    Radios(IDC_DS_AGC_LABEL, IDC_DS_AGC_HELP, IDC_DS_AGC_ENABLE, IDC_DS_AGC_DISABLE),
    {{IDC_DS_GAIN_LABEL, false}, {IDC_DS_GAIN_HELP, true}, {IDC_DS_GAIN_LOW, true}, {IDC_DS_GAIN_MEDIUM, true},
     {IDC_DS_GAIN_HIGH, true}},
    {{IDC_DS_TIMEOUT_LABEL, false}, {IDC_DS_TIMEOUT_HELP, true}, {IDC_DS_TIMEOUT_EDIT, true},
     {IDC_DS_TIMEOUT_SPIN, true}, {IDC_DS_TIMEOUT_UNIT, false}},
    Radios(IDC_DS_BOOST_LABEL, IDC_DS_BOOST_HELP, IDC_DS_BOOST_ENABLE, IDC_DS_BOOST_DISABLE),
    {{IDC_DS_MOTION_LABEL, false}, {IDC_DS_MOTION_HELP, true}, {IDC_DS_MOTION_COMBO, true}},
    Radios(IDC_DS_WEAVE_LABEL, IDC_DS_WEAVE_HELP, IDC_DS_WEAVE_ENABLE, IDC_DS_WEAVE_DISABLE),
    {{IDC_DS_OVERLAY_LABEL, false}, {IDC_DS_OVERLAY_HELP, true}, {IDC_DS_OVERLAY_COMBO, true}},
    Radios(IDC_DS_NAVI_LABEL, IDC_DS_NAVI_HELP, IDC_DS_NAVI_ENABLE, IDC_DS_NAVI_DISABLE),
    {{IDC_DS_RESTART_NOTE, false}},
};

// -------------------------------------------------------------- visibility

const VersionRange Y{};
const VersionRange N{0, 0, 0, 0, true};
VersionRange From(int a, int b) { return VersionRange{a, b, 0, 0, false}; }
VersionRange Below(int a, int b) { return VersionRange{0, 0, a, b, false}; }
VersionRange Between(int a, int b, int c, int d) { return VersionRange{a, b, c, d, false}; }

bool Holds(const VersionRange& v, const CDeviceRecord& device) {
    if (v.never) return false;
    if ((v.fromMajor || v.fromMinor) && device.CompareVersion(v.fromMajor, v.fromMinor) < 0) return false;
    if ((v.belowMajor || v.belowMinor) && device.CompareVersion(v.belowMajor, v.belowMinor) >= 0) return false;
    return true;
}

// The rows that classic models may show, in the columns of the table below.
const Row kVisibilityColumns[] = {kVoxPhone, kVoxIntercom, kEdr, kEdrNote, kPlc, kHighQualityA2dp,
                                  kMicrophoneBoost, kSidetone, kQuietSphere, kAutoGainControl,
                                  kRadioTransmitGain, kAudioChannelTimeout};
const int kColumns = sizeof(kVisibilityColumns) / sizeof(kVisibilityColumns[0]);

struct ClassicModel {
    std::initializer_list<int> models;
    VersionRange shown[kColumns];
};

const ClassicModel kClassicModels[] = {
    //                                                   VP VI EDR note PLC A2DP mic side QS AGC gain time
    {{0x2010, 0x2011, 0x2110, 0x2210, 0x2310, 0x4010, 0x4020, 0x4030}, {Y, N, Y, N, N, Y, N, N, N, N, N, N}},
    {{0x2020}, {Y, Y, Y, N, N, Y, N, Y, From(1, 1), N, N, N}},
    {{0x2120, 0x4021, 0x6430}, {Y, N, N, N, N, N, N, N, N, N, N, N}},
    {{0x4040, 0x4D21}, {N, N, N, N, N, N, N, Y, N, N, N, N}},
    {{0x4110, 0x4111}, {N, N, Y, N, N, Y, N, N, N, N, N, N}},
    {{0x4120}, {N, N, Y, N, N, Y, N, Y, Y, Y, N, N}},
    {{0x4D05, 0x4D15, 0x4D35, 0x4D45, 0x4D55, 0x4D65},
     {Y, N, Y, Below(1, 2), Below(1, 2), From(1, 2), N, From(2, 0), N, N, N, N}},
    {{0x4D10, 0x4D30, 0x4D40},
     {Y, Y, Y, Below(4, 2), Between(4, 0, 4, 2), From(4, 1), From(4, 1), From(5, 0), N, N, N, N}},
    {{0x4D20, 0x4D50, 0x5010, 0x5030, 0x5040, 0x5050, 0x5060, 0x5061, 0x5080},
     {Y, Y, Y, Below(4, 2), Between(4, 0, 4, 2), From(4, 1), N, From(5, 0), N, N, N, N}},
    {{0x5020, 0x5070}, {Y, Y, Y, Below(4, 2), Between(4, 0, 4, 2), From(4, 1), N, N, N, N, N, N}},
    {{0x4D75, 0x5011}, {Y, Y, Y, N, N, Y, N, Y, N, N, N, N}},
    {{0x4D85}, {Y, N, Y, N, N, Y, N, Y, N, N, N, N}},
    {{0x5210}, {N, N, N, N, N, N, N, N, N, N, Y, Y}},
    {{0x6110, 0x6111, 0x6120, 0x6121}, {N, N, Y, N, N, Y, N, Y, Y, N, N, N}},
    {{0x6420}, {Y, N, Y, N, N, N, N, N, N, N, N, N}},
};

const int kGridModels[] = {
    0x2030, 0x3030, 0x3040, 0x3050, 0x3060, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x4210,
    0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530, 0x4610, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418,
    0x5420, 0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532, 0x5536, 0x5550, 0x5560, 0x5570, 0x5580,
    0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010,
    0x6012, 0x6014, 0x6016, 0x6018, 0x6020, 0x6022, 0x6024, 0x6026, 0x6210, 0x6400};

const ClassicModel* FindClassic(int model) {
    for (const ClassicModel& c : kClassicModels)
        if (In(model, c.models)) return &c;
    return nullptr;
}

// ------------------------------------------------------------ arrangement

const Placement B0{kButtons, 0};

const Layout kFirstSetFrom50{8, 5, {B0, {kVoxPhone, 1}, {kVoxIntercom, 2}, {kEdr, 3}, {kHighQualityA2dp, 4},
                                    {kSidetone, 5}, {kMicrophoneBoost, 6}, {kRestartNote, 7}}};
const Layout kFirstSet42{8, 5, {B0, {kVoxPhone, 1}, {kVoxIntercom, 2}, {kEdr, 3}, {kHighQualityA2dp, 4},
                                {kMicrophoneBoost, 5}, {kRestartNote, 7}}};
const Layout kFirstSet41{9.5f, 2, {B0, {kVoxPhone, 1}, {kVoxIntercom, 2}, {kEdr, 3}, {kEdrNote, 4}, {kPlc, 5.5f},
                                   {kHighQualityA2dp, 6.5f}, {kMicrophoneBoost, 7.5f}, {kRestartNote, 8.5f}}};
const Layout kBothSets40{7.5f, 5, {B0, {kVoxPhone, 1}, {kVoxIntercom, 2}, {kEdr, 3}, {kEdrNote, 4}, {kPlc, 5.5f},
                                   {kRestartNote, 7}}};
const Layout kBothSetsOld{6.5f, 5, {B0, {kVoxPhone, 1}, {kVoxIntercom, 2}, {kEdr, 3}, {kEdrNote, 4},
                                    {kRestartNote, 7}}};
const Layout kWithSidetone{7, 5, {B0, {kVoxPhone, 1}, {kVoxIntercom, 2}, {kEdr, 3}, {kHighQualityA2dp, 4},
                                  {kSidetone, 5}, {kRestartNote, 7}}};
const Layout kWithoutSidetone{7, 5, {B0, {kVoxPhone, 1}, {kVoxIntercom, 2}, {kEdr, 3}, {kHighQualityA2dp, 4},
                                     {kRestartNote, 7}}};
const Layout kSecondSet41{8.5f, 2, {B0, {kVoxPhone, 1}, {kVoxIntercom, 2}, {kEdr, 3}, {kEdrNote, 4}, {kPlc, 5.5f},
                                    {kHighQualityA2dp, 6.5f}, {kRestartNote, 7.5f}}};
const Layout kWithQuietSphere{7, 5, {B0, {kVoxPhone, 1}, {kVoxIntercom, 2}, {kEdr, 3}, {kHighQualityA2dp, 4},
                                     {kSidetone, 5}, {kQuietSphere, 6}, {kRestartNote, 7}}};
const Layout kPhoneEdrSidetone{6, 2, {B0, {kVoxPhone, 1}, {kEdr, 2}, {kHighQualityA2dp, 3}, {kSidetone, 4},
                                      {kRestartNote, 7}}};
const Layout kPhoneEdr{6, 2, {B0, {kVoxPhone, 1}, {kEdr, 2}, {kHighQualityA2dp, 3}, {kRestartNote, 7}}};
const Layout kPhoneEdrPlc{6.5f, 5, {B0, {kVoxPhone, 1}, {kEdr, 2}, {kEdrNote, 3}, {kPlc, 4.5f}, {kRestartNote, 7}}};
const Layout kPhoneOnly{6, 2, {B0, {kVoxPhone, 1}, {kRestartNote, 7}}};
const Layout kPhoneNoNote{6, 2, {B0, {kVoxPhone, 1}}};
const Layout kPhoneEdrNoNote{6, 2, {B0, {kVoxPhone, 1}, {kEdr, 2}}};
const Layout kEdrA2dp{7, 5, {B0, {kEdr, 1}, {kHighQualityA2dp, 2}, {kRestartNote, 7}}};
const Layout kEdrQuietSphere{7, 5, {B0, {kEdr, 1}, {kHighQualityA2dp, 2}, {kSidetone, 3}, {kQuietSphere, 4},
                                    {kRestartNote, 5}}};
const Layout kEdrAutoGain{7, 5, {B0, {kEdr, 1}, {kHighQualityA2dp, 2}, {kSidetone, 3}, {kQuietSphere, 4},
                                 {kAutoGainControl, 5}, {kRestartNote, 7}}};
const Layout kSidetoneOnly{7, 5, {B0, {kSidetone, 1}, {kRestartNote, 7}}};
const Layout kSidetoneNote6{7, 5, {B0, {kSidetone, 1}, {kRestartNote, 6}}};
// The gain and time-out rows stay where the template puts them.
const Layout kGainAndTimeout{4, 5, {B0, {kRestartNote, 7}}};
const Layout kSensor12{7, 5, {B0, {kMoreSettings, 7}, {kVoxPhone, 1}, {kSidetone, 2}, {kMotionSensor, 3},
                              {kSoundWeave, 4}, {kOverlaySensitivity, 5}, {kNavigationApp, 6}}};
const Layout kSensor11{6, 5, {B0, {kMoreSettings, 0}, {kVoxPhone, 1}, {kSidetone, 2}, {kMotionSensor, 3},
                              {kSoundWeave, 4}, {kOverlaySensitivity, 5}, {kNavigationApp, 6}}};
const Layout kSensorOld{4, 5, {B0, {kVoxPhone, 1}, {kSidetone, 2}, {kSoundWeave, 3}, {kOverlaySensitivity, 4}}};
const Layout kNewerHeadsets{7, 5, {B0, {kMoreSettings, 7}, {kAudioBoost, 1}, {kVoxPhone, 2}, {kVoxIntercom, 3},
                                   {kHighQualityA2dp, 4}, {kSidetone, 5}, {kQuietSphere, 6}}};

struct Arrangement {
    std::initializer_list<int> models;
    VersionRange versions;
    const Layout* layout;
};

#define FIRST_SET 0x4D10, 0x4D30, 0x4D40
#define SECOND_SET_SIDETONE 0x4D20, 0x4D50, 0x5010, 0x5060, 0x5061, 0x5030, 0x5080, 0x5040, 0x5050
#define SECOND_SET SECOND_SET_SIDETONE, 0x5020, 0x5070
#define PHONE_EDR_SET 0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65

const Arrangement kArrangements[] = {
    {{FIRST_SET}, From(5, 0), &kFirstSetFrom50},
    {{FIRST_SET}, Between(4, 2, 5, 0), &kFirstSet42},
    {{FIRST_SET}, Between(4, 1, 4, 2), &kFirstSet41},
    {{FIRST_SET, SECOND_SET}, Between(4, 0, 4, 1), &kBothSets40},
    {{FIRST_SET, SECOND_SET}, Below(4, 0), &kBothSetsOld},
    {{SECOND_SET_SIDETONE}, From(5, 0), &kWithSidetone},
    {{0x5011, 0x4D75}, Y, &kWithSidetone},
    {{0x2020}, Below(1, 1), &kWithSidetone},
    {{SECOND_SET_SIDETONE}, Between(4, 2, 5, 0), &kWithoutSidetone},
    {{0x5020, 0x5070}, From(4, 2), &kWithoutSidetone},
    {{SECOND_SET}, Between(4, 1, 4, 2), &kSecondSet41},
    {{0x2020}, From(1, 1), &kWithQuietSphere},
    {{PHONE_EDR_SET}, From(2, 0), &kPhoneEdrSidetone},
    {{0x4D85}, Y, &kPhoneEdrSidetone},
    {{PHONE_EDR_SET}, Between(1, 2, 2, 0), &kPhoneEdr},
    {{0x4010, 0x4020, 0x4030, 0x2010, 0x2011, 0x2110, 0x2210, 0x2310}, Y, &kPhoneEdr},
    {{PHONE_EDR_SET}, Below(1, 2), &kPhoneEdrPlc},
    {{0x4021, 0x2120}, Y, &kPhoneOnly},
    {{0x6430}, Y, &kPhoneNoNote},
    {{0x6420}, Y, &kPhoneEdrNoNote},
    {{0x4110, 0x4111}, Y, &kEdrA2dp},
    {{0x6110, 0x6111, 0x6120, 0x6121}, Y, &kEdrQuietSphere},
    {{0x4120}, Y, &kEdrAutoGain},
    {{0x4040}, Y, &kSidetoneOnly},
    {{0x4D21}, Y, &kSidetoneNote6},
    {{0x5210}, Y, &kGainAndTimeout},
    {{0x4210}, From(1, 2), &kSensor12},
    {{0x4210}, Between(1, 1, 1, 2), &kSensor11},
    {{0x4210}, Below(1, 1), &kSensorOld},
    {{0x3030, 0x3040, 0x3050, 0x3060, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126, 0x5510, 0x5520,
      0x5522, 0x5524, 0x5526, 0x5530, 0x5532, 0x5536, 0x5550, 0x5570, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620,
      0x5621, 0x5622, 0x5623, 0x5624, 0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018,
      0x6020, 0x6022, 0x6024, 0x6026, 0x6210, 0x6400},
     Y, &kNewerHeadsets},
};

const std::vector<RadioPair> kRadioPairs = {
    {kVoxPhone, IDC_DS_VOX_PHONE_ENABLE, IDC_DS_VOX_PHONE_DISABLE, &CDeviceRecord::m_bHandsfreeVox, false,
     &CDeviceRecord::SetVoxPhone, &CDeviceRecord::GetVoxPhone, false},
    {kVoxIntercom, IDC_DS_VOX_INTERCOM_ENABLE, IDC_DS_VOX_INTERCOM_DISABLE, &CDeviceRecord::m_bIntercomVox, false,
     nullptr, nullptr, false},
    {kEdr, IDC_DS_EDR_ENABLE, IDC_DS_EDR_DISABLE, &CDeviceRecord::m_bEdr, true, nullptr, nullptr, false},
    {kPlc, IDC_DS_PLC_ENABLE, IDC_DS_PLC_DISABLE, &CDeviceRecord::m_bPlc, false, nullptr, nullptr, false},
    {kHighQualityA2dp, IDC_DS_A2DP_ENABLE, IDC_DS_A2DP_DISABLE, &CDeviceRecord::m_bBitpoolRate, false, nullptr,
     nullptr, false},
    {kMicrophoneBoost, IDC_DS_MIC_ENABLE, IDC_DS_MIC_DISABLE, &CDeviceRecord::m_bMicrophoneBoost, false, nullptr,
     nullptr, false},
    {kSidetone, IDC_DS_SIDETONE_ENABLE, IDC_DS_SIDETONE_DISABLE, &CDeviceRecord::m_bSidetone, false,
     &CDeviceRecord::SetSidetone, &CDeviceRecord::GetSidetone, false},
    {kAudioBoost, IDC_DS_BOOST_ENABLE, IDC_DS_BOOST_DISABLE, &CDeviceRecord::m_bAudioBoost, true, nullptr, nullptr,
     false},
    {kQuietSphere, IDC_DS_QUIET_ENABLE, IDC_DS_QUIET_DISABLE, &CDeviceRecord::m_bQuietSphere, true, nullptr, nullptr,
     false},
    {kAutoGainControl, IDC_DS_AGC_ENABLE, IDC_DS_AGC_DISABLE, &CDeviceRecord::m_bAutoGainControl, true, nullptr,
     nullptr, false},
    {kSoundWeave, IDC_DS_WEAVE_ENABLE, IDC_DS_WEAVE_DISABLE, nullptr, false, &CDeviceRecord::SetSoundWeave,
     &CDeviceRecord::GetSoundWeave, true},
    {kNavigationApp, IDC_DS_NAVI_ENABLE, IDC_DS_NAVI_DISABLE, nullptr, false,
     &CDeviceRecord::SetNavigationAppSupport, &CDeviceRecord::GetNavigationAppSupport, true},
};

}  // namespace

const std::vector<RadioPair>& RadioPairs() { return kRadioPairs; }

const RadioPair* RadioPairOf(int controlId) {
    for (const RadioPair& p : kRadioPairs)
        if (p.enableId == controlId || p.disableId == controlId) return &p;
    return nullptr;
}

bool UsesPackedBit(const RadioPair& pair, int model) {
    if (!pair.setBit) return false;
    return pair.bitOnEveryModel || model_groups::IsHidTwoChipModel(model);
}

bool IsEnabledIn(const RadioPair& pair, const CDeviceRecord& record, int model) {
    if (UsesPackedBit(pair, model)) return (record.*pair.getBit)() != 0;
    int value = record.*pair.field;
    return pair.inverted ? value == 0 : value != 0;
}

void Store(const RadioPair& pair, CDeviceRecord* record, int model, bool enable) {
    if (UsesPackedBit(pair, model)) {
        (record->*pair.setBit)(enable ? 1 : 0);
        return;
    }
    record->*pair.field = (enable != pair.inverted) ? 1 : 0;
}

const std::vector<RowControl>& ControlsOf(Row row) { return kControls[row]; }

PageKind PageKindOf(int model) {
    if (FindClassic(model)) return kClassicRows;
    for (int id : kGridModels)
        if (id == model) return kGrid;
    return kNoSettings;
}

bool ClassicRowShown(int model, Row row, const CDeviceRecord& device) {
    const ClassicModel* c = FindClassic(model);
    if (!c) return false;
    if (row == kRestartNote) return true;
    for (int i = 0; i < kColumns; ++i)
        if (kVisibilityColumns[i] == row) return Holds(c->shown[i], device);
    return false;  // Audio Boost, the motion sensor and the Sound Weave rows
}

const Layout* LayoutOf(int model, const CDeviceRecord& device) {
    for (const Arrangement& a : kArrangements)
        if (In(model, a.models) && Holds(a.versions, device)) return a.layout;
    return nullptr;
}

}  // namespace dsrows
