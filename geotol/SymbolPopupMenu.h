// The special-symbol popup menu of the geometric tolerance dialogs (button 227 "特殊符号(&T)...")
// and the message hook that inserts a picked symbol into the dialog's tolerance text edit.
// Used by the form, position and both combined dialogs.
//
// Host contract: the list is the host's CStringArray of GBK strings, read only through its
// size and elements, never written; a null pointer is an empty list. The list is read again
// when a pick arrives, so it must stay valid for the dialog's lifetime (it does: the host
// owns it for the whole call).
//
// The menu lists every string, twelve to a column (geotol::SymbolMenuLayout). A pick is a
// WM_COMMAND 300 + index posted to the owner, which reaches the dialog's modal loop before
// dispatch: the dialog's PreTranslateMessage passes every message to PreTranslate, which takes
// commands 300 to 313 and lets everything else through.
//
// Typical use:
//   OnInitDialog:      m_symbolMenu.Attach(m_pSymbols, m_hWnd, IDC_TEXT);
//                      m_symbolMenu.Build();        // combined dialogs: once here
//   OnSpecialSymbol:   m_symbolMenu.Build();        // form and position dialogs: on each click
//                      m_symbolMenu.Show(GetDlgItem(IDC_SPECIAL_SYMBOL));
//   PreTranslateMessage(MSG* msg):
//                      if (m_symbolMenu.PreTranslate(*msg)) return TRUE;
//                      return CDialog::PreTranslateMessage(msg);
#pragma once

#include <windows.h>

#include "framework/afxstr.h"
#include "framework/gdi.h"

class SpecialSymbolMenu {
public:
    // Control id of the button that opens the menu, in every template that has it.
    static constexpr int kButtonId = 227;

    void Attach(const CStringArray* symbols, HWND dialog, int editId);

    // (Re)builds the popup menu from the list.
    void Build();

    // Opens the menu with its top-left corner at the button's left edge + 40 pixels and its
    // bottom edge (screen coordinates), owned by the dialog. Returns when the menu closes; a
    // pick comes back later as a posted command.
    void Show(HWND button);

    // Takes a WM_COMMAND 300..313: gives the focus to the text edit and replaces its selection
    // (at the caret when nothing is selected) with the string, not undoable. Returns true when
    // the message was taken; a command whose string the list does not have inserts nothing.
    bool PreTranslate(const MSG& msg);

private:
    const CStringArray* m_symbols = nullptr;
    HWND m_dialog = nullptr;
    int m_editId = 0;
    gdi::Menu m_menu;
};
