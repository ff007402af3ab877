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

const char* kCaption = "焊接符号";

enum Value { BASIC1, BASIC2, AUX1, AUX2, MIDDLE, LINETYPE, HEAD, TAIL = HEAD + 5 };
enum Text { UP_LEFT, UP_MID, UP_RIGHT, DOWN_LEFT, DOWN_MID, DOWN_RIGHT, UP_FAR, DOWN_FAR, RESERVED, TAIL_TEXT };

// The host's record by its layout: sixteen 32-bit values, then ten strings.
struct Host {
    unsigned char guardBefore[32];
    int32_t v[16];
    CString s[10];
    unsigned char guardAfter[32];

    Host() {
        std::memset(guardBefore, 0xCD, sizeof guardBefore);
        std::memset(guardAfter, 0xCD, sizeof guardAfter);
        for (int32_t& x : v) x = 0;
        v[BASIC1] = v[BASIC2] = v[AUX1] = v[AUX2] = v[MIDDLE] = -1;
    }
    WeldRecord* record() { return reinterpret_cast<WeldRecord*>(v); }
    bool GuardsIntact() const {
        for (unsigned char b : guardBefore) if (b != 0xCD) return false;
        for (unsigned char b : guardAfter) if (b != 0xCD) return false;
        return true;
    }
};
static_assert(offsetof(Host, s) - offsetof(Host, v) == 64, "strings follow the sixteen values");

const char* Ptr(const CString& s) { return s; }

bool InModule(const void* p) {
    const auto* base = reinterpret_cast<const unsigned char*>(g_module);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const auto* q = static_cast<const unsigned char*>(p);
    return q >= base && q < base + nt->OptionalHeader.SizeOfImage;
}

bool Open(Host& host, const std::function<void(HWND)>& script) {
    return RunDialog(kCaption, script, [&] { return g_weld(host.record()); });
}

void Post(HWND dlg, UINT command) { PostMessageW(dlg, WM_COMMAND, command, 0); }

// ---- the module's symbol bitmaps, read back as pixels

struct Symbol {
    uint32_t px[32 * 32] = {};
    int ax = -1, ay = -1;  // the red anchor pixel
};

std::vector<uint32_t> Pixels(HBITMAP bitmap, int w, int h) {
    std::vector<uint32_t> px(static_cast<size_t>(w) * h);
    BITMAPINFO bi = Dib32(w, h);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, h, px.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    for (uint32_t& p : px) p &= 0xFFFFFF;
    return px;
}

const Symbol& SymbolOf(int n) {
    static Symbol cache[50];
    static bool loaded[50];
    if (!loaded[n]) {
        loaded[n] = true;
        const std::wstring name = L"WELDS" + std::to_wstring(n);
        HBITMAP bmp = static_cast<HBITMAP>(LoadImageW(g_module, name.c_str(), IMAGE_BITMAP, 0, 0, 0));
        if (bmp) {
            const std::vector<uint32_t> px = Pixels(bmp, 32, 32);
            std::memcpy(cache[n].px, px.data(), sizeof cache[n].px);
            DeleteObject(bmp);
            for (int i = 0; i < 32 * 32; ++i)
                if (px[i] == 0xFF0000) cache[n].ax = i % 32, cache[n].ay = i / 32;
        }
    }
    return cache[n];
}

// ---- the preview

struct Place {
    int bitmap, x, y;  // the symbol's anchor goes on (x, y)
};

// What the preview must show: the picture without symbols, ANDed with every placed bitmap.
// Returns the number of pixels of the preview area that differ.
int Mismatches(const Capture& now, const Capture& bare, const std::vector<Place>& places, std::string* first) {
    int bad = 0;
    for (int y = 30; y < 140; ++y)
        for (int x = 10; x < 430; ++x) {
            uint32_t expect = bare.At(x, y);
            for (const Place& p : places) {
                const Symbol& s = SymbolOf(p.bitmap);
                const int lx = x - (p.x - s.ax), ly = y - (p.y - s.ay);
                if (lx >= 0 && ly >= 0 && lx < 32 && ly < 32) expect &= s.px[ly * 32 + lx];
            }
            if (now.At(x, y) != expect && bad++ == 0 && first) {
                char buf[96];
                std::snprintf(buf, sizeof buf, "(%d,%d) is %06x, expected %06x", x, y, now.At(x, y), expect);
                *first = buf;
            }
        }
    return bad;
}

std::string Describe(const char* fmt, int n = 0) {
    char buf[96];
    std::snprintf(buf, sizeof buf, fmt, n);
    return buf;
}

// Checks that the dialog, repainting on its own, comes to show exactly `places` over `bare`.
void ExpectPreview(HWND dlg, const Capture& bare, const std::vector<Place>& places, const std::string& what) {
    int bad = 0;
    std::string first;
    WaitFor([&] { return (bad = Mismatches(Capture(dlg, false), bare, places, &first)) == 0; }, 3000);
    ok(bad == 0, "%s: %d pixels differ, first %s", what.c_str(), bad, first.c_str());
}

// The controls stand over the preview; hidden, the picture is the painting alone.
void HideControls(HWND dlg) {
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ShowWindow(c, SW_HIDE);
}

// A picture of the preview with the reference line painted (the first paint may be pending).
Capture Bare(HWND dlg) {
    WaitFor([&] { return Capture(dlg).IsBlack(200, 92); }, 3000);
    return Capture(dlg);
}

bool LineAt(const Capture& cap, int y) {
    for (int x = 60; x < 360; x += 7)
        if (!cap.IsBlack(x, y)) return false;
    return true;
}

// ---- menus

struct Item {
    UINT id, type, state;
    HBITMAP bitmap;
};
std::vector<Item> Items(HMENU menu) {
    std::vector<Item> items;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_ID | MIIM_TYPE | MIIM_STATE;
        GetMenuItemInfoW(menu, i, TRUE, &mii);
        items.push_back({mii.wID, mii.fType, mii.fState, reinterpret_cast<HBITMAP>(mii.dwTypeData)});
    }
    return items;
}

struct MenuSpec {
    int button;
    POINT at;                 // client point of the menu's top right corner
    std::vector<int> bitmaps;
    UINT firstCommand;
};

// Opens a menu by its button, checks its items (bitmaps, commands, checks, columns) and its
// place, closes it, and checks that the menu and its bitmaps are gone.
void CheckMenu(HWND dlg, const MenuSpec& spec, const std::vector<int>& checked) {
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(spec.button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, spec.button)));
    HWND menuWnd = WaitForMenu();
    ok(menuWnd != nullptr, "menu %d opens", spec.button);
    if (!menuWnd) return;
    HMENU menu = MenuOfWindow(menuWnd);
    const std::vector<Item> items = Items(menu);
    ok(items.size() == spec.bitmaps.size(), "menu %d has %d items", spec.button, static_cast<int>(items.size()));
    for (size_t i = 0; i < items.size() && i < spec.bitmaps.size(); ++i) {
        const int n = spec.bitmaps[i];
        const bool wantCheck = std::find(checked.begin(), checked.end(), n) != checked.end();
        const bool wantBreak = spec.bitmaps.size() > 9 && (i == 9 || i == 18 || i == 27);
        ok(items[i].id == spec.firstCommand + i, "menu %d item %d id %u", spec.button, (int)i, items[i].id);
        ok(((items[i].state & MFS_CHECKED) != 0) == wantCheck, "menu %d item %d (bitmap %d) checked %d", spec.button,
           (int)i, n, (items[i].state & MFS_CHECKED) != 0);
        ok(((items[i].type & MFT_MENUBARBREAK) != 0) == wantBreak, "menu %d item %d column break", spec.button, (int)i);
        const std::vector<uint32_t> px = items[i].bitmap ? Pixels(items[i].bitmap, 32, 32) : std::vector<uint32_t>();
        ok((items[i].type & MFT_BITMAP) && px.size() == 1024 &&
               std::memcmp(px.data(), SymbolOf(n).px, sizeof SymbolOf(n).px) == 0,
           "menu %d item %d shows bitmap %d", spec.button, (int)i, n);
    }
    RECT rc{};
    GetWindowRect(menuWnd, &rc);
    POINT at = spec.at;
    ClientToScreen(dlg, &at);
    ok(std::abs(rc.right - at.x) <= 2 && std::abs(rc.top - at.y) <= 2, "menu %d at (%ld,%ld)-(%ld,..), point (%ld,%ld)",
       spec.button, rc.left, rc.top, rc.right, at.x, at.y);
    DismissMenu(menuWnd, dlg);
    ok(WaitFor([&] { return !IsMenu(menu); }, 2000), "menu %d destroyed after closing", spec.button);
    bool bitmapsGone = true;
    for (const Item& it : items) bitmapsGone = bitmapsGone && GetObjectType(it.bitmap) == 0;
    ok(bitmapsGone, "menu %d bitmaps deleted after closing", spec.button);
}

std::vector<int> Range(int first, int last) {
    std::vector<int> v;
    for (int i = first; i <= last; ++i) v.push_back(i);
    return v;
}

const MenuSpec kBasicMenu{110, {468, 16}, Range(1, 29), 200};
const MenuSpec kAuxMenu{111, {468, 45}, Range(31, 38), 300};
const MenuSpec kHeadMenu{112, {468, 88}, Range(39, 43), 400};
const MenuSpec kTailMenu{113, {468, 148}, Range(39, 43), 500};
const MenuSpec kMiddleMenu{117, {468, 118}, {49}, 600};

// ---- scenarios

void TemplateTextsAndStrings() {
    Scenario sc("template, texts and the string contract");
    Host host;
    host.v[BASIC1] = 6;
    host.v[BASIC2] = 7;
    host.v[AUX1] = 3;
    host.v[LINETYPE] = 2;
    host.v[HEAD + 1] = 1;
    host.v[TAIL + 4] = 1;
    host.s[UP_LEFT] = "a1";                    // count 1
    CString sharedMid(Gbk("焊脚").c_str());
    host.s[UP_MID] = sharedMid;                 // count 2
    LockedBlock locked("neg");
    locked.PutInto(host.s[UP_RIGHT]);           // count -1
    host.s[DOWN_MID] = std::string(10000, 'x').c_str();
    host.s[DOWN_RIGHT] = "\x81\x20\xFF\xFE";   // not GBK
    host.s[UP_FAR] = Gbk("焊接").c_str();
    host.s[TAIL_TEXT] = "tail";
    CString sharedReserved("reserved");
    host.s[RESERVED] = sharedReserved;
    const char* emptyBefore = Ptr(host.s[DOWN_LEFT]);
    const char* midBefore = Ptr(host.s[UP_MID]);
    const char* reservedBefore = Ptr(host.s[RESERVED]);
    const char* upFarBefore = Ptr(host.s[UP_FAR]);

    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        // Controls where the template puts them, in dialog units.
        struct Ctl {
            int id;
            const wchar_t* cls;
            RECT dlu;
        };
        const Ctl ctls[] = {
            {101, L"Edit", {43, 22, 24, 12}},  {102, L"Edit", {68, 10, 24, 12}},   {103, L"Edit", {93, 22, 24, 12}},
            {115, L"Edit", {155, 22, 24, 12}}, {106, L"Edit", {43, 60, 24, 12}},   {105, L"Edit", {68, 72, 24, 12}},
            {104, L"Edit", {93, 60, 24, 12}},  {116, L"Edit", {155, 60, 24, 12}},  {107, L"Edit", {2, 41, 24, 12}},
            {108, L"Edit", {197, 41, 24, 12}}, {110, L"Button", {234, 8, 55, 14}}, {111, L"Button", {234, 24, 55, 14}},
            {112, L"Button", {234, 47, 55, 14}}, {117, L"Button", {234, 63, 55, 14}}, {113, L"Button", {234, 79, 55, 14}},
            {114, L"ComboBox", {20, 102, 48, 0}}, {1, L"Button", {164, 102, 55, 14}}, {2, L"Button", {235, 102, 54, 14}},
        };
        for (const Ctl& c : ctls) {
            HWND w = GetDlgItem(dlg, c.id);
            wchar_t cls[32] = {};
            GetClassNameW(w, cls, 32);
            // Positions and sizes are converted each by itself, as the dialog manager does.
            RECT want = c.dlu;
            MapDialogRect(dlg, &want);
            want.right += want.left;
            want.bottom += want.top;
            RECT got{};
            GetWindowRect(w, &got);
            MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&got), 2);
            ok(w && _wcsicmp(cls, c.cls) == 0 && got.left == want.left && got.top == want.top &&
                   got.right == want.right && (c.dlu.bottom == 0 || got.bottom == want.bottom),
               "control %d: class %ls at (%ld,%ld,%ld,%ld), template (%ld,%ld,%ld,%ld)", c.id, cls, got.left, got.top,
               got.right, got.bottom, want.left, want.top, want.right, want.bottom);
            if (std::wstring(c.cls) == L"Edit")
                ok(SendMessageW(w, EM_GETLIMITTEXT, 0, 0) == 40, "edit %d limited to 40", c.id);
        }
        LOGFONTW lf{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0)), sizeof lf, &lf);
        HDC screen = GetDC(nullptr);
        const int height = -MulDiv(11, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        ok(Utf8(lf.lfFaceName) == "宋体" && lf.lfHeight == height, "dialog font %s %ld", Utf8(lf.lfFaceName).c_str(),
           lf.lfHeight);
        ok((GetWindowLongW(GetDlgItem(dlg, 1), GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON, "OK is the default button");
        ok((GetWindowLongW(GetDlgItem(dlg, 114), GWL_STYLE) & 3) == CBS_DROPDOWNLIST, "114 is a drop-down list");
        ok(ItemText(dlg, 1) == "确定" && ItemText(dlg, 2) == "取消" && ItemText(dlg, 110) == "基准符号" &&
               ItemText(dlg, 111) == "辅助符号" && ItemText(dlg, 112) == "头部补充符号" &&
               ItemText(dlg, 117) == "中部补充符号" && ItemText(dlg, 113) == "尾部补充符号",
           "button texts");

        ok(ItemText(dlg, 101) == "a1" && ItemText(dlg, 102) == "焊脚" && ItemText(dlg, 103) == "neg" &&
               ItemText(dlg, 106).empty() && ItemText(dlg, 115) == "焊接" && ItemText(dlg, 116).empty() &&
               ItemText(dlg, 108) == "tail",
           "record texts shown: 101 \"%s\" 102 \"%s\" 103 \"%s\" 115 \"%s\"", ItemText(dlg, 101).c_str(),
           ItemText(dlg, 102).c_str(), ItemText(dlg, 103).c_str(), ItemText(dlg, 115).c_str());
        ok(ItemText(dlg, 105) == std::string(40, 'x'), "a long text shows its first 40 characters (%d)",
           static_cast<int>(ItemText(dlg, 105).size()));
        ok(!Visible(dlg, 107) && ItemText(dlg, 107).empty(), "107 hidden and empty");
        const auto types = ComboItems(dlg, 114);
        ok(types.size() == 3 && types[0] == "没有虚线" && types[1] == "虚线在上" && types[2] == "虚线在下",
           "line type list");
        ok(SendMessageW(GetDlgItem(dlg, 114), CB_GETCURSEL, 0, 0) == 2, "line type 2 selected");

        // Typing never changes a symbol; unchanged fields keep the host's strings.
        SetItemText(dlg, 101, "新");
        SetItemText(dlg, 103, "");
        SetItemText(dlg, 116, "k");
        SetItemText(dlg, 107, "never read");
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    ok(host.v[BASIC1] == 6 && host.v[BASIC2] == 7 && host.v[AUX1] == 3 && host.v[AUX2] == -1 &&
           host.v[MIDDLE] == -1 && host.v[LINETYPE] == 2 && host.v[HEAD + 1] == 1 && host.v[TAIL + 4] == 1 &&
           host.v[HEAD] == 0 && host.v[TAIL] == 0,
       "values written back unchanged");
    ok(host.GuardsIntact(), "guard bytes untouched");

    ok(std::string(host.s[UP_LEFT]) == Gbk("新") && HeaderOf(host.s[UP_LEFT]).refs == 1, "changed text: \"%s\" count %ld",
       Utf8FromGbk(std::string(host.s[UP_LEFT])).c_str(), HeaderOf(host.s[UP_LEFT]).refs);
    ok(Ptr(host.s[UP_MID]) == midBefore && HeaderOf(sharedMid).refs == 2, "unchanged shared string kept, count %ld",
       HeaderOf(sharedMid).refs);
    ok(host.s[UP_RIGHT].GetLength() == 0 && HeaderOf(host.s[UP_RIGHT]).refs > 0 && Ptr(host.s[UP_RIGHT]) != locked.chars(),
       "emptied field owns heap data: count %ld", HeaderOf(host.s[UP_RIGHT]).refs);
    ok(locked.header->refs == -1 && std::strcmp(locked.chars(), "neg") == 0, "negative count and its text untouched");
    ok(Ptr(host.s[DOWN_LEFT]) == emptyBefore, "an unchanged empty field keeps the host's own empty string");
    ok(host.s[DOWN_MID] == std::string(40, 'x').c_str() && HeaderOf(host.s[DOWN_MID]).refs == 1, "long text cut to 40");
    ok(Ptr(host.s[UP_FAR]) == upFarBefore && HeaderOf(host.s[UP_FAR]).refs == 1, "unchanged GBK text kept");
    ok(host.s[DOWN_FAR] == "k", "116 read: \"%s\"", host.s[DOWN_FAR].c_str());
    ok(Ptr(host.s[RESERVED]) == reservedBefore && HeaderOf(sharedReserved).refs == 2,
       "strReserved comes back as it was, count %ld", HeaderOf(sharedReserved).refs);
    ok(host.s[TAIL_TEXT] == "tail", "tail text");
    for (int i = 0; i < 10; ++i) {
        ok(!InModule(Ptr(host.s[i])), "string %d does not point into the module", i);
        ok(HeaderOf(host.s[i]).refs != 0, "string %d has a live count", i);
    }
    locked.TakeBackFrom(host.s[UP_RIGHT]);
}

void CancelWritesNothing() {
    Scenario sc("cancel");
    Host host;
    host.v[BASIC1] = 4;
    host.v[LINETYPE] = 1;
    host.s[UP_LEFT] = "keep";
    CString shared("shared");
    host.s[TAIL_TEXT] = shared;
    Host before;
    std::memcpy(before.v, host.v, sizeof host.v);
    const char* ptrs[10];
    for (int i = 0; i < 10; ++i) ptrs[i] = Ptr(host.s[i]);
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        Post(dlg, 205);
        Post(dlg, 600);
        Post(dlg, 401);
        SelectCombo(dlg, 114, 2);
        SetItemText(dlg, 101, "changed");
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        WaitFor([&] { return !IsWindow(dlg); });
    });
    ok(!result, "Cancel returns false");
    ok(std::memcmp(host.v, before.v, sizeof host.v) == 0, "values untouched");
    bool same = true;
    for (int i = 0; i < 10; ++i) same = same && Ptr(host.s[i]) == ptrs[i];
    ok(same && HeaderOf(shared).refs == 2 && host.s[UP_LEFT] == "keep", "strings untouched, count %ld",
       HeaderOf(shared).refs);
    ok(host.GuardsIntact(), "guard bytes untouched");
}

void MenusAndPicks() {
    Scenario sc("menus and picks");
    Host host;
    host.v[BASIC1] = 24;
    host.v[AUX2] = 6;
    host.v[MIDDLE] = 0;
    host.v[TAIL + 2] = 1;
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        CheckMenu(dlg, kBasicMenu, {24});
        CheckMenu(dlg, kAuxMenu, {36});
        CheckMenu(dlg, kHeadMenu, {});
        CheckMenu(dlg, kTailMenu, {41});
        CheckMenu(dlg, kMiddleMenu, {});
        // 26 after the centred 24 takes its place; 7 joins below; aux 3 above; head 39 and 43.
        for (UINT id : {225u, 206u, 302u, 400u, 404u, 502u}) Post(dlg, id);
        CheckMenu(dlg, kBasicMenu, {26, 7});
        CheckMenu(dlg, kAuxMenu, {33, 36});
        CheckMenu(dlg, kHeadMenu, {39, 43});
        CheckMenu(dlg, kTailMenu, {});
        // A real pick through the menu: the one item of the middle menu.
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(117, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, 117)));
        if (HWND menuWnd = WaitForMenu()) {
            PostMessageW(menuWnd, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(menuWnd, WM_KEYDOWN, VK_RETURN, 0);
            WaitFor([&] { return !IsWindowVisible(menuWnd); }, 2000);
        }
        CheckMenu(dlg, kMiddleMenu, {49});
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
        if (!dlg) return ok(false, "dialog did not appear");
        HideControls(dlg);
        // Upper and lower symbols, basic and auxiliary, for each line type; centred ones go low.
        for (int lt : {0, 1, 2}) {
            SelectCombo(dlg, 114, lt);
            // The list's change repaints by itself.
            Capture seen(dlg, false);
            WaitFor([&] {
                seen = Capture(dlg, false);
                return LineAt(seen, 92) && LineAt(seen, 86) == (lt == 1) && LineAt(seen, 98) == (lt == 2);
            }, 3000);
            ok(LineAt(seen, 92) && LineAt(seen, 86) == (lt == 1) && LineAt(seen, 98) == (lt == 2),
               "line type %d: identification line above %d below %d", lt, LineAt(seen, 86), LineAt(seen, 98));
            const Capture bare = Bare(dlg);
            const int up = lt == 1 ? 86 : 92, low = lt == 2 ? 98 : 92;
            for (UINT id : {205u, 206u, 302u, 303u}) Post(dlg, id);
            ExpectPreview(dlg, bare, {{6, 160, up}, {7, 160, low}, {33, 160, up}, {34, 160, low}},
                          Describe("line type %d, V both sides and concave", lt));
            for (UINT id : {205u, 206u, 302u, 303u, 223u}) Post(dlg, id);
            ExpectPreview(dlg, bare, {{24, 160, low}}, Describe("line type %d, centred spot weld", lt));
            for (UINT id : {203u, 203u}) Post(dlg, id);
            ExpectPreview(dlg, bare, {}, Describe("line type %d, cleared", lt));
        }
        // Every symbol by itself on the reference line.
        SelectCombo(dlg, 114, 0);
        const Capture bare = Bare(dlg);
        for (int n = 1; n <= 29; ++n) {
            Post(dlg, 199 + n);
            ExpectPreview(dlg, bare, {{n, 160, 92}}, Describe("basic %d", n));
            const bool centred = n == 3 || n == 24 || n == 27;
            for (UINT id : centred ? std::vector<UINT>{203, 203} : std::vector<UINT>{199u + n}) Post(dlg, id);
        }
        for (int v = 1; v <= 8; ++v) {
            Post(dlg, 299 + v);
            ExpectPreview(dlg, bare, {{30 + v, 160, 92}}, Describe("auxiliary %d", v));
            Post(dlg, 299 + v);
        }
        for (int i = 0; i < 5; ++i) {
            Post(dlg, 400 + i);
            Post(dlg, 500 + i);
            ExpectPreview(dlg, bare, {{39 + i, 48, 92}, {39 + i, 372, 92}},
                          Describe("supplement %d at head and tail", 39 + i));
            Post(dlg, 400 + i);
            Post(dlg, 500 + i);
        }
        Post(dlg, 600);
        ExpectPreview(dlg, bare, {{49, 282, 92}}, Describe("middle symbol"));
        Post(dlg, 600);
        ExpectPreview(dlg, bare, {}, Describe("all cleared"));
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
}

void BadInput() {
    Scenario sc("values out of range");
    ok(!g_weld(nullptr), "null record: false, no dialog");
    Host host;
    host.v[BASIC1] = 1000;
    host.v[BASIC2] = -5;
    host.v[AUX1] = 30;
    host.v[AUX2] = 0;
    host.v[MIDDLE] = 7;
    host.v[LINETYPE] = 5;
    const bool result = Open(host, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        ok(SendMessageW(GetDlgItem(dlg, 114), CB_GETCURSEL, 0, 0) == CB_ERR, "no line type selected");
        CheckMenu(dlg, kBasicMenu, {});
        CheckMenu(dlg, kAuxMenu, {});
        CheckMenu(dlg, kMiddleMenu, {});
        HideControls(dlg);
        const Capture bare = Bare(dlg);
        ok(!LineAt(bare, 86) && !LineAt(bare, 98), "no identification line");
        // Symbols of both sides go on the reference line; the picture is the bare one plus them.
        Post(dlg, 206);
        ExpectPreview(dlg, bare, {{7, 160, 92}}, Describe("lower symbol on y 92"));
        Post(dlg, 206);
        Post(dlg, 300);
        // Posted behind the picks, so OK sees them taken.
        PostMessageW(dlg, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return !IsWindow(dlg); });
    });
    ok(result, "OK returns true");
    ok(host.v[BASIC1] == 1000 && host.v[BASIC2] == -1 && host.v[AUX1] == 1 && host.v[AUX2] == 0 &&
           host.v[MIDDLE] == 7 && host.v[LINETYPE] == 5,
       "untouched slots come back as they were: %d %d %d %d %d %d", host.v[BASIC1], host.v[BASIC2], host.v[AUX1],
       host.v[AUX2], host.v[MIDDLE], host.v[LINETYPE]);
}

}  // namespace

int main() {
    g_module = LoadModule();
    g_weld = g_module ? Export<decltype(&TQDim_WeldDlg)>(g_module, "TQDim_WeldDlg") : nullptr;
    ok(g_weld != nullptr, "TQDim_WeldDlg exported");
    if (!g_weld) return Summary("test_weld");
    TemplateTextsAndStrings();
    CancelWritesNothing();
    MenusAndPicks();
    PreviewPixels();
    BadInput();
    return Summary("test_weld");
}
