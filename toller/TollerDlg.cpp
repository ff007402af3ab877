#include "toller/TollerDlg.h"

#include <string>

#include "framework/gbk.h"
#include "inhouse/TQSymbolWnd.h"
#include "toller/LimitSheets.h"

CTollerDlg::CTollerDlg(CWnd* parent) : CDialog(IDD_TOLLER, parent) {}

CTollerDlg::~CTollerDlg() { ClosePicker(); }

const AFX_MSGMAP* CTollerDlg::GetThisMessageMap() {
    using namespace msgmap;
    using D = CTollerDlg;
    static const AFX_MSGMAP_ENTRY entries[] = {
        Message<D>(WM_DESTROY, &D::OnDestroy),
        Command<D>(BN_CLICKED, IDC_TOLLER_ZONE_SHEET, &D::OnZoneSheet),
        Command<D>(BN_CLICKED, IDC_TOLLER_FIT_SHEET, &D::OnFitSheet),
        CommandRange<D>(BN_CLICKED, IDC_TOLLER_INPUT_ZONE, IDC_TOLLER_INPUT_FIT, &D::OnInput),
        CommandRange<D>(BN_CLICKED, IDC_TOLLER_SHOW_ZONE, IDC_TOLLER_SHOW_BOTH, &D::OnDisplay),
        Command<D>(BN_CLICKED, IDC_TOLLER_SPECIAL_SYMBOL, &D::OnSpecialSymbol),
        CommandRange<D>(EN_SETFOCUS, IDC_TOLLER_PREFIX, IDC_TOLLER_SUFFIX, &D::OnSetfocusText),
    };
    static const AFX_MSGMAP map{CDialog::GetThisMessageMap(), entries, std::size(entries)};
    return &map;
}

BOOL CTollerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_symbolMenu.Attach(this, m_pSymbols, IDC_TOLLER_PREFIX);
    m_symbolMenu.FollowFocus(&m_nFocusId);
    m_symbolMenu.Build();

    toller::DropClosingParen(m_data.szUpper);
    toller::DropClosingParen(m_data.szLower);

    for (const toller::TextField& t : toller::kTextFields)
        SetWindowTextGbk(GetDlgItem(t.controlId), gbk::FromField(m_data.*t.field, kTollerTextBytes).c_str());

    m_mode = toller::OpeningMode(m_data.nFlags, m_data.nDisplayMode);
    m_data.nInputMode = m_mode.input;
    m_data.nDisplayMode = m_mode.display;
    CheckRadioButton(m_hWnd, IDC_TOLLER_INPUT_ZONE, IDC_TOLLER_INPUT_FIT, m_mode.inputRadio);
    CheckRadioButton(m_hWnd, IDC_TOLLER_SHOW_ZONE, IDC_TOLLER_SHOW_BOTH, m_mode.displayRadio);
    ApplyEnableState();

    CheckDlgButton(m_hWnd, IDC_TOLLER_KEEP_PREFIX, m_data.bKeepPrefix ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hWnd, IDC_TOLLER_KEEP_STYLE, m_data.bKeepStyle ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hWnd, IDC_TOLLER_THEORY, BST_UNCHECKED);
    return TRUE;  // the focus goes to the first edit, 211
}

void CTollerDlg::ApplyEnableState() {
    for (int id : toller::kModeControls) ::EnableWindow(GetDlgItem(id), toller::EnabledIn(m_mode.input, id));
}

void CTollerDlg::OnInput(UINT id) {
    // Zone input takes its display from the radio that shows checked, whatever set it.
    for (int radio = IDC_TOLLER_SHOW_ZONE; radio <= IDC_TOLLER_SHOW_BOTH; ++radio)
        if (IsDlgButtonChecked(m_hWnd, radio) == BST_CHECKED) m_mode.displayRadio = radio;
    m_mode = toller::SwitchInput(m_mode, static_cast<int>(id));
    m_data.nInputMode = m_mode.input;
    m_data.nDisplayMode = m_mode.display;
    ApplyEnableState();
}

void CTollerDlg::OnDisplay(UINT id) {
    m_mode = toller::SwitchDisplay(m_mode, static_cast<int>(id));
    m_data.nDisplayMode = m_mode.display;
}

void CTollerDlg::OnZoneSheet() {
    std::string zone;
    if (toller::PickZone(toller::BasicSize(m_data), this, zone))
        SetWindowTextGbk(GetDlgItem(IDC_TOLLER_ZONE), zone.c_str());
}

void CTollerDlg::OnFitSheet() {
    std::string hole, shaft;
    if (toller::PickFit(toller::BasicSize(m_data), this, hole, shaft)) {
        SetWindowTextGbk(GetDlgItem(IDC_TOLLER_HOLE), hole.c_str());
        SetWindowTextGbk(GetDlgItem(IDC_TOLLER_SHAFT), shaft.c_str());
    }
}

void CTollerDlg::OnSetfocusText(UINT id) {
    m_nFocusId = static_cast<int>(id);
    if (m_pSymbolWnd && m_pSymbolWnd->GetSafeHwnd()) m_pSymbolWnd->AutoCheck_DestWnd();
}

void CTollerDlg::OnSpecialSymbol() {
    HWND field = GetDlgItem(m_nFocusId);
    if (!field) return;
    if (!::IsWindowEnabled(field)) {
        m_nFocusId = IDC_TOLLER_PREFIX;
        field = GetDlgItem(m_nFocusId);
    }
    ::SetFocus(field);

    // A picker the user closed with its close box has no window left: the press opens a new one.
    if (m_pSymbolWnd && m_pSymbolWnd->GetSafeHwnd()) {
        ClosePicker();
        return;
    }
    ClosePicker();
    m_pSymbolWnd = new CTQSymbolWnd;
    if (!m_pSymbolWnd->Create(m_hWnd)) {
        ClosePicker();
        return;
    }
    for (int id = IDC_TOLLER_PREFIX; id <= IDC_TOLLER_SUFFIX; ++id) m_pSymbolWnd->Add_DestWnd(GetDlgItem(id));
}

void CTollerDlg::ClosePicker() {
    if (!m_pSymbolWnd) return;
    if (HWND picker = m_pSymbolWnd->GetSafeHwnd()) ::DestroyWindow(picker);
    delete m_pSymbolWnd;
    m_pSymbolWnd = nullptr;
}

void CTollerDlg::OnDestroy() { ClosePicker(); }

void CTollerDlg::OnOK() {
    for (const toller::TextField& t : toller::kTextFields)
        GetWindowTextToField(GetDlgItem(t.controlId), m_data.*t.field, kTollerTextBytes);
    m_data.bKeepPrefix = IsDlgButtonChecked(m_hWnd, IDC_TOLLER_KEEP_PREFIX) == BST_CHECKED;
    m_data.bKeepStyle = IsDlgButtonChecked(m_hWnd, IDC_TOLLER_KEEP_STYLE) == BST_CHECKED;
    m_data.bTheory = IsDlgButtonChecked(m_hWnd, IDC_TOLLER_THEORY) == BST_CHECKED;
    m_data.nFlags = toller::FlagsOnOk(m_data.nFlags, m_data.nInputMode, m_data.nDisplayMode);
    CDialog::OnOK();
}
