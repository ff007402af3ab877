// The special-symbol popup menu: the host's list of special characters as a popup menu whose
// pick is inserted into one of the dialog's edits. The geometric tolerance dialogs open it from
// their button 227 "特殊符号(&T)..." and insert into their tolerance text; the dimension dialog
// builds it from the same list and inserts into the edit that last had the focus.
//
// Host contract: the list is the host's CStringArray of GBK strings, read only through its
// size and elements, never written; a null pointer is an empty list. The list is read again
// when a pick arrives, so it must stay valid for the dialog's lifetime (it does: the host owns
// it for the whole call).
//
// The menu joins the dialog's message handling as a hook: a pick is a WM_COMMAND 300 + index
// posted to the dialog, which the modal loop hands to the hook before dispatch. Every pick of
// the menu is consumed there (see widgets/symbol_menu.h); the first `insertable` strings are
// inserted, replacing the edit's selection (at the caret when nothing is selected), not undoable.
//
// Typical use:
//   OnInitDialog:      m_symbolMenu.Attach(this, m_pSymbols, IDC_TEXT, 14);
//                      m_symbolMenu.Build();        // or on each click of the button
//   OnSpecialSymbol:   m_symbolMenu.Show(GetDlgItem(IDC_SPECIAL_SYMBOL));
#pragma once

#include <windows.h>

#include "framework/afxstr.h"
#include "framework/afxwin.h"
#include "framework/gdi.h"

class SpecialSymbolMenu : public CMessageHook {
public:
    // The geometric tolerance dialogs insert only the first fourteen strings of the list.
    static constexpr int kToleranceInsertable = 14;

    // Joins `dialog`'s message handling. Picks insert into edit `editId`; `insertable` strings
    // from the start of the list insert (negative: all of them).
    void Attach(CDialog* dialog, const CStringArray* symbols, int editId, int insertable = -1);
    // The destination follows the focus: picks insert into the edit whose id `*focusId` holds
    // when the pick arrives.
    void FollowFocus(const int* focusId) { m_focusId = focusId; }

    // (Re)builds the popup menu from the list.
    void Build();
    HMENU Menu() const { return m_menu.get(); }

    // Opens the menu with its top-left corner at the button's left edge + 40 pixels and its
    // bottom edge (screen coordinates), owned by the dialog. Returns when the menu closes; a
    // pick comes back later as a posted command.
    void Show(HWND button);

    bool PreTranslate(MSG& msg) override;

private:
    int SymbolCount() const;

    const CStringArray* m_symbols = nullptr;
    HWND m_dialog = nullptr;
    int m_editId = 0;
    const int* m_focusId = nullptr;
    int m_insertable = -1;
    gdi::Menu m_menu;
};
