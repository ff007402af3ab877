// Roughness dialog rules at the edges the dialog test does not reach: every shape code, codes
// outside the documented set, the a2 set-aside step by step, exact size matching.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "roughness/rough_rules.h"

namespace {

TEST(RoughShape, ButtonsKeepTheKneeAndThePreviewFollowsTheCode) {
    for (int code = -128; code <= 127; ++code) {
        const auto shape = static_cast<signed char>(code);
        const int knee = shape >= 10 ? 10 : 0;
        EXPECT_EQ(rough::NextShape(shape, rough::kBtnBasic), knee) << code;
        EXPECT_EQ(rough::NextShape(shape, rough::kBtnRemoval), knee + 1) << code;
        EXPECT_EQ(rough::NextShape(shape, rough::kBtnNoRemoval), knee + 2) << code;
        EXPECT_EQ(rough::NextShape(shape, rough::kBtnKnee), knee ? code - 10 : code + 10) << code;
        // The bar only for 1 and 11, the inner circle only for 2 and 12, the knee from 10 on.
        const rough::PreviewParts p = rough::PreviewFor(shape);
        EXPECT_TRUE(p.bar == (code == 1 || code == 11) && p.innerCircle == (code == 2 || code == 12) &&
                    p.kneeCircle == (code >= 10))
            << code;
    }
}

// The a2 text of the opening comes back once (108, 109, 111); 110 sets the text of that
// moment aside and empties a2. Each row: the button, a text typed before it (or none), then
// a2 and the set-aside text.
TEST(RoughA2, OpeningTextComesBackOnceThenTheTextOfThatMoment) {
    std::string saved = "3.2", a2 = "1.6";
    const struct { int button; const char *typed, *a2, *saved; } steps[] = {
        {rough::kBtnRemoval, nullptr, "3.2", ""}, {rough::kBtnNoRemoval, nullptr, "", "3.2"},
        {rough::kBtnNoRemoval, nullptr, "", "3.2"}, {rough::kBtnBasic, nullptr, "3.2", ""},
        {rough::kBtnNoRemoval, "1.6", "", "1.6"}, {rough::kBtnKnee, nullptr, "1.6", ""},
        {rough::kBtnKnee, nullptr, "1.6", ""}};
    for (const auto& st : steps) {
        if (st.typed) a2 = st.typed;
        rough::AdjustA2(st.button, a2, saved);
        EXPECT_TRUE(a2 == st.a2 && saved == st.saved) << &st - steps << ": a2 \"" << a2 << "\" saved \"" << saved;
    }
}

TEST(RoughSizes, OnlyAnExact32BitMatchSelectsAListEntry) {
    for (auto [size, index] : {std::pair{3.5f, 6}, {20.0f, 20}, {3.25f, -1}, {3.5000002f, -1}, {std::nanf(""), -1}})
        EXPECT_EQ(rough::MatchSize(size), index) << size;
    EXPECT_TRUE(*rough::LayText(0) == 0 && rough::LayIndexOf(rough::kLayNames[0]) == 0);  // 空 stores nothing
}

}  // namespace
