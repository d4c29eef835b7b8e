// A fault matrix of one road of the real wizard: every fault the simulated
// world offers on that road, one row each, run on a fresh world. For each
// row the road must end with its text within its bound of program time,
// show no success text after a fault (and no failure text on the way to a
// success), and leave the wizard usable: not busy, the step buttons
// enabled, WELCOME reachable with its step button.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "framework/Clock.h"
#include "hardware/HardwareApi.h"
#include "standins/simdevices/SimDevices.h"
#include "tests/app/WizardHarness.h"

namespace faultmatrix {

struct Row {
    const char* fault;
    std::function<void()> apply;  // puts the fault into the freshly built world
    const wchar_t* endText;       // the status text the road ends with (a part of it)
    bool success;                 // endText is the road's success text
    unsigned boundSeconds;        // program time from the start to the end
    // Answers for the boxes the road asks, in order (IDOK when none).
    std::vector<INT_PTR> answers = {};
    // The road ends on the count of the post-update step's polls, not on a
    // time: each poll counts at its own period, however far a loaded machine
    // stretches its timer in program time (the clock runs fast, the timer
    // waits its real-time floor).
    bool endsOnPostUpdatePolls = false;
};

// What one row did, for the table the road prints at its end.
struct Outcome {
    std::string fault;
    std::wstring endText;
    double seconds = -1;  // program time to the end; -1: no end within the bound
};

class Follower {
public:
    explicit Follower(CUpdaterDlg& dlg) : m_dlg(dlg) {}

    // Runs start (the user's action that begins the road) and pumps until
    // the row's end text stands on the status line with the wizard idle,
    // or until the bound has passed. Then checks the row.
    void Run(const Row& row, const std::function<void()>& start);

    // The step buttons are enabled and WELCOME's takes the wizard there;
    // beforeLeaving runs first (to queue the answer to a box on the way).
    void ExpectUsable(const std::function<void()>& beforeLeaving = nullptr);

    Outcome Result() const { return m_outcome; }
    bool Saw(const std::wstring& part) const;
    std::string Texts() const;

private:
    void Sample();
    // With endsOnPostUpdatePolls: notes the post-update polls made since
    // the last look; the program time from `begin`, polls at their period.
    void NotePolls();
    DWORD CountedMs(DWORD begin) const;

    CUpdaterDlg& m_dlg;
    std::vector<std::wstring> m_texts;
    Outcome m_outcome;
    bool m_countPolls = false;
    int m_polls = 0;
    DWORD m_pollAt = 0;
    DWORD m_pollingMs = 0;  // program time between polls seen
    DWORD m_pollsMs = 0;    // ... and the same polls at their period
};

// Prints the road's table (fault, end text, program seconds to the end).
void PrintTable(const char* road, const std::vector<Outcome>& outcomes);

// Success texts of every page: none may show after a fault.
bool IsSuccessText(const std::wstring& text);

// The wizard on the simulated hardware, its clock and the simulated
// devices' at the speed the roads are timed at (faster speeds meet Wine's
// timer floor and stretch the program's time).
class FaultMatrixTest : public WizardTest {
protected:
    static const int kSpeed = 50;
    void SetUp() override {
        WizardTest::SetUp();
        hw::SetApi(&hw::SimulatedApi());
        fw::Clock::SetSpeed(kSpeed);
    }
    void TearDown() override {
        fw::Clock::SetSpeed(1);
        hw::SetApi(nullptr);
        sim::Reset();
        WizardTest::TearDown();
    }
    // A fresh world with the run command's DFU headset, Vela Morn T, on
    // firmware major.0 with the first settings word given; its transfer
    // takes a second a step.
    sim::DeviceId AddVelaMornT(unsigned char major, WORD settingsWord, sim::DfuBehaviour* behaviour) {
        sim::Reset();
        sim::SetSpeed(kSpeed);
        return PlugInVelaMornT(major, settingsWord, behaviour);
    }
    // The same headset plugged into the world as it is.
    static sim::DeviceId PlugInVelaMornT(unsigned char major, WORD settingsWord, sim::DfuBehaviour* behaviour) {
        sim::DeviceId headset = sim::AddDfuHeadset(L"Vela Morn T", sim::kMakerVendorId, 0x2110, 0xA110);
        sim::SetPsKeyWords(headset, 0x02A3, {0x2110});
        const char version[4] = {(char)major, 0, 0, 0};
        sim::SetPsKey(headset, 0x02A4, version, 4);
        sim::SetPsKeyText(headset, 0x0108, "Vela Morn T");
        sim::SetPsKeyWords(headset, 0x028E, {settingsWord, 0x0000});
        *behaviour = sim::DfuBehaviour();
        behaviour->phaseMs = 1000;
        behaviour->waitEvents = 3;
        behaviour->progressEvents = 6;
        return headset;
    }
};

}  // namespace faultmatrix
