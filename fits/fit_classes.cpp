#include "fits/fit_classes.h"

#include <iterator>

#include "fits/zone_classes.h"

namespace fits {

namespace {

// The partner letters: every fundamental deviation of ISO 286 except j/J (no fit of either list
// uses it).
const char* const kShaftLetters[] = {"a", "b", "c", "d", "e", "f", "g", "h", "js", "k", "m",
                                     "n", "p", "r", "s", "t", "u", "v", "x", "y", "z"};
const char* const kHoleLetters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "Js", "K", "M",
                                    "N", "P", "R", "S", "T", "U", "V", "X", "Y", "Z"};

// Hole-basis rows are the holes H6 to H12 with H8 twice: once against grade-7 shafts, once
// against grade-8 shafts. Shaft-basis rows are h5 to h12; h5 to h7 take holes one grade coarser.
const int kHoleGrades[] = {6, 7, 8, 8, 9, 10, 11, 12};   // hole-basis rows, shaft-basis partners
const int kShaftGrades[] = {5, 6, 7, 8, 9, 10, 11, 12};  // shaft-basis rows, hole-basis partners

// clang-format off
const char* const kHoleBasisPreferred[] = {
    "H7/g6", "H7/h6", "H7/k6", "H7/n6", "H7/p6", "H7/s6", "H7/u6", "H8/f7", "H8/h7",
    "H9/d9", "H9/h9", "H11/c11", "H11/h11"};
const char* const kHoleBasisGeneral[] = {
    "H6/f5", "H6/g5", "H6/h5", "H6/js5", "H6/k5", "H6/m5", "H6/n5", "H6/p5", "H6/r5", "H6/s5", "H6/t5",
    "H7/f6", "H7/js6", "H7/m6", "H7/r6", "H7/t6", "H7/v6", "H7/x6", "H7/y6", "H7/z6",
    "H8/e7", "H8/g7", "H8/js7", "H8/k7", "H8/m7", "H8/n7", "H8/p7", "H8/r7", "H8/s7", "H8/t7", "H8/u7",
    "H8/d8", "H8/e8", "H8/f8", "H8/h8",
    "H9/c9", "H9/e9", "H9/f9",
    "H10/c10", "H10/d10", "H10/h10",
    "H11/a11", "H11/b11", "H11/d11",
    "H12/b12", "H12/h12"};
const char* const kShaftBasisPreferred[] = {
    "G7/h6", "H7/h6", "K7/h6", "N7/h6", "P7/h6", "S7/h6", "U7/h6", "F8/h7", "H8/h7",
    "D9/h9", "H9/h9", "C11/h11", "H11/h11"};
const char* const kShaftBasisGeneral[] = {
    "F6/h5", "G6/h5", "H6/h5", "Js6/h5", "K6/h5", "M6/h5", "N6/h5", "P6/h5", "R6/h5", "S6/h5", "T6/h5",
    "F7/h6", "Js7/h6", "M7/h6", "R7/h6", "T7/h6",
    "E8/h7", "Js8/h7", "K8/h7", "M8/h7", "N8/h7",
    "D8/h8", "E8/h8", "F8/h8", "H8/h8",
    "E9/h9", "F9/h9",
    "D10/h10", "H10/h10",
    "A11/h11", "B11/h11", "D11/h11",
    "B12/h12", "H12/h12"};
// clang-format on

bool Inside(FitSystem system, int row, int column) {
    return row >= 0 && row < FitRowCount(system) && column >= 0 && column < FitColumnCount(system);
}

template <std::size_t N>
bool Listed(const char* const (&fits)[N], const std::string& fit) {
    for (const char* f : fits) {
        if (fit == f) return true;
    }
    return false;
}

}  // namespace

int FitColumnCount(FitSystem) { return static_cast<int>(std::size(kShaftLetters)); }

const char* FitColumnLabel(FitSystem system, int column) {
    if (column < 0 || column >= FitColumnCount(system)) return "";
    return system == FitSystem::HoleBasis ? kShaftLetters[column] : kHoleLetters[column];
}

int FitRowCount(FitSystem) { return static_cast<int>(std::size(kHoleGrades)); }

std::string FitRowLabel(FitSystem system, int row) {
    if (row < 0 || row >= FitRowCount(system)) return std::string();
    if (system == FitSystem::HoleBasis) return "H" + std::to_string(kHoleGrades[row]);
    return "h" + std::to_string(kShaftGrades[row]);
}

int PartnerGrade(FitSystem system, int row) {
    if (row < 0 || row >= FitRowCount(system)) return 0;
    return system == FitSystem::HoleBasis ? kShaftGrades[row] : kHoleGrades[row];
}

Fit FitOfCell(FitSystem system, int row, int column) {
    if (!Inside(system, row, column)) return {};
    const std::string partner = FitColumnLabel(system, column) + std::to_string(PartnerGrade(system, row));
    if (system == FitSystem::HoleBasis) return {FitRowLabel(system, row), partner};
    return {partner, FitRowLabel(system, row)};
}

int ClassifyFit(FitSystem system, int row, int column) {
    if (!Inside(system, row, column)) return kNotOffered;
    const Fit fit = FitOfCell(system, row, column);
    const std::string name = fit.hole + "/" + fit.shaft;
    if (system == FitSystem::HoleBasis) {
        if (Listed(kHoleBasisPreferred, name)) return kPreferredFit;
        return Listed(kHoleBasisGeneral, name) ? kGeneralFit : kNotOffered;
    }
    if (Listed(kShaftBasisPreferred, name)) return kPreferredFit;
    return Listed(kShaftBasisGeneral, name) ? kGeneralFit : kNotOffered;
}

}  // namespace fits
