#include "dimstyle/dim_rules.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace dimstyle {

const float kSizes[kSizeCount] = {0.5f, 1.0f, 1.5f, 2.0f, 2.5f, 3.0f, 3.5f, 4.0f, 4.5f, 5.0f, 5.5f,
                                  6.0f, 6.5f, 7.0f, 8.0f, 9.0f, 10.0f, 12.0f, 14.0f, 17.0f, 20.0f};

int PresetNear(float size) {
    for (std::size_t i = 0; i < kSizeCount; ++i)
        if (std::fabs(static_cast<double>(kSizes[i]) - size) < 0.1) return static_cast<int>(i);
    return -1;
}

std::string FormatG(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", value);
    return buf;
}

std::string FormatInt(int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", value);
    return buf;
}

void ScanFloat(const std::string& text, float& field) {
    float value;
    if (std::sscanf(text.c_str(), "%f", &value) == 1) field = value;
}

void ScanInt(const std::string& text, int32_t& field) {
    int value;
    if (std::sscanf(text.c_str(), "%d", &value) == 1) field = value;
}

double Atof(const std::string& text) { return std::atof(text.c_str()); }

int Hundredths(double value) {
    const double scaled = value * 100.0 + 0.5;
    // NaN fails both comparisons.
    if (!(scaled > static_cast<double>(INT_MIN) - 1.0 && scaled < static_cast<double>(INT_MAX) + 1.0))
        return INT_MIN;
    return static_cast<int>(scaled);
}

int32_t ClampTolDecimals(int32_t decimals) {
    if (decimals > 5) return 5;
    if (decimals < 0) return 0;
    return decimals;
}

float RaiseExtArrowLen(float length) { return length < 1.0f ? 1.0f : length; }

ValueState StateOf(uint16_t f) {
    if (f & flags::kStateExact) return ValueState::Exact;
    if (f & flags::kStateHidden) return ValueState::Hidden;
    if (f & flags::kStateNode) return ValueState::Node;
    return ValueState::Shown;
}

uint16_t WithState(uint16_t f, bool exact, bool hidden, bool node) {
    f &= static_cast<uint16_t>(~flags::kStateGroup);
    if (exact) return f | flags::kStateExact;
    if (hidden) return f | flags::kStateHidden;
    if (node) return f | flags::kStateNode;
    return f;
}

ValuePos PositionOf(uint16_t f) {
    if (f & flags::kPosAbove) return ValuePos::Above;
    if (f & flags::kPosInLine) return ValuePos::InLine;
    if (f & flags::kPosBelow) return ValuePos::Below;
    if (f & flags::kPosCustom) return ValuePos::Custom;
    return ValuePos::None;
}

uint16_t WithPosition(uint16_t f, bool above, bool inLine, bool below, bool custom) {
    f &= static_cast<uint16_t>(~flags::kPosGroup);
    if (above) return f | flags::kPosAbove;
    if (inLine) return f | flags::kPosInLine;
    if (below) return f | flags::kPosBelow;
    if (custom) return f | flags::kPosCustom;
    return f;
}

Boundary BoundaryOf(uint16_t f) {
    if (f & flags::kBoundaryBoth) return {true, true};
    if (f & flags::kBoundaryLeft) return {true, false};
    if (f & flags::kBoundaryRight) return {false, true};
    return {false, false};
}

uint16_t WithBoundary(uint16_t f, bool left, bool right) {
    f &= static_cast<uint16_t>(~flags::kBoundaryGroup);
    if (left && right) return f | flags::kBoundaryBoth;
    if (left) return f | flags::kBoundaryLeft;
    if (right) return f | flags::kBoundaryRight;
    return f | flags::kBoundaryNone;
}

}  // namespace dimstyle
