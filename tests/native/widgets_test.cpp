// Layout and pick rules of the special-symbol menu.
#include <gtest/gtest.h>

#include "widgets/symbol_menu.h"

namespace {

using namespace widgets;

TEST(SymbolMenu, TwelveToAColumnWithABreakItemBeforeEachNewColumn) {
    struct Case {
        int count, items, breaks;
    } cases[] = {{0, 0, 0}, {-3, 0, 0}, {1, 1, 0}, {12, 12, 0}, {13, 14, 1}, {24, 25, 1}, {25, 27, 2}};
    for (const Case& c : cases) {
        const auto items = SymbolMenuLayout(c.count);
        int breaks = 0;
        for (const auto& item : items) breaks += item.columnBreak;
        EXPECT_TRUE(static_cast<int>(items.size()) == c.items && breaks == c.breaks) << c.count << " strings";
    }
    const auto items = SymbolMenuLayout(13);
    EXPECT_TRUE(items[12].columnBreak && items[12].command == 312 && items[12].symbol == -1);
    EXPECT_TRUE(!items[13].columnBreak && items[13].command == 312 && items[13].symbol == 12);
}

// Every pick of the menu is the menu's, whatever control id it shares; only the offered
// strings insert; commands of controls (lParam set) and ids past the list are not picks.
TEST(SymbolMenu, PicksOfALongListNeverReachTheDialogsControls) {
    struct Case {
        unsigned command;
        bool fromControl;
        int count, insertable;
        bool pick;
        int inserted;
    } cases[] = {
        {300, false, 1, 14, true, 0},      {313, false, 20, 14, true, 13},
        {314, false, 20, 14, true, -1},    {1005, false, 1000, 14, true, -1},
        {1115, false, 1000, 14, true, -1}, {1005, true, 1000, 14, false, -1},
        {1005, false, 1000, -1, true, 705}, {1299, false, 1000, -1, true, 999},
        {1300, false, 1000, -1, false, -1}, {299, false, 1000, -1, false, -1},
        {301, false, 1, -1, false, -1},    {300, false, 0, -1, false, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsSymbolPick(c.command, c.fromControl, c.count), c.pick) << c.command << " of " << c.count;
        if (!c.fromControl)
            EXPECT_EQ(SymbolToInsert(c.command, c.count, c.insertable), c.inserted) << c.command;
    }
}

// WM_COMMAND carries 16-bit ids: a list long enough to reach 0x10000 would wrap onto IDOK.
TEST(SymbolMenu, CommandsNeverWrapPastSixteenBits) {
    const int huge = 70000;
    EXPECT_EQ(ListedSymbols(huge), 0xFFFF - 300 + 1);
    EXPECT_EQ(SymbolMenuLayout(huge).back().command, 0xFFFFu);
    EXPECT_FALSE(IsSymbolPick(1, false, huge) || IsSymbolPick(2, false, huge)) << "IDOK, IDCANCEL";
}

}  // namespace
