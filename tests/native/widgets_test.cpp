// Layout and pick rules of the special-symbol menu.
#include <gtest/gtest.h>

#include <tuple>

#include "widgets/symbol_menu.h"

using namespace widgets;

// Twelve strings to a column, an empty break item (same command) before each new column.
TEST(SymbolMenu, TwelveToAColumn) {
    for (auto [count, items, breaks] : {std::tuple{0, 0, 0}, {-3, 0, 0}, {12, 12, 0}, {13, 14, 1}, {25, 27, 2}}) {
        const auto layout = SymbolMenuLayout(count);
        int got = 0;
        for (const auto& item : layout) got += item.columnBreak;
        EXPECT_TRUE(static_cast<int>(layout.size()) == items && got == breaks) << count << " strings";
    }
    const auto layout = SymbolMenuLayout(13);
    EXPECT_TRUE(layout[12].columnBreak && layout[12].command == 312 && layout[12].symbol == -1);
    EXPECT_TRUE(!layout[13].columnBreak && layout[13].command == 312 && layout[13].symbol == 12);
}

// Every pick of the menu is the menu's, whatever control id it shares; only the offered
// strings insert; commands of controls (lParam set) and ids past the list are not picks.
TEST(SymbolMenu, PicksOfALongListNeverReachTheDialogsControls) {
    struct Case { unsigned command; bool fromControl; int count, insertable; bool pick; int inserted; };
    const Case cases[] = {
        {313, false, 20, 14, true, 13},     {314, false, 20, 14, true, -1},
        {1005, false, 1000, 14, true, -1},  {1005, true, 1000, 14, false, -1},
        {1299, false, 1000, -1, true, 999}, {1300, false, 1000, -1, false, -1},
        {299, false, 1000, -1, false, -1},  {300, false, 0, -1, false, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsSymbolPick(c.command, c.fromControl, c.count), c.pick) << c.command << " of " << c.count;
        if (c.fromControl) continue;
        EXPECT_EQ(SymbolToInsert(c.command, c.count, c.insertable), c.inserted) << c.command;
    }
}

// WM_COMMAND carries 16-bit ids: a list long enough to reach 0x10000 would wrap onto IDOK.
TEST(SymbolMenu, CommandsNeverWrapPastSixteenBits) {
    const int huge = 70000;
    EXPECT_EQ(SymbolMenuLayout(huge).back().command, 0xFFFFu);
    EXPECT_FALSE(IsSymbolPick(1, false, huge) || IsSymbolPick(2, false, huge)) << "IDOK, IDCANCEL";
}
