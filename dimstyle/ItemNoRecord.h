// The host's item-number (balloon) settings, edited by the text page of the style sheet.
#pragma once

#include <cstddef>

struct ItemNoRecord {
    float fSymLength;
    float fTextSize;
    unsigned char unused8[4];  // the host's: never read or written
    float fSymSize;
};

static_assert(sizeof(ItemNoRecord) == 16, "host record size");
static_assert(offsetof(ItemNoRecord, fTextSize) == 4);
static_assert(offsetof(ItemNoRecord, fSymSize) == 12);
