// The dimension and tolerance dialog through TQDim_TollerDlg, as a host calls it: the record
// laid out by byte offsets (independently of the module's struct) in the host's 332 bytes
// between guard bytes, the dialog scripted from a second thread, the bytes checked afterwards.
#include <cstring>
#include <string>

#include "entry/exports_toller.h"
#include "framework/afxstr.h"
#include "inhouse/TQSymbolWnd.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

decltype(&TQDim_TollerDlg) g_toller;

const char* kCaption = "尺寸与公差";

enum : int { PREFIX = 0, VALUE = 40, ZONE = 80, UPPER = 120, LOWER = 160, HOLE = 200, SHAFT = 240,
             SUFFIX = 280, FLAGS = 320, INPUT_MODE = 324, DISPLAY = 325, KEEP_PREFIX = 326, KEEP_STYLE = 327,
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
        return Utf8FromGbk(std::string(reinterpret_cast<const char*>(rec + off), strnlen(reinterpret_cast<const char*>(rec + off), 40)));
    }
    uint32_t Flags() const { uint32_t v; std::memcpy(&v, rec + FLAGS, 4); return v; }
    void SetFlags(uint32_t v) { std::memcpy(rec + FLAGS, &v, 4); }
    bool Untouched(const Host& before) const { return std::memcmp(this, &before, sizeof *this) == 0; }
    // Offsets where this and `other` differ, for messages.
    std::string Diff(const Host& other) const {
        std::string s;
        for (int i = 0; i < static_cast<int>(sizeof *this); ++i)
            if (reinterpret_cast<const unsigned char*>(this)[i] != reinterpret_cast<const unsigned char*>(&other)[i])
                s += std::to_string(i - 16) + " ";
        return s.empty() ? "none" : s;
    }
};

bool Open(Host& host, const CStringArray* symbols, const std::function<void(HWND)>& script) {
    return RunDialog(kCaption, script, [&] { return g_toller(reinterpret_cast<TollerRecord*>(host.rec), symbols); });
}

// The controls whose enable state follows the input mode, and the ids enabled in each mode.
const int kModeControls[] = {203, 204, 205, 206, 207, 213, 214, 215, 216, 217, 224, 225, 226, 10066, 10067};
const char* const kZoneSet = "203 213 224 225 226 10066";
const char* const kDeviationSet = "204 205 214 215";
const char* const kFitSet = "206 207 216 217 10067";

std::string EnabledSet(HWND dlg) {
    std::string s;
    for (int id : kModeControls)
        if (Enabled(dlg, id)) s += (s.empty() ? "" : " ") + std::to_string(id);
    return s;
}
int CheckedOf(HWND dlg, int first) {
    for (int id = first; id < first + 3; ++id)
        if (Checked(dlg, id)) return id;
    return 0;
}
bool AlwaysEnabled(HWND dlg) {
    for (int id : {211, 212, 218, 202, 220, 221, 222, 227, 1169, 2001, 2002, IDOK, IDCANCEL})
        if (!Enabled(dlg, id)) return false;
    return true;
}

// ---- opening and OK without changes

void Openings() {
    Scenario s("opening modes and OK without changes");
    struct Case {
        uint32_t flags;
        uint8_t inputByte, displayByte;
        const char* enabled;
        int inputRadio, displayRadio;
        uint32_t flagsAfter;
        uint8_t inputAfter, displayAfter;
    } cases[] = {
        // zone, both display bits, host bits and high bits
        {0x1F5, 8, 0, kZoneSet, 220, 226, 0xF5, 4, 0x30},
        {0x14, 0, 0x30, kZoneSet, 220, 224, 0x14, 4, 0x10},
        {0x24, 0, 0, kZoneSet, 220, 225, 0x24, 4, 0x20},
        // zone without display bits keeps the host's display byte
        {0x84, 2, 0x30, kZoneSet, 220, 224, 0xB4, 4, 0x30},
        // zone wins over deviations
        {0x2C, 8, 0, kZoneSet, 220, 225, 0x24, 4, 0x20},
        {0x18, 4, 0x10, kDeviationSet, 221, 224, 0x28, 8, 0x20},
        {0x38, 2, 0, kDeviationSet, 221, 226, 0x38, 8, 0x30},
        {0x48, 0, 0x10, kDeviationSet, 221, 224, 0x68, 8, 0x20},
        // neither zone nor deviations: fit, whatever the input byte said
        {0x00, 4, 0x10, kFitSet, 222, 224, 0x22, 2, 0x20},
        {0xFFFFFFF2, 8, 0x30, kFitSet, 222, 224, 0xE2, 2, 0x20},
    };
    for (const Case& c : cases) {
        Host host;
        host.Put(PREFIX, "M");
        host.Put(VALUE, "25");
        host.SetFlags(c.flags);
        host.rec[INPUT_MODE] = c.inputByte;
        host.rec[DISPLAY] = c.displayByte;
        host.rec[THEORY] = 0xAA;  // never read: the box opens unchecked, OK writes 0
        Host expected = host;
        const bool result = Open(host, nullptr, [&](HWND dlg) {
            if (!dlg) return ok(false, "dialog did not appear");
            ok(EnabledSet(dlg) == c.enabled, "flags %#x: enabled \"%s\", expected \"%s\"", c.flags,
               EnabledSet(dlg).c_str(), c.enabled);
            ok(AlwaysEnabled(dlg), "flags %#x: a control outside the mode set is disabled", c.flags);
            ok(CheckedOf(dlg, 220) == c.inputRadio && CheckedOf(dlg, 224) == c.displayRadio,
               "flags %#x: radios %d %d, expected %d %d", c.flags, CheckedOf(dlg, 220), CheckedOf(dlg, 224),
               c.inputRadio, c.displayRadio);
            ok(!Checked(dlg, 2002), "理论 opens unchecked");
            Click(dlg, IDOK);
        });
        ok(result, "flags %#x: OK returns true", c.flags);
        expected.SetFlags(c.flagsAfter);
        expected.rec[INPUT_MODE] = c.inputAfter;
        expected.rec[DISPLAY] = c.displayAfter;
        expected.rec[THEORY] = 0;
        ok(host.Untouched(expected), "flags %#x: bytes differ at %s (nFlags %#x input %d display %#x)", c.flags,
           host.Diff(expected).c_str(), host.Flags(), host.rec[INPUT_MODE], host.rec[DISPLAY]);
    }
}

// ---- switching

void Switches() {
    Scenario s("input and display switches");
    struct Path {
        uint32_t flags;
        std::vector<int> clicks;  // radios clicked in order
        const char* enabled;      // after the last click
        uint32_t flagsAfter;
    } paths[] = {
        {0x34, {221}, kDeviationSet, 0x38},             // zone with deviations stays
        {0x14, {221}, kDeviationSet, 0x28},             // zone becomes deviations
        {0x14, {225, 221}, kDeviationSet, 0x28},
        {0x14, {226, 222}, kFitSet, 0x22},
        {0x18, {220}, kZoneSet, 0x14},                  // radio 224 shows checked in deviation input
        {0x38, {220}, kZoneSet, 0x34},
        {0x00, {220, 225}, kZoneSet, 0x24},
        {0x34, {222, 221, 220}, kZoneSet, 0x34},        // every switch sets the whole state
        {0x24, {221, 222, 221}, kDeviationSet, 0x28},
        {0xC1, {220, 226, 221, 222, 220, 224}, kZoneSet, 0xD5},
    };
    for (const Path& p : paths) {
        Host host;
        host.SetFlags(p.flags);
        std::string trail;
        for (int id : p.clicks) trail += std::to_string(id) + " ";
        const bool result = Open(host, nullptr, [&](HWND dlg) {
            if (!dlg) return ok(false, "dialog did not appear");
            for (int id : p.clicks) ClickControl(dlg, id);
            ok(EnabledSet(dlg) == p.enabled, "%#x then %s: enabled \"%s\", expected \"%s\"", p.flags, trail.c_str(),
               EnabledSet(dlg).c_str(), p.enabled);
            Click(dlg, IDOK);
        });
        ok(result && host.Flags() == p.flagsAfter, "%#x then %s: nFlags %#x, expected %#x", p.flags, trail.c_str(),
           host.Flags(), p.flagsAfter);
    }
}

// ---- texts

void Texts() {
    Scenario s("texts in and out, cuts, Cancel");
    Host host;
    std::memset(host.rec, 'A', 40);  // prefix without NUL: read to the field's end only
    host.Put(VALUE, "-25");
    host.Put(ZONE, "H7");
    host.Put(UPPER, "+0.021)");
    host.Put(LOWER, "0))");
    std::memset(host.rec + HOLE, 0x7A, 40);
    host.Put(HOLE, "H8");  // bytes after the NUL are the host's and stay
    const std::string chinese = Gbk("公差公差公差公差公差公差公差公差公差公差");  // 40 bytes, no NUL
    std::memcpy(host.rec + SHAFT, chinese.data(), 40);
    host.Put(SUFFIX, "");
    host.SetFlags(0xC9);  // deviation input and the host's bits, which sit next to the suffix
    host.rec[KEEP_PREFIX] = 2;
    host.rec[KEEP_STYLE] = 0;
    const Host before = host;

    auto shown = [&](HWND dlg) {
        ok(ItemText(dlg, 211) == std::string(39, 'A'), "prefix without NUL shows \"%s\"", ItemText(dlg, 211).c_str());
        ok(ItemText(dlg, 212) == "-25" && ItemText(dlg, 213) == "H7", "value and zone shown");
        ok(ItemText(dlg, 214) == "+0.021" && ItemText(dlg, 215) == "0)", "one \")\" dropped: \"%s\" \"%s\"",
           ItemText(dlg, 214).c_str(), ItemText(dlg, 215).c_str());
        ok(ItemText(dlg, 217) == "公差公差公差公差公差公差公差公差公差公", "a double-byte text cut whole: \"%s\"",
           ItemText(dlg, 217).c_str());
        ok(Checked(dlg, 1169) && !Checked(dlg, 2001), "check boxes from the record");
    };

    // Cancel after every kind of change writes nothing.
    bool result = Open(host, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        shown(dlg);
        SetItemText(dlg, 211, "X");
        ClickControl(dlg, 220);
        ClickControl(dlg, 2002);
        ClickControl(dlg, 1169);
        Click(dlg, IDCANCEL);
    });
    ok(!result && host.Untouched(before), "Cancel: result %d, bytes differ at %s", result, host.Diff(before).c_str());
    result = Open(host, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        PostMessageW(dlg, WM_CLOSE, 0, 0);
        WaitFor([&] { return !IsWindowVisible(dlg); });
    });
    ok(!result && host.Untouched(before), "close box: result %d", result);

    // OK with typed texts: 39 bytes at most, on a character boundary.
    result = Open(host, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        shown(dlg);
        SetItemText(dlg, 212, std::string(45, '9').c_str());
        SetItemText(dlg, 218, "ΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦ");  // 40 bytes in GBK
        SetItemText(dlg, 213, "");
        ClickControl(dlg, 2002);
        ClickControl(dlg, 1169);
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    Host expected = before;
    std::memset(expected.rec + PREFIX, 'A', 39);
    expected.rec[PREFIX + 39] = 0;
    std::memset(expected.rec + VALUE, '9', 39);
    expected.rec[VALUE + 39] = 0;
    expected.rec[ZONE] = 0;
    expected.Put(UPPER, "+0.021");
    expected.Put(LOWER, "0)");
    expected.rec[SHAFT + 38] = 0;
    const std::string phi = Gbk("ΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦΦ");
    std::memcpy(expected.rec + SUFFIX, phi.c_str(), phi.size() + 1);
    expected.SetFlags(0xE9);
    expected.rec[INPUT_MODE] = 8;
    expected.rec[DISPLAY] = 0x20;
    expected.rec[KEEP_PREFIX] = 0;
    expected.rec[THEORY] = 1;
    ok(host.Untouched(expected), "OK: bytes differ at %s", host.Diff(expected).c_str());
}

// ---- the special-symbol picker

GUITHREADINFO GuiOf(HWND dlg) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dlg, nullptr), &info);
    return info;
}
HWND Focus(HWND dlg) { return GuiOf(dlg).hwndFocus; }
HWND Active(HWND dlg) { return GuiOf(dlg).hwndActive; }
void FocusItem(HWND dlg, int id) { SendMessageW(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, id)), TRUE); }

HWND Picker(HWND dlg) {
    HWND found = nullptr;
    WaitFor([&] {
        found = FindWindowW(L"TQDimSymbolPicker", nullptr);
        return found && IsWindowVisible(found) && GetWindow(found, GW_OWNER) == dlg;
    }, 2000);
    return found && GetWindow(found, GW_OWNER) == dlg ? found : nullptr;
}
POINT CellCentre(int index) {
    const int c = CTQSymbolWnd::kCellPixels;
    return POINT{(index % CTQSymbolWnd::kColumns) * c + c / 2, (index / CTQSymbolWnd::kColumns) * c + c / 2};
}
void PickCell(HWND picker, int index) {
    const POINT pt = CellCentre(index);
    SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    SendMessageW(picker, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}
// A real click through the input system, as a user's.
void MouseClick(HWND picker, int index) {
    POINT pt = CellCentre(index);
    ClientToScreen(picker, &pt);
    SetCursorPos(pt.x, pt.y);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
}

// Every symbol the picker offers, in cell order: all of them must reach the record as GBK.
const char* const kPickerSymbols = "°±×φ≤≥≈∠⌒□⊥∥∽‰√∞≠Φ";

void PickerToggleAndFocus() {
    Scenario s("special-symbol picker: toggle, focus rules, destinations");
    Host host;
    host.SetFlags(0x14);
    host.Put(UPPER, "+0.1");
    HWND lastPicker = nullptr;
    const bool result = Open(host, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        HWND edit211 = GetDlgItem(dlg, 211), edit214 = GetDlgItem(dlg, 214);
        // The zone edit had the focus, then deviation input disabled it: the press goes to 211.
        FocusItem(dlg, 213);
        ClickControl(dlg, 221);
        Click(dlg, 227);
        HWND picker = Picker(dlg);
        ok(picker != nullptr, "the press opens the picker, owned by the dialog");
        if (!picker) return;
        ok(Focus(dlg) == edit211, "focus moved to the prefix edit (focus %p)", Focus(dlg));
        ok(Active(dlg) == dlg, "the dialog stays active");
        ok(GetWindowLongW(picker, GWL_EXSTYLE) & WS_EX_NOACTIVATE, "the picker never activates");

        // The current destination follows the focus.
        FocusItem(dlg, 214);
        PickCell(picker, 1);
        ok(ItemText(dlg, 214) == "±", "pick replaces the selection of 214: \"%s\"", ItemText(dlg, 214).c_str());
        PickCell(picker, 0);
        ok(ItemText(dlg, 214) == "±°", "second pick at the caret: \"%s\"", ItemText(dlg, 214).c_str());
        ok(ItemText(dlg, 211).empty(), "211 untouched: \"%s\"", ItemText(dlg, 211).c_str());
        EnableWindow(dlg, FALSE);  // as while a sheet runs
        PickCell(picker, 5);
        EnableWindow(dlg, TRUE);
        ok(ItemText(dlg, 214) == "±°", "a disabled dialog takes no pick: \"%s\"", ItemText(dlg, 214).c_str());

        // A user's click leaves activation and focus where they were.
        MouseClick(picker, 3);
        WaitFor([&] { return ItemText(dlg, 214) == "±°φ"; }, 2000);
        ok(ItemText(dlg, 214) == "±°φ", "a real click inserts: \"%s\"", ItemText(dlg, 214).c_str());
        ok(Active(dlg) == dlg && Focus(dlg) == edit214, "after a real click: active %p focus %p", Active(dlg),
           Focus(dlg));

        // The button toggles; the focus goes back to the last edit first.
        FocusItem(dlg, IDOK);
        Click(dlg, 227);
        ok(!IsWindow(picker), "a second press closes the picker");
        ok(Focus(dlg) == edit214, "the press gave the focus back to 214");
        Click(dlg, 227);
        picker = Picker(dlg);
        ok(picker != nullptr, "a third press opens a new picker");
        // Closed with its own close box: the next press opens a new one.
        if (picker) SendMessageW(picker, WM_CLOSE, 0, 0);
        ok(!IsWindow(picker), "the close box closes the picker");
        Click(dlg, 227);
        lastPicker = Picker(dlg);
        ok(lastPicker != nullptr, "after the close box, the press opens a new picker");
        Click(dlg, IDOK);
    });
    ok(result, "OK returns true");
    ok(lastPicker && !IsWindow(lastPicker), "the dialog's end closed the picker");
    ok(host.Text(UPPER) == "±°φ", "upper deviation \"%s\"", host.Text(UPPER).c_str());
}

void PickerSymbolsReachTheRecord() {
    Scenario s("special-symbol picker: every symbol is GBK");
    const std::wstring wide = W(kPickerSymbols);
    BOOL lossy = FALSE;
    char buf[64] = {};
    WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, buf, sizeof buf, nullptr, &lossy);
    ok(!lossy, "every symbol has a GBK code");
    ok(static_cast<int>(wide.size()) == CTQSymbolWnd::kColumns * 3, "symbol count %d", static_cast<int>(wide.size()));
    Host host;
    host.SetFlags(0x04);
    const bool result = Open(host, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        Click(dlg, 227);
        HWND picker = Picker(dlg);
        if (!picker) return ok(false, "no picker");
        for (int i = 0; i < static_cast<int>(wide.size()); ++i) PickCell(picker, i);
        PickCell(picker, static_cast<int>(wide.size()));  // past the last cell: nothing
        Click(dlg, IDOK);
    });
    ok(result && host.Text(PREFIX) == kPickerSymbols, "prefix \"%s\"", host.Text(PREFIX).c_str());
}

// ---- the sheet buttons

// Presses a sheet button and leaves the sheet, if the build has one, without a pick: with its
// own OK (`closeWith` IDOK) or Cancel. The press is posted: the sheet runs a modal loop of its own.
void LeaveSheet(HWND dlg, int button, const char* caption, int closeWith) {
    PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, button)));
    HWND sheet = WaitForDialog(GetWindowThreadProcessId(dlg, nullptr), caption, 2000);
    if (!sheet) return;
    PostMessageW(sheet, WM_COMMAND, MAKEWPARAM(closeWith, BN_CLICKED), 0);
    ok(WaitFor([&] { return !IsWindow(sheet) || !IsWindowVisible(sheet); }), "sheet \"%s\" closes", caption);
}

void SheetsWithoutPick() {
    Scenario s("zone and fit sheets left without a pick");
    Host host;
    host.SetFlags(0x14);
    host.Put(VALUE, "-25");
    host.Put(ZONE, "H7");
    host.Put(HOLE, "H8");
    host.Put(SHAFT, "f7");
    const bool result = Open(host, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        SetItemText(dlg, 212, "40");  // typed after opening: the sheets never see it
        LeaveSheet(dlg, 10066, "常用孔轴极限偏差", IDOK);
        LeaveSheet(dlg, 10066, "常用孔轴极限偏差", IDCANCEL);
        ClickControl(dlg, 222);
        LeaveSheet(dlg, 10067, "常用配合", IDCANCEL);
        ok(ItemText(dlg, 213) == "H7" && ItemText(dlg, 216) == "H8" && ItemText(dlg, 217) == "f7",
           "fields after the sheets: \"%s\" \"%s\" \"%s\"", ItemText(dlg, 213).c_str(), ItemText(dlg, 216).c_str(),
           ItemText(dlg, 217).c_str());
        ok(Active(dlg) == dlg, "the dialog is active again");
        Click(dlg, IDOK);
    });
    ok(result && host.Text(ZONE) == "H7" && host.Text(HOLE) == "H8" && host.Text(SHAFT) == "f7" &&
           host.Text(VALUE) == "40",
       "record after OK: \"%s\" \"%s\" \"%s\"", host.Text(ZONE).c_str(), host.Text(HOLE).c_str(), host.Text(SHAFT).c_str());
}

void PickerLeavesNothingBehind() {
    Scenario s("special-symbol picker: repeated toggles leave no GDI object or window behind");
    Host host;
    host.SetFlags(0x04);
    Open(host, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        LiveObjects half;
        for (int i = 0; i < 40; ++i) {
            if (i == 20) half = CountLiveObjects();
            Click(dlg, 227);  // open
            HWND picker = Picker(dlg);
            if (picker) RedrawWindow(picker, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            Click(dlg, 227);  // close
        }
        const LiveObjects end = CountLiveObjects();
        ok(end.gdi <= half.gdi && end.windows <= half.windows, "GDI objects after 20 and 40 toggles: %d, %d; windows %d, %d",
           half.gdi, end.gdi, half.windows, end.windows);
        Click(dlg, IDCANCEL);
    });
}

// ---- the host's symbol list: commands 300 + i

void PostPick(HWND dlg, int index) { PostMessageW(dlg, WM_COMMAND, 300 + index, 0); }

void SymbolListPicks() {
    Scenario s("symbol list commands insert into the edit that last had the focus");
    CStringArray symbols;
    for (int i = 0; i < 26; ++i) symbols.Add(("#" + std::to_string(i)).c_str());
    Host host;
    host.SetFlags(0x08);
    host.Put(UPPER, "+0.1");
    bool result = Open(host, &symbols, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        FocusItem(dlg, 214);
        PostPick(dlg, 2);
        ok(WaitFor([&] { return ItemText(dlg, 214) == "#2"; }, 2000), "entry 2 replaced the selection of 214: \"%s\"",
           ItemText(dlg, 214).c_str());
        PostPick(dlg, 26);  // beyond the list: nothing
        PostPick(dlg, 25);
        ok(WaitFor([&] { return ItemText(dlg, 214) == "#2#25"; }, 2000), "entry 25 at the caret, 26 ignored: \"%s\"",
           ItemText(dlg, 214).c_str());
        FocusItem(dlg, 218);
        PostPick(dlg, 0);
        ok(WaitFor([&] { return ItemText(dlg, 218) == "#0"; }, 2000), "the destination follows the focus: \"%s\"",
           ItemText(dlg, 218).c_str());
        ok(ItemText(dlg, 214) == "#2#25" && ItemText(dlg, 211).empty(), "other edits untouched");
        Click(dlg, IDOK);
    });
    ok(result && host.Text(UPPER) == "#2#25" && host.Text(SUFFIX) == "#0", "record: \"%s\" \"%s\"",
       host.Text(UPPER).c_str(), host.Text(SUFFIX).c_str());

    // Without a list every such command is ignored.
    Host bare;
    bare.SetFlags(0x04);
    result = Open(bare, nullptr, [&](HWND dlg) {
        if (!dlg) return ok(false, "dialog did not appear");
        PostPick(dlg, 0);
        PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitFor([&] { return !IsWindowVisible(dlg); });
    });
    ok(result && bare.Text(PREFIX).empty(), "no list: prefix \"%s\"", bare.Text(PREFIX).c_str());
}

}  // namespace

int main() {
    HMODULE module = LoadModule();
    g_toller = module ? TQ_EXPORT(module, TQDim_TollerDlg) : nullptr;
    ok(g_toller != nullptr, "TQDim_TollerDlg exported");
    if (!g_toller) return Summary("test_toller");
    ok(!g_toller(nullptr, nullptr), "a null record returns false");
    Openings();
    Switches();
    Texts();
    PickerToggleAndFocus();
    PickerSymbolsReachTheRecord();
    SheetsWithoutPick();
    PickerLeavesNothingBehind();
    SymbolListPicks();
    return Summary("test_toller");
}
