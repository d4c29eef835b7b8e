// Worker threads and locks. A worker never touches a window: it posts to the
// window's thread (CWnd::PostMessage, or CWnd::SetTimer, which posts itself).
#pragma once
#include <windows.h>

typedef UINT (*AFX_THREADPROC)(LPVOID);

class CWinThread {
public:
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;  // the object deletes itself when the thread ends
    ~CWinThread() { if (m_hThread) ::CloseHandle(m_hThread); }
};

// Starts proc(param) on a new thread at once. The returned object deletes
// itself when the thread ends: do not keep it.
CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority = THREAD_PRIORITY_NORMAL,
                           UINT stackSize = 0, DWORD createFlags = 0);

class CCriticalSection {
public:
    CCriticalSection() { ::InitializeCriticalSection(&m_sect); }
    ~CCriticalSection() { ::DeleteCriticalSection(&m_sect); }
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;
    BOOL Lock() { ::EnterCriticalSection(&m_sect); return TRUE; }
    BOOL Unlock() { ::LeaveCriticalSection(&m_sect); return TRUE; }
    CRITICAL_SECTION m_sect;
};

// Holds a critical section for a scope.
class CSingleLock {
public:
    explicit CSingleLock(CCriticalSection* sect, BOOL initialLock = FALSE) : m_pSect(sect) {
        if (initialLock) Lock();
    }
    ~CSingleLock() { Unlock(); }
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;
    BOOL Lock() { if (!m_bLocked && m_pSect) { m_pSect->Lock(); m_bLocked = TRUE; } return m_bLocked; }
    BOOL Unlock() { if (m_bLocked) { m_pSect->Unlock(); m_bLocked = FALSE; } return TRUE; }
    BOOL IsLocked() const { return m_bLocked; }
private:
    CCriticalSection* m_pSect;
    BOOL m_bLocked = FALSE;
};
