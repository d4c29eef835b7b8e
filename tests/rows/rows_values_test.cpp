// What the cells show for chosen record values: selections at and beyond the
// ends of each list, check-box polarity, the rows that rest while another
// setting is off, and the mended faults (one polarity for Sound Weave, the
// channel that is kept, the rule read by its bit).
#include "tests/rows/FakeSettingsGrid.h"
#include "core/ModelCatalog.h"
#include "texts/LabelTables.h"
#include <climits>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Grid {
    int model;
    CDeviceRecord device;
    CDeviceRecord working;
    FakeSettingsGrid grid;
    rows::RowsContext ctx;

    Grid(int m, int major, int minor) : model(m), device(RecordWithFirmware(m, major, minor)), working(device) {
        ctx = rows::RowsContext{model, &device, 0};
    }
    Grid& Fill() {
        rows::FillSettingsList(grid, ctx, working);
        return *this;
    }
    int Sel(int row) { return grid.GetSelectedOption(row); }
    int Check(int row) { return grid.GetCheck(row); }
    bool Disabled(int row) { return grid.IsDisabled(row); }
    bool Click(int row) {
        grid.Toggle(row);
        return rows::OnCheckBoxClicked(grid, ctx, row, working);
    }
    bool Pick(int row, int index) {
        grid.SelectOption(row, index);
        return rows::OnValuePicked(grid, ctx, row, working);
    }
};

TEST(SettingsRowValues, WholeWordListsSelectInsideTheirRangeAndNothingOutside) {
    // Overlay sensitivity, ten levels in reverse (0x4310 row 1).
    const std::pair<int, int> overlay[] = {{10, 0}, {1, 9}, {5, 5}, {0, -1}, {11, -1}, {-1, -1}, {INT_MIN, -1}, {INT_MAX, -1}};
    for (auto [value, index] : overlay) {
        Grid g(0x4310, 1, 0);
        g.working.m_anSettingWord[0] = value;
        EXPECT_EQ(index, g.Fill().Sel(1)) << "overlay " << value;
    }
    // Motion sensor: 1 Disable, 2 Low, 3 High (0x4210 1.2 row 4).
    const std::pair<int, int> motion[] = {{1, 0}, {2, 1}, {3, 2}, {0, -1}, {4, -1}, {INT_MIN, -1}};
    for (auto [value, index] : motion) {
        Grid g(0x4210, 1, 2);
        g.working.m_anSettingWord[3] = value;
        EXPECT_EQ(index, g.Fill().Sel(4)) << "motion " << value;
    }
    // VOX sensitivity: five levels (0x5520 1.0 row 3) and low/medium/high (0x6400 row 7).
    for (auto [value, index] : std::vector<std::pair<int, int>>{{1, 0}, {5, 4}, {0, -1}, {6, -1}, {INT_MIN, -1}}) {
        Grid g(0x5520, 1, 0);
        g.working.m_anVoxSensitivity[0] = value;
        EXPECT_EQ(index, g.Fill().Sel(3)) << "vox " << value;
    }
    for (auto [value, index] : std::vector<std::pair<int, int>>{{1, 0}, {3, 2}, {4, -1}, {5, -1}, {0, -1}}) {
        Grid g(0x6400, 1, 0);
        g.working.m_anVoxSensitivity[0] = value;
        EXPECT_EQ(index, g.Fill().Sel(7)) << "vox low/medium/high " << value;
    }
    // Audio source priority and smart volume (0x5420 rows 5 and 1).
    for (auto [value, index] : std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {2, -1}, {-1, -1}}) {
        Grid g(0x5420, 1, 0);
        g.working.m_bAudioSourcePriority = value;
        g.working.m_anSmartVolume[0] = value == 2 ? 4 : value;
        g.Fill();
        EXPECT_EQ(index, g.Sel(5));
        EXPECT_EQ(index, g.Sel(1));
    }
    // A refused index leaves the list without a selected option and no text.
    Grid g(0x5420, 1, 0);
    g.working.m_bAudioSourcePriority = 7;
    g.Fill();
    EXPECT_EQ(CString(), g.grid.cells[5].SelectedText());
}

TEST(SettingsRowValues, PackedFieldsReadTheirBits) {
    Grid g(0x3110, 2, 2);
    g.working.m_anSettingWord[1] = 0x7 | (0x7 << 7) | (0x4 << 3);  // vox 7, overlay 7, smart volume 4
    g.working.m_anSettingWord[3] = 0xB | (1 << 9) | (2 << 6);      // language 11, channel 2 with bit 9
    g.Fill();
    EXPECT_EQ(2, g.Sel(12));  // "Level 3"
    EXPECT_EQ(2, g.Sel(15));
    EXPECT_EQ(3, g.Sel(13));  // "High"
    EXPECT_EQ(0, g.Sel(0));   // "English"
    EXPECT_EQ(0, g.Sel(17));  // "CH 0 (Common)"

    Grid z(0x3110, 1, 1);
    z.working.m_anSettingWord[0] = 0;
    z.working.m_anSettingWord[1] = 0;
    z.Fill();
    EXPECT_EQ(-1, z.Sel(11));  // stored level 0 selects nothing
    EXPECT_EQ(-1, z.Sel(14));
    EXPECT_EQ(0, z.Sel(12));   // "Disable"
    for (int row : {0, 5, 8}) EXPECT_EQ(0, z.Check(row)) << row;  // set bit means on: Audio Boost, Voice Prompt, Quiet Sphere
    for (int row : {1, 2, 3, 4, 6, 7, 9, 10, 13, 15}) EXPECT_EQ(1, z.Check(row)) << row;
    EXPECT_FALSE(z.Disabled(4));

    Grid f(0x4310, 1, 0);
    f.working.m_anSettingWord[2] = (1 << 1) | (1 << 2) | (1 << 3);  // levels 3 but bit 3 set
    EXPECT_EQ(0, f.Fill().Sel(4));
}

TEST(SettingsRowValues, CameraAndEssListsReadTheirBits) {
    Grid old(0x5510, 1, 9);
    old.working.m_anCameraWord[0] = 0x2;
    old.working.m_anCameraWord[2] = 0x80;
    EXPECT_EQ(1, old.Fill().Sel(8));  // below 2.0 the video mode is bit 1 of word 0
    Grid now(0x5510, 2, 0);
    now.working.m_anCameraWord[0] = 0x2;
    now.working.m_anCameraWord[2] = 0x80;
    EXPECT_EQ(2, now.Fill().Sel(9));  // from 2.0 bits 6-7 of word 2
    now.working.m_anCameraWord[2] = 0xC0;
    now.grid = FakeSettingsGrid();
    EXPECT_EQ(0, now.Fill().Sel(9));

    const std::pair<int, int> ess[] = {{0x0, 1}, {0x8, 1}, {0x4, 0}, {0xC, 2}};
    for (auto [bits, index] : ess) {
        Grid g(0x6010, 1, 1);
        g.working.m_anSettingWord[2] = bits | 3;
        g.Fill();
        EXPECT_EQ(index, g.Sel(10)) << bits;
        EXPECT_EQ(3, g.Sel(9));  // "ESS OFF"
    }
}

TEST(SettingsRowValues, FlagFieldsShowTheirPolarityAndTheDisableWordInStateOne) {
    Grid g(0x5580, 1, 0);
    g.working.m_bAudioBoost = 2;
    g.working.m_bHandsfreeVox = 2;
    g.working.m_bVoicePrompt = 0;
    g.Fill();
    EXPECT_EQ(1, g.Check(0));
    EXPECT_EQ(0, g.Check(1));
    EXPECT_EQ(0, g.Check(4));
    // State "1" marks the second word, the Disable word.
    EXPECT_EQ(CString(L"Disable"), g.grid.cells[0].MarkedText());
    EXPECT_EQ(CString(L"Enable"), g.grid.cells[1].MarkedText());
}

// Rows that rest while another setting is off, and the setting that rules them.
struct Resting {
    int model, major, minor;
    std::function<void(CDeviceRecord&, bool)> rule;  // true: the rows rest
    std::vector<int> rows;
};

void SoundBlend(CDeviceRecord& r, bool rest) { r.m_bSoundBlend = rest ? 1 : 0; }
void SoundWeaveBit(CDeviceRecord& r, bool rest) {
    r.m_anSettingWord[2] = rest ? (r.m_anSettingWord[2] & ~(1 << 11)) : (r.m_anSettingWord[2] | (1 << 11));
}
void IntercomSoundWeaveBit(CDeviceRecord& r, bool rest) {
    r.m_anSettingWord[1] = rest ? (r.m_anSettingWord[1] | (1 << 11)) : (r.m_anSettingWord[1] & ~(1 << 11));
}
void SpeakerRecording(CDeviceRecord& r, bool rest) {
    r.m_anCameraWord[0] = rest ? (r.m_anCameraWord[0] & ~(1 << 6)) : (r.m_anCameraWord[0] | (1 << 6));
}

TEST(SettingsRowValues, DependentRowsRestExactlyWhileTheirSettingIsOff) {
    const Resting cases[] = {
        {0x4210, 1, 0, SoundWeaveBit, {3}}, {0x4210, 1, 1, SoundWeaveBit, {4, 5}},
        {0x4210, 1, 2, SoundWeaveBit, {1, 2}}, {0x4210, 1, 5, SoundWeaveBit, {1, 2}},
        {0x4310, 1, 0, SoundWeaveBit, {1, 2}}, {0x4430, 1, 0, SoundWeaveBit, {1, 2}},
        {0x5520, 2, 0, SoundBlend, {4, 5, 6}}, {0x5520, 1, 9, SoundBlend, {}},
        {0x5526, 2, 0, SoundBlend, {4, 5, 6}}, {0x5620, 2, 0, SoundBlend, {4, 5, 6}},
        {0x5510, 3, 0, SoundBlend, {4, 5, 6}}, {0x5580, 2, 0, SoundBlend, {4, 5, 6}},
        {0x5530, 1, 4, SoundBlend, {}}, {0x5532, 1, 0, SoundBlend, {}},
        {0x5550, 2, 0, SoundBlend, {2, 3}}, {0x5623, 2, 0, SoundBlend, {4, 5, 6}},
        {0x5622, 2, 0, SoundBlend, {5, 6, 7}}, {0x5624, 2, 0, SoundBlend, {4, 5, 6}},
        {0x5524, 2, 0, SoundBlend, {2, 3}}, {0x6210, 2, 0, SoundBlend, {4, 5, 6}},
        {0x6400, 1, 0, SoundBlend, {4, 5, 6}}, {0x5560, 1, 0, SoundBlend, {4}},
        {0x5410, 1, 0, SoundBlend, {}}, {0x5410, 2, 0, SoundBlend, {5, 6, 7}},
        {0x5412, 1, 0, SoundBlend, {5, 6}}, {0x5414, 1, 1, SoundBlend, {5, 6, 7}},
        {0x5420, 1, 0, SoundBlend, {5, 6, 7}}, {0x5416, 1, 0, SoundBlend, {}},
        {0x5416, 1, 1, SoundBlend, {5, 6}},
        {0x3110, 1, 0, IntercomSoundWeaveBit, {}}, {0x3110, 1, 1, IntercomSoundWeaveBit, {4}},
        {0x3110, 2, 1, IntercomSoundWeaveBit, {5}}, {0x3110, 2, 2, IntercomSoundWeaveBit, {5}},
        {0x3126, 1, 0, IntercomSoundWeaveBit, {4}}, {0x3118, 1, 0, IntercomSoundWeaveBit, {}},
        {0x5510, 1, 9, SpeakerRecording, {13, 14, 15, 16}}, {0x5510, 2, 0, SpeakerRecording, {17, 18, 19, 20}},
        {0x5510, 2, 2, SpeakerRecording, {18, 19, 20, 21}}, {0x5510, 3, 0, SpeakerRecording, {20, 21, 22, 23}},
    };
    for (const Resting& c : cases) {
        for (bool rest : {true, false}) {
            Grid g(c.model, c.major, c.minor);
            for (auto base : {SoundBlend, SoundWeaveBit, IntercomSoundWeaveBit, SpeakerRecording}) base(g.working, false);
            c.rule(g.working, rest);
            g.Fill();
            SCOPED_TRACE("model " + std::to_string(c.model) + " " + std::to_string(c.major) + "." +
                         std::to_string(c.minor) + (rest ? " resting" : " working"));
            for (int row = 0; row < g.grid.GetRowCount(); ++row) {
                const bool listed = std::find(c.rows.begin(), c.rows.end(), row) != c.rows.end();
                EXPECT_EQ(rest && listed, g.Disabled(row)) << "row " << row;
                // Rows with a rule always get the flag, 0 or not.
                if (listed) {
                    EXPECT_EQ(1, g.grid.cells[row].disableCalls) << "row " << row;
                }
            }
        }
    }
}

TEST(SettingsRowDecisions, SoundWeaveBelowFirmware1_5StoresWhatTheBoxShows) {
    for (int minor : {0, 1, 2, 4, 5}) {
        Grid g(0x4210, 1, minor);
        g.working.m_anSettingWord[2] = 1 << 11;  // off: the box shows "0"
        g.Fill();
        const int row = minor == 0 ? 2 : minor == 1 ? 3 : 0;
        ASSERT_EQ(0, g.Check(row));
        ASSERT_TRUE(g.Click(row));  // now "1"
        EXPECT_EQ(0, g.working.GetSoundWeave()) << "firmware 1." << minor;
        EXPECT_TRUE(g.Disabled(row + 1));  // the overlay rests while Sound Weave is on
        Grid again(0x4210, 1, minor);
        again.working = g.working;
        EXPECT_EQ(1, again.Fill().Check(row));
    }
}

TEST(SettingsRowDecisions, AChannelPickIsKeptInWord3) {
    Grid g(0x3110, 2, 2);
    g.working.m_anSettingWord[3] = 0x5 | (1 << 9) | (0x7 << 6) | 0x8000;
    g.Fill();
    ASSERT_EQ(0, g.Sel(17));
    ASSERT_TRUE(g.Pick(17, 4));
    EXPECT_EQ(0x5 | (4 << 6) | 0x8000, g.working.m_anSettingWord[3]);  // bit 9 cleared, the rest kept
    EXPECT_EQ(4, g.working.GetChannelSelect());
    Grid again(0x3110, 2, 2);
    again.working = g.working;
    EXPECT_EQ(4, again.Fill().Sel(17));
}

TEST(SettingsRowDecisions, IntercomSoundWeaveRulesHdIntercomByItsBit) {
    for (int minor : {1, 2}) {
        Grid g(0x3110, 2, minor == 1 ? 0 : 1);  // 16 rows (ISW 3, HDI 4) and 17 rows (ISW 4, HDI 5)
        g.Fill();
        const int isw = minor == 1 ? 3 : 4;
        ASSERT_EQ(1, g.Check(isw));
        EXPECT_FALSE(g.Disabled(isw + 1));
        ASSERT_TRUE(g.Click(isw));
        EXPECT_EQ(1 << 11, g.working.m_anSettingWord[1]);
        EXPECT_TRUE(g.Disabled(isw + 1));
        EXPECT_FALSE(g.Disabled(isw));
        EXPECT_FALSE(g.Click(isw + 1));  // a resting cell takes no click
        EXPECT_EQ(0, g.working.m_anSettingWord[0]);
    }
}

TEST(SettingsRowDecisions, TheSoundBlendFieldLocksRowsOfA5624WithoutItsRow) {
    Grid g(0x5624, 2, 0);
    g.working.m_bSoundBlend = 1;
    g.Fill();
    for (int row : {4, 5, 6}) EXPECT_TRUE(g.Disabled(row));
    EXPECT_FALSE(g.Click(5));
    EXPECT_EQ(0, g.working.m_bHdVoice);
}

TEST(SettingsRowClicks, RecordingSourcesAndTheirMasterKeepOneAnother) {
    // No source left and the master off: switching it back on brings three sources back.
    Grid g(0x5510, 1, 9);
    g.working.m_anCameraWord[0] = (1 << 6);  // master off ("0"), no source
    g.Fill();
    ASSERT_EQ(0, g.Check(12));
    ASSERT_TRUE(g.Click(12));  // "1": bit 6 cleared, sources rest
    EXPECT_EQ(0, g.working.GetSpeakerSoundRecording());
    for (int row = 13; row <= 16; ++row) EXPECT_TRUE(g.Disabled(row));
    ASSERT_TRUE(g.Click(12));  // "0" again: bit 6 set with no source
    EXPECT_EQ(1, g.working.GetSpeakerSoundRecording());
    EXPECT_EQ(1, g.working.GetRecordMusic());
    EXPECT_EQ(1, g.working.GetRecordFmRadio());
    EXPECT_EQ(1, g.working.GetRecordIntercom());
    EXPECT_EQ(0, g.working.GetRecordPhone());
    for (int row = 13; row <= 15; ++row) EXPECT_EQ(0, g.Check(row));
    EXPECT_EQ(1, g.Check(16));
    // Switching the last source off switches the master off and rests the sources.
    ASSERT_TRUE(g.Click(13));
    ASSERT_TRUE(g.Click(14));
    ASSERT_TRUE(g.Click(15));
    EXPECT_EQ(0, g.working.GetSpeakerSoundRecording());
    EXPECT_EQ(1, g.Check(12));
    for (int row = 13; row <= 16; ++row) EXPECT_TRUE(g.Disabled(row));
    EXPECT_FALSE(g.Click(16));
}

TEST(SettingsRowClicks, PicksStoreTheValueTheOptionStandsFor) {
    Grid o(0x4310, 1, 0);
    o.Fill();
    ASSERT_TRUE(o.Pick(1, 3));
    EXPECT_EQ(7, o.working.m_anSettingWord[0]);
    ASSERT_TRUE(o.Pick(1, 0));
    EXPECT_EQ(10, o.working.m_anSettingWord[0]);
    Grid v(0x6020, 1, 0);
    v.Fill();
    ASSERT_TRUE(v.Pick(2, 0));
    EXPECT_EQ(1, v.working.m_anVoxSensitivity[0]);
    Grid a(0x5510, 3, 0);
    a.Fill();
    ASSERT_TRUE(a.Pick(4, 1));
    EXPECT_EQ(1, a.working.m_bAudioSourcePriority);
    Grid m(0x4210, 1, 4);
    m.Fill();
    ASSERT_TRUE(m.Pick(4, 2));
    EXPECT_EQ(3, m.working.m_anSettingWord[3]);
    EXPECT_FALSE(m.Pick(3, 0));  // a check-box row takes no pick
    EXPECT_FALSE(rows::OnCheckBoxClicked(m.grid, m.ctx, 4, m.working));  // a list row takes no click
    EXPECT_FALSE(rows::OnCheckBoxClicked(m.grid, m.ctx, 99, m.working));
}

TEST(SettingsRowHelp, ModelDependentHelpTextsAndSizes) {
    auto help = [](int model, int major, int minor, int row) {
        const CDeviceRecord device = RecordWithFirmware(model, major, minor);
        rows::RowsContext ctx{model, &device, 0};
        rows::HelpBox box;
        EXPECT_TRUE(rows::GetRowHelp(ctx, row, &box));
        return box;
    };
    // The video mode explains loop recording from firmware 2.0, in a taller box.
    EXPECT_EQ(190, help(0x5510, 1, 9, 8).height);
    EXPECT_EQ(250, help(0x5510, 2, 0, 9).height);
    EXPECT_NE(help(0x5510, 1, 9, 8).text, help(0x5510, 2, 0, 9).text);
    EXPECT_EQ(200, help(0x5510, 1, 9, 17).height);
    // The motion sensor help names the model.
    CString name;
    GetModelName(name, 0x4210, FALSE);
    EXPECT_NE(nullptr, wcsstr(help(0x4210, 1, 1, 2).text.GetString(), name.GetString()));
    // One label, texts by model.
    EXPECT_NE(help(0x6010, 1, 1, 4).text, help(0x5520, 1, 0, 3).text);
    EXPECT_NE(help(0x6400, 1, 0, 7).text, help(0x5520, 1, 0, 3).text);
    EXPECT_NE(help(0x5560, 1, 0, 3).text, help(0x5420, 1, 0, 4).text);
    EXPECT_NE(help(0x4310, 1, 0, 0).text, help(0x5570, 1, 0, 3).text);
    EXPECT_EQ(260, help(0x4310, 1, 0, 0).height);
    EXPECT_EQ(280, help(0x5570, 1, 0, 3).height);
    EXPECT_NE(help(0x3110, 1, 0, 13).text, help(0x4310, 1, 0, 1).text);
    // Help gaps refresh the page only on three models.
    EXPECT_TRUE(rows::HelpGapRefreshesPage(0x5510));
    EXPECT_TRUE(rows::HelpGapRefreshesPage(0x5570));
    EXPECT_TRUE(rows::HelpGapRefreshesPage(0x5580));
    EXPECT_FALSE(rows::HelpGapRefreshesPage(0x5520));
}

}  // namespace
