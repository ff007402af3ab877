#include "geotol/XZGCDlg.h"

#include "res/geotol_form_res.h"

namespace {

constexpr CCharacteristicListDlg::Controls kControls{IDC_XZGC_TEXT, IDC_XZGC_SYMBOL, IDC_XZGC_TYPE,
                                                     IDC_XZGC_GRADE, IDC_XZGC_MAIN_PARAM};

}  // namespace

// All five principle buttons are unchecked at opening.
CXZGCDlg::CXZGCDlg(CWnd* parent)
    : CCharacteristicListDlg(IDD_GEOTOL_FORM, geotol::CharacteristicList::Form, kControls,
                             geotol::kPrincipleCount, parent) {}

const AFX_MSGMAP* CXZGCDlg::GetThisMessageMap() { return MessageMapFor<CXZGCDlg>(kControls); }
