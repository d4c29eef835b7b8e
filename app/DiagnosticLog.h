// The diagnostic log: a text the user saves from the popup menu and sends to
// technical support, with the sections [Manager Information], [Device
// Information], [Windows Information] and [USB Information], each a list of
// key=value lines.
#pragma once
#include <windows.h>
#include "framework/String.h"

class CUpdaterDlg;

class CDiagnosticLog {
public:
    // Gathers the program's, the device's, the system's and the USB state.
    void Collect(CUpdaterDlg& main);
    // The text gathered so far.
    const CString& Text() const { return m_text; }
    // "<local time stamp>_DiagnosticLog.talvolog".
    CString DefaultFileName() const;
    // Writes the text as UTF-8; FALSE when the file cannot be written.
    BOOL Save(const CString& path) const;

private:
    void Section(const wchar_t* name);
    void Line(const wchar_t* key, const CString& value);
    void CollectWindows();
    void CollectUsb(CUpdaterDlg& main);

    CString m_text;
    SYSTEMTIME m_time{};
};
