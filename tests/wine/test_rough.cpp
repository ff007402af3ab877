// The roughness dialog through the real export: a 220-byte record laid out by byte offsets
// between guard bytes, checked byte for byte afterwards.
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
    template <class T = int32_t> T Get(int off) const { T v; std::memcpy(&v, rec + off, 4); return v; }
    template <class T> void Set(int off, T v) { std::memcpy(rec + off, &v, 4); }
    bool GuardsIntact() const {
        const Host fresh;
        return !std::memcmp(guardBefore, fresh.guardBefore, 32) && !std::memcmp(guardAfter, fresh.guardAfter, 32);
    }
};

bool Open(Host& host, const std::function<void(HWND)>& script) {
    return RunDialog(kCaption, script, [&] { return g_rough(reinterpret_cast<RoughRecord*>(host.rec)); });
}

// The preview read from pixels as letters: Bar across the V, Inner circle, Knee circle, Arms.
// The controls are hidden meanwhile (where they cover the preview depends on the font).
std::string Look(HWND dlg) {
    std::vector<HWND> shown;
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsWindowVisible(c)) shown.push_back(c);
    for (HWND c : shown) ShowWindow(c, SW_HIDE);
    // The arms are drawn for every code: until they show, the picture was taken too early.
    std::string seen;
    WaitFor([&] {
        Capture cap(dlg);
        seen.clear();
        const bool parts[] = {cap.BlackNear(75, 95), cap.BlackNear(100, 129), cap.BlackNear(147, 40),
                              cap.BlackNear(84, 122) && cap.BlackNear(197, 40)};
        for (int i = 0; i < 4; ++i) if (parts[i]) seen += "BIKA"[i];
        return parts[3];
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
    host.Set<int32_t>(FIXED, 1);
    host.Set(TEXTSIZE, 3.5f);
    host.Set(SYMSIZE, 3.25f);
    bool during = false;
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(ItemText(dlg, 101) == "6.3" && ItemText(dlg, 106).empty() && ItemText(dlg, 103).empty() &&
               ItemText(dlg, 104).empty() && ItemText(dlg, 112).empty() && !Checked(dlg, 1169),
           "a new symbol: a2 \"%s\", other texts empty, 固定点 unchecked", ItemText(dlg, 101).c_str());
        ok(ItemText(dlg, 107) == "a1--粗糙度高度参数值", "hint \"%s\"", ItemText(dlg, 107).c_str());
        during = host.Shape() == 1 && host.Get(FIXED) == 0;
        const std::string seen = Look(dlg);
        ok(seen == "BA", "preview of code 1: %s", seen.c_str());
        const auto sizes = ComboItems(dlg, 10145);
        ok(ComboItems(dlg, 106).size() == 13 && ComboItems(dlg, 106)[0] == "200" && ComboItems(dlg, 101)[12] == "0.05" &&
               sizes.size() == 21 && sizes[1] == "1.0" && sizes[20] == "20.0",
           "value and size lists (%d sizes)", static_cast<int>(sizes.size()));
        ok(SendMessageW(GetDlgItem(dlg, 10145), CB_GETCURSEL, 0, 0) == 6 &&
               SendMessageW(GetDlgItem(dlg, 10146), CB_GETCURSEL, 0, 0) == CB_ERR && ItemText(dlg, 10146) == "3.25",
           "3.5 selects its entry, 3.25 is shown as typed: \"%s\"", ItemText(dlg, 10146).c_str());
        Click(dlg, IDOK);
    });
    ok(result && during, "OK returns true; shape 5 became 1 and fixedPoint 0 at the opening");
    ok(host.Text(A1).empty() && host.Text(A2) == "6.3" && host.Text(B).empty() && host.Text(C).empty() &&
           host.Text(D).empty() && host.Text(E).empty(),
       "texts written: a2 \"%s\"", host.Text(A2).c_str());
    ok(host.Shape() == 1 && host.Get<float>(TEXTSIZE) == 3.5f && host.Get<float>(SYMSIZE) == 3.25f,
       "shape %d, sizes %g %g", host.Shape(), host.Get<float>(TEXTSIZE), host.Get<float>(SYMSIZE));
    ok(host.GuardsIntact(), "guard bytes untouched");
}

void ExistingSymbol() {
    Scenario s("existing symbol, a2 set-aside, check boxes, lay menu, cuts");
    Host host;
    const char* texts[] = {"12.5", "3.2", "磨", "0.8", "⊥", "2"};
    for (int i = 0; i < 6; ++i) host.SetText(A1 + 33 * i, texts[i]);
    host.Shape() = 11;
    host.Set<int32_t>(REST, 1);
    host.Set<int32_t>(FIXED, 1);
    host.Set(TEXTSIZE, 5.0f);
    host.Set(SYMSIZE, 7.0f);
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(ItemText(dlg, 106) == "12.5" && ItemText(dlg, 101) == "3.2" && ItemText(dlg, 103) == "磨" &&
               ItemText(dlg, 104) == "0.8" && ItemText(dlg, 112) == "2" && ItemText(dlg, 105) == "⊥",
           "record texts shown, the stored lay symbol on its button: \"%s\"", ItemText(dlg, 105).c_str());
        ok(Checked(dlg, 1170) && !Visible(dlg, 1170) && host.Get(FIXED) == 0 && !Checked(dlg, 1169),
           "其余 checked from the record, hidden; fixedPoint cleared at the opening");

        // The first press of 108, 109 or 111 gives back the a2 text of the opening.
        SetItemText(dlg, 101, "1.6");
        Click(dlg, 109);
        ok(ItemText(dlg, 101) == "3.2" && host.Shape() == 11 && ItemText(dlg, 107) == "去除材料",
           "109 restores a2 \"%s\", keeps the knee (%d), hint \"%s\"", ItemText(dlg, 101).c_str(), host.Shape(),
           ItemText(dlg, 107).c_str());
        // 110 sets a2 aside and empties it, 108 gives it back.
        Click(dlg, 110);
        std::string seen = Look(dlg);
        ok(ItemText(dlg, 101).empty() && host.Shape() == 12 && seen == "IKA", "110 empties a2, shape %d, preview %s",
           host.Shape(), seen.c_str());
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
        seen = Look(dlg);
        ok(host.Shape() == 1 && seen == "BA", "111 removes the knee: %d, preview %s", host.Shape(), seen.c_str());
        ok(BlackPixels(GetDlgItem(dlg, 111)) < kneeBlack, "111 shows the dotted circle (S5) without the knee");
        Click(dlg, 111);
        ok(host.Shape() == 11 && Look(dlg) == "BKA", "111 twice gives the starting code back");

        // Check boxes write at once.
        ClickControl(dlg, 1169);
        const int32_t once = host.Get(FIXED);
        ClickControl(dlg, 1169);
        Click(dlg, 1170);
        ok(once == 1 && host.Get(FIXED) == 0 && host.Get(REST) == 0, "固定点 writes %d then %d, 其余 inverts rest: %d",
           once, host.Get(FIXED), host.Get(REST));
        SelectCombo(dlg, 112, 0);
        ok(Checked(dlg, 1169) && host.Get(FIXED) == 1 && ItemText(dlg, 112) == "其余", "a word in e checks 固定点: \"%s\"",
           ItemText(dlg, 112).c_str());

        // The lay menu: eight items, picks arrive as posted commands.
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(105, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, 105)));
        HWND menu = WaitForMenu();
        ok(menu != nullptr, "lay menu opens");
        if (menu) {
            const auto items = MenuItems(MenuOfWindow(menu));
            const char* names[] = {"空", "＝", "⊥", "Ｘ", "Ｍ", "Ｃ", "Ｒ", "Ｐ"};
            bool same = items.size() == 8;
            for (size_t i = 0; same && i < 8; ++i) same = items[i].id == 200 + i && items[i].text == names[i];
            ok(same && ItemText(dlg, 107) == "d--加工纹理", "lay menu items (%d), hint \"%s\"",
               static_cast<int>(items.size()), ItemText(dlg, 107).c_str());
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

        // Texts are cut to 14 bytes on a character boundary.
        SetItemText(dlg, 106, "a加工方法镀涂或其");      // 15 bytes: the last character goes
        SetItemText(dlg, 103, "加工方法镀涂或其它表面");  // 22 bytes: 7 characters stay
        SetItemText(dlg, 104, "a丂丂丂丂丂丂丂");  // lead bytes 0x81 (GBK beyond GB2312), trail 0x40
        SetItemText(dlg, 10145, "2.75mm");
        SetItemText(dlg, 10146, "big");
        Click(dlg, IDOK);
    });
    ok(result && host.Text(A1) == "a加工方法镀涂" && host.Text(A2) == "1.6" && host.Text(B) == "加工方法镀涂或",
       "OK; cut a1 \"%s\", a2 \"%s\", b \"%s\"", host.Text(A1).c_str(), host.Text(A2).c_str(), host.Text(B).c_str());
    ok(host.TextGbk(C) == "a" + Gbk("丂丂丂丂丂丂"), "c cut before the 8th character: \"%s\"", host.Text(C).c_str());
    ok(host.Text(D).empty() && host.Text(E) == "其余", "d emptied by 空: \"%s\"; e \"%s\"", host.Text(D).c_str(),
       host.Text(E).c_str());
    ok(host.Get<float>(TEXTSIZE) == 2.75f && host.Get<float>(SYMSIZE) == 0.0f, "sizes %g %g",
       host.Get<float>(TEXTSIZE), host.Get<float>(SYMSIZE));
    ok(host.Shape() == 11 && host.Get(REST) == 0 && host.Get(FIXED) == 1, "shape/rest/fixedPoint");
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
        ok(result && button == stored && host.Text(D) == stored && host.rec[D + 31] == 'z',
           "the button shows d \"%s\", OK keeps it byte for byte: \"%s\"", button.c_str(), host.Text(D).c_str());
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
    before.Shape() = 2;  // the shape button writes at once
    ok(!result && std::memcmp(&before, &host, sizeof host) == 0, "Cancel returns false, nothing but the shape written");
}

void BadInput() {
    Scenario s("bad input, an undocumented shape code");
    Host host;
    host.Shape() = 22;  // no documented code: painted as its knee alone, kept as it is
    std::memset(host.rec + A1, 'A', 33);  // no NUL within the field
    std::memset(host.rec + E, 'B', 33);
    host.Set(TEXTSIZE, std::nanf(""));
    host.Set(SYMSIZE, INFINITY);
    host.Set<int32_t>(HIDE, 1);
    std::string a1;
    bool fixedVisible = true;
    std::string seen;
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return;
        seen = Look(dlg);
        a1 = ItemText(dlg, 106);
        fixedVisible = Visible(dlg, 1169);
        SelectCombo(dlg, 112, 1);
        Click(dlg, IDOK);
    });
    ok(seen == "KA" && host.Shape() == 22, "code 22 (now %d): preview %s", host.Shape(), seen.c_str());
    ok(result && a1 == std::string(33, 'A'), "unterminated a1 read to the field's end (%d chars)", static_cast<int>(a1.size()));
    ok(!fixedVisible && host.Get(FIXED) == 1, "hideFixedPoint hides 固定点; a word in e sets fixedPoint all the same");
    ok(host.Text(A1) == std::string(14, 'A') && host.rec[A1 + 14] == 0 && host.Text(E) == "所有",
       "a1 written back cut to 14 bytes, e \"%s\"", host.Text(E).c_str());
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
        BadInput();
    }
    return Summary("test_rough");
}
