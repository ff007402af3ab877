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

struct Table {
    Anchor pairs[kAnchorCount] = {};
    Table() {
        for (const NamedAnchor& a : kNamed) {
            if (std::strncmp(a.name, kPrefix, sizeof kPrefix - 1) != 0) continue;
            const int slot = AnchorSlot(std::atoi(a.name + sizeof kPrefix - 1));
            if (slot >= 0) pairs[slot] = {a.x, a.y};
        }
    }
};

const Table& TheTable() {
    static const Table table;
    return table;
}

}  // namespace

int AnchorSlot(int bitmap) {
    if (bitmap >= 1 && bitmap < kAnchorCount) return bitmap - 1;
    return bitmap == kMiddleBitmap ? kAnchorCount - 1 : -1;
}

const Anchor* AnchorTable() { return TheTable().pairs; }

Anchor AnchorOf(int bitmap) {
    const int slot = AnchorSlot(bitmap);
    return slot < 0 ? Anchor{0, 0} : TheTable().pairs[slot];
}

}  // namespace weld
