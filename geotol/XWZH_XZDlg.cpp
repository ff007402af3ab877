#include "geotol/XWZH_XZDlg.h"

#include "res/geotol_combined_res.h"

namespace {

// The form variant's working storage (see CombinedWorkspace).
CombinedWorkspace g_workspace;

// Without datums the text edit takes over part of their row.
constexpr int kTextWidening = 46;

}  // namespace

CXWZH_XZDlg::CXWZH_XZDlg(CWnd* parent)
    : CCombinedToleranceDlg(geotol::CombinedVariant::Form, &CombinedToleranceRecord::szFormText, g_workspace,
                            parent) {}

BOOL CXWZH_XZDlg::OnInitDialog() {
    const BOOL result = CCombinedToleranceDlg::OnInitDialog();
    HWND text = GetDlgItem(IDC_XWZH_TEXT);
    RECT rc{};
    ::GetWindowRect(text, &rc);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    ::MoveWindow(text, rc.left, rc.top, rc.right - rc.left + kTextWidening, rc.bottom - rc.top, TRUE);
    for (int id = IDC_XWZH_DATUM; id <= IDC_XWZH_DATUM_LAST; ++id) {
        ::ShowWindow(GetDlgItem(id), SW_HIDE);
        ::EnableWindow(GetDlgItem(id), FALSE);
    }
    for (int p = 0; p < geotol::kPrincipleCount; ++p) UncheckPrinciple(p);
    return result;
}
