// The principle toggle rule as a user meets it: click sequences on the five buttons with the
// text the edit holds at each click; and the special-symbol menu's columns and picks.
#include <gtest/gtest.h>

#include <string>

#include "geotol/gt_principle.h"
#include "geotol/gt_symbol_menu.h"

using namespace geotol;

namespace {

// The buttons as a user sees them, changed the way the dialogs apply the rule.
struct Group {
    PrincipleState state;
    bool checked[kPrincipleCount] = {};
    std::string text;

    Group& Click(int principle) {
        const PrincipleToggle t = TogglePrinciple(state, principle, text);
        for (int i = 0; i < kPrincipleCount; ++i)
            if (t.buttons[i] != ButtonCheck::Keep) checked[i] = t.buttons[i] == ButtonCheck::Check;
        text = t.text;
        return *this;
    }
    std::string Checked() const {
        std::string s;
        for (int i = 0; i < kPrincipleCount; ++i)
            if (checked[i]) s += PrincipleLetter(i);
        return s;
    }
};

Group WithText(const std::string& text) {
    Group g;
    g.text = text;
    return g;
}

TEST(PrincipleToggle, ClickSequences) {
    Group g = WithText("0.0002 ");
    g.Click(kPrincipleE);
    EXPECT_EQ(g.text, "0.0002 E");
    EXPECT_EQ(g.Checked(), "E");
    g.Click(kPrincipleE);
    EXPECT_EQ(g.text, "0.0002 ");
    EXPECT_EQ(g.Checked(), "");
    g.Click(kPrincipleE).Click(kPrincipleM).Click(kPrinciple0M);
    EXPECT_EQ(g.text, "0.0002 N") << "0M is written as N";
    EXPECT_EQ(g.Checked(), "N");
    const int counters[] = {0, 0, 0, 1, 0};
    for (int i = 0; i < kPrincipleCount; ++i) EXPECT_EQ(g.state.counters[i], counters[i]) << i;

    // The last character goes, whatever it is; a double-byte one goes whole.
    g.text += "5";
    EXPECT_EQ(g.Click(kPrincipleL).text, "0.0002 NL");
    g.text = "0.01\xa6\xd5";
    EXPECT_EQ(g.Click(kPrincipleP).text, "0.01P");
    // An empty text (a characteristic change emptied it) gets just the letter.
    g.text.clear();
    EXPECT_EQ(g.Click(kPrincipleE).text, "E");
    EXPECT_EQ(g.Checked(), "E");
}

TEST(PrincipleToggle, LongTextsAreCutAndTheLetterStillFits) {
    auto replaceE = [](const std::string& text) {  // E active, then M clicked
        Group g = WithText("");
        g.Click(kPrincipleE);
        g.text = text;
        return g.Click(kPrincipleM).text;
    };
    EXPECT_EQ(replaceE(std::string(34, 'a')), std::string(33, 'a') + "M");
    EXPECT_EQ(replaceE(std::string(35, 'b')), std::string(33, 'b') + "M") << "longer than 34: cut to 33";
    EXPECT_EQ(replaceE(std::string(32, 'c') + std::string(10, '\xb0')), std::string(32, 'c') + "M")
        << "the cut must not split a double-byte character";
    // No letter active: a full 63-byte text gives its last byte up to the letter; a longer
    // one is read as 63 bytes.
    EXPECT_EQ(WithText(std::string(63, 'd')).Click(kPrincipleE).text, std::string(62, 'd') + "E");
    Group off = WithText(std::string(70, 'e'));
    off.state.counters[kPrincipleE] = 1;
    EXPECT_EQ(off.Click(kPrincipleE).text, std::string(63, 'e'));
}

TEST(PrincipleRestoreAndDrop, OpeningAndCharacteristicChange) {
    struct Case {
        const char* text;
        int principle;
    } cases[] = {{"0.01E", kPrincipleE}, {"0.01N", kPrinciple0M}, {"L", kPrincipleL}, {"0.01e", -1},
                 {"", -1}, {"0.01\x81\x45", -1} /* trail byte 'E' */, {"\xa6\xd5N", kPrinciple0M}};
    for (const Case& c : cases) {
        PrincipleState state;
        EXPECT_EQ(RestorePrinciple(state, c.text), c.principle) << c.text;
        EXPECT_EQ(state.letter, PrincipleLetter(c.principle)) << c.text;
    }

    // A restored letter is clicked off by its own button.
    Group g = WithText("0.03N");
    g.checked[RestorePrinciple(g.state, g.text)] = true;
    EXPECT_EQ(g.Click(kPrinciple0M).text, "0.03");
    EXPECT_EQ(g.Checked(), "");

    // A characteristic change switches M off; its button starts over.
    g.Click(kPrincipleM);
    EXPECT_EQ(DropPrinciple(g.state), kPrincipleM);
    EXPECT_EQ(DropPrinciple(g.state), -1);
    EXPECT_EQ(ComposeTolerance("0.004 ", g.state), "0.004 ");
    g.checked[kPrincipleM] = false;
    g.text = "0.004 ";
    EXPECT_EQ(g.Click(kPrincipleM).text, "0.004 M");
    EXPECT_EQ(ComposeTolerance(" 0.0004", g.state), " 0.0004M");
}

TEST(SymbolMenu, ColumnsOfTwelveAndTheFirstFourteenInsert) {
    const auto items = SymbolMenuLayout(26);
    ASSERT_EQ(items.size(), 28u);
    EXPECT_TRUE(items[12].columnBreak && items[12].command == 312 && items[12].symbol == -1);
    EXPECT_TRUE(items[25].columnBreak && items[25].command == 324 && items[26].symbol == 24);
    EXPECT_EQ(SymbolMenuLayout(12).size(), 12u) << "a full first column needs no break";
    EXPECT_EQ(SymbolToInsert(313, 30), 13);
    EXPECT_EQ(SymbolToInsert(314, 30), -1);
    EXPECT_FALSE(IsSymbolCommand(299));
    EXPECT_TRUE(IsSymbolCommand(305));
    EXPECT_EQ(SymbolToInsert(305, 5), -1) << "taken, but the list is shorter";
}

}  // namespace
