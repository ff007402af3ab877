// Dimension style page rules on plain values: which preset a stored size selects, hundredths
// for the font dialog's settings, the decimals clamp, and the one-hot groups of the flag word.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>

#include "dimstyle/dim_rules.h"

using namespace dimstyle;

namespace {

TEST(DimRules, PresetsHundredthsAndDecimals) {
    for (auto [stored, preset] : {std::pair{3.45f, 6}, {16.95f, 19}, {-3.5f, -1}, {NAN, -1}, {INFINITY, -1}})
        EXPECT_EQ(PresetNear(stored), preset) << stored;
    for (auto [value, want] : {std::pair{0.004, 0}, {0.005, 1}, {-0.2, -19}, {0.015, 2}, {double{0.015f}, 1},
                               {2e7, 2000000000}, {3e7, INT_MIN}, {-3e7, INT_MIN}, {double{NAN}, INT_MIN}})
        EXPECT_EQ(Hundredths(value), want) << value;
    // Only tolerance decimals are bounded.
    for (auto [in, out] : {std::pair{-1, 0}, {5, 5}, {6, 5}, {INT_MIN, 0}, {INT_MAX, 5}})
        EXPECT_EQ(ClampTolDecimals(in), out) << in;
}

// The winning bit of each group; and whatever word the host holds, saving what was loaded sets
// one bit of the boundary group, at most one of each text page group, and keeps every other bit.
TEST(DimFlags, PrecedenceAndSavingTheLoadedChoices) {
    // State 0x40 before 0x100 before 0x80; position 0x2000, 0x4000, 0x8000, 0x1000; boundary 0x1, 0x2, 0x4.
    for (auto [f, state] : {std::pair{0x0000, ValueState::Shown}, {0x01C0, ValueState::Exact},
                            {0x0180, ValueState::Hidden}, {0x0080, ValueState::Node}, {0xFE3F, ValueState::Shown}})
        EXPECT_EQ(StateOf(f), state) << std::hex << f;
    for (auto [f, pos] : {std::pair{0x0FFF, ValuePos::None}, {0xF000, ValuePos::Above}, {0xD000, ValuePos::InLine},
                          {0x9000, ValuePos::Below}, {0x1000, ValuePos::Custom}})
        EXPECT_EQ(PositionOf(f), pos) << std::hex << f;
    for (auto [f, left, right] :
         {std::tuple{0xF, true, true}, {0x6, true, false}, {0xC, false, true}, {0x8, false, false}})
        EXPECT_EQ(std::pair(BoundaryOf(f).left, BoundaryOf(f).right), std::pair(left, right)) << std::hex << f;
    for (uint32_t w = 0; w <= 0xFFFF; ++w) {
        const auto f = static_cast<uint16_t>(w);
        const ValueState s = StateOf(f);
        const ValuePos p = PositionOf(f);
        const Boundary b = BoundaryOf(f);
        uint16_t saved = WithState(f, s == ValueState::Exact, s == ValueState::Hidden, s == ValueState::Node);
        saved = WithPosition(saved, p == ValuePos::Above, p == ValuePos::InLine, p == ValuePos::Below,
                             p == ValuePos::Custom);
        saved = WithBoundary(saved, b.left, b.right);
        ASSERT_EQ(saved & 0x0E30, f & 0x0E30) << std::hex << w;
        ASSERT_EQ(__builtin_popcount(saved & 0x000F), 1) << std::hex << w;
        ASSERT_LE(__builtin_popcount(saved & 0x01C0), 1) << std::hex << w;
        ASSERT_LE(__builtin_popcount(saved & 0xF000), 1) << std::hex << w;
        ASSERT_TRUE(StateOf(saved) == s && PositionOf(saved) == p) << std::hex << w;
        ASSERT_TRUE(BoundaryOf(saved).left == b.left && BoundaryOf(saved).right == b.right) << std::hex << w;
    }
}

}  // namespace
