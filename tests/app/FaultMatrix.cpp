#include "tests/app/FaultMatrix.h"
#include "app/resource.h"
#include "framework/Clock.h"
#include "framework/TestSeams.h"
#include <cstdio>

namespace faultmatrix {

namespace {

std::string Narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) s += c < 0x80 ? (char)c : '?';
    return s;
}

}  // namespace

bool IsSuccessText(const std::wstring& text) { return text.find(L"successfully") != std::wstring::npos; }

void Follower::Sample() {
    CString s;
    m_dlg.GetStatusText(&s);
    std::wstring text = s.GetString();
    if (m_texts.empty() || m_texts.back() != text) m_texts.push_back(text);
}

bool Follower::Saw(const std::wstring& part) const {
    for (const std::wstring& t : m_texts)
        if (t.find(part) != std::wstring::npos) return true;
    return false;
}

std::string Follower::Texts() const {
    std::string all;
    for (const std::wstring& t : m_texts) all += Narrow(t) + " | ";
    return all;
}

void Follower::NotePolls() {
    if (!m_countPolls) return;
    const int polls = m_dlg.m_updatePage.m_nPostUpdatePolls;
    if (polls == m_polls) return;
    const DWORD now = fw::Clock::GetTickCount();
    // From the first poll on (the timer's start is not seen).
    if (polls > m_polls && m_polls > 0) {
        m_pollingMs += now - m_pollAt;
        m_pollsMs += (DWORD)(polls - m_polls) * CDialogFirmwareUpdate::kPostUpdatePollMs;
    }
    m_polls = polls;
    m_pollAt = now;
}

DWORD Follower::CountedMs(DWORD begin) const {
    const DWORD took = fw::Clock::GetTickCount() - begin;
    return took - m_pollingMs + m_pollsMs;
}

void Follower::Run(const Row& row, const std::function<void()>& start) {
    m_texts.clear();
    m_outcome = Outcome();
    m_outcome.fault = row.fault;
    m_countPolls = row.endsOnPostUpdatePolls;
    m_polls = m_dlg.m_updatePage.m_nPostUpdatePolls;
    m_pollingMs = m_pollsMs = 0;
    const DWORD begin = fw::Clock::GetTickCount();
    const DWORD bound = row.boundSeconds * 1000u;
    start();
    auto ended = [&] {
        Sample();
        NotePolls();
        return Saw(row.endText) && !m_dlg.m_bBusy;
    };
    // Real time: the bound at the clock's speed, with room for a loaded
    // machine (and for polls up to ten times their period, where they count).
    const DWORD speed = fw::Clock::GetSpeed() ? fw::Clock::GetSpeed() : 1;
    DWORD realLimit = bound / speed * 2 + 3000;
    if (m_countPolls)
        realLimit += CDialogFirmwareUpdate::kPostUpdatePollLimit * CDialogFirmwareUpdate::kPostUpdatePollMs * 10 / speed;
    bool done = fw::test::PumpUntil([&] { return ended() || CountedMs(begin) > bound * 2; }, realLimit);
    done = done && Saw(row.endText) && !m_dlg.m_bBusy;
    const DWORD took = CountedMs(begin);
    // Whatever the road would still post arrives now.
    fw::test::PumpUntil([&] { Sample(); return false; }, 300);
    CString last;
    m_dlg.GetStatusText(&last);
    m_outcome.endText = last.GetString();
    if (done) m_outcome.seconds = took / 1000.0;

    EXPECT_TRUE(done) << "no end \"" << Narrow(row.endText) << "\" after " << took / 1000 << " s: " << Texts();
    EXPECT_LE(took, bound) << "ended after " << took / 1000.0 << " s of program time (post-update polls "
                           << m_pollingMs / 1000.0 << " s, counted " << m_pollsMs / 1000.0 << " s): " << Texts();
    EXPECT_NE(std::wstring::npos, m_outcome.endText.find(row.endText)) << Texts();
    EXPECT_FALSE(m_dlg.m_bBusy);
    for (const std::wstring& t : m_texts) {
        if (row.success) {
            // No failure shown on the way: a user would act on it.
            EXPECT_EQ(std::wstring::npos, t.find(L"Failed")) << Texts();
        } else {
            EXPECT_FALSE(IsSuccessText(t)) << Texts();
        }
    }
}

void Follower::ExpectUsable(const std::function<void()>& beforeLeaving) {
    fw::test::PumpUntil([&] { return !m_dlg.m_bBusy; }, 5000);
    ASSERT_FALSE(m_dlg.m_bBusy);
    // Every step button the wizard's state allows is enabled: none is left
    // disabled by a busy state that did not end.
    struct Step {
        int id;
        bool allowed;
    } steps[] = {
        {IDC_STEP_WELCOME, true},
        {IDC_STEP_RECOGNITION, m_dlg.m_nTargetModel != 0},
        {IDC_STEP_UPDATE, m_dlg.m_bRecognized != FALSE},
        {IDC_STEP_RESTORE, m_dlg.m_bRecognized != FALSE},
    };
    for (const Step& s : steps)
        EXPECT_EQ(s.allowed, ::IsWindowEnabled(::GetDlgItem(m_dlg.m_hWnd, s.id)) != FALSE) << "step button " << s.id;
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(m_dlg.m_hWnd, IDC_BACK)));
    if (beforeLeaving) beforeLeaving();
    ::SendMessageW(::GetDlgItem(m_dlg.m_hWnd, IDC_STEP_WELCOME), BM_CLICK, 0, 0);
    EXPECT_TRUE(fw::test::PumpUntil([&] { return m_dlg.m_nPage == PAGE_WELCOME && !m_dlg.m_bBusy; }, 5000))
        << "WELCOME not reached, page " << m_dlg.m_nPage;
}

void PrintTable(const char* road, const std::vector<Outcome>& outcomes) {
    std::printf("\nFault matrix: %s\n", road);
    for (const Outcome& o : outcomes) {
        if (o.seconds < 0) std::printf("| %s | %s | no end |\n", o.fault.c_str(), Narrow(o.endText).c_str());
        else std::printf("| %s | %s | %.0f s |\n", o.fault.c_str(), Narrow(o.endText).c_str(), o.seconds);
    }
    std::fflush(stdout);
}

}  // namespace faultmatrix
