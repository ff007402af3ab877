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
#include <vector>

using geotol::Table;

namespace {

std::vector<std::vector<std::string>> ReadCsv(const std::string& name) {
    std::ifstream in(std::string(TQ_GBT1184_DIR) + "/" + name);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) continue;
        std::vector<std::string> cells;
        std::stringstream s(line);
        for (std::string cell; std::getline(s, cell, ',');) cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

// "0.25" um -> "0.00025" mm by moving the decimal point, not by arithmetic.
std::string MicrometresToMillimetresText(const std::string& um) {
    const std::size_t dot = um.find('.');
    std::string whole = um.substr(0, dot);
    std::string fraction = dot == std::string::npos ? "" : um.substr(dot + 1);
    while (whole.size() < 4) whole.insert(0, "0");
    fraction.insert(0, whole.substr(whole.size() - 3));
    whole.erase(whole.size() - 3);
    while (whole.size() > 1 && whole[0] == '0') whole.erase(0, 1);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    return fraction.empty() ? whole : whole + "." + fraction;
}

std::string GbkToUtf8(const char* gbk) {
    iconv_t cd = iconv_open("UTF-8", "GBK");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    char out[64] = {};
    char* in = const_cast<char*>(gbk);
    std::size_t inLeft = std::strlen(gbk);
    char* o = out;
    std::size_t outLeft = sizeof out - 1;
    const std::size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    EXPECT_NE(r, static_cast<std::size_t>(-1)) << "not valid GBK";
    return out;
}

struct StandardTable {
    Table table;
    const char* csv;
    int rangeWidth;
    int firstGradeValueWidth;
};

const StandardTable kStandardTables[] = {
    {Table::Straightness, "straightness_flatness.csv", 12, 7},
    {Table::Roundness, "roundness_cylindricity.csv", 12, 6},
    {Table::Parallelism, "parallelism_perpendicularity_angularity.csv", 12, 6},
    {Table::Coaxiality, "coaxiality_symmetry_runout.csv", 13, 6},
};

TEST(GeotolTables, EveryRowEqualsTheStandardDividedByAThousand) {
    int checked = 0;
    for (const StandardTable& st : kStandardTables) {
        SCOPED_TRACE(st.csv);
        const auto csv = ReadCsv(st.csv);
        ASSERT_GT(csv.size(), 1u) << "reference table missing";
        const int ranges = static_cast<int>(csv.size()) - 1;
        const int grades = static_cast<int>(csv[0].size()) - 1;
        ASSERT_EQ(geotol::RowCount(st.table), ranges);
        ASSERT_EQ(geotol::GradeCount(st.table), grades);
        for (int g = 0; g < grades; ++g) {
            EXPECT_EQ(csv[0][g + 1], std::string("g") + geotol::GradeText(st.table, g));
            for (int r = 0; r < ranges; ++r) {
                const std::string& range = csv[r + 1][0];
                const std::string mmText = MicrometresToMillimetresText(csv[r + 1][g + 1]);
                const double mm = geotol::ValueMm(st.table, g, r);
                EXPECT_EQ(mm, std::strtod(mmText.c_str(), nullptr)) << range << " grade index " << g;

                char value[32];
                std::snprintf(value, sizeof value, "%g", mm);
                EXPECT_EQ(value, mmText) << "%g of the stored value is not the standard's figure";

                char expected[64];
                const int valueWidth = g == 0 ? st.firstGradeValueWidth : 6;
                std::snprintf(expected, sizeof expected, "%-*s%-*s", st.rangeWidth, range.c_str(), valueWidth, value);
                std::string want = expected;
                if (st.table == Table::Straightness && g == 2 && range == ">10~16") want = ">10~16      0.001";

                const std::string row = geotol::RowText(st.table, g, r);
                EXPECT_EQ(row, want) << range << " grade index " << g;
                EXPECT_LT(row.size(), geotol::kRowSlot);
                EXPECT_EQ(geotol::RangeText(st.table, r), range);
                EXPECT_STREQ(geotol::ValueText(st.table, g, r), want.c_str() + 12);
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 757);
}

TEST(GeotolTables, RowTextsAsTheListsShowThem) {
    EXPECT_STREQ(geotol::RowText(Table::Parallelism, 0, 0), "<=10        0.0004");
    EXPECT_STREQ(geotol::RowText(Table::Parallelism, 10, 10), ">630~1000   0.8   ");
    EXPECT_STREQ(geotol::RowText(Table::Straightness, 0, 0), "<=10        0.0002 ");
    EXPECT_STREQ(geotol::RowText(Table::Roundness, 0, 2), ">6~10       0.00012");
    EXPECT_STREQ(geotol::RowText(Table::Coaxiality, 0, 0), "<=1          0.0004");
    EXPECT_STREQ(geotol::RowText(Table::Coaxiality, 11, 16), ">8000~10000  4     ");
    // The one row without padding, between two padded neighbours.
    EXPECT_STREQ(geotol::RowText(Table::Straightness, 2, 1), ">10~16      0.001");
    EXPECT_STREQ(geotol::RowText(Table::Straightness, 1, 4), ">40~63      0.001 ");
    EXPECT_STREQ(geotol::RowText(Table::Straightness, 2, 0), "<=10        0.0008");
}

TEST(GeotolTables, ValueTextIsTheRowFromItsThirteenthCharacter) {
    EXPECT_STREQ(geotol::ValueText(Table::Parallelism, 0, 4), "0.001 ");
    EXPECT_STREQ(geotol::ValueText(Table::Straightness, 0, 1), "0.00025");
    EXPECT_STREQ(geotol::ValueText(Table::Straightness, 2, 1), "0.001");
    EXPECT_STREQ(geotol::ValueText(Table::Coaxiality, 0, 0), " 0.0004");

    // A dialog hands back the text of the selected list entry.
    const std::string listed = geotol::RowText(Table::Roundness, 12, 12);
    EXPECT_STREQ(geotol::ValueTextOfRow(listed.c_str()), "0.155 ");
    EXPECT_STREQ(geotol::ValueTextOfRow("<=10"), "");
    EXPECT_STREQ(geotol::ValueTextOfRow(nullptr), "");

    // No selection (list index -1) or a characteristic without a table gives nothing.
    EXPECT_STREQ(geotol::RowText(Table::Coaxiality, 0, -1), "");
    EXPECT_STREQ(geotol::RowText(Table::Coaxiality, 12, 0), "");
    EXPECT_STREQ(geotol::RowText(Table::Roundness, 0, 13), "");
    EXPECT_STREQ(geotol::ValueText(Table::None, 0, 0), "");
    EXPECT_EQ(geotol::ValueMm(Table::Parallelism, -1, 0), 0.0);
}

TEST(GeotolTables, GradeListsStartAtZeroOnlyForRoundness) {
    // The CSV headers fix the texts; here the list ends and the slot.
    EXPECT_STREQ(geotol::GradeText(Table::Roundness, 0), "0");
    EXPECT_STREQ(geotol::GradeText(Table::Coaxiality, 0), "1");
    EXPECT_STREQ(geotol::GradeText(Table::Parallelism, 12), "");
    EXPECT_LT(std::strlen(geotol::GradeText(Table::Roundness, 12)), geotol::kGradeSlot);
    EXPECT_EQ(geotol::GradeCount(Table::None), 0);
    EXPECT_EQ(geotol::RowCount(Table::None), 0);
}

TEST(GeotolTables, CatalogueNamesAreGbkOfTheChineseNames) {
    struct Expected {
        const char* utf8;
        const char* code;
        geotol::Group group;
        Table table;
    };
    using geotol::Group;
    const Expected expected[geotol::kCharacteristicCount] = {
        {u8"直线度", "zx", Group::Form, Table::Straightness},
        {u8"平面度", "pm", Group::Form, Table::Straightness},
        {u8"圆度", "y", Group::Form, Table::Roundness},
        {u8"圆柱度", "yz", Group::Form, Table::Roundness},
        {u8"线轮廓度", "xlk", Group::Form, Table::None},
        {u8"面轮廓度", "mlk", Group::Form, Table::None},
        {u8"平行度", "px", Group::Position, Table::Parallelism},
        {u8"垂直度", "cz", Group::Position, Table::Parallelism},
        {u8"倾斜度", "qx", Group::Position, Table::Parallelism},
        {u8"同轴度", "tz", Group::Position, Table::Coaxiality},
        {u8"对称度", "dc", Group::Position, Table::Coaxiality},
        {u8"位置度", "wz", Group::Position, Table::None},
        {u8"圆跳动", "dtd", Group::Position, Table::Coaxiality},
        {u8"全跳动", "qtd", Group::Position, Table::Coaxiality},
    };
    for (int n = 0; n < geotol::kCharacteristicCount; ++n) {
        const geotol::Characteristic& c = geotol::Catalogue(n);
        SCOPED_TRACE(expected[n].utf8);
        EXPECT_EQ(c.number, n);
        EXPECT_EQ(GbkToUtf8(c.name), expected[n].utf8);
        EXPECT_LT(std::strlen(c.name), geotol::kNameSlot);
        EXPECT_STREQ(c.code, expected[n].code);
        EXPECT_EQ(c.group, expected[n].group);
        EXPECT_EQ(c.table, expected[n].table);
    }
}

}  // namespace
