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
HWND ShowTab(HWND sheet, int index) {
    SendMessageW(sheet, PSM_SETCURSEL, index, 0);
    return CurrentPage(sheet);
}
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
uint32_t PixelAt(HWND hwnd, int x, int y) {
    HDC dc = GetDC(hwnd);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

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
    int rows = 0;
    for (int y = box.top; y < box.bottom; ++y) {
        int x = box.left;
        while (x < box.right && cap.At(x, y) != colour) ++x;
        rows += x < box.right;
    }
    return rows;
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
    fits::Point Centre(const std::string& n) const {
        const fits::Cell c = Find(n);
        return layout.CellCentre(c.row, c.column);
    }
    // Inside the cell's frame, above its name.
    uint32_t Colour(const std::string& n) const {
        const fits::Cell c = Find(n);
        const fits::Rect r = layout.CellRect(c.row, c.column);
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

RECT Client(HWND h) {
    RECT rc{};
    GetClientRect(h, &rc);
    return rc;
}

Grid<fits::ZoneChartLayout> ZoneGrid(HWND h, fits::ChartPage p, fits::ChartSize s) {
    const RECT rc = Client(h);
    const int cols = fits::ColumnCount(p, s), rows = fits::RowCount(s);
    return {h,
            fits::ZoneChartLayout(p == fits::ChartPage::Hole, s == fits::ChartSize::From500To3150, cols, rows,
                                  rc.right, rc.bottom),
            rows, cols, [p, s](int k, int i) { return fits::ZoneName(p, s, k, i); }};
}

Grid<fits::FitChartLayout> FitGrid(HWND h, fits::FitSystem system) {
    const RECT rc = Client(h);
    return {h, fits::FitChartLayout(21, 8, rc.right, rc.bottom), 8, 21, [system](int k, int i) {
                const fits::Fit f = fits::FitOfCell(system, k, i);
                return f.hole + "/" + f.shaft;
            }};
}

constexpr auto kSmall = fits::ChartSize::Below500, kLarge = fits::ChartSize::From500To3150;

struct ZonePick {
    int result;
    std::string zone;
};

ZonePick RunToleranceSheet(double basicSize, const std::function<void(HWND)>& script) {
    CToleranceSheet sheet;
    sheet.SetBasicSize(basicSize);
    ok(sheet.Create(nullptr) == 0, "Create gives 0");
    const int result = RunDialog(kToleranceCaption, script, [&] { return sheet.DoModal(); });
    return {result, sheet.GetZone().c_str()};
}

struct FitPick {
    int result, got;
    std::string hole, shaft;
};

FitPick RunCooperateSheet(const std::function<void(HWND)>& script) {
    CCooperateSheet sheet;
    sheet.SetBasicSize(25);
    ok(sheet.Create(nullptr) == 0 && sheet.Create(nullptr) == -1, "Create gives 0, a second Create -1");
    const int result = RunDialog(kCooperateCaption, script, [&] { return sheet.DoModal(); });
    CString hole("keep"), shaft("keep");
    const int got = sheet.GetFit(hole, shaft);
    return {result, got, hole.c_str(), shaft.c_str()};
}

// ---- scenarios

void ZonePicksAt25() {
    Scenario s("tolerance sheet at -25");
    g_reads = 0;
    const ZonePick pick = RunToleranceSheet(-25, [](HWND sheet) {
        if (!sheet) return ok(false, "sheet did not appear");
        ok(TabTexts(sheet) == "孔|轴" && SendMessageW(Tabs(sheet), TCM_GETCURSEL, 0, 0) == 0,
           "tabs \"%s\", the hole page first", TabTexts(sheet).c_str());
        ok(!Visible(sheet, 0x3021) && !Visible(sheet, IDHELP) && Visible(sheet, IDOK) && Visible(sheet, IDCANCEL),
           "OK and Cancel only");
        const auto shaft = ZoneGrid(ShowTab(sheet, 1), fits::ChartPage::Shaft, kSmall);
        shaft.Colours({{"g6", kPreferred}, {"js6", kCommon}, {"j5", kGeneral}, {"a5", kWhite}, {"z8", kGeneral}});
        MoveTo(shaft.hwnd, shaft.Centre("h7"));
        ok(TextRows(shaft.hwnd, shaft.layout.InfoBox(), kZoneInfoShaft) > 0, "the shaft page's info text is blue");

        const auto page = ZoneGrid(ShowTab(sheet, 0), fits::ChartPage::Hole, kSmall);
        page.Colours({{"H7", kPreferred}, {"F6", kCommon}, {"Js7", kCommon}, {"J6", kGeneral}, {"A5", kWhite},
                      {"H13", kGeneral}, {"U7", kPreferred}});
        // One lookup per cell entered; moving inside a cell leaves the box alone.
        const fits::Rect box = page.layout.InfoBox();
        int before = g_reads;
        MoveTo(page.hwnd, page.Centre("H7"));
        ok(g_reads == before + 1, "entering H7 reads once: %d", g_reads - before);
        const int threeLines = TextRows(page.hwnd, box, kZoneInfoHole);  // a repaint: it reads again
        before = g_reads;
        HDC dc = GetDC(page.hwnd);
        SetPixel(dc, box.left + 5, box.top + 5, RGB(1, 2, 3));
        ReleaseDC(page.hwnd, dc);
        MoveTo(page.hwnd, {page.Centre("H7").x + 2, page.Centre("H7").y - 2});
        ok(g_reads == before && PixelAt(page.hwnd, box.left + 5, box.top + 5) == 0x010203,
           "moving within H7 redraws nothing (%d reads)", g_reads - before);
        MoveTo(page.hwnd, page.Centre("K7"));
        ok(g_reads == before + 1 && PixelAt(page.hwnd, box.left + 5, box.top + 5) != 0x010203,
           "entering K7 redraws the box and reads once (%d reads)", g_reads - before);
        // Without the data files only the first line remains.
        g_filesMissing = true;
        MoveTo(page.hwnd, page.Centre("G7"));
        const int oneLine = TextRows(page.hwnd, box, kZoneInfoHole);
        g_filesMissing = false;
        ok(oneLine > 0 && threeLines > 2 * oneLine, "three lines %d px high, one line %d px", threeLines, oneLine);
        // A blank cell empties the box and reads nothing.
        before = g_reads;
        MoveTo(page.hwnd, page.Centre("A5"));
        ok(g_reads == before && TextRows(page.hwnd, box, kZoneInfoHole) == 0, "A5 empties the box");

        // Headers, blank cells and the legend do nothing.
        ClickAt(page.hwnd, Inside(page.layout.ColumnHeader(3)));
        ClickAt(page.hwnd, page.Centre("A5"));
        ClickAt(page.hwnd, Inside(page.layout.LegendBox()));
        ok(!Closes(sheet, 300), "clicks beside the zones leave the sheet open");
        ClickAt(page.hwnd, page.Centre("H7"));
        ok(Closes(sheet), "a click on H7 closes the sheet");
    });
    ok(pick.result == 1 && pick.zone == "H7", "DoModal %d, zone \"%s\"", pick.result, pick.zone.c_str());
}

// From 500 on both pages show the large-size classes; at 500 a shaft zone is picked, at 800
// the sheet is cancelled. Sizes the charts do not cover open an empty grid: a click picks
// nothing, and neither does OK.
void OtherSizes() {
    const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
    for (double size : {500.0, 800.0, 3150.0, 4000.0, nan, inf}) {
        Scenario s("tolerance sheet from 500 on");
        const bool covered = size <= 800;
        const ZonePick pick = RunToleranceSheet(size, [&](HWND sheet) {
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
        const bool picked = size == 500;
        ok(pick.result == (picked ? 1 : 2) && pick.zone == (picked ? "g6" : ""), "at %g: DoModal %d, zone \"%s\"",
           size, pick.result, pick.zone.c_str());
    }
}

void FitPicks() {
    {
        Scenario s("fit sheet, hole-basis page");
        const FitPick pick = RunCooperateSheet([](HWND sheet) {
            if (!sheet) return ok(false, "sheet did not appear");
            ok(TabTexts(sheet) == "基孔制|基轴制", "tabs \"%s\"", TabTexts(sheet).c_str());
            const auto shaftBasis = FitGrid(ShowTab(sheet, 1), fits::FitSystem::ShaftBasis);
            shaftBasis.Colours({{"G7/h6", kPreferred}, {"D8/h8", kGeneral}, {"A5/h5", kWhite}});
            const auto page = FitGrid(ShowTab(sheet, 0), fits::FitSystem::HoleBasis);
            page.Colours({{"H7/g6", kPreferred}, {"H6/n5", kGeneral}, {"H8/h8", kGeneral}, {"H8/h7", kPreferred},
                          {"H6/a5", kWhite}});
            const fits::Rect box = page.layout.InfoBox();
            MoveTo(page.hwnd, page.Centre("H6/n5"));
            ok(TextRows(page.hwnd, box, kFitInfo) > 0, "hovering H6/n5 fills the info box");
            MoveTo(page.hwnd, page.Centre("H6/a5"));
            ok(TextRows(page.hwnd, box, kFitInfo) == 0, "a blank cell empties it");
            MoveTo(page.hwnd, {2, 2});
            ok(TextRows(page.hwnd, box, kFitInfo) == 0, "leaving the grid keeps the blank cell");
            ClickAt(page.hwnd, page.Centre("H6/a5"));
            ClickAt(page.hwnd, {page.layout.Note().left + 5, page.layout.Note().top + 5});
            ok(!Closes(sheet, 300), "blank cells and the note do nothing");
            ClickAt(page.hwnd, page.Centre("H7/g6"));
            ok(Closes(sheet), "a click on H7/g6 closes the sheet");
        });
        ok(pick.result == 1 && pick.got == 0 && pick.hole == "H7" && pick.shaft == "g6", "DoModal %d, GetFit %d %s/%s",
           pick.result, pick.got, pick.hole.c_str(), pick.shaft.c_str());
    }
    // 0: a pick on the shaft-basis page.
    for (int button : {0, IDCANCEL, IDOK}) {
        Scenario s("fit sheet, shaft-basis pick and buttons");
        const FitPick pick = RunCooperateSheet([button](HWND sheet) {
            if (!sheet) return ok(false, "sheet did not appear");
            if (button) return Press(sheet, button);
            const auto page = FitGrid(ShowTab(sheet, 1), fits::FitSystem::ShaftBasis);
            WaitFor([&] { return page.Colour("G7/h6") == kPreferred; }, 3000);
            ClickAt(page.hwnd, page.Centre("G7/h6"));
            ok(Closes(sheet), "a click on G7/h6 closes the sheet");
        });
        const FitPick want = button ? FitPick{2, -1, "keep", "keep"} : FitPick{1, 0, "G7", "h6"};
        ok(pick.result == want.result && pick.got == want.got && pick.hole == want.hole && pick.shaft == want.shaft,
           "button %d: DoModal %d, GetFit %d, %s/%s", button, pick.result, pick.got, pick.hole.c_str(),
           pick.shaft.c_str());
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
        const ZonePick pick = RunToleranceSheet(25, [&](HWND sheet) {
            if (!sheet) return;
            disabledInside = !IsWindowEnabled(windows.host);
            WaitFor([&] { return FocusOf(sheet) != nullptr; }, 2000);
            PostKey(sheet, key);
            ok(Closes(sheet), "key %u closes the sheet", key);
        });
        ok(pick.result == 2 && pick.zone.empty() && disabledInside && GetActiveWindow() == windows.host &&
               IsWindowEnabled(windows.host),
           "key %u: DoModal %d, zone \"%s\"; caller disabled inside %d, active and enabled after", key, pick.result,
           pick.zone.c_str(), disabledInside);
    }
    HostWindows windows;
    SetTimer(windows.host, 1, 300, [](HWND hwnd, UINT, UINT_PTR, DWORD) { DestroyWindow(hwnd); });
    bool ended = false;
    const FitPick pick = RunCooperateSheet([&](HWND sheet) { ended = sheet && WaitFor([&] { return !IsWindow(sheet); }); });
    ok(ended && pick.result == 2 && pick.got == -1, "owner destroyed: ended %d, DoModal %d, GetFit %d", ended,
       pick.result, pick.got);
}

// Pages come from their class names and give back their fonts, bitmap and brush. GetGuiResources
// is a stub under Wine, but Wine hands out GDI handle slots last freed, first reused: a brush
// created after a repaint lands in the slot a brush freed just before it unless the repaint kept
// an object.
template <class Page>
struct Probe : Page {
    using Page::m_res;
};

template <class Page>
auto SetSize(Page& page, double size, int) -> decltype(page.SetBasicSize(size)) { page.SetBasicSize(size); }
template <class Page>
void SetSize(Page&, double, long) {}

template <class Page>
void PageObjects(const char* name, double basicSize) {
    std::unique_ptr<CCmdTarget> made(CRuntimeClass::CreateObject(name));
    auto* page = dynamic_cast<Page*>(made.get());
    ok(page && page->GetRuntimeClass() && std::string(page->GetRuntimeClass()->m_lpszClassName) == name,
       "%s created by name", name);
    auto* probe = new Probe<Page>;
    SetSize(*probe, basicSize, 0);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 620, 431);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT client{0, 0, 620, 431};
    for (int i = 0; i < 3; ++i) probe->Paint(dc, client);  // fonts realised, caches filled
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const WORD slot = LOWORD(reinterpret_cast<ULONG_PTR>(brush));
    DeleteObject(brush);
    probe->Paint(dc, client);
    probe->DrawInfoBox(dc, 1, 6);
    brush = CreateSolidBrush(RGB(1, 2, 3));
    ok(LOWORD(reinterpret_cast<ULONG_PTR>(brush)) == slot, "%s: a repaint keeps no GDI object", name);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);

    const HGDIOBJ handles[] = {probe->m_res.header.get(), probe->m_res.cell.get(), probe->m_res.background.get(),
                               probe->m_res.brush.get()};
    bool live = true, released = true;
    for (HGDIOBJ h : handles) live = live && GetObjectType(h) != 0;
    delete static_cast<CPropertyPage*>(probe);
    for (HGDIOBJ h : handles) released = released && GetObjectType(h) == 0;
    ok(live && released, "%s: fonts, bitmap and brush live %d, released %d", name, live, released);
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
    PagesByName();
    ZonePicksAt25();
    OtherSizes();
    FitPicks();
    KeysAndActivation();
    return Summary("test_charts");
}
