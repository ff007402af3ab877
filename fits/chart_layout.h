// Where the chart pages draw and what a point on them hits. No windows here: the pages hand in
// their client size (and the one text width that depends on the font) and paint what comes back.
//
// Every coordinate is computed in doubles from the column width W and the row height R (zone
// charts) or the half-row height H (fit charts), then truncated toward zero where it is used,
// exactly as the host's charts place their lines; cells therefore tile without gaps and a test
// can aim at a computed cell centre.
#pragma once

namespace fits {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct Cell {
    int row = -1, column = -1;  // (-1, -1): no cell
    bool operator==(const Cell& o) const { return row == o.row && column == o.column; }
    bool operator!=(const Cell& o) const { return !(*this == o); }
};

struct Point {
    int x = 0, y = 0;
};

// The legend: up to three swatches with their labels, in one row inside a box.
struct LegendLayout {
    bool drawn = false;    // false: nothing at all (the chart is too small)
    bool entries = false;  // false: only the box (it is too low for the swatches)
    Rect box;
    int count = 0;
    Rect swatch[3];
    Rect label[3];  // from the swatch's right edge to the client's right edge
};

// Limit deviation charts: a title band, a band of letters, then one row per grade.
class ZoneChartLayout {
public:
    // `largeSizes`: the chart of basic sizes from 500 mm on (it puts its boxes elsewhere);
    // `holePage`: the hole page, whose boxes differ from 500 mm on.
    ZoneChartLayout(bool holePage, bool largeSizes, int columns, int rows, int width, int height);

    double W() const { return m_w; }
    double R() const { return m_r; }

    Rect Title() const;
    int TitleLineY() const;   // line under the title, full width
    int HeaderLineY() const;  // line under the letters, full width
    Rect ColumnHeader(int column) const;
    int ColumnLineX(int column) const;  // grid line from TitleLineY() to the bottom
    Rect RowHeader(int row) const;
    int RowLineY(int row) const;        // grid line under the row, full width
    Rect CellRect(int row, int column) const;
    Rect LegendBox() const;
    // `textWidth`: width of "优先优先优先" in the cell font.
    LegendLayout Legend(int textWidth) const;
    Rect InfoBox() const;
    Cell HitTest(int x, int y) const;
    Point CellCentre(int row, int column) const;

private:
    bool m_hole, m_large;
    int m_columns, m_rows, m_width, m_height;
    double m_w, m_r;
};

// Fit charts: a band of letters, a band of fit characters, then one double-height row per basic
// member of the system.
class FitChartLayout {
public:
    FitChartLayout(int columns, int rows, int width, int height);

    double W() const { return m_w; }
    double H() const { return m_h; }

    int ColumnLineX(int column) const;  // grid line from the top to the bottom
    Rect ColumnHeader(int column) const;
    int RowLineY(int row) const;        // grid line under the row, full width
    Rect RowHeader(int row) const;
    Rect ClearanceBand() const;
    Rect TransitionBand() const;
    Rect InterferenceBand() const;
    Rect PartnerCorner() const;  // above the letters
    Rect MemberCorner() const;   // above the row labels
    Rect Note() const;
    Rect CellRect(int row, int column) const;
    // The two zone texts of a cell and the fraction bar between them.
    Rect UpperZone(const Rect& cell) const;
    Rect LowerZone(const Rect& cell) const;
    Point BarStart(const Rect& cell) const;
    Point BarEnd(const Rect& cell) const;
    Rect LegendBox() const;
    // `textWidth`: width of "优先优先优先" in the header font.
    LegendLayout Legend(int textWidth) const;
    Rect InfoBox() const;
    // The straight boundary between clearance and transition fits.
    int ClearanceBoundaryX() const;
    // The stepped boundary between transition and interference fits: `points` receives up to 6
    // vertices; returns how many.
    int InterferenceBoundary(bool holeBasis, Point points[6]) const;
    Cell HitTest(int x, int y) const;
    Point CellCentre(int row, int column) const;

private:
    int m_columns, m_rows, m_width, m_height;
    double m_w, m_h;
};

// The box, shrunk by `by` pixels on every side.
Rect Inset(const Rect& r, int by);

}  // namespace fits
