// The compiled tables against every cell of the standard's CSV (micrometres turned into the
// millimetre text by moving the decimal point), and the column layout of the list rows.
#include "geotol/gt_tables.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using geotol::Table;

namespace {

std::vector<std::vector<std::string>> ReadCsv(const std::string& name) {
    std::ifstream in(std::string(TQ_GBT1184_DIR) + "/" + name);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        std::stringstream s(line);
        rows.emplace_back();
        for (std::string cell; std::getline(s, cell, ',');) rows.back().push_back(cell);
    }
    return rows;
}

// "0.25" um -> "0.00025" mm by moving the decimal point, not by arithmetic.
std::string MicrometresToMillimetresText(const std::string& um) {
    const std::size_t dot = um.find('.');
    std::string whole = std::string(4, '0') + um.substr(0, dot);
    std::string fraction = whole.substr(whole.size() - 3) + (dot == std::string::npos ? "" : um.substr(dot + 1));
    whole = std::to_string(std::stoi(whole.substr(0, whole.size() - 3)));
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    return fraction.empty() ? whole : whole + "." + fraction;
}

std::string GbkToUtf8(const char* gbk) {
    iconv_t cd = iconv_open("UTF-8", "GBK");
    char out[64] = {}, *in = const_cast<char*>(gbk), *o = out;
    std::size_t inLeft = std::strlen(gbk), outLeft = sizeof out - 1;
    EXPECT_NE(iconv(cd, &in, &inLeft, &o, &outLeft), static_cast<std::size_t>(-1)) << "not valid GBK";
    iconv_close(cd);
    return out;
}

TEST(GeotolTables, EveryValueIsTheStandardsInMillimetres) {
    int checked = 0;
    for (auto [table, name] : {std::pair{Table::Straightness, "straightness_flatness.csv"},
                               {Table::Roundness, "roundness_cylindricity.csv"},
                               {Table::Parallelism, "parallelism_perpendicularity_angularity.csv"},
                               {Table::Coaxiality, "coaxiality_symmetry_runout.csv"}}) {
        SCOPED_TRACE(name);
        const auto csv = ReadCsv(name);
        ASSERT_GT(csv.size(), 1u) << "reference table missing";
        const int ranges = static_cast<int>(csv.size()) - 1, grades = static_cast<int>(csv[0].size()) - 1;
        ASSERT_EQ(geotol::RowCount(table), ranges);
        ASSERT_EQ(geotol::GradeCount(table), grades);
        for (int g = 0; g < grades; ++g) {
            EXPECT_EQ(csv[0][g + 1], std::string("g") + geotol::GradeText(table, g));
            for (int r = 0; r < ranges; ++r) {
                const std::string& range = csv[r + 1][0];
                const std::string mm = MicrometresToMillimetresText(csv[r + 1][g + 1]);
                const std::string row = geotol::RowText(table, g, r);
                std::string value = geotol::ValueText(table, g, r);
                value.erase(value.find_last_not_of(' ') + 1).erase(0, value.find_first_not_of(' '));
                EXPECT_TRUE(geotol::ValueMm(table, g, r) == std::strtod(mm.c_str(), nullptr) && value == mm &&
                            row.rfind(range, 0) == 0 && row.find(mm) != std::string::npos &&
                            geotol::RangeText(table, r) == range)
                    << range << " grade " << g << ": row \"" << row << "\", want " << mm;
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 757);
}

// The list box shows the rows in columns: the range padded to 12 characters (13 in the
// coaxiality table), the value to 7 in a table's first grade column and to 6 in the others.
TEST(GeotolTables, RowTextsInColumns) {
    for (auto [table, g, r, want] : {std::tuple{Table::Straightness, 0, 0, "<=10        0.0002 "},
                                     {Table::Straightness, 5, 0, "<=10        0.003 "},
                                     {Table::Straightness, 2, 1, ">10~16      0.001"},  // printed without its pad
                                     {Table::Roundness, 0, 0, "<=3         0.0001"},
                                     {Table::Parallelism, 0, 0, "<=10        0.0004"},
                                     {Table::Coaxiality, 0, 0, "<=1          0.0004"},
                                     {Table::Coaxiality, 11, 16, ">8000~10000  4     "}}) {
        EXPECT_STREQ(geotol::RowText(table, g, r), want);
        EXPECT_STREQ(geotol::ValueText(table, g, r), want + 12);  // what the dialogs append
    }
}

// No selection (index -1), a position past the lists, a characteristic without a table, a
// list text too short to hold a value: all give nothing.
TEST(GeotolTables, OutsideTheTablesGivesNothing) {
    for (auto [table, g, r] : {std::tuple{Table::Coaxiality, 0, -1}, {Table::Coaxiality, 12, 0},
                               {Table::Roundness, 0, 13}, {Table::Parallelism, -1, 0}, {Table::None, 0, 0}})
        EXPECT_TRUE(*geotol::RowText(table, g, r) == 0 && geotol::ValueMm(table, g, r) == 0.0) << g << "," << r;
    EXPECT_TRUE(!*geotol::GradeText(Table::Parallelism, 12) && geotol::GradeCount(Table::None) == 0 &&
                !*geotol::ValueTextOfRow("<=10") && !*geotol::ValueTextOfRow(nullptr));
}

// Numbers 0-5 are form tolerances, 6-13 position tolerances.
TEST(GeotolTables, CatalogueNamesAreGbkOfTheChineseNames) {
    const char* names[] = {u8"直线度", u8"平面度", u8"圆度",   u8"圆柱度", u8"线轮廓度", u8"面轮廓度", u8"平行度",
                           u8"垂直度", u8"倾斜度", u8"同轴度", u8"对称度", u8"位置度",   u8"圆跳动",   u8"全跳动"};
    const char* codes[] = {"zx", "pm", "y", "yz", "xlk", "mlk", "px", "cz", "qx", "tz", "dc", "wz", "dtd", "qtd"};
    using T = Table;
    const Table tables[] = {T::Straightness, T::Straightness, T::Roundness,   T::Roundness,   T::None,
                            T::None,         T::Parallelism,  T::Parallelism, T::Parallelism, T::Coaxiality,
                            T::Coaxiality,   T::None,         T::Coaxiality,  T::Coaxiality};
    for (int n = 0; n < geotol::kCharacteristicCount; ++n) {
        const geotol::Characteristic& c = geotol::Catalogue(n);
        EXPECT_TRUE(GbkToUtf8(c.name) == names[n] && c.number == n && std::strcmp(c.code, codes[n]) == 0 &&
                    c.table == tables[n] && c.group == (n < 6 ? geotol::Group::Form : geotol::Group::Position))
            << names[n];
    }
}

}  // namespace
