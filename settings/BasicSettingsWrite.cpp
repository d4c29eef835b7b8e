// The basic settings save (the DEVICE SETTING page).
#include "settings/SettingsWrites.h"
#include "app/UpdaterDlg.h"
#include "core/ModelGroups.h"
#include "recognition/PsKeyAccess.h"

namespace {

CHidBlockWrite Block(BYTE block, std::vector<WORD> words, bool store = false, bool second = false) {
    CHidBlockWrite w;
    w.secondInterface = second;
    w.block = block;
    w.words = std::move(words);
    w.store = store;
    return w;
}

std::vector<WORD> RawWords(const CDeviceRecord& r, int count) {
    std::vector<WORD> words;
    for (int i = 0; i < count && i < DEVICE_SETTING_WORDS; ++i) words.push_back((WORD)r.m_anSettingWord[i]);
    return words;
}

WORD Low(int v) { return (WORD)v; }

// The blocks that follow the settings block of a feature-word headset
// (HID group 4), by model and firmware.
void AddGroup4Extras(int model, const CDeviceRecord& device, const CDeviceRecord& w, std::vector<CHidBlockWrite>* out) {
    auto below = [&](int major, int minor) { return device.CompareVersion(major, minor) < 0; };
    const CHidBlockWrite vox = Block(HID_BLOCK_VOX_SENSITIVITY, {Low(w.m_anVoxSensitivity[0])});
    switch (model) {
    case 0x5520: case 0x5526: case 0x5720: case 0x6400:
        out->push_back(vox);
        break;
    case 0x5510:
        out->push_back(Block(HID_BLOCK_CAMERA, {Low(w.m_anCameraWord[0]), Low(w.m_anCameraWord[1])}));
        if (!below(2, 0)) out->push_back(Block(HID_BLOCK_CAMERA_EXT, {Low(w.m_anCameraWord[2]), Low(w.m_anCameraWord[3])}));
        break;
    case 0x5622: case 0x5624:
        out->push_back(Block(HID_BLOCK_SMART_VOLUME, {Low(w.m_anSmartVolume[0])}));
        if (!below(1, 1)) out->push_back(vox);
        break;
    case 0x5623:
        if (!below(1, 1)) out->push_back(vox);
        break;
    default:
        break;
    }
}

}  // namespace

std::vector<CHidBlockWrite> BasicSettingsBlocks(int model, const CDeviceRecord& device, const CDeviceRecord& w) {
    std::vector<CHidBlockWrite> out;
    const WORD packed = w.PackFeatureWord();
    const CDeviceVersion& v = device.m_version;
    switch (model_groups::HidSettingsGroup(model)) {
    case 1:
        out.push_back(Block(HID_BLOCK_SETTINGS, RawWords(w, model_groups::HidRawSettingWordCount(model, v.m_nMajor, v.m_nMinor)),
                            false, true));
        break;
    case 2:
    case 3:
        out.push_back(Block(HID_BLOCK_SETTINGS, RawWords(w, model_groups::HidRawSettingWordCount(model, v.m_nMajor, v.m_nMinor))));
        break;
    case 4:
        out.push_back(Block(HID_BLOCK_SETTINGS, {packed, 0}));
        AddGroup4Extras(model, device, w, &out);
        break;
    case 5:
        out.push_back(Block(HID_BLOCK_SETTINGS, {packed, 0}, true));
        out.push_back(Block(HID_BLOCK_VOX_SENSITIVITY, {Low(w.m_anVoxSensitivity[0])}, true));
        out.push_back(Block(HID_BLOCK_SMART_VOLUME, {Low(w.m_anSmartVolume[0])}, true));
        break;
    case 6:
        out.push_back(Block(HID_BLOCK_SETTINGS, {packed, 0, 0, 0}, true));
        out.push_back(Block(HID_BLOCK_VOX_SENSITIVITY_ALT, {Low(w.m_anVoxSensitivity[0])}, true));
        break;
    case 7:
        out.push_back(Block(HID_BLOCK_SETTINGS, {packed, 0, Low(w.m_anSettingWord[2]), 0}, true));
        out.push_back(Block(HID_BLOCK_VOX_SENSITIVITY, {Low(w.m_anVoxSensitivity[0])}, true));
        break;
    default:
        break;
    }
    return out;
}

namespace {

// The keys of a persistent-store headset whose values differ from what the
// device record holds; false when the headset refused one.
bool WriteChangedKeys(CPsKeySession& session, int model, const CDeviceRecord& device, const CDeviceRecord& w) {
    bool ok = true;
    auto word = [&](WORD key, int value) { ok = session.WriteWord(key, (WORD)value) && ok; };
    auto settingsWord = [&] {
        // Each record packed by its own model id.
        WORD mine = w.PackFeatureWord(), theirs = device.PackFeatureWord();
        if (mine == theirs) return;
        const WORD words[2] = {mine, 0};
        ok = session.WriteWords(PSKEY_SETTINGS_WORD, words, 2) && ok;
    };
    if (w.m_bEdr != device.m_bEdr)
        ok = session.Write(PSKEY_LMP_FEATURES, w.m_bEdr == 0 ? LMP_FEATURES_EDR_ON : LMP_FEATURES_EDR_OFF,
                           PSKEY_LMP_FEATURES_BYTES) && ok;
    if (model_groups::IsPsVersionedModel(model)) {
        if (device.CompareVersion(4, 0) < 0) {
            if (w.m_bIntercomVox != device.m_bIntercomVox) word(PSKEY_VOX_INTERCOM, w.m_bIntercomVox);
            if (w.m_bHandsfreeVox != device.m_bHandsfreeVox) word(PSKEY_VOX_PHONE, w.m_bHandsfreeVox);
        } else {
            settingsWord();
        }
    } else if (model_groups::IsPsSettingsWordModel(model)) {
        settingsWord();
    } else if (model == model_groups::MODEL_RADIO_GAIN) {
        if (w.m_nRadioTransmitGain != device.m_nRadioTransmitGain) word(PSKEY_TX_GAIN, w.m_nRadioTransmitGain);
        if (w.m_nAudioChannelTimeout != device.m_nAudioChannelTimeout)
            word(PSKEY_AUDIO_TIMEOUT_MS, w.m_nAudioChannelTimeout * 1000);
    }
    return ok;
}

}  // namespace

SettingsWriteResult WriteBasicSettings(CUpdaterDlg& main, const CDeviceRecord& working) {
    int model = main.m_nTargetModel;
    if (IsHidSettingsModel(model))
        return WriteHidSettingsBlocks(main, BasicSettingsBlocks(model, main.m_deviceRecord, working));
    const CDeviceRecord& device = main.m_deviceRecord;
    return WritePsSettings(main, [&](CPsKeySession& s) { return WriteChangedKeys(s, model, device, working); });
}
