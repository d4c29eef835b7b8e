// Where a download's bytes go: a growing memory buffer or a temporary file
// that is put in place only when the download is complete.
#pragma once
#include <windows.h>
#include <mutex>
#include <string>

class CDownloadSink {
public:
    virtual ~CDownloadSink() = default;
    // A negative download code when the sink cannot be made. expected is
    // the announced length of the body, or -1 when unknown.
    virtual int Open(long long expected) = 0;
    // A negative download code when the data cannot be kept.
    virtual int Add(const char* data, DWORD bytes) = 0;
    // Called once after the last byte; a negative code on failure.
    virtual int Complete() = 0;
    // Throws away what was written (idempotent; also done on destruction
    // unless Complete succeeded). Safe from another thread than the one
    // adding: a later Add fails.
    virtual void Discard() = 0;

protected:
    std::mutex m_lock;
    bool m_discarded = false;
};

// A malloc'ed buffer, zero after the data: made for the announced length at
// once, else (or when more comes) doubling as it fills.
class CMemorySink : public CDownloadSink {
public:
    ~CMemorySink() override;
    int Open(long long expected) override;
    int Add(const char* data, DWORD bytes) override;
    int Complete() override { return 0; }
    void Discard() override;
    // The buffer, now the caller's (free() it).
    char* Release();
    size_t Used() const { return m_used; }

private:
    char* m_data = nullptr;
    size_t m_size = 0;
    size_t m_used = 0;
};

// A file of its own (made new, so no existing file is touched) in the
// target's folder; Complete renames it to the target.
class CFileSink : public CDownloadSink {
public:
    CFileSink(const wchar_t* target, bool replaceTarget) : m_target(target), m_replace(replaceTarget) {}
    ~CFileSink() override { Discard(); }
    int Open(long long expected) override;
    int Add(const char* data, DWORD bytes) override;
    int Complete() override;
    void Discard() override;
    const std::wstring& TempPath() const { return m_temp; }

private:
    std::wstring m_target;
    bool m_replace;
    std::wstring m_temp;
    HANDLE m_file = INVALID_HANDLE_VALUE;
    bool m_placed = false;
};
