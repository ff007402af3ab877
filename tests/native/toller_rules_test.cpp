// Window-free text rules of the dimension and tolerance dialog. The opening modes, switches, the
// flag word and the record's bytes between guards are checked through the export by the Wine test.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "toller/toller_rules.h"

namespace {

using namespace toller;

TEST(TollerTexts, OneClosingParenthesisDropped) {
    for (auto [in, out] : {std::pair{"+0.021)", "+0.021"}, {"-0.01))", "-0.01)"}, {")", ""}, {"", ""},
                           {"(0.1", "(0.1"}, {"0.1) ", "0.1) "}}) {
        char field[kTollerTextBytes] = {};
        std::strcpy(field, in);
        DropClosingParen(field);
        EXPECT_STREQ(field, out);
    }
    char full[kTollerTextBytes];  // no NUL: the last byte of the field is the last character
    std::memset(full, '1', sizeof full);
    full[39] = ')';
    DropClosingParen(full);
    EXPECT_TRUE(full[39] == 0 && full[38] == '1');
}

TEST(TollerTexts, BasicSizeReadsNoFurtherThanTheValueField) {
    TollerRecord rec{};
    std::memset(rec.szValue, '9', 40);
    rec.szZone[0] = '9';
    EXPECT_EQ(BasicSize(rec), std::stod(std::string(40, '9')));
    std::strcpy(rec.szValue, "-25");
    EXPECT_EQ(BasicSize(rec), -25.0);  // the sheets take the absolute value
}

}  // namespace
