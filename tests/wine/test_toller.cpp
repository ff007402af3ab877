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
    std::string Text(int off) const {
        const char* p = reinterpret_cast<const char*>(rec + off);
        return Utf8FromGbk(std::string(p, strnlen(p, 40)));
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
    auto run = [&](HWND dlg) { dlg ? script(dlg) : void(ok(false, "dialog did not appear")); };
    return RunDialog("尺寸与公差", run, [&] {
        return g_toller(reinterpret_cast<TollerRecord*>(host.rec), symbols);
    });
}

// Which of the zone, deviation and fit edits the input mode left enabled.
std::string ModeEdits(HWND dlg) {
    std::string s;
    for (auto [id, letter] : {std::pair{213, 'z'}, {214, 'd'}, {216, 'f'}})
        if (Enabled(dlg, id)) s += letter;
    return s;
}

// The opening mode from the flag word, the radios clicked after it, and the flag word, input
// byte and display byte OK writes back: the input byte and display byte always match its bits,
// and of the host's bits 0x01, 0x40 and 0x80 stay.
void ModesAndSwitches() {
    Scenario s("opening modes, switches, OK");
    struct Case {
        uint32_t flags;
        uint8_t inputByte, displayByte;
        std::vector<int> clicks;
        const char* edits;
        uint32_t flagsAfter;
    } cases[] = {
        // zone with both display bits, or none (the host's display byte kept); zone wins over deviations
        {0x1F5, 8, 0, {}, "z", 0xF5}, {0x84, 2, 0x30, {}, "z", 0xB4}, {0x2C, 8, 0, {}, "z", 0x24},
        // deviations; neither: fit, whatever the input byte said
        {0x18, 4, 0x10, {}, "d", 0x28}, {0x38, 2, 0, {}, "d", 0x38}, {0x48, 0, 0x10, {}, "d", 0x68},
        {0xFFFFFFF2, 8, 0x30, {}, "f", 0xE2},
        // switches: zone with deviations stays, zone alone becomes deviations
        {0x34, 0, 0, {221}, "d", 0x38}, {0x14, 0, 0, {221}, "d", 0x28}, {0x14, 0, 0, {226, 222}, "f", 0x22},
        // back to zone input with the display radio that shows checked (224 in deviation input)
        {0x18, 0, 0, {220}, "z", 0x14}, {0x00, 0, 0, {220, 225}, "z", 0x24},
        {0xC1, 0, 0, {220, 226, 221, 222, 220, 224}, "z", 0xD5},
    };
    for (const Case& c : cases) {
        std::string trail = std::to_string(c.flags);
        for (int id : c.clicks) trail += " then " + std::to_string(id);
        Host host;
        host.Put(VALUE, "25");
        host.SetFlags(c.flags);
        host.rec[INPUT_MODE] = c.inputByte;
        host.rec[DISPLAY] = c.displayByte;
        host.rec[THEORY] = 0xAA;  // never read: the box opens unchecked, OK writes 0
        Host expected = host;
        const bool result = Open(host, nullptr, [&](HWND dlg) {
            for (int id : c.clicks) ClickControl(dlg, id);
            ok(ModeEdits(dlg) == c.edits, "%s: enabled \"%s\"", trail.c_str(), ModeEdits(dlg).c_str());
            Click(dlg, IDOK);
        });
        expected.SetFlags(c.flagsAfter);
        expected.rec[INPUT_MODE] = c.flagsAfter & 0x0E;
        expected.rec[DISPLAY] = c.flagsAfter & 0x30;
        expected.rec[THEORY] = 0;
        ok(result && host.Diff(expected) == "none", "%s: result %d, bytes differ at %s", trail.c_str(), result,
           host.Diff(expected).c_str());
    }
}

void Texts() {
    Scenario s("texts in and out, cuts, Cancel");
    Host host;
    std::memset(host.rec, 'A', 40);
    host.Put(VALUE, "-25");
    host.Put(ZONE, "H7");
    host.Put(UPPER, "+0.021))");
    std::memset(host.rec + LOWER, '1', 40);
    host.rec[LOWER + 39] = ')';
    std::memset(host.rec + HOLE, 0x7A, 40);
    host.Put(HOLE, "H8");  // bytes after the NUL are the host's and stay
    // No NUL; lead bytes 0x81: the cut keeps whole characters.
    std::memcpy(host.rec + SHAFT, Gbk("丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟").data(), 40);
    host.SetFlags(0xC9);  // deviation input and the host's bits, which sit next to the suffix
    host.rec[KEEP_PREFIX] = 2;
    const Host before = host;

    // Texts without NUL read to the field's end only, one ")" dropped, a double-byte text cut whole.
    auto shown = [&](HWND dlg) {
        for (auto [id, text] : {std::pair{211, std::string(39, 'A')}, {212, "-25"}, {213, "H7"},
                                {214, "+0.021)"}, {215, std::string(39, '1')}, {216, "H8"},
                                {217, "丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟丟"}})
            ok(ItemText(dlg, id) == text, "%d shows \"%s\"", id, ItemText(dlg, id).c_str());
        ok(Checked(dlg, 1169) && !Checked(dlg, 2001), "check boxes from the record");
    };
    // Cancel after every kind of change writes nothing.
    bool result = Open(host, nullptr, [&](HWND dlg) {
        shown(dlg);
        SetItemText(dlg, 211, "X");
        for (int id : {220, 2002, 1169}) ClickControl(dlg, id);
        Click(dlg, IDCANCEL);
    });
    ok(!result && host.Diff(before) == "none", "Cancel: result %d, bytes differ at %s", result,
       host.Diff(before).c_str());

    // OK with typed texts: 39 bytes at most, on a character boundary. Without a symbol list the
    // list's commands are ignored.
    result = Open(host, nullptr, [&](HWND dlg) {
        shown(dlg);
        SetItemText(dlg, 212, std::string(45, '9').c_str());
        SetItemText(dlg, 218, "ΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦ");  // 40 bytes in GBK
        SetItemText(dlg, 213, "");
        ClickControl(dlg, 2002);
        ClickControl(dlg, 1169);
        PostMessageW(dlg, WM_COMMAND, 300, 0);
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitFor([&] { return !IsWindowVisible(dlg); });
    });
    Host expected = before;
    expected.rec[PREFIX + 39] = 0;
    std::memset(expected.rec + VALUE, '9', 39);
    expected.rec[ZONE] = 0;
    expected.Put(UPPER, "+0.021)");
    expected.rec[LOWER + 39] = 0;
    expected.rec[SHAFT + 38] = 0;
    expected.Put(SUFFIX, "ΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦ");
    expected.SetFlags(0xE9);
    expected.rec[INPUT_MODE] = 8;
    expected.rec[DISPLAY] = 0x20;
    expected.rec[KEEP_PREFIX] = 0;
    expected.rec[THEORY] = 1;
    ok(result && host.Diff(expected) == "none", "OK: result %d, bytes differ at %s", result,
       host.Diff(expected).c_str());
}

// ---- the special-symbol picker and the host's symbol list (commands 300 + i)

HWND Active(HWND dlg) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dlg, nullptr), &info);
    return info.hwndActive;
}
void FocusItem(HWND dlg, int id) {
    SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, id)), TRUE);
}
HWND Picker(HWND dlg) {
    HWND found = nullptr;
    return WaitFor([&] {
        found = FindWindowW(L"TQDimSymbolPicker", nullptr);
        return found && IsWindowVisible(found) && GetWindow(found, GW_OWNER) == dlg;
    }, 2000) ? found : nullptr;
}
void PickCell(HWND picker, int index) {
    const int c = CTQSymbolWnd::kCellPixels, columns = CTQSymbolWnd::kColumns;
    const LPARAM at = MAKELPARAM((index % columns) * c + c / 2, (index / columns) * c + c / 2);
    SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(picker, WM_LBUTTONUP, 0, at);
}

// ---- the zone and fit sheets, aimed at cell centres from the charts' own geometry

// The centre of a zone ("H7") on tab 0 (hole) or 1 (shaft) of the zone sheet, or of a fit
// ("H7/g6") on the fit sheet's hole-basis page; the charts are those of the value 25.
fits::Point Aim(HWND page, int tab, const std::string& name) {
    const fits::ChartSize size = fits::ChartSize::Below500;
    const fits::ChartPage side = tab ? fits::ChartPage::Shaft : fits::ChartPage::Hole;
    RECT rc{};
    GetClientRect(page, &rc);
    const fits::ZoneChartLayout zones(!tab, false, fits::ColumnCount(side, size), fits::RowCount(size), rc.right,
                                      rc.bottom);
    const fits::FitChartLayout fitChart(21, 8, rc.right, rc.bottom);
    for (int k = 0; k < fits::RowCount(size); ++k)
        for (int i = 0; i < 22; ++i) {  // the widest chart's columns
            const fits::Fit f = fits::FitOfCell(fits::FitSystem::HoleBasis, k, i);
            if (f.hole + "/" + f.shaft == name) return fitChart.CellCentre(k, i);
            if (fits::ZoneName(side, size, k, i) == name) return zones.CellCentre(k, i);
        }
    return {-1, -1};
}

// Presses a sheet button (posted: the sheet runs a loop of its own) and waits for the sheet.
HWND Press(HWND dlg, int button, const char* caption) {
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, button)));
    HWND sheet = WaitForDialog(GetWindowThreadProcessId(dlg, nullptr), caption);
    ok(sheet != nullptr, "sheet \"%s\" did not appear", caption);
    return sheet;
}
bool Close(HWND sheet, int button) {
    PostMessageW(sheet, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    return WaitFor([&] { return !IsWindowVisible(sheet); });
}
// Shows tab `tab` once the sheet has its first page up, clicks the cell `name` and waits for the
// sheet to close. A sheet that stays open is cancelled.
void PickFromSheet(HWND dlg, int button, const char* caption, int tab, const char* name) {
    HWND sheet = Press(dlg, button, caption);
    if (!sheet) return;
    auto current = [&] { return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); };
    auto shown = [&](HWND page) { return page && IsWindowVisible(page) && current() == page; };
    WaitFor([&] { return shown(current()); });
    SendMessageW(sheet, PSM_SETCURSEL, tab, 0);
    HWND page = nullptr;
    WaitFor([&] { return shown(page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_INDEXTOHWND, tab, 0))); });
    UpdateWindow(page);
    const fits::Point p = Aim(page, tab, name);
    SendMessageW(page, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    const bool closed = WaitFor([&] { return !IsWindowVisible(sheet); });
    ok(closed, "a click on %s (tab %d) closes \"%s\"", name, tab, caption);
    if (!closed) Close(sheet, IDCANCEL);
}

// One opening with a symbol list: the picker, the list, then the sheets, and the record OK writes.
void PickerListAndSheets() {
    Scenario s("symbol picker, symbol list (commands 300 + i), sheets");
    const char* const symbols = "°±×φ≤≥≈∠⌒□⊥∥∽‰√∞≠Φ";  // every cell, in order: all reach the record as GBK
    CStringArray list;
    for (int i = 0; i < 26; ++i) list.Add(("#" + std::to_string(i)).c_str());
    Host host;
    host.Put(VALUE, "-25");
    host.Put(ZONE, "H9");
    host.Put(UPPER, "+0.1");
    host.Put(HOLE, "H8");
    host.Put(SHAFT, "f7");
    host.SetFlags(0x14);
    const char* const zoneSheet = "常用孔轴极限偏差";
    HWND lastPicker = nullptr;
    const bool result = Open(host, &list, [&](HWND dlg) {
        // The zone edit had the focus, then deviation input disabled it: the press goes to 211.
        FocusItem(dlg, 213);
        ClickControl(dlg, 221);
        Click(dlg, 227);
        HWND picker = Picker(dlg);
        if (!picker) return ok(false, "the press opens no picker owned by the dialog");
        ok(FocusOf(dlg) == GetDlgItem(dlg, 211) && Active(dlg) == dlg &&
               (GetWindowLongW(picker, GWL_EXSTYLE) & WS_EX_NOACTIVATE),
           "focus %p, active %p; the picker never activates", FocusOf(dlg), Active(dlg));
        // The destination follows the focus; a dialog disabled (as while a sheet runs) takes nothing.
        FocusItem(dlg, 214);
        PickCell(picker, 1);
        PickCell(picker, 0);
        EnableWindow(dlg, FALSE);
        PickCell(picker, 5);
        EnableWindow(dlg, TRUE);
        ok(ItemText(dlg, 214) == "±°" && ItemText(dlg, 211).empty(), "picks: \"%s\", 211 \"%s\"",
           ItemText(dlg, 214).c_str(), ItemText(dlg, 211).c_str());

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

        LiveObjects half;
        for (int i = 0; i < 40; ++i) {
            Click(dlg, 227);
            if (i == 20) half = CountLiveObjects();
            Click(dlg, 227);
            if (HWND p = Picker(dlg)) RedrawWindow(p, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        Click(dlg, 227);
        const LiveObjects end = CountLiveObjects();
        Click(dlg, 227);
        ok(end.gdi <= half.gdi && end.windows <= half.windows, "GDI objects after 20 and 40 toggles: %d, %d; "
           "windows %d, %d", half.gdi, end.gdi, half.windows, end.windows);
        lastPicker = Picker(dlg);

        // The list's entries go where the picker's symbols go; entry 2 replaces 214's selection.
        FocusItem(dlg, 214);
        for (int entry : {2, 26, 25}) PostMessageW(dlg, WM_COMMAND, 300 + entry, 0);  // 26: beyond the list
        ok(WaitFor([&] { return ItemText(dlg, 214) == "#2#25"; }, 2000), "list entries in 214: \"%s\"",
           ItemText(dlg, 214).c_str());
        FocusItem(dlg, 218);
        PostMessageW(dlg, WM_COMMAND, 300, 0);
        ok(WaitFor([&] { return ItemText(dlg, 218) == "#0"; }, 2000), "the list follows the focus: \"%s\"",
           ItemText(dlg, 218).c_str());

        // The sheets chart the value received, not the one typed since, and a sheet left without
        // a pick changes nothing.
        SetItemText(dlg, 212, "800");
        ClickControl(dlg, 220);
        for (int button : {IDOK, IDCANCEL})
            if (HWND sheet = Press(dlg, 10066, zoneSheet)) ok(Close(sheet, button), "zone sheet closes");
        ok(ItemText(dlg, 213) == "H9" && Active(dlg) == dlg, "after no pick: zone \"%s\", active %p",
           ItemText(dlg, 213).c_str(), Active(dlg));
        PickFromSheet(dlg, 10066, zoneSheet, 0, "H7");
        ok(ItemText(dlg, 213) == "H7", "hole zone pick: \"%s\"", ItemText(dlg, 213).c_str());
        PickFromSheet(dlg, 10066, zoneSheet, 1, "g6");
        ClickControl(dlg, 222);
        if (HWND sheet = Press(dlg, 10067, "常用配合")) ok(Close(sheet, IDCANCEL), "fit sheet closes");
        ok(ItemText(dlg, 216) == "H8" && ItemText(dlg, 217) == "f7", "after no pick: fit \"%s\" / \"%s\"",
           ItemText(dlg, 216).c_str(), ItemText(dlg, 217).c_str());
        PickFromSheet(dlg, 10067, "常用配合", 0, "H7/g6");
        Click(dlg, IDOK);
    });
    ok(result && lastPicker && !IsWindow(lastPicker), "the dialog's end closed the picker (%p)", lastPicker);
    for (auto [off, text] : {std::pair{PREFIX, symbols}, {UPPER, "#2#25"}, {SUFFIX, "#0"}, {VALUE, "800"},
                             {ZONE, "g6"}, {HOLE, "H7"}, {SHAFT, "g6"}})
        ok(host.Text(off) == text, "record at %d: \"%s\", expected \"%s\"", off, host.Text(off).c_str(), text);
}

}  // namespace

int main() {
    HMODULE module = LoadModule();
    g_toller = module ? TQ_EXPORT(module, TQDim_TollerDlg) : nullptr;
    ok(g_toller != nullptr, "TQDim_TollerDlg exported");
    if (!g_toller) return Summary("test_toller");
    ModesAndSwitches();
    Texts();
    PickerListAndSheets();
    return Summary("test_toller");
}
