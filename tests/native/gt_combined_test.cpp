// What the combined tolerance dialogs show for the host's characteristic, and how their texts
// cross the host's record.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "geotol/CombinedToleranceRecord.h"
#include "geotol/gt_combined.h"
#include "geotol/gt_principle.h"

namespace {

using geotol::CombinedListsFor;
using geotol::CombinedVariant;
using geotol::Table;

// The lists as the dialog fills them: grade texts and the rows of grade index `grade`.
struct Shown {
    std::string firstGrade, lastGrade;
    int grades = 0, rows = 0;
    std::string firstRow;
    bool enabled = true;
};

Shown Show(CombinedVariant variant, int characteristic, int grade = 0) {
    const geotol::CombinedLists lists = CombinedListsFor(variant, characteristic);
    Shown s;
    s.grades = geotol::GradeCount(lists.grades);
    if (s.grades > 0) {
        s.firstGrade = geotol::GradeText(lists.grades, 0);
        s.lastGrade = geotol::GradeText(lists.grades, s.grades - 1);
    }
    s.rows = geotol::RowCount(lists.rows);
    if (s.rows > 0) s.firstRow = geotol::RowText(lists.rows, grade, 0);
    s.enabled = lists.listsEnabled;
    return s;
}

TEST(CombinedLists, PositionVariantOffersItsTablesAndNothingForPosition) {
    for (int c : {6, 7, 8}) {
        const Shown s = Show(CombinedVariant::Position, c);
        EXPECT_EQ(s.grades, 12) << c;
        EXPECT_EQ(s.firstGrade, "1") << c;
        EXPECT_EQ(s.rows, 16) << c;
        EXPECT_EQ(s.firstRow, "<=10        0.0004") << c;
        EXPECT_TRUE(s.enabled) << c;
    }
    for (int c : {9, 10, 12, 13}) {
        const Shown s = Show(CombinedVariant::Position, c, 11);
        EXPECT_EQ(s.lastGrade, "12") << c;
        EXPECT_EQ(s.rows, 17) << c;
        EXPECT_EQ(s.firstRow, "<=1          0.06  ") << c;
    }
    const Shown position = Show(CombinedVariant::Position, 11);
    EXPECT_EQ(position.grades, 0);
    EXPECT_EQ(position.rows, 0);
    EXPECT_FALSE(position.enabled);
}

TEST(CombinedLists, FormVariantPicksTheGradeListByCharacteristic) {
    for (int c : {0, 1}) {
        const Shown s = Show(CombinedVariant::Form, c);
        EXPECT_EQ(s.firstGrade, "1") << c;
        EXPECT_EQ(s.grades, 12) << c;
        EXPECT_EQ(s.rows, 16) << c;
        EXPECT_EQ(s.firstRow, "<=10        0.0002 ") << c;
    }
    for (int c : {2, 3}) {
        const Shown s = Show(CombinedVariant::Form, c);
        EXPECT_EQ(s.firstGrade, "0") << c;
        EXPECT_EQ(s.grades, 13) << c;
        EXPECT_EQ(s.rows, 13) << c;
    }
    for (int c : {4, 5}) {
        const Shown s = Show(CombinedVariant::Form, c);
        EXPECT_EQ(s.grades + s.rows, 0) << c;
        EXPECT_FALSE(s.enabled) << c;
    }
}

TEST(CombinedLists, CharacteristicsOfTheOtherGroupOrNoneGetEmptyRowsAndEnabledLists) {
    for (int c = 0; c <= 5; ++c) {
        const Shown s = Show(CombinedVariant::Position, c);
        EXPECT_EQ(s.grades, 12) << c;
        EXPECT_EQ(s.firstGrade, "1") << c;
        EXPECT_EQ(s.rows, 0) << c;
        EXPECT_TRUE(s.enabled) << c;
    }
    for (int c = 6; c <= 13; ++c) {
        const Shown s = Show(CombinedVariant::Form, c);
        EXPECT_EQ(s.grades + s.rows, 0) << c;
        EXPECT_TRUE(s.enabled) << c;
    }
    for (int c : {-1, 14, INT_MIN, INT_MAX}) {
        for (CombinedVariant v : {CombinedVariant::Position, CombinedVariant::Form}) {
            const Shown s = Show(v, c);
            EXPECT_EQ(s.grades + s.rows, 0) << c;
            EXPECT_TRUE(s.enabled) << c;
        }
    }
}

// Cylindricity, grade "0", row "<=3": the value text alone, then with the M principle active.
TEST(CombinedLists, CylindricityGradeZeroComposesTheSmallestValue) {
    const Table rows = CombinedListsFor(CombinedVariant::Form, 3).rows;
    const std::string value = geotol::ValueTextOfRow(geotol::RowText(rows, 0, 0));
    geotol::PrincipleState none;
    EXPECT_EQ(geotol::ComposeTolerance(value, none), "0.0001");
    geotol::PrincipleState m;
    geotol::TogglePrinciple(m, geotol::kPrincipleM, "");
    EXPECT_EQ(geotol::ComposeTolerance(value, m), "0.0001M");
}

TEST(CopyFieldText, CopiesUpToTheNulAndNeverPastTheField) {
    char src[8] = {'a', 'b', 'c', 0, 'x', 'x', 'x', 'x'};
    char dst[8 + 4];
    std::memset(dst, '#', sizeof dst);
    geotol::CopyFieldText(dst, src, 8);
    EXPECT_STREQ(dst, "abc");
    EXPECT_EQ(std::string(dst + 4, 8), "########") << "bytes after the NUL keep their value";

    // A host text without its terminator is taken whole, and nothing is added after it.
    char unterminated[8];
    std::memset(unterminated, 'y', sizeof unterminated);
    std::memset(dst, '#', sizeof dst);
    geotol::CopyFieldText(dst, unterminated, 8);
    EXPECT_EQ(std::string(dst, 12), "yyyyyyyy####");

    // The same copy back gives the host its bytes unchanged.
    char back[8];
    std::memset(back, 0, sizeof back);
    geotol::CopyFieldText(back, dst, 8);
    EXPECT_EQ(std::memcmp(back, unterminated, 8), 0);

    std::memset(dst, '#', sizeof dst);
    geotol::CopyFieldText(dst, "", 8);
    EXPECT_EQ(dst[0], 0);
    EXPECT_EQ(dst[1], '#');
}

}  // namespace
