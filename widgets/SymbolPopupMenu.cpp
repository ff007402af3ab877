#include "widgets/SymbolPopupMenu.h"

#include "widgets/symbol_menu.h"

namespace {

// Offset of the menu's left edge from the button's, so the menu does not cover the button's
// caption.
constexpr LONG kMenuOffsetX = 40;

}  // namespace

int SpecialSymbolMenu::SymbolCount() const { return m_symbols ? m_symbols->GetSize() : 0; }

void SpecialSymbolMenu::Attach(CDialog* dialog, const CStringArray* symbols, int editId, int insertable) {
    m_symbols = symbols;
    m_dialog = dialog->m_hWnd;
    m_editId = editId;
    m_insertable = insertable;
    dialog->AddHook(this);
}

void SpecialSymbolMenu::Build() {
    m_menu.reset(CreatePopupMenu());
    if (!m_menu.get()) return;
    for (const widgets::SymbolMenuItem& item : widgets::SymbolMenuLayout(SymbolCount())) {
        if (item.columnBreak) {
            AppendMenuW(m_menu.get(), MF_STRING | MF_MENUBARBREAK, item.command, L"");
        } else {
            const std::wstring text = WideFromGbk(m_symbols->GetAt(item.symbol));
            AppendMenuW(m_menu.get(), MF_STRING, item.command, text.c_str());
        }
    }
}

void SpecialSymbolMenu::Show(HWND button) {
    if (!m_menu.get()) return;
    RECT rc{};
    GetWindowRect(button, &rc);
    TrackPopupMenu(m_menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, rc.left + kMenuOffsetX,
                   rc.bottom, 0, m_dialog, nullptr);
}

bool SpecialSymbolMenu::PreTranslate(MSG& msg) {
    if (msg.message != WM_COMMAND || msg.hwnd != m_dialog) return false;
    const unsigned command = LOWORD(msg.wParam);
    if (!widgets::IsSymbolPick(command, msg.lParam != 0, SymbolCount())) return false;
    const int symbol = widgets::SymbolToInsert(command, SymbolCount(), m_insertable);
    if (symbol >= 0) {
        HWND edit = GetDlgItem(m_dialog, m_focusId ? *m_focusId : m_editId);
        SetFocus(edit);
        const std::wstring text = WideFromGbk(m_symbols->GetAt(symbol));
        SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    return true;
}
