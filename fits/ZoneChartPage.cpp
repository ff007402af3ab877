#include "fits/ZoneChartPage.h"

#include <cmath>

#include "fits/chart_texts.h"
#include "fits/limit_deviation.h"

CZoneChartPage::DeviationReader CZoneChartPage::s_readDeviation = &ReadLimitDeviation;

CZoneChartPage::CZoneChartPage(UINT templateId, const Style& style)
    : CChartPage(templateId, 18, style.resultCode), m_style(style) {}

CZoneChartPage::~CZoneChartPage() = default;

void CZoneChartPage::SetBasicSize(double size) {
    m_basicSize = std::fabs(size);
    // NaN and infinite sizes get the large-size labels and, like every size from 3150 on, no
    // offered zone.
    const fits::ChartSize grid = LargeSizes() ? fits::ChartSize::From500To3150 : fits::ChartSize::Below500;
    for (int i = 0; i < fits::ColumnCount(m_style.page, grid); ++i)
        m_columns.Add(fits::ColumnLabel(m_style.page, grid, i));
    for (int k = 0; k < fits::RowCount(grid); ++k) m_rows.Add(fits::RowLabel(grid, k));
}

CString CZoneChartPage::ZoneName(int row, int column) const {
    if (row < 0 || row >= GetRowCount() || column < 0 || column >= GetColumnCount()) return CString();
    CString name = m_columns[column];
    name += m_rows[row];
    return name;
}

int CZoneChartPage::ClassifyZone(int row, int column) const {
    fits::ChartSize grid;
    if (!fits::ChartSizeFor(m_basicSize, &grid)) return fits::kNotOffered;
    return fits::ClassifyZone(m_style.page, grid, row, column);
}

CString CZoneChartPage::GetSelectedZone() const { return ZoneName(m_selected.row, m_selected.column); }

fits::ZoneChartLayout CZoneChartPage::Layout() const {
    return fits::ZoneChartLayout(m_style.page == fits::ChartPage::Hole, LargeSizes(), GetColumnCount(),
                                 GetRowCount(), m_client.right, m_client.bottom);
}

void CZoneChartPage::Paint(HDC dc, const RECT& client) {
    m_client = client;
    const fits::ZoneChartLayout chart = Layout();
    m_w = chart.W();
    m_r = chart.R();
    const int width = m_client.right, height = m_client.bottom;
    gdi::TextState text(dc);
    {
        gdi::Select font(dc, m_res.header.get());
        SetBkMode(dc, TRANSPARENT);
        chart::CentredText(dc, m_style.title, chart.Title());
        chart::Line(dc, 0, chart.TitleLineY(), width, chart.TitleLineY());
        chart::Line(dc, 0, chart.HeaderLineY(), width, chart.HeaderLineY());
        SetTextColor(dc, chart::kBlack);
        gdi::Pen gridPen(CreatePen(PS_SOLID, 1, chart::kGridColour));
        gdi::Select pen(dc, gridPen.get());
        for (int i = 0; i < GetColumnCount(); ++i) {
            const fits::Rect header = chart.ColumnHeader(i);
            chart::Frame3d(dc, header);
            chart::CentredText(dc, m_columns[i], header);
            chart::Line(dc, chart.ColumnLineX(i), chart.TitleLineY(), chart.ColumnLineX(i), height);
        }
        for (int k = 0; k < GetRowCount(); ++k) {
            const fits::Rect header = chart.RowHeader(k);
            chart::Frame3d(dc, header);
            chart::CentredText(dc, m_rows[k], header);
            chart::Line(dc, 0, chart.RowLineY(k), width, chart.RowLineY(k));
        }
    }
    gdi::Select font(dc, m_res.cell.get());
    SetTextColor(dc, m_style.zoneTextColour);
    for (int k = 0; k < GetRowCount(); ++k) {
        for (int i = 0; i < GetColumnCount(); ++i) {
            const CString name = ZoneName(k, i);
            const int zoneClass = ClassifyZone(k, i);
            if (name.IsEmpty() || zoneClass < fits::kGeneral) continue;
            const COLORREF colour = zoneClass == fits::kPreferred ? chart::kPreferredColour
                                    : zoneClass == fits::kCommon  ? chart::kCommonColour
                                                                  : chart::kGeneralColour;
            chart::PaintCell(dc, chart.CellRect(k, i), colour, name);
        }
    }
    // The slots are measured in the cell font, which is still selected here.
    const chart::LegendEntry entries[] = {{chart::kPreferredColour, fits::text::kPreferred},
                                          {chart::kCommonColour, fits::text::kCommon},
                                          {chart::kGeneralColour, fits::text::kGeneral}};
    if (m_r >= 2.0) {
        const int measure = chart::TextWidth(dc, fits::text::kLegendMeasure);
        chart::PaintLegend(dc, chart.Legend(measure), entries, m_res);
    }
    DrawInfoBox(dc, m_hovered.row, m_hovered.column);
}

void CZoneChartPage::DrawInfoBox(HDC dc, int row, int column) {
    Hover(row, column);
    const int zoneClass = m_hovered == fits::Cell{} ? fits::kNotOffered : ClassifyZone(m_hovered.row, m_hovered.column);
    std::string info;
    if (zoneClass >= fits::kGeneral) {
        const CString zone = ZoneName(m_hovered.row, m_hovered.column);
        double upper = 0.0, lower = 0.0;
        const bool found = s_readDeviation && s_readDeviation(m_basicSize, zone, &upper, &lower) == 0;
        const bool hole = m_style.page == fits::ChartPage::Hole;
        info = found ? fits::ZoneInfoText(hole, zoneClass, zone.c_str(), &upper, &lower)
                     : fits::ZoneInfoText(hole, zoneClass, zone.c_str(), nullptr, nullptr);
    }
    chart::PaintInfoBox(dc, Layout().InfoBox(), info, m_style.infoColour, m_res);
}
