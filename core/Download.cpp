// The caller's side of a download: starts the transfer on its own thread
// and watches it against the limits. WinINet's own time-outs do not bound a
// silent server everywhere, so the watcher does: when a limit passes it
// closes the transfer's handles from here, and when even that does not free
// the transfer it stops waiting for it (the transfer cleans up after itself
// whenever it ends).
#include "core/Download.h"
#include "core/HttpTransfer.h"
#include "framework/Clock.h"
#include "framework/Thread.h"
#include <algorithm>
#include <memory>

namespace {

// How often the watcher looks, and how long it waits for a transfer it has
// aborted (real ms).
const DWORD kWatchSliceMs = 10;
const DWORD kAbortGraceMs = 1000;
// Under a sped-up clock (tests) no limit passes sooner than this much real
// time (or its own length, when shorter): a loaded machine must not fail a
// transfer that the same machine at full speed would finish.
const DWORD kRealFloorMs = 5000;

UINT TransferThread(LPVOID param) {
    std::unique_ptr<std::shared_ptr<CHttpTransfer>> holder(static_cast<std::shared_ptr<CHttpTransfer>*>(param));
    std::shared_ptr<CHttpTransfer> transfer = *holder;
    transfer->Run();
    return 0;
}

// Elapsed time in both clocks since a start.
class Span {
public:
    Span() { Restart(); }
    void Restart() {
        m_clock = fw::Clock::GetTickCount();
        m_real = ::GetTickCount();
    }
    bool Passed(DWORD limit) const {
        return fw::Clock::GetTickCount() - m_clock >= limit && ::GetTickCount() - m_real >= std::min(limit, kRealFloorMs);
    }

private:
    DWORD m_clock, m_real;
};

void Publish(const CHttpTransfer& t, DownloadProgress* progress) {
    if (!progress) return;
    long long got = t.received;
    long long size = t.announced;
    progress->received = got;
    if (t.answered && size > 0) progress->percent = (int)(std::min(got, size) * 100 / size);
    else if (t.answered && size == 0) progress->percent = 0;
}

}  // namespace

int DownloadUrlLimited(const wchar_t* url, char** buffer, const wchar_t* localPath, const DownloadLimits& limits,
                       DownloadProgress* progress) {
    if (buffer) *buffer = nullptr;
    if (!url || !*url) return DOWNLOAD_CANNOT_OPEN_URL;
    if (!buffer && (!localPath || !*localPath)) return DOWNLOAD_CANNOT_CREATE_FILE;
    if (!limits.sameOriginAs.empty() && DownloadOrigin(url) != DownloadOrigin(limits.sameOriginAs.c_str()))
        return DOWNLOAD_CANNOT_OPEN_URL;
    if (progress && progress->cancel) return DOWNLOAD_INCOMPLETE;

    std::unique_ptr<CDownloadSink> sink;
    if (buffer) sink.reset(new CMemorySink);
    else sink.reset(new CFileSink(localPath, limits.replaceTarget));
    auto transfer = std::make_shared<CHttpTransfer>(url, limits, std::move(sink));
    if (!transfer->Done()) return DOWNLOAD_INCOMPLETE;
    auto* holder = new std::shared_ptr<CHttpTransfer>(transfer);
    if (!AfxBeginThread(&TransferThread, holder)) {
        delete holder;
        return DOWNLOAD_INCOMPLETE;  // no thread, no download
    }

    Span overall, window;
    bool windowStarted = false;
    long long windowBytes = 0;
    const long long bytesPerWindow = (long long)limits.minBytesPerSecond * limits.rateWindowMs / 1000;
    bool stopped = false;
    while (::WaitForSingleObject(transfer->Done(), kWatchSliceMs) == WAIT_TIMEOUT) {
        Publish(*transfer, progress);
        if (transfer->answered && !windowStarted) {
            window.Restart();
            windowStarted = true;
        }
        bool stop = (progress && progress->cancel) || overall.Passed(limits.overallMs) ||
                    (!transfer->answered && overall.Passed(limits.answerMs));
        if (!stop && windowStarted && window.Passed(limits.rateWindowMs)) {
            long long got = transfer->received;
            stop = got - windowBytes < bytesPerWindow;
            windowBytes = got;
            window.Restart();
        }
        if (stop) {
            stopped = true;
            transfer->Abort();
            if (::WaitForSingleObject(transfer->Done(), kAbortGraceMs) != WAIT_OBJECT_0 && !transfer->Abandon()) {
                // Let go: what it wrote goes now, the rest when it ends.
                transfer->Sink().Discard();
                return DOWNLOAD_INCOMPLETE;
            }
            break;
        }
    }
    int result = stopped ? DOWNLOAD_INCOMPLETE : transfer->Result();
    if (result > 0) result = transfer->Sink().Complete() < 0 ? DOWNLOAD_CANNOT_CREATE_FILE : result;
    if (result <= 0) {
        transfer->Sink().Discard();
        return result;
    }
    if (buffer) *buffer = static_cast<CMemorySink&>(transfer->Sink()).Release();
    Publish(*transfer, progress);
    if (progress) progress->percent = 100;
    return result;
}

int DownloadUrl(const wchar_t* url, char** buffer, const wchar_t* localPath, int* progress) {
    DownloadProgress shared;
    int result = DownloadUrlLimited(url, buffer, localPath, DownloadLimits(), &shared);
    if (progress && shared.percent >= 0) *progress = shared.percent;
    return result;
}
