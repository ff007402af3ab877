#include "fits/zone_classes.h"

#include <cmath>
#include <cstring>
#include <iterator>

namespace fits {

namespace {

// ISO 286 skips i, l, o, q and w as too easily misread; the symmetric zone
// stands after j. From 500 mm on the grids are narrower and start at grade 6.
const char* const kShaftColumnsBelow500[] = {"a", "b", "c", "d", "e", "f", "g", "h", "j", "js", "k",
                                             "m", "n", "p", "r", "s", "t", "u", "v", "x", "y", "z"};
const char* const kHoleColumnsBelow500[] = {"A", "B", "C", "D", "E", "F", "G", "H", "J", "Js", "K",
                                            "M", "N", "P", "R", "S", "T", "U", "V", "X", "Y", "Z"};
const char* const kShaftColumnsFrom500[] = {"d", "e", "f", "g", "h", "js", "k", "m", "n", "p", "r", "s", "t", "u"};
const char* const kHoleColumnsFrom500[] = {"D", "E", "F", "G", "H", "Js", "K", "M", "N"};

const char* const kRowsBelow500[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"};
const char* const kRowsFrom500[] = {"6", "7", "8", "9", "10", "11", "12"};
constexpr int kFirstGradeBelow500 = 1;
constexpr int kFirstGradeFrom500 = 6;

struct Zone {
    const char* letter;
    int grade;
};

// clang-format off
const Zone kShaftPreferred[] = {
    {"g", 6}, {"h", 6}, {"k", 6}, {"n", 6}, {"p", 6}, {"s", 6}, {"u", 6},
    {"f", 7}, {"h", 7},
    {"d", 9}, {"h", 9},
    {"c", 11}, {"h", 11}};
const Zone kShaftCommon[] = {
    {"f", 5}, {"g", 5}, {"h", 5}, {"js", 5}, {"k", 5}, {"m", 5}, {"n", 5}, {"p", 5}, {"r", 5}, {"s", 5}, {"t", 5},
    {"f", 6}, {"js", 6}, {"m", 6}, {"r", 6}, {"t", 6}, {"v", 6}, {"x", 6}, {"y", 6}, {"z", 6},
    {"e", 7}, {"g", 7}, {"js", 7}, {"k", 7}, {"m", 7}, {"n", 7}, {"p", 7}, {"r", 7}, {"s", 7}, {"t", 7}, {"u", 7},
    {"d", 8}, {"e", 8}, {"f", 8}, {"h", 8},
    {"c", 9}, {"e", 9}, {"f", 9},
    {"c", 10}, {"d", 10}, {"h", 10},
    {"a", 11}, {"b", 11}, {"d", 11},
    {"b", 12}, {"h", 12}};
const Zone kShaftGeneral[] = {
    {"h", 1}, {"js", 1},
    {"h", 2}, {"js", 2},
    {"h", 3}, {"js", 3},
    {"g", 4}, {"h", 4}, {"js", 4}, {"k", 4}, {"m", 4}, {"n", 4}, {"p", 4}, {"r", 4}, {"s", 4},
    {"j", 5}, {"u", 5}, {"v", 5}, {"x", 5}, {"y", 5}, {"z", 5},
    {"e", 6}, {"j", 6},
    {"d", 7}, {"j", 7}, {"v", 7}, {"x", 7}, {"y", 7}, {"z", 7},
    {"c", 8}, {"g", 8}, {"js", 8}, {"k", 8}, {"m", 8}, {"n", 8}, {"p", 8}, {"r", 8}, {"s", 8}, {"t", 8},
    {"u", 8}, {"v", 8}, {"x", 8}, {"y", 8}, {"z", 8},
    {"a", 9}, {"b", 9}, {"js", 9},
    {"a", 10}, {"b", 10}, {"e", 10}, {"js", 10},
    {"js", 11},
    {"a", 12}, {"c", 12}, {"js", 12},
    {"a", 13}, {"b", 13}, {"c", 13}, {"h", 13}, {"js", 13}};
const Zone kShaftFrom500[] = {
    {"g", 6}, {"h", 6}, {"js", 6}, {"k", 6}, {"m", 6}, {"n", 6}, {"p", 6}, {"r", 6}, {"s", 6}, {"t", 6}, {"u", 6},
    {"f", 7}, {"g", 7}, {"h", 7}, {"js", 7}, {"k", 7}, {"m", 7}, {"n", 7}, {"p", 7}, {"r", 7}, {"s", 7}, {"t", 7},
    {"u", 7},
    {"d", 8}, {"e", 8}, {"f", 8}, {"h", 8}, {"js", 8},
    {"d", 9}, {"e", 9}, {"f", 9}, {"h", 9}, {"js", 9},
    {"d", 10}, {"h", 10}, {"js", 10},
    {"d", 11}, {"h", 11}, {"js", 11},
    {"h", 12}, {"js", 12}};

const Zone kHolePreferred[] = {
    {"G", 7}, {"H", 7}, {"K", 7}, {"N", 7}, {"P", 7}, {"S", 7}, {"U", 7},
    {"F", 8}, {"H", 8},
    {"D", 9}, {"H", 9},
    {"C", 11}, {"H", 11}};
const Zone kHoleCommon[] = {
    {"F", 6}, {"G", 6}, {"H", 6}, {"Js", 6}, {"K", 6}, {"M", 6}, {"N", 6}, {"P", 6}, {"R", 6}, {"S", 6}, {"T", 6},
    {"F", 7}, {"Js", 7}, {"M", 7}, {"R", 7}, {"T", 7},
    {"D", 8}, {"E", 8}, {"Js", 8}, {"K", 8}, {"M", 8}, {"N", 8},
    {"E", 9}, {"F", 9},
    {"D", 10}, {"H", 10},
    {"A", 11}, {"B", 11}, {"D", 11},
    {"B", 12}, {"H", 12}};
const Zone kHoleGeneral[] = {
    {"H", 1}, {"Js", 1},
    {"H", 2}, {"Js", 2},
    {"H", 3}, {"Js", 3},
    {"H", 4}, {"Js", 4}, {"K", 4}, {"M", 4},
    {"G", 5}, {"H", 5}, {"Js", 5}, {"K", 5}, {"M", 5}, {"N", 5}, {"P", 5}, {"R", 5}, {"S", 5},
    {"J", 6}, {"U", 6}, {"V", 6}, {"X", 6}, {"Y", 6}, {"Z", 6},
    {"D", 7}, {"E", 7}, {"J", 7}, {"V", 7}, {"X", 7}, {"Y", 7}, {"Z", 7},
    {"C", 8}, {"G", 8}, {"J", 8}, {"P", 8}, {"R", 8}, {"S", 8}, {"T", 8}, {"U", 8}, {"V", 8}, {"X", 8},
    {"Y", 8}, {"Z", 8},
    {"A", 9}, {"B", 9}, {"C", 9}, {"Js", 9}, {"N", 9}, {"P", 9},
    {"A", 10}, {"B", 10}, {"C", 10}, {"E", 10}, {"Js", 10},
    {"Js", 11},
    {"A", 12}, {"C", 12}, {"Js", 12},
    {"H", 13}, {"Js", 13}};
const Zone kHoleFrom500[] = {
    {"G", 6}, {"H", 6}, {"Js", 6}, {"K", 6}, {"M", 6}, {"N", 6},
    {"F", 7}, {"G", 7}, {"H", 7}, {"Js", 7}, {"K", 7}, {"M", 7}, {"N", 7},
    {"D", 8}, {"E", 8}, {"F", 8}, {"H", 8}, {"Js", 8},
    {"D", 9}, {"E", 9}, {"F", 9}, {"H", 9}, {"Js", 9},
    {"D", 10}, {"H", 10}, {"Js", 10},
    {"D", 11}, {"H", 11}, {"Js", 11},
    {"H", 12}, {"Js", 12}};
// clang-format on

struct ZoneTable {
    const Zone* zones;
    int count;
    int zoneClass;
};

template <std::size_t N>
constexpr ZoneTable Table(const Zone (&zones)[N], int zoneClass) {
    return {zones, static_cast<int>(N), zoneClass};
}

struct Grid {
    const char* const* columns;
    int columnCount;
    const char* const* rows;
    int rowCount;
    int firstGrade;
    ZoneTable classes[3];  // searched in this order; the tables of one grid do not overlap
};

template <std::size_t C, std::size_t R>
constexpr Grid MakeGrid(const char* const (&columns)[C], const char* const (&rows)[R], int firstGrade,
                        ZoneTable a, ZoneTable b, ZoneTable c) {
    return {columns, static_cast<int>(C), rows, static_cast<int>(R), firstGrade, {a, b, c}};
}

constexpr ZoneTable kNone{nullptr, 0, kNotOffered};

const Grid kShaftGridBelow500 = MakeGrid(kShaftColumnsBelow500, kRowsBelow500, kFirstGradeBelow500,
                                         Table(kShaftPreferred, kPreferred), Table(kShaftCommon, kCommon),
                                         Table(kShaftGeneral, kGeneral));
const Grid kHoleGridBelow500 = MakeGrid(kHoleColumnsBelow500, kRowsBelow500, kFirstGradeBelow500,
                                        Table(kHolePreferred, kPreferred), Table(kHoleCommon, kCommon),
                                        Table(kHoleGeneral, kGeneral));
// Beyond 500 mm every offered zone is a common one.
const Grid kShaftGridFrom500 = MakeGrid(kShaftColumnsFrom500, kRowsFrom500, kFirstGradeFrom500, kNone,
                                        Table(kShaftFrom500, kCommon), kNone);
const Grid kHoleGridFrom500 = MakeGrid(kHoleColumnsFrom500, kRowsFrom500, kFirstGradeFrom500, kNone,
                                       Table(kHoleFrom500, kCommon), kNone);

const Grid& GridOf(ChartPage page, ChartSize size) {
    if (page == ChartPage::Shaft) return size == ChartSize::Below500 ? kShaftGridBelow500 : kShaftGridFrom500;
    return size == ChartSize::Below500 ? kHoleGridBelow500 : kHoleGridFrom500;
}

int Classify(const Grid& grid, const char* letter, int grade) {
    for (const ZoneTable& table : grid.classes) {
        for (int i = 0; i < table.count; ++i) {
            if (table.zones[i].grade == grade && std::strcmp(table.zones[i].letter, letter) == 0)
                return table.zoneClass;
        }
    }
    return kNotOffered;
}

bool InGrid(const Grid& grid, int row, int column) {
    return row >= 0 && row < grid.rowCount && column >= 0 && column < grid.columnCount;
}

}  // namespace

bool ChartSizeFor(double basicSize, ChartSize* size) {
    const double s = std::fabs(basicSize);
    if (!(s < 3150.0)) return false;
    *size = s < 500.0 ? ChartSize::Below500 : ChartSize::From500To3150;
    return true;
}

int ColumnCount(ChartPage page, ChartSize size) { return GridOf(page, size).columnCount; }

const char* ColumnLabel(ChartPage page, ChartSize size, int column) {
    const Grid& grid = GridOf(page, size);
    return column >= 0 && column < grid.columnCount ? grid.columns[column] : "";
}

int RowCount(ChartSize size) { return GridOf(ChartPage::Shaft, size).rowCount; }

const char* RowLabel(ChartSize size, int row) {
    const Grid& grid = GridOf(ChartPage::Shaft, size);
    return row >= 0 && row < grid.rowCount ? grid.rows[row] : "";
}

int RowGrade(ChartSize size, int row) {
    const Grid& grid = GridOf(ChartPage::Shaft, size);
    return row >= 0 && row < grid.rowCount ? grid.firstGrade + row : 0;
}

int ClassifyZone(ChartPage page, ChartSize size, int row, int column) {
    const Grid& grid = GridOf(page, size);
    if (!InGrid(grid, row, column)) return kNotOffered;
    return Classify(grid, grid.columns[column], grid.firstGrade + row);
}

std::string ZoneName(ChartPage page, ChartSize size, int row, int column) {
    const Grid& grid = GridOf(page, size);
    if (!InGrid(grid, row, column)) return std::string();
    return std::string(grid.columns[column]) + grid.rows[row];
}

std::vector<std::string> OfferedZones(ChartPage page, ChartSize size) {
    const Grid& grid = GridOf(page, size);
    std::vector<std::string> zones;
    for (int column = 0; column < grid.columnCount; ++column) {
        for (int row = 0; row < grid.rowCount; ++row) {
            if (ClassifyZone(page, size, row, column) != kNotOffered)
                zones.push_back(ZoneName(page, size, row, column));
        }
    }
    return zones;
}

}  // namespace fits
