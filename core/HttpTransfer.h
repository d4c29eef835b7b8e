// One HTTP(S) transfer on its own thread, watched from outside: the thread
// connects, follows redirects itself, checks the reply and reads the body
// into a sink; the watcher (Download.cpp) may abort it at any time by
// closing its handles, and may stop waiting for it. Everything both sides
// use lives here, held by both through a shared_ptr.
#pragma once
#include <windows.h>
#include <wininet.h>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include "core/Download.h"
#include "core/DownloadSinks.h"

class CHttpTransfer {
public:
    CHttpTransfer(std::wstring url, const DownloadLimits& limits, std::unique_ptr<CDownloadSink> sink);
    ~CHttpTransfer();

    // The thread's work; sets Result() and signals Done().
    void Run();
    // Closes the open handles so that a blocked call returns; the transfer
    // then ends as failed.
    void Abort();
    // The watcher gives up waiting: the thread cleans up when it ends.
    // TRUE when the thread had already ended (the caller cleans up).
    bool Abandon();

    HANDLE Done() const { return m_done; }
    int Result() const { return m_result; }
    CDownloadSink& Sink() { return *m_sink; }

    std::atomic<bool> answered{false};     // the reply's headers are in
    std::atomic<long long> received{0};    // body bytes so far
    std::atomic<long long> announced{-1};  // Content-Length, -1 when none

private:
    int Execute();
    int Connect(const std::wstring& url, HINTERNET* request);
    int CheckReply(HINTERNET request);
    int ReadBody(HINTERNET request);
    // Registers a handle for Abort; false (and closes it) when aborted already.
    bool Keep(HINTERNET h);
    void CloseAll();

    std::wstring m_url;
    DownloadLimits m_limits;
    std::unique_ptr<CDownloadSink> m_sink;
    HANDLE m_done;
    int m_result = DOWNLOAD_INCOMPLETE;

    std::mutex m_lock;
    HINTERNET m_handles[3] = {};  // session, connection, request
    bool m_aborted = false;
    bool m_finished = false;
    bool m_abandoned = false;
};

// Every line of the raw head (CRLF separated) is a status line first, then
// "name: value" with a token name and no control characters.
bool CheckRawHeaderLines(const wchar_t* raw);
// The checks of a reply's head, from the values WinINet parsed out of it:
// status code text, version, Content-Length text (null when absent) and
// Transfer-Encoding (null when absent). 0 when acceptable, else a
// negative download code. *announced is the length, -1 when there is none
// (the body then ends where the server closes the connection).
int CheckReplyHead(const wchar_t* statusText, const wchar_t* version, const wchar_t* contentLength,
                   const wchar_t* transferEncoding, long long* announced);
