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
    std::string Text(int off) const {
        const char* text = reinterpret_cast<const char*>(rec + off);
        return Utf8FromGbk(std::string(text, strnlen(text, 33)));
    }
    signed char& Shape() { return reinterpret_cast<signed char&>(rec[SHAPE]); }
    template <class T = int32_t> T Get(int off) const { T v; std::memcpy(&v, rec + off, 4); return v; }
    template <class T> void Set(int off, T v) { std::memcpy(rec + off, &v, 4); }
    bool GuardsIntact() const {
        const auto cd = [](const unsigned char* g) { return std::count(g, g + 32, 0xCD) == 32; };
        return cd(guardBefore) && cd(guardAfter);
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
        const bool parts[] = {cap.BlackNear(75, 95), cap.BlackNear(100, 129), cap.BlackNear(147, 40),
                              cap.BlackNear(84, 122) && cap.BlackNear(197, 40)};
        seen.clear();
        for (int i = 0; i < 4; ++i) seen += parts[i] ? "BIKA"[i] : ' ';
        return parts[3];
    }, 3000);
    return seen;
}

void NewSymbol() {
    Scenario s("new symbol (shape 5), the lay menu");
    Host host;
    host.Shape() = 5;
    std::memset(host.rec + A1, 'x', 33 * 6);  // stale texts, no NULs: never read for a new symbol
    host.Set<int32_t>(FIXED, 1);
    host.Set<int32_t>(HIDE, 1);
    host.Set(TEXTSIZE, 3.5f);
    host.Set(SYMSIZE, 3.25f);
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(ItemText(dlg, 101) == "6.3" && ItemText(dlg, 106).empty() && ItemText(dlg, 103).empty() &&
               ItemText(dlg, 104).empty() && ItemText(dlg, 112).empty() && !Visible(dlg, 1169),
           "a new symbol: a2 \"%s\", other texts empty, 固定点 hidden", ItemText(dlg, 101).c_str());
        ok(Look(dlg) == "B  A", "preview of code 1");
        const auto a1 = ComboItems(dlg, 106), sizes = ComboItems(dlg, 10145);
        ok(a1.size() == 13 && a1[0] == "200" && a1[12] == "0.05" && a1 == ComboItems(dlg, 101) &&
               sizes.size() == 21 && sizes[1] == "1.0" && sizes[20] == "20.0",
           "value and size lists (%d values, %d sizes)", int(a1.size()), int(sizes.size()));
        // The lay menu: eight items; a real pick of the last one arrives as a posted command.
        const LPARAM button = reinterpret_cast<LPARAM>(GetDlgItem(dlg, 105));
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(105, BN_CLICKED), button);
        const HWND menu = WaitForMenu();
        std::string items;
        for (const MenuItem& item : MenuItems(MenuOfWindow(menu)))
            items += std::to_string(item.id) + item.text;
        ok(items == "200空201＝202⊥203Ｘ204Ｍ205Ｃ206Ｒ207Ｐ" && ItemText(dlg, 107) == "d--加工纹理",
           "lay menu items %s, hint \"%s\"", items.c_str(), ItemText(dlg, 107).c_str());
        for (int i = 0; i < 8; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
        ok(WaitFor([&] { return ItemText(dlg, 105) == "Ｐ"; }, 3000), "last item picked");
        DismissMenu(menu, dlg);
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    ok(host.Text(A1).empty() && host.Text(A2) == "6.3" && host.Text(B).empty() && host.Text(C).empty() &&
           host.Text(D) == "Ｐ" && host.Text(E).empty(),
       "texts written: a2 \"%s\", d \"%s\"", host.Text(A2).c_str(), host.Text(D).c_str());
    ok(host.Shape() == 1 && host.Get<float>(TEXTSIZE) == 3.5f && host.Get<float>(SYMSIZE) == 3.25f,
       "shape %d, sizes %g %g", host.Shape(), host.Get<float>(TEXTSIZE), host.Get<float>(SYMSIZE));
    ok(host.GuardsIntact(), "guard bytes untouched");
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
               ItemText(dlg, 105) == texts[4],
           "record texts shown, b \"%s\", d on the lay button", ItemText(dlg, 103).c_str());
        ok(Checked(dlg, 1170) && !Visible(dlg, 1170) && host.Get(FIXED) == 0 && !Checked(dlg, 1169),
           "其余 checked from the record, hidden; fixedPoint cleared at the opening");
        // 110 sets a2 aside and empties it, 108 gives it back; the knee stays.
        Click(dlg, 110);
        ok(ItemText(dlg, 101).empty() && host.Shape() == 12 && Look(dlg) == " IKA", "110: %d", host.Shape());
        Click(dlg, 108);
        ok(ItemText(dlg, 101) == "3.2" && host.Shape() == 10, "108 restores a2, shape %d", host.Shape());
        // Once given back, a typed a2 stays; the knee toggles.
        SetItemText(dlg, 101, "1.6");
        Click(dlg, 109);
        Click(dlg, 111);
        ok(host.Shape() == 1 && Look(dlg) == "B  A", "111 removes the knee: %d", host.Shape());
        Click(dlg, 111);
        ok(host.Shape() == 11 && Look(dlg) == "B KA", "111 twice gives the starting code back");
        // Check boxes write at once; a word in e checks 固定点.
        ClickControl(dlg, 1169);
        ok(host.Get(FIXED) == 1, "固定点 writes at once");
        ClickControl(dlg, 1169);
        Click(dlg, 1170);
        SelectCombo(dlg, 112, 0);
        ok(Checked(dlg, 1169) && ItemText(dlg, 112) == "其余", "e \"其余\" checks 固定点");
        // Texts are cut to 14 bytes on a character boundary.
        SetItemText(dlg, 106, "a加工方法镀涂或其");      // 15 bytes: the last character goes
        SetItemText(dlg, 103, "加工方法镀涂或其它表面");  // 22 bytes: 7 characters stay
        SetItemText(dlg, 104, "a丂丂丂丂丂丂丂");  // lead bytes 0x81 (GBK beyond GB2312), trail 0x40
        SetItemText(dlg, 10145, "2.75mm");
        SetItemText(dlg, 10146, "big");
        Click(dlg, IDOK);
    });
    ok(result && host.Text(A1) == "a加工方法镀涂" && host.Text(A2) == "1.6" && host.Text(B) == "加工方法镀涂或",
       "OK; cut a1 \"%s\", b \"%s\"", host.Text(A1).c_str(), host.Text(B).c_str());
    ok(host.Text(C) == "a丂丂丂丂丂丂", "c cut before the 8th character: \"%s\"", host.Text(C).c_str());
    ok(host.Text(D) == texts[4] && host.rec[D + 31] == 'z' && host.Text(E) == "其余",
       "no lay pick: d kept byte for byte \"%s\"; e \"%s\"", host.Text(D).c_str(), host.Text(E).c_str());
    ok(host.Get<float>(TEXTSIZE) == 2.75f && host.Get<float>(SYMSIZE) == 0.0f, "sizes %g %g",
       host.Get<float>(TEXTSIZE), host.Get<float>(SYMSIZE));
    ok(host.Shape() == 11 && host.Get(REST) == 0 && host.Get(FIXED) == 1, "shape/rest/fixedPoint");
    ok(host.GuardsIntact(), "guard bytes untouched");
}

void CancelKeepsTheRecord() {
    Scenario s("Cancel");
    Host host;
    host.SetText(D, "Ｍ");
    host.Shape() = 1;
    Host before = host;
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return;
        Click(dlg, 110);
        SetItemText(dlg, 106, "0.1");
        PostMessageW(dlg, WM_COMMAND, 203, 0);
        WaitFor([&] { return ItemText(dlg, 105) == "Ｘ"; }, 3000);
        Click(dlg, IDCANCEL);
    });
    before.Shape() = 2;  // the shape button writes at once
    ok(!result && std::memcmp(&before, &host, sizeof host) == 0, "Cancel: only the shape written");
}

}  // namespace

int main() {
    HMODULE module = LoadModule();
    g_rough = module ? TQ_EXPORT(module, TQDim_RoughDlg) : nullptr;
    ok(g_rough != nullptr, "TQDim_RoughDlg exported");
    if (g_rough) {
        NewSymbol();
        ExistingSymbol();
        CancelKeepsTheRecord();
    }
    return Summary("test_rough");
}
