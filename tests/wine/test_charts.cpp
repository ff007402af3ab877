// The tolerance and fit sheets as the dimension dialog runs them, linked into this program with
// the module's resources: the sheet runs on the main thread, a script thread aims the mouse at
// cells computed from the page's client size, reads pixels back and checks what the sheet
// reports. The data files are the generated ones in bin/Englib.
#include <string>

#include "fits/CooperateSheet.h"
#include "fits/ToleranceSheet.h"
#include "fits/ZoneChartPage.h"
#include "fits/chart_layout.h"
#include "fits/fit_classes.h"
#include "fits/limit_deviation.h"
#include "fits/zone_classes.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

constexpr uint32_t kPreferred = 0xFF80FF, kCommon = 0x00FF00, kGeneral = 0x00FFFF, kWhite = 0xFFFFFF;
constexpr uint32_t kInfoText = 0x0000C8;  // the hole pages' dark blue

int g_reads = 0;
int CountingReader(double size, const char* zone, double* upper, double* lower) {
    ++g_reads;
    return ReadLimitDeviation(size, zone, upper, lower);
}

HWND CurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}
HWND ShowTab(HWND sheet, int index) { return SendMessageW(sheet, PSM_SETCURSEL, index, 0), CurrentPage(sheet); }

void MoveTo(HWND page, fits::Point p) { SendMessageW(page, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y)); }
void ClickAt(HWND page, fits::Point p) { SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }

bool Closes(HWND sheet, DWORD ms = 3000) { return WaitFor([&] { return !IsWindowVisible(sheet); }, ms); }

// A button press as the user makes it: posted, so the sheet's own loop wakes and ends.
void Press(HWND sheet, int id) {
    PostMessageW(sheet, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    ok(Closes(sheet), "button %d closes the sheet", id);
}

// Rows of the box that hold a pixel of the info colour: how high the text block stands.
int TextRows(HWND page, const fits::Rect& box, uint32_t colour) {
    const Capture cap(page);
    int rows = 0, x = 0;
    for (int y = box.top; y < box.bottom; ++y, rows += x < box.right)
        for (x = box.left; x < box.right && cap.At(x, y) != colour;) ++x;
    return rows;
}

// Whether the info box comes to show text (or none) once the pointer is at `p`. The capture
// can meet the box in the middle of its repaint, so it is read again for a moment.
bool Shows(HWND page, fits::Point p, const fits::Rect& box, uint32_t colour, bool filled) {
    return WaitFor([&] { return MoveTo(page, p), (TextRows(page, box, colour) > 0) == filled; }, 2000);
}

// A chart page as the script sees it: where its cells are, by name ("H7", or "H7/g6" on fit pages).
template <class Layout>
struct Grid {
    HWND hwnd;
    Layout layout;
    std::function<std::string(int, int)> name;  // empty (or "/") outside the chart

    fits::Cell Find(const std::string& n) const {
        for (int k = 0; k < 13; ++k)  // the largest chart's rows and columns
            for (int i = 0; i < 22; ++i)
                if (name(k, i) == n) return {k, i};
        return {};
    }
    fits::Point Centre(const std::string& n) const { return layout.CellCentre(Find(n).row, Find(n).column); }
    // Inside the cell's frame, above its name, as the page shows it now (not repainted first).
    uint32_t Colour(const std::string& n) const {
        const fits::Rect r = layout.CellRect(Find(n).row, Find(n).column);
        return Capture(hwnd, false).At((r.left + r.right) / 2, r.top + 3);
    }
    // The first cell once painted, then every other one.
    void Colours(std::initializer_list<std::pair<const char*, uint32_t>> want) const {
        for (auto [cell, colour] : want)
            ok(WaitFor([&] { return Colour(cell) == colour; }, 3000), "%s: %06x, expected %06x", cell,
               Colour(cell), colour);
    }
};

Grid<fits::ZoneChartLayout> ZoneGrid(HWND h, fits::ChartPage p, fits::ChartSize s) {
    RECT rc{};
    GetClientRect(h, &rc);
    const fits::ZoneChartLayout layout(p == fits::ChartPage::Hole, s == fits::ChartSize::From500To3150,
                                       fits::ColumnCount(p, s), fits::RowCount(s), rc.right, rc.bottom);
    return {h, layout, [p, s](int k, int i) { return fits::ZoneName(p, s, k, i); }};
}

Grid<fits::FitChartLayout> FitGrid(HWND h, fits::FitSystem system) {
    RECT rc{};
    GetClientRect(h, &rc);
    return {h, fits::FitChartLayout(21, 8, rc.right, rc.bottom), [system](int k, int i) {
                const fits::Fit f = fits::FitOfCell(system, k, i);
                return f.hole + "/" + f.shaft;
            }};
}

constexpr auto kSmall = fits::ChartSize::Below500, kLarge = fits::ChartSize::From500To3150;

// What the caller gets back: "DoModal zone" and "DoModal GetFit hole/shaft".
std::string RunToleranceSheet(double basicSize, const std::function<void(HWND)>& script) {
    CToleranceSheet sheet;
    sheet.SetBasicSize(basicSize);
    ok(sheet.Create(nullptr) == 0, "Create gives 0");
    const int result = RunDialog("常用孔轴极限偏差", script, [&] { return sheet.DoModal(); });
    return std::to_string(result) + " " + sheet.GetZone().c_str();
}

std::string RunCooperateSheet(const std::function<void(HWND)>& script) {
    CCooperateSheet sheet;
    sheet.SetBasicSize(25);
    ok(sheet.Create(nullptr) == 0 && sheet.Create(nullptr) == -1, "Create gives 0, a second Create -1");
    const int result = RunDialog("常用配合", script, [&] { return sheet.DoModal(); });
    CString hole("keep"), shaft("keep");
    const int got = sheet.GetFit(hole, shaft);
    return std::to_string(result) + " " + std::to_string(got) + " " + hole.c_str() + "/" + shaft.c_str();
}

// ---- scenarios

void ZonePicksAt25() {
    Scenario s("tolerance sheet at -25");
    const std::string pick = RunToleranceSheet(-25, [](HWND sheet) {
        if (!sheet) return ok(false, "sheet did not appear");
        // The hole page comes first: its zones stand where the chart puts them.
        const auto page = ZoneGrid(CurrentPage(sheet), fits::ChartPage::Hole, kSmall);
        page.Colours({{"H7", kPreferred}, {"F6", kCommon}, {"J6", kGeneral}, {"A5", kWhite}});
        // One lookup per cell entered: moving within a cell reads nothing; a blank cell empties
        // the box and reads nothing either, and a click on it does nothing.
        const fits::Rect box = page.layout.InfoBox();
        ok(Shows(page.hwnd, page.Centre("H7"), box, kInfoText, true), "H7 fills the box");
        const int before = g_reads;
        MoveTo(page.hwnd, {page.Centre("H7").x + 2, page.Centre("H7").y - 2});
        MoveTo(page.hwnd, page.Centre("K7"));
        ok(Shows(page.hwnd, page.Centre("A5"), box, kInfoText, false) && g_reads == before + 1,
           "within H7, into K7, then A5, which empties the box: %d reads", g_reads - before);
        ClickAt(page.hwnd, page.Centre("A5"));
        ok(!Closes(sheet, 300), "a click on A5 leaves the sheet open");
        ClickAt(page.hwnd, page.Centre("H7"));
        ok(Closes(sheet), "a click on H7 closes the sheet");
    });
    ok(pick == "1 H7", "picked \"%s\"", pick.c_str());
}

// From 500 on both pages show the large-size classes; a shaft zone is picked.
void ZonePickAt500() {
    Scenario s("tolerance sheet at 500");
    const std::string pick = RunToleranceSheet(500, [](HWND sheet) {
        if (!sheet) return ok(false, "sheet did not appear");
        ZoneGrid(CurrentPage(sheet), fits::ChartPage::Hole, kLarge).Colours({{"H7", kCommon}, {"D6", kWhite}});
        const auto shaft = ZoneGrid(ShowTab(sheet, 1), fits::ChartPage::Shaft, kLarge);
        shaft.Colours({{"g6", kCommon}, {"d6", kWhite}});
        ClickAt(shaft.hwnd, shaft.Centre("g6"));
        ok(Closes(sheet), "a click on g6 closes the sheet");
    });
    ok(pick == "1 g6", "picked \"%s\"", pick.c_str());
}

// The hole-basis page looked at closer (its H7/g6 is picked through the dimension dialog),
// then a pick on the shaft-basis page.
void FitPicks() {
    Scenario s("fit sheet");
    const std::string pick = RunCooperateSheet([](HWND sheet) {
        if (!sheet) return ok(false, "sheet did not appear");
        const auto page = FitGrid(CurrentPage(sheet), fits::FitSystem::HoleBasis);
        page.Colours({{"H7/g6", kPreferred}, {"H6/n5", kGeneral}, {"H8/h7", kPreferred}, {"H6/a5", kWhite}});
        // A fit fills the info box, a blank cell empties it, leaving the grid keeps it blank.
        for (auto [p, on] :
             {std::pair{page.Centre("H6/n5"), true}, {page.Centre("H6/a5"), false}, {{2, 2}, false}})
            ok(Shows(page.hwnd, p, page.layout.InfoBox(), kInfoText, on), "info at %d,%d", p.x, p.y);
        ClickAt(page.hwnd, page.Centre("H6/a5"));
        ok(!Closes(sheet, 300), "a blank cell does nothing");
        const auto shaft = FitGrid(ShowTab(sheet, 1), fits::FitSystem::ShaftBasis);
        shaft.Colours({{"G7/h6", kPreferred}});
        ClickAt(shaft.hwnd, shaft.Centre("G7/h6"));
        ok(Closes(sheet), "a click on G7/h6 closes the sheet");
    });
    ok(pick == "1 0 G7/h6", "picked \"%s\"", pick.c_str());
}

// Both sheets give back what they create: every page shown, hovered across and repainted, then
// left with OK or Cancel, which pick nothing; counted between rounds, when no sheet is open.
void NoLeaks() {
    Scenario s("sheets leak nothing");
    int button = 0;
    const auto visit = [&](HWND sheet) {
        for (int tab : {0, 1}) {
            const HWND page = ShowTab(sheet, tab);
            for (int x = 0; x < 640; x += 16) MoveTo(page, {x, x * 2 / 3});
            Capture{page};  // repaints the page before reading it
        }
        Press(sheet, button);
    };
    LiveObjects first;
    for (int round = 0; round < 4; ++round) {
        button = round % 2 ? IDCANCEL : IDOK;
        ok(RunToleranceSheet(25, visit) == "2 ", "button %d picks no zone", button);
        ok(RunCooperateSheet(visit) == "2 -1 keep/keep", "button %d picks no fit", button);
        if (round == 0) first = CountLiveObjects();
    }
    const LiveObjects last = CountLiveObjects();
    ok(first.gdi > 0 && last == first, "GDI %d -> %d, windows %d -> %d, menus %d -> %d, heap %ld -> %ld",
       first.gdi, last.gdi, first.windows, last.windows, first.menus, last.menus, first.heapBlocks,
       last.heapBlocks);
}

}  // namespace

int main() {
    // Stand in for the module: this program carries the module's resources.
    AfxDllMain(GetModuleHandleW(nullptr), DLL_PROCESS_ATTACH);
    AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
    CZoneChartPage::s_readDeviation = &CountingReader;
    // The display's own pointer stays in the far corner: a sheet shown under it would get
    // mouse moves of its own between the test's, and the hover counts would be off.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    ZonePicksAt25();
    ZonePickAt500();
    FitPicks();
    NoLeaks();
    return Summary("test_charts");
}
