#include "update/FirmwareInfo.h"
#include "app/DialogMessageBox.h"
#include "core/VersionCompare.h"

CFirmwareInfo* g_pFirmwareInfo = nullptr;
int g_bUpdatePromptArmed = 1;

namespace {
const int kArrayStep = 20;
}

CFirmwareInfo::CFirmwareInfo() {
    m_nCapacity = kArrayStep;
    m_astrFileNames.resize(m_nCapacity);
    m_astrLanguages.resize(m_nCapacity);
}

CFirmwareInfo::~CFirmwareInfo() { CloseWaitBox(); }

void CFirmwareInfo::Reset(int kind) {
    if (kind == 3) {
        m_nStep = FW_STEP_LIST;
        for (int& w : m_anVersion) w = 0;
    } else {
        m_nStep = FW_STEP_IDLE;
        m_bFirstPass = 1;
        m_bBackupAvailable = 1;
        m_bEntryFound = 0;
    }
    m_strSelectedFile.Empty();
    m_nCount = 0;
    m_nProgress = -10;
    m_bFinished = 0;
    ClearStatusTexts();
    CloseWaitBox();
}

void CFirmwareInfo::AddPair(const CString& fileName, const CString& language) {
    if (m_nCount + 1 > m_nCapacity) GrowArrays();
    m_astrFileNames[m_nCount] = fileName;
    m_astrLanguages[m_nCount] = language;
    ++m_nCount;
}

void CFirmwareInfo::GrowArrays() {
    m_nCapacity += kArrayStep;
    m_astrFileNames.resize(m_nCapacity);
    m_astrLanguages.resize(m_nCapacity);
}

int CFirmwareInfo::FindLanguage(const CString& language) const {
    for (int i = 0; i < m_nCount; ++i)
        if (m_astrLanguages[i].CompareNoCase(language) == 0) return i;
    return -1;
}

int CFirmwareInfo::ParseVersion2(const CString& text) {
    return ParseMajorMinor(text, &m_anVersion[0], &m_anVersion[1]) ? 1 : 0;
}

int CFirmwareInfo::ParseVersion4(const CString& text) {
    return ParseVersionQuad(text, &m_anVersion[2], &m_anVersion[3], &m_anVersion[0], &m_anVersion[1]) ? 1 : 0;
}

void CFirmwareInfo::CloseWaitBox() {
    if (!m_pWaitBox) return;
    m_pWaitBox->DestroyWindow();
    delete m_pWaitBox;
    m_pWaitBox = nullptr;
}

void CFirmwareInfo::SetStatusText(int language, const CString& text) {
    if (language < 0 || language >= FIRMWARE_STATUS_LANGUAGES) return;
    CSingleLock hold(&m_csStatus, TRUE);
    m_astrStatusText[language] = text;
}

void CFirmwareInfo::SetStatusTexts(const std::function<CString(int)>& make) {
    CString texts[FIRMWARE_STATUS_LANGUAGES];
    for (int i = 0; i < FIRMWARE_STATUS_LANGUAGES; ++i) texts[i] = make(i);
    CSingleLock hold(&m_csStatus, TRUE);
    for (int i = 0; i < FIRMWARE_STATUS_LANGUAGES; ++i) m_astrStatusText[i] = texts[i];
}

void CFirmwareInfo::ClearStatusTexts() {
    CSingleLock hold(&m_csStatus, TRUE);
    for (CString& s : m_astrStatusText) s.Empty();
}

BOOL CFirmwareInfo::TakeStatusText(int language, CString* out) {
    if (language < 0 || language >= FIRMWARE_STATUS_LANGUAGES) return FALSE;
    CSingleLock hold(&m_csStatus, TRUE);
    if (m_astrStatusText[language].IsEmpty()) return FALSE;
    if (out) *out = m_astrStatusText[language];
    m_astrStatusText[language].Empty();
    return TRUE;
}

CString CFirmwareInfo::PeekStatusText(int language) const {
    if (language < 0 || language >= FIRMWARE_STATUS_LANGUAGES) return CString();
    CSingleLock hold(&m_csStatus, TRUE);
    return m_astrStatusText[language];
}
