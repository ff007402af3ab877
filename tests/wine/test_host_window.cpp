// Every export as the host's window sees it. The host calls from its frame window, which is
// active; when the dialog ends, by OK or by Cancel, the frame must be active again (not some
// other top-level window of the desktop); Enter and Escape work in every dialog; no dialog
// opens with the focus on an automatic radio button (which would check itself and report a
// click); a frame destroyed while the dialog runs ends the call with false.
#include <cstring>
#include <vector>

#include "entry/exports.h"
#include "entry/exports_geotol_combined.h"
#include "entry/exports_geotol_single.h"
#include "framework/afxstr.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

HMODULE g_module;

// Room for any record of the module, with the fields zeroed: every dialog opens on it.
struct Records {
    alignas(16) unsigned char bytes[1024] = {};
    char datums[5][40] = {};
    int ints[4] = {};
    CStringArray symbols;
};

struct ExportCase {
    const char* name;
    const char* caption;  // null: the dialog's title depends on the record
    std::function<bool(Records&)> call;
};

template <class Fn>
Fn Resolve(const char* name, Fn) {
    return g_module ? Export<Fn>(g_module, name) : nullptr;
}

std::vector<ExportCase> Cases() {
    auto rough = Resolve("TQDim_RoughDlg", &TQDim_RoughDlg);
    auto form = Resolve("TQDim_XZGCDlg", &TQDim_XZGCDlg);
    auto position = Resolve("TQDim_WZGCDlg", &TQDim_WZGCDlg);
    auto combinedPosition = Resolve("TQDim_XWZH_WZDlg", &TQDim_XWZH_WZDlg);
    auto combinedForm = Resolve("TQDim_XWZH_XZDlg", &TQDim_XWZH_XZDlg);
    auto combination = Resolve("TQDim_ZHGCDlg", &TQDim_ZHGCDlg);
    if (!rough || !form || !position || !combinedPosition || !combinedForm || !combination) return {};
    auto text = [](Records& r) { return reinterpret_cast<char*>(r.bytes); };
    return {
        {"TQDim_RoughDlg", "表面粗糙度", [=](Records& r) { return rough(reinterpret_cast<RoughRecord*>(r.bytes)); }},
        {"TQDim_XZGCDlg", "形状公差",
         [=](Records& r) { return form(text(r), &r.ints[0], &r.ints[1], &r.symbols, &r.ints[2]); }},
        {"TQDim_WZGCDlg", "位置公差",
         [=](Records& r) { return position(text(r), r.datums, &r.ints[0], &r.ints[1], &r.symbols, &r.ints[2]); }},
        {"TQDim_XWZH_WZDlg", nullptr,
         [=](Records& r) { return combinedPosition(reinterpret_cast<CombinedToleranceRecord*>(r.bytes), &r.symbols); }},
        {"TQDim_XWZH_XZDlg", nullptr,
         [=](Records& r) { return combinedForm(reinterpret_cast<CombinedToleranceRecord*>(r.bytes), &r.symbols); }},
        {"TQDim_ZHGCDlg", "形位公差组合",
         [=](Records& r) { return combination(reinterpret_cast<std::int32_t*>(r.bytes)); }},
    };
}

bool IsAutoRadio(HWND control) {
    wchar_t cls[16] = {};
    GetClassNameW(control, cls, 16);
    const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    return _wcsicmp(cls, L"Button") == 0 && (type == BS_AUTORADIOBUTTON || type == BS_AUTO3STATE);
}

void ActivationKeysAndFocus(const ExportCase& c) {
    for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
        HostWindows windows;
        Records records;
        bool focusOk = false;
        const bool result = RunDialog(c.caption, [&](HWND d) {
            if (!d) return;
            WaitFor([&] { return FocusOf(d) != nullptr; }, 2000);
            HWND focus = FocusOf(d);
            focusOk = focus && !IsAutoRadio(focus);
            // Enter on the OK button confirms; Escape anywhere cancels.
            if (key == VK_RETURN) {
                SendMessageW(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(d, IDOK)), TRUE);
                WaitFor([&] { return FocusOf(d) == GetDlgItem(d, IDOK); }, 2000);
            }
            PostKey(d, key);
            WaitFor([&] { return !IsWindowVisible(d); }, 3000);
        }, [&] { return c.call(records); });
        ok(focusOk, "%s opens with the focus on a control that is no automatic radio button", c.name);
        ok(result == (key == VK_RETURN), "%s: %s gives %d", c.name, key == VK_RETURN ? "Enter" : "Escape", result);
        ok(GetActiveWindow() == windows.host, "%s: the host window is active again after %s", c.name,
           key == VK_RETURN ? "OK" : "Cancel");
        ok(IsWindowEnabled(windows.host), "%s: the host window is enabled", c.name);
    }
}

void OwnerDestroyed(const ExportCase& c) {
    HostWindows windows;
    Records records;
    SetTimer(windows.host, 1, 300, [](HWND hwnd, UINT, UINT_PTR, DWORD) { DestroyWindow(hwnd); });
    bool ended = false;
    const bool result = RunDialog(c.caption, [&](HWND d) {
        ended = d && WaitFor([&] { return !IsWindow(d); }, 5000);
    }, [&] { return c.call(records); });
    ok(ended && !result, "%s: the host's frame destroyed under the dialog ends the call with false", c.name);
}

// A host list of a thousand special characters: entry 705 has the command id of principle
// button E (1005). Its pick inserts nothing and leaves the principles alone; entry 0 inserts.
void LongSymbolList() {
    Scenario s("long special-symbol list");
    auto form = Resolve("TQDim_XZGCDlg", &TQDim_XZGCDlg);
    if (!form) return;
    Records r;
    for (int i = 0; i < 1000; ++i) r.symbols.Add(i == 0 ? "\xA1\xE3" : "x");  // ° first
    bool principleE = true;
    std::string shown;
    const bool result = RunDialog("形状公差", [&](HWND d) {
        if (!d) return;
        for (const int command : {1005, 1006, 1114, 1115, 300}) PostMessageW(d, WM_COMMAND, command, 0);
        WaitFor([&] { return !ItemText(d, 1000).empty(); }, 3000);
        principleE = Checked(d, 1005) || Checked(d, 1006) || Checked(d, 1114) || Checked(d, 1115);
        shown = ItemText(d, 1000);
        PostMessageW(d, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return !IsWindowVisible(d); }, 3000);
    }, [&] { return form(reinterpret_cast<char*>(r.bytes), &r.ints[0], &r.ints[1], &r.symbols, &r.ints[2]); });
    ok(result, "closed with OK");
    ok(!principleE, "picks of entries 705, 706, 814 and 815 run no principle button");
    ok(shown == "°", "only the pick of entry 0 inserted: \"%s\"", shown.c_str());
}

}  // namespace

int main() {
    g_module = LoadModule();
    const std::vector<ExportCase> cases = Cases();
    ok(!cases.empty(), "every export resolves");
    for (const ExportCase& c : cases) {
        Scenario s(c.name);
        ActivationKeysAndFocus(c);
        OwnerDestroyed(c);
    }
    LongSymbolList();
    return Summary("test_host_window");
}
