#include "grid/PressCheck.h"
#include "grid/CellDropDown.h"
#include "framework/Clock.h"
#include "framework/Thread.h"
#include <memory>

namespace presscheck {
namespace {

struct ClickRecord {
    HWND list;
    RECT arrowClient;
    RECT arrowScreen;
};

volatile LONG g_running = 0;
const DWORD kCheckDelayMs = 200;

UINT ButtonPressCheckProc(LPVOID param) {
    std::unique_ptr<ClickRecord> record(static_cast<ClickRecord*>(param));
    fw::Clock::Sleep(kCheckDelayMs);
    BOOL before = CCellDropDown::IsButtonPressed();
    POINT cursor{};
    BOOL down = CCellDropDown::ReadPrimaryButton(&cursor);
    BOOL now = down && ::PtInRect(&record->arrowScreen, cursor);
    if (now != before) {
        CCellDropDown::SetButtonPressed(now);
        const RECT& r = record->arrowClient;
        ::PostMessageW(record->list, CCellDropDown::WM_CELL_REPAINT, MAKEWPARAM((WORD)r.left, (WORD)r.top),
                       MAKELPARAM((WORD)r.right, (WORD)r.bottom));
    }
    ::InterlockedDecrement(&g_running);
    return 0;
}

}  // namespace

void Start(HWND hList, const RECT& arrowClient, const RECT& arrowScreen) {
    ClickRecord* record = new ClickRecord{hList, arrowClient, arrowScreen};
    ::InterlockedIncrement(&g_running);
    if (!AfxBeginThread(ButtonPressCheckProc, record)) {
        ::InterlockedDecrement(&g_running);
        delete record;
    }
}

LONG Running() { return g_running; }

}  // namespace presscheck

LONG CCellDropDown::RunningPressChecks() { return presscheck::Running(); }
