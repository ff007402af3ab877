// What the two combined geometric tolerance dialogs share: template 2000 for one characteristic
// that the host fixes, its grades and main-parameter rows, the tolerance text composed with the
// principle toggles and the special-symbol menu. CXWZH_WZDlg (position variant) and
// CXWZH_XZDlg (form variant) differ only in the few points their constructors and
// OnInitDialog settle.
#pragma once

#include <cstddef>

#include "framework/afxwin.h"
#include "framework/gdi.h"
#include "geotol/CombinedToleranceRecord.h"
#include "geotol/PrincipleToggleGroup.h"
#include "widgets/SymbolPopupMenu.h"
#include "geotol/gt_combined.h"
#include "geotol/gt_principle.h"

// Working storage of one variant, at module level: the text being composed, the text of the
// picked row and the principle click counters. Each opening resets it, so nothing carries
// over from one call to the next; a variant cannot be open twice at the same time.
struct CombinedWorkspace {
    char szText[128];
    char szRow[geotol::kRowSlot];
    int nCounters[geotol::kPrincipleCount];
};

class CCombinedToleranceDlg : public CDialog {
public:
    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    // The export's copies: the record's values and texts before the modal run (offset 0, the
    // tolerance text, the principle field and this variant's text field), and back after OK in
    // the host's order: grade index, variant text field, tolerance text, principle letter.
    // Texts are copied as the host's NUL-terminated copy would, never past a field.
    void LoadRecord(const CombinedToleranceRecord& record);
    void StoreRecord(CombinedToleranceRecord& record) const;

    const CStringArray* m_pSymbols = nullptr;  // the host's list, read only; null: empty
    int m_nCharacteristic = 0;
    int m_nGrade = 0;
    char m_szTolerance[128] = {};
    char m_szVariantText[128] = {};  // the record's text field of this variant: never shown
    char m_szPrinciple[20] = {};     // the active principle letter, or empty

protected:
    using VariantField = char (CombinedToleranceRecord::*)[128];
    CCombinedToleranceDlg(geotol::CombinedVariant variant, VariantField variantField,
                          CombinedWorkspace& workspace, CWnd* parent);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void UncheckPrinciple(int principle) { m_principles.Uncheck(principle); }

private:
    void OnPaint();
    void OnPrinciple(UINT id);  // E, M, P, 0M and L
    void OnSpecialSymbol();
    void OnSelchangeGrade();
    void OnSelchangeMainParam();

    // The main-parameter rows of the current grade (none when the characteristic has no table
    // in this variant).
    void FillRows();
    void ShowText();

    geotol::CombinedVariant m_variant;
    VariantField m_variantField;
    CombinedWorkspace& m_work;
    CListBox m_lstGrade;
    CListBox m_lstMainParam;
    CEdit m_edtText;
    PrincipleToggleGroup m_principles;
    SpecialSymbolMenu m_symbolMenu;
    gdi::Bitmap m_hBitmap;
};
