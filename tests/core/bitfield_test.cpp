// Every setter of a packed settings or camera word against its neighbours:
// it changes exactly its own bits, and its getter reads back what it stored.
#include <gtest/gtest.h>
#include "core/DeviceRecord.h"
#include <vector>

namespace {

typedef int& (*WordOf)(CDeviceRecord&);
int& Word0(CDeviceRecord& r) { return r.m_anSettingWord[0]; }
int& Word1(CDeviceRecord& r) { return r.m_anSettingWord[1]; }
int& Word2(CDeviceRecord& r) { return r.m_anSettingWord[2]; }
int& Word3(CDeviceRecord& r) { return r.m_anSettingWord[3]; }
int& Camera0(CDeviceRecord& r) { return r.m_anCameraWord[0]; }
int& Camera2(CDeviceRecord& r) { return r.m_anCameraWord[2]; }
int& Vox0(CDeviceRecord& r) { return r.m_anVoxSensitivity[0]; }
int& Smart0(CDeviceRecord& r) { return r.m_anSmartVolume[0]; }

const int kUnchanged = -1;

struct Store {
    int value;     // passed to the setter
    int bits;      // the field's bits afterwards (inside the mask), or kUnchanged
    int readBack;  // what the getter returns afterwards (when there is one)
};

struct Field {
    const char* name;
    WordOf word;
    int mask;
    void (CDeviceRecord::*set)(int);
    int (CDeviceRecord::*get)() const;
    std::vector<Store> stores;
};

std::vector<Field> SettingFields() {
    typedef CDeviceRecord R;
    auto bit = [](int b) { return 1 << b; };
    auto single = [&](const char* name, int b, void (R::*set)(int), int (R::*get)() const) {
        return Field{name, Word2, bit(b), set, get, {{1, bit(b), 1}, {0, 0, 0}, {7, bit(b), 1}, {-3, bit(b), 1}}};
    };
    return {
        single("VoxPhone", 15, &R::SetVoxPhone, &R::GetVoxPhone),
        single("HdIntercom", 13, &R::SetHdIntercom, &R::GetHdIntercom),
        single("Sidetone", 12, &R::SetSidetone, &R::GetSidetone),
        single("SoundWeave", 11, &R::SetSoundWeave, &R::GetSoundWeave),
        single("VoicePrompt", 10, &R::SetVoicePrompt, &R::GetVoicePrompt),
        single("NavigationAppSupport", 9, &R::SetNavigationAppSupport, &R::GetNavigationAppSupport),
        single("QuietSphere", 8, &R::SetQuietSphere, &R::GetQuietSphere),
        single("AudioBoost", 7, &R::SetAudioBoost, &R::GetAudioBoost),
        single("EightWayIntercom", 6, &R::SetEightWayIntercom, &R::GetEightWayIntercom),
        single("FmStationGuide", 5, &R::SetFmStationGuide, &R::GetFmStationGuide),
        single("VoiceCommand", 0, &R::SetVoiceCommand, &R::GetVoiceCommand),
        {"SmartVolumeControlFlags", Word2, 0x1E, &R::SetSmartVolumeControlFlags, &R::GetSmartVolumeControlFlags,
         {{0, 0x00, 0}, {1, 0x02, 1}, {2, 0x04, 2}, {3, 0x06, 3}, {4, kUnchanged, 0}, {-1, kUnchanged, 0}}},
        {"EssStatus", Word2, 0x03, &R::SetEssStatus, &R::GetEssStatus,
         {{1, 0x01, 1}, {2, 0x02, 2}, {3, 0x03, 3}, {0, 0x00, 0}, {4, 0x00, 0}}},
        {"EssSensitivity", Word2, 0x0C, &R::SetEssSensitivity, &R::GetEssSensitivity,
         {{1, 0x04, 1}, {3, 0x0C, 3}, {2, 0x08, 2}, {0, 0x08, 2}, {9, 0x08, 2}}},
        {"VoxSensitivityPacked", Word1, 0x0007, &R::SetVoxSensitivityPacked, &R::GetVoxSensitivityPacked,
         {{0, 0, 0}, {1, 1, 1}, {5, 5, 5}, {6, kUnchanged, 3}, {-1, kUnchanged, 3}}},
        {"SmartVolumeControlPacked", Word1, 0x0038, &R::SetSmartVolumeControlPacked, &R::GetSmartVolumeControlPacked,
         {{0, 0x00, 0}, {1, 0x08, 1}, {2, 0x10, 2}, {3, 0x18, 3}, {4, kUnchanged, 3}}},
        {"OverlaySensitivityPacked", Word1, 0x0380, &R::SetOverlaySensitivityPacked, &R::GetOverlaySensitivityPacked,
         {{0, 0x000, 0}, {1, 0x080, 1}, {5, 0x280, 5}, {6, kUnchanged, 3}}},
        {"UnitLanguage", Word3, 0x000F, &R::SetUnitLanguage, &R::GetUnitLanguage,
         {{0, 0, 0}, {7, 7, 7}, {10, 10, 10}, {11, kUnchanged, 0}, {-2, kUnchanged, 0}}},
        {"OverlaySensitivity", Word0, ~0, &R::SetOverlaySensitivity, &R::GetOverlaySensitivity,
         {{10, 10, 10}, {1, 1, 1}, {0xBEEF, 0xBEEF, 0xBEEF}}},
        {"MotionSensorSensitivity", Word3, ~0, &R::SetMotionSensorSensitivity, &R::GetMotionSensorSensitivity,
         {{3, 3, 3}, {1, 1, 1}}},
        {"VoxSensitivity", Vox0, ~0, &R::SetVoxSensitivity, &R::GetVoxSensitivity, {{4, 4, 4}, {0, 0, 0}}},
        {"SmartVolumeControl", Smart0, ~0, &R::SetSmartVolumeControl, &R::GetSmartVolumeControl,
         {{2, 2, 2}, {0, 0, 0}}},
    };
}

std::vector<Field> CameraFields() {
    typedef CDeviceRecord R;
    auto bit = [](int b) { return 1 << b; };
    auto single = [&](const char* name, int b, void (R::*set)(int), int (R::*get)() const) {
        return Field{name, Camera0, bit(b), set, get, {{1, bit(b), 1}, {0, 0, 0}, {2, bit(b), 1}}};
    };
    auto choice = [](const char* name, WordOf word, int low, void (R::*set)(int), int (R::*get)() const) {
        return Field{name, word, 3 << low, set, get,
                     {{0, 0, 0}, {1, 1 << low, 1}, {2, 2 << low, 2}, {3, kUnchanged, 0}, {-1, kUnchanged, 0}}};
    };
    return {
        single("PhotoMode", 0, &R::SetPhotoMode, &R::GetPhotoMode),
        choice("VideoResolution", Camera0, 2, &R::SetVideoResolution, &R::GetVideoResolution),
        single("TimelapseInterval", 4, &R::SetTimelapseInterval, &R::GetTimelapseInterval),
        single("DateCaption", 5, &R::SetDateCaption, &R::GetDateCaption),
        single("SpeakerSoundRecording", 6, &R::SetSpeakerSoundRecording, &R::GetSpeakerSoundRecording),
        single("AutoCameraSleep", 7, &R::SetAutoCameraSleep, &R::GetAutoCameraSleep),
        single("RecordMusic", 8, &R::SetRecordMusic, &R::GetRecordMusic),
        single("RecordFmRadio", 9, &R::SetRecordFmRadio, &R::GetRecordFmRadio),
        single("RecordIntercom", 10, &R::SetRecordIntercom, &R::GetRecordIntercom),
        single("RecordPhone", 11, &R::SetRecordPhone, &R::GetRecordPhone),
        choice("VideoTaggingInterval", Camera2, 0, &R::SetVideoTaggingInterval, &R::GetVideoTaggingInterval),
        choice("LoopRecordingInterval", Camera2, 2, &R::SetLoopRecordingInterval, &R::GetLoopRecordingInterval),
        choice("VideoMicrophoneGain", Camera2, 4, &R::SetVideoMicrophoneGain, &R::GetVideoMicrophoneGain),
    };
}

// Applies every store of a field to a word that starts with all bits set and
// to one that starts with none, and checks the neighbours and the read-back.
void CheckField(const Field& f, int major) {
    const int starts[] = {0xFFFF, 0x0000, 0x5A5A, 0xA5A5};
    for (int start : starts) {
        for (const Store& s : f.stores) {
            CDeviceRecord r;
            r.m_version.Set(major, 0, 0, 0, 0);
            for (int i = 0; i < DEVICE_SETTING_WORDS; ++i) r.m_anSettingWord[i] = start;
            for (int i = 0; i < DEVICE_CAMERA_WORDS; ++i) r.m_anCameraWord[i] = start;
            r.m_anVoxSensitivity[0] = r.m_anSmartVolume[0] = start;
            CDeviceRecord before = r;
            (r.*f.set)(s.value);
            int word = f.word(r);
            int expectedBits = s.bits == kUnchanged ? (start & f.mask) : s.bits;
            EXPECT_EQ(start & ~f.mask, word & ~f.mask) << f.name << " set " << s.value << " disturbed a neighbour";
            EXPECT_EQ(expectedBits, word & f.mask) << f.name << " set " << s.value << " from " << std::hex << start;
            if (s.bits != kUnchanged && f.get) {
                EXPECT_EQ(s.readBack, (r.*f.get)()) << f.name << " read back after " << s.value;
            }
            // No other word moved.
            f.word(before) = word;
            for (int i = 0; i < DEVICE_SETTING_WORDS; ++i) EXPECT_EQ(before.m_anSettingWord[i], r.m_anSettingWord[i]) << f.name;
            for (int i = 0; i < DEVICE_CAMERA_WORDS; ++i) EXPECT_EQ(before.m_anCameraWord[i], r.m_anCameraWord[i]) << f.name;
        }
    }
}

TEST(BitFields, SettingWordSettersKeepTheirNeighbours) {
    for (const Field& f : SettingFields()) CheckField(f, 1);
}

TEST(BitFields, CameraWordSettersKeepTheirNeighbours) {
    for (const Field& f : CameraFields()) CheckField(f, 2);
}

TEST(BitFields, VideoModeMovesWithTheFirmware) {
    typedef CDeviceRecord R;
    // Before 2.0 the mode is one bit of camera word 0; from 2.0 a choice in word 2.
    CheckField({"VideoMode<2.0", Camera0, 0x2, &R::SetVideoMode, &R::GetVideoMode, {{1, 2, 1}, {0, 0, 0}, {5, 2, 1}}}, 1);
    CheckField({"VideoMode>=2.0", Camera2, 0xC0, &R::SetVideoMode, &R::GetVideoMode,
                {{0, 0, 0}, {1, 0x40, 1}, {2, 0x80, 2}, {3, kUnchanged, 0}}}, 2);
    CDeviceRecord r;
    r.m_version.Set(1, 9, 0, 0, 0);
    r.m_anCameraWord[2] = 0x40;
    EXPECT_EQ(0, r.GetVideoMode());  // the old bit is clear
    r.m_version.Set(2, 0, 0, 0, 0);
    EXPECT_EQ(1, r.GetVideoMode());
}

TEST(BitFields, GettersOfRawWords) {
    struct Case { const char* name; WordOf word; int value; int (CDeviceRecord::*get)() const; int expected; };
    typedef CDeviceRecord R;
    const Case cases[] = {
        {"flags with bit 3", Word2, 0x0E, &R::GetSmartVolumeControlFlags, 0},
        {"flags with bit 4", Word2, 0x12, &R::GetSmartVolumeControlFlags, 0},
        {"flags 3", Word2, 0x06, &R::GetSmartVolumeControlFlags, 3},
        {"ess bit 2 clear", Word2, 0x08, &R::GetEssSensitivity, 2},
        {"ess bits 2 and 3", Word2, 0x0C, &R::GetEssSensitivity, 3},
        {"vox packed 7", Word1, 0x07, &R::GetVoxSensitivityPacked, 3},
        {"smart packed bits 3 and 4", Word1, 0x18, &R::GetSmartVolumeControlPacked, 3},
        {"smart packed bit 5", Word1, 0x20, &R::GetSmartVolumeControlPacked, 3},
        {"overlay packed 7", Word1, 0x380, &R::GetOverlaySensitivityPacked, 3},
        {"unit language 15", Word3, 0x0F, &R::GetUnitLanguage, 0},
        {"channel 5", Word3, 5 << 6, &R::GetChannelSelect, 5},
        {"channel 6", Word3, 6 << 6, &R::GetChannelSelect, 0},
        {"channel with bit 9", Word3, (2 << 6) | (1 << 9), &R::GetChannelSelect, 0},
        {"channel ignores the language", Word3, (3 << 6) | 0x0A, &R::GetChannelSelect, 3},
        {"resolution both bits", Camera0, 0x0C, &R::GetVideoResolution, 0},
        {"gain both bits", Camera2, 0x30, &R::GetVideoMicrophoneGain, 0},
    };
    for (const Case& c : cases) {
        CDeviceRecord r;
        c.word(r) = c.value;
        EXPECT_EQ(c.expected, (r.*c.get)()) << c.name;
    }
}

TEST(BitFields, NoRecordingSource) {
    CDeviceRecord r;
    r.m_anCameraWord[0] = 0xF0FF;  // every bit but 8-11
    EXPECT_EQ(1, r.IsNoRecordingSourceSet());
    for (int b = 8; b <= 11; ++b) {
        r.m_anCameraWord[0] = 1 << b;
        EXPECT_EQ(0, r.IsNoRecordingSourceSet()) << b;
    }
}

}  // namespace
