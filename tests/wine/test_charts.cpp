// The tolerance and fit sheets as the dimension dialog runs them, linked into this program with
// the module's resources: the sheet runs on the main thread, a script thread aims the mouse at
// cells computed from the page's client size, reads pixels back and checks what the sheet
// reports. The data files are the generated ones in bin/Englib.
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <tuple>

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

// ---- counting lookups

int g_reads = 0;
bool g_filesMissing = false;
int CountingReader(double size, const char* zone, double* upper, double* lower) {
    ++g_reads;
    if (g_filesMissing) return -1;
    return ReadLimitDeviation(size, zone, upper, lower);
}

// ---- the page under the script's hands

HWND CurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

HWND ShowTab(HWND sheet, int index) {
    SendMessageW(sheet, PSM_SETCURSEL, index, 0);
    return CurrentPage(sheet);
}

std::string TabText(HWND sheet, int index) {
    HWND tab = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
    wchar_t buf[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buf;
    item.cchTextMax = 64;
    SendMessageW(tab, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    return Utf8(buf);
}

// A pixel as the window shows it now, without repainting first.
uint32_t PixelAt(HWND hwnd, int x, int y) {
    HDC dc = GetDC(hwnd);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

void SetMarker(HWND hwnd, int x, int y) {
    HDC dc = GetDC(hwnd);
    SetPixel(dc, x, y, RGB(1, 2, 3));
    ReleaseDC(hwnd, dc);
}
constexpr uint32_t kMarker = 0x010203;

void MoveTo(HWND page, fits::Point p) { SendMessageW(page, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y)); }
void ClickAt(HWND page, fits::Point p) { SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }

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
        for (int x = box.left; x < box.right; ++x) {
            if (cap.At(x, y) == colour) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

// A limit deviation page as the script sees it: where its cells are, by zone name.
struct ZonePage {
    HWND hwnd;
    fits::ChartPage page;
    fits::ChartSize size;
    fits::ZoneChartLayout layout;

    ZonePage(HWND h, fits::ChartPage p, double basicSize)
        : hwnd(h),
          page(p),
          size(std::fabs(basicSize) < 500 ? fits::ChartSize::Below500 : fits::ChartSize::From500To3150),
          layout(Make(h, p, size)) {}
    static fits::ZoneChartLayout Make(HWND h, fits::ChartPage p, fits::ChartSize s) {
        RECT rc{};
        GetClientRect(h, &rc);
        return fits::ZoneChartLayout(p == fits::ChartPage::Hole, s == fits::ChartSize::From500To3150,
                                     fits::ColumnCount(p, s), fits::RowCount(s), rc.right, rc.bottom);
    }
    fits::Cell Find(const char* zone) const {
        for (int k = 0; k < fits::RowCount(size); ++k)
            for (int i = 0; i < fits::ColumnCount(page, size); ++i)
                if (fits::ZoneName(page, size, k, i) == zone) return {k, i};
        return {};
    }
    fits::Point Centre(const char* zone) const {
        const fits::Cell c = Find(zone);
        return layout.CellCentre(c.row, c.column);
    }
    // Inside the cell's frame, above its name.
    uint32_t Colour(const char* zone) const {
        const fits::Cell c = Find(zone);
        const fits::Rect r = layout.CellRect(c.row, c.column);
        return PixelAt(hwnd, (r.left + r.right) / 2, r.top + 3);
    }
    bool Painted(const char* zone, uint32_t colour) const {
        return WaitFor([&] { return Colour(zone) == colour; }, 3000);
    }
};

struct FitPage {
    HWND hwnd;
    fits::FitSystem system;
    fits::FitChartLayout layout;

    FitPage(HWND h, fits::FitSystem s) : hwnd(h), system(s), layout(Make(h)) {}
    static fits::FitChartLayout Make(HWND h) {
        RECT rc{};
        GetClientRect(h, &rc);
        return fits::FitChartLayout(21, 8, rc.right, rc.bottom);
    }
    fits::Cell Find(const char* hole, const char* shaft) const {
        for (int k = 0; k < 8; ++k)
            for (int i = 0; i < 21; ++i) {
                const fits::Fit f = fits::FitOfCell(system, k, i);
                if (f.hole == hole && f.shaft == shaft) return {k, i};
            }
        return {};
    }
    fits::Point Centre(const char* hole, const char* shaft) const {
        const fits::Cell c = Find(hole, shaft);
        return layout.CellCentre(c.row, c.column);
    }
    uint32_t Colour(const char* hole, const char* shaft) const {
        const fits::Cell c = Find(hole, shaft);
        const fits::Rect r = layout.CellRect(c.row, c.column);
        return PixelAt(hwnd, (r.left + r.right) / 2, r.top + 3);
    }
    bool Painted(const char* hole, const char* shaft, uint32_t colour) const {
        return WaitFor([&] { return Colour(hole, shaft) == colour; }, 3000);
    }
};

// ---- opening the sheets

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
    ok(sheet.Create(nullptr) == 0, "Create gives 0");
    ok(sheet.Create(nullptr) == -1, "a second Create gives -1");
    const int result = RunDialog(kCooperateCaption, script, [&] { return sheet.DoModal(); });
    CString hole("keep"), shaft("keep");
    const int got = sheet.GetFit(hole, shaft);
    return {result, got, hole.c_str(), shaft.c_str()};
}

// ---- scenarios

void HolePickAt25() {
    Scenario s("tolerance sheet at -25, hole page");
    g_reads = 0;
    const ZonePick pick = RunToleranceSheet(-25, [](HWND sheet) {
        if (!sheet) return ok(false, "sheet did not appear");
        ok(TabText(sheet, 0) == "孔" && TabText(sheet, 1) == "轴", "tabs \"%s\" \"%s\"", TabText(sheet, 0).c_str(),
           TabText(sheet, 1).c_str());
        ok(SendMessageW(reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0)), TCM_GETCURSEL, 0, 0) == 0,
           "the hole page is shown first");
        ok(!IsWindowVisible(GetDlgItem(sheet, 0x3021)) && !IsWindowVisible(GetDlgItem(sheet, IDHELP)),
           "no Apply and no Help button");
        ok(IsWindowVisible(GetDlgItem(sheet, IDOK)) && IsWindowVisible(GetDlgItem(sheet, IDCANCEL)), "OK and Cancel");
        const ZonePage page(CurrentPage(sheet), fits::ChartPage::Hole, 25);
        ok(page.Painted("H7", kPreferred), "H7 preferred: %06x", page.Colour("H7"));
        for (auto [zone, colour] : {std::pair{"F6", kCommon}, {"Js7", kCommon}, {"J6", kGeneral}, {"A5", kWhite},
                                    {"H13", kGeneral}, {"U7", kPreferred}}) {
            ok(page.Colour(zone) == colour, "%s: %06x, expected %06x", zone, page.Colour(zone), colour);
        }

        // One lookup per cell entered; moving inside a cell leaves the box alone.
        const fits::Rect box = page.layout.InfoBox();
        const int before = g_reads;
        MoveTo(page.hwnd, page.Centre("H7"));
        ok(g_reads == before + 1, "entering H7 reads once: %d", g_reads - before);
        const int threeLines = TextRows(page.hwnd, box, kZoneInfoHole);  // a repaint: it reads again
        const int painted = g_reads;
        SetMarker(page.hwnd, box.left + 5, box.top + 5);
        const fits::Point inside{page.Centre("H7").x + 2, page.Centre("H7").y - 2};
        MoveTo(page.hwnd, inside);
        ok(g_reads == painted && PixelAt(page.hwnd, box.left + 5, box.top + 5) == kMarker,
           "moving within H7 redraws nothing (%d reads)", g_reads - painted);
        MoveTo(page.hwnd, page.Centre("K7"));
        ok(g_reads == painted + 1 && PixelAt(page.hwnd, box.left + 5, box.top + 5) != kMarker,
           "entering K7 redraws the box and reads once (%d reads)", g_reads - painted);
        // Without the data files only the first line remains.
        g_filesMissing = true;
        MoveTo(page.hwnd, page.Centre("G7"));
        const int oneLine = TextRows(page.hwnd, box, kZoneInfoHole);
        g_filesMissing = false;
        ok(oneLine > 0 && threeLines > 2 * oneLine, "three lines %d px high, one line %d px", threeLines, oneLine);
        // A blank cell empties the box and reads nothing.
        const int reads = g_reads;
        MoveTo(page.hwnd, page.Centre("A5"));
        ok(g_reads == reads && TextRows(page.hwnd, box, kZoneInfoHole) == 0, "A5 empties the box");

        // Headers, blank cells and the legend do nothing.
        ClickAt(page.hwnd, {page.layout.ColumnHeader(3).left + 3, page.layout.ColumnHeader(3).top + 3});
        ClickAt(page.hwnd, page.Centre("A5"));
        ClickAt(page.hwnd, {page.layout.LegendBox().left + 3, page.layout.LegendBox().top + 3});
        ok(!Closes(sheet, 300), "clicks beside the zones leave the sheet open");
        ClickAt(page.hwnd, page.Centre("H7"));
        ok(Closes(sheet), "a click on H7 closes the sheet");
    });
    ok(pick.result == 1 && pick.zone == "H7", "DoModal %d, zone \"%s\"", pick.result, pick.zone.c_str());
}

void ShaftPickAt25() {
    Scenario s("tolerance sheet at 25, shaft page");
    const ZonePick pick = RunToleranceSheet(25, [](HWND sheet) {
        if (!sheet) return ok(false, "sheet did not appear");
        const ZonePage page(ShowTab(sheet, 1), fits::ChartPage::Shaft, 25);
        ok(page.Painted("g6", kPreferred), "g6 preferred: %06x", page.Colour("g6"));
        for (auto [zone, colour] : {std::pair{"js6", kCommon}, {"j5", kGeneral}, {"a5", kWhite}, {"z8", kGeneral}}) {
            ok(page.Colour(zone) == colour, "%s: %06x, expected %06x", zone, page.Colour(zone), colour);
        }
        MoveTo(page.hwnd, page.Centre("h7"));
        ok(TextRows(page.hwnd, page.layout.InfoBox(), kZoneInfoShaft) > 0, "the shaft page's info text is blue");
        ClickAt(page.hwnd, page.Centre("g6"));
        ok(Closes(sheet), "a click on g6 closes the sheet");
    });
    ok(pick.result == 1 && pick.zone == "g6", "DoModal %d, zone \"%s\"", pick.result, pick.zone.c_str());
}

void LargeSizesAndCancel(double size) {
    Scenario s("tolerance sheet from 500 on");
    const ZonePick pick = RunToleranceSheet(size, [](HWND sheet) {
        if (!sheet) return ok(false, "sheet did not appear");
        const ZonePage hole(CurrentPage(sheet), fits::ChartPage::Hole, 800);
        ok(hole.Painted("H7", kCommon), "H7 common from 500: %06x", hole.Colour("H7"));
        ok(hole.Colour("N6") == kCommon && hole.Colour("D6") == kWhite, "N6 %06x, D6 %06x", hole.Colour("N6"),
           hole.Colour("D6"));
        const ZonePage shaft(ShowTab(sheet, 1), fits::ChartPage::Shaft, 800);
        ok(shaft.Painted("g6", kCommon), "g6 common from 500: %06x", shaft.Colour("g6"));
        ok(shaft.Colour("u7") == kCommon && shaft.Colour("d6") == kWhite, "u7 %06x, d6 %06x", shaft.Colour("u7"),
           shaft.Colour("d6"));
        Press(sheet, IDCANCEL);
    });
    ok(pick.result == 2 && pick.zone.empty(), "cancelled at %g: DoModal %d, zone \"%s\"", size, pick.result,
       pick.zone.c_str());
}

// Sizes the charts do not cover open an empty grid: nothing to pick, and OK picks nothing.
void SizesWithoutZones() {
    for (double size : {3150.0, 4000.0, std::nan(""), std::numeric_limits<double>::infinity()}) {
        Scenario s("sizes without zones");
        const ZonePick pick = RunToleranceSheet(size, [size](HWND sheet) {
            if (!sheet) return ok(false, "sheet did not appear at %g", size);
            const ZonePage page(CurrentPage(sheet), fits::ChartPage::Hole, 800);
            MoveTo(page.hwnd, page.Centre("H7"));
            ClickAt(page.hwnd, page.Centre("H7"));
            ok(!Closes(sheet, 300), "a click at H7 leaves the sheet open at %g", size);
            ok(page.Colour("H7") == kWhite, "H7 not drawn at %g: %06x", size, page.Colour("H7"));
            Press(sheet, IDOK);
        });
        ok(pick.result == 2 && pick.zone.empty(), "at %g: DoModal %d, zone \"%s\"", size, pick.result,
           pick.zone.c_str());
    }
}

void FitPicks() {
    {
        Scenario s("fit sheet, hole-basis page");
        const FitPick pick = RunCooperateSheet([](HWND sheet) {
            if (!sheet) return ok(false, "sheet did not appear");
            ok(TabText(sheet, 0) == "基孔制" && TabText(sheet, 1) == "基轴制", "tabs \"%s\" \"%s\"",
               TabText(sheet, 0).c_str(), TabText(sheet, 1).c_str());
            const FitPage page(CurrentPage(sheet), fits::FitSystem::HoleBasis);
            ok(page.Painted("H7", "g6", kPreferred), "H7/g6 preferred: %06x", page.Colour("H7", "g6"));
            ok(page.Colour("H6", "n5") == kGeneral && page.Colour("H8", "h8") == kGeneral &&
                   page.Colour("H8", "h7") == kPreferred && page.Colour("H6", "a5") == kWhite,
               "H6/n5 %06x, H8/h8 %06x, H8/h7 %06x, H6/a5 %06x", page.Colour("H6", "n5"), page.Colour("H8", "h8"),
               page.Colour("H8", "h7"), page.Colour("H6", "a5"));
            const fits::Rect box = page.layout.InfoBox();
            MoveTo(page.hwnd, page.Centre("H6", "n5"));
            const int rows = TextRows(page.hwnd, box, kFitInfo);
            ok(rows > 0, "hovering H6/n5 fills the info box");
            MoveTo(page.hwnd, page.Centre("H6", "a5"));
            ok(TextRows(page.hwnd, box, kFitInfo) == 0, "a blank cell empties it");
            MoveTo(page.hwnd, {2, 2});
            ok(TextRows(page.hwnd, box, kFitInfo) == 0, "leaving the grid keeps the blank cell");
            ClickAt(page.hwnd, page.Centre("H6", "a5"));
            ClickAt(page.hwnd, {page.layout.Note().left + 5, page.layout.Note().top + 5});
            ok(!Closes(sheet, 300), "blank cells and the note do nothing");
            ClickAt(page.hwnd, page.Centre("H7", "g6"));
            ok(Closes(sheet), "a click on H7/g6 closes the sheet");
        });
        ok(pick.result == 1 && pick.got == 0 && pick.hole == "H7" && pick.shaft == "g6", "DoModal %d, GetFit %d %s/%s",
           pick.result, pick.got, pick.hole.c_str(), pick.shaft.c_str());
    }
    {
        Scenario s("fit sheet, shaft-basis page");
        const FitPick pick = RunCooperateSheet([](HWND sheet) {
            if (!sheet) return ok(false, "sheet did not appear");
            const FitPage page(ShowTab(sheet, 1), fits::FitSystem::ShaftBasis);
            ok(page.Painted("G7", "h6", kPreferred), "G7/h6 preferred: %06x", page.Colour("G7", "h6"));
            ok(page.Colour("D8", "h8") == kGeneral && page.Colour("A5", "h5") == kWhite, "D8/h8 %06x, A5/h5 %06x",
               page.Colour("D8", "h8"), page.Colour("A5", "h5"));
            ClickAt(page.hwnd, page.Centre("G7", "h6"));
            ok(Closes(sheet), "a click on G7/h6 closes the sheet");
        });
        ok(pick.result == 1 && pick.got == 0 && pick.hole == "G7" && pick.shaft == "h6", "DoModal %d, GetFit %d %s/%s",
           pick.result, pick.got, pick.hole.c_str(), pick.shaft.c_str());
    }
    for (int button : {IDCANCEL, IDOK}) {
        Scenario s("fit sheet closed by its buttons");
        const FitPick pick = RunCooperateSheet([button](HWND sheet) {
            if (sheet) Press(sheet, button);
        });
        ok(pick.result == 2 && pick.got == -1 && pick.hole == "keep" && pick.shaft == "keep",
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
        ok(pick.result == 2 && pick.zone.empty(), "key %u: DoModal %d, zone \"%s\"", key, pick.result,
           pick.zone.c_str());
        ok(disabledInside, "the calling window is disabled while the sheet runs");
        ok(GetActiveWindow() == windows.host && IsWindowEnabled(windows.host),
           "key %u: the calling window is active and enabled again", key);
    }
    HostWindows windows;
    SetTimer(windows.host, 1, 300, [](HWND hwnd, UINT, UINT_PTR, DWORD) { DestroyWindow(hwnd); });
    bool ended = false;
    const FitPick pick = RunCooperateSheet([&](HWND sheet) { ended = sheet && WaitFor([&] { return !IsWindow(sheet); }); });
    ok(ended && pick.result == 2 && pick.got == -1, "owner destroyed: ended %d, DoModal %d, GetFit %d", ended,
       pick.result, pick.got);
}

// Pages come from their class names and give back their fonts, bitmap and brush.
template <class Page>
struct Probe : Page {
    using Page::m_res;
};

template <class Page>
void Released(const char* name) {
    std::unique_ptr<CCmdTarget> made(CRuntimeClass::CreateObject(name));
    auto* page = dynamic_cast<Page*>(made.get());
    ok(page && page->GetRuntimeClass() && std::string(page->GetRuntimeClass()->m_lpszClassName) == name,
       "%s created by name", name);
    auto* probe = new Probe<Page>;
    const HGDIOBJ handles[] = {probe->m_res.header.get(), probe->m_res.cell.get(), probe->m_res.background.get(),
                               probe->m_res.brush.get()};
    bool live = true;
    for (HGDIOBJ h : handles) live = live && GetObjectType(h) != 0;
    delete static_cast<CPropertyPage*>(probe);
    bool released = true;
    for (HGDIOBJ h : handles) released = released && GetObjectType(h) == 0;
    ok(live && released, "%s: fonts, bitmap and brush live %d, released %d", name, live, released);
}

// GetGuiResources is a stub under Wine, but Wine hands out GDI handle slots last freed, first
// reused: a brush created after a repaint lands in the slot a brush freed just before it unless
// the repaint kept an object.
template <class Page>
bool RepaintKeepsNoObject(Page& page) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 620, 431);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT client{0, 0, 620, 431};
    for (int i = 0; i < 3; ++i) page.Paint(dc, client);  // fonts realised, caches filled
    HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
    const WORD slot = LOWORD(reinterpret_cast<ULONG_PTR>(probe));
    DeleteObject(probe);
    page.Paint(dc, client);
    page.DrawInfoBox(dc, 1, 6);
    probe = CreateSolidBrush(RGB(1, 2, 3));
    const bool same = LOWORD(reinterpret_cast<ULONG_PTR>(probe)) == slot;
    DeleteObject(probe);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return same;
}

void RepaintsLeaveNoObjects() {
    Scenario s("repaints leave no GDI objects");
    CTQHoleTolerance hole;
    hole.SetBasicSize(25);
    CTQAxisTolerance shaft;
    shaft.SetBasicSize(800);
    CTQHoleCooperate holeBasis;
    CTQAxisCooperate shaftBasis;
    ok(RepaintKeepsNoObject(hole), "hole zones");
    ok(RepaintKeepsNoObject(shaft), "shaft zones");
    ok(RepaintKeepsNoObject(holeBasis), "hole-basis fits");
    ok(RepaintKeepsNoObject(shaftBasis), "shaft-basis fits");
}

void PagesByName() {
    Scenario s("pages by class name");
    Released<CTQAxisTolerance>("CTQAxisTolerance");
    Released<CTQHoleTolerance>("CTQHoleTolerance");
    Released<CTQAxisCooperate>("CTQAxisCooperate");
    Released<CTQHoleCooperate>("CTQHoleCooperate");
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
    RepaintsLeaveNoObjects();
    HolePickAt25();
    ShaftPickAt25();
    LargeSizesAndCancel(800);
    LargeSizesAndCancel(500);
    SizesWithoutZones();
    FitPicks();
    KeysAndActivation();
    return Summary("test_charts");
}
