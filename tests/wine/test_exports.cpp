// Every export as a host that declared its result BOOL (or a pointer-wide integer) calls it:
// the whole result register must hold exactly 0 or 1. The host's data lies at the top of the
// address space, so a result that only sets the low byte shows the pointer's bits above it.
#include <cstring>

#include "tests/wine/export_calls.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

HMODULE g_module;

void ReturnRegister() {
    Scenario s("return register");
    auto* high = static_cast<unsigned char*>(
        VirtualAlloc(nullptr, 0x10000, MEM_RESERVE | MEM_COMMIT | MEM_TOP_DOWN, PAGE_READWRITE));
    ok(reinterpret_cast<UINT_PTR>(high) >> 32 != 0, "host data above 4 GB (%p)", high);
    if (!high) return;
    const auto exports = EveryExport(g_module, nullptr);
    ok(exports.size() == 9, "every export found");
    for (const ExportCall& e : exports) {
        for (int button : {IDCANCEL, IDOK}) {
            std::memset(high, 0, 0x1000);
            const INT_PTR got = RunDialog(nullptr, [&](HWND dlg) {
                if (dlg) Click(dlg, button);
            }, [&] { return e.call(high, false); });
            ok(got == (button == IDOK), "%s after %s returned %p", e.name, button == IDOK ? "OK" : "Cancel",
               reinterpret_cast<void*>(got));
        }
        std::memset(high, 0, 0x1000);
        const INT_PTR got = e.call(high, true);
        ok(got == 0, "%s with a null record returned %p", e.name, reinterpret_cast<void*>(got));
    }
    VirtualFree(high, 0, MEM_RELEASE);
}

// Host texts without their NUL, each ending where the host's readable memory ends: a reader
// that looks one byte past a field faults at once instead of reading a neighbour's bytes.
void FieldsAtTheEndOfMemory() {
    Scenario s("unterminated fields at the end of readable memory");
    auto* pages = static_cast<unsigned char*>(VirtualAlloc(nullptr, 0x2000, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old = 0;
    if (!pages || !VirtualProtect(pages + 0x1000, 0x1000, PAGE_NOACCESS, &old)) return ok(false, "guard page");
    unsigned char* end = pages + 0x1000;
    int ints[3] = {};
    auto form = TQ_EXPORT(g_module, TQDim_XZGCDlg);
    auto position = TQ_EXPORT(g_module, TQDim_WZGCDlg);
    auto combined = TQ_EXPORT(g_module, TQDim_XWZH_WZDlg);
    auto toller = TQ_EXPORT(g_module, TQDim_TollerDlg);
    struct Field {
        const char* name;
        int size;  // bytes before the end, all non-zero
        std::function<bool()> call;
    };
    char text[64] = {};
    std::memset(text, '1', 63);
    const Field fields[] = {
        {"text of TQDim_XZGCDlg", 64, [&] {
             return form(reinterpret_cast<char*>(end - 64), ints, ints + 1, nullptr, ints + 2);
         }},
        {"last datum of TQDim_WZGCDlg", 200, [&] {
             return position(text, reinterpret_cast<char(*)[40]>(end - 200), ints, ints + 1, nullptr, ints + 2);
         }},
        {"last datum of TQDim_XWZH_WZDlg", 612, [&] {
             end[-612] = 11;  // characteristic: position
             std::memset(end - 612 + 1, 0, 3);
             return combined(reinterpret_cast<CombinedToleranceRecord*>(end - 612), nullptr);
         }},
        // The 329 bytes the module uses, without the host's three alignment bytes after them.
        {"TollerRecord of TQDim_TollerDlg", 329, [&] {
             return toller(reinterpret_cast<TollerRecord*>(end - 329), nullptr);
         }},
    };
    for (const Field& f : fields) {
        std::memset(end - f.size, 'D', f.size);
        const bool result = RunDialog(nullptr, [&](HWND dlg) {
            if (dlg) Click(dlg, IDOK);
        }, f.call);
        ok(result, "%s: OK returns true", f.name);
        ok(end[-1] == 'D' || end[-1] == 0, "%s: nothing written past the field", f.name);
    }
    VirtualFree(pages, 0, MEM_RELEASE);
}

}  // namespace

int main() {
    g_module = LoadModule();
    if (g_module) {
        ReturnRegister();
        FieldsAtTheEndOfMemory();
    }
    return Summary("test_exports");
}
