#include "tools/bench/HidPackageBench.h"
#include "core/HidChannel.h"
#include "core/HidDevice.h"
#include "hardware/HardwareApi.h"
#include "standins/simdevices/SimDevices.h"
#include "update/HidUpdateJob.h"
#include <cstring>
#include <vector>

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return (double)(to.QuadPart - from.QuadPart) / (double)f.QuadPart;
}

LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return t;
}

}  // namespace

HidPackageBenchResult RunHidPackageBench(unsigned partBytes) {
    HidPackageBenchResult r;
    sim::Reset();
    hw::SetApi(&hw::SimulatedApi());
    sim::DeviceId dev = sim::AddHidInterface(L"Bench headset", sim::kMakerVendorId, 0x6010);
    hw::CDeviceHandle h = OpenHidDevice(0x6010);
    if (!h) {
        hw::SetApi(nullptr);
        return r;
    }
    std::vector<BYTE> data(partBytes);
    for (unsigned i = 0; i < partBytes; ++i) data[i] = (BYTE)(i * 7 + 3);

    // Raw: full IMAGE_DATA reports, each written and its status read.
    hidupdate::Command(&h, 0x05, {1});
    const int reports = (int)(partBytes / HID_IMAGE_CHUNK) + 1;
    LARGE_INTEGER t0 = Now();
    for (int i = 0; i < reports; ++i) hidupdate::SendChunk(&h, data.data(), HID_IMAGE_CHUNK);
    double raw = Seconds(t0, Now());
    hidupdate::Command(&h, 0x07);
    r.rawReportsPerSecond = reports / raw;
    r.rawBytesPerSecond = reports * (double)HID_IMAGE_CHUNK / raw;

    // The update path's sender: begin, chunks, end.
    t0 = Now();
    bool sent = hidupdate::SendPart(&h, 2, data.data(), partBytes) == hidupdate::PART_SENT;
    r.packageBytesPerSecond = partBytes / Seconds(t0, Now());
    t0 = Now();
    sent = hidupdate::SendPart(&h, 3, data.data(), partBytes, HID_UPDATE_MODE_CHUNK) == hidupdate::PART_SENT && sent;
    r.updateModeBytesPerSecond = partBytes / Seconds(t0, Now());

    std::vector<sim::HidPart> parts = sim::HidReceivedParts(dev);
    r.exact = sent && parts.size() == 3 && parts[1].data == data && parts[2].data == data;
    h.Close();
    hw::SetApi(nullptr);
    sim::Reset();
    return r;
}

void PrintHidPackageBench(FILE* out, const HidPackageBenchResult& r) {
    std::fprintf(out, "HID package transfer (simulated headset)\n");
    std::fprintf(out, "  raw reports:          %8.0f reports/s, %10.0f bytes/s\n", r.rawReportsPerSecond,
                 r.rawBytesPerSecond);
    std::fprintf(out, "  package (1019 bytes): %10.0f bytes/s, %5.1f %% of raw\n", r.packageBytesPerSecond,
                 r.rawBytesPerSecond > 0 ? 100.0 * r.packageBytesPerSecond / r.rawBytesPerSecond : 0.0);
    std::fprintf(out, "  update mode (58):     %10.0f bytes/s, %5.1f %% of raw\n", r.updateModeBytesPerSecond,
                 r.rawBytesPerSecond > 0 ? 100.0 * r.updateModeBytesPerSecond / r.rawBytesPerSecond : 0.0);
    std::fprintf(out, "  received byte for byte: %s\n", r.exact ? "yes" : "NO");
}
