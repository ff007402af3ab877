#include "entry/exports_dimstyle.h"

#include "dimstyle/SetupDlg.h"
#include "framework/afxwin.h"

// The sheet's own result code goes back whatever the modal result was: a sheet that could not
// be created leaves it at 0.
extern "C" int WINAPI TQDim_SetupDlg(DimStyleRecord* style, ItemNoRecord* itemNo) {
    if (!style || !itemNo) return CSetupDlg::kCancelled;
    AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
    CSetupDlg dlg;
    dlg.m_pStyle = style;
    dlg.m_pItemNo = itemNo;
    dlg.DoModal();
    return dlg.m_nResult;
}
