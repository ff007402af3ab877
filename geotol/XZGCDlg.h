// The form tolerance dialog "形状公差": straightness, flatness, roundness, cylindricity, line
// and surface profile; composes the tolerance text in the host's buffer (TQDim_XZGCDlg).
#pragma once

#include "geotol/CharacteristicListDlg.h"

class CXZGCDlg : public CCharacteristicListDlg {
public:
    explicit CXZGCDlg(CWnd* parent = nullptr);

    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();
};
