// Persistent-store access and enumeration over the simulated headsets.
#include "standins/dfuengine/include/DFUTransport.h"
#include "standins/simdevices/SimDevices.h"
#include <atomic>
#include <cwctype>
#include <string>

namespace {
// init and deinit calls balance; enumeration needs the transport set up.
std::atomic<int> g_usbInit{0};
}  // namespace

DFUTransportCOM::DFUTransportCOM() : device_(0) {}
DFUTransportCOM::~DFUTransportCOM() {}

DFUEngine::Result DFUTransportCOM::BCCMDGetPS(unsigned short key, void* buffer, unsigned short length,
                                              unsigned short* actualLength) {
    if (!device_) return DFUEngine::Result(dfu_result::kNotConnected);
    return DFUEngine::Result(sim::DfuReadKey(device_, key, buffer, length, actualLength));
}

DFUEngine::Result DFUTransportCOM::BCCMDSetPS(unsigned short key, const void* buffer, unsigned short length) {
    if (!device_) return DFUEngine::Result(dfu_result::kNotConnected);
    return DFUEngine::Result(sim::DfuWriteKey(device_, key, buffer, length));
}

void DFUTransportUSB::init() { ++g_usbInit; }

void DFUTransportUSB::deinit() {
    if (g_usbInit > 0) --g_usbInit;
}

CStringX DFUTransportUSB::PathInternal(const CStringX& deviceName) {
    for (const sim::DfuListing& d : sim::ListDfuDevices())
        if (d.name == (const wchar_t*)deviceName) return CStringX(d.path.c_str());
    return CStringX();
}

int DFURequestsUSB::EnumerateDevices(CStringListX& names) {
    names.RemoveAll();
    if (g_usbInit <= 0) return 0;
    for (const sim::DfuListing& d : sim::ListDfuDevices()) names.AddTail(CStringX(d.name.c_str()));
    return names.GetCount();
}

DFUEngine::Result DFURequestsUSB::ConnectDevice(const CStringX& path, DFUTransportCOM& transport) {
    transport.device_ = 0;
    if (g_usbInit <= 0) return DFUEngine::Result(dfu_result::kNotConnected);
    sim::DeviceId id = sim::FindDfuByPath(path);
    if (!id) return DFUEngine::Result(dfu_result::kNoDevice);
    int code = sim::DfuConnect(id);
    if (code == dfu_result::kOk) transport.device_ = id;
    return DFUEngine::Result(code);
}

CStringX Device::Canonicalise(const CStringX& path, bool stripPrefix) {
    std::wstring s = (const wchar_t*)path;
    if (stripPrefix && s.compare(0, 4, L"\\\\?\\") == 0) s = s.substr(4);
    for (auto& c : s) c = (wchar_t)std::towlower(c);
    return CStringX(s.c_str());
}
