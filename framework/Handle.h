// Owned kernel handles: files, devices, processes, threads, events. A
// CHandle closes its handle exactly once, when it goes or is given another
// one; it can be moved but not copied, like the owned GDI objects.
//
// Win32 reports "no handle" in two ways: CreateFile gives
// INVALID_HANDLE_VALUE, most other calls give NULL. An owner treats both as
// empty and keeps NULL for either, so that "if (handle)" means the same for
// every source. (The current process's pseudo-handle has the same value as
// INVALID_HANDLE_VALUE and is never owned.)
#pragma once
#include <windows.h>

namespace fw {

// How a handle of each kind is closed.
struct KernelHandleTraits {
    static BOOL Close(HANDLE h) { return ::CloseHandle(h); }
};

template <class Traits>
class CHandleT {
public:
    CHandleT() = default;
    explicit CHandleT(HANDLE h) : m_h(Normalize(h)) {}
    ~CHandleT() { Close(); }
    CHandleT(const CHandleT&) = delete;
    CHandleT& operator=(const CHandleT&) = delete;
    CHandleT(CHandleT&& o) noexcept : m_h(o.Detach()) {}
    CHandleT& operator=(CHandleT&& o) noexcept {
        if (this != &o) Attach(o.Detach());
        return *this;
    }

    // The handle, still owned here. Not from a temporary owner, which would
    // close it at the end of the expression.
    operator HANDLE() const& { return m_h; }
    operator HANDLE() const&& = delete;
    HANDLE Get() const { return m_h; }
    bool IsValid() const { return m_h != nullptr; }

    // Takes ownership of h (closing the one held before, unless it is h).
    void Attach(HANDLE h) {
        h = Normalize(h);
        if (h == m_h) return;
        Close();
        m_h = h;
    }
    // Gives the handle up without closing it.
    HANDLE Detach() {
        HANDLE h = m_h;
        m_h = nullptr;
        return h;
    }
    // Closes the handle now; FALSE when there was none or closing failed.
    BOOL Close() {
        if (!m_h) return FALSE;
        HANDLE h = Detach();
        return Traits::Close(h);
    }

    static HANDLE Normalize(HANDLE h) { return h == INVALID_HANDLE_VALUE ? nullptr : h; }

private:
    HANDLE m_h = nullptr;
};

}  // namespace fw

typedef fw::CHandleT<fw::KernelHandleTraits> CHandle;
