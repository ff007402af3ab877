// The combined geometric tolerance dialog, position variant: one position characteristic
// (6..13) fixed by the host, its tolerance text, principle letter and five datums.
#pragma once

#include "geotol/CombinedToleranceDlg.h"

class CXWZH_WZDlg : public CCombinedToleranceDlg {
public:
    explicit CXWZH_WZDlg(CWnd* parent = nullptr);

    // The common fields and, in the position variant, the five datums after the others.
    void LoadRecord(const CombinedToleranceRecord& record);
    void StoreRecord(CombinedToleranceRecord& record) const;

    char m_szDatum[5][40] = {};

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
