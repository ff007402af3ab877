#include "geotol/XWZH_WZDlg.h"

#include "res/geotol_combined_res.h"

namespace {

// The position variant's working storage (see CombinedWorkspace).
CombinedWorkspace g_workspace;

}  // namespace

CXWZH_WZDlg::CXWZH_WZDlg(CWnd* parent)
    : CCombinedToleranceDlg(geotol::CombinedVariant::Position, &CombinedToleranceRecord::szPositionText,
                            g_workspace, parent) {}

void CXWZH_WZDlg::LoadRecord(const CombinedToleranceRecord& record) {
    CCombinedToleranceDlg::LoadRecord(record);
    for (int i = 0; i < geotol::kDatumCount; ++i)
        geotol::CopyFieldText(m_szDatum[i], record.szDatum[i], sizeof m_szDatum[i]);
}

void CXWZH_WZDlg::StoreRecord(CombinedToleranceRecord& record) const {
    CCombinedToleranceDlg::StoreRecord(record);
    for (int i = 0; i < geotol::kDatumCount; ++i)
        geotol::CopyFieldText(record.szDatum[i], m_szDatum[i], sizeof m_szDatum[i]);
}

BOOL CXWZH_WZDlg::OnInitDialog() {
    // The datum edits keep the template's empty text: the record's datums are not shown, and
    // OK replaces them with whatever the edits hold.
    const BOOL result = CCombinedToleranceDlg::OnInitDialog();
    for (int p : {geotol::kPrincipleE, geotol::kPrincipleM, geotol::kPrincipleP}) UncheckPrinciple(p);
    return result;
}

void CXWZH_WZDlg::OnOK() {
    for (int i = 0; i < geotol::kDatumCount; ++i)
        GetWindowTextToField(GetDlgItem(IDC_XWZH_DATUM + i), m_szDatum[i], geotol::kDatumWritten);
    CCombinedToleranceDlg::OnOK();
}
