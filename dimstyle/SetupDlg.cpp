#include "dimstyle/SetupDlg.h"

#include "dimstyle/dim_texts.h"
#include "res/dimstyle_res.h"

CSetupDlg::CSetupDlg(CWnd* parent) : CDialog(IDD_DIMSTYLE_SHEET, parent) {}

const AFX_MSGMAP* CSetupDlg::GetThisMessageMap() {
    using namespace msgmap;
    using D = CSetupDlg;
    static const AFX_MSGMAP_ENTRY entries[] = {
        Command<D>(BN_CLICKED, IDC_SHEET_APPLY, &D::OnApplyToDrawing),
    };
    static const AFX_MSGMAP map{CDialog::GetThisMessageMap(), entries, std::size(entries)};
    return &map;
}

void CSetupDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SHEET_TABS, m_tabSheet);
}

BOOL CSetupDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_tabSheet.AddPage(dimstyle::text::kTabText, &m_textPage, IDD_DIMSTYLE_TEXT);
    m_tabSheet.AddPage(dimstyle::text::kTabLine, &m_linePage, IDD_DIMSTYLE_LINE);
    // The pages read the records when their windows are created by Show.
    m_linePage.m_pStyle = m_pStyle;
    m_textPage.m_pStyle = m_pStyle;
    m_textPage.m_pItemNo = m_pItemNo;
    m_tabSheet.Show();
    return TRUE;
}

void CSetupDlg::SaveAndClose(int result) {
    // Text page first: each page reloads the flag word, so both pages' bits survive.
    m_textPage.SaveSettings();
    m_linePage.SaveSettings();
    m_nResult = result;
    CDialog::OnOK();
}

void CSetupDlg::OnOK() { SaveAndClose(kConfirmed); }
void CSetupDlg::OnApplyToDrawing() { SaveAndClose(kApplyToDrawing); }
