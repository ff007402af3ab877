#include "geotol/gt_combination.h"

namespace geotol {

bool CombinationCounts::Pick(int characteristic) {
    if (!Valid(characteristic)) return false;
    // The buttons first follow the count the characteristic had before the click.
    const int before = m_counts[characteristic];
    m_minusEnabled = before > 0;
    m_plusEnabled = before < kPerCharacteristic && m_total < kTotal;
    return AddOne(characteristic);
}

bool CombinationCounts::Plus(int checked) { return Valid(checked) && AddOne(checked); }

bool CombinationCounts::AddOne(int characteristic) {
    if (m_counts[characteristic] >= kPerCharacteristic || m_total >= kTotal) {
        m_plusEnabled = false;
        return false;
    }
    const int now = ++m_counts[characteristic];
    ++m_total;
    m_minusEnabled = true;
    if (now >= kPerCharacteristic || m_total >= kTotal) m_plusEnabled = false;
    return true;
}

bool CombinationCounts::Minus(int checked) {
    if (!Valid(checked)) return false;
    if (m_counts[checked] <= 0) {
        m_minusEnabled = false;
        return false;
    }
    const int now = --m_counts[checked];
    --m_total;
    m_plusEnabled = true;
    if (now == 0) m_minusEnabled = false;
    return true;
}

}  // namespace geotol
