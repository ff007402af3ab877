#include "entry/exports_weld.h"

#include "framework/afxwin.h"
#include "weld/WeldDlg.h"
#include "weld/weld_record.h"

extern "C" TQDIM_RESULT WINAPI TQDim_WeldDlg(WeldRecord* record) {
    if (!record) return false;
    AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
    CWeldDlg dlg;
    weld::CopyIn(*record, dlg.m_data);
    if (dlg.DoModal() != IDOK) return false;
    weld::CopyBack(dlg.m_data, *record);
    return true;
}
