// Geometric tolerance catalogue and GB/T 1184-1996 Annex B value tables.
//
// Everything here is constant data compiled into the module: the fourteen
// characteristics, the two grade lists and the four value tables with the
// exact row texts the tolerance dialogs show in their main-parameter lists.
// Texts are GBK bytes (the host's code page 936); the row and grade texts are
// plain ASCII.
#pragma once

#include <cstddef>

namespace geotol {

// Slot sizes of the host's fixed text fields, NUL included.
inline constexpr std::size_t kNameSlot = 10;   // characteristic name
inline constexpr std::size_t kGradeSlot = 5;   // grade text
inline constexpr std::size_t kRowSlot = 22;    // row text (at most 21 characters)

inline constexpr int kCharacteristicCount = 14;

// A row text carries its value from this offset on. The coaxiality table's
// size ranges are one column wider, so its value texts start with a space.
inline constexpr std::size_t kValueOffset = 12;

enum class Table { None, Straightness, Roundness, Parallelism, Coaxiality };

enum class Group { Form, Position };  // "形状公差" numbers 0-5, "位置公差" numbers 6-13

struct Characteristic {
    int number;             // CharacteristicNumber, also the index of per-characteristic host arrays
    char name[kNameSlot];   // GBK list text and combined-dialog caption
    const char* code;       // bitmap resource name of the symbol (resource names ignore case)
    Group group;
    Table table;            // Table::None for line profile, surface profile and position
};

struct ToleranceRow {
    char text[kRowSlot];
};

// number must be 0..13.
const Characteristic& Catalogue(int number);

// Grade list of a table: 12 entries "1".."12", or 13 entries "0".."12" for the
// roundness table. Dialogs keep the list position (grade index), never the
// grade number. GradeText gives "" outside the list.
int GradeCount(Table table);
const char* GradeText(Table table, int gradeIndex);

// Size ranges of the main parameter (mm) per grade: 16, 13, 16 or 17.
int RowCount(Table table);
const char* RangeText(Table table, int row);

// Tolerance value in millimetres; 0 outside the table.
double ValueMm(Table table, int gradeIndex, int row);

// Row text as listed in the main-parameter list box; "" outside the table.
// The pointer stays valid for the life of the module.
const char* RowText(Table table, int gradeIndex, int row);

// The value part of a row text (from kValueOffset to the end, trailing
// spaces included): what the dialogs append to the tolerance text.
const char* ValueText(Table table, int gradeIndex, int row);
const char* ValueTextOfRow(const char* rowText);  // "" for a text shorter than kValueOffset

}  // namespace geotol
