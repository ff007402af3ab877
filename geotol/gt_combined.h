// What the combined geometric tolerance dialogs show for the characteristic the host fixes,
// and how their texts cross the host's record. No windows here: the rules are tested natively.
//
// The two dialogs are one template in two variants. The position variant is meant for
// characteristics 6..13, the form variant for 0..5, but neither checks: a characteristic of
// the other group still gets its catalogue title and symbol, with lists that match nothing.
#pragma once

#include <cstddef>

#include "geotol/gt_tables.h"

namespace geotol {

enum class CombinedVariant { Position, Form };

struct CombinedLists {
    Table grades;       // grade list shown (and selected at position 0); Table::None: empty
    Table rows;         // table whose rows fill the main-parameter list; Table::None: empty
    bool listsEnabled;  // false: both lists and their three labels are disabled
};

// Lists at opening and after a grade pick, for a characteristic of the host's record.
//   position variant: 6..13 their table with grades "1".."12"; 11 (position) has none and
//                     disables the lists; 0..5 grades "1".."12" and no rows.
//   form variant:     0..5 their table and grade list; 4 and 5 have none and disable the
//                     lists; 6..13 neither grades nor rows.
// A number outside 0..13 is not a characteristic: no grades, no rows, lists left enabled.
CombinedLists CombinedListsFor(CombinedVariant variant, int characteristic);

// Whether a number names a characteristic of the catalogue (0..13).
inline bool IsCharacteristic(int number) { return number >= 0 && number < kCharacteristicCount; }

// Copies a text between two fields of `width` bytes as the host's NUL-terminated copy would,
// bounded by the field: the bytes up to the NUL and the NUL; a source without a NUL inside the
// field is copied whole, and no NUL is added. Bytes of `dst` after the copy stay as they were.
void CopyFieldText(char* dst, const char* src, std::size_t width);

}  // namespace geotol
