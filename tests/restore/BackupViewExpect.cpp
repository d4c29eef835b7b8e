#include "BackupViewExpect.h"
#include <map>
#include <string>
#include "texts/LabelTables.h"
#include "texts/WizardTexts.h"

namespace backupexpect {

namespace {

// English labels.
const wchar_t AB[] = L"Audio Boost";
const wchar_t VP[] = L"VOX Phone";
const wchar_t VI[] = L"VOX Intercom";
const wchar_t SW[] = L"Sound Weave\x2122";
const wchar_t SB[] = L"Sound Blend\x2122";
const wchar_t ASP[] = L"Audio Source Priority";
const wchar_t HDV[] = L"HD Voice";
const wchar_t HDI[] = L"HD Intercom";
const wchar_t VS[] = L"VOX Sensitivity";
const wchar_t PR[] = L"Voice Prompt";
const wchar_t FM[] = L"FM Station Guide";
const wchar_t HQ[] = L"High Quality A2DP";
const wchar_t ST[] = L"Sidetone";
const wchar_t QS[] = L"Quiet Sphere\x2122";
const wchar_t SVC[] = L"Smart Volume Control";
const wchar_t NAVI[] = L"Smart Navi System";
const wchar_t ESS[] = L"ESS STATUS";
const wchar_t ESSS[] = L"ESS Sensitivity";
const wchar_t OV[] = L"Intercom-sound Blend Sensitivity";
const wchar_t SBVM[] = L"Sound Blend Volume Management";
const wchar_t NAS[] = L"Navigation App Support";
const wchar_t EW[] = L"Eight-way Intercom";
const wchar_t VC[] = L"Voice Command";
const wchar_t MS[] = L"Motion Sensor Sensitivity";
const wchar_t UL[] = L"Unit Language";
const wchar_t ISW[] = L"Bluetooth Intercom Sound Weave\x2122";
const wchar_t GM[] = L"Guest Mode";
const wchar_t PM[] = L"Photo Mode";
const wchar_t VM[] = L"Video Mode";
const wchar_t VR[] = L"Video Resolution";
const wchar_t TI[] = L"Timelapse Interval";
const wchar_t VTI[] = L"Video Tagging Interval";
const wchar_t LRI[] = L"Loop Recording Interval";
const wchar_t VMG[] = L"Video Microphone Gain";
const wchar_t DC[] = L"Date Caption";
const wchar_t SSR[] = L"Speaker Sound Recording";
const wchar_t RM[] = L"\x25B6 Music";
const wchar_t RF[] = L"\x25B6 FM Radio";
const wchar_t RI[] = L"\x25B6 Intercom";
const wchar_t RP[] = L"\x25B6 Phone";
const wchar_t ACS[] = L"Auto Camera Sleep";

typedef std::vector<const wchar_t*> L;

L Join(L a, const L& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const L kCamera = {PM, VM, VR, TI, VTI, LRI, VMG, DC, SSR, RM, RF, RI, RP, ACS};
const L k4510 = {SW, OV, SBVM, AB, SVC, VP, HDI, EW, PR, FM, ST, QS, VC};
const L k31Full = {UL, AB, VP, VI, ISW, HDI, PR, HQ, ST, QS, FM, GM, VS, SVC, SBVM, OV, VC};
const L k31Sixteen(k31Full.begin() + 1, k31Full.end());
const L k31Fifteen = {AB, VP, VI, HDI, PR, HQ, ST, QS, FM, GM, VS, SVC, SBVM, OV, VC};
const L k11 = {AB, VP, VI, SW, ASP, HDV, HDI, PR, FM, ST, QS};
const L k9 = {AB, VP, VI, HDI, PR, FM, HQ, ST, QS};
const L k8 = {AB, VP, VI, HDI, PR, HQ, ST, QS};
const L kNavi10 = {NAVI, AB, VP, VI, HDI, VS, PR, HQ, ST, QS};
const L kNavi9(kNavi10.begin() + 1, kNavi10.end());
const L k5720 = {AB, VP, VI, HDI, VS, PR, FM, HQ, ST, QS};
const L k12 = {AB, VP, VI, SW, ASP, HDV, HDI, VS, PR, FM, ST, QS};

const int X = 9;  // a connected device whose firmware no gate of the model reads

std::vector<Case> MakeCases() {
    return {
        // 0x4510 group, 0x5526, 0x5710, 0x5522, 0x3060, 0x5418, 0x6014-0x6026.
        {{0x4510, 0x4610}, 0, 0, X, X, kAccessors, k4510},
        {{0x5526}, 1, 9, X, X, kMembers, k5720},
        {{0x5526}, 2, 0, X, X, kMembers, k12},
        {{0x5710}, 1, 1, X, X, kMembers, k8},
        {{0x5710}, 1, 2, X, X, kMembers, k9},
        {{0x5522}, 0, 0, X, X, kMembers, {AB, PR, FM, HQ, QS}},
        {{0x3060}, 0, 0, X, X, kMembers, {PR, FM, QS}},
        {{0x5418}, 0, 0, X, X, kMembers, {AB, SVC, VP, VI, SB, ASP, HDV, HDI, VS, PR, FM, ST, QS}},
        {{0x6026}, 0, 0, 0, 0, kMembers, kNavi10},
        // These gates read the connected device, whatever the backup says.
        {{0x6018}, 1, 1, 1, 0, kMembers, kNavi9},
        {{0x6018}, 0, 0, 1, 1, kMembers, kNavi10},
        {{0x6014, 0x6016}, 2, 0, 1, 1, kMembers, kNavi9},
        {{0x6014, 0x6016}, 0, 0, 1, 2, kMembers, kNavi10},
        {{0x6020, 0x6022, 0x6024}, 0, 0, X, X, kMembers, {NAVI, VP, VS, PR, ST, QS}},

        // 0x5410-0x5416, 0x5420, 0x5560, 0x5910, 0x5920, 0x6010, 0x6012, 0x6400.
        {{0x5420}, 0, 0, X, X, kMembers, {AB, SVC, VP, VI, SB, ASP, HDV, HDI, VS, PR, FM, ST, QS}},
        {{0x5412, 0x5414}, 1, 0, X, X, kMembers, {AB, SVC, VP, VI, SB, ASP, HDI, VS, PR, FM, ST, QS}},
        {{0x5412, 0x5414}, 1, 1, X, X, kMembers, {AB, SVC, VP, VI, SB, ASP, HDV, HDI, VS, PR, FM, ST, QS}},
        {{0x5416}, 2, 0, 1, 0, kMembers, {AB, SVC, VP, VI, ASP, HDI, VS, PR, FM, ST, QS}},
        {{0x5416}, 1, 0, 1, 1, kMembers, {AB, SVC, VP, VI, SB, ASP, HDI, VS, PR, FM, ST, QS}},
        {{0x5410}, 1, 0, X, X, kMembers, {AB, SVC, VP, SB, VS, PR, ST}},
        {{0x5410}, 1, 5, X, X, kMembers, {AB, SVC, VP, SB, HDV, VS, PR, ST}},
        {{0x5410}, 2, 0, X, X, kMembers, {AB, SVC, VP, VI, SB, ASP, HDV, HDI, VS, PR, ST, QS}},
        {{0x5560}, 3, 0, X, X, kMembers, {AB, SVC, VP, SB, HDV, VS, PR, ST}},
        {{0x5910, 0x5920}, 1, 0, X, X, kMembers, k8},
        {{0x5910, 0x5920}, 1, 1, X, X, kMembers, k9},
        {{0x6010, 0x6012}, 3, 0, 1, 1, kMembers, Join(kNavi9, {ESS, ESSS})},
        {{0x6010, 0x6012}, 0, 0, 1, 2, kMembers, Join(kNavi10, {ESS, ESSS})},
        {{0x6400}, 0, 0, X, X, kMembers, {AB, VP, VI, SW, ASP, HDV, HDI, VS, PR, FM, QS}},

        // 0x3030-0x3050, 0x3118, 0x5524, 0x5536, 0x5622-0x5624, 0x6210.
        {{0x3030, 0x3040, 0x3050}, 2, 0, X, X, kMembers, {PR, FM, QS}},
        {{0x5536}, 0, 0, X, X, kMembers, {AB, PR, FM, HQ, QS}},
        {{0x5524}, 1, 0, X, X, kMembers, {AB, PR, HQ, QS}},
        {{0x5524}, 1, 1, X, X, kMembers, {AB, PR, FM, HQ, QS}},
        {{0x5524}, 2, 0, X, X, kMembers, {AB, SW, ASP, HDV, PR, FM, QS}},
        {{0x6210}, 1, 9, X, X, kMembers, {AB, VP, VI, HDI, PR, FM, HQ, QS}},
        {{0x6210}, 2, 0, X, X, kMembers, {AB, VP, VI, SW, ASP, HDV, HDI, PR, FM, QS}},
        {{0x5623}, 1, 0, X, X, kMembers, {AB, VP, VI, HDI, PR, HQ, ST, QS}},
        {{0x5623}, 1, 5, X, X, kMembers, {AB, VP, VI, HDI, VS, PR, HQ, ST, QS}},
        {{0x5623}, 2, 0, X, X, kMembers, {AB, VP, VI, SW, ASP, HDV, HDI, VS, PR, ST, QS}},
        {{0x5622, 0x5624}, 1, 0, X, X, kMembers, {AB, SVC, VP, VI, HDI, PR, HQ, QS}},
        {{0x5622, 0x5624}, 1, 5, X, X, kMembers, {AB, SVC, VP, VI, HDI, VS, PR, HQ, QS}},
        {{0x5622}, 2, 0, X, X, kMembers, {AB, SVC, VP, VI, SW, ASP, HDV, HDI, VS, PR, FM, QS}},
        {{0x5624}, 2, 0, X, X, kMembers, {AB, SVC, VP, VI, ASP, HDV, HDI, VS, PR, QS}},
        {{0x3118}, 0, 0, X, X, kBits, {UL, AB, VP, HDI, PR, QS, FM, VS, SBVM, OV}},

        // The 0x31 family, 0x5550 and 0x5532.
        {{0x3116}, 0, 0, X, X, kBits, k31Full},
        {{0x3124, 0x3126}, 0, 0, X, X, kBits, k31Sixteen},
        {{0x3112, 0x3114}, 1, 0, X, X, kBits, k31Fifteen},
        {{0x3112, 0x3114}, 1, 1, X, X, kBits, k31Sixteen},
        {{0x3110}, 1, 0, X, X, kBits, k31Fifteen},
        {{0x3110}, 2, 0, X, X, kBits, k31Sixteen},
        {{0x3110}, 2, 1, X, X, kBits, k31Full},
        {{0x5550}, 1, 1, X, X, kMembers, {AB, HDI, PR, FM, HQ, QS}},
        {{0x5550}, 1, 2, X, X, kMembers, {AB, PR, FM, HQ, QS}},
        {{0x5550}, 2, 0, X, X, kMembers, {AB, SW, ASP, HDV, PR, FM, QS}},
        {{0x5532}, 0, 0, X, X, kMembers, {AB, VP, VI, HDV, HDI, PR, FM, HQ, ST, QS}},

        // 0x5530, 0x5570, 0x5580, 0x5510.
        {{0x5530}, 1, 3, X, X, kMembers, k8},
        {{0x5530}, 1, 4, X, X, kMembers, {AB, VP, VI, HDV, HDI, PR, FM, HQ, ST, QS}},
        {{0x5530}, 1, 10, X, X, kMembers, {AB, VP, VI, HDV, HDI, PR, FM, HQ, ST, QS}},
        {{0x5530}, 2, 0, X, X, kMembers, k11},
        {{0x5570}, 0, 0, X, X, kMembers, k11},
        {{0x5580}, 1, 9, X, X, kMembers, k9},
        {{0x5580}, 2, 0, X, X, kMembers, k11},
        {{0x5510}, 0, 0, X, X, kMembers, {AB, VP, VI, PR, HQ, ST, QS, PM, VM, VR, TI, DC, SSR, RM, RF, RI, RP, ACS}},
        {{0x5510}, 1, 9, X, X, kMembers, {AB, VP, VI, PR, HQ, ST, QS, PM, VM, VR, TI, DC, SSR, RM, RF, RI, RP, ACS}},
        {{0x5510}, 2, 1, X, X, kMembers, Join(k8, kCamera)},
        {{0x5510}, 2, 2, X, X, kMembers, Join(k9, kCamera)},
        {{0x5510}, 3, 0, X, X, kMembers, Join(k11, kCamera)},

        // 0x5610-0x5621, 0x5720, 0x5520, 0x4410, 0x4430, 0x2030, 0x4310-0x4350, 0x4530, 0x4210.
        {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, 0, 9, X, X, kMembers, {AB, VP, VI, PR, HQ, ST, QS}},
        {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, 1, 0, X, X, kMembers, {AB, VP, VI, PR, HQ, ST, QS}},
        {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, 1, 1, X, X, kMembers, k8},
        {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, 1, 9, X, X, kMembers, k8},
        {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, 2, 0, X, X, kMembers, k11},
        {{0x5720}, 0, 0, X, X, kMembers, k5720},
        {{0x5520}, 1, 0, X, X, kMembers, {AB, VP, VI, VS, PR, HQ, ST, QS}},
        {{0x5520}, 1, 2, X, X, kMembers, {AB, VP, VI, HDI, VS, PR, HQ, ST, QS}},
        {{0x5520}, 1, 3, X, X, kMembers, k5720},
        {{0x5520}, 2, 0, X, X, kMembers, k12},
        {{0x4410, 0x4430}, 0, 0, X, X, kAccessors, {SW, OV, SBVM, AB, SVC, HDI, EW, PR, FM, ST, QS, VC}},
        {{0x2030, 0x4530, 0x4310, 0x4350, 0x4330}, 0, 0, X, X, kAccessors, k4510},
        {{0x4210}, 1, 0, X, X, kAccessors, {VP, ST, SW, OV}},
        {{0x4210}, 1, 1, X, X, kAccessors, {VP, ST, MS, SW, OV, NAS}},
        {{0x4210}, 1, 4, X, X, kAccessors, {SW, OV, NAS, AB, MS, VP, HDI, EW, PR, ST, QS}},
        {{0x4210}, 1, 5, X, X, kAccessors, {SW, OV, NAS, AB, SVC, MS, VP, HDI, EW, PR, FM, ST, QS}},
    };
}

typedef std::function<void(CDeviceRecord&)> Setter;

Setter Member(int CDeviceRecord::*m, int v = 1) {
    return [m, v](CDeviceRecord& r) { r.*m = v; };
}
Setter Word(int word, int value) {
    return [word, value](CDeviceRecord& r) { r.m_anSettingWord[word] = value; };
}
Setter Camera(int word, int value) {
    return [word, value](CDeviceRecord& r) { r.m_anCameraWord[word] = value; };
}

typedef std::map<std::wstring, Probe> ProbeMap;

const ProbeMap& Probes(Family family) {
    typedef CDeviceRecord R;
    static const ProbeMap members = {
        {AB, {L"Enabled", L"Disabled", Member(&R::m_bAudioBoost)}},
        {VP, {L"Disabled", L"Enabled", Member(&R::m_bHandsfreeVox)}},
        {VI, {L"Disabled", L"Enabled", Member(&R::m_bIntercomVox)}},
        {SW, {L"Disabled", L"Enabled", Member(&R::m_bSoundBlend)}},
        {SB, {L"Disabled", L"Enabled", Member(&R::m_bSoundBlend, 2)}},
        {ASP, {L"Intercom", L"Music", Member(&R::m_bAudioSourcePriority)}},
        {HDV, {L"Disabled", L"Enabled", Member(&R::m_bHdVoice)}},
        {HDI, {L"Disabled", L"Enabled", Member(&R::m_bHdIntercom)}},
        {VS, {L"-", L"Level 2", [](R& r) { r.m_anVoxSensitivity[0] = 2; }}},
        {PR, {L"Enabled", L"Disabled", Member(&R::m_bVoicePrompt)}},
        {FM, {L"Disabled", L"Enabled", Member(&R::m_bFmStationGuide)}},
        {HQ, {L"Disabled", L"Enabled", Member(&R::m_bBitpoolRate)}},
        {ST, {L"Disabled", L"Enabled", Member(&R::m_bSidetone)}},
        {QS, {L"Enabled", L"Disabled", Member(&R::m_bQuietSphere)}},
        {NAVI, {L"Disabled", L"Enabled", Member(&R::m_bSmartNaviSystem)}},
        {SVC, {L"Disabled", L"Medium", [](R& r) { r.m_anSmartVolume[0] = 2; }}},
        {ESS, {L"ESS ON", L"Fog Light + ESS ON", Word(2, 2)}},
        {ESSS, {L"Medium", L"Low", Word(2, 4)}},
        // Camera words 0 and 2 (0x5510).
        {PM, {L"Single Shot", L"Burst Shot", Camera(0, 1)}},
        {VR, {L"1080p/30fps", L"720p/60fps", Camera(0, 1 << 2)}},
        {TI, {L"1 sec", L"10 secs", Camera(0, 1 << 4)}},
        {VTI, {L"1 min", L"3 mins", Camera(2, 1)}},
        {LRI, {L"1 min", L"3 mins", Camera(2, 1 << 2)}},
        {VMG, {L"Low", L"Medium", Camera(2, 1 << 4)}},
        {DC, {L"Disabled", L"Enabled", Camera(0, 1 << 5)}},
        {SSR, {L"Disabled", L"Enabled", Camera(0, 1 << 6)}},
        {ACS, {L"Disabled", L"Enabled", Camera(0, 1 << 7)}},
        {RM, {L"Disabled", L"Enabled", Camera(0, 1 << 8)}},
        {RF, {L"Disabled", L"Enabled", Camera(0, 1 << 9)}},
        {RI, {L"Disabled", L"Enabled", Camera(0, 1 << 10)}},
        {RP, {L"Disabled", L"Enabled", Camera(0, 1 << 11)}},
    };
    // Settings word 2, and words 0 and 3 as whole numbers.
    static const ProbeMap accessors = {
        {VC, {L"Disabled", L"Enabled", Word(2, 1 << 0)}},
        {SVC, {L"Disabled", L"Medium", Word(2, 2 << 1)}},
        {FM, {L"Disabled", L"Enabled", Word(2, 1 << 5)}},
        {EW, {L"Disabled", L"Enabled", Word(2, 1 << 6)}},
        {AB, {L"Disabled", L"Enabled", Word(2, 1 << 7)}},
        {QS, {L"Disabled", L"Enabled", Word(2, 1 << 8)}},
        {SBVM, {L"Disabled", L"Enabled", Word(2, 1 << 9)}},
        {NAS, {L"Disabled", L"Enabled", Word(2, 1 << 9)}},
        {PR, {L"Disabled", L"Enabled", Word(2, 1 << 10)}},
        {SW, {L"Disabled", L"Enabled", Word(2, 1 << 11)}},
        {ST, {L"Disabled", L"Enabled", Word(2, 1 << 12)}},
        {HDI, {L"Disabled", L"Enabled", Word(2, 1 << 13)}},
        {VP, {L"Disabled", L"Enabled", Word(2, 1 << 15)}},
        {OV, {L"11", L"8", Word(0, 3)}},
        {MS, {L"High", L"Low", Word(3, 2)}},
    };
    // Low 16 bits of words 0 and 1 (and word 3 for the unit language).
    static const ProbeMap bits = {
        {UL, {L"English", L"Finnish", Word(3, 10)}},
        {AB, {L"Enabled", L"Disabled", Word(0, 1 << 10)}},
        {VP, {L"Disabled", L"Enabled", Word(0, 1 << 0)}},
        {VI, {L"Disabled", L"Enabled", Word(0, 1 << 1)}},
        {PR, {L"Enabled", L"Disabled", Word(0, 1 << 3)}},
        {HQ, {L"Disabled", L"Enabled", Word(0, 1 << 5)}},
        {ST, {L"Disabled", L"Enabled", Word(0, 1 << 8)}},
        {QS, {L"Enabled", L"Disabled", Word(0, 1 << 9)}},
        {HDI, {L"Disabled", L"Enabled", Word(0, 1 << 11)}},
        {FM, {L"Disabled", L"Enabled", Word(0, 1 << 12)}},
        {GM, {L"Disabled", L"Enabled", Word(0, 1 << 15)}},
        {VS, {L"-", L"Level 2", Word(1, 2)}},
        {SVC, {L"Disabled", L"Low", Word(1, 1 << 3)}},
        {SBVM, {L"Disabled", L"Enabled", Word(1, 1 << 6)}},
        {OV, {L"0", L"5", Word(1, 5 << 7)}},
        {VC, {L"Disabled", L"Enabled", Word(1, 1 << 10)}},
        {ISW, {L"Disabled", L"Enabled", Word(1, 1 << 11)}},
    };
    return family == kMembers ? members : family == kAccessors ? accessors : bits;
}

}  // namespace

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = MakeCases();
    return cases;
}

const Probe* FindProbe(Family family, const CString& label, int model, int backupMajor) {
    std::wstring key(label.GetString());
    if (family == kMembers && key == VS && (model == 0x6400 || model == 0x5622 || model == 0x5623 || model == 0x5624)) {
        static const Probe lmh = {L"-", L"Medium", [](CDeviceRecord& r) { r.m_anVoxSensitivity[0] = 2; }};
        return &lmh;
    }
    if (family == kMembers && key == VM) {
        // Bit 1 of camera word 0 before firmware 2.0, bits 6-7 of word 2 from 2.0 on.
        static const Probe oldMode = {L"Video Mode", L"Timelapse Mode", Camera(0, 1 << 1)};
        static const Probe newMode = {L"Video Mode", L"Timelapse Mode", Camera(2, 1 << 6)};
        return backupMajor < 2 ? &oldMode : &newMode;
    }
    const ProbeMap& map = Probes(family);
    auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}

CString Translate(const CString& english, int language) {
    int L = texts::LanguageSlot(language);
    CString out;
    if (english == L"Enabled") return GetTextEnabled(out, L), out;
    if (english == L"Disabled") return GetTextDisabled(out, L), out;
    if (english == L"Disable") return GetTextDisable(out, L), out;
    typedef CString Table1[texts::kLanguageCount][1];
    static Table1* const kOneItem[] = {
        &g_txtVoxPhone, &g_txtVoxIntercom, &g_txtVoicePrompt, &g_txtHighQualityA2dp, &g_txtSidetone, &g_txtQuietSphere,
        &g_txtAudioBoost, &g_txtMotionSensorSensitivity, &g_txtSoundWeave, &g_txtOverlaySensitivity,
        &g_txtNavigationAppSupport, &g_txtVoxSensitivity, &g_txtHdIntercom, &g_txtEightWayIntercom, &g_txtPhotoMode,
        &g_txtVideoMode, &g_txtVideoResolution, &g_txtTimelapseInterval, &g_txtVideoTaggingInterval,
        &g_txtLoopRecordingInterval, &g_txtVideoMicrophoneGain, &g_txtDateCaption, &g_txtSpeakerSoundRecording,
        &g_txtRecordMusic, &g_txtRecordFmRadio, &g_txtRecordIntercom, &g_txtRecordPhone, &g_txtAutoCameraSleep,
        &g_txtSmartVolumeControl, &g_txtFmStationGuide, &g_txtHdVoice, &g_txtAudioSourcePriority, &g_txtSoundBlend,
        &g_txtIntercomSoundWeave, &g_txtSmartNaviSystem, &g_txtGuestMode, &g_txtVoiceCommand,
        &g_txtSoundBlendVolumeManagement, &g_txtUnitLanguage, &g_txtEssStatus, &g_txtEssSensitivity,
        &g_txtSingleShot, &g_txtBurstShot, &g_txtTimelapseMode, &g_txtLoopRecordingMode, &g_txt1080p30, &g_txt720p60,
        &g_txt720p30, &g_txt1Sec, &g_txt10Secs, &g_txt1Min, &g_txt3Mins, &g_txt5Mins, &g_txtMusic, &g_txtIntercom,
        &g_txtEssOn, &g_txtPositionLightEssOn, &g_txtFogLightEssOn, &g_txtEssOff,
    };
    for (Table1* t : kOneItem)
        if ((*t)[0][0] == english) return (*t)[L][0];
    for (int i = 0; i < 10; ++i)
        if (g_txtLevels[0][i] == english) return g_txtLevels[L][i];
    for (int i = 0; i < 3; ++i)
        if (g_txtLowMediumHigh[0][i] == english) return g_txtLowMediumHigh[L][i];
    for (int i = 0; i < 11; ++i)
        if (g_txtVoicePromptLanguages[0][i] == english) return g_txtVoicePromptLanguages[L][i];
    return english;
}

}  // namespace backupexpect
