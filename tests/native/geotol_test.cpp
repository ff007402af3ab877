// The geometric tolerance rules that need no window: the compiled tables against every cell of
// the standard's CSV (micrometres), the column layout of the list rows; the
// principle toggle rule as a user meets it, click sequences on the five buttons with the text the
// edit holds at each click; the counting rules of the characteristic combination dialog.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "geotol/gt_combination.h"
#include "geotol/gt_principle.h"
#include "geotol/gt_tables.h"

using namespace geotol;

namespace {

TEST(GeotolTables, EveryValueIsTheStandardsInMillimetres) {
    int checked = 0;
    for (auto [table, name] : {std::pair{Table::Straightness, "straightness_flatness.csv"},
                               {Table::Roundness, "roundness_cylindricity.csv"},
                               {Table::Parallelism, "parallelism_perpendicularity_angularity.csv"},
                               {Table::Coaxiality, "coaxiality_symmetry_runout.csv"}}) {
        std::ifstream in(std::string(TQ_GBT1184_DIR) + "/" + name);
        std::vector<std::vector<std::string>> csv;
        for (std::string line; std::getline(in, line);) {
            std::stringstream cells(line);
            csv.emplace_back();
            for (std::string cell; std::getline(cells, cell, ',');) csv.back().push_back(cell);
        }
        ASSERT_GT(csv.size(), 1u) << name << ": reference table missing";
        const int ranges = static_cast<int>(csv.size()) - 1, grades = static_cast<int>(csv[0].size()) - 1;
        ASSERT_TRUE(RowCount(table) == ranges && GradeCount(table) == grades) << name;
        for (int g = 0; g < grades; ++g) {
            EXPECT_EQ(csv[0][g + 1], std::string("g") + GradeText(table, g));
            for (int r = 0; r < ranges; ++r, ++checked) {
                char mm[32];  // the shortest millimetre text: 0.25 um is "0.00025"
                std::snprintf(mm, sizeof mm, "%g", std::strtod(csv[r + 1][g + 1].c_str(), nullptr) / 1000);
                const std::string& range = csv[r + 1][0];
                const std::string row = RowText(table, g, r);
                std::string value = ValueText(table, g, r);
                value.erase(value.find_last_not_of(' ') + 1).erase(0, value.find_first_not_of(' '));
                EXPECT_TRUE(ValueMm(table, g, r) == std::strtod(mm, nullptr) && value == mm &&
                            row.rfind(range, 0) == 0 && RangeText(table, r) == range)
                    << name << " " << range << " grade " << g << ": row \"" << row << "\", want " << mm;
            }
        }
    }
    EXPECT_EQ(checked, 757);
}

// The list box shows the rows in columns: the range padded to 12 characters (13 in the
// coaxiality table), the value to 7 in a table's first grade column and to 6 in the others.
// The dialogs append the value part, padding included; outside the tables there is none.
TEST(GeotolTables, RowTextsInColumns) {
    for (auto [table, g, r, want] : {std::tuple{Table::Straightness, 0, 0, "<=10        0.0002 "},
                                     {Table::Straightness, 2, 1, ">10~16      0.001"},  // no pad
                                     {Table::Coaxiality, 11, 16, ">8000~10000  4     "},
                                     {Table::Coaxiality, 0, -1, ""}, {Table::Roundness, 0, 13, ""},
                                     {Table::Parallelism, -1, 0, ""}}) {
        EXPECT_STREQ(RowText(table, g, r), want);
        EXPECT_STREQ(ValueText(table, g, r), *want ? want + 12 : "");
    }
    EXPECT_TRUE(!*GradeText(Table::Parallelism, 12) && GradeCount(Table::None) == 0 &&
                !*ValueTextOfRow(nullptr));
}

// The buttons as a user sees them, changed the way the dialogs apply the rule.
struct Buttons {
    PrincipleState state;
    bool checked[kPrincipleCount] = {};
    std::string text;

    Buttons& Click(int principle) {
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

TEST(PrincipleToggle, ClickSequences) {
    Buttons g{{}, {}, "0.0002 "};
    g.Click(kPrincipleE).Click(kPrincipleE).Click(kPrincipleE).Click(kPrincipleM).Click(kPrinciple0M);
    EXPECT_TRUE(g.text == "0.0002 N" && g.Checked() == "N") << "0M is written as N: " << g.text;
    // The last character goes, whatever it is; a double-byte one goes whole.
    g.text += "5";
    EXPECT_EQ(g.Click(kPrincipleL).text, "0.0002 NL");
    g.text = "0.01\x81\x45";  // a lead byte below 0xA1, its trail byte 'E'
    EXPECT_EQ(g.Click(kPrincipleP).text, "0.01P");
    // A characteristic change drops the letter and takes the click back: P starts over.
    EXPECT_EQ(DropPrinciple(g.state), kPrincipleP);
    g.text.clear();
    EXPECT_TRUE(g.Click(kPrincipleP).text == "P" && g.Checked() == "P");
}

TEST(PrincipleToggle, LongTextsAreCutAndTheLetterStillFits) {
    auto replaceE = [](const std::string& text) {  // E active, then M clicked
        Buttons g;
        g.Click(kPrincipleE).text = text;
        return g.Click(kPrincipleM).text;
    };
    EXPECT_EQ(replaceE(std::string(34, 'a')), std::string(33, 'a') + "M");
    EXPECT_EQ(replaceE(std::string(35, 'b')), std::string(33, 'b') + "M") << "longer than 34: cut to 33";
    EXPECT_EQ(replaceE(std::string(32, 'c') + std::string(10, '\x90')), std::string(32, 'c') + "M")
        << "the cut must not split a double-byte character";
    // No letter active: a full 63-byte text gives its last byte up to the letter; a longer one
    // is read as 63 bytes.
    EXPECT_EQ((Buttons{{}, {}, std::string(63, 'd')}.Click(kPrincipleE).text), std::string(62, 'd') + "E");
    Buttons off{{{0, 0, 0, 0, 1}}, {}, std::string(70, 'e')};
    EXPECT_EQ(off.Click(kPrincipleL).text, std::string(63, 'e'));
}

// Only a single-byte last character counts: a trail byte can have a letter's value.
TEST(PrincipleRestore, LastCharacterOfTheHostsText) {
    for (auto [text, principle] :
         {std::pair{"0.01E", int{kPrincipleE}}, {"0.01N", kPrinciple0M}, {"L", kPrincipleL}, {"0.01e", -1},
          {"", -1}, {"0.01\x81\x45", -1}, {"\xa6\xd5N", kPrinciple0M}}) {
        PrincipleState state;
        const int restored = RestorePrinciple(state, text);
        EXPECT_TRUE(restored == principle && state.letter == PrincipleLetter(principle)) << text;
    }
    Buttons g{{}, {}, "0.03N"};
    g.checked[RestorePrinciple(g.state, g.text)] = true;
    EXPECT_TRUE(g.Click(kPrinciple0M).text == "0.03" && g.Checked().empty()) << "clicked off by its button";
}

// A user presses only enabled buttons and the checked characteristic is the last one picked:
// then the button states say exactly whether a press would change a count, and the counts stay
// within their limits, whatever the order of clicks. Presses of a disabled button that reach the
// model anyway (a command a program sends) change nothing.
TEST(Combination, ButtonStatesFollowTheLimitsOverRandomSessions) {
    std::mt19937 rng(1184);
    for (int session = 0; session < 200; ++session) {
        CombinationCounts c;
        int checked = -1;
        for (int step = 0; step < 80; ++step) {
            const int action = static_cast<int>(rng() % 3);
            if (action == 0 || checked < 0) {
                checked = static_cast<int>(rng() % kCharacteristicCount);
                c.Pick(checked);
            } else {
                const bool enabled = action == 1 ? c.PlusEnabled() : c.MinusEnabled();
                ASSERT_EQ(action == 1 ? c.Plus(checked) : c.Minus(checked), enabled);
            }
            int sum = 0;
            for (int n : c.Counts()) {
                ASSERT_TRUE(n >= 0 && n <= CombinationCounts::kPerCharacteristic);
                sum += n;
            }
            ASSERT_TRUE(sum == c.Total() && sum <= CombinationCounts::kTotal);
            const int n = c.Count(checked);
            const bool room = n < CombinationCounts::kPerCharacteristic && sum < CombinationCounts::kTotal;
            ASSERT_EQ(c.PlusEnabled(), room)
                << "session " << session << " step " << step;
            ASSERT_EQ(c.MinusEnabled(), n > 0) << "session " << session << " step " << step;
        }
    }
}

}  // namespace
