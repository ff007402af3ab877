// The form and position tolerance dialogs as a host calls them: the 64-byte text, five 40-byte
// datums and three 32-bit values between guard bytes. Principle buttons are clicked for real
// (BM_CLICK): the form dialog's automatic radio buttons check themselves first.
#include <cstring>
#include <string>

#include "entry/exports_geotol_single.h"
#include "framework/afxstr.h"
#include "tests/wine/geotol_symbol.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

decltype(&TQDim_XZGCDlg) g_xzgc;
decltype(&TQDim_WZGCDlg) g_wzgc;
HMODULE g_module;

enum : int { TEXT_OFF = 16, TYPE_OFF = 96, POS_OFF = 108, HORIZ_OFF = 120, DATUM_OFF = 140, HOST_SIZE = 356 };
// The host's fields as {offset, width}; every other byte is a guard byte.
constexpr int kFields[][2] = {{TEXT_OFF, 64}, {TYPE_OFF, 4}, {POS_OFF, 4}, {HORIZ_OFF, 4}, {DATUM_OFF, 200}};
constexpr unsigned char kGuard = 0xCD;

struct Host {
    alignas(16) unsigned char b[HOST_SIZE];
    Host() {
        std::memset(b, kGuard, sizeof b);
        for (const auto& f : kFields) std::memset(b + f[0], 0, f[1]);
    }
    char* Text() { return reinterpret_cast<char*>(b + TEXT_OFF); }
    char* Datum(int i) { return reinterpret_cast<char*>(b + DATUM_OFF + 40 * i); }
    int& Int(int off) { return *reinterpret_cast<int*>(b + off); }
    void Put(char* field, const char* utf8) { std::strcpy(field, Gbk(utf8).c_str()); }
    static std::string Utf8Of(const char* field, int width) { return Utf8FromGbk(std::string(field, strnlen(field, width))); }
    std::string TextUtf8() { return Utf8Of(Text(), 64); }
    bool GuardsIntact() const {
        const Host fresh;  // guard bytes where no field is
        for (int i = 0; i < HOST_SIZE; ++i)
            if (fresh.b[i] == kGuard && b[i] != kGuard) return false;
        return true;
    }
};

bool OpenForm(Host& h, const CStringArray* symbols, const std::function<void(HWND)>& script) {
    return RunDialog("形状公差", script, [&] {
        return g_xzgc(h.Text(), &h.Int(TYPE_OFF), &h.Int(POS_OFF), symbols, &h.Int(HORIZ_OFF));
    });
}
bool OpenPosition(Host& h, const CStringArray* symbols, const std::function<void(HWND)>& script) {
    return RunDialog("位置公差", script, [&] {
        return g_wzgc(h.Text(), reinterpret_cast<char(*)[40]>(h.Datum(0)), &h.Int(TYPE_OFF), &h.Int(POS_OFF),
                      symbols, &h.Int(HORIZ_OFF));
    });
}

std::string Principles(HWND dlg) {
    const int ids[] = {1005, 1006, 1007, 1114, 1115};
    std::string s;
    for (int i = 0; i < 5; ++i) if (Checked(dlg, ids[i])) s += "EMPNL"[i];
    return s;
}

// `base` is the text edit (1000 form, 1100 position); the symbol and list controls follow it.
bool TableControls(HWND dlg, int base, bool enabled) {
    for (int id : {base + 3, base + 4, 1008, 1009, 1010})
        if (Enabled(dlg, id) != enabled) return false;
    return true;
}
int SymbolWrong(HWND dlg, int base, const char* code, bool asShown = false) {
    return SymbolMismatches(GetDlgItem(dlg, base + 1), g_module, code, 3, 3, asShown);
}
int Selected(HWND dlg, int id) { return static_cast<int>(SendMessageW(GetDlgItem(dlg, id), LB_GETCURSEL, 0, 0)); }

// 'L' picks entry `index` of list `id`, 'C' clicks control `id`; then (unless `text` is null) the
// edit and the host's buffer hold `text` and exactly the `checked` principles are checked.
struct Step {
    char kind;
    int id, index;
    const char* text;
    const char* checked;
};

void Play(HWND dlg, Host& h, int base, std::initializer_list<Step> steps) {
    for (const Step& s : steps) {
        if (s.kind == 'L') SelectList(dlg, s.id, s.index);
        else ClickControl(dlg, s.id);
        if (!s.text) continue;
        ok(ItemText(dlg, base) == s.text && h.TextUtf8() == s.text && Principles(dlg) == s.checked,
           "after %c %d/%d: edit \"%s\" buffer \"%s\" checked \"%s\", want \"%s\" \"%s\"", s.kind, s.id, s.index,
           ItemText(dlg, base).c_str(), h.TextUtf8().c_str(), Principles(dlg).c_str(), s.text, s.checked);
    }
}

void FormComposing() {
    Scenario s("form: preselected cylindricity, then composing");
    Host h;
    std::memset(h.Text(), 'A', 64);  // no NUL in the buffer
    h.Int(TYPE_OFF) = 5;
    h.Int(POS_OFF) = 3;
    h.Int(HORIZ_OFF) = -7;
    const bool result = OpenForm(h, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(ItemText(dlg, 1000) == std::string(64, 'A') && Checked(dlg, 1169), "64 bytes shown, 水平放置 checked");
        ok(Selected(dlg, 1002) == 3 && SymbolWrong(dlg, 1000, "yz") == 0, "cylindricity preselected with its symbol");
        const auto rows = ListItems(dlg, 1004);
        ok(rows.size() == 16 && rows[0] == "<=10        0.0002 " && Selected(dlg, 1004) == LB_ERR,
           "straightness rows until a selection, none selected");
        Play(dlg, h, 1000,
             {{'L', 1003, 1, "", ""},  // the preselection decides the table of a grade pick
              {'L', 1004, 2, "0.00025", ""}, {'C', 1114, 0, "0.00025N", "N"},
              {'C', 1114, 0, "0.00025", ""},  // the automatic button checked itself; the dialog unchecks it
              {'C', 1005, 0, "0.00025E", "E"}, {'C', 1006, 0, "0.00025M", "M"},
              {'L', 1003, 2, "", "M"},  // a grade pick empties the text, M stays for the next row
              {'L', 1004, 0, "0.0003M", "M"}, {'L', 1002, 0, "", ""},  // straightness: M switched off
              {'L', 1003, 2, nullptr, nullptr}, {'L', 1004, 1, "0.001", ""},  // the one row without padding
              {'C', 1006, 0, "0.001M", "M"}});  // M starts over after the change
        ok(ListItems(dlg, 1003).size() == 12 && SymbolWrong(dlg, 1000, "zx", true) == 0, "grades 1..12, symbol painted at once");
        Play(dlg, h, 1000, {{'L', 1002, 4, "", ""}});
        ok(ListItems(dlg, 1003).empty() && ListItems(dlg, 1004).empty() && TableControls(dlg, 1000, false),
           "line profile empties and disables the lists");
        SelectList(dlg, 1002, 2);
        Click(dlg, IDOK);
    });
    ok(result && h.Int(TYPE_OFF) == 1 && h.Int(POS_OFF) == 2 && h.Int(HORIZ_OFF) == 1 && h.GuardsIntact(),
       "OK: type flag %d position %d horizontal %d, guards untouched", h.Int(TYPE_OFF), h.Int(POS_OFF), h.Int(HORIZ_OFF));
}

// The menu and its picks, as every geometric tolerance dialog has them.
void SpecialSymbols() {
    Scenario s("form: special-symbol menu");
    CStringArray symbols;
    const char* texts[] = {"Φ", "±", "°", "×", "√", "≤", "≥", "∥", "⊥", "∠", "≈", "△", "S",
                           "R", "ab", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25"};
    for (const char* t : texts) symbols.Add(Gbk(t).c_str());
    Host h;
    const bool result = OpenForm(h, &symbols, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        HWND edit = GetDlgItem(dlg, 1000);
        SetItemText(dlg, 1000, "0.05M");
        SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, IDOK)), TRUE);
        SendMessageW(edit, EM_SETSEL, 0, 0);
        PostMessageW(dlg, WM_COMMAND, 227, reinterpret_cast<LPARAM>(GetDlgItem(dlg, 227)));
        HWND menu = WaitForMenu();
        if (!menu) return ok(false, "menu opens");
        const auto items = MenuItems(MenuOfWindow(menu));
        bool layout = items.size() == 28;
        for (size_t k = 0, i = 0; layout && k < items.size(); ++k) {
            const bool brk = (items[k].type & MFT_MENUBARBREAK) != 0;
            layout = brk == (k == 12 || k == 25) && items[k].id == 300 + i && items[k].text == (brk ? "" : texts[i]);
            if (!brk) ++i;
        }
        ok(layout, "26 strings in three columns, each after an empty break item (%d items)", static_cast<int>(items.size()));
        RECT m{}, b{};
        GetWindowRect(menu, &m);
        GetWindowRect(GetDlgItem(dlg, 227), &b);
        ok(m.left == b.left + 40 && m.top == b.bottom, "menu at (%ld, %ld), button left %ld bottom %ld", m.left, m.top,
           b.left, b.bottom);
        for (UINT key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(menu, WM_KEYDOWN, key, 0);  // a real pick: 301
        const bool inserted = WaitFor([&] { return ItemText(dlg, 1000) == "±0.05M"; }, 3000);
        if (IsWindowVisible(menu)) DismissMenu(menu, dlg);
        ok(inserted && FocusOf(dlg) == edit && SendMessageW(edit, EM_CANUNDO, 0, 0) == 0,
           "the second item inserted at the caret: \"%s\"; focus in the edit, nothing to undo", ItemText(dlg, 1000).c_str());
        SendMessageW(edit, EM_SETSEL, 1, 5);
        PostMessageW(dlg, WM_COMMAND, 314, 0);  // listed, but inserts nothing
        PostMessageW(dlg, WM_COMMAND, 313, 0);
        ok(WaitFor([&] { return ItemText(dlg, 1000) != "±0.05M"; }, 3000) && ItemText(dlg, 1000) == "±RM",
           "313 replaces the selection, 314 nothing: \"%s\"", ItemText(dlg, 1000).c_str());
        Click(dlg, IDOK);
    });
    ok(result && h.TextUtf8() == "±RM", "OK stores \"%s\"", h.TextUtf8().c_str());
}

void PositionAndDatums() {
    Scenario s("position: restored L, 位置度, coaxiality, datums");
    Host h;
    h.Put(h.Text(), "0.02L");
    h.Int(POS_OFF) = 8;
    h.Int(HORIZ_OFF) = -7;
    h.Put(h.Datum(0), "A");
    std::memset(h.Datum(0) + 2, 'z', 38);  // stale bytes after the NUL stay
    h.Put(h.Datum(1), "B-C");
    std::memset(h.Datum(4), 'e', 40);  // no NUL in the field
    CStringArray symbols;
    symbols.Add("S");
    const bool result = OpenPosition(h, &symbols, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(Selected(dlg, 1102) == 0 && SymbolWrong(dlg, 1100, "px") == 0 && ListItems(dlg, 1104)[0] == "<=10        0.0004",
           "a position outside the list opens on parallelism");
        ok(Principles(dlg) == "L" && Checked(dlg, 1169) && ItemText(dlg, 1105) == "A" && ItemText(dlg, 1106) == "B-C" &&
               ItemText(dlg, 1107).empty() && ItemText(dlg, 1109) == std::string(39, 'e'),
           "the caller's L and 水平放置 checked; datums shown, an unterminated one as 39 bytes");
        Play(dlg, h, 1100, {{'L', 1102, 5, "", ""}});  // 位置度: L switched off
        ok(ListItems(dlg, 1103).empty() && TableControls(dlg, 1100, false) && Enabled(dlg, 1109),
           "位置度: lists emptied and disabled, datums usable");
        SelectList(dlg, 1102, 3);
        ok(ListItems(dlg, 1104).size() == 17 && TableControls(dlg, 1100, true) && SymbolWrong(dlg, 1100, "tz", true) == 0,
           "coaxiality rows and symbol");
        Play(dlg, h, 1100,
             {{'L', 1104, 0, " 0.0004", ""},  // row <=1 starts with a space
              {'C', 1005, 0, " 0.0004E", "E"}, {'C', 1006, 0, " 0.0004M", "M"}, {'C', 1006, 0, " 0.0004", ""}});
        SendMessageW(GetDlgItem(dlg, 1100), EM_SETSEL, 0, 0);
        PostMessageW(dlg, WM_COMMAND, 300, 0);
        ok(WaitFor([&] { return ItemText(dlg, 1100) == "S 0.0004"; }, 3000) && ItemText(dlg, 1105) == "A",
           "symbols go into the tolerance text");
        std::string typed = "ab";
        for (int i = 0; i < 40; ++i) typed += "中";
        SetItemText(dlg, 1100, typed.c_str());
        SetItemText(dlg, 1105, "ABCDEFGHIJKLMNOPQRSTUVWXY");
        SetItemText(dlg, 1106, "基准基准基准基准基准基");
        SetItemText(dlg, 1109, "E2");
        Click(dlg, IDOK);
    });
    ok(result && h.TextUtf8().size() == 2 + 30 * 3, "OK: typed text cut to 62 bytes, the 63rd would split a character (%d)",
       static_cast<int>(std::strlen(h.Text())));
    ok(h.Int(TYPE_OFF) == 1 && h.Int(POS_OFF) == 3 && h.Int(HORIZ_OFF) == 1 && h.GuardsIntact(),
       "type flag %d position %d horizontal %d, guards untouched", h.Int(TYPE_OFF), h.Int(POS_OFF), h.Int(HORIZ_OFF));
    ok(std::memcmp(h.Datum(0), "ABCDEFGHIJKLMNOPQRS\0zzzzzzzzzzzzzzzzzzzz", 40) == 0 &&
           h.Utf8Of(h.Datum(1), 40) == "基准基准基准基准基" && std::memcmp(h.Datum(4), "E2\0eeeee", 8) == 0,
       "datum 1: 19 bytes, NUL, stale rest; datum 2 cut on a character; datum 5 over the unterminated one");

    Scenario c("position: Cancel");
    Host k;
    for (int i = 0; i < 5; ++i) k.Put(k.Datum(i), "Q");
    k.Int(POS_OFF) = 1;
    const Host before = k;
    const bool cancelled = OpenPosition(k, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        SelectList(dlg, 1104, 0);
        PostMessageW(dlg, WM_COMMAND, 300, 0);  // a null list inserts nothing
        PostMessageW(dlg, WM_COMMAND, 1007, reinterpret_cast<LPARAM>(GetDlgItem(dlg, 1007)));
        ok(WaitFor([&] { return ItemText(dlg, 1100) != "0.0004"; }, 3000) && ItemText(dlg, 1100) == "0.0004P",
           "null list: \"%s\"", ItemText(dlg, 1100).c_str());
        SetItemText(dlg, 1105, "typed");
        SetItemText(dlg, 1100, "typed, never composed");
        Click(dlg, IDCANCEL);
    });
    ok(!cancelled && k.TextUtf8() == "0.0004P" && std::memcmp(k.b, before.b, TEXT_OFF) == 0 &&
           std::memcmp(k.b + TYPE_OFF, before.b + TYPE_OFF, HOST_SIZE - TYPE_OFF) == 0,
       "Cancel leaves the composed \"%s\", values and datums untouched", k.TextUtf8().c_str());
}

}  // namespace

int main() {
    g_module = LoadModule();
    g_xzgc = g_module ? TQ_EXPORT(g_module, TQDim_XZGCDlg) : nullptr;
    g_wzgc = g_module ? TQ_EXPORT(g_module, TQDim_WZGCDlg) : nullptr;
    ok(g_xzgc && g_wzgc, "TQDim_XZGCDlg and TQDim_WZGCDlg exported");
    if (g_xzgc && g_wzgc) {
        FormComposing();
        SpecialSymbols();
        PositionAndDatums();
    }
    return Summary("test_tolerance_frame");
}
