#include "entry/exports_rough.h"

#include "framework/afxwin.h"
#include "roughness/RoughDlg.h"

// Every entry point: switch to the module's own state for the call (restored on every way
// out), build the dialog on the stack, run it modally, copy back only on OK.

extern "C" TQDIM_RESULT WINAPI TQDim_RoughDlg(RoughRecord* record) {
    if (!record) return false;
    AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
    CRoughDlg dlg;
    dlg.m_pRecord = record;  // read at opening, written in place
    return dlg.DoModal() == IDOK;
}
