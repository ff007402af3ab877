// Counting rules of the characteristic combination dialog.
#include <gtest/gtest.h>

#include <random>

#include "geotol/gt_combination.h"

namespace {

using geotol::CombinationCounts;

// Presses that reach the model although their button is disabled (a command a program sends)
// or with nothing checked change no count.
TEST(Combination, PressesOutsideTheLimitsChangeNothing) {
    CombinationCounts c;
    EXPECT_FALSE(c.Plus(-1) || c.Minus(-1) || c.Minus(0));
    for (int i = 0; i < 5; ++i) c.Pick(1);
    EXPECT_FALSE(c.Plus(1)) << "five of one";
    for (int i = 0; i < 5; ++i) c.Pick(2);
    EXPECT_FALSE(c.Plus(13) || c.Minus(13)) << "ten in all, none of 13";
    EXPECT_TRUE(c.Total() == 10 && c.Count(13) == 0);
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
