// The chart grids: labels as the pages show them, and class tables whose entries
// all land on distinct cells of their grid (an entry outside the grid or repeated
// in two classes would silently drop a zone from the chart and the data files).
#include "fits/zone_classes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using fits::ChartPage;
using fits::ChartSize;

// Classes of the cell named zone, found by walking the grid.
int ClassOf(ChartPage page, ChartSize size, const std::string& zone) {
    for (int row = 0; row < fits::RowCount(size); ++row)
        for (int column = 0; column < fits::ColumnCount(page, size); ++column)
            if (fits::ZoneName(page, size, row, column) == zone) return fits::ClassifyZone(page, size, row, column);
    return -2;  // no such cell
}

TEST(ZoneClasses, GridsForBasicSizes) {
    ChartSize size;
    ASSERT_TRUE(fits::ChartSizeFor(25, &size));
    EXPECT_EQ(size, ChartSize::Below500);
    EXPECT_EQ(fits::ColumnCount(ChartPage::Shaft, size), 22);
    EXPECT_EQ(fits::RowCount(size), 13);
    EXPECT_EQ(ClassOf(ChartPage::Shaft, size, "g6"), fits::kPreferred);
    EXPECT_EQ(ClassOf(ChartPage::Shaft, size, "js6"), fits::kCommon);
    EXPECT_EQ(ClassOf(ChartPage::Shaft, size, "j5"), fits::kGeneral);
    EXPECT_EQ(ClassOf(ChartPage::Shaft, size, "a5"), fits::kNotOffered);
    EXPECT_EQ(ClassOf(ChartPage::Hole, size, "Js7"), fits::kCommon);
    EXPECT_EQ(ClassOf(ChartPage::Hole, size, "JS7"), -2);

    ASSERT_TRUE(fits::ChartSizeFor(-800, &size));  // pages pass absolute sizes; the grid agrees
    EXPECT_EQ(size, ChartSize::From500To3150);
    EXPECT_EQ(fits::ColumnCount(ChartPage::Shaft, size), 14);
    EXPECT_EQ(fits::ColumnCount(ChartPage::Hole, size), 9);
    EXPECT_STREQ(fits::RowLabel(size, 0), "6");
    EXPECT_STREQ(fits::RowLabel(size, 6), "12");
    EXPECT_EQ(ClassOf(ChartPage::Shaft, size, "d6"), fits::kNotOffered);

    ASSERT_TRUE(fits::ChartSizeFor(500, &size));
    EXPECT_EQ(size, ChartSize::From500To3150);
    EXPECT_FALSE(fits::ChartSizeFor(3150, &size));
    EXPECT_FALSE(fits::ChartSizeFor(std::nan(""), &size));
    EXPECT_EQ(fits::ZoneName(ChartPage::Hole, size, 0, 9), "");
}

TEST(ZoneClasses, EveryClassEntryIsItsOwnCell) {
    struct Expected {
        ChartPage page;
        ChartSize size;
        int preferred, common, general;
    };
    for (const Expected& e : {Expected{ChartPage::Shaft, ChartSize::Below500, 13, 46, 60},
                              Expected{ChartPage::Hole, ChartSize::Below500, 13, 31, 61},
                              Expected{ChartPage::Shaft, ChartSize::From500To3150, 0, 41, 0},
                              Expected{ChartPage::Hole, ChartSize::From500To3150, 0, 31, 0}}) {
        int count[4] = {};
        for (int row = 0; row < fits::RowCount(e.size); ++row)
            for (int column = 0; column < fits::ColumnCount(e.page, e.size); ++column) {
                const int c = fits::ClassifyZone(e.page, e.size, row, column);
                if (c > 0) ++count[c];
            }
        EXPECT_EQ(count[fits::kPreferred], e.preferred);
        EXPECT_EQ(count[fits::kCommon], e.common);
        EXPECT_EQ(count[fits::kGeneral], e.general);
        EXPECT_EQ(fits::OfferedZones(e.page, e.size).size(),
                  static_cast<std::size_t>(e.preferred + e.common + e.general));
    }
}

}  // namespace
