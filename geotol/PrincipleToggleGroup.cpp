#include "geotol/PrincipleToggleGroup.h"

#include "framework/afxwin.h"
#include "framework/gbk.h"

PrincipleToggleGroup::PrincipleToggleGroup() : m_counters(m_ownCounters), m_letterField(m_ownLetter) {}

void PrincipleToggleGroup::UseStorage(int* counters, char* letterField, std::size_t letterWidth) {
    if (!counters || !letterField || letterWidth < 2) return;
    m_counters = counters;
    m_letterField = letterField;
}

void PrincipleToggleGroup::Attach(HWND dialog, int editId) {
    m_dialog = dialog;
    m_editId = editId;
}

geotol::PrincipleState PrincipleToggleGroup::Load() const {
    geotol::PrincipleState state;
    for (int i = 0; i < geotol::kPrincipleCount; ++i) state.counters[i] = m_counters[i];
    // Whatever else a record field holds counts as no letter.
    if (geotol::PrincipleOfLetter(m_letterField[0]) >= 0) state.letter = m_letterField[0];
    return state;
}

void PrincipleToggleGroup::Save(const geotol::PrincipleState& state) {
    for (int i = 0; i < geotol::kPrincipleCount; ++i) m_counters[i] = state.counters[i];
    m_letterField[0] = state.letter;
    if (state.letter != 0) m_letterField[1] = 0;
}

void PrincipleToggleGroup::SetCheck(int principle, bool checked) {
    if (principle < 0 || principle >= geotol::kPrincipleCount) return;
    CheckDlgButton(m_dialog, kButtonIds[principle], checked ? BST_CHECKED : BST_UNCHECKED);
}

void PrincipleToggleGroup::Reset() { Save(geotol::PrincipleState{}); }

void PrincipleToggleGroup::Uncheck(int principle) { SetCheck(principle, false); }

void PrincipleToggleGroup::Restore(const std::string& text) {
    geotol::PrincipleState state = Load();
    const int principle = geotol::RestorePrinciple(state, text);
    Save(state);
    if (principle >= 0) SetCheck(principle, true);
}

void PrincipleToggleGroup::Toggle(int principle, char* store, std::size_t storeWidth) {
    HWND edit = GetDlgItem(m_dialog, m_editId);
    geotol::PrincipleState state = Load();
    const geotol::PrincipleToggle result = geotol::TogglePrinciple(state, principle, GetWindowTextGbk(edit));
    Save(state);
    for (int i = 0; i < geotol::kPrincipleCount; ++i) {
        if (result.buttons[i] != geotol::ButtonCheck::Keep)
            SetCheck(i, result.buttons[i] == geotol::ButtonCheck::Check);
    }
    if (store) gbk::ToField(store, storeWidth, result.text);
    SetWindowTextGbk(edit, result.text.c_str());
}

void PrincipleToggleGroup::Drop() {
    geotol::PrincipleState state = Load();
    const int principle = geotol::DropPrinciple(state);
    Save(state);
    if (principle >= 0) SetCheck(principle, false);
}

std::string PrincipleToggleGroup::Compose(const std::string& valueText) const {
    return geotol::ComposeTolerance(valueText, Load());
}
