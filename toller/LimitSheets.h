// The dimension dialog's way into the limits-and-fits sheets: each call builds the sheet on
// its own stack, hands it the basic size, runs it once and destroys it.
#pragma once

#include <string>

class CWnd;

namespace toller {

// Runs the tolerance zone sheet for `basicSize` (the sheet takes its absolute value). True with
// the picked zone ("H7", "js6") when the user clicked one; false when the sheet was left any
// other way or could not run.
bool PickZone(double basicSize, CWnd* parent, std::string& zone);

// Runs the fit sheet. True with the hole and shaft zones of the picked fit.
bool PickFit(double basicSize, CWnd* parent, std::string& holeZone, std::string& shaftZone);

}  // namespace toller
