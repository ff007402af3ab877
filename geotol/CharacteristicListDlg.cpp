#include "geotol/CharacteristicListDlg.h"

#include <string>

#include "framework/gbk.h"
#include "geotol/CharacteristicSymbol.h"
#include "geotol/gt_tables.h"
#include "res/tolerance_shared_res.h"

CCharacteristicListDlg::CCharacteristicListDlg(UINT templateId, geotol::CharacteristicList list,
                                               const Controls& ids, int uncheckAtOpening, CWnd* parent)
    : CDialog(templateId, parent), m_list(list), m_ids(ids), m_nUncheckAtOpening(uncheckAtOpening) {}

void CCharacteristicListDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, m_ids.text, m_edText);
    DDX_Control(pDX, m_ids.symbol, m_stSymbol);
    DDX_Control(pDX, m_ids.type, m_lbType);
    DDX_Control(pDX, m_ids.grade, m_lbGrade);
    DDX_Control(pDX, m_ids.mainParam, m_lbMainParam);
    DDX_Control(pDX, IDC_HORIZONTAL, m_chkHorizontal);
}

BOOL CCharacteristicListDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_principles.Attach(m_hWnd, m_ids.text);
    m_symbolMenu.Attach(this, m_pSymbols, m_ids.text, SpecialSymbolMenu::kToleranceInsertable);

    const int count = geotol::ListLength(m_list);
    for (int i = 0; i < count; ++i) m_hSymbols[i].reset(LoadCharacteristicSymbol(geotol::NumberAt(m_list, i)));
    for (int i = 0; i < count; ++i) m_lbType.AddString(geotol::Catalogue(geotol::NumberAt(m_list, i)).name);
    m_lbType.SetCurSel(0);

    // The grade and main-parameter lists follow the characteristic only once the user selects
    // one; until then they show the first characteristic's table.
    const geotol::Table opening = geotol::OpeningTable(m_list);
    FillGrades(opening);
    FillRows(opening, 0);

    for (int i = 0; i < m_nUncheckAtOpening; ++i) m_principles.Uncheck(i);
    m_chkHorizontal.SetCheck(m_nHorizontal != 0 ? BST_CHECKED : BST_UNCHECKED);

    m_nPosition = geotol::ClampPosition(m_list, m_nPosition);
    m_lbType.SetCurSel(m_nPosition);

    const std::string text = gbk::FromField(m_pText, geotol::kHostTextBuffer);
    m_edText.SetWindowText(text.c_str());
    m_principles.Restore(text);
    return TRUE;
}

void CCharacteristicListDlg::FillGrades(geotol::Table table) {
    m_lbGrade.ResetContent();
    const int count = geotol::GradeCount(table);
    for (int g = 0; g < count; ++g) m_lbGrade.AddString(geotol::GradeText(table, g));
    if (count > 0) m_lbGrade.SetCurSel(0);
}

void CCharacteristicListDlg::FillRows(geotol::Table table, int grade) {
    m_lbMainParam.ResetContent();
    const int count = geotol::RowCount(table);
    for (int r = 0; r < count; ++r) m_lbMainParam.AddString(geotol::RowText(table, grade, r));
}

void CCharacteristicListDlg::EnableTableControls(bool enable) {
    for (int id : {IDC_LABEL_GRADE, IDC_LABEL_VALUE, IDC_LABEL_MAIN_PARAM, m_ids.grade, m_ids.mainParam})
        ::EnableWindow(GetDlgItem(id), enable);
}

void CCharacteristicListDlg::SetText(const std::string& text) {
    gbk::ToField(m_pText, geotol::kHostTextBuffer, text);
    m_edText.SetWindowText(text.c_str());
}

void CCharacteristicListDlg::OnSelchangeType() {
    const int position = m_lbType.GetCurSel();
    if (geotol::NumberAt(m_list, position) < 0) return;
    m_nPosition = position;
    PaintSymbol();
    m_nTypeFlag = geotol::TypeFlagAt(m_list, position);

    const geotol::Table table = geotol::TableAt(m_list, position);
    if (table != geotol::Table::None) {
        EnableTableControls(true);
        FillGrades(table);
        FillRows(table, 0);
    } else {
        m_lbGrade.ResetContent();
        m_lbMainParam.ResetContent();
        EnableTableControls(false);
    }
    SetText("");
    m_principles.Drop();
}

void CCharacteristicListDlg::OnSelchangeGrade() {
    const int grade = m_lbGrade.GetCurSel();
    if (grade < 0) return;
    const geotol::Table table = geotol::TableAt(m_list, m_nPosition);
    if (table == geotol::Table::None) return;
    // The active letter stays: the next row pick appends it again.
    FillRows(table, grade);
    SetText("");
}

void CCharacteristicListDlg::OnSelchangeMainParam() {
    const int row = m_lbMainParam.GetCurSel();
    if (row < 0) return;
    const CString rowText = m_lbMainParam.GetText(row);
    SetText(m_principles.Compose(geotol::ValueTextOfRow(rowText.c_str())));
}

void CCharacteristicListDlg::TogglePrinciple(int principle) {
    m_principles.Toggle(principle, m_pText, geotol::kHostTextBuffer);
}

void CCharacteristicListDlg::OnSpecialSymbol() {
    m_symbolMenu.Build();
    m_symbolMenu.Show(GetDlgItem(IDC_SPECIAL_SYMBOL));
}

void CCharacteristicListDlg::PaintSymbol() {
    // The host's position is only clamped at opening.
    if (geotol::NumberAt(m_list, m_nPosition) < 0) return;
    PaintCharacteristicSymbol(m_stSymbol, m_hSymbols[m_nPosition].get());
}

void CCharacteristicListDlg::OnPaint() {
    gdi::PaintDC dc(m_hWnd);
    PaintSymbol();
}

void CCharacteristicListDlg::ReleaseBitmaps() {
    for (gdi::Bitmap& bitmap : m_hSymbols) bitmap.reset();
}

void CCharacteristicListDlg::OnOK() {
    GetWindowTextToField(m_edText, m_pText, geotol::kHostTextBuffer);
    ReleaseBitmaps();
    m_nHorizontal = m_chkHorizontal.GetCheck() == BST_CHECKED ? 1 : 0;
    CDialog::OnOK();
}

void CCharacteristicListDlg::OnCancel() {
    ReleaseBitmaps();
    CDialog::OnCancel();
}
