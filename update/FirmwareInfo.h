// The firmware-info record: what the server list said about the latest
// firmware, the chosen image and the running state of an update. Minimal
// for now: the fields the main wizard reads.
#pragma once
#include "framework/String.h"
#include "framework/Thread.h"
#include <functional>

class CDialogMessageBox;

class CFirmwareInfo {
public:
    CFirmwareInfo() = default;
    ~CFirmwareInfo();
    CFirmwareInfo(const CFirmwareInfo&) = delete;
    CFirmwareInfo& operator=(const CFirmwareInfo&) = delete;

    int m_nKind = 0;             // 3 the update page's record, 4 the restore page's
    int m_nStep = 0;
    int m_nProgress = 0;
    BOOL m_bFinished = FALSE;
    int m_nError = 0;
    BOOL m_bBackupAvailable = FALSE;
    CString m_strFirmwarePath;
    CString m_astrStatusText[13];
    CDialogMessageBox* m_pWaitBox = nullptr;  // owned
    int m_bStatusReceived = 0;
    int m_bAwaitingUserAction = 0;
    int m_nWaitTicks = 0;
    int m_nTicks = 0;
    int m_nTicks2 = 0;

    // Starts over for a page: 3 the update page, 4 the restore page (backup available).
    void Reset(int kind);
    // Destroys an open wait box.
    void CloseWaitBox();

    // Status texts from any thread: sets every language's text to make(language).
    void SetStatusTexts(const std::function<CString(int language)>& make);
    CString PeekStatusText(int language) const;

private:
    mutable CCriticalSection m_csStatus;
};

// The active record for the worker threads (set just before each starts).
extern CFirmwareInfo* g_pFirmwareInfo;
// 1 while a server-list check may show the new-firmware prompt.
extern int g_bUpdatePromptArmed;
