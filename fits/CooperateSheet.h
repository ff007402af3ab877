// The fit sheet behind the dimension dialog's "配合" button: a modal tab sheet "常用配合" with
// the hole-basis chart "基孔制" (first tab, shown first) and the shaft-basis chart "基轴制". A
// click on a fit closes it; the caller then asks for the hole and shaft zones.
//
// Use once per object: construct, SetBasicSize, Create, DoModal, GetFit, destroy.
#pragma once

#include "framework/afxdlgs.h"

class CTQAxisCooperate;
class CTQHoleCooperate;

class CCooperateSheet {
public:
    CCooperateSheet();
    virtual ~CCooperateSheet();
    CCooperateSheet(const CCooperateSheet&) = delete;
    CCooperateSheet& operator=(const CCooperateSheet&) = delete;

    // Stores |size|; the fit charts do not depend on it.
    void SetBasicSize(double size);
    // Builds the sheet and its pages from this module's resources. The parent is not used.
    // 0, or -1 when the pages already exist (nothing changes then).
    int Create(CWnd* parent);
    // -1 when Create has not built the pages; 1 when a chart reported a click; 2 when the sheet
    // was closed any other way (OK, Cancel, the close box, Esc).
    int DoModal();
    // For a pick on either chart: 0 with the hole zone ("H7") and the shaft zone ("g6").
    // Otherwise -1 with both strings untouched.
    int GetFit(CString& holeZone, CString& shaftZone) const;

private:
    CPropertySheet m_sheet;
    CTQAxisCooperate* m_pShaftPage = nullptr;
    CTQHoleCooperate* m_pHolePage = nullptr;
    double m_basicSize = 0.0;
    int m_nResult = -1;  // -1 nothing picked, 1 hole-basis page, 2 shaft-basis page
};
