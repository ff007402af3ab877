// What the form tolerance dialog (CXZGCDlg) and the position tolerance dialog (CWZGCDlg)
// share: a list of characteristics, their grades and main-parameter rows from the GB/T 1184
// tables, the tolerance text composed in the host's buffer with the principle toggles and the
// special-symbol menu, the symbol of the selected characteristic and the "水平放置" flag. The
// two dialogs differ in their template and control ids, their characteristic list and, in the
// position dialog, five datum texts; each derived class holds its own message table.
#pragma once

#include <string>

#include "framework/afxwin.h"
#include "framework/gdi.h"
#include "geotol/PrincipleToggleGroup.h"
#include "widgets/SymbolPopupMenu.h"
#include "geotol/gt_characteristic_list.h"

class CCharacteristicListDlg : public CDialog {
public:
    // Host values. The export hands them over before the modal run and, after OK, writes the
    // three numbers back; the text buffer is the host's own (at least 64 bytes) and is written
    // in place by every handler that recomposes the text and by OK, so after Cancel it holds
    // the last composed text.
    char* m_pText = nullptr;
    const CStringArray* m_pSymbols = nullptr;  // read only; null: empty list
    int m_nTypeFlag = 0;                       // not interpreted; set when the user selects
    int m_nPosition = 0;                       // list position of the characteristic
    int m_nHorizontal = 0;                     // nonzero: "水平放置" checked

    // Control ids that differ between the two templates.
    struct Controls {
        int text;
        int symbol;
        int type;
        int grade;
        int mainParam;
    };

protected:
    // The message table of a derived class D: the same handlers, on D's control ids, in the
    // order WM_PAINT; LBN_SELCHANGE of type, grade, main parameter; BN_CLICKED of E, M, P, 0M,
    // L and of the special-symbol button.
    template <class D>
    static const AFX_MSGMAP* MessageMapFor(const Controls& ids);

    // `uncheckAtOpening`: how many principle buttons, from E on, opening unchecks.
    CCharacteristicListDlg(UINT templateId, geotol::CharacteristicList list, const Controls& ids,
                           int uncheckAtOpening, CWnd* parent);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // Handlers; the derived classes' message tables point here.
    void OnPaint();
    void OnSelchangeType();
    void OnSelchangeGrade();
    void OnSelchangeMainParam();
    void OnPrincipleE() { TogglePrinciple(geotol::kPrincipleE); }
    void OnPrincipleM() { TogglePrinciple(geotol::kPrincipleM); }
    void OnPrincipleP() { TogglePrinciple(geotol::kPrincipleP); }
    void OnPrinciple0M() { TogglePrinciple(geotol::kPrinciple0M); }
    void OnPrincipleL() { TogglePrinciple(geotol::kPrincipleL); }
    void OnSpecialSymbol();

private:
    void TogglePrinciple(int principle);
    void SetText(const std::string& text);
    void FillGrades(geotol::Table table);
    void FillRows(geotol::Table table, int grade);
    void EnableTableControls(bool enable);
    void PaintSymbol();
    void ReleaseBitmaps();

    static constexpr int kMaxListLength = 8;

    const geotol::CharacteristicList m_list;
    const Controls m_ids;
    const int m_nUncheckAtOpening;
    CEdit m_edText;
    CStatic m_stSymbol;
    CListBox m_lbType;
    CListBox m_lbGrade;
    CListBox m_lbMainParam;
    CButton m_chkHorizontal;
    PrincipleToggleGroup m_principles;
    SpecialSymbolMenu m_symbolMenu;
    gdi::Bitmap m_hSymbols[kMaxListLength];
};

template <class D>
const AFX_MSGMAP* CCharacteristicListDlg::MessageMapFor(const Controls& ids) {
    using namespace msgmap;
    const int* principle = PrincipleToggleGroup::kButtonIds;
    static const AFX_MSGMAP_ENTRY entries[] = {
        Message<D>(WM_PAINT, &D::OnPaint),
        Command<D>(LBN_SELCHANGE, ids.type, &D::OnSelchangeType),
        Command<D>(LBN_SELCHANGE, ids.grade, &D::OnSelchangeGrade),
        Command<D>(LBN_SELCHANGE, ids.mainParam, &D::OnSelchangeMainParam),
        Command<D>(BN_CLICKED, principle[geotol::kPrincipleE], &D::OnPrincipleE),
        Command<D>(BN_CLICKED, principle[geotol::kPrincipleM], &D::OnPrincipleM),
        Command<D>(BN_CLICKED, principle[geotol::kPrincipleP], &D::OnPrincipleP),
        Command<D>(BN_CLICKED, principle[geotol::kPrinciple0M], &D::OnPrinciple0M),
        Command<D>(BN_CLICKED, principle[geotol::kPrincipleL], &D::OnPrincipleL),
        Command<D>(BN_CLICKED, IDC_SPECIAL_SYMBOL, &D::OnSpecialSymbol),
    };
    static const AFX_MSGMAP map{CDialog::GetThisMessageMap(), entries, std::size(entries)};
    return &map;
}
