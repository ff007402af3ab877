// Counting rules of the characteristic combination dialog: how many entries of each of the
// fourteen characteristics a combination holds, and when "++" and "- -" may be pressed.
//
// The dialog mirrors this model into its controls after every click; the model alone decides,
// so the rules are tested without a window.
#pragma once

#include <array>

#include "geotol/gt_tables.h"

namespace geotol {

class CombinationCounts {
public:
    static constexpr int kPerCharacteristic = 5;  // entries of one characteristic at most
    static constexpr int kTotal = 10;             // entries of all characteristics at most

    // A characteristic's radio button was clicked (also when it was already checked): adds one
    // entry of it while the limits allow. Returns whether its count changed.
    bool Pick(int characteristic);

    // "++" and "- -" act on the checked characteristic; -1 when none is checked (nothing
    // happens). The buttons are disabled at the limits; a press that reaches the model anyway
    // (a command sent by a program) changes no count, so the limits hold whatever arrives.
    bool Plus(int checked);
    bool Minus(int checked);

    int Count(int characteristic) const { return m_counts[characteristic]; }
    int Total() const { return m_total; }
    const std::array<int, kCharacteristicCount>& Counts() const { return m_counts; }

    // Whether "++" and "- -" are enabled. Both start enabled, as the template has them.
    bool PlusEnabled() const { return m_plusEnabled; }
    bool MinusEnabled() const { return m_minusEnabled; }

private:
    // One more entry when the limits allow; "++" follows the new count.
    bool AddOne(int characteristic);
    static bool Valid(int characteristic) {
        return characteristic >= 0 && characteristic < kCharacteristicCount;
    }

    std::array<int, kCharacteristicCount> m_counts{};
    int m_total = 0;
    bool m_plusEnabled = true;
    bool m_minusEnabled = true;
};

}  // namespace geotol
