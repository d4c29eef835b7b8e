// The running update as the page follows it: the one-second progress tick
// (timer 203), the end of an update, and the post-update step (timer 205).
#include "update/DialogFirmwareUpdate.h"
#include "app/AppPaths.h"
#include "app/DialogMessageBox.h"
#include "app/UpdaterDlg.h"
#include "hardware/HardwareApi.h"
#include "texts/MessageTexts.h"
#include "texts/UpdatePageTexts.h"
#include "texts/WizardTexts.h"
#include "update/DfuPreparation.h"
#include "update/HidUpdateJob.h"
#include "update/UpdateModels.h"
#include "update/UpdateStatusTexts.h"
#include "update/VehicleModuleUpdate.h"

void CDialogFirmwareUpdate::MoveStatusTexts(CFirmwareInfo* info) {
    CUpdaterDlg* main = MainDialog();
    for (int i = 0; i < STATUS_LANGUAGES; ++i) {
        CString text;
        if (info->TakeStatusText(i, &text)) main->SetStatusTextForLanguage(text, i);
    }
    CString current;
    main->GetStatusText(&current);
    main->ShowStatusText(current, info->m_nError != 0);
    main->UpdateControls();
}

void CDialogFirmwareUpdate::ProgressTick() {
    CUpdaterDlg* main = MainDialog();
    CFirmwareInfo* info = ActiveFirmwareInfo();
    const UpdateModelProfile& profile = GetUpdateProfile(main->m_nTargetModel);
    if (info->m_bFinished) {
        // A worker that is still running (the page has ended the update
        // itself) is told to stop, and the wizard stays busy until it has:
        // nothing else may use the device meanwhile.
        if (m_hidJob && ::InterlockedCompareExchange(&m_hidJob->running, 0, 0)) {
            ::InterlockedExchange(&m_hidJob->cancel, 1);
            MoveStatusTexts(info);
            return;
        }
        EndUpdate(info);
        return;
    }
    if (info->m_nProgress >= 0) {
        ProgressTickInput in;
        in.waitBoxOpen = info->m_pWaitBox != nullptr;
        in.downloadStarted = m_dfu.m_bDownloadStarted != 0;
        // While a wait box is up the update waits for the user, not the engine.
        m_dfu.NoteWaitBox(info->m_pWaitBox != nullptr);
        in.msWithoutProgress = m_dfu.MsWithoutProgress();
        in.msOfTransfer = m_dfu.MsOfTransfer();
        const int actions = AdvanceProgress(profile, info, in, &m_counters);
        if (actions & PROGRESS_CLOSE_WAIT_BOX) CloseWaitBox();
        if (actions & PROGRESS_SHOW_PRESS_AND_HOLD) ShowPressAndHoldBox(FALSE);
        if (actions & PROGRESS_SHOW_BACKUP_FAILED) {
            CString text;
            main->GetBackupFailedText(&text);
            ShowWaitBox(text, TRUE, 500, 180);
        }
        if (actions & PROGRESS_STOP_TIMER) KillTimer(kTimerProgress);
        if (actions & PROGRESS_CANNOT_GET_STATUS) {
            // The module's worker is told to stop; the record says why, with its code.
            if (m_hidJob && m_hidJob->info == info && !m_hidJob->Cancelled()) ReportCannotGetStatus(*m_hidJob);
            else FailUpdate(info, main->m_nPage, TextOf(GetTextMsgCannotGetStatus));
        }
        if (actions & PROGRESS_STALLED) FailUpdate(info, main->m_nPage, TextOf(GetTextMsgCannotUpdateFirmware));
        if (actions & PROGRESS_RESTART_OVERDUE) {
            // The restart phase is over: done once the device is back; a
            // device that never comes back fails the update.
            if (CheckDeviceReady()) FinishSuccessfully(info);
            else if (m_counters.finishTicks > kRestartTickLimit)
                FailUpdate(info, main->m_nPage, TextOf(GetTextMsgCannotGetDevice));
        }
        main->m_nProgress = MainDialogProgress(profile, info->m_nProgress, m_dfu.m_nActiveEngine);
    }
    MoveStatusTexts(info);
}

void CDialogFirmwareUpdate::FinishSuccessfully(CFirmwareInfo* info) {
    StopPostUpdateTimer();
    CloseWaitBox();
    info->m_nError = 0;
    info->m_bFinished = 1;
    info->m_nProgress = 100;
    CUpdaterDlg* main = MainDialog();
    main->m_nProgress = 100;
    main->UpdateControls();
}

void CDialogFirmwareUpdate::EndUpdate(CFirmwareInfo* info) {
    CUpdaterDlg* main = MainDialog();
    const int page = main->m_nPage;
    const int model = main->m_nTargetModel;
    m_bAutoUpdate = 0;
    KillTimer(kTimerProgress);
    StopPostUpdateTimer();
    CloseWaitBox();
    m_dfu.EndUpdate();
    info->m_nStep = FW_STEP_IDLE;
    main->m_bBusy = FALSE;
    main->UpdateControls();
    if (page == PAGE_FIRMWARE_UPDATE) UpdateControls();
    else main->m_restorePage.RefreshPage();
    info->m_nWaitTicks = info->m_nTicks = info->m_nTicks2 = 0;

    // Success is what the update reports, never a percentage alone.
    if (info->m_nError == 0) {
        // A restore is whole only once recognition has written the archived
        // settings back: it says so itself.
        if (page == PAGE_FIRMWARE_UPDATE) {
            info->SetStatusTexts([&](int language) {
                CString s;
                GetTextPageSuccess(s, page, main->m_nUsbStatus, language);
                return s;
            });
        }
        info->m_nProgress = 100;
        main->m_nProgress = 100;
        MoveStatusTexts(info);
        CString text;
        SIZE size{0, 0};
        int icon = 1;
        switch (GetUpdateProfile(model).endMessage) {
        case END_MESSAGE_PAIR_AGAIN:
            GetTextMsgPairAgainAdvice(text, main->m_nLanguage);
            size = SIZE{530, 160};
            break;
        case END_MESSAGE_RESTART_HEADSET: {
            CString success, format;
            GetTextPageSuccess(success, page, main->m_nUsbStatus, main->m_nLanguage);
            GetTextMsgRestartHeadsetAdvice(format, main->m_nLanguage);
            text.Format(format, (const wchar_t*)success);
            size = SIZE{380, 145};
            icon = 0;
            break;
        }
        case END_MESSAGE_CAMERA_RECONNECT:
            main->m_bWaitBeforeOk = TRUE;
            GetTextMsgCameraReconnectSteps(text, main->m_nLanguage);
            size = SIZE{550, 180};
            break;
        case END_MESSAGE_NONE: break;
        }
        if (!text.IsEmpty()) {
            CDialogMessageBox box(main);
            CString ok;
            GetTextOk(ok, main->m_nLanguage);
            box.Setup(text, icon, nullptr, ok, &size);
            box.DoModal();
            main->m_bWaitBeforeOk = FALSE;
        }
        // Recognition writes a restore's archived settings back onto the
        // headset as it is now (restarted, for the units the box asks to
        // power off and on), and reports how that went.
        CDeviceRecord* writeBack = page == PAGE_FIRMWARE_UPDATE ? nullptr : &main->m_restorePage.m_backupRecord;
        main->ShowRecognitionPage(FALSE, writeBack, page);
        return;
    }
    MoveStatusTexts(info);
    if (info->m_nError == 2) {
        CString text, ok;
        GetTextMsgRecognizedDeviceNotConnected(text, main->m_nLanguage);
        GetTextOk(ok, main->m_nLanguage);
        CDialogMessageBox box(main);
        SIZE size{400, 165};
        box.Setup(text, 1, nullptr, ok, &size);
        box.DoModal();
        main->ShowWelcomePage();
    }
}

void CDialogFirmwareUpdate::PostUpdateStep() {
    CUpdaterDlg* main = MainDialog();
    CFirmwareInfo* info = ActiveFirmwareInfo();
    if (info->m_bFinished) {
        StopPostUpdateTimer();
        return;
    }
    if (!CheckDeviceReady()) {
        // A device that never comes back ends the update as a failure.
        if (++m_nPostUpdatePolls > kPostUpdatePollLimit) {
            StopPostUpdateTimer();
            FailUpdate(info, main->m_nPage, TextOf(GetTextMsgCannotGetDevice));
        }
        return;
    }
    StopPostUpdateTimer();
    CloseWaitBox();
    const int model = main->m_nTargetModel;
    const UpdateModelProfile& profile = GetUpdateProfile(model);
    if (profile.dfuDevices > 1 && m_dfu.m_nActiveEngine != 2) {
        // The second chip: the same image through the second engine.
        if (!m_dfu.StartSecondReconfigure()) {
            FailUpdate(info, main->m_nPage, TextOf(GetTextMsgCannotGetDevice));
        } else {
            info->m_nError = 0;
            m_dfu.BeginTransferPhase();
            info->m_nWaitTicks = info->m_nTicks2 = info->m_nTicks = 0;
            info->m_nProgress = 50;
            info->m_nStep = FW_STEP_RECONFIGURE;
        }
    } else if (profile.cameraPackage && !MoveCameraFirmware()) {
        FailUpdate(info, main->m_nPage, TextOf(GetTextMsgCameraFirmwareUpdateFailed));
    } else {
        info->m_nError = 0;
        info->m_bFinished = 1;
        info->m_nProgress = 100;
    }
    main->m_nProgress = info->m_nProgress;
    main->UpdateControls();
}

BOOL CDialogFirmwareUpdate::MoveCameraFirmware() {
    const hw::HardwareApi& api = hw::Api();
    const CString folder = apppaths::ImageFolder();
    const DWORD drives = api.GetLogicalDrives();
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        if (!(drives & (1u << (letter - L'A')))) continue;
        CString root;
        root.Format(L"%c:\\", letter);
        if (api.GetDriveTypeW(root) != DRIVE_REMOVABLE) continue;
        HANDLE marker = api.CreateFileW(root + L"kelto.bin", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (marker == INVALID_HANDLE_VALUE) continue;
        api.CloseHandle(marker);
        // The camera's drive: the firmware goes there; the parts stay in
        // the image folder unless it arrived.
        const CString target = root + L"hne40_100.bin";
        api.DeleteFileW(target);
        if (!api.MoveFileW(folder + kCameraFirmwarePart, target)) return FALSE;
        ::DeleteFileW(folder + kCameraFirmwarePart);
        ::DeleteFileW(folder + kCameraBluetoothPart);
        return TRUE;
    }
    return FALSE;
}
