// What the two limit deviation pages share: a chart of fundamental-deviation letters against
// tolerance grades for one basic size, painted without controls. Hovering shows a zone's class
// and its limit deviations in an info box; a click on an offered zone reports the page's result
// code to the sheet and closes it as if OK had been pressed.
#pragma once

#include <string>

#include "fits/ChartPage.h"
#include "fits/zone_classes.h"

class CZoneChartPage : public CChartPage {
public:
    // The deviation lookup the pages use (ReadLimitDeviation); a test or benchmark may count
    // or replace it.
    using DeviationReader = int (*)(double basicSize, const char* zone, double* upper, double* lower);
    static DeviationReader s_readDeviation;

    ~CZoneChartPage() override;

    // Stores |size| and appends the column and row labels for it (call once, before the sheet
    // shows the page).
    void SetBasicSize(double size);
    // The clicked zone, or "" before a click.
    CString GetSelectedZone() const;

    // kPreferred, kCommon, kGeneral, or kNotOffered (also outside the grid and for sizes the
    // charts do not cover).
    int ClassifyZone(int row, int column) const;
    CString ZoneName(int row, int column) const;

    void Paint(HDC dc, const RECT& client) override;
    void DrawInfoBox(HDC dc, int row, int column) override;
    fits::ZoneChartLayout Layout() const;

protected:
    struct Style {
        fits::ChartPage page;
        const char* title;       // GBK
        COLORREF infoColour;
        COLORREF zoneTextColour;
        int resultCode;          // written through the result target on a click
    };
    CZoneChartPage(UINT templateId, const Style& style);

    fits::Cell HitTest(int x, int y) const override { return Layout().HitTest(x, y); }
    bool Offered(const fits::Cell& cell) const override {
        return ClassifyZone(cell.row, cell.column) >= fits::kGeneral;
    }

private:
    bool LargeSizes() const { return !(m_basicSize < 500.0); }

    const Style m_style;
    double m_w = 0.0;
    double m_r = 0.0;
    double m_basicSize = 0.0;
};
