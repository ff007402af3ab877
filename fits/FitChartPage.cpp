#include "fits/FitChartPage.h"

#include "fits/chart_texts.h"

namespace {

constexpr COLORREF kFitTextColour = RGB(32, 0, 0);
constexpr COLORREF kInfoColour = RGB(0, 0, 200);
constexpr COLORREF kNoteColour = RGB(40, 80, 200);
constexpr COLORREF kBoundaryColour = RGB(32, 32, 192);

}  // namespace

CFitChartPage::CFitChartPage(UINT templateId, const Style& style)
    : CChartPage(templateId, 16, style.resultCode), m_style(style) {
    for (int i = 0; i < fits::FitColumnCount(style.system); ++i)
        m_columns.Add(fits::FitColumnLabel(style.system, i));
    for (int k = 0; k < fits::FitRowCount(style.system); ++k)
        m_rows.Add(fits::FitRowLabel(style.system, k).c_str());
}

CFitChartPage::~CFitChartPage() = default;

int CFitChartPage::GetSelectedFit(CString& holeZone, CString& shaftZone) const {
    holeZone.Empty();
    shaftZone.Empty();
    const fits::Fit fit = fits::FitOfCell(m_style.system, m_selected.row, m_selected.column);
    if (fit.hole.empty()) return -1;
    holeZone = fit.hole.c_str();
    shaftZone = fit.shaft.c_str();
    return 0;
}

fits::FitChartLayout CFitChartPage::Layout() const {
    return fits::FitChartLayout(GetColumnCount(), GetRowCount(), m_client.right, m_client.bottom);
}

void CFitChartPage::Paint(HDC dc, const RECT& client) {
    m_client = client;
    const fits::FitChartLayout chart = Layout();
    m_w = chart.W();
    m_h = chart.H();
    const int width = m_client.right, height = m_client.bottom;
    gdi::TextState text(dc);
    {
        gdi::Select font(dc, m_res.header.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, chart::kBlack);
        gdi::Pen gridPen(CreatePen(PS_SOLID, 1, chart::kGridColour));
        gdi::Select pen(dc, gridPen.get());
        for (int i = 0; i < GetColumnCount(); ++i) {
            chart::Line(dc, chart.ColumnLineX(i), 0, chart.ColumnLineX(i), height);
            const fits::Rect header = chart.ColumnHeader(i);
            chart::Frame3d(dc, header);
            chart::CentredText(dc, m_columns[i], header);
        }
        for (int k = 0; k < GetRowCount(); ++k) {
            chart::Line(dc, 0, chart.RowLineY(k), width, chart.RowLineY(k));
            const fits::Rect header = chart.RowHeader(k);
            chart::Frame3d(dc, header);
            chart::CentredText(dc, m_rows[k], header);
        }
        const std::pair<fits::Rect, const char*> framed[] = {
            {chart.ClearanceBand(), fits::text::kClearance},   {chart.TransitionBand(), fits::text::kTransition},
            {chart.InterferenceBand(), fits::text::kInterference}, {chart.PartnerCorner(), m_style.cornerAbove},
            {chart.MemberCorner(), m_style.cornerBelow}};
        for (const auto& [rect, caption] : framed) {
            chart::Frame3d(dc, rect);
            chart::CentredText(dc, caption, rect);
        }
        if (m_style.note) {
            SetTextColor(dc, kNoteColour);
            chart::Text(dc, fits::text::kFitNote, chart.Note(), DT_LEFT);
        }
    }
    {
        gdi::Select font(dc, m_res.cell.get());
        SetTextColor(dc, kFitTextColour);
        for (int k = 0; k < GetRowCount(); ++k) {
            for (int i = 0; i < GetColumnCount(); ++i) {
                const int fitClass = ClassifyFit(k, i);
                if (fitClass < fits::kGeneralFit) continue;
                const fits::Fit fit = fits::FitOfCell(m_style.system, k, i);
                const fits::Rect cell = chart.CellRect(k, i);
                const bool preferred = fitClass == fits::kPreferredFit;
                chart::PaintCell(dc, cell, preferred ? chart::kPreferredColour : chart::kGeneralColour, nullptr);
                chart::Text(dc, fit.hole.c_str(), chart.UpperZone(cell), DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
                chart::Text(dc, fit.shaft.c_str(), chart.LowerZone(cell), DT_CENTER | DT_TOP | DT_SINGLELINE);
                const fits::Point from = chart.BarStart(cell), to = chart.BarEnd(cell);
                chart::Line(dc, from.x, from.y, to.x, to.y);
            }
        }
    }
    if (m_h >= 2.0) {
        gdi::Select font(dc, m_res.header.get());
        const chart::LegendEntry entries[] = {{chart::kPreferredColour, fits::text::kPreferred},
                                              {chart::kGeneralColour, fits::text::kGeneral}};
        chart::PaintLegend(dc, chart.Legend(chart::TextWidth(dc, fits::text::kLegendMeasure)), entries, m_res);
    }
    DrawInfoBox(dc, m_hovered.row, m_hovered.column);
    PaintBoundaries(dc, chart);
}

// Left of the straight line the fits have clearance, right of the stepped line interference.
void CFitChartPage::PaintBoundaries(HDC dc, const fits::FitChartLayout& chart) const {
    gdi::Pen boundaryPen(CreatePen(PS_SOLID, 2, kBoundaryColour));
    gdi::Select pen(dc, boundaryPen.get());
    chart::Line(dc, chart.ClearanceBoundaryX(), 0, chart.ClearanceBoundaryX(), m_client.bottom);
    fits::Point steps[6];
    const int n = chart.InterferenceBoundary(m_style.system == fits::FitSystem::HoleBasis, steps);
    POINT points[6];
    for (int j = 0; j < n; ++j) points[j] = {steps[j].x, steps[j].y};
    Polyline(dc, points, n);
}

void CFitChartPage::DrawInfoBox(HDC dc, int row, int column) {
    Hover(row, column);
    const std::string info =
        fits::FitInfoText(ClassifyFit(m_hovered.row, m_hovered.column),
                          fits::FitOfCell(m_style.system, m_hovered.row, m_hovered.column));
    chart::PaintInfoBox(dc, Layout().InfoBox(), info, kInfoColour, m_res);
}
