// The combined geometric tolerance dialog, position variant: one position characteristic
// (6..13) fixed by the host, its tolerance text, principle letter and five datums.
#pragma once

#include "geotol/CombinedToleranceDlg.h"
#include "geotol/gt_characteristic_list.h"

class CXWZH_WZDlg : public CCombinedToleranceDlg {
public:
    explicit CXWZH_WZDlg(CWnd* parent = nullptr);

    // The common fields and, in the position variant, the five datums after the others.
    void LoadRecord(const CombinedToleranceRecord& record);
    void StoreRecord(CombinedToleranceRecord& record) const;

    char m_szDatum[geotol::kDatumCount][geotol::kDatumField] = {};

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
