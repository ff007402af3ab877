#include "geotol/ZHGCDlg.h"

#include <string>

#include "geotol/CharacteristicSymbol.h"
#include "res/geotol_combination_res.h"

CZHGCDlg::CZHGCDlg(CWnd* parent) : CDialog(IDD_GEOTOL_COMBINATION, parent) {}

const AFX_MSGMAP* CZHGCDlg::GetThisMessageMap() {
    using namespace msgmap;
    using D = CZHGCDlg;
    static const AFX_MSGMAP_ENTRY entries[] = {
        Command<D>(BN_CLICKED, IDC_ZHGC_PLUS, &D::OnPlus),
        Command<D>(BN_CLICKED, IDC_ZHGC_MINUS, &D::OnMinus),
        CommandRange<D>(BN_CLICKED, IDC_ZHGC_TYPE, IDC_ZHGC_TYPE_LAST, &D::OnCharacteristic),
    };
    static const AFX_MSGMAP map{CDialog::GetThisMessageMap(), entries, std::size(entries)};
    return &map;
}

BOOL CZHGCDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int i = 0; i < geotol::kCharacteristicCount; ++i) {
        m_hBitmaps[i].reset(LoadCharacteristicSymbol(i));
        // The template has plain text statics; the low byte of a static's style is its kind,
        // and 0x0E makes it a bitmap static, which then takes the symbol by STM_SETIMAGE.
        HWND symbol = GetDlgItem(IDC_ZHGC_SYMBOL + i);
        SetWindowLongPtrW(symbol, GWL_STYLE, GetWindowLongPtrW(symbol, GWL_STYLE) | SS_BITMAP);
        ::SendMessageW(symbol, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_hBitmaps[i].get()));
        ShowCount(i);
    }
    // The first tab stop is the radio of the first characteristic, and an automatic radio
    // button that receives the focus checks itself and reports a click: the dialog would open
    // with a characteristic counted. OK takes the first focus instead.
    ::SetFocus(GetDlgItem(IDOK));
    return FALSE;
}

int CZHGCDlg::CheckedCharacteristic() const {
    for (int i = 0; i < geotol::kCharacteristicCount; ++i)
        if (IsDlgButtonChecked(m_hWnd, IDC_ZHGC_TYPE + i) == BST_CHECKED) return i;
    return -1;
}

void CZHGCDlg::ShowCount(int characteristic) {
    const std::string text = std::to_string(static_cast<unsigned>(m_counts.Count(characteristic)));
    SetWindowTextGbk(GetDlgItem(IDC_ZHGC_COUNT + characteristic), text.c_str());
}

void CZHGCDlg::ShowButtons() {
    ::EnableWindow(GetDlgItem(IDC_ZHGC_PLUS), m_counts.PlusEnabled());
    ::EnableWindow(GetDlgItem(IDC_ZHGC_MINUS), m_counts.MinusEnabled());
}

void CZHGCDlg::OnCharacteristic(UINT id) {
    const int characteristic = static_cast<int>(id) - IDC_ZHGC_TYPE;
    if (m_counts.Pick(characteristic)) ShowCount(characteristic);
    ShowButtons();
}

void CZHGCDlg::OnPlus() {
    const int characteristic = CheckedCharacteristic();
    if (characteristic < 0) return;
    if (m_counts.Plus(characteristic)) ShowCount(characteristic);
    ShowButtons();
}

void CZHGCDlg::OnMinus() {
    const int characteristic = CheckedCharacteristic();
    if (characteristic < 0) return;
    if (m_counts.Minus(characteristic)) ShowCount(characteristic);
    ShowButtons();
}

void CZHGCDlg::ReleaseBitmaps() {
    // Take the symbols out of the statics first, so none of them is left painting a deleted
    // bitmap while the dialog goes away.
    for (int i = 0; i < geotol::kCharacteristicCount; ++i) {
        ::SendMessageW(GetDlgItem(IDC_ZHGC_SYMBOL + i), STM_SETIMAGE, IMAGE_BITMAP, 0);
        m_hBitmaps[i].reset();
    }
}

void CZHGCDlg::OnOK() {
    ReleaseBitmaps();
    CDialog::OnOK();
}

void CZHGCDlg::OnCancel() {
    ReleaseBitmaps();
    CDialog::OnCancel();
}
