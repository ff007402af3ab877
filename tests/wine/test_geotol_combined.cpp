// The combined geometric tolerance dialogs through their real exports, as a host calls them: a
// 612-byte record laid out by byte offsets (independently of the module's struct) between
// guard bytes, a real CStringArray of special symbols, the dialog scripted from a second
// thread, and the record compared byte for byte with what the host expects afterwards.
#include <cstring>

#include "framework/afxstr.h"
#include "tests/wine/geotol_symbol.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

using CombinedFn = bool(WINAPI*)(void*, const CStringArray*);
CombinedFn g_position;  // TQDim_XWZH_WZDlg
CombinedFn g_form;      // TQDim_XWZH_XZDlg
HMODULE g_module;

// Offsets of the host's record.
enum : int { CHARACTERISTIC = 0, GRADE = 4, TOLERANCE = 8, FORM_TEXT = 136, PRINCIPLE = 264,
             POSITION_TEXT = 284, DATUM = 412, DATUM_WIDTH = 40, SIZE = 612 };

// Controls of template 2000.
enum : int { SYMBOL = 1111, TEXT = 1110, DATUM1 = 1105, GRADES = 1112, ROWS = 1113, LABEL_GRADE = 1009,
             LABEL_MAIN = 1008, LABEL_VALUE = 1010, BTN_E = 1005, BTN_M = 1006, BTN_P = 1007, BTN_0M = 1114,
             BTN_L = 1115, SPECIAL = 227 };
constexpr int kPrincipleButtons[] = {BTN_E, BTN_M, BTN_P, BTN_0M, BTN_L};

const char* const kNames[14] = {"直线度", "平面度", "圆度",   "圆柱度", "线轮廓度", "面轮廓度", "平行度",
                                "垂直度", "倾斜度", "同轴度", "对称度", "位置度",   "圆跳动",   "全跳动"};
const char* const kCodes[14] = {"zx", "pm", "y", "yz", "xlk", "mlk", "px", "cz", "qx", "tz", "dc", "wz", "dtd", "qtd"};

struct Host {
    unsigned char guardBefore[32];
    unsigned char rec[SIZE];
    unsigned char guardAfter[32];

    // Every byte set, so that any write shows: guards 0xCD, the record 0xEE, then texts.
    explicit Host(int characteristic) {
        std::memset(guardBefore, 0xCD, sizeof guardBefore);
        std::memset(guardAfter, 0xCD, sizeof guardAfter);
        std::memset(rec, 0xEE, sizeof rec);
        SetInt(CHARACTERISTIC, characteristic);
        SetInt(GRADE, 77);
    }
    // Writes the GBK text and its NUL; the bytes after it keep their value, as a host's copy.
    void Put(int off, const char* utf8) {
        const std::string g = Gbk(utf8);
        std::memcpy(rec + off, g.c_str(), g.size() + 1);
    }
    std::string Text(int off, int width) const {
        const char* p = reinterpret_cast<const char*>(rec + off);
        const std::string g(p, strnlen(p, width));
        const int n = MultiByteToWideChar(936, 0, g.data(), static_cast<int>(g.size()), nullptr, 0);
        std::wstring w(n, L'\0');
        MultiByteToWideChar(936, 0, g.data(), static_cast<int>(g.size()), w.data(), n);
        return Utf8(w);
    }
    int32_t Int(int off) const { int32_t v; std::memcpy(&v, rec + off, 4); return v; }
    void SetInt(int off, int32_t v) { std::memcpy(rec + off, &v, 4); }

    // What OK writes: the grade index, the tolerance text and the letter; in the position
    // variant also the five datums (those not given empty). Everything else stays as it was.
    Host AfterOk(int grade, const char* text, const char* letter) const {
        Host want = *this;
        want.SetInt(GRADE, grade);
        want.Put(TOLERANCE, text);
        want.Put(PRINCIPLE, letter);
        return want;
    }
    Host WithDatums(std::vector<const char*> datums) const {
        Host want = *this;
        datums.resize(5, "");
        for (int i = 0; i < 5; ++i) want.Put(DATUM + i * DATUM_WIDTH, datums[i]);
        return want;
    }
};

// Where the first byte of two hosts differs ("" when they are the same), for messages.
std::string FirstDifference(const Host& got, const Host& want) {
    const auto* a = reinterpret_cast<const unsigned char*>(&got);
    const auto* b = reinterpret_cast<const unsigned char*>(&want);
    for (size_t i = 0; i < sizeof(Host); ++i) {
        if (a[i] == b[i]) continue;
        char where[96];
        const long off = static_cast<long>(i) - static_cast<long>(sizeof got.guardBefore);
        std::snprintf(where, sizeof where, "record byte %ld is %#x, expected %#x", off, a[i], b[i]);
        return where;
    }
    return "";
}

bool Open(CombinedFn fn, Host& host, const CStringArray* symbols, const std::function<void(HWND)>& script) {
    return RunDialog(nullptr, script, [&] { return fn(host.rec, symbols); });
}

std::string Title(HWND dlg) { return Text(dlg); }

int CheckedPrinciples(HWND dlg) {
    int n = 0;
    for (int id : kPrincipleButtons) n += Checked(dlg, id);
    return n;
}

int SelectedGrade(HWND dlg) { return static_cast<int>(SendMessageW(GetDlgItem(dlg, GRADES), LB_GETCURSEL, 0, 0)); }

int Width(HWND dlg, int id) {
    RECT rc{};
    GetWindowRect(GetDlgItem(dlg, id), &rc);
    return rc.right - rc.left;
}

void TitleAndSymbolOfEveryCharacteristic() {
    Scenario s("title and symbol of every characteristic in both variants; Cancel writes nothing");
    for (int c = 0; c < 14; ++c) {
        for (CombinedFn fn : {g_position, g_form}) {
            const bool positionVariant = fn == g_position;
            const char* variant = positionVariant ? "position" : "form";
            Host host(c);
            host.Put(TOLERANCE, "0.5E");
            host.Put(PRINCIPLE, "E");
            const Host before = host;
            std::string title;
            int wrong = -1;
            size_t grades = 0, rows = 0;
            const bool result = Open(fn, host, nullptr, [&](HWND dlg) {
                if (!dlg) return;
                title = Title(dlg);
                wrong = SymbolMismatches(GetDlgItem(dlg, SYMBOL), g_module, kCodes[c], 3, 3);
                grades = ListItems(dlg, GRADES).size();
                rows = ListItems(dlg, ROWS).size();
                Click(dlg, IDCANCEL);
            });
            ok(title == kNames[c], "%s variant, %d: title \"%s\"", variant, c, title.c_str());
            ok(wrong == 0, "%s variant, %d: symbol %s at (3,3) of 1111, %d pixels differ", variant, c, kCodes[c], wrong);
            ok(!result && FirstDifference(host, before).empty(), "%s variant, %d: Cancel wrote %s", variant, c,
               FirstDifference(host, before).c_str());
            // Outside its group the position variant still offers grades "1".."12", the form
            // variant nothing; neither has rows.
            if (positionVariant != (c >= 6))
                ok(grades == (positionVariant ? 12u : 0u) && rows == 0, "%s variant, %d: %d grades, %d rows", variant,
                   c, static_cast<int>(grades), static_cast<int>(rows));
        }
    }
}

// The position variant written field by field: grade, text with a principle, datums.
int g_positionTextWidth = 0;
void PositionVariantWritesItsFields() {
    Scenario s("position variant: OK writes grade, text, letter and datums");
    Host host(7);  // 垂直度
    host.Put(TOLERANCE, "0.3M");
    host.Put(PRINCIPLE, "M");
    host.Put(POSITION_TEXT, "host's own text");
    for (int i = 0; i < 5; ++i) host.Put(DATUM + i * DATUM_WIDTH, "Z");
    const Host want =
        host.AfterOk(2, "0.002 M", "M").WithDatums({"A", "B-C", "", "ABCDEFGHIJKLMNOPQRS", "基准基准基准基准基"});
    const bool result = Open(g_position, host, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        g_positionTextWidth = Width(dlg, TEXT);
        ok(ItemText(dlg, TEXT).empty(), "the record's text is not shown: \"%s\"", ItemText(dlg, TEXT).c_str());
        ok(CheckedPrinciples(dlg) == 0, "no principle checked although the record holds M");
        bool datumsEmpty = true;
        for (int i = 0; i < 5; ++i)
            datumsEmpty = datumsEmpty && ItemText(dlg, DATUM1 + i).empty() && Enabled(dlg, DATUM1 + i) &&
                          Visible(dlg, DATUM1 + i);
        ok(datumsEmpty, "datum edits start empty, shown and enabled");
        const auto grades = ListItems(dlg, GRADES);
        ok(grades.size() == 12 && grades[0] == "1" && grades[11] == "12" && SelectedGrade(dlg) == 0,
           "grades \"1\"..\"12\", the first selected");
        ok(ListItems(dlg, ROWS)[0] == "<=10        0.0004", "parallelism rows of grade 1: \"%s\"",
           ListItems(dlg, ROWS)[0].c_str());

        SelectList(dlg, GRADES, 2);
        const auto rows = ListItems(dlg, ROWS);
        ok(rows.size() == 16 && rows[0] == "<=10        0.0015" && rows[15] == ">6300~10000 0.05  ",
           "rows of grade 3: \"%s\" .. \"%s\"", rows.empty() ? "" : rows[0].c_str(),
           rows.empty() ? "" : rows.back().c_str());
        SelectList(dlg, ROWS, 1);
        ok(ItemText(dlg, TEXT) == "0.002 ", "row >10~16 of grade 3: \"%s\"", ItemText(dlg, TEXT).c_str());
        Click(dlg, BTN_E);
        ok(ItemText(dlg, TEXT) == "0.002 E" && Checked(dlg, BTN_E), "E appended: \"%s\"", ItemText(dlg, TEXT).c_str());
        Click(dlg, BTN_M);
        ok(ItemText(dlg, TEXT) == "0.002 M" && Checked(dlg, BTN_M) && CheckedPrinciples(dlg) == 1,
           "M replaces E: \"%s\", %d checked", ItemText(dlg, TEXT).c_str(), CheckedPrinciples(dlg));

        SetItemText(dlg, DATUM1, "A");
        SetItemText(dlg, DATUM1 + 1, "B-C");
        SetItemText(dlg, DATUM1 + 2, "");
        SetItemText(dlg, DATUM1 + 3, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        SetItemText(dlg, DATUM1 + 4, "基准基准基准基准基准");  // 20 bytes: one character too many
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    ok(FirstDifference(host, want).empty(), "record as expected: %s", FirstDifference(host, want).c_str());
}

void PositionWithoutTableAndUntouchedDialog() {
    Scenario s("position variant: 位置度 without a table, a typed text cut to 63 bytes; OK at once");
    Host host(11);
    const char* const kDigits = "01234567890123456789012345678901234567890123456789012345678901";
    const Host want = host.AfterOk(0, kDigits, "").WithDatums({"A"});
    bool disabled = false;
    const bool result = Open(g_position, host, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        disabled = true;
        for (int id : {LABEL_GRADE, LABEL_MAIN, LABEL_VALUE, GRADES, ROWS}) disabled = disabled && !Enabled(dlg, id);
        SelectList(dlg, GRADES, 3);  // a notification from an empty list leaves grade index 0
        // 62 digits, then a double-byte character that the 63 bytes kept would split.
        SetItemText(dlg, TEXT, (std::string(kDigits) + "Φ9").c_str());
        SetItemText(dlg, DATUM1, "A");
        Click(dlg, IDOK);
    });
    ok(result && disabled, "OK returns true; lists and labels disabled");
    ok(FirstDifference(host, want).empty(), "typed text and datums written, grade 0: %s",
       FirstDifference(host, want).c_str());

    Host untouched(9);
    untouched.Put(TOLERANCE, "0.02");
    untouched.Put(PRINCIPLE, "L");
    const Host expected = untouched.AfterOk(0, "", "").WithDatums({});
    Open(g_position, untouched, nullptr, [&](HWND dlg) {
        if (dlg) Click(dlg, IDOK);
    });
    ok(FirstDifference(untouched, expected).empty(), "OK at once: empty text, letter and datums, grade 0: %s",
       FirstDifference(untouched, expected).c_str());
}

void FormVariant() {
    Scenario s("form variant: 圆柱度, grade 0, principles, widened text, no datums");
    Host host(3);
    host.Put(FORM_TEXT, "form side");
    host.Put(POSITION_TEXT, "position side");
    const Host want = host.AfterOk(0, "0.0001M", "M");
    const bool result = Open(g_form, host, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(Title(dlg) == "圆柱度", "title \"%s\"", Title(dlg).c_str());
        const auto grades = ListItems(dlg, GRADES);
        ok(grades.size() == 13 && grades[0] == "0" && SelectedGrade(dlg) == 0, "grades \"0\"..\"12\"");
        bool datumsGone = true;
        for (int i = 0; i < 5; ++i) datumsGone = datumsGone && !Visible(dlg, DATUM1 + i) && !Enabled(dlg, DATUM1 + i);
        ok(datumsGone, "datum edits hidden and disabled");
        ok(g_positionTextWidth > 0 && Width(dlg, TEXT) == g_positionTextWidth + 46,
           "text edit %d pixels wide, the position variant's %d + 46", Width(dlg, TEXT), g_positionTextWidth);
        ok(CheckedPrinciples(dlg) == 0, "all five principles unchecked");

        SelectList(dlg, GRADES, 0);
        SelectList(dlg, ROWS, 0);
        ok(ItemText(dlg, TEXT) == "0.0001", "grade 0, row <=3: \"%s\"", ItemText(dlg, TEXT).c_str());
        Click(dlg, BTN_E);
        ok(ItemText(dlg, TEXT) == "0.0001E" && Checked(dlg, BTN_E), "E toggles on: \"%s\"", ItemText(dlg, TEXT).c_str());
        Click(dlg, BTN_E);
        ok(ItemText(dlg, TEXT) == "0.0001" && !Checked(dlg, BTN_E), "E toggles off: \"%s\"",
           ItemText(dlg, TEXT).c_str());
        Click(dlg, BTN_M);
        ok(ItemText(dlg, TEXT) == "0.0001M", "with M: \"%s\"", ItemText(dlg, TEXT).c_str());

        // A grade pick empties the text but keeps M, which the next row pick appends again.
        SelectList(dlg, GRADES, 12);
        ok(ItemText(dlg, TEXT).empty() && Checked(dlg, BTN_M), "grade pick empties the text, M stays");
        SelectList(dlg, ROWS, 12);
        ok(ItemText(dlg, TEXT) == "0.155 M", "row pick appends M again: \"%s\"", ItemText(dlg, TEXT).c_str());
        SelectList(dlg, GRADES, 0);
        SelectList(dlg, ROWS, 0);
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    ok(FirstDifference(host, want).empty(), "grade, text and letter written, both variant texts as they were: %s",
       FirstDifference(host, want).c_str());
}

void SpecialSymbols() {
    Scenario s("special-symbol menu");
    const char* const kSymbols[15] = {"±", "Φ", "°", "×", "√", "≤", "≥", "∞", "△", "□", "◎", "∠", "⊥", "∥", "※"};
    CStringArray symbols;
    for (const char* sym : kSymbols) symbols.Add(Gbk(sym).c_str());
    Host host(9);
    const Host want = host.AfterOk(0, "Φ0.01∥", "").WithDatums({});
    const bool result = Open(g_position, host, &symbols, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        HMENU first = nullptr;
        for (int round = 0; round < 2; ++round) {
            PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(SPECIAL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dlg, SPECIAL)));
            HWND menu = WaitForMenu();
            ok(menu != nullptr, "menu opens (%d)", round);
            if (!menu) return;
            HMENU handle = MenuOfWindow(menu);
            if (round == 0) {
                first = handle;
                const auto items = MenuItems(handle);
                bool same = items.size() == 16;
                for (size_t i = 0; same && i < 16; ++i) {
                    const size_t symbol = i < 12 ? i : i - 1;
                    same = i == 12 ? (items[i].id == 312 && items[i].text.empty() && (items[i].type & MFT_MENUBARBREAK))
                                   : (items[i].id == 300 + symbol && items[i].text == kSymbols[symbol]);
                }
                ok(same, "fifteen symbols in two columns (%d items)", static_cast<int>(items.size()));
            } else {
                ok(handle == first, "the same menu on the second click: built once per dialog");
            }
            DismissMenu(menu, dlg);
        }

        SetItemText(dlg, TEXT, "0.01");
        SendMessageW(GetDlgItem(dlg, TEXT), EM_SETSEL, 0, 0);
        PostMessageW(dlg, WM_COMMAND, 301, 0);
        WaitFor([&] { return ItemText(dlg, TEXT) != "0.01"; }, 3000);
        ok(ItemText(dlg, TEXT) == "Φ0.01", "Φ inserted at the caret: \"%s\"", ItemText(dlg, TEXT).c_str());
        SendMessageW(GetDlgItem(dlg, TEXT), EM_SETSEL, 5, 5);
        PostMessageW(dlg, WM_COMMAND, 313, 0);  // the fourteenth string, the last one that inserts
        PostMessageW(dlg, WM_COMMAND, 314, 0);  // listed, but inserts nothing
        WaitFor([&] { return ItemText(dlg, TEXT) != "Φ0.01"; }, 3000);
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    ok(FirstDifference(host, want).empty(), "text with the symbols written: \"%s\" %s",
       host.Text(TOLERANCE, 128).c_str(), FirstDifference(host, want).c_str());
}

void TwoOpeningsStartFresh() {
    Scenario s("two openings in a row start fresh");
    for (CombinedFn fn : {g_position, g_form}) {
        const char* variant = fn == g_position ? "position" : "form";
        const int c = fn == g_position ? 6 : 0;
        Host first(c);
        Open(fn, first, nullptr, [&](HWND dlg) {
            if (!dlg) return;
            SelectList(dlg, GRADES, 4);
            SelectList(dlg, ROWS, 3);
            Click(dlg, BTN_0M);
            Click(dlg, IDOK);
        });
        ok(first.Int(GRADE) == 4 && first.Text(PRINCIPLE, 20) == "N", "%s: first call grade %d letter \"%s\"",
           variant, first.Int(GRADE), first.Text(PRINCIPLE, 20).c_str());

        Host second(c);
        std::string text = "?";
        int checked = -1;
        bool on = false;
        Open(fn, second, nullptr, [&](HWND dlg) {
            if (!dlg) return;
            text = ItemText(dlg, TEXT);
            checked = CheckedPrinciples(dlg);
            // A counter left over from the first call would make this click switch 0M off.
            Click(dlg, BTN_0M);
            on = Checked(dlg, BTN_0M) && ItemText(dlg, TEXT) == "N";
            Click(dlg, IDOK);
        });
        ok(text.empty() && checked == 0, "%s: second call shows \"%s\", %d checked", variant, text.c_str(), checked);
        ok(on, "%s: the first 0M click of the second call appends N", variant);
        ok(second.Int(GRADE) == 0, "%s: second call's grade index %d", variant, second.Int(GRADE));
    }
}

void BadInput() {
    Scenario s("bad input");
    ok(!g_position(nullptr, nullptr) && !g_form(nullptr, nullptr), "a null record returns false");

    // Texts without their terminator: the variant's own field comes back byte for byte, the
    // others are not shown and are replaced on OK.
    for (CombinedFn fn : {g_position, g_form}) {
        const bool positionVariant = fn == g_position;
        Host host(positionVariant ? 12 : 1);
        std::memset(host.rec + TOLERANCE, 'T', 128);
        std::memset(host.rec + FORM_TEXT, 'F', 128);
        std::memset(host.rec + PRINCIPLE, 'E', 20);
        std::memset(host.rec + POSITION_TEXT, 'Q', 128);
        std::memset(host.rec + DATUM, 'D', 200);
        const Host want = positionVariant ? host.AfterOk(0, "", "").WithDatums({}) : host.AfterOk(0, "", "");
        std::string shown = "?";
        Open(fn, host, nullptr, [&](HWND dlg) {
            if (!dlg) return;
            shown = ItemText(dlg, TEXT);
            Click(dlg, IDOK);
        });
        ok(shown.empty(), "unterminated text not shown");
        ok(FirstDifference(host, want).empty(), "%s variant: %s", positionVariant ? "position" : "form",
           FirstDifference(host, want).c_str());
    }

    // A number that is no characteristic: the template's caption, no symbol, no lists.
    for (int c : {-5, 14}) {
        Host host(c);
        std::string title;
        size_t items = 99;
        const bool result = Open(g_position, host, nullptr, [&](HWND dlg) {
            if (!dlg) return;
            title = Title(dlg);
            items = ListItems(dlg, GRADES).size() + ListItems(dlg, ROWS).size();
            Click(dlg, IDOK);
        });
        ok(result && title == "形位公差" && items == 0, "characteristic %d: title \"%s\", %d list items", c,
           title.c_str(), static_cast<int>(items));
        ok(host.Int(CHARACTERISTIC) == c && host.Int(GRADE) == 0, "characteristic %d: offset 0 kept, grade %d", c,
           host.Int(GRADE));
    }
}

}  // namespace

int main() {
    g_module = LoadModule();
    g_position = g_module ? Export<CombinedFn>(g_module, "TQDim_XWZH_WZDlg") : nullptr;
    g_form = g_module ? Export<CombinedFn>(g_module, "TQDim_XWZH_XZDlg") : nullptr;
    ok(g_position && g_form, "TQDim_XWZH_WZDlg and TQDim_XWZH_XZDlg exported");
    if (g_position && g_form) {
        TitleAndSymbolOfEveryCharacteristic();
        PositionVariantWritesItsFields();
        PositionWithoutTableAndUntouchedDialog();
        FormVariant();
        SpecialSymbols();
        TwoOpeningsStartFresh();
        BadInput();
    }
    return Summary("test_geotol_combined");
}
