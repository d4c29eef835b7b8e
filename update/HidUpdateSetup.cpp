#include "update/HidUpdateSetup.h"
#include "app/AppPaths.h"
#include "app/UpdaterDlg.h"
#include "update/HidCameraCopyUpdate.h"
#include "update/HidPackageTransfer.h"
#include "update/HidVersionGatedUpdate.h"
#include "update/HidVoicePromptUpdate.h"
#include "update/VehicleModuleUpdate.h"

HidUpdateProcedure GetHidUpdateProcedure(HidUpdatePathKind kind) {
    switch (kind) {
    case HID_PATH_VERSION_GATED: return &HidVersionGatedUpdateThread;
    case HID_PATH_TWO_CHIP_PACKAGE: return &HidPackageUpdateThreadB;
    case HID_PATH_VEHICLE_MODULE: return &BluetoothCanModuleUpdateThread;
    case HID_PATH_VOICE_PROMPT: return &HidVoicePromptUpdateThread;
    case HID_PATH_CAMERA: return &HidUpdateWithCameraCopyThread;
    case HID_PATH_SWITCH_FIRST: return &HidPackageUpdateThread;
    case HID_PATH_NONE: break;
    }
    return nullptr;
}

std::shared_ptr<HidUpdateJob> MakeHidUpdateJob(CUpdaterDlg* main, CFirmwareInfo* active,
                                               CFirmwareInfo* updatePageInfo, CFirmwareInfo* restorePageInfo,
                                               HWND page) {
    auto job = std::make_shared<HidUpdateJob>();
    job->packagePath = active->m_strFirmwarePath;
    job->page = main->m_nPage;
    job->targetModel = main->m_nTargetModel;
    job->usbStatus = main->m_nUsbStatus;
    job->firmwareLanguage = main->m_strFirmwareLanguage;
    job->programFolder = apppaths::ProgramFolder();
    job->device1 = &main->m_hHidDevice;
    job->device2 = &main->m_hHidDevice2;
    job->info = active;
    job->pageInfo = updatePageInfo;
    job->otherInfo = restorePageInfo != active ? restorePageInfo : nullptr;
    job->threadWait = &main->m_bThreadWait;
    // Reads and writes one HID settings block: no window is involved.
    job->writeDeviceModeBits = [main](const hw::CDeviceHandle* device, BYTE code) {
        return main->WriteDeviceModeBits(device, code);
    };
    job->startPostUpdateTimer = [page] { ::PostMessageW(page, WM_UPDATE_START_POST_TIMER, 0, 0); };
    return job;
}
