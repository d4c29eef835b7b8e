// The firmware-info record: what the server list said about the latest
// firmware (version, file to fetch, voice-prompt languages), the local image
// chosen for an update, and the running state of an update (step, progress,
// end, error, per-language status texts, wait box). The update page and the
// restore page hold one each; worker threads reach the active one through
// g_pFirmwareInfo.
//
// The status texts are written by worker and library threads while the UI
// timer reads and clears them: always go through the operations below,
// which hold the record's lock.
#pragma once
#include "framework/String.h"
#include "framework/Thread.h"
#include <functional>
#include <vector>

class CDialogMessageBox;

const int FIRMWARE_STATUS_LANGUAGES = 13;

// Steps of a firmware operation (m_nStep).
enum FirmwareStep {
    FW_STEP_IDLE = 0,
    FW_STEP_LIST = 1,          // the update page was entered; the server list is fetched
    FW_STEP_DOWNLOAD = 2,      // a firmware download runs
    FW_STEP_STARTED = 3,       // an update was started
    FW_STEP_VERIFYING = 4,     // the image is read and verified
    FW_STEP_VERIFIED = 5,      // verified; the transfer is about to start
    FW_STEP_RECONFIGURE = 6,   // the DFU engine reconfigures the device
    FW_STEP_TRANSFER = 7,      // the image transfer runs
    FW_STEP_RESTARTING = 9,    // transfer complete, the device restarts
    FW_STEP_BACKUP_FAILED = 11 // the settings archive was not written; waiting for the user
};

class CFirmwareInfo {
public:
    CFirmwareInfo();
    ~CFirmwareInfo();
    CFirmwareInfo(const CFirmwareInfo&) = delete;
    CFirmwareInfo& operator=(const CFirmwareInfo&) = delete;

    int m_nStep = FW_STEP_IDLE;
    CString m_strSelectedFile;               // server file of the entry chosen for download
    std::vector<CString> m_astrFileNames;    // parallel to m_astrLanguages
    std::vector<CString> m_astrLanguages;    // English names as the server list writes them
    int m_nCapacity = 0;                     // allocated entries of both arrays (steps of 20)
    int m_nCount = 0;                        // entries in use
    CString m_strFirmwarePath;               // local image of an update or a download
    int m_anVersion[4] = {};                 // latest version; all 0 = not known
    int m_bFirstPass = 1;
    int m_nProgress = -10;                   // percent; negative = no progress reported
    int m_bStatusReceived = 0;
    int m_bFinished = 0;
    int m_nError = 0;                        // 0 success, 1 failure, 2 not the recognised device
    CDialogMessageBox* m_pWaitBox = nullptr; // owned; created and closed on the UI thread only
    int m_bAwaitingUserAction = 0;
    int m_nWaitTicks = 0;
    int m_nTicks = 0;
    int m_nTicks2 = 0;
    // The restore page's flags: a backup can be offered; a server entry matched.
    int m_bBackupAvailable = 0;
    int m_bEntryFound = 0;

    // Kind 3: the update page's reset (step 1, version unknown). Any other
    // kind (the restore page passes 4): step 0, first pass, backup available.
    void Reset(int kind);
    void AddPair(const CString& fileName, const CString& language);
    void GrowArrays();
    // Index of the language ignoring case, or -1.
    int FindLanguage(const CString& language) const;
    // "major.minor" into words 0 and 1; 1 when it parsed.
    int ParseVersion2(const CString& text);
    // "a.b.c.d" into words 2, 3, 0, 1; 1 when it parsed.
    int ParseVersion4(const CString& text);
    void CloseWaitBox();

    // --- Status texts (any thread) ----------------------------------------
    void SetStatusText(int language, const CString& text);
    // Sets every language's text to make(language).
    void SetStatusTexts(const std::function<CString(int language)>& make);
    void ClearStatusTexts();
    // Moves a waiting text out; FALSE when that language has none.
    BOOL TakeStatusText(int language, CString* out);
    CString PeekStatusText(int language) const;

private:
    mutable CCriticalSection m_csStatus;
    CString m_astrStatusText[FIRMWARE_STATUS_LANGUAGES];
};

// The active record for the worker threads (set just before each starts).
extern CFirmwareInfo* g_pFirmwareInfo;
// 1 while a server-list check may show the new-firmware prompt.
extern int g_bUpdatePromptArmed;
