// Every export as a host calls it: from its frame window, which is active, with the host's
// data at the top of the address space (a result that only sets the low byte shows the
// pointer's bits above it).
// - Enter on OK leaves exactly 1 in the whole result register, Escape 0, a null record 0; the
//   frame is enabled and active again afterwards (not another top-level window of the desktop);
//   no dialog opens with the focus on a radio button (it would report a click).
// - Repeated use (each dialog painted, its popup menu opened and dismissed) leaves no GDI or
//   USER objects or heap blocks behind: the counts after half the rounds and at the end agree.
// - A frame destroyed while the dialog runs ends the call with false.
// - Host texts without their NUL that end where readable memory ends are not read past.
#include <cstring>

#include "framework/afxstr.h"
#include "tests/wine/export_calls.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

HMODULE g_module;

// One opening over a host frame: painted, the popup menu opened and dismissed, then Enter on OK
// or Escape; with `key` 0 the frame is destroyed under the dialog instead.
void Open(const ExportCall& e, unsigned char* host, UINT key) {
    HostWindows windows;
    std::memset(host, 0, 0x1000);
    if (!key) SetTimer(windows.host, 1, 300, [](HWND hwnd, UINT, UINT_PTR, DWORD) { DestroyWindow(hwnd); });
    bool focusOk = false, shown = false;
    const INT_PTR result = RunDialog(nullptr, [&](HWND d) {
        if (!d || !key) {
            shown = d && WaitFor([&] { return !IsWindow(d); });
            return;
        }
        // A radio button given the focus without the mouse reports a click.
        focusOk = WaitFor([&] { return FocusOf(d) != nullptr; }, 2000) &&
                  !(SendMessageW(FocusOf(d), WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON);
        Capture painted(d);  // repaints the dialog and every control
        HWND menu = nullptr;
        if (e.menuButton) {
            PostMessageW(d, WM_COMMAND, e.menuButton, reinterpret_cast<LPARAM>(GetDlgItem(d, e.menuButton)));
            if ((menu = WaitForMenu())) DismissMenu(menu, d);
        }
        shown = menu || !e.menuButton;
        HWND okButton = GetDlgItem(d, IDOK);
        if (key == VK_RETURN) SendMessageW(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(okButton), TRUE);
        WaitFor([&] { return key != VK_RETURN || FocusOf(d) == okButton; }, 2000);
        PostKey(d, key);
        WaitFor([&] { return !IsWindowVisible(d); }, 3000);
    }, [&] { return e.call(host, false); });
    const char* how = key == VK_RETURN ? "Enter" : key ? "Escape" : "the frame destroyed";
    ok(shown && result == (key == VK_RETURN), "%s after %s: dialog and menu shown: %d, result %p", e.name, how,
       shown, reinterpret_cast<void*>(result));
    if (!key) return;
    ok(focusOk, "%s opens with the focus on a control that is no radio button", e.name);
    ok(IsWindowEnabled(windows.host) && GetActiveWindow() == windows.host,
       "%s: the host window is enabled and active again after %s", e.name, how);
}

void RepeatedUse(unsigned char* high) {
    Scenario s("every export");
    CStringArray symbols;
    for (const char* t : {"Φ", "±", "°"}) symbols.Add(Gbk(t).c_str());
    const auto exports = EveryExport(g_module, &symbols);
    ok(exports.size() == 9, "every export found");
    constexpr int kRounds = 12;
    LiveObjects half;
    for (int round = 1; round <= kRounds; ++round) {
        for (const ExportCall& e : exports) Open(e, high, round % 2 ? VK_ESCAPE : VK_RETURN);
        if (round == kRounds / 2) half = CountLiveObjects();
    }
    const LiveObjects end = CountLiveObjects();
    ok(half.gdi > 0 && half.windows > 0 && end == half,
       "after %d more rounds: GDI %d -> %d, windows %d -> %d, menus %d -> %d, heap blocks %ld -> %ld",
       kRounds / 2, half.gdi, end.gdi, half.windows, end.windows, half.menus, end.menus, half.heapBlocks,
       end.heapBlocks);
    for (const ExportCall& e : exports) {
        Open(e, high, 0);
        std::memset(high, 0, 0x1000);
        ok(e.call(high, true) == 0, "%s with a null record returns 0 in the whole register", e.name);
    }
}

// Host texts without their NUL, each ending where the host's readable memory ends: a reader
// that looks one byte past a field faults at once instead of reading a neighbour's bytes.
void FieldsAtTheEndOfMemory() {
    Scenario s("unterminated fields at the end of readable memory");
    auto* pages = static_cast<unsigned char*>(VirtualAlloc(nullptr, 0x2000, MEM_COMMIT, PAGE_READWRITE));
    DWORD old = 0;
    if (!pages || !VirtualProtect(pages + 0x1000, 0x1000, PAGE_NOACCESS, &old)) return ok(false, "guard page");
    char* const end = reinterpret_cast<char*>(pages + 0x1000);
    int ints[3] = {};
    char text[64] = {};
    std::memset(text, '1', 63);
    auto form = TQ_EXPORT(g_module, TQDim_XZGCDlg);
    auto position = TQ_EXPORT(g_module, TQDim_WZGCDlg);
    auto combined = TQ_EXPORT(g_module, TQDim_XWZH_WZDlg);
    auto toller = TQ_EXPORT(g_module, TQDim_TollerDlg);
    // `size`: the field's bytes before the end, all non-zero.
    struct Field { const char* name; int size; std::function<bool()> call; };
    const Field fields[] = {
        {"text of TQDim_XZGCDlg", 64, [&] { return form(end - 64, ints, ints + 1, nullptr, ints + 2); }},
        {"last datum of TQDim_WZGCDlg", 200, [&] {
             return position(text, reinterpret_cast<char(*)[40]>(end - 200), ints, ints + 1, nullptr, ints + 2);
         }},
        {"last datum of TQDim_XWZH_WZDlg", 612, [&] {
             std::memcpy(end - 612, "\x0B\0\0", 4);  // characteristic: position
             return combined(reinterpret_cast<CombinedToleranceRecord*>(end - 612), nullptr);
         }},
        // The 329 bytes the module uses, without the host's three alignment bytes after them.
        {"TollerRecord of TQDim_TollerDlg", 329, [&] {
             return toller(reinterpret_cast<TollerRecord*>(end - 329), nullptr);
         }},
    };
    for (const auto& f : fields) {
        std::memset(end - f.size, 'D', f.size);
        const bool result = RunDialog(nullptr, [&](HWND dlg) { Click(dlg, IDOK); }, f.call);
        ok(result && (end[-1] == 'D' || end[-1] == 0), "%s: OK returns true, nothing written past it", f.name);
    }
    VirtualFree(pages, 0, MEM_RELEASE);
}

}  // namespace

int main() {
    g_module = LoadModule();
    auto* high = static_cast<unsigned char*>(
        VirtualAlloc(nullptr, 0x10000, MEM_RESERVE | MEM_COMMIT | MEM_TOP_DOWN, PAGE_READWRITE));
    ok(reinterpret_cast<UINT_PTR>(high) >> 32 != 0, "host data above 4 GB (%p)", high);
    if (g_module && high) {
        RepeatedUse(high);
        FieldsAtTheEndOfMemory();
    }
    return Summary("test_exports");
}
