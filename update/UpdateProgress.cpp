#include "update/UpdateProgress.h"
#include "update/FirmwareInfo.h"
#include <algorithm>

namespace {

int Capped(int value, int cap) { return std::min(value, std::min(cap, PROGRESS_RUNNING_MAX)); }

// A DFU engine operation that has neither moved nor said anything for the
// limit, or a transfer past its ceiling; the time a wait box is up belongs
// to the user, not to the engine.
bool Stalled(const UpdateModelProfile& p, const ProgressTickInput& in) {
    return p.progress == PROGRESS_DFU && !in.waitBoxOpen &&
           (in.msWithoutProgress > DFU_NO_PROGRESS_LIMIT_MS || in.msOfTransfer > DfuTransferCeilingMs(p));
}

}  // namespace

DWORD DfuTransferCeilingMs(const UpdateModelProfile& p) {
    const DWORD estimateMs = (DWORD)(p.prepareTicks + p.transferTicks + p.restartTicks) * 1000;
    return std::max(3 * estimateMs, DFU_NO_PROGRESS_LIMIT_MS);
}

int AdvanceProgress(const UpdateModelProfile& p, CFirmwareInfo* info, const ProgressTickInput& in,
                    ProgressCounters* c) {
    const int A = p.prepareTicks, T = p.transferTicks, B = p.restartTicks;
    int actions = PROGRESS_NOTHING;
    switch (info->m_nStep) {
    case FW_STEP_IDLE: case FW_STEP_LIST: case FW_STEP_DOWNLOAD: case FW_STEP_STARTED: case FW_STEP_VERIFYING:
        info->m_nProgress = 1;
        break;
    case FW_STEP_VERIFIED:
        info->m_nProgress = p.progress == PROGRESS_TWO_CHIP_HID ? 2 : 5;
        info->m_nWaitTicks = 0;
        break;
    case FW_STEP_RECONFIGURE:
        c->delayTicks = 0;
        if (!in.waitBoxOpen) {
            info->m_nTicks = std::min(info->m_nTicks + 1, A);
            info->m_nProgress = std::min(info->m_nTicks * 100 / (A + T + B) + 5, 15);
        }
        if (Stalled(p, in)) actions |= PROGRESS_STALLED;
        break;
    case FW_STEP_BACKUP_FAILED:
        if (p.backupFailedBox) {
            if (!in.waitBoxOpen) actions |= PROGRESS_SHOW_BACKUP_FAILED;
        } else {
            actions |= PROGRESS_STOP_TIMER;
        }
        break;
    case FW_STEP_TRANSFER:
        switch (p.progress) {
        case PROGRESS_TWO_CHIP_HID:
        case PROGRESS_PACKAGE:
        case PROGRESS_VOICE_PROMPT:
            info->m_nTicks = std::min(info->m_nTicks + 1, T);
            info->m_nProgress = Capped(info->m_nTicks * 100 / (T + B) + 2, p.progress == PROGRESS_VOICE_PROMPT ? 97 : 77);
            break;
        case PROGRESS_USER_ACTION:
            if (!info->m_bAwaitingUserAction) {
                info->m_nTicks = std::min(info->m_nTicks + 1, T);
                info->m_nProgress = Capped(info->m_nTicks * 100 / (T + B) + 2, PROGRESS_RUNNING_MAX);
                if (in.waitBoxOpen) actions |= PROGRESS_CLOSE_WAIT_BOX;
            } else if (!in.waitBoxOpen) {
                actions |= PROGRESS_SHOW_PRESS_AND_HOLD;
            }
            break;
        case PROGRESS_VEHICLE:
            info->m_nProgress = Capped(info->m_nProgress + 1, PROGRESS_RUNNING_MAX);
            if (info->m_nProgress >= 50 && info->m_nProgress <= 55 && !info->m_bStatusReceived)
                actions |= PROGRESS_CANNOT_GET_STATUS;
            break;
        case PROGRESS_DFU:
            if (!in.waitBoxOpen && in.downloadStarted) {
                if (p.slowStart && c->delayTicks < 1) {
                    ++c->delayTicks;
                } else {
                    info->m_nTicks = std::min(info->m_nTicks + 1, T);
                }
                info->m_nProgress = Capped(info->m_nTicks * 100 / (T + B) + 15, 90);
            } else {
                ++info->m_nWaitTicks;
                // Nobody pressed the key within the box's time: the device
                // never got ready, and the update cannot go on.
                if (in.waitBoxOpen && info->m_nWaitTicks > T * 3 / 2)
                    actions |= PROGRESS_CLOSE_WAIT_BOX | PROGRESS_STALLED;
            }
            // The estimate may run out long before a slow transfer does; only
            // an engine that stopped moving ends it.
            if (Stalled(p, in)) actions |= PROGRESS_STALLED;
            break;
        }
        break;
    case FW_STEP_RESTARTING:
        if (p.progress == PROGRESS_TWO_CHIP_HID ||
            ((p.progress == PROGRESS_USER_ACTION || p.progress == PROGRESS_VOICE_PROMPT) && !info->m_bAwaitingUserAction)) {
            info->m_nTicks = std::max(info->m_nTicks + 1, T);
            info->m_nTicks = std::min(info->m_nTicks, T + B);
            info->m_nProgress = Capped(info->m_nTicks * 100 / (T + B) + 2, 98);
        } else if (p.progress == PROGRESS_USER_ACTION || p.progress == PROGRESS_VOICE_PROMPT) {
            if (!in.waitBoxOpen) actions |= PROGRESS_SHOW_PRESS_AND_HOLD;
        } else if (!in.waitBoxOpen) {
            if (p.slowStart && c->delayTicks < 3) {
                ++c->delayTicks;
            } else {
                info->m_nTicks = std::min(info->m_nTicks + 1, B);
            }
            int progress = info->m_nTicks * 100 / B + 90;
            if (progress > 98) {
                progress = 98;
                ++c->finishTicks;
                if (c->finishTicks > 10) actions |= PROGRESS_RESTART_OVERDUE;
            }
            info->m_nProgress = progress;
        } else {
            ++info->m_nWaitTicks;
            if (info->m_nWaitTicks > B * 3 / 2) {
                actions |= PROGRESS_CLOSE_WAIT_BOX;
                c->finishTicks = 0;
            }
        }
        break;
    default:
        break;
    }
    return actions;
}

int MainDialogProgress(const UpdateModelProfile& p, int progress, int activeEngine) {
    if (p.dfuDevices < 2 || progress < 0) return progress;
    return activeEngine == 2 ? progress / 2 + 50 : progress / 2;
}
