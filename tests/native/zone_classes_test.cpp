// The chart grids: labels as the pages show them, and class tables whose entries
// all land on distinct cells of their grid (an entry outside the grid or repeated
// in two classes would silently drop a zone from the chart and the data files).
#include "fits/zone_classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

namespace {

using fits::ChartPage;
using fits::ChartSize;

TEST(ZoneClasses, CellsFoundByNameHaveTheirClass) {
    const ChartPage shaft = ChartPage::Shaft, hole = ChartPage::Hole;
    const int none = -2;  // no such cell
    for (auto [basicSize, page, zone, expected] :
         {std::tuple{25.0, shaft, "g6", fits::kPreferred}, {25.0, shaft, "js6", fits::kCommon},
          {25.0, shaft, "j5", fits::kGeneral}, {25.0, shaft, "a5", fits::kNotOffered},
          {25.0, hole, "Js7", fits::kCommon}, {25.0, hole, "JS7", none}, {500.0, shaft, "d6", fits::kNotOffered},
          {500.0, shaft, "a11", none}, {-800.0, shaft, "a11", none}}) {  // pages pass absolute sizes
        ChartSize size;
        ASSERT_TRUE(fits::ChartSizeFor(basicSize, &size)) << basicSize;
        int found = none;
        for (int row = 0; row < fits::RowCount(size); ++row)
            for (int column = 0; column < fits::ColumnCount(page, size); ++column)
                if (fits::ZoneName(page, size, row, column) == zone)
                    found = fits::ClassifyZone(page, size, row, column);
        EXPECT_EQ(found, expected) << zone << " at " << basicSize;
    }
    ChartSize size;
    EXPECT_FALSE(fits::ChartSizeFor(3150, &size) || fits::ChartSizeFor(std::nan(""), &size));
    EXPECT_EQ(fits::ZoneName(hole, ChartSize::From500To3150, 0, 9), "");
}

TEST(ZoneClasses, EveryClassEntryIsItsOwnCell) {
    for (auto [page, size, preferred, common, general] :
         {std::tuple{ChartPage::Shaft, ChartSize::Below500, 13, 46, 60},
          {ChartPage::Hole, ChartSize::Below500, 13, 31, 61},
          {ChartPage::Shaft, ChartSize::From500To3150, 0, 41, 0},
          {ChartPage::Hole, ChartSize::From500To3150, 0, 31, 0}}) {
        int count[4] = {};
        for (int row = 0; row < fits::RowCount(size); ++row)
            for (int column = 0; column < fits::ColumnCount(page, size); ++column)
                ++count[std::max(0, fits::ClassifyZone(page, size, row, column))];
        EXPECT_TRUE(count[fits::kPreferred] == preferred && count[fits::kCommon] == common &&
                    count[fits::kGeneral] == general)
            << count[fits::kPreferred] << " " << count[fits::kCommon] << " " << count[fits::kGeneral];
        EXPECT_EQ(fits::OfferedZones(page, size).size(), static_cast<std::size_t>(preferred + common + general));
    }
}

}  // namespace
