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

    CUpdaterDlg& m_dlg;
    std::vector<std::wstring> m_texts;
    Outcome m_outcome;
};

// Prints the road's table (fault, end text, program seconds to the end).
void PrintTable(const char* road, const std::vector<Outcome>& outcomes);

// Success texts of every page: none may show after a fault.
bool IsSuccessText(const std::wstring& text);

}  // namespace faultmatrix
