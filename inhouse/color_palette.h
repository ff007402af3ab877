// The CAD colour index palette of the colour list: colour number = list position, 0 to 255.
// Plain C++: the table and the item texts are tested natively.
#pragma once

#include <cstdint>
#include <string>

namespace palette {

constexpr int kColorCount = 256;

// 0x00RRGGBB of a colour number; numbers outside the palette give black.
uint32_t Rgb(int number);

// What the list shows for a colour: the name of the seven standard colours (GBK), else the
// number.
std::string Label(int number);

}  // namespace palette
