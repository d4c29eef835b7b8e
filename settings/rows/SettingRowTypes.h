// The vocabulary of the settings rows: where a setting's value lives in a
// CDeviceRecord, how a value becomes a check-box state or a selected option,
// which option list a row offers, which other setting disables it, and the
// firmware gate that chooses between a model's row lists.
//
// Everything here takes the record to read (or write) as an argument, so the
// DEVICE SETTING grid, its click and pick handling and the restore page's
// backup view all read a setting the same way from whichever record they show.
#pragma once
#include "core/DeviceRecord.h"
#include "framework/String.h"
#include "texts/Language.h"
#include <vector>

namespace rows {

// A one-item translated label table such as g_txtVoxPhone ([language][1]).
using LabelTable = CString (*)[texts::kLanguageCount][1];

// The text of a label table in a UI language (outside 0..12 reads English).
CString LabelText(LabelTable table, int language);

// --- Value sources -------------------------------------------------------------

enum class SourceKind : unsigned char {
    None,
    Member,          // a 32-bit member of the record, read and written whole
    Accessor,        // a getter of the record, written through its setter
    SettingWordBit,  // one bit of the low 16 bits of m_anSettingWord[word]
    SettingWordField,  // bits of m_anSettingWord[word]: read by getter, written in place
};

// Where one setting lives. Read gives the raw value (a member, the getter's
// result, or the bit as 0/1); Write stores a raw value and touches nothing
// else of the record.
struct ValueSource {
    SourceKind kind = SourceKind::None;
    int CDeviceRecord::*member = nullptr;
    int (CDeviceRecord::*getter)() const = nullptr;
    void (CDeviceRecord::*setter)(int) = nullptr;
    int word = 0;   // element of m_anSettingWord (bit and field sources)
    int bit = 0;    // bit number (bit source) or lowest bit (field source)
    int width = 0;  // field source: number of bits written
    int clearMask = 0;  // field source: further bits cleared by a write

    int Read(const CDeviceRecord& record) const;
    // False (and nothing changed) when the source cannot be written.
    bool Write(CDeviceRecord& record, int value) const;
    bool IsWritable() const;
    bool operator==(const ValueSource& o) const;
    bool operator!=(const ValueSource& o) const { return !(*this == o); }
};

constexpr ValueSource FromMember(int CDeviceRecord::*m) {
    return ValueSource{SourceKind::Member, m, nullptr, nullptr, 0, 0, 0, 0};
}
constexpr ValueSource FromAccessor(int (CDeviceRecord::*get)() const,
                                   void (CDeviceRecord::*set)(int) = nullptr) {
    return ValueSource{SourceKind::Accessor, nullptr, get, set, 0, 0, 0, 0};
}
constexpr ValueSource FromSettingWordBit(int word, int bit) {
    return ValueSource{SourceKind::SettingWordBit, nullptr, nullptr, nullptr, word, bit, 0, 0};
}
// Read through a getter, written as `width` bits from `low` of the word, with
// the bits of `clearMask` cleared on every write.
constexpr ValueSource FromSettingWordField(int (CDeviceRecord::*get)() const, int word, int low,
                                           int width, int clearMask) {
    return ValueSource{SourceKind::SettingWordField, nullptr, get, nullptr, word, low, width, clearMask};
}

// --- Check boxes -------------------------------------------------------------------

// When a check box bound to a source shows the state "1".
enum class Polarity : unsigned char {
    CheckedWhenZero,     // "1" while the raw value is 0 (a clear bit, a 0 member)
    CheckedWhenNonZero,  // "1" while the raw value is not 0
};

// The state "1"/"0" of a source's value.
int CheckState(const ValueSource& source, Polarity polarity, const CDeviceRecord& record);
// The raw value that makes CheckState give `state` (the inverse of the above).
int ValueForState(Polarity polarity, int state);

// --- Lists -------------------------------------------------------------------------

// How a value becomes the index of the selected option, and back.
enum class IndexMap : unsigned char {
    Value,          // index = value
    ValueMinusOne,  // index = value - 1
    TenMinusValue,  // index = 10 - value
};

// The option index for a value; -1 when it falls outside 0..optionCount-1
// (computed without overflow for every int).
int IndexForValue(IndexMap map, int value, int optionCount);
// The value that IndexForValue maps to `index`.
int ValueForIndex(IndexMap map, int index);

// The option lists the rows offer, each in its fixed order.
enum class OptionList : unsigned char {
    None,
    TenLevels,             // "Level 1" .. "Level 10"
    FiveLevels,            // "Level 1" .. "Level 5"
    DisableLowHigh,        // the Disable word, "Low", "High"
    DisableLowMediumHigh,  // the Disable word, "Low", "Medium", "High"
    LowMediumHigh,         // "Low", "Medium", "High"
    IntercomMusic,         // "Intercom", "Music"
    PhotoModes,            // "Single Shot", "Burst Shot"
    TwoVideoModes,         // "Video Mode", "Timelapse Mode"
    ThreeVideoModes,       // ... and "Loop Recording Mode"
    Resolutions,           // "1080p/30fps", "720p/60fps", "720p/30fps"
    TimelapseIntervals,    // "1 sec", "10 secs"
    MinuteIntervals,       // "1 min", "3 mins", "5 mins"
    UnitLanguages,         // the 11 voice-prompt languages
    Channels,              // "CH 0 (Common)" .. "CH 5"
    EssStates,             // "ESS ON", "Position Light + ESS ON", "Fog Light + ESS ON", "ESS OFF"
    Count
};

std::vector<CString> OptionTexts(OptionList list, int language);
int OptionCount(OptionList list);
// The options joined by "\n", as a list cell takes them.
CString JoinedOptions(OptionList list, int language);

// --- Disabling rules ---------------------------------------------------------------

// "Disabled while <source> is 0" or "... is not 0". A rule without a source
// never disables.
struct DisableRule {
    ValueSource source;
    bool whileNonZero = false;

    bool IsSet() const { return source.kind != SourceKind::None; }
    bool Holds(const CDeviceRecord& record) const;
};

constexpr DisableRule NoDisableRule() { return DisableRule{}; }
constexpr DisableRule DisabledWhileZero(ValueSource s) { return DisableRule{s, false}; }
constexpr DisableRule DisabledWhileNonZero(ValueSource s) { return DisableRule{s, true}; }

// --- Firmware gates ----------------------------------------------------------------

// True when the record's firmware is older than major.minor (CompareVersion
// negative; only major and minor count).
bool IsOlderThan(const CDeviceRecord& record, int major, int minor);

// A lower bound of a firmware range; {0, 0} means any firmware.
struct FirmwareGate {
    int major = 0;
    int minor = 0;
    bool IsAny() const { return major == 0 && minor == 0; }
    // The record's firmware is this version or newer.
    bool IsReached(const CDeviceRecord& record) const { return IsAny() || !IsOlderThan(record, major, minor); }
};

}  // namespace rows
