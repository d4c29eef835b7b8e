// The start of an update: ACTION, the dispatch by model group, the DFU
// path and the pre-checks of the HID paths, which hand over to their
// workers through one table.
#include "update/DialogFirmwareUpdate.h"
#include "app/AppPaths.h"
#include "app/UpdaterDlg.h"
#include "core/HidChannel.h"
#include "core/HidDevice.h"
#include "core/ModelUsb.h"
#include "core/VersionCompare.h"
#include "framework/Clock.h"
#include "texts/MessageTexts.h"
#include "texts/WizardTexts.h"
#include "update/DfuDevices.h"
#include "update/DfuPreparation.h"
#include "recognition/HidInterfaces.h"
#include "update/HidUpdateSetup.h"
#include "update/ImageIdentity.h"
#include "update/SettingsArchive.h"
#include "update/UpdateHidDevices.h"
#include "update/UpdateModels.h"
#include "update/UpdateStatusTexts.h"

namespace {

// Clock time the pre-checks, which run on the UI thread, wait without any
// report: a headset that stopped answering fails them in seconds, one that
// reports pending is waited for up to the channel's bound.
const DWORD kPreCheckReplyMs = 5000;

BOOL AskOnUiThread(const hw::CDeviceHandle* device, BYTE* request, BYTE* reply) {
    return HidTransactWithin(device, request, reply, kPreCheckReplyMs);
}

// The version a HID interface reports ({1, 0x01}: bytes 3 to 6 of the
// reply); how the exchange ended.
HidExchangeEnd AskHidVersion(const hw::CDeviceHandle* device, int out[4]) {
    if (!device || !*device) return HID_NOT_SENT;
    BYTE request[1023] = {1, 0x01};
    BYTE reply[67] = {};
    HidExchangeEnd end = HidExchange(device, request, reply, kPreCheckReplyMs);
    if (end == HID_ANSWERED)
        for (int i = 0; i < 4; ++i) out[i] = reply[3 + i];
    return end;
}

// The same; FALSE when the exchange fails.
BOOL QueryHidVersion(const hw::CDeviceHandle* device, int out[4]) {
    return AskHidVersion(device, out) == HID_ANSWERED ? TRUE : FALSE;
}

// A failed query never passes for a version.
BOOL HidVersionMatches(const hw::CDeviceHandle* device, const CDeviceVersion& recorded) {
    int v[4];
    if (!QueryHidVersion(device, v)) return FALSE;
    return CompareVersionQuad(recorded.m_nMajor, recorded.m_nMinor, recorded.m_nSecondaryVersionType,
                              recorded.m_nSecondaryVersion, v[0], v[1], v[2], v[3], FALSE) == 0;
}

HidUpdatePathKind HidKindOf(int path) {
    switch (path) {
    case UPDATE_PATH_VERSION_GATED: return HID_PATH_VERSION_GATED;
    case UPDATE_PATH_TWO_CHIP_PACKAGE: return HID_PATH_TWO_CHIP_PACKAGE;
    case UPDATE_PATH_VEHICLE_MODULE: return HID_PATH_VEHICLE_MODULE;
    case UPDATE_PATH_VOICE_PROMPT: return HID_PATH_VOICE_PROMPT;
    case UPDATE_PATH_CAMERA: return HID_PATH_CAMERA;
    case UPDATE_PATH_SWITCH_FIRST: return HID_PATH_SWITCH_FIRST;
    default: return HID_PATH_NONE;
    }
}

}  // namespace

void CDialogFirmwareUpdate::StartFirmwareUpdate() { StartUpdate(false); }

void CDialogFirmwareUpdate::ContinueFirmwareUpdate() { StartUpdate(true); }

void CDialogFirmwareUpdate::StartUpdate(bool dfuOnly) {
    CUpdaterDlg* main = MainDialog();
    StopPostUpdateTimer();
    m_firmwareInfo.m_nStep = FW_STEP_STARTED;
    m_firmwareInfo.ClearStatusTexts();
    main->m_bBusy = TRUE;
    main->UpdateControls();
    UpdateControls();
    int selected = m_comboVoicePrompt.GetCount() > 0 ? m_comboVoicePrompt.GetCurSel() : -1;
    if (selected >= 0 && selected < m_firmwareInfo.m_nCount)
        main->m_strFirmwareLanguage = m_firmwareInfo.m_astrLanguages[selected];
    CString path;
    m_editFile.GetWindowText(path);
    m_firmwareInfo.m_strFirmwarePath = path;
    if (dfuOnly) RunDfuFirmwareUpdate();
    else RunFirmwareUpdate();
    SetTimer(kTimerProgress, 1000);
}

void CDialogFirmwareUpdate::BeginUpdateTexts(CFirmwareInfo* info) {
    CUpdaterDlg* main = MainDialog();
    const int page = main->m_nPage;
    info->m_nError = 0;
    SetActivityTexts(info, page, page == PAGE_FIRMWARE_UPDATE ? TextOf(GetTextMsgCheckingFirmware)
                                                              : TextOf(GetTextMsgCheckingBackupFirmware));
    info->m_nProgress = 0;
    info->m_bFinished = 0;
    info->m_bAwaitingUserAction = 0;
    info->CloseWaitBox();
    info->m_nError = 1;
    m_counters = ProgressCounters();
}

void CDialogFirmwareUpdate::RunFirmwareUpdate() {
    CFirmwareInfo* info = ActiveFirmwareInfo();
    BeginUpdateTexts(info);
    const int path = GetUpdateProfile(MainDialog()->m_nTargetModel).path;
    // The HID roads share their pre-check and hand over to the worker of
    // their path (GetHidUpdateProcedure).
    switch (path) {
    case UPDATE_PATH_DFU: RunDfuPath(true); break;
    case UPDATE_PATH_INLINE_SWITCH: RunInlineSwitch(); break;
    default: StartHidPath(path); break;
    }
}

void CDialogFirmwareUpdate::RunDfuFirmwareUpdate() {
    BeginUpdateTexts(ActiveFirmwareInfo());
    RunDfuPath(false);
}

void CDialogFirmwareUpdate::RunInlineSwitch() {
    CUpdaterDlg* main = MainDialog();
    CFirmwareInfo* info = ActiveFirmwareInfo();
    // The headset restarts into update mode meanwhile: 3 + 4 + 3 + 1 s after
    // the request, 1 + 1 s when it is there already. The wizard stays busy
    // (with the wait cursor) and its window answers all along.
    DWORD waitMs = 2000;
    if (main->m_nUsbStatus < 0x8000) {
        main->m_hHidDevice = OpenHidDevice((WORD)main->m_nTargetModel);
        if (!main->m_hHidDevice || !HidVersionMatches(&main->m_hHidDevice, main->m_deviceRecord.m_version)) {
            FailUpdate(info, main->m_nPage, TextOf(GetTextMsgNotRecognizedDevice));
            m_bAutoUpdate = 0;
            return;
        }
        BYTE request[1023] = {1, 0x0E};
        BYTE reply[67] = {};
        AskOnUiThread(&main->m_hHidDevice, request, reply);
        waitMs = 11000;
    }
    SetTimer(kTimerSwitchWait, waitMs);
}

void CDialogFirmwareUpdate::FinishInlineSwitch() {
    CUpdaterDlg* main = MainDialog();
    if (ActiveFirmwareInfo()->m_bFinished) return;
    // The headset is in update mode now: the id it shows there.
    if (IsInlineSwitchNormalId(main->m_nUsbStatus))
        main->m_nUsbStatus = FindModelUsbIdsByProductId(main->m_nUsbStatus)->updateId;
    RunDfuPath(true);
}

void CDialogFirmwareUpdate::StartHidPath(int path) {
    CUpdaterDlg* main = MainDialog();
    CFirmwareInfo* info = ActiveFirmwareInfo();
    const int model = main->m_nTargetModel;
    const CDeviceRecord& record = main->m_deviceRecord;
    auto fail = [&](const wchar_t* code) {
        FailUpdate(info, main->m_nPage, TextOf(GetTextMsgNotRecognizedDevice), code);
        m_bAutoUpdate = 0;
    };

    // Pre-check on the target's own interfaces, opened here.
    switch (path) {
    case UPDATE_PATH_VEHICLE_MODULE: {
        if (!OpenUpdateHidDevices(&main->m_hHidDevice, &main->m_hHidDevice2, 2)) return fail(L"[0]");
        // The module's versions are asked for, not compared; a query given
        // up ends the pre-check all the same: its late reply must not meet
        // the worker's first request.
        int v[4];
        if (AskHidVersion(&main->m_hHidDevice, v) == HID_UNANSWERED ||
            AskHidVersion(&main->m_hHidDevice2, v) == HID_UNANSWERED)
            return fail(L"[0]");
        break;
    }
    case UPDATE_PATH_SWITCH_FIRST: {
        main->m_hHidDevice = OpenHidDevice((WORD)model);
        BYTE request[1023] = {1, 0x0E};
        BYTE reply[67] = {};
        if (main->m_hHidDevice) AskOnUiThread(&main->m_hHidDevice, request, reply);
        main->ResetDeviceHandles();
        // The headset comes back in update mode within 3 s; the window
        // answers meanwhile (FinishSwitchFirst goes on).
        m_nSwitchingPath = path;
        SetTimer(kTimerSwitchWait, 3000);
        return;
    }
    default: {
        main->CloseDeviceHandles();
        main->m_hHidDevice = OpenHidDevice((WORD)model);
        if (!main->m_hHidDevice) return fail(L"");
        const CDeviceVersion& expected =
            path == UPDATE_PATH_CAMERA ? record.m_version : record.m_versionChip1;
        if (!HidVersionMatches(&main->m_hHidDevice, expected)) return fail(L"");
        if (path == UPDATE_PATH_VERSION_GATED || path == UPDATE_PATH_TWO_CHIP_PACKAGE) {
            // The second chip answers on the second interface of the same
            // product id: both are opened again, in the order of the bus.
            if (!OpenHeadsetInterfaces(*main, model, model) ||
                !HidVersionMatches(&main->m_hHidDevice2, record.m_versionChip2))
                return fail(L"");
        }
        break;
    }
    }
    StartHidWorker(path);
}

void CDialogFirmwareUpdate::FinishSwitchFirst() {
    CUpdaterDlg* main = MainDialog();
    CFirmwareInfo* info = ActiveFirmwareInfo();
    const int path = m_nSwitchingPath;
    m_nSwitchingPath = 0;
    if (info->m_bFinished) return;
    main->m_hHidDevice = OpenHidDevice((WORD)main->m_nTargetModel);
    if (!main->m_hHidDevice || !HidVersionMatches(&main->m_hHidDevice, main->m_deviceRecord.m_version)) {
        FailUpdate(info, main->m_nPage, TextOf(GetTextMsgNotRecognizedDevice), L"");
        m_bAutoUpdate = 0;
        return;
    }
    StartHidWorker(path);
}

void CDialogFirmwareUpdate::StartHidWorker(int path) {
    CUpdaterDlg* main = MainDialog();
    CFirmwareInfo* info = ActiveFirmwareInfo();
    HidUpdateProcedure procedure = GetHidUpdateProcedure(HidKindOf(path));
    if (!procedure) {
        FailUpdate(info, main->m_nPage, TextOf(GetTextMsgCannotUpdateFirmware));
        m_bAutoUpdate = 0;
        return;
    }
    g_pMainDialog = main;
    g_pFirmwareInfo = info;
    auto job = MakeHidUpdateJob(main, info, &m_firmwareInfo, &main->m_restorePage.m_firmwareInfo, m_hWnd);
    job->writeSettingsArchive = [main] { return main->m_updatePage.WriteSettingsArchive(main); };
    job->clearAutoUpdate = [this] { ::InterlockedExchange((volatile LONG*)&m_bAutoUpdate, 0); };
    job->resetTransferState = [this] {
        ::InterlockedExchange((volatile LONG*)&m_dfu.m_nWaitEventCount, 0);
        ::InterlockedExchange((volatile LONG*)&m_dfu.m_bDownloadStarted, 1);
    };
    if (m_hidJob) ::InterlockedExchange(&m_hidJob->cancel, 1);
    m_hidJob = job;
    if (!hidupdate::StartWorker(procedure, job)) {
        FailUpdate(info, main->m_nPage, TextOf(GetTextMsgCannotUpdateFirmware));
        m_bAutoUpdate = 0;
    }
}

void CDialogFirmwareUpdate::RunDfuPath(bool fromDispatch) {
    CUpdaterDlg* main = MainDialog();
    DfuPreparation p;
    p.info = ActiveFirmwareInfo();
    p.page = main->m_nPage;
    p.targetModel = main->m_nTargetModel;
    p.usbStatus = main->m_nUsbStatus;
    p.device = &main->m_deviceRecord;
    p.withCodes = fromDispatch ? TRUE : FALSE;
    p.imageFolder = apppaths::ImageFolder();
    p.writeArchive = [this] { return WriteSettingsArchive(nullptr); };
    BOOL batchIdentity = FALSE;
    if (!PrepareDfuUpdate(p, &batchIdentity)) {
        m_bAutoUpdate = 0;
        return;
    }
    m_dfu.SetBatchIdentityRewrite(batchIdentity != FALSE, p.withCodes ? L"[9][6]" : L"");
    m_dfu.BeginTransferPhase();
    m_dfu.StartReconfigure();
    p.info->m_nStep = FW_STEP_RECONFIGURE;
    if (p.info->m_bFinished) m_bAutoUpdate = 0;
}

int CDialogFirmwareUpdate::PrepareDfuDevice() {
    CUpdaterDlg* main = MainDialog();
    return CheckImageIdentityOverUsb(ActiveFirmwareInfo()->m_strFirmwarePath, main->m_deviceRecord.m_nModelId,
                                     main->m_nTargetModel) != IMAGE_NOT_FOR_HEADSET;
}

BOOL CDialogFirmwareUpdate::WriteSettingsArchive(CUpdaterDlg* main) {
    if (!main) main = MainDialog();
    if (!main) return FALSE;
    return WriteSettingsArchiveFile(&main->m_deviceRecord, main->m_nTargetModel, apppaths::ImageFolder());
}

int CDialogFirmwareUpdate::CheckDeviceReady() {
    CUpdaterDlg* main = MainDialog();
    // A HID worker still owns the headset's interfaces: they are neither
    // closed nor opened under it. Not back yet.
    if (m_hidJob && ::InterlockedCompareExchange(&m_hidJob->running, 0, 0)) return FALSE;
    const int model = main->m_nTargetModel;
    const UpdateModelProfile& profile = GetUpdateProfile(model);
    if (profile.hidReadyCheck) {
        main->CloseDeviceHandles();
        BOOL ok;
        if (profile.path == UPDATE_PATH_VERSION_GATED || profile.path == UPDATE_PATH_TWO_CHIP_PACKAGE) {
            // Both chips restarted: the headset is back only when both of
            // its interfaces are.
            ok = OpenHeadsetInterfaces(*main, model, model);
        } else {
            main->m_hHidDevice = OpenHidDevice((WORD)model);
            ok = main->m_hHidDevice ? TRUE : FALSE;
        }
        if (!ok) main->CloseDeviceHandles();
        return ok;
    }
    if (profile.moduleReadyCheck) {
        main->CloseDeviceHandles();
        BOOL ok = OpenUpdateHidDevices(&main->m_hHidDevice, &main->m_hHidDevice2, 2);
        if (!ok) main->CloseDeviceHandles();
        return ok;
    }
    return IsDfuHeadsetBackOnUsb(model, m_dfu.m_nActiveEngine);
}
