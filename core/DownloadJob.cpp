#include "core/DownloadJob.h"
#include "framework/Thread.h"
#include <cstdlib>
#include <exception>

std::shared_ptr<CDownloadJob> CDownloadJob::Start(const CString& url, const CString& localPath,
                                                  const DownloadLimits& limits, Completion completion,
                                                  Reader reader) {
    std::shared_ptr<CDownloadJob> job(new CDownloadJob);
    job->m_url = url;
    job->m_localPath = localPath;
    job->m_limits = limits;
    job->m_completion = std::move(completion);
    job->m_reader = std::move(reader);
    auto* holder = new std::shared_ptr<CDownloadJob>(job);
    if (!AfxBeginThread(&Worker, holder)) {
        delete holder;
        // No thread, no download: a failure like any other.
        job->m_result = DOWNLOAD_INCOMPLETE;
        job->m_done = true;
        if (job->m_completion) job->m_completion(*job);
    }
    return job;
}

DownloadLimits ListDownloadLimits() {
    DownloadLimits limits;
    limits.maxBytes = DOWNLOAD_LIST_MAX_BYTES;
    return limits;
}

CDownloadJob::Completion CDownloadJob::PostTo(HWND wnd, UINT message) {
    return [wnd, message](CDownloadJob& job) { ::PostMessageW(wnd, message, 0, job.Cookie()); };
}

CDownloadJob::~CDownloadJob() = default;

UINT CDownloadJob::Worker(LPVOID param) {
    std::shared_ptr<CDownloadJob> job = *static_cast<std::shared_ptr<CDownloadJob>*>(param);
    delete static_cast<std::shared_ptr<CDownloadJob>*>(param);
    job->Run();
    return 0;
}

void CDownloadJob::Run() {
    if (m_localPath.IsEmpty()) {
        char* buffer = nullptr;
        m_result = DownloadUrlLimited(m_url, &buffer, nullptr, m_limits, &m_progress);
        if (buffer && m_result > 0) m_data.assign(buffer, (size_t)m_result);
        std::free(buffer);
        if (m_reader && m_result > 0) {
            try {
                m_product = m_reader(m_data);
            } catch (const std::exception&) {
                m_product.reset();
                m_result = DOWNLOAD_INCOMPLETE;
            }
        }
    } else {
        m_result = DownloadUrlLimited(m_url, nullptr, m_localPath, m_limits, &m_progress);
    }
    m_done = true;
    if (m_completion) m_completion(*this);
}
