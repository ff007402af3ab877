// Rules of the dimension style pages that need no window: the preset sizes and how a stored
// size finds its preset, number texts in and out, and the one-hot groups of the flag word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace dimstyle {

// Bits of DimStyleRecord::wStyleFlags. Each page owns some groups and keeps every other bit.
namespace flags {
constexpr uint16_t kBoundaryBoth = 0x0001;
constexpr uint16_t kBoundaryLeft = 0x0002;
constexpr uint16_t kBoundaryRight = 0x0004;
constexpr uint16_t kBoundaryNone = 0x0008;
constexpr uint16_t kBoundaryGroup = 0x000F;
constexpr uint16_t kArrowsOutward = 0x0010;
constexpr uint16_t kLineUnbroken = 0x0020;
constexpr uint16_t kStateExact = 0x0040;
constexpr uint16_t kStateNode = 0x0080;
constexpr uint16_t kStateHidden = 0x0100;
constexpr uint16_t kStateGroup = 0x01C0;
constexpr uint16_t kPosCustom = 0x1000;
constexpr uint16_t kPosAbove = 0x2000;
constexpr uint16_t kPosInLine = 0x4000;
constexpr uint16_t kPosBelow = 0x8000;
constexpr uint16_t kPosGroup = 0xF000;
}  // namespace flags

// Preset text sizes of the four size lists, top to bottom.
constexpr std::size_t kSizeCount = 21;
extern const float kSizes[kSizeCount];

// Index of the first preset within 0.1 of `size`, or -1 (NaN matches nothing).
int PresetNear(float size);

// "%g" of a stored float: the list texts and what a field shows.
std::string FormatG(double value);
std::string FormatInt(int value);

// A "%f" / "%d" scan of a control's text: the field changes only when a number was found.
void ScanFloat(const std::string& text, float& field);
void ScanInt(const std::string& text, int32_t& field);
// atof of a control's text: no number gives 0.
double Atof(const std::string& text);

// A value in hundredths for the integer settings: value * 100 + 0.5, truncated. Values beyond
// the int range give INT_MIN (what the processor's conversion gives for them).
int Hundredths(double value);

// Decimal places of tolerance values are bounded to 0..5; those of dimension values are not.
int32_t ClampTolDecimals(int32_t decimals);

// Extension length with inward arrows: raised to 1.0 when below it.
float RaiseExtArrowLen(float length);

// The dimension value state radios of the text page.
enum class ValueState { Shown, Hidden, Exact, Node };
ValueState StateOf(uint16_t wStyleFlags);  // 0x40 before 0x100 before 0x80
uint16_t WithState(uint16_t wStyleFlags, bool exact, bool hidden, bool node);

// The value position radios; None when no position bit is set.
enum class ValuePos { None, Above, InLine, Below, Custom };
ValuePos PositionOf(uint16_t wStyleFlags);  // 0x2000, 0x4000, 0x8000, 0x1000 in that order
uint16_t WithPosition(uint16_t wStyleFlags, bool above, bool inLine, bool below, bool custom);

// The boundary line check boxes of the line page.
struct Boundary {
    bool left;
    bool right;
};
Boundary BoundaryOf(uint16_t wStyleFlags);  // 0x1, 0x2, 0x4 in that order; else neither
uint16_t WithBoundary(uint16_t wStyleFlags, bool left, bool right);

// Sets or clears one bit and keeps the others.
inline uint16_t WithBit(uint16_t wStyleFlags, uint16_t bit, bool set) {
    return static_cast<uint16_t>(set ? (wStyleFlags | bit) : (wStyleFlags & ~bit));
}

// The arrow type byte from a list selection: no selection (-1) stores 255.
inline uint8_t ArrowTypeByte(int selection) { return static_cast<uint8_t>(selection); }

}  // namespace dimstyle
