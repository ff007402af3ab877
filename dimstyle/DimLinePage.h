// The "尺寸线" page of the dimension style sheet: boundary lines and their slant, the dimension
// line break, arrow type, size and direction, automatic hiding and the colour of hand-edited
// values.
#pragma once

#include <cstdint>

#include "dimstyle/DimStyleRecord.h"
#include "framework/afxwin.h"
#include "inhouse/TqColorCmb.h"

class CDimLinePage : public CDialog {
public:
    CDimLinePage();

    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    // Reads the controls into the record (called by the sheet after the text page's save).
    void SaveSettings();

    uint16_t m_wStyleFlags = 0;
    DimStyleRecord* m_pStyle = nullptr;  // set by the sheet before the window exists
    CTqColorCmb m_cmbColor;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    void OnOutward();
    void OnInward();
    void OnEditedColor();
    void OnSelchangeArrowType();
    void OnDrawColor(DRAWITEMSTRUCT* dis) { m_cmbColor.DrawItem(dis); }
};
