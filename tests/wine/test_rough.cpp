// The roughness dialog through the real export, as a host calls it: a 220-byte record laid out
// by byte offsets (independently of the module's own struct), guard bytes around it, the
// dialog scripted from a second thread, the record checked byte for byte afterwards.
#include <cmath>
#include <cstring>

#include "entry/exports_rough.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

decltype(&TQDim_RoughDlg) g_rough;

const char* kCaption = "表面粗糙度";

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
        std::memset(rec + off, 0, 33);
        std::memcpy(rec + off, g.data(), g.size());
    }
    std::string TextGbk(int off) const { return std::string(reinterpret_cast<const char*>(rec + off), strnlen(reinterpret_cast<const char*>(rec + off), 33)); }
    std::string Text(int off) const { return Utf8FromGbk(TextGbk(off)); }
    signed char& Shape() { return reinterpret_cast<signed char&>(rec[SHAPE]); }
    int32_t Int(int off) const { int32_t v; std::memcpy(&v, rec + off, 4); return v; }
    void SetInt(int off, int32_t v) { std::memcpy(rec + off, &v, 4); }
    float Float(int off) const { float v; std::memcpy(&v, rec + off, 4); return v; }
    void SetFloat(int off, float v) { std::memcpy(rec + off, &v, 4); }
    bool GuardsIntact() const {
        for (unsigned char b : guardBefore) if (b != 0xCD) return false;
        for (unsigned char b : guardAfter) if (b != 0xCD) return false;
        return true;
    }
};

bool Open(Host& host, const std::function<void(HWND)>& script) {
    return RunDialog(kCaption, script, [&] { return g_rough(reinterpret_cast<RoughRecord*>(host.rec)); });
}

// What the preview shows, read from the dialog's pixels: the bar across the V, the circle in
// the V and the circle at the knee (points away from the arms and from each other). The
// controls are hidden for the picture: where they stand over the preview depends on the font.
struct Seen {
    bool bar, inner, knee, arms;
};
Seen Look(HWND dlg) {
    std::vector<HWND> shown;
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsWindowVisible(c)) shown.push_back(c);
    for (HWND c : shown) ShowWindow(c, SW_HIDE);
    // The arms are drawn for every code: until they show, the picture was taken too early.
    Seen seen{};
    WaitFor([&] {
        Capture cap(dlg);
        seen = {cap.BlackNear(75, 95), cap.BlackNear(100, 129), cap.BlackNear(147, 40),
                cap.BlackNear(84, 122) && cap.BlackNear(197, 40)};
        return seen.arms;
    }, 3000);
    for (HWND c : shown) ShowWindow(c, SW_SHOWNA);
    return seen;
}

int BlackPixels(HWND control) {
    Capture cap(control);
    int n = 0;
    for (int y = 0; y < cap.height(); ++y)
        for (int x = 0; x < cap.width(); ++x) n += cap.IsBlack(x, y);
    return n;
}

void NewSymbol() {
    Scenario s("new symbol (shape 5)");
    Host host;
    host.Shape() = 5;
    std::memset(host.rec + A1, 'x', 33 * 6);  // stale texts, no NULs: never read for a new symbol
    host.SetInt(REST, 0);
    host.SetInt(FIXED, 1);
    host.SetFloat(TEXTSIZE, 3.5f);
    host.SetFloat(SYMSIZE, 3.25f);
    bool during = false;
    const bool result = Open(host, [&](HWND dlg) {
        ok(dlg != nullptr, "dialog did not appear");
        if (!dlg) return;
        ok(ItemText(dlg, 101) == "6.3", "a2 shows \"%s\"", ItemText(dlg, 101).c_str());
        ok(ItemText(dlg, 106).empty() && ItemText(dlg, 103).empty() && ItemText(dlg, 104).empty() &&
               ItemText(dlg, 112).empty(),
           "texts of a new symbol are empty");
        ok(ItemText(dlg, 107) == "a1--粗糙度高度参数值", "hint \"%s\"", ItemText(dlg, 107).c_str());
        ok(!Checked(dlg, 1169), "固定点 unchecked");
        during = host.Shape() == 1 && host.Int(FIXED) == 0;
        const Seen seen = Look(dlg);
        ok(seen.bar && !seen.inner && !seen.knee && seen.arms, "preview of code 1: bar %d inner %d knee %d arms %d",
           seen.bar, seen.inner, seen.knee, seen.arms);
        ok(ComboItems(dlg, 106).size() == 13 && ComboItems(dlg, 106)[0] == "200" &&
               ComboItems(dlg, 101)[12] == "0.05",
           "roughness value lists");
        const auto sizes = ComboItems(dlg, 10145);
        ok(sizes.size() == 21 && sizes[0] == "0.5" && sizes[1] == "1.0" && sizes[20] == "20.0",
           "size list (%d entries)", static_cast<int>(sizes.size()));
        ok(SendMessageW(GetDlgItem(dlg, 10145), CB_GETCURSEL, 0, 0) == 6, "3.5 selects its entry");
        ok(SendMessageW(GetDlgItem(dlg, 10146), CB_GETCURSEL, 0, 0) == CB_ERR &&
               ItemText(dlg, 10146) == "3.25",
           "3.25 is shown as typed: \"%s\"", ItemText(dlg, 10146).c_str());
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    ok(during, "shape 5 becomes 1 and fixedPoint 0 at the opening");
    ok(host.Text(A1).empty() && host.Text(A2) == "6.3" && host.Text(B).empty() && host.Text(C).empty() &&
           host.Text(D).empty() && host.Text(E).empty(),
       "texts written: a2 \"%s\"", host.Text(A2).c_str());
    ok(host.Shape() == 1, "shape %d", host.Shape());
    ok(host.Float(TEXTSIZE) == 3.5f && host.Float(SYMSIZE) == 3.25f, "sizes %g %g",
       host.Float(TEXTSIZE), host.Float(SYMSIZE));
    ok(host.GuardsIntact(), "guard bytes untouched");
}

void ExistingSymbol() {
    Scenario s("existing symbol, a2 set-aside, check boxes, lay menu, cuts");
    Host host;
    host.SetText(A1, "12.5");
    host.SetText(A2, "3.2");
    host.SetText(B, "磨");
    host.SetText(C, "0.8");
    host.SetText(D, "⊥");
    host.SetText(E, "2");
    host.Shape() = 11;
    host.SetInt(REST, 1);
    host.SetInt(FIXED, 1);
    host.SetFloat(TEXTSIZE, 5.0f);
    host.SetFloat(SYMSIZE, 7.0f);
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(ItemText(dlg, 106) == "12.5" && ItemText(dlg, 101) == "3.2" && ItemText(dlg, 103) == "磨" &&
               ItemText(dlg, 104) == "0.8" && ItemText(dlg, 112) == "2",
           "record texts shown");
        ok(ItemText(dlg, 105) == "⊥", "stored lay symbol on the button: \"%s\"", ItemText(dlg, 105).c_str());
        ok(Checked(dlg, 1170) && !Visible(dlg, 1170), "其余 checked from the record, hidden");
        ok(host.Int(FIXED) == 0 && !Checked(dlg, 1169), "fixedPoint cleared at the opening");

        // The first press of 108, 109 or 111 gives back the a2 text of the opening.
        SetItemText(dlg, 101, "1.6");
        Click(dlg, 109);
        ok(ItemText(dlg, 101) == "3.2", "109 restores a2: \"%s\"", ItemText(dlg, 101).c_str());
        ok(host.Shape() == 11, "109 keeps the knee: %d", host.Shape());
        ok(ItemText(dlg, 107) == "去除材料", "shape hint \"%s\"", ItemText(dlg, 107).c_str());
        // 110 sets a2 aside and empties it, 108 gives it back.
        Click(dlg, 110);
        ok(ItemText(dlg, 101).empty() && host.Shape() == 12, "110 empties a2, shape %d", host.Shape());
        Seen seen = Look(dlg);
        ok(!seen.bar && seen.inner && seen.knee, "preview of 12: bar %d inner %d knee %d", seen.bar, seen.inner, seen.knee);
        Click(dlg, 108);
        ok(ItemText(dlg, 101) == "3.2" && host.Shape() == 10, "108 restores a2, shape %d", host.Shape());
        // Once given back, 110 sets aside the text of that moment.
        SetItemText(dlg, 101, "1.6");
        Click(dlg, 110);
        Click(dlg, 109);
        ok(ItemText(dlg, 101) == "1.6", "a2 after 110, 109: \"%s\"", ItemText(dlg, 101).c_str());

        // The knee toggle.
        const int kneeBlack = BlackPixels(GetDlgItem(dlg, 111));
        Click(dlg, 111);
        ok(host.Shape() == 1, "111 removes the knee: %d", host.Shape());
        seen = Look(dlg);
        ok(seen.bar && !seen.knee, "preview of 1: bar %d knee %d", seen.bar, seen.knee);
        ok(BlackPixels(GetDlgItem(dlg, 111)) < kneeBlack, "111 shows the dotted circle (S5) without the knee");
        Click(dlg, 111);
        ok(host.Shape() == 11 && Look(dlg).knee, "111 twice gives the starting code back");

        // Check boxes write at once.
        ClickControl(dlg, 1169);
        ok(host.Int(FIXED) == 1, "固定点 click writes 1");
        ClickControl(dlg, 1169);
        ok(host.Int(FIXED) == 0, "固定点 second click writes 0");
        Click(dlg, 1170);
        ok(host.Int(REST) == 0, "其余 click inverts rest: %d", host.Int(REST));
        SelectCombo(dlg, 112, 0);
        ok(Checked(dlg, 1169) && host.Int(FIXED) == 1, "a word in e checks 固定点");
        ok(ItemText(dlg, 112) == "其余", "e shows \"%s\"", ItemText(dlg, 112).c_str());

        // The lay menu: eight items, picks arrive as posted commands.
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(105, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, 105)));
        HWND menu = WaitForMenu();
        ok(menu != nullptr, "lay menu opens");
        if (menu) {
            const auto items = MenuItems(MenuOfWindow(menu));
            const char* names[] = {"空", "＝", "⊥", "Ｘ", "Ｍ", "Ｃ", "Ｒ", "Ｐ"};
            bool same = items.size() == 8;
            for (size_t i = 0; same && i < 8; ++i) same = items[i].id == 200 + i && items[i].text == names[i];
            ok(same, "lay menu items (%d)", static_cast<int>(items.size()));
            ok(ItemText(dlg, 107) == "d--加工纹理", "lay hint \"%s\"", ItemText(dlg, 107).c_str());
            // A real pick: down three times to "Ｘ", then Enter.
            for (int i = 0; i < 4; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
            WaitFor([&] { return !IsWindowVisible(menu); }, 3000);
            if (IsWindowVisible(menu)) DismissMenu(menu, dlg);
            WaitFor([&] { return ItemText(dlg, 105) == "Ｘ"; }, 3000);
            ok(ItemText(dlg, 105) == "Ｘ", "keyboard pick shows \"%s\"", ItemText(dlg, 105).c_str());
        }
        PostMessageW(dlg, WM_COMMAND, 200, 0);
        WaitFor([&] { return ItemText(dlg, 105).empty(); }, 3000);
        ok(ItemText(dlg, 105).empty(), "空 empties the lay button: \"%s\"", ItemText(dlg, 105).c_str());

        // Texts are cut to 14 bytes on a character boundary.
        SetItemText(dlg, 106, "a加工方法镀涂或其");      // 15 bytes: the last character goes
        SetItemText(dlg, 103, "加工方法镀涂或其它表面");  // 22 bytes: 7 characters stay
        SetItemText(dlg, 104, "a丂丂丂丂丂丂丂");  // lead bytes 0x81 (GBK beyond GB2312), trail 0x40
        SetItemText(dlg, 10145, "2.75mm");
        SetItemText(dlg, 10146, "big");
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    ok(host.Text(A1) == "a加工方法镀涂", "a1 cut: \"%s\"", host.Text(A1).c_str());
    ok(host.Text(A2) == "1.6", "a2 \"%s\"", host.Text(A2).c_str());
    ok(host.Text(B) == "加工方法镀涂或", "b cut: \"%s\"", host.Text(B).c_str());
    ok(Gbk("丂") == "\x81\x40" && host.TextGbk(C) == "a" + Gbk("丂丂丂丂丂丂"), "c cut before the 8th character: \"%s\"",
       host.Text(C).c_str());
    ok(host.Text(D).empty(), "d emptied by 空: \"%s\"", host.Text(D).c_str());
    ok(host.Text(E) == "其余", "e \"%s\"", host.Text(E).c_str());
    ok(host.Float(TEXTSIZE) == 2.75f && host.Float(SYMSIZE) == 0.0f, "sizes %g %g", host.Float(TEXTSIZE),
       host.Float(SYMSIZE));
    ok(host.Shape() == 11 && host.Int(REST) == 0 && host.Int(FIXED) == 1, "shape/rest/fixedPoint");
    ok(host.GuardsIntact(), "guard bytes untouched");
}

void ReopenKeepsLay() {
    Scenario s("re-opening keeps a stored d until a lay symbol is picked; the next call starts fresh; Cancel");
    for (const char* stored : {"Ｍ", "顺纹理方向ABCDEFGH"}) {  // a lay symbol; a host text not in the menu
        Host host;
        host.SetText(D, stored);
        host.rec[D + 31] = 'z';  // after the NUL: an untouched field keeps it
        host.SetText(A1, "6.3");
        host.Shape() = 1;
        std::string button;
        const bool result = Open(host, [&](HWND dlg) {
            if (!dlg) return;
            button = ItemText(dlg, 105);
            SetItemText(dlg, 106, "3.2");
            Click(dlg, IDOK);
        });
        ok(result && host.Text(D) == stored && host.rec[D + 31] == 'z', "OK keeps d \"%s\" byte for byte: \"%s\"",
           stored, host.Text(D).c_str());
        ok(button == stored, "the button shows the stored d: \"%s\"", button.c_str());
        // The last item of the lay menu replaces it.
        Open(host, [&](HWND dlg) {
            if (!dlg) return;
            PostMessageW(dlg, WM_COMMAND, 207, 0);
            WaitFor([&] { return ItemText(dlg, 105) == "Ｐ"; }, 3000);
            Click(dlg, IDOK);
        });
        ok(host.Text(D) == "Ｐ", "a pick of the last lay symbol stores \"%s\"", host.Text(D).c_str());
    }

    // After a call that picked a lay symbol, a new symbol opens with nothing of it; Cancel.
    Host host;
    host.SetText(D, "Ｍ");
    host.SetText(A1, "6.3");
    host.Shape() = 5;
    Host before = host;
    std::string lay = "?", a1 = "?";
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return;
        lay = ItemText(dlg, 105);
        a1 = ItemText(dlg, 106);
        Click(dlg, 110);
        SetItemText(dlg, 106, "0.1");
        Click(dlg, IDCANCEL);
    });
    ok(lay.empty() && a1.empty(), "the next call starts fresh: lay \"%s\" a1 \"%s\"", lay.c_str(), a1.c_str());
    ok(!result, "Cancel returns false");
    ok(host.Shape() == 2, "the shape button already wrote 2: %d", host.Shape());
    before.Shape() = 2;
    ok(std::memcmp(&before, &host, sizeof host) == 0, "nothing else written on Cancel");
}

void ShapeCodes() {
    // The rule for every code is tabled natively; this is the painting of codes the other
    // scenarios do not open with (1, 11 and 12 are painted there).
    Scenario s("preview for shape codes");
    struct Case {
        signed char code;
        Seen want;
    } cases[] = {
        {0, {false, false, false, true}},  {2, {false, true, false, true}},    {10, {false, false, true, true}},
        {22, {false, false, true, true}},  {-3, {false, false, false, true}},
    };
    for (const Case& c : cases) {
        Host host;
        host.Shape() = c.code;
        Seen seen{};
        Open(host, [&](HWND dlg) {
            if (!dlg) return;
            seen = Look(dlg);
            Click(dlg, IDCANCEL);
        });
        ok(seen.bar == c.want.bar && seen.inner == c.want.inner && seen.knee == c.want.knee && seen.arms,
           "code %d: bar %d inner %d knee %d arms %d", c.code, seen.bar, seen.inner, seen.knee, seen.arms);
        ok(host.Shape() == c.code, "code %d unchanged without a shape button", c.code);
    }
}

void BadInput() {
    Scenario s("bad input");
    ok(!g_rough(nullptr), "null record returns false");

    Host host;
    host.Shape() = 1;
    std::memset(host.rec + A1, 'A', 33);  // no NUL within the field
    std::memset(host.rec + E, 'B', 33);
    host.SetFloat(TEXTSIZE, std::nanf(""));
    host.SetFloat(SYMSIZE, INFINITY);
    host.SetInt(HIDE, 1);
    std::string a1;
    bool fixedVisible = true;
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return;
        a1 = ItemText(dlg, 106);
        fixedVisible = Visible(dlg, 1169);
        SelectCombo(dlg, 112, 1);
        Click(dlg, IDOK);
    });
    ok(result, "OK");
    ok(a1 == std::string(33, 'A'), "unterminated a1 read to the field's end (%d chars)", static_cast<int>(a1.size()));
    ok(!fixedVisible, "hideFixedPoint hides 固定点");
    ok(host.Int(FIXED) == 1, "a word in e sets fixedPoint although hidden");
    ok(host.Text(A1) == std::string(14, 'A') && host.rec[A1 + 14] == 0, "a1 written back cut to 14 bytes");
    ok(host.Text(E) == "所有", "e \"%s\"", host.Text(E).c_str());
    ok(host.GuardsIntact(), "guard bytes untouched");
}

}  // namespace

int main() {
    HMODULE module = LoadModule();
    g_rough = module ? TQ_EXPORT(module, TQDim_RoughDlg) : nullptr;
    ok(g_rough != nullptr, "TQDim_RoughDlg exported");
    if (g_rough) {
        NewSymbol();
        ExistingSymbol();
        ReopenKeepsLay();
        ShapeCodes();
        BadInput();
    }
    return Summary("test_rough");
}
