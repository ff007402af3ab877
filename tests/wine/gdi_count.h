// Live GDI objects of the process, counted by probing handle values with GetObjectType:
// GetGuiResources is a stub under Wine. Wine takes a handle's low word as its table index and
// accepts a zero upper word whatever the entry's generation, so the low 16 bits cover the table.
#pragma once

#include <windows.h>

namespace winetest {

inline int LiveGdiObjects() {
    int n = 0;
    for (UINT_PTR h = 1; h < 0x10000; ++h)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(h)) != 0) ++n;
    return n;
}

}  // namespace winetest
