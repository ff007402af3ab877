// Roughness dialog rules at the edges the dialog test does not reach: every shape code, codes
// outside the documented set, exact size matching.
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

TEST(RoughSizes, OnlyAnExact32BitMatchSelectsAListEntry) {
    const std::pair<float, int> cases[] = {
        {3.5f, 6}, {20.0f, 20}, {3.25f, -1}, {3.5000002f, -1}, {std::nanf(""), -1}};
    for (auto [size, index] : cases) EXPECT_EQ(rough::MatchSize(size), index) << size;
}

}  // namespace
