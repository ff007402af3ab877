// The anchor table, from the bitmap descriptions (res/bitmaps/WELDS*.bmpdesc) through the
// table bmpgen lists at build time: the red pixel of each bitmap and the table cannot disagree.
#include <cstdlib>
#include <cstring>

#include "weld/weld_rules.h"

namespace weld {
namespace {

struct NamedAnchor {
    const char* name;
    int x;
    int y;
};

constexpr NamedAnchor kNamed[] = {
#include "weld_anchors.inc"
};

constexpr const char kPrefix[] = "WELDS";

// Slot of a bitmap number in the table: k for bitmap k + 1, the last slot for bitmap 49.
int SlotOf(int bitmap) {
    if (bitmap >= 1 && bitmap < kAnchorCount) return bitmap - 1;
    return bitmap == kMiddleBitmap ? kAnchorCount - 1 : -1;
}

struct Table {
    Anchor pairs[kAnchorCount] = {};
    Table() {
        for (const NamedAnchor& a : kNamed) {
            if (std::strncmp(a.name, kPrefix, sizeof kPrefix - 1) != 0) continue;
            const int slot = SlotOf(std::atoi(a.name + sizeof kPrefix - 1));
            if (slot >= 0) pairs[slot] = {a.x, a.y};
        }
    }
};

const Table& TheTable() {
    static const Table table;
    return table;
}

}  // namespace

const Anchor* AnchorTable() { return TheTable().pairs; }

Anchor AnchorOf(int bitmap) {
    const int slot = SlotOf(bitmap);
    return slot < 0 ? Anchor{0, 0} : TheTable().pairs[slot];
}

}  // namespace weld
