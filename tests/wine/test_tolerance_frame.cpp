// The form and position tolerance dialogs through TQDim_XZGCDlg and TQDim_WZGCDlg, as a host
// calls them: the 64-byte text buffer, five 40-byte datum fields and three 32-bit values laid
// out by byte offsets between guard bytes, a real special-symbol list, the dialog scripted from
// a second thread, the host's bytes checked afterwards. Principle buttons are clicked for real
// (BM_CLICK): the form dialog's automatic radio buttons check themselves first, the position
// dialog's plain ones only ever show what the dialog set.
#include <cstring>
#include <string>
#include <vector>

#include "framework/afxstr.h"
#include "tests/wine/geotol_symbol.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

using XzgcFn = bool(WINAPI*)(char*, int*, int*, const CStringArray*, int*);
using WzgcFn = bool(WINAPI*)(char*, char (*)[40], int*, int*, const CStringArray*, int*);
XzgcFn g_xzgc;
WzgcFn g_wzgc;
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
    static std::string Utf8Of(const char* field, int width) {
        std::wstring w(width, L'\0');
        w.resize(MultiByteToWideChar(936, 0, field, static_cast<int>(strnlen(field, width)), w.data(), width));
        return Utf8(w);
    }
    std::string TextUtf8() { return Utf8Of(Text(), 64); }
    bool GuardsIntact() const {
        for (int i = 0; i < HOST_SIZE; ++i) {
            bool field = false;
            for (const auto& f : kFields) field = field || (i >= f[0] && i < f[0] + f[1]);
            if (!field && b[i] != kGuard) return false;
        }
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

// The form dialog's ids are 1000..1004, the position dialog's 1100..1104.
enum : int { SYMBOL = 1, GRADE = 3, MAIN = 4 };

std::string Principles(HWND dlg) {
    std::string s;
    const int ids[] = {1005, 1006, 1007, 1114, 1115};
    for (int i = 0; i < 5; ++i)
        if (Checked(dlg, ids[i])) s += "EMPNL"[i];
    return s;
}

bool TableControls(HWND dlg, int base, bool enabled) {
    for (int id : {base + GRADE, base + MAIN, 1008, 1009, 1010})
        if (Enabled(dlg, id) != enabled) return false;
    return true;
}

// Symbol pixels that differ from the module's bitmap copied to (3, 3) of the symbol static.
// The static's frame, redrawn whenever it repaints, covers the bitmap's last column: the
// frame's own pixels are not compared.
int SymbolWrong(HWND dlg, int base, const char* code) {
    const std::vector<bool> mask = SymbolMask(g_module, code);
    Capture cap(GetDlgItem(dlg, base + SYMBOL));
    if (mask.size() != 400 || cap.width() < 22 || cap.height() < 22) return 400;
    int wrong = 0;
    for (int y = 0; y < 20 && y + 4 < cap.height(); ++y)
        for (int x = 0; x < 20 && x + 4 < cap.width(); ++x) wrong += cap.IsBlack(x + 3, y + 3) != mask[y * 20 + x];
    return wrong;
}

void PostClick(HWND dlg, int id) {
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

void FormComposing() {
    Scenario s("form: composing from characteristic, grade, row and principles");
    Host h;
    h.Int(TYPE_OFF) = 7;
    h.Int(HORIZ_OFF) = 1;
    std::vector<std::string> buffer;  // the host's buffer right after each composing step
    auto step = [&](HWND dlg, const char* want, const char* checked) {
        buffer.push_back(h.TextUtf8());
        ok(ItemText(dlg, 1000) == want && Principles(dlg) == checked, "text \"%s\" (want \"%s\"), checked \"%s\"",
           ItemText(dlg, 1000).c_str(), want, Principles(dlg).c_str());
    };
    const bool result = OpenForm(h, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        const std::vector<std::string> names = {"直线度", "平面度", "圆度", "圆柱度", "线轮廓度", "面轮廓度"};
        ok(ListItems(dlg, 1002) == names && ListItems(dlg, 1003).size() == 12, "characteristics and grades 1..12");
        ok(ListItems(dlg, 1004).size() == 16 && SendMessageW(GetDlgItem(dlg, 1004), LB_GETCURSEL, 0, 0) == LB_ERR,
           "16 straightness rows, none selected");
        ok(Checked(dlg, 1169) && SymbolWrong(dlg, 1000, "zx") == 0, "水平放置 checked, straightness symbol");

        SelectList(dlg, 1004, 0);
        step(dlg, "0.0002 ", "");
        ClickControl(dlg, 1005);
        step(dlg, "0.0002 E", "E");
        ClickControl(dlg, 1005);
        step(dlg, "0.0002 ", "");
        ClickControl(dlg, 1005);
        ClickControl(dlg, 1006);
        step(dlg, "0.0002 M", "M");
        SelectList(dlg, 1003, 2);  // grade 3: the text goes, M stays for the next row
        step(dlg, "", "M");
        SelectList(dlg, 1004, 1);  // the one row without padding
        step(dlg, "0.001M", "M");

        SelectList(dlg, 1002, 2);  // roundness: grades from 0, M switched off, symbol at once
        step(dlg, "", "");
        ok(ListItems(dlg, 1003).size() == 13 && ListItems(dlg, 1003)[0] == "0" && ListItems(dlg, 1004).size() == 13,
           "roundness grades 0..12 and 13 rows");
        ok(SymbolWrong(dlg, 1000, "y") == 0, "roundness symbol painted at once");
        SelectList(dlg, 1004, 2);
        ClickControl(dlg, 1006);  // M starts over after the change
        step(dlg, "0.00012M", "M");

        SelectList(dlg, 1002, 4);
        step(dlg, "", "");
        ok(ListItems(dlg, 1003).empty() && ListItems(dlg, 1004).empty() && TableControls(dlg, 1000, false),
           "line profile empties and disables the lists");
        ok(SymbolWrong(dlg, 1000, "xlk") == 0, "line profile symbol");
        SelectList(dlg, 1002, 3);
        ok(TableControls(dlg, 1000, true) && SymbolWrong(dlg, 1000, "yz") == 0, "cylindricity enables them again");
        ClickControl(dlg, 1169);
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    const std::vector<std::string> want = {"0.0002 ", "0.0002 E", "0.0002 ", "0.0002 M", "", "0.001M", "", "0.00012M", ""};
    ok(buffer == want, "every composed text went into the host's buffer at once");
    ok(h.Int(TYPE_OFF) == 1 && h.Int(POS_OFF) == 3 && h.Int(HORIZ_OFF) == 0, "type flag %d position %d horizontal %d",
       h.Int(TYPE_OFF), h.Int(POS_OFF), h.Int(HORIZ_OFF));
    ok(h.GuardsIntact(), "guard bytes untouched");
}

void FormOpeningAndCancel() {
    Scenario s("form: preselection, restored principle, empty symbol list, Cancel");
    CStringArray empty;
    Host h;
    h.Put(h.Text(), "0.05N");
    h.Int(TYPE_OFF) = 5;
    h.Int(POS_OFF) = 3;
    const bool result = OpenForm(h, &empty, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(SendMessageW(GetDlgItem(dlg, 1002), LB_GETCURSEL, 0, 0) == 3 && SymbolWrong(dlg, 1000, "yz") == 0,
           "cylindricity preselected with its symbol");
        ok(ListItems(dlg, 1004)[0] == "<=10        0.0002 ", "lists show straightness until a selection");
        ok(Principles(dlg) == "N" && !Checked(dlg, 1169), "the caller's N checks 0M");
        SelectList(dlg, 1003, 1);  // the preselection decides the table of a grade pick
        ok(ListItems(dlg, 1004).size() == 13 && ListItems(dlg, 1004)[0] == "<=3         0.0002", "roundness rows");
        SetItemText(dlg, 1000, "0.05N");
        ClickControl(dlg, 1114);
        ok(ItemText(dlg, 1000) == "0.05" && Principles(dlg).empty(), "0M clicked off: \"%s\"", ItemText(dlg, 1000).c_str());
        PostClick(dlg, 227);
        if (HWND menu = WaitForMenu(1000)) DismissMenu(menu, dlg);
        PostMessageW(dlg, WM_COMMAND, 300, 0);  // taken, but the list is empty
        PostClick(dlg, 1007);
        WaitFor([&] { return ItemText(dlg, 1000) != "0.05"; }, 3000);
        ok(ItemText(dlg, 1000) == "0.05P", "empty list inserts nothing: \"%s\"", ItemText(dlg, 1000).c_str());
        SetItemText(dlg, 1000, "typed, never composed");
        Click(dlg, IDCANCEL);
    });
    ok(!result && h.TextUtf8() == "0.05P", "Cancel: false, the last composed text stays: \"%s\"", h.TextUtf8().c_str());
    ok(h.Int(TYPE_OFF) == 5 && h.Int(POS_OFF) == 3 && h.Int(HORIZ_OFF) == 0, "values untouched on Cancel");
}

void SpecialSymbols() {
    Scenario s("form: special-symbol menu");
    CStringArray symbols;
    const char* texts[] = {"Φ", "±", "°", "×", "√", "≤", "≥", "∥", "⊥", "∠", "≈", "△", "S",
                           "R", "ab", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25"};
    for (const char* t : texts) symbols.Add(Gbk(t).c_str());
    Host h;
    const bool result = OpenForm(h, &symbols, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        PostClick(dlg, 227);
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
        PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);  // a real pick of the first item
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
        WaitFor([&] { return ItemText(dlg, 1000) == "Φ"; }, 3000);
        if (IsWindowVisible(menu)) DismissMenu(menu, dlg);
        ok(ItemText(dlg, 1000) == "Φ", "keyboard pick inserts \"%s\"", ItemText(dlg, 1000).c_str());

        HWND edit = GetDlgItem(dlg, 1000);
        SetItemText(dlg, 1000, "0.05");
        SendMessageW(edit, EM_SETSEL, 4, 4);
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"M"));  // an undoable edit
        SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, IDOK)), TRUE);
        SendMessageW(edit, EM_SETSEL, 0, 0);
        PostMessageW(dlg, WM_COMMAND, 301, 0);
        ok(WaitFor([&] { return ItemText(dlg, 1000) == "±0.05M"; }, 3000), "301 at the caret: \"%s\"",
           ItemText(dlg, 1000).c_str());
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        GetGUIThreadInfo(GetWindowThreadProcessId(dlg, nullptr), &gui);
        ok(gui.hwndFocus == edit && SendMessageW(edit, EM_CANUNDO, 0, 0) == 0, "focus in the edit, nothing to undo");
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
    Scenario s("position: coaxiality, plain radio buttons, datums");
    Host h;
    h.Put(h.Datum(0), "A");
    std::memset(h.Datum(0) + 2, 'z', 38);  // stale bytes after the NUL stay
    h.Put(h.Datum(1), "B-C");
    CStringArray symbols;
    symbols.Add("S");
    const bool result = OpenPosition(h, &symbols, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(ListItems(dlg, 1102).size() == 8 && ListItems(dlg, 1104)[0] == "<=10        0.0004", "parallelism rows");
        ok(ItemText(dlg, 1105) == "A" && ItemText(dlg, 1106) == "B-C" && ItemText(dlg, 1107).empty(), "datums shown");
        SelectList(dlg, 1102, 3);
        ok(ListItems(dlg, 1104).size() == 17 && SymbolWrong(dlg, 1100, "tz") == 0, "coaxiality rows and symbol");
        SelectList(dlg, 1104, 0);
        ok(ItemText(dlg, 1100) == " 0.0004" && h.TextUtf8() == " 0.0004", "row <=1 starts with a space");
        ClickControl(dlg, 1005);
        ok(ItemText(dlg, 1100) == " 0.0004E" && Principles(dlg) == "E", "E checked by the dialog");
        ClickControl(dlg, 1006);
        ok(ItemText(dlg, 1100) == " 0.0004M" && Principles(dlg) == "M", "M replaces E: %s", Principles(dlg).c_str());
        ClickControl(dlg, 1006);
        SendMessageW(GetDlgItem(dlg, 1100), EM_SETSEL, 0, 0);
        PostMessageW(dlg, WM_COMMAND, 300, 0);
        ok(WaitFor([&] { return ItemText(dlg, 1100) == "S 0.0004"; }, 3000) && ItemText(dlg, 1105) == "A",
           "symbols go into the tolerance text");
        SetItemText(dlg, 1105, "ABCDEFGHIJKLMNOPQRSTUVWXY");
        SetItemText(dlg, 1106, "基准基准基准基准基准基");
        SetItemText(dlg, 1109, "E2");
        Click(dlg, IDOK);
    });
    ok(result && h.TextUtf8() == "S 0.0004", "OK stores \"%s\"", h.TextUtf8().c_str());
    ok(h.Int(TYPE_OFF) == 1 && h.Int(POS_OFF) == 3, "type flag %d position %d", h.Int(TYPE_OFF), h.Int(POS_OFF));
    ok(std::memcmp(h.Datum(0), "ABCDEFGHIJKLMNOPQRS\0zzzzzzzzzzzzzzzzzzzz", 40) == 0, "datum 1: 19 bytes, NUL, stale rest");
    ok(h.Utf8Of(h.Datum(1), 40) == "基准基准基准基准基" && h.Utf8Of(h.Datum(4), 40) == "E2", "datum 2 cut on a character");
    ok(h.GuardsIntact(), "guard bytes untouched");

    Scenario c("position: 位置度 and Cancel");
    Host k;
    k.Put(k.Text(), "0.02L");
    for (int i = 0; i < 5; ++i) k.Put(k.Datum(i), "Q");
    k.Int(POS_OFF) = 1;
    const Host before = k;
    const bool cancelled = OpenPosition(k, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(Principles(dlg) == "L", "the caller's L checks L");
        SelectList(dlg, 1102, 5);
        ok(ListItems(dlg, 1103).empty() && TableControls(dlg, 1100, false) && Enabled(dlg, 1109),
           "lists emptied and disabled, datums usable");
        ok(ItemText(dlg, 1100).empty() && Principles(dlg).empty() && SymbolWrong(dlg, 1100, "wz") == 0,
           "text emptied, L off, position symbol");
        PostMessageW(dlg, WM_COMMAND, 300, 0);  // a null list inserts nothing
        PostClick(dlg, 1007);
        WaitFor([&] { return !ItemText(dlg, 1100).empty(); }, 3000);
        ok(ItemText(dlg, 1100) == "P", "null list: \"%s\"", ItemText(dlg, 1100).c_str());
        SetItemText(dlg, 1105, "typed");
        Click(dlg, IDCANCEL);
    });
    ok(!cancelled && k.TextUtf8() == "P", "Cancel leaves the composed \"%s\"", k.TextUtf8().c_str());
    ok(std::memcmp(k.b, before.b, TEXT_OFF) == 0 && std::memcmp(k.b + TYPE_OFF, before.b + TYPE_OFF, HOST_SIZE - TYPE_OFF) == 0,
       "values and datums untouched on Cancel");
}

void BadInput() {
    Scenario s("bad input");
    Host h;
    h.Int(POS_OFF) = 6;
    h.Int(HORIZ_OFF) = -7;
    std::memset(h.Text(), 'A', 64);  // no NUL in the buffer
    std::string shown;
    OpenForm(h, nullptr, [&](HWND dlg) {
        if (!dlg) return;
        shown = ItemText(dlg, 1000);
        ok(SendMessageW(GetDlgItem(dlg, 1002), LB_GETCURSEL, 0, 0) == 0 && Checked(dlg, 1169), "opens on 0, checked");
        Click(dlg, IDOK);
    });
    ok(shown == std::string(64, 'A') && h.Text() == std::string(63, 'A'), "64 bytes read, 63 written back");
    ok(h.Int(POS_OFF) == 0 && h.Int(HORIZ_OFF) == 1 && h.GuardsIntact(), "position 0, flag 1, guards intact");

    Host p;
    p.Int(POS_OFF) = -5;
    for (int i = 0; i < 5; ++i) std::memset(p.Datum(i), 'a' + i, 40);
    std::string datum;
    OpenPosition(p, nullptr, [&](HWND dlg) {
        if (!dlg) return;
        datum = ItemText(dlg, 1109);
        std::string typed = "a";
        for (int i = 0; i < 40; ++i) typed += "中";
        SetItemText(dlg, 1100, typed.c_str());
        Click(dlg, IDOK);
    });
    ok(datum == std::string(39, 'e'), "an unterminated datum shows 39 bytes (%d)", static_cast<int>(datum.size()));
    ok(std::strlen(p.Text()) == 63 && p.TextUtf8().size() == 1 + 31 * 3, "typed text cut to 63 bytes on a character");
    bool datums = p.Int(POS_OFF) == 0;
    for (int i = 0; i < 5; ++i)
        datums = datums && std::strlen(p.Datum(i)) == 19 && std::string(p.Datum(i) + 20, 20) == std::string(20, 'a' + i);
    ok(datums && p.GuardsIntact(), "datums 19 bytes and the NUL, rest of each field kept, guards intact");

    // Null pointers where the host must pass values: false at once, no dialog.
    Host n;
    const bool results[] = {g_xzgc(nullptr, &n.Int(TYPE_OFF), &n.Int(POS_OFF), nullptr, &n.Int(HORIZ_OFF)),
                            g_xzgc(n.Text(), &n.Int(TYPE_OFF), nullptr, nullptr, &n.Int(HORIZ_OFF)),
                            g_wzgc(n.Text(), nullptr, &n.Int(TYPE_OFF), &n.Int(POS_OFF), nullptr, &n.Int(HORIZ_OFF)),
                            g_wzgc(n.Text(), reinterpret_cast<char(*)[40]>(n.Datum(0)), &n.Int(TYPE_OFF), &n.Int(POS_OFF),
                                   nullptr, nullptr)};
    ok(!results[0] && !results[1] && !results[2] && !results[3], "null pointers return false");
}

}  // namespace

int main() {
    g_module = LoadModule();
    g_xzgc = g_module ? Export<XzgcFn>(g_module, "TQDim_XZGCDlg") : nullptr;
    g_wzgc = g_module ? Export<WzgcFn>(g_module, "TQDim_WZGCDlg") : nullptr;
    ok(g_xzgc && g_wzgc, "TQDim_XZGCDlg and TQDim_WZGCDlg exported");
    if (g_xzgc && g_wzgc) {
        FormComposing();
        FormOpeningAndCancel();
        SpecialSymbols();
        PositionAndDatums();
        BadInput();
    }
    return Summary("test_tolerance_frame");
}
