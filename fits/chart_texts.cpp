#include "fits/chart_texts.h"

#include <cstdio>

#include "fits/zone_classes.h"

namespace fits {

namespace {

// 优  先, 常  用, 一  般: the hole page and the fit charts space their class labels.
constexpr char kPreferredSpaced[] = "\xD3\xC5  \xCF\xC8";
constexpr char kCommonSpaced[] = "\xB3\xA3  \xD3\xC3";
constexpr char kGeneralSpaced[] = "\xD2\xBB  \xB0\xE3";
constexpr char kUpperWide[] = "\xC9\xCF\xC6\xAB\xB2\xEE\xA3\xBA%+g\n";  // 上偏差：
constexpr char kLowerWide[] = "\xCF\xC2\xC6\xAB\xB2\xEE\xA3\xBA%+g";    // 下偏差：
constexpr char kUpperAscii[] = "\xC9\xCF\xC6\xAB\xB2\xEE:%+g\n";        // 上偏差:
constexpr char kLowerAscii[] = "\xCF\xC2\xC6\xAB\xB2\xEE:%+g";          // 下偏差:
constexpr char kHoleZoneLine[] = "\n\xBF\xD7\xB9\xAB\xB2\xEE:";         // 孔公差:
constexpr char kShaftZoneLine[] = "\n\xD6\xE1\xB9\xAB\xB2\xEE:";        // 轴公差:

std::string Format(const char* format, double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

}  // namespace

std::string ZoneInfoText(bool holePage, int zoneClass, const std::string& zone, const double* upper,
                         const double* lower) {
    const char* label = nullptr;
    switch (zoneClass) {
    case kPreferred: label = holePage ? kPreferredSpaced : text::kPreferred; break;
    case kCommon: label = holePage ? kCommonSpaced : text::kCommon; break;
    case kGeneral: label = holePage ? kGeneralSpaced : text::kGeneral; break;
    default: return std::string();
    }
    std::string info = std::string(label) + ":" + zone + "\n";
    if (upper && lower) {
        info += Format(holePage ? kUpperAscii : kUpperWide, *upper);
        info += Format(holePage ? kLowerAscii : kLowerWide, *lower);
    }
    return info;
}

std::string FitInfoText(int fitClass, const Fit& fit) {
    if (fit.hole.empty() || fit.shaft.empty()) return std::string();
    const char* label = nullptr;
    if (fitClass == kPreferredFit) label = kPreferredSpaced;
    if (fitClass == kGeneralFit) label = kGeneralSpaced;
    if (!label) return std::string();
    return label + (kHoleZoneLine + fit.hole) + kShaftZoneLine + fit.shaft;
}

}  // namespace fits
