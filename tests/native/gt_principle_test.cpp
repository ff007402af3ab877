// The principle toggle rule as a user meets it: sequences of clicks on the five buttons with
// the text the edit holds at each click, and the menu's layout and pick rules.
#include <gtest/gtest.h>

#include <string>

#include "geotol/gt_principle.h"
#include "geotol/gt_symbol_menu.h"

using geotol::ButtonCheck;
using geotol::PrincipleState;

namespace {

constexpr ButtonCheck K = ButtonCheck::Keep;
constexpr ButtonCheck C = ButtonCheck::Check;
constexpr ButtonCheck U = ButtonCheck::Uncheck;

// Buttons as the user sees them, applying the rule's changes like the dialogs do.
struct Group {
    PrincipleState state;
    bool checked[geotol::kPrincipleCount] = {};
    std::string text;

    void Click(int principle) {
        const geotol::PrincipleToggle t = geotol::TogglePrinciple(state, principle, text);
        for (int i = 0; i < geotol::kPrincipleCount; ++i)
            if (t.buttons[i] != K) checked[i] = t.buttons[i] == C;
        text = t.text;
    }
    std::string Checked() const {
        std::string s;
        for (int i = 0; i < geotol::kPrincipleCount; ++i)
            if (checked[i]) s += geotol::PrincipleLetter(i);
        return s;
    }
};

TEST(PrincipleToggle, SameButtonTwiceAddsThenRemovesItsLetter) {
    Group g;
    g.text = "0.0002 ";
    g.Click(geotol::kPrincipleE);
    EXPECT_EQ(g.text, "0.0002 E");
    EXPECT_EQ(g.Checked(), "E");
    g.Click(geotol::kPrincipleE);
    EXPECT_EQ(g.text, "0.0002 ");
    EXPECT_EQ(g.Checked(), "");
    EXPECT_EQ(g.state.letter, 0);
    // A third click is a first click again: counter 2 is even.
    g.Click(geotol::kPrincipleE);
    EXPECT_EQ(g.text, "0.0002 E");
    EXPECT_EQ(g.Checked(), "E");
    EXPECT_EQ(g.state.counters[geotol::kPrincipleE], 3);
}

TEST(PrincipleToggle, AnotherButtonSwapsTheLetterAndUnchecksTheFirst) {
    Group g;
    g.text = "0.01";
    g.Click(geotol::kPrincipleE);
    g.Click(geotol::kPrincipleM);
    EXPECT_EQ(g.text, "0.01M");
    EXPECT_EQ(g.Checked(), "M");
    g.Click(geotol::kPrinciple0M);
    EXPECT_EQ(g.text, "0.01N") << "0M is written as N";
    g.Click(geotol::kPrincipleL);
    g.Click(geotol::kPrincipleP);
    EXPECT_EQ(g.text, "0.01P");
    EXPECT_EQ(g.Checked(), "P");
    const int expected[] = {0, 0, 1, 0, 0};
    for (int i = 0; i < geotol::kPrincipleCount; ++i) EXPECT_EQ(g.state.counters[i], expected[i]) << i;
}

TEST(PrincipleToggle, OnlyButtonsWithAnOddCounterAreUnchecked) {
    // An automatic radio button checks itself before the handler runs; the rule must still
    // name every other button it has to uncheck and leave the rest to the control.
    PrincipleState state;
    state.counters[geotol::kPrincipleM] = 1;
    state.counters[geotol::kPrincipleL] = 2;
    state.letter = 'M';
    const geotol::PrincipleToggle t = geotol::TogglePrinciple(state, geotol::kPrincipleE, "0.02M");
    const ButtonCheck want[] = {C, U, K, K, K};
    for (int i = 0; i < geotol::kPrincipleCount; ++i) EXPECT_EQ(t.buttons[i], want[i]) << i;
    EXPECT_EQ(t.text, "0.02E");
}

TEST(PrincipleToggle, TheLastCharacterGoesWhateverItIs) {
    Group g;
    g.text = "0.02";
    g.Click(geotol::kPrincipleE);
    g.text += "5";  // typed after the letter
    g.Click(geotol::kPrincipleM);
    EXPECT_EQ(g.text, "0.02EM");
    // With no letter active nothing is taken off.
    g.Click(geotol::kPrincipleM);
    EXPECT_EQ(g.text, "0.02E");
    g.Click(geotol::kPrincipleL);
    EXPECT_EQ(g.text, "0.02EL");
}

TEST(PrincipleToggle, DoubleByteLastCharacterGoesWhole) {
    Group g;
    g.text = "0.01";
    g.Click(geotol::kPrincipleE);
    g.text = "0.01\xa6\xd5";  // the user replaced the letter by a Greek phi
    g.Click(geotol::kPrincipleP);
    EXPECT_EQ(g.text, "0.01P");
}

TEST(PrincipleToggle, LongTextsAreCutAndTheLetterStillFits) {
    // E is active; a click on M takes E's place.
    auto withE = [](const std::string& text) {
        Group g;
        g.state.letter = 'E';
        g.state.counters[geotol::kPrincipleE] = 1;
        g.text = text;
        g.Click(geotol::kPrincipleM);
        return g.text;
    };
    EXPECT_EQ(withE(std::string(34, 'a')), std::string(33, 'a') + "M") << "34 bytes: the last one goes";
    EXPECT_EQ(withE(std::string(35, 'f')), std::string(33, 'f') + "M") << "35 bytes: cut to 33, not 34";
    EXPECT_EQ(withE(std::string(50, 'b')), std::string(33, 'b') + "M");
    // The cut at 33 must not split a double-byte character starting at byte 32.
    EXPECT_EQ(withE(std::string(32, 'c') + std::string(10, '\xb0')), std::string(32, 'c') + "M");

    // No letter active: a 63-byte text gives up its last byte to the letter.
    Group h;
    h.text = std::string(63, 'd');
    h.Click(geotol::kPrincipleE);
    EXPECT_EQ(h.text, std::string(62, 'd') + "E");
    // A text longer than the host keeps is read as its first 63 bytes.
    h = Group{};
    h.text = std::string(70, 'e');
    h.state.counters[geotol::kPrincipleE] = 1;
    h.Click(geotol::kPrincipleE);
    EXPECT_EQ(h.text, std::string(63, 'e'));
}

TEST(PrincipleToggle, EmptyTextGetsJustTheLetter) {
    Group g;
    g.Click(geotol::kPrincipleM);
    EXPECT_EQ(g.text, "M");
    g.text.clear();  // a characteristic change emptied the text, M still active
    g.Click(geotol::kPrincipleL);
    EXPECT_EQ(g.text, "L");
}

TEST(PrincipleToggle, IndexOutsideTheGroupChangesNothing) {
    PrincipleState state;
    state.counters[1] = 1;
    state.letter = 'M';
    for (int bad : {-1, 5, 1000}) {
        const geotol::PrincipleToggle t = geotol::TogglePrinciple(state, bad, "0.1M");
        EXPECT_EQ(t.text, "0.1M");
        for (ButtonCheck b : t.buttons) EXPECT_EQ(b, K);
    }
    EXPECT_EQ(state.letter, 'M');
    EXPECT_EQ(state.counters[1], 1);
}

TEST(PrincipleRestore, LastCharacterOfTheCallersText) {
    struct Case {
        const char* text;
        int principle;
    } cases[] = {
        {"0.01E", geotol::kPrincipleE}, {"0.01M", geotol::kPrincipleM}, {"0.01P", geotol::kPrincipleP},
        {"0.01N", geotol::kPrinciple0M}, {"L", geotol::kPrincipleL},   {"0.01e", -1},
        {"0.01 ", -1},                   {"", -1},                      {"0.01\x81\x45", -1},  // trail byte 'E'
        {"\x81\x4e", -1},                {"\xa6\xd5N", geotol::kPrinciple0M},
    };
    for (const Case& c : cases) {
        PrincipleState state;
        EXPECT_EQ(geotol::RestorePrinciple(state, c.text), c.principle) << c.text;
        if (c.principle >= 0) {
            EXPECT_EQ(state.letter, geotol::PrincipleLetter(c.principle));
            EXPECT_EQ(state.counters[c.principle], 1);
        } else {
            EXPECT_EQ(state.letter, 0) << c.text;
        }
    }
}

TEST(PrincipleRestore, ClickingTheRestoredButtonTakesItsLetterOff) {
    Group g;
    g.text = "0.01N";
    const int restored = geotol::RestorePrinciple(g.state, g.text);
    g.checked[restored] = true;
    g.Click(geotol::kPrinciple0M);
    EXPECT_EQ(g.text, "0.01");
    EXPECT_EQ(g.Checked(), "");
}

TEST(PrincipleDrop, CharacteristicChangeSwitchesThePrincipleOff) {
    Group g;
    g.text = "0.03";
    g.Click(geotol::kPrincipleM);
    EXPECT_EQ(geotol::DropPrinciple(g.state), geotol::kPrincipleM);
    EXPECT_EQ(g.state.letter, 0);
    EXPECT_EQ(g.state.counters[geotol::kPrincipleM], 0);
    EXPECT_EQ(geotol::ComposeTolerance("0.004 ", g.state), "0.004 ");
    EXPECT_EQ(geotol::DropPrinciple(g.state), -1) << "nothing active any more";
    // The dropped button starts over: the next click checks it.
    g.checked[geotol::kPrincipleM] = false;
    g.text = "0.004 ";
    g.Click(geotol::kPrincipleM);
    EXPECT_EQ(g.text, "0.004 M");
    EXPECT_EQ(g.Checked(), "M");
}

TEST(PrincipleCompose, ValueTextThenActiveLetter) {
    PrincipleState state;
    EXPECT_EQ(geotol::ComposeTolerance(" 0.0004", state), " 0.0004");
    state.letter = 'E';
    EXPECT_EQ(geotol::ComposeTolerance("0.0002 ", state), "0.0002 E");
    EXPECT_EQ(geotol::ComposeTolerance("", state), "E");
}

TEST(SymbolMenu, TwelveToAColumnWithAnEmptyBreakItemCarryingTheNextCommand) {
    EXPECT_TRUE(geotol::SymbolMenuLayout(0).empty());
    EXPECT_EQ(geotol::SymbolMenuLayout(12).size(), 12u) << "a full first column needs no break";

    const auto items = geotol::SymbolMenuLayout(26);
    ASSERT_EQ(items.size(), 28u);
    int breaks = 0;
    for (std::size_t k = 0; k < items.size(); ++k) {
        const geotol::SymbolMenuItem& item = items[k];
        if (item.columnBreak) {
            ++breaks;
            EXPECT_EQ(item.symbol, -1);
            ASSERT_LT(k + 1, items.size());
            EXPECT_EQ(items[k + 1].symbol % 12, 0);
            EXPECT_EQ(item.command, items[k + 1].command);
        } else {
            EXPECT_EQ(item.command, 300u + static_cast<unsigned>(item.symbol));
        }
    }
    EXPECT_EQ(breaks, 2);
    EXPECT_TRUE(items[12].columnBreak && items[25].columnBreak);
    EXPECT_EQ(items.back().symbol, 25);
}

TEST(SymbolMenu, OnlyTheFirstFourteenCommandsInsert) {
    EXPECT_FALSE(geotol::IsSymbolCommand(299));
    EXPECT_TRUE(geotol::IsSymbolCommand(300));
    EXPECT_TRUE(geotol::IsSymbolCommand(313));
    EXPECT_FALSE(geotol::IsSymbolCommand(314));
    EXPECT_EQ(geotol::SymbolToInsert(313, 30), 13);
    EXPECT_EQ(geotol::SymbolToInsert(314, 30), -1);
    EXPECT_EQ(geotol::SymbolToInsert(305, 5), -1) << "taken but the list is shorter";
    EXPECT_EQ(geotol::SymbolToInsert(304, 5), 4);
    EXPECT_EQ(geotol::SymbolToInsert(300, 0), -1);
}

}  // namespace
