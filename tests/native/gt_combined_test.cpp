// What the combined tolerance dialogs list for the host's characteristic. (How their texts
// cross the host's record is checked byte for byte by the Wine test of the dialogs.)
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "geotol/gt_combined.h"

namespace {

using geotol::CombinedVariant;

// For each variant and number: grade count, first grade text, row count of grade index 0 and
// its first row, whether the lists are enabled.
TEST(CombinedLists, EveryCharacteristicInBothVariants) {
    struct Case {
        CombinedVariant variant;
        int characteristic, grades;
        const char* firstGrade;
        int rows;
        const char* firstRow;
        bool enabled;
    } cases[] = {
        {CombinedVariant::Position, 6, 12, "1", 16, "<=10        0.0004", true},
        {CombinedVariant::Position, 9, 12, "1", 17, "<=1          0.0004", true},
        {CombinedVariant::Position, 11, 0, "", 0, "", false},
        {CombinedVariant::Position, 0, 12, "1", 0, "", true},  // other group: grades, no rows
        {CombinedVariant::Form, 0, 12, "1", 16, "<=10        0.0002 ", true},
        {CombinedVariant::Form, 3, 13, "0", 13, "<=3         0.0001", true},
        {CombinedVariant::Form, 4, 0, "", 0, "", false},
        {CombinedVariant::Form, 6, 0, "", 0, "", true},  // other group: nothing
        {CombinedVariant::Position, -1, 0, "", 0, "", true},  // no characteristic at all
        {CombinedVariant::Form, INT_MIN, 0, "", 0, "", true},
    };
    for (const Case& c : cases) {
        const geotol::CombinedLists lists = geotol::CombinedListsFor(c.variant, c.characteristic);
        EXPECT_TRUE(geotol::GradeCount(lists.grades) == c.grades && geotol::GradeText(lists.grades, 0) == std::string(c.firstGrade) &&
                    geotol::RowCount(lists.rows) == c.rows && geotol::RowText(lists.rows, 0, 0) == std::string(c.firstRow) &&
                    lists.listsEnabled == c.enabled)
            << (c.variant == CombinedVariant::Position ? "position variant, " : "form variant, ") << c.characteristic;
    }
}

}  // namespace
