// The chart grids' class tables: every entry lands on a distinct cell of its grid (an entry
// outside the grid or repeated in two classes would silently drop a zone from the chart and the
// data files). Which class a named cell has is read off the charts' colours by the Wine test.
#include "fits/zone_classes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

using fits::ChartPage;
using fits::ChartSize;

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
        EXPECT_EQ((std::vector{count[fits::kPreferred], count[fits::kCommon], count[fits::kGeneral]}),
                  (std::vector{preferred, common, general}));
        EXPECT_EQ(static_cast<int>(fits::OfferedZones(page, size).size()), preferred + common + general);
    }
    ChartSize size;
    EXPECT_FALSE(fits::ChartSizeFor(3150, &size) || fits::ChartSizeFor(std::nan(""), &size));
}

}  // namespace
