// A fresh simulated world for each recognition test, with helpers that put
// headsets of the chip vendor's family and HID headsets on the bus.
#pragma once
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "framework/Clock.h"
#include "recognition/PsKeys.h"
#include "hardware/HardwareApi.h"
#include "standins/simdevices/SimDevices.h"

namespace rectest {

// A DFU headset showing pid (pid + 0x8000 in firmware-management mode)
// whose product-id key holds model (no key when model is 0).
inline sim::DeviceId AddDfu(const wchar_t* name, WORD pid = 0x2110, WORD model = 0x2110) {
    sim::DeviceId id = sim::AddDfuHeadset(name, sim::kMakerVendorId, pid, (WORD)(pid | 0x8000));
    if (model) sim::SetPsKeyWords(id, PSKEY_PRODUCT_ID, {model});
    return id;
}

// The keys written to a device, in order.
inline std::vector<WORD> WrittenKeys(sim::DeviceId id) {
    std::vector<WORD> keys;
    for (const sim::PsWrite& w : sim::PsWriteLog())
        if (w.device == id) keys.push_back(w.key);
    return keys;
}

inline std::vector<BYTE> WrittenValue(sim::DeviceId id, WORD key) {
    std::vector<BYTE> value;
    for (const sim::PsWrite& w : sim::PsWriteLog())
        if (w.device == id && w.key == key) value = w.value;
    return value;
}

inline std::vector<BYTE> Words(std::initializer_list<WORD> words) {
    std::vector<BYTE> bytes;
    for (WORD w : words) {
        bytes.push_back((BYTE)w);
        bytes.push_back((BYTE)(w >> 8));
    }
    return bytes;
}

// Every request a HID device took: command and block byte.
inline std::vector<std::pair<BYTE, BYTE>> HidRequests(sim::DeviceId id) {
    std::vector<std::pair<BYTE, BYTE>> out;
    for (const auto& r : sim::HidCommandLog(id)) out.push_back({r[1], r[2]});
    return out;
}

inline bool HasRequest(sim::DeviceId id, BYTE command, BYTE block) {
    for (const auto& r : HidRequests(id))
        if (r.first == command && r.second == block) return true;
    return false;
}

// A world of its own, sped up device and program clocks.
class SimWorld {
public:
    SimWorld() {
        sim::Reset();
        sim::SetSpeed(100);
        m_speed = fw::Clock::GetSpeed();
        fw::Clock::SetSpeed(100);
        m_table = hw::SimulatedApi();
        hw::SetApi(&m_table);
    }
    ~SimWorld() {
        hw::SetApi(nullptr);
        fw::Clock::SetSpeed(m_speed);
        sim::Reset();
    }

private:
    hw::HardwareApi m_table;
    unsigned m_speed = 1;
};

class SimTest : public ::testing::Test {
protected:
    SimWorld m_world;
};

}  // namespace rectest
