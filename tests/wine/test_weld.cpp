// The weld symbol dialog through the real export, as a host calls it: a record of sixteen
// values and ten framework strings between guard bytes, strings with reference counts 1, 2
// and -1, the dialog scripted from a second thread, menus read back item by item, the preview
// checked pixel by pixel against the module's own bitmaps.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "entry/exports_weld.h"
#include "tests/host_strings.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

decltype(&TQDim_WeldDlg) g_weld;
HMODULE g_module;

enum Value { BASIC1, BASIC2, AUX1, AUX2, MIDDLE, LINETYPE, HEAD, TAIL = HEAD + 5 };
enum Text { UP_LEFT, UP_MID, UP_RIGHT, DOWN_LEFT, DOWN_MID, DOWN_RIGHT, UP_FAR, DOWN_FAR, RESERVED, TAIL_TEXT };

// The host's record by its layout: sixteen 32-bit values (symbols empty), then ten strings.
struct Host {
    unsigned char guardBefore[32];
    int32_t v[16] = {-1, -1, -1, -1, -1};
    CString s[10];
    unsigned char guardAfter[32];
    Host() { std::memset(guardBefore, 0xCD, 32), std::memset(guardAfter, 0xCD, 32); }
    bool GuardsIntact() const {
        return std::count(guardBefore, guardBefore + 32, 0xCD) + std::count(guardAfter, guardAfter + 32, 0xCD) == 64;
    }
};
static_assert(offsetof(Host, s) - offsetof(Host, v) == 64, "strings follow the sixteen values");

const char* Ptr(const CString& s) { return s; }

bool Open(Host& host, const std::function<void(HWND)>& script) {
    return RunDialog(
        "焊接符号", [&](HWND dlg) { dlg ? script(dlg) : ok(false, "dialog did not appear"); },
        [&] { return g_weld(reinterpret_cast<WeldRecord*>(host.v)); });
}

void Post(HWND dlg, std::initializer_list<UINT> commands) {
    for (UINT id : commands) PostMessageW(dlg, WM_COMMAND, id, 0);
}

// ---- the module's symbol bitmaps, read back as pixels

std::vector<uint32_t> Pixels(HBITMAP bitmap) {
    std::vector<uint32_t> px(32 * 32);
    BITMAPINFO bi = Dib32(32, 32);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, 32, px.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    for (uint32_t& p : px) p &= 0xFFFFFF;
    return px;
}

// A symbol bitmap of the module and its red anchor pixel.
struct Symbol { std::vector<uint32_t> px; int ax = -1, ay = -1; };

const Symbol& SymbolOf(int n) {
    static Symbol cache[50];
    Symbol& s = cache[n];
    if (s.px.empty()) {
        HBITMAP bmp = static_cast<HBITMAP>(LoadImageW(g_module, (L"WELDS" + std::to_wstring(n)).c_str(), IMAGE_BITMAP, 0, 0, 0));
        s.px = Pixels(bmp);
        DeleteObject(bmp);
        for (int i = 0; i < 32 * 32; ++i)
            if (s.px[i] == 0xFF0000) s.ax = i % 32, s.ay = i / 32;
    }
    return s;
}

// ---- the preview

struct Place { int bitmap, x, y; };  // the symbol's anchor goes on (x, y)

// Waits for the dialog, repainting on its own, to show the bare picture ANDed with every placed
// bitmap, and checks the preview area pixel by pixel. `what` is a format for `n`.
void ExpectPreview(HWND dlg, const Capture& bare, const std::vector<Place>& places, const char* what, int n = 0) {
    int bad = 0;
    char first[64] = "", name[64];
    WaitFor([&] {
        const Capture now(dlg, false);
        bad = 0;
        for (int y = 30; y < 140; ++y)
            for (int x = 10; x < 430; ++x) {
                uint32_t expect = bare.At(x, y);
                for (const Place& p : places) {
                    const Symbol& s = SymbolOf(p.bitmap);
                    const int lx = x - p.x + s.ax, ly = y - p.y + s.ay;
                    if (lx >= 0 && ly >= 0 && lx < 32 && ly < 32) expect &= s.px[ly * 32 + lx];
                }
                if (now.At(x, y) != expect && bad++ == 0)
                    std::snprintf(first, sizeof first, "(%d,%d) is %06x, expected %06x", x, y, now.At(x, y), expect);
            }
        return bad == 0;
    }, 3000);
    std::snprintf(name, sizeof name, what, n);
    ok(bad == 0, "%s: %d pixels differ, first %s", name, bad, first);
}

// A picture of the preview with the reference line painted (the first paint may be pending),
// the controls that stand over it hidden.
Capture Bare(HWND dlg) {
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ShowWindow(c, SW_HIDE);
    WaitFor([&] { return Capture(dlg).IsBlack(200, 92); }, 3000);
    return Capture(dlg);
}

bool LineAt(const Capture& cap, int y) {
    for (int x = 60; x < 360; x += 7)
        if (!cap.IsBlack(x, y)) return false;
    return true;
}

// ---- menus

// The menu's top right corner goes on the client point (468, y).
struct Menu { int button, y, firstBitmap, count; UINT firstCommand; };
const Menu kBasic{110, 16, 1, 29, 200}, kAux{111, 45, 31, 8, 300}, kHead{112, 88, 39, 5, 400},
    kTail{113, 148, 39, 5, 500}, kMiddle{117, 118, 49, 1, 600};

// Opens a menu by its button, checks its items (bitmaps, commands, checks, columns of nine) and
// its place, closes it, and checks that the menu and its bitmaps are gone.
void CheckMenu(HWND dlg, const Menu& m, std::initializer_list<int> checked) {
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(m.button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, m.button)));
    HWND menuWnd = WaitForMenu();
    if (!menuWnd) return ok(false, "menu %d does not open", m.button);
    HMENU menu = MenuOfWindow(menuWnd);
    const int n = GetMenuItemCount(menu);
    ok(n == m.count, "menu %d has %d items", m.button, n);
    std::vector<HBITMAP> bitmaps;
    for (int i = 0; i < n; ++i) {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii, mii.fMask = MIIM_ID | MIIM_TYPE | MIIM_STATE;
        GetMenuItemInfoW(menu, i, TRUE, &mii);
        bitmaps.push_back(reinterpret_cast<HBITMAP>(mii.dwTypeData));
        const int b = m.firstBitmap + i;
        const bool check = (mii.fState & MFS_CHECKED) != 0, brk = (mii.fType & MFT_MENUBARBREAK) != 0;
        ok(mii.wID == m.firstCommand + i && check == (std::find(checked.begin(), checked.end(), b) != checked.end()) &&
               brk == (i > 0 && i % 9 == 0) && (mii.fType & MFT_BITMAP) && Pixels(bitmaps.back()) == SymbolOf(b).px,
           "menu %d item %d: id %u, checked %d, column break %d, type %x, bitmap %d", m.button, i, mii.wID, check, brk,
           mii.fType, b);
    }
    RECT rc{};
    GetWindowRect(menuWnd, &rc);
    POINT at{468, m.y};
    ClientToScreen(dlg, &at);
    ok(std::abs(rc.right - at.x) <= 2 && std::abs(rc.top - at.y) <= 2, "menu %d at (%ld,%ld)-(%ld,..), point (%ld,%ld)",
       m.button, rc.left, rc.top, rc.right, at.x, at.y);
    DismissMenu(menuWnd, dlg);
    ok(WaitFor([&] { return !IsMenu(menu); }, 2000), "menu %d destroyed after closing", m.button);
    ok(std::none_of(bitmaps.begin(), bitmaps.end(), [](HBITMAP b) { return GetObjectType(b) != 0; }),
       "menu %d bitmaps deleted after closing", m.button);
}

// ---- scenarios

void TemplateTextsAndStrings() {
    Scenario sc("template, texts and the string contract");
    Host host;
    host.v[BASIC1] = 6, host.v[BASIC2] = 7, host.v[AUX1] = 3, host.v[LINETYPE] = 2;
    host.v[HEAD + 1] = host.v[TAIL + 4] = 1;
    host.s[UP_LEFT] = "a1";                     // count 1
    CString sharedMid(Gbk("焊脚").c_str());
    host.s[UP_MID] = sharedMid;                 // count 2
    LockedBlock locked("neg");
    locked.PutInto(host.s[UP_RIGHT]);           // count -1
    host.s[DOWN_MID] = std::string(10000, 'x').c_str();
    host.s[DOWN_RIGHT] = "\x81\x20\xFF\xFE";    // not GBK
    host.s[UP_FAR] = Gbk("焊接").c_str();
    host.s[TAIL_TEXT] = "tail";
    CString sharedReserved("reserved");
    host.s[RESERVED] = sharedReserved;
    const char* before[10];
    for (int i = 0; i < 10; ++i) before[i] = Ptr(host.s[i]);

    const bool result = Open(host, [&](HWND dlg) {
        for (int id : {101, 102, 103, 104, 105, 106, 107, 108, 115, 116})
            ok(SendMessageW(GetDlgItem(dlg, id), EM_GETLIMITTEXT, 0, 0) == 40, "edit %d limited to 40", id);
        ok((GetWindowLongW(GetDlgItem(dlg, 1), GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON &&
               (GetWindowLongW(GetDlgItem(dlg, 114), GWL_STYLE) & 3) == CBS_DROPDOWNLIST,
           "OK is the default button, 114 a drop-down list");
        ok(ItemText(dlg, 101) == "a1" && ItemText(dlg, 102) == "焊脚" && ItemText(dlg, 103) == "neg" &&
               ItemText(dlg, 106).empty() && ItemText(dlg, 115) == "焊接" && ItemText(dlg, 116).empty() &&
               ItemText(dlg, 108) == "tail",
           "record texts shown: 101 \"%s\" 102 \"%s\" 103 \"%s\" 115 \"%s\"", ItemText(dlg, 101).c_str(),
           ItemText(dlg, 102).c_str(), ItemText(dlg, 103).c_str(), ItemText(dlg, 115).c_str());
        ok(ItemText(dlg, 105) == std::string(40, 'x'), "a long text shows its first 40 characters (%d)",
           static_cast<int>(ItemText(dlg, 105).size()));
        ok(!Visible(dlg, 107) && ItemText(dlg, 107).empty(), "107 hidden and empty");
        const auto types = ComboItems(dlg, 114);
        ok((types == std::vector<std::string>{"没有虚线", "虚线在上", "虚线在下"}) &&
               SendMessageW(GetDlgItem(dlg, 114), CB_GETCURSEL, 0, 0) == 2,
           "line type list, 2 selected");
        // Typing never changes a symbol; unchanged fields keep the host's strings.
        SetItemText(dlg, 101, "新");
        SetItemText(dlg, 103, "");
        SetItemText(dlg, 116, "k");
        SetItemText(dlg, 107, "never read");
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    const int32_t want[16] = {6, 7, 3, -1, -1, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1};
    ok(std::equal(want, want + 16, host.v), "values written back unchanged");
    ok(host.GuardsIntact(), "guard bytes untouched");
    ok(std::string(host.s[UP_LEFT]) == Gbk("新") && HeaderOf(host.s[UP_LEFT]).refs == 1, "changed text: \"%s\" count %ld",
       Utf8FromGbk(std::string(host.s[UP_LEFT])).c_str(), HeaderOf(host.s[UP_LEFT]).refs);
    for (int i : {UP_MID, DOWN_LEFT, UP_FAR, RESERVED})
        ok(Ptr(host.s[i]) == before[i], "unchanged string %d kept (the hidden edit's too), not copied", i);
    ok(HeaderOf(sharedMid).refs == 2 && HeaderOf(sharedReserved).refs == 2 && HeaderOf(host.s[UP_FAR]).refs == 1,
       "counts of kept strings: %ld %ld", HeaderOf(sharedMid).refs, HeaderOf(sharedReserved).refs);
    ok(host.s[UP_RIGHT].GetLength() == 0 && HeaderOf(host.s[UP_RIGHT]).refs > 0 && Ptr(host.s[UP_RIGHT]) != locked.chars(),
       "emptied field owns heap data, not a shared empty string: count %ld", HeaderOf(host.s[UP_RIGHT]).refs);
    ok(locked.header->refs == -1 && std::strcmp(locked.chars(), "neg") == 0, "negative count and its text untouched");
    ok(host.s[DOWN_MID] == std::string(40, 'x').c_str() && HeaderOf(host.s[DOWN_MID]).refs == 1, "long text cut to 40");
    ok(host.s[DOWN_FAR] == "k" && host.s[TAIL_TEXT] == "tail", "116 read: \"%s\"", host.s[DOWN_FAR].c_str());
    for (int i = 0; i < 10; ++i) ok(HeaderOf(host.s[i]).refs != 0, "string %d has a live count", i);
    locked.TakeBackFrom(host.s[UP_RIGHT]);
}

void CancelWritesNothing() {
    Scenario sc("cancel");
    Host host;
    host.v[BASIC1] = 4, host.v[LINETYPE] = 1;
    host.s[UP_LEFT] = "keep";
    CString shared("shared");
    host.s[TAIL_TEXT] = shared;
    // Values, string pointers and guards: the whole record, byte for byte.
    unsigned char before[sizeof host];
    std::memcpy(before, static_cast<const void*>(&host), sizeof host);
    const bool result = Open(host, [&](HWND dlg) {
        Post(dlg, {205, 600, 401});
        SelectCombo(dlg, 114, 2);
        SetItemText(dlg, 101, "changed");
        Post(dlg, {IDCANCEL});
        WaitFor([&] { return !IsWindow(dlg); });
    });
    ok(!result, "Cancel returns false");
    ok(std::memcmp(before, static_cast<const void*>(&host), sizeof host) == 0 && HeaderOf(shared).refs == 2 &&
           host.s[UP_LEFT] == "keep",
       "record untouched, shared count %ld", HeaderOf(shared).refs);
}

void MenusAndPicks() {
    Scenario sc("menus and picks");
    Host host;
    host.v[BASIC1] = 24, host.v[AUX2] = 6, host.v[MIDDLE] = 0, host.v[TAIL + 2] = 1;
    const bool result = Open(host, [&](HWND dlg) {
        CheckMenu(dlg, kBasic, {24});
        CheckMenu(dlg, kAux, {36});
        CheckMenu(dlg, kHead, {});
        CheckMenu(dlg, kTail, {41});
        CheckMenu(dlg, kMiddle, {});
        // 26 after the centred 24 takes its place; 7 joins below; aux 3 above; head 39 and 43.
        Post(dlg, {225, 206, 302, 400, 404, 502});
        CheckMenu(dlg, kBasic, {26, 7});
        CheckMenu(dlg, kAux, {33, 36});
        CheckMenu(dlg, kHead, {39, 43});
        CheckMenu(dlg, kTail, {});
        // A real pick through the menu: the one item of the middle menu.
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(117, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, 117)));
        if (HWND menuWnd = WaitForMenu()) {
            PostMessageW(menuWnd, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(menuWnd, WM_KEYDOWN, VK_RETURN, 0);
            WaitFor([&] { return !IsWindowVisible(menuWnd); }, 2000);
        }
        CheckMenu(dlg, kMiddle, {49});
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    ok(host.v[BASIC1] == 26 && host.v[BASIC2] == 7 && host.v[AUX1] == 3 && host.v[AUX2] == 6 && host.v[MIDDLE] == 1,
       "picks written: %d %d %d %d %d", host.v[BASIC1], host.v[BASIC2], host.v[AUX1], host.v[AUX2], host.v[MIDDLE]);
    ok(host.v[HEAD] == 1 && host.v[HEAD + 4] == 1 && host.v[TAIL + 2] == 0, "head and tail toggles written");
}

void PreviewPixels() {
    Scenario sc("preview");
    Host host;
    const bool result = Open(host, [&](HWND dlg) {
        // Upper and lower symbols, basic and auxiliary, for each line type; centred ones go low.
        for (int lt : {0, 1, 2}) {
            SelectCombo(dlg, 114, lt);
            // The list's change repaints by itself.
            const auto lines = [&] {
                const Capture seen(dlg, false);
                return LineAt(seen, 92) && LineAt(seen, 86) == (lt == 1) && LineAt(seen, 98) == (lt == 2);
            };
            ok(WaitFor(lines, 3000), "line type %d: identification line where it belongs", lt);
            const Capture bare = Bare(dlg);
            const int up = lt == 1 ? 86 : 92, low = lt == 2 ? 98 : 92;
            Post(dlg, {205, 206, 302, 303});
            ExpectPreview(dlg, bare, {{6, 160, up}, {7, 160, low}, {33, 160, up}, {34, 160, low}},
                          "line type %d, V both sides and concave", lt);
            Post(dlg, {205, 206, 302, 303, 223});
            ExpectPreview(dlg, bare, {{24, 160, low}}, "line type %d, centred spot weld", lt);
            Post(dlg, {203, 203});
            ExpectPreview(dlg, bare, {}, "line type %d, cleared", lt);
        }
        // Every symbol by itself on the reference line.
        SelectCombo(dlg, 114, 0);
        const Capture bare = Bare(dlg);
        for (UINT id = 200; id <= 307; id = id == 228 ? 300 : id + 1) {  // basic 1-29, auxiliary 1-8
            const int b = id < 300 ? id - 199 : id - 269;
            Post(dlg, {id});
            ExpectPreview(dlg, bare, {{b, 160, 92}}, "symbol bitmap %d alone", b);
            // A centred symbol stays when picked again: an upper one takes its place, then goes.
            b == 3 || b == 24 || b == 27 ? Post(dlg, {203, 203}) : Post(dlg, {id});
        }
        for (UINT i = 0; i < 5; ++i) {
            Post(dlg, {400 + i, 500 + i});
            const int b = 39 + i;
            ExpectPreview(dlg, bare, {{b, 48, 92}, {b, 372, 92}}, "supplement %d at head and tail", b);
            Post(dlg, {400 + i, 500 + i});
        }
        Post(dlg, {600});
        ExpectPreview(dlg, bare, {{49, 282, 92}}, "middle symbol");
        Post(dlg, {600});
        ExpectPreview(dlg, bare, {}, "all cleared");
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
}

void BadInput() {
    Scenario sc("values out of range");
    ok(!g_weld(nullptr), "null record: false, no dialog");
    Host host;
    const int32_t given[] = {1000, -5, 30, 0, 7, 5};
    std::copy(given, given + 6, host.v);
    const bool result = Open(host, [&](HWND dlg) {
        ok(SendMessageW(GetDlgItem(dlg, 114), CB_GETCURSEL, 0, 0) == CB_ERR, "no line type selected");
        for (const Menu* m : {&kBasic, &kAux, &kMiddle}) CheckMenu(dlg, *m, {});
        const Capture bare = Bare(dlg);
        ok(!LineAt(bare, 86) && !LineAt(bare, 98), "no identification line");
        // Symbols of both sides go on the reference line; the picture is the bare one plus them.
        Post(dlg, {206});
        ExpectPreview(dlg, bare, {{7, 160, 92}}, "lower symbol on y 92");
        // Posted behind the picks, so OK sees them taken.
        Post(dlg, {206, 300, IDOK});
        WaitFor([&] { return !IsWindow(dlg); });
    });
    ok(result, "OK returns true");
    ok(host.v[BASIC1] == 1000 && host.v[BASIC2] == -1 && host.v[AUX1] == 1 && host.v[AUX2] == 0 && host.v[MIDDLE] == 7 &&
           host.v[LINETYPE] == 5,
       "untouched slots come back as they were: %d %d %d %d %d %d", host.v[BASIC1], host.v[BASIC2], host.v[AUX1],
       host.v[AUX2], host.v[MIDDLE], host.v[LINETYPE]);
}

}  // namespace

int main() {
    g_module = LoadModule();
    g_weld = g_module ? TQ_EXPORT(g_module, TQDim_WeldDlg) : nullptr;
    ok(g_weld != nullptr, "TQDim_WeldDlg exported");
    if (!g_weld) return Summary("test_weld");
    TemplateTextsAndStrings();
    CancelWritesNothing();
    MenusAndPicks();
    PreviewPixels();
    BadInput();
    return Summary("test_weld");
}
