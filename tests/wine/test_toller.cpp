// The dimension and tolerance dialog through TQDim_TollerDlg, as a host calls it: the record
// laid out by byte offsets (independently of the module's struct) in the host's 332 bytes
// between guard bytes, the dialog scripted from a second thread (with the real symbol picker,
// symbol list and limits-and-fits sheets), the bytes checked afterwards. The null record and
// the result register are checked for every export by test_exports.
#include <cstring>
#include <string>
#include <vector>

#include "entry/exports_toller.h"
#include "fits/chart_layout.h"
#include "fits/fit_classes.h"
#include "fits/zone_classes.h"
#include "framework/afxstr.h"
#include "inhouse/TQSymbolWnd.h"
#include "tests/wine/winetest.h"

#include <commctrl.h>

using namespace winetest;

namespace {

decltype(&TQDim_TollerDlg) g_toller;

enum : int { PREFIX = 0, VALUE = 40, ZONE = 80, UPPER = 120, LOWER = 160, HOLE = 200, SHAFT = 240,
             SUFFIX = 280, FLAGS = 320, INPUT_MODE = 324, DISPLAY = 325, KEEP_PREFIX = 326,
             THEORY = 328, USED = 329, HOST_SIZE = 332 };

struct Host {
    unsigned char guardBefore[16];
    unsigned char rec[HOST_SIZE];
    unsigned char guardAfter[16];

    Host() {
        std::memset(this, 0xCD, sizeof *this);
        std::memset(rec, 0, USED);  // the host's alignment bytes 329..331 keep 0xCD
    }
    void Put(int off, const char* utf8) {
        const std::string g = Gbk(utf8);
        std::memcpy(rec + off, g.c_str(), g.size() + 1);
    }
    void SetFlags(uint32_t v) { std::memcpy(rec + FLAGS, &v, 4); }
    // Offsets where this and `other` differ ("none" when the blocks are equal).
    std::string Diff(const Host& other) const {
        const auto* a = reinterpret_cast<const unsigned char*>(this);
        const auto* b = reinterpret_cast<const unsigned char*>(&other);
        std::string s;
        for (int i = 0; i < static_cast<int>(sizeof *this); ++i)
            if (a[i] != b[i]) s += std::to_string(i - 16) + " ";
        return s.empty() ? "none" : s;
    }
};

bool Open(Host& host, const CStringArray* symbols, const std::function<void(HWND)>& script) {
    return RunDialog("尺寸与公差", [&](HWND dlg) { dlg ? script(dlg) : void(ok(false, "dialog did not appear")); },
                     [&] { return g_toller(reinterpret_cast<TollerRecord*>(host.rec), symbols); });
}

// The opening mode from the flag word, the radios clicked after it, and the flag word, input
// byte and display byte OK writes back: the input byte and display byte always match its bits,
// and of the host's bits 0x01, 0x40 and 0x80 stay. Cancel writes nothing.
void ModesAndSwitches() {
    Scenario s("opening modes, switches, OK, Cancel");
    struct Case {
        uint32_t flags;
        uint8_t inputByte, displayByte;
        std::vector<int> clicks;
        uint32_t flagsAfter;
        bool cancel = false;
    } cases[] = {
        // zone with both display bits, or none (the host's display byte kept); zone wins over deviations
        {0x1F5, 8, 0, {}, 0xF5}, {0x84, 2, 0x30, {}, 0xB4}, {0x2C, 8, 0, {}, 0x24},
        // deviations; neither: fit, whatever the input byte said
        {0x18, 4, 0x10, {}, 0x28}, {0x38, 2, 0, {}, 0x38}, {0xFFFFFFF2, 8, 0x30, {}, 0xE2},
        // switches: zone with deviations stays, zone alone becomes deviations
        {0x34, 0, 0, {221}, 0x38}, {0x14, 0, 0, {221}, 0x28}, {0x14, 0, 0, {226, 222}, 0x22},
        // back to zone input with the display radio that shows checked (224 in deviation input)
        {0x18, 0, 0, {220}, 0x14}, {0x00, 0, 0, {220, 225}, 0x24},
        {0xC1, 0, 0, {220, 226, 221, 222, 220, 224}, 0xD5},
        // Cancel after switches and boxes: the bytes the host gave, which match its flag word
        {0xC9, 8, 0, {220, 221, 2002, 1169}, 0xC9, true},
    };
    for (const Case& c : cases) {
        const int n = static_cast<int>(&c - cases);
        Host host;
        host.SetFlags(c.flags);
        host.rec[INPUT_MODE] = c.inputByte;
        host.rec[DISPLAY] = c.displayByte;
        Host expected = host;
        const bool result = Open(host, nullptr, [&](HWND dlg) {
            for (int id : c.clicks) ClickControl(dlg, id);
            const uint32_t in = c.flagsAfter;  // the input mode enables the zone, deviation or fit edits
            ok(Enabled(dlg, 213) == !!(in & 4) && Enabled(dlg, 214) == !!(in & 8) &&
                   Enabled(dlg, 216) == !!(in & 2), "case %d: the edits of the input mode enabled", n);
            Click(dlg, c.cancel ? IDCANCEL : IDOK);
        });
        expected.SetFlags(c.flagsAfter);
        expected.rec[INPUT_MODE] = c.flagsAfter & 0x0E;
        expected.rec[DISPLAY] = c.flagsAfter & 0x30;
        ok(result == !c.cancel && host.Diff(expected) == "none", "case %d: result %d, bytes differ at %s", n,
           result, host.Diff(expected).c_str());
    }
}

// ---- the special-symbol picker and the host's symbol list (commands 300 + i)

void FocusItem(HWND dlg, int id) {
    SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, id)), TRUE);
}
HWND Picker(HWND dlg) {
    const DWORD thread = GetWindowThreadProcessId(dlg, nullptr);
    HWND found = nullptr;
    WaitFor([&] { return (found = FindThreadWindow(thread, L"TQDimSymbolPicker")) != nullptr; }, 2000);
    return found;
}
void PickCell(HWND picker, int index) {
    const int c = CTQSymbolWnd::kCellPixels, columns = CTQSymbolWnd::kColumns;
    const LPARAM at = MAKELPARAM((index % columns) * c + c / 2, (index / columns) * c + c / 2);
    SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(picker, WM_LBUTTONUP, 0, at);
}

// ---- the zone and fit sheets

// Presses a sheet button (posted: the sheet runs a loop of its own) and, once the sheet is up,
// clicks the centre of a zone ("H7") on the zone sheet's hole page or of a fit ("H7/g6") on the
// fit sheet's hole-basis page, aimed with the charts of the value 25. The sheet must close and
// give the activation back; one that stays open is cancelled.
void PickFromSheet(HWND dlg, int button, const char* caption, const std::string& name) {
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    HWND sheet = WaitForDialog(GetWindowThreadProcessId(dlg, nullptr), caption), page = nullptr;
    WaitFor([&] {
        page = sheet ? reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)) : nullptr;
        return page && IsWindowVisible(page);
    });
    UpdateWindow(page);  // the page measures its chart as it paints
    RECT rc{};
    GetClientRect(page, &rc);
    const fits::ChartSize size = fits::ChartSize::Below500;
    const fits::ZoneChartLayout zones(true, false, fits::ColumnCount(fits::ChartPage::Hole, size),
                                      fits::RowCount(size), rc.right, rc.bottom);
    const fits::FitChartLayout fitChart(21, 8, rc.right, rc.bottom);
    fits::Point p{-1, -1};
    for (int k = 0; k < fits::RowCount(size); ++k)
        for (int i = 0; i < 22; ++i) {  // the widest chart's columns
            const fits::Fit f = fits::FitOfCell(fits::FitSystem::HoleBasis, k, i);
            if (f.hole + "/" + f.shaft == name) p = fitChart.CellCentre(k, i);
            if (fits::ZoneName(fits::ChartPage::Hole, size, k, i) == name) p = zones.CellCentre(k, i);
        }
    SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    const bool closed = WaitFor([&] { return !IsWindowVisible(sheet) && GetForegroundWindow() == dlg; });
    ok(sheet && closed, "a click on %s closes \"%s\" and gives the activation back", name.c_str(), caption);
    if (!closed) PostMessageW(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

// One opening with a symbol list: the texts as read, the picker, the list, the sheets, typed
// texts, and every byte OK writes.
void TextsPickerListAndSheets() {
    Scenario s("texts, symbol picker, symbol list (commands 300 + i), sheets, OK");
    const char* const symbols = "°±×φ≤≥≈∠⌒□⊥∥∽‰√∞≠Φ";  // every cell, in order: all reach the record as GBK
    CStringArray list;
    for (int i = 0; i < 26; ++i) list.Add(("#" + std::to_string(i)).c_str());
    Host host;
    std::memset(host.rec, 'A', 40);
    host.Put(VALUE, "-25");
    host.Put(ZONE, "H9");
    host.Put(UPPER, "+0.021))");
    // No NUL; lead bytes 0x81: the cut keeps whole characters.
    std::memcpy(host.rec + LOWER, Gbk("丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟").data(), 40);
    std::memset(host.rec + HOLE, 0x7A, 40);
    host.Put(HOLE, "H8");  // bytes after the NUL are the host's and stay
    host.SetFlags(0xD5);  // zone input and the host's bits, which sit next to the suffix
    host.rec[KEEP_PREFIX] = 2;
    host.rec[THEORY] = 0xAA;  // never read: the box opens unchecked
    Host expected = host;
    const bool result = Open(host, &list, [&](HWND dlg) {
        // Texts without NUL read to the field's end only, one ")" dropped, a double-byte text cut whole.
        for (auto [id, text] : {std::pair{211, std::string(39, 'A')}, {212, "-25"}, {213, "H9"},
                                {214, "+0.021)"}, {215, "丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟"}, {216, "H8"}})
            ok(ItemText(dlg, id) == text, "%d shows \"%s\"", id, ItemText(dlg, id).c_str());

        // The zone edit had the focus, then deviation input disabled it: the press goes to 211.
        FocusItem(dlg, 213);
        ClickControl(dlg, 221);
        Click(dlg, 227);
        HWND picker = Picker(dlg);
        if (!picker) return ok(false, "the press opens no picker");
        ok(FocusOf(dlg) == GetDlgItem(dlg, 211) && GetForegroundWindow() == dlg &&
               GetWindow(picker, GW_OWNER) == dlg && (GetWindowLongW(picker, GWL_EXSTYLE) & WS_EX_NOACTIVATE),
           "focus %p, active %p; the picker is owned, never active", FocusOf(dlg), GetForegroundWindow());
        // The destination follows the focus.
        FocusItem(dlg, 214);
        PickCell(picker, 1);
        PickCell(picker, 0);
        ok(ItemText(dlg, 214) == "±°" && ItemText(dlg, 211).size() == 39, "picks: \"%s\"",
           ItemText(dlg, 214).c_str());

        // The button toggles, giving the focus back to the last edit; after the close box the
        // press opens a new picker.
        FocusItem(dlg, IDOK);
        Click(dlg, 227);
        ok(!IsWindow(picker) && FocusOf(dlg) == GetDlgItem(dlg, 214), "a second press closes the picker");
        Click(dlg, 227);
        SendMessageW(Picker(dlg), WM_CLOSE, 0, 0);
        Click(dlg, 227);
        picker = Picker(dlg);
        if (!picker) return ok(false, "after the close box, the press opens no new picker");
        FocusItem(dlg, 211);
        // Every cell, and one past the last, which inserts nothing.
        for (int i = 0; i <= static_cast<int>(W(symbols).size()); ++i) PickCell(picker, i);

        // The list's entries go where the picker's symbols go; entry 2 replaces 214's selection.
        FocusItem(dlg, 214);
        for (int entry : {2, 26, 25}) PostMessageW(dlg, WM_COMMAND, 300 + entry, 0);  // 26: beyond the list
        ok(WaitFor([&] { return ItemText(dlg, 214) == "#2#25"; }, 2000), "list entries in 214: \"%s\"",
           ItemText(dlg, 214).c_str());
        FocusItem(dlg, 218);
        PostMessageW(dlg, WM_COMMAND, 300, 0);
        ok(WaitFor([&] { return ItemText(dlg, 218) == "#0"; }, 2000), "the list follows the focus: \"%s\"",
           ItemText(dlg, 218).c_str());

        // Typed texts reach the record with 39 bytes at most, on a character boundary; the sheets
        // chart the value received, not the one typed since.
        SetItemText(dlg, 212, std::string(45, '9').c_str());
        SetItemText(dlg, 218, "ΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦ");  // 40 bytes in GBK
        for (int id : {2002, 1169, 220}) ClickControl(dlg, id);
        PickFromSheet(dlg, 10066, "常用孔轴极限偏差", "H7");
        ClickControl(dlg, 222);
        PickFromSheet(dlg, 10067, "常用配合", "H7/g6");
        Click(dlg, IDOK);
    });
    ok(result && !FindWindowW(L"TQDimSymbolPicker", nullptr), "the dialog's end closed the picker");
    for (auto [off, text] : {std::pair{PREFIX, symbols}, {VALUE, "999999999999999999999999999999999999999"},
                             {ZONE, "H7"}, {UPPER, "#2#25"}, {HOLE, "H7"}, {SHAFT, "g6"},
                             {SUFFIX, "ΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦ"}})
        expected.Put(off, text);
    expected.SetFlags(0xE3);
    for (auto [off, byte] :
         {std::pair{LOWER + 38, 0}, {INPUT_MODE, 2}, {DISPLAY, 0x20}, {KEEP_PREFIX, 0}, {THEORY, 1}})
        expected.rec[off] = byte;
    ok(host.Diff(expected) == "none", "bytes differ at %s", host.Diff(expected).c_str());
}

}  // namespace

int main() {
    HMODULE module = LoadModule();
    g_toller = module ? TQ_EXPORT(module, TQDim_TollerDlg) : nullptr;
    if (!g_toller) return ok(false, "TQDim_TollerDlg not exported"), Summary("test_toller");
    ModesAndSwitches();
    TextsPickerListAndSheets();
    return Summary("test_toller");
}
