#include "dimstyle/DimTextPage.h"

#include <cstring>
#include <string>

#include "dimstyle/dim_page_controls.h"
#include "dimstyle/dim_texts.h"
#include "inhouse/Dorn.h"
#include "res/dimstyle_res.h"

using namespace dimstyle;

static_assert(sizeof(LOGFONTA) == sizeof(DimStyleRecord::lfFont), "the record holds a LOGFONTA");

CDimTextPage::CDimTextPage() : CDialog(IDD_DIMSTYLE_TEXT), m_nSizeCount(static_cast<int>(kSizeCount)) {
    for (std::size_t i = 0; i < kSizeCount; ++i) m_fSizes[i] = kSizes[i];
}

const AFX_MSGMAP* CDimTextPage::GetThisMessageMap() {
    using namespace msgmap;
    using D = CDimTextPage;
    static const AFX_MSGMAP_ENTRY entries[] = {
        Command<D>(BN_CLICKED, IDC_TEXT_FONT, &D::OnFont),
    };
    static const AFX_MSGMAP map{CDialog::GetThisMessageMap(), entries, std::size(entries)};
    return &map;
}

void CDimTextPage::ShowSize(int id, float size) {
    HWND list = GetDlgItem(id);
    if (const int preset = PresetNear(size); preset >= 0) ::SendMessageW(list, CB_SETCURSEL, preset, 0);
    if (::SendMessageW(list, CB_GETCURSEL, 0, 0) < 0) SetWindowTextGbk(list, FormatG(size).c_str());
}

BOOL CDimTextPage::OnInitDialog() {
    CDialog::OnInitDialog();
    const DimStyleRecord& style = *m_pStyle;
    const ItemNoRecord& itemNo = *m_pItemNo;
    m_nFontCode = style.nFontCode;
    std::memcpy(&m_lfFont, style.lfFont, sizeof m_lfFont);
    m_wStyleFlags = style.wStyleFlags;

    static const int kSizeLists[] = {IDC_TEXT_DIM_SIZE, IDC_TEXT_SYM_SIZE, IDC_TEXT_TOL_SIZE,
                                     IDC_TEXT_ITEM_TEXT_SIZE};
    for (int i = 0; i < m_nSizeCount; ++i) {
        const std::string text = FormatG(m_fSizes[i]);
        for (int id : kSizeLists) AddComboText(m_hWnd, id, text.c_str());
    }
    ShowSize(IDC_TEXT_DIM_SIZE, style.fDimTextSize);
    ShowSize(IDC_TEXT_TOL_SIZE, style.fTolTextSize);
    ShowSize(IDC_TEXT_SYM_SIZE, style.fSymTextSize);
    ShowSize(IDC_TEXT_ITEM_TEXT_SIZE, itemNo.fTextSize);

    static const int kStateRadio[] = {IDC_TEXT_STATE_SHOWN, IDC_TEXT_STATE_HIDDEN, IDC_TEXT_STATE_EXACT,
                                      IDC_TEXT_STATE_NODE};
    CheckDlgButton(m_hWnd, kStateRadio[static_cast<int>(StateOf(m_wStyleFlags))], BST_CHECKED);
    static const int kPosRadio[] = {0, IDC_TEXT_POS_ABOVE, IDC_TEXT_POS_INLINE, IDC_TEXT_POS_BELOW,
                                    IDC_TEXT_POS_CUSTOM};
    if (const ValuePos pos = PositionOf(m_wStyleFlags); pos != ValuePos::None)
        CheckDlgButton(m_hWnd, kPosRadio[static_cast<int>(pos)], BST_CHECKED);

    SetItemText(m_hWnd, IDC_TEXT_DIM_DECIMALS, FormatInt(style.nDimDecimals));
    FillKeepZeros(m_hWnd, IDC_TEXT_DIM_ZEROS, style.bDimKeepZeros != 0);
    if (style.bDegMinSec) CheckDlgButton(m_hWnd, IDC_TEXT_DEG_MIN_SEC, BST_CHECKED);
    if (style.dwTextFlags & 1u) CheckDlgButton(m_hWnd, IDC_TEXT_FULL_WIDTH, BST_CHECKED);
    SetItemText(m_hWnd, IDC_TEXT_ITEM_SYM_SIZE, FormatG(itemNo.fSymSize));
    SetItemText(m_hWnd, IDC_TEXT_ITEM_SYM_LENGTH, FormatG(itemNo.fSymLength));
    SetItemText(m_hWnd, IDC_TEXT_TOL_DECIMALS, FormatInt(style.nTolDecimals));
    FillKeepZeros(m_hWnd, IDC_TEXT_TOL_ZEROS, style.bTolKeepZeros != 0);
    SetItemText(m_hWnd, IDC_TEXT_DIM_SPACE, FormatG(style.fDimCharSpace));
    SetItemText(m_hWnd, IDC_TEXT_TOL_SPACE, FormatG(style.fTolCharSpace));
    return TRUE;
}

void CDimTextPage::SaveSettings() {
    DimStyleRecord& style = *m_pStyle;
    ItemNoRecord& itemNo = *m_pItemNo;
    const HWND page = m_hWnd;
    m_wStyleFlags = style.wStyleFlags;

    style.fSymTextSize = static_cast<float>(Atof(ItemText(page, IDC_TEXT_SYM_SIZE)));
    style.fDimTextSize = static_cast<float>(Atof(ItemText(page, IDC_TEXT_DIM_SIZE)));
    style.fTolTextSize = static_cast<float>(Atof(ItemText(page, IDC_TEXT_TOL_SIZE)));
    itemNo.fTextSize = static_cast<float>(Atof(ItemText(page, IDC_TEXT_ITEM_TEXT_SIZE)));

    m_wStyleFlags = WithState(m_wStyleFlags, IsChecked(page, IDC_TEXT_STATE_EXACT),
                              IsChecked(page, IDC_TEXT_STATE_HIDDEN), IsChecked(page, IDC_TEXT_STATE_NODE));
    m_wStyleFlags = WithPosition(m_wStyleFlags, IsChecked(page, IDC_TEXT_POS_ABOVE),
                                 IsChecked(page, IDC_TEXT_POS_INLINE), IsChecked(page, IDC_TEXT_POS_BELOW),
                                 IsChecked(page, IDC_TEXT_POS_CUSTOM));

    ScanInt(ItemText(page, IDC_TEXT_DIM_DECIMALS), style.nDimDecimals);
    style.bDimKeepZeros = KeepsZeros(page, IDC_TEXT_DIM_ZEROS) ? 1 : 0;
    ScanFloat(ItemText(page, IDC_TEXT_ITEM_SYM_SIZE), itemNo.fSymSize);
    ScanFloat(ItemText(page, IDC_TEXT_ITEM_SYM_LENGTH), itemNo.fSymLength);
    ScanInt(ItemText(page, IDC_TEXT_TOL_DECIMALS), style.nTolDecimals);
    style.nTolDecimals = ClampTolDecimals(style.nTolDecimals);
    style.bTolKeepZeros = KeepsZeros(page, IDC_TEXT_TOL_ZEROS) ? 1 : 0;
    style.bDegMinSec = IsChecked(page, IDC_TEXT_DEG_MIN_SEC) ? 1 : 0;
    style.dwTextFlags = (style.dwTextFlags & ~1u) | (IsChecked(page, IDC_TEXT_FULL_WIDTH) ? 1u : 0u);
    ScanFloat(ItemText(page, IDC_TEXT_DIM_SPACE), style.fDimCharSpace);
    ScanFloat(ItemText(page, IDC_TEXT_TOL_SPACE), style.fTolCharSpace);

    std::memcpy(style.lfFont, &m_lfFont, sizeof m_lfFont);
    style.nFontCode = m_nFontCode;
    style.wStyleFlags = m_wStyleFlags;
}

void CDimTextPage::OnFont() {
    // Without the core library the button does nothing.
    const dorn::Library* dorn = dorn::Load();
    if (!dorn) return;

    float spacing = 0.0f;
    ScanFloat(ItemText(m_hWnd, IDC_TEXT_DIM_SPACE), spacing);
    dorn->setInt(dorn::kSettingCharSpace, Hundredths(spacing));
    dorn->setInt(dorn::kSettingFontSize, Hundredths(Atof(ItemText(m_hWnd, IDC_TEXT_DIM_SIZE))));
    dorn->setInt(dorn::kSettingFontCode, m_nFontCode);

    TextAttribRecord attrib{};
    attrib.lfFont = m_lfFont;
    attrib.bForeignFace = 0;
    attrib.fCharSpace = 0.0f;
    attrib.fValue72 = 1.0f;
    attrib.fValue76 = 6.0f;
    attrib.fValue80 = 7.0f;
    attrib.nValue84 = 0;
    attrib.fValue88 = 1.0f;
    if (!dorn->textAttribDlg(&attrib, m_hWnd)) return;

    m_lfFont = attrib.lfFont;
    m_nFontCode = attrib.bForeignFace ? 15 : dorn->getInt(dorn::kSettingFontCode);
    ShowSize(IDC_TEXT_DIM_SIZE, m_pStyle->fDimTextSize);
    SetItemText(m_hWnd, IDC_TEXT_DIM_SPACE, FormatG(attrib.fCharSpace));
}
