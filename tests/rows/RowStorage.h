// Where each on/off setting of the settings grid is stored, family by family,
// and which stored value its check box shows as "1". Written from the storage
// tables of the settings, independently of the row descriptions.
#pragma once
#include "core/DeviceRecord.h"
#include "framework/String.h"
#include <string>

enum class RowFamily { Members, Setters, Words };

// The family of a model: the packed-word headsets use accessors of settings
// word 2, the 0x31xx models bits of words 0 and 1, the others record members.
inline RowFamily FamilyOf(int model) {
    if (model == 0x2030 || (model >= 0x4210 && model <= 0x4610)) return RowFamily::Setters;
    if (model >= 0x3110 && model <= 0x3126) return RowFamily::Words;
    return RowFamily::Members;
}

// One storage place: a member (bit -1) or one bit of an int of the record.
struct Storage {
    int* slot = nullptr;
    int bit = -1;
    int checkedValue = 0;  // the stored value (0/1) that shows "1"

    int Read() const { return bit < 0 ? *slot : ((*slot >> bit) & 1); }
    void Write(int v) const {
        if (bit < 0) *slot = v;
        else if (v) *slot |= (1 << bit);
        else *slot &= ~(1 << bit);
    }
};

// The storage of the check-box row labelled `label` (English) for the model;
// false when the label is not an on/off setting of that family.
inline bool StorageOf(int model, const std::wstring& label, CDeviceRecord& r, Storage* s) {
    auto member = [&](int& m, int checked) { *s = Storage{&m, -1, checked}; return true; };
    auto bit = [&](int& w, int b, int checked) { *s = Storage{&w, b, checked}; return true; };
    const RowFamily f = FamilyOf(model);
    int* cam = r.m_anCameraWord;
    if (label == L"Date Caption") return bit(cam[0], 5, 0);
    if (label == L"Speaker Sound Recording") return bit(cam[0], 6, 0);
    if (label == L"Auto Camera Sleep") return bit(cam[0], 7, 0);
    if (label == L"\u25B6 Music") return bit(cam[0], 8, 0);
    if (label == L"\u25B6 FM Radio") return bit(cam[0], 9, 0);
    if (label == L"\u25B6 Intercom") return bit(cam[0], 10, 0);
    if (label == L"\u25B6 Phone") return bit(cam[0], 11, 0);
    if (f == RowFamily::Members) {
        if (label == L"Audio Boost") return member(r.m_bAudioBoost, 1);
        if (label == L"VOX Phone") return member(r.m_bHandsfreeVox, 0);
        if (label == L"VOX Intercom") return member(r.m_bIntercomVox, 0);
        if (label == L"Voice Prompt") return member(r.m_bVoicePrompt, 1);
        if (label == L"High Quality A2DP") return member(r.m_bBitpoolRate, 0);
        if (label == L"Sidetone") return member(r.m_bSidetone, 0);
        if (label == L"Quiet Sphere\u2122") return member(r.m_bQuietSphere, 1);
        if (label == L"HD Intercom") return member(r.m_bHdIntercom, 0);
        if (label == L"FM Station Guide") return member(r.m_bFmStationGuide, 0);
        if (label == L"HD Voice") return member(r.m_bHdVoice, 0);
        if (label == L"Sound Weave\u2122" || label == L"Sound Blend\u2122") return member(r.m_bSoundBlend, 0);
        if (label == L"Smart Navi System") return member(r.m_bSmartNaviSystem, 0);
        return false;
    }
    if (f == RowFamily::Setters) {
        int& w = r.m_anSettingWord[2];
        if (label == L"Audio Boost") return bit(w, 7, 0);
        if (label == L"VOX Phone") return bit(w, 15, 0);
        if (label == L"Voice Prompt") return bit(w, 10, 0);
        if (label == L"Sidetone") return bit(w, 12, 0);
        if (label == L"Quiet Sphere\u2122") return bit(w, 8, 0);
        if (label == L"HD Intercom") return bit(w, 13, 0);
        if (label == L"FM Station Guide") return bit(w, 5, 0);
        if (label == L"Sound Blend Volume Management" || label == L"Navigation App Support") return bit(w, 9, 0);
        if (label == L"Voice Command") return bit(w, 0, 0);
        if (label == L"Sound Weave\u2122") return bit(w, 11, 0);
        if (label == L"Eight-way Intercom") return bit(w, 6, 0);
        return false;
    }
    int& w0 = r.m_anSettingWord[0];
    int& w1 = r.m_anSettingWord[1];
    if (label == L"Audio Boost") return bit(w0, 10, 1);
    if (label == L"VOX Phone") return bit(w0, 0, 0);
    if (label == L"VOX Intercom") return bit(w0, 1, 0);
    if (label == L"Voice Prompt") return bit(w0, 3, 1);
    if (label == L"High Quality A2DP") return bit(w0, 5, 0);
    if (label == L"Sidetone") return bit(w0, 8, 0);
    if (label == L"Quiet Sphere\u2122") return bit(w0, 9, 1);
    if (label == L"HD Intercom") return bit(w0, 11, 0);
    if (label == L"FM Station Guide") return bit(w0, 12, 0);
    if (label == L"Guest Mode") return bit(w0, 15, 0);
    if (label == L"Sound Blend Volume Management") return bit(w1, 6, 0);
    if (label == L"Voice Command") return bit(w1, 10, 0);
    if (label == L"Bluetooth Intercom Sound Weave\u2122") return bit(w1, 11, 0);
    return false;
}

// Every int of the record that a settings row may touch, for "nothing else
// changed" comparisons.
inline std::vector<int> SettingInts(const CDeviceRecord& r) {
    std::vector<int> v = {r.m_bHandsfreeVox, r.m_bIntercomVox, r.m_bEdr, r.m_bVoicePrompt, r.m_bPlc,
                          r.m_bBitpoolRate, r.m_bMicrophoneBoost, r.m_bSidetone, r.m_bQuietSphere,
                          r.m_bAutoGainControl, r.m_nRadioTransmitGain, r.m_nAudioChannelTimeout,
                          r.m_bAudioBoost, r.m_bHdIntercom, r.m_bFmStationGuide, r.m_bHdVoice,
                          r.m_bAudioSourcePriority, r.m_bSoundBlend, r.m_bSmartNaviSystem};
    for (int x : r.m_anSettingWord) v.push_back(x);
    for (int x : r.m_anCameraWord) v.push_back(x);
    for (int x : r.m_anVoxSensitivity) v.push_back(x);
    for (int x : r.m_anSmartVolume) v.push_back(x);
    for (int x : r.m_anReservedWord) v.push_back(x);
    return v;
}
