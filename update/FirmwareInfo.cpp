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
