// The one download-on-a-worker mechanism: the result comes by message, the
// progress can be read while it runs, and an owner that goes away ends the
// transfer without anything touching it.
#include <gtest/gtest.h>
#include <windows.h>
#include "core/DownloadJob.h"
#include "core/FileLength.h"
#include "framework/Thread.h"
#include "tools/fwserver/FirmwareServer.h"
#include <atomic>
#include <memory>
#include <string>

namespace {

const UINT kDone = WM_APP + 7;
const char kImage[] = "/zarnbluetoothmanager/Image.img";

class DownloadJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_server.Start(L"C:\\no_tree"));
        m_server.PutFile(kImage, std::string(48 * 1024, 'x'));
        m_wnd = ::CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, m_wnd);
    }
    void TearDown() override {
        if (m_wnd) ::DestroyWindow(m_wnd);
        m_server.Stop();
    }
    CString Url() { return CString(std::wstring(L"http://127.0.0.1:") .append(std::to_wstring(m_server.Port())).c_str()) + L"/zarnbluetoothmanager/Image.img"; }
    // The lParam of the first kDone message within ms, 0 when none came.
    LPARAM WaitDone(DWORD ms) {
        DWORD start = ::GetTickCount();
        MSG msg;
        while (::GetTickCount() - start < ms) {
            if (::PeekMessageW(&msg, m_wnd, kDone, kDone, PM_REMOVE)) return msg.lParam;
            ::Sleep(5);
        }
        return 0;
    }

    fwserver::FirmwareServer m_server;
    HWND m_wnd = nullptr;
};

TEST_F(DownloadJobTest, ResultComesByMessageWhileTheCallerGoesOn) {
    fwserver::FaultRule slow;
    slow.fault = fwserver::Fault::Slow;
    slow.delayMs = 10;  // 512 bytes every 10 ms: about a second
    m_server.AddFault(slow);
    DWORD start = ::GetTickCount();
    CDownloadJobHolder job;
    job.Reset(CDownloadJob::Start(Url(), L"", DownloadLimits(), CDownloadJob::PostTo(m_wnd, kDone)));
    EXPECT_LT(::GetTickCount() - start, 200u);  // started, not waited for
    EXPECT_FALSE(job->IsDone());
    int between = 0;
    LPARAM cookie = 0;
    while (!cookie && ::GetTickCount() - start < 10000) {
        int p = job->Percent();
        between += p > 0 && p < 100;
        cookie = WaitDone(20);
    }
    ASSERT_TRUE(job.Holds(cookie));
    EXPECT_TRUE(job->IsDone());
    EXPECT_EQ(48 * 1024, job->Result());
    EXPECT_EQ(std::string(48 * 1024, 'x'), job->Data());
    EXPECT_GE(between, 3);
    EXPECT_FALSE(job.Holds(cookie + 1));
}

TEST_F(DownloadJobTest, AnOwnerThatGoesCancelsAndIsNeverTouched) {
    fwserver::FaultRule stall;
    stall.fault = fwserver::Fault::StallAfterHeaders;
    m_server.AddFault(stall);
    std::weak_ptr<CDownloadJob> watch;
    {
        CDownloadJobHolder job;
        std::shared_ptr<CDownloadJob> started =
            CDownloadJob::Start(Url(), L"", DownloadLimits(), CDownloadJob::PostTo(m_wnd, kDone));
        watch = started;
        job.Reset(started);
        ::Sleep(100);
        ::DestroyWindow(m_wnd);  // the owner's window goes first
        m_wnd = nullptr;
    }  // and then the owner: the job is cancelled
    DWORD start = ::GetTickCount();
    while (!watch.expired() && ::GetTickCount() - start < 5000) ::Sleep(10);
    EXPECT_TRUE(watch.expired());  // the worker ended and let the job go
}

TEST_F(DownloadJobTest, FailuresArriveLikeResults) {
    m_server.RemoveFile(kImage);
    CDownloadJobHolder job;
    job.Reset(CDownloadJob::Start(Url(), L"", DownloadLimits(), CDownloadJob::PostTo(m_wnd, kDone)));
    EXPECT_TRUE(job.Holds(WaitDone(5000)));
    EXPECT_EQ(DOWNLOAD_CANNOT_OPEN_URL, job->Result());
    EXPECT_TRUE(job->Data().empty());
}

// What the test's reader made: the body's length and the thread it ran on.
struct ReadList : CDownloadProduct {
    size_t bytes = 0;
    DWORD thread = 0;
};

TEST_F(DownloadJobTest, AListIsReadOnTheWorkerAndOneOverAMegabyteFailsUnread) {
    const char kList[] = "/zarnbluetoothmanager/List";
    const CString url = Url().Left(Url().GetLength() - 9) + L"List";
    std::atomic<int> reads{0};
    auto reader = [&reads](const std::string& body) {
        ++reads;
        std::unique_ptr<ReadList> read(new ReadList);
        read->bytes = body.size();
        read->thread = ::GetCurrentThreadId();
        return std::unique_ptr<CDownloadProduct>(std::move(read));
    };

    // A list of exactly the bound is read, on the worker and before the message.
    m_server.PutFile(kList, std::string((size_t)DOWNLOAD_LIST_MAX_BYTES, 'l'));
    CDownloadJobHolder job;
    job.Reset(CDownloadJob::Start(url, L"", ListDownloadLimits(), CDownloadJob::PostTo(m_wnd, kDone), reader));
    ASSERT_TRUE(job.Holds(WaitDone(10000)));
    EXPECT_EQ(DOWNLOAD_LIST_MAX_BYTES, job->Result());
    const ReadList* read = job->ProductAs<ReadList>();
    ASSERT_NE(nullptr, read);
    EXPECT_EQ((size_t)DOWNLOAD_LIST_MAX_BYTES, read->bytes);
    EXPECT_NE(::GetCurrentThreadId(), read->thread);
    EXPECT_EQ(1, reads.load());

    // One byte more fails as a list that cannot be fetched, and is never read.
    m_server.PutFile(kList, std::string((size_t)DOWNLOAD_LIST_MAX_BYTES + 1, 'l'));
    job.Reset(CDownloadJob::Start(url, L"", ListDownloadLimits(), CDownloadJob::PostTo(m_wnd, kDone), reader));
    ASSERT_TRUE(job.Holds(WaitDone(10000)));
    EXPECT_LT(job->Result(), 0);
    EXPECT_EQ(nullptr, job->ProductAs<ReadList>());
    EXPECT_EQ(1, reads.load());

    // A download that failed is never read either.
    m_server.RemoveFile(kList);
    job.Reset(CDownloadJob::Start(url, L"", ListDownloadLimits(), CDownloadJob::PostTo(m_wnd, kDone), reader));
    ASSERT_TRUE(job.Holds(WaitDone(5000)));
    EXPECT_EQ(DOWNLOAD_CANNOT_OPEN_URL, job->Result());
    EXPECT_EQ(nullptr, job->ProductAs<ReadList>());
    EXPECT_EQ(1, reads.load());
}

TEST_F(DownloadJobTest, AThreadThatCannotStartIsAFailedDownload) {
    // The job's worker: done at once, the failure comes by message as always.
    fw::test::FailThreadStarts(1);
    CDownloadJobHolder job;
    job.Reset(CDownloadJob::Start(Url(), L"", DownloadLimits(), CDownloadJob::PostTo(m_wnd, kDone)));
    fw::test::FailThreadStarts(0);
    EXPECT_TRUE(job->IsDone());
    EXPECT_TRUE(job.Holds(WaitDone(1000)));
    EXPECT_EQ(DOWNLOAD_INCOMPLETE, job->Result());

    // The transfer's own thread: an existing target stays, nothing is left beside it.
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"job_nothread_" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring target = folder + L"\\Image.img";
    HANDLE f = ::CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(f, "old", 3, &written, nullptr);
    ::CloseHandle(f);
    fw::test::FailThreadStarts(1);
    EXPECT_EQ(DOWNLOAD_INCOMPLETE, DownloadUrl(Url(), nullptr, target.c_str(), nullptr));
    fw::test::FailThreadStarts(0);
    int files = 0;
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do files += fd.cFileName[0] != L'.';
        while (::FindNextFileW(h, &fd));
        ::FindClose(h);
    }
    EXPECT_EQ(1, files);
    EXPECT_EQ(3, GetFileLength(target.c_str()));
    ::DeleteFileW(target.c_str());
    ::RemoveDirectoryW(folder.c_str());
    EXPECT_TRUE(m_server.Requests().empty());
}

}  // namespace
