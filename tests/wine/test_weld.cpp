// The weld symbol dialog through the real export, as a host calls it: a record of sixteen
// values and ten framework strings between guard bytes, strings with reference counts 1, 2
// and -1, the dialog scripted from a second thread, menus read back item by item, the preview
// checked pixel by pixel against the module's own bitmaps.
#include <algorithm>
#include <cstring>

#include "entry/exports_weld.h"
#include "tests/host_strings.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

decltype(&TQDim_WeldDlg) g_weld;
HMODULE g_module;

enum Text { UP_LEFT, UP_MID, UP_RIGHT, DOWN_LEFT, DOWN_MID, DOWN_RIGHT, UP_FAR, DOWN_FAR, RESERVED, TAIL_T };

// The host's record by its layout: sixteen 32-bit values (symbols empty), then ten strings.
struct Host {
    unsigned char guard0[32];
    int32_t v[16] = {-1, -1, -1, -1, -1};
    CString s[10];
    unsigned char guard1[32];
    Host() { std::memset(guard0, 0xCD, 32), std::memset(guard1, 0xCD, 32); }
    bool GuardsIntact() const {
        return std::count(guard0, guard0 + 32, 0xCD) + std::count(guard1, guard1 + 32, 0xCD) == 64;
    }
};

const char* Ptr(const CString& s) { return s; }

// The script ends by posting its closing command (behind anything it posted before).
bool Open(Host& host, const std::function<void(HWND)>& script) {
    return RunDialog("焊接符号", [&](HWND dlg) {
        dlg ? script(dlg) : ok(false, "dialog did not appear");
        WaitFor([&] { return !IsWindow(dlg); });
    }, [&] { return g_weld(reinterpret_cast<WeldRecord*>(host.v)); });
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
    return px;
}

// A symbol bitmap of the module and its red anchor pixel.
struct Symbol { std::vector<uint32_t> px; int ax = -1, ay = -1; };

const Symbol& SymbolOf(int n) {
    static Symbol cache[50];
    Symbol& s = cache[n];
    if (s.px.empty()) {
        const std::wstring name = L"WELDS" + std::to_wstring(n);
        HBITMAP bmp = static_cast<HBITMAP>(LoadImageW(g_module, name.c_str(), IMAGE_BITMAP, 0, 0, 0));
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
// bitmap, and checks the preview area pixel by pixel.
void ExpectPreview(HWND dlg, const Capture& bare, std::vector<Place> places, int lt, const char* what) {
    int bad = 0, fx = 0, fy = 0;
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
                if (now.At(x, y) != expect && bad++ == 0) fx = x, fy = y;
            }
        return bad == 0;
    }, 3000);
    ok(bad == 0, "line type %d, %s: %d pixels differ, first (%d,%d)", lt, what, bad, fx, fy);
}

// A picture of the preview with the reference line painted (the first paint may be pending),
// the controls that stand over it hidden.
Capture Bare(HWND dlg) {
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ShowWindow(c, SW_HIDE);
    WaitFor([&] { return Capture(dlg).IsBlack(200, 92); }, 3000);
    return Capture(dlg);
}

// ---- menus

struct Menu { int button, firstBitmap, count; UINT firstCommand; std::vector<int> checked; };

// Opens a menu by its button (posted: the menu's own loop holds the dialog's thread), checks its
// items (bitmaps, commands, checks, columns of nine) and closes it, with a pick of the first item
// when `pick`.
void CheckMenu(HWND dlg, const Menu& m, bool pick = false) {
    Post(dlg, {static_cast<UINT>(m.button)});
    HWND menuWnd = WaitForMenu();
    if (!menuWnd) return ok(false, "menu %d does not open", m.button);
    HMENU menu = MenuOfWindow(menuWnd);
    ok(GetMenuItemCount(menu) == m.count, "menu %d has %d items", m.button, GetMenuItemCount(menu));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii, mii.fMask = MIIM_ID | MIIM_TYPE | MIIM_STATE;
        GetMenuItemInfoW(menu, i, TRUE, &mii);
        const int b = m.firstBitmap + i;
        const bool check = (mii.fState & MFS_CHECKED) != 0, brk = (mii.fType & MFT_MENUBARBREAK) != 0;
        const bool want = std::find(m.checked.begin(), m.checked.end(), b) != m.checked.end();
        ok(mii.wID == m.firstCommand + i && check == want && brk == (i > 0 && i % 9 == 0) &&
               (mii.fType & MFT_BITMAP) && Pixels(reinterpret_cast<HBITMAP>(mii.dwTypeData)) == SymbolOf(b).px,
           "menu %d item %d: id %u, checked %d, column break %d, type %x, bitmap %d", m.button, i, mii.wID,
           check, brk, mii.fType, b);
    }
    if (pick) PostMessageW(menuWnd, WM_KEYDOWN, VK_DOWN, 0), PostMessageW(menuWnd, WM_KEYDOWN, VK_RETURN, 0);
    if (!pick || !WaitFor([&] { return !IsWindowVisible(menuWnd); }, 2000)) DismissMenu(menuWnd, dlg);
}

// ---- scenarios

void TextsMenusAndPicks() {
    Scenario sc("texts, menus, picks and the string contract");
    Host host;
    // Aux 30 and line type 5 are out of range: shown as nothing, written back as they were.
    const int32_t given[16] = {24, -1, 30, 6, 0, 5, 0, 1, 0, 0, 0, 0, 0, 1, 0, 1};
    std::copy(given, given + 16, host.v);
    host.s[UP_LEFT] = "a1";                     // count 1
    CString sharedMid(Gbk("焊脚").c_str());
    host.s[UP_MID] = sharedMid;                 // count 2
    LockedBlock locked("neg");
    locked.PutInto(host.s[UP_RIGHT]);           // count -1
    host.s[DOWN_MID] = std::string(10000, 'x').c_str();
    host.s[DOWN_RIGHT] = "\x81\x20\xFF\xFE";    // not GBK
    CString sharedReserved("reserved");
    host.s[RESERVED] = sharedReserved;
    const char* before[10];
    for (int i = 0; i < 10; ++i) before[i] = Ptr(host.s[i]);

    const bool result = Open(host, [&](HWND dlg) {
        ok(ItemText(dlg, 102) == "焊脚" && ItemText(dlg, 103) == "neg" && ItemText(dlg, 106).empty() &&
               !Visible(dlg, 107), "texts shown (GBK, count -1, not GBK), 107 hidden");
        const Menu menus[] = {{110, 1, 29, 200, {24}}, {111, 31, 8, 300, {36}}, {112, 39, 5, 400, {40}},
                              {113, 39, 5, 500, {41, 43}}};
        for (const Menu& m : menus) CheckMenu(dlg, m);
        // A real pick through a menu: the one item of the middle menu.
        CheckMenu(dlg, {117, 49, 1, 600, {}}, true);
        // 26 after the centred 24 takes its place, 7 joins below; head 39 and 43 on, tail 41 off.
        Post(dlg, {225, 206, 400, 404, 502});
        // Typing never changes a symbol; unchanged fields keep the host's strings.
        for (auto [id, typed] : {std::pair{101, "新"}, {103, ""}, {116, "k"}, {107, "never read"}})
            SetItemText(dlg, id, typed);
        Post(dlg, {IDOK});  // behind the picks, so OK sees them taken
    });
    ok(result, "OK returns true");
    const int32_t want[16] = {26, 7, 30, 6, 1, 5, 1, 1, 0, 0, 1, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i) ok(host.v[i] == want[i], "value %d written back: %d", i, host.v[i]);
    ok(host.GuardsIntact(), "guard bytes untouched");
    ok(host.s[UP_LEFT] == Gbk("新").c_str() && HeaderOf(host.s[UP_LEFT]).refs == 1, "changed text written");
    for (int i : {UP_MID, DOWN_LEFT, UP_FAR, RESERVED, TAIL_T})
        ok(Ptr(host.s[i]) == before[i], "unchanged string %d kept (the hidden edit's too), not copied", i);
    for (const CString& text : host.s) {
        MEMORY_BASIC_INFORMATION mbi{};
        VirtualQuery(Ptr(text), &mbi, sizeof mbi);
        ok(mbi.AllocationBase != g_module && HeaderOf(text).refs != 0, "\"%s\" in the module", Ptr(text));
    }
    ok(HeaderOf(sharedMid).refs == 2 && HeaderOf(sharedReserved).refs == 2, "counts of kept strings");
    ok(host.s[UP_RIGHT].GetLength() == 0 && HeaderOf(host.s[UP_RIGHT]).refs > 0,
       "emptied field owns heap data, not a shared empty string: count %ld", HeaderOf(host.s[UP_RIGHT]).refs);
    ok(locked.header->refs == -1 && std::strcmp(locked.chars(), "neg") == 0, "count -1 and text untouched");
    ok(host.s[DOWN_MID] == std::string(40, 'x').c_str() && HeaderOf(host.s[DOWN_MID]).refs == 1,
       "long text cut to 40");
    ok(host.s[DOWN_FAR] == "k", "116 read: \"%s\"", host.s[DOWN_FAR].c_str());
    locked.TakeBackFrom(host.s[UP_RIGHT]);
}

void PreviewThenCancel() {
    Scenario sc("preview, then Cancel");
    Host host;
    CString shared("shared");
    host.s[TAIL_T] = shared;
    // Values, string pointers and guards: the whole record, byte for byte.
    std::vector<unsigned char> before(sizeof host);
    std::memcpy(before.data(), static_cast<const void*>(&host), sizeof host);
    const bool result = Open(host, [&](HWND dlg) {
        // Upper and lower symbols, basic and auxiliary, for each line type, a supplement at head
        // and at tail, the middle symbol; then a centred one, which goes low.
        Bare(dlg);  // the controls over the preview hidden, the first paint done
        for (int lt : {1, 2, 0}) {  // each a change of the list
            SelectCombo(dlg, 114, lt);
            const Capture bare = Bare(dlg);  // the reference line at 92 black
            ok(bare.IsBlack(200, 86) == (lt == 1) && bare.IsBlack(200, 98) == (lt == 2), "line of type %d", lt);
            const int up = lt == 1 ? 86 : 92, low = lt == 2 ? 98 : 92;
            Post(dlg, {205, 206, 302, 303, 400u + lt, 502u + lt, 600});  // head 400 + lt, tail 502 + lt
            const std::vector<Place> symbols = {{6, 160, up}, {7, 160, low}, {33, 160, up}, {34, 160, low},
                                                {39 + lt, 48, 92}, {41 + lt, 372, 92}, {49, 282, 92}};
            ExpectPreview(dlg, bare, symbols, lt, "V both sides, concave, supplements, middle");
            Post(dlg, {205, 206, 302, 303, 400u + lt, 502u + lt, 600, 223});
            ExpectPreview(dlg, bare, {{24, 160, low}}, lt, "centred spot weld");
            Post(dlg, {203, 203});
            ExpectPreview(dlg, bare, {}, lt, "cleared");
        }
        Post(dlg, {205, 600, 401});
        SetItemText(dlg, 101, "changed");
        Post(dlg, {IDCANCEL});
    });
    ok(!result && !std::memcmp(before.data(), static_cast<const void*>(&host), sizeof host) &&
           HeaderOf(shared).refs == 2,
       "Cancel returns false, record untouched, shared count %ld", HeaderOf(shared).refs);
}

}  // namespace

int main() {
    g_module = LoadModule();
    g_weld = g_module ? TQ_EXPORT(g_module, TQDim_WeldDlg) : nullptr;
    ok(g_weld != nullptr, "TQDim_WeldDlg exported");
    if (!g_weld) return Summary("test_weld");
    TextsMenusAndPicks();
    PreviewThenCancel();
    return Summary("test_weld");
}
