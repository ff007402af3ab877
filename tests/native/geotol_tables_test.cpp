// The compiled tables against the standard's own figures: every row text is
// rebuilt here from the CSV with printf and decimal-point shifting, so a wrong
// cell, a wrong width or a wrong order in the module shows up as a named row.
#include "geotol/gt_tables.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdio>
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

TEST(GeotolTables, EveryRowEqualsTheStandardDividedByAThousand) {
    int checked = 0;
    for (auto [table, name, rangeWidth, firstGradeValueWidth] :
         {std::tuple{Table::Straightness, "straightness_flatness.csv", 12, 7},
          {Table::Roundness, "roundness_cylindricity.csv", 12, 6},
          {Table::Parallelism, "parallelism_perpendicularity_angularity.csv", 12, 6},
          {Table::Coaxiality, "coaxiality_symmetry_runout.csv", 13, 6}}) {
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
                const std::string mmText = MicrometresToMillimetresText(csv[r + 1][g + 1]);
                EXPECT_EQ(geotol::ValueMm(table, g, r), std::strtod(mmText.c_str(), nullptr))
                    << range << " grade " << g;

                char expected[64];
                const int valueWidth = g == 0 ? firstGradeValueWidth : 6;
                std::snprintf(expected, sizeof expected, "%-*s%-*s", rangeWidth, range.c_str(), valueWidth,
                              mmText.c_str());
                // The one row listed without its padding space.
                const std::string want =
                    table == Table::Straightness && g == 2 && r == 1 ? ">10~16      0.001" : expected;
                EXPECT_EQ(geotol::RowText(table, g, r), want) << range << " grade " << g;
                EXPECT_EQ(geotol::RangeText(table, r), range);
                EXPECT_STREQ(geotol::ValueText(table, g, r), want.c_str() + 12);
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 757);
}

// No selection (index -1), a position past the lists, a characteristic without a
// table, a list text too short to hold a value: all give nothing.
TEST(GeotolTables, OutsideTheTablesGivesNothing) {
    for (auto [table, g, r] : {std::tuple{Table::Coaxiality, 0, -1},
                               {Table::Coaxiality, 12, 0},
                               {Table::Roundness, 0, 13},
                               {Table::Parallelism, -1, 0},
                               {Table::None, 0, 0}}) {
        EXPECT_STREQ(geotol::RowText(table, g, r), "") << g << "," << r;
        EXPECT_EQ(geotol::ValueMm(table, g, r), 0.0) << g << "," << r;
    }
    EXPECT_STREQ(geotol::GradeText(Table::Parallelism, 12), "");
    EXPECT_EQ(geotol::GradeCount(Table::None), 0);
    EXPECT_STREQ(geotol::ValueTextOfRow("<=10"), "");
    EXPECT_STREQ(geotol::ValueTextOfRow(nullptr), "");
}

// Numbers 0-5 are form tolerances, 6-13 position tolerances.
TEST(GeotolTables, CatalogueNamesAreGbkOfTheChineseNames) {
    const struct {
        const char *utf8, *code;
        Table table;
    } expected[geotol::kCharacteristicCount] = {
        {u8"直线度", "zx", Table::Straightness}, {u8"平面度", "pm", Table::Straightness},
        {u8"圆度", "y", Table::Roundness},       {u8"圆柱度", "yz", Table::Roundness},
        {u8"线轮廓度", "xlk", Table::None},      {u8"面轮廓度", "mlk", Table::None},
        {u8"平行度", "px", Table::Parallelism},  {u8"垂直度", "cz", Table::Parallelism},
        {u8"倾斜度", "qx", Table::Parallelism},  {u8"同轴度", "tz", Table::Coaxiality},
        {u8"对称度", "dc", Table::Coaxiality},   {u8"位置度", "wz", Table::None},
        {u8"圆跳动", "dtd", Table::Coaxiality},  {u8"全跳动", "qtd", Table::Coaxiality},
    };
    for (int n = 0; n < geotol::kCharacteristicCount; ++n) {
        const geotol::Characteristic& c = geotol::Catalogue(n);
        EXPECT_EQ(GbkToUtf8(c.name), expected[n].utf8);
        EXPECT_TRUE(c.number == n && std::strcmp(c.code, expected[n].code) == 0 && c.table == expected[n].table &&
                    c.group == (n < 6 ? geotol::Group::Form : geotol::Group::Position))
            << expected[n].utf8;
    }
}

}  // namespace
