// The server's program-version list "x64/Software": 8-bit text, one entry a
// line, fields separated by ':' and trimmed:
//     name ":" version ":" file [":" size]
// (file must be an installer's address, see IsInstallerPath)
// name: the program's name ("MorvexBluetoothDeviceManager"), compared
// case-sensitively; version: "v" followed by major.minor; file: the
// installer's path relative to the server's base address (for example
// "x64/Setup_v1.1.exe"); size: its length in bytes, when the list gives it.
// Lines of another form are skipped; the first line of a name counts.
#pragma once
#include "core/ServerFileName.h"
#include "framework/String.h"

struct SoftwareEntry {
    CString name;
    int major = 0;
    int minor = 0;
    CString file;       // relative to the base address
    long size = 0;      // 0 when the list does not give it
    // The installer's own file name (the last part of file).
    CString FileName() const;
};

class CSoftwareList {
public:
    void Parse(const char* text, int length);
    // The first entry of the name; FALSE when there is none.
    BOOL Find(const wchar_t* name, SoftwareEntry* entry) const;
    int Count() const { return m_nCount; }

private:
    static const int kMaxEntries = 64;
    SoftwareEntry m_entries[kMaxEntries];
    int m_nCount = 0;
};

// A relative address of names separated by '/', each one a server file name
// that fits in the image folder (IsServerFileName, core/ServerFileName.h).
BOOL IsPlainRelativePath(const CString& path);
// An installer's address on the server: a plain relative address whose last
// name ends in ".exe" or ".msi".
BOOL IsInstallerPath(const CString& path);
