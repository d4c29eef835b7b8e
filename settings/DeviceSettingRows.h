// The classic rows of the DEVICE SETTING page as data: which controls make
// up each row, which firmware versions of which models show it, and where
// each model stacks its rows. The page's arrangement and its refresh both
// read these tables; no other code tests model ids for the classic rows.
#pragma once
#include <vector>

class CDeviceRecord;

namespace dsrows {

// The classic rows, in the order the page shows, hides and enables them.
enum Row {
    kVoxIntercom,
    kVoxPhone,
    kEdr,
    kEdrNote,
    kPlc,
    kHighQualityA2dp,
    kMicrophoneBoost,
    kSidetone,
    kQuietSphere,
    kAutoGainControl,
    kRadioTransmitGain,
    kAudioChannelTimeout,
    kAudioBoost,
    kMotionSensor,
    kSoundWeave,
    kOverlaySensitivity,
    kNavigationApp,
    kRestartNote,
    kRowCount,
    // Placed by the arrangement only: DEFAULT and CANCEL, MORE SETTINGS.
    kButtons = kRowCount,
    kMoreSettings,
};

// One control of a row: labels and notes only change visibility; the
// others are also enabled and disabled with the row.
struct RowControl {
    int id;
    bool interactive;
};
const std::vector<RowControl>& ControlsOf(Row row);

// A firmware condition on the recognised device's version.
struct VersionRange {
    int fromMajor = 0, fromMinor = 0;     // shown from this version (0.0: any)
    int belowMajor = 0, belowMinor = 0;   // and below this one (0.0: no end)
    bool never = false;
};

// How the page looks for a model: classic rows (each with its condition),
// the grid, or nothing at all.
enum PageKind { kNoSettings, kClassicRows, kGrid };
PageKind PageKindOf(int model);
// For a classic model: whether the row is shown for the version.
bool ClassicRowShown(int model, Row row, const CDeviceRecord& device);

// Where a model puts its rows: R rows (at least 8 are used) between margins
// of m pixels, each placed row at its (possibly fractional) index.
struct Placement {
    int row;  // a Row, kButtons or kMoreSettings
    float index;
};
struct Layout {
    float rows = 0;
    int margin = 0;
    std::vector<Placement> placements;
};
// An Enable/Disable pair and the record value it edits. The headsets that
// keep the settings packed (the two-chip HID headsets) keep VOX Phone and
// Side Tone as bits of settings word 2; Sound Weave and Navigation App
// Support are such bits on every model.
struct RadioPair {
    Row row;
    int enableId, disableId;
    int CDeviceRecord::*field;            // null: the bit only
    bool inverted;                        // the field holds 0 for Enable
    void (CDeviceRecord::*setBit)(int);   // null: the field only
    int (CDeviceRecord::*getBit)() const;
    bool bitOnEveryModel;
};
const std::vector<RadioPair>& RadioPairs();
// The pair a radio belongs to; null for another control.
const RadioPair* RadioPairOf(int controlId);
// Whether the pair's value lives in the packed bit for this model.
bool UsesPackedBit(const RadioPair& pair, int model);
// Enable is marked when this is true.
bool IsEnabledIn(const RadioPair& pair, const CDeviceRecord& record, int model);
// Enable (true) or Disable stored into the record.
void Store(const RadioPair& pair, CDeviceRecord* record, int model, bool enable);

// The model's layout for the device's version; null for a model whose rows
// are neither placed nor set (the two-chip headsets other than 0x4210, and
// every model the tables do not name).
const Layout* LayoutOf(int model, const CDeviceRecord& device);

}  // namespace dsrows
