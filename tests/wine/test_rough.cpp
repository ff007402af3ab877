// The roughness dialog through the real export: a 220-byte record laid out by byte offsets
// between guard bytes, checked byte for byte afterwards.
#include <algorithm>
#include <cstring>

#include "entry/exports_rough.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

decltype(&TQDim_RoughDlg) g_rough;

// Offsets of the host's record.
enum : int { A1 = 0, A2 = 33, B = 66, C = 99, D = 132, E = 165, SHAPE = 198, REST = 200,
             FIXED = 204, HIDE = 208, TEXTSIZE = 212, SYMSIZE = 216, SIZE = 220 };

struct Host {
    unsigned char guardBefore[32];
    unsigned char rec[SIZE];
    unsigned char guardAfter[32];

    Host() {
        std::memset(this, 0xCD, sizeof *this);
        std::memset(rec, 0, sizeof rec);
    }
    void SetText(int off, const char* utf8) {
        const std::string g = Gbk(utf8);
        std::memcpy(rec + off, g.c_str(), g.size() + 1);
    }
    // The six texts a1, a2, b, c, d and e, each read up to its field's end, joined by '|'.
    std::string Texts() const {
        std::string s;
        for (int off = A1; off <= E; off += 33) {
            const char* text = reinterpret_cast<const char*>(rec + off);
            s += (off == A1 ? "" : "|") + Utf8FromGbk(std::string(text, strnlen(text, 33)));
        }
        return s;
    }
    signed char& Shape() { return reinterpret_cast<signed char&>(rec[SHAPE]); }
    template <class T = int32_t> T Get(int off) const { T v; std::memcpy(&v, rec + off, 4); return v; }
    template <class T> void Set(int off, T v) { std::memcpy(rec + off, &v, 4); }
    bool GuardsIntact() const {
        const auto cd = [](const unsigned char* g) { return std::count(g, g + 32, 0xCD); };
        return cd(guardBefore) + cd(guardAfter) == 64;
    }
};

bool Open(Host& host, const std::function<void(HWND)>& script) {
    return RunDialog("表面粗糙度", script, [&] { return g_rough(reinterpret_cast<RoughRecord*>(host.rec)); });
}

// The preview read from pixels as letters: Bar across the V, Inner circle, Knee circle, Arms.
// The controls are hidden from then on (where they cover the preview depends on the font).
std::string Look(HWND dlg) {
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ShowWindow(c, SW_HIDE);
    // The arms are drawn for every code: until they show, the picture was taken too early.
    std::string seen;
    WaitFor([&] {
        const Capture cap(dlg);
        const bool arms = cap.BlackNear(84, 122) && cap.BlackNear(197, 40);
        seen = {cap.BlackNear(75, 95) ? 'B' : ' ', cap.BlackNear(100, 129) ? 'I' : ' ',
                cap.BlackNear(147, 40) ? 'K' : ' ', arms ? 'A' : ' '};
        return arms;
    }, 3000);
    return seen;
}

// A new symbol, confirmed and then cancelled. Cancel leaves only what the opening writes at
// once: shape 5 stored as 1, fixedPoint cleared; neither a typed a1 nor the lay pick.
void NewSymbol() {
    for (const bool confirm : {true, false}) {
        Scenario s(confirm ? "new symbol (shape 5), the lay menu, OK" : "new symbol, Cancel");
        Host host;
        host.Shape() = 5;
        std::memset(host.rec + A1, 'x', 33 * 6);  // stale texts, no NULs: never read for a new symbol
        host.Set<int32_t>(FIXED, 1);
        host.Set<int32_t>(HIDE, 1);
        host.Set(TEXTSIZE, 3.5f);
        host.Set(SYMSIZE, 3.25f);
        Host cancelled = host;
        cancelled.Shape() = 1;
        cancelled.Set<int32_t>(FIXED, 0);
        const bool result = Open(host, [&](HWND dlg) {
            if (!dlg) return ok(false, "dialog did not appear");
            const auto a1 = ComboItems(dlg, 106);
            ok(a1.size() == 13 && a1[0] == "200" && a1[12] == "0.05" && a1 == ComboItems(dlg, 101) &&
                   !Visible(dlg, 1169) && Look(dlg) == "B  A",
               "value lists (%d values), 固定点 hidden, preview of code 1", int(a1.size()));
            SetItemText(dlg, 106, "0.1");
            // The lay menu's last item, picked by keys: the pick arrives as a posted command.
            PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(105, BN_CLICKED), LPARAM(GetDlgItem(dlg, 105)));
            const HWND menu = WaitForMenu();
            for (int i = 0; i < 8; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
            ok(WaitFor([&] { return ItemText(dlg, 105) == "Ｐ"; }, 3000), "last lay item picked");
            DismissMenu(menu, dlg);
            Click(dlg, confirm ? IDOK : IDCANCEL);
        });
        if (!confirm) {
            ok(!result && std::memcmp(&cancelled, &host, sizeof host) == 0,
               "Cancel: only the opening's writes");
            continue;
        }
        // a2 from its preselection, d from the pick; nothing else is loaded for a new symbol.
        ok(result && host.Texts() == "0.1|6.3|||Ｐ|", "OK; texts written: %s", host.Texts().c_str());
        ok(host.Shape() == 1 && host.Get<float>(TEXTSIZE) == 3.5f && host.Get<float>(SYMSIZE) == 3.25f &&
               host.GuardsIntact(),
           "shape %d, sizes %g %g, guard bytes", host.Shape(), host.Get<float>(TEXTSIZE),
           host.Get<float>(SYMSIZE));
    }
}

void ExistingSymbol() {
    Scenario s("existing symbol, a2 set-aside, check boxes, a stored d, cuts");
    Host host;
    // b without its NUL; d a host text the lay menu does not have, a byte after its NUL.
    const char* texts[] = {"12.5", "3.2", "", "0.8", "顺纹理方向ABCDEFGH", "2"};
    for (int i = 0; i < 6; ++i) host.SetText(A1 + 33 * i, texts[i]);
    std::memset(host.rec + B, 'A', 33);
    host.rec[D + 31] = 'z';
    host.Shape() = 11;
    host.Set<int32_t>(REST, 1);
    host.Set<int32_t>(FIXED, 1);
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(ItemText(dlg, 106) == "12.5" && ItemText(dlg, 101) == "3.2" && ItemText(dlg, 104) == "0.8" &&
               ItemText(dlg, 103) == std::string(33, 'A') && ItemText(dlg, 112) == "2" &&
               ItemText(dlg, 105) == texts[4] && Checked(dlg, 1170) && !Visible(dlg, 1170) &&
               host.Get(FIXED) == 0 && !Checked(dlg, 1169),
           "record texts shown (b \"%s\", d on the lay button), 其余 checked and hidden; fixedPoint "
           "cleared at the opening", ItemText(dlg, 103).c_str());
        // 110 sets a2 aside and empties it, 108 gives it back; the knee stays throughout.
        Click(dlg, 110);
        ok(ItemText(dlg, 101).empty() && host.Shape() == 12 && Look(dlg) == " IKA", "110: %d", host.Shape());
        Click(dlg, 108);
        Click(dlg, 109);
        // The check boxes write at once: a word in e checks 固定点, which the user unchecks again.
        Click(dlg, 1170);
        SelectCombo(dlg, 112, 0);
        ClickControl(dlg, 1169);
        // Texts are cut to 14 bytes on a character boundary: a1 is 15 bytes, b 22; c has lead
        // bytes 0x81 (GBK beyond GB2312) with trail bytes 0x40.
        SetItemText(dlg, 106, "a加工方法镀涂或其");
        SetItemText(dlg, 103, "加工方法镀涂或其它表面");
        SetItemText(dlg, 104, "a丂丂丂丂丂丂丂");
        SetItemText(dlg, 10145, "2.75mm");
        Click(dlg, IDOK);
    });
    // No lay pick: d is kept byte for byte.
    ok(result && host.Texts() == "a加工方法镀涂|3.2|加工方法镀涂或|a丂丂丂丂丂丂|顺纹理方向ABCDEFGH|其余" &&
           host.rec[D + 31] == 'z',
       "OK; texts written: %s", host.Texts().c_str());
    ok(host.Shape() == 11 && host.Get(REST) == 0 && host.Get(FIXED) == 0 && host.GuardsIntact() &&
           host.Get<float>(TEXTSIZE) == 2.75f && host.Get<float>(SYMSIZE) == 0.0f,
       "shape, rest, fixedPoint, guard bytes; sizes %g %g", host.Get<float>(TEXTSIZE),
       host.Get<float>(SYMSIZE));
}

}  // namespace

int main() {
    HMODULE module = LoadModule();
    g_rough = module ? TQ_EXPORT(module, TQDim_RoughDlg) : nullptr;
    ok(g_rough != nullptr, "TQDim_RoughDlg exported");
    if (g_rough) {
        NewSymbol();
        ExistingSymbol();
    }
    return Summary("test_rough");
}
