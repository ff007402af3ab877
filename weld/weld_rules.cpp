#include "weld/weld_rules.h"

namespace weld {
namespace {

bool IsCentredBasic(int n) { return n == 3 || n == 24 || n == 27; }

bool IsUpperBasic(int n) { return n == 1 || n == 25 || n == 28 || (n >= 4 && n <= 22 && n % 2 == 0); }

// Menus of many items are split into columns of nine.
constexpr int kColumnLength = 9;

}  // namespace

bool IsBasic(int n) { return n >= 1 && n <= kBasicCount; }
bool IsAux(int v) { return v >= 1 && v <= kAuxCount; }

Side BasicSide(int n) {
    if (IsCentredBasic(n)) return Side::Centred;
    return IsUpperBasic(n) ? Side::Upper : Side::Lower;
}

Side AuxSide(int v) { return IsAux(v) && v % 2 == 1 ? Side::Upper : Side::Lower; }

void PickBasic(int n, std::int32_t& basic1, std::int32_t& basic2) {
    if (IsCentredBasic(n)) {
        basic1 = n;
        basic2 = kNone;
    } else if (n == basic1) {
        basic1 = kNone;
    } else if (n == basic2) {
        basic2 = kNone;
    } else if (IsUpperBasic(n)) {
        basic1 = n;
    } else {
        basic2 = n;
    }
    // A centred symbol gives way to a one-sided one picked for the other side.
    if (IsCentredBasic(basic1) && basic2 != kNone) {
        basic1 = basic2;
        basic2 = kNone;
    }
    if (IsCentredBasic(basic2) && basic1 != kNone) basic2 = kNone;
}

void PickAux(int v, std::int32_t& aux1, std::int32_t& aux2) {
    if (v == aux1)
        aux1 = kNone;
    else if (v == aux2)
        aux2 = kNone;
    else if (v % 2 == 0)
        aux2 = v;
    else
        aux1 = v;
}

bool ApplyCommand(unsigned id, WeldRecord& rec) {
    if (id >= kTailCommandFirst && id < kTailCommandFirst + kSupplementCount) {
        std::int32_t& flag = rec.bTail[id - kTailCommandFirst];
        flag = flag == 0 ? 1 : 0;
    } else if (id >= kHeadCommandFirst && id < kHeadCommandFirst + kSupplementCount) {
        std::int32_t& flag = rec.bHead[id - kHeadCommandFirst];
        flag = flag == 0 ? 1 : 0;
    } else if (id >= kBasicCommandFirst && id < kBasicCommandFirst + kBasicCount) {
        PickBasic(static_cast<int>(id - kBasicCommandFirst) + 1, rec.nBasic1, rec.nBasic2);
    } else if (id >= kAuxCommandFirst && id < kAuxCommandFirst + kAuxCount) {
        PickAux(static_cast<int>(id - kAuxCommandFirst) + 1, rec.nAux1, rec.nAux2);
    } else if (id == kMiddleCommand) {
        rec.nMiddle = rec.nMiddle > 0 ? kNone : 1;
    } else {
        return false;
    }
    return true;
}

int IdentificationLineY(int lineType) {
    return lineType == 1 ? kDashedAboveY : lineType == 2 ? kDashedBelowY : 0;
}

int SymbolY(Side side, int lineType) {
    if (side == Side::Upper) return lineType == 1 ? kDashedAboveY : kLineY;
    return lineType == 2 ? kDashedBelowY : kLineY;
}

std::vector<Placement> PreviewPlacements(const WeldRecord& rec) {
    std::vector<Placement> out;
    for (int n : {rec.nBasic1, rec.nBasic2})
        if (IsBasic(n)) out.push_back({n, kSymbolX, SymbolY(BasicSide(n), rec.nLineType)});
    for (int v : {rec.nAux1, rec.nAux2})
        if (IsAux(v)) out.push_back({kAuxBitmapBase + v, kSymbolX, SymbolY(AuxSide(v), rec.nLineType)});
    for (int i = 0; i < kSupplementCount; ++i)
        if (rec.bHead[i] != 0) out.push_back({kSupplementBitmapFirst + i, kLineLeft, kLineY});
    for (int i = 0; i < kSupplementCount; ++i)
        if (rec.bTail[i] != 0) out.push_back({kSupplementBitmapFirst + i, kLineRight, kLineY});
    if (rec.nMiddle == 1) out.push_back({kMiddleBitmap, kMiddleX, kLineY});
    return out;
}

std::vector<MenuEntry> MenuEntries(Menu menu, const WeldRecord& rec) {
    std::vector<MenuEntry> out;
    const auto add = [&](int bitmap, unsigned command, bool checked) {
        const int index = static_cast<int>(out.size());
        const bool columns = menu == Menu::Basic || menu == Menu::Aux;
        out.push_back({bitmap, command, checked, columns && index > 0 && index % kColumnLength == 0});
    };
    switch (menu) {
        case Menu::Basic:
            for (int n = 1; n <= kBasicCount; ++n)
                add(n, kBasicCommandFirst + n - 1, n == rec.nBasic1 || n == rec.nBasic2);
            break;
        case Menu::Aux:
            for (int v = 1; v <= kAuxCount; ++v)
                add(kAuxBitmapBase + v, kAuxCommandFirst + v - 1, v == rec.nAux1 || v == rec.nAux2);
            break;
        case Menu::Head:
        case Menu::Tail: {
            const std::int32_t* flags = menu == Menu::Head ? rec.bHead : rec.bTail;
            const unsigned first = menu == Menu::Head ? kHeadCommandFirst : kTailCommandFirst;
            for (int i = 0; i < kSupplementCount; ++i) add(kSupplementBitmapFirst + i, first + i, flags[i] != 0);
            break;
        }
        case Menu::Middle:
            add(kMiddleBitmap, kMiddleCommand, rec.nMiddle == 1);
            break;
    }
    return out;
}

}  // namespace weld
