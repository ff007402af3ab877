// The dimension style sheet through the real export, as a host calls it: both records laid
// out by byte offsets (independently of the module's structs) between guard bytes, their
// unused bytes filled with a pattern, the sheet scripted from a second thread, and the records
// compared byte for byte with what the user's actions must give. Dorn.dll is a recording
// double beside this program; built with TQ_TEST_WITHOUT_DORN the program runs from a
// directory without any Dorn.dll.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "entry/exports_dimstyle.h"
#include "inhouse/TqColorCmb.h"
#include "tests/wine/dorn_double.h"
#include "tests/wine/winetest.h"

#include <commctrl.h>

using namespace winetest;

namespace {

decltype(&TQDim_SetupDlg) g_setup;
const char* kCaption = "尺寸标注属性";

// Offsets of the host's style record; from ITEM on, of its item-number record.
enum : int { TEXTFLAGS = 0, FONTCODE = 4, LOGFONT = 8, DIMSIZE = 68, TOLSIZE = 72, SYMSIZE = 76,
             DIMSPACE = 80, TOLSPACE = 84, EXTLEN = 92, FLAGS = 96, ARROWTYPE = 99, SOLID = 100,
             ANGLE = 104, ARROWLEN = 108, SLANT = 112, DMS = 120, TOLDEC = 124, TOLZEROS = 128,
             DIMDEC = 132, DIMZEROS = 136, AUTOHIDE = 152, COLOR = 156, STYLE_SIZE = 160,
             ITEM = 1000, SYMLEN = ITEM, ITEMTEXT = ITEM + 4, SYMSIZE_ITEM = ITEM + 12, ITEM_SIZE = 16 };

// Control ids: sheet, text page, line page.
enum : int { TABS = 10174, APPLY = 1220 };
enum : int { T_SYM = 10145, T_DIM = 10146, T_TOL = 10147, T_ITEM = 10148, T_DIMSPACE = 10149,
             T_TOLSPACE = 10150, T_DIMDEC = 124, T_TOLDEC = 126, T_DIMZEROS = 10137, T_TOLZEROS = 10136,
             T_SHOWN = 1180, T_HIDDEN = 1181, T_NODE = 1182, T_EXACT = 1183, T_ABOVE = 1184,
             T_INLINE = 1185, T_BELOW = 1186, T_CUSTOM = 1187, T_SYMSIZE = 10066, T_SYMLEN = 10065,
             T_DMS = 1044, T_FULLWIDTH = 1119, T_FONT = 1220 };
enum : int { L_LEFT = 1171, L_RIGHT = 1172, L_SLANT = 1151, L_BROKEN = 1180, L_UNBROKEN = 1181,
             L_TYPE = 10146, L_SOLID = 2000, L_LEN = 1152, L_ANGLE = 1153, L_EXT = 1154,
             L_OUT = 1182, L_IN = 1183, L_AUTOHIDE = 1170, L_EDITED = 1169, L_COLOR = 10145 };

struct Host {
    unsigned char guard0[32];
    unsigned char style[STYLE_SIZE];
    unsigned char guard1[32];
    unsigned char item[ITEM_SIZE];
    unsigned char guard2[32];

    // A typical drawing's settings; the unused ranges hold a pattern the module must leave.
    Host() {
        std::memset(this, 0xCD, sizeof *this);
        std::memset(style, 0, sizeof style);
        std::memset(item, 0, sizeof item);
        for (int off : {88, 89, 90, 91, 98, 101, 102, 103, 116, 117, 118, 119}) style[off] = 0xA5;
        std::memset(style + 140, 0xA5, 12);
        std::memset(item + 8, 0xA5, 4);
        std::memcpy(style + LOGFONT + 28, Gbk("宋体").c_str(), 4);
        Put({{TEXTFLAGS, 0x80000000u}, {FONTCODE, 3}, {LOGFONT, -20}, {LOGFONT + 16, 400}, {DIMSIZE, 3.5},
             {TOLSIZE, 2.5}, {SYMSIZE, 5}, {DIMSPACE, 0.5}, {TOLSPACE, 0.25}, {EXTLEN, 2}, {FLAGS, 0x2E21},
             {SOLID, 1}, {ANGLE, 15}, {ARROWLEN, 4}, {SLANT, 30}, {TOLDEC, 3}, {TOLZEROS, 1}, {DIMDEC, 2},
             {AUTOHIDE, 1}, {COLOR, 5}, {SYMLEN, 8}, {ITEMTEXT, 5}, {SYMSIZE_ITEM, 7}});
    }
    static bool IsFloat(int off) {
        return off >= ITEM || (off >= DIMSIZE && off <= EXTLEN) || off == ANGLE || off == ARROWLEN || off == SLANT;
    }
    // Writes each field with the width and type the host's layout gives it.
    void Put(std::initializer_list<std::pair<int, double>> fields) {
        for (auto [off, v] : fields) {
            unsigned char* at = off >= ITEM ? item + off - ITEM : style + off;
            const float f = static_cast<float>(v);
            const uint32_t i = IsFloat(off) ? 0 : static_cast<uint32_t>(static_cast<int64_t>(v));
            std::memcpy(at, IsFloat(off) ? static_cast<const void*>(&f) : &i,
                        off == ARROWTYPE || off == SOLID ? 1 : off == FLAGS ? 2 : 4);
        }
    }
};

// The first byte where two hosts differ ("" when none), named by record and offset.
std::string FirstDifference(const Host& got, const Host& want) {
    const auto* a = reinterpret_cast<const unsigned char*>(&got);
    const auto* b = reinterpret_cast<const unsigned char*>(&want);
    for (std::size_t i = 0; i < sizeof(Host); ++i) {
        if (a[i] == b[i]) continue;
        const std::size_t inStyle = i - offsetof(Host, style), inItem = i - offsetof(Host, item);  // wrap below
        char buf[96];
        std::snprintf(buf, sizeof buf, "%s byte %zu is %02X, expected %02X",
                      inStyle < STYLE_SIZE ? "style" : inItem < ITEM_SIZE ? "item" : "guard",
                      inStyle < STYLE_SIZE ? inStyle : inItem < ITEM_SIZE ? inItem : i, a[i], b[i]);
        return buf;
    }
    return "";
}
#define ok_same(got, want, what) \
    do { const std::string d_ = FirstDifference(got, want); ok(d_.empty(), "%s: %s", what, d_.c_str()); } while (0)

// The page of the sheet that holds control `id`.
HWND Page(HWND sheet, int id) {
    for (HWND c = GetWindow(sheet, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        GetClassNameW(c, cls, 16);
        if (wcscmp(cls, L"#32770") == 0 && GetDlgItem(c, id)) return c;
    }
    return nullptr;
}

// Opens the sheet on `host`; the script gets the sheet, its text page and its line page, and
// runs only when all three exist (both pages are created with the sheet).
int Open(Host& host, const std::function<void(HWND, HWND, HWND)>& script) {
    return RunDialog(kCaption, [&](HWND dlg) {
        HWND text = dlg ? Page(dlg, T_DMS) : nullptr, line = dlg ? Page(dlg, L_LEFT) : nullptr;
        ok(text && line, "sheet %p with both pages %p %p", static_cast<void*>(dlg), static_cast<void*>(text),
           static_cast<void*>(line));
        if (text && line) script(dlg, text, line);
    }, [&] {
        return g_setup(reinterpret_cast<DimStyleRecord*>(host.style), reinterpret_cast<ItemNoRecord*>(host.item));
    });
}

int CurSel(HWND page, int id) { return static_cast<int>(SendDlgItemMessageW(page, id, CB_GETCURSEL, 0, 0)); }

// What each control shows against a row's expectation: a button "x" checked or "o" clear,
// anything else its text; then "#n" the selection when the row asks for it, " off" when
// disabled, " hidden" when hidden.
struct Shows { int id; const char* want; };
void Expect(HWND page, std::initializer_list<Shows> rows, const char* when) {
    for (const Shows& row : rows) {
        HWND c = GetDlgItem(page, row.id);
        wchar_t cls[16] = {};
        GetClassNameW(c, cls, 16);
        std::string s = _wcsicmp(cls, L"Button") ? Text(c) : Checked(page, row.id) ? "x" : "o";
        if (std::strchr(row.want, '#')) s += "#" + std::to_string(CurSel(page, row.id));
        if (!IsWindowEnabled(c)) s += " off";
        if (!(GetWindowLongW(c, GWL_STYLE) & WS_VISIBLE)) s += " hidden";
        ok(s == row.want, "%s: control %d shows \"%s\", expected \"%s\"", when, row.id, s.c_str(), row.want);
    }
}

void LoadingRules() {
    Scenario s("loading: presets, typed sizes, radio precedence, sorted lists; both pages saved");
    Host host;
    host.Put({{DIMSIZE, 3.55}, {TOLSIZE, 3.2}, {SYMSIZE, 20}, {ITEMTEXT, 0.45}, {FLAGS, 0x0E56}, {ARROWTYPE, 3},
              {COLOR, -1}, {TOLDEC, 9}, {DIMDEC, 9}, {DIMZEROS, 0}, {DMS, 1}, {TEXTFLAGS, 0x80000001u}, {SLANT, 12.5}});
    Host want = host;
    const int result = Open(host, [&](HWND dlg, HWND text, HWND line) {
        ok(IsWindowVisible(text) && !IsWindowVisible(line), "the text page shows first");
#ifdef TQ_TEST_WITHOUT_DORN
        // Without Dorn.dll the font button does nothing and the sheet stays usable.
        Click(text, T_FONT);
        ok(!FindThreadWindow(GetWindowThreadProcessId(dlg, nullptr), L"#32770", "文字属性") && IsWindowEnabled(dlg),
           "no text attribute dialog");
#endif
        const auto sizes = ComboItems(text, T_DIM);
        std::string joined;
        for (const auto& t : sizes) joined += t + " ";
        ok(joined == "0.5 1 1.5 2 2.5 3 3.5 4 4.5 5 5.5 6 6.5 7 8 9 10 12 14 17 20 ", "size list: %s", joined.c_str());
        ok(ComboItems(text, T_ITEM) == sizes && ComboItems(text, T_SYM) == sizes && ComboItems(text, T_TOL) == sizes,
           "the four size lists hold the same presets");
        ok((ComboItems(line, L_TYPE) == std::vector<std::string>{"箭头", "斜线", "单箭头"}), "arrow types");
        // 3.55 selects 3.5, 3.2 stays typed, 0.45 selects 0.5; 0x40 beats 0x100; no position bit.
        Expect(text, {{T_DIM, "3.5#6"}, {T_TOL, "3.2#-1"}, {T_SYM, "20#20"}, {T_ITEM, "0.5#0"},
                      {T_EXACT, "x"}, {T_HIDDEN, "o"}, {T_NODE, "o hidden"}, {T_SHOWN, "o"},
                      {T_ABOVE, "o"}, {T_INLINE, "o"}, {T_BELOW, "o"}, {T_CUSTOM, "o"},
                      {T_DIMDEC, "9"}, {T_TOLDEC, "9"}, {T_DIMZEROS, "不保留"}, {T_TOLZEROS, "保留"},
                      {T_DMS, "x"}, {T_FULLWIDTH, "x"}, {T_SYMSIZE, "7"}, {T_SYMLEN, "8"},
                      {T_DIMSPACE, "0.5"}, {T_TOLSPACE, "0.25"}}, "text page");
        // 0x2 beats 0x4; 0x10: outward; 0x20 clear: broken; type 3 and colour -1: nothing picked.
        Expect(line, {{L_LEFT, "x"}, {L_RIGHT, "o"}, {L_SLANT, "12.5"}, {L_OUT, "x"}, {L_IN, "o"},
                      {L_EXT, "2 off"}, {L_BROKEN, "x"}, {L_UNBROKEN, "o"}, {L_TYPE, "#-1"},
                      {L_SOLID, "x off"}, {L_EDITED, "o"}, {L_COLOR, "#-1 off"}, {L_AUTOHIDE, "x"}}, "line page");
        Click(dlg, IDOK);
    });
    ok(result == 1, "确定 returns %d", result);
    // Each group keeps its winning bit alone; the line page saved although it never showed.
    want.Put({{FLAGS, 0x0E52}, {TOLDEC, 5}, {ARROWTYPE, 255}, {DIMSIZE, 3.5}, {ITEMTEXT, 0.5}});
    ok_same(host, want, "saved records");
}

#ifndef TQ_TEST_WITHOUT_DORN

dorn_double::State* g_dorn;

// How the double's text attribute dialog answers next; its log starts afresh.
void Answer(const dorn_double::Reply& reply) {
    g_dorn->reply = reply;
    g_dorn->log[0] = '\0';
}
std::string Calls() { return g_dorn->log; }

// Picks a list entry by its text, with the notification a user's pick sends.
void PickText(HWND page, int id, const char* utf8) {
    const std::wstring w = W(utf8);
    SelectCombo(page, id, static_cast<int>(SendDlgItemMessageW(page, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                               reinterpret_cast<LPARAM>(w.c_str()))));
}

// Whether `page` comes to show alone.
bool Shows(HWND page, HWND other) {
    return WaitFor([&] { return IsWindowVisible(page) && !IsWindowVisible(other); }, 3000);
}

// A real click on a tab (the tab control takes the mouse and notifies the sheet itself), and
// whether the page then shows alone.
bool ShowByClick(HWND sheet, int index, HWND page, HWND other) {
    HWND tabs = GetDlgItem(sheet, TABS);
    RECT r{};
    SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(tabs, WM_LBUTTONUP, 0, at);
    return Shows(page, other);
}

void ClosingWays() {
    Scenario s("result codes; 取消, Escape and the close box after edits and the font dialog");
    const struct { const char* name; int result; } ways[] = {
        {"确定", 1}, {"修改当前图纸", 2}, {"取消", 0}, {"Escape", 0}, {"close box", 0}};
    for (int way = 0; way < 5; ++way) {
        Host host;
        const Host before = host;
        Answer({true, 1, -1, 9.0f, {}});
        const int result = Open(host, [&](HWND dlg, HWND text, HWND line) {
            if (ways[way].result == 0) {
                Click(text, T_FONT);
                SetItemText(text, T_DIM, "7");
                ClickControl(text, T_HIDDEN);
                ClickControl(line, L_LEFT);
                SetItemText(line, L_LEN, "99");
            }
            ok(ItemText(dlg, APPLY) == "修改当前图纸(&C)" && Enabled(dlg, APPLY), "apply button \"%s\"",
               ItemText(dlg, APPLY).c_str());
            if (way == 3) PostKey(dlg, VK_ESCAPE);
            else if (way == 4) PostMessageW(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
            else Click(dlg, way == 0 ? IDOK : way == 1 ? APPLY : IDCANCEL);
            ok(WaitFor([&] { return !IsWindowVisible(dlg); }, 3000), "%s closes the sheet", ways[way].name);
        });
        ok(result == ways[way].result, "%s returns %d", ways[way].name, result);
        ok_same(host, before, ways[way].name);
        if (way < 2) ok(Calls().empty(), "%s: Dorn.dll called without the font button: %s", ways[way].name,
                        Calls().c_str());
    }
    g_dorn->reply.yes = false;
}

void EditingBothPages() {
    Scenario s("editing both pages: the font button's calls and three answers, tab switching by a click");
    Host host;
    host.Put({{DIMSPACE, 0.35}});
    Host want = host;
    LOGFONTA font{};
    font.lfHeight = -30;
    font.lfWeight = 700;
    std::strcpy(font.lfFaceName, Gbk("黑体").c_str());
    const int result = Open(host, [&](HWND dlg, HWND text, HWND line) {
        Answer({true, 0, 6, 2.5f, font});
        SelectCombo(text, T_DIM, 9);  // "5"
        Click(text, T_FONT);
        // Spacing and size in hundredths, then the font code, the dialog, the code read back.
        ok(Calls() == "set 8=35, set 7=500, set 10=3, dialog, get 10", "first press: %s", Calls().c_str());
        const TextAttribRecord& r = g_dorn->record;
        ok(std::memcmp(&r.lfFont, host.style + LOGFONT, 60) == 0, "the record's font is the page's");
        ok(r.bForeignFace == 0 && r.fCharSpace == 0.0f && r.fValue72 == 1.0f && r.fValue76 == 6.0f &&
               r.fValue80 == 7.0f && r.nValue84 == 0 && r.fValue88 == 1.0f,
           "record values 64..88: %d %g %g %g %g %d %g", r.bForeignFace, r.fCharSpace, r.fValue72, r.fValue76,
           r.fValue80, r.nValue84, r.fValue88);
        ok(g_dorn->owner == text, "owned by the text page");
        Expect(text, {{T_DIM, "3.5#6"}, {T_DIMSPACE, "2.5"}}, "after the dialog");

        // A face without a code of the library: code 15, setting 10 not read.
        Answer({true, 1, 6, 2.5f, font});
        Click(text, T_FONT);
        ok(Calls() == "set 8=250, set 7=350, set 10=6, dialog", "second press: %s", Calls().c_str());

        // Cancelled: nothing changes.
        Answer({false, 0, -1, 0, {}});
        SetItemText(text, T_DIMSPACE, "1");
        SetItemText(text, T_DIM, "4.2");
        Click(text, T_FONT);
        ok(Calls() == "set 8=100, set 7=420, set 10=15, dialog", "third press: %s", Calls().c_str());
        Expect(text, {{T_DIM, "4.2"}, {T_DIMSPACE, "1"}}, "after a false answer");

        for (auto [id, typed] : {std::pair{T_DIM, "2.75"}, {T_TOL, ""}, {T_DIMDEC, ""}, {T_TOLDEC, "9"},
                                 {T_SYMSIZE, "abc"}, {T_SYMLEN, "12.5"}, {T_TOLSPACE, ""}})
            SetItemText(text, id, typed);
        PickText(text, T_TOLZEROS, "不保留");
        PickText(text, T_DIMZEROS, "保留");
        for (int id : {T_HIDDEN, T_INLINE, T_FULLWIDTH}) ClickControl(text, id);

        ok(ShowByClick(dlg, 1, line, text), "a click on 尺寸线 shows the line page");
        ok(SendDlgItemMessageW(dlg, TABS, TCM_GETCURSEL, 0, 0) == 1, "second tab selected");
        for (int id : {L_RIGHT, L_UNBROKEN, L_IN}) ClickControl(line, id);
        ok(Enabled(line, L_EXT), "向内 enables the extension length");
        for (auto [id, typed] : {std::pair{L_SLANT, ""}, {L_EXT, "0.4"}, {L_LEN, "6"}, {L_ANGLE, "abc"}})
            SetItemText(line, id, typed);
        SelectCombo(line, L_TYPE, 1);
        ok(!Enabled(line, L_SOLID), "斜线 disables 实心");
        SelectCombo(line, L_TYPE, 2);
        SelectCombo(line, L_TYPE, 0);
        ok(Enabled(line, L_SOLID), "箭头 enables 实心 again");
        for (int id : {L_SOLID, L_AUTOHIDE}) ClickControl(line, id);
        SelectCombo(line, L_COLOR, 3);
        ok(ShowByClick(dlg, 0, text, line), "a click on 标注文本 brings the text page back");
        Click(dlg, IDOK);
    });
    ok(result == 1, "确定 returns %d", result);
    // Texts without a number keep the field; tolerance decimals at most 5, the extension at least 1.
    std::memcpy(want.style + LOGFONT, &font, 60);
    want.Put({{FONTCODE, 15}, {DIMSPACE, 1}, {DIMSIZE, 2.75}, {TOLSIZE, 0}, {TOLDEC, 5}, {TOLZEROS, 0}, {DIMZEROS, 1},
              {TEXTFLAGS, 0x80000001u}, {SYMLEN, 12.5}, {FLAGS, 0x4F22}, {EXTLEN, 1}, {SOLID, 0}, {ARROWLEN, 6},
              {AUTOHIDE, 0}, {COLOR, 3}});
    ok_same(host, want, "saved records");
}

// Ctrl+Tab or Ctrl+Shift+Tab as typed: the sheet sees it in its message loop.
void CtrlTab(bool shift) {
    std::vector<WORD> keys{VK_CONTROL, VK_TAB};
    if (shift) keys.insert(keys.begin() + 1, VK_SHIFT);
    std::vector<INPUT> in(2 * keys.size());
    for (std::size_t k = 0, n = in.size(); k < keys.size(); ++k) {
        in[k].type = in[n - 1 - k].type = INPUT_KEYBOARD;
        in[k].ki.wVk = in[n - 1 - k].ki.wVk = keys[k];
        in[n - 1 - k].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void LineRulesKeysAndSwatches() {
    Scenario s("line page: keyboard turns, swatches, outward keeps the extension, colour off saves -1");
    HostWindows windows;
    Host host;
    host.Put({{FLAGS, 0x0008}, {ARROWTYPE, 2}, {SOLID, 1}, {COLOR, 300}});
    Host want = host;
    const int result = Open(host, [&](HWND dlg, HWND text, HWND line) {
        HWND tabs = GetDlgItem(dlg, TABS), space = GetDlgItem(text, T_DIMSPACE);
        SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tabs), TRUE);
        WaitFor([&] { return FocusOf(dlg) == tabs; }, 2000);
        PostKey(dlg, VK_RIGHT);
        ok(Shows(line, text), "→ on the tabs shows the line page");
        PostKey(dlg, VK_LEFT);
        ok(Shows(text, line), "← on the tabs brings the text page back");
        SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(space), TRUE);
        WaitFor([&] { return FocusOf(dlg) == space; }, 2000);
        CtrlTab(false);
        ok(Shows(line, text), "Ctrl+Tab shows the line page");
        CtrlTab(true);
        ok(Shows(text, line), "Ctrl+Shift+Tab brings the text page back");
        ok(ShowByClick(dlg, 1, line, text), "a click shows the line page");

        // 0x8: no boundary line; 0x10 clear: inward; type 2 keeps 实心 but disables it.
        Expect(line, {{L_LEFT, "o"}, {L_RIGHT, "o"}, {L_IN, "x"}, {L_EXT, "2"}, {L_EDITED, "x"}, {L_COLOR, "#-1"},
                      {L_SOLID, "x off"}}, "record loaded");
        const auto colours = ComboItems(line, L_COLOR);
        ok(colours.size() == 256 && colours[1] == "红" && colours[7] == "白" && colours[42] == "42",
           "palette list: %d entries", static_cast<int>(colours.size()));
        HWND list = GetDlgItem(line, L_COLOR);
        auto swatch = [&](uint32_t colour) {
            return WaitFor([&] {
                Capture cap(list);
                for (int y = 0; y < cap.height(); ++y)
                    for (int x = 0; x < cap.width() / 2; ++x)
                        if (cap.At(x, y) == colour) return true;
                return false;
            }, 3000);
        };
        SelectCombo(line, L_COLOR, 1);
        ok(swatch(0xFF0000), "colour 1 shows a red swatch");
        SelectCombo(line, L_COLOR, 5);
        ok(swatch(0x0000FF), "colour 5 shows a blue swatch");

        ClickControl(line, L_OUT);
        ok(!Enabled(line, L_EXT), "向外 disables the extension length");
        SetItemText(line, L_EXT, "0.4");
        ClickControl(line, L_EDITED);
        const bool off = !Enabled(line, L_COLOR);
        ClickControl(line, L_EDITED);
        ok(off && Enabled(line, L_COLOR), "the check box disables and enables the colour list");
        ClickControl(line, L_EDITED);
        Click(dlg, IDOK);
    });
    ok(result == 1, "确定 returns %d", result);
    want.Put({{FLAGS, 0x0018}, {COLOR, -1}});
    ok_same(host, want, "saved records");
}

// The colour list's item painter on its own, into a memory bitmap: the swatch in the item's
// colour, and no GDI object kept.
void ColourItemPainter() {
    Scenario s("colour list items painted into a bitmap");
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO bi = Dib32(120, 16);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, dib);
    CTqColorCmb list;
    auto paint = [&](int item, UINT state) {
        DRAWITEMSTRUCT dis{ODT_COMBOBOX, 0, static_cast<UINT>(item), 0, state, nullptr, dc, {0, 0, 120, 16}, 0};
        list.DrawItem(&dis);
        GdiFlush();
        return static_cast<const uint32_t*>(bits)[8 * 120 + 8] & 0xFFFFFF;
    };
    const uint32_t red = paint(1, 0), blue = paint(5, ODS_SELECTED | ODS_FOCUS), none = paint(-1, ODS_FOCUS);
    ok(red == 0xFF0000 && blue == 0x0000FF && none != 0x0000FF, "swatches of 1, 5, none: %06X %06X %06X", red,
       blue, none);
    paint(300, 0);
    paint(1, ODS_DISABLED);
    const LiveObjects before = CountLiveObjects();
    for (int item : {0, 1, 7, 42, 255}) paint(item, ODS_SELECTED);
    const LiveObjects after = CountLiveObjects();
    ok(after.gdi == before.gdi, "painting items keeps no GDI object: %d before, %d after", before.gdi, after.gdi);
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
}

void BadInput() {
    Scenario s("null records, NaN and infinite sizes");
    Host host;
    const Host before = host;
    // A watcher cancels the sheet should it show for a null record.
    HANDLE watcher = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
        HWND dlg = WaitForDialog(static_cast<DWORD>(reinterpret_cast<uintptr_t>(p)), kCaption, 1500);
        if (dlg) PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        return dlg != nullptr;
    }, reinterpret_cast<LPVOID>(static_cast<uintptr_t>(GetCurrentThreadId())), 0, nullptr);
    const int nullStyle = g_setup(nullptr, reinterpret_cast<ItemNoRecord*>(host.item));
    const int nullItem = g_setup(reinterpret_cast<DimStyleRecord*>(host.style), nullptr);
    WaitForSingleObject(watcher, 5000);
    DWORD appeared = 1;
    GetExitCodeThread(watcher, &appeared);
    CloseHandle(watcher);
    ok(nullStyle == 0 && nullItem == 0, "null records return %d %d", nullStyle, nullItem);
    ok(!appeared, "nothing shown for null records");
    ok_same(host, before, "records beside a null pointer");

    Host odd;
    odd.Put({{DIMSIZE, NAN}, {TOLSIZE, INFINITY}, {SYMSIZE, -INFINITY}, {ITEMTEXT, 3.4e38}, {DIMSPACE, NAN},
             {EXTLEN, INFINITY}, {SLANT, 1e30}, {SYMSIZE_ITEM, NAN}});
    Host want = odd;
    std::string shown;
    const int result = Open(odd, [&](HWND dlg, HWND text, HWND) {
        shown = ItemText(text, T_TOL) + " " + ItemText(text, T_SYM) + " " + ItemText(text, T_ITEM);
        ok(CurSel(text, T_DIM) == -1 && CurSel(text, T_TOL) == -1, "no preset for NaN and infinity");
        Click(dlg, IDOK);
    });
    ok(result == 1, "确定 returns %d", result);
    ok(shown.size() > 6 && shown.find("3.4e+38") != std::string::npos, "shown as typed: %s", shown.c_str());
    // The non-finite sizes come back as their texts scan; every other byte as it was (1e30 too).
    for (int off : {DIMSIZE, TOLSIZE, SYMSIZE, DIMSPACE, EXTLEN}) std::memcpy(want.style + off, odd.style + off, 4);
    for (int off : {ITEMTEXT, SYMSIZE_ITEM}) std::memcpy(want.item + off - ITEM, odd.item + off - ITEM, 4);
    ok_same(odd, want, "records after 确定");
}

#endif

}  // namespace

int main() {
#ifdef TQ_TEST_WITHOUT_DORN
    const char* name = "test_dimstyle_nodorn";
#else
    const char* name = "test_dimstyle";
    // The double beside this program, loaded first, is the copy the module will find.
    HMODULE dorn = LoadLibraryW(L"Dorn.dll");
    auto stateFn = dorn ? Export<dorn_double::StateFn>(dorn, "DornDouble_State") : nullptr;
    g_dorn = stateFn ? stateFn() : nullptr;
    ok(g_dorn != nullptr, "the Dorn.dll double is beside the test");
    if (!g_dorn) return Summary(name);
#endif
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path(exe);
    path.resize(path.find_last_of(L"\\/") + 1);
    HMODULE module = LoadLibraryW((path + L"..\\bin\\TQDim.dll").c_str());
    g_setup = module ? TQ_EXPORT(module, TQDim_SetupDlg) : nullptr;
    ok(g_setup != nullptr, "TQDim_SetupDlg exported");
    if (!g_setup) return Summary(name);
    LoadingRules();
#ifdef TQ_TEST_WITHOUT_DORN
    ok(GetModuleHandleW(L"Dorn.dll") == nullptr, "Dorn.dll is not loaded");
#else
    ClosingWays();
    EditingBothPages();
    LineRulesKeysAndSwatches();
    ColourItemPainter();
    BadInput();
#endif
    return Summary(name);
}
