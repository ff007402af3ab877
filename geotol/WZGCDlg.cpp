#include "geotol/WZGCDlg.h"

#include "framework/gbk.h"
#include "res/geotol_position_res.h"

namespace {

constexpr CCharacteristicListDlg::Controls kControls{IDC_WZGC_TEXT, IDC_WZGC_SYMBOL, IDC_WZGC_TYPE,
                                                     IDC_WZGC_GRADE, IDC_WZGC_MAIN_PARAM};

}  // namespace

// Opening unchecks E, M and P; 0M and L start unchecked from the template.
CWZGCDlg::CWZGCDlg(CWnd* parent)
    : CCharacteristicListDlg(IDD_GEOTOL_POSITION, geotol::CharacteristicList::Position, kControls, 3,
                             parent) {}

const AFX_MSGMAP* CWZGCDlg::GetThisMessageMap() { return MessageMapFor<CWZGCDlg>(kControls); }

BOOL CWZGCDlg::OnInitDialog() {
    const BOOL result = CCharacteristicListDlg::OnInitDialog();
    for (int i = 0; i < geotol::kDatumCount; ++i) {
        SetWindowTextGbk(GetDlgItem(IDC_WZGC_DATUM + i),
                         gbk::FromField(m_szDatum[i], geotol::kDatumField).c_str());
    }
    return result;
}

void CWZGCDlg::OnOK() {
    for (int i = 0; i < geotol::kDatumCount; ++i)
        GetWindowTextToField(GetDlgItem(IDC_WZGC_DATUM + i), m_szDatum[i], geotol::kDatumWritten);
    CCharacteristicListDlg::OnOK();
}
