#include "entry/exports_geotol_single.h"

#include "framework/afxwin.h"
#include "framework/gbk.h"
#include "geotol/WZGCDlg.h"
#include "geotol/XZGCDlg.h"

namespace {

// Hands the host's values to either dialog and, after OK only, writes the numbers back.
bool RunListDialog(CCharacteristicListDlg& dlg, char* text, int* typeFlag, int* position,
                   const CStringArray* symbols, int* horizontal) {
    dlg.m_pText = text;  // edited in place
    dlg.m_pSymbols = symbols;
    dlg.m_nTypeFlag = *typeFlag;
    dlg.m_nPosition = *position;
    dlg.m_nHorizontal = *horizontal;
    if (dlg.DoModal() != IDOK) return false;
    *typeFlag = dlg.m_nTypeFlag;
    *position = dlg.m_nPosition;
    *horizontal = dlg.m_nHorizontal;
    return true;
}

}  // namespace

extern "C" TQDIM_RESULT WINAPI TQDim_XZGCDlg(char* text, int* typeFlag, int* position, const CStringArray* symbols,
                                     int* horizontal) {
    if (!text || !typeFlag || !position || !horizontal) return false;
    AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
    CXZGCDlg dlg;
    return RunListDialog(dlg, text, typeFlag, position, symbols, horizontal);
}

extern "C" TQDIM_RESULT WINAPI TQDim_WZGCDlg(char* text, char (*datums)[40], int* typeFlag, int* position,
                                     const CStringArray* symbols, int* horizontal) {
    if (!text || !datums || !typeFlag || !position || !horizontal) return false;
    AFX_MAINTAIN_STATE2 state(AfxGetStaticModuleState());
    CWZGCDlg dlg;
    for (int i = 0; i < geotol::kDatumCount; ++i)
        gbk::ToField(dlg.m_szDatum[i], geotol::kDatumField, gbk::FromField(datums[i], geotol::kDatumField));
    if (!RunListDialog(dlg, text, typeFlag, position, symbols, horizontal)) return false;
    for (int i = 0; i < geotol::kDatumCount; ++i)
        gbk::ToField(datums[i], geotol::kDatumField, dlg.m_szDatum[i]);
    return true;
}
