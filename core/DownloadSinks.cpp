#include "core/DownloadSinks.h"
#include "core/Download.h"
#include <climits>
#include <cstdlib>
#include <cstring>

CMemorySink::~CMemorySink() { Discard(); }

int CMemorySink::Open(long long expected) {
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_discarded) return DOWNLOAD_INCOMPLETE;
    // The body and its zero byte in one piece: nothing copied as it grows.
    size_t size = DOWNLOAD_BUFFER_STEP;
    if (expected >= DOWNLOAD_BUFFER_STEP && expected < (long long)INT_MAX) size = (size_t)expected + 1;
    std::free(m_data);
    m_data = (char*)std::calloc(size, 1);
    m_size = m_data ? size : 0;
    m_used = 0;
    return m_data ? 0 : DOWNLOAD_INCOMPLETE;
}

int CMemorySink::Add(const char* data, DWORD bytes) {
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_discarded) return DOWNLOAD_INCOMPLETE;
    // Keep room for the terminating zero byte after the data.
    if (m_used + bytes >= m_size) {
        size_t wanted = m_size;
        while (m_used + bytes >= wanted) {
            if (wanted > (size_t)INT_MAX / 2) return DOWNLOAD_INCOMPLETE;
            wanted *= 2;
        }
        char* grown = (char*)std::realloc(m_data, wanted);
        if (!grown) return DOWNLOAD_INCOMPLETE;
        std::memset(grown + m_size, 0, wanted - m_size);
        m_data = grown;
        m_size = wanted;
    }
    std::memcpy(m_data + m_used, data, bytes);
    m_used += bytes;
    return 0;
}

void CMemorySink::Discard() {
    std::lock_guard<std::mutex> hold(m_lock);
    m_discarded = true;
    std::free(m_data);
    m_data = nullptr;
    m_size = m_used = 0;
}

char* CMemorySink::Release() {
    std::lock_guard<std::mutex> hold(m_lock);
    char* data = m_data;
    m_data = nullptr;
    return data;
}

int CFileSink::Open(long long) {
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_discarded) return DOWNLOAD_CANNOT_CREATE_FILE;
    std::wstring folder = m_target;
    size_t slash = folder.find_last_of(L"\\/");
    folder = slash == std::wstring::npos ? L"." : folder.substr(0, slash + 1);
    wchar_t temp[MAX_PATH + 16] = {};
    // GetTempFileName makes the file: the name is ours alone.
    if (folder.size() >= MAX_PATH - 14 || !::GetTempFileNameW(folder.c_str(), L"dl", 0, temp))
        return DOWNLOAD_CANNOT_CREATE_FILE;
    m_temp = temp;
    m_file = ::CreateFileW(m_temp.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (m_file == INVALID_HANDLE_VALUE) {
        ::DeleteFileW(m_temp.c_str());
        m_temp.clear();
        return DOWNLOAD_CANNOT_CREATE_FILE;
    }
    return 0;
}

int CFileSink::Add(const char* data, DWORD bytes) {
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_discarded) return DOWNLOAD_CANNOT_CREATE_FILE;
    DWORD written = 0;
    if (!::WriteFile(m_file, data, bytes, &written, nullptr) || written != bytes) return DOWNLOAD_CANNOT_CREATE_FILE;
    return 0;
}

int CFileSink::Complete() {
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_discarded) return DOWNLOAD_CANNOT_CREATE_FILE;
    BOOL closed = ::CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
    if (!closed) return DOWNLOAD_CANNOT_CREATE_FILE;
    DWORD flags = MOVEFILE_WRITE_THROUGH | (m_replace ? MOVEFILE_REPLACE_EXISTING : 0);
    // A folder in the target's place is never replaced.
    DWORD attrs = ::GetFileAttributesW(m_target.c_str());
    if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY)) return DOWNLOAD_CANNOT_CREATE_FILE;
    if (!::MoveFileExW(m_temp.c_str(), m_target.c_str(), flags)) return DOWNLOAD_CANNOT_CREATE_FILE;
    m_placed = true;
    return 0;
}

void CFileSink::Discard() {
    std::lock_guard<std::mutex> hold(m_lock);
    m_discarded = true;
    if (m_file != INVALID_HANDLE_VALUE) ::CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
    if (!m_placed && !m_temp.empty()) ::DeleteFileW(m_temp.c_str());
    m_temp.clear();
}
