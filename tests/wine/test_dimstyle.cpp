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

int Setup(unsigned char* style, unsigned char* item) {
    return g_setup(reinterpret_cast<DimStyleRecord*>(style), reinterpret_cast<ItemNoRecord*>(item));
}

const char* kCaption = "尺寸标注属性";

// Offsets of the host's style record and item-number record.
enum : int { TEXTFLAGS = 0, FONTCODE = 4, LOGFONT = 8, DIMSIZE = 68, TOLSIZE = 72, SYMSIZE = 76,
             DIMSPACE = 80, TOLSPACE = 84, EXTLEN = 92, FLAGS = 96, ARROWTYPE = 99, SOLID = 100,
             ANGLE = 104, ARROWLEN = 108, SLANT = 112, DMS = 120, TOLDEC = 124, TOLZEROS = 128,
             DIMDEC = 132, DIMZEROS = 136, AUTOHIDE = 152, COLOR = 156, STYLE_SIZE = 160 };
enum : int { SYMLEN = 0, ITEMTEXT = 4, SYMSIZE_ITEM = 12, ITEM_SIZE = 16 };

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
        SetU32(TEXTFLAGS, 0x80000000u);
        SetI32(FONTCODE, 3);
        SetI32(LOGFONT, -20);
        SetI32(LOGFONT + 16, 400);  // lfWeight
        const std::string face = Gbk("宋体");
        std::memcpy(style + LOGFONT + 28, face.data(), face.size());
        SetF(DIMSIZE, 3.5f);
        SetF(TOLSIZE, 2.5f);
        SetF(SYMSIZE, 5.0f);
        SetF(DIMSPACE, 0.5f);
        SetF(TOLSPACE, 0.25f);
        SetF(EXTLEN, 2.0f);
        SetFlags(0x2000 | 0x0001 | 0x0020 | 0x0E00);
        style[ARROWTYPE] = 0;
        style[SOLID] = 1;
        SetF(ANGLE, 15.0f);
        SetF(ARROWLEN, 4.0f);
        SetF(SLANT, 30.0f);
        SetI32(TOLDEC, 3);
        SetI32(TOLZEROS, 1);
        SetI32(DIMDEC, 2);
        SetI32(AUTOHIDE, 1);
        SetI32(COLOR, 5);
        SetItemF(SYMLEN, 8.0f);
        SetItemF(ITEMTEXT, 5.0f);
        SetItemF(SYMSIZE_ITEM, 7.0f);
    }
    void SetU32(int off, uint32_t v) { std::memcpy(style + off, &v, 4); }
    void SetI32(int off, int32_t v) { std::memcpy(style + off, &v, 4); }
    void SetF(int off, float v) { std::memcpy(style + off, &v, 4); }
    void SetItemF(int off, float v) { std::memcpy(item + off, &v, 4); }
    void SetFlags(uint16_t v) { std::memcpy(style + FLAGS, &v, 2); }
    int32_t I32(int off) const { int32_t v; std::memcpy(&v, style + off, 4); return v; }
    float F(int off) const { float v; std::memcpy(&v, style + off, 4); return v; }
    uint16_t Flags() const { uint16_t v; std::memcpy(&v, style + FLAGS, 2); return v; }
};

// The first byte where two hosts differ ("" when none), named by record and offset.
std::string FirstDifference(const Host& got, const Host& want) {
    const auto* a = reinterpret_cast<const unsigned char*>(&got);
    const auto* b = reinterpret_cast<const unsigned char*>(&want);
    for (std::size_t i = 0; i < sizeof(Host); ++i) {
        if (a[i] == b[i]) continue;
        char buf[96];
        const std::size_t styleAt = offsetof(Host, style), itemAt = offsetof(Host, item);
        if (i >= styleAt && i < styleAt + STYLE_SIZE)
            std::snprintf(buf, sizeof buf, "style byte %zu is %02X, expected %02X", i - styleAt, a[i], b[i]);
        else if (i >= itemAt && i < itemAt + ITEM_SIZE)
            std::snprintf(buf, sizeof buf, "item byte %zu is %02X, expected %02X", i - itemAt, a[i], b[i]);
        else
            std::snprintf(buf, sizeof buf, "guard byte %zu is %02X", i, a[i]);
        return buf;
    }
    return "";
}
#define ok_same(got, want, what) \
    do { const std::string d_ = FirstDifference(got, want); ok(d_.empty(), "%s: %s", what, d_.c_str()); } while (0)

int Open(Host& host, const std::function<void(HWND)>& script) {
    return RunDialog(kCaption, script, [&] { return Setup(host.style, host.item); });
}

// The page of the sheet that holds control `id` (the text page: T_FONT; the line page: L_LEFT).
HWND Page(HWND sheet, int id) {
    for (HWND c = GetWindow(sheet, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        GetClassNameW(c, cls, 16);
        if (wcscmp(cls, L"#32770") == 0 && GetDlgItem(c, id)) return c;
    }
    return nullptr;
}
HWND TextPage(HWND sheet) { return Page(sheet, T_DMS); }
HWND LinePage(HWND sheet) { return Page(sheet, L_LEFT); }

int CurSel(HWND page, int id) { return static_cast<int>(SendDlgItemMessageW(page, id, CB_GETCURSEL, 0, 0)); }

// Picks a list entry by its text, with the notification a user's pick sends.
void PickText(HWND page, int id, const char* utf8) {
    const std::wstring w = W(utf8);
    const int index = static_cast<int>(SendDlgItemMessageW(page, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                           reinterpret_cast<LPARAM>(w.c_str())));
    SelectCombo(page, id, index);
}

// A real click on a tab: the tab control takes the mouse and notifies the sheet itself.
void ClickTab(HWND sheet, int index) {
    HWND tabs = GetDlgItem(sheet, TABS);
    RECT r{};
    SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(tabs, WM_LBUTTONUP, 0, at);
}

#ifndef TQ_TEST_WITHOUT_DORN

dorn_double::State* g_dorn;

const dorn_double::Call& CallAt(int i) { return g_dorn->calls[i]; }

bool IsSet(int i, int index, int value) {
    return i < g_dorn->callCount && CallAt(i).kind == dorn_double::Kind::SetInt && CallAt(i).index == index &&
           CallAt(i).value == value;
}

void ResultCodesAndRoundTrip() {
    Scenario s("result codes; saving an unchanged sheet");
    Host host;
    const Host before = host;
    g_dorn->callCount = 0;
    int result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "sheet did not appear");
        Click(dlg, IDOK);
    });
    ok(result == 1, "确定 returns %d", result);
    ok_same(host, before, "确定 on an unchanged sheet");
    ok(g_dorn->callCount == 0, "%d calls into Dorn.dll without the font button", g_dorn->callCount);

    result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "sheet did not appear");
        ok(ItemText(dlg, APPLY) == "修改当前图纸(&C)", "apply button \"%s\"", ItemText(dlg, APPLY).c_str());
        ok(Enabled(dlg, APPLY), "修改当前图纸 enabled");
        Click(dlg, APPLY);
    });
    ok(result == 2, "修改当前图纸 returns %d", result);
    ok_same(host, before, "修改当前图纸 on an unchanged sheet");
}

#endif

void LoadingRules() {
    Scenario s("loading: presets, typed sizes, radio precedence, sorted lists; both pages saved");
    Host host;
    host.SetF(DIMSIZE, 3.55f);
    host.SetF(TOLSIZE, 3.2f);
    host.SetF(SYMSIZE, 20.0f);
    host.SetItemF(ITEMTEXT, 0.45f);
    host.SetFlags(0x0040 | 0x0100 | 0x0002 | 0x0004 | 0x0010 | 0x0E00);
    host.style[ARROWTYPE] = 3;
    host.SetI32(COLOR, -1);
    host.SetI32(TOLDEC, 9);
    host.SetI32(DIMDEC, 9);
    host.SetI32(TOLZEROS, 1);
    host.SetI32(DIMZEROS, 0);
    host.SetI32(DMS, 1);
    host.SetU32(TEXTFLAGS, 0x80000001u);
    host.SetF(SLANT, 12.5f);
    Host want = host;
    const int result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "sheet did not appear");
        HWND text = TextPage(dlg), line = LinePage(dlg);
        ok(text && line, "both pages exist at once (%p, %p)", static_cast<void*>(text), static_cast<void*>(line));
        if (!text || !line) return;
        ok(IsWindowVisible(text) && !IsWindowVisible(line), "the text page shows first");
        const auto sizes = ComboItems(text, T_DIM);
        std::string joined;
        for (const auto& t : sizes) joined += t + " ";
        ok(joined == "0.5 1 1.5 2 2.5 3 3.5 4 4.5 5 5.5 6 6.5 7 8 9 10 12 14 17 20 ", "size list: %s", joined.c_str());
        ok(ComboItems(text, T_ITEM) == sizes && ComboItems(text, T_SYM) == sizes && ComboItems(text, T_TOL) == sizes,
           "the four size lists hold the same presets");
        ok(CurSel(text, T_DIM) == 6 && ItemText(text, T_DIM) == "3.5", "3.55 selects 3.5: %d \"%s\"",
           CurSel(text, T_DIM), ItemText(text, T_DIM).c_str());
        ok(CurSel(text, T_TOL) == -1 && ItemText(text, T_TOL) == "3.2", "3.2 shown as typed: %d \"%s\"",
           CurSel(text, T_TOL), ItemText(text, T_TOL).c_str());
        ok(CurSel(text, T_SYM) == 20, "20 selects the last preset: %d", CurSel(text, T_SYM));
        ok(CurSel(text, T_ITEM) == 0, "0.45 selects 0.5: %d", CurSel(text, T_ITEM));
        ok(Checked(text, T_EXACT) && !Checked(text, T_HIDDEN) && !Checked(text, T_NODE) && !Checked(text, T_SHOWN),
           "0x40 and 0x100: 理论 alone");
        ok(!Visible(text, T_NODE), "结点 stays hidden");
        ok(!Checked(text, T_ABOVE) && !Checked(text, T_INLINE) && !Checked(text, T_BELOW) && !Checked(text, T_CUSTOM),
           "no position bit: no position radio");
        ok(ItemText(text, T_DIMDEC) == "9" && ItemText(text, T_TOLDEC) == "9", "decimals shown as stored");
        ok(ItemText(text, T_DIMZEROS) == "不保留" && ItemText(text, T_TOLZEROS) == "保留", "zero lists show \"%s\" \"%s\"",
           ItemText(text, T_DIMZEROS).c_str(), ItemText(text, T_TOLZEROS).c_str());
        ok(Checked(text, T_DMS) && Checked(text, T_FULLWIDTH), "度分秒 and 全角 from the record");
        ok(ItemText(text, T_SYMSIZE) == "7" && ItemText(text, T_SYMLEN) == "8" && ItemText(text, T_DIMSPACE) == "0.5" &&
               ItemText(text, T_TOLSPACE) == "0.25",
           "item-number and spacing fields");
        ok(Checked(line, L_LEFT) && !Checked(line, L_RIGHT), "0x2 and 0x4: left boundary line only");
        ok(ItemText(line, L_SLANT) == "12.5", "slant \"%s\"", ItemText(line, L_SLANT).c_str());
        ok(Checked(line, L_OUT) && !Checked(line, L_IN) && !Enabled(line, L_EXT), "outward arrows, extension disabled");
        ok(Checked(line, L_BROKEN) && !Checked(line, L_UNBROKEN), "0x20 clear: 断开");
        ok((ComboItems(line, L_TYPE) == std::vector<std::string>{"箭头", "斜线", "单箭头"}), "arrow types");
        ok(CurSel(line, L_TYPE) == -1 && !Enabled(line, L_SOLID), "type 3: no selection, 实心 disabled");
        ok(!Checked(line, L_EDITED) && !Enabled(line, L_COLOR), "colour -1: unchecked, list disabled");
        ok(Checked(line, L_AUTOHIDE) && Checked(line, L_SOLID), "自动消隐 and 实心 from the record");
        Click(dlg, IDOK);
    });
    ok(result == 1, "确定 returns %d", result);
    // The state group keeps 0x40 alone, the boundary group 0x2 alone; the line page saved
    // although its tab was never shown.
    want.SetFlags(0x0040 | 0x0002 | 0x0010 | 0x0E00);
    want.SetI32(TOLDEC, 5);
    want.style[ARROWTYPE] = 255;
    want.SetF(DIMSIZE, 3.5f);
    want.SetItemF(ITEMTEXT, 0.5f);
    ok_same(host, want, "saved records");
}

[[maybe_unused]] void EditingBothPages() {
    Scenario s("editing both pages, tab switching by a click");
    Host host;
    Host want = host;
    const int result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "sheet did not appear");
        HWND text = TextPage(dlg), line = LinePage(dlg);
        if (!text || !line) return ok(false, "pages missing");
        SetItemText(text, T_DIM, "2.75");
        SetItemText(text, T_TOL, "");
        SetItemText(text, T_DIMDEC, "");
        SetItemText(text, T_TOLDEC, "9");
        PickText(text, T_TOLZEROS, "不保留");
        PickText(text, T_DIMZEROS, "保留");
        ClickControl(text, T_HIDDEN);
        ClickControl(text, T_INLINE);
        ClickControl(text, T_FULLWIDTH);
        SetItemText(text, T_SYMSIZE, "abc");
        SetItemText(text, T_SYMLEN, "12.5");
        SetItemText(text, T_TOLSPACE, "");

        ClickTab(dlg, 1);
        ok(WaitFor([&] { return IsWindowVisible(line) && !IsWindowVisible(text); }, 3000),
           "a click on 尺寸线 shows the line page");
        ok(SendDlgItemMessageW(dlg, TABS, TCM_GETCURSEL, 0, 0) == 1, "second tab selected");
        ClickControl(line, L_RIGHT);
        SetItemText(line, L_SLANT, "");
        ClickControl(line, L_UNBROKEN);
        ClickControl(line, L_IN);
        ok(Enabled(line, L_EXT), "向内 enables the extension length");
        SetItemText(line, L_EXT, "0.4");
        SelectCombo(line, L_TYPE, 1);
        ok(!Enabled(line, L_SOLID), "斜线 disables 实心");
        SelectCombo(line, L_TYPE, 2);
        SelectCombo(line, L_TYPE, 0);
        ok(Enabled(line, L_SOLID), "箭头 enables 实心 again");
        ClickControl(line, L_SOLID);
        SetItemText(line, L_LEN, "6");
        SetItemText(line, L_ANGLE, "abc");
        ClickControl(line, L_AUTOHIDE);
        SelectCombo(line, L_COLOR, 3);
        ClickTab(dlg, 0);
        ok(WaitFor([&] { return IsWindowVisible(text) && !IsWindowVisible(line); }, 3000),
           "a click on 标注文本 brings the text page back");
        Click(dlg, IDOK);
    });
    ok(result == 1, "确定 returns %d", result);
    want.SetF(DIMSIZE, 2.75f);
    want.SetF(TOLSIZE, 0.0f);
    want.SetI32(TOLDEC, 5);
    want.SetI32(TOLZEROS, 0);
    want.SetI32(DIMZEROS, 1);
    want.SetU32(TEXTFLAGS, 0x80000001u);
    want.SetItemF(SYMLEN, 12.5f);
    want.SetFlags(0x4000 | 0x0100 | 0x0002 | 0x0020 | 0x0E00);
    want.SetF(EXTLEN, 1.0f);
    want.style[SOLID] = 0;
    want.SetF(ARROWLEN, 6.0f);
    want.SetI32(AUTOHIDE, 0);
    want.SetI32(COLOR, 3);
    ok_same(host, want, "saved records");
}

[[maybe_unused]] void LineRules() {
    Scenario s("line page: outward keeps the extension, other types keep 实心, colour off saves -1");
    Host host;
    host.SetFlags(0x0008);
    host.style[ARROWTYPE] = 2;
    host.style[SOLID] = 1;
    host.SetI32(COLOR, 300);
    Host want = host;
    const int result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "sheet did not appear");
        HWND line = LinePage(dlg);
        if (!line) return ok(false, "line page missing");
        ok(!Checked(line, L_LEFT) && !Checked(line, L_RIGHT), "0x8: no boundary line");
        ok(Checked(line, L_IN) && Enabled(line, L_EXT), "0x10 clear: 向内, extension enabled");
        ok(Checked(line, L_EDITED) && Enabled(line, L_COLOR) && CurSel(line, L_COLOR) == -1,
           "colour 300: checked, enabled, nothing selected");
        ok(!Enabled(line, L_SOLID) && Checked(line, L_SOLID), "type 2: 实心 disabled but checked");
        const auto colours = ComboItems(line, L_COLOR);
        ok(colours.size() == 256 && colours[1] == "红" && colours[7] == "白" && colours[42] == "42",
           "palette list: %d entries", static_cast<int>(colours.size()));
        ClickControl(line, L_OUT);
        ok(!Enabled(line, L_EXT), "向外 disables the extension length");
        SetItemText(line, L_EXT, "0.4");
        SelectCombo(line, L_COLOR, 1);
        ClickControl(line, L_EDITED);
        ok(!Enabled(line, L_COLOR), "unchecking disables the colour list");
        ClickControl(line, L_EDITED);
        ok(Enabled(line, L_COLOR), "checking enables it");
        ClickControl(line, L_EDITED);
        Click(dlg, IDOK);
    });
    ok(result == 1, "确定 returns %d", result);
    want.SetFlags(0x0010 | 0x0008);
    want.SetI32(COLOR, -1);
    ok_same(host, want, "saved records");
}

[[maybe_unused]] void ColourSwatches() {
    Scenario s("the colour list draws its swatches");
    Host host;
    host.SetI32(COLOR, 1);
    bool red = false, blue = false;
    Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "sheet did not appear");
        HWND line = LinePage(dlg);
        if (!line) return;
        ClickTab(dlg, 1);
        WaitFor([&] { return IsWindowVisible(line) != FALSE; }, 3000);
        HWND list = GetDlgItem(line, L_COLOR);
        auto find = [&](uint32_t colour) {
            Capture cap(list);
            for (int y = 0; y < cap.height(); ++y)
                for (int x = 0; x < cap.width() / 2; ++x)
                    if (cap.At(x, y) == colour) return true;
            return false;
        };
        WaitFor([&] { return red = find(0xFF0000); }, 3000);
        SelectCombo(line, L_COLOR, 5);
        WaitFor([&] { return blue = find(0x0000FF); }, 3000);
        Click(dlg, IDCANCEL);
    });
    ok(red, "colour 1 shows a red swatch");
    ok(blue, "colour 5 shows a blue swatch");
}

#ifndef TQ_TEST_WITHOUT_DORN

// The colour list's item painter on its own, into a memory bitmap: the swatch in the item's
// colour, and no GDI object kept. GetGuiResources is a stub under Wine, but Wine hands out GDI
// handle slots last freed, first reused: sixteen brushes made and freed before the paints
// come back in the same sixteen slots after them unless a paint kept an object in one.
void ColourItemPainter() {
    Scenario s("colour list items painted into a bitmap");
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 120, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, dib);
    CTqColorCmb list;
    auto paint = [&](int item, UINT state) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_COMBOBOX;
        dis.itemID = static_cast<UINT>(item);
        dis.itemState = state;
        dis.hDC = dc;
        dis.rcItem = {0, 0, 120, 16};
        list.DrawItem(&dis);
        GdiFlush();
    };
    auto pixel = [&](int x, int y) { return static_cast<const uint32_t*>(bits)[y * 120 + x] & 0xFFFFFF; };
    paint(1, 0);
    ok(pixel(8, 8) == 0xFF0000, "colour 1: red swatch (%06X)", pixel(8, 8));
    paint(5, ODS_SELECTED | ODS_FOCUS);
    ok(pixel(8, 8) == 0x0000FF, "colour 5: blue swatch (%06X)", pixel(8, 8));
    paint(-1, ODS_FOCUS);
    ok(pixel(8, 8) != 0x0000FF, "no item: no swatch");
    paint(300, 0);
    paint(1, ODS_DISABLED);
    auto slots = [] {
        HBRUSH probes[16];
        std::vector<WORD> taken;
        for (HBRUSH& b : probes) taken.push_back(LOWORD(reinterpret_cast<ULONG_PTR>(b = CreateSolidBrush(RGB(1, 2, 3)))));
        for (HBRUSH b : probes) DeleteObject(b);
        std::sort(taken.begin(), taken.end());
        return taken;
    };
    const std::vector<WORD> before = slots();
    for (int item : {0, 1, 7, 42, 255}) paint(item, ODS_SELECTED);
    ok(slots() == before, "painting items keeps no GDI object");
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

void FontButton() {
    Scenario s("font button: call order and values, the three answers");
    Host host;
    host.SetF(DIMSPACE, 0.35f);
    host.SetI32(FONTCODE, 3);
    Host want = host;
    LOGFONTA newFont{};
    newFont.lfHeight = -30;
    newFont.lfWeight = 700;
    const std::string face = Gbk("黑体");
    std::memcpy(newFont.lfFaceName, face.data(), face.size());
    const int result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "sheet did not appear");
        HWND text = TextPage(dlg);
        if (!text) return;
        g_dorn->answer = true;
        g_dorn->answerFontCode = 6;
        g_dorn->answerFont = newFont;
        g_dorn->answerFlag = 0;
        g_dorn->answerSpacing = 2.5f;
        g_dorn->callCount = 0;
        SelectCombo(text, T_DIM, 9);  // "5"
        Click(text, T_FONT);
        ok(g_dorn->callCount == 5, "%d calls, expected 5", g_dorn->callCount);
        ok(IsSet(0, 8, 35), "first: setting 8 = spacing 0.35 in hundredths (%d %d)", CallAt(0).index, CallAt(0).value);
        ok(IsSet(1, 7, 500), "second: setting 7 = size 5 in hundredths (%d %d)", CallAt(1).index, CallAt(1).value);
        ok(IsSet(2, 10, 3), "third: setting 10 = font code 3 (%d %d)", CallAt(2).index, CallAt(2).value);
        if (g_dorn->callCount >= 4) {
            const dorn_double::Call& c = CallAt(3);
            ok(c.kind == dorn_double::Kind::TextAttribDlg, "fourth: the text attribute dialog");
            ok(std::memcmp(&c.record.lfFont, host.style + LOGFONT, 60) == 0, "the record's font is the page's");
            ok(c.record.bForeignFace == 0 && c.record.fCharSpace == 0.0f && c.record.fValue72 == 1.0f &&
                   c.record.fValue76 == 6.0f && c.record.fValue80 == 7.0f && c.record.nValue84 == 0 &&
                   c.record.fValue88 == 1.0f,
               "record values 64..88: %d %g %g %g %g %d %g", c.record.bForeignFace, c.record.fCharSpace,
               c.record.fValue72, c.record.fValue76, c.record.fValue80, c.record.nValue84, c.record.fValue88);
            ok(c.owner == text, "owned by the text page");
        }
        ok(g_dorn->callCount >= 5 && CallAt(4).kind == dorn_double::Kind::GetInt && CallAt(4).index == 10,
           "fifth: setting 10 read back");
        ok(CurSel(text, T_DIM) == 6 && ItemText(text, T_DIM) == "3.5", "size list back on the stored 3.5: \"%s\"",
           ItemText(text, T_DIM).c_str());
        ok(ItemText(text, T_DIMSPACE) == "2.5", "spacing shows \"%s\"", ItemText(text, T_DIMSPACE).c_str());

        // A face without a code of the library: code 15, setting 10 not read.
        g_dorn->answerFlag = 1;
        g_dorn->callCount = 0;
        Click(text, T_FONT);
        ok(IsSet(0, 8, 250) && IsSet(2, 10, 6), "second press writes spacing 2.5 and the code read before");
        ok(g_dorn->callCount == 4, "flag set: %d calls, no read", g_dorn->callCount);

        // Cancelled: nothing changes.
        g_dorn->answer = false;
        g_dorn->callCount = 0;
        SetItemText(text, T_DIMSPACE, "1");
        SetItemText(text, T_DIM, "4.2");
        Click(text, T_FONT);
        ok(IsSet(1, 7, 420) && IsSet(2, 10, 15), "third press writes size 4.2 and code 15");
        ok(g_dorn->callCount == 4, "false answer: %d calls", g_dorn->callCount);
        ok(ItemText(text, T_DIMSPACE) == "1" && ItemText(text, T_DIM) == "4.2", "false answer leaves the fields");
        Click(dlg, IDOK);
    });
    ok(result == 1, "确定 returns %d", result);
    std::memcpy(want.style + LOGFONT, &newFont, 60);
    want.SetI32(FONTCODE, 15);
    want.SetF(DIMSPACE, 1.0f);
    want.SetF(DIMSIZE, 4.2f);
    ok_same(host, want, "saved records");
    g_dorn->answer = false;
}

void CancelThreeWays() {
    Scenario s("cancel, Escape and the close box after edits and the font dialog");
    const char* ways[] = {"取消", "Escape", "close box"};
    for (int way = 0; way < 3; ++way) {
        Host host;
        const Host before = host;
        const int result = Open(host, [&](HWND dlg) {
            if (!dlg) return ok(false, "sheet did not appear");
            HWND text = TextPage(dlg), line = LinePage(dlg);
            if (!text || !line) return;
            g_dorn->answer = true;
            g_dorn->answerFont = LOGFONTA{};
            g_dorn->answerFlag = 1;
            g_dorn->answerFontCode = -1;
            g_dorn->answerSpacing = 9.0f;
            Click(text, T_FONT);
            SetItemText(text, T_DIM, "7");
            ClickControl(text, T_HIDDEN);
            ClickControl(line, L_LEFT);
            SetItemText(line, L_LEN, "99");
            if (way == 0) {
                Click(dlg, IDCANCEL);
            } else if (way == 1) {
                PostKey(dlg, VK_ESCAPE);
            } else {
                PostMessageW(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
            ok(WaitFor([&] { return !IsWindowVisible(dlg); }, 3000), "%s closes the sheet", ways[way]);
        });
        ok(result == 0, "%s returns %d", ways[way], result);
        ok_same(host, before, ways[way]);
    }
    g_dorn->answer = false;
}

#endif

// The pages turn from the keyboard: the arrow keys on the focused tabs, Ctrl+Tab and
// Ctrl+Shift+Tab from a control of a page.
[[maybe_unused]] void KeyboardTabs() {
    Scenario s("keyboard: arrows on the tabs, Ctrl+Tab");
    HostWindows windows;
    Host host;
    bool arrows = false, arrowsBack = false, ctrlTab = false, ctrlShiftTab = false;
    Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "sheet did not appear");
        HWND text = TextPage(dlg), line = LinePage(dlg);
        if (!text || !line) return;
        HWND tabs = GetDlgItem(dlg, TABS);
        SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tabs), TRUE);
        WaitFor([&] { return FocusOf(dlg) == tabs; }, 2000);
        PostKey(dlg, VK_RIGHT);
        arrows = WaitFor([&] { return IsWindowVisible(line) && !IsWindowVisible(text); }, 3000);
        PostKey(dlg, VK_LEFT);
        arrowsBack = WaitFor([&] { return IsWindowVisible(text) && !IsWindowVisible(line); }, 3000);

        SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(text, T_DIMSPACE)), TRUE);
        WaitFor([&] { return FocusOf(dlg) == GetDlgItem(text, T_DIMSPACE); }, 2000);
        auto chord = [&](bool shift) {
            std::vector<INPUT> in;
            auto key = [&](WORD vk, bool up) {
                INPUT i{};
                i.type = INPUT_KEYBOARD;
                i.ki.wVk = vk;
                i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
                in.push_back(i);
            };
            key(VK_CONTROL, false);
            if (shift) key(VK_SHIFT, false);
            key(VK_TAB, false);
            key(VK_TAB, true);
            if (shift) key(VK_SHIFT, true);
            key(VK_CONTROL, true);
            SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
        };
        chord(false);
        ctrlTab = WaitFor([&] { return IsWindowVisible(line) && !IsWindowVisible(text); }, 3000);
        chord(true);
        ctrlShiftTab = WaitFor([&] { return IsWindowVisible(text) && !IsWindowVisible(line); }, 3000);
        Click(dlg, IDCANCEL);
    });
    ok(arrows && arrowsBack, "arrow keys on the tabs turn the pages: %d %d", arrows, arrowsBack);
    ok(ctrlTab && ctrlShiftTab, "Ctrl+Tab and Ctrl+Shift+Tab turn the pages: %d %d", ctrlTab, ctrlShiftTab);
}

#ifdef TQ_TEST_WITHOUT_DORN

void WithoutDorn() {
    Scenario s("no Dorn.dll: the sheet opens, the font button does nothing");
    Host host;
    const Host before = host;
    bool otherWindow = true;
    const int result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "sheet did not appear");
        HWND text = TextPage(dlg);
        if (!text) return;
        Click(text, T_FONT);
        otherWindow = FindThreadWindow(GetWindowThreadProcessId(dlg, nullptr), L"#32770", "文字属性") != nullptr;
        ok(IsWindowVisible(dlg) && IsWindowEnabled(dlg), "the sheet stays usable");
        Click(dlg, IDOK);
    });
    ok(result == 1, "确定 returns %d", result);
    ok(!otherWindow, "no text attribute dialog");
    ok(GetModuleHandleW(L"Dorn.dll") == nullptr, "Dorn.dll is not loaded");
    ok_same(host, before, "saved records");
}

#endif

[[maybe_unused]] void BadInput() {
    Scenario s("null records, NaN and infinite sizes");
    Host host;
    const Host before = host;
    bool appeared = false;
    HANDLE watcher = CreateThread(
        nullptr, 0,
        [](LPVOID p) -> DWORD {
            const DWORD main = static_cast<DWORD>(reinterpret_cast<uintptr_t>(p));
            HWND dlg = WaitForDialog(main, kCaption, 1500);
            if (dlg) PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
            return dlg != nullptr;
        },
        reinterpret_cast<LPVOID>(static_cast<uintptr_t>(GetCurrentThreadId())), 0, nullptr);
    const int nullStyle = Setup(nullptr, host.item);
    const int nullItem = Setup(host.style, nullptr);
    WaitForSingleObject(watcher, 5000);
    DWORD code = 0;
    GetExitCodeThread(watcher, &code);
    CloseHandle(watcher);
    appeared = code != 0;
    ok(nullStyle == 0 && nullItem == 0, "null records return %d %d", nullStyle, nullItem);
    ok(!appeared, "nothing shown for null records");
    ok_same(host, before, "records beside a null pointer");

    Host odd;
    odd.SetF(DIMSIZE, NAN);
    odd.SetF(TOLSIZE, INFINITY);
    odd.SetF(SYMSIZE, -INFINITY);
    odd.SetItemF(ITEMTEXT, 3.4e38f);
    odd.SetF(DIMSPACE, NAN);
    odd.SetF(EXTLEN, INFINITY);
    odd.SetF(SLANT, 1e30f);
    odd.SetItemF(SYMSIZE_ITEM, NAN);
    std::string shown;
    const int result = Open(odd, [&](HWND dlg) {
        if (!dlg) return ok(false, "sheet did not appear");
        HWND text = TextPage(dlg);
        if (!text) return;
        shown = ItemText(text, T_TOL) + " " + ItemText(text, T_SYM) + " " + ItemText(text, T_ITEM);
        ok(CurSel(text, T_DIM) == -1 && CurSel(text, T_TOL) == -1, "no preset for NaN and infinity");
        Click(dlg, IDOK);
    });
    ok(result == 1, "确定 returns %d", result);
    ok(shown.size() > 6 && shown.find("3.4e+38") != std::string::npos, "shown as typed: %s", shown.c_str());
    ok(odd.F(SLANT) == 1e30f && odd.F(ARROWLEN) == 4.0f, "values come back through their texts");
    ok(std::memcmp(odd.guard0, before.guard0, 32) == 0 && std::memcmp(odd.guard1, before.guard1, 32) == 0 &&
           std::memcmp(odd.guard2, before.guard2, 32) == 0,
       "guard bytes untouched");
}

std::wstring ModulePath() {
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring dir(exe);
    dir.resize(dir.find_last_of(L"\\/") + 1);
    return dir + L"..\\bin\\TQDim.dll";
}

}  // namespace

int main() {
#ifndef TQ_TEST_WITHOUT_DORN
    // The double beside this program, loaded first, is the copy the module will find.
    HMODULE dorn = LoadLibraryW(L"Dorn.dll");
    auto stateFn = dorn ? Export<dorn_double::StateFn>(dorn, "DornDouble_State") : nullptr;
    g_dorn = stateFn ? stateFn() : nullptr;
    ok(g_dorn != nullptr, "the Dorn.dll double is beside the test");
    if (!g_dorn) return Summary("test_dimstyle");
#endif
    HMODULE module = LoadLibraryW(ModulePath().c_str());
    g_setup = module ? TQ_EXPORT(module, TQDim_SetupDlg) : nullptr;
    ok(g_setup != nullptr, "TQDim_SetupDlg exported");
    if (g_setup) {
#ifndef TQ_TEST_WITHOUT_DORN
        ResultCodesAndRoundTrip();
        LoadingRules();
        EditingBothPages();
        LineRules();
        ColourSwatches();
        ColourItemPainter();
        FontButton();
        CancelThreeWays();
        KeyboardTabs();
        BadInput();
#else
        WithoutDorn();
        LoadingRules();
#endif
    }
#ifndef TQ_TEST_WITHOUT_DORN
    return Summary("test_dimstyle");
#else
    return Summary("test_dimstyle_nodorn");
#endif
}
