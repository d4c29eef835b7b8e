#include "tools/bench/GridBench.h"
#include "framework/Framework.h"
#include "grid/CellCheckBox.h"
#include "grid/CellComboBox.h"
#include "grid/CellPushButton.h"
#include "grid/ConfigListCtrl.h"
#include "settings/rows/ConfigListRowsGrid.h"
#include <algorithm>
#include <commctrl.h>
#include <functional>
#include <string>
#include <vector>

namespace {

const UINT kHelpBitmap = 188;

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

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Timed(const std::function<void()>& fn) {
    const double t0 = NowMs();
    fn();
    return NowMs() - t0;
}

void Repaint(HWND h) { ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE); }

// One row's texts: label, and the value as the grid's cell shows it.
struct RowTexts {
    CString label;
    CString value;
    bool list;
};

std::vector<RowTexts> MakeRows(int count) {
    std::vector<RowTexts> rows;
    for (int r = 0; r < count; ++r) {
        CString label = CString(L"Setting number ") + CString(std::to_wstring(r).c_str());
        if (r % 3 == 2) rows.push_back({label, L"Level 3\nLevel 1\nLevel 2\nLevel 3\nLevel 4\nLevel 5", true});
        else rows.push_back({label, r & 1 ? L"1" : L"0", false});
    }
    return rows;
}

void FillGrid(CConfigListCtrl& list, const std::vector<RowTexts>& rows) {
    list.SendMessage(WM_SETREDRAW, FALSE, 0);
    list.DeleteAllItems();
    for (int r = 0; r < (int)rows.size(); ++r) {
        list.InsertItem(r, L"");
        list.SetCellCtrl(r, 0, new CCellPushButton(nullptr, 0, 0, 0), L"");
        if (auto* help = list.GetCellAs<CCellPushButton>(r, 0)) help->SetBitmapId(kHelpBitmap);
        list.SetItem(r, 1, LVIF_TEXT, rows[(size_t)r].label, 0, 0, 0, 0);
        if (rows[(size_t)r].list) {
            list.SetCellCtrl(r, 2, new CCellComboBox(), rows[(size_t)r].value);
        } else {
            list.SetCellCtrl(r, 2, new CCellCheckBox(), rows[(size_t)r].value);
            if (auto* box = list.GetCellAs<CCellCheckBox>(r, 2)) {
                box->SetCheckedText(L"Enable");
                box->SetUncheckedText(L"Disable");
            }
        }
    }
    list.SendMessage(WM_SETREDRAW, TRUE, 0);
}

// The plain list view with the texts the grid's items hold.
void FillPlain(HWND plain, const std::vector<std::vector<CString>>& texts) {
    ::SendMessageW(plain, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(plain, LVM_DELETEALLITEMS, 0, 0);
    for (int r = 0; r < (int)texts.size(); ++r) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = r;
        item.pszText = const_cast<LPWSTR>(texts[(size_t)r][0].GetString());
        ::SendMessageW(plain, LVM_INSERTITEMW, 0, (LPARAM)&item);
        for (int c = 1; c < (int)texts[(size_t)r].size(); ++c) {
            item.iSubItem = c;
            item.pszText = const_cast<LPWSTR>(texts[(size_t)r][(size_t)c].GetString());
            ::SendMessageW(plain, LVM_SETITEMW, 0, (LPARAM)&item);
        }
    }
    ::SendMessageW(plain, WM_SETREDRAW, TRUE, 0);
}

std::vector<std::vector<CString>> ItemTexts(CConfigListCtrl& list) {
    std::vector<std::vector<CString>> texts((size_t)list.GetItemCount());
    for (int r = 0; r < (int)texts.size(); ++r)
        for (int c = 0; c < 3; ++c) texts[(size_t)r].push_back(list.GetItemText(r, c));
    return texts;
}

void AddColumns(HWND list) {
    const int widths[3] = {30, 370, 200};
    for (int c = 0; c < 3; ++c) {
        LVCOLUMNW col{};
        col.mask = LVCF_FMT | LVCF_WIDTH;
        col.fmt = c == 1 ? LVCFMT_LEFT : LVCFMT_CENTER;
        col.cx = widths[c];
        ::SendMessageW(list, LVM_INSERTCOLUMNW, (WPARAM)c, (LPARAM)&col);
    }
}

}  // namespace

GridBenchResult RunGridBench(int rowCount, int runs) {
    GridBenchResult result;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);

    // A host like the settings page, holding the grid and a plain list view
    // of the same size side by side.
    CWnd host;
    const RECT hostRect = {10, 40, 10 + 1260, 40 + 320};
    if (!host.CreateEx(0, CWnd::RegisterWndClass(0), L"grid bench", WS_POPUP | WS_VISIBLE, hostRect, nullptr, 0))
        return result;
    const DWORD style = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL;
    HWND hGrid = ::CreateWindowExW(0, WC_LISTVIEWW, L"", style | LVS_OWNERDRAWFIXED, 0, 0, 620, 300,
                                   host.GetSafeHwnd(), (HMENU)1201, ::GetModuleHandleW(nullptr), nullptr);
    HWND hPlain = ::CreateWindowExW(0, WC_LISTVIEWW, L"", style, 630, 0, 620, 300, host.GetSafeHwnd(), (HMENU)1202,
                                    ::GetModuleHandleW(nullptr), nullptr);
    CConfigListCtrl grid;
    grid.SubclassWindow(hGrid);
    grid.InsertColumn(0, L"", LVCFMT_CENTER, 30);
    grid.InsertColumn(1, L"", LVCFMT_LEFT, 370);
    grid.InsertColumn(2, L"", LVCFMT_CENTER, 200);
    AddColumns(hPlain);

    const std::vector<RowTexts> rows = MakeRows(rowCount);
    FillGrid(grid, rows);
    Repaint(hGrid);
    Pump();
    const std::vector<std::vector<CString>> texts = ItemTexts(grid);
    FillPlain(hPlain, texts);
    Repaint(hPlain);
    Pump();

    // The largest settings list (the camera headset from firmware 3.0).
    CDeviceRecord device;
    device.m_nModelId = 0x5510;
    device.m_version.Set(3, 0, 0, 0, 0);
    const rows::RowsContext ctx{0x5510, &device, 0};
    rows::CConfigListRowsGrid settingsGrid(grid);

    std::vector<double> gridFill, plainFill, gridPaint, plainPaint, settingsFill, plainSettingsFill;
    for (int i = 0; i < runs; ++i) {
        gridFill.push_back(Timed([&] { FillGrid(grid, rows); }));
        gridPaint.push_back(Timed([&] { Repaint(hGrid); }));
        Pump();
        plainFill.push_back(Timed([&] { FillPlain(hPlain, texts); }));
        plainPaint.push_back(Timed([&] { Repaint(hPlain); }));
        Pump();

        device.m_bSoundBlend = i & 1;  // the values change from fill to fill
        settingsFill.push_back(Timed([&] { rows::FillSettingsList(settingsGrid, ctx, device); }));
        Repaint(hGrid);
        Pump();
        const std::vector<std::vector<CString>> settingsTexts = ItemTexts(grid);
        plainSettingsFill.push_back(Timed([&] { FillPlain(hPlain, settingsTexts); }));
        Repaint(hPlain);
        Pump();
        result.settingsRows = (int)settingsTexts.size();
    }
    result.rows = rowCount;
    result.runs = runs;
    result.gridFillMs = Median(gridFill);
    result.plainFillMs = Median(plainFill);
    result.gridPaintMs = Median(gridPaint);
    result.plainPaintMs = Median(plainPaint);
    result.settingsFillMs = Median(settingsFill);
    result.plainSettingsFillMs = Median(plainSettingsFill);
    grid.DeleteAllItems();
    grid.DestroyWindow();
    ::DestroyWindow(hPlain);
    host.DestroyWindow();
    return result;
}

void PrintGridBench(FILE* out, const GridBenchResult& r) {
    auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    std::fprintf(out, "[grid] settings grid against a plain list view with the same texts (medians of %d runs)\n",
                 r.runs);
    std::fprintf(out, "  fill of %d rows (redraw off and on)  %8.2f ms  plain %8.2f ms  ratio %5.1f\n", r.rows,
                 r.gridFillMs, r.plainFillMs, ratio(r.gridFillMs, r.plainFillMs));
    std::fprintf(out, "  one full repaint                    %8.2f ms  plain %8.2f ms  ratio %5.1f\n", r.gridPaintMs,
                 r.plainPaintMs, ratio(r.gridPaintMs, r.plainPaintMs));
    std::fprintf(out, "  settings list fill (%d rows)        %8.2f ms  plain %8.2f ms  ratio %5.1f\n", r.settingsRows,
                 r.settingsFillMs, r.plainSettingsFillMs, ratio(r.settingsFillMs, r.plainSettingsFillMs));
}
