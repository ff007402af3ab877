// The five tolerance-principle buttons of a geometric tolerance dialog and the text edit they
// append their letter to. Used by the form, position and both combined dialogs.
//
// The rule itself is geotol::TogglePrinciple (gt_principle.h); this class reads the edit,
// applies the rule's check changes to the buttons, stores the new text where the dialog keeps
// it and shows it. It works for automatic radio buttons (which check themselves before
// BN_CLICKED arrives; the rule then sets the final state) and for plain ones (state set only
// here).
//
// State: by default the group keeps its counters and letter itself. A dialog that keeps them
// elsewhere (module-level counters, a letter field inside a record) points the group at that
// storage with UseStorage; the group then reads and writes only there.
//
// Typical use:
//   OnInitDialog:  m_principles.Attach(m_hWnd, IDC_TEXT);
//                  for (int p = 0; p < geotol::kPrincipleCount; ++p) m_principles.Uncheck(p);
//                  m_principles.Restore(text);            // form and position dialogs only
//   OnPrincipleE:  m_principles.Toggle(geotol::kPrincipleE, buffer, sizeof buffer);
//   type change:   m_principles.Drop();
//   row pick:      text = m_principles.Compose(valueText);
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "geotol/gt_principle.h"
#include "res/tolerance_shared_res.h"

class PrincipleToggleGroup {
public:
    // Control ids of the buttons E, M, P, 0M and L in every template that has the group.
    static constexpr int kButtonIds[geotol::kPrincipleCount] = {IDC_PRINCIPLE_E, IDC_PRINCIPLE_M, IDC_PRINCIPLE_P,
                                                                   IDC_PRINCIPLE_0M, IDC_PRINCIPLE_L};

    PrincipleToggleGroup();
    PrincipleToggleGroup(const PrincipleToggleGroup&) = delete;
    PrincipleToggleGroup& operator=(const PrincipleToggleGroup&) = delete;

    // Keeps the five counters (E, M, P, 0M, L) in `counters` and the letter in `letterField`:
    // one letter and its NUL, or an empty text. `letterWidth` must be at least 2.
    void UseStorage(int* counters, char* letterField, std::size_t letterWidth);

    // The dialog holding the buttons and the id of the text edit.
    void Attach(HWND dialog, int editId);

    // Counters to 0 and no active letter; the buttons are left as they are.
    void Reset();
    void Uncheck(int principle);

    // Opening: a text ending in a principle letter activates it and checks its button.
    void Restore(const std::string& text);

    // A click on `principle`'s button: reads the edit, applies the rule, writes the new text
    // into `store` (at most storeWidth - 1 bytes and the NUL, cut on a character boundary;
    // null: not stored), then shows it in the edit.
    void Toggle(int principle, char* store, std::size_t storeWidth);

    // A characteristic change: the active principle is switched off and its button unchecked.
    void Drop();

    // The row's value text followed by the active letter.
    std::string Compose(const std::string& valueText) const;

private:
    geotol::PrincipleState Load() const;
    void Save(const geotol::PrincipleState& state);
    void SetCheck(int principle, bool checked);

    int m_ownCounters[geotol::kPrincipleCount] = {};
    char m_ownLetter[2] = {};
    int* m_counters;
    char* m_letterField;
    HWND m_dialog = nullptr;
    int m_editId = 0;
};
