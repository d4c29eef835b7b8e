// The fault matrix of the settings save road: the headset recognised, a
// setting changed on DEVICE SETTING, the fault put in, SAVE. One test per
// kind of headset: persistent-store keys or HID blocks.
#include "SettingsWizard.h"
#include "core/HidProtocol.h"
#include "tests/app/FaultMatrix.h"

using namespace settingstest;
using faultmatrix::Row;

namespace {

const wchar_t* const kSaved = L"Device setting saved successfully";
const wchar_t* const kNotRecognized = L"Failed to save device setting. Not the recognized device";
const wchar_t* const kNotWritten = L"Failed to save device setting. Could not write to the device";
const wchar_t* const kCannotOpenUsb = L"Failed to recognize device. Cannot open USB";

class SaveFaultMatrix : public SettingsWizardTest {
protected:
    // build puts the headset on the bus; each row's fault comes once the
    // headset is recognised and a setting changed.
    void RunRoad(const char* road, int model, const std::function<void()>& build,
                 const std::function<void(CDeviceRecord&)>& edit, const std::vector<Row>& rows) {
        std::vector<faultmatrix::Outcome> outcomes;
        for (const Row& row : rows) {
            SCOPED_TRACE(row.fault);
            sim::Reset();
            sim::SetSpeed(100);
            build();
            m_asked.clear();
            m_answers.clear();
            RunWizard([&](CUpdaterDlg& dlg) {
                EnterPage(dlg, model, PAGE_DEVICE_SETTING);
                edit(dlg.m_settingPage.m_workingRecord);
                dlg.UpdateControls();
                ASSERT_TRUE(ActionEnabled(dlg));
                row.apply();
                faultmatrix::Follower follow(dlg);
                follow.Run(row, [&] {
                    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ACTION, BN_CLICKED), (LPARAM)Item(dlg, IDC_ACTION));
                });
                // Leaving with the unsaved change kept: NO to saving it.
                follow.ExpectUsable([&] { if (!row.success) QueueAnswer(IDCANCEL); });
                outcomes.push_back(follow.Result());
                if (m_afterRow) m_afterRow(follow.Result().endText);
                m_afterRow = nullptr;
            });
        }
        faultmatrix::PrintTable(road, outcomes);
    }
    // Called from a row's fault: after the row, its exact end text and the
    // words the HID block holds.
    void ExpectExactlyAndHolds(const wchar_t* text, BYTE block, const std::vector<WORD>& words) {
        m_afterRow = [=](const std::wstring& endText) {
            EXPECT_EQ(std::wstring(text), endText);
            std::vector<WORD> held;
            sim::GetHidBlock(m_id, block, &held);
            EXPECT_EQ(words, held);
        };
    }
    sim::DeviceId m_id = 0;
    std::function<void(const std::wstring&)> m_afterRow;
};

TEST_F(SaveFaultMatrix, PersistentStoreHeadset) {
    RunRoad("Settings save, persistent-store headset (0x2020)", 0x2020, [&] { m_id = AddDfuHeadset(0x2020, 10); },
            [](CDeviceRecord& r) { r.m_bHandsfreeVox = !r.m_bHandsfreeVox; },
            {
                {"none", [] {}, kSaved, true, 120},
                {"fail_write settings key", [&] { sim::SetPsWriteFails(m_id, PSKEY_SETTINGS_WORD, true); },
                 kNotWritten, false, 60},
                {"fail_read product id", [&] { sim::SetPsReadFails(m_id, PSKEY_PRODUCT_ID, true); }, kNotRecognized,
                 false, 60},
                {"fail_read version", [&] { sim::SetPsReadFails(m_id, PSKEY_FW_VERSION, true); }, kSaved, true, 120},
                {"connect_fails", [&] { sim::SetConnectFails(m_id, true); }, kNotWritten, false, 60},
                {"mode dfu", [&] { sim::SetDfuMode(m_id, true); }, kNotRecognized, false, 60},
                {"usb_listed 0", [&] { sim::SetDfuListing(m_id, false, true); }, kNotRecognized, false, 60},
                {"library_listed 0", [&] { sim::SetDfuListing(m_id, true, false); }, kNotWritten, false, 60},
                {"present 0", [&] { sim::SetPresent(m_id, false); }, kNotRecognized, false, 60},
            });
}

// The feature block (0x04) with the changed setting, as the save writes it.
const std::vector<WORD> kSavedFeatureBlock = {0x1821, 0x0000};

TEST_F(SaveFaultMatrix, HidHeadset) {
    RunRoad("Settings save, HID headset (0x5610)", 0x5610, [&] { m_id = AddHidHeadset(0x5610, {1, 0}); },
            [](CDeviceRecord& r) { r.m_bAudioBoost = !r.m_bAudioBoost; },
            {
                {"none", [&] { ExpectExactlyAndHolds(kSaved, 4, kSavedFeatureBlock); }, kSaved, true, 120},
                // The save goes through the interfaces recognition left open
                // and reaches the headset; the headset cannot be read back
                // afterwards, which must not pass for a recognised headset
                // (fixed on the branch "faults").
                {"open_fails",
                 [&] {
                     sim::SetHidOpenFails(m_id, true);
                     ExpectExactlyAndHolds(kCannotOpenUsb, 4, kSavedFeatureBlock);
                 },
                 kCannotOpenUsb, false, 60},
                {"write_fails", [&] { sim::SetHidWriteFails(m_id, true); }, kNotWritten, false, 60},
                {"pending_replies 2", [&] { sim::SetHidPendingReplies(m_id, 2); }, kSaved, true, 120},
                // A headset that stops answering: each request waits out its
                // own bound, the save as a whole must end within minutes.
                {"pending_forever", [&] { sim::SetHidPendingForever(m_id, true); }, kNotWritten, false, 300},
                {"vanish_after_reports 1", [&] { sim::SetHidVanishAfterReports(m_id, 1); }, kNotWritten, false,
                 60},
                {"fail_command 0x04 (write block)", [&] { sim::SetHidCommandFails(m_id, HID_CMD_WRITE_BLOCK, true); },
                 kNotWritten, false, 60},
                // Written, but its version cannot be read back (fixed on the
                // branch "faults").
                {"fail_command 0x01 (version)",
                 [&] {
                     sim::SetHidCommandFails(m_id, 0x01, true);
                     ExpectExactlyAndHolds(kCannotOpenUsb, 4, kSavedFeatureBlock);
                 },
                 kCannotOpenUsb, false, 60},
                {"present 0", [&] { sim::SetPresent(m_id, false); }, kNotRecognized, false, 60},
            });
}

}  // namespace
