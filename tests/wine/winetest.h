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

inline int g_passed = 0;
inline int g_failed = 0;
inline const char* g_context = "";

inline void Check(bool cond, const char* file, int line, const char* fmt, ...) {
    if (cond) {
        ++g_passed;
        return;
    }
    ++g_failed;
    const char* base = std::strrchr(file, '/');
    std::fprintf(stdout, "%s:%d: %s%sTest failed: ", base ? base + 1 : file, line, g_context,
                 *g_context ? ": " : "");
    va_list args;
    va_start(args, fmt);
    std::vfprintf(stdout, fmt, args);
    va_end(args);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// A fault in the module under test ends the program with a failure line instead of starting
// Wine's debugger, which would hold the test until its time runs out.
inline const bool g_faultsEndTheTest = [] {
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* e) -> LONG {
        std::printf("%s%sTest failed: unhandled exception %08lx at %p\n%d passed, %d failed\n", g_context,
                    *g_context ? ": " : "", e->ExceptionRecord->ExceptionCode, e->ExceptionRecord->ExceptionAddress, g_passed, g_failed + 1);
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

inline std::wstring W(const char* utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring w(n ? n - 1 : 0, L'\0');
    if (n > 1) MultiByteToWideChar(CP_UTF8, 0, utf8, -1, w.data(), n);
    return w;
}

inline std::string Gbk(const char* utf8) {
    const std::wstring w = W(utf8);
    const int n = WideCharToMultiByte(936, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string s(n ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(936, 0, w.c_str(), -1, s.data(), n, nullptr, nullptr);
    return s;
}

inline std::string Utf8(const std::wstring& w) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string s(n ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), n, nullptr, nullptr);
    return s;
}

inline std::string Utf8FromGbk(const std::string& gbkText) {
    const int n = MultiByteToWideChar(936, 0, gbkText.data(), static_cast<int>(gbkText.size()), nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(936, 0, gbkText.data(), static_cast<int>(gbkText.size()), w.data(), n);
    return Utf8(w);
}

// Window text as UTF-8 (for messages and comparisons with UTF-8 literals).
inline std::string Text(HWND hwnd) {
    wchar_t buf[1024] = {};
    // WM_GETTEXT works across threads where GetWindowText of another process would not.
    SendMessageW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf));
    return Utf8(buf);
}
inline std::string ItemText(HWND dlg, int id) { return Text(GetDlgItem(dlg, id)); }

inline void SetText(HWND hwnd, const char* utf8) {
    const std::wstring w = W(utf8);
    SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.c_str()));
}
inline void SetItemText(HWND dlg, int id, const char* utf8) { SetText(GetDlgItem(dlg, id), utf8); }

// ---- waiting

// Polls `cond` until it holds or `timeoutMs` passes; returns whether it held.
inline bool WaitFor(const std::function<bool()>& cond, DWORD timeoutMs = 5000) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!cond()) {
        if (GetTickCount64() > end) return false;
        Sleep(5);
    }
    return true;
}

// A visible top-level window of `className` (e.g. L"#32770") owned by `thread`, optionally with
// the given caption (UTF-8).
inline HWND FindThreadWindow(DWORD thread, const wchar_t* className, const char* caption = nullptr) {
    struct Search {
        const wchar_t* cls;
        std::wstring caption;
        bool anyCaption;
        HWND found;
    } s{className, caption ? W(caption) : std::wstring(), caption == nullptr, nullptr};
    EnumThreadWindows(
        thread,
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t cls[64] = {};
            GetClassNameW(hwnd, cls, 64);
            if (wcscmp(cls, s->cls) != 0 || !IsWindowVisible(hwnd)) return TRUE;
            if (!s->anyCaption) {
                wchar_t text[256] = {};
                GetWindowTextW(hwnd, text, 256);
                if (s->caption != text) return TRUE;
            }
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

inline HWND WaitForDialog(DWORD thread, const char* caption, DWORD timeoutMs = 10000) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindThreadWindow(thread, L"#32770", caption)) != nullptr; }, timeoutMs);
    return found;
}

inline HMENU MenuOfWindow(HWND menuWindow) {
    return reinterpret_cast<HMENU>(SendMessageW(menuWindow, 0x01E1 /* MN_GETHMENU */, 0, 0));
}

// The popup menu window opened by TrackPopupMenu, once it shows its items (the window can be
// visible a moment before its menu is attached).
inline HWND WaitForMenu(DWORD timeoutMs = 5000) {
    HWND found = nullptr;
    WaitFor([&] {
        found = FindWindowW(L"#32768", nullptr);
        if (!found || !IsWindowVisible(found)) return false;
        HMENU menu = MenuOfWindow(found);
        return menu && GetMenuItemCount(menu) > 0;
    }, timeoutMs);
    return found;
}

// ---- driving a dialog

// Runs `call` (which opens a modal dialog and returns when it ends) on this thread while
// `script` drives the dialog from a second thread; a null caption takes the thread's first dialog. The script receives the dialog window (or
// null when it did not appear) and must close it. A script that returns with the dialog still
// open gets it cancelled.
template <class Call>
auto RunDialog(const char* caption, const std::function<void(HWND)>& script, Call&& call) {
    struct Ctx {
        DWORD mainThread;
        const char* caption;
        const std::function<void(HWND)>* script;
    } ctx{GetCurrentThreadId(), caption, &script};
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID p) -> DWORD {
            auto* c = static_cast<Ctx*>(p);
            HWND dlg = WaitForDialog(c->mainThread, c->caption);
            (*c->script)(dlg);
            if (dlg && IsWindow(dlg) && IsWindowVisible(dlg)) {
                std::printf("script left dialog \"%s\" open; cancelling\n", c->caption ? c->caption : "");
                PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
            }
            return 0;
        },
        &ctx, 0, nullptr);
    auto result = call();
    WaitForSingleObject(thread, 30000);
    CloseHandle(thread);
    return result;
}

inline void Click(HWND dlg, int id) {
    HWND button = GetDlgItem(dlg, id);
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

// A real click on a check box or radio button (the control changes its own state first).
inline void ClickControl(HWND dlg, int id) { SendMessageW(GetDlgItem(dlg, id), BM_CLICK, 0, 0); }

inline bool Checked(HWND dlg, int id) {
    return SendMessageW(GetDlgItem(dlg, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
inline bool Enabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != FALSE; }
inline bool Visible(HWND dlg, int id) { return IsWindowVisible(GetDlgItem(dlg, id)) != FALSE; }

// Selects an entry of a combo box or list box and sends the notification a user's pick sends.
inline void SelectCombo(HWND dlg, int id, int index) {
    HWND combo = GetDlgItem(dlg, id);
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}
inline void SelectList(HWND dlg, int id, int index) {
    HWND list = GetDlgItem(dlg, id);
    SendMessageW(list, LB_SETCURSEL, index, 0);
    SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// Item texts of a combo box (CB_GETCOUNT, CB_GETLBTEXT) or list box (LB_GETCOUNT, LB_GETTEXT).
inline std::vector<std::string> BoxItems(HWND box, UINT countMessage, UINT textMessage) {
    std::vector<std::string> items;
    const int n = static_cast<int>(SendMessageW(box, countMessage, 0, 0));
    for (int i = 0; i < n; ++i) {
        wchar_t buf[256] = {};
        SendMessageW(box, textMessage, i, reinterpret_cast<LPARAM>(buf));
        items.push_back(Utf8(buf));
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
    HWND host = CreateWindowW(L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
    HWND other = CreateWindowW(L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 0, 200, 100,
                               nullptr, nullptr, nullptr, nullptr);
    HostWindows() {
        SetForegroundWindow(host);
        SetActiveWindow(host);
    }
    ~HostWindows() {
        if (IsWindow(host)) DestroyWindow(host);
        DestroyWindow(other);
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
    HWND target = FocusOf(dlg);
    PostMessageW(target ? target : dlg, WM_KEYDOWN, key, 1);
    PostMessageW(target ? target : dlg, WM_KEYUP, key, 0xC0000001);
}

// ---- popup menus

struct MenuItem {
    UINT id;
    std::string text;
    UINT type;  // MFT_* flags (MFT_MENUBARBREAK, MFT_BITMAP, ...)
};

inline std::vector<MenuItem> MenuItems(HMENU menu) {
    std::vector<MenuItem> items;
    const int n = GetMenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
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
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    return bi;
}

// A copy of a window's client area, read back as 0x00RRGGBB values. With `redraw` false it is
// what the window shows at the moment, so a test sees whether the window repainted by itself.
class Capture {
public:
    explicit Capture(HWND hwnd, bool redraw = true) {
        RECT rc{};
        GetClientRect(hwnd, &rc);
        m_w = rc.right;
        m_h = rc.bottom;
        // Make sure everything pending is painted before reading the window back.
        if (redraw) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        HDC wdc = GetDC(hwnd);
        HDC mem = CreateCompatibleDC(wdc);
        BITMAPINFO bi = Dib32(m_w, m_h);
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(wdc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(mem, dib);
        BitBlt(mem, 0, 0, m_w, m_h, wdc, 0, 0, SRCCOPY);
        GdiFlush();
        m_px.assign(static_cast<const uint32_t*>(bits), static_cast<const uint32_t*>(bits) + m_w * m_h);
        SelectObject(mem, old);
        DeleteObject(dib);
        DeleteDC(mem);
        ReleaseDC(hwnd, wdc);
    }
    int width() const { return m_w; }
    int height() const { return m_h; }
    uint32_t At(int x, int y) const {
        if (x < 0 || y < 0 || x >= m_w || y >= m_h) return 0xFFFFFFFF;
        return m_px[y * m_w + x] & 0xFFFFFF;
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
    int gdi = 0;
    int windows = 0;
    int menus = 0;
    long heapBlocks = 0;

    bool operator==(const LiveObjects& o) const {
        return gdi == o.gdi && windows == o.windows && menus == o.menus && heapBlocks == o.heapBlocks;
    }
};

inline LiveObjects CountLiveObjects() {
    LiveObjects live;
    for (UINT_PTR i = 1; i < 0x10000; ++i)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(i))) ++live.gdi;
    for (UINT_PTR i = 0x20; i < 0x10000; i += 2) {  // USER handles are even from 0x20 on
        if (IsWindow(reinterpret_cast<HWND>(i))) ++live.windows;
        if (IsMenu(reinterpret_cast<HMENU>(i))) ++live.menus;
    }
    HANDLE heap = GetProcessHeap();
    if (HeapLock(heap)) {
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ++live.heapBlocks;
        HeapUnlock(heap);
    }
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
