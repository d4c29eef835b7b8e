// File and drive calls: HID paths go to the simulated devices, paths on a
// simulated drive go to its folder, everything else to the real system.
#include "standins/simhardware/SimulatedParts.h"
#include "standins/simdevices/SimDevices.h"

namespace hw {
namespace simulated {

namespace {
std::wstring Mapped(LPCWSTR name) {
    std::wstring mapped;
    if (sim::MapDrivePath(name, &mapped)) return mapped;
    return name ? name : L"";
}
}  // namespace

HANDLE WINAPI CreateFileW(LPCWSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES sa,
                          DWORD disposition, DWORD flags, HANDLE templ) {
    HANDLE device;
    if (OpenDevice(name, &device)) return device;
    return ::CreateFileW(Mapped(name).c_str(), access, share, sa, disposition, flags, templ);
}

BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD size, LPDWORD read, LPOVERLAPPED ov) {
    if (IsDevice(file)) return ReadDevice(file, buffer, size, read, ov);
    return ::ReadFile(file, buffer, size, read, ov);
}

BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD size, LPDWORD written, LPOVERLAPPED ov) {
    if (IsDevice(file)) return WriteDevice(file, buffer, size, written, ov);
    return ::WriteFile(file, buffer, size, written, ov);
}

BOOL WINAPI GetOverlappedResult(HANDLE file, LPOVERLAPPED ov, LPDWORD transferred, BOOL wait) {
    if (IsDevice(file)) return DeviceOverlappedResult(file, ov, transferred, wait);
    return ::GetOverlappedResult(file, ov, transferred, wait);
}

BOOL WINAPI CancelIo(HANDLE file) {
    if (IsDevice(file)) return CancelDevice(file);
    return ::CancelIo(file);
}

BOOL WINAPI CloseHandle(HANDLE handle) {
    if (IsDevice(handle)) return CloseDevice(handle);
    return ::CloseHandle(handle);
}

DWORD WINAPI GetFileSize(HANDLE file, LPDWORD high) {
    if (IsDevice(file)) {
        ::SetLastError(ERROR_INVALID_FUNCTION);
        return INVALID_FILE_SIZE;
    }
    return ::GetFileSize(file, high);
}

BOOL WINAPI DeleteFileW(LPCWSTR name) { return ::DeleteFileW(Mapped(name).c_str()); }

BOOL WINAPI MoveFileW(LPCWSTR from, LPCWSTR to) { return ::MoveFileW(Mapped(from).c_str(), Mapped(to).c_str()); }

DWORD WINAPI GetFileAttributesW(LPCWSTR name) { return ::GetFileAttributesW(Mapped(name).c_str()); }

DWORD WINAPI GetLogicalDrives() {
    SyncSpeed();
    return sim::DriveMask();
}

UINT WINAPI GetDriveTypeW(LPCWSTR root) { return sim::DriveType(root); }

}  // namespace simulated
}  // namespace hw
