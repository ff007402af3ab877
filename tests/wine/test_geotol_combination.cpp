// The characteristic combination dialog through the real export, as a host calls it: fourteen
// 32-bit counts with guard words around them, the dialog driven like a user would (real clicks
// on enabled controls), the array checked afterwards.
#include <cstring>

#include "tests/wine/geotol_symbol.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

using ZHGCDlgFn = bool(WINAPI*)(int32_t*);
ZHGCDlgFn g_zhgc;
HMODULE g_module;

const char* kCaption = "形位公差组合";
constexpr int kPlus = 1220, kMinus = 1221;
constexpr int32_t kGarbage = 0x5A5A5A5A;
constexpr uint32_t kGuard = 0xCDCDCDCD;

int Radio(int characteristic) { return 101 + characteristic; }
int Count(int characteristic) { return 301 + characteristic; }
int Symbol(int characteristic) { return 1191 + characteristic; }

struct HostArray {
    uint32_t guardBefore[4];
    int32_t counts[14];
    uint32_t guardAfter[4];

    HostArray() {
        for (auto& g : guardBefore) g = kGuard;
        for (auto& g : guardAfter) g = kGuard;
        for (auto& c : counts) c = kGarbage;
    }
    bool GuardsIntact() const {
        for (uint32_t g : guardBefore) if (g != kGuard) return false;
        for (uint32_t g : guardAfter) if (g != kGuard) return false;
        return true;
    }
};

bool Open(HostArray& host, const std::function<void(HWND)>& script) {
    return RunDialog(kCaption, script, [&] { return g_zhgc(host.counts); });
}

// A user's click: only on an enabled control, which changes its own check state first.
bool UserClick(HWND dlg, int id) {
    if (!Enabled(dlg, id)) return false;
    ClickControl(dlg, id);
    return true;
}

int CheckedRadios(HWND dlg) {
    int n = 0;
    for (int i = 0; i < 14; ++i) n += Checked(dlg, Radio(i));
    return n;
}

std::string Counts(HWND dlg) {
    std::string all;
    for (int i = 0; i < 14; ++i) all += ItemText(dlg, Count(i)) + (i < 13 ? " " : "");
    return all;
}

void OpeningAndOkAtOnce() {
    Scenario s("opening, OK at once");
    HostArray host;
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(CheckedRadios(dlg) == 0, "no characteristic checked at the opening");
        ok(Enabled(dlg, kPlus) && Enabled(dlg, kMinus), "++ and - - enabled as in the template");
        ok(Counts(dlg) == "0 0 0 0 0 0 0 0 0 0 0 0 0 0", "counts \"%s\"", Counts(dlg).c_str());
        ok(ItemText(dlg, Radio(2)) == "圆  度" && ItemText(dlg, Radio(12)) == "单跳动" &&
               ItemText(dlg, Radio(11)) == "位置度",
           "radio captions \"%s\" \"%s\"", ItemText(dlg, Radio(2)).c_str(), ItemText(dlg, Radio(12)).c_str());
        static const char* const kCodes[14] = {"zx", "pm", "y",  "yz", "xlk", "mlk", "px",
                                               "cz", "qx", "tz", "dc", "wz",  "dtd", "qtd"};
        for (int i = 0; i < 14; ++i) {
            HWND symbol = GetDlgItem(dlg, Symbol(i));
            const LONG_PTR style = GetWindowLongPtrW(symbol, GWL_STYLE);
            ok((style & SS_TYPEMASK) == SS_BITMAP, "symbol %d is a bitmap static (style %#lx)", i,
               static_cast<unsigned long>(style));
            const int wrong = SymbolMismatches(symbol, g_module, kCodes[i], 0, 0);
            ok(wrong == 0, "symbol %d shows %s: %d pixels differ", i, kCodes[i], wrong);
        }
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    bool zeros = true;
    for (int32_t c : host.counts) zeros = zeros && c == 0;
    ok(zeros, "all fourteen counts written as 0");
    ok(host.GuardsIntact(), "guard words untouched");
}

void Limits() {
    Scenario s("five of one, ten in all");
    HostArray host;
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        // "++" and "- -" before any characteristic is checked do nothing.
        Click(dlg, kPlus);
        Click(dlg, kMinus);
        ok(Counts(dlg) == "0 0 0 0 0 0 0 0 0 0 0 0 0 0", "no change without a checked characteristic");

        UserClick(dlg, Radio(0));
        ok(ItemText(dlg, Count(0)) == "1" && Enabled(dlg, kMinus) && Enabled(dlg, kPlus),
           "直线度 once: count \"%s\"", ItemText(dlg, Count(0)).c_str());
        int presses = 0;
        while (UserClick(dlg, kPlus) && presses < 10) ++presses;
        ok(presses == 4 && ItemText(dlg, Count(0)) == "5", "++ pressed %d times up to \"%s\"", presses,
           ItemText(dlg, Count(0)).c_str());
        ok(!Enabled(dlg, kPlus) && Enabled(dlg, kMinus), "at 5: ++ disabled, - - enabled");
        UserClick(dlg, Radio(0));
        ok(ItemText(dlg, Count(0)) == "5" && !Enabled(dlg, kPlus), "a sixth click changes nothing");

        // One group across both group boxes.
        for (int i = 0; i < 5; ++i) UserClick(dlg, Radio(9));
        ok(Checked(dlg, Radio(9)) && CheckedRadios(dlg) == 1, "同轴度 checked alone (%d checked)",
           CheckedRadios(dlg));
        ok(ItemText(dlg, Count(9)) == "5" && !Enabled(dlg, kPlus), "同轴度 at 5, total 10");

        UserClick(dlg, Radio(11));
        ok(ItemText(dlg, Count(11)) == "0", "位置度 stays at 0 with ten in all");
        ok(!Enabled(dlg, kPlus) && !Enabled(dlg, kMinus), "both buttons disabled for an empty characteristic");

        // Commands that a program sends to the disabled buttons do not break the limits.
        Click(dlg, kPlus);
        Click(dlg, kMinus);
        ok(ItemText(dlg, Count(11)) == "0" && ItemText(dlg, Count(9)) == "5", "commands to disabled buttons ignored");

        // Giving entries back makes room again.
        UserClick(dlg, Radio(9));
        ok(Enabled(dlg, kMinus) && !Enabled(dlg, kPlus), "同轴度 again: - - enabled, ++ disabled");
        presses = 0;
        while (UserClick(dlg, kMinus) && presses < 10) ++presses;
        ok(presses == 5 && ItemText(dlg, Count(9)) == "0", "- - pressed %d times down to \"%s\"", presses,
           ItemText(dlg, Count(9)).c_str());
        ok(Enabled(dlg, kPlus) && !Enabled(dlg, kMinus), "at 0: - - disabled, ++ enabled");
        UserClick(dlg, Radio(9));
        ok(ItemText(dlg, Count(9)) == "1", "the next click on 同轴度 adds one again");
        UserClick(dlg, Radio(13));
        UserClick(dlg, kPlus);
        UserClick(dlg, Radio(3));
        ok(Counts(dlg) == "5 0 0 1 0 0 0 0 0 1 0 0 0 2", "counts \"%s\"", Counts(dlg).c_str());
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    const int32_t want[14] = {5, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2};
    ok(std::memcmp(host.counts, want, sizeof want) == 0, "counts written in catalogue order: %d %d %d ... %d",
       host.counts[0], host.counts[1], host.counts[3], host.counts[13]);
    ok(host.GuardsIntact(), "guard words untouched");
}

void CancelAndClose() {
    Scenario s("Cancel and the close box write nothing; a null array");
    ok(!g_zhgc(nullptr), "a null array returns false");
    for (UINT how : {0u, 1u}) {
        HostArray host;
        const bool result = Open(host, [&](HWND dlg) {
            if (!dlg) return ok(false, "dialog did not appear");
            UserClick(dlg, Radio(4));
            UserClick(dlg, kPlus);
            if (how == 0) Click(dlg, IDCANCEL);
            else SendMessageW(dlg, WM_CLOSE, 0, 0);
            WaitFor([&] { return !IsWindowVisible(dlg); }, 3000);
        });
        ok(!result, "%s returns false", how == 0 ? "Cancel" : "close box");
        bool untouched = true;
        for (int32_t c : host.counts) untouched = untouched && c == kGarbage;
        ok(untouched && host.GuardsIntact(), "array untouched after %s", how == 0 ? "Cancel" : "close box");
    }
}

}  // namespace

int main() {
    g_module = LoadModule();
    g_zhgc = g_module ? Export<ZHGCDlgFn>(g_module, "TQDim_ZHGCDlg") : nullptr;
    ok(g_zhgc != nullptr, "TQDim_ZHGCDlg exported");
    if (g_zhgc) {
        OpeningAndOkAtOnce();
        Limits();
        CancelAndClose();
    }
    return Summary("test_geotol_combination");
}
