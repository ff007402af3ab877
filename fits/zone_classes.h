// Tolerance zones offered by the limit deviation charts and their classes.
//
// This is the one description of the chart grids: the chart pages build their
// columns and rows from it, and the build-time generator of the Englib data
// files takes the zone list of each file from it, so a zone the chart offers is
// always present in the file that serves it.
//
// A grid has fundamental-deviation letters as columns and tolerance grades as
// rows; the name of a cell is its column label followed by its row label
// ("h7", "js6", "Js10"). Upper-case letters are hole zones, lower-case shafts.
#pragma once

#include <string>
#include <vector>

namespace fits {

enum class ChartPage { Shaft, Hole };

// The two grids a page can show; basic sizes of 3150 and above get no grid.
enum class ChartSize { Below500, From500To3150 };

// Classes as the chart colours them; kNotOffered for a cell it leaves blank.
inline constexpr int kPreferred = 3;   // "优先"
inline constexpr int kCommon = 2;      // "常用"
inline constexpr int kGeneral = 1;     // "一般"
inline constexpr int kNotOffered = -1;

// Grid for |basicSize|: false for 3150 and above, and for NaN.
bool ChartSizeFor(double basicSize, ChartSize* size);

// Column labels left to right (22 or 14 shaft letters, 22 or 9 hole letters).
int ColumnCount(ChartPage page, ChartSize size);
const char* ColumnLabel(ChartPage page, ChartSize size, int column);  // "" outside

// Row labels top to bottom: grades 1 to 13 below 500, 6 to 12 from 500 on.
int RowCount(ChartSize size);
const char* RowLabel(ChartSize size, int row);  // "" outside
int RowGrade(ChartSize size, int row);          // 0 outside

// kPreferred, kCommon, kGeneral, or kNotOffered (also for cells outside the grid).
int ClassifyZone(ChartPage page, ChartSize size, int row, int column);

// Column label + row label; "" for a cell outside the grid.
std::string ZoneName(ChartPage page, ChartSize size, int row, int column);

// Every zone the grid offers (all three classes), column by column and within
// a column by ascending grade.
std::vector<std::string> OfferedZones(ChartPage page, ChartSize size);

}  // namespace fits
