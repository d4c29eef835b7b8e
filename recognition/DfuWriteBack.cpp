#include "recognition/DfuWriteBack.h"
#include "core/ModelGroups.h"
#include "core/PsWords.h"

namespace {

template <int N>
bool In(int id, const int (&list)[N]) {
    for (int v : list)
        if (v == id) return true;
    return false;
}

const int kWordAndDials[] = {0x4D21, 0x4D75, 0x5011, 0x2020, 0x6110, 0x6111, 0x6120,
                             0x6121, 0x4110, 0x4111, 0x4120, 0x6420, 0x6430};
const int k4D05Group[] = {0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65};
const int kWordOnly[] = {0x4040, 0x4020, 0x4021, 0x2310, 0x2010, 0x2011,
                         0x2110, 0x2120, 0x2210, 0x4030, 0x4010};

class Writer {
public:
    Writer(CPsKeySession& s, const CDeviceRecord& r) : m_session(s), m_saved(r) {}
    bool allTaken = true;

    void SettingsWord() {
        WORD words[2] = {m_saved.PackFeatureWord(), 0};
        Words(PSKEY_SETTINGS_WORD, words, 2);
    }
    void SpeedDials() {
        const WORD keys[DEVICE_SPEED_DIALS] = {PSKEY_SPEED_DIAL_1, PSKEY_SPEED_DIAL_2, PSKEY_SPEED_DIAL_3};
        for (int i = 0; i < DEVICE_SPEED_DIALS; ++i) {
            WORD words[PS_TEXT_WORDS];
            StringToPsWords(m_saved.m_astrSpeedDial[i], words);
            Words(keys[i], words, PS_TEXT_WORDS);  // all 40 bytes, zero-padded
        }
    }
    void FmBlock() {
        WORD w[PSKEY_FM_SETTINGS_WORDS];
        w[0] = (WORD)m_saved.m_nFmMagicCode;
        w[1] = (WORD)m_saved.m_nFmCurrentFrequency;
        w[2] = (WORD)m_saved.m_nFmCurrentPreset;
        for (int i = 0; i < DEVICE_FM_PRESETS; ++i) w[3 + i] = (WORD)m_saved.m_anFmPreset[i];
        w[13] = (WORD)m_saved.m_bFmRds;
        w[14] = (WORD)m_saved.m_nFmRegion;
        Words(PSKEY_FM_SETTINGS, w, PSKEY_FM_SETTINGS_WORDS);
    }
    void Word(WORD key, int value) {
        WORD w = (WORD)value;
        Words(key, &w, 1);
    }

private:
    void Words(WORD key, const WORD* w, int n) {
        // Every key is tried; one refusal makes the whole write-back fail.
        if (!m_session.WriteWords(key, w, n)) allTaken = false;
    }
    CPsKeySession& m_session;
    const CDeviceRecord& m_saved;
};

}  // namespace

bool WriteBackDfuRecord(CPsKeySession& session, int target, const CDeviceRecord& saved) {
    Writer w(session, saved);
    if (model_groups::IsPsVersionedModel(target)) {
        if (saved.CompareVersion(4, 0) < 0) {
            w.Word(PSKEY_VOX_INTERCOM, saved.m_bIntercomVox);
            w.Word(PSKEY_VOX_PHONE, saved.m_bHandsfreeVox);
        } else {
            w.SettingsWord();
            if (saved.CompareVersion(4, 2) > 0) w.SpeedDials();
        }
        if (target == 0x5040 || target == 0x5050) w.FmBlock();
    } else if (In(target, kWordAndDials)) {
        w.SettingsWord();
        w.SpeedDials();
    } else if (In(target, k4D05Group)) {
        w.SettingsWord();
        if (saved.CompareVersion(1, 3) > 0) w.SpeedDials();
        if (target == 0x4D15 || target == 0x4D45 || target == 0x4D65) w.FmBlock();
    } else if (target == 0x4D85) {
        w.SettingsWord();
        w.SpeedDials();
        w.FmBlock();
    } else if (In(target, kWordOnly)) {
        w.SettingsWord();
    } else if (target == 0x5210) {
        w.Word(PSKEY_TX_GAIN, saved.m_nRadioTransmitGain);
        w.Word(PSKEY_AUDIO_TIMEOUT_MS, saved.m_nAudioChannelTimeout * 1000);
    }
    return w.allTaken;
}
