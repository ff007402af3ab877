#include "entry/exports_toller.h"

#include "framework/afxwin.h"
#include "toller/TollerDlg.h"

extern "C" TQDIM_RESULT WINAPI TQDim_TollerDlg(TollerRecord* record, const CStringArray* symbols) {
    if (!record) return false;
    AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
    CTollerDlg dlg;
    dlg.m_pSymbols = symbols;
    toller::LoadRecord(*record, dlg.m_data);
    if (dlg.DoModal() != IDOK) return false;
    toller::StoreRecord(dlg.m_data, *record);
    return true;
}
