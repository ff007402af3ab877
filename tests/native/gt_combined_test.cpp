// What the combined tolerance dialogs list for the host's characteristic, and how their texts
// cross the host's record.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "geotol/gt_combined.h"

namespace {

using geotol::CombinedVariant;

// For each variant and number: grade count, first grade text, row count of grade index 0 and
// its first row, whether the lists are enabled.
TEST(CombinedLists, EveryCharacteristicInBothVariants) {
    struct Case {
        CombinedVariant variant;
        int characteristic;
        int grades;
        const char* firstGrade;
        int rows;
        const char* firstRow;
        bool enabled;
    } cases[] = {
        {CombinedVariant::Position, 6, 12, "1", 16, "<=10        0.0004", true},
        {CombinedVariant::Position, 8, 12, "1", 16, "<=10        0.0004", true},
        {CombinedVariant::Position, 9, 12, "1", 17, "<=1          0.0004", true},
        {CombinedVariant::Position, 13, 12, "1", 17, "<=1          0.0004", true},
        {CombinedVariant::Position, 11, 0, "", 0, "", false},
        {CombinedVariant::Position, 0, 12, "1", 0, "", true},  // other group: grades, no rows
        {CombinedVariant::Position, 5, 12, "1", 0, "", true},
        {CombinedVariant::Form, 0, 12, "1", 16, "<=10        0.0002 ", true},
        {CombinedVariant::Form, 3, 13, "0", 13, "<=3         0.0001", true},
        {CombinedVariant::Form, 4, 0, "", 0, "", false},
        {CombinedVariant::Form, 5, 0, "", 0, "", false},
        {CombinedVariant::Form, 6, 0, "", 0, "", true},  // other group: nothing
        {CombinedVariant::Form, 11, 0, "", 0, "", true},
        {CombinedVariant::Position, -1, 0, "", 0, "", true},  // no characteristic at all
        {CombinedVariant::Form, 14, 0, "", 0, "", true},
        {CombinedVariant::Position, INT_MIN, 0, "", 0, "", true},
        {CombinedVariant::Form, INT_MAX, 0, "", 0, "", true},
    };
    for (const Case& c : cases) {
        const geotol::CombinedLists lists = geotol::CombinedListsFor(c.variant, c.characteristic);
        const bool position = c.variant == CombinedVariant::Position;
        SCOPED_TRACE((position ? "position variant, " : "form variant, ") + std::to_string(c.characteristic));
        EXPECT_EQ(geotol::GradeCount(lists.grades), c.grades);
        EXPECT_STREQ(geotol::GradeText(lists.grades, 0), c.firstGrade);
        EXPECT_EQ(geotol::RowCount(lists.rows), c.rows);
        EXPECT_STREQ(geotol::RowText(lists.rows, 0, 0), c.firstRow);
        EXPECT_EQ(lists.listsEnabled, c.enabled);
    }
}

TEST(CopyFieldText, CopiesUpToTheNulAndNeverPastTheField) {
    char dst[12];
    std::memset(dst, '#', sizeof dst);
    geotol::CopyFieldText(dst, "abc\0xxxx", 8);
    EXPECT_EQ(std::string(dst, 12), std::string("abc\0########", 12)) << "bytes after the NUL keep their value";

    // A host text without its terminator is taken whole, nothing is added after it, and the
    // same copy back gives the host its bytes unchanged.
    const char unterminated[8] = {'y', 'y', 'y', 'y', 'y', 'y', 'y', 'y'};
    std::memset(dst, '#', sizeof dst);
    geotol::CopyFieldText(dst, unterminated, 8);
    EXPECT_EQ(std::string(dst, 12), "yyyyyyyy####");
    char back[8] = {};
    geotol::CopyFieldText(back, dst, 8);
    EXPECT_EQ(std::memcmp(back, unterminated, 8), 0);
}

}  // namespace
