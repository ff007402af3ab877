// Weld symbol rules that need no window: placement classes, the pick rules of the five symbol
// menus, what each menu offers and checks, and where the preview places each bitmap.
#pragma once

#include <cstdint>
#include <vector>

#include "weld/WeldRecord.h"

namespace weld {

constexpr int kNone = -1;
constexpr int kBasicCount = 29;      // bitmaps 1-29
constexpr int kAuxCount = 8;         // bitmaps 31-38
constexpr int kAuxBitmapBase = 30;   // auxiliary value v is bitmap 30 + v
constexpr int kSupplementCount = 5;  // bitmaps 39-43, at the head and at the tail
constexpr int kSupplementBitmapFirst = 39;
constexpr int kMiddleBitmap = 49;

// Menu command identifiers, as the host's menus have always numbered them.
constexpr unsigned kBasicCommandFirst = 200;  // 199 + basic number
constexpr unsigned kAuxCommandFirst = 300;    // 299 + auxiliary value
constexpr unsigned kHeadCommandFirst = 400;
constexpr unsigned kTailCommandFirst = 500;
constexpr unsigned kMiddleCommand = 600;

enum class Side { Upper, Lower, Centred };

// The side of a basic symbol 1-29 or an auxiliary value 1-8 (Lower for anything else).
Side BasicSide(int n);
Side AuxSide(int v);

bool IsBasic(int n);
bool IsAux(int v);

// Applies a menu command to the record's symbols. Returns false for identifiers no menu has,
// leaving the record as it was.
bool ApplyCommand(unsigned id, WeldRecord& rec);

// The basic and auxiliary pick rules by themselves.
void PickBasic(int n, std::int32_t& basic1, std::int32_t& basic2);
void PickAux(int v, std::int32_t& aux1, std::int32_t& aux2);

// Preview geometry in dialog client pixels.
constexpr int kLineLeft = 48;
constexpr int kLineRight = 372;
constexpr int kLineY = 92;
constexpr int kDashedAboveY = 86;
constexpr int kDashedBelowY = 98;
constexpr int kSymbolX = 160;
constexpr int kMiddleX = 282;

// The y of the identification line, or 0 when the line type shows none.
int IdentificationLineY(int lineType);
// The line a symbol of this side stands on (upper) or hangs from (lower, centred).
int SymbolY(Side side, int lineType);

struct Placement {
    int bitmap;  // bitmap number
    int x;       // target point of the bitmap's anchor
    int y;
};
// Every bitmap the preview shows, in painting order; out-of-range numbers show nothing.
std::vector<Placement> PreviewPlacements(const WeldRecord& rec);

// The menus, by the button that opens them.
enum class Menu { Basic, Aux, Head, Tail, Middle };
struct MenuEntry {
    int bitmap;
    unsigned command;
    bool checked;
    bool newColumn;  // a menu-bar break before this item
};
std::vector<MenuEntry> MenuEntries(Menu menu, const WeldRecord& rec);

// The anchor of a bitmap: the pixel placed on the target point (generated from the bitmap
// descriptions). Bitmaps that do not exist give (0, 0).
struct Anchor {
    int x;
    int y;
};
Anchor AnchorOf(int bitmap);
// The table itself: pair k for bitmap k + 1 (k = 0..42), the last pair for bitmap 49.
constexpr int kAnchorCount = 44;
const Anchor* AnchorTable();
// The pair of a bitmap in that table, or -1 for numbers it has no pair for.
int AnchorSlot(int bitmap);

}  // namespace weld
