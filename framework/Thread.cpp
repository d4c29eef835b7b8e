#include "framework/Thread.h"
#include <process.h>
#include <memory>

namespace {
struct Start {
    AFX_THREADPROC proc;
    LPVOID param;
    CWinThread* thread;
};

unsigned __stdcall ThreadMain(void* p) {
    std::unique_ptr<Start> start(static_cast<Start*>(p));
    UINT result = start->proc(start->param);
    // The flag is read at the end: a suspended start may have cleared it.
    if (start->thread->m_bAutoDelete) delete start->thread;
    return result;
}
}  // namespace

CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority, UINT stackSize, DWORD createFlags) {
    if (!proc || (createFlags & ~(DWORD)CREATE_SUSPENDED)) return nullptr;
    auto thread = std::make_unique<CWinThread>();
    auto start = std::make_unique<Start>(Start{proc, param, thread.get()});
    unsigned id = 0;
    // Always created suspended, so that the object is complete before the
    // thread can run (and delete it).
    HANDLE h = (HANDLE)_beginthreadex(nullptr, stackSize, &ThreadMain, start.get(), CREATE_SUSPENDED, &id);
    if (!h) return nullptr;
    start.release();  // the thread's now
    thread->m_hThread.Attach(h);
    thread->m_nThreadID = id;
    ::SetThreadPriority(h, priority);
    CWinThread* result = thread.release();
    if (!(createFlags & CREATE_SUSPENDED)) ::ResumeThread(h);
    return result;
}
