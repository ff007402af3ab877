#include "entry/exports_geotol_combined.h"

#include <algorithm>

#include "framework/afxwin.h"
#include "geotol/XWZH_WZDlg.h"
#include "geotol/XWZH_XZDlg.h"
#include "geotol/ZHGCDlg.h"

// Every entry point: switch to the module's own state for the call (restored on every way
// out), build the dialog on the stack, run it modally, copy back only on OK.

extern "C" TQDIM_RESULT WINAPI TQDim_ZHGCDlg(std::int32_t* counts) {
    if (!counts) return false;
    AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
    CZHGCDlg dlg;
    if (dlg.DoModal() != IDOK) return false;
    std::copy(dlg.Counts().begin(), dlg.Counts().end(), counts);
    return true;
}

namespace {

template <class Dialog>
bool RunCombined(CombinedToleranceRecord* record, const CStringArray* symbols) {
    if (!record) return false;
    AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
    Dialog dlg;
    dlg.m_pSymbols = symbols;
    dlg.LoadRecord(*record);
    if (dlg.DoModal() != IDOK) return false;
    dlg.StoreRecord(*record);
    return true;
}

}  // namespace

extern "C" TQDIM_RESULT WINAPI TQDim_XWZH_WZDlg(CombinedToleranceRecord* record, const CStringArray* symbols) {
    return RunCombined<CXWZH_WZDlg>(record, symbols);
}

extern "C" TQDIM_RESULT WINAPI TQDim_XWZH_XZDlg(CombinedToleranceRecord* record, const CStringArray* symbols) {
    return RunCombined<CXWZH_XZDlg>(record, symbols);
}
