// Chart geometry, fit tables and info texts of the chart pages.
//
// The rectangles of a few client sizes were worked out by hand once; beyond them the tests check
// what a user relies on: the point at a cell's centre hits that cell, cells tile the grid, the
// header bands miss, and the legend and info boxes stay clear of every offered cell.
#include "fits/chart_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <tuple>

#include "fits/chart_texts.h"
#include "fits/fit_classes.h"
#include "fits/zone_classes.h"

namespace fits {
void PrintTo(const Rect& r, std::ostream* os) { *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")"; }
}  // namespace fits

namespace {

using fits::Cell;
using fits::ChartPage;
using fits::ChartSize;
using fits::FitChartLayout;
using fits::FitSystem;
using fits::Rect;
using fits::ZoneChartLayout;

// The boxes start one pixel left of and above their grid lines, so their frames may cover the
// last pixel of a neighbouring cell; anything more hides part of a zone.
bool Covers(const Rect& box, const Rect& cell) {
    return box.left < cell.right - 1 && cell.left < box.right && box.top < cell.bottom - 1 && cell.top < box.bottom;
}

// Truncating x - W before dividing can move a point by up to a pixel, so centres of cells at
// least three pixels wide and high always hit; smaller cells only at real chart sizes.
bool Aimable(const Rect& r) { return r.Width() >= 3 && r.Height() >= 3; }

// Cells that leave a gap to their neighbour below (and right, where columns tile) or whose
// centre misses them.
template <class Layout>
int WrongCells(const Layout& chart, int rows, int cols, bool columnsTile) {
    int wrong = 0;
    for (int k = 0; k < rows; ++k) {
        for (int i = 0; i < cols; ++i) {
            const Rect r = chart.CellRect(k, i);
            if (columnsTile && i + 1 < cols && r.right != chart.CellRect(k, i + 1).left) ++wrong;
            if (k + 1 < rows && r.bottom != chart.CellRect(k + 1, i).top) ++wrong;
            const fits::Point c = chart.CellCentre(k, i);
            if (Aimable(r) && chart.HitTest(c.x, c.y) != (Cell{k, i})) ++wrong;
        }
    }
    return wrong;
}

// ---------------------------------------------------------------------------------------------
// Limit deviation charts

TEST(ZoneChartLayout, RectanglesAtAnUnevenClientSize) {
    const ZoneChartLayout small(false, false, 22, 13, 617, 433);  // W 26.83, R 28.87
    // From 500 mm the boxes move, and the hole page places them differently.
    const ZoneChartLayout holeLarge(true, true, 9, 7, 500, 72), shaftLarge(false, true, 14, 7, 500, 72);
    for (auto [got, want] : {std::pair{small.Title(), Rect{0, 0, 617, 28}},
                             {small.ColumnHeader(21), Rect{590, 28, 617, 57}},
                             {small.RowHeader(12), Rect{0, 404, 26, 433}},
                             {small.CellRect(0, 0), Rect{26, 58, 53, 86}},  // one pixel under the line
                             {small.CellRect(5, 7), Rect{214, 202, 241, 230}},
                             {small.LegendBox(), Rect{375, 58, 617, 89}},
                             {small.InfoBox(), Rect{374, 345, 615, 431}},
                             {holeLarge.LegendBox(), Rect{360, 36, 530, 44}},
                             {holeLarge.InfoBox(), Rect{349, 47, 498, 70}},
                             {shaftLarge.LegendBox(), Rect{300, 33, 466, 40}},
                             {shaftLarge.InfoBox(), Rect{299, 47, 464, 70}}}) {
        EXPECT_EQ(got, want);
    }
    EXPECT_TRUE(small.TitleLineY() == 28 && small.HeaderLineY() == 57 && small.ColumnLineX(21) == 590 &&
                small.RowLineY(12) == 433);
}

TEST(ZoneChartLayout, LegendEntriesNeedRoom) {
    const fits::LegendLayout legend = ZoneChartLayout(false, false, 22, 13, 617, 433).Legend(72);
    ASSERT_TRUE(legend.drawn && legend.entries && legend.count == 3);
    const Rect swatches[] = {{395, 61, 418, 84}, {469, 61, 492, 84}, {543, 61, 566, 84}};
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(legend.swatch[j], swatches[j]) << j;
        EXPECT_EQ(legend.label[j], (Rect{swatches[j].right, 61, 617, 84})) << j;
    }
    // R = 8: a box of 7 px is lower than R (the shaft page's threshold) but reaches 0.8 R (the
    // hole page's).
    const fits::LegendLayout shaft = ZoneChartLayout(false, false, 22, 13, 500, 120).Legend(72);
    const fits::LegendLayout hole = ZoneChartLayout(true, false, 22, 13, 500, 120).Legend(72);
    EXPECT_TRUE(shaft.drawn && !shaft.entries && hole.drawn && hole.entries);
    EXPECT_EQ(ZoneChartLayout(true, true, 9, 7, 500, 72).Legend(72).swatch[2], (Rect{478, 36, 484, 42}));
    // Below R = 2.0 nothing of the legend is drawn; at 2.0 the box is.
    EXPECT_FALSE(ZoneChartLayout(false, false, 22, 13, 230, 29).Legend(72).drawn);  // R 1.93
    EXPECT_TRUE(ZoneChartLayout(false, false, 22, 13, 230, 30).Legend(72).drawn);   // R 2.0
}

TEST(ChartLayouts, HitTestFindsEveryCellAndMissesTheHeaders) {
    for (auto [cols, rows, width, height] :
         {std::tuple{22, 13, 617, 433}, {22, 13, 690, 450}, {14, 7, 500, 72}, {9, 7, 533, 401}, {22, 13, 40, 20}}) {
        const ZoneChartLayout chart(false, cols == 14, cols, rows, width, height);
        const int w = static_cast<int>(chart.W()), r = static_cast<int>(chart.R());
        EXPECT_EQ(WrongCells(chart, rows, cols, true), 0) << width << "x" << height;
        if (Aimable(chart.CellRect(0, 0))) {
            EXPECT_EQ(chart.HitTest(width - 1, height - 1), (Cell{rows - 1, cols - 1})) << width << "x" << height;
        }
        // Row labels, letters, and beyond the last column or row (a captured mouse reports such points).
        for (auto [x, y] : {std::pair{w - 1, height / 2}, {width / 2, 2 * r - 1}, {width + w + 1, height / 2},
                            {width / 2, height + r + 1}}) {
            EXPECT_EQ(chart.HitTest(x, y), Cell{}) << x << "," << y << " at " << width << "x" << height;
        }
    }
    for (auto [width, height] : {std::pair{617, 433}, {660, 450}, {700, 36}, {30, 20}}) {
        const FitChartLayout chart(21, 8, width, height);
        const int w = static_cast<int>(chart.W()), h = static_cast<int>(chart.H());
        EXPECT_EQ(WrongCells(chart, 8, 21, false), 0) << "fits at " << width << "x" << height;
        if (Aimable(chart.CellRect(0, 0))) {
            EXPECT_EQ(chart.HitTest(width - 1, height - 1), (Cell{7, 20})) << width << "x" << height;
        }
        for (auto [x, y] : {std::pair{w - 1, height - 1}, {width - 1, 2 * h - 1}, {width + w + 1, height - 1},
                            {width - 1, height + 2 * h + 1}}) {
            EXPECT_EQ(chart.HitTest(x, y), Cell{}) << x << "," << y << " at " << width << "x" << height;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Fit charts

TEST(FitChartLayout, RectanglesAtAnUnevenClientSize) {
    const FitChartLayout chart(21, 8, 617, 433);  // W 28.05, H 24.06
    // A cell 47 px high: hole zone above the bar at 96 - 23, shaft zone below.
    const Rect cell = chart.CellRect(0, 0);
    for (auto [got, want] : {std::pair{cell, Rect{28, 49, 56, 96}},
                             {chart.CellRect(7, 20), Rect{588, 384, 617, 433}},
                             {chart.RowHeader(3), Rect{0, 192, 27, 240}},
                             {chart.ColumnHeader(0), Rect{28, 0, 56, 24}},
                             {chart.ClearanceBand(), Rect{28, 24, 252, 48}},
                             {chart.TransitionBand(), Rect{252, 24, 336, 48}},
                             {chart.InterferenceBand(), Rect{336, 24, 617, 48}},
                             {chart.PartnerCorner(), Rect{0, 0, 28, 24}},
                             {chart.MemberCorner(), Rect{0, 24, 28, 48}},
                             {chart.Note(), Rect{286, 244, 617, 288}},
                             {chart.LegendBox(), Rect{28, 49, 154, 96}},
                             {chart.InfoBox(), Rect{391, 335, 615, 431}},
                             {chart.UpperZone(cell), Rect{28, 49, 56, 73}},
                             {chart.LowerZone(cell), Rect{28, 73, 56, 96}}}) {
        EXPECT_EQ(got, want);
    }
    EXPECT_TRUE(chart.BarStart(cell).x == 32 && chart.BarEnd(cell).x == 51 && chart.BarStart(cell).y == 73);

    fits::Point p[6];
    ASSERT_EQ(chart.InterferenceBoundary(true, p), 6);
    const int hole[6][2] = {{336, 0}, {336, 96}, {364, 96}, {364, 144}, {392, 144}, {392, 191}};
    for (int j = 0; j < 6; ++j) EXPECT_TRUE(p[j].x == hole[j][0] && p[j].y == hole[j][1]) << j;
    ASSERT_EQ(chart.InterferenceBoundary(false, p), 4);
    EXPECT_TRUE(p[3].x == 364 && p[3].y == 191 && chart.ClearanceBoundaryX() == 252);

    const fits::LegendLayout legend = chart.Legend(96);
    ASSERT_TRUE(legend.drawn && legend.entries && legend.count == 2);
    EXPECT_EQ(legend.swatch[0], (Rect{35, 62, 54, 81}));
    EXPECT_EQ(legend.swatch[1], (Rect{94, 62, 113, 81}));
    EXPECT_FALSE(FitChartLayout(21, 8, 617, 35).Legend(96).drawn);  // H 1.94
}

// The legend, the info box and the note use the part of the grid that the chart leaves blank.
TEST(ChartLayouts, BoxesLieBesideTheOfferedCells) {
    for (auto [page, size] : {std::pair{ChartPage::Shaft, ChartSize::Below500},
                              {ChartPage::Hole, ChartSize::Below500},
                              {ChartPage::Shaft, ChartSize::From500To3150},
                              {ChartPage::Hole, ChartSize::From500To3150}}) {
        const int cols = fits::ColumnCount(page, size), rows = fits::RowCount(size);
        const ZoneChartLayout chart(page == ChartPage::Hole, size == ChartSize::From500To3150, cols, rows, 690, 450);
        for (int k = 0; k < rows; ++k) {
            for (int i = 0; i < cols; ++i) {
                if (fits::ClassifyZone(page, size, k, i) == fits::kNotOffered) continue;
                const Rect cell = chart.CellRect(k, i);
                EXPECT_FALSE(Covers(chart.LegendBox(), cell) || Covers(chart.InfoBox(), cell))
                    << fits::ZoneName(page, size, k, i);
            }
        }
    }
    const FitChartLayout chart(21, 8, 660, 450);
    for (FitSystem system : {FitSystem::HoleBasis, FitSystem::ShaftBasis}) {
        for (int k = 0; k < 8; ++k) {
            for (int i = 0; i < 21; ++i) {
                if (fits::ClassifyFit(system, k, i) < 1) continue;
                const Rect cell = chart.CellRect(k, i);
                const fits::Fit fit = fits::FitOfCell(system, k, i);
                EXPECT_FALSE(Covers(chart.LegendBox(), cell) || Covers(chart.InfoBox(), cell) ||
                             (system == FitSystem::HoleBasis && Covers(chart.Note(), cell)))
                    << fit.hole << "/" << fit.shaft;
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Fit tables

std::string FitAt(FitSystem system, int row, int column) {
    const fits::Fit f = fits::FitOfCell(system, row, column);
    return f.hole + "/" + f.shaft;
}

TEST(FitClasses, NamedFitsStandWhereTheChartShowsThem) {
    const FitSystem hb = FitSystem::HoleBasis, sb = FitSystem::ShaftBasis;
    for (auto [system, fit, row, fitClass] :
         {std::tuple{hb, "H7/g6", 1, fits::kPreferredFit}, {hb, "H6/n5", 0, fits::kGeneralFit},
          {hb, "H8/f7", 2, fits::kPreferredFit}, {hb, "H8/h7", 2, fits::kPreferredFit},
          {hb, "H8/h8", 3, fits::kGeneralFit}, {hb, "H12/h12", 7, fits::kGeneralFit},
          {hb, "H7/j6", -1, fits::kNotOffered}, {hb, "H9/a9", 4, fits::kNotOffered},
          {sb, "G7/h6", 1, fits::kPreferredFit}, {sb, "F8/h7", 2, fits::kPreferredFit},
          {sb, "D8/h8", 3, fits::kGeneralFit}, {sb, "Js6/h5", 0, fits::kGeneralFit},
          {sb, "JS6/h5", -1, fits::kNotOffered}, {sb, "A11/h11", 6, fits::kGeneralFit}}) {
        Cell at;
        for (int k = 0; k < fits::FitRowCount(system); ++k)
            for (int i = 0; i < fits::FitColumnCount(system); ++i)
                if (FitAt(system, k, i) == fit) at = {k, i};
        EXPECT_TRUE(at.row == row && fits::ClassifyFit(system, at.row, at.column) == fitClass) << fit;
    }
    EXPECT_TRUE(FitAt(hb, 8, 0) == "/" && FitAt(sb, 0, 21) == "/");
    EXPECT_TRUE(fits::ClassifyFit(hb, 8, 0) == fits::kNotOffered && fits::ClassifyFit(hb, -1, 3) == fits::kNotOffered);
}

TEST(FitClasses, ListsAndPartnerGrades) {
    for (auto [system, preferred, general, firstRow, grades, js] :
         {std::tuple{FitSystem::HoleBasis, 13, 46, "H6", "5 6 7 8 9 10 11 12", "js"},
          {FitSystem::ShaftBasis, 13, 34, "h5", "6 7 8 8 9 10 11 12", "Js"}}) {
        int count[3] = {};
        std::string partners;
        for (int k = 0; k < fits::FitRowCount(system); ++k) {
            partners += (k ? " " : "") + std::to_string(fits::PartnerGrade(system, k));
            for (int i = 0; i < fits::FitColumnCount(system); ++i) ++count[std::max(0, fits::ClassifyFit(system, k, i))];
        }
        EXPECT_TRUE(count[fits::kPreferredFit] == preferred && count[fits::kGeneralFit] == general)
            << count[fits::kPreferredFit] << " " << count[fits::kGeneralFit];
        EXPECT_EQ(partners, grades);
        EXPECT_TRUE(fits::FitRowLabel(system, 0) == firstRow && fits::FitColumnCount(system) == 21 &&
                    std::string(fits::FitColumnLabel(system, 8)) == js);
    }
    EXPECT_EQ(fits::FitRowLabel(FitSystem::HoleBasis, 3), "H8");
}

// ---------------------------------------------------------------------------------------------
// Info texts (GBK)

TEST(ChartTexts, InfoBoxLines) {
    const double zero = 0.0, lower = -0.021, upper = 0.0065, low = -0.0065;
    for (auto [got, want] : {
             std::pair{fits::ZoneInfoText(false, fits::kCommon, "h7", &zero, &lower),
                       "\xB3\xA3\xD3\xC3:h7\n\xC9\xCF\xC6\xAB\xB2\xEE\xA3\xBA+0\n\xCF\xC2\xC6\xAB\xB2\xEE\xA3\xBA-0.021"},
             {fits::ZoneInfoText(true, fits::kPreferred, "Js7", &upper, &low),
              "\xD3\xC5  \xCF\xC8:Js7\n\xC9\xCF\xC6\xAB\xB2\xEE:+0.0065\n\xCF\xC2\xC6\xAB\xB2\xEE:-0.0065"},
             // Without deviations only the first line remains.
             {fits::ZoneInfoText(false, fits::kCommon, "h8", nullptr, nullptr), "\xB3\xA3\xD3\xC3:h8\n"},
             {fits::ZoneInfoText(true, fits::kGeneral, "A9", nullptr, nullptr), "\xD2\xBB  \xB0\xE3:A9\n"},
             {fits::ZoneInfoText(false, fits::kNotOffered, "a5", &zero, &zero), ""},
             {fits::FitInfoText(fits::kGeneralFit, {"H6", "n5"}),
              "\xD2\xBB  \xB0\xE3\n\xBF\xD7\xB9\xAB\xB2\xEE:H6\n\xD6\xE1\xB9\xAB\xB2\xEE:n5"},
             {fits::FitInfoText(fits::kPreferredFit, {"H7", "g6"}).substr(0, 6), "\xD3\xC5  \xCF\xC8"},
             {fits::FitInfoText(fits::kNotOffered, {"H6", "a5"}), ""},
             {fits::FitInfoText(fits::kGeneralFit, {}), ""}}) {
        EXPECT_EQ(got, want);
    }
}

}  // namespace
