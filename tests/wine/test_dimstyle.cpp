// The dimension style sheet through the real export, as a host calls it: both records laid
// out by byte offsets (independently of the module's structs) between guard bytes, their
// unused bytes filled with a pattern, the sheet scripted from a second thread, and the records
// compared byte for byte with what the user's actions must give. Dorn.dll is a double beside
// this program that calls this program's own recording functions; built with
// TQ_TEST_WITHOUT_DORN the program runs from a directory without any Dorn.dll.
#include <algorithm>
#include <cstring>
#include <string>

#include "entry/exports_dimstyle.h"
#include "inhouse/Dorn.h"
#include "inhouse/TqColorCmb.h"
#include "tests/wine/winetest.h"

#include <commctrl.h>

using namespace winetest;

namespace {

decltype(&TQDim_SetupDlg) g_setup;

// Offsets of the host's style record; from ITEM on, of its item-number record.
enum : int { TEXTFLAGS = 0, FONTCODE = 4, LOGFONT = 8, DIMSIZE = 68, TOLSIZE = 72, SYMSIZE = 76,
             DIMSPACE = 80, TOLSPACE = 84, EXTLEN = 92, FLAGS = 96, ARROWTYPE = 99, SOLID = 100,
             ANGLE = 104, ARROWLEN = 108, SLANT = 112, DMS = 120, TOLDEC = 124, TOLZEROS = 128,
             DIMDEC = 132, DIMZEROS = 136, AUTOHIDE = 152, COLOR = 156, STYLE_SIZE = 160,
             ITEM = 1000, SYMLEN = ITEM, ITEMTEXT = ITEM + 4, SYMSIZE_ITEM = ITEM + 12, ITEM_SIZE = 16 };

// Control ids: text page, line page, sheet.
enum : int { T_DIM = 10146, T_TOL = 10147, T_DIMSPACE = 10149, T_TOLSPACE = 10150, T_DIMDEC = 124,
             T_TOLDEC = 126, T_DIMZEROS = 10137, T_TOLZEROS = 10136, T_HIDDEN = 1181, T_INLINE = 1185,
             T_SYMSIZE = 10066, T_SYMLEN = 10065, T_DMS = 1044, T_FULLWIDTH = 1119, T_FONT = 1220 };
enum : int { L_LEFT = 1171, L_RIGHT = 1172, L_SLANT = 1151, L_UNBROKEN = 1181, L_SOLID = 2000, L_LEN = 1152,
             L_ANGLE = 1153, L_EXT = 1154, L_IN = 1183, L_AUTOHIDE = 1170, L_COLOR = 10145, TABS = 10174,
             APPLY = 1220 };

struct Host {
    unsigned char guard0[32];
    unsigned char style[STYLE_SIZE];
    unsigned char guard1[32];
    unsigned char item[ITEM_SIZE];
    unsigned char guard2[32];

    // A typical drawing's settings. The unused ranges hold a pattern the module must leave, and
    // so do the font's other bytes; the face name fills its 32 bytes without a terminator.
    Host() {
        std::memset(this, 0xCD, sizeof *this);
        std::memset(style, 0xA5, sizeof style);
        std::memset(item, 0xA5, sizeof item);
        std::memset(style + LOGFONT + 28, 'F', 32);
        Put({{TEXTFLAGS, 0x80000000u}, {FONTCODE, 3}, {LOGFONT, -20}, {LOGFONT + 16, 400}, {DIMSIZE, 3.5},
             {TOLSIZE, 2.5}, {SYMSIZE, 5}, {DIMSPACE, 0.5}, {TOLSPACE, 0.25}, {EXTLEN, 2}, {FLAGS, 0x2E21},
             {ARROWTYPE, 0}, {SOLID, 1}, {ANGLE, 15}, {ARROWLEN, 4}, {SLANT, 30}, {DMS, 0}, {TOLDEC, 3},
             {TOLZEROS, 1}, {DIMDEC, 2}, {DIMZEROS, 0}, {AUTOHIDE, 1}, {COLOR, 5}, {SYMLEN, 8}, {ITEMTEXT, 5},
             {SYMSIZE_ITEM, 7}});
    }
    // Writes each field with the width and type the host's layout gives it.
    void Put(std::initializer_list<std::pair<int, double>> fields) {
        for (auto [off, v] : fields) {
            unsigned char* at = off >= ITEM ? item + off - ITEM : style + off;
            const bool real = off >= ITEM || (off >= DIMSIZE && off <= EXTLEN) || (off >= ANGLE && off <= SLANT);
            const float f = static_cast<float>(v);
            const uint32_t i = real ? 0 : static_cast<uint32_t>(static_cast<int64_t>(v));
            std::memcpy(at, real ? static_cast<const void*>(&f) : &i,
                        off == ARROWTYPE || off == SOLID ? 1 : off == FLAGS ? 2 : 4);
        }
    }
};

// Both records and their guards as `want` has them, or the first byte that differs.
void Same(const Host& got, const Host& want, const char* what) {
    const auto* a = reinterpret_cast<const unsigned char*>(&got);
    const auto* b = reinterpret_cast<const unsigned char*>(&want);
    const std::size_t i = std::mismatch(a, a + sizeof got, b).first - a;
    ok(i == sizeof got, "%s: host byte %zu (style from 32, item from 224) is %02X, expected %02X", what, i,
       i < sizeof got ? a[i] : 0, i < sizeof got ? b[i] : 0);
}

// Opens the sheet on `host`; the script gets the sheet, its text page and its line page (both
// created with the sheet, in that order), and runs only when all three exist.
int Open(Host& host, const std::function<void(HWND, HWND, HWND)>& script) {
    return RunDialog("尺寸标注属性", [&](HWND dlg) {
        HWND text = dlg ? FindWindowExW(dlg, nullptr, L"#32770", nullptr) : nullptr;
        HWND line = text ? FindWindowExW(dlg, text, L"#32770", nullptr) : nullptr;
        ok(GetDlgItem(text, T_DMS) && GetDlgItem(line, L_LEFT), "sheet %p with both pages", static_cast<void*>(dlg));
        if (GetDlgItem(text, T_DMS) && GetDlgItem(line, L_LEFT)) script(dlg, text, line);
    }, [&] {
        return g_setup(reinterpret_cast<DimStyleRecord*>(host.style), reinterpret_cast<ItemNoRecord*>(host.item));
    });
}

// A record whose groups hold several bits, odd sizes, no arrow type and no colour, saved as
// loaded: each group keeps its winning bit alone, the line page is saved although it never
// showed, and what only the screen tells is checked on the way.
void LoadingAndSaving() {
    Scenario s("loading: presets, typed sizes, flag groups, sorted lists; 确定 saves");
    Host host;
    host.Put({{DIMSIZE, 3.55}, {TOLSIZE, 3.2}, {ITEMTEXT, 0.45}, {FLAGS, 0x0F56}, {ARROWTYPE, 3}, {COLOR, -1},
              {TOLDEC, 9}, {DIMZEROS, 0}, {DMS, 1}, {TEXTFLAGS, 0x80000001u}, {SLANT, 12.5}});
    Host want = host;
    const int result = Open(host, [&](HWND dlg, HWND text, HWND line) {
#ifdef TQ_TEST_WITHOUT_DORN
        // Without Dorn.dll the font button does nothing and the sheet stays usable.
        Click(text, T_FONT);
        ok(!FindThreadWindow(GetWindowThreadProcessId(dlg, nullptr), L"#32770", "文字属性") && IsWindowEnabled(dlg),
           "no text attribute dialog");
#endif
        // The sorted lists put "不保留" first; each still shows the record's choice.
        ok(ItemText(text, T_DIMZEROS) == "不保留" && ItemText(text, T_TOLZEROS) == "保留", "zero lists");
        SetItemText(line, L_EXT, "0.4");  // not saved with outward arrows
        Click(dlg, IDOK);
    });
    ok(result == 1, "确定 returns %d", result);
    want.Put({{FLAGS, 0x0E52}, {TOLDEC, 5}, {ARROWTYPE, 255}, {DIMSIZE, 3.5}, {ITEMTEXT, 0.5}});
    Same(host, want, "saved records");
}

#ifndef TQ_TEST_WITHOUT_DORN

// What the Dorn.dll double does: each call logged, the dialog's record and owner kept; the
// dialog answers true after writing g_font, the flag and spacing 2.5 into the record; setting
// 10 reads 6, the code of a face the library knows.
int g_flag;
LOGFONTA g_font{-30, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "\xBA\xDA\xCC\xE5"};  // 黑体
std::string g_calls;
TextAttribRecord g_record;
HWND g_owner;

// How the dialog answers next; the log starts afresh.
void Answer(int flag) {
    g_flag = flag;
    g_calls.clear();
}
int WINAPI GetInt(int index) {
    g_calls += " get " + std::to_string(index);
    return index == 10 ? 6 : 0;
}
int WINAPI SetInt(int index, int value) {
    g_calls += " set " + std::to_string(index) + "=" + std::to_string(value);
    return 1;
}
bool WINAPI AttribDlg(TextAttribRecord* record, HWND owner) {
    g_calls += " dialog";
    g_record = *record;
    g_owner = owner;
    record->lfFont = g_font;
    record->bForeignFace = static_cast<uint8_t>(g_flag);
    record->fCharSpace = 2.5f;
    return true;
}

void EditingBothPages() {
    Scenario s("取消 and null records; editing both pages: the font button's calls, a tab click, 修改当前图纸");
    Host host;
    host.Put({{DIMSPACE, 0.35}});
    Host want = host;
    // 取消 after edits on both pages and the font dialog, and a null item record: nothing written.
    Answer(1);
    const int cancelled = Open(host, [&](HWND dlg, HWND text, HWND line) {
        Click(text, T_FONT);
        ClickControl(text, T_HIDDEN);
        ClickControl(line, L_LEFT);
        Click(dlg, IDCANCEL);
    });
    // (test_exports passes a null style record.)
    const int nulls = RunDialog("尺寸标注属性", [&](HWND dlg) { ok(!dlg, "a sheet for a null record"); }, [&] {
        return g_setup(reinterpret_cast<DimStyleRecord*>(host.style), nullptr);
    });
    ok(cancelled == 0 && nulls == 0, "取消 returns %d, a null item record %d", cancelled, nulls);
    Same(host, want, "records after 取消 and beside a null pointer");

    const int result = Open(host, [&](HWND dlg, HWND text, HWND line) {
        Answer(0);
        SelectCombo(text, T_DIM, 9);  // "5"
        Click(text, T_FONT);
        // Spacing and size in hundredths, then the font code, the dialog (given the page's font,
        // owned by the page), the code read back.
        ok(g_calls == " set 8=35 set 7=500 set 10=3 dialog get 10" && g_owner == text &&
               !std::memcmp(&g_record.lfFont, host.style + LOGFONT, 60),
           "first press:%s", g_calls.c_str());
        // A face without a code of the library: code 15, setting 10 not read; the size shown
        // from the record again and the spacing from the answer.
        Answer(1);
        Click(text, T_FONT);
        ok(g_calls == " set 8=250 set 7=350 set 10=6 dialog", "second press:%s", g_calls.c_str());

        for (auto [id, typed] : {std::pair{T_DIM, "2.75"}, {T_TOL, ""}, {T_DIMDEC, ""}, {T_TOLDEC, "9"},
                                 {T_SYMSIZE, "abc"}, {T_SYMLEN, "12.5"}, {T_TOLSPACE, ""}, {T_DIMSPACE, "1"}})
            SetItemText(text, id, typed);
        // The zero lists are read at saving by text (a pick sends nothing they listen to).
        for (auto [id, pick] : {std::pair{T_TOLZEROS, L"不保留"}, {T_DIMZEROS, L"保留"}})
            SendDlgItemMessageW(text, id, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pick));
        for (int id : {T_HIDDEN, T_INLINE, T_FULLWIDTH}) ClickControl(text, id);

        // A real click on the second tab: the tab control takes the mouse and notifies the sheet.
        HWND tabs = GetDlgItem(dlg, TABS);
        RECT tab{};
        SendMessageW(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
        PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.left + 5, tab.top + 5));
        PostMessageW(tabs, WM_LBUTTONUP, 0, MAKELPARAM(tab.left + 5, tab.top + 5));
        ok(WaitFor([&] { return IsWindowVisible(line) && !IsWindowVisible(text); }, 3000), "尺寸线 shows by a click");

        for (int id : {L_RIGHT, L_UNBROKEN, L_IN, L_SOLID, L_AUTOHIDE}) ClickControl(line, id);
        for (auto [id, typed] : {std::pair{L_SLANT, ""}, {L_EXT, "0.4"}, {L_LEN, "6"}, {L_ANGLE, "abc"}})
            SetItemText(line, id, typed);
        // The colour list paints its shown item with the palette's swatch (3 is green).
        SelectCombo(line, L_COLOR, 3);
        const Capture swatch(GetDlgItem(line, L_COLOR));
        ok(swatch.At(8, swatch.height() / 2) == 0x00FF00, "swatch %06X", swatch.At(8, swatch.height() / 2));
        Click(dlg, APPLY);
    });
    ok(result == 2, "修改当前图纸 returns %d", result);
    // Texts without a number keep the field; tolerance decimals at most 5, the extension at least 1.
    std::memcpy(want.style + LOGFONT, &g_font, 60);
    want.Put({{FONTCODE, 15}, {DIMSPACE, 1}, {DIMSIZE, 2.75}, {TOLSIZE, 0}, {TOLDEC, 5}, {TOLZEROS, 0}, {DIMZEROS, 1},
              {TEXTFLAGS, 0x80000001u}, {SYMLEN, 12.5}, {FLAGS, 0x4F22}, {EXTLEN, 1}, {SOLID, 0}, {ARROWLEN, 6},
              {AUTOHIDE, 0}, {COLOR, 3}});
    Same(host, want, "saved records");
}

// The colour list's item painter on its own, every kind of item, enabled or not.
void ColourItemPainter() {
    Scenario s("colour list items painted into a memory DC keep no GDI object");
    HDC dc = CreateCompatibleDC(nullptr);
    CTqColorCmb list;
    const int before = CountLiveObjects().gdi;
    for (int item : {-1, 0, 1, 7, 42, 255, 300}) {
        const UINT state = item == 7 ? ODS_DISABLED : ODS_SELECTED | ODS_FOCUS;
        DRAWITEMSTRUCT dis{ODT_COMBOBOX, 0, static_cast<UINT>(item), 0, state, nullptr, dc, {0, 0, 120, 16}, 0};
        list.DrawItem(&dis);
    }
    const int after = CountLiveObjects().gdi;
    ok(after == before, "GDI objects: %d before, %d after", before, after);
    DeleteDC(dc);
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
    auto calls = dorn ? Export<dorn::Library* (WINAPI*)()>(dorn, "DornDouble_Calls") : nullptr;
    ok(calls != nullptr, "the Dorn.dll double is beside the test");
    if (!calls) return Summary(name);
    *calls() = {GetInt, SetInt, AttribDlg};
#endif
    // wine-run.sh starts the program in its own directory.
    HMODULE module = LoadLibraryW(L"..\\bin\\TQDim.dll");
    g_setup = module ? TQ_EXPORT(module, TQDim_SetupDlg) : nullptr;
    ok(g_setup != nullptr, "TQDim.dll loads from bin/ and exports TQDim_SetupDlg (error %lu)", GetLastError());
    if (!g_setup) return Summary(name);
    LoadingAndSaving();
#ifndef TQ_TEST_WITHOUT_DORN
    ok(g_calls.empty(), "Dorn.dll called without the font button: %s", g_calls.c_str());
    EditingBothPages();
    ColourItemPainter();
#endif
    return Summary(name);
}
