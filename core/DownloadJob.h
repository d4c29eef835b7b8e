// One download on a worker thread, the program's one way to fetch from the
// network without making a window wait. The worker runs the download,
// publishes its progress as it grows, and at the end hands the result over
// by a completion that only posts a message. The job is shared: the owner
// and the worker each hold it, so a window that has gone away is never
// touched, and the owner cancels it by letting go (or by Cancel).
//
// A job may also read what it fetched on its worker (a list is parsed there,
// never on a window's thread): the owner gives a reader, and takes what it
// made from the job once the completion's message has come.
#pragma once
#include "core/Download.h"
#include "framework/String.h"
#include <functional>
#include <memory>
#include <string>

// What a job's reader made of the body: the owner's own type derives from it.
class CDownloadProduct {
public:
    virtual ~CDownloadProduct() = default;
};

// The bounds of a list download: a list is a few kilobytes, and one larger
// than 1 MB fails as a list that could not be fetched fails.
const long long DOWNLOAD_LIST_MAX_BYTES = 1024 * 1024;
DownloadLimits ListDownloadLimits();

class CDownloadJob {
public:
    // Runs on the worker thread after the download: it may post, nothing else.
    typedef std::function<void(CDownloadJob& job)> Completion;
    // Runs on the worker thread after a download into memory that succeeded,
    // before the completion: reads the body. What it returns is kept for the
    // owner (ProductAs); when it throws, the download counts as failed.
    typedef std::function<std::unique_ptr<CDownloadProduct>(const std::string& body)> Reader;

    // Starts url into memory (localPath empty) or into localPath. A job is
    // always returned; when its thread cannot start it is done at once with
    // DOWNLOAD_INCOMPLETE and the completion has run on the caller's thread.
    static std::shared_ptr<CDownloadJob> Start(const CString& url, const CString& localPath,
                                               const DownloadLimits& limits, Completion completion,
                                               Reader reader = nullptr);
    // The usual completion: posts message to wnd with wParam 0 and lParam the
    // job's Cookie(), so that the receiver can tell its current job from an
    // older one.
    static Completion PostTo(HWND wnd, UINT message);

    ~CDownloadJob();
    CDownloadJob(const CDownloadJob&) = delete;
    CDownloadJob& operator=(const CDownloadJob&) = delete;

    bool IsDone() const { return m_done; }
    // The download's result (bytes read or a negative DOWNLOAD_* code); valid once done.
    int Result() const { return m_result; }
    // The body of a download into memory; valid once done.
    const std::string& Data() const { return m_data; }
    // What the reader made of the body, as the owner's type; null without a
    // reader, after a failed download, or while the job runs.
    template <class T>
    const T* ProductAs() const {
        return m_done ? dynamic_cast<const T*>(m_product.get()) : nullptr;
    }
    // 0..100 while the size is known, else -1.
    int Percent() const { return m_progress.percent; }
    // The download ends as failed as soon as it can.
    void Cancel() { m_progress.cancel = true; }
    LPARAM Cookie() const { return (LPARAM)this; }

private:
    CDownloadJob() = default;
    static UINT Worker(LPVOID param);
    void Run();

    CString m_url;
    CString m_localPath;
    DownloadLimits m_limits;
    Completion m_completion;
    Reader m_reader;
    std::unique_ptr<CDownloadProduct> m_product;
    DownloadProgress m_progress;
    std::atomic<bool> m_done{false};
    int m_result = DOWNLOAD_INCOMPLETE;
    std::string m_data;
};

// Cancels the job it holds when it goes: the owner of a running download
// keeps one, so that closing the owner ends the transfer.
class CDownloadJobHolder {
public:
    CDownloadJobHolder() = default;
    ~CDownloadJobHolder() { Reset(); }
    CDownloadJobHolder(const CDownloadJobHolder&) = delete;
    CDownloadJobHolder& operator=(const CDownloadJobHolder&) = delete;
    void Reset(std::shared_ptr<CDownloadJob> job = nullptr) {
        if (m_job && !m_job->IsDone()) m_job->Cancel();
        m_job = std::move(job);
    }
    CDownloadJob* Get() const { return m_job.get(); }
    CDownloadJob* operator->() const { return m_job.get(); }
    explicit operator bool() const { return m_job != nullptr; }
    // TRUE when lParam is the cookie of the job held.
    bool Holds(LPARAM cookie) const { return m_job && m_job->Cookie() == cookie; }

private:
    std::shared_ptr<CDownloadJob> m_job;
};
