#include "fits/chart_layout.h"

namespace fits {

namespace {

int T(double v) { return static_cast<int>(v); }  // truncation toward zero

// Swatches of side s in slots of width u, spread over the box with equal gaps; each label runs
// from its swatch to the client's right edge. Entries need a box at least `minHeight` high.
LegendLayout SpreadLegend(const Rect& box, double s, double u, int count, int minHeight, int clientWidth) {
    LegendLayout legend;
    legend.drawn = true;
    legend.box = box;
    legend.count = count;
    if (box.Height() < minHeight) return legend;
    legend.entries = true;
    const int y = T((box.Height() - s) * 0.5 + box.top);
    const double g = (box.Width() - count * u) / (count + 1);
    for (int j = 0; j < count; ++j) {
        const int x = box.left + T((j + 1) * g + j * u);
        legend.swatch[j] = {x, y, T(x + s), T(y + s)};
        legend.label[j] = {legend.swatch[j].right, y, clientWidth, legend.swatch[j].bottom};
    }
    return legend;
}

// The cell under a client point of a grid whose cells start one column width from the left and
// `top` from the top. The offsets are truncated before the division, as the host's charts do.
Cell HitGrid(int x, int y, double w, double top, double rowHeight, int columns, int rows) {
    if (!(w > 0.0) || !(rowHeight > 0.0)) return {};  // not painted yet, or no room at all
    const int dx = T(x - w);
    const int dy = T(y - top);
    if (dx < 0 || dy < 0) return {};
    const int row = T(dy / rowHeight);
    const int column = T(dx / w);
    if (column >= columns || row >= rows) return {};
    return {row, column};
}

}  // namespace

Rect Inset(const Rect& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

// ---------------------------------------------------------------------------------------------
// Limit deviation charts

ZoneChartLayout::ZoneChartLayout(bool holePage, bool largeSizes, int columns, int rows, int width, int height)
    : m_hole(holePage),
      m_large(largeSizes),
      m_columns(columns),
      m_rows(rows),
      m_width(width),
      m_height(height),
      m_w(static_cast<double>(width) / (columns + 1)),
      m_r(static_cast<double>(height) / (rows + 2)) {}

Rect ZoneChartLayout::Title() const { return {0, 0, m_width, T(m_r)}; }
int ZoneChartLayout::TitleLineY() const { return T(m_r); }
int ZoneChartLayout::HeaderLineY() const { return T(2 * m_r); }

Rect ZoneChartLayout::ColumnHeader(int i) const { return {T((i + 1) * m_w), T(m_r), T((i + 2) * m_w), T(2 * m_r)}; }
int ZoneChartLayout::ColumnLineX(int i) const { return T((i + 1) * m_w); }
Rect ZoneChartLayout::RowHeader(int k) const { return {0, T((k + 2) * m_r), T(m_w), T((k + 3) * m_r)}; }
int ZoneChartLayout::RowLineY(int k) const { return T((k + 3) * m_r); }

Rect ZoneChartLayout::CellRect(int k, int i) const {
    // The first row starts one pixel lower, clear of the line under the letters.
    return {T((i + 1) * m_w), T((k + 2) * m_r) + (k == 0 ? 1 : 0), T((i + 2) * m_w), T((k + 3) * m_r)};
}

// Both boxes sit in the part of the grid that the chart leaves blank: right of the last offered
// zone of the first rows (legend) and of the last rows (info box).
Rect ZoneChartLayout::LegendBox() const {
    if (!m_large) return {T(14 * m_w), T(2 * m_r + 1), T(23 * m_w), T(3.1 * m_r)};
    if (m_hole) return {T(7 * m_w + 10), T(4.5 * m_r), T(9 * m_w + 80), T(5.6 * m_r)};
    return {T(9 * m_w), T(4 * m_r + 1), T(14 * m_w), T(5.1 * m_r)};
}

LegendLayout ZoneChartLayout::Legend(int textWidth) const {
    if (m_r < 2.0) return {};
    const double s = 0.8 * m_r;
    const double u = textWidth / 3 + s + 6;
    return SpreadLegend(LegendBox(), s, u, 3, m_hole ? T(0.8 * m_r) : T(m_r), m_width);
}

Rect ZoneChartLayout::InfoBox() const {
    if (!m_large) return {T(14 * m_w) - 1, T(12 * m_r) - 1, T(23 * m_w) - 2, T(15 * m_r) - 2};
    if (m_hole) return {T(7 * m_w) - 1, T(6 * m_r) - 1, T(10 * m_w) - 2, T(9 * m_r) - 2};
    return {T(9 * m_w) - 1, T(6 * m_r) - 1, T(14 * m_w) - 2, T(9 * m_r) - 2};
}

Cell ZoneChartLayout::HitTest(int x, int y) const { return HitGrid(x, y, m_w, 2 * m_r, m_r, m_columns, m_rows); }

Point ZoneChartLayout::CellCentre(int k, int i) const {
    const Rect r = CellRect(k, i);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// ---------------------------------------------------------------------------------------------
// Fit charts

FitChartLayout::FitChartLayout(int columns, int rows, int width, int height)
    : m_columns(columns),
      m_rows(rows),
      m_width(width),
      m_height(height),
      m_w(static_cast<double>(width) / (columns + 1)),
      m_h(static_cast<double>(height) / (rows + 1) * 0.5) {}

int FitChartLayout::ColumnLineX(int i) const { return T((i + 1) * m_w); }
Rect FitChartLayout::ColumnHeader(int i) const { return {T((i + 1) * m_w), 0, T((i + 2) * m_w), T(m_h)}; }
int FitChartLayout::RowLineY(int k) const { return T((2 * k + 4) * m_h); }
Rect FitChartLayout::RowHeader(int k) const { return {0, T((2 * k + 2) * m_h), T(m_w - 1), T((2 * k + 4) * m_h)}; }

// The fit character changes after the eighth and the eleventh partner letter (h|js, n|p).
Rect FitChartLayout::ClearanceBand() const { return {T(m_w), T(m_h), T(9 * m_w), T(2 * m_h)}; }
Rect FitChartLayout::TransitionBand() const { return {T(9 * m_w), T(m_h), T(12 * m_w), T(2 * m_h)}; }
Rect FitChartLayout::InterferenceBand() const { return {T(12 * m_w), T(m_h), m_width, T(2 * m_h)}; }
Rect FitChartLayout::PartnerCorner() const { return {0, 0, T(m_w), T(m_h)}; }
Rect FitChartLayout::MemberCorner() const { return {0, T(m_h), T(m_w), T(2 * m_h)}; }
Rect FitChartLayout::Note() const { return {T(10 * m_w + 6), T(10 * m_h + 4), m_width, T(12 * m_h)}; }

Rect FitChartLayout::CellRect(int k, int i) const {
    return {T((i + 1) * m_w), T((2 * k + 2) * m_h) + (k == 0 ? 1 : 0), T((i + 2) * m_w), T((2 * k + 4) * m_h)};
}

Rect FitChartLayout::UpperZone(const Rect& c) const {
    return {c.left, c.top, c.right, c.bottom - c.Height() / 2};
}
Rect FitChartLayout::LowerZone(const Rect& c) const {
    return {c.left, c.bottom - c.Height() / 2, c.right, c.bottom};
}
Point FitChartLayout::BarStart(const Rect& c) const { return {(c.left + c.right) / 2 - 10, c.bottom - c.Height() / 2}; }
Point FitChartLayout::BarEnd(const Rect& c) const { return {(c.left + c.right) / 2 + 9, c.bottom - c.Height() / 2}; }

Rect FitChartLayout::LegendBox() const { return {T(m_w), T(2 * m_h + 1), T(5.5 * m_w), T(4 * m_h)}; }

LegendLayout FitChartLayout::Legend(int textWidth) const {
    if (m_h < 2.0) return {};
    const double s = 0.8 * m_h;
    const double u = textWidth / 3 + s;
    return SpreadLegend(LegendBox(), s, u, 2, T(s), m_width);
}

Rect FitChartLayout::InfoBox() const {
    return {T(14 * m_w) - 1, T(14 * m_h) - 1, T(22 * m_w) - 2, T(18 * m_h) - 2};
}

int FitChartLayout::ClearanceBoundaryX() const { return T(9 * m_w); }

int FitChartLayout::InterferenceBoundary(bool holeBasis, Point p[6]) const {
    p[0] = {T(12 * m_w), 0};
    p[1] = {T(12 * m_w), T(4 * m_h)};
    p[2] = {T(13 * m_w), T(4 * m_h)};
    if (!holeBasis) {
        p[3] = {T(13 * m_w), T(8 * m_h - 1)};
        return 4;
    }
    p[3] = {T(13 * m_w), T(6 * m_h)};
    p[4] = {T(14 * m_w), T(6 * m_h)};
    p[5] = {T(14 * m_w), T(8 * m_h - 1)};
    return 6;
}

Cell FitChartLayout::HitTest(int x, int y) const {
    return HitGrid(x, y, m_w, 2 * m_h, 2 * m_h, m_columns, m_rows);
}

Point FitChartLayout::CellCentre(int k, int i) const {
    const Rect r = CellRect(k, i);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace fits
