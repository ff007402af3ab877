// A small harness for Windows behaviour tests run under wine64.
//
// Checks are Wine-style: ok(condition, "printf message", ...) names file and line when it fails.
// A test calls the module's export on its main thread like a host would; the dialog's modal loop
// blocks there, so a script thread finds the dialog, drives it by messages and closes it.
// Every wait is bounded; a script that loses its way cancels the dialog so nothing hangs.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace winetest {

inline int g_passed = 0, g_failed = 0;
inline const char* g_context = "";

inline void Check(bool cond, const char* file, int line, const char* fmt, ...) {
    if (cond) {
        ++g_passed;
        return;
    }
    ++g_failed;
    const char* base = std::strrchr(file, '/');
    std::printf("%s:%d: %s%sTest failed: ", base ? base + 1 : file, line, g_context, *g_context ? ": " : "");
    va_list args;
    va_start(args, fmt);
    std::vprintf(fmt, args);
    va_end(args);
    std::printf("\n");
    std::fflush(stdout);
}

// A fault in the module under test ends the program with a failure line instead of starting
// Wine's debugger, which would hold the test until its time runs out.
inline const bool g_faultsEndTheTest = [] {
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* e) -> LONG {
        std::printf("%s Test failed: unhandled exception %08lx at %p\n%d passed, %d failed\n", g_context,
                    e->ExceptionRecord->ExceptionCode, e->ExceptionRecord->ExceptionAddress, g_passed,
                    g_failed + 1);
        std::fflush(stdout);
        TerminateProcess(GetCurrentProcess(), 3);
        return EXCEPTION_EXECUTE_HANDLER;
    });
    return true;
}();

// The closing line the CI reads: "N passed, N failed".
inline int Summary(const char* name) {
    std::printf("%s: %d passed, %d failed\n", name, g_passed, g_failed);
    std::fflush(stdout);
    return g_failed ? 1 : 0;
}

// Scenario label printed in front of failures.
struct Scenario {
    explicit Scenario(const char* name) { g_context = name; }
    ~Scenario() { g_context = ""; }
};

// ---- text

inline std::wstring Widen(UINT codePage, const char* text) {
    std::wstring w(MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0), L'\0');
    MultiByteToWideChar(codePage, 0, text, -1, w.data(), static_cast<int>(w.size()));
    if (!w.empty()) w.pop_back();  // the NUL
    return w;
}
inline std::string Narrow(UINT codePage, const std::wstring& w) {
    std::string s(WideCharToMultiByte(codePage, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(codePage, 0, w.c_str(), -1, s.data(), static_cast<int>(s.size()), nullptr, nullptr);
    if (!s.empty()) s.pop_back();
    return s;
}
inline std::wstring W(const char* utf8) { return Widen(CP_UTF8, utf8); }
inline std::string Gbk(const char* utf8) { return Narrow(936, W(utf8)); }
inline std::string Utf8(const std::wstring& w) { return Narrow(CP_UTF8, w); }
inline std::string Utf8FromGbk(const std::string& gbkText) { return Utf8(Widen(936, gbkText.c_str())); }

// Window text as UTF-8 (for messages and comparisons with UTF-8 literals). WM_GETTEXT works
// across threads where GetWindowText of another process would not.
inline std::string Text(HWND hwnd) {
    wchar_t buf[1024] = {};
    SendMessageW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf));
    return Utf8(buf);
}
inline std::string ItemText(HWND dlg, int id) { return Text(GetDlgItem(dlg, id)); }
inline void SetText(HWND hwnd, const char* utf8) {
    SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(W(utf8).c_str()));
}
inline void SetItemText(HWND dlg, int id, const char* utf8) { SetText(GetDlgItem(dlg, id), utf8); }

// ---- waiting

// Polls `cond` until it holds or `timeoutMs` passes; returns whether it held.
inline bool WaitFor(const std::function<bool()>& cond, DWORD timeoutMs = 5000) {
    for (const ULONGLONG end = GetTickCount64() + timeoutMs; !cond(); Sleep(5))
        if (GetTickCount64() > end) return false;
    return true;
}

// A visible top-level window of `className` (e.g. L"#32770") owned by `thread`, optionally with
// the given caption (UTF-8).
inline HWND FindThreadWindow(DWORD thread, const wchar_t* className, const char* caption = nullptr) {
    HWND w = nullptr;
    while ((w = FindWindowExW(nullptr, w, className, nullptr))) {
        const bool ours = GetWindowThreadProcessId(w, nullptr) == thread && IsWindowVisible(w);
        if (ours && (!caption || Text(w) == caption)) return w;
    }
    return nullptr;
}

inline HWND WaitForDialog(DWORD thread, const char* caption, DWORD timeoutMs = 10000) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindThreadWindow(thread, L"#32770", caption)) != nullptr; }, timeoutMs);
    return found;
}

// The menu a popup menu window shows (MN_GETHMENU).
inline HMENU MenuOfWindow(HWND window) { return reinterpret_cast<HMENU>(SendMessageW(window, 0x01E1, 0, 0)); }

// The popup menu window opened by TrackPopupMenu, once it shows its items (the window can be
// visible a moment before its menu is attached).
inline HWND WaitForMenu(DWORD timeoutMs = 5000) {
    HWND found = nullptr;
    WaitFor([&] {
        found = FindWindowW(L"#32768", nullptr);
        return found && IsWindowVisible(found) && GetMenuItemCount(MenuOfWindow(found)) > 0;
    }, timeoutMs);
    return found;
}

// ---- driving a dialog

// Runs `call` (which opens a modal dialog and returns when it ends) on this thread while
// `script` drives the dialog from a second thread; a null caption takes the thread's first
// dialog. The script receives the dialog window (or null when it did not appear) and must
// close it. A script that returns with the dialog still open gets it cancelled.
template <class Call>
auto RunDialog(const char* caption, const std::function<void(HWND)>& script, Call&& call) {
    const DWORD mainThread = GetCurrentThreadId();
    std::function<void()> driver = [&] {
        HWND dlg = WaitForDialog(mainThread, caption);
        script(dlg);
        if (dlg && IsWindow(dlg) && IsWindowVisible(dlg)) {
            std::printf("script left dialog \"%s\" open; cancelling\n", caption ? caption : "");
            PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        }
    };
    HANDLE thread = CreateThread(nullptr, 0, [](LPVOID driver) -> DWORD {
        (*static_cast<std::function<void()>*>(driver))();
        return 0;
    }, &driver, 0, nullptr);
    auto result = call();
    WaitForSingleObject(thread, 30000);
    CloseHandle(thread);
    return result;
}

inline void Click(HWND dlg, int id) {
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}
// A real click on a check box or radio button (the control changes its own state first).
inline void ClickControl(HWND dlg, int id) { SendMessageW(GetDlgItem(dlg, id), BM_CLICK, 0, 0); }

inline bool Checked(HWND dlg, int id) {
    return SendMessageW(GetDlgItem(dlg, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
inline bool Enabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != FALSE; }
inline bool Visible(HWND dlg, int id) { return IsWindowVisible(GetDlgItem(dlg, id)) != FALSE; }

// Selects an entry of a combo box or list box and sends the notification a user's pick sends.
inline void SelectBoxEntry(HWND dlg, int id, int index, UINT selectMessage, WORD notification) {
    SendMessageW(GetDlgItem(dlg, id), selectMessage, index, 0);
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, notification), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}
inline void SelectCombo(HWND dlg, int id, int i) { SelectBoxEntry(dlg, id, i, CB_SETCURSEL, CBN_SELCHANGE); }
inline void SelectList(HWND dlg, int id, int i) { SelectBoxEntry(dlg, id, i, LB_SETCURSEL, LBN_SELCHANGE); }

// Item texts of a combo box (CB_GETCOUNT, CB_GETLBTEXT) or list box (LB_GETCOUNT, LB_GETTEXT).
inline std::vector<std::string> BoxItems(HWND box, UINT countMessage, UINT textMessage) {
    std::vector<std::string> items(SendMessageW(box, countMessage, 0, 0));
    for (std::size_t i = 0; i < items.size(); ++i) {
        wchar_t buf[256] = {};
        SendMessageW(box, textMessage, i, reinterpret_cast<LPARAM>(buf));
        items[i] = Utf8(buf);
    }
    return items;
}
inline std::vector<std::string> ComboItems(HWND dlg, int id) {
    return BoxItems(GetDlgItem(dlg, id), CB_GETCOUNT, CB_GETLBTEXT);
}
inline std::vector<std::string> ListItems(HWND dlg, int id) {
    return BoxItems(GetDlgItem(dlg, id), LB_GETCOUNT, LB_GETTEXT);
}

// A window that stands in for the host's frame, active when the host calls an export, and
// another top-level window that the system could wrongly activate when a dialog ends.
struct HostWindows {
    HWND host = Make(L"host", 0), other = Make(L"other", 300);
    HostWindows() {
        SetForegroundWindow(host);
        SetActiveWindow(host);
    }
    ~HostWindows() {
        if (IsWindow(host)) DestroyWindow(host);
        DestroyWindow(other);
    }
    static HWND Make(const wchar_t* title, int x) {
        return CreateWindowW(L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, 0, 200, 100, 0, 0, 0, 0);
    }
};

// The control that has the focus in the dialog's thread.
inline HWND FocusOf(HWND dlg) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dlg, nullptr), &info);
    return info.hwndFocus;
}

// Posts a key to the control that has the focus, as the system queues keyboard input.
inline void PostKey(HWND dlg, UINT key) {
    HWND target = FocusOf(dlg) ? FocusOf(dlg) : dlg;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

// ---- popup menus

struct MenuItem {
    UINT id;
    std::string text;
    UINT type;  // MFT_* flags (MFT_MENUBARBREAK, MFT_BITMAP, ...)
};

inline std::vector<MenuItem> MenuItems(HMENU menu) {
    std::vector<MenuItem> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t buf[256] = {};
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
        mii.dwTypeData = buf;
        mii.cch = 256;
        GetMenuItemInfoW(menu, i, TRUE, &mii);
        items.push_back({mii.wID, Utf8(buf), mii.fType});
    }
    return items;
}

// Closes an open popup menu without a pick.
inline void DismissMenu(HWND menuWindow, HWND owner) {
    PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    WaitFor([&] { return !IsWindowVisible(menuWindow); }, 2000);
    if (IsWindowVisible(menuWindow)) PostMessageW(owner, WM_CANCELMODE, 0, 0);
    WaitFor([&] { return !IsWindowVisible(menuWindow); }, 2000);
}

// ---- pixels

// A top-down 32-bit DIB of w x h pixels.
inline BITMAPINFO Dib32(int w, int h) {
    return {{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
}

// A copy of a window's client area, read back as 0x00RRGGBB values. With `redraw` false it is
// what the window shows at the moment, so a test sees whether the window repainted by itself;
// otherwise everything pending is painted first.
class Capture {
public:
    explicit Capture(HWND hwnd, bool redraw = true) {
        RECT rc{};
        GetClientRect(hwnd, &rc);
        m_w = rc.right;
        m_h = rc.bottom;
        if (redraw)
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        HDC wdc = GetDC(hwnd);
        HDC mem = CreateCompatibleDC(wdc);
        HBITMAP copy = CreateCompatibleBitmap(wdc, m_w, m_h);
        HGDIOBJ old = SelectObject(mem, copy);
        BitBlt(mem, 0, 0, m_w, m_h, wdc, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        BITMAPINFO bi = Dib32(m_w, m_h);
        m_px.resize(m_w * m_h);
        GetDIBits(mem, copy, 0, m_h, m_px.data(), &bi, DIB_RGB_COLORS);
        DeleteObject(copy);
        DeleteDC(mem);
        ReleaseDC(hwnd, wdc);
    }
    int width() const { return m_w; }
    int height() const { return m_h; }
    uint32_t At(int x, int y) const {
        return x < 0 || y < 0 || x >= m_w || y >= m_h ? 0xFFFFFFFF : m_px[y * m_w + x] & 0xFFFFFF;
    }
    bool IsBlack(int x, int y) const { return At(x, y) == 0; }
    // Any black pixel within `r` pixels of (x, y).
    bool BlackNear(int x, int y, int r = 1) const {
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                if (IsBlack(x + dx, y + dy)) return true;
        return false;
    }

private:
    int m_w = 0, m_h = 0;
    std::vector<uint32_t> m_px;
};

// ---- live objects

// What the process holds: GDI objects, windows, menus and busy blocks of the process heap.
// GetGuiResources is a stub under Wine, so handles are probed: Wine accepts a GDI or USER
// handle given by its table index alone (the upper word 0 matches any generation), which lets
// a test try every index. A fresh process fills Wine's cache of released device contexts
// at first, so compare counts between two later points of a long run, not with the start.
struct LiveObjects {
    int gdi = 0, windows = 0, menus = 0;
    long heapBlocks = 0;
    bool operator==(const LiveObjects& o) const {
        return gdi == o.gdi && windows == o.windows && menus == o.menus && heapBlocks == o.heapBlocks;
    }
};

inline LiveObjects CountLiveObjects() {
    LiveObjects live;
    for (UINT_PTR i = 1; i < 0x10000; ++i) {
        live.gdi += GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
        if (i < 0x20 || i % 2) continue;  // USER handles are even from 0x20 on
        live.windows += IsWindow(reinterpret_cast<HWND>(i)) != FALSE;
        live.menus += IsMenu(reinterpret_cast<HMENU>(i)) != FALSE;
    }
    HANDLE heap = GetProcessHeap();
    PROCESS_HEAP_ENTRY entry{};
    if (!HeapLock(heap)) return live;
    while (HeapWalk(heap, &entry)) live.heapBlocks += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0;
    HeapUnlock(heap);
    return live;
}

// ---- the module

inline HMODULE LoadModule() {
    HMODULE module = LoadLibraryW(L"TQDim.dll");
    if (!module) std::printf("cannot load TQDim.dll (error %lu)\n", GetLastError());
    return module;
}

template <class Fn>
Fn Export(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace winetest

// An export typed by its public declaration (entry/exports_*.h), so that the compiler checks
// every call of a test against what a host declares.
#define TQ_EXPORT(module, fn) ::winetest::Export<decltype(&fn)>(module, #fn)

#define ok(cond, ...) ::winetest::Check(static_cast<bool>(cond), __FILE__, __LINE__, __VA_ARGS__)
