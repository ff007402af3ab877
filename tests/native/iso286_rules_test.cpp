// The generator's special rules, where the standard departs from its general rules, as
// ISO 286-2 / GB/T 1800.2 print the results. Each row is checked in every one of the
// generator's finest size ranges that it covers: a rule keyed to one bound of a wider range
// shows up here, where a sample at the range's middle and end would miss it.
#include <gtest/gtest.h>

#include <string>

#include "tools/iso286gen/iso286.h"

namespace {

void ExpectRow(const std::string& zone, int over, int upTo, double upper, double lower) {
    const std::size_t digit = zone.find_first_of("0123456789");
    int ranges = 0;
    for (int bound : iso286::kRangeBounds) {
        if (bound <= over || bound > upTo) continue;
        ++ranges;
        iso286::Limits got{};
        const bool defined = iso286::ZoneLimits(zone.substr(0, digit), std::stoi(zone.substr(digit)), bound, &got);
        EXPECT_TRUE(defined && got.upper == upper && got.lower == lower)
            << zone << " up to " << bound << " mm: " << (defined ? "" : "undefined ") << got.upper << "/"
            << got.lower << ", expected " << upper << "/" << lower;
    }
    EXPECT_GT(ranges, 0) << zone << " " << over << "-" << upTo << " is no size range";
}

TEST(Iso286Rules, ExceptionsToTheDeltaRule) {
    struct Row {
        const char* zone;
        int over, upTo;       // mm
        double upper, lower;  // um
    };
    for (const Row& r : std::initializer_list<Row>{
             {"M6", 180, 250, -8, -37},
             {"M6", 250, 315, -9, -41},  // the delta rule would give -11 (both 250-280 and 280-315)
             {"M6", 315, 400, -10, -46},
             {"N9", 3, 6, 0, -30},       // N above IT8 sits on the zero line over 3 mm
             {"N9", 0, 3, -4, -29},      // but keeps -4 up to 3 mm
             {"K4", 3, 6, 0.5, -3.5},    // half-micrometre delta
             {"E8", 80, 120, 126, 72},   // as corrected in ISO 286-2 Cor. 1
             // Over 500 mm K, M and N mirror the shaft deviations in every grade, IT8 and above too.
             {"K8", 500, 630, 0, -110},    {"K9", 500, 630, 0, -175},       {"K13", 2500, 3150, 0, -3300},
             {"M9", 500, 630, -26, -201},  {"M12", 1000, 1250, -40, -1090}, {"M10", 2500, 3150, -76, -936},
             {"N9", 500, 630, -44, -219},  {"N10", 630, 800, -50, -370},    {"N13", 2500, 3150, -135, -3435},
             // Outside grades 7 to 11 an odd IT keeps its half micrometre in js and Js.
             {"js6", 6, 10, 4.5, -4.5}, {"Js6", 180, 250, 14.5, -14.5}, {"js12", 400, 500, 315, -315},
             {"Js5", 10, 18, 4, -4}}) {
        ExpectRow(r.zone, r.over, r.upTo, r.upper, r.lower);
    }
}

// js and Js in grades 7 to 11: where IT is odd, the half tolerance drops the odd micrometre;
// every such range of the standard, for shafts and holes.
TEST(Iso286Rules, SymmetricZonesDropTheOddMicrometre) {
    // clang-format off
    const int odd[][4] = {  // grade, over, up to, half tolerance
        {9, 0, 3, 12}, {11, 3, 6, 37}, {7, 6, 10, 7}, {8, 10, 18, 13}, {9, 10, 18, 21},
        {7, 18, 30, 10}, {8, 18, 30, 16}, {7, 30, 50, 12}, {8, 30, 50, 19}, {7, 80, 120, 17},
        {9, 80, 120, 43}, {8, 120, 180, 31}, {9, 180, 250, 57}, {10, 180, 250, 92}, {8, 250, 315, 40},
        {7, 315, 400, 28}, {8, 315, 400, 44}, {7, 400, 500, 31}, {8, 400, 500, 48}, {9, 400, 500, 77},
        {9, 500, 630, 87}, {8, 630, 800, 62}, {7, 1000, 1250, 52}, {8, 1000, 1250, 82}, {7, 1250, 1600, 62},
        {8, 1250, 1600, 97}, {7, 2000, 2500, 87}};
    // clang-format on
    for (const auto& o : odd)
        for (const char* letters : {"js", "Js"}) ExpectRow(letters + std::to_string(o[0]), o[1], o[2], o[3], -o[3]);
}

}  // namespace
