// The host's dimension style record, shared by the two pages of the style sheet. Owned by the
// host and handed over by pointer; offsets and widths are the host's. Ranges named unused* are
// the host's own: the module neither reads nor writes them.
#pragma once

#include <cstddef>
#include <cstdint>

struct DimStyleRecord {
    uint32_t dwTextFlags;          // bit 0: full-width characters; other bits kept
    int32_t nFontCode;             // font code of the text attribute dialog
    unsigned char lfFont[60];      // a Windows LOGFONTA, exchanged whole with that dialog
    float fDimTextSize;
    float fTolTextSize;
    float fSymTextSize;
    float fDimCharSpace;
    float fTolCharSpace;
    unsigned char unused88[4];
    float fExtArrowLen;            // at least 1.0 when written with inward arrows
    uint16_t wStyleFlags;          // see dimstyle::flags
    unsigned char unused98;
    uint8_t nArrowType;            // 0 arrowhead, 1 oblique stroke, 2 single arrow; 255 none
    uint8_t bSolidArrow;
    unsigned char unused101[3];
    float fArrowAngle;
    float fArrowLen;
    float fSlant;
    unsigned char unused116[4];
    int32_t bDegMinSec;
    int32_t nTolDecimals;          // 0..5 when written
    int32_t bTolKeepZeros;
    int32_t nDimDecimals;
    int32_t bDimKeepZeros;
    unsigned char unused140[12];
    int32_t bAutoHide;
    int32_t nEditedColor;          // -1: hand-edited values keep the normal colour
};

static_assert(sizeof(DimStyleRecord) == 160, "host record size");
static_assert(offsetof(DimStyleRecord, nFontCode) == 4);
static_assert(offsetof(DimStyleRecord, lfFont) == 8);
static_assert(offsetof(DimStyleRecord, fDimTextSize) == 68);
static_assert(offsetof(DimStyleRecord, fTolTextSize) == 72);
static_assert(offsetof(DimStyleRecord, fSymTextSize) == 76);
static_assert(offsetof(DimStyleRecord, fDimCharSpace) == 80);
static_assert(offsetof(DimStyleRecord, fTolCharSpace) == 84);
static_assert(offsetof(DimStyleRecord, fExtArrowLen) == 92);
static_assert(offsetof(DimStyleRecord, wStyleFlags) == 96);
static_assert(offsetof(DimStyleRecord, nArrowType) == 99);
static_assert(offsetof(DimStyleRecord, bSolidArrow) == 100);
static_assert(offsetof(DimStyleRecord, fArrowAngle) == 104);
static_assert(offsetof(DimStyleRecord, fArrowLen) == 108);
static_assert(offsetof(DimStyleRecord, fSlant) == 112);
static_assert(offsetof(DimStyleRecord, bDegMinSec) == 120);
static_assert(offsetof(DimStyleRecord, nTolDecimals) == 124);
static_assert(offsetof(DimStyleRecord, bTolKeepZeros) == 128);
static_assert(offsetof(DimStyleRecord, nDimDecimals) == 132);
static_assert(offsetof(DimStyleRecord, bDimKeepZeros) == 136);
static_assert(offsetof(DimStyleRecord, bAutoHide) == 152);
static_assert(offsetof(DimStyleRecord, nEditedColor) == 156);
