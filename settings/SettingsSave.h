// The start and the two endings that the saves of the three settings pages
// share: the activity status and the busy state while the headset is
// written; on success the device record takes the written values and the
// headset is recognised again; on failure the page stays as it is, edits
// included, with the failure in the status line and in a box.
#pragma once
#include <functional>
#include "core/DeviceRecord.h"
#include "settings/SettingsWrite.h"

class CUpdaterDlg;

// Posted to a settings page when the writes of its save have ended on their
// worker: wParam the SettingsWriteResult.
const UINT WM_SETTINGS_SAVE_WRITTEN = WM_APP + 320;

class CSettingsSave {
public:
    // refreshPage relabels and re-enables the page's controls (they follow
    // the busy state).
    CSettingsSave(CUpdaterDlg& main, std::function<void()> refreshPage);

    // The activity text as a normal status, busy set, everything refreshed.
    void Start();

    // Runs the save's writes. A HID headset is written on a worker, so that
    // the window keeps answering (repaints, the busy state) however slow the
    // headset is; its result is posted to page as WM_SETTINGS_SAVE_WRITTEN,
    // and Write returns true. Nothing else uses the headset meanwhile: the
    // wizard stays busy until the page has called Finish. The
    // persistent-store road runs here: false, with *result.
    bool Write(HWND page, std::function<SettingsWriteResult()> write, SettingsWriteResult* result);

    // Success: busy cleared, the device record := working (without its
    // version blocks), then recognition runs again and goes on to
    // pendingPage, or back to the current page when none is pending.
    // Failure: busy cleared, the status line "<page failure>. <reason>" in
    // every language as an error, and a box: for a wrong device the text
    // that the recognised device is not connected, for a failed write that
    // the settings were not written and the changes are kept. The working
    // record, the device record and the page stay as they are.
    void Finish(SettingsWriteResult result, const CDeviceRecord& working, int pendingPage);

private:
    void EndBusy();

    CUpdaterDlg& m_main;
    std::function<void()> m_refreshPage;
};
