// The FIRMWARE UPDATE page (wizard page 3): the image file to write, the
// latest version on the firmware server with its voice-prompt languages,
// Browse and Download, and the update that ACTION starts. Its one-second
// progress timer follows every update, also the one the restore page
// starts, through the active firmware-info record.
#pragma once
#include "framework/Framework.h"
#include "app/WizardButton.h"
#include "app/WizardPage.h"
#include "core/DownloadJob.h"
#include "update/DfuUpdateFlow.h"
#include "update/FirmwareInfo.h"
#include "update/UpdateProgress.h"
#include <memory>

struct FirmwareListResult;
struct HidUpdateJob;
struct UpdateModelProfile;

// Posted by the DFU engine's notifications: one queued event waits.
const UINT WM_DFU_CALLBACK_EVENT = WM_USER + 1;
// Posted by the page's downloads when they end; lParam is the job's cookie.
const UINT WM_FIRMWARE_LIST_DONE = WM_USER + 1201;
const UINT WM_FIRMWARE_IMAGE_DONE = WM_USER + 1202;

class CDialogFirmwareUpdate : public CWizardPage, private IDfuFlowHost {
public:
    explicit CDialogFirmwareUpdate(CWnd* parent = nullptr);
    ~CDialogFirmwareUpdate() override;

    CFirmwareInfo m_firmwareInfo;
    CDfuUpdateFlow m_dfu;
    int m_bAutoUpdate = 0;          // the accepted new-firmware prompt runs download and update on its own
    UINT_PTR m_nRunningTimer = 0;   // the post-update timer while it runs
    int m_nPostUpdatePolls = 0;
    ProgressCounters m_counters;
    CString m_strProcessLog;

    CStatic m_staticFileCaption;    // 1027
    CEdit m_editFile;               // 1028
    CWizardButton m_btnBrowse;      // 1029
    CStatic m_staticLatest;         // 1030
    CWizardButton m_btnDownload;    // 1031
    CComboBox m_comboVoicePrompt;   // 1032
    CStatic m_staticVoiceCaption;   // 1035
    CStatic m_staticInstructions;   // 1207

    // Entry of page 3: resets the page and starts the server-list check.
    void ResetPage();
    // Relabels and lays out the page in the UI language.
    void UpdateControls();
    // ACTION on page 3.
    void StartFirmwareUpdate();
    // OK of a box that a DFU update waited on.
    void ContinueFirmwareUpdate();
    // The update dispatch by model (also called by the restore page).
    void RunFirmwareUpdate();
    // The DFU path alone.
    void RunDfuFirmwareUpdate();
    // Nonzero when the updated device is back and usable.
    int CheckDeviceReady();
    // 1 when the server's firmware is to be offered to the headset.
    int IsNewerFirmwareAvailable();
    // 1 when the active record's image is meant for the headset.
    int PrepareDfuDevice();
    // The settings archive of the target model from the main dialog's record
    // (null: this page's main dialog).
    BOOL WriteSettingsArchive(CUpdaterDlg* main);
    // The record the running update writes: this page's on page 3, else the restore page's.
    CFirmwareInfo* ActiveFirmwareInfo();

    static const UINT_PTR kTimerServerList = 201;
    static const UINT_PTR kTimerProgress = 203;
    static const UINT_PTR kTimerPostUpdate = 205;
    static const UINT_PTR kTimerDownload = 206;
    // The DFU flow's wait for the headset before its engines start.
    static const UINT_PTR kTimerDeviceWait = 207;
    // The wait while a headset switches into update mode (in line, or
    // before a HID package update).
    static const UINT_PTR kTimerSwitchWait = 208;
    // Post-update polls before the device counts as lost, and their period.
    static const int kPostUpdatePollLimit = 600;
    static const UINT kPostUpdatePollMs = 500;
    // Progress ticks at 98 % after which a restart that never ends fails.
    static const int kRestartTickLimit = 300;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnTimer(UINT_PTR nIDEvent);
    void OnBnClickedBrowse();
    void OnBnClickedDownload();
    LRESULT OnDfuCallbackEvent(WPARAM, LPARAM);
    LRESULT OnStartPostTimer(WPARAM, LPARAM);
    LRESULT OnFirmwareListDone(WPARAM, LPARAM cookie);
    LRESULT OnFirmwareImageDone(WPARAM, LPARAM cookie);
    DECLARE_MESSAGE_MAP()

private:
    // Timers. The list and the image are fetched on workers; the rest
    // follows when their messages arrive.
    void CheckServerList();
    // The list as read on the worker, or null when it could not be fetched.
    void ServerListArrived(const FirmwareListResult* list);
    void DownloadFirmware();
    void DownloadEnded(int result);
    CDownloadJobHolder m_listJob;
    CDownloadJobHolder m_imageJob;
    void ProgressTick();
    void PostUpdateStep();

    void StartUpdate(bool dfuOnly);
    void BeginUpdateTexts(CFirmwareInfo* info);
    void RunDfuPath(bool fromDispatch);
    void RunInlineSwitch();
    void FinishInlineSwitch();
    void StartHidPath(int path);
    void FinishSwitchFirst();
    void StartHidWorker(int path);
    void EndUpdate(CFirmwareInfo* info);
    void FinishSuccessfully(CFirmwareInfo* info);
    void MoveStatusTexts(CFirmwareInfo* info);
    void ShowWaitBox(const CString& text, BOOL withOk, int width, int height);
    BOOL MoveCameraFirmware();
    void StopPostUpdateTimer();
    void LayoutDownloadButton(BOOL comboShown);

    // IDfuFlowHost
    CFirmwareInfo* ActiveRecord() override { return ActiveFirmwareInfo(); }
    int TargetModel() override;
    int UsbStatus() override;
    int CurrentPage() override;
    void PostDfuEvent() override;
    void ShowPressAndHoldBox(BOOL twoKeys) override;
    void CloseWaitBox() override;
    void StartPostUpdateCheck() override;
    BOOL PostUpdateCheckRunning() override { return m_nRunningTimer != 0; }
    void OnTransferComplete() override { m_counters.finishTicks = 0; }
    void ArmDeviceWait(DWORD ms) override;

    CFont m_fontBold;
    std::shared_ptr<HidUpdateJob> m_hidJob;
    int m_nSwitchingPath = 0;  // the HID path waiting for its headset's switch, else 0
};
