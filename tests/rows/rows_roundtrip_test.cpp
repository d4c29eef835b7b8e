// Every row of every model and firmware range, clicked or picked in turn: the
// working record changes exactly the field or bits of that row, with the
// polarity its check box shows, a refill shows the same state, and the help
// button explains that row.
#include "tests/rows/FakeSettingsGrid.h"
#include "tests/rows/RowStorage.h"
#include "texts/LabelTables.h"
#include <gtest/gtest.h>

namespace {

struct Case {
    int model;
    int major, minor;
};

// Every model id of the table at the first firmware of each of its ranges.
std::vector<Case> AllCases() {
    std::vector<Case> cases;
    int count = 0;
    const rows::ModelRows* table = rows::ModelTable(&count);
    for (int e = 0; e < count; ++e)
        for (int id : table[e].ids) {
            if (!id) continue;
            for (const rows::FirmwareRange& range : table[e].ranges) {
                if (!range.list) break;
                cases.push_back({id, range.from.major, range.from.minor});
            }
        }
    return cases;
}

std::string Describe(const Case& c, int row) {
    char buf[64];
    snprintf(buf, sizeof buf, "model 0x%04X firmware %d.%d row %d", c.model, c.major, c.minor, row);
    return buf;
}

// A busy record in which no row is disabled and no recording rule fires.
CDeviceRecord Busy(const Case& c) {
    CDeviceRecord r = RecordWithFirmware(c.model, c.major, c.minor);
    unsigned seed = 0x2468ACE1u ^ (unsigned)c.model;
    auto next = [&]() { seed = seed * 1103515245u + 12345u; return (int)((seed >> 8) & 0xFFFF); };
    for (int& w : r.m_anSettingWord) w = next();
    for (int& w : r.m_anCameraWord) w = next();
    r.m_bHandsfreeVox = next() & 1;
    r.m_bIntercomVox = next() & 1;
    r.m_bVoicePrompt = next() & 1;
    r.m_bBitpoolRate = next() & 1;
    r.m_bSidetone = next() & 1;
    r.m_bQuietSphere = next() & 1;
    r.m_bAudioBoost = next() & 1;
    r.m_bHdIntercom = next() & 1;
    r.m_bFmStationGuide = next() & 1;
    r.m_bHdVoice = next() & 1;
    r.m_bSmartNaviSystem = next() & 1;
    r.m_bSoundBlend = 0;                       // Sound Weave/Blend on: nothing rests
    r.m_anSettingWord[2] |= (1 << 11);         // Sound Weave (bit) off: the overlay rows work
    r.m_anSettingWord[1] &= ~(1 << 11);        // Bluetooth Intercom Sound Weave on
    r.m_anCameraWord[0] |= (1 << 6);           // speaker recording off: the sources work
    r.m_anCameraWord[0] = (r.m_anCameraWord[0] & ~0xF00) | 0x300;  // music and FM radio recorded
    return r;
}

struct ListPlace {
    int* slot;
    int mask;
};

// Where a list row's value lives, by its label and the model's family.
bool ListPlaceOf(const Case& c, const std::wstring& label, CDeviceRecord& r, ListPlace* p) {
    const RowFamily f = FamilyOf(c.model);
    int* w = r.m_anSettingWord;
    int* cam = r.m_anCameraWord;
    auto at = [&](int& slot, int mask) { *p = ListPlace{&slot, mask}; return true; };
    if (label == L"Intercom-sound Blend Sensitivity") return f == RowFamily::Words ? at(w[1], 0x380) : at(w[0], -1);
    if (label == L"Motion Sensor Sensitivity") return at(w[3], -1);
    if (label == L"Smart Volume Control")
        return f == RowFamily::Setters ? at(w[2], 0x1E) : f == RowFamily::Words ? at(w[1], 0x38) : at(r.m_anSmartVolume[0], -1);
    if (label == L"VOX Sensitivity") return f == RowFamily::Words ? at(w[1], 0x7) : at(r.m_anVoxSensitivity[0], -1);
    if (label == L"Audio Source Priority") return at(r.m_bAudioSourcePriority, -1);
    if (label == L"Photo Mode") return at(cam[0], 0x1);
    if (label == L"Video Mode") return c.major < 2 ? at(cam[0], 0x2) : at(cam[2], 0xC0);
    if (label == L"Video Resolution") return at(cam[0], 0xC);
    if (label == L"Timelapse Interval") return at(cam[0], 0x10);
    if (label == L"Video Tagging Interval") return at(cam[2], 0x3);
    if (label == L"Loop Recording Interval") return at(cam[2], 0xC);
    if (label == L"Video Microphone Gain") return at(cam[2], 0x30);
    if (label == L"Unit Language") return at(w[3], 0xF);
    if (label == L"Channel Select") return at(w[3], 0x3C0);
    if (label == L"ESS STATUS") return at(w[2], 0x3);
    if (label == L"ESS Sensitivity") return at(w[2], 0xC);
    return false;
}

// Indexes of the ints of `before` and `after` that differ.
std::vector<size_t> Changed(const CDeviceRecord& before, const CDeviceRecord& after) {
    const std::vector<int> a = SettingInts(before), b = SettingInts(after);
    std::vector<size_t> out;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) out.push_back(i);
    return out;
}

FakeSettingsGrid FillFor(const Case& c, const CDeviceRecord& device, const CDeviceRecord& working) {
    FakeSettingsGrid grid;
    rows::RowsContext ctx{c.model, &device, 0};
    rows::FillSettingsList(grid, ctx, working);
    return grid;
}

TEST(SettingsRowRoundTrip, ClickingEveryCheckBoxStoresExactlyItsSettingWithThePolarityItShows) {
    int clicked = 0;
    for (const Case& c : AllCases()) {
        const CDeviceRecord device = RecordWithFirmware(c.model, c.major, c.minor);
        const CDeviceRecord start = Busy(c);
        const FakeSettingsGrid first = FillFor(c, device, start);
        for (int row = 0; row < (int)first.cells.size(); ++row) {
            if (first.cells[row].kind != 1) continue;
            SCOPED_TRACE(Describe(c, row));
            const std::wstring label = first.cells[row].label.GetString();
            for (int round = 0; round < 2; ++round) {  // off and on again
                CDeviceRecord working = start;
                FakeSettingsGrid grid = FillFor(c, device, working);
                if (round == 1) {
                    grid.Toggle(row);
                    rows::RowsContext ctx{c.model, &device, 0};
                    ASSERT_TRUE(rows::OnCheckBoxClicked(grid, ctx, row, working));
                }
                const CDeviceRecord before = working;
                grid.Toggle(row);
                const int state = grid.GetCheck(row);
                rows::RowsContext ctx{c.model, &device, 0};
                ASSERT_TRUE(rows::OnCheckBoxClicked(grid, ctx, row, working));
                ++clicked;

                Storage where;
                ASSERT_TRUE(StorageOf(c.model, label, working, &where)) << "no storage for this label";
                EXPECT_EQ(state ? where.checkedValue : 1 - where.checkedValue, where.Read() != 0 ? 1 : 0);
                // Nothing but that one int changed, and in it only that bit.
                const std::vector<size_t> changed = Changed(before, working);
                ASSERT_EQ(1u, changed.size());
                if (where.bit >= 0) {
                    Storage was = where;
                    CDeviceRecord copy = before;
                    StorageOf(c.model, label, copy, &was);
                    EXPECT_EQ(1 << where.bit, *was.slot ^ *where.slot);
                }
                // The box shows the Disable word exactly in state "1".
                EXPECT_EQ(state ? grid.cells[row].secondText : grid.cells[row].firstText, grid.cells[row].MarkedText());
                // A refill shows what the click left.
                FakeSettingsGrid again = FillFor(c, device, working);
                EXPECT_EQ(state, again.GetCheck(row));
            }
        }
    }
    EXPECT_GT(clicked, 500);
}

TEST(SettingsRowRoundTrip, PickingEveryOptionStoresItsValueAndARefillSelectsIt) {
    int picked = 0;
    for (const Case& c : AllCases()) {
        const CDeviceRecord device = RecordWithFirmware(c.model, c.major, c.minor);
        const CDeviceRecord start = Busy(c);
        const FakeSettingsGrid first = FillFor(c, device, start);
        for (int row = 0; row < (int)first.cells.size(); ++row) {
            if (first.cells[row].kind != 2) continue;
            const std::wstring label = first.cells[row].label.GetString();
            for (int index = 0; index < (int)first.cells[row].options.size(); ++index) {
                SCOPED_TRACE(Describe(c, row) + " option " + std::to_string(index));
                CDeviceRecord working = start;
                FakeSettingsGrid grid = FillFor(c, device, working);
                const CDeviceRecord before = working;
                ASSERT_TRUE(grid.SelectOption(row, index));
                rows::RowsContext ctx{c.model, &device, 0};
                ASSERT_TRUE(rows::OnValuePicked(grid, ctx, row, working));
                ++picked;

                const std::vector<size_t> changed = Changed(before, working);
                ASSERT_LE(changed.size(), 1u);
                ListPlace after, was;
                CDeviceRecord copy = before;
                ASSERT_TRUE(ListPlaceOf(c, label, working, &after)) << "no place for this label";
                ListPlaceOf(c, label, copy, &was);
                EXPECT_EQ(0, (*after.slot ^ *was.slot) & ~after.mask) << "bits beside the setting changed";
                FakeSettingsGrid again = FillFor(c, device, working);
                EXPECT_EQ(index, again.GetSelectedOption(row));
            }
        }
    }
    EXPECT_GT(picked, 300);
}

TEST(SettingsRowRoundTrip, TheHelpButtonOfEveryRowExplainsThatRow) {
    for (const Case& c : AllCases()) {
        const CDeviceRecord device = RecordWithFirmware(c.model, c.major, c.minor);
        for (int language : {0, 2, 4, 8}) {
            FakeSettingsGrid grid;
            rows::RowsContext ctx{c.model, &device, language};
            rows::FillSettingsList(grid, ctx, device);
            for (int row = 0; row < (int)grid.cells.size() + 2; ++row) {
                SCOPED_TRACE(Describe(c, row) + " language " + std::to_string(language));
                rows::HelpBox box;
                const bool has = rows::GetRowHelp(ctx, row, &box);
                if (row >= (int)grid.cells.size() || !grid.cells[row].helpButton) {
                    EXPECT_FALSE(has);
                    continue;
                }
                if (grid.cells[row].label == g_txtChannelSelect[language][0]) {
                    EXPECT_FALSE(has);  // its help button explains nothing
                    continue;
                }
                ASSERT_TRUE(has);
                EXPECT_EQ(520, box.width);
                EXPECT_GE(box.height, 130);
                // The title in brackets is the row's name; no placeholder is left.
                const CString title = CString(L"[") + grid.cells[row].label + L"]";
                EXPECT_EQ(0, wcsncmp(box.text.GetString(), title.GetString(), (size_t)title.GetLength()))
                    << "help starts: " << CStringA(box.text).Left(60).GetString();
                EXPECT_EQ(nullptr, wcsstr(box.text.GetString(), L"%s"));
            }
        }
    }
}

}  // namespace
