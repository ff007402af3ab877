// The characteristic combination dialog as a host calls it: fourteen 32-bit counts between
// guard words, driven by real clicks on enabled controls. The counting rules are tested natively.
#include <cstring>

#include "tests/wine/geotol_symbol.h"
#include "entry/exports_geotol_combined.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

using ZHGCDlgFn = decltype(&TQDim_ZHGCDlg);
ZHGCDlgFn g_zhgc;
HMODULE g_module;

constexpr int kPlus = 1220, kMinus = 1221;
constexpr int32_t kGarbage = 0x5A5A5A5A;
constexpr int32_t kGuard = static_cast<int32_t>(0xCDCDCDCD);

int Radio(int characteristic) { return 101 + characteristic; }
int Count(int characteristic) { return 301 + characteristic; }

// Guard words at 0..3 and 18..21, the host's counts at 4..17 (garbage unless given).
struct HostArray {
    int32_t words[22];
    explicit HostArray(const int32_t* counts = nullptr) {
        for (int i = 0; i < 22; ++i) words[i] = i < 4 || i >= 18 ? kGuard : counts ? counts[i - 4] : kGarbage;
    }
    int32_t* counts() { return words + 4; }
    bool operator==(const HostArray& o) const { return !std::memcmp(words, o.words, sizeof words); }
};

bool Open(HostArray& host, const std::function<void(HWND)>& script) {
    return RunDialog("形位公差组合", script, [&] { return g_zhgc(host.counts()); });
}

std::string Counts(HWND dlg) {
    std::string all;
    for (int i = 0; i < 14; ++i) all += ItemText(dlg, Count(i));
    return all;
}

// "++" and "- -" as "+-", "+", "-" or "".
std::string Buttons(HWND dlg) {
    return std::string(Enabled(dlg, kPlus) ? "+" : "") + (Enabled(dlg, kMinus) ? "-" : "");
}

void OpeningAndLimits() {
    Scenario s("opening from zero; counts and buttons follow the clicks");
    HostArray host;
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        auto checkedRadios = [&] {
            int n = 0;
            for (int i = 0; i < 14; ++i) n += Checked(dlg, Radio(i));
            return n;
        };
        ok(checkedRadios() == 0 && Buttons(dlg) == "+-" && Counts(dlg) == "00000000000000",
           "nothing checked, both buttons enabled, counts \"%s\" (the host's array is not read)", Counts(dlg).c_str());
        for (int i = 0; i < 14; ++i) {
            HWND symbol = GetDlgItem(dlg, 1191 + i);
            const LONG_PTR style = GetWindowLongPtrW(symbol, GWL_STYLE);
            const int wrong = SymbolMismatches(symbol, g_module, kSymbolCodes[i], 0, 0);
            ok((style & SS_TYPEMASK) == SS_BITMAP && wrong == 0, "symbol %d: style %#lx, %d pixels differ from %s", i,
               static_cast<unsigned long>(style), wrong, kSymbolCodes[i]);
        }

        // {control clicked, characteristic whose count is then read, that count, buttons enabled}
        const struct {
            int id, characteristic;
            const char* count;
            const char* buttons;
        } steps[] = {{Radio(0), 0, "1", "+-"}, {kPlus, 0, "2", "+-"}, {kPlus, 0, "3", "+-"}, {kPlus, 0, "4", "+-"},
                     {kPlus, 0, "5", "-"},  // five of one
                     {Radio(9), 9, "1", "+-"}, {kMinus, 9, "0", "+"}, {Radio(13), 13, "1", "+-"},
                     {kPlus, 13, "2", "+-"}, {Radio(3), 3, "1", "+-"}};
        for (const auto& st : steps) {
            // A user's click: only on an enabled control, which changes its own check state first.
            const bool clicked = Enabled(dlg, st.id);
            if (clicked) ClickControl(dlg, st.id);
            ok(clicked && ItemText(dlg, Count(st.characteristic)) == st.count && Buttons(dlg) == st.buttons,
               "click on %d: count %d \"%s\", buttons \"%s\"", st.id, st.characteristic,
               ItemText(dlg, Count(st.characteristic)).c_str(), Buttons(dlg).c_str());
        }
        ok(checkedRadios() == 1 && Checked(dlg, Radio(3)), "one group across both group boxes: %d checked", checkedRadios());
        Click(dlg, IDOK);
    });
    const int32_t want[14] = {5, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2};
    ok(result && host == HostArray(want), "OK: counts written in catalogue order, guards untouched");
}

void CancelAndClose() {
    Scenario s("Cancel and the close box write nothing");
    for (bool closeBox : {false, true}) {
        HostArray host;
        const bool result = Open(host, [&](HWND dlg) {
            if (!dlg) return ok(false, "dialog did not appear");
            ClickControl(dlg, Radio(4));
            if (closeBox) SendMessageW(dlg, WM_CLOSE, 0, 0);
            else Click(dlg, IDCANCEL);
            WaitFor([&] { return !IsWindowVisible(dlg); }, 3000);
        });
        ok(!result && host == HostArray(), "%s: false, array untouched", closeBox ? "close box" : "Cancel");
    }
}

}  // namespace

int main() {
    g_module = LoadModule();
    g_zhgc = g_module ? TQ_EXPORT(g_module, TQDim_ZHGCDlg) : nullptr;
    ok(g_zhgc != nullptr, "TQDim_ZHGCDlg exported");
    if (g_zhgc) {
        OpeningAndLimits();
        CancelAndClose();
    }
    return Summary("test_geotol_combination");
}
