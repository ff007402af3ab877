// Repeated use of every dialog leaves nothing behind: each round opens every dialog, paints
// it, opens its popup menu and closes it (OK and Cancel in turn); the process's GDI objects,
// windows, menus and busy heap blocks are counted after a first half of rounds and again at
// the end, and must be the same.
#include <cstring>

#include "entry/exports_geotol_combined.h"
#include "entry/exports_geotol_single.h"
#include "entry/exports_rough.h"
#include "framework/afxstr.h"
#include "res/geotol_combined_res.h"
#include "res/geotol_form_res.h"
#include "res/geotol_position_res.h"
#include "res/rough_res.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

struct Dialog {
    const char* name;
    int menuButton;  // 0: the dialog has no popup menu
    std::function<void(unsigned char* host)> call;
};

// One opening: paint, the menu opened and dismissed, then OK or Cancel. Returns whether
// everything that should show did.
bool Exercise(const Dialog& d, int button, unsigned char* host) {
    bool shown = false;
    RunDialog(nullptr, [&](HWND dlg) {
        if (!dlg) return;
        Capture painted(dlg);  // repaints the dialog and every control
        shown = true;
        if (d.menuButton) {
            PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(d.menuButton, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dlg, d.menuButton)));
            HWND menu = WaitForMenu();
            shown = menu != nullptr;
            if (menu) DismissMenu(menu, dlg);
        }
        Click(dlg, button);
    }, [&] {
        d.call(host);
        return 0;
    });
    return shown;
}

void RepeatedUse() {
    Scenario s("repeated use");
    HMODULE module = LoadModule();
    if (!module) return;
    auto rough = TQ_EXPORT(module, TQDim_RoughDlg);
    auto form = TQ_EXPORT(module, TQDim_XZGCDlg);
    auto position = TQ_EXPORT(module, TQDim_WZGCDlg);
    auto combinedPosition = TQ_EXPORT(module, TQDim_XWZH_WZDlg);
    auto combinedForm = TQ_EXPORT(module, TQDim_XWZH_XZDlg);
    auto combination = TQ_EXPORT(module, TQDim_ZHGCDlg);
    CStringArray symbols;
    for (const char* t : {"Φ", "±", "°"}) symbols.Add(Gbk(t).c_str());
    // Host data: texts and records at the start, the 32-bit values after them.
    auto ints = [](unsigned char* h) { return reinterpret_cast<int*>(h + 0x400); };
    const Dialog dialogs[] = {
        {"roughness", IDC_ROUGH_LAY, [&](unsigned char* h) {
             h[198] = 11;  // an existing symbol with the knee circle
             rough(reinterpret_cast<RoughRecord*>(h));
         }},
        {"form", IDC_XZGC_SPECIAL_SYMBOL, [&](unsigned char* h) {
             form(reinterpret_cast<char*>(h), ints(h), ints(h) + 1, &symbols, ints(h) + 2);
         }},
        {"position", IDC_WZGC_SPECIAL_SYMBOL, [&](unsigned char* h) {
             position(reinterpret_cast<char*>(h), reinterpret_cast<char(*)[40]>(h + 0x100), ints(h), ints(h) + 1,
                      &symbols, ints(h) + 2);
         }},
        {"combined position", IDC_XWZH_SPECIAL_SYMBOL, [&](unsigned char* h) {
             h[0] = 13;  // total run-out
             combinedPosition(reinterpret_cast<CombinedToleranceRecord*>(h), &symbols);
         }},
        {"combined form", IDC_XWZH_SPECIAL_SYMBOL, [&](unsigned char* h) {
             h[0] = 2;
             combinedForm(reinterpret_cast<CombinedToleranceRecord*>(h), &symbols);
         }},
        {"combination", 0, [&](unsigned char* h) { combination(reinterpret_cast<std::int32_t*>(h)); }},
    };
    constexpr int kRounds = 12;
    static unsigned char host[0x1000];
    LiveObjects half;
    for (int round = 1; round <= kRounds; ++round) {
        for (const Dialog& d : dialogs) {
            std::memset(host, 0, sizeof host);
            if (!Exercise(d, round % 2 ? IDCANCEL : IDOK, host) && round == 1)
                ok(false, "%s: the dialog or its menu did not show", d.name);
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
