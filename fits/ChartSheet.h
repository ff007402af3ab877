// Steps the tolerance and fit sheets share.
#pragma once

#include "framework/afxdlgs.h"

namespace chart {

// Makes this module's own instance the resource handle for a scope, so that the sheet and its
// pages find templates 102 and 15006 and bitmap 2015 whoever called; restores the caller's.
class ModuleResourceScope {
public:
    ModuleResourceScope();
    ~ModuleResourceScope();
    ModuleResourceScope(const ModuleResourceScope&) = delete;
    ModuleResourceScope& operator=(const ModuleResourceScope&) = delete;

private:
    HINSTANCE m_saved;
};

// Captions the sheet (no parent, first page shown), titles both pages, leaves only OK and
// Cancel, and adds the hole page first: it is the first tab and the one the sheet opens on.
void AssembleSheet(CPropertySheet& sheet, const char* caption, CPropertyPage* holePage, const char* holeTitle,
                   CPropertyPage* shaftPage, const char* shaftTitle);

// Runs the sheet; the pages write 1 or 2 into `result` on a click. 1 when one did, else 2.
int RunSheet(CPropertySheet& sheet, const int& result);

}  // namespace chart
