#include "widgets/symbol_menu.h"

namespace widgets {

int ListedSymbols(int symbolCount) {
    constexpr int kMostListed = static_cast<int>(kSymbolCommandLast - kSymbolCommandFirst) + 1;
    if (symbolCount < 0) return 0;
    return symbolCount < kMostListed ? symbolCount : kMostListed;
}

std::vector<SymbolMenuItem> SymbolMenuLayout(int symbolCount) {
    std::vector<SymbolMenuItem> items;
    const int listed = ListedSymbols(symbolCount);
    for (int i = 0; i < listed; ++i) {
        const unsigned command = kSymbolCommandFirst + static_cast<unsigned>(i);
        if (i != 0 && i % kSymbolsPerColumn == 0) items.push_back({true, command, -1});
        items.push_back({false, command, i});
    }
    return items;
}

bool IsSymbolPick(unsigned command, bool fromControl, int symbolCount) {
    if (fromControl) return false;
    return command >= kSymbolCommandFirst &&
           command - kSymbolCommandFirst < static_cast<unsigned>(ListedSymbols(symbolCount));
}

int SymbolToInsert(unsigned command, int symbolCount, int insertable) {
    if (!IsSymbolPick(command, false, symbolCount)) return -1;
    const int index = static_cast<int>(command - kSymbolCommandFirst);
    return insertable < 0 || index < insertable ? index : -1;
}

}  // namespace widgets
