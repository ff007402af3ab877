#include "toller/LimitSheets.h"

#include "framework/afxwin.h"

#include "fits/CooperateSheet.h"
#include "fits/ToleranceSheet.h"

namespace toller {

bool PickZone(double basicSize, CWnd* parent, std::string& zone) {
    CToleranceSheet sheet;
    sheet.SetBasicSize(basicSize);
    sheet.Create(parent);
    if (sheet.DoModal() != 1) return false;
    zone = sheet.GetZone().c_str();
    return true;
}

bool PickFit(double basicSize, CWnd* parent, std::string& holeZone, std::string& shaftZone) {
    CCooperateSheet sheet;
    sheet.SetBasicSize(basicSize);
    sheet.Create(parent);
    if (sheet.DoModal() != 1) return false;
    CString hole, shaft;
    if (sheet.GetFit(hole, shaft) != 0) return false;
    holeZone = hole.c_str();
    shaftZone = shaft.c_str();
    return true;
}

}  // namespace toller

