// ISO 286-1 (GB/T 1800.1) limit deviations of shaft and hole tolerance zones.
//
// The standard gives its standard tolerances (IT grades) and its fundamental
// deviations as rounded tables, not as formulas to evaluate, and the published
// limit deviations (ISO 286-2, GB/T 1800.2) follow from those tables. So this
// file carries the tables as printed and applies only the standard's rules on top:
//   shafts  a..h: es = table, ei = es - IT      j, k, m..z: ei = table, es = ei + IT
//   holes   A..H: EI = -es of the shaft letter  J: ES = its own table
//           K..Z: ES = -ei of the shaft letter, plus delta = IT(n) - IT(n-1) for
//                 K, M, N up to IT8 and P..Z up to IT7 over 3 mm up to 500 mm,
//                 with the standard's exceptions (see iso286.cpp)
//   js, Js: +-IT/2; in grades 7 to 11 an odd IT is first lowered to the even
//           micrometre below, as the published tables print it.
// All values are micrometres.
#pragma once

#include <string>

namespace iso286 {

// Bounds of the finest size subdivision the standard uses up to 3150 mm. Each
// range holds sizes over one bound up to and including the next; every table
// below is keyed by the upper bound of a range.
inline constexpr int kRangeBounds[] = {0,   3,   6,   10,  14,   18,   24,   30,   40,   50,   65,
                                       80,  100, 120, 140, 160,  180,  200,  225,  250,  280,  315,
                                       355, 400, 450, 500, 560,  630,  710,  800,  900,  1000, 1120,
                                       1250, 1400, 1600, 1800, 2000, 2240, 2500, 2800, 3150};

// Standard tolerance of grade 1..13 for the range ending at upTo; NaN elsewhere.
double StandardTolerance(int grade, int upTo);

struct Limits {
    double upper;  // es or ES
    double lower;  // ei or EI
};

// Limit deviations of a zone given as its letters ("h", "js", "Js", "K") and
// grade 1..13, for the range ending at upTo. False where the standard defines no
// value: t shafts up to 24 mm, v up to 14 mm, y up to 18 mm (and their holes);
// a, b, c, j, v, x, y, z beyond 500 mm; j and J outside their tabulated grades;
// K above IT8 over 3 mm up to 500 mm; K..Z holes in IT1 and IT2 over 3 mm, where
// the delta table has no column (none of these is offered by a chart).
// A zero deviation is always +0, never -0 (the charts print it with "%+g").
bool ZoneLimits(const std::string& letters, int grade, int upTo, Limits* limits);

}  // namespace iso286
