// The geometric tolerance dialogs as a host calls them: the form and position dialogs (a 64-byte
// text, five 40-byte datums, three 32-bit values), the combined dialogs (a 612-byte record) and
// the characteristic combination dialog (fourteen counts). The host's memory is a block whose
// every byte is set before the call, so that a write where none belongs shows. The rules behind
// the dialogs (tables, principle toggle, counting) are tested natively.
#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>

#include "entry/exports_geotol_combined.h"
#include "entry/exports_geotol_single.h"
#include "framework/afxstr.h"
#include "tests/wine/winetest.h"

#include <windowsx.h>

using namespace winetest;

namespace {

// The exports are looked up where they are called: test_exports checks that all of them are
// there, and a call of a missing one ends this test with a failure line.
HMODULE g_module;

// Bitmap resource names of the fourteen characteristics, in catalogue order.
const char* const kCodes[14] = {"zx", "pm", "y",  "yz", "xlk", "mlk", "px",
                                "cz", "qx", "tz", "dc", "wz",  "dtd", "qtd"};
// The principle buttons E, M, P, 0M and L of every dialog but the combination dialog.
constexpr int kPrinciples[5] = {1005, 1006, 1007, 1114, 1115};

// Pixels of `control` that disagree with the module's 20 x 20 bitmap `code` drawn at (at, at):
// black where it is black, not black elsewhere; 400 when there is no such bitmap. The whole
// dialog is repainted, as it may paint into a child. The last row and column do not count.
int SymbolWrong(HWND control, const char* code, int at) {
    HBITMAP bitmap = LoadBitmapA(g_module, code);
    if (!bitmap) return 400;
    BITMAPINFO bi = Dib32(20, 20);
    uint32_t px[400] = {};
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, 20, px, &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    HWND dlg = GetAncestor(control, GA_ROOT);
    RECT rc{};
    GetClientRect(control, &rc);
    MapWindowPoints(control, dlg, reinterpret_cast<POINT*>(&rc), 2);
    Capture cap(dlg);
    int wrong = 0;
    for (int i = 0; i < 400; ++i) {
        const int x = rc.left + at + i % 20, y = rc.top + at + i / 20;
        if (x < rc.right - 1 && y < rc.bottom - 1) wrong += cap.IsBlack(x, y) != !(px[i] & 0xFFFFFF);
    }
    return wrong;
}

// Host memory: 0xCD everywhere until a test sets a field (a 32-bit value is then negative: 水平放置
// is on, a position is outside the list).
struct Block {
    alignas(16) unsigned char b[704];
    Block() { std::memset(b, 0xCD, sizeof b); }
    char* Str(int off) { return reinterpret_cast<char*>(b + off); }
    int32_t& Int(int off) { return *reinterpret_cast<int32_t*>(b + off); }
    // The GBK text and its NUL; the bytes after it keep their value, as in a host's copy.
    Block& Put(int off, const char* utf8) {
        const std::string g = Gbk(utf8);
        std::memcpy(b + off, g.c_str(), g.size() + 1);
        return *this;
    }
    std::string Utf8At(int off, int width) {
        return Utf8FromGbk(std::string(Str(off), strnlen(Str(off), width)));
    }
};

// Where `got` first differs from `want`, or "" when nowhere.
std::string Diff(const Block& got, const Block& want) {
    const size_t i = std::mismatch(got.b, got.b + sizeof got.b, want.b).first - got.b;
    if (i == sizeof got.b) return "";
    return "byte " + std::to_string(i) + " is " + std::to_string(got.b[i]) + ", expected " +
           std::to_string(want.b[i]);
}

std::string Principles(HWND dlg) {
    std::string s;
    for (int i = 0; i < 5; ++i)
        if (Checked(dlg, kPrinciples[i])) s += "EMPNL"[i];
    return s;
}

// ---- the form and position dialogs: the text (the symbol, list, grade and row controls follow
// its edit's id), the type flag, the position and 水平放置 between guard bytes

enum : int { TEXT = 32, TYPE = 112, POS = 120, HORIZ = 128, DATUM = 144 };

bool OpenPosition(Block& h, const std::function<void(HWND)>& script) {
    return RunDialog("位置公差", script, [&] {
        auto datums = reinterpret_cast<char(*)[40]>(h.Str(DATUM));
        auto position = TQ_EXPORT(g_module, TQDim_WZGCDlg);
        return position(h.Str(TEXT), datums, &h.Int(TYPE), &h.Int(POS), nullptr, &h.Int(HORIZ));
    });
}

// Steps {kind, id, index, text, checked}: 'L' picks entry `index` of list `id`, 'C' clicks control
// `id` for real (BM_CLICK: the form dialog's automatic radio buttons check themselves first);
// then, unless `text` is null, the edit and the host's buffer hold `text` and exactly the
// `checked` principles are checked.
using Step = std::tuple<char, int, int, const char*, const char*>;
void Play(HWND dlg, Block& h, int edit, std::initializer_list<Step> steps) {
    for (auto [kind, id, index, text, checked] : steps) {
        if (kind == 'L') SelectList(dlg, id, index);
        else ClickControl(dlg, id);
        if (!text) continue;
        const std::string shown = ItemText(dlg, edit), stored = h.Utf8At(TEXT, 64);
        ok(shown == text && stored == text && Principles(dlg) == checked,
           "after %c %d/%d: edit \"%s\" buffer \"%s\" checked \"%s\", want \"%s\" \"%s\"", kind, id, index,
           shown.c_str(), stored.c_str(), Principles(dlg).c_str(), text, checked);
    }
}

// The form dialog cancelled: of the host's values only the text has changed, as every composed
// text goes to the host's buffer at once.
void FormDialog() {
    Scenario s("form: unterminated text, preselection, principles, Cancel");
    Block h;
    std::memset(h.Str(TEXT), 'A', 64);  // no NUL in the buffer
    h.Int(POS) = 3;
    Block want = h;
    const bool result = RunDialog("形状公差", [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(ItemText(dlg, 1000) == std::string(64, 'A') && Checked(dlg, 1169) &&
               ListBox_GetCurSel(GetDlgItem(dlg, 1002)) == 3 &&
               SymbolWrong(GetDlgItem(dlg, 1001), "yz", 3) == 0,
           "64 bytes shown, 水平放置 checked, cylindricity preselected with its symbol");
        Play(dlg, h, 1000,
             {{'L', 1003, 1, "", ""},  // the preselection decides the table of a grade pick
              {'L', 1004, 2, "0.00025", ""}, {'C', 1114, 0, "0.00025N", "N"},
              {'C', 1114, 0, "0.00025", ""},  // the automatic button checked itself; the dialog unchecks it
              {'C', 1006, 0, "0.00025M", "M"}, {'L', 1002, 0, "", ""},  // straightness: M switched off
              {'L', 1003, 2, nullptr, nullptr}, {'L', 1004, 1, "0.001", ""},
              {'C', 1006, 0, "0.001M", "M"}});  // M starts over after the change
        Click(dlg, IDCANCEL);
    }, [&] {
        auto form = TQ_EXPORT(g_module, TQDim_XZGCDlg);
        return form(h.Str(TEXT), &h.Int(TYPE), &h.Int(POS), nullptr, &h.Int(HORIZ));
    });
    want.Put(TEXT, "0.00025M").Put(TEXT, "0.001M");  // each composed text over the one before
    ok(!result && Diff(h, want).empty(), "Cancel: %s", Diff(h, want).c_str());
}

void PositionDialog() {
    Scenario s("position: restored L, datums, texts cut on OK");
    Block h;
    h.Put(TEXT, "0.02L");
    h.Int(POS) = 8;
    h.Put(DATUM, "A");  // the bytes after the NUL stay as they are
    h.Put(DATUM + 40, "B-C").Put(DATUM + 80, "").Put(DATUM + 120, "");
    std::memset(h.Str(DATUM + 160), 'e', 40);  // no NUL in the field
    Block want = h;
    std::string typed = "ab";
    for (int i = 0; i < 40; ++i) typed += "中";
    const bool result = OpenPosition(h, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(ListBox_GetCurSel(GetDlgItem(dlg, 1102)) == 0 && Principles(dlg) == "L" && Checked(dlg, 1169) &&
               SymbolWrong(GetDlgItem(dlg, 1101), "px", 3) == 0 && ItemText(dlg, 1105) == "A" &&
               ItemText(dlg, 1106) == "B-C" && ItemText(dlg, 1107).empty() &&
               ItemText(dlg, 1109) == std::string(39, 'e'),
           "a position outside the list opens on parallelism; the caller's L and 水平放置 checked; "
           "datums shown, an unterminated one as 39 bytes");
        SelectList(dlg, 1102, 3);  // coaxiality
        SetItemText(dlg, 1100, typed.c_str());
        SetItemText(dlg, 1105, "ABCDEFGHIJKLMNOPQRSTUVWXY");
        SetItemText(dlg, 1106, "基准基准基准基准基准基");
        SetItemText(dlg, 1109, "E2");
        Click(dlg, IDOK);
    });
    // The text cut to 62 bytes, as the 63rd would split a character; datums to 19 bytes.
    std::memcpy(want.Str(TEXT), h.Str(TEXT), 64);
    want.Int(TYPE) = 1;
    want.Int(POS) = 3;
    want.Int(HORIZ) = 1;
    want.Put(DATUM, "ABCDEFGHIJKLMNOPQRS").Put(DATUM + 40, "基准基准基准基准基").Put(DATUM + 160, "E2");
    ok(result && h.Utf8At(TEXT, 64) == typed.substr(0, 2 + 30 * 3) && Diff(h, want).empty(),
       "OK: text of %d bytes, datums and values: %s", int(strnlen(h.Str(TEXT), 64)), Diff(h, want).c_str());

    Scenario c("position: Cancel after a change of characteristic keeps the composed text only");
    Block k;
    for (int i = 0; i < 5; ++i) k.Put(DATUM + 40 * i, "Q");
    Block before = k;
    const bool cancelled = OpenPosition(k, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        PostMessageW(dlg, WM_COMMAND, 300, 0);  // a null list inserts nothing
        Play(dlg, k, 1100,
             {{'L', 1102, 3, "", ""}, {'L', 1104, 0, " 0.0004", ""}, {'C', 1007, 0, " 0.0004P", "P"}});
        SetItemText(dlg, 1105, "typed");
        SetItemText(dlg, 1100, "typed, never composed");
        Click(dlg, IDCANCEL);
    });
    before.Put(TEXT, " 0.0004P");  // coaxiality's row <=1 starts with a space
    ok(!cancelled && Diff(k, before).empty(), "Cancel: %s", Diff(k, before).c_str());
}

// ---- the combined dialogs: one 612-byte record at REC

enum : int { REC = 32, GRADE = REC + 4, TOLERANCE = REC + 8, PRINCIPLE = REC + 264, DATUM_TEXTS = REC + 412 };
// Controls of template 2000.
enum : int { SYMBOL = 1111, C_TEXT = 1110, DATUM1 = 1105, GRADES = 1112, ROWS = 1113 };

const char* const kNames[14] = {"直线度", "平面度", "圆度",   "圆柱度", "线轮廓度", "面轮廓度", "平行度",
                                "垂直度", "倾斜度", "同轴度", "对称度", "位置度",   "圆跳动",   "全跳动"};

// What OK writes: the grade index, the tolerance text and the letter; the position variant also
// the five datums, empty as the dialog opens them. Everything else stays as it was.
Block AfterOk(Block want, bool position, int grade, const char* text, const char* letter) {
    want.Int(GRADE) = grade;
    want.Put(TOLERANCE, text).Put(PRINCIPLE, letter);
    for (int i = 0; position && i < 5; ++i) want.Put(DATUM_TEXTS + 40 * i, "");
    return want;
}

// Each characteristic in the variant of its group, one opening after another: nothing of the
// previous opening carries over (a counter left over would make 0M switch off). Cancel writes
// nothing; OK (odd numbers) writes grade 0, "N" and empty datums over the host's unterminated
// texts and keeps both variant texts byte for byte. -1 and 14 show no symbol. 垂直度 (7) goes on
// composing: grade, row and M, a datum cut to 19 bytes and a text cut to 63. The symbol list is long
// enough that its entry 705 has the command id of the principle button E: that pick, like one
// past the fourteen inserting strings, is the menu's and changes nothing.
void Combined() {
    Scenario s("combined: every characteristic: title, symbol, a fresh start; Cancel and OK; composing");
    CStringArray symbols;
    symbols.Add(Gbk("±").c_str());
    symbols.Add(Gbk("Φ").c_str());
    while (symbols.GetSize() < 706) symbols.Add("x");
    const std::string digits = "012345678901234567890123456789012345678901234567890123456789";  // 60
    for (int c = -1; c <= 14; ++c) {
        const bool position = c >= 6, okClose = (c & 1) != 0, known = c >= 0 && c < 14;
        Block h;
        std::memset(h.b + REC, 'T', 612);  // no NULs anywhere
        h.Int(REC) = c;
        Block want = okClose ? AfterOk(h, position, 0, "N", "N") : h;
        // Φ inserted in front of the 60 digits: 62 bytes kept, the second Φ would make 64.
        if (c == 7) want = AfterOk(h, true, 2, ("Φ" + digits).c_str(), "M");
        if (c == 7) want.Put(DATUM_TEXTS + 160, "基准基准基准基准基");
        auto call = TQ_EXPORT(g_module, TQDim_XWZH_XZDlg);
        if (position) call = TQ_EXPORT(g_module, TQDim_XWZH_WZDlg);
        const bool result = RunDialog(nullptr, [&](HWND dlg) {
            if (!dlg) return ok(false, "%d: dialog did not appear", c);
            const int wrong = known ? SymbolWrong(GetDlgItem(dlg, SYMBOL), kCodes[c], 3) : 0;
            ok(Text(dlg) == (known ? kNames[c] : "形位公差") && wrong == 0 &&
                   Visible(dlg, DATUM1 + 4) == position && Enabled(dlg, DATUM1) == position,
               "%d: title \"%s\", %d symbol pixels differ, datum edits only in the position variant", c,
               Text(dlg).c_str(), wrong);
            const bool fresh = ItemText(dlg, C_TEXT).empty() && Principles(dlg).empty();
            Click(dlg, 1114);
            ok(fresh && ItemText(dlg, C_TEXT) == "N" && Principles(dlg) == "N",
               "%d: opens with no text, nothing checked; 0M gives \"%s\"", c, ItemText(dlg, C_TEXT).c_str());
            if (c == 7) {
                SelectList(dlg, GRADES, 2);
                SelectList(dlg, ROWS, 1);
                Click(dlg, 1006);
                ok(ItemText(dlg, C_TEXT) == "0.002 M" && Principles(dlg) == "M",
                   "row >10~16 of grade 3, M after 0M: \"%s\"", ItemText(dlg, C_TEXT).c_str());
                SetItemText(dlg, DATUM1 + 4, "基准基准基准基准基准");  // 20 bytes
                SetItemText(dlg, C_TEXT, (digits + "Φ9").c_str());
                SendMessageW(GetDlgItem(dlg, C_TEXT), EM_SETSEL, 0, 0);
                for (WPARAM pick : {1005, 314, 301}) PostMessageW(dlg, WM_COMMAND, pick, 0);
                WaitFor([&] { return ItemText(dlg, C_TEXT)[0] != '0'; }, 3000);
            }
            Click(dlg, okClose ? IDOK : IDCANCEL);
        }, [&] { return call(reinterpret_cast<CombinedToleranceRecord*>(h.b + REC), &symbols); });
        ok(result == okClose && Diff(h, want).empty(), "%d: %s: %s", c, okClose ? "OK" : "Cancel",
           Diff(h, want).c_str());
    }
}

// ---- the combination dialog: fourteen counts at REC

enum : int { PLUS = 1220, MINUS = 1221, RADIO = 101, COUNT = 301 };  // + the characteristic

std::string Buttons(HWND dlg) {
    return std::string(Enabled(dlg, PLUS) ? "+" : "") + (Enabled(dlg, MINUS) ? "-" : "");
}

// The symbols, then clicks as a user's: only on an enabled control, which changes its own check
// state first. Each step: {control, characteristic whose count is then read, that count, buttons};
// the limits behind the buttons are tested natively. The same walk closed with OK, then with Cancel.
void Combination() {
    Scenario s("combination: symbols, counts and buttons follow the clicks; OK, Cancel");
    for (const int close : {IDOK, IDCANCEL}) {
        Block h, want;
        const int32_t walked[14] = {2, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2};
        if (close == IDOK) std::memcpy(&want.Int(REC), walked, sizeof walked);
        const bool result = RunDialog("形位公差组合", [&](HWND dlg) {
            if (!dlg) return ok(false, "dialog did not appear");
            std::string counts;
            for (int i = 0; i < 14; ++i) counts += Checked(dlg, RADIO + i) ? "x" : ItemText(dlg, COUNT + i);
            // An automatic radio that has the focus checks itself and reports a click, on Windows.
            const int focus = GetDlgCtrlID(FocusOf(dlg));
            ok(counts == "00000000000000" && Buttons(dlg) == "+-" && (focus < RADIO || focus >= RADIO + 14),
               "nothing checked, both buttons enabled, counts \"%s\" (not the host's), focus on %d",
               counts.c_str(), focus);
            for (int i = 0; i < 14; ++i)
                ok(SymbolWrong(GetDlgItem(dlg, 1191 + i), kCodes[i], 0) == 0, "symbol %d: %s", i, kCodes[i]);
            for (auto [id, c, n, enabled] :
                 {std::tuple{int{RADIO}, 0, "1", "+-"}, {PLUS, 0, "2", "+-"}, {RADIO + 9, 9, "1", "+-"},
                  {MINUS, 9, "0", "+"}, {RADIO + 13, 13, "1", "+-"}, {PLUS, 13, "2", "+-"},
                  {RADIO + 3, 3, "1", "+-"}}) {
                const bool clicked = Enabled(dlg, id);
                if (clicked) ClickControl(dlg, id);
                ok(clicked && ItemText(dlg, COUNT + c) == n && Buttons(dlg) == enabled,
                   "click on %d: count %d \"%s\", buttons \"%s\"", id, c, ItemText(dlg, COUNT + c).c_str(),
                   Buttons(dlg).c_str());
            }
            ok(!Checked(dlg, RADIO + 13), "one radio group across both group boxes");
            Click(dlg, close);
        }, [&] { return TQ_EXPORT(g_module, TQDim_ZHGCDlg)(&h.Int(REC)); });
        ok(result == (close == IDOK) && Diff(h, want).empty(), "%d: counts written on OK only: %s", close,
           Diff(h, want).c_str());
    }
}

}  // namespace

int main() {
    g_module = LoadModule();
    ok(g_module != nullptr, "the module loaded");
    if (g_module) {
        FormDialog();
        PositionDialog();
        Combined();
        Combination();
    }
    return Summary("test_geotol");
}
