// The tolerance and fit sheets as the dimension dialog runs them, linked into this program with
// the module's resources: the sheet runs on the main thread, a script thread aims the mouse at
// cells computed from the page's client size, reads pixels back and checks what the sheet
// reports. The data files are the generated ones in bin/Englib.
#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "fits/CooperateSheet.h"
#include "fits/TQAxisCooperate.h"
#include "fits/TQAxisTolerance.h"
#include "fits/TQHoleCooperate.h"
#include "fits/TQHoleTolerance.h"
#include "fits/ToleranceSheet.h"
#include "fits/chart_layout.h"
#include "fits/fit_classes.h"
#include "fits/limit_deviation.h"
#include "fits/zone_classes.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

const char* kToleranceCaption = "常用孔轴极限偏差";
const char* kCooperateCaption = "常用配合";

constexpr uint32_t kPreferred = 0xFF80FF, kCommon = 0x00FF00, kGeneral = 0x00FFFF, kWhite = 0xFFFFFF;
constexpr uint32_t kZoneInfoHole = 0x0000C8, kZoneInfoShaft = 0x0000FF, kFitInfo = 0x0000C8;

int g_reads = 0;
bool g_filesMissing = false;
int CountingReader(double size, const char* zone, double* upper, double* lower) {
    ++g_reads;
    return g_filesMissing ? -1 : ReadLimitDeviation(size, zone, upper, lower);
}

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }
HWND ShowTab(HWND sheet, int index) { return SendMessageW(sheet, PSM_SETCURSEL, index, 0), CurrentPage(sheet); }
HWND Tabs(HWND sheet) { return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0)); }

std::string TabTexts(HWND sheet) {
    std::string all;
    for (int i = 0; i < 2; ++i) {
        wchar_t buf[64] = {};
        TCITEMW item{TCIF_TEXT, 0, 0, buf, 64, 0, 0};
        SendMessageW(Tabs(sheet), TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        all += (i ? "|" : "") + Utf8(buf);
    }
    return all;
}

// A pixel as the window shows it now, without repainting first.
uint32_t PixelAt(HWND hwnd, int x, int y) { return Capture(hwnd, false).At(x, y); }

void MoveTo(HWND page, fits::Point p) { SendMessageW(page, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y)); }
void ClickAt(HWND page, fits::Point p) { SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
fits::Point Inside(const fits::Rect& r) { return {r.left + 3, r.top + 3}; }

bool Closes(HWND sheet, DWORD ms = 3000) { return WaitFor([&] { return !IsWindowVisible(sheet); }, ms); }

// A button press as the user makes it: posted, so the sheet's own loop wakes and ends.
void Press(HWND sheet, int id) {
    PostMessageW(sheet, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(sheet, id)));
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
    int rows, cols;
    std::function<std::string(int, int)> name;

    fits::Cell Find(const std::string& n) const {
        for (int k = 0; k < rows; ++k)
            for (int i = 0; i < cols; ++i)
                if (name(k, i) == n) return {k, i};
        return {};
    }
    fits::Point Centre(const std::string& n) const { return layout.CellCentre(Find(n).row, Find(n).column); }
    // Inside the cell's frame, above its name.
    uint32_t Colour(const std::string& n) const {
        const fits::Rect r = layout.CellRect(Find(n).row, Find(n).column);
        return PixelAt(hwnd, (r.left + r.right) / 2, r.top + 3);
    }
    // The first cell once painted, then every other one.
    void Colours(std::initializer_list<std::pair<const char*, uint32_t>> want) const {
        for (auto [cell, colour] : want) {
            WaitFor([&] { return Colour(cell) == colour; }, 3000);
            ok(Colour(cell) == colour, "%s: %06x, expected %06x", cell, Colour(cell), colour);
        }
    }
};

Grid<fits::ZoneChartLayout> ZoneGrid(HWND h, fits::ChartPage p, fits::ChartSize s) {
    RECT rc{};
    GetClientRect(h, &rc);
    const int cols = fits::ColumnCount(p, s), rows = fits::RowCount(s);
    return {h,
            fits::ZoneChartLayout(p == fits::ChartPage::Hole, s == fits::ChartSize::From500To3150, cols, rows,
                                  rc.right, rc.bottom),
            rows, cols, [p, s](int k, int i) { return fits::ZoneName(p, s, k, i); }};
}

Grid<fits::FitChartLayout> FitGrid(HWND h, fits::FitSystem system) {
    RECT rc{};
    GetClientRect(h, &rc);
    return {h, fits::FitChartLayout(21, 8, rc.right, rc.bottom), 8, 21, [system](int k, int i) {
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
    const int result = RunDialog(kToleranceCaption, script, [&] { return sheet.DoModal(); });
    return std::to_string(result) + " " + sheet.GetZone().c_str();
}

std::string RunCooperateSheet(const std::function<void(HWND)>& script) {
    CCooperateSheet sheet;
    sheet.SetBasicSize(25);
    ok(sheet.Create(nullptr) == 0 && sheet.Create(nullptr) == -1, "Create gives 0, a second Create -1");
    const int result = RunDialog(kCooperateCaption, script, [&] { return sheet.DoModal(); });
    CString hole("keep"), shaft("keep");
    const int got = sheet.GetFit(hole, shaft);
    return std::to_string(result) + " " + std::to_string(got) + " " + hole.c_str() + "/" + shaft.c_str();
}

// ---- scenarios

void ZonePicksAt25() {
    Scenario s("tolerance sheet at -25");
    g_reads = 0;
    const std::string pick = RunToleranceSheet(-25, [](HWND sheet) {
        if (!sheet) return ok(false, "sheet did not appear");
        ok(TabTexts(sheet) == "孔|轴" && SendMessageW(Tabs(sheet), TCM_GETCURSEL, 0, 0) == 0,
           "tabs \"%s\", the hole page first", TabTexts(sheet).c_str());
        ok(!Visible(sheet, 0x3021) && !Visible(sheet, IDHELP) && Visible(sheet, IDOK) && Visible(sheet, IDCANCEL),
           "OK and Cancel only");
        const auto shaft = ZoneGrid(ShowTab(sheet, 1), fits::ChartPage::Shaft, kSmall);
        shaft.Colours({{"g6", kPreferred}, {"js6", kCommon}, {"j5", kGeneral}, {"a5", kWhite}, {"z8", kGeneral}});
        // Moved again until it shows: a stray move from the real cursor may come first.
        ok(WaitFor([&] { return MoveTo(shaft.hwnd, shaft.Centre("h7")), TextRows(shaft.hwnd, shaft.layout.InfoBox(), kZoneInfoShaft) > 0; }, 2000),
           "the shaft page's info text is blue");

        const auto page = ZoneGrid(ShowTab(sheet, 0), fits::ChartPage::Hole, kSmall);
        page.Colours({{"H7", kPreferred}, {"F6", kCommon}, {"Js7", kCommon}, {"J6", kGeneral}, {"A5", kWhite},
                      {"H13", kGeneral}, {"U7", kPreferred}});
        // One lookup per cell entered; moving inside a cell leaves the box alone.
        const fits::Rect box = page.layout.InfoBox();
        int before = g_reads;
        MoveTo(page.hwnd, page.Centre("H7"));
        ok(g_reads == before + 1, "entering H7 reads once: %d", g_reads - before);
        // A repaint reads again; repainted until the text shows, as a stray move of the display's
        // own pointer may land between the test's.
        int threeLines = 0;
        WaitFor([&] { return MoveTo(page.hwnd, page.Centre("H7")), (threeLines = TextRows(page.hwnd, box, kZoneInfoHole)) > 0; }, 2000);
        before = g_reads;
        HDC dc = GetDC(page.hwnd);
        SetPixel(dc, box.left + 5, box.top + 5, RGB(1, 2, 3));  // gone once the box is redrawn
        ReleaseDC(page.hwnd, dc);
        MoveTo(page.hwnd, {page.Centre("H7").x + 2, page.Centre("H7").y - 2});
        ok(g_reads == before && PixelAt(page.hwnd, box.left + 5, box.top + 5) == 0x010203,
           "moving within H7 redraws nothing (%d reads)", g_reads - before);
        MoveTo(page.hwnd, page.Centre("K7"));
        ok(g_reads == before + 1 && PixelAt(page.hwnd, box.left + 5, box.top + 5) != 0x010203,
           "entering K7 redraws the box and reads once (%d reads)", g_reads - before);
        // Without the data files only the first line remains.
        g_filesMissing = true;
        int oneLine = 0;
        WaitFor([&] { return MoveTo(page.hwnd, page.Centre("G7")), (oneLine = TextRows(page.hwnd, box, kZoneInfoHole)) > 0; }, 2000);
        g_filesMissing = false;
        ok(oneLine > 0 && threeLines > 2 * oneLine, "three lines %d px high, one line %d px", threeLines, oneLine);
        // A blank cell empties the box and reads nothing.
        before = g_reads;
        ok(Shows(page.hwnd, page.Centre("A5"), box, kZoneInfoHole, false) && g_reads == before, "A5 empties the box");

        // Headers, blank cells and the legend do nothing.
        ClickAt(page.hwnd, Inside(page.layout.ColumnHeader(3)));
        ClickAt(page.hwnd, page.Centre("A5"));
        ClickAt(page.hwnd, Inside(page.layout.LegendBox()));
        ok(!Closes(sheet, 300), "clicks beside the zones leave the sheet open");
        ClickAt(page.hwnd, page.Centre("H7"));
        ok(Closes(sheet), "a click on H7 closes the sheet");
    });
    ok(pick == "1 H7", "picked \"%s\"", pick.c_str());
}

// From 500 on both pages show the large-size classes; at 500 a shaft zone is picked, at 800
// the sheet is cancelled. Sizes the charts do not cover open an empty grid: a click picks
// nothing, and neither does OK.
void OtherSizes() {
    const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
    for (double size : {500.0, 800.0, 3150.0, 4000.0, nan, inf}) {
        Scenario s("tolerance sheet from 500 on");
        const bool covered = size <= 800;
        const std::string pick = RunToleranceSheet(size, [&](HWND sheet) {
            if (!sheet) return ok(false, "sheet did not appear at %g", size);
            const auto hole = ZoneGrid(CurrentPage(sheet), fits::ChartPage::Hole, kLarge);
            if (!covered) {
                ClickAt(hole.hwnd, hole.Centre("H7"));
                ok(!Closes(sheet, 300) && hole.Colour("H7") == kWhite, "H7 neither drawn nor picked at %g", size);
                return Press(sheet, IDOK);
            }
            hole.Colours({{"H7", kCommon}, {"N6", kCommon}, {"D6", kWhite}});
            const auto shaft = ZoneGrid(ShowTab(sheet, 1), fits::ChartPage::Shaft, kLarge);
            shaft.Colours({{"g6", kCommon}, {"u7", kCommon}, {"d6", kWhite}});
            if (size == 800) return Press(sheet, IDCANCEL);
            ClickAt(shaft.hwnd, shaft.Centre("g6"));
            ok(Closes(sheet), "a click on g6 closes the sheet");
        });
        ok(pick == (size == 500 ? "1 g6" : "2 "), "at %g: picked \"%s\"", size, pick.c_str());
    }
}

void FitPicks() {
    {
        Scenario s("fit sheet, hole-basis page");
        const std::string pick = RunCooperateSheet([](HWND sheet) {
            if (!sheet) return ok(false, "sheet did not appear");
            ok(TabTexts(sheet) == "基孔制|基轴制", "tabs \"%s\"", TabTexts(sheet).c_str());
            const auto shaftBasis = FitGrid(ShowTab(sheet, 1), fits::FitSystem::ShaftBasis);
            shaftBasis.Colours({{"G7/h6", kPreferred}, {"D8/h8", kGeneral}, {"A5/h5", kWhite}});
            const auto page = FitGrid(ShowTab(sheet, 0), fits::FitSystem::HoleBasis);
            page.Colours({{"H7/g6", kPreferred}, {"H6/n5", kGeneral}, {"H8/h8", kGeneral}, {"H8/h7", kPreferred},
                          {"H6/a5", kWhite}});
            // A fit fills the info box, a blank cell empties it, leaving the grid keeps it blank.
            for (auto [p, filled] : {std::pair{page.Centre("H6/n5"), true}, {page.Centre("H6/a5"), false}, {{2, 2}, false}})
                ok(Shows(page.hwnd, p, page.layout.InfoBox(), kFitInfo, filled), "info box at (%d, %d)", p.x, p.y);
            ClickAt(page.hwnd, page.Centre("H6/a5"));
            ClickAt(page.hwnd, {page.layout.Note().left + 5, page.layout.Note().top + 5});
            ok(!Closes(sheet, 300), "blank cells and the note do nothing");
            ClickAt(page.hwnd, page.Centre("H7/g6"));
            ok(Closes(sheet), "a click on H7/g6 closes the sheet");
        });
        ok(pick == "1 0 H7/g6", "picked \"%s\"", pick.c_str());
    }
    // 0: a pick on the shaft-basis page.
    for (int button : {0, IDCANCEL, IDOK}) {
        Scenario s("fit sheet, shaft-basis pick and buttons");
        const std::string pick = RunCooperateSheet([button](HWND sheet) {
            if (!sheet) return ok(false, "sheet did not appear");
            if (button) return Press(sheet, button);
            const auto page = FitGrid(ShowTab(sheet, 1), fits::FitSystem::ShaftBasis);
            WaitFor([&] { return page.Colour("G7/h6") == kPreferred; }, 3000);
            ClickAt(page.hwnd, page.Centre("G7/h6"));
            ok(Closes(sheet), "a click on G7/h6 closes the sheet");
        });
        ok(pick == (button ? "2 -1 keep/keep" : "1 0 G7/h6"), "button %d: picked \"%s\"", button, pick.c_str());
    }
}

// The sheets as the dimension dialog runs them, from its active window: the window is disabled
// while a sheet runs and active again afterwards; Enter (OK without a pick) and Escape both pick
// nothing; a window destroyed under a running sheet ends it with nothing picked.
void KeysAndActivation() {
    Scenario s("keys and activation");
    for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
        HostWindows windows;
        bool disabledInside = false;
        const std::string pick = RunToleranceSheet(25, [&](HWND sheet) {
            if (!sheet) return;
            disabledInside = !IsWindowEnabled(windows.host);
            WaitFor([&] { return FocusOf(sheet) != nullptr; }, 2000);
            PostKey(sheet, key);
            ok(Closes(sheet), "key %u closes the sheet", key);
        });
        ok(pick == "2 " && disabledInside && GetActiveWindow() == windows.host && IsWindowEnabled(windows.host),
           "key %u: picked \"%s\"; caller disabled inside %d, active and enabled after", key, pick.c_str(),
           disabledInside);
    }
    HostWindows windows;
    SetTimer(windows.host, 1, 300, [](HWND hwnd, UINT, UINT_PTR, DWORD) { DestroyWindow(hwnd); });
    bool ended = false;
    const std::string pick = RunCooperateSheet([&](HWND sheet) { ended = sheet && WaitFor([&] { return !IsWindow(sheet); }); });
    ok(ended && pick == "2 -1 keep/keep", "owner destroyed: ended %d, picked \"%s\"", ended, pick.c_str());
}

// Pages come from their class names; a repaint keeps no GDI object, and a page gives back its
// fonts, bitmap and brush.
template <class Page>
auto SetSize(Page& page, double size, int) -> decltype(page.SetBasicSize(size)) { page.SetBasicSize(size); }
template <class Page>
void SetSize(Page&, double, long) {}

template <class Page>
void PageObjects(const char* name, double basicSize) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 620, 431);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const int before = CountLiveObjects().gdi;
    std::unique_ptr<CCmdTarget> made(CRuntimeClass::CreateObject(name));
    auto* page = dynamic_cast<Page*>(made.get());
    ok(page && page->GetRuntimeClass() && std::string(page->GetRuntimeClass()->m_lpszClassName) == name,
       "%s created by name", name);
    if (!page) return;
    SetSize(*page, basicSize, 0);
    const RECT client{0, 0, 620, 431};
    for (int i = 0; i < 3; ++i) page->Paint(dc, client);  // fonts realised, caches filled
    const int painted = CountLiveObjects().gdi;
    page->Paint(dc, client);
    page->DrawInfoBox(dc, 1, 6);
    const int repainted = CountLiveObjects().gdi;
    made.reset();
    const int after = CountLiveObjects().gdi;
    ok(painted > before && repainted == painted && after == before, "%s: GDI objects %d, painted %d, %d, deleted %d",
       name, before, painted, repainted, after);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

void PagesByName() {
    Scenario s("pages by class name");
    PageObjects<CTQAxisTolerance>("CTQAxisTolerance", 800);
    PageObjects<CTQHoleTolerance>("CTQHoleTolerance", 25);
    PageObjects<CTQAxisCooperate>("CTQAxisCooperate", 25);
    PageObjects<CTQHoleCooperate>("CTQHoleCooperate", 25);
    ok(CRuntimeClass::CreateObject("CTQNothing") == nullptr && CRuntimeClass::CreateObject(nullptr) == nullptr,
       "unknown names create nothing");
    CToleranceSheet tolerance;
    CCooperateSheet cooperate;
    CString hole("keep"), shaft("keep");
    ok(tolerance.DoModal() == -1 && cooperate.DoModal() == -1 && tolerance.GetZone().IsEmpty() &&
           cooperate.GetFit(hole, shaft) == -1 && hole == "keep",
       "sheets without Create run nothing");
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
    PagesByName();
    ZonePicksAt25();
    OtherSizes();
    FitPicks();
    KeysAndActivation();
    return Summary("test_charts");
}
