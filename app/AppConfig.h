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

    // Reads the file over the current values; FALSE when it could not be
    // read (the values then stay as they were). A value of the wrong length,
    // form or range takes its default: a language 0..12, a flag 0 or 1, a
    // target 0 or a model the catalogue knows, a language name of at most 64
    // characters, a current folder that is an absolute path shorter than
    // MAX_PATH.
    BOOL Read(const CString& path);
    // Writes all six keys; FALSE when the file could not be written.
    BOOL Write(const CString& path) const;
};
