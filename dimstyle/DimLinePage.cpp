#include "dimstyle/DimLinePage.h"

#include "dimstyle/dim_page_controls.h"
#include "dimstyle/dim_rules.h"
#include "dimstyle/dim_texts.h"
#include "res/dimstyle_res.h"

using namespace dimstyle;

CDimLinePage::CDimLinePage() : CDialog(IDD_DIMSTYLE_LINE) {}

const AFX_MSGMAP* CDimLinePage::GetThisMessageMap() {
    using namespace msgmap;
    using D = CDimLinePage;
    static const AFX_MSGMAP_ENTRY entries[] = {
        Command<D>(BN_CLICKED, IDC_LINE_OUTWARD, &D::OnOutward),
        Command<D>(BN_CLICKED, IDC_LINE_INWARD, &D::OnInward),
        Command<D>(BN_CLICKED, IDC_LINE_EDITED_COLOR, &D::OnEditedColor),
        Command<D>(CBN_SELCHANGE, IDC_LINE_ARROW_TYPE, &D::OnSelchangeArrowType),
        // The colour list draws its own items.
        DrawItemFor<D>(IDC_LINE_COLOR, &D::OnDrawColor),
    };
    static const AFX_MSGMAP map{CDialog::GetThisMessageMap(), entries, std::size(entries)};
    return &map;
}

void CDimLinePage::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINE_COLOR, m_cmbColor);
}

BOOL CDimLinePage::OnInitDialog() {
    CDialog::OnInitDialog();
    const DimStyleRecord& style = *m_pStyle;
    const HWND page = m_hWnd;
    m_wStyleFlags = style.wStyleFlags;

    const Boundary boundary = BoundaryOf(m_wStyleFlags);
    CheckDlgButton(page, IDC_LINE_LEFT, boundary.left ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(page, IDC_LINE_RIGHT, boundary.right ? BST_CHECKED : BST_UNCHECKED);
    SetItemText(page, IDC_LINE_SLANT, FormatG(style.fSlant));

    const bool outward = (m_wStyleFlags & flags::kArrowsOutward) != 0;
    CheckDlgButton(page, outward ? IDC_LINE_OUTWARD : IDC_LINE_INWARD, BST_CHECKED);
    ::EnableWindow(GetDlgItem(IDC_LINE_EXT_LEN), !outward);
    CheckDlgButton(page, (m_wStyleFlags & flags::kLineUnbroken) ? IDC_LINE_UNBROKEN : IDC_LINE_BROKEN,
                   BST_CHECKED);

    for (const char* type : {text::kArrowHead, text::kArrowStroke, text::kArrowSingle})
        AddComboText(page, IDC_LINE_ARROW_TYPE, type);
    ::SendDlgItemMessageW(page, IDC_LINE_ARROW_TYPE, CB_SETCURSEL, style.nArrowType, 0);

    SetItemText(page, IDC_LINE_ARROW_LEN, FormatG(style.fArrowLen));
    SetItemText(page, IDC_LINE_ARROW_ANGLE, FormatG(style.fArrowAngle));
    SetItemText(page, IDC_LINE_EXT_LEN, FormatG(style.fExtArrowLen));
    if (style.bAutoHide) CheckDlgButton(page, IDC_LINE_AUTO_HIDE, BST_CHECKED);

    if (style.nEditedColor == -1)
        m_cmbColor.EnableWindow(FALSE);
    else
        CheckDlgButton(page, IDC_LINE_EDITED_COLOR, BST_CHECKED);
    m_cmbColor.InitBox(style.nEditedColor, 0);

    if (style.nArrowType != 0) ::EnableWindow(GetDlgItem(IDC_LINE_SOLID), FALSE);
    if (style.bSolidArrow) CheckDlgButton(page, IDC_LINE_SOLID, BST_CHECKED);
    return TRUE;
}

void CDimLinePage::SaveSettings() {
    DimStyleRecord& style = *m_pStyle;
    const HWND page = m_hWnd;
    m_wStyleFlags = style.wStyleFlags;

    m_wStyleFlags = WithBoundary(m_wStyleFlags, IsChecked(page, IDC_LINE_LEFT), IsChecked(page, IDC_LINE_RIGHT));
    ScanFloat(ItemText(page, IDC_LINE_SLANT, 50), style.fSlant);
    if (IsChecked(page, IDC_LINE_UNBROKEN)) m_wStyleFlags = WithBit(m_wStyleFlags, flags::kLineUnbroken, true);
    if (IsChecked(page, IDC_LINE_BROKEN)) m_wStyleFlags = WithBit(m_wStyleFlags, flags::kLineUnbroken, false);

    const bool outward = IsChecked(page, IDC_LINE_OUTWARD);
    m_wStyleFlags = WithBit(m_wStyleFlags, flags::kArrowsOutward, outward);
    if (!outward && IsChecked(page, IDC_LINE_INWARD))
        style.fExtArrowLen = RaiseExtArrowLen(static_cast<float>(Atof(ItemText(page, IDC_LINE_EXT_LEN))));

    style.nArrowType = ArrowTypeByte(static_cast<int>(::SendDlgItemMessageW(page, IDC_LINE_ARROW_TYPE, CB_GETCURSEL, 0, 0)));
    if (style.nArrowType == 0) style.bSolidArrow = IsChecked(page, IDC_LINE_SOLID) ? 1 : 0;

    ScanFloat(ItemText(page, IDC_LINE_ARROW_LEN), style.fArrowLen);
    ScanFloat(ItemText(page, IDC_LINE_ARROW_ANGLE), style.fArrowAngle);
    style.bAutoHide = IsChecked(page, IDC_LINE_AUTO_HIDE) ? 1 : 0;
    style.nEditedColor = -1;
    if (IsChecked(page, IDC_LINE_EDITED_COLOR)) style.nEditedColor = m_cmbColor.GetCurSel();
    style.wStyleFlags = m_wStyleFlags;
}

void CDimLinePage::OnOutward() { ::EnableWindow(GetDlgItem(IDC_LINE_EXT_LEN), FALSE); }
void CDimLinePage::OnInward() { ::EnableWindow(GetDlgItem(IDC_LINE_EXT_LEN), TRUE); }

void CDimLinePage::OnEditedColor() { m_cmbColor.EnableWindow(IsChecked(m_hWnd, IDC_LINE_EDITED_COLOR)); }

void CDimLinePage::OnSelchangeArrowType() {
    const LRESULT selected = ::SendDlgItemMessageW(m_hWnd, IDC_LINE_ARROW_TYPE, CB_GETCURSEL, 0, 0);
    ::EnableWindow(GetDlgItem(IDC_LINE_SOLID), selected == 0);
}
