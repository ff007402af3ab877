// Every export as the host's window sees it. The host calls from its frame window, which is
// active; when the dialog ends, by OK or by Cancel, the frame must be active again (not some
// other top-level window of the desktop); Enter and Escape work in every dialog; no dialog
// opens with the focus on an automatic radio button (which would check itself and report a
// click); a frame destroyed while the dialog runs ends the call with false.
#include <cstring>
#include <vector>

#include "framework/afxstr.h"
#include "tests/wine/export_calls.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

HMODULE g_module;

struct HostData {
    alignas(16) unsigned char bytes[4096] = {};
};

bool IsAutoRadio(HWND control) {
    wchar_t cls[16] = {};
    GetClassNameW(control, cls, 16);
    const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    return _wcsicmp(cls, L"Button") == 0 && (type == BS_AUTORADIOBUTTON || type == BS_AUTO3STATE);
}

void ActivationKeysAndFocus(const ExportCall& c) {
    for (const UINT key : {VK_RETURN, VK_ESCAPE}) {
        HostWindows windows;
        HostData host;
        bool focusOk = false;
        const INT_PTR result = RunDialog(nullptr, [&](HWND d) {
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
        }, [&] { return c.call(host.bytes, false); });
        ok(focusOk, "%s opens with the focus on a control that is no automatic radio button", c.name);
        ok(result == (key == VK_RETURN), "%s: %s gives %d", c.name, key == VK_RETURN ? "Enter" : "Escape",
           static_cast<int>(result));
        ok(GetActiveWindow() == windows.host, "%s: the host window is active again after %s", c.name,
           key == VK_RETURN ? "OK" : "Cancel");
        ok(IsWindowEnabled(windows.host), "%s: the host window is enabled", c.name);
    }
}

void OwnerDestroyed(const ExportCall& c) {
    HostWindows windows;
    HostData host;
    SetTimer(windows.host, 1, 300, [](HWND hwnd, UINT, UINT_PTR, DWORD) { DestroyWindow(hwnd); });
    bool ended = false;
    const INT_PTR result = RunDialog(nullptr, [&](HWND d) {
        ended = d && WaitFor([&] { return !IsWindow(d); }, 5000);
    }, [&] { return c.call(host.bytes, false); });
    ok(ended && !result, "%s: the host's frame destroyed under the dialog ends the call with false", c.name);
}

// A host list of a thousand special characters: entry 705 has the command id of principle
// button E (1005). Its pick inserts nothing and leaves the principles alone; entry 0 inserts.
void LongSymbolList() {
    Scenario s("long special-symbol list");
    CStringArray symbols;
    for (int i = 0; i < 1000; ++i) symbols.Add(i == 0 ? "\xA1\xE3" : "x");  // ° first
    const ExportCall* form = nullptr;
    const std::vector<ExportCall> calls = EveryExport(g_module, &symbols);
    for (const ExportCall& c : calls)
        if (std::strcmp(c.name, "TQDim_XZGCDlg") == 0) form = &c;
    if (!form) return;
    HostData host;
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
    }, [&] { return form->call(host.bytes, false) == 1; });
    ok(result, "closed with OK");
    ok(!principleE, "picks of entries 705, 706, 814 and 815 run no principle button");
    ok(shown == "°", "only the pick of entry 0 inserted: \"%s\"", shown.c_str());
}

}  // namespace

int main() {
    g_module = LoadModule();
    const std::vector<ExportCall> calls = EveryExport(g_module, nullptr);
    ok(!calls.empty(), "every export resolves");
    for (const ExportCall& c : calls) {
        Scenario s(c.name);
        ActivationKeysAndFocus(c);
        OwnerDestroyed(c);
    }
    LongSymbolList();
    return Summary("test_host_window");
}
