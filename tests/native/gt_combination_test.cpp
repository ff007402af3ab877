// Counting rules of the characteristic combination dialog.
#include <gtest/gtest.h>

#include <random>

#include "geotol/gt_combination.h"

namespace {

using geotol::CombinationCounts;

constexpr int kStraightness = 0;
constexpr int kFlatness = 1;
constexpr int kRoundness = 2;
constexpr int kTotalRunout = 13;

TEST(Combination, OneCharacteristicStopsAtFive) {
    CombinationCounts c;
    EXPECT_TRUE(c.PlusEnabled() && c.MinusEnabled()) << "both buttons start enabled";
    EXPECT_TRUE(c.Pick(kStraightness));
    EXPECT_EQ(c.Count(kStraightness), 1);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(c.Plus(kStraightness));
    EXPECT_EQ(c.Count(kStraightness), 5);
    EXPECT_FALSE(c.PlusEnabled());
    EXPECT_TRUE(c.MinusEnabled());

    // Clicking the characteristic again changes nothing and leaves "++" disabled.
    EXPECT_FALSE(c.Pick(kStraightness));
    EXPECT_EQ(c.Count(kStraightness), 5);
    EXPECT_EQ(c.Total(), 5);
    EXPECT_FALSE(c.PlusEnabled());
    EXPECT_TRUE(c.MinusEnabled());
}

TEST(Combination, TotalStopsAtTenAndDisablesBothButtonsForAnEmptyCharacteristic) {
    CombinationCounts c;
    for (int i = 0; i < 5; ++i) c.Pick(kStraightness);
    for (int i = 0; i < 4; ++i) c.Pick(kFlatness);
    EXPECT_TRUE(c.PlusEnabled()) << "flatness at 4, total 9";
    EXPECT_TRUE(c.Plus(kFlatness));
    EXPECT_EQ(c.Total(), 10);
    EXPECT_FALSE(c.PlusEnabled());

    EXPECT_FALSE(c.Pick(kTotalRunout));
    EXPECT_EQ(c.Count(kTotalRunout), 0);
    EXPECT_FALSE(c.PlusEnabled());
    EXPECT_FALSE(c.MinusEnabled()) << "nothing of total run-out to remove";

    // A characteristic that has entries can give one back, which makes room again.
    EXPECT_FALSE(c.Pick(kFlatness));
    EXPECT_TRUE(c.MinusEnabled());
    EXPECT_FALSE(c.PlusEnabled());
    EXPECT_TRUE(c.Minus(kFlatness));
    EXPECT_EQ(c.Total(), 9);
    EXPECT_TRUE(c.PlusEnabled());
    EXPECT_TRUE(c.Pick(kTotalRunout));
    EXPECT_EQ(c.Count(kTotalRunout), 1);
    EXPECT_FALSE(c.PlusEnabled()) << "total back at 10";
}

TEST(Combination, MinusToZeroThenPickAddsAgain) {
    CombinationCounts c;
    c.Pick(kRoundness);
    c.Plus(kRoundness);
    EXPECT_TRUE(c.Minus(kRoundness));
    EXPECT_TRUE(c.MinusEnabled());
    EXPECT_TRUE(c.Minus(kRoundness));
    EXPECT_EQ(c.Count(kRoundness), 0);
    EXPECT_FALSE(c.MinusEnabled());
    EXPECT_TRUE(c.PlusEnabled());
    EXPECT_TRUE(c.Pick(kRoundness));
    EXPECT_EQ(c.Count(kRoundness), 1);
    EXPECT_TRUE(c.MinusEnabled());
}

TEST(Combination, PressesWithoutACheckedCharacteristicOrBeyondTheLimitsChangeNothing) {
    CombinationCounts c;
    EXPECT_FALSE(c.Plus(-1));
    EXPECT_FALSE(c.Minus(-1));
    EXPECT_FALSE(c.Pick(14));
    EXPECT_FALSE(c.Pick(-1));
    EXPECT_EQ(c.Total(), 0);
    EXPECT_TRUE(c.PlusEnabled() && c.MinusEnabled());

    // Presses that a program sends to a disabled button keep the limits.
    EXPECT_FALSE(c.Minus(kFlatness));
    EXPECT_EQ(c.Count(kFlatness), 0);
    for (int i = 0; i < 5; ++i) c.Pick(kFlatness);
    EXPECT_FALSE(c.Plus(kFlatness));
    EXPECT_EQ(c.Count(kFlatness), 5);
    for (int i = 0; i < 5; ++i) c.Pick(kStraightness);
    EXPECT_FALSE(c.Plus(kStraightness)) << "total at 10";
    EXPECT_EQ(c.Total(), 10);
}

// A user presses only enabled buttons and the checked characteristic is the last one picked:
// then the button states say exactly whether a press would change a count, and the counts
// stay within their limits, whatever the order of clicks.
TEST(Combination, ButtonStatesFollowTheLimitsOverRandomSessions) {
    std::mt19937 rng(1184);
    for (int session = 0; session < 200; ++session) {
        CombinationCounts c;
        int checked = -1;
        for (int step = 0; step < 80; ++step) {
            const int action = static_cast<int>(rng() % 3);
            if (action == 0 || checked < 0) {
                checked = static_cast<int>(rng() % geotol::kCharacteristicCount);
                c.Pick(checked);
            } else if (action == 1 && c.PlusEnabled()) {
                ASSERT_TRUE(c.Plus(checked));
            } else if (action == 2 && c.MinusEnabled()) {
                ASSERT_TRUE(c.Minus(checked));
            }
            int sum = 0;
            for (int n : c.Counts()) {
                ASSERT_GE(n, 0);
                ASSERT_LE(n, CombinationCounts::kPerCharacteristic);
                sum += n;
            }
            ASSERT_EQ(sum, c.Total());
            ASSERT_LE(sum, CombinationCounts::kTotal);
            const int n = c.Count(checked);
            ASSERT_EQ(c.PlusEnabled(), n < CombinationCounts::kPerCharacteristic && sum < CombinationCounts::kTotal)
                << "session " << session << " step " << step;
            ASSERT_EQ(c.MinusEnabled(), n > 0) << "session " << session << " step " << step;
        }
    }
}

}  // namespace
