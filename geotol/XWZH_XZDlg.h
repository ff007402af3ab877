// The combined geometric tolerance dialog, form variant: one form characteristic (0..5) fixed
// by the host, its tolerance text and principle letter; no datums.
#pragma once

#include "geotol/CombinedToleranceDlg.h"

class CXWZH_XZDlg : public CCombinedToleranceDlg {
public:
    explicit CXWZH_XZDlg(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
};
