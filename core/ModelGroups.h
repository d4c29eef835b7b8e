// Groups of models that share how their settings are kept: on the
// persistent-store keys of the older headsets or in the HID blocks of the
// newer ones. The device record's defaults, compare and packing rules and
// the model catalogue's setting pages are written against these groups.
#pragma once

namespace model_groups {

// Persistent-store headsets whose settings word and VOX keys change at
// firmware 4.0 (0x4D10 family and its relatives).
bool IsPsVersionedModel(int id);
// Other persistent-store headsets with a settings word.
bool IsPsSettingsWordModel(int id);
// The persistent-store headset with radio gain and audio time-out keys.
const int MODEL_RADIO_GAIN = 0x5210;

// HID headsets: the models recognised over the vendor-defined HID interface.
bool IsHidHeadsetModel(int id);
// Two-chip HID headsets (settings on the second interface).
bool IsHidTwoChipModel(int id);
// HID headsets whose second chip is reached as the separate update-mode
// device (product id 0x3120) after the switch command.
bool IsHidUpdateModeChipModel(int id);

// How a HID headset keeps its settings block (0 for other models):
// 1 two-chip raw words, 2 and 3 raw words on one chip, 4 feature word,
// 5 feature word with VOX sensitivity and smart volume, 6 four-word feature
// block with block 0x12, 7 four-word feature block with raw word 2.
int HidSettingsGroup(int id);

// Models with the FM RADIO page.
bool IsFmModel(int id);
// FM models whose block holds six presets only.
bool IsSixPresetFmModel(int id);
// Models whose feature bit 13 is the smart navi system.
bool IsSmartNaviModel(int id);

}  // namespace model_groups

namespace model_groups {

// How many raw settings words a raw-word HID headset (groups 1 to 3) keeps
// for its firmware version; 0 for other models.
int HidRawSettingWordCount(int id, int major, int minor);

}  // namespace model_groups
