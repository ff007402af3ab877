// The combined geometric tolerance dialogs through their real exports: a 612-byte record laid
// out by byte offsets between guard bytes, compared byte for byte with what the host expects.
// What they share with the form dialog (principle rule, symbol menu) is tested there.
#include <algorithm>
#include <cstring>

#include "framework/afxstr.h"
#include "tests/wine/geotol_symbol.h"
#include "entry/exports_geotol_combined.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

using CombinedFn = decltype(&TQDim_XWZH_WZDlg);
CombinedFn g_position;  // TQDim_XWZH_WZDlg
CombinedFn g_form;      // TQDim_XWZH_XZDlg
HMODULE g_module;

// Offsets of the host's record.
enum : int { CHARACTERISTIC = 0, GRADE = 4, TOLERANCE = 8, FORM_TEXT = 136, PRINCIPLE = 264,
             POSITION_TEXT = 284, DATUM = 412, SIZE = 612 };
// Controls of template 2000.
enum : int { SYMBOL = 1111, TEXT = 1110, DATUM1 = 1105, GRADES = 1112, ROWS = 1113, BTN_E = 1005, BTN_M = 1006,
             BTN_0M = 1114 };

const char* const kNames[14] = {"直线度", "平面度", "圆度",   "圆柱度", "线轮廓度", "面轮廓度", "平行度",
                                "垂直度", "倾斜度", "同轴度", "对称度", "位置度",   "圆跳动",   "全跳动"};

struct Host {
    unsigned char guardBefore[32];
    unsigned char rec[SIZE];
    unsigned char guardAfter[32];

    // Every byte set, so that any write shows: guards 0xCD, the record 0xEE, then texts.
    explicit Host(int characteristic) {
        std::memset(this, 0xCD, sizeof *this);
        std::memset(rec, 0xEE, sizeof rec);
        SetInt(CHARACTERISTIC, characteristic);
        SetInt(GRADE, 77);
    }
    // Writes the GBK text and its NUL; the bytes after it keep their value, as a host's copy.
    void Put(int off, const char* utf8) {
        const std::string g = Gbk(utf8);
        std::memcpy(rec + off, g.c_str(), g.size() + 1);
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
        for (int i = 0; i < 5; ++i) want.Put(DATUM + i * 40, datums[i]);
        return want;
    }
};

// Where the first byte of two hosts differs ("" when they are the same), for messages.
std::string FirstDifference(const Host& got, const Host& want) {
    const auto* a = reinterpret_cast<const unsigned char*>(&got);
    const auto* b = reinterpret_cast<const unsigned char*>(&want);
    const size_t i = std::mismatch(a, a + sizeof got, b).first - a;
    if (i == sizeof got) return "";
    char where[96];
    std::snprintf(where, sizeof where, "record byte %d is %#x, expected %#x", int(i) - 32, a[i], b[i]);
    return where;
}

bool Open(CombinedFn fn, Host& host, const CStringArray* symbols, const std::function<void(HWND)>& script) {
    return RunDialog(nullptr, script, [&] { return fn(reinterpret_cast<CombinedToleranceRecord*>(host.rec), symbols); });
}

// Each characteristic in the variant of its group, one opening after another: nothing of the
// previous opening carries over (a counter left over would make 0M switch off). Cancel writes
// nothing; OK (odd numbers) writes grade 0, "N" and empty datums over the host's unterminated
// texts and keeps both variant texts byte for byte. -1 and 14 show no symbol.
void EveryCharacteristic() {
    Scenario s("every characteristic: title, symbol, a fresh start; Cancel and OK");
    for (int c = -1; c <= 14; ++c) {
        const bool position = c >= 6, okClose = (c & 1) != 0, known = c >= 0 && c < 14;
        Host host(c);
        for (int off : {TOLERANCE, FORM_TEXT, POSITION_TEXT}) std::memset(host.rec + off, 'T' + off % 7, 128);
        std::memset(host.rec + PRINCIPLE, 'E', 20);  // no NULs anywhere
        std::memset(host.rec + DATUM, 'D', 200);
        const Host want = !okClose ? host : position ? host.AfterOk(0, "N", "N").WithDatums({}) : host.AfterOk(0, "N", "N");
        std::string title, text = "?";
        int wrong = -1, checked = -1;
        bool on = false;
        const bool result = Open(position ? g_position : g_form, host, nullptr, [&](HWND dlg) {
            if (!dlg) return;
            title = Text(dlg);
            wrong = known ? SymbolMismatches(GetDlgItem(dlg, SYMBOL), g_module, kSymbolCodes[c], 3, 3) : 0;
            text = ItemText(dlg, TEXT);
            checked = 0;
            for (int id : {1005, 1006, 1007, 1114, 1115}) checked += Checked(dlg, id);
            Click(dlg, BTN_0M);
            on = Checked(dlg, BTN_0M) && ItemText(dlg, TEXT) == "N";
            Click(dlg, okClose ? IDOK : IDCANCEL);
        });
        ok(title == (known ? kNames[c] : "形位公差") && wrong == 0, "%d: title \"%s\", %d symbol pixels differ", c,
           title.c_str(), wrong);
        ok(text.empty() && checked == 0 && on, "%d: opens with \"%s\" and %d checked; 0M appends N: %d", c,
           text.c_str(), checked, on);
        ok(result == okClose && FirstDifference(host, want).empty(), "%d: %s: %s", c, okClose ? "OK" : "Cancel",
           FirstDifference(host, want).c_str());
    }
}

void PositionVariant() {
    Scenario s("position variant: OK writes grade, text, letter and datums");
    Host host(7);  // 垂直度
    host.Put(POSITION_TEXT, "host's own text");
    for (int i = 0; i < 5; ++i) host.Put(DATUM + i * 40, "Z");
    const Host want = host.AfterOk(2, "0.002 M", "M").WithDatums({"A", "B-C", "", "ABCDEFGHIJKLMNOPQRS", "基准基准基准基准基"});
    const bool result = Open(g_position, host, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        bool datums = true;
        for (int i = 0; i < 5; ++i)
            datums = datums && ItemText(dlg, DATUM1 + i).empty() && Enabled(dlg, DATUM1 + i) && Visible(dlg, DATUM1 + i);
        ok(datums && ListItems(dlg, GRADES).size() == 12 && SendMessageW(GetDlgItem(dlg, GRADES), LB_GETCURSEL, 0, 0) == 0 &&
               ListItems(dlg, ROWS)[0] == "<=10        0.0004",
           "datum edits start empty, shown and enabled; grades 1..12 with the first selected, parallelism rows");
        SelectList(dlg, GRADES, 2);
        SelectList(dlg, ROWS, 1);
        Click(dlg, BTN_M);
        ok(ItemText(dlg, TEXT) == "0.002 M" && Checked(dlg, BTN_M), "row >10~16 of grade 3 with M: \"%s\"",
           ItemText(dlg, TEXT).c_str());
        const char* typed[] = {"A", "B-C", "", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "基准基准基准基准基准"};  // the last: 20 bytes
        for (int i = 0; i < 5; ++i) SetItemText(dlg, DATUM1 + i, typed[i]);
        Click(dlg, IDOK);
    });
    ok(result && FirstDifference(host, want).empty(), "record as expected: %s", FirstDifference(host, want).c_str());

    Scenario p("position variant: 位置度 without a table; a text cut to 63 bytes");
    const char* const kSymbols[15] = {"±", "Φ", "°", "×", "√", "≤", "≥", "∞", "△", "□", "◎", "∠", "⊥", "∥", "※"};
    CStringArray symbols;
    for (const char* sym : kSymbols) symbols.Add(Gbk(sym).c_str());
    Host none(11);
    const std::string digits = "012345678901234567890123456789012345678901234567890123456789";  // 60
    // Φ inserted in front: 62 bytes kept, the second Φ would make 64.
    const Host expected = none.AfterOk(0, ("Φ" + digits).c_str(), "").WithDatums({"A"});
    bool disabled = true;
    const bool closed = Open(g_position, none, &symbols, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        for (int id : {1008, 1009, 1010, int(GRADES), int(ROWS)}) disabled = disabled && !Enabled(dlg, id);
        SelectList(dlg, GRADES, 3);  // a notification from an empty list leaves grade index 0
        SetItemText(dlg, TEXT, (digits + "Φ9").c_str());
        SendMessageW(GetDlgItem(dlg, TEXT), EM_SETSEL, 0, 0);
        PostMessageW(dlg, WM_COMMAND, 301, 0);
        WaitFor([&] { return ItemText(dlg, TEXT)[0] != '0'; }, 3000);
        SetItemText(dlg, DATUM1, "A");
        Click(dlg, IDOK);
    });
    ok(closed && disabled && FirstDifference(none, expected).empty(), "lists disabled; record: %s",
       FirstDifference(none, expected).c_str());
}

void FormVariant() {
    Scenario s("form variant: 圆柱度, grade 0, principles, widened text, no datums");
    Host host(3);
    host.Put(FORM_TEXT, "form side");
    host.Put(POSITION_TEXT, "position side");
    const Host want = host.AfterOk(0, "0.0001M", "M");
    const bool result = Open(g_form, host, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        bool datumsGone = true;
        for (int i = 0; i < 5; ++i) datumsGone = datumsGone && !Visible(dlg, DATUM1 + i) && !Enabled(dlg, DATUM1 + i);
        RECT unit{0, 0, 46, 13}, edit{};  // the template's text edit: 46 dialog units wide
        MapDialogRect(dlg, &unit);
        GetWindowRect(GetDlgItem(dlg, TEXT), &edit);
        ok(datumsGone && edit.right - edit.left == unit.right + 46 && ListItems(dlg, GRADES).size() == 13 &&
               ListItems(dlg, GRADES)[0] == "0",
           "datum edits hidden and disabled; text edit %ld pixels wide, the template's %ld + 46; grades 0..12",
           edit.right - edit.left, unit.right);
        SelectList(dlg, ROWS, 0);
        Click(dlg, BTN_E);
        ok(ItemText(dlg, TEXT) == "0.0001E" && Checked(dlg, BTN_E), "E toggles on: \"%s\"", ItemText(dlg, TEXT).c_str());
        Click(dlg, BTN_E);
        Click(dlg, BTN_M);
        SelectList(dlg, GRADES, 12);  // empties the text, M stays for the next row
        ok(ItemText(dlg, TEXT).empty() && Checked(dlg, BTN_M) && !Checked(dlg, BTN_E), "grade pick: \"%s\"",
           ItemText(dlg, TEXT).c_str());
        SelectList(dlg, GRADES, 0);
        SelectList(dlg, ROWS, 0);
        Click(dlg, IDOK);
    });
    ok(result && FirstDifference(host, want).empty(), "grade, text and letter written, both variant texts kept: %s",
       FirstDifference(host, want).c_str());
}

}  // namespace

int main() {
    g_module = LoadModule();
    g_position = g_module ? TQ_EXPORT(g_module, TQDim_XWZH_WZDlg) : nullptr;
    g_form = g_module ? TQ_EXPORT(g_module, TQDim_XWZH_XZDlg) : nullptr;
    ok(g_position && g_form, "TQDim_XWZH_WZDlg and TQDim_XWZH_XZDlg exported");
    if (g_position && g_form) {
        EveryCharacteristic();
        PositionVariant();
        FormVariant();
    }
    return Summary("test_geotol_combined");
}
