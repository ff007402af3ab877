// The host's weld symbol record, shared with hosts that link against the module.
#pragma once

#include <cstddef>
#include <cstdint>

#include "framework/afxstr.h"

// Sixteen 32-bit values, then ten framework strings (one pointer each). The host reads and
// writes the strings with the same string class, so the module assigns to them directly:
// copying in shares a host string by reference count (or copies it when its count is
// negative), copying back leaves heap data of the shared C runtime in every changed field.
struct WeldRecord {
    std::int32_t nBasic1;    // basic symbol 1-29, -1 none; normally upper or centred
    std::int32_t nBasic2;    // basic symbol 1-29, -1 none; normally lower
    std::int32_t nAux1;      // auxiliary symbol 1-8 (bitmap 30 + value), -1 none; normally odd
    std::int32_t nAux2;      // auxiliary symbol 1-8, -1 none; normally even
    std::int32_t nMiddle;    // 1: staggered symbol in the middle, -1: none
    std::int32_t nLineType;  // 0 no dashed line, 1 dashed line above, 2 dashed line below
    std::int32_t bHead[5];   // head supplementary symbols, bitmaps 39-43, 0 or 1 each
    std::int32_t bTail[5];   // tail supplementary symbols, bitmaps 39-43, 0 or 1 each
    CString strUpLeft;       // texts around the symbol, GBK
    CString strUpMid;
    CString strUpRight;
    CString strDownLeft;
    CString strDownMid;
    CString strDownRight;
    CString strUpFar;
    CString strDownFar;
    CString strReserved;     // passes through unchanged
    CString strTail;
};

static_assert(offsetof(WeldRecord, bHead) == 24 && offsetof(WeldRecord, bTail) == 44 &&
                  offsetof(WeldRecord, strUpLeft) == 64,
              "WeldRecord: sixteen 32-bit values first");
static_assert(offsetof(WeldRecord, strTail) == 64 + 9 * sizeof(void*),
              "WeldRecord: ten strings after the values");
static_assert(sizeof(void*) != 4 || sizeof(WeldRecord) == 104, "WeldRecord is 104 bytes in the i686 build");
static_assert(sizeof(void*) != 8 || sizeof(WeldRecord) == 144, "WeldRecord is 144 bytes in the x86_64 build");
