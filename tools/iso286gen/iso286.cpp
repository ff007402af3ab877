#include "iso286.h"

#include <cmath>
#include <limits>

namespace iso286 {

namespace {

constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();

// One row of a table: the value for sizes over the previous row's bound up to and
// including upTo. Rows are merged where the standard prints one value for several
// ranges; a table ends where the standard stops defining the letter.
struct Step {
    int upTo;
    double value;
};

template <std::size_t N>
double Lookup(const Step (&table)[N], int upTo) {
    for (const Step& step : table) {
        if (upTo <= step.upTo) return step.value;
    }
    return kUndefined;
}

// Standard tolerances IT1..IT13 (ISO 286-1 table 1). Below IT5 and for the
// fractional values of the small grades the standard's figures are not the
// formula 0.45*D^(1/3) + 0.001*D rounded by one rule, so the table is carried.
struct ToleranceRow {
    int upTo;
    double it[13];
};

// clang-format off
const ToleranceRow kTolerances[] = {
    {3,    {0.8, 1.2, 2,   3,  4,  6,   10,  14,  25,  40,  60,   100,  140}},
    {6,    {1,   1.5, 2.5, 4,  5,  8,   12,  18,  30,  48,  75,   120,  180}},
    {10,   {1,   1.5, 2.5, 4,  6,  9,   15,  22,  36,  58,  90,   150,  220}},
    {18,   {1.2, 2,   3,   5,  8,  11,  18,  27,  43,  70,  110,  180,  270}},
    {30,   {1.5, 2.5, 4,   6,  9,  13,  21,  33,  52,  84,  130,  210,  330}},
    {50,   {1.5, 2.5, 4,   7,  11, 16,  25,  39,  62,  100, 160,  250,  390}},
    {80,   {2,   3,   5,   8,  13, 19,  30,  46,  74,  120, 190,  300,  460}},
    {120,  {2.5, 4,   6,   10, 15, 22,  35,  54,  87,  140, 220,  350,  540}},
    {180,  {3.5, 5,   8,   12, 18, 25,  40,  63,  100, 160, 250,  400,  630}},
    {250,  {4.5, 7,   10,  14, 20, 29,  46,  72,  115, 185, 290,  460,  720}},
    {315,  {6,   8,   12,  16, 23, 32,  52,  81,  130, 210, 320,  520,  810}},
    {400,  {7,   9,   13,  18, 25, 36,  57,  89,  140, 230, 360,  570,  890}},
    {500,  {8,   10,  15,  20, 27, 40,  63,  97,  155, 250, 400,  630,  970}},
    {630,  {9,   11,  16,  22, 32, 44,  70,  110, 175, 280, 440,  700,  1100}},
    {800,  {10,  13,  18,  25, 36, 50,  80,  125, 200, 320, 500,  800,  1250}},
    {1000, {11,  15,  21,  28, 40, 56,  90,  140, 230, 360, 560,  900,  1400}},
    {1250, {13,  18,  24,  33, 47, 66,  105, 165, 260, 420, 660,  1050, 1650}},
    {1600, {15,  21,  29,  39, 55, 78,  125, 195, 310, 500, 780,  1250, 1950}},
    {2000, {18,  25,  35,  46, 65, 92,  150, 230, 370, 600, 920,  1500, 2300}},
    {2500, {22,  30,  41,  55, 78, 110, 175, 280, 440, 700, 1100, 1750, 2800}},
    {3150, {26,  36,  50,  68, 96, 135, 210, 330, 540, 860, 1350, 2100, 3300}},
};

// Fundamental deviations of shafts (ISO 286-1 table 2). Upper deviation es for
// a..g (h is 0), lower deviation ei for the others.
const Step kA[] = {
    {3, -270}, {6, -270}, {10, -280}, {18, -290}, {30, -300}, {40, -310}, {50, -320}, {65, -340}, {80, -360},
    {100, -380}, {120, -410}, {140, -460}, {160, -520}, {180, -580}, {200, -660}, {225, -740}, {250, -820},
    {280, -920}, {315, -1050}, {355, -1200}, {400, -1350}, {450, -1500}, {500, -1650}};
const Step kB[] = {
    {3, -140}, {6, -140}, {10, -150}, {18, -150}, {30, -160}, {40, -170}, {50, -180}, {65, -190}, {80, -200},
    {100, -220}, {120, -240}, {140, -260}, {160, -280}, {180, -310}, {200, -340}, {225, -380}, {250, -420},
    {280, -480}, {315, -540}, {355, -600}, {400, -680}, {450, -760}, {500, -840}};
const Step kC[] = {
    {3, -60}, {6, -70}, {10, -80}, {18, -95}, {30, -110}, {40, -120}, {50, -130}, {65, -140}, {80, -150},
    {100, -170}, {120, -180}, {140, -200}, {160, -210}, {180, -230}, {200, -240}, {225, -260}, {250, -280},
    {280, -300}, {315, -330}, {355, -360}, {400, -400}, {450, -440}, {500, -480}};
const Step kD[] = {
    {3, -20}, {6, -30}, {10, -40}, {18, -50}, {30, -65}, {50, -80}, {80, -100}, {120, -120}, {180, -145},
    {250, -170}, {315, -190}, {400, -210}, {500, -230}, {630, -260}, {800, -290}, {1000, -320}, {1250, -350},
    {1600, -390}, {2000, -430}, {2500, -480}, {3150, -520}};
const Step kE[] = {
    {3, -14}, {6, -20}, {10, -25}, {18, -32}, {30, -40}, {50, -50}, {80, -60}, {120, -72}, {180, -85},
    {250, -100}, {315, -110}, {400, -125}, {500, -135}, {630, -145}, {800, -160}, {1000, -170}, {1250, -195},
    {1600, -220}, {2000, -240}, {2500, -260}, {3150, -290}};
const Step kF[] = {
    {3, -6}, {6, -10}, {10, -13}, {18, -16}, {30, -20}, {50, -25}, {80, -30}, {120, -36}, {180, -43},
    {250, -50}, {315, -56}, {400, -62}, {500, -68}, {630, -76}, {800, -80}, {1000, -86}, {1250, -98},
    {1600, -110}, {2000, -120}, {2500, -130}, {3150, -145}};
const Step kG[] = {
    {3, -2}, {6, -4}, {10, -5}, {18, -6}, {30, -7}, {50, -9}, {80, -10}, {120, -12}, {180, -14},
    {250, -15}, {315, -17}, {400, -18}, {500, -20}, {630, -22}, {800, -24}, {1000, -26}, {1250, -28},
    {1600, -30}, {2000, -32}, {2500, -34}, {3150, -38}};
// j is tabulated for grades 5 and 6 (one column), 7, and 8 up to 3 mm only.
const Step kJ56[] = {
    {3, -2}, {6, -2}, {10, -2}, {18, -3}, {30, -4}, {50, -5}, {80, -7}, {120, -9}, {180, -11},
    {250, -13}, {315, -16}, {400, -18}, {500, -20}};
const Step kJ7[] = {
    {3, -4}, {6, -4}, {10, -5}, {18, -6}, {30, -8}, {50, -10}, {80, -12}, {120, -15}, {180, -18},
    {250, -21}, {315, -26}, {400, -28}, {500, -32}};
const Step kJ8[] = {{3, -6}};
// k in grades 4 to 7; 0 in the other grades and beyond 500 mm.
const Step kK4to7[] = {
    {3, 0}, {6, 1}, {10, 1}, {18, 1}, {30, 2}, {50, 2}, {80, 2}, {120, 3}, {180, 3},
    {250, 4}, {315, 4}, {400, 4}, {500, 5}, {3150, 0}};
const Step kM[] = {
    {3, 2}, {6, 4}, {10, 6}, {18, 7}, {30, 8}, {50, 9}, {80, 11}, {120, 13}, {180, 15},
    {250, 17}, {315, 20}, {400, 21}, {500, 23}, {630, 26}, {800, 30}, {1000, 34}, {1250, 40},
    {1600, 48}, {2000, 58}, {2500, 68}, {3150, 76}};
const Step kN[] = {
    {3, 4}, {6, 8}, {10, 10}, {18, 12}, {30, 15}, {50, 17}, {80, 20}, {120, 23}, {180, 27},
    {250, 31}, {315, 34}, {400, 37}, {500, 40}, {630, 44}, {800, 50}, {1000, 56}, {1250, 66},
    {1600, 78}, {2000, 92}, {2500, 110}, {3150, 135}};
const Step kP[] = {
    {3, 6}, {6, 12}, {10, 15}, {18, 18}, {30, 22}, {50, 26}, {80, 32}, {120, 37}, {180, 43},
    {250, 50}, {315, 56}, {400, 62}, {500, 68}, {630, 78}, {800, 88}, {1000, 100}, {1250, 120},
    {1600, 140}, {2000, 170}, {2500, 195}, {3150, 240}};
const Step kR[] = {
    {3, 10}, {6, 15}, {10, 19}, {18, 23}, {30, 28}, {50, 34}, {65, 41}, {80, 43}, {100, 51}, {120, 54},
    {140, 63}, {160, 65}, {180, 68}, {200, 77}, {225, 80}, {250, 84}, {280, 94}, {315, 98}, {355, 108},
    {400, 114}, {450, 126}, {500, 132}, {560, 150}, {630, 155}, {710, 175}, {800, 185}, {900, 210},
    {1000, 220}, {1120, 250}, {1250, 260}, {1400, 300}, {1600, 330}, {1800, 370}, {2000, 400},
    {2240, 440}, {2500, 460}, {2800, 550}, {3150, 580}};
const Step kS[] = {
    {3, 14}, {6, 19}, {10, 23}, {18, 28}, {30, 35}, {50, 43}, {65, 53}, {80, 59}, {100, 71}, {120, 79},
    {140, 92}, {160, 100}, {180, 108}, {200, 122}, {225, 130}, {250, 140}, {280, 158}, {315, 170},
    {355, 190}, {400, 208}, {450, 232}, {500, 252}, {560, 280}, {630, 310}, {710, 340}, {800, 380},
    {900, 430}, {1000, 470}, {1120, 520}, {1250, 580}, {1400, 640}, {1600, 720}, {1800, 820},
    {2000, 920}, {2240, 1000}, {2500, 1100}, {2800, 1250}, {3150, 1400}};
const Step kT[] = {
    {24, kUndefined}, {30, 41}, {40, 48}, {50, 54}, {65, 66}, {80, 75}, {100, 91}, {120, 104}, {140, 122},
    {160, 134}, {180, 146}, {200, 166}, {225, 180}, {250, 196}, {280, 218}, {315, 240}, {355, 268},
    {400, 294}, {450, 330}, {500, 360}, {560, 400}, {630, 450}, {710, 500}, {800, 560}, {900, 620},
    {1000, 680}, {1120, 780}, {1250, 840}, {1400, 960}, {1600, 1050}, {1800, 1200}, {2000, 1350},
    {2240, 1500}, {2500, 1650}, {2800, 1900}, {3150, 2100}};
const Step kU[] = {
    {3, 18}, {6, 23}, {10, 28}, {18, 33}, {24, 41}, {30, 48}, {40, 60}, {50, 70}, {65, 87}, {80, 102},
    {100, 124}, {120, 144}, {140, 170}, {160, 190}, {180, 210}, {200, 236}, {225, 258}, {250, 284},
    {280, 315}, {315, 350}, {355, 390}, {400, 435}, {450, 490}, {500, 540}, {560, 600}, {630, 660},
    {710, 740}, {800, 840}, {900, 940}, {1000, 1050}, {1120, 1150}, {1250, 1300}, {1400, 1450},
    {1600, 1600}, {1800, 1850}, {2000, 2000}, {2240, 2300}, {2500, 2500}, {2800, 2900}, {3150, 3200}};
const Step kV[] = {
    {14, kUndefined}, {18, 39}, {24, 47}, {30, 55}, {40, 68}, {50, 81}, {65, 102}, {80, 120}, {100, 146},
    {120, 172}, {140, 202}, {160, 228}, {180, 252}, {200, 284}, {225, 310}, {250, 340}, {280, 385},
    {315, 425}, {355, 475}, {400, 530}, {450, 595}, {500, 660}};
const Step kX[] = {
    {3, 20}, {6, 28}, {10, 34}, {14, 40}, {18, 45}, {24, 54}, {30, 64}, {40, 80}, {50, 97}, {65, 122},
    {80, 146}, {100, 178}, {120, 210}, {140, 248}, {160, 280}, {180, 310}, {200, 350}, {225, 385},
    {250, 425}, {280, 475}, {315, 525}, {355, 590}, {400, 660}, {450, 740}, {500, 820}};
const Step kY[] = {
    {18, kUndefined}, {24, 63}, {30, 75}, {40, 94}, {50, 114}, {65, 144}, {80, 174}, {100, 214},
    {120, 254}, {140, 300}, {160, 340}, {180, 380}, {200, 425}, {225, 470}, {250, 520}, {280, 580},
    {315, 650}, {355, 730}, {400, 820}, {450, 920}, {500, 1000}};
const Step kZ[] = {
    {3, 26}, {6, 35}, {10, 42}, {14, 50}, {18, 60}, {24, 73}, {30, 88}, {40, 112}, {50, 136}, {65, 172},
    {80, 210}, {100, 258}, {120, 310}, {140, 365}, {160, 415}, {180, 465}, {200, 520}, {225, 575},
    {250, 640}, {280, 710}, {315, 790}, {355, 900}, {400, 1000}, {450, 1100}, {500, 1250}};

// Upper deviation ES of J holes (ISO 286-1 table 3), grades 6, 7 and 8 only.
const Step kHoleJ6[] = {
    {3, 2}, {6, 5}, {10, 5}, {18, 6}, {30, 8}, {50, 10}, {80, 13}, {120, 16}, {180, 18},
    {250, 22}, {315, 25}, {400, 29}, {500, 33}};
const Step kHoleJ7[] = {
    {3, 4}, {6, 6}, {10, 8}, {18, 10}, {30, 12}, {50, 14}, {80, 18}, {120, 22}, {180, 26},
    {250, 30}, {315, 36}, {400, 39}, {500, 43}};
const Step kHoleJ8[] = {
    {3, 6}, {6, 10}, {10, 12}, {18, 15}, {30, 20}, {50, 24}, {80, 28}, {120, 34}, {180, 41},
    {250, 47}, {315, 55}, {400, 60}, {500, 66}};
// clang-format on

bool Defined(double v) { return !std::isnan(v); }

// es (for a..h) or ei (for j, k, m..z) of a shaft letter; NaN where not defined.
double ShaftFundamental(char letter, int grade, int upTo) {
    switch (letter) {
    case 'a': return Lookup(kA, upTo);
    case 'b': return Lookup(kB, upTo);
    case 'c': return Lookup(kC, upTo);
    case 'd': return Lookup(kD, upTo);
    case 'e': return Lookup(kE, upTo);
    case 'f': return Lookup(kF, upTo);
    case 'g': return Lookup(kG, upTo);
    case 'h': return upTo <= 3150 ? 0.0 : kUndefined;
    case 'j':
        if (grade == 5 || grade == 6) return Lookup(kJ56, upTo);
        if (grade == 7) return Lookup(kJ7, upTo);
        if (grade == 8) return Lookup(kJ8, upTo);
        return kUndefined;
    case 'k':
        if (upTo > 3150) return kUndefined;
        return grade >= 4 && grade <= 7 ? Lookup(kK4to7, upTo) : 0.0;
    case 'm': return Lookup(kM, upTo);
    case 'n': return Lookup(kN, upTo);
    case 'p': return Lookup(kP, upTo);
    case 'r': return Lookup(kR, upTo);
    case 's': return Lookup(kS, upTo);
    case 't': return Lookup(kT, upTo);
    case 'u': return Lookup(kU, upTo);
    case 'v': return Lookup(kV, upTo);
    case 'x': return Lookup(kX, upTo);
    case 'y': return Lookup(kY, upTo);
    case 'z': return Lookup(kZ, upTo);
    default: return kUndefined;
    }
}

bool ShaftUsesUpperDeviation(char letter) { return letter >= 'a' && letter <= 'h'; }

// Delta of the hole special rule. The standard tabulates it for IT3..IT8 as the
// step from the next finer grade, over 3 mm up to 500 mm; it is 0 up to 3 mm, and
// beyond 500 mm the hole deviations are the plain mirror of the shaft ones.
double Delta(int grade, int upTo) {
    if (upTo <= 3 || upTo > 500) return 0.0;
    if (grade < 3 || grade > 8) return kUndefined;
    return StandardTolerance(grade, upTo) - StandardTolerance(grade - 1, upTo);
}

// Upper deviation ES of a hole letter J..Z; NaN where not defined.
double HoleUpperDeviation(char letter, int grade, int upTo) {
    const bool over500 = upTo > 500;
    switch (letter) {
    case 'J':
        if (grade == 6) return Lookup(kHoleJ6, upTo);
        if (grade == 7) return Lookup(kHoleJ7, upTo);
        if (grade == 8) return Lookup(kHoleJ8, upTo);
        return kUndefined;
    case 'K':
        // Up to IT8: -ei of k in grades 4..7, plus delta. Above IT8: 0 up to 3 mm,
        // not standardised over 3 mm up to 500 mm.
        if (over500) return 0.0;
        if (grade <= 8) return -Lookup(kK4to7, upTo) + Delta(grade, upTo);
        return upTo <= 3 ? 0.0 : kUndefined;
    case 'M':
        if (over500) return -Lookup(kM, upTo);
        // The standard's one exception to the delta rule: M6 over 250 up to 315 mm
        // has ES = -9 (the rule would give -11), in both finer ranges 250-280 and 280-315.
        if (grade == 6 && upTo > 250 && upTo <= 315) return -9.0;
        if (grade <= 8) return -Lookup(kM, upTo) + Delta(grade, upTo);
        return -Lookup(kM, upTo);
    case 'N':
        if (over500) return -Lookup(kN, upTo);
        if (grade <= 8) return -Lookup(kN, upTo) + Delta(grade, upTo);
        // Above IT8 N sits on the zero line, except up to 3 mm where it keeps -4.
        return upTo <= 3 ? -Lookup(kN, upTo) : 0.0;
    default:
        break;
    }
    if (letter < 'P' || letter > 'Z') return kUndefined;
    const double ei = ShaftFundamental(static_cast<char>(letter - 'A' + 'a'), grade, upTo);
    if (grade <= 7) return -ei + Delta(grade, upTo);
    return -ei;
}

// Half tolerance of js/Js.
double SymmetricHalf(int grade, double it) {
    if (grade >= 7 && grade <= 11 && std::fmod(it, 2.0) == 1.0) return (it - 1.0) / 2.0;
    return it / 2.0;
}

}  // namespace

double StandardTolerance(int grade, int upTo) {
    if (grade < 1 || grade > 13) return kUndefined;
    for (const ToleranceRow& row : kTolerances) {
        if (upTo <= row.upTo) return row.it[grade - 1];
    }
    return kUndefined;
}

bool ZoneLimits(const std::string& letters, int grade, int upTo, Limits* limits) {
    const double it = StandardTolerance(grade, upTo);
    if (!Defined(it) || letters.empty()) return false;

    if (letters == "js" || letters == "Js") {
        const double half = SymmetricHalf(grade, it);
        *limits = {half, -half};
        return true;
    }
    if (letters.size() != 1) return false;
    const char letter = letters[0];

    double upper;
    double lower;
    if (letter >= 'a' && letter <= 'z') {
        const double fundamental = ShaftFundamental(letter, grade, upTo);
        if (!Defined(fundamental)) return false;
        if (ShaftUsesUpperDeviation(letter)) {
            upper = fundamental;
            lower = fundamental - it;
        } else {
            lower = fundamental;
            upper = fundamental + it;
        }
    } else if (letter >= 'A' && letter <= 'H') {
        const double es = ShaftFundamental(static_cast<char>(letter - 'A' + 'a'), grade, upTo);
        if (!Defined(es)) return false;
        lower = -es;
        upper = lower + it;
    } else if (letter >= 'J' && letter <= 'Z') {
        upper = HoleUpperDeviation(letter, grade, upTo);
        if (!Defined(upper)) return false;
        lower = upper - it;
    } else {
        return false;
    }
    // Adding +0 turns -0 (from mirroring es = 0 of h into EI) into +0.
    *limits = {upper + 0.0, lower + 0.0};
    return true;
}

}  // namespace iso286
