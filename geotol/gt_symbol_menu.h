// Layout and pick rules of the special-symbol popup menu of the geometric tolerance dialogs.
//
// The host passes a list of special characters; the menu lists all of them, twelve to a
// column, and a pick arrives at the dialog as a posted WM_COMMAND 300 + index. Only commands
// 300 to 313 insert anything: strings from the fifteenth on are listed but their picks fall
// through to normal command processing, where nothing takes them.
#pragma once

#include <vector>

namespace geotol {

inline constexpr unsigned kSymbolCommandFirst = 300;
inline constexpr int kSymbolsPerColumn = 12;
inline constexpr int kInsertableSymbols = 14;

struct SymbolMenuItem {
    bool columnBreak;  // an empty item that starts a new column (menu-bar break)
    unsigned command;  // 300 + index, the break item included
    int symbol;        // index into the host's list; -1 for a break item
};

// The items in menu order for a list of `symbolCount` strings: before every string whose index
// is a non-zero multiple of twelve, an empty break item with the same command.
std::vector<SymbolMenuItem> SymbolMenuLayout(int symbolCount);

// Whether the dialogs' message hook takes a command (300 to 313), whatever the list holds.
bool IsSymbolCommand(unsigned command);

// The string a taken command inserts, or -1 when the list has no such entry.
int SymbolToInsert(unsigned command, int symbolCount);

}  // namespace geotol
