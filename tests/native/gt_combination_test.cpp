// Counting rules of the characteristic combination dialog.
#include <gtest/gtest.h>

#include <random>

#include "geotol/gt_combination.h"

namespace {

using geotol::CombinationCounts;

TEST(Combination, FiveOfOneTenInAll) {
    CombinationCounts c;
    EXPECT_TRUE(c.Plus(-1) == false && c.Minus(-1) == false && c.Total() == 0) << "nothing checked";
    EXPECT_TRUE(c.Pick(0));
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(c.Plus(0));
    EXPECT_EQ(c.Count(0), 5);
    EXPECT_FALSE(c.PlusEnabled());
    EXPECT_FALSE(c.Pick(0)) << "a sixth click changes nothing";
    EXPECT_TRUE(!c.PlusEnabled() && c.MinusEnabled());

    for (int i = 0; i < 5; ++i) c.Pick(1);
    EXPECT_EQ(c.Total(), 10);
    EXPECT_FALSE(c.Pick(13));
    EXPECT_TRUE(c.Count(13) == 0 && !c.PlusEnabled() && !c.MinusEnabled()) << "nothing to add or remove";
    // Presses that a program sends to the disabled buttons keep the limits.
    EXPECT_FALSE(c.Plus(13) || c.Minus(13));
    EXPECT_FALSE(c.Plus(1));
    EXPECT_EQ(c.Total(), 10);

    // Down to zero disables "- -"; the next click on the characteristic adds one again.
    c.Pick(1);
    while (c.MinusEnabled()) ASSERT_TRUE(c.Minus(1));
    EXPECT_TRUE(c.Count(1) == 0 && c.PlusEnabled());
    EXPECT_TRUE(c.Pick(1));
    EXPECT_EQ(c.Count(1), 1);
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
                ASSERT_TRUE(n >= 0 && n <= CombinationCounts::kPerCharacteristic);
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
