// The fault matrix of the 0x5060 batch road: a DRW40 of the production
// batch on firmware 4.2, model 0x5011's image chosen on the FIRMWARE UPDATE
// page, ACTION. The headset is given the identity of 0x5011 just before the
// switch; every fault before the transfer, or one that ends a transfer
// begun, leaves it with its own identity (at once, or once it is recognised
// again, whatever other headset was updated meanwhile), and each row checks
// its exact text and the four identity keys afterwards.
#include "tests/app/FaultMatrix.h"
#include "app/resource.h"
#include "framework/Clock.h"
#include "hardware/HardwareApi.h"
#include "standins/dfuengine/include/DFUImageFormat.h"
#include "standins/simdevices/SimDevices.h"

using faultmatrix::Row;

namespace {

const WORD kProductId = 0x02A3, kUsbProductId = 0x02BF, kDfuProductId = 0x02CB, kProductString = 0x02C2;
const WORD kVersion = 0x02A4;
const wchar_t* const kUpdated = L"Firmware updated successfully";
const wchar_t* const kNotFor = L"Failed to update firmware. Firmware not for DRW40[9][6]";
const wchar_t* const kCannotUpdate = L"Failed to update firmware. Cannot update firmware";

struct Identity {
    int productId, usbProductId, dfuProductId;
    const wchar_t* productString;  // null: the key was never set
};
const Identity kOwn = {0x5060, 0x5060, 0xD060, L"DRW40"};
const Identity kGiven = {0x5011, 0x5011, 0xD011, L"Kuzo Audio DRW40"};
// The product string never set: it had no value of its own to go back.
const Identity kOwnIdsGivenString = {0x5060, 0x5060, 0xD060, L"Kuzo Audio DRW40"};

std::vector<BYTE> StringKey(const std::wstring& text) {
    std::vector<BYTE> bytes(32, 0);
    for (size_t i = 0; i < text.size() && i < 16; ++i) {
        bytes[2 * i] = (BYTE)text[i];
        bytes[2 * i + 1] = (BYTE)(text[i] >> 8);
    }
    return bytes;
}

// One row and what the headset holds after it.
struct BatchRow {
    Row row;
    Identity holds;
    int firmware;  // the first byte of the version key
};

class BatchFaultMatrix : public faultmatrix::FaultMatrixTest {
protected:
    // A DRW40 of the batch on firmware 4.2; lap: its address's lower part.
    static sim::DeviceId AddBatchHeadset(const wchar_t* name, WORD lap) {
        sim::DeviceId headset = sim::AddDfuHeadset(name, sim::kMakerVendorId, 0x5060, 0xD060);
        sim::SetPsKeyWords(headset, kProductId, {0x5060});
        sim::SetPsKeyWords(headset, kUsbProductId, {0x5060});
        sim::SetPsKeyWords(headset, kDfuProductId, {0xD060});
        const std::vector<BYTE> text = StringKey(kOwn.productString);
        sim::SetPsKey(headset, kProductString, text.data(), text.size());
        sim::SetPsKeyWords(headset, 0x0001, {0x0033, lap, 0x0078, 0x1A2B});  // in the batch
        sim::SetPsKeyText(headset, 0x0108, "DRW40");
        const char version[4] = {42, 0, 0, 0};
        sim::SetPsKey(headset, kVersion, version, 4);
        return headset;
    }

    // A second a step, without faults.
    static sim::DfuBehaviour Timing() {
        sim::DfuBehaviour b;
        b.phaseMs = 1000;
        b.waitEvents = 3;
        b.progressEvents = 6;
        return b;
    }

    void BuildWorld() {
        sim::Reset();
        sim::SetSpeed(kSpeed);
        m_headset = AddBatchHeadset(L"DRW40 batch", 0x2500);
        m_behaviour = Timing();
        const unsigned char v11[4] = {11, 0, 0, 0};
        m_image = dfuimage::MakeImage("Kuzo_Audio_DRW40#5011", v11, 8192);
        m_afterAction = nullptr;
        m_afterEnd = nullptr;
    }

    static int Word(sim::DeviceId headset, WORD key) {
        std::vector<BYTE> v;
        return sim::GetPsKey(headset, key, &v) && v.size() >= 2 ? v[0] | v[1] << 8 : -1;
    }
    int Word(WORD key) const { return Word(m_headset, key); }

    static void ExpectHolds(sim::DeviceId headset, const Identity& identity) {
        EXPECT_EQ(identity.productId, Word(headset, kProductId));
        EXPECT_EQ(identity.usbProductId, Word(headset, kUsbProductId));
        EXPECT_EQ(identity.dfuProductId, Word(headset, kDfuProductId));
        std::vector<BYTE> name;
        sim::GetPsKey(headset, kProductString, &name);
        EXPECT_EQ(StringKey(identity.productString), name);
    }

    // The headset's own product id was refused on its way back.
    bool ProductIdPutBackWasRefused() const {
        for (const sim::PsWrite& w : sim::PsWriteLog())
            if (w.device == m_headset && w.key == kProductId && !w.accepted && w.value.size() == 2 &&
                (w.value[0] | w.value[1] << 8) == 0x5060)
                return true;
        return false;
    }

    // DEVICE RECOGNITION, NEXT: the road a headset plugged in again takes.
    void RecogniseAgain(CUpdaterDlg& dlg) {
        dlg.ShowRecognitionPage(TRUE, nullptr, 0);
        ::SendMessageW(Item(dlg, IDC_NEXT), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitIdle(dlg));
    }

    // The headset plugged in again, starting on its normal firmware, and
    // recognised.
    void PlugInAgain(CUpdaterDlg& dlg) {
        sim::SetDfuMode(m_headset, false);
        sim::SetPresent(m_headset, true);
        RecogniseAgain(dlg);
    }

    // The headset left in firmware-management mode as 0x5011 is recognised
    // as such and takes the 0x5011 image (of the version given) from there,
    // its restart failing or not. No box says that another device is there.
    void UpdateFromManagementMode(CUpdaterDlg& dlg, unsigned char version, bool restartFails, const Row& row) {
        ExpectHolds(m_headset, kGiven);
        RecogniseAgain(dlg);
        CString status;
        dlg.GetStatusText(&status);
        EXPECT_NE(-1, status.Find(L"Firmware management mode")) << status.GetString();
        ASSERT_EQ(PAGE_FIRMWARE_UPDATE, dlg.m_nPage);
        ASSERT_TRUE(WaitIdle(dlg));
        sim::DfuBehaviour behaviour = Timing();
        behaviour.vanishDuringManifest = restartFails;
        sim::SetDfuBehaviour(m_headset, behaviour);
        const unsigned char v[4] = {version, 0, 0, 0};
        WriteImageFile(L"Kuzo_Audio_DRW40_v1.1.img", dfuimage::MakeImage("Kuzo_Audio_DRW40#5011", v, 8192));
        m_asked.clear();
        dlg.m_updatePage.m_editFile.SetWindowText((m_folder + L"Kuzo_Audio_DRW40_v1.1.img").c_str());
        faultmatrix::Follower follow(dlg);
        follow.Run(row, [&] { ::SendMessageW(Item(dlg, IDC_ACTION), BM_CLICK, 0, 0); });
        EXPECT_EQ(std::wstring(row.endText), follow.Result().endText) << follow.Texts();
        ASSERT_TRUE(WaitIdle(dlg));
        for (const AskedBox& box : m_asked) EXPECT_EQ(-1, box.text.Find(L"A device other than")) << box.text.GetString();
    }

    // The road of a recognised DRW40 of the batch: the image chosen, ACTION.
    void RunUpdate(CUpdaterDlg& dlg, const Row& row, const std::function<void()>& afterAction) {
        RunUpdateOf(dlg, row, afterAction, 0x5060, 4, L"DRW40", L"Kuzo_Audio_DRW40_v1.1.img");
    }

    // Meanwhile a Vela Morn T, no headset of the batch, is plugged in and
    // updated to 1.2; then it is unplugged.
    void UpdateAVelaMornT(CUpdaterDlg& dlg) {
        sim::DfuBehaviour behaviour;
        const sim::DeviceId vela = PlugInVelaMornT(10, 0x0005, &behaviour);
        sim::SetDfuBehaviour(vela, behaviour);
        const unsigned char v12[4] = {12, 0, 0, 0};
        WriteImageFile(L"Vela_Morn_T_v1.2.img", dfuimage::MakeImage("Vela_Morn_T#2110", v12, 8192));
        RunUpdateOf(dlg, {"a Vela Morn T updated", [] {}, kUpdated, true, 420}, nullptr, 0x2110, 1, L"Vela Morn T",
                    L"Vela_Morn_T_v1.2.img");
        std::vector<BYTE> version;
        sim::GetPsKey(vela, kVersion, &version);
        EXPECT_EQ(12, version.empty() ? -1 : version[0]);
        sim::SetPresent(vela, false);
    }

    void RunUpdateOf(CUpdaterDlg& dlg, const Row& row, const std::function<void()>& afterAction, int model,
                     int major, const wchar_t* name, const wchar_t* image) {
        Recognise(dlg, model);
        dlg.m_deviceRecord.m_version.Set(major, model == 0x5060 ? 2 : 0, 0, 0, 0);
        dlg.m_deviceRecord.m_strDeviceName = name;
        dlg.m_nUsbStatus = model;
        dlg.GoToPage(PAGE_FIRMWARE_UPDATE);
        ASSERT_TRUE(WaitIdle(dlg));
        dlg.m_updatePage.m_editFile.SetWindowText((m_folder + image).c_str());
        faultmatrix::Follower follow(dlg);
        follow.Run(row, [&] {
            ::SendMessageW(Item(dlg, IDC_ACTION), BM_CLICK, 0, 0);
            if (afterAction) afterAction();
        });
        EXPECT_EQ(std::wstring(row.endText), follow.Result().endText) << follow.Texts();
        m_outcome = follow.Result();
    }

    void RunRow(const BatchRow& batch, std::vector<faultmatrix::Outcome>* outcomes) {
        const Row& row = batch.row;
        SCOPED_TRACE(row.fault);
        BuildWorld();
        row.apply();
        sim::SetDfuBehaviour(m_headset, m_behaviour);
        WriteImageFile(L"Kuzo_Audio_DRW40_v1.1.img", m_image);
        m_asked.clear();
        m_answers.assign(row.answers.begin(), row.answers.end());
        RunWizard([&](CUpdaterDlg& dlg) {
            ASSERT_TRUE(WaitIdle(dlg));
            RunUpdate(dlg, row, m_afterAction);
            const faultmatrix::Outcome outcome = m_outcome;
            if (m_afterEnd) m_afterEnd(dlg);
            faultmatrix::Follower(dlg).ExpectUsable();
            outcomes->push_back(outcome);
        });
        // What the headset holds: its store, and the ids it enumerates with
        // when it is plugged in again.
        EXPECT_EQ(batch.holds.productId, Word(kProductId));
        EXPECT_EQ(batch.holds.usbProductId, Word(kUsbProductId));
        EXPECT_EQ(batch.holds.dfuProductId, Word(kDfuProductId));
        std::vector<BYTE> name, version;
        sim::GetPsKey(m_headset, kProductString, &name);
        EXPECT_EQ(batch.holds.productString ? StringKey(batch.holds.productString) : std::vector<BYTE>(), name);
        sim::GetPsKey(m_headset, kVersion, &version);
        EXPECT_EQ(batch.firmware, version.empty() ? -1 : version[0]);
        sim::SetPresent(m_headset, false);
        sim::SetDfuMode(m_headset, false);
        sim::SetPresent(m_headset, true);
        auto listed = sim::ListDfuDevices();
        ASSERT_EQ(1u, listed.size());
        wchar_t pid[16];
        swprintf(pid, 16, L"pid_%04x", batch.holds.usbProductId);
        EXPECT_NE(std::wstring::npos, listed[0].path.find(pid)) << std::string(listed[0].path.begin(), listed[0].path.end());
    }

    sim::DeviceId m_headset = 0;
    sim::DfuBehaviour m_behaviour;
    std::string m_image;
    std::function<void()> m_afterAction;  // right after ACTION, before the switch
    std::function<void(CUpdaterDlg&)> m_afterEnd;  // once the road has ended
    faultmatrix::Outcome m_outcome;  // of the last road RunUpdate followed
};

TEST_F(BatchFaultMatrix, EveryFaultBeforeTheTransferLeavesTheHeadsetItsOwnIdentity) {
    auto b = [this] { return &m_behaviour; };
    const std::vector<WORD> identityKeys = {kProductId, kUsbProductId, kDfuProductId, kProductString};
    const std::vector<BatchRow> rows = {
        {{"none", [] {}, kUpdated, true, 420}, kGiven, 11},
        // Refused writes: what was written goes back, and the image is refused.
        {{"fail_write product id", [&] { sim::SetPsWriteFails(m_headset, kProductId, true); }, kNotFor, false, 60},
         kOwn, 42},
        {{"fail_write USB product id", [&] { sim::SetPsWriteFails(m_headset, kUsbProductId, true); }, kNotFor, false,
          60},
         kOwn, 42},
        {{"fail_write product string", [&] { sim::SetPsWriteFails(m_headset, kProductString, true); }, kNotFor, false,
          60},
         kOwn, 42},
        {{"fail_write every key", [&] { for (WORD k : identityKeys) sim::SetPsWriteFails(m_headset, k, true); },
          kNotFor, false, 60},
         kOwn, 42},
        // A key that cannot be read is written all the same: a headset that
        // takes its product string from its firmware never had the key set.
        {{"fail_read product string", [&] { sim::SetPsReadFails(m_headset, kProductString, true); }, kUpdated, true,
          420},
         kGiven, 11},
        {{"product string never set", [&] { sim::ErasePsKey(m_headset, kProductString); }, kUpdated, true, 420},
         kGiven, 11},
        // Put back after the refused switch, it keeps the string it was given.
        {{"product string never set, refuse_reconfigure",
          [&] {
              sim::ErasePsKey(m_headset, kProductString);
              b()->refuseReconfigure = true;
          },
          L"Failed to update firmware. Cannot get device[8][3]", false, 60},
         kOwnIdsGivenString, 42},
        // The product id taken (after the two keys the update prepares),
        // the USB product id refused, and so is the product id that goes
        // back: the headset is half-changed. Its own identity goes back once
        // its store takes writes again: at the end of the update, or when it
        // is recognised again.
        {{"two write faults in a row",
          [&] {
              sim::SetPsWriteRefusals(m_headset, 3, 2);
              m_afterEnd = [&](CUpdaterDlg&) { EXPECT_TRUE(ProductIdPutBackWasRefused()); };
          },
          kNotFor, false, 60},
         kOwn, 42},
        {{"write faults that outlast the update, recognised again",
          [&] {
              sim::SetPsWriteRefusals(m_headset, 3, 1000);
              m_afterEnd = [&](CUpdaterDlg& dlg) {
                  EXPECT_TRUE(ProductIdPutBackWasRefused());
                  EXPECT_EQ(0x5011, Word(kProductId));
                  EXPECT_EQ(0x5060, Word(kUsbProductId));
                  sim::SetPsWriteRefusals(m_headset, 0, 0);
                  RecogniseAgain(dlg);
                  EXPECT_EQ(0x5060, Word(kProductId));
              };
          },
          kNotFor, false, 60},
         kOwn, 42},
        // The switch refused: the headset still runs its normal firmware and
        // gets its identity back at once.
        {{"refuse_reconfigure", [&] { b()->refuseReconfigure = true; },
          L"Failed to update firmware. Cannot get device[8][3]", false, 60},
         kOwn, 42},
        // Gone between ACTION and the switch, then plugged in again.
        {{"unplugged before the switch", [&] { m_afterAction = [&] { sim::SetPresent(m_headset, false); }; },
          L"Failed to update firmware. Cannot get device[8][2]", false, 60},
         kOwn, 42},
        // It left the bus while it switched, and nothing could reach it. Once
        // it is plugged in again (and starts with the USB ids it was given),
        // DEVICE RECOGNITION puts its own identity back first; from its next
        // start on it is the DRW40 it was.
        {{"vanish_during_reconfigure, plugged in again",
          [&] {
              b()->vanishDuringReconfigure = true;
              m_afterEnd = [&](CUpdaterDlg& dlg) {
                  sim::SetPresent(m_headset, true);
                  RecogniseAgain(dlg);
                  EXPECT_EQ(0x5060, Word(kProductId));
                  sim::SetPresent(m_headset, false);
                  sim::SetPresent(m_headset, true);
                  RecogniseAgain(dlg);
                  EXPECT_TRUE(dlg.m_bRecognized);
                  EXPECT_EQ(0x5060, dlg.m_nTargetModel);
              };
          },
          kCannotUpdate, false, 240},
         kOwn, 42},
        // While its own identity is still due, another headset of the batch
        // is updated; plugged in again, it still gets its own back.
        {{"vanish_during_reconfigure, another batch headset updated meanwhile",
          [&] {
              b()->vanishDuringReconfigure = true;
              m_afterEnd = [&](CUpdaterDlg& dlg) {
                  const sim::DeviceId other = AddBatchHeadset(L"DRW40 batch B", 0x2501);
                  sim::SetDfuBehaviour(other, Timing());
                  RunUpdate(dlg, {"the other headset", [] {}, kUpdated, true, 420}, nullptr);
                  EXPECT_EQ(0x5011, Word(other, kProductId));
                  sim::SetPresent(other, false);
                  sim::SetPresent(m_headset, true);
                  RecogniseAgain(dlg);
                  EXPECT_EQ(0x5060, Word(kProductId));
              };
          },
          kCannotUpdate, false, 240},
         kOwn, 42},
        // Its own identity still due, a headset of another model is updated
        // successfully; plugged in again, it gets its own back all the same.
        {{"vanish_during_reconfigure, a Vela Morn T updated meanwhile",
          [&] {
              b()->vanishDuringReconfigure = true;
              m_afterEnd = [&](CUpdaterDlg& dlg) {
                  UpdateAVelaMornT(dlg);
                  sim::SetPresent(m_headset, true);
                  RecogniseAgain(dlg);
                  ExpectHolds(m_headset, kOwn);
              };
          },
          kCannotUpdate, false, 240},
         kOwn, 42},
        // Two headsets of the batch due: this one is put back, then another
        // model is updated, then the other one is put back too.
        {{"vanish_during_reconfigure, and so does another batch headset; each put back around a Vela Morn T update",
          [&] {
              b()->vanishDuringReconfigure = true;
              m_afterEnd = [&](CUpdaterDlg& dlg) {
                  const sim::DeviceId other = AddBatchHeadset(L"DRW40 batch B", 0x2501);
                  sim::DfuBehaviour vanishing = Timing();
                  vanishing.vanishDuringReconfigure = true;
                  sim::SetDfuBehaviour(other, vanishing);
                  RunUpdate(dlg, {"the other headset", [] {}, kCannotUpdate, false, 240}, nullptr);
                  ExpectHolds(other, kGiven);
                  sim::SetPresent(m_headset, true);
                  RecogniseAgain(dlg);
                  ExpectHolds(m_headset, kOwn);
                  sim::SetPresent(m_headset, false);
                  UpdateAVelaMornT(dlg);
                  sim::SetPresent(other, true);
                  RecogniseAgain(dlg);
                  ExpectHolds(other, kOwn);
                  sim::SetPresent(other, false);
                  sim::SetPresent(m_headset, true);
              };
          },
          kCannotUpdate, false, 240},
         kOwn, 42},
        // Both engines' downloads fail: the headset stays in
        // firmware-management mode with the identity it was given. From
        // there it takes the 0x5011 image whole (of the version it had, so
        // only the completed transfer tells), comes back as the 0x5011 it
        // now is, and keeps that identity.
        {{"download_fail_code = 7 on both engines, then updated from firmware-management mode",
          [&] {
              b()->downloadFailCode = 7;
              b()->downloadFailTimes = 2;
              m_afterEnd = [&](CUpdaterDlg& dlg) {
                  UpdateFromManagementMode(dlg, 42, false,
                                           {"from firmware-management mode", [] {}, kUpdated, true, 420});
                  EXPECT_TRUE(dlg.m_bRecognized);
                  EXPECT_EQ(0x5011, dlg.m_nTargetModel);
              };
          },
          kCannotUpdate, false, 420},
         kGiven, 42},
        // The same, but its restart after that update fails, and another
        // model is updated before it is plugged in again: only the firmware
        // it reports tells, and it keeps the identity.
        {{"download_fail_code = 7 on both engines, then from firmware-management mode the restart fails",
          [&] {
              b()->downloadFailCode = 7;
              b()->downloadFailTimes = 2;
              m_afterEnd = [&](CUpdaterDlg& dlg) {
                  UpdateFromManagementMode(dlg, 11, true,
                                           {"restart fails", [] {}, kCannotUpdate, false, 240});
                  UpdateAVelaMornT(dlg);
                  PlugInAgain(dlg);
                  ExpectHolds(m_headset, kGiven);
                  EXPECT_EQ(0x5011, dlg.m_nTargetModel);
              };
          },
          kCannotUpdate, false, 420},
         kGiven, 11},
        // The image taken whole (of the same version as the firmware it
        // replaces, so only the completed transfer tells), then the restart
        // fails: plugged in again on the new firmware, it keeps the identity.
        {{"vanish_during_manifest, an image of the same version, plugged in again",
          [&] {
              b()->vanishDuringManifest = true;
              const unsigned char v42[4] = {42, 0, 0, 0};
              m_image = dfuimage::MakeImage("Kuzo_Audio_DRW40#5011", v42, 8192);
              m_afterEnd = [&](CUpdaterDlg& dlg) {
                  PlugInAgain(dlg);
                  ExpectHolds(m_headset, kGiven);
                  EXPECT_EQ(0x5011, dlg.m_nTargetModel);
              };
          },
          kCannotUpdate, false, 240},
         kGiven, 42},
        // Its transfer began and failed: it comes back on its old firmware
        // with the identity it was given, and gets its own back.
        {{"vanish_during_download, back on its old firmware",
          [&] {
              b()->vanishDuringDownload = true;
              m_afterEnd = [&](CUpdaterDlg& dlg) {
                  ExpectHolds(m_headset, kGiven);
                  PlugInAgain(dlg);
                  ExpectHolds(m_headset, kOwn);
              };
          },
          L"Failed to update firmware. Cannot get device", false, 240},
         kOwn, 42},
    };
    std::vector<faultmatrix::Outcome> outcomes;
    for (const BatchRow& row : rows) RunRow(row, &outcomes);
    faultmatrix::PrintTable("DRW40 batch update", outcomes);
}

}  // namespace
