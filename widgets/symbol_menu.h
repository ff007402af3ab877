// Layout and pick rules of the special-symbol popup menus.
//
// The host passes a list of special characters; a menu lists all of them, twelve to a column,
// and a pick arrives at the dialog as a posted WM_COMMAND 300 + index with lParam 0. Which
// picks insert is the dialog's choice (the geometric tolerance dialogs insert only the first
// fourteen strings); every other pick of the menu is still the menu's own and is consumed, so it
// never reaches a handler of a control whose id happens to be 300 + index (1005, the principle
// button E, is entry 705).
//
// Command ids are 16 bits in WM_COMMAND: a list longer than the id space would wrap to ids of
// the dialog's own buttons (IDOK is entry 65 237), so the menu lists only the entries whose
// command fits.
#pragma once

#include <vector>

namespace widgets {

inline constexpr unsigned kSymbolCommandFirst = 300;
inline constexpr unsigned kSymbolCommandLast = 0xFFFF;
inline constexpr int kSymbolsPerColumn = 12;

struct SymbolMenuItem {
    bool columnBreak;  // an empty item that starts a new column (menu-bar break)
    unsigned command;  // 300 + index, the break item included
    int symbol;        // index into the host's list; -1 for a break item
};

// How many of `symbolCount` strings the menu lists.
int ListedSymbols(int symbolCount);

// The items in menu order for a list of `symbolCount` strings: before every string whose index
// is a non-zero multiple of twelve, an empty break item with the same command.
std::vector<SymbolMenuItem> SymbolMenuLayout(int symbolCount);

// Whether a WM_COMMAND (its low word and lParam) is a pick of the menu built for the list.
bool IsSymbolPick(unsigned command, bool fromControl, int symbolCount);

// The string a pick inserts, or -1: only the first `insertable` strings (negative: all) do.
int SymbolToInsert(unsigned command, int symbolCount, int insertable);

}  // namespace widgets
