#include "geotol/gt_combined.h"

#include <cstring>

#include "framework/gbk.h"

namespace geotol {

CombinedLists CombinedListsFor(CombinedVariant variant, int characteristic) {
    if (!IsCharacteristic(characteristic)) return {Table::None, Table::None, true};
    const Characteristic& c = Catalogue(characteristic);
    const Group own = variant == CombinedVariant::Position ? Group::Position : Group::Form;
    if (c.group != own) {
        // The position variant fills its grades "1".."12" for every characteristic but 11;
        // the form variant picks its grade list by characteristic and has none for the others.
        if (variant == CombinedVariant::Position) return {Table::Parallelism, Table::None, true};
        return {Table::None, Table::None, true};
    }
    if (c.table == Table::None) return {Table::None, Table::None, false};
    return {c.table, c.table, true};
}

void CopyFieldText(char* dst, const char* src, std::size_t width) {
    const std::size_t n = gbk::FieldLength(src, width);
    std::memmove(dst, src, n);
    if (n < width) dst[n] = 0;
}

}  // namespace geotol
