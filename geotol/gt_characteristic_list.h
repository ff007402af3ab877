// Rules of the two dialogs in which the user picks the characteristic from a list: the form
// tolerance dialog (characteristics 0 to 5 at list positions 0 to 5) and the position
// tolerance dialog (6 to 13 at positions 0 to 7). No windows here: the rules are tested
// natively.
//
// Host contract of both exports: the tolerance text is a caller buffer of at least 64 bytes
// that the dialog edits in place; the characteristic is exchanged as a list position; the
// position dialog's five datum texts are 40-byte fields, written back with at most 19 bytes.
#pragma once

#include <cstddef>

#include "geotol/gt_tables.h"

namespace geotol {

enum class CharacteristicList { Form, Position };

// Bytes of the host's tolerance text buffer, NUL included. A text without a NUL inside it is
// read as these 64 bytes; the dialogs write at most 63 and the NUL.
inline constexpr std::size_t kHostTextBuffer = 64;
// Datum texts of the position dialog and of the combined dialog's position variant: field
// width, and the width of what OK writes back.
inline constexpr std::size_t kDatumField = 40;
inline constexpr std::size_t kDatumWritten = 20;
inline constexpr int kDatumCount = 5;

int ListLength(CharacteristicList list);  // 6 or 8

// The characteristic number at a list position, or -1 outside the list.
int NumberAt(CharacteristicList list, int position);

// A host's position outside the list opens the dialog on position 0.
int ClampPosition(CharacteristicList list, int position);

// The flag the host gets for the characteristic the user selected: 1 for roundness and
// cylindricity in the form list, for coaxiality in the position list, else 0.
int TypeFlagAt(CharacteristicList list, int position);

// The value table behind a list position: what the grade and main-parameter lists show once
// the user selects it. Table::None (lists emptied and disabled) for line profile, surface
// profile, position, and outside the list.
Table TableAt(CharacteristicList list, int position);

// What the grade and main-parameter lists show at opening, whatever characteristic the host
// preselected: the first characteristic's table (straightness or parallelism).
Table OpeningTable(CharacteristicList list);

}  // namespace geotol
