// Chart geometry, fit tables and info texts of the chart pages.
//
// The rectangles of a few client sizes were worked out by hand once (the legend and info boxes
// there lie beside the offered cells); beyond them the tests check what a user relies on: the
// point at a cell's centre hits that cell, cells tile the grid, the header bands miss.
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
void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}
}  // namespace fits

namespace {

using namespace fits;

// Hit tests of a chart of `cols` x `rows` cells in a client of width x height: the centre of
// every cell of at least 3 x 3 pixels hits it (truncating x - W before dividing can move a point
// by up to a pixel), cells tile downwards, and the row labels, the letters and the points just
// beyond the last column or row (a captured mouse reports such points) hit nothing.
template <class Layout>
void CheckHits(const Layout& chart, int rows, int cols, int width, int height, int headerBottom) {
    for (int k = 0; k < rows; ++k) {
        for (int i = 0; i < cols; ++i) {
            const Rect r = chart.CellRect(k, i);
            const Point c = chart.CellCentre(k, i);
            EXPECT_TRUE(k + 1 == rows || r.bottom == chart.CellRect(k + 1, i).top) << k << "," << i;
            if (r.Width() >= 3 && r.Height() >= 3)
                EXPECT_EQ(chart.HitTest(c.x, c.y), (Cell{k, i})) << k << "," << i;
        }
    }
    const int w = static_cast<int>(chart.W());
    const int lastRow = chart.CellRect(rows - 1, 0).top, lastColumn = chart.CellRect(0, cols - 1).left;
    for (auto [x, y, hit] : {std::tuple{w - 1, lastRow, false}, {lastColumn, headerBottom - 1, false},
                             {width - 1, height - 1, true}, {width + 1, lastRow, false},
                             {lastColumn, height + 1, false}})
        EXPECT_EQ(chart.HitTest(x, y) != Cell{}, hit) << x << "," << y << " at " << width << "x" << height;
}

TEST(ChartLayouts, RectanglesAtAnUnevenClientSize) {
    const ZoneChartLayout small(false, false, 22, 13, 617, 433);  // W 26.83, R 28.87
    const FitChartLayout fit(21, 8, 617, 433);                      // W 28.05, H 24.06
    // From 500 mm the boxes move, and the hole page places them differently.
    const ZoneChartLayout holeLarge(true, true, 9, 7, 500, 72), shaftLarge(false, true, 14, 7, 500, 72);
    for (auto [got, want] : {std::pair{small.ColumnHeader(21), Rect{590, 28, 617, 57}},
                             {small.CellRect(0, 0), Rect{26, 58, 53, 86}},  // one pixel under the line
                             {small.LegendBox(), Rect{375, 58, 617, 89}},
                             {small.InfoBox(), Rect{374, 345, 615, 431}},
                             {holeLarge.LegendBox(), Rect{360, 36, 530, 44}},
                             {shaftLarge.LegendBox(), Rect{300, 33, 466, 40}},
                             {fit.CellRect(0, 0), Rect{28, 49, 56, 96}},  // one pixel under the line
                             {fit.CellRect(7, 20), Rect{588, 384, 617, 433}},
                             {fit.Note(), Rect{286, 244, 617, 288}},
                             {fit.InfoBox(), Rect{391, 335, 615, 431}}}) {
        EXPECT_EQ(got, want);
    }
}

TEST(ChartLayouts, LegendEntriesNeedRoom) {
    const LegendLayout legend = ZoneChartLayout(false, false, 22, 13, 617, 433).Legend(72);
    ASSERT_TRUE(legend.drawn && legend.entries && legend.count == 3);
    EXPECT_EQ(legend.label[2], (Rect{566, 61, 617, 84}));  // beside the third swatch, to the client's edge
    // R = 8: a box of 7 px is lower than R (the shaft page's threshold) but reaches 0.8 R (the
    // hole page's).
    EXPECT_FALSE(ZoneChartLayout(false, false, 22, 13, 500, 120).Legend(72).entries);
    EXPECT_TRUE(ZoneChartLayout(true, false, 22, 13, 500, 120).Legend(72).entries);
    // Below R = 2.0 nothing of the legend is drawn; at 2.0 the box is.
    EXPECT_FALSE(ZoneChartLayout(false, false, 22, 13, 230, 29).Legend(72).drawn);  // R 1.93
    EXPECT_TRUE(ZoneChartLayout(false, false, 22, 13, 230, 30).Legend(72).drawn);   // R 2.0
}

TEST(ChartLayouts, HitTestFindsEveryCellAndMissesTheHeaders) {
    for (auto [cols, rows, width, height] :
         {std::tuple{22, 13, 617, 433}, {22, 13, 690, 450}, {14, 7, 500, 72}, {9, 7, 533, 401}}) {
        const ZoneChartLayout chart(false, cols == 14, cols, rows, width, height);
        CheckHits(chart, rows, cols, width, height, static_cast<int>(2 * chart.R()));
    }
    for (auto [width, height] : {std::pair{617, 433}, {660, 450}, {700, 36}}) {
        const FitChartLayout chart(21, 8, width, height);
        CheckHits(chart, 8, 21, width, height, static_cast<int>(2 * chart.H()));
    }
}

// Fit tables: where named fits stand and how they are classed, the partner grades of each row.
TEST(FitClasses, ListsAndPartnerGrades) {
    const FitSystem hb = FitSystem::HoleBasis, sb = FitSystem::ShaftBasis;
    for (auto [system, preferred, general, grades] :
         {std::tuple{hb, 13, 46, "5 6 7 8 9 10 11 12"}, {sb, 13, 34, "6 7 8 8 9 10 11 12"}}) {
        int count[3] = {};
        std::string partners;
        for (int k = 0; k < FitRowCount(system); ++k) {
            partners += (k ? " " : "") + std::to_string(PartnerGrade(system, k));
            for (int i = 0; i < FitColumnCount(system); ++i) ++count[std::max(0, ClassifyFit(system, k, i))];
        }
        EXPECT_TRUE(count[kPreferredFit] == preferred && count[kGeneralFit] == general)
            << count[kPreferredFit] << " " << count[kGeneralFit];
        EXPECT_EQ(partners, grades);
    }
    for (auto [system, fit, row, fitClass] :
         {std::tuple{hb, "H7/g6", 1, kPreferredFit}, {hb, "H8/h8", 3, kGeneralFit},
          {sb, "G7/h6", 1, kPreferredFit}, {sb, "Js6/h5", 0, kGeneralFit}, {sb, "JS6/h5", -1, kNotOffered}}) {
        Cell at;
        for (int k = 0; k < FitRowCount(system); ++k)
            for (int i = 0; i < FitColumnCount(system); ++i)
                if (FitOfCell(system, k, i).hole + "/" + FitOfCell(system, k, i).shaft == fit) at = {k, i};
        EXPECT_TRUE(at.row == row && ClassifyFit(system, at.row, at.column) == fitClass) << fit;
    }
}

// Info texts (GBK): the class, then the deviations, which are left out when there are none.
TEST(ChartTexts, InfoBoxLines) {
    const double zero = 0.0, lower = -0.021, upper = 0.0065, low = -0.0065;
    for (auto [got, want] : {
             std::pair{ZoneInfoText(false, kCommon, "h7", &zero, &lower),
                       "\xB3\xA3\xD3\xC3:h7\n\xC9\xCF\xC6\xAB\xB2\xEE\xA3\xBA+0\n\xCF\xC2\xC6\xAB\xB2\xEE\xA3\xBA-0.021"},
             {ZoneInfoText(true, kPreferred, "Js7", &upper, &low),
              "\xD3\xC5  \xCF\xC8:Js7\n\xC9\xCF\xC6\xAB\xB2\xEE:+0.0065\n\xCF\xC2\xC6\xAB\xB2\xEE:-0.0065"},
             {ZoneInfoText(true, kGeneral, "A9", nullptr, nullptr), "\xD2\xBB  \xB0\xE3:A9\n"},
             {FitInfoText(kGeneralFit, {"H6", "n5"}),
              "\xD2\xBB  \xB0\xE3\n\xBF\xD7\xB9\xAB\xB2\xEE:H6\n\xD6\xE1\xB9\xAB\xB2\xEE:n5"},
             {FitInfoText(kNotOffered, {"H6", "a5"}), ""}}) {
        EXPECT_EQ(got, want);
    }
}

}  // namespace
