// Repeated use of every dialog leaves nothing behind: each round opens every dialog, paints
// it, opens its popup menu and closes it (OK and Cancel in turn); the process's GDI objects,
// windows, menus and busy heap blocks are counted after a first half of rounds and again at
// the end, and must be the same.
#include <cstring>

#include "framework/afxstr.h"
#include "tests/wine/export_calls.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

// One opening: paint, the menu opened and dismissed, then OK or Cancel. Returns whether
// everything that should show did.
bool Exercise(const ExportCall& e, int button, unsigned char* host) {
    bool shown = false;
    RunDialog(nullptr, [&](HWND dlg) {
        if (!dlg) return;
        Capture painted(dlg);  // repaints the dialog and every control
        shown = true;
        if (e.menuButton) {
            PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(e.menuButton, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dlg, e.menuButton)));
            HWND menu = WaitForMenu();
            shown = menu != nullptr;
            if (menu) DismissMenu(menu, dlg);
        }
        Click(dlg, button);
    }, [&] { return e.call(host, false); });
    return shown;
}

void RepeatedUse() {
    Scenario s("repeated use");
    HMODULE module = LoadModule();
    CStringArray symbols;
    for (const char* t : {"Φ", "±", "°"}) symbols.Add(Gbk(t).c_str());
    const auto exports = EveryExport(module, &symbols);
    ok(exports.size() == 9, "every export found");
    constexpr int kRounds = 12;
    static unsigned char host[0x1000];
    LiveObjects half;
    for (int round = 1; round <= kRounds; ++round) {
        for (const ExportCall& e : exports) {
            std::memset(host, 0, sizeof host);
            if (!Exercise(e, round % 2 ? IDCANCEL : IDOK, host) && round == 1)
                ok(false, "%s: the dialog or its menu did not show", e.name);
        }
        if (round == kRounds / 2) half = CountLiveObjects();
    }
    const LiveObjects end = CountLiveObjects();
    ok(half.gdi > 0 && half.windows > 0, "the counts see the process's objects: %d GDI, %d windows", half.gdi,
       half.windows);
    ok(end == half, "after %d more rounds: GDI %d -> %d, windows %d -> %d, menus %d -> %d, heap blocks %ld -> %ld",
       kRounds / 2, half.gdi, end.gdi, half.windows, end.windows, half.menus, end.menus, half.heapBlocks,
       end.heapBlocks);
}

}  // namespace

int main() {
    RepeatedUse();
    return Summary("test_leaks");
}
