#include "recognition/DfuSettingsRead.h"
#include "core/ModelGroups.h"
#include "core/PsWords.h"
#include "core/VersionCompare.h"
#include "recognition/BatchCorrections.h"
#include <cstring>

namespace {

// Bits of PSKEY_SETTINGS_WORD.
enum : unsigned {
    B_VOX_PHONE = 1u << 0,
    B_VOX_INTERCOM = 1u << 1,
    B_EDR = 1u << 2,
    B_VOICE_PROMPT = 1u << 3,
    B_PLC = 1u << 4,
    B_BITPOOL = 1u << 5,
    B_MIC_BOOST = 1u << 6,
    B_SIDETONE = 1u << 8,
    B_QUIET_SPHERE = 1u << 9,
    B_AGC = 1u << 10,
};
const unsigned BITS_0_5 = 0x3F;
const unsigned BITS_0_6 = 0x7F;

// What one model reads, in this order: VOX keys and EDR features (older
// firmware), settings-word bits, batch table, speed dials, FM block, radio
// gain and time-out.
struct Plan {
    bool voxKeys = false;
    unsigned bits = 0;
    bool batch = false;
    bool speedDials = false;
    bool fm = false;
    bool gainTimeout = false;
};

template <int N>
bool In(int id, const int (&list)[N]) {
    for (int v : list)
        if (v == id) return true;
    return false;
}

const int k4D05Group[] = {0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65};
const int kBits0to5[] = {0x4020, 0x2310, 0x2010, 0x2011, 0x2110, 0x2120, 0x2210, 0x4030, 0x4010};

Plan PlanFor(int model, int major, int minor) {
    auto cmp = [&](int ma, int mi) { return CompareMajorMinor(major, minor, ma, mi); };
    Plan p;
    if (model_groups::IsPsVersionedModel(model)) {
        if (cmp(4, 0) < 0) {
            p.voxKeys = true;
        } else if (cmp(5, 0) < 0) {
            p.bits = BITS_0_6;
            p.speedDials = cmp(4, 2) > 0;
        } else {
            p.bits = BITS_0_6 | B_SIDETONE;
            p.speedDials = true;
        }
        p.fm = model == 0x5040 || model == 0x5050;
        return p;
    }
    if (In(model, k4D05Group)) {
        p.bits = BITS_0_5 | (cmp(2, 0) >= 0 ? B_SIDETONE : 0);
        p.batch = model == 0x4D35 || model == 0x4D55;
        p.speedDials = cmp(1, 2) > 0;
        p.fm = model == 0x4D15 || model == 0x4D45 || model == 0x4D65;
        return p;
    }
    if (In(model, kBits0to5)) {
        p.bits = BITS_0_5;
        return p;
    }
    p.speedDials = true;
    switch (model) {
    case 0x4D21: p.bits = B_SIDETONE; break;
    case 0x4D75: case 0x5011: p.bits = BITS_0_6 | B_SIDETONE; break;
    case 0x4040: p.bits = BITS_0_6 | B_SIDETONE | B_QUIET_SPHERE; p.speedDials = false; break;
    case 0x2020:
        p.bits = BITS_0_6 | B_SIDETONE | (cmp(1, 1) >= 0 ? B_QUIET_SPHERE : 0);
        break;
    case 0x6110: case 0x6111: case 0x6120: case 0x6121:
        p.bits = (BITS_0_6 & ~(B_VOX_PHONE | B_VOX_INTERCOM)) | B_SIDETONE | B_QUIET_SPHERE;
        break;
    case 0x4110: case 0x4111: p.bits = BITS_0_6; break;
    case 0x4120: p.bits = BITS_0_6 | B_SIDETONE | B_QUIET_SPHERE | B_AGC; break;
    case 0x6420: p.bits = B_VOX_PHONE | B_EDR; break;
    case 0x6430: p.bits = B_VOX_PHONE; break;
    case 0x4D85: p.bits = BITS_0_5 | B_SIDETONE; p.fm = true; break;
    case 0x4021: p.bits = B_VOX_PHONE; p.speedDials = false; break;
    case 0x5210: p.gainTimeout = true; p.speedDials = false; break;
    default: p.speedDials = false; break;
    }
    return p;
}

// The record fields of the settings-word bits.
struct BitField {
    unsigned bit;
    int CDeviceRecord::*field;
    int failure;
};
const BitField kBitFields[] = {
    {B_VOX_PHONE, &CDeviceRecord::m_bHandsfreeVox, 1},
    {B_VOX_INTERCOM, &CDeviceRecord::m_bIntercomVox, 0},
    {B_EDR, &CDeviceRecord::m_bEdr, 0},
    {B_VOICE_PROMPT, &CDeviceRecord::m_bVoicePrompt, 0},
    {B_PLC, &CDeviceRecord::m_bPlc, 1},
    {B_BITPOOL, &CDeviceRecord::m_bBitpoolRate, 1},
    {B_MIC_BOOST, &CDeviceRecord::m_bMicrophoneBoost, 1},
    {B_SIDETONE, &CDeviceRecord::m_bSidetone, 0},
    {B_QUIET_SPHERE, &CDeviceRecord::m_bQuietSphere, 0},
    {B_AGC, &CDeviceRecord::m_bAutoGainControl, 0},
};

void ReadSettingsBits(CPsKeySession& session, int model, unsigned bits, CDeviceRecord* work) {
    BYTE buffer[PSKEY_SETTINGS_WORD_BYTES] = {};
    BOOL ok = session.Read(PSKEY_SETTINGS_WORD, buffer, sizeof(buffer));
    unsigned word = buffer[0] | (buffer[1] << 8);
    for (const BitField& f : kBitFields) {
        if (!(bits & f.bit)) continue;
        int failure = f.failure;
        if (f.bit == B_SIDETONE && model == 0x4D21) failure = 1;
        work->*f.field = ok ? ((word & f.bit) ? 1 : 0) : failure;
    }
}

int ReadWordKey(CPsKeySession& session, WORD key, BOOL* ok) {
    BYTE buffer[PSKEY_WORD_BYTES] = {};
    *ok = session.Read(key, buffer, sizeof(buffer));
    return buffer[0] | (buffer[1] << 8);
}

void ReadVoxAndEdr(CPsKeySession& session, CDeviceRecord* work) {
    BOOL ok;
    int v = ReadWordKey(session, PSKEY_VOX_INTERCOM, &ok);
    work->m_bIntercomVox = ok ? v : 0;
    v = ReadWordKey(session, PSKEY_VOX_PHONE, &ok);
    work->m_bHandsfreeVox = ok ? v : 0;
    BYTE features[PSKEY_LMP_FEATURES_BYTES] = {};
    ok = session.Read(PSKEY_LMP_FEATURES, features, sizeof(features));
    work->m_bEdr = ok && std::memcmp(features, LMP_FEATURES_EDR_ON, sizeof(features)) == 0 ? 1 : 0;
}

void ReadSpeedDials(CPsKeySession& session, CDeviceRecord* work) {
    const WORD keys[DEVICE_SPEED_DIALS] = {PSKEY_SPEED_DIAL_1, PSKEY_SPEED_DIAL_2, PSKEY_SPEED_DIAL_3};
    for (int i = 0; i < DEVICE_SPEED_DIALS; ++i) {
        BYTE buffer[PSKEY_SPEED_DIAL_BYTES] = {};
        if (!session.Read(keys[i], buffer, sizeof(buffer))) {
            work->m_astrSpeedDial[i].Empty();
            continue;
        }
        WORD words[PS_TEXT_WORDS];
        for (int w = 0; w < PS_TEXT_WORDS; ++w) words[w] = (WORD)(buffer[2 * w] | (buffer[2 * w + 1] << 8));
        PsWordsToString(work->m_astrSpeedDial[i], words);
    }
}

void SetFmDefaults(CDeviceRecord* work) {
    work->m_nFmMagicCode = FM_SETTINGS_MAGIC_OLD;
    work->m_nFmCurrentFrequency = 0;
    work->m_nFmCurrentPreset = 0;
    for (int& p : work->m_anFmPreset) p = 0;
    work->m_bFmRds = 0;
    work->m_nFmRegion = 0;
}

void ReadFmBlock(CPsKeySession& session, CDeviceRecord* work) {
    BYTE buffer[PSKEY_FM_SETTINGS_BYTES] = {};
    if (!session.Read(PSKEY_FM_SETTINGS, buffer, sizeof(buffer))) {
        SetFmDefaults(work);
        return;
    }
    int w[PSKEY_FM_SETTINGS_WORDS];
    for (int i = 0; i < PSKEY_FM_SETTINGS_WORDS; ++i) w[i] = buffer[2 * i] | (buffer[2 * i + 1] << 8);
    if (w[0] != FM_SETTINGS_MAGIC && w[0] != FM_SETTINGS_MAGIC_OLD) {
        SetFmDefaults(work);
        WORD defaults[PSKEY_FM_SETTINGS_WORDS] = {FM_SETTINGS_MAGIC_OLD};
        session.WriteWords(PSKEY_FM_SETTINGS, defaults, PSKEY_FM_SETTINGS_WORDS);
        return;
    }
    work->m_nFmMagicCode = w[0];
    work->m_nFmCurrentFrequency = w[1];
    work->m_nFmCurrentPreset = w[2];
    for (int i = 0; i < DEVICE_FM_PRESETS; ++i) work->m_anFmPreset[i] = w[3 + i];
    work->m_bFmRds = w[13];
    work->m_nFmRegion = w[14];
}

void ReadGainAndTimeout(CPsKeySession& session, CDeviceRecord* work) {
    BOOL ok;
    int raw = ReadWordKey(session, PSKEY_TX_GAIN, &ok);
    work->m_nRadioTransmitGain = !ok ? 15 : raw < 14 ? 12 : raw > 16 ? 17 : 15;
    int ms = ReadWordKey(session, PSKEY_AUDIO_TIMEOUT_MS, &ok);
    int seconds = ms / 1000;
    work->m_nAudioChannelTimeout = !ok || seconds < 3 || seconds > 60 ? 5 : seconds;
}

void ReadBatchTable(CPsKeySession& session, int targetModel, CDeviceRecord* work) {
    BYTE address[PSKEY_BDADDR_BYTES] = {};
    if (!session.Read(PSKEY_BDADDR, address, sizeof(address))) return;
    work->m_strBdAddress = PsAddressText(address);
    if (!IsAddressAboveBatchThreshold(targetModel, PsLapText(address))) WriteBatchTable4D35(session);
}

}  // namespace

void ClearDfuWorkingSettings(CDeviceRecord* work) {
    work->m_bHandsfreeVox = work->m_bIntercomVox = work->m_bEdr = work->m_bVoicePrompt = 0;
    work->m_bPlc = work->m_bBitpoolRate = work->m_bMicrophoneBoost = work->m_bSidetone = 0;
    work->m_bQuietSphere = work->m_bAutoGainControl = 0;
    work->m_nRadioTransmitGain = work->m_nAudioChannelTimeout = 0;
    work->m_nFmMagicCode = work->m_nFmCurrentFrequency = work->m_nFmCurrentPreset = 0;
    for (int& p : work->m_anFmPreset) p = 0;
    work->m_bFmRds = work->m_nFmRegion = 0;
}

void ReadDfuSettings(CPsKeySession& session, int model, int major, int minor, int targetModel,
                     CDeviceRecord* work) {
    Plan plan = PlanFor(model, major, minor);
    if (plan.voxKeys) ReadVoxAndEdr(session, work);
    if (plan.bits) ReadSettingsBits(session, model, plan.bits, work);
    if (plan.batch) ReadBatchTable(session, targetModel, work);
    if (plan.speedDials) ReadSpeedDials(session, work);
    if (plan.fm) ReadFmBlock(session, work);
    if (plan.gainTimeout) ReadGainAndTimeout(session, work);
}
