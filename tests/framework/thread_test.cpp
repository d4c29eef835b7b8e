#include <gtest/gtest.h>
#include <atomic>
#include "framework/Framework.h"
#include "framework/TestSeams.h"

namespace {

class TimerWnd : public CWnd {
public:
    std::atomic<int> ticks{0};
    DWORD tickThread = 0;
    BOOL CreateTop() {
        return CreateEx(0, RegisterWndClass(0), L"t", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
    }
    void OnTimer(UINT_PTR id) {
        if (id == 5) {
            tickThread = ::GetCurrentThreadId();
            ++ticks;
            KillTimer(5);
        }
    }
protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TimerWnd, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

struct WorkerArgs {
    TimerWnd* wnd;
    std::atomic<bool> done{false};
    UINT_PTR result = 0;
};

UINT WorkerStartsTimer(LPVOID p) {
    auto* args = static_cast<WorkerArgs*>(p);
    args->result = args->wnd->SetTimer(5, 1000);  // posted to the window's own thread
    args->done = true;
    return 0;
}

}  // namespace

TEST(ThreadTest, TimerRequestedByAWorkerRunsOnTheWindowsThread) {
    TimerWnd w;
    ASSERT_TRUE(w.CreateTop());
    WorkerArgs args;
    args.wnd = &w;
    ASSERT_NE(AfxBeginThread(&WorkerStartsTimer, &args), nullptr);
    // 1000 ms of clock time is 10 ms of real time in the tests.
    EXPECT_TRUE(fw::test::PumpUntil([&] { return w.ticks > 0; }, 2000));
    EXPECT_TRUE(args.done);
    EXPECT_EQ(args.result, (UINT_PTR)5);
    EXPECT_EQ(w.tickThread, ::GetCurrentThreadId());
    fw::test::PumpFor(50);
    EXPECT_EQ(w.ticks, 1);  // killed after the first tick
    w.DestroyWindow();
}

TEST(ThreadTest, CriticalSectionGuardsConcurrentWorkers) {
    struct Shared {
        CCriticalSection lock;
        long counter = 0;
        std::atomic<int> finished{0};
    } shared;
    auto work = [](LPVOID p) -> UINT {
        auto* s = static_cast<Shared*>(p);
        for (int i = 0; i < 20000; ++i) {
            CSingleLock guard(&s->lock, TRUE);
            long v = s->counter;
            s->counter = v + 1;
        }
        ++s->finished;
        return 0;
    };
    for (int i = 0; i < 4; ++i) ASSERT_NE(AfxBeginThread(work, &shared), nullptr);
    EXPECT_TRUE(fw::test::PumpUntil([&] { return shared.finished == 4; }, 10000));
    EXPECT_EQ(shared.counter, 80000);
}

TEST(ThreadTest, ASuspendedStartWaitsForResumeAndTheKeptObjectStaysValid) {
    struct Shared {
        std::atomic<bool> ran{false};
        DWORD threadId = 0;
    } shared;
    auto work = [](LPVOID p) -> UINT {
        auto* s = static_cast<Shared*>(p);
        s->threadId = ::GetCurrentThreadId();
        s->ran = true;
        return 42;
    };
    CWinThread* thread = AfxBeginThread(work, &shared, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    ::Sleep(50);  // a running start would have run by now
    EXPECT_FALSE(shared.ran);
    thread->m_bAutoDelete = FALSE;  // kept: this test waits for it and deletes it
    EXPECT_EQ(thread->ResumeThread(), 1u);
    ASSERT_EQ(::WaitForSingleObject(thread->m_hThread, 10000), WAIT_OBJECT_0);
    EXPECT_TRUE(shared.ran);
    EXPECT_EQ(shared.threadId, thread->m_nThreadID);
    DWORD code = 0;
    EXPECT_TRUE(::GetExitCodeThread(thread->m_hThread, &code));
    EXPECT_EQ(code, 42u);
    delete thread;
}

TEST(ThreadTest, UnknownCreationFlagsAreRefused) {
    auto work = [](LPVOID) -> UINT { return 0; };
    EXPECT_EQ(AfxBeginThread(work, nullptr, THREAD_PRIORITY_NORMAL, 0, 0x80000000u), nullptr);
    EXPECT_EQ(AfxBeginThread(nullptr, nullptr), nullptr);
}
