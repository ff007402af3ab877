#include "geotol/CombinedToleranceDlg.h"

#include <cstring>
#include <string>

#include "framework/gbk.h"
#include "geotol/CharacteristicSymbol.h"
#include "res/geotol_combined_res.h"

namespace {

constexpr int kListControls[] = {IDC_XWZH_LABEL_GRADE, IDC_XWZH_LABEL_VALUE, IDC_XWZH_LABEL_MAIN_PARAM,
                                 IDC_XWZH_GRADE, IDC_XWZH_MAIN_PARAM};

}  // namespace

CCombinedToleranceDlg::CCombinedToleranceDlg(geotol::CombinedVariant variant, VariantField variantField,
                                             CombinedWorkspace& workspace, CWnd* parent)
    : CDialog(IDD_GEOTOL_COMBINED, parent), m_variant(variant), m_variantField(variantField), m_work(workspace) {
    m_principles.UseStorage(m_work.nCounters, m_szPrinciple, sizeof m_szPrinciple);
}

const AFX_MSGMAP* CCombinedToleranceDlg::GetThisMessageMap() {
    using namespace msgmap;
    using D = CCombinedToleranceDlg;
    static const AFX_MSGMAP_ENTRY entries[] = {
        Message<D>(WM_PAINT, &D::OnPaint),
        CommandRange<D>(BN_CLICKED, IDC_XWZH_PRINCIPLE_E, IDC_XWZH_PRINCIPLE_P, &D::OnPrinciple),
        CommandRange<D>(BN_CLICKED, IDC_XWZH_PRINCIPLE_0M, IDC_XWZH_PRINCIPLE_L, &D::OnPrinciple),
        Command<D>(BN_CLICKED, IDC_XWZH_SPECIAL_SYMBOL, &D::OnSpecialSymbol),
        Command<D>(LBN_SELCHANGE, IDC_XWZH_GRADE, &D::OnSelchangeGrade),
        Command<D>(LBN_SELCHANGE, IDC_XWZH_MAIN_PARAM, &D::OnSelchangeMainParam),
    };
    static const AFX_MSGMAP map{CDialog::GetThisMessageMap(), entries, std::size(entries)};
    return &map;
}

void CCombinedToleranceDlg::LoadRecord(const CombinedToleranceRecord& record) {
    m_nCharacteristic = record.nCharacteristic;
    geotol::CopyFieldText(m_szTolerance, record.szTolerance, sizeof m_szTolerance);
    geotol::CopyFieldText(m_szPrinciple, record.szPrinciple, sizeof m_szPrinciple);
    geotol::CopyFieldText(m_szVariantText, record.*m_variantField, sizeof m_szVariantText);
}

void CCombinedToleranceDlg::StoreRecord(CombinedToleranceRecord& record) const {
    record.nGrade = m_nGrade;
    geotol::CopyFieldText(record.*m_variantField, m_szVariantText, sizeof m_szVariantText);
    geotol::CopyFieldText(record.szTolerance, m_szTolerance, sizeof m_szTolerance);
    geotol::CopyFieldText(record.szPrinciple, m_szPrinciple, sizeof m_szPrinciple);
}

void CCombinedToleranceDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_XWZH_GRADE, m_lstGrade);
    DDX_Control(pDX, IDC_XWZH_MAIN_PARAM, m_lstMainParam);
    DDX_Control(pDX, IDC_XWZH_TEXT, m_edtText);
}

BOOL CCombinedToleranceDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    m_symbolMenu.Attach(this, m_pSymbols, IDC_XWZH_TEXT, SpecialSymbolMenu::kToleranceInsertable);
    m_symbolMenu.Build();

    // A fresh start whatever the record or an earlier call left: no grade picked, no
    // principle active, the working text empty and not the record's.
    m_nGrade = 0;
    std::memset(&m_work, 0, sizeof m_work);
    m_principles.Attach(m_hWnd, IDC_XWZH_TEXT);
    m_principles.Reset();
    ShowText();

    if (geotol::IsCharacteristic(m_nCharacteristic)) SetWindowText(geotol::Catalogue(m_nCharacteristic).name);
    m_hBitmap.reset(LoadCharacteristicSymbol(m_nCharacteristic));

    const geotol::CombinedLists lists = geotol::CombinedListsFor(m_variant, m_nCharacteristic);
    const int grades = geotol::GradeCount(lists.grades);
    for (int g = 0; g < grades; ++g) m_lstGrade.AddString(geotol::GradeText(lists.grades, g));
    if (grades > 0) m_lstGrade.SetCurSel(0);
    FillRows();
    if (!lists.listsEnabled)
        for (int id : kListControls) ::EnableWindow(GetDlgItem(id), FALSE);
    return TRUE;
}

void CCombinedToleranceDlg::FillRows() {
    const geotol::Table table = geotol::CombinedListsFor(m_variant, m_nCharacteristic).rows;
    m_lstMainParam.ResetContent();
    const int rows = geotol::RowCount(table);
    for (int r = 0; r < rows; ++r) m_lstMainParam.AddString(geotol::RowText(table, m_nGrade, r));
}

void CCombinedToleranceDlg::ShowText() { m_edtText.SetWindowText(m_work.szText); }

void CCombinedToleranceDlg::OnSelchangeGrade() {
    // The host gets a list position back; a notification without a selection (possible only
    // from a program, on an empty list) keeps the last one.
    const int selected = m_lstGrade.GetCurSel();
    if (selected >= 0) m_nGrade = selected;
    FillRows();
    m_work.szText[0] = 0;
    ShowText();
}

void CCombinedToleranceDlg::OnSelchangeMainParam() {
    gbk::ToField(m_work.szRow, sizeof m_work.szRow, m_lstMainParam.GetText(m_lstMainParam.GetCurSel()).c_str());
    const std::string text = m_principles.Compose(geotol::ValueTextOfRow(m_work.szRow));
    gbk::ToField(m_work.szText, sizeof m_work.szText, text);
    ShowText();
}

void CCombinedToleranceDlg::OnPrinciple(UINT id) {
    for (int p = 0; p < geotol::kPrincipleCount; ++p)
        if (PrincipleToggleGroup::kButtonIds[p] == static_cast<int>(id))
            m_principles.Toggle(p, m_work.szText, sizeof m_work.szText);
}

void CCombinedToleranceDlg::OnSpecialSymbol() { m_symbolMenu.Show(GetDlgItem(IDC_XWZH_SPECIAL_SYMBOL)); }

void CCombinedToleranceDlg::OnPaint() {
    gdi::PaintDC paint(m_hWnd);
    PaintCharacteristicSymbol(GetDlgItem(IDC_XWZH_SYMBOL), m_hBitmap.get());
}

void CCombinedToleranceDlg::OnOK() {
    GetWindowTextToField(m_edtText, m_work.szText, geotol::kToleranceTextBytes + 1);
    geotol::CopyFieldText(m_szTolerance, m_work.szText, sizeof m_szTolerance);
    m_hBitmap.reset();
    CDialog::OnOK();
}

void CCombinedToleranceDlg::OnCancel() {
    m_hBitmap.reset();
    CDialog::OnCancel();
}
