#include "tools/bench/SettingsRowsBench.h"
#include "framework/Framework.h"
#include "grid/ConfigListCtrl.h"
#include "settings/rows/ConfigListRowsGrid.h"
#include <commctrl.h>

namespace {

double NowMs() {
    LARGE_INTEGER f, t;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return 1000.0 * (double)t.QuadPart / (double)f.QuadPart;
}

void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

}  // namespace

SettingsRowsBenchResult RunSettingsRowsBench(int fills) {
    SettingsRowsBenchResult result;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);

    // A host window like the page: the grid reflects its drawing through it.
    CWnd host;
    const RECT hostRect = {40, 40, 40 + 640, 40 + 320};
    if (!host.CreateEx(0, CWnd::RegisterWndClass(0), L"rows bench", WS_POPUP | WS_VISIBLE, hostRect, nullptr, 0))
        return result;
    HWND hList = ::CreateWindowExW(0, WC_LISTVIEWW, L"",
                                   WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER |
                                       LVS_SINGLESEL,
                                   0, 0, 620, 300, host.GetSafeHwnd(), (HMENU)1201, ::GetModuleHandleW(nullptr), nullptr);
    CConfigListCtrl list;
    list.SubclassWindow(hList);
    list.InsertColumn(0, L"", LVCFMT_CENTER, 30);
    list.InsertColumn(1, L"", LVCFMT_LEFT, 370);
    list.InsertColumn(2, L"", LVCFMT_CENTER, 200);

    CDeviceRecord device;
    device.m_nModelId = 0x5510;
    device.m_version.Set(3, 0, 0, 0, 0);
    const rows::RowsContext ctx{0x5510, &device, 0};
    rows::CConfigListRowsGrid grid(list);

    double fillTotal = 0, paintTotal = 0;
    for (int i = 0; i < fills; ++i) {
        device.m_bSoundBlend = i & 1;  // the values change from fill to fill
        const double t0 = NowMs();
        rows::FillSettingsList(grid, ctx, device);
        const double t1 = NowMs();
        list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        const double t2 = NowMs();
        Pump();
        fillTotal += t1 - t0;
        paintTotal += t2 - t1;
    }
    result.rows = grid.GetRowCount();
    result.fills = fills;
    result.fillMs = fills ? fillTotal / fills : 0;
    result.paintMs = fills ? paintTotal / fills : 0;
    list.DestroyWindow();
    host.DestroyWindow();
    return result;
}

void PrintSettingsRowsBench(FILE* out, const SettingsRowsBenchResult& r) {
    std::fprintf(out, "[grid-rows] largest settings list (%d rows), %d fills\n", r.rows, r.fills);
    std::fprintf(out, "  fill  %8.2f ms per fill (goal: no visible time)\n", r.fillMs);
    std::fprintf(out, "  paint %8.2f ms per paint of the whole grid\n", r.paintMs);
}
