// A temporary folder for the restore tests' files, removed afterwards.
#pragma once
#include <windows.h>
#include <fstream>
#include <sstream>
#include <string>
#include "framework/String.h"

inline std::string Two(int i) {
    char b[8];
    snprintf(b, sizeof(b), "%02d", i);
    return b;
}

class RestoreTestFolder {
public:
    RestoreTestFolder() {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        static int counter = 0;
        std::wstringstream name;
        name << temp << L"restore_" << ::GetCurrentProcessId() << L"_" << ++counter << L"_" << ::GetTickCount() << L"\\";
        m_folder = name.str();
        ::CreateDirectoryW(m_folder.c_str(), nullptr);
    }
    ~RestoreTestFolder() {
        WIN32_FIND_DATAW fd;
        HANDLE h = ::FindFirstFileW((m_folder + L"*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ::DeleteFileW((m_folder + fd.cFileName).c_str());
            } while (::FindNextFileW(h, &fd));
            ::FindClose(h);
        }
        ::RemoveDirectoryW(m_folder.c_str());
    }
    CString Folder() const { return CString(m_folder.c_str()); }
    CString Path(const wchar_t* name) const { return CString((m_folder + name).c_str()); }
    void Write(const wchar_t* name, const std::string& content) const {
        std::ofstream f((m_folder + name).c_str(), std::ios::binary);
        f << content;
    }

private:
    std::wstring m_folder;
};
