#include "framework/Thread.h"
#include <process.h>

namespace {
struct Start {
    AFX_THREADPROC proc;
    LPVOID param;
    CWinThread* thread;
    HANDLE started;
};

unsigned __stdcall ThreadMain(void* p) {
    Start start = *static_cast<Start*>(p);
    ::SetEvent(start.started);  // the starter may go on; 'p' is gone after this
    UINT result = start.proc(start.param);
    if (start.thread->m_bAutoDelete) delete start.thread;
    return result;
}
}  // namespace

CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority, UINT stackSize, DWORD createFlags) {
    CWinThread* thread = new CWinThread();
    Start start = {proc, param, thread, ::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    unsigned id = 0;
    HANDLE h = (HANDLE)_beginthreadex(nullptr, stackSize, &ThreadMain, &start, CREATE_SUSPENDED, &id);
    if (!h) {
        ::CloseHandle(start.started);
        delete thread;
        return nullptr;
    }
    thread->m_hThread = h;
    thread->m_nThreadID = id;
    ::SetThreadPriority(h, priority);
    // The thread always starts at once: it copies 'start' before we return.
    (void)createFlags;
    ::ResumeThread(h);
    ::WaitForSingleObject(start.started, INFINITE);
    ::CloseHandle(start.started);
    return thread;
}
