#include "recognition/PsKeyAccess.h"
#include "core/UsbIds.h"
#include "standins/dfuengine/include/DFUTransport.h"
#include <cstring>
#include <cwctype>
#include <string>

struct CPsKeySession::Impl {
    DFUTransportCOM transport;
    DFUEngine::Result result;  // reassigned by every access
    BYTE buffer[PSKEY_BUFFER_BYTES];
};

namespace {

int Hex4(const std::wstring& text, size_t at) {
    int value = 0;
    for (size_t i = at; i < at + 4 && i < text.size(); ++i) {
        wchar_t c = text[i];
        int digit;
        if (c >= L'0' && c <= L'9') digit = c - L'0';
        else if (c >= L'A' && c <= L'F') digit = c - L'A' + 10;
        else break;
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace

void ParsePsDevicePath(const wchar_t* path, int* vendorId, int* productId) {
    std::wstring upper = path ? path : L"";
    for (wchar_t& c : upper) c = (wchar_t)std::towupper(c);
    int vid = 0, pid = 0;
    size_t at = upper.find(L"VID_");
    if (at != std::wstring::npos && at > 0) {
        vid = Hex4(upper, at + 4);
        size_t p = upper.find(L"PID_", at);
        if (p != std::wstring::npos && p > 0) pid = Hex4(upper, p + 4);
    }
    if (vendorId) *vendorId = vid;
    if (productId) *productId = pid;
}

CPsKeySession::CPsKeySession() : m(new Impl) { DFUTransportUSB::init(); }

CPsKeySession::~CPsKeySession() { DFUTransportUSB::deinit(); }

std::vector<CPsDevice> CPsKeySession::ListDevices() {
    std::vector<CPsDevice> devices;
    CStringListX names;
    DFURequestsUSB::EnumerateDevices(names);
    for (POSITION pos = names.GetHeadPosition(); pos;) {
        const CStringX& name = names.GetNext(pos);
        CPsDevice d;
        d.name = (const wchar_t*)name;
        CStringX path = DFUTransportUSB::PathInternal(name);
        d.path = (const wchar_t*)path;
        ParsePsDevicePath(d.path, &d.vendorId, &d.productId);
        devices.push_back(d);
    }
    return devices;
}

std::vector<CPsDevice> CPsKeySession::Devices(const int* accepted, int acceptedCount) {
    std::vector<CPsDevice> out;
    for (const CPsDevice& d : ListDevices()) {
        if (d.vendorId != VendorIdMaker) continue;
        for (int i = 0; i < acceptedCount; ++i)
            if (accepted[i] == d.productId) {
                out.push_back(d);
                break;
            }
    }
    return out;
}

BOOL CPsKeySession::Connect(const CPsDevice& device) {
    m->result = DFURequestsUSB::ConnectDevice(CStringX(device.path), m->transport);
    m_bConnected = m->result ? TRUE : FALSE;
    return m_bConnected;
}

BOOL CPsKeySession::Read(WORD key, void* buffer, int bytes) {
    if (!buffer || bytes <= 0 || bytes > 0xFFFF) return FALSE;
    // Read into a buffer of our own so that a failed read leaves the caller's as it was.
    std::vector<BYTE> value(bytes, 0);
    unsigned short words = 0;
    m->result = m->transport.BCCMDGetPS(key, value.data(), (unsigned short)bytes, &words);
    if (!m->result) return FALSE;
    std::memcpy(buffer, value.data(), bytes);
    return TRUE;
}

BOOL CPsKeySession::Write(WORD key, const void* value, int bytes) {
    if (bytes < 0) bytes = 0;
    if (bytes > PSKEY_BUFFER_BYTES) bytes = PSKEY_BUFFER_BYTES;
    std::memset(m->buffer, 0, sizeof(m->buffer));
    if (value && bytes) std::memcpy(m->buffer, value, bytes);
    m->result = m->transport.BCCMDSetPS(key, m->buffer, (unsigned short)bytes);
    return m->result ? TRUE : FALSE;
}

BOOL CPsKeySession::WriteWords(WORD key, const WORD* words, int count) {
    if (count < 0) count = 0;
    if (count > PSKEY_BUFFER_BYTES / 2) count = PSKEY_BUFFER_BYTES / 2;
    BYTE bytes[PSKEY_BUFFER_BYTES];
    for (int i = 0; i < count; ++i) {
        bytes[2 * i] = (BYTE)(words[i] & 0xFF);
        bytes[2 * i + 1] = (BYTE)(words[i] >> 8);
    }
    return Write(key, bytes, count * 2);
}

namespace {

template <class Op>
BOOL OnFirstDevice(const int* accepted, int acceptedCount, Op op) {
    CPsKeySession session;
    for (const CPsDevice& d : session.Devices(accepted, acceptedCount)) {
        if (!session.Connect(d)) continue;
        return op(session);
    }
    return FALSE;
}

}  // namespace

BOOL ReadPsKeyOnce(WORD key, void* buffer, int bytes, const int* accepted, int acceptedCount) {
    return OnFirstDevice(accepted, acceptedCount, [&](CPsKeySession& s) { return s.Read(key, buffer, bytes); });
}

BOOL WritePsKeyOnce(WORD key, const void* value, int bytes, const int* accepted, int acceptedCount) {
    return OnFirstDevice(accepted, acceptedCount, [&](CPsKeySession& s) { return s.Write(key, value, bytes); });
}
