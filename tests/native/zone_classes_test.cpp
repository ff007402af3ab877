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

std::string Columns(ChartPage page, ChartSize size) {
    std::string s;
    for (int i = 0; i < fits::ColumnCount(page, size); ++i) s += std::string(i ? " " : "") + fits::ColumnLabel(page, size, i);
    return s;
}

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
    EXPECT_EQ(Columns(ChartPage::Shaft, size), "a b c d e f g h j js k m n p r s t u v x y z");
    EXPECT_EQ(Columns(ChartPage::Hole, size), "A B C D E F G H J Js K M N P R S T U V X Y Z");
    EXPECT_EQ(fits::RowCount(size), 13);
    EXPECT_STREQ(fits::RowLabel(size, 0), "1");
    EXPECT_STREQ(fits::RowLabel(size, 12), "13");
    EXPECT_EQ(ClassOf(ChartPage::Shaft, size, "g6"), fits::kPreferred);
    EXPECT_EQ(ClassOf(ChartPage::Shaft, size, "js6"), fits::kCommon);
    EXPECT_EQ(ClassOf(ChartPage::Shaft, size, "j5"), fits::kGeneral);
    EXPECT_EQ(ClassOf(ChartPage::Shaft, size, "a5"), fits::kNotOffered);
    EXPECT_EQ(ClassOf(ChartPage::Hole, size, "Js7"), fits::kCommon);
    EXPECT_EQ(ClassOf(ChartPage::Hole, size, "JS7"), -2);

    ASSERT_TRUE(fits::ChartSizeFor(-800, &size));
    EXPECT_EQ(size, ChartSize::From500To3150);
    EXPECT_EQ(Columns(ChartPage::Shaft, size), "d e f g h js k m n p r s t u");
    EXPECT_EQ(Columns(ChartPage::Hole, size), "D E F G H Js K M N");
    EXPECT_EQ(fits::RowCount(size), 7);
    EXPECT_STREQ(fits::RowLabel(size, 0), "6");
    EXPECT_STREQ(fits::RowLabel(size, 6), "12");
    EXPECT_EQ(ClassOf(ChartPage::Shaft, size, "d6"), fits::kNotOffered);

    ASSERT_TRUE(fits::ChartSizeFor(500, &size));
    EXPECT_EQ(size, ChartSize::From500To3150);
    EXPECT_FALSE(fits::ChartSizeFor(3150, &size));
    EXPECT_FALSE(fits::ChartSizeFor(std::nan(""), &size));

    EXPECT_EQ(fits::ClassifyZone(ChartPage::Shaft, ChartSize::Below500, 13, 0), fits::kNotOffered);
    EXPECT_EQ(fits::ClassifyZone(ChartPage::Shaft, ChartSize::Below500, 0, -1), fits::kNotOffered);
    EXPECT_EQ(fits::ZoneName(ChartPage::Hole, ChartSize::From500To3150, 0, 9), "");
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
