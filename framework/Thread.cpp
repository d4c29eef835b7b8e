#include "framework/Thread.h"
#include <process.h>
#include <atomic>
#include <memory>

namespace {
std::atomic<int> g_failingStarts{0};

// True when a test asked this start to fail.
bool FailThisStart() {
    int left = g_failingStarts;
    while (left > 0)
        if (g_failingStarts.compare_exchange_weak(left, left - 1)) return true;
    return false;
}

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
    if (!proc || (createFlags & ~(DWORD)CREATE_SUSPENDED) || FailThisStart()) return nullptr;
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

namespace fw {
namespace test {
void FailThreadStarts(int count) { g_failingStarts = count > 0 ? count : 0; }
}  // namespace test
}  // namespace fw
