// The start of a HID update path from the wizard: the job filled from the
// main dialog's state and the active firmware-info record, and the worker
// chosen by the target model. The update dispatch calls these after its
// pre-check; the page keeps the job to cancel it and to see when it ends.
#pragma once
#include "update/HidUpdateJob.h"

class CUpdaterDlg;

// The six HID update paths.
enum HidUpdatePathKind {
    HID_PATH_NONE,
    HID_PATH_VERSION_GATED,     // 0x4210
    HID_PATH_TWO_CHIP_PACKAGE,  // two interfaces, no model check
    HID_PATH_VEHICLE_MODULE,    // 0x5345
    HID_PATH_VOICE_PROMPT,
    HID_PATH_CAMERA,
    HID_PATH_SWITCH_FIRST,
};

// The worker of a path; null for HID_PATH_NONE.
typedef UINT (*HidUpdateProcedure)(HidUpdateJob&);
HidUpdateProcedure GetHidUpdateProcedure(HidUpdatePathKind kind);

// A job for the update the main dialog describes: the package of the active
// record, the page shown, the target model, the voice-prompt language, the
// main dialog's HID interfaces and wait flag; the post-update timer request
// is posted to page. The caller adds the page's own callbacks.
std::shared_ptr<HidUpdateJob> MakeHidUpdateJob(CUpdaterDlg* main, CFirmwareInfo* active,
                                               CFirmwareInfo* updatePageInfo, CFirmwareInfo* restorePageInfo,
                                               HWND page);
