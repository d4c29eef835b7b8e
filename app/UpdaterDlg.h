// The main wizard dialog. It embeds the seven pages as child dialogs of its
// page frame, holds the state they share (current page, target model,
// recognised device, busy flags, language, status line, configuration) and
// runs the step buttons, the setting groups, BACK / ACTION / NEXT, the
// popup menu and the configuration file.
#pragma once
#include "framework/Framework.h"
#include "app/AppConfig.h"
#include "app/MyStatic.h"
#include "app/PageFrame.h"
#include "app/WizardButton.h"
#include "core/DeviceRecord.h"
#include "core/ModelCatalog.h"
#include "hardware/HardwareApi.h"
#include "recognition/DialogDeviceRecognition.h"
#include "recognition/DialogDeviceSelection.h"
#include "restore/DialogFirmwareRestore.h"
#include "settings/DialogDeviceSetting.h"
#include "settings/DialogDeviceSettingSecond.h"
#include "settings/DialogDeviceSettingSpeedDial.h"
#include "update/DialogFirmwareUpdate.h"

// The wizard's pages.
typedef int WizardPage;
const WizardPage PAGE_WELCOME = 1;
const WizardPage PAGE_RECOGNITION = 2;
const WizardPage PAGE_FIRMWARE_UPDATE = 3;
const WizardPage PAGE_FIRMWARE_RESTORE = 4;
const WizardPage PAGE_DEVICE_SETTING = 5;
const WizardPage PAGE_FM_RADIO = 6;
const WizardPage PAGE_SPEED_DIAL = 7;

// The wizard page that shows a setting-page kind, and the kind a page shows;
// 0 for anything else.
WizardPage PageOfKind(int kind);
int KindOfPage(int page);

const int STATUS_LANGUAGES = 13;

class CUpdaterDlg : public CDialog {
public:
    explicit CUpdaterDlg(CWnd* parent = nullptr);
    ~CUpdaterDlg() override;

    // Shared state.
    int m_nPage = PAGE_WELCOME;
    int m_nTargetModel = 0;
    BOOL m_bRecognized = FALSE;
    int m_nUsbStatus = 0;
    // The device-type byte recognition read from a 0x4210 headset, for its
    // picture (0 until then): a refresh never asks the headset.
    int m_nHidDeviceType = 0;
    // The two open HID interfaces (empty when none); closed with the dialog.
    hw::CDeviceHandle m_hHidDevice;
    hw::CDeviceHandle m_hHidDevice2;
    BOOL m_bBusy = FALSE;
    // The wizard closes once the save that its closing asked for went through
    // (a HID save runs on a worker).
    BOOL m_bCloseAfterSave = FALSE;
    BOOL m_bPopupOpen = FALSE;
    BOOL m_bThreadWait = FALSE;
    BOOL m_bWaitBeforeOk = FALSE;
    int m_nProgress = -1;
    CDeviceRecord m_deviceRecord;
    int m_nSettingPageCount = 0;
    int m_anSettingPageKind[SETTING_PAGE_KINDS_MAX] = {};
    int m_nSettingPageIndex = 0;
    int m_nLanguage = 0;
    BOOL m_bApplyToFirmwareLanguage = TRUE;
    CString m_strFirmwareLanguage = L"English";
    CString m_strCurrentPath;
    CBrush m_brushBackground;

    // The status line: one text per UI language, shown in the current one.
    // Guarded by m_csStatus; use the operations below from any thread.
    BOOL m_bStatusOk = TRUE;
    CString m_astrStatusText[STATUS_LANGUAGES];
    CString m_strStatusText2;  // secondary status text beside the progress

    // The pages.
    CPageFrame m_pageFrame;
    CDialogDeviceSelection m_selectionPage;
    CDialogDeviceRecognition m_recognitionPage;
    CDialogFirmwareUpdate m_updatePage;
    CDialogFirmwareRestore m_restorePage;
    CDialogDeviceSetting m_settingPage;
    CDialogDeviceSettingSecond m_settingSecondPage;
    CDialogDeviceSettingSpeedDial m_speedDialPage;

    // The central refresh of step buttons, BACK / ACTION / NEXT, captions,
    // device picture, progress and status line.
    void UpdateControls();

    // Status line.
    void BuildActivityStatusTexts(CString* out);
    void SetStatusTextForLanguage(CString text, int language);
    void GetStatusText(CString* out);
    void ShowStatusText(CString text, BOOL error);
    // Sets all 13 texts to the page's instruction line and shows it (normal).
    void SetPageStatusLine(int page);

    // Page switches.
    void ShowWelcomePage();
    void ShowRecognitionPage(BOOL updateStatusLine, CDeviceRecord* restoreRecord, int nextPage);
    void ShowFirmwareUpdatePage(BOOL updateStatusLine);
    void ShowFirmwareRestorePage(BOOL updateStatusLine);
    void ShowDeviceSettingPage(BOOL updateStatusLine);
    void ShowDeviceSettingSecondPage(BOOL updateStatusLine);
    void ShowSpeedDialPage(BOOL updateStatusLine);
    void GoToPage(int page);
    int FindSettingGroup(int page);
    void GetSaveChangesPrompt(CString* out);

    // Device helpers.
    BOOL IsSameDeviceFamily(int modelId);
    void CloseDeviceHandles();
    void ResetDeviceHandles();
    int WriteDeviceModeBits(const hw::CDeviceHandle* device, BYTE code);
    UINT GetDevicePictureId(int modelId);

    // Language.
    void ApplyLanguage(int language, BOOL applyToFirmware);

    // Texts of the main dialog in the UI language.
    void GetDiagnosticLogMenuText(CString* out);
    void GetPressAndHoldText(CString* out);
    void GetPressAndHoldTwoKeysText(CString* out);
    void GetBackupFailedText(CString* out);

    // Handlers other pages and boxes call.
    void OnBnClickedAction();
    void OnBnClickedNext();
    void OnBnClickedBack();
    void OnBnClickedBasicGroup();
    void OnBnClickedGroupList();
    void OnLbnSelchangeGroupList();

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The popup menu's commands.
    void OnMenuLanguage();
    void OnMenuHelp();
    void OnMenuDiagnosticLog();
    void OnMenuAbout();
    void OnMenuExit();

    // Writes the configuration and ends the wizard, unless busy or one of
    // the program's boxes is open above it.
    BOOL CloseWizard();
    // Opens the popup menu; from the keyboard (point -1, -1) under the
    // focused control.
    void OpenPopupMenu(CPoint point);

    static const UINT_PTR kTimerStart = 100;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnClose();
    void OnDestroy();
    void OnTimer(UINT_PTR nIDEvent);
    void OnPaint();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnStepWelcome();
    void OnStepRecognition();
    void OnStepUpdate();
    void OnStepRestore();
    void OnStepSetting();
    void OnLbnKillfocusGroupList();
    DECLARE_MESSAGE_MAP()

private:
    // Shows the window of one page and hides the others.
    void ShowPageWindow(int page);
    CDialog* PageWindow(int page);
    // The settings page shown as page 5, 6 or 7 asks about unsaved changes
    // before another page is shown; TRUE when the switch must stop here.
    BOOL LeaveSettingsPage(int wantedPage);
    // Before the wizard closes on a settings page with unsaved changes: asks,
    // and saves on YES; TRUE when the wizard must stay open.
    BOOL StaysOpenForUnsavedChanges();
    // The switch to page 3 to 7; FALSE when it went to page 1 or 2 instead.
    BOOL EnterDevicePage(int page, BOOL updateStatusLine);
    void EnterSettingsPage(int page, BOOL updateStatusLine);
    // The page of the selected setting group, or of the first one.
    int SelectedSettingPage() const;
    void ResetDeviceState();
    void OpenGroupList();
    void CloseGroupList();
    void SelectGroup(int index);
    // The focus to the first control of the page shown; FALSE when it has none.
    BOOL FocusShownPage();
    void UpdateStepButtons();
    void UpdateGroupControls();
    void UpdateNavigationButtons();
    void UpdateDevicePicture();
    void UpdateProgress();
    void ShowStoredStatusText();
    void LoadConfig();
    void SaveConfig();
    void CreatePages();
    // The page column as wide and as high as the WELCOME picture, with
    // NEXT's right edge under the picture's.
    void FitPageColumnToPicture();
    // Every page as large as the page frame that shows it.
    void FitPagesToFrame();
    // Around the busy state: the focus it takes away (buttons are disabled)
    // is given back when it ends; a focus lost otherwise goes to NEXT, or
    // into the page shown, or to the first control that can take it.
    void KeepFocusBeforeBusy();
    void RescueFocus();

    CCriticalSection m_csStatus;
    CAppConfig m_config;
    CWizardButton m_btnStep[5];
    CWizardButton m_btnGroupBasic, m_btnGroupList;
    CWizardButton m_btnBack, m_btnAction, m_btnNext;
    CListBox m_listGroups;
    CMyStatic m_staticStatus;
    CMyStatic m_staticTitle;
    CMyStatic m_staticDevice;
    CProgressCtrl m_progress;
    CBitmap m_bmpDevice;
    UINT m_nDevicePictureId = 0;
    CBitmap m_bmpBanner;
    CFont m_fontTitle;
    CFont m_fontBold;
    HICON m_hIcon = nullptr;
    BOOL m_bMenuF10Pending = FALSE;
    HWND m_hFocusBeforeBusy = nullptr;  // given back when the busy state ends  // Shift+F10 opened the menu; its release is swallowed
};

// The main wizard dialog that holds a page: the parent of the page's parent.
CUpdaterDlg* GetMainDialog(CWnd* page);
// The main dialog, for the worker threads (set while the dialog exists).
extern CUpdaterDlg* g_pMainDialog;
