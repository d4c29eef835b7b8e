// The backup settings view against the DEVICE SETTING grid's rows: for every
// model and firmware that both show, the same settings in the same order,
// and each value means the same on both (a setting the backup view shows as
// "Enabled" is one the settings page shows as enabled).
#include <gtest/gtest.h>
#include <string>
#include "BackupViewExpect.h"
#include "core/ModelCatalog.h"
#include "restore/BackupFeatureList.h"
#include "settings/rows/SettingsListModels.h"
#include "texts/LabelTables.h"

using namespace backupexpect;

namespace {

CDeviceRecord Record(int model, int major, int minor) {
    CDeviceRecord r;
    r.m_nModelId = model;
    r.m_version.m_nMajor = major;
    r.m_version.m_nMinor = minor;
    return r;
}

BackupFeaturePlan Plan(int model, const CDeviceRecord& record) {
    BackupFeatureInput in;
    in.model = model;
    in.kind = SETTING_PAGE_BASIC;
    in.backup = &record;
    in.device = &record;
    return PlanBackupFeatureList(in);
}

// The settings page's option text as this view writes it: its on/off word
// for the lowest level, and the bare number of a numbered level.
CString AsBackupText(const CString& option, const rows::RowKind& kind) {
    if (kind.options == rows::OptionList::DisableLowMediumHigh && option == L"Disable") return L"Disabled";
    if (kind.label == &g_txtOverlaySensitivity && option.Left(6) == L"Level ") return option.Mid(6);
    return option;
}

// The settings page shows these rows, the backup view does not.
bool OnlyOnTheSettingsPage(const rows::RowKind& kind) { return &kind == &rows::kChannelSelect; }

}  // namespace

TEST(BackupViewAndSettingsPage, ShowTheSameSettingsInTheSameOrderWithTheSameMeaning) {
    int compared = 0;
    for (const Case& c : Cases()) {
        for (int model : c.models) {
            // Both views at the same firmware; the settings page reads the device's.
            bool onDevice = c.deviceMajor != 9;
            CDeviceRecord zero = onDevice ? Record(model, c.deviceMajor, c.deviceMinor) : Record(model, c.major, c.minor);
            SCOPED_TRACE(testing::Message() << "model 0x" << std::hex << model << std::dec << " at "
                                            << zero.m_version.m_nMajor << "." << zero.m_version.m_nMinor);
            const rows::RowList* list = rows::FindRowList(model, zero);
            ASSERT_NE(list, nullptr);
            BackupFeaturePlan base = Plan(model, zero);
            std::vector<const rows::RowKind*> kinds;
            for (int i = 0; i < list->count; ++i)
                if (!OnlyOnTheSettingsPage((*list)[i])) kinds.push_back(&(*list)[i]);
            ASSERT_EQ(base.rows.size(), kinds.size()) << list->name;
            for (size_t r = 0; r < kinds.size(); ++r) {
                const rows::RowKind& kind = *kinds[r];
                SCOPED_TRACE(kind.name);
                EXPECT_EQ(base.rows[r].label, rows::LabelText(kind.label, 0));
                if (!kind.source.IsWritable()) continue;
                if (kind.cell == rows::CellKind::CheckBox) {
                    // State "1" shows the Disable word on the settings page.
                    for (int state : {0, 1}) {
                        CDeviceRecord rec = zero;
                        ASSERT_TRUE(kind.source.Write(rec, rows::ValueForState(kind.polarity, state)));
                        EXPECT_EQ(Plan(model, rec).rows[r].value, state == 1 ? L"Disabled" : L"Enabled") << "state " << state;
                    }
                } else {
                    std::vector<CString> options = rows::OptionTexts(kind.options, 0);
                    for (int k = 0; k < (int)options.size(); ++k) {
                        CDeviceRecord rec = zero;
                        if (!kind.source.Write(rec, rows::ValueForIndex(kind.map, k))) continue;
                        ASSERT_EQ(rows::IndexForValue(kind.map, kind.source.Read(rec), (int)options.size()), k);
                        EXPECT_EQ(Plan(model, rec).rows[r].value, AsBackupText(options[(size_t)k], kind)) << "option " << k;
                    }
                }
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, 100);
}
