// The principle toggle rule as a user meets it: click sequences on the five buttons with the
// text the edit holds at each click.
#include <gtest/gtest.h>

#include <string>

#include "geotol/gt_principle.h"

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

Group WithText(const std::string& text) { return Group{{}, {}, text}; }

TEST(PrincipleToggle, ClickSequences) {
    Group g = WithText("0.0002 ");
    g.Click(kPrincipleE).Click(kPrincipleE).Click(kPrincipleE).Click(kPrincipleM).Click(kPrinciple0M);
    EXPECT_TRUE(g.text == "0.0002 N" && g.Checked() == "N") << "0M is written as N: " << g.text;
    const int counters[] = {0, 0, 0, 1, 0};
    for (int i = 0; i < kPrincipleCount; ++i) EXPECT_EQ(g.state.counters[i], counters[i]) << i;

    // The last character goes, whatever it is; a double-byte one goes whole.
    g.text += "5";
    EXPECT_EQ(g.Click(kPrincipleL).text, "0.0002 NL");
    g.text = "0.01\xa6\xd5";
    EXPECT_EQ(g.Click(kPrincipleP).text, "0.01P");
    // An empty text (a characteristic change emptied it) gets just the letter.
    g.text.clear();
    EXPECT_TRUE(g.Click(kPrincipleE).text == "E" && g.Checked() == "E");
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

TEST(PrincipleRestore, LastCharacterOfTheHostsText) {
    struct Case {
        const char* text;
        int principle;
    } cases[] = {{"0.01E", kPrincipleE}, {"0.01N", kPrinciple0M}, {"L", kPrincipleL}, {"0.01e", -1},
                 {"", -1}, {"0.01\x81\x45", -1} /* trail byte 'E' */, {"\xa6\xd5N", kPrinciple0M}};
    for (const Case& c : cases) {
        PrincipleState state;
        EXPECT_TRUE(RestorePrinciple(state, c.text) == c.principle && state.letter == PrincipleLetter(c.principle)) << c.text;
    }

    // A restored letter is clicked off by its own button.
    Group g = WithText("0.03N");
    g.checked[RestorePrinciple(g.state, g.text)] = true;
    EXPECT_TRUE(g.Click(kPrinciple0M).text == "0.03" && g.Checked().empty());
}

}  // namespace
