// The dimension and tolerance dialog: a dimension's prefix, value and suffix, its tolerance as a
// zone, two deviations or a fit, how the host shows it, and three check boxes the host reads.
#pragma once

#include "framework/afxwin.h"
#include "res/toller_res.h"
#include "toller/TollerRecord.h"
#include "toller/toller_rules.h"
#include "widgets/SymbolPopupMenu.h"

class CTQSymbolWnd;

class CTollerDlg : public CDialog {
public:
    explicit CTollerDlg(CWnd* parent = nullptr);
    ~CTollerDlg() override;

    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    TollerRecord m_data{};                      // the export's copy of the host's record
    const CStringArray* m_pSymbols = nullptr;   // the host's special characters, read only
    int m_nFocusId = IDC_TOLLER_PREFIX;         // the text edit that last had the focus
    CTQSymbolWnd* m_pSymbolWnd = nullptr;       // the open picker, or null

protected:
    void DoDataExchange(CDataExchange*) override {}
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void OnDestroy();
    void OnZoneSheet();
    void OnFitSheet();
    void OnDisplay(UINT id);
    void OnInput(UINT id);
    void OnSpecialSymbol();
    void OnSetfocusText(UINT id);

    // Enables the controls of the current input mode and disables the others.
    void ApplyEnableState();
    void ClosePicker();

    toller::Mode m_mode{};
    // Built from the host's list at the opening and never shown (the button opens the picker);
    // its commands 300 + i, posted by a host or a tool, insert entry i into m_nFocusId.
    SpecialSymbolMenu m_symbolMenu;
};
