// What every chart page does besides painting its chart: erase with the background brush, show
// the hovered cell's info box (redrawn only when the pointer enters another cell), and on a
// click on an offered cell remember it, report the page's result code and close the sheet as if
// its OK button had been pressed.
#pragma once

#include "fits/ChartPaint.h"
#include "fits/chart_layout.h"
#include "framework/afxdlgs.h"

class CChartPage : public CPropertyPage {
public:
    ~CChartPage() override;

    void SetResultTarget(int* target) { m_pResult = target; }
    int GetColumnCount() const { return m_columns.GetSize(); }
    int GetRowCount() const { return m_rows.GetSize(); }

    // The whole chart for a client rectangle (left and top 0).
    virtual void Paint(HDC dc, const RECT& client) = 0;
    // The info box for a cell, which becomes the hovered cell unless it is (-1, -1).
    virtual void DrawInfoBox(HDC dc, int row, int column) = 0;

    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

protected:
    CChartPage(UINT templateId, int headerFontHeight, int resultCode);

    // The cell under a client point of the chart as last painted; (-1, -1) for none.
    virtual fits::Cell HitTest(int x, int y) const = 0;
    // Whether a click on the cell picks it.
    virtual bool Offered(const fits::Cell& cell) const = 0;
    void Hover(int row, int column) {
        if (row > -1 && column > -1) m_hovered = {row, column};
    }

    RECT m_client{0, 0, 0, 0};  // refreshed at every paint
    CStringArray m_columns;     // column labels, left to right
    CStringArray m_rows;        // row labels, top to bottom
    chart::Resources m_res;
    fits::Cell m_selected;
    fits::Cell m_hovered;

private:
    void OnPaint();
    BOOL OnEraseBkgnd(HDC dc);
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonDown(UINT flags, POINT point);

    int* m_pResult = nullptr;
    const int m_resultCode;
};
