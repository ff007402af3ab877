#include "geotol/SymbolPopupMenu.h"

#include "framework/afxwin.h"
#include "geotol/gt_symbol_menu.h"

namespace {

// Offset of the menu's left edge from the button's, so the menu does not cover the button's
// caption.
constexpr LONG kMenuOffsetX = 40;

int SymbolCount(const CStringArray* symbols) { return symbols ? symbols->GetSize() : 0; }

}  // namespace

void SpecialSymbolMenu::Attach(const CStringArray* symbols, HWND dialog, int editId) {
    m_symbols = symbols;
    m_dialog = dialog;
    m_editId = editId;
}

void SpecialSymbolMenu::Build() {
    m_menu.reset(CreatePopupMenu());
    if (!m_menu.get()) return;
    for (const geotol::SymbolMenuItem& item : geotol::SymbolMenuLayout(SymbolCount(m_symbols))) {
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

bool SpecialSymbolMenu::PreTranslate(const MSG& msg) {
    if (msg.message != WM_COMMAND) return false;
    const unsigned command = LOWORD(msg.wParam);
    if (!geotol::IsSymbolCommand(command)) return false;
    const int symbol = geotol::SymbolToInsert(command, SymbolCount(m_symbols));
    if (symbol >= 0) {
        HWND edit = GetDlgItem(m_dialog, m_editId);
        SetFocus(edit);
        const std::wstring text = WideFromGbk(m_symbols->GetAt(symbol));
        SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    return true;
}
