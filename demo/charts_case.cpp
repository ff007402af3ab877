// The chart pages of the tolerance and fit sheets, each in a picture of its own: the sheets are
// linked into the demo host with the module's resources and opened directly, as the dimension
// dialog's "公差" and "配合" buttons open them. The script hovers one zone or fit so that the
// picture shows the info box with its deviations.
#include <string>

#include "demo/demo_cases.h"
#include "fits/CooperateSheet.h"
#include "fits/ToleranceSheet.h"
#include "fits/chart_layout.h"
#include "fits/fit_classes.h"
#include "fits/zone_classes.h"

namespace {

// This program carries its own copy of the module's resources and framework.
void EnterModule() {
    static const bool attached = AfxDllMain(GetModuleHandleW(nullptr), DLL_PROCESS_ATTACH) != FALSE;
    (void)attached;
}

HWND ShowTab(HWND sheet, int tab) {
    SendMessageW(sheet, PSM_SETCURSEL, tab, 0);
    return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// The pointer over a cell, then the whole sheet painted (the tab strip too) for the picture.
void Hover(HWND page, fits::Point p) {
    SendMessageW(page, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    RedrawWindow(GetParent(page), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

RECT Client(HWND page) {
    RECT rc{};
    GetClientRect(page, &rc);
    return rc;
}

struct ZoneView {
    const char* name;
    const char* title;
    double size;
    int tab;  // 0 hole page, 1 shaft page
    const char* zone;
};

struct FitView {
    const char* name;
    const char* title;
    int tab;  // 0 hole-basis, 1 shaft-basis
    const char* hole;
    const char* shaft;
};

void RegisterZoneView(int order, const ZoneView& v) {
    demo::Registrar([order, v] {
        demo::Case c;
        c.order = order;
        c.name = v.name;
        c.title = v.title;
        c.describe = [v] { return "  basic size " + std::to_string(v.size); };
        c.open = [v](HMODULE) {
            EnterModule();
            AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
            CToleranceSheet sheet;
            sheet.SetBasicSize(v.size);
            sheet.Create(nullptr);
            const int result = sheet.DoModal();
            return "DoModal " + std::to_string(result) + ", zone \"" + sheet.GetZone().c_str() + "\"";
        };
        c.script = [v](HWND sheet) {
            HWND page = ShowTab(sheet, v.tab);
            const fits::ChartPage kind = v.tab == 0 ? fits::ChartPage::Hole : fits::ChartPage::Shaft;
            fits::ChartSize size;
            if (!fits::ChartSizeFor(v.size, &size)) return;
            const RECT rc = Client(page);
            const fits::ZoneChartLayout layout(v.tab == 0, size == fits::ChartSize::From500To3150,
                                               fits::ColumnCount(kind, size), fits::RowCount(size), rc.right,
                                               rc.bottom);
            for (int k = 0; k < fits::RowCount(size); ++k)
                for (int i = 0; i < fits::ColumnCount(kind, size); ++i)
                    if (fits::ZoneName(kind, size, k, i) == v.zone) Hover(page, layout.CellCentre(k, i));
        };
        return c;
    });
}

void RegisterFitView(int order, const FitView& v) {
    demo::Registrar([order, v] {
        demo::Case c;
        c.order = order;
        c.name = v.name;
        c.title = v.title;
        c.describe = [] { return std::string("  fits do not depend on the size"); };
        c.open = [](HMODULE) {
            EnterModule();
            AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
            CCooperateSheet sheet;
            sheet.SetBasicSize(25);
            sheet.Create(nullptr);
            const int result = sheet.DoModal();
            CString hole, shaft;
            sheet.GetFit(hole, shaft);
            return "DoModal " + std::to_string(result) + ", fit \"" + hole.c_str() + "/" + shaft.c_str() + "\"";
        };
        c.script = [v](HWND sheet) {
            HWND page = ShowTab(sheet, v.tab);
            const fits::FitSystem system = v.tab == 0 ? fits::FitSystem::HoleBasis : fits::FitSystem::ShaftBasis;
            const RECT rc = Client(page);
            const fits::FitChartLayout layout(fits::FitColumnCount(system), fits::FitRowCount(system), rc.right,
                                              rc.bottom);
            for (int k = 0; k < fits::FitRowCount(system); ++k) {
                for (int i = 0; i < fits::FitColumnCount(system); ++i) {
                    const fits::Fit f = fits::FitOfCell(system, k, i);
                    if (f.hole == v.hole && f.shaft == v.shaft) Hover(page, layout.CellCentre(k, i));
                }
            }
        };
        return c;
    });
}

const bool registered = [] {
    RegisterZoneView(300, {"charts_hole_25", "孔极限偏差 25", 25, 0, "H7"});
    RegisterZoneView(301, {"charts_shaft_25", "轴极限偏差 25", 25, 1, "g6"});
    RegisterZoneView(302, {"charts_hole_800", "孔极限偏差 800", 800, 0, "H7"});
    RegisterZoneView(303, {"charts_shaft_800", "轴极限偏差 800", 800, 1, "js8"});
    RegisterFitView(304, {"charts_hole_basis", "基孔制配合", 0, "H7", "g6"});
    RegisterFitView(305, {"charts_shaft_basis", "基轴制配合", 1, "F8", "h7"});
    return true;
}();

}  // namespace
