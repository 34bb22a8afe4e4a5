// Dialog and report-list throughput: a dialog of 100 controls made from its
// template, initialised by data exchange, shown and closed; a report list
// filled with 10,000 rows; and a repaint of the list's visible rows.

#include "framework/controls/Dialog.h"
#include "framework/controls/DataExchange.h"
#include "framework/controls/ListCtrl.h"
#include "framework/resources/Resources.h"
#include "framework/window/MessageApi.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr UINT kDialogId = 9500;
constexpr int kControls = 100;

// 25 rows of a label, an edit, a check box and a combo box.
std::vector<RESOURCE_DIALOG_ITEM> &Items()
{
    static std::vector<RESOURCE_DIALOG_ITEM> items;
    static std::vector<std::string> labels;
    if (!items.empty())
        return items;
    labels.reserve(kControls);
    for (int row = 0; row < kControls / 4; ++row) {
        labels.push_back("Field &" + std::to_string(row) + ":");
        short y = static_cast<short>(5 + row * 14);
        UINT base = static_cast<UINT>(1000 + row * 4);
        items.push_back({"STATIC", labels.back().c_str(), 0xFFFF, 5, static_cast<short>(y + 2), 40, 8, WS_VISIBLE, 0});
        items.push_back({"EDIT", "", base + 1, 50, y, 60, 12, WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0});
        items.push_back({"BUTTON", "On", base + 2, 115, y, 30, 10, 0x3 | WS_TABSTOP | WS_VISIBLE, 0});
        items.push_back({"COMBOBOX", "", base + 3, 150, y, 60, 60, 0x3 | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE, 0});
    }
    return items;
}

void RegisterTemplate()
{
    static RESOURCE_DIALOG tmpl{
        WS_POPUP | WS_CAPTION,           0, 0, 0, 220, 360, "Bench", "MS Sans Serif", 8, 0, Items().data(),
        static_cast<int>(Items().size())};
    PlexoRegisterDialog(kDialogId, &tmpl);
}

class CBenchDialog : public CDialog {
public:
    CBenchDialog() : CDialog(kDialogId) {}
    int values[kControls / 4] = {};
    int checks[kControls / 4] = {};

protected:
    void DoDataExchange(CDataExchange *pDX) override
    {
        for (int row = 0; row < kControls / 4; ++row) {
            DDX_Text(pDX, 1000 + row * 4 + 1, values[row]);
            DDX_Check(pDX, 1000 + row * 4 + 2, checks[row]);
        }
    }
};

void BM_DialogOf100Controls(benchmark::State &state)
{
    RegisterTemplate();
    for (auto _ : state) {
        CBenchDialog dialog;
        dialog.Create(kDialogId);
        dialog.ShowWindow(SW_SHOW);
        PlexoDrainMessages();
        dialog.DestroyWindow();
    }
}
BENCHMARK(BM_DialogOf100Controls)->Unit(benchmark::kMillisecond);

struct ReportHost {
    CWnd parent;
    CListCtrl list;
    ReportHost()
    {
        LPCTSTR cls = AfxRegisterWndClass(0);
        parent.CreateEx(0, cls, "Host", WS_POPUP | WS_VISIBLE, RECT{0, 0, 640, 480}, nullptr, 0);
        list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, RECT{0, 0, 600, 440}, &parent, 1);
        list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        list.InsertColumn(0, "Name", LVCFMT_LEFT, 200);
        list.InsertColumn(1, "Value", LVCFMT_RIGHT, 100);
        list.InsertColumn(2, "Note", LVCFMT_LEFT, 250);
    }
    void Fill(int rows)
    {
        char text[32];
        for (int i = 0; i < rows; ++i) {
            std::snprintf(text, sizeof(text), "Row %d", i);
            int at = list.InsertItem(i, text);
            std::snprintf(text, sizeof(text), "%d", i * 7);
            list.SetItemText(at, 1, text);
            list.SetItemText(at, 2, "a note");
            list.SetItemData(at, static_cast<DWORD_PTR>(i));
        }
    }
};

void BM_FillReportList10000Rows(benchmark::State &state)
{
    ReportHost host;
    for (auto _ : state) {
        host.list.DeleteAllItems();
        host.Fill(10000);
    }
}
BENCHMARK(BM_FillReportList10000Rows)->Unit(benchmark::kMillisecond);

void BM_RepaintReportListVisibleRows(benchmark::State &state)
{
    ReportHost host;
    host.Fill(10000);
    host.list.EnsureVisible(5000, FALSE);
    for (auto _ : state) {
        host.list.Invalidate();
        host.list.UpdateWindow();
    }
}
BENCHMARK(BM_RepaintReportListVisibleRows)->Unit(benchmark::kMillisecond);

} // namespace
