// The configuration file "MorvexBluetoothDeviceManager.talvoconf" in the
// image folder: six key=value lines, read when the main dialog opens and
// written when it closes. A missing or damaged file leaves the defaults.
#pragma once
#include "framework/String.h"

class CAppConfig {
public:
    CString m_strManagerVersion;              // keyManagerVersion as read
    int m_nLanguage = 0;                      // keyManagerLanguage, 0..12
    BOOL m_bApplyToFirmwareLanguage = TRUE;   // keyApplyToFirmwareLanguage
    int m_nDeviceTarget = 0;                  // keyDeviceTarget, a ModelId
    CString m_strFirmwareLanguage = L"English";  // keyFirmwareLanguage
    CString m_strCurrentPath;                 // keyCurrentPath

    // Reads the file over the defaults; FALSE when it could not be read
    // (the values then stay as they were). Out-of-range values are replaced.
    BOOL Read(const CString& path);
    // Writes all six keys; FALSE when the file could not be written.
    BOOL Write(const CString& path) const;
};
