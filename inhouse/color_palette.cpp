#include "inhouse/color_palette.h"

namespace palette {

namespace {

constexpr uint32_t kStandard[10] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                    0x0000FF, 0xFF00FF, 0xFFFFFF, 0x808080, 0xC0C0C0};
constexpr const char* kNames[8] = {nullptr,
                                   "\xBA\xEC",          // 红
                                   "\xBB\xC6",          // 黄
                                   "\xC2\xCC",          // 绿
                                   "\xC7\xE0",          // 青
                                   "\xC0\xB6",          // 蓝
                                   "\xD1\xF3\xBA\xEC",  // 洋红
                                   "\xB0\xD7"};         // 白

uint32_t Pack(double r, double g, double b) {
    auto c = [](double v) { return static_cast<uint32_t>(v * 255.0 + 0.5); };
    return c(r) << 16 | c(g) << 8 | c(b);
}

// 10 to 249: 24 hues 15 degrees apart, ten shades each: five brightness steps, every second
// shade half-saturated.
uint32_t Shade(int number) {
    static const double kValue[5] = {1.0, 0.8, 0.6, 0.5, 0.3};
    const double hue = (number / 10 - 1) * 15.0;
    const int shade = number % 10;
    const double v = kValue[shade / 2];
    const double s = shade % 2 ? 0.5 : 1.0;
    const double h = hue / 60.0;
    const int sector = static_cast<int>(h) % 6;
    const double f = h - static_cast<int>(h);
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (sector) {
    case 0: return Pack(v, t, p);
    case 1: return Pack(q, v, p);
    case 2: return Pack(p, v, t);
    case 3: return Pack(p, q, v);
    case 4: return Pack(t, p, v);
    default: return Pack(v, p, q);
    }
}

}  // namespace

uint32_t Rgb(int number) {
    if (number < 0 || number >= kColorCount) return 0;
    if (number < 10) return kStandard[number];
    if (number < 250) return Shade(number);
    const uint32_t grey = static_cast<uint32_t>(51 + (number - 250) * 204 / 5);  // 250..255: dark to white
    return grey << 16 | grey << 8 | grey;
}

std::string Label(int number) {
    if (number >= 1 && number <= 7) return kNames[number];
    return std::to_string(number);
}

}  // namespace palette
