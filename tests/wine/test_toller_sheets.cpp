// The dimension dialog's "公差" and "配合" buttons with the real limits-and-fits sheets: the
// script aims at cell centres computed from the charts' own geometry, clicks a zone or a fit
// and checks where the pick lands. Built only where the chart geometry is part of the tree.
#include <cmath>
#include <cstring>
#include <string>

#include "entry/exports_toller.h"
#include "fits/chart_layout.h"
#include "fits/fit_classes.h"
#include "fits/zone_classes.h"
#include "tests/wine/winetest.h"

#include <commctrl.h>

using namespace winetest;

namespace {

decltype(&TQDim_TollerDlg) g_toller;

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

fits::Rect ClientOf(HWND page) {
    RECT rc{};
    GetClientRect(page, &rc);
    return {0, 0, rc.right, rc.bottom};
}

fits::Point ZoneCentre(HWND page, fits::ChartPage side, const char* zone) {
    const fits::ChartSize size = fits::ChartSize::Below500;  // the charts of the value 25
    const fits::Rect rc = ClientOf(page);
    const fits::ZoneChartLayout layout(side == fits::ChartPage::Hole, false, fits::ColumnCount(side, size),
                                       fits::RowCount(size), rc.right, rc.bottom);
    for (int k = 0; k < fits::RowCount(size); ++k)
        for (int i = 0; i < fits::ColumnCount(side, size); ++i)
            if (fits::ZoneName(side, size, k, i) == zone) return layout.CellCentre(k, i);
    return {-1, -1};
}

fits::Point FitCentre(HWND page, const char* hole, const char* shaft) {
    const fits::FitSystem system = fits::FitSystem::HoleBasis;
    const fits::Rect rc = ClientOf(page);
    const fits::FitChartLayout layout(fits::FitColumnCount(system), fits::FitRowCount(system), rc.right, rc.bottom);
    for (int k = 0; k < fits::FitRowCount(system); ++k)
        for (int i = 0; i < fits::FitColumnCount(system); ++i) {
            const fits::Fit f = fits::FitOfCell(system, k, i);
            if (f.hole == hole && f.shaft == shaft) return layout.CellCentre(k, i);
        }
    return {-1, -1};
}

// Presses a sheet button (posted: the sheet runs a loop of its own), shows tab `tab` once the
// sheet has its first page up, clicks at the point `aim` computes for that page and waits for
// the sheet to close. A sheet that stays open is cancelled, so the dialog gets control back.
template <class Aim>
void PickFromSheet(HWND dlg, int button, const char* caption, int tab, Aim aim) {
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, button)));
    HWND sheet = WaitForDialog(GetWindowThreadProcessId(dlg, nullptr), caption);
    if (!sheet) return ok(false, "sheet \"%s\" did not appear", caption);
    auto shown = [&](HWND page) { return page && IsWindowVisible(page) && CurrentPage(sheet) == page; };
    WaitFor([&] { return shown(CurrentPage(sheet)); });
    SendMessageW(sheet, PSM_SETCURSEL, tab, 0);
    HWND page = nullptr;
    WaitFor([&] { return shown(page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_INDEXTOHWND, tab, 0))); });
    UpdateWindow(page);
    const fits::Point p = aim(page);
    SendMessageW(page, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    const bool closed = WaitFor([&] { return !IsWindowVisible(sheet); });
    ok(closed, "a click at (%d, %d) on tab %d closes \"%s\"", p.x, p.y, tab, caption);
    if (closed) return;
    PostMessageW(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    WaitFor([&] { return !IsWindowVisible(sheet); });
}

void PicksLandInTheirEdits() {
    Scenario s("picks from the sheets for the value the dialog received");
    alignas(4) unsigned char rec[332] = {};
    std::memcpy(rec + 40, "-25", 4);
    rec[320] = 0x14;
    const bool result = RunDialog("尺寸与公差", [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        SetItemText(dlg, 212, "800");  // typed since the opening: the sheets still chart 25
        PickFromSheet(dlg, 10066, "常用孔轴极限偏差", 0,
                      [](HWND page) { return ZoneCentre(page, fits::ChartPage::Hole, "H7"); });
        ok(ItemText(dlg, 213) == "H7", "hole zone pick: \"%s\"", ItemText(dlg, 213).c_str());
        PickFromSheet(dlg, 10066, "常用孔轴极限偏差", 1,
                      [](HWND page) { return ZoneCentre(page, fits::ChartPage::Shaft, "g6"); });
        ok(ItemText(dlg, 213) == "g6", "shaft zone pick: \"%s\"", ItemText(dlg, 213).c_str());
        ClickControl(dlg, 222);
        PickFromSheet(dlg, 10067, "常用配合", 0, [](HWND page) { return FitCentre(page, "H7", "g6"); });
        ok(ItemText(dlg, 216) == "H7" && ItemText(dlg, 217) == "g6", "fit pick: \"%s\" / \"%s\"",
           ItemText(dlg, 216).c_str(), ItemText(dlg, 217).c_str());
        Click(dlg, IDOK);
    }, [&] { return g_toller(reinterpret_cast<TollerRecord*>(rec), nullptr); });
    ok(result && std::strcmp(reinterpret_cast<char*>(rec + 80), "g6") == 0 &&
           std::strcmp(reinterpret_cast<char*>(rec + 200), "H7") == 0 &&
           std::strcmp(reinterpret_cast<char*>(rec + 240), "g6") == 0,
       "record: zone \"%s\", fit \"%s\"/\"%s\"", rec + 80, rec + 200, rec + 240);
}

}  // namespace

int main() {
    HMODULE module = LoadModule();
    g_toller = module ? TQ_EXPORT(module, TQDim_TollerDlg) : nullptr;
    ok(g_toller != nullptr, "TQDim_TollerDlg exported");
    if (g_toller) PicksLandInTheirEdits();
    return Summary("test_toller_sheets");
}
