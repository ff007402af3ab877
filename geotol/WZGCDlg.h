// The position tolerance dialog "位置公差": parallelism, perpendicularity, angularity,
// coaxiality, symmetry, position, circular and total run-out; composes the tolerance text in
// the host's buffer and takes five datum texts (TQDim_WZGCDlg).
#pragma once

#include "geotol/CharacteristicListDlg.h"

class CWZGCDlg : public CCharacteristicListDlg {
public:
    explicit CWZGCDlg(CWnd* parent = nullptr);

    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    // The dialog's copies of the host's datum fields: copied in before the modal run, each cut
    // to 19 bytes and the NUL at OK, copied back by the export after OK only.
    char m_szDatum[geotol::kDatumCount][geotol::kDatumField] = {};

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
