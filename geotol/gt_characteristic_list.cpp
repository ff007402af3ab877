#include "geotol/gt_characteristic_list.h"

namespace geotol {
namespace {

constexpr int kFormFirst = 0;
constexpr int kPositionFirst = 6;
constexpr int kCoaxiality = 9;

int FirstNumber(CharacteristicList list) {
    return list == CharacteristicList::Form ? kFormFirst : kPositionFirst;
}

}  // namespace

int ListLength(CharacteristicList list) { return list == CharacteristicList::Form ? 6 : 8; }

int NumberAt(CharacteristicList list, int position) {
    if (position < 0 || position >= ListLength(list)) return -1;
    return FirstNumber(list) + position;
}

int ClampPosition(CharacteristicList list, int position) {
    return NumberAt(list, position) < 0 ? 0 : position;
}

int TypeFlagAt(CharacteristicList list, int position) {
    const int number = NumberAt(list, position);
    if (number < 0) return 0;
    if (list == CharacteristicList::Form) return Catalogue(number).table == Table::Roundness ? 1 : 0;
    return number == kCoaxiality ? 1 : 0;
}

Table TableAt(CharacteristicList list, int position) {
    const int number = NumberAt(list, position);
    return number < 0 ? Table::None : Catalogue(number).table;
}

Table OpeningTable(CharacteristicList list) { return Catalogue(FirstNumber(list)).table; }

}  // namespace geotol
