#include "update/FirmwareInfo.h"
#include "app/DialogMessageBox.h"

CFirmwareInfo* g_pFirmwareInfo = nullptr;
int g_bUpdatePromptArmed = 1;

CFirmwareInfo::~CFirmwareInfo() { CloseWaitBox(); }

void CFirmwareInfo::Reset(int kind) {
    m_nKind = kind;
    m_nStep = 0;
    m_nProgress = 0;
    m_bFinished = FALSE;
    m_nError = 0;
    m_bBackupAvailable = kind == 4;
    m_strFirmwarePath.Empty();
    for (CString& s : m_astrStatusText) s.Empty();
    CloseWaitBox();
}

void CFirmwareInfo::CloseWaitBox() {
    if (!m_pWaitBox) return;
    m_pWaitBox->DestroyWindow();
    delete m_pWaitBox;
    m_pWaitBox = nullptr;
}

void CFirmwareInfo::SetStatusTexts(const std::function<CString(int)>& make) {
    CString texts[13];
    for (int i = 0; i < 13; ++i) texts[i] = make(i);
    CSingleLock hold(&m_csStatus, TRUE);
    for (int i = 0; i < 13; ++i) m_astrStatusText[i] = texts[i];
}

CString CFirmwareInfo::PeekStatusText(int language) const {
    if (language < 0 || language >= 13) return CString();
    CSingleLock hold(&m_csStatus, TRUE);
    return m_astrStatusText[language];
}
