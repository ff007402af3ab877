// What the two fit pages share: a chart of partner letters against the basic members of one fit
// system (hole-basis or shaft-basis), painted without controls, each offered fit written as a
// fraction, hole zone over shaft zone. Hovering shows a fit's class and zones in an info box; a
// click on a fit reports the page's result code to the sheet and closes it as if OK had been
// pressed. The fits do not depend on the basic size.
#pragma once

#include "fits/ChartPage.h"
#include "fits/fit_classes.h"

class CFitChartPage : public CChartPage {
public:
    ~CFitChartPage() override;

    // 0 with the hole and shaft zones of the clicked fit; -1 with both empty before a click.
    int GetSelectedFit(CString& holeZone, CString& shaftZone) const;

    // kPreferredFit, kGeneralFit or -1 (also outside the grid).
    int ClassifyFit(int row, int column) const { return fits::ClassifyFit(m_style.system, row, column); }

    void Paint(HDC dc, const RECT& client) override;
    void DrawInfoBox(HDC dc, int row, int column) override;
    fits::FitChartLayout Layout() const;

protected:
    struct Style {
        fits::FitSystem system;
        const char* cornerAbove;  // GBK: over the partner letters
        const char* cornerBelow;  // GBK: over the row labels
        bool note;                // the hole-basis chart notes three fits that change character
        int resultCode;           // written through the result target on a click
    };
    CFitChartPage(UINT templateId, const Style& style);

    fits::Cell HitTest(int x, int y) const override { return Layout().HitTest(x, y); }
    bool Offered(const fits::Cell& cell) const override {
        return ClassifyFit(cell.row, cell.column) >= fits::kGeneralFit;
    }

private:
    void PaintBoundaries(HDC dc, const fits::FitChartLayout& chart) const;

    const Style m_style;
    double m_w = 0.0;
    double m_h = 0.0;
};
