#include "geotol/gt_symbol_menu.h"

namespace geotol {

std::vector<SymbolMenuItem> SymbolMenuLayout(int symbolCount) {
    std::vector<SymbolMenuItem> items;
    for (int i = 0; i < symbolCount; ++i) {
        const unsigned command = kSymbolCommandFirst + static_cast<unsigned>(i);
        if (i != 0 && i % kSymbolsPerColumn == 0) items.push_back({true, command, -1});
        items.push_back({false, command, i});
    }
    return items;
}

bool IsSymbolCommand(unsigned command) {
    return command >= kSymbolCommandFirst && command < kSymbolCommandFirst + kInsertableSymbols;
}

int SymbolToInsert(unsigned command, int symbolCount) {
    if (!IsSymbolCommand(command)) return -1;
    const int index = static_cast<int>(command - kSymbolCommandFirst);
    return index < symbolCount ? index : -1;
}

}  // namespace geotol
