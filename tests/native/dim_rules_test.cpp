// Dimension style page rules on plain values: which preset a stored size selects, number texts
// in and out, the clamps, and the one-hot groups of the flag word.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "dimstyle/dim_rules.h"

using namespace dimstyle;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(DimSizes, StoredSizeSelectsThePresetWithinATenth) {
    const std::pair<float, const char*> cases[] = {
        {3.5f, "3.5"},  {3.55f, "3.5"}, {3.45f, "3.5"}, {3.2f, "none"}, {0.5f, "0.5"},
        {0.0f, "none"}, {0.41f, "0.5"}, {20.05f, "20"}, {20.2f, "none"}, {7.5f, "none"},
        {11.0f, "none"}, {16.95f, "17"}, {-3.5f, "none"}, {kNaN, "none"}, {kInf, "none"},
        {-kInf, "none"}, {3.4e38f, "none"},
    };
    for (auto [stored, preset] : cases) {
        const int i = PresetNear(stored);
        EXPECT_EQ(i < 0 ? "none" : FormatG(kSizes[i]), preset) << stored;
    }
}

TEST(DimTexts, ShownAsPrintfGScannedOnlyWhenANumberIsFound) {
    const std::pair<float, const char*> shown[] = {
        {3.2f, "3.2"}, {0.0f, "0"}, {2.75f, "2.75"}, {1234567.0f, "1.23457e+06"}, {kInf, "inf"}, {-kInf, "-inf"}};
    for (auto [value, text] : shown) EXPECT_EQ(FormatG(value), text);
    EXPECT_NE(FormatG(kNaN).find("nan"), std::string::npos);
    EXPECT_EQ(FormatG(3.4e38f).size(), std::string("3.4e+38").size());

    struct { const char* text; float before, after; } floats[] = {
        {"2.5", 1, 2.5f}, {"", 1, 1}, {"abc", 1, 1}, {"  7", 1, 7}, {"3x", 1, 3}, {"-0.25", 1, -0.25f},
        {"1e2", 0, 100}, {".", 9, 9}};
    for (const auto& c : floats) {
        float field = c.before;
        ScanFloat(c.text, field);
        EXPECT_EQ(field, c.after) << '"' << c.text << '"';
    }
    struct { const char* text; int32_t before, after; } ints[] = {
        {"9", 2, 9}, {"", 2, 2}, {"x1", 2, 2}, {"-3", 2, -3}, {"4.9", 2, 4}};
    for (const auto& c : ints) {
        int32_t field = c.before;
        ScanInt(c.text, field);
        EXPECT_EQ(field, c.after) << '"' << c.text << '"';
    }
    // atof of a size combo: no number gives 0.
    for (auto [text, value] : {std::pair{"2.75", 2.75}, {"", 0.0}, {"abc", 0.0}}) EXPECT_EQ(Atof(text), value);
}

TEST(DimNumbers, HundredthsClampsAndRaises) {
    const std::pair<double, int> hundredths[] = {
        {3.5, 350}, {0.0, 0}, {0.004, 0}, {0.005, 1}, {1.0 / 3, 33}, {-0.2, -19}, {0.015, 2}, {0.015f, 1},
        {2e7, 2000000000}, {3e7, INT_MIN}, {-3e7, INT_MIN}, {std::nan(""), INT_MIN}, {HUGE_VAL, INT_MIN}};
    for (auto [value, want] : hundredths) EXPECT_EQ(Hundredths(value), want) << value;
    // Only tolerance decimals are bounded.
    const std::pair<int32_t, int32_t> decimals[] = {{-1, 0}, {0, 0}, {3, 3}, {5, 5}, {6, 5}, {9, 5}, {INT_MIN, 0},
                                                    {INT_MAX, 5}};
    for (auto [in, out] : decimals) EXPECT_EQ(ClampTolDecimals(in), out) << in;
    for (auto [in, out] : {std::pair{0.4f, 1.0f}, {-2.0f, 1.0f}, {1.0f, 1.0f}, {2.5f, 2.5f}})
        EXPECT_EQ(RaiseExtArrowLen(in), out) << in;
}

TEST(DimFlags, GroupPrecedenceOnLoadAndSave) {
    const std::pair<uint16_t, ValueState> states[] = {
        {0x0000, ValueState::Shown}, {0x0040, ValueState::Exact}, {0x0080, ValueState::Node},
        {0x0100, ValueState::Hidden}, {0x0140, ValueState::Exact}, {0x0180, ValueState::Hidden},
        {0x00C0, ValueState::Exact}, {0xFE3F, ValueState::Shown}, {0xFFFF, ValueState::Exact}};
    for (auto [flags, state] : states) EXPECT_EQ(StateOf(flags), state) << std::hex << flags;
    const std::pair<uint16_t, ValuePos> positions[] = {
        {0x0000, ValuePos::None}, {0x1000, ValuePos::Custom}, {0x2000, ValuePos::Above},
        {0x4000, ValuePos::InLine}, {0x8000, ValuePos::Below}, {0xF000, ValuePos::Above},
        {0xC000, ValuePos::InLine}, {0x9000, ValuePos::Below}, {0x0FFF, ValuePos::None}};
    for (auto [flags, pos] : positions) EXPECT_EQ(PositionOf(flags), pos) << std::hex << flags;
    const std::pair<uint16_t, std::pair<bool, bool>> boundaries[] = {
        {0x1, {1, 1}}, {0x2, {1, 0}}, {0x4, {0, 1}}, {0x8, {0, 0}}, {0x0, {0, 0}},
        {0x6, {1, 0}}, {0xF, {1, 1}}, {0xC, {0, 1}}, {0xFFF0, {0, 0}}};
    for (auto [flags, sides] : boundaries) {
        const Boundary b = BoundaryOf(flags);
        EXPECT_EQ(std::pair(b.left, b.right), sides) << std::hex << flags;
    }
    // The boundary group always saves one bit; the text page groups are saved word by word below.
    EXPECT_EQ(WithBoundary(0xFFFF, true, true), 0xFFF1);
    EXPECT_EQ(WithBoundary(0x0006, true, false), 0x0002);
    EXPECT_EQ(WithBoundary(0x0E00, false, true), 0x0E04);
    EXPECT_EQ(WithBoundary(0x0001, false, false), 0x0008);
}

// Whatever word the host holds, saving what was loaded sets at most one bit of each text page
// group and keeps every other bit.
TEST(DimFlags, SavingTheLoadedRadiosKeepsForeignBits) {
    for (uint32_t w = 0; w <= 0xFFFF; ++w) {
        const auto f = static_cast<uint16_t>(w);
        const ValueState s = StateOf(f);
        const ValuePos p = PositionOf(f);
        uint16_t saved = WithState(f, s == ValueState::Exact, s == ValueState::Hidden, s == ValueState::Node);
        saved = WithPosition(saved, p == ValuePos::Above, p == ValuePos::InLine, p == ValuePos::Below,
                             p == ValuePos::Custom);
        ASSERT_EQ(saved & 0x0E3F, f & 0x0E3F) << std::hex << w;
        ASSERT_LE(__builtin_popcount(saved & 0x01C0), 1) << std::hex << w;
        ASSERT_LE(__builtin_popcount(saved & 0xF000), 1) << std::hex << w;
        ASSERT_EQ(StateOf(saved), s) << std::hex << w;
        ASSERT_EQ(PositionOf(saved), p) << std::hex << w;
    }
}

}  // namespace
