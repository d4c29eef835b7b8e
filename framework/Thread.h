// Worker threads and locks. A worker never touches a window: it posts to the
// window's thread (CWnd::PostMessage, or CWnd::SetTimer, which posts itself).
#pragma once
#include <windows.h>
#include "framework/Handle.h"

typedef UINT (*AFX_THREADPROC)(LPVOID);

class CWinThread {
public:
    CHandle m_hThread;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;  // the object deletes itself when the thread ends
    // Starts a thread begun with CREATE_SUSPENDED; the previous suspend count.
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
};

// Starts proc(param) on a new thread. The returned object deletes itself
// when the thread ends (m_bAutoDelete), so after a plain start it may be gone
// already: do not keep it. A caller that wants to keep it (to wait for the
// thread) starts with CREATE_SUSPENDED, clears m_bAutoDelete, calls
// ResumeThread and deletes the object itself. Null when no thread started;
// flags other than CREATE_SUSPENDED are refused.
CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority = THREAD_PRIORITY_NORMAL,
                           UINT stackSize = 0, DWORD createFlags = 0);

namespace fw {
namespace test {
// The next count thread starts fail, as when the system has no thread to
// give (AfxBeginThread returns null); 0 ends that.
void FailThreadStarts(int count);
}  // namespace test
}  // namespace fw

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
