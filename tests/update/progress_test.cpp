// The progress estimate per model group and the model descriptions the
// dispatch reads.
#include <gtest/gtest.h>
#include "core/ModelUsb.h"
#include "update/FirmwareInfo.h"
#include "update/UpdateModels.h"
#include "update/UpdateProgress.h"

namespace {

struct Tick {
    int progress;
    int actions;
};

Tick Ticks(int model, int step, int ticks, ProgressTickInput in = {}, int times = 1, ProgressCounters* c = nullptr,
         int awaiting = 0) {
    CFirmwareInfo info;
    info.m_nStep = step;
    info.m_nTicks = ticks;
    info.m_nProgress = 0;
    info.m_bAwaitingUserAction = awaiting;
    ProgressCounters local;
    if (!c) c = &local;
    int actions = 0;
    for (int i = 0; i < times; ++i) actions |= AdvanceProgress(GetUpdateProfile(model), &info, in, c);
    return {info.m_nProgress, actions};
}

TEST(UpdateProgress, PhasesPerModelGroup) {
    ProgressTickInput transfer;
    transfer.downloadStarted = true;
    struct Case {
        const char* name;
        int model, step, ticks;
        ProgressTickInput in;
        int expected;
    };
    const Case cases[] = {
        {"preparing", 0x2110, FW_STEP_VERIFYING, 0, {}, 1},
        {"verified", 0x2110, FW_STEP_VERIFIED, 0, {}, 5},
        {"verified, two-chip HID", 0x4310, FW_STEP_VERIFIED, 0, {}, 2},
        // DFU headset 0x2110: A 20, T 360, B 20.
        {"reconfigure", 0x2110, FW_STEP_RECONFIGURE, 9, {}, 10 * 100 / 400 + 5},
        {"reconfigure capped at 15", 0x2110, FW_STEP_RECONFIGURE, 400, {}, 20 * 100 / 400 + 5},
        {"transfer", 0x2110, FW_STEP_TRANSFER, 179, transfer, 180 * 100 / 380 + 15},
        {"transfer capped at 90", 0x2110, FW_STEP_TRANSFER, 360, transfer, 90},
        {"transfer waits for the device", 0x2110, FW_STEP_TRANSFER, 100, {}, 0},
        {"restart", 0x2110, FW_STEP_RESTARTING, 0, {}, 1 * 100 / 20 + 90},
        {"restart held at 98", 0x2110, FW_STEP_RESTARTING, 4, {}, 98},
        // Every other model: 20, 420, 20.
        {"unlisted DFU model", 0x4D10, FW_STEP_TRANSFER, 209, transfer, 210 * 100 / 440 + 15},
        {"0x5210", 0x5210, FW_STEP_TRANSFER, 39, transfer, 40 * 100 / 95 + 15},
        // Two-chip HID: 5, 245, 40.
        {"two-chip transfer", 0x4310, FW_STEP_TRANSFER, 99, {}, 100 * 100 / 285 + 2},
        {"two-chip transfer capped at 77", 0x4310, FW_STEP_TRANSFER, 245, {}, 77},
        {"two-chip restart starts at T", 0x4310, FW_STEP_RESTARTING, 0, {}, 245 * 100 / 285 + 2},
        {"two-chip restart capped at 98", 0x4310, FW_STEP_RESTARTING, 300, {}, 98},
        // Voice-prompt group: 5, 500, 65, capped at 97.
        {"voice-prompt transfer", 0x3110, FW_STEP_TRANSFER, 499, {}, 500 * 100 / 565 + 2},
        // Package group and 0x3500: capped at 77.
        {"package transfer", 0x6010, FW_STEP_TRANSFER, 250, {}, 77},
        {"0x3500 transfer", 0x3500, FW_STEP_TRANSFER, 240, {}, 77},
        {"user-action transfer at its end", 0x5510, FW_STEP_TRANSFER, 300, {}, 300 * 100 / 310 + 2},
        {"user-action transfer midway", 0x5510, FW_STEP_TRANSFER, 154, {}, 155 * 100 / 310 + 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, Ticks(c.model, c.step, c.ticks, c.in).progress);
    }
}

TEST(UpdateProgress, SlowStartModelsBeginLate) {
    ProgressTickInput transfer;
    transfer.downloadStarted = true;
    ProgressCounters c;
    // 0x3020: the first transfer tick only counts the delay.
    EXPECT_EQ(15, Ticks(0x3020, FW_STEP_TRANSFER, 0, transfer, 1, &c).progress);
    EXPECT_EQ(1, c.delayTicks);
    EXPECT_EQ(1 * 100 / 293 + 15, Ticks(0x3020, FW_STEP_TRANSFER, 0, transfer, 1, &c).progress);
    // The restart waits until the delay count reaches 3.
    EXPECT_EQ(90, Ticks(0x3020, FW_STEP_RESTARTING, 0, {}, 2, &c).progress);
    EXPECT_EQ(3, c.delayTicks);
    // Others advance at once.
    ProgressCounters d;
    EXPECT_EQ(1 * 100 / 440 + 15, Ticks(0x4D10, FW_STEP_TRANSFER, 0, transfer, 1, &d).progress);
}

TEST(UpdateProgress, RestartOverdueAfterTenTicksAt98) {
    ProgressCounters c;
    Tick t = Ticks(0x2110, FW_STEP_RESTARTING, 20, {}, 10, &c);
    EXPECT_EQ(98, t.progress);
    EXPECT_EQ(0, t.actions & PROGRESS_RESTART_OVERDUE);
    t = Ticks(0x2110, FW_STEP_RESTARTING, 20, {}, 1, &c);
    EXPECT_NE(0, t.actions & PROGRESS_RESTART_OVERDUE);
    EXPECT_EQ(98, t.progress);
}

TEST(UpdateProgress, WaitBoxesAndStalls) {
    ProgressTickInput box;
    box.waitBoxOpen = true;
    // A DFU wait box stays at most 1.5 T in the transfer, 1.5 B in the restart.
    EXPECT_EQ(0, Ticks(0x2110, FW_STEP_TRANSFER, 0, box, 540).actions & PROGRESS_CLOSE_WAIT_BOX);
    EXPECT_NE(0, Ticks(0x2110, FW_STEP_TRANSFER, 0, box, 541).actions & PROGRESS_CLOSE_WAIT_BOX);
    EXPECT_NE(0, Ticks(0x2110, FW_STEP_RESTARTING, 0, box, 31).actions & PROGRESS_CLOSE_WAIT_BOX);
    // Only an engine that stopped moving ends a DFU update: a slow transfer
    // held at 90 % for three times its estimate is not ended while it moves.
    ProgressTickInput moving;
    moving.downloadStarted = true;
    moving.msWithoutProgress = DFU_NO_PROGRESS_LIMIT_MS / 2;
    EXPECT_EQ(0, Ticks(0x5210, FW_STEP_TRANSFER, 0, moving, 240).actions & PROGRESS_STALLED);
    ProgressTickInput stuck = moving;
    stuck.msWithoutProgress = DFU_NO_PROGRESS_LIMIT_MS + 1;
    EXPECT_NE(0, Ticks(0x5210, FW_STEP_TRANSFER, 0, stuck).actions & PROGRESS_STALLED);
    stuck.downloadStarted = false;  // waiting for a device that never gets going
    EXPECT_NE(0, Ticks(0x5210, FW_STEP_TRANSFER, 0, stuck).actions & PROGRESS_STALLED);
    EXPECT_NE(0, Ticks(0x2110, FW_STEP_RECONFIGURE, 0, stuck).actions & PROGRESS_STALLED);
    // The time a wait box is up is the user's; the HID paths have their own ends.
    stuck.waitBoxOpen = true;
    EXPECT_EQ(0, Ticks(0x2110, FW_STEP_TRANSFER, 0, stuck).actions & PROGRESS_STALLED);
    stuck.waitBoxOpen = false;
    EXPECT_EQ(0, Ticks(0x4310, FW_STEP_TRANSFER, 0, stuck).actions & PROGRESS_STALLED);
    // User-action models ask for the press-and-hold box while the device waits.
    EXPECT_NE(0, Ticks(0x5510, FW_STEP_TRANSFER, 0, {}, 1, nullptr, 1).actions & PROGRESS_SHOW_PRESS_AND_HOLD);
    EXPECT_NE(0, Ticks(0x5510, FW_STEP_TRANSFER, 0, box, 1).actions & PROGRESS_CLOSE_WAIT_BOX);
    // A failed archive: a box for the HID paths, the timer stops for the DFU ones.
    EXPECT_NE(0, Ticks(0x4310, FW_STEP_BACKUP_FAILED, 0).actions & PROGRESS_SHOW_BACKUP_FAILED);
    EXPECT_NE(0, Ticks(0x5345, FW_STEP_BACKUP_FAILED, 0).actions & PROGRESS_SHOW_BACKUP_FAILED);
    EXPECT_NE(0, Ticks(0x2110, FW_STEP_BACKUP_FAILED, 0).actions & PROGRESS_STOP_TIMER);
}

TEST(UpdateProgress, VehicleModuleNeedsTheLoadersReport) {
    CFirmwareInfo info;
    info.m_nStep = FW_STEP_TRANSFER;
    info.m_nProgress = 49;
    ProgressCounters c;
    EXPECT_NE(0, AdvanceProgress(GetUpdateProfile(0x5345), &info, {}, &c) & PROGRESS_CANNOT_GET_STATUS);
    info.m_nProgress = 49;
    info.m_bStatusReceived = 1;
    EXPECT_EQ(0, AdvanceProgress(GetUpdateProfile(0x5345), &info, {}, &c) & PROGRESS_CANNOT_GET_STATUS);
    info.m_nProgress = 99;
    AdvanceProgress(GetUpdateProfile(0x5346), &info, {}, &c);
    EXPECT_EQ(99, info.m_nProgress);
}

TEST(UpdateProgress, TwoChipHeadsetShowsEachChipInItsHalf) {
    const UpdateModelProfile& two = GetUpdateProfile(0x5310);
    EXPECT_EQ(30, MainDialogProgress(two, 60, 1));
    EXPECT_EQ(80, MainDialogProgress(two, 60, 2));
    EXPECT_EQ(60, MainDialogProgress(GetUpdateProfile(0x2110), 60, 2));
}

TEST(UpdateModels, PathsOfTheDispatch) {
    struct Case { int model; UpdatePath path; };
    const Case cases[] = {
        {0x4210, UPDATE_PATH_VERSION_GATED}, {0x4350, UPDATE_PATH_TWO_CHIP_PACKAGE},
        {0x5345, UPDATE_PATH_VEHICLE_MODULE}, {0x5346, UPDATE_PATH_DFU}, {0xD340, UPDATE_PATH_DFU},
        {0x3500, UPDATE_PATH_VOICE_PROMPT}, {0x5920, UPDATE_PATH_CAMERA}, {0x5416, UPDATE_PATH_SWITCH_FIRST},
        {0x6022, UPDATE_PATH_INLINE_SWITCH}, {0x2110, UPDATE_PATH_DFU}, {0x5310, UPDATE_PATH_DFU},
        {0x3020, UPDATE_PATH_DFU},
    };
    for (const Case& c : cases) EXPECT_EQ(c.path, GetUpdateProfile(c.model).path) << std::hex << c.model;
    EXPECT_EQ(2, GetUpdateProfile(0x5310).dfuDevices);
    EXPECT_FALSE(GetUpdateProfile(0x5310).pressAndHoldBox);
    EXPECT_TRUE(GetUpdateProfile(0x2110).pressAndHoldBox);
    EXPECT_TRUE(GetUpdateProfile(0x4D40).prepareKeys);
    EXPECT_FALSE(GetUpdateProfile(0x2110).prepareKeys);
    EXPECT_TRUE(GetUpdateProfile(0x3116).hidReadyCheck);
    EXPECT_FALSE(GetUpdateProfile(0x5345).hidReadyCheck);
    EXPECT_TRUE(GetUpdateProfile(0x5345).moduleReadyCheck);
    EXPECT_EQ(END_MESSAGE_PAIR_AGAIN, GetUpdateProfile(0x5011).endMessage);
    EXPECT_EQ(END_MESSAGE_CAMERA_RECONNECT, GetUpdateProfile(0x3020).endMessage);
    EXPECT_EQ(END_MESSAGE_NONE, GetUpdateProfile(0x2110).endMessage);
}

// The in-line switch and two-interface ids come from the one USB
// description of each model, which the scan, the checks before an update
// and the dispatch all read.
TEST(UpdateModels, SwitchAndTwoInterfaceIdsFromTheUsbDescription) {
    for (int model : {0x6020, 0x6022, 0x6024}) {
        const ModelUsbIds* usb = GetModelUsbIds(model);
        ASSERT_NE(nullptr, usb);
        EXPECT_TRUE(IsInlineSwitchNormalId(model));
        EXPECT_TRUE(IsInlineSwitchUpdateId(usb->updateId));
        EXPECT_FALSE(IsInlineSwitchUpdateId(model));
        EXPECT_EQ(model + 1, usb->updateId);
        EXPECT_EQ(usb, FindModelUsbIdsByProductId(usb->updateId));
    }
    const ModelUsbIds* unit = GetModelUsbIds(0x5310);
    ASSERT_NE(nullptr, unit);
    EXPECT_EQ(0xD310, unit->updateId);
    EXPECT_EQ(unit->devices, GetUpdateProfile(0x5310).dfuDevices);
    EXPECT_FALSE(IsInlineSwitchUpdateId(0xD310));
    EXPECT_EQ(nullptr, GetModelUsbIds(0x4210));  // a HID headset: no USB description
    int ids[32];
    EXPECT_EQ(16, GetModelUsbProductIds(ids, 32));
}

}  // namespace
