// The FIRMWARE RESTORE page (wizard page 4). On entry it reads the target
// model's settings archive, fetches the server's backup list and shows what
// the archive recorded; ACTION downloads the backup image of the archived
// firmware and hands it to the update page's update flow.
#pragma once
#include "framework/Framework.h"
#include "app/WizardPage.h"
#include "core/DeviceRecord.h"
#include "grid/ConfigListCtrl.h"
#include "grid/ConfigListOwner.h"
#include "restore/BackupList.h"
#include "restore/SettingsArchive.h"
#include "update/FirmwareInfo.h"

class CDialogFirmwareRestore : public CWizardPage, public CConfigListOwner {
public:
    explicit CDialogFirmwareRestore(CWnd* parent = nullptr);

    int m_nSettingPageCount = 0;
    int m_anSettingPageKind[3] = {};
    int m_nSettingPageIndex = 0;
    BOOL m_bArchiveRead = FALSE;     // the archive was looked for since the page was entered
    // Its backup-available flag enables ACTION; it holds the images the server
    // offers for the archived version (file and voice-prompt language pairs),
    // the chosen image, the version words of the match and the status texts.
    CFirmwareInfo m_firmwareInfo;
    CDeviceRecord m_backupRecord;    // the headset as the archive recorded it
    CArchivedKeys m_archivedKeys;    // the keys the archive held (only those are written back)
    int m_nLastDownloadResult = -1;  // the last image download's BACKUP_DOWNLOAD_* code

    CStatic m_staticTitle, m_staticVersionLabel, m_staticVersion;
    CComboBox m_comboVoicePrompt;  // control 1034
    CStatic m_staticVoiceLabel, m_staticDateLabel, m_staticDate;
    CStatic m_staticRowLabel[6], m_staticRowValue[6];
    CConfigListCtrl m_listFeatures;  // control 1202: the backup settings grid (text only)

    // Entry of page 4; mode nonzero when the status line is to be updated.
    void EnterPage(int mode);
    // Brings the shown rows, the voice-prompt list and the grid in line with the data.
    void RefreshPage();
    // Writes the title, version, date and row texts of the backup.
    void ShowBackupInfoLabels();
    // Rows 1-3: the backup's three speed-dial numbers.
    void ShowSpeedDialRows();
    // ACTION on page 4: downloads the chosen backup image.
    void StartRestore();
    // Fills the backup settings grid (the per-model backup view); empty until then.
    void FillBackupFeatureList();
    // The page title in a UI language (English outside 1-12).
    static CString GetTitleText(int language);

    void HideAllValueControls();
    void ShowValueRows(BOOL show);
    void UpdateFeatureListVisibility();
    void SetListColumnWidths();

    // The setting names of the backup grid stand right-aligned, next to
    // their values, while this page is the one shown.
    BOOL IsConfigListFirstColumnRightAligned(const CConfigListCtrl& list) const override;

    static const UINT_PTR kTimerLoadBackupInfo = 202;
    static const UINT_PTR kTimerUpdateProgress = 203;  // the update page's

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnBackupListDone(WPARAM wParam, LPARAM lParam);
    LRESULT OnBackupDownloadDone(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // Timer 202: reads the archive and asks the server for its list.
    void LoadBackupInfo();
    // The list arrived (or did not): offers the matching images and ends the load.
    void FinishBackupInfo();
    void SetStatusTexts(void (*first)(CString&, int), void (*second)(CString&, int));
    void SetFailureStatus(void (*reason)(CString&, int));
    void RebuildVoicePromptCombo();
    int SelectedKind() const;
    void SetFeatureText(int row, int column, LPCWSTR text);
    void MeasureFeatureRows();

    int m_nEntryMode = 0;
    unsigned m_nRowsWritten = 0;
    BOOL m_bListPending = FALSE;
    CFont m_fontBold;
};
