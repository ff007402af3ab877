// Fits offered by the fit charts and their classes.
//
// A fit chart has the partner letters as columns and the basic members of its system as rows:
// the hole-basis chart pairs the holes H6 to H12 (H8 twice) with shafts of every letter, the
// shaft-basis chart the shafts h5 to h12 with holes of every letter. The partner's grade follows
// from the row; each cell stands for one fit, hole zone over shaft zone ("H7" over "g6").
#pragma once

#include <string>

namespace fits {

enum class FitSystem { HoleBasis, ShaftBasis };

// Classes as the fit charts colour them; kNotOffered (zone_classes.h) for a blank cell.
inline constexpr int kPreferredFit = 2;  // "优先"
inline constexpr int kGeneralFit = 1;    // "一般"

int FitColumnCount(FitSystem system);
const char* FitColumnLabel(FitSystem system, int column);  // "" outside
int FitRowCount(FitSystem system);
std::string FitRowLabel(FitSystem system, int row);  // "H8", "h5"; "" outside
// Grade of the partner zone in that row; 0 outside.
int PartnerGrade(FitSystem system, int row);

struct Fit {
    std::string hole, shaft;  // both "" for a cell outside the grid
};
Fit FitOfCell(FitSystem system, int row, int column);

// kPreferredFit, kGeneralFit, or -1 (also for cells outside the grid).
int ClassifyFit(FitSystem system, int row, int column);

}  // namespace fits
