// The limit deviation sheet behind the dimension dialog's "公差" button: a modal tab sheet
// "常用孔轴极限偏差" with the hole chart (first tab, shown first) and the shaft chart. A click on
// an offered zone closes it; the caller then asks for the zone.
//
// Use once per object: construct, SetBasicSize, Create, DoModal, GetZone, destroy.
#pragma once

#include "framework/afxdlgs.h"

class CTQAxisTolerance;
class CTQHoleTolerance;

class CToleranceSheet {
public:
    CToleranceSheet();
    virtual ~CToleranceSheet();
    CToleranceSheet(const CToleranceSheet&) = delete;
    CToleranceSheet& operator=(const CToleranceSheet&) = delete;

    // Stores |size| in millimetres; the pages decide what they offer for it.
    void SetBasicSize(double size);
    // Builds the sheet and its pages from this module's resources. The parent is not used: the
    // sheet is owned by the active window when it runs. 0 always; a second call changes nothing.
    int Create(CWnd* parent);
    // -1 when Create has not built the pages; 1 when a chart reported a click; 2 when the sheet
    // was closed any other way (OK, Cancel, the close box, Esc).
    int DoModal();
    // The zone picked on the hole page (result 1) or the shaft page (result 2), else "".
    CString GetZone() const;

private:
    CPropertySheet m_sheet;
    CTQAxisTolerance* m_pShaftPage = nullptr;
    CTQHoleTolerance* m_pHolePage = nullptr;
    double m_basicSize = 0.0;
    int m_nResult = -1;  // -1 nothing picked, 1 hole page, 2 shaft page
};
